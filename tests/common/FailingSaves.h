#pragma once

// Making the saves of the task files fail, and what the file objects then
// give as their reason: a test expects the reason the program shows without
// spelling out its text.

#include "FileSizeLimit.h"

#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QDir>
#include <QFile>
#include <QString>

/// While it lives, the folder @p path is read-only and no file can grow past
/// a few bytes, so that saving into it fails for root too, whom a read-only
/// folder does not stop.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path), m_before(QFile::permissions(path))
    {
        m_active = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadUser | QFileDevice::ExeUser) &&
                   m_limit.isActive();
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_path, m_before); }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    bool isActive() const { return m_active; }

private:
    QString m_path;
    QFileDevice::Permissions m_before;
    FileSizeLimit m_limit;
    bool m_active = false;
};

namespace failurereason {

/// What a device file object of @p task gives as its reason when it cannot
/// be opened now (a damaged or missing file); empty when it opens.
inline QString ofDeviceFileOpen(const QString &task)
{
    TaskDeviceFile file(task);
    return file.lastError();
}

/// What a device file object of @p task gives as its reason when its save
/// fails. Only while saves fail: the change it tries is then dropped.
inline QString ofDeviceFileSave(const QString &task)
{
    TaskDeviceFile file(task);
    file.addDevice(DeviceInfo());
    return file.close() ? QString() : file.lastError();
}

/// What the task list file object gives as its reason when it cannot be
/// opened now; empty when it opens.
inline QString ofTaskListOpen()
{
    TaskListFile file;
    return file.lastError();
}

/// What the task list file object gives as its reason when its save fails.
/// Only while saves fail: the change it tries is then dropped.
inline QString ofTaskListSave()
{
    TaskListFile file;
    TaskInfo probe;
    probe.name = QStringLiteral("reason probe");
    file.addTask(probe);
    return file.close() ? QString() : file.lastError();
}

} // namespace failurereason
