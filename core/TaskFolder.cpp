#include "TaskFolder.h"

#include "CoreLogging.h"
#include "TaskDeviceFile.h"
#include "TaskListFile.h"
#include "TaskName.h"

#include <File.h>
#include <TargetPath.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDeviceSuffix = QStringLiteral(".xml");
const QString kDeletedSuffix = QStringLiteral(".xml.trash");
const QString kListFile = QStringLiteral("Task.xml");
const QString kProbePrefix = QStringLiteral(".write-probe-");

// The task whose device file is @p fileName; empty for any other name.
QString taskOfDeviceFile(const QString &fileName)
{
    if (!fileName.endsWith(kDeviceSuffix) || fileName == kListFile)
        return QString();
    const QString task = fileName.chopped(kDeviceSuffix.size());
    return isValidTaskName(task) ? task : QString();
}

// The task whose device file waits under @p fileName while its deletion is
// stored; empty for any other name.
QString taskOfDeletedFile(const QString &fileName)
{
    if (!fileName.endsWith(kDeletedSuffix))
        return QString();
    const QString task = fileName.chopped(kDeletedSuffix.size());
    return isValidTaskName(task) ? task : QString();
}

// True for the name an earlier version's saves gave their temporary files:
// the name of the task list or of a device file, a dot and six random
// letters (taken from the last six X in a row of the name when it had them,
// which a task name never holds). A planner's own copy may be named so
// ("Lobby.xml.backup"), so such a file is named, never removed.
bool isOldTemporaryName(const QString &fileName)
{
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z]{6}$"));
    const QRegularExpressionMatch m = temporary.match(fileName);
    if (!m.hasMatch())
        return false;
    const QString target = m.captured(1);
    if (target == kListFile)
        return true;
    const QString task = taskOfDeviceFile(target);
    return !task.isEmpty() && !task.contains(QLatin1String("XXXXXX"));
}

// True when the names or paths @p a and @p b differ in letter case alone.
bool differOnlyInCase(const QString &a, const QString &b)
{
    return a != b && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool removeLeftover(const QString &path, int &count)
{
    if (QFile::remove(path)) {
        ++count;
        return true;
    }
    qCDebug(lcCore) << "cannot remove the leftover" << path;
    return false;
}

QByteArray bytesOf(const QString &path)
{
    QFile file;
    return KavrinGUIToolkit::OpenRegularFile(file, path) == KavrinGUIToolkit::FileState::Regular
               ? file.readAll()
               : QByteArray();
}

} // namespace

QString TaskFolder::path()
{
    return KavrinGUIToolkit::GetTargetPath() + QStringLiteral("Task");
}

bool TaskFolder::isLeftoverName(const QString &fileName)
{
    return KavrinGUIToolkit::IsSaveTemporaryName(fileName) || isProbeName(fileName);
}

