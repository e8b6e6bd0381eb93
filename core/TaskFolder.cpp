#include "TaskFolder.h"

#include "CoreLogging.h"
#include "TaskDeviceFile.h"
#include "TaskListFile.h"
#include "TaskName.h"
#include "XmlDataFile.h"

#include <File.h>
#include <TargetPath.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

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
// letters. Those saves took the random part from the last six X in a row of
// the name when it had them, so a device file of such a name had a
// temporary file of another form. A planner's own copy may be named so
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

// True when the folder of @p path holds an entry of exactly that name, as
// listing the folder gives it: a disk that ignores letter case finds a file
// under any spelling of its name, and lists it under one.
bool hasEntry(const QString &path)
{
    const QFileInfo file(path);
    return QDir(file.absolutePath())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .contains(file.fileName());
}

// True when the file at @p path may be the device file of a task of
// @p listed under another letter case.
bool mayBeAListedTasksFile(const QString &path, const QStringList &listed)
{
    for (const QString &task : listed) {
        if (TaskFolder::mayBeOneFile(path, TaskDeviceFile::filePath(task)))
            return true;
    }
    return false;
}

const char kRecordHeader[] = "varnel-step 1";

QString kindWord(TaskFolderStep::Kind kind)
{
    switch (kind) {
    case TaskFolderStep::Kind::Rename:
        return QStringLiteral("rename");
    case TaskFolderStep::Kind::CaseRename:
        return QStringLiteral("case-rename");
    case TaskFolderStep::Kind::Delete:
        break;
    }
    return QStringLiteral("delete");
}

// The file a step makes beside those it was given; empty for a rename in
// letter case alone, which makes none.
QString fileMadeBy(const TaskFolderStep &step)
{
    switch (step.kind) {
    case TaskFolderStep::Kind::Rename:
        return step.newName + kDeviceSuffix;
    case TaskFolderStep::Kind::CaseRename:
        return QString();
    case TaskFolderStep::Kind::Delete:
        break;
    }
    return step.oldName + kDeletedSuffix;
}

