// Times the calculation engines on a task of 1024 devices against the bare
// parse of the task's device file, and the NVR allocation for every model of
// the demo catalogue. Prints medians; not a test, it always exits 0 once the
// task could be built.

#include "BenchSupport.h"

#include "BandwidthUnitCalc.h"
#include "CalNVRThread.h"
#include "CalculationEngine.h"
#include "DiskCalculator.h"
#include "NvrCalculator.h"
#include "TaskDataBase.h"
#include "TaskDeviceFile.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using bench::kDevices;
using bench::kRuns;
using bench::out;
constexpr int kRecordDays = 30;
constexpr double kRatioGoal = 1.5;
constexpr double kAllocationGoalMs = 10.0;

const QString kTask = bench::taskName();

// Median wall time of @p work in milliseconds, after one warm-up run.
double medianMs(const std::function<void()> &work)
{
    work();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(bench::elapsedMs(work));
    return bench::median(times);
}

// Hours recorded per day: scheduled hours count whole, event hours by the
// event frequency, rounded up.
int recordHours(const QString &plan, int eventFrequency)
{
    double hours = 0;
    for (const QChar c : plan) {
        if (c == QLatin1Char('1'))
            hours += 1.0;
        else if (c == QLatin1Char('2'))
            hours += eventFrequency / 100.0;
    }
    return int(std::ceil(hours));
}

bool isRecordStream(const DevStream &stream)
{
    return stream.useCode.size() == 3 && stream.useCode.at(1) == QLatin1Char('1');
}

struct TaskInput
{
    std::vector<StreamStorageItem> items;
    std::vector<IpcTypeCount> cameras;
};

// What the storage calculator reads: every device with its streams and plan.
TaskInput readTask()
{
    TaskInput input;
    TaskDeviceFile file(kTask);
    QVector<DeviceInfo> devices;
    file.devices(devices);
    for (int i = 0; i < devices.size(); ++i) {
        QVector<DevStream> streams;
        file.streams(i, streams);
        QString plan;
        QString frequency;
        file.recordPlan(i, plan);
        file.eventFren(i, frequency);
        const int hours = recordHours(plan, frequency.toInt());
        for (const DevStream &stream : streams) {
            if (isRecordStream(stream))
                input.items.push_back({stream.bitRate * stream.streamCount, kRecordDays, hours});
        }
        const DeviceInfo &device = devices.at(i);
        if (device.mainType != QLatin1String("DVR"))
            input.cameras.push_back({device.mainStream + device.subStream, device.count});
    }
    return input;
}

// Every device of the task as a camera entry, DVRs included: the list that
// the allocation goal of a 1024-device task is timed on. The storage
// calculator itself leaves the DVRs out (readTask()).
std::vector<IpcTypeCount> everyDeviceAsCamera()
{
    std::vector<IpcTypeCount> cameras;
    TaskDeviceFile file(kTask);
    QVector<DeviceInfo> devices;
    file.devices(devices);
    for (const DeviceInfo &device : devices)
        cameras.push_back({device.mainStream + device.subStream, device.count});
    return cameras;
}

int storageCalculation(const QString &nvrModel)
{
    const TaskInput input = readTask();
    CalculationEngine engine;
    double tb = 0;
    double gb = 0;
    engine.sumStorage(input.items, &tb, &gb);
    const int dataDisks = engine.hddCount(4000, 8, tb);

    kiv::CalNVRThread thread;
    thread.setParam(nvrModel, input.cameras);
    thread.start(QThread::InheritPriority);
    thread.wait();
    const int devices = std::max(thread.result(), 0);

    RaidParam raid;
    raid.dataDisks = dataDisks;
    raid.disksPerGroup = 8;
    raid.raidType = DiskCalculator::Raid5;
    raid.parity = 1;
    raid.hotSpare = 1;
    return DiskCalculator().totalDiskCount(&raid, devices);
}

QStringList bandwidthCalculation()
{
    TaskDeviceFile file(kTask);
    int count = 0;
    file.deviceCount(count);
    QVector<DevStream> streams;
    for (int i = 0; i < count; ++i)
        file.streams(i, streams);

    double total = 0;
    QVector<BandwidthUnitCalc::RateCount> lists[3];
    for (const DevStream &stream : streams) {
        if (stream.useCode.size() != 3)
            continue;
        total += double(stream.bitRate) * stream.streamCount;
        for (int flag = 0; flag < 3; ++flag) {
            if (stream.useCode.at(flag).digitValue() != 0)
                lists[flag].append({stream.bitRate, stream.streamCount});
        }
    }
    BandwidthUnitCalc calc;
    QStringList cells;
    QString unit;
    for (const auto &list : lists) {
        const double value = calc.totalBandwidthText(list, &unit);
        cells << QString::number(value, 'f', 2) + unit;
    }
    const double value = calc.scaleBandwidthText(total, &unit);
    cells << QString::number(value, 'f', 2) + unit;
    return cells;
}

