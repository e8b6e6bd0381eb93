#include "CalculationEngine.h"

#include <TextConvert.h>

#include <cmath>
#include <limits>

namespace {

constexpr int kColumnCount = 13;

// Base rates at full frame rate in Kbps, by resolution column. The DVR row has
// no rate for 1280 x 960 (column 5): such a DVR stream is estimated at 0.
constexpr double kDvrRates[kColumnCount] = {4096, 4096, 4096, 3584, 4096, 0,   3072,
                                            1536, 1792, 1024, 512,  256,  2240};
constexpr double kCameraRates[kColumnCount] = {12288, 8192, 6144, 5688, 4864, 4096, 3072,
                                               1280,  1536, 1024, 512,  256,  1920};

struct ResolutionEntry
{
    const char *text;
    int index;
};

// Texts as the catalogue and older task files spell them. The look-up drops
// blanks from the text it is given, so the spaced spellings only document
// where each column comes from.
constexpr ResolutionEntry kResolutions[] = {
    {"2560 x 1920", 0}, {"2560x1920", 0},  {"2048 x 1536", 1}, {"2048x1536", 1},
    {"1920 x 1080", 2}, {"1920x1080", 2},  {"1600 x 1200", 3}, {"1600x1200", 3},
    {"1600 x 912", 4},  {"1600x912", 4},   {"1280 x 960", 5},  {"1280x960", 5},
    {"1280 x 720", 6},  {"1280x720", 6},   {"640 x 480", 7},   {"640x480", 7},
    {"4CIF", 8},        {"704 x 576", 8},  {"704x576", 8},     {"704 x 480", 8},
    {"704x480", 8},     {"2CIF", 9},       {"704 x 288", 9},   {"704x288", 9},
    {"CIF", 10},        {"352 x 288", 10}, {"352x288", 10},    {"QCIF", 11},
    {"176 x 144", 11},  {"176x144", 11},   {"WD1", 12},
};

// 1 / 0.997: the recorder's container overhead on top of the raw stream.
constexpr double kOverhead = 1.0030090270812437;

constexpr double kIntLimit = 2147483648.0; // 2^31, the first value an int cannot hold

double fail(bool *ok)
{
    if (ok)
        *ok = false;
    return 0.0;
}

void succeed(bool *ok)
{
    if (ok)
        *ok = true;
}

} // namespace

CalculationEngine::CalculationEngine()
{
    for (const ResolutionEntry &entry : kResolutions)
        m_resolutionIndex.insert(KavrinGUIToolkit::ConvertToUnicode(entry.text, nullptr),
                                 entry.index);
}

CalculationEngine::~CalculationEngine() = default;

double CalculationEngine::bitRateForResolution(int deviceClass, int videoStandard,
                                               const QString &resolution, double frameRate,
                                               bool *ok) const
{
    QString key = resolution;
    key.remove(QLatin1Char(' '));
    return estimateBitRate(deviceClass, videoStandard, m_resolutionIndex.value(key, 0), frameRate,
                           ok);
}

double CalculationEngine::estimateBitRate(int deviceClass, int videoStandard, int index,
                                          double frameRate, bool *ok) const
{
    if (index < 0 || index >= kColumnCount || !std::isfinite(frameRate))
        return fail(ok);

    const double base = videoStandard == 0 ? 25.0 : 30.0;
    double result = 0.0;
    if (deviceClass == kiv::Dvr) {
        // A DVR stream keeps a fifth of its rate even at 0 fps.
        const double rate = kDvrRates[index];
        result = rate / 5 + frameRate * 4 * rate / (base * 5);
    } else {
        // Below 10 fps the rate falls by a tenth per frame less, and stops
        // falling at 1 fps.
        const double rate = kCameraRates[index];
        if (frameRate >= 10)
            result = frameRate * rate / base;
        else if (frameRate >= 1)
            result = (10 * rate / base) * std::pow(0.9, 10 - frameRate);
        else
            result = (10 * rate / base) * std::pow(0.9, 9);
    }

    // The stream editor stores the estimate as an int.
    if (!std::isfinite(result) || result < 0 || result >= kIntLimit)
        return fail(ok);
    succeed(ok);
    return result;
}

void CalculationEngine::sumStorage(const std::vector<StreamStorageItem> &items, double *tb,
                                   double *gb, bool *ok) const
{
    if (!tb || !gb) {
        fail(ok);
        return;
    }
    bool allOk = true;
    for (const StreamStorageItem &item : items) {
        // Each sign on its own: two negative figures from a hand-edited file
        // would otherwise multiply into a plausible record time.
        if (item.hoursPerDay < 0 || item.days < 0) {
            allOk = false;
            continue;
        }
        double itemTb = 0.0;
        double itemGb = 0.0;
        bool itemOk = false;
        // Hours times days in double: a hand-edited day count must not wrap.
        storageForHours(item.bitRate, double(item.hoursPerDay) * double(item.days), &itemTb,
                        &itemGb, &itemOk);
        if (!itemOk) {
            allOk = false;
            continue;
        }
        *tb += itemTb;
        *gb += itemGb;
    }
    if (ok)
        *ok = allOk;
}

void CalculationEngine::storageForStream(double bitRate, int hours, double *tb, double *gb,
                                         bool *ok) const
{
    storageForHours(bitRate, hours, tb, gb, ok);
}

void CalculationEngine::storageForHours(double bitRate, double hours, double *tb, double *gb,
                                        bool *ok)
{
    if (!tb || !gb) {
        fail(ok);
        return;
    }
    *tb = 0.0;
    *gb = 0.0;
    if (!std::isfinite(bitRate) || bitRate < 0 || hours < 0) {
        fail(ok);
        return;
    }
    // The order of operations is kept: stored results were computed this way.
    const double g = hours * (bitRate * 3600) * kOverhead / 8000000 * 1.024;
    if (!std::isfinite(g)) {
        fail(ok);
        return;
    }
    *gb = g;
    *tb = g / 1000;
    succeed(ok);
}

int CalculationEngine::hddCount(double diskSize, int reservePercent, double total, bool *ok)
{
    if (!std::isfinite(diskSize) || diskSize <= 0 || reservePercent >= 100 ||
        !std::isfinite(total) || total < 0) {
        fail(ok);
        return -1;
    }
    // Disks are sold in 10^9 bytes; the total is counted in 2^30-byte units.
    const double usable = diskSize / 1.024 / 1.024 / 1.024;
    const double q = total / (1 - reservePercent / 100.0) / usable;
    if (q == 0) {
        succeed(ok);
        return 0;
    }
    // Not the ceiling: a whole q x 1024 gets one disk more too, so figures
    // match the results already stored in task lists.
    const double disks = q * 1024 + 1;
    if (!std::isfinite(disks) || disks >= kIntLimit) {
        fail(ok);
        return -1;
    }
    succeed(ok);
    return int(disks);
}
