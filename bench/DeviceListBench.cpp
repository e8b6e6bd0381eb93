// Times the device list of the main window on the 1024-device task, its
// remarks as planners write them (markup characters, Chinese text over two
// lines, letters GB2312 lacks): the task chosen with a click in the task
// pane, to its rows listed, laid out and painted (the calculator pane loading
// the task's results on the way), against a bare parse of the device file;
// and one count edit as the planner makes it (typed into the cell's editor
// and confirmed with Enter, stored in the device file, the task's stored
// results cleared by the calculator pane, to the list painted anew), against
// a bare parse, serialise and write of the same file. Each figure is timed
// cold and warm, in turn with its baseline. Not a test: it prints medians and
// always exits 0 once the task could be built.

#include "GuiSupport.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <TaskManageModel.h>
#include <TaskManagerWidget.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr double kColdFillGoal = 1.0;
constexpr double kWarmFillGoal = 0.5;
constexpr double kEditGoal = 1.5;
// A small task listed after the benchmark task: the planner comes to the
// benchmark task from another one.
const QString kOtherTask = QStringLiteral("Other");
constexpr int kOtherDevices = 8;

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
    const bench::ProgramStart start(argc, argv);
    if (!start.ready())
        return 1;
    const QStringList cameras = {QStringLiteral("KC-B41"), QStringLiteral("KC-D21")};
    const QStringList dvrs = {QStringLiteral("KD-08")};
    if (!bench::buildTask(cameras, dvrs, bench::kDevices, bench::taskName(),
                          bench::plannerRemarks()) ||
        !bench::listTask() || !bench::buildTask(cameras, dvrs, kOtherDevices, kOtherTask) ||
        !bench::listTask(kOtherTask)) {
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
    if (!list || !bench::showAndPaint(&window)) {
        bench::out() << "the main window has no device list or is never painted" << Qt::endl;
        return 1;
    }
    kiv::DeviceListModel *model = list->model();
    KavrinGUIToolkit::CTreeView *view = list->view();
    QAbstractItemView *tasks = window.taskPane()->view();
    const auto choose = [&](int row) {
        bench::clickItem(tasks, window.taskPane()->model()->index(row, 0));
    };
    // The first task's rows follow the window's first frame.
    bench::nextPaint(view->viewport(), [model] { return model->rowCount() > 0; });
    // What the planner waits for: the rows laid out and painted.
    bool painted = true;
    bool listed = true;
    const bench::ColdWarm fill = bench::coldAndWarmTimed(
        [&] {
            bench::untilViewPainted(
                view, [&] { choose(1); }, painted);
        },
        [&] {
            const double ms = bench::untilViewPainted(
                view, [&] { choose(0); }, painted);
            listed = listed && list->taskName() == bench::taskName() &&
                     model->rowCount() == bench::kDevices - 1;
            return ms;
        },
        bench::timed([] { bench::bareParse(); }));
    bench::print(QStringLiteral("list fill when the task is chosen in the task pane"), fill,
                 kColdFillGoal, kWarmFillGoal, bench::parseName(), "fill.cold", "fill.warm");
    if (!listed)
        bench::out() << "the task's rows were not listed: the figures are not valid" << Qt::endl;

    // The count of the middle device, between 1 and 2, typed into its
    // editor.
    const QModelIndex count = model->index(bench::kDevices / 2, kiv::DeviceListModel::CountColumn);
    int value = 1;
    bool typed = true;
    const bench::ColdWarm edit =
        bench::coldAndWarmTimed([] {},
                                [&] {
                                    return bench::untilViewPainted(
                                        view,
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
                                        },
                                        // The view stores the editor's text once the key is
                                        // handled, and shows the cell anew.
                                        painted);
                                },
                                bench::timed(bench::bareParseSerialiseWrite));
    bench::print(QStringLiteral("count edit through the view and its editor"), edit, kEditGoal,
                 kEditGoal, bench::parseWriteName(), "count.cold", "count.warm");

    DeviceInfo stored;
    {
        TaskDeviceFile file(bench::taskName());
        file.device(bench::kDevices / 2, stored);
    }
    if (!typed || stored.count != value)
        bench::out() << "the count edit was not stored: the figure is not valid" << Qt::endl;
    if (!painted)
        bench::out() << "the list was not painted after a step: the figures are not valid"
                     << Qt::endl;
    if (messages > 0)
        bench::out() << messages << " messages were shown: the figures are not valid" << Qt::endl;
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    return 0;
}
