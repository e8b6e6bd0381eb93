#pragma once

#include "BudgetedCache.h"
#include "TaskDeviceFile.h"

/// Which reader took the bytes of a device file.
enum class DeviceFileReader {
    /// Neither: there was no file to read, or its bytes were refused unread.
    None,
    /// The scan of the plain shape every file the program saves has.
    Scan,
    /// The general XML parser, for a file of any other shape.
    Parser
};

/// Reads the device entries of the existing device file at @p path with the
/// @p parts asked for, streamed from its bytes, into @p out (replaced). What
/// it reads and what it refuses are what TaskDeviceFile reads through its
/// parsed document: the same entries, texts and numbers, and Missing,
/// Unreadable or Damaged for a file that document would not take; @p out is
/// then empty. @p stamp (when given) gets the stamp of the bytes read, and
/// @p reader (when given) which reader read or refused them. Never writes.
XmlFileProblem streamDeviceRecords(const QString &path, DeviceParts parts,
                                   QVector<DeviceRecord> &out, FileStamp *stamp = nullptr,
                                   DeviceFileReader *reader = nullptr);

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
    /// stood at @p stamp, in place of what was kept for it; the entries read
    /// longest ago make room, and those of a file whose estimate alone is
    /// over the budget are not kept.
    void keep(const QString &path, DeviceParts parts, const QVector<DeviceRecord> &records,
              const FileStamp &stamp);
    void forgetAll();
    /// The estimated memory of the entries kept at the moment.
    qint64 cost() const { return m_records.cost(); }

    // The entries of a device file take about as much memory as the file (a
    // short text for most of its elements, some 1.4 times its size with every
    // part read); the estimate errs on the high side.
    static constexpr qint64 kBytesPerFileByte = 2;
    /// Room for the entries of the task being worked on and of one the
    /// planner goes back and forth with, even of the largest task the limits
    /// allow (1.76 MB).
    static constexpr qint64 kBudget = 8 * 1024 * 1024;

private:
    KeptRecords() = default;

    struct Read
    {
        DeviceParts parts;
        QVector<DeviceRecord> records;
    };
    BudgetedCache<Read> m_records{kBudget};
};
