#include "Limits.h"

#include <QTextBoundaryFinder>
#include <QVector>

namespace kiv::limits {

bool isDeviceCount(qint64 count)
{
    return count >= kMinDeviceCount && count <= kMaxDeviceCount;
}

bool isSceneDeviceCount(qint64 count)
{
    return count >= kMinSceneDeviceCount && count <= kMaxSceneDeviceCount;
}

bool isBitRate(qint64 kbps)
{
    return kbps == 0 || (kbps >= kMinBitRate && kbps <= kMaxBitRate);
}

bool isStreamCount(qint64 count)
{
    return count >= kMinStreamCount && count <= kMaxStreamCount;
}

bool isAccessoryCount(qint64 count)
{
    return count >= kMinAccessoryCount && count <= kMaxAccessoryCount;
}

DescriptionCut cutDescription(const QString &text, int cursor)
{
    // Every place a character starts, and the end: a cut made only at these
    // never leaves half a surrogate pair or a mark without its letter.
    QVector<int> starts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        starts.append(int(at));
    starts.prepend(0);
    const int characters = int(starts.size()) - 1;
    const int surplus = characters - kMaxDescriptionLength;
    if (surplus <= 0)
        return {text, cursor};

    int before = 0; // the characters wholly before the cursor
    while (before < characters && starts.at(before + 1) <= cursor)
        ++before;
    if (before >= surplus) {
        const int from = starts.at(before - surplus);
        return {text.left(from) + text.mid(starts.at(before)), from};
    }
    const int end = starts.at(kMaxDescriptionLength);
    return {text.left(end), end};
}

bool exceedsTaskTotal(qint64 total, qint64 added, qint64 removed)
{
    return total + added - removed > kMaxTaskDevices;
}

} // namespace kiv::limits
