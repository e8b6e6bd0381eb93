#include "BandwidthCalculation.h"

#include <BandwidthUnitCalc.h>

namespace kiv {

QString bandwidthText(double value, const QString &unit)
{
    return QString::number(value, 'f', 2) + unit;
}

BandwidthFigures calculateBandwidth(const QVector<TaskDeviceEntry> &devices)
{
    QVector<BandwidthUnitCalc::RateCount> uses[3];
    double total = 0.0;
    for (const TaskDeviceEntry &device : devices) {
        for (const DevStream &stream : device.streams) {
            if (!hasUseCode(stream))
                continue;
            if (stream.bitRate < 0 || stream.streamCount < 0)
                return BandwidthFigures();
            // In 64 bits: 16384 Kbps times 99999 streams passes the int limit
            // once a few such lines are summed.
            total += double(qint64(stream.bitRate) * stream.streamCount);
            for (int flag = 0; flag < 3; ++flag) {
                if (streamHasUse(stream, flag))
                    uses[flag].append({stream.bitRate, stream.streamCount});
            }
        }
    }

    const BandwidthUnitCalc calc;
    BandwidthFigures figures;
    QString *cells[3] = {&figures.preview, &figures.record, &figures.transmission};
    for (int flag = 0; flag < 3; ++flag) {
        QString unit;
        bool ok = false;
        const double value = calc.totalBandwidthText(uses[flag], &unit, &ok);
        if (!ok)
            return BandwidthFigures();
        *cells[flag] = bandwidthText(value, unit);
    }
    QString unit;
    bool ok = false;
    const double value = calc.scaleBandwidthText(total, &unit, &ok);
    if (!ok)
        return BandwidthFigures();
    figures.total = bandwidthText(value, unit);
    figures.ok = true;
    return figures;
}

} // namespace kiv