bool TaskFolder::isProbeName(const QString &fileName)
{
    if (fileName.size() <= kProbePrefix.size() || !fileName.startsWith(kProbePrefix))
        return false;
    const QStringView pid = QStringView(fileName).mid(kProbePrefix.size());
    return std::all_of(pid.begin(), pid.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QString TaskFolder::deletedFilePath(const QString &taskName)
{
    if (!isValidTaskName(taskName))
        return QString();
    return path() + QLatin1Char('/') + taskName + kDeletedSuffix;
}

QString TaskFolder::probeFileName(qint64 pid)
{
    return kProbePrefix + QString::number(pid);
}

QString TaskFolder::lockFileName()
{
    return QStringLiteral(".Varnel.lock");
}

bool TaskFolder::addName(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return false;
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
#endif
    // File systems without second names (FAT on a memory stick) get a copy,
    // which the rename then treats alike: the same bytes under both names.
    QFile source;
    if (KavrinGUIToolkit::OpenRegularFile(source, from) != KavrinGUIToolkit::FileState::Regular)
        return false;
    return KavrinGUIToolkit::SaveWholeFile(to, source.readAll());
}

bool TaskFolder::sameFile(const QString &a, const QString &b)
{
#ifdef Q_OS_UNIX
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#else
    return false;
#endif
}

bool TaskFolder::oneFileByCase(const QString &a, const QString &b)
{
    return differOnlyInCase(a, b) && sameFile(a, b);
}

bool TaskFolder::renameCase(const QString &from, const QString &to)
{
    if (!differOnlyInCase(from, to) || !QFileInfo(from).isFile())
        return false;
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (sameFile(from, to)) {
        // A disk that ignores letter case takes the new spelling, or keeps
        // the old one, which names the same file all the same; two names of
        // one file on any other disk stay two names.
        return ::rename(source.constData(), target.constData()) == 0;
    }
    // Never over another file of the new spelling.
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return !QFileInfo::exists(to) && ::rename(source.constData(), target.constData()) == 0;
}

bool TaskFolder::sameBytes(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (!first.isFile() || !second.isFile() || first.size() != second.size())
        return false;
    return bytesOf(a) == bytesOf(b);
}

TaskFolderRepair TaskFolder::open()
{
    TaskFolderRepair repair;
    const QDir folder(path());
    const QFileInfoList files = folder.entryInfoList(
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDir::Name);
    QStringList deviceTasks;
    QStringList deletedTasks;
    const QString lock = lockFileName();
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        // The running program's own lock; it is never a task's.
        if (name == lock || name == lock + QLatin1String(".rmlock"))
            continue;
        if (isLeftoverName(name))
            removeLeftover(file.filePath(), repair.temporariesRemoved);
        else if (isOldTemporaryName(name))
            repair.oldTemporaryFiles << file.filePath();
        else if (const QString task = taskOfDeletedFile(name); !task.isEmpty())
            deletedTasks << task;
        else if (const QString device = taskOfDeviceFile(name); !device.isEmpty())
            deviceTasks << device;
    }

    // Without a list, whose files are which cannot be told: a list that is
    // missing or empty is made anew, and the device files are left as they
    // are, without a word, as for a first start.
    const QFileInfo listFile(folder.filePath(kListFile));
    if (!listFile.isFile() || listFile.size() == 0)
        return repair;
    QVector<TaskInfo> tasks;
    {
        TaskListFile list;
        if (!list.tasks(tasks))
            return repair;
    }
    QSet<QString> listed;
    QStringList inListOrder;
    for (const TaskInfo &task : std::as_const(tasks)) {
        if (!listed.contains(task.name))
            inListOrder << task.name;
        listed.insert(task.name);
    }

    for (const QString &task : std::as_const(deletedTasks)) {
        const QString moved = deletedFilePath(task);
        const QString device = TaskDeviceFile::filePath(task);
        if (!listed.contains(task)) {
            // The list had forgotten the task: the deletion was done.
            removeLeftover(moved, repair.deletionsFinished);
        } else if (!QFileInfo::exists(device) && QFile::rename(moved, device)) {
            // The list still holds the task: it keeps its devices.
            ++repair.deletionsUndone;
        } else {
            repair.strayDeviceFiles << moved;
        }
    }

    for (const QString &task : std::as_const(deviceTasks)) {
        if (listed.contains(task))
            continue;
        const QString device = TaskDeviceFile::filePath(task);
        // On a disk that ignores letter case a listed task's spelling may
        // name this very file: it is that task's own, and never removed.
        QString sameFileOwned;
        QStringList fileless;
        for (const QString &owner : std::as_const(inListOrder)) {
            const QString owned = TaskDeviceFile::filePath(owner);
            if (!differOnlyInCase(task, owner))
                continue;
            if (oneFileByCase(device, owned))
                sameFileOwned = owned;
            else if (!QFileInfo::exists(owned))
                fileless << owned;
        }
        if (!sameFileOwned.isEmpty()) {
            renameCase(device, sameFileOwned);
            continue;
        }
        // A rename that was cut off leaves the same devices under the name
        // the list does not hold: a second name of the file the listed name
        // holds, or a copy of it on a disk without second names.
        bool secondName = false;
        bool copy = false;
        for (const QString &owner : std::as_const(inListOrder)) {
            const QString owned = TaskDeviceFile::filePath(owner);
            if (owned.isEmpty())
                continue;
            if (sameFile(device, owned)) {
                secondName = true;
                break;
            }
            copy = copy || sameBytes(device, owned);
        }
        if (secondName && removeLeftover(device, repair.renamesFinished))
            continue;
        // A rename in letter case alone, cut off after the list took the new
        // spelling and before the file did, is finished; only the one listed
        // task of another spelling without a file of its own can take it.
        // It goes before the copies: two tasks without devices have files of
        // the same bytes, and the file is this task's own.
        if (!secondName && fileless.size() == 1 && renameCase(device, fileless.first())) {
            ++repair.renamesFinished;
            continue;
        }
        if (copy && removeLeftover(device, repair.renamesFinished))
            continue;
        repair.strayDeviceFiles << device;
    }
    return repair;
}
