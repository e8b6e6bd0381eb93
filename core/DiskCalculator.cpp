#include "DiskCalculator.h"

#include "CalculationEngine.h"

#include <QtGlobal>

#include <limits>

namespace {

constexpr qint64 kIntMax = std::numeric_limits<int>::max();

int fail(bool *ok, int value)
{
    if (ok)
        *ok = false;
    return value;
}

int succeed(bool *ok, qint64 value)
{
    if (value > kIntMax)
        return fail(ok, -1);
    if (ok)
        *ok = true;
    return int(value);
}

bool hasNegativeField(const RaidParam &p)
{
    return p.dataDisks < 0 || p.disksPerGroup < 0 || p.parity < 0 || p.hotSpare < 0;
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

} // namespace

double DiskCalculator::storageSize(int streamCount, int bitRate, int hours, bool *ok) const
{
    if (streamCount < 0 || bitRate < 0 || hours < 0) {
        fail(ok, 0);
        return 0.0;
    }
    if (ok)
        *ok = true;
    // Mbps kept as a fraction: a stream below 1024 Kbps still needs space.
    const double mbps = bitRate / 1024.0 * streamCount;
    return mbps / 8388608 * hours * 3600;
}

int DiskCalculator::hddCount(double diskSize, int reservePercent, double total, bool *ok) const
{
    return CalculationEngine::hddCount(diskSize, reservePercent, total, ok);
}

int DiskCalculator::raidGroupCount(const RaidParam *p, bool *ok) const
{
    if (!p || hasNegativeField(*p))
        return fail(ok, -1);

    qint64 perDevice = 0;
    switch (p->raidType) {
    case Raid0:
    case Jbod:
        perDevice = qint64(p->disksPerGroup) - p->hotSpare;
        break;
    case Raid3:
    case Raid5:
    case Raid50:
        perDevice = qint64(p->disksPerGroup) - p->parity - p->hotSpare;
        break;
    case Raid6:
        perDevice = qint64(p->disksPerGroup) - 2 * qint64(p->parity) - p->hotSpare;
        break;
    case Raid1:
    case Raid10:
        // Every data disk is mirrored; groups and hot spares do not count.
        if (p->disksPerGroup <= 0)
            return fail(ok, -1);
        return succeed(ok, ceilDiv(2 * qint64(p->dataDisks), p->disksPerGroup));
    default:
        return fail(ok, 0);
    }
    if (perDevice <= 0)
        return fail(ok, -1);
    return succeed(ok, ceilDiv(p->dataDisks, perDevice));
}

int DiskCalculator::totalDiskCount(const RaidParam *p, int devices, bool *ok) const
{
    if (!p || hasNegativeField(*p) || devices < 0)
        return fail(ok, -1);

    const qint64 dataDisks = p->dataDisks;
    qint64 perDevice = 0;
    switch (p->raidType) {
    case Raid0:
    case Jbod:
        perDevice = p->hotSpare;
        break;
    case Raid3:
    case Raid5:
    case Raid50:
        perDevice = qint64(p->parity) + p->hotSpare;
        break;
    case Raid6:
        perDevice = 2 * qint64(p->parity) + p->hotSpare;
        break;
    case Raid1:
    case Raid10:
        return succeed(ok, 2 * dataDisks);
    default:
        return fail(ok, 0);
    }
    return succeed(ok, dataDisks + devices * perDevice);
}
