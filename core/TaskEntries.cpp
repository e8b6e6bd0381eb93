#include "TaskEntries.h"

#include "CoreLogging.h"
#include "TaskDeviceFile.h"
#include "TaskFolder.h"
#include "TaskName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kiv {

namespace {

bool result(const TaskListFile &file, bool done, QString *reason)
{
    if (!done && reason)
        *reason = file.lastError();
    return done;
}

bool refused(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}

// Why a task cannot take the name whose device file is @p path: the file is
// there, and no task owns it.
QString strayFileText(const QString &path)
{
    return QCoreApplication::translate("TaskEntries",
                                       "The file %1 holds the devices of no task. Move it out of "
                                       "the Task folder, or give the task another name.")
        .arg(QDir::toNativeSeparators(path));
}

// Why an action on the row @p position of a list shown earlier is refused
// when the stored list @p tasks holds another task there than @p name, the
// task the planner chose; empty when it holds that task.
QString staleRowText(const QVector<TaskInfo> &tasks, int position, const QString &name)
{
    if (position >= 0 && position < tasks.size() && tasks.at(position).name == name)
        return QString();
    return QCoreApplication::translate("TaskEntries",
                                       "The task list was changed outside this window: the task "
                                       "%1 is no longer where the window shows it. Nothing was "
                                       "changed. Start the program again to see the task list as "
                                       "it is stored.")
        .arg(name);
}

// Reads the stored list into @p tasks; true when @p position is one of its
// rows and, given the task @p chosen there by the planner, still holds it.
// False otherwise, @p reason saying why.
bool readRow(TaskListFile &file, QVector<TaskInfo> &tasks, int position, const QString *chosen,
             QString *reason)
{
    if (!file.tasks(tasks))
        return result(file, false, reason);
    if (chosen) {
        const QString stale = staleRowText(tasks, position, *chosen);
        if (!stale.isEmpty())
            return refused(reason, stale);
    }
    if (position < 0 || position >= tasks.size())
        return result(file, false, reason);
    return true;
}

// True when the stored task list names a task @p name; false also when the
// list cannot be read, so that a move on a damaged list is done whole.
bool listNames(const QString &name)
{
    TaskListFile file;
    return file.exists(name);
}

// True for a rename that changes letter case alone. On a disk that ignores
// letter case both spellings name one file, so such a rename never makes a
// second name to drop later: the file is renamed in place.
bool changesCaseOnly(const QString &oldName, const QString &newName)
{
    return oldName != newName && oldName.compare(newName, Qt::CaseInsensitive) == 0;
}

// The old name of a renamed task's devices, once the list holds the new one.
void dropOldName(const QString &oldName, const QString &newName)
{
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(newName);
    if (changesCaseOnly(oldName, newName) &&
        (TaskFolder::oneFileByCase(from, to) || !QFileInfo::exists(to))) {
        if (QFileInfo::exists(from) && !TaskFolder::renameCase(from, to))
            qCDebug(lcCore) << "cannot give" << from << "the new spelling of its task's name";
        return;
    }
    // Devices that differ from the task's are no second name: they stay,
    // and the next start names them to the planner.
    if (TaskFolder::sameBytes(from, to) && !QFile::remove(from))
        qCDebug(lcCore) << "cannot drop the old name" << from << "of a renamed task's devices";
}

} // namespace

bool TaskEntries::add(const TaskInfo &info, QString *reason)
{
    if (const QString problem = taskNameProblem(info.name); !problem.isEmpty())
        return refused(reason, problem);
    TaskListFile file;
    if (!file.isOpen() || file.exists(info.name))
        return result(file, false, reason);
    const QString devices = TaskDeviceFile::filePath(info.name);
    if (QFileInfo::exists(devices))
        return refused(reason, strayFileText(devices));
    // What a deletion of an earlier task of this name could not remove:
    // the next start would otherwise give its devices to the new task.
    const QString deleted = TaskFolder::deletedFilePath(info.name);
    if (QFileInfo::exists(deleted) && !QFile::remove(deleted))
        return refused(reason, strayFileText(deleted));
    bool added = file.addTask(info);
    if (added && !file.close()) {
        qCDebug(lcCore) << "cannot store the new task:" << file.lastError();
        added = false;
    }
    return result(file, added, reason);
}

bool TaskEntries::setNameRemark(const TaskInfo &info, int position, QString *reason)
{
    return setNameRemarkOf(info, position, nullptr, reason);
}

