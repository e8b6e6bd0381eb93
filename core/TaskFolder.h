#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A change of the Task folder that takes several file steps: what its
/// record in the folder says while the change is under way.
struct TaskFolderStep
{
    enum class Kind {
        /// The task's device file gets the new name beside the old one, the
        /// list takes the new name, the old name goes.
        Rename,
        /// A rename in letter case alone: the list takes the new spelling,
        /// then the device file is renamed in place.
        CaseRename,
        /// The device file is moved to "<task>.xml.trash", the list forgets
        /// the task, the moved file goes.
        Delete
    };

    Kind kind = Kind::Rename;
    QString oldName;
    /// Empty for a deletion.
    QString newName;

    /// The record's bytes: UTF-8 text of a fixed form, naming the kind, the
    /// task names and the file the step itself makes.
    QByteArray toBytes() const;
    /// Reads the bytes of a record; false, @p step untouched, for any bytes
    /// toBytes() does not give for a step on task names (a damaged or
    /// foreign record).
    static bool fromBytes(const QByteArray &bytes, TaskFolderStep &step);
};

/// What opening the Task folder found left over from a program that was
/// stopped in the middle of a save, a rename or a deletion, and what it did.
struct TaskFolderRepair
{
    /// Temporary files of saves that never got renamed into place, removed.
    int temporariesRemoved = 0;
    /// Recorded renames of tasks the list holds by their new name, finished.
    int renamesFinished = 0;
    /// Recorded renames of tasks the list holds by their old name, undone.
    int renamesUndone = 0;
    /// Recorded deletions of tasks the list still holds, undone.
    int deletionsUndone = 0;
    /// Recorded deletions of tasks the list no longer holds, finished.
    int deletionsFinished = 0;
    /// Full paths of the device files that no task of the list owns, and of
    /// the files set aside for a deletion that no record names; left as they
    /// are, for the planner to be told.
    QStringList strayDeviceFiles;
    /// Full paths of the files named as earlier versions named the temporary
    /// files of their saves (the task list's or a device file's name, a dot
    /// and six letters, as "Lobby.xml.backup"): a planner's copy may be named
    /// so as well. Left as they are, for the planner to be told.
    QStringList oldTemporaryFiles;
    /// Full path of the record of a step that does not parse, or whose step
    /// could not be finished or undone; empty when no record is left. Left
    /// as it is, with every file it names, for the planner to be told.
    QString unfinishedStep;
};

/// The Task folder of the program folder: the task list, one device file per
/// task, and the few steps that change several of them at once. A rename
/// gives the device file its new name beside the old one before the list
/// names the task anew, and drops the old name after; a deletion moves the
/// device file aside before the list forgets the task, and removes it after.
/// Each such step first writes its record (beginStep()) and removes it last
/// (endStep()); open() at the next start finishes or undoes the one step a
/// record names, as the stored list says, and touches no other file of a
/// task.
class TaskFolder
{
public:
    /// The folder, GetTargetPath() + "Task", without a closing separator.
    static QString path();

    /// Puts right what a stopped program left, as the start-up does before
    /// any task is shown: removes the temporary files of cut-off saves (only
    /// those named exactly as the saves name them,
    /// KavrinGUIToolkit::IsSaveTemporaryName()); finishes or undoes the
    /// step its record names (the list holds the new name: finished; the
    /// old one: undone), acting on that step's files alone and never
    /// removing a name that may be the file of a listed task under another
    /// letter case (mayBeOneFile()); and lists the device files that no task
    /// owns and the files named as earlier versions named their temporary
    /// files. Without a record, no file but the temporary files is removed
    /// or renamed: byte copies of a task's file, other spellings of its name
    /// and files set aside for a deletion stay as they are. With a task list
    /// that is missing, empty or cannot be read, only the temporary files
    /// are removed, and a record stays as it is, named.
    static TaskFolderRepair open();

    /// True for a file name that only a cut-off save leaves in the folder, or
    /// the start-up's probe of the folder.
    static bool isLeftoverName(const QString &fileName);

    /// Where a task's device file waits while the deletion of the task is
    /// stored; empty for a name that cannot name a task.
    static QString deletedFilePath(const QString &taskName);

    /// The name of the file the start-up writes to learn whether the folder
    /// takes a task, for the process @p pid.
    static QString probeFileName(qint64 pid);

    /// True for a name probeFileName() gives, whatever the process.
    static bool isProbeName(const QString &fileName);

    /// The name of the lock file a running program holds in the folder (see
    /// TaskFolderLock). open() passes over it, and over the file of that name
    /// plus ".rmlock" that the lock makes for a moment while it takes over a
    /// lock whose owner is gone: neither is a task's file or a leftover.
    static QString lockFileName();

    /// The record of the step under way, in the folder.
    static QString stepRecordPath();

    /// Writes the record of @p step, whole, before the step changes its
    /// first file. False, nothing written, when a record is there already
    /// (a step that the start-up could not finish) or the record cannot be
    /// written; @p reason then says why.
    static bool beginStep(const TaskFolderStep &step, QString *reason);

    /// Removes the record once its step is done. False when it cannot be
    /// removed: the next start then finds the step done and removes it.
    static bool endStep();

    /// Makes the file at @p to a second name of the file at @p from, or, on a
    /// file system without such names, a whole copy of it. False, nothing
    /// made, when neither can be done or @p to exists.
    ///
    /// For tests: with the environment variable VARNEL_TEST_NO_HARD_LINKS set
    /// to 1 when the process first calls it, it always makes the copy, as on
    /// a disk without second names.
    static bool addName(const QString &from, const QString &to);

    /// Gives the file at @p from the name @p to in one step, never over
    /// another file. False when @p from is no file or @p to exists.
    static bool moveFile(const QString &from, const QString &to);

    /// True when @p a and @p b are two names of one file, as addName() makes
    /// them on a file system that has second names.
    static bool sameFile(const QString &a, const QString &b);

    /// True when the names or paths @p a and @p b differ in letter case alone.
    static bool differOnlyInCase(const QString &a, const QString &b);

    /// True when the paths @p a and @p b differ in letter case alone and may
    /// name one file: the same device and inode, or a spelling the disk
    /// finds a file under while its folder holds no entry of that spelling.
    /// A disk that ignores letter case (FAT, exFAT, a network share) shows
    /// both spellings as one file, some with an inode number of each
    /// spelling's own; neither is ever removed while the other is kept.
    static bool mayBeOneFile(const QString &a, const QString &b);

    /// Gives the file at @p from the path @p to, which differs from it in
    /// letter case alone, in place: without a second name, and never over
    /// another file. On a disk that ignores letter case the file may keep
    /// its old spelling, which names it all the same. False when @p from is
    /// no file or another file has the new spelling.
    static bool renameCase(const QString &from, const QString &to);

    /// True when the files at @p a and @p b both exist and hold the same
    /// bytes, as the two names of a file always do.
    static bool sameBytes(const QString &a, const QString &b);
};
