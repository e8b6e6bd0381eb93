#pragma once

#include <QString>
#include <QStringList>

/// What opening the Task folder found left over from a program that was
/// stopped in the middle of a save, a rename or a deletion, and what it did.
struct TaskFolderRepair
{
    /// Temporary files of saves that never got renamed into place, removed.
    int temporariesRemoved = 0;
    /// Second names of device files whose task was being renamed, removed.
    int renamesFinished = 0;
    /// Device files of tasks whose deletion was never stored, put back.
    int deletionsUndone = 0;
    /// Device files of tasks whose deletion was stored, removed.
    int deletionsFinished = 0;
    /// Full paths of the device files that no task of the list owns and that
    /// are no leftover of the program's own steps; left as they are, for the
    /// planner to be told.
    QStringList strayDeviceFiles;
    /// Full paths of the files named as earlier versions named the temporary
    /// files of their saves (the task list's or a device file's name, a dot
    /// and six letters, as "Lobby.xml.backup"): a planner's copy may be named
    /// so as well. Left as they are, for the planner to be told.
    QStringList oldTemporaryFiles;
};

/// The Task folder of the program folder: the task list, one device file per
/// task, and the few steps that change several of them at once. A rename
/// gives the device file its new name beside the old one before the list
/// names the task anew, and drops the old name after; a deletion moves the
/// device file aside before the list forgets the task, and removes it after.
/// Whatever instant the program is stopped at, open() at the next start
/// finds either the state before or the state after the step, or a leftover
/// it can tell apart and put right.
class TaskFolder
{
public:
    /// The folder, GetTargetPath() + "Task", without a closing separator.
    static QString path();

    /// Puts right what a stopped program left, as the start-up does before
    /// any task is shown: removes the temporary files of cut-off saves (only
    /// those named exactly as the saves name them,
    /// KavrinGUIToolkit::IsSaveTemporaryName()), finishes or undoes cut-off
    /// renames and deletions, and lists the device files that no task owns
    /// and the files named as earlier versions named their temporary files.
    /// Files of other names are never touched, nor is a device file whose
    /// name differs from a listed task's in letter case alone and that is
    /// that task's file (oneFileByCase()). With a task list that is missing,
    /// empty or cannot be read, only the temporary files are removed.
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

    /// Makes the file at @p to a second name of the file at @p from, or, on a
    /// file system without such names, a whole copy of it. False, nothing
    /// made, when neither can be done or @p to exists.
    static bool addName(const QString &from, const QString &to);

    /// True when @p a and @p b are two names of one file, as addName() makes
    /// them on a file system that has second names.
    static bool sameFile(const QString &a, const QString &b);

    /// True when the paths @p a and @p b differ in letter case alone and
    /// name the same file (device and inode). On a disk that ignores letter
    /// case (FAT, exFAT, a network share) they are then one name of one
    /// file, so neither is ever removed while the other is kept.
    static bool oneFileByCase(const QString &a, const QString &b);

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