bool TaskEntries::setNameRemark(const TaskInfo &info, int position, const QString &oldName,
                                QString *reason)
{
    return setNameRemarkOf(info, position, &oldName, reason);
}

bool TaskEntries::setNameRemarkOf(const TaskInfo &info, int position, const QString *chosen,
                                  QString *reason)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!readRow(file, tasks, position, chosen, reason))
        return false;
    if (const QString problem = taskNameProblem(info.name); !problem.isEmpty())
        return refused(reason, problem);
    const QString oldName = tasks.at(position).name;
    const bool renamed = info.name != oldName;
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(info.name);
    bool namedHere = false;
    if (renamed) {
        if (file.exists(info.name))
            return result(file, false, reason);
        if (QFileInfo::exists(to)) {
            if (!TaskFolder::sameBytes(from, to))
                return refused(reason, strayFileText(to));
        } else if (!changesCaseOnly(oldName, info.name) && !from.isEmpty() &&
                   QFileInfo::exists(from)) {
            if (!TaskFolder::addName(from, to))
                return result(file, false, reason);
            namedHere = true;
        }
    }
    if (!file.setNameRemark(info, position) || !file.close()) {
        if (namedHere && !QFile::remove(to))
            qCDebug(lcCore) << "cannot drop the new name" << to << "of a task left unrenamed";
        return result(file, false, reason);
    }
    if (renamed)
        dropOldName(oldName, info.name);
    return true;
}

bool TaskEntries::removeAt(int position, QString *reason)
{
    return removeAtOf(position, nullptr, reason);
}

bool TaskEntries::removeAt(int position, const QString &name, QString *reason)
{
    return removeAtOf(position, &name, reason);
}

QString TaskEntries::rowProblem(int position, const QString &name)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!file.tasks(tasks))
        return file.lastError();
    return staleRowText(tasks, position, name);
}

bool TaskEntries::removeAtOf(int position, const QString *chosen, QString *reason)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!readRow(file, tasks, position, chosen, reason))
        return false;
    const QString name = tasks.at(position).name;
    const QString devices = TaskDeviceFile::filePath(name);
    const QString aside = TaskFolder::deletedFilePath(name);
    bool moved = false;
    if (!devices.isEmpty() && QFileInfo::exists(devices)) {
        // Only a file can be set aside, and only where nothing waits
        // already: anything else keeps the task.
        if (!QFileInfo(devices).isFile() || QFileInfo::exists(aside) ||
            !QFile::rename(devices, aside))
            return result(file, false, reason);
        moved = true;
    }
    if (!file.removeTaskAt(position) || !file.close()) {
        if (moved && !QFile::rename(aside, devices))
            qCDebug(lcCore) << "cannot put back" << devices << "of a task that stays";
        return result(file, false, reason);
    }
    // When this fails, the next start removes it: the list no longer has
    // the task.
    if (moved && !QFile::remove(aside))
        qCDebug(lcCore) << "cannot remove" << aside << "of a deleted task";
    return true;
}

bool TaskEntries::renameDeviceFile(const QString &oldName, const QString &newName)
{
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(newName);
    if (to.isEmpty() || !taskNameProblem(newName).isEmpty())
        return false;
    const bool hasDevices = !from.isEmpty() && QFileInfo::exists(from);
    if (changesCaseOnly(oldName, newName)) {
        // Nothing to move, or the file already has the spelling the list
        // gives it (a move back, when the list could not take the new one).
        if (!hasDevices)
            return !QFileInfo::exists(to) || listNames(newName);
        if (QFileInfo::exists(to) && !TaskFolder::oneFileByCase(from, to))
            return false;
        // While the list names the task as before, the file keeps that
        // spelling; setNameRemark() renames it once the list holds the new.
        return listNames(oldName) || TaskFolder::renameCase(from, to);
    }
    const bool named = !QFileInfo::exists(to);
    if (!named) {
        // Only the second name this move gave the devices is taken back; a
        // file of the same bytes made by anything else stays refused.
        if (!hasDevices || !TaskFolder::sameFile(from, to))
            return false;
    } else if (!hasDevices) {
        return true;
    } else if (!TaskFolder::addName(from, to)) {
        return false;
    }
    if (listNames(oldName) || QFile::remove(from))
        return true;
    if (named)
        QFile::remove(to);
    return false;
}

} // namespace kiv
