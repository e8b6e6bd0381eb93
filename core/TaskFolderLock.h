#pragma once

#include <LockFile.h>

#include <QString>

/// The lock a running program holds inside its Task folder, so that one
/// program folder has one running program, whoever starts it, whatever home
/// or temporary folder that start has, and from whichever machine it reaches
/// the folder. The lock names its owner (process, machine, program): a lock
/// whose owner on this machine is gone, killed or crashed, is taken over at
/// once; one of another machine once that machine stopped marking it as
/// alive (KavrinGUIToolkit::LockTiming).
class TaskFolderLock
{
public:
    /// Held, HeldElsewhere, or Unavailable: no lock can be made there (no
    /// folder, or it cannot be written), and the folder check of the start
    /// tells the planner why.
    using State = KavrinGUIToolkit::CLockFile::State;

    /// A lock on the file TaskFolder::lockFileName() in @p folder.
    explicit TaskFolderLock(const QString &folder, const KavrinGUIToolkit::LockTiming &timing = {});
    TaskFolderLock(const TaskFolderLock &) = delete;
    TaskFolderLock &operator=(const TaskFolderLock &) = delete;

    /// Makes the folder when it is missing and tries once to take the lock.
    State acquire();
    QString filePath() const { return m_lock.filePath(); }
    /// True while this object holds the folder.
    bool isHeld() const { return m_lock.isHeld(); }
    /// After acquire() gave HeldElsewhere: the machine whose program holds
    /// the folder when that is another machine; empty otherwise.
    QString otherMachine() const { return m_lock.otherMachine(); }

private:
    void shareWithWritersOfTheFolder() const;

    QString m_folder;
    KavrinGUIToolkit::CLockFile m_lock;
};
