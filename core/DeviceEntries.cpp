#include "DeviceEntries.h"

#include "CoreLogging.h"
#include "Limits.h"

namespace kiv {

namespace {

/// @p done as the result of a change of @p file that has been saved (or
/// failed); @p reason gets the file's account of a failure.
bool result(const TaskDeviceFile &file, bool done, QString *reason)
{
    if (!done && reason)
        *reason = file.lastError();
    return done;
}

} // namespace

DeviceEntries::DeviceEntries(const QString &taskName) : m_taskName(taskName)
{
}

bool DeviceEntries::wouldExceedTotal(qint64 added, qint64 removed) const
{
    TaskDeviceFile file(m_taskName);
    qint64 total = 0;
    if (!file.isOpen() || !file.totalCount(total))
        return false;
    return limits::exceedsTaskTotal(total, added, removed);
}

bool DeviceEntries::append(const DeviceInfo &info, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    qint64 total = 0;
    // Whatever adds a device keeps the task at its total or under it.
    bool added = file.isOpen() && file.totalCount(total) &&
                 !limits::exceedsTaskTotal(total, info.count) && file.addDevice(info);
    if (added && !file.close()) {
        qCDebug(lcCore) << "cannot store the new device of" << m_taskName << ":"
                        << file.lastError();
        added = false;
    }
    return result(file, added, reason);
}

bool DeviceEntries::remove(int index, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool removed = file.removeDevice(index);
    if (removed && !file.close()) {
        qCDebug(lcCore) << "cannot remove device" << index << "of" << m_taskName << ":"
                        << file.lastError();
        removed = false;
    }
    return result(file, removed, reason);
}

bool DeviceEntries::setField(int index, Field field, const QString &text, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool written = false;
    switch (field) {
    case Remark:
        written = file.setRemark(text, index);
        break;
    case Count:
        written = file.setCount(text.toInt(nullptr, 10), index);
        break;
    case MainStream:
        written = file.setMainStream(text.toInt(nullptr, 10), index);
        break;
    case SubStream:
        written = file.setSubStream(text.toInt(nullptr, 10), index);
        break;
    }
    if (written && !file.close()) {
        qCDebug(lcCore) << "cannot store the edit of" << m_taskName << ":" << file.lastError();
        written = false;
    }
    return result(file, written, reason);
}

} // namespace kiv