void printFigure(const char *name, double ms, double baseline)
{
    out() << QStringLiteral("%1 %2 ms  %3 x parse")
                 .arg(QLatin1String(name), -44)
                 .arg(ms, 8, 'f', 3)
                 .arg(ms / baseline, 5, 'f', 2)
          << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QCoreApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask()) {
        out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    const QString devicePath = TaskDeviceFile::filePath(kTask);
    const TaskInput input = readTask();
    out() << "task: " << kDevices << " devices, " << input.items.size() << " record streams, "
          << QFileInfo(devicePath).size() / 1024 << " KiB; median of " << kRuns << " runs"
          << Qt::endl
          << Qt::endl;

    const double parse = medianMs([&] {
        QFile file(devicePath);
        file.open(QIODevice::ReadOnly);
        QDomDocument document;
        document.setContent(file.readAll());
    });
    printFigure("parse of the device file (baseline)", parse, parse);

    const double read = medianMs([] { readTask(); });
    printFigure("reading devices, streams and plans", read, parse);
    // A TaskDeviceFile that was only read is not written back.
    const double openClose = medianMs([] { TaskDeviceFile file(kTask); });
    printFigure("  of which opening the file", openClose, parse);

    const double table = medianMs([] { NvrCalculator loaded; });
    printFigure("loading the NVR model table", table, parse);

    NvrCalculator models;
    const QString firstModel = models.models().empty() ? QString() : models.models().front().name;
    // The same reading done in one walk over the document: what the reading
    // costs without looking each device and stream up by position.
    const double walk = medianMs([&] {
        QFile file(devicePath);
        file.open(QIODevice::ReadOnly);
        QDomDocument document;
        document.setContent(file.readAll());
        int streams = 0;
        for (QDomElement device = document.documentElement().firstChildElement(); !device.isNull();
             device = device.nextSiblingElement()) {
            device.firstChildElement(QStringLiteral("Count")).text().toInt();
            device.firstChildElement(QStringLiteral("RecordPlan")).text();
            const QDomElement list = device.firstChildElement(QStringLiteral("DevStreamList"));
            for (QDomElement stream = list.firstChildElement(); !stream.isNull();
                 stream = stream.nextSiblingElement()) {
                stream.firstChildElement(QStringLiteral("UseCode")).text();
                stream.firstChildElement(QStringLiteral("BitRate")).text().toInt();
                ++streams;
            }
        }
    });
    printFigure("  one walk over the parsed document instead", walk, parse);

    const double storage = medianMs([&] { storageCalculation(firstModel); });
    printFigure("storage calculation with the NVR allocation", storage, parse);

    const double bandwidth = medianMs([] { bandwidthCalculation(); });
    printFigure("bandwidth calculation", bandwidth, parse);

    // The engines alone, on lists already read.
    const double arithmetic = medianMs([&] {
        CalculationEngine engine;
        double tb = 0;
        double gb = 0;
        engine.sumStorage(input.items, &tb, &gb);
        engine.hddCount(4000, 8, tb);
        NvrCalculator calc(models);
        calc.calculate(firstModel, input.cameras);
    });
    printFigure("storage arithmetic alone (no file, no table)", arithmetic, parse);

    // Every model of the table: the catalogue's NVRs and the two storage servers.
    const std::vector<IpcTypeCount> cameras = everyDeviceAsCamera();
    NvrCalculator calc(models);
    QStringList answers;
    for (const NvrModel &m : calc.models())
        answers << QStringLiteral("%1=%2").arg(m.name).arg(calc.calculate(m.name, cameras));
    const double allocation = medianMs([&] {
        for (const NvrModel &m : calc.models())
            calc.calculate(m.name, cameras);
    });
    out() << Qt::endl
          << "NVR allocation of " << cameras.size() << " camera entries for all "
          << calc.models().size() << " models: " << QString::number(allocation, 'f', 3)
          << " ms (goal " << kAllocationGoalMs
          << " ms: " << (allocation < kAllocationGoalMs ? "met" : "missed") << ")" << Qt::endl
          << "  " << answers.join(QStringLiteral(", ")) << Qt::endl;

    const double worst = std::max({read, storage, bandwidth}) / parse;
    out() << "largest calculation ratio " << QString::number(worst, 'f', 2) << " (goal "
          << kRatioGoal << ": " << (worst <= kRatioGoal ? "met" : "missed") << ")" << Qt::endl;
    return 0;
}
