#include "Limits.h"

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

bool exceedsTaskTotal(qint64 total, qint64 added, qint64 removed)
{
    return total + added - removed > kMaxTaskDevices;
}

} // namespace kiv::limits