// Finishes or undoes @p step as the list @p listed says: the step's own
// files end as the list names the task. A step on a task the list holds
// under both names or neither is neither, and changes no file. False when a
// file of the step could not be changed.
bool settleStep(const TaskFolderStep &step, const QStringList &listed, TaskFolderRepair &repair)
{
    const bool oldListed = listed.contains(step.oldName);
    const bool newListed =
        step.kind != TaskFolderStep::Kind::Delete && listed.contains(step.newName);
    const QString oldFile = TaskDeviceFile::filePath(step.oldName);
    const QString newFile = TaskDeviceFile::filePath(step.newName);
    switch (step.kind) {
    case TaskFolderStep::Kind::Rename: {
        if (oldListed == newListed)
            return true;
        // The name the list does not hold goes, once the one it holds has
        // the same devices: the second name, or copy, the step made.
        const QString kept = newListed ? newFile : oldFile;
        const QString dropped = newListed ? oldFile : newFile;
        if (TaskFolder::sameBytes(dropped, kept) && !mayBeAListedTasksFile(dropped, listed) &&
            !QFile::remove(dropped))
            return false;
        ++(newListed ? repair.renamesFinished : repair.renamesUndone);
        return true;
    }
    case TaskFolderStep::Kind::CaseRename: {
        if (oldListed == newListed)
            return true;
        // The file takes the spelling the list holds, unless a disk that
        // gives each spelling an inode number of its own finds it under that
        // spelling already: such a disk takes the rename for one over another
        // file, and FAT through FUSE then frees the clusters of the file it
        // keeps.
        const QString kept = newListed ? newFile : oldFile;
        const QString other = newListed ? oldFile : newFile;
        const bool foundAlready = QFileInfo::exists(kept) && !TaskFolder::sameFile(kept, other);
        if (!hasEntry(kept) && hasEntry(other) && !foundAlready &&
            !TaskFolder::renameCase(other, kept))
            return false;
        ++(newListed ? repair.renamesFinished : repair.renamesUndone);
        return true;
    }
    case TaskFolderStep::Kind::Delete:
        break;
    }
    const QString aside = TaskFolder::deletedFilePath(step.oldName);
    if (!oldListed) {
        if (QFileInfo::exists(aside) && !QFile::remove(aside))
            return false;
        ++repair.deletionsFinished;
        return true;
    }
    // The list still holds the task: it gets its devices back, never over
    // another file (which leaves the moved file to be named).
    if (QFileInfo::exists(aside) && !QFileInfo::exists(oldFile) &&
        !TaskFolder::moveFile(aside, oldFile))
        return false;
    ++repair.deletionsUndone;
    return true;
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

QString TaskFolder::stepRecordPath()
{
    return path() + QStringLiteral("/.varnel-step");
}

QByteArray TaskFolderStep::toBytes() const
{
    QString text = QLatin1String(kRecordHeader) + QLatin1Char('\n') + QStringLiteral("kind ") +
                   kindWord(kind) + QStringLiteral("\nold ") + oldName + QLatin1Char('\n');
    if (kind != Kind::Delete)
        text += QStringLiteral("new ") + newName + QLatin1Char('\n');
    if (const QString made = fileMadeBy(*this); !made.isEmpty())
        text += QStringLiteral("makes ") + made + QLatin1Char('\n');
    return text.toUtf8();
}

bool TaskFolderStep::fromBytes(const QByteArray &bytes, TaskFolderStep &step)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 4 || !lines.takeLast().isEmpty())
        return false;
    auto value = [&lines](int line, QLatin1String key) {
        const QString prefix = key + QLatin1Char(' ');
        return line < lines.size() && lines.at(line).startsWith(prefix)
                   ? lines.at(line).mid(prefix.size())
                   : QString();
    };
    TaskFolderStep read;
    const QString kind = value(1, QLatin1String("kind"));
    if (kind == kindWord(Kind::Rename))
        read.kind = Kind::Rename;
    else if (kind == kindWord(Kind::CaseRename))
        read.kind = Kind::CaseRename;
    else if (kind == kindWord(Kind::Delete))
        read.kind = Kind::Delete;
    else
        return false;
    read.oldName = value(2, QLatin1String("old"));
    if (read.kind != Kind::Delete)
        read.newName = value(3, QLatin1String("new"));
    const bool renamed = read.kind != Kind::Delete;
    if (!isValidTaskName(read.oldName) || (renamed && !isValidTaskName(read.newName)) ||
        (renamed && (read.kind == Kind::CaseRename) !=
                        TaskFolder::differOnlyInCase(read.oldName, read.newName)) ||
        read.oldName == read.newName)
        return false;
    // Whatever else it holds, the record is the one its step writes or none.
    if (read.toBytes() != bytes)
        return false;
    step = read;
    return true;
}

bool TaskFolder::beginStep(const TaskFolderStep &step, QString *reason)
{
    const QString record = stepRecordPath();
    if (QFileInfo::exists(record) || QFileInfo(record).isSymLink()) {
        if (reason)
            *reason = QCoreApplication::translate(
                          "TaskFolder",
                          "The file %1 records a rename or a deletion of a task that was cut off "
                          "and could not be finished. Nothing was changed. Start the program "
                          "again to finish it; if the file is still there, move it out of the "
                          "Task folder once you have checked the device files of the tasks it "
                          "names.")
                          .arg(QDir::toNativeSeparators(record));
        return false;
    }
    QString detail;
    KavrinGUIToolkit::SaveFailure failure = KavrinGUIToolkit::SaveFailure::None;
    if (KavrinGUIToolkit::SaveWholeFile(record, step.toBytes(), &detail, &failure))
        return true;
    qCDebug(lcCore) << "cannot write the record of a step:" << detail;
    if (reason)
        *reason = XmlDataFile::saveProblemText(failure, record);
    return false;
}

