// Times the stream editor of the main window on a device of the 1024-device
// task: opening it (reading the device's streams and building the table),
// against a bare parse of the device file; and one accepted edit as the
// planner makes it (the resolution cell's editor opened in the view and
// another resolution chosen with the keyboard, which stores frame rate, bit
// rate and resolution, and the task's stored results cleared by the
// calculator pane), against a bare parse, serialise and write of the same
// file. Each figure is timed cold (the first read of the task after the
// start) and warm, in turn with its baseline.

#include "GuiSupport.h"

#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <ItemDataRole.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

constexpr double kOpenGoal = 1.5;
constexpr double kEditGoal = 1.5;
// A camera in the middle of the task: its entry is looked up past half the
// document.
constexpr int kDevice = 517;

QComboBox *openEditor(KavrinGUIToolkit::CTreeView *view)
{
    for (QComboBox *editor :
         view->viewport()->findChildren<QComboBox *>(QString(), Qt::FindDirectChildrenOnly)) {
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
    const QString camera = QStringLiteral("KC-B21");
    if (!bench::buildTask({camera}, {QStringLiteral("KD-04")}) || !bench::listTask()) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    int messages = 0;
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [&messages](const KavrinGUIToolkit::CWarningDlg::Shown &) {
            ++messages;
            return 1;
        });

    kiv::Varnel window;
    window.showCentred();
    kiv::DeviceStreamWidget *panel = window.streamPanel();
    if (!panel || !bench::showAndPaint(&window)) {
        bench::out() << "the main window has no stream editor or is never painted" << Qt::endl;
        return 1;
    }
    panel->showDevice(bench::taskName(), camera, kDevice);
    panel->show();
    bench::nextPaint(panel->view()->viewport());
    kiv::DeviceStreamModel *model = panel->model();
    if (model->rowCount() == 0) {
        bench::out() << "the device shows no streams" << Qt::endl;
        return 1;
    }
    bench::out() << "task: " << bench::kDevices << " devices; device " << kDevice + 1 << " has "
                 << model->rowCount() << " streams; median of " << bench::kRuns << " runs"
                 << Qt::endl;

    KavrinGUIToolkit::CTreeView *view = panel->view();
    bool painted = true;
    const bench::ColdWarm open = bench::coldAndWarmTimed(
        [] {},
        [&] {
            // What the planner waits for: the table painted.
            return bench::untilViewPainted(
                view, [&] { panel->showDevice(bench::taskName(), camera, kDevice); }, painted);
        },
        bench::timed([] { bench::bareParse(); }));
    bench::print(QStringLiteral("opening the stream editor on a device"), open, kOpenGoal,
                 kOpenGoal, bench::parseName());

    // The first two resolutions in turn, chosen with the arrow keys in the
    // cell's editor, so that every run is a change.
    const QModelIndex resolution = model->index(0, kiv::DeviceStreamModel::ResolutionColumn);
    const QStringList choices = resolution.data(KavrinGUIToolkit::ComboBoxItemsRole).toStringList();
    if (choices.size() < 2) {
        bench::out() << "the camera offers fewer than two resolutions" << Qt::endl;
        return 1;
    }
    model->setData(resolution, choices.at(0));
    int turn = 0;
    bool chosen = true;
    const bench::ColdWarm edit = bench::coldAndWarmTimed(
        [] {},
        [&] {
            // What the planner waits for: the table shown anew.
            return bench::untilViewPainted(
                view,
                [&] {
                    view->setCurrentIndex(resolution);
                    view->edit(resolution);
                    QComboBox *editor = openEditor(view);
                    if (!editor) {
                        chosen = false;
                        return;
                    }
                    QTest::keyClick(editor, ++turn % 2 ? Qt::Key_Down : Qt::Key_Up);
                },
                painted);
        },
        bench::timed(bench::bareParseSerialiseWrite));
    bench::print(QStringLiteral("one accepted stream edit through the view"), edit, kEditGoal,
                 kEditGoal, bench::parseWriteName(), "stream.cold", "stream.warm");
    // Every edit was stored.
    TaskDeviceFile file(bench::taskName());
    DevStream stored;
    file.stream(kDevice, 0, stored);
    if (!chosen || stored.resolution != choices.at(turn % 2))
        bench::out() << "the last edit was not stored: the figure is not valid" << Qt::endl;
    if (!painted)
        bench::out() << "the table was not painted after a step: the figures are not valid"
                     << Qt::endl;
    if (messages > 0)
        bench::out() << messages << " messages were shown: the figures are not valid" << Qt::endl;
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    return 0;
}
