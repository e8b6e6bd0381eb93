#pragma once

#include "TaskDevices.h"

#include <QString>
#include <QVector>

namespace kiv {

/// The four cells of the bandwidth calculator, each a figure with two
/// decimals and its unit ("2.90Mbps", "1.40Gbps").
struct BandwidthFigures
{
    /// False when a stream's rate or count cannot be counted (a negative
    /// figure of a hand-edited file); the texts are then empty.
    bool ok = false;
    QString preview;
    QString record;
    QString transmission;
    QString total;
};

/// The bandwidth the task's streams need. A stream counts only with a use
/// code of exactly three characters: in Preview, Record and Transmission by
/// its flags (a digit other than 0), in Total whatever its flags. Each stream
/// adds its bit rate times its stream count; the stream count is that of the
/// stream entry and is not multiplied by its device's count. A sum is divided
/// by 0.7 for headroom and shown in Mbps, or in Gbps above 1048576 Kbps,
/// lifted to the next tenth.
BandwidthFigures calculateBandwidth(const QVector<TaskDeviceEntry> &devices);

/// A figure as a cell shows it: two decimals followed by the unit.
QString bandwidthText(double value, const QString &unit);

} // namespace kiv
