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

// Reads the stored list into @p tasks; true when its row @p position still
// holds the task @p chosen there by the planner. False otherwise, @p reason
// saying why.
bool readRow(TaskListFile &file, QVector<TaskInfo> &tasks, int position, const QString &chosen,
             QString *reason)
{
    if (!file.tasks(tasks))
        return result(file, false, reason);
    if (const QString stale = staleRowText(tasks, position, chosen); !stale.isEmpty())
        return refused(reason, stale);
    return true;
}

// True when the stored task list names a task @p name; false also when the
// list cannot be read, so that a move on a damaged list is done whole.
bool listNames(const QString &name)
{
    TaskListFile file;
    return file.exists(name);
}

// Why a step could not change the device file at @p path.
QString unchangedFileText(const QString &path)
{
    return QCoreApplication::translate("TaskEntries",
                                       "The device file %1 cannot be changed in the Task folder. "
                                       "Nothing was changed.")
        .arg(QDir::toNativeSeparators(path));
}

// Empty when the devices of the task @p oldName, at @p from if it has any,
// can take the name @p newName; otherwise why not.
QString renameProblem(const QString &oldName, const QString &newName)
{
    if (const QString problem = taskNameProblem(newName); !problem.isEmpty())
        return problem;
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(newName);
    if (!QFileInfo::exists(to))
        return QString();
    if (!TaskFolder::differOnlyInCase(oldName, newName) || from.isEmpty() ||
        !QFileInfo::exists(from))
        return strayFileText(to);
    // The new spelling finds a file: the task's own on a disk that ignores
    // letter case and shows both spellings as one file, renamed in place.
    if (TaskFolder::sameFile(from, to))
        return QString();
    if (!TaskFolder::mayBeOneFile(from, to))
        return strayFileText(to);
    // A disk that ignores letter case and gives each spelling an inode
    // number of its own: a rename there cannot be told from one over
    // another file.
    return QCoreApplication::translate("TaskEntries",
                                       "The disk that holds the Task folder does not tell letter "
                                       "case apart, and the device file %1 cannot be given a name "
                                       "that differs from its own in letter case alone there. "
                                       "Nothing was changed. Give the task a name that differs "
                                       "in more than letter case.")
        .arg(QDir::toNativeSeparators(from));
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
    bool added = file.addTask(info);
    if (added && !file.close()) {
        qCDebug(lcCore) << "cannot store the new task:" << file.lastError();
        added = false;
    }
    return result(file, added, reason);
}

bool TaskEntries::setNameRemark(const TaskInfo &info, int position, const QString &oldName,
                                QString *reason)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!readRow(file, tasks, position, oldName, reason))
        return false;
    if (const QString problem = taskNameProblem(info.name); !problem.isEmpty())
        return refused(reason, problem);
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(info.name);
    const bool renamed = info.name != oldName;
    if (renamed) {
        if (file.exists(info.name))
            return result(file, false, reason);
        if (const QString problem = renameProblem(oldName, info.name); !problem.isEmpty())
            return refused(reason, problem);
    }
    const bool caseOnly = TaskFolder::differOnlyInCase(oldName, info.name);
    // Only a task with devices has a file to move, and a step to record.
    const bool moves = renamed && QFileInfo::exists(from);
    if (moves) {
        const TaskFolderStep step{caseOnly ? TaskFolderStep::Kind::CaseRename
                                           : TaskFolderStep::Kind::Rename,
                                  oldName, info.name};
        if (!TaskFolder::beginStep(step, reason))
            return false;
        if (!caseOnly && !TaskFolder::addName(from, to)) {
            TaskFolder::endStep();
            return refused(reason, unchangedFileText(from));
        }
    }
    if (!file.setNameRemark(info, position) || !file.close()) {
        // The list names the task as before: its devices keep that name
        // alone. When the new name cannot be dropped, the record stays and
        // the next start drops it.
        if (moves && (caseOnly || QFile::remove(to)))
            TaskFolder::endStep();
        return result(file, false, reason);
    }
    if (moves) {
        // When this fails, the record stays and the next start finishes it.
        if (caseOnly ? TaskFolder::renameCase(from, to) : QFile::remove(from))
            TaskFolder::endStep();
        else
            qCDebug(lcCore) << "cannot give" << from << "the task's new name" << to;
    }
    return true;
}

QString TaskEntries::rowProblem(int position, const QString &name)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!file.tasks(tasks))
        return file.lastError();
    return staleRowText(tasks, position, name);
}

bool TaskEntries::removeAt(int position, const QString &name, QString *reason)
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    if (!readRow(file, tasks, position, name, reason))
        return false;
    const QString devices = TaskDeviceFile::filePath(name);
    const QString aside = TaskFolder::deletedFilePath(name);
    const bool moves = !devices.isEmpty() && QFileInfo::exists(devices);
    if (moves) {
        // Only a file can be set aside, and only where nothing waits
        // already: anything else keeps the task.
        if (!QFileInfo(devices).isFile())
            return result(file, false, reason);
        if (QFileInfo::exists(aside))
            return refused(reason, strayFileText(aside));
        if (!TaskFolder::beginStep({TaskFolderStep::Kind::Delete, name, QString()}, reason))
            return false;
        if (!TaskFolder::moveFile(devices, aside)) {
            TaskFolder::endStep();
            return refused(reason, unchangedFileText(devices));
        }
    }
    if (!file.removeTaskAt(position) || !file.close()) {
        // When the devices cannot be put back, the record stays and the next
        // start puts them back.
        if (moves && TaskFolder::moveFile(aside, devices))
            TaskFolder::endStep();
        return result(file, false, reason);
    }
    // When this fails, the record stays and the next start removes it: the
    // list no longer has the task.
    if (moves && QFile::remove(aside))
        TaskFolder::endStep();
    return true;
}

bool TaskEntries::renameDeviceFile(const QString &oldName, const QString &newName, QString *reason)
{
    if (const QString problem = taskNameProblem(newName); !problem.isEmpty())
        return refused(reason, problem);
    const QString from = TaskDeviceFile::filePath(oldName);
    const QString to = TaskDeviceFile::filePath(newName);
    // Nothing to move; a file under the new name is the devices of no task,
    // or those of the task the list names so (a move back, when the list
    // could not take the new name).
    if (from.isEmpty() || !QFileInfo::exists(from)) {
        if (!QFileInfo::exists(to) || listNames(newName))
            return true;
        return refused(reason, strayFileText(to));
    }
    if (const QString problem = renameProblem(oldName, newName); !problem.isEmpty())
        return refused(reason, problem);
    if (listNames(oldName))
        return true;
    const bool moved = TaskFolder::differOnlyInCase(oldName, newName)
                           ? TaskFolder::renameCase(from, to)
                           : TaskFolder::moveFile(from, to);
    return moved || refused(reason, unchangedFileText(from));
}

} // namespace kiv
