#include "DeviceStreams.h"

#include <algorithm>

namespace kiv {

DeviceStreams::DeviceStreams(const QString &taskName, int deviceIndex)
    : m_taskName(taskName), m_deviceIndex(deviceIndex)
{
}

bool DeviceStreams::read(QVector<DevStream> &streams) const
{
    TaskDeviceFile file(m_taskName);
    int devices = 0;
    return file.deviceCount(devices) && m_deviceIndex >= 0 && m_deviceIndex < devices &&
           file.streams(m_deviceIndex, streams);
}

bool DeviceStreams::store(const QList<int> &streams,
                          const std::function<bool(TaskDeviceFile &)> &write, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool stored = false;
    if (file.isOpen()) {
        // Every stream is looked up before the first write: a write that
        // failed halfway would still be saved when the file closes.
        DevStream probe;
        stored = std::all_of(streams.cbegin(), streams.cend(),
                             [&](int s) { return file.stream(m_deviceIndex, s, probe); });
        stored = stored && write(file) && file.close();
    }
    if (!stored && reason)
        *reason = file.lastError();
    return stored;
}

bool DeviceStreams::add(const DevStream &stream, QString *reason) const
{
    return store(
        {}, [&](TaskDeviceFile &file) { return file.addStream(stream, m_deviceIndex); }, reason);
}

bool DeviceStreams::remove(int s, QString *reason) const
{
    return store(
        {s}, [&](TaskDeviceFile &file) { return file.removeStream(m_deviceIndex, s); }, reason);
}

bool DeviceStreams::setUseCodes(const QList<int> &streams, const QStringList &useCodes,
                                QString *reason) const
{
    return store(
        streams,
        [&](TaskDeviceFile &file) {
            for (int i = 0; i < streams.size(); ++i) {
                if (!file.setUseCode(m_deviceIndex, streams.at(i), useCodes.value(i)))
                    return false;
            }
            return true;
        },
        reason);
}

bool DeviceStreams::setStreamCount(int s, int count, QString *reason) const
{
    return store(
        {s}, [&](TaskDeviceFile &file) { return file.setStreamCount(m_deviceIndex, s, count); },
        reason);
}

bool DeviceStreams::setBitRate(int s, int bitRate, QString *reason) const
{
    return store(
        {s}, [&](TaskDeviceFile &file) { return file.setBitRate(m_deviceIndex, s, bitRate); },
        reason);
}

bool DeviceStreams::setFrameRate(int s, const QString &frameRate, int bitRate,
                                 QString *reason) const
{
    return store(
        {s},
        [&](TaskDeviceFile &file) {
            return file.setBitRate(m_deviceIndex, s, bitRate) &&
                   file.setFrameRate(m_deviceIndex, s, frameRate);
        },
        reason);
}

bool DeviceStreams::setResolution(int s, const QString &resolution, const QString &frameRate,
                                  int bitRate, QString *reason) const
{
    return store(
        {s},
        [&](TaskDeviceFile &file) {
            return (frameRate.isNull() || file.setFrameRate(m_deviceIndex, s, frameRate)) &&
                   file.setBitRate(m_deviceIndex, s, bitRate) &&
                   file.setResolution(m_deviceIndex, s, resolution);
        },
        reason);
}

} // namespace kiv
