// Times the device list on the 1024-device task: filling the list when the
// task is chosen, and one count edit stored in the device file. Each figure
// is timed in turn with the baseline, parsing, serialising and writing the
// same device file. Not a test: it prints medians and always exits 0 once
// the task could be built.

#include "BenchSupport.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <WarningDlg.h>

#include <QApplication>

namespace {

constexpr double kGoal = 2.0;

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask({QStringLiteral("KC-B41"), QStringLiteral("KC-D21")},
                          {QStringLiteral("KD-08")})) {
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
    const QString baseline = QStringLiteral("parse+serialise+write");

    kiv::DeviceListWidget list;
    list.resize(800, 500);
    list.show();
    const bench::Pair fill = bench::alternating([&] { list.clickCurrentTask(bench::taskName()); },
                                                bench::parseSerialiseWrite);
    bench::print(QStringLiteral("filling the list when the task is chosen"), fill, kGoal, baseline);

    // One stored count edit: the count of the middle device between 1 and 2.
    kiv::DeviceListModel *model = list.model();
    const int row = bench::kDevices / 2;
    int value = 1;
    const bench::Pair edit = bench::alternating(
        [&] {
            value = value == 1 ? 2 : 1;
            model->item(row, kiv::DeviceListModel::CountColumn)->setText(QString::number(value));
        },
        bench::parseSerialiseWrite);
    bench::print(QStringLiteral("one count edit stored"), edit, kGoal, baseline);
    if (messages > 0)
        bench::out() << messages << " messages were shown: the figures are not valid" << Qt::endl;
    return 0;
}
