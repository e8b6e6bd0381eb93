#include "TaskEntries.h"

#include "CoreLogging.h"
#include "TaskDeviceFile.h"

#include <QFile>

namespace kiv {

namespace {

bool result(const TaskListFile &file, bool done, QString *reason)
{
    if (!done && reason)
        *reason = file.lastError();
    return done;
}

} // namespace

bool TaskEntries::add(const TaskInfo &info, QString *reason)
{
    TaskListFile file;
    bool added = file.isOpen() && !file.exists(info.name) && file.addTask(info);
    if (added && !file.close()) {
        qCDebug(lcCore) << "cannot store the new task:" << file.lastError();
        added = false;
    }
    return result(file, added, reason);
}

bool TaskEntries::setNameRemark(const TaskInfo &info, int position, QString *reason)
{
    TaskListFile file;
    return result(file, file.setNameRemark(info, position) && file.close(), reason);
}

bool TaskEntries::removeAt(int position, QString *reason)
{
    TaskListFile file;
    return result(file, file.removeTaskAt(position) && file.close(), reason);
}

bool TaskEntries::renameDeviceFile(const QString &oldName, const QString &newName)
{
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(newName);
    if (to.isEmpty() || QFile::exists(to))
        return false;
    if (!from.isEmpty() && !QFile::exists(from))
        return true;
    return TaskDeviceFile::renameFile(oldName, newName);
}

} // namespace kiv
