#pragma once

#include "TaskDeviceFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace kiv {

/// The streams of one device entry of a task as the stream editor changes
/// them. Each change opens the task's device file, looks up every stream it
/// touches before the first write (a stream that is gone fails the change
/// before anything changes), writes and saves. A failed change leaves the
/// file as it was and gives the file's own reason (empty when it gave none,
/// as for a stream that is gone).
class DeviceStreams
{
public:
    DeviceStreams(const QString &taskName, int deviceIndex);

    /// Replaces @p streams with the entry's streams. False when the file
    /// cannot be read or has no such entry.
    bool read(QVector<DevStream> &streams) const;
    /// Appends @p stream to the entry.
    bool add(const DevStream &stream, QString *reason = nullptr) const;
    /// Removes stream @p s.
    bool remove(int s, QString *reason = nullptr) const;
    /// Gives each stream of @p streams the use code at the same position of
    /// @p useCodes, in one save.
    bool setUseCodes(const QList<int> &streams, const QStringList &useCodes,
                     QString *reason = nullptr) const;
    bool setStreamCount(int s, int count, QString *reason = nullptr) const;
    bool setBitRate(int s, int bitRate, QString *reason = nullptr) const;
    /// Stores a chosen frame rate with the bit rate estimated for it.
    bool setFrameRate(int s, const QString &frameRate, int bitRate,
                      QString *reason = nullptr) const;
    /// Stores a chosen resolution with the bit rate estimated for it and,
    /// unless @p frameRate is null, the frame rate the choice resets to.
    bool setResolution(int s, const QString &resolution, const QString &frameRate, int bitRate,
                       QString *reason = nullptr) const;

private:
    bool store(const QList<int> &streams, const std::function<bool(TaskDeviceFile &)> &write,
               QString *reason) const;

    QString m_taskName;
    int m_deviceIndex = 0;
};

} // namespace kiv
