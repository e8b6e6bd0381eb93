#pragma once

#include <TaskDeviceFile.h>

#include <QString>
#include <QVector>

namespace kiv {

/// One device entry of a task with everything the calculators read of it.
struct TaskDeviceEntry
{
    DeviceInfo info;
    /// The entry's streams in file order. Each is one line of streams: its
    /// count is not multiplied by the entry's device count.
    QVector<DevStream> streams;
    /// The 24-character record plan; empty when the entry has none.
    QString recordPlan;
    /// The event frequency in percent as stored; empty when the entry has none.
    QString eventFrequency;
};

/// Reads every device entry of the task @p taskName, with its streams, record
/// plan and event frequency, in one pass over its device file; replaces
/// @p out. False when the file cannot be opened or an entry or stream cannot
/// be read; @p error then says why for the log (when given), and @p reason
/// (when given) is the device file's own reason, TaskDeviceFile::lastError(),
/// the one to tell the planner; it is empty when the file gave none. The file
/// is not written.
bool readTaskDevices(const QString &taskName, QVector<TaskDeviceEntry> &out,
                     QString *error = nullptr, QString *reason = nullptr);

/// Whether @p stream counts for the given use: its use code has exactly three
/// characters, and the character at @p flag (0 preview, 1 record,
/// 2 transmission) is a digit other than 0.
bool streamHasUse(const DevStream &stream, int flag);

/// True when the stream's use code has exactly three characters.
bool hasUseCode(const DevStream &stream);

/// A stream the recorder stores: a three-character use code with "1" in the
/// middle (the record flag as the stream editor writes it).
inline bool isRecordStream(const DevStream &stream)
{
    return hasUseCode(stream) && stream.useCode.at(1) == QLatin1Char('1');
}

} // namespace kiv
