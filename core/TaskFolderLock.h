#pragma once

#include <QString>

#include <memory>

class QLockFile;

/// The lock a running program holds inside its Task folder, so that one
/// program folder has one running program, whoever starts it and whatever
/// home or temporary folder that start has. The lock names its owner
/// (process, machine, program): a lock whose owner on this machine is gone,
/// killed or crashed, is taken over at once.
class TaskFolderLock
{
public:
    enum class State {
        /// This object holds the folder until it is destroyed.
        Held,
        /// A program that is still running holds it.
        HeldElsewhere,
        /// No lock can be made there (no folder, or it cannot be written): the
        /// folder check of the start tells the planner why.
        Unavailable,
    };

    /// A lock on the file TaskFolder::lockFileName() in @p folder.
    explicit TaskFolderLock(const QString &folder);
    ~TaskFolderLock();
    TaskFolderLock(const TaskFolderLock &) = delete;
    TaskFolderLock &operator=(const TaskFolderLock &) = delete;

    /// Makes the folder when it is missing and tries once to take the lock.
    State acquire();
    QString filePath() const { return m_path; }

private:
    void shareWithWritersOfTheFolder() const;

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
