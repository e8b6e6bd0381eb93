#include "StorageCalculation.h"

#include "RecordHours.h"

#include <QHash>

#include <limits>

namespace kiv {

namespace {

constexpr qint64 kIntMax = std::numeric_limits<int>::max();
// Part of each disk kept free: recorders fill disks to 92 %, CVRs to 95 %.
constexpr int kNvrReservePercent = 8;
constexpr int kCvrReservePercent = 5;

StorageFailure failureOfNvrCount(int count)
{
    switch (count) {
    case NvrCalculator::TooManyCameras:
        return StorageFailure::TooManyCameras;
    case NvrCalculator::UnsupportedBitRate:
        return StorageFailure::UnsupportedBitRate;
    case NvrCalculator::UnknownModel:
        return StorageFailure::UnknownModel;
    default:
        return StorageFailure::Uncomputable;
    }
}

int hoursOf(const TaskDeviceEntry &device)
{
    return recordHoursOfPlan(device.recordPlan, eventFrequencyOf(device.eventFrequency));
}

// The NVR and storage-server path.
StorageFigures recorderStorage(const QVector<TaskDeviceEntry> &devices, const StorageInputs &inputs,
                               int days, const NvrCounter &countNvrs)
{
    StorageFigures figures;
    bool ok = false;
    const std::vector<StreamStorageItem> items = nvrStorageItems(devices, days, &ok);
    double tb = 0.0;
    double gb = 0.0;
    bool summed = false;
    CalculationEngine().sumStorage(items, &tb, &gb, &summed);
    if (!ok || !summed) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    figures.totalTb = tb;
    figures.capacityText = nvrCapacityText(tb, gb);

    const int count = countNvrs ? countNvrs(inputs.model, nvrCameraList(devices))
                                : int(NvrCalculator::UnknownModel);
    if (count < 0) {
        figures.failure = failureOfNvrCount(count);
        return figures;
    }
    figures.devices = count;

    const int dataDisks =
        CalculationEngine::hddCount(inputs.diskSizeGb, kNvrReservePercent, tb, &ok);
    if (!ok) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    const RaidParam raid = raidParamOf(inputs, dataDisks);
    const int disks = DiskCalculator().totalDiskCount(&raid, count, &ok);
    if (!ok) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    figures.disks = disks;
    return figures;
}

// The CVR path.
StorageFigures cvrStorage(const QVector<TaskDeviceEntry> &devices, const StorageInputs &inputs,
                          int days)
{
    StorageFigures figures;
    const DiskCalculator disks;
    double total = 0.0;
    for (const TaskDeviceEntry &device : devices) {
        const qint64 hours = qint64(hoursOf(device)) * days;
        if (hours > kIntMax) {
            figures.failure = StorageFailure::Uncomputable;
            return figures;
        }
        for (const DevStream &stream : device.streams) {
            if (!isRecordStream(stream))
                continue;
            bool ok = false;
            total += disks.storageSize(stream.streamCount, stream.bitRate, int(hours), &ok);
            if (!ok) {
                figures.failure = StorageFailure::Uncomputable;
                return figures;
            }
        }
    }
    figures.totalTb = total;
    figures.capacityText = cvrCapacityText(total);

    // Without the bay count every RAID layout divides by nothing.
    if (inputs.bays <= 0) {
        figures.failure = StorageFailure::NoBays;
        return figures;
    }
    bool ok = false;
    const int dataDisks = disks.hddCount(inputs.diskSizeGb, kCvrReservePercent, total, &ok);
    if (!ok) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    figures.dataDisks = dataDisks;
    const RaidParam raid = raidParamOf(inputs, dataDisks);
    const int devicesNeeded = disks.raidGroupCount(&raid, &ok);
    if (devicesNeeded < 0) {
        figures.failure = StorageFailure::RaidLayout;
        return figures;
    }
    if (!ok) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    const int diskCount = disks.totalDiskCount(&raid, devicesNeeded, &ok);
    if (!ok) {
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    figures.devices = devicesNeeded;
    figures.disks = diskCount;
    return figures;
}

} // namespace

int raidCodeOf(const QString &raidType)
{
    static const QHash<QString, int> codes = {
        {QStringLiteral("RAID0"), DiskCalculator::Raid0},
        {QStringLiteral("Raid0"), DiskCalculator::Raid0},
        {QStringLiteral("RAID1"), DiskCalculator::Raid1},
        {QStringLiteral("Raid1"), DiskCalculator::Raid1},
        {QStringLiteral("RAID3"), DiskCalculator::Raid3},
        {QStringLiteral("Raid3"), DiskCalculator::Raid3},
        {QStringLiteral("RAID5"), DiskCalculator::Raid5},
        {QStringLiteral("Raid5"), DiskCalculator::Raid5},
        {QStringLiteral("RAID6"), DiskCalculator::Raid6},
        {QStringLiteral("Raid6"), DiskCalculator::Raid6},
        {QStringLiteral("RAID10"), DiskCalculator::Raid10},
        {QStringLiteral("Raid10"), DiskCalculator::Raid10},
        {QStringLiteral("RAID50"), DiskCalculator::Raid50},
        {QStringLiteral("Raid50"), DiskCalculator::Raid50},
        {QStringLiteral("JBOD"), DiskCalculator::Jbod},
        {QStringLiteral("Jbod"), DiskCalculator::Jbod},
    };
    return codes.value(raidType, DiskCalculator::Raid0);
}

RaidParam raidParamOf(const StorageInputs &inputs, int dataDisks)
{
    RaidParam p;
    p.dataDisks = dataDisks;
    p.disksPerGroup = inputs.bays;
    p.raid1Count = inputs.raid1Count;
    p.raid5Count = inputs.raid5Count;
    if (inputs.hddType == RaidHdd && inputs.storageClass != StorageServer) {
        p.raidType = raidCodeOf(inputs.raidType);
        p.parity = inputs.raidGroups;
        p.hotSpare = inputs.hotSpares;
    } else {
        p.raidType = DiskCalculator::Raid0;
    }
    return p;
}

std::vector<StreamStorageItem> nvrStorageItems(const QVector<TaskDeviceEntry> &devices, int days,
                                               bool *ok)
{
    bool allOk = true;
    std::vector<StreamStorageItem> items;
    for (const TaskDeviceEntry &device : devices) {
        const int hours = hoursOf(device);
        for (const DevStream &stream : device.streams) {
            if (!isRecordStream(stream))
                continue;
            const qint64 rate = qint64(stream.bitRate) * stream.streamCount;
            if (rate > kIntMax || rate < -kIntMax) {
                allOk = false;
                continue;
            }
            items.push_back(StreamStorageItem{int(rate), days, hours});
        }
    }
    if (ok)
        *ok = allOk;
    return items;
}

std::vector<IpcTypeCount> nvrCameraList(const QVector<TaskDeviceEntry> &devices)
{
    std::vector<IpcTypeCount> cameras;
    cameras.reserve(size_t(devices.size()));
    for (const TaskDeviceEntry &device : devices) {
        if (deviceClassOf(device.info.mainType) == Dvr)
            continue;
        const qint64 rate = qint64(device.info.mainStream) + device.info.subStream;
        // A sum beyond int is beyond every model's bandwidth too.
        cameras.push_back(
            IpcTypeCount{int(qBound<qint64>(-kIntMax, rate, kIntMax)), device.info.count});
    }
    return cameras;
}

QString nvrCapacityText(double tb, double gb)
{
    if (tb >= 10.0)
        return QString::number(tb, 'f', 2) + QLatin1Char('T');
    return QString::number(gb, 'f', 2) + QLatin1Char('G');
}

QString cvrCapacityText(double tb)
{
    if (tb < 1.0)
        return QString::number(tb * 1000, 'g', 6) + QLatin1Char('G');
    return QString::number(tb, 'g', 6) + QLatin1Char('T');
}

StorageFigures calculateStorage(const QVector<TaskDeviceEntry> &devices,
                                const StorageInputs &inputs, const NvrCounter &countNvrs)
{
    const qint64 days = recordDays(inputs.recordTime, inputs.timeUnit);
    if (days < 0 || days > kIntMax) {
        StorageFigures figures;
        figures.failure = StorageFailure::Uncomputable;
        return figures;
    }
    switch (inputs.storageClass) {
    case NvrStorage:
    case StorageServer:
        return recorderStorage(devices, inputs, int(days), countNvrs);
    case CvrStorage:
        return cvrStorage(devices, inputs, int(days));
    default: {
        StorageFigures figures;
        figures.failure = StorageFailure::UnknownModel;
        return figures;
    }
    }
}

} // namespace kiv
