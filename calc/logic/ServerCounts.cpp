#include "ServerCounts.h"

#include <limits>

namespace kiv {

namespace {

constexpr qint64 kDevicesPerClient = 256;
constexpr qint64 kStreamsPerClient = 1024;
// Kbps one stream-media server is planned to relay.
constexpr double kServerKbps = 131072.0;

int fail(bool *ok)
{
    if (ok)
        *ok = false;
    return -1;
}

int succeed(bool *ok, qint64 value)
{
    if (value > std::numeric_limits<int>::max())
        return fail(ok);
    if (ok)
        *ok = true;
    return int(value);
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

} // namespace

int clientCount(const QVector<TaskDeviceEntry> &devices, bool *ok)
{
    qint64 deviceTotal = 0;
    qint64 streamTotal = 0;
    for (const TaskDeviceEntry &device : devices) {
        if (device.info.count < 0)
            return fail(ok);
        deviceTotal += device.info.count;
        for (const DevStream &stream : device.streams) {
            if (stream.streamCount < 0)
                return fail(ok);
            streamTotal += stream.streamCount;
        }
    }
    return succeed(
        ok, qMax(ceilDiv(deviceTotal, kDevicesPerClient), ceilDiv(streamTotal, kStreamsPerClient)));
}

int streamServerCount(const QVector<TaskDeviceEntry> &devices, bool *ok)
{
    double total = 0.0;
    for (const TaskDeviceEntry &device : devices) {
        for (const DevStream &stream : device.streams) {
            if (stream.streamCount < 0 || stream.bitRate < 0)
                return fail(ok);
            total += double(qint64(stream.streamCount) * stream.bitRate);
        }
    }
    const double servers = total / kServerKbps;
    if (servers == 0)
        return succeed(ok, 0);
    if (servers >= double(std::numeric_limits<int>::max()))
        return fail(ok);
    return succeed(ok, qint64(servers) + 1);
}

} // namespace kiv
