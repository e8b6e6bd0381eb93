// Times the calculators' own code (calc/logic) on a task of 1024 devices
// whose cameras all have distinct bit rates, the NVR allocation's hardest
// case: reading the task, the storage and the bandwidth figures, each timed
// cold and warm in turn with a bare parse of the task's device file; and
// the NVR allocation for every model of the demo catalogue. Prints medians;
// not a test, it always exits 0 once the task could be built.

#include "BenchSupport.h"

#include <BandwidthCalculation.h>
#include <NvrCalculator.h>
#include <StorageCalculation.h>
#include <TaskDevices.h>

#include <QCoreApplication>

#include <vector>

namespace {

using bench::kDevices;
using bench::kRuns;
using bench::out;
// Reading what the calculators read takes no more than a bare parse of the
// file; a calculation on top of it no more than the calculator's click to
// the stored result may take.
constexpr double kReadGoal = 1.0;
constexpr double kCalculationGoal = 1.3;
constexpr double kAllocationGoalMs = 10.0;

const QString kTask = bench::taskName();

// Every camera its own main stream bit rate: no two cameras share an entry
// of the allocation.
bool distinctBitRates()
{
    TaskDeviceFile file(kTask);
    for (int i = 0; i < kDevices; ++i) {
        if (i % 8 != 7 && !file.setMainStream(1024 + 3 * i, i))
            return false;
    }
    return file.close();
}

QVector<kiv::TaskDeviceEntry> readTask()
{
    QVector<kiv::TaskDeviceEntry> devices;
    kiv::readTaskDevices(kTask, devices);
    return devices;
}

kiv::StorageInputs storageInputs(const QString &model)
{
    kiv::StorageInputs inputs;
    inputs.storageClass = kiv::NvrStorage;
    inputs.model = model;
    inputs.bays = 8;
    inputs.diskSizeGb = 4000;
    inputs.recordTime = 30;
    inputs.timeUnit = 0;
    inputs.hddType = kiv::RaidHdd;
    inputs.raidType = QStringLiteral("RAID5");
    inputs.raidGroups = 1;
    inputs.hotSpares = 1;
    return inputs;
}

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QCoreApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask() || !distinctBitRates()) {
        out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    NvrCalculator models;
    const QString firstModel = models.models().empty() ? QString() : models.models().front().name;
    const QVector<kiv::TaskDeviceEntry> devices = readTask();
    const std::vector<IpcTypeCount> cameras = kiv::nvrCameraList(devices);
    out() << "task: " << kDevices << " devices, " << cameras.size()
          << " cameras of distinct bit rates, "
          << QFileInfo(TaskDeviceFile::filePath(kTask)).size() / 1024 << " KiB; NVR model "
          << firstModel << "; median of " << kRuns << " runs, each in turn with its baseline"
          << Qt::endl
          << Qt::endl;
    const auto parse = [] { bench::bareParse(); };

    bench::print(QStringLiteral("reading devices, streams and plans"),
                 bench::coldAndWarm([] { readTask(); }, parse), kReadGoal, kReadGoal,
                 bench::parseName(), "read.cold");

    const kiv::StorageInputs inputs = storageInputs(firstModel);
    const kiv::NvrCounter count = [&models](const QString &model,
                                            const std::vector<IpcTypeCount> &list) {
        NvrCalculator calculator(models);
        return calculator.calculate(model, list);
    };
    kiv::StorageFigures figures;
    bench::print(QStringLiteral("storage calculation with the NVR allocation"),
                 bench::coldAndWarm(
                     [&] { figures = kiv::calculateStorage(readTask(), inputs, count); }, parse),
                 kCalculationGoal, kCalculationGoal, bench::parseName());
    out() << "  " << figures.devices << " NVRs, " << figures.capacityText << ", " << figures.disks
          << " disks" << Qt::endl;

    kiv::BandwidthFigures bandwidth;
    bench::print(
        QStringLiteral("bandwidth calculation"),
        bench::coldAndWarm([&] { bandwidth = kiv::calculateBandwidth(readTask()); }, parse),
        kCalculationGoal, kCalculationGoal, bench::parseName());
    out() << "  " << bandwidth.preview << ", " << bandwidth.record << ", " << bandwidth.transmission
          << ", " << bandwidth.total << Qt::endl;

    // Every model of the table: the catalogue's NVRs and the storage servers.
    NvrCalculator calc(models);
    QStringList answers;
    for (const NvrModel &m : calc.models())
        answers << QStringLiteral("%1=%2").arg(m.name).arg(calc.calculate(m.name, cameras));
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(bench::elapsedMs([&] {
            for (const NvrModel &m : calc.models())
                calc.calculate(m.name, cameras);
        }));
    }
    const double allocation = bench::median(times);
    out() << Qt::endl
          << QStringLiteral("%1 %2 ms  (goal < %3 ms: %4)")
                 .arg(QStringLiteral("NVR allocation, %1 cameras, all %2 models")
                          .arg(cameras.size())
                          .arg(calc.models().size()),
                      -56)
                 .arg(allocation, 8, 'f', 3)
                 .arg(kAllocationGoalMs, 0, 'f', 0)
                 .arg(allocation < kAllocationGoalMs ? QStringLiteral("met")
                                                     : QStringLiteral("missed"))
          << Qt::endl
          << "  " << answers.join(QStringLiteral(", ")) << Qt::endl;
    return 0;
}
