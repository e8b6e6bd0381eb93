#pragma once

#include "FileStamp.h"
#include "TaskDeviceFile.h"

#include <QHash>
#include <QMutex>

/// Reads the device entries of the existing device file at @p path with the
/// @p parts asked for, streamed from its bytes, into @p out (replaced). What
/// it reads and what it refuses are what TaskDeviceFile reads through its
/// parsed document: the same entries, texts and numbers, and Missing,
/// Unreadable or Damaged for a file that document would not take; @p out is
/// then empty. @p stamp (when given) gets the stamp of the bytes read.
/// Never writes.
XmlFileProblem streamDeviceRecords(const QString &path, DeviceParts parts,
                                   QVector<DeviceRecord> &out, FileStamp *stamp = nullptr);

/// Device entries streamed from files, kept for the next step that reads the
/// same file while it is unchanged, within a fixed budget of estimated memory
/// (a small fraction of what a parsed document of the file would cost).
class KeptRecords
{
public:
    static KeptRecords &instance();

    /// The entries kept for @p path with at least @p parts, into @p out,
    /// when the file is still the one they were read from.
    bool find(const QString &path, DeviceParts parts, QVector<DeviceRecord> &out);
    /// Keeps @p records, read with @p parts from the file at @p path as it
    /// stood at @p stamp, in place of what was kept for it.
    void keep(const QString &path, DeviceParts parts, const QVector<DeviceRecord> &records,
              const FileStamp &stamp);
    void forgetAll();

private:
    KeptRecords() = default;

    struct Entry
    {
        DeviceParts parts;
        QVector<DeviceRecord> records;
        FileStamp stamp;
        qint64 cost = 0;
        quint64 lastUse = 0;
    };
    using Entries = QHash<QString, Entry>;
    void remove(Entries::iterator it);

    // The entries of a device file take about as much memory as the file (a
    // short text for most of its elements, some 1.4 times its size with every
    // part read); the estimate errs on the high side.
    static constexpr qint64 kBytesPerFileByte = 2;
    // Room for the entries of the task being worked on and of one or two the
    // planner goes back and forth between; a task of the most devices the
    // program allows is some 2 MB.
    static constexpr qint64 kBudget = 8 * 1024 * 1024;
    QMutex m_mutex;
    Entries m_entries;
    qint64 m_cost = 0;
    quint64 m_uses = 0;
};
