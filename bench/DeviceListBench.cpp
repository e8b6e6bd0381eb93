// Times the device list of the main window on the 1024-device task: filling
// the list when the task is chosen, against a bare parse of the device file;
// and one count edit as the planner makes it (typed into the cell's editor
// and confirmed with Enter, stored in the device file, the task's stored
// results cleared by the calculator pane), against a bare parse, serialise
// and write of the same file. Each figure is timed in turn with its
// baseline. Not a test: it prints medians and always exits 0 once the task
// could be built.

#include "BenchSupport.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr double kFillGoal = 1.2;
constexpr double kEditGoal = 1.5;

// The cell editor the view has open, if any.
QLineEdit *openEditor(KavrinGUIToolkit::CTreeView *view)
{
    for (QLineEdit *editor :
         view->viewport()->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!editor->isHidden())
            return editor;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask({QStringLiteral("KC-B41"), QStringLiteral("KC-D21")},
                          {QStringLiteral("KD-08")}) ||
        !bench::listTask()) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    {
        // Room for one more device, so the timed count edit is accepted.
        TaskDeviceFile file(bench::taskName());
        file.removeDevice(bench::kDevices - 1);
    }
    int messages = 0;
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [&messages](const KavrinGUIToolkit::CWarningDlg::Shown &) {
            ++messages;
            return 1;
        });
    bench::out() << "device list on a task of " << bench::kDevices << " devices; median of "
                 << bench::kRuns << " runs, each in turn with its baseline" << Qt::endl
                 << Qt::endl;

    kiv::Varnel window;
    window.showCentred();
    auto *list = window.findChild<kiv::DeviceListWidget *>();
    if (!list) {
        bench::out() << "the main window has no device list" << Qt::endl;
        return 1;
    }
    QCoreApplication::processEvents();
    const bench::Pair fill = bench::alternating([&] { list->clickCurrentTask(bench::taskName()); },
                                                [] { bench::bareParse(); });
    bench::print(QStringLiteral("filling the list when the task is chosen"), fill, kFillGoal,
                 bench::parseName());

    // The count of the middle device, between 1 and 2, typed into its
    // editor.
    kiv::DeviceListModel *model = list->model();
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QModelIndex count = model->index(bench::kDevices / 2, kiv::DeviceListModel::CountColumn);
    int value = 1;
    bool typed = true;
    const bench::Pair edit = bench::alternating(
        [&] {
            value = value == 1 ? 2 : 1;
            view->setCurrentIndex(count);
            view->edit(count);
            QLineEdit *editor = openEditor(view);
            if (!editor) {
                typed = false;
                return;
            }
            editor->selectAll();
            QTest::keyClicks(editor, QString::number(value));
            QTest::keyClick(editor, Qt::Key_Return);
            // The view stores the editor's text once the key is handled, and
            // shows the cell anew.
            QCoreApplication::processEvents();
        },
        bench::bareParseSerialiseWrite);
    bench::print(QStringLiteral("count edit through the view and its editor"), edit, kEditGoal,
                 bench::parseWriteName());

    DeviceInfo stored;
    {
        TaskDeviceFile file(bench::taskName());
        file.device(bench::kDevices / 2, stored);
    }
    if (!typed || stored.count != value)
        bench::out() << "the count edit was not stored: the figure is not valid" << Qt::endl;
    if (messages > 0)
        bench::out() << messages << " messages were shown: the figures are not valid" << Qt::endl;
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    return 0;
}
