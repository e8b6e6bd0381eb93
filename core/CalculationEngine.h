#pragma once

#include "DeviceClass.h"

#include <QMap>
#include <QString>

#include <vector>

/// One recorded stream line given to the storage sum.
struct StreamStorageItem
{
    /// The line's whole rate in Kbps: a stream's bit rate times its count.
    int bitRate = 0;
    /// Recording time in days (weeks and months already turned into days).
    int days = 0;
    /// Hours recorded per day, from the device's record plan.
    int hoursPerDay = 0;
};

/// Bit-rate estimates, recording storage and disk counts. Keeps no state
/// between calls; callers construct one for a computation.
///
/// Units: bit rates in Kbps, disk sizes in GB of 10^9 bytes as sold, storage
/// in GB and TB. Conversions from double to int truncate toward zero.
///
/// Every operation takes an optional @p ok. It is set to true when the figure
/// was computed and to false when it cannot be: a negative input (a
/// hand-edited file), a divisor of zero, a result that is not a finite number
/// or does not fit the int the caller keeps. A failed figure is never a
/// plausible value: the double operations give 0 with @p ok false, hddCount()
/// gives -1.
class CalculationEngine
{
public:
    CalculationEngine();
    ~CalculationEngine();

    /// The estimated bit rate in Kbps of a stream of @p resolution at
    /// @p frameRate. @p deviceClass is the stream's device class
    /// (kiv::DeviceClass: kiv::Dvr, anything else counts as a camera or dome),
    /// @p videoStandard the task's (0 PAL, else NTSC).
    /// Blanks in @p resolution do not matter; a resolution the table does not
    /// know is estimated as the largest one (index 0). @p ok is false when the
    /// frame rate is not a finite number or the estimate does not fit an int.
    double bitRateForResolution(int deviceClass, int videoStandard, const QString &resolution,
                                double frameRate, bool *ok = nullptr) const;

    /// The formula behind bitRateForResolution() by resolution column
    /// @p index (0 to 12); another index gives 0 with @p ok false.
    double estimateBitRate(int deviceClass, int videoStandard, int index, double frameRate,
                           bool *ok = nullptr) const;

    /// Adds the storage of every item to *tb and *gb (not reset first). An
    /// item that cannot be computed (a negative rate, day or hour figure among
    /// them) adds nothing and sets @p ok false; the other items are still added.
    void sumStorage(const std::vector<StreamStorageItem> &items, double *tb, double *gb,
                    bool *ok = nullptr) const;

    /// Sets *tb and *gb to the storage of one line of @p bitRate Kbps recorded
    /// for @p hours hours. Both are 0 with @p ok false for a negative input.
    void storageForStream(double bitRate, int hours, double *tb, double *gb,
                          bool *ok = nullptr) const;

    /// Disks of @p diskSize GB needed for @p total TB when @p reservePercent
    /// of each disk stays free. 0 for a total of 0. -1 with @p ok false for a
    /// disk size of 0 or less, a reserve of 100 % or more, a negative or
    /// infinite total, or a count beyond int.
    static int hddCount(double diskSize, int reservePercent, double total, bool *ok = nullptr);

private:
    static void storageForHours(double bitRate, double hours, double *tb, double *gb, bool *ok);

    // Resolution text to the column of the two rate rows.
    QMap<QString, int> m_resolutionIndex;
};
