// Times the stream editor on a device of the 1024-device task: opening it
// (reading the device's streams and building the table) and one accepted
// edit (a resolution chosen, which writes frame rate, bit rate and
// resolution), each against the baseline of parsing, serialising and
// writing the device file, timed in turn with it.

#include "BenchSupport.h"

#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <TaskListFile.h>

#include <QApplication>

namespace {

constexpr double kGoal = 2.0;
// A camera in the middle of the task: its entry is looked up past half the
// document.
constexpr int kDevice = 517;
const QString kBaseline = QStringLiteral("parse+serialise+write");

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    const QString camera = QStringLiteral("KC-B21");
    if (!bench::buildTask({camera}, {QStringLiteral("KD-04")})) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    {
        TaskListFile tasks;
        TaskInfo task;
        task.name = bench::taskName();
        tasks.addTask(task);
    }

    QWidget host;
    host.resize(1024, 768);
    kiv::DeviceStreamWidget panel(&host);
    host.show();
    panel.showDevice(bench::taskName(), camera, kDevice);
    kiv::DeviceStreamModel *model = panel.model();
    if (model->rowCount() == 0) {
        bench::out() << "the device shows no streams" << Qt::endl;
        return 1;
    }
    bench::out() << "task: " << bench::kDevices << " devices; device " << kDevice + 1 << " has "
                 << model->rowCount() << " streams; median of " << bench::kRuns << " runs"
                 << Qt::endl;

    const bench::Pair open = bench::alternating(
        [&] { panel.showDevice(bench::taskName(), camera, kDevice); }, bench::parseSerialiseWrite);
    bench::print(QStringLiteral("opening the stream editor on a device"), open, kGoal, kBaseline);

    // Two resolutions in turn, so that every run is a change.
    const QModelIndex resolution = model->index(0, kiv::DeviceStreamModel::ResolutionColumn);
    const QStringList choices = resolution.data(KavrinGUIToolkit::ComboBoxItemsRole).toStringList();
    if (choices.size() < 2) {
        bench::out() << "the camera offers fewer than two resolutions" << Qt::endl;
        return 1;
    }
    int turn = 0;
    const bench::Pair edit = bench::alternating(
        [&] { model->setData(resolution, choices.at(++turn % 2)); }, bench::parseSerialiseWrite);
    bench::print(QStringLiteral("one accepted edit (a resolution chosen)"), edit, kGoal, kBaseline);
    // Every edit was stored.
    TaskDeviceFile file(bench::taskName());
    DevStream stored;
    file.stream(kDevice, 0, stored);
    if (stored.resolution != resolution.data().toString()) {
        bench::out() << "the last edit was not stored" << Qt::endl;
        return 1;
    }
    return 0;
}
