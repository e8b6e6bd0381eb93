// Times the storage calculator as the planner runs it on the 1024-device
// task: from the Calculate click to the stored result, shown and painted,
// with the busy dialog and the NVR count on its worker thread, against a
// bare parse of the task's device file, timed in turn with it, cold (the
// first calculation after the start) and warm. Not a test: it prints the
// medians and always exits 0 once the task could be built.

#include "GuiSupport.h"

#include <StorageCalculatorWidget.h>
#include <TaskDataBase.h>
#include <TaskListFile.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double kGoal = 1.3;

} // namespace

int main(int argc, char *argv[])
{
    const bench::ProgramStart start(argc, argv);
    if (!start.ready())
        return 1;

    QStringList cameras;
    QStringList dvrs;
    kiv::TaskDataBase::GetInstance()->getDeviceList(0, cameras);
    kiv::TaskDataBase::GetInstance()->getDeviceList(1, dvrs);
    if (!bench::listTask() || !bench::buildTask(cameras, dvrs)) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    // Any message would wait for an answer; none is expected.
    int messages = 0;
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [&messages](const KavrinGUIToolkit::CWarningDlg::Shown &shown) {
            ++messages;
            bench::out() << "message: " << shown.text << Qt::endl;
            return 1;
        });

    kiv::StorageCalculatorWidget widget;
    widget.setTaskName(bench::taskName());
    auto *model = widget.findChild<QComboBox *>(QStringLiteral("combDeviceType"));
    auto *time = widget.findChild<QLineEdit *>(QStringLiteral("edtTime"));
    auto *calculate = widget.findChild<QPushButton *>(QStringLiteral("btnCalculate"));
    model->setCurrentText(QStringLiteral("KN-32"));
    time->setText(QStringLiteral("30"));

    if (!bench::showAndPaint(&widget)) {
        bench::out() << "the storage calculator is never painted" << Qt::endl;
        return 1;
    }

    const QString deviceFile = TaskDeviceFile::filePath(bench::taskName());
    bench::out() << "task: " << bench::kDevices << " devices, "
                 << QFileInfo(deviceFile).size() / 1024 << " KiB; NVR model "
                 << model->currentText() << "; median of " << bench::kRuns << " runs" << Qt::endl;

    auto *results = widget.findChild<QAbstractItemView *>(QStringLiteral("tableResult"));
    bool painted = true;
    const bench::ColdWarm figures =
        bench::coldAndWarmTimed([] {},
                                [&] {
                                    // What the planner waits for: the figures painted.
                                    return bench::untilViewPainted(
                                        results, [calculate] { calculate->click(); }, painted);
                                },
                                bench::timed([] { bench::bareParse(); }));
    bench::print(QStringLiteral("storage: Calculate click to stored result"), figures, kGoal, kGoal,
                 bench::parseName(), "storage.cold");

    StorageResult stored;
    {
        TaskListFile list;
        list.storageResult(bench::taskName(), stored);
    }
    bench::out() << "stored: enable " << stored.storageEnable << ", " << stored.devNumber
                 << " NVRs, " << stored.totalCap << ", " << stored.hddNumber << " disks; "
                 << messages << " messages" << Qt::endl;
    if (!painted)
        bench::out() << "the figures were not painted after a click: the figures are not valid"
                     << Qt::endl;
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    return 0;
}
