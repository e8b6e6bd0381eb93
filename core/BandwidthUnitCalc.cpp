#include "BandwidthUnitCalc.h"

#include <cmath>

namespace {

// Above this many Kbps (after the headroom) the figure is shown in Gbps.
constexpr double kMbpsLimit = 1048576.0;

} // namespace

double BandwidthUnitCalc::totalBandwidthText(const QVector<RateCount> &pairs, QString *unit,
                                             bool *ok) const
{
    int index = Gbps;
    const double value = totalBandwidth(pairs, &index, ok);
    if (unit)
        *unit = unitText(index);
    return value;
}

double BandwidthUnitCalc::scaleBandwidthText(double total, QString *unit, bool *ok) const
{
    int index = Gbps;
    const double value = scaleBandwidth(total, &index, ok);
    if (unit)
        *unit = unitText(index);
    return value;
}

double BandwidthUnitCalc::totalBandwidth(const QVector<RateCount> &pairs, int *unitIndex,
                                         bool *ok) const
{
    double sum = 0.0;
    for (const RateCount &pair : pairs) {
        if (pair.first < 0 || pair.second < 0) {
            if (unitIndex)
                *unitIndex = Gbps;
            if (ok)
                *ok = false;
            return 0.0;
        }
        // Each product in 64 bits: 16384 Kbps times 99999 streams already
        // comes close to the int limit.
        sum += double(qint64(pair.first) * pair.second);
    }
    return scaleBandwidth(sum, unitIndex, ok);
}

double BandwidthUnitCalc::scaleBandwidth(double total, int *unitIndex, bool *ok) const
{
    if (!std::isfinite(total) || total < 0) {
        if (unitIndex)
            *unitIndex = Gbps;
        if (ok)
            *ok = false;
        return 0.0;
    }
    // Links are planned at 70 % load.
    const double t = std::ceil(total / 0.7);
    // Worked in double: in single precision the tenths of large figures
    // round down, below the bandwidth needed.
    double value = 0.0;
    int index = Mbps;
    if (t > kMbpsLimit) {
        index = Gbps;
        value = std::ceil(t / 1024 / 1024 * 10) / 10;
    } else {
        value = std::ceil(t / 1024 * 10) / 10;
    }
    if (!std::isfinite(value)) {
        if (unitIndex)
            *unitIndex = Gbps;
        if (ok)
            *ok = false;
        return 0.0;
    }
    if (unitIndex)
        *unitIndex = index;
    if (ok)
        *ok = true;
    return value;
}

QString BandwidthUnitCalc::unitText(int unitIndex)
{
    return unitIndex == Mbps ? QStringLiteral("Mbps") : QStringLiteral("Gbps");
}