bool TaskFolder::endStep()
{
    if (QFile::remove(stepRecordPath()))
        return true;
    qCDebug(lcCore) << "cannot remove the record of a finished step";
    return false;
}

bool TaskFolder::addName(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to) || !QFileInfo(from).isFile())
        return false;
#ifdef Q_OS_UNIX
    static const bool noHardLinks = qEnvironmentVariableIntValue("VARNEL_TEST_NO_HARD_LINKS") == 1;
    if (!noHardLinks) {
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
            return true;
        if (errno == EEXIST)
            return false;
    }
#endif
    // File systems without second names (FAT on a memory stick) get a copy,
    // which the rename then treats alike: the same bytes under both names.
    QFile source;
    if (KavrinGUIToolkit::OpenRegularFile(source, from) != KavrinGUIToolkit::FileState::Regular)
        return false;
    return KavrinGUIToolkit::SaveWholeFile(to, source.readAll());
}

bool TaskFolder::moveFile(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isFile())
        return false;
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse to replace: asked first.
    return !QFileInfo::exists(to) && ::rename(source.constData(), target.constData()) == 0;
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

bool TaskFolder::differOnlyInCase(const QString &a, const QString &b)
{
    return a != b && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool TaskFolder::mayBeOneFile(const QString &a, const QString &b)
{
    if (!differOnlyInCase(a, b))
        return false;
    return sameFile(a, b) || (QFileInfo::exists(a) && !hasEntry(a)) ||
           (QFileInfo::exists(b) && !hasEntry(b));
}

bool TaskFolder::renameCase(const QString &from, const QString &to)
{
    if (!differOnlyInCase(from, to) || !QFileInfo(from).isFile())
        return false;
    if (sameFile(from, to)) {
        // A disk that ignores letter case takes the new spelling, or keeps
        // the old one, which names the same file all the same; two names of
        // one file on any other disk stay two names.
        return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) ==
               0;
    }
    return moveFile(from, to);
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

    // Without a list, whose files are which cannot be told: a list that is
    // missing or empty is made anew, and the device files are left as they
    // are, without a word, as for a first start.
    const QFileInfo listFile(folder.filePath(kListFile));
    const bool listed = listFile.isFile() && listFile.size() > 0;
    QVector<TaskInfo> tasks;
    bool readable = !listed;
    if (listed) {
        TaskListFile list;
        readable = list.tasks(tasks);
    }
    QStringList names;
    for (const TaskInfo &task : std::as_const(tasks))
        names << task.name;

    // The one step the program recorded before it changed a file.
    const QString record = stepRecordPath();
    if (QFileInfo::exists(record) || QFileInfo(record).isSymLink()) {
        // A record that does not parse, or beside a list that is missing or
        // cannot be read, is no step to act on.
        TaskFolderStep step;
        const bool settled = listed && readable &&
                             TaskFolderStep::fromBytes(bytesOf(record), step) &&
                             settleStep(step, names, repair) && endStep();
        if (!settled)
            repair.unfinishedStep = record;
    }

    const QFileInfoList files = folder.entryInfoList(
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDir::Name);
    QStringList setAside;
    QStringList unlisted;
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
        else if (!taskOfDeletedFile(name).isEmpty())
            setAside << file.filePath();
        else if (const QString task = taskOfDeviceFile(name);
                 !task.isEmpty() && !names.contains(task))
            unlisted << file.filePath();
    }
    if (!listed || !readable)
        return repair;
    // On a disk that ignores letter case a listed task's spelling may name
    // an unlisted one's file: it is that task's own.
    for (const QString &device : std::as_const(unlisted)) {
        if (!mayBeAListedTasksFile(device, names))
            setAside << device;
    }
    repair.strayDeviceFiles = setAside;
    return repair;
}
