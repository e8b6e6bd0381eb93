#pragma once

#include "TaskDeviceFile.h"

#include <QString>

namespace kiv {

/// The device entries of one task as the device list and the add-device
/// dialog change them. Each call opens the task's device file, reads or
/// changes it and saves what it changed; a failed call changes nothing on
/// disk and gives the file's own reason (empty when the file gave none, as
/// for an entry that is not there or the task total).
class DeviceEntries
{
public:
    /// The fields of an entry the device list edits in place.
    enum Field { Remark, Count, MainStream, SubStream };

    explicit DeviceEntries(const QString &taskName);

    /// True when the task's devices, with @p added coming in and @p removed
    /// leaving, would be more than the task total. False when the file cannot
    /// give the task's total: the check then lets the change through, and the
    /// file refuses it if it must.
    bool wouldExceedTotal(qint64 added, qint64 removed = 0) const;
    /// Appends @p info as the last entry. Refused when the file cannot take
    /// it or the entry would take the task past its total.
    bool append(const DeviceInfo &info, QString *reason = nullptr) const;
    /// Removes entry @p index.
    bool remove(int index, QString *reason = nullptr) const;
    /// Stores @p text in field @p field of entry @p index: the remark as it
    /// is, a count or bit rate as its decimal number.
    bool setField(int index, Field field, const QString &text, QString *reason = nullptr) const;

private:
    QString m_taskName;
};

} // namespace kiv
