#pragma once

#include <QPair>
#include <QString>
#include <QVector>

/// Turns stream bit rates into the network bandwidth the bandwidth calculator
/// shows: the sum of rate times count, divided by 0.7 for headroom, in Gbps
/// above 1048576 Kbps and in Mbps otherwise, lifted to the next tenth. Keeps
/// no state between calls.
///
/// Every operation takes an optional @p ok, false when no figure can be
/// given (a negative rate or count from a hand-edited file, a sum that is not
/// a finite number); the value is then 0 with the unit "Gbps".
class BandwidthUnitCalc
{
public:
    /// Unit indexes of the index variants.
    enum Unit { Gbps = 0, Mbps = 1 };

    /// (bit rate of one stream in Kbps, number of such streams)
    using RateCount = QPair<int, int>;

    BandwidthUnitCalc() = default;
    ~BandwidthUnitCalc() = default;

    /// The scaled bandwidth of @p pairs; writes "Gbps" or "Mbps" to @p unit.
    double totalBandwidthText(const QVector<RateCount> &pairs, QString *unit,
                              bool *ok = nullptr) const;
    /// The same scaling for a sum in Kbps the caller has already formed.
    double scaleBandwidthText(double total, QString *unit, bool *ok = nullptr) const;

    /// As totalBandwidthText(), with the unit as a Unit index.
    double totalBandwidth(const QVector<RateCount> &pairs, int *unitIndex,
                          bool *ok = nullptr) const;
    /// As scaleBandwidthText(), with the unit as a Unit index.
    double scaleBandwidth(double total, int *unitIndex, bool *ok = nullptr) const;

    /// "Gbps" or "Mbps" for a Unit index.
    static QString unitText(int unitIndex);
};
