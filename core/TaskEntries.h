#pragma once

#include "TaskListFile.h"

#include <QString>

namespace kiv {

/// The tasks of the task list as the task pane changes them. Each call opens
/// the task list file, changes it and saves it; a failed call leaves the
/// file as it was and gives the file's own reason (empty when it gave none,
/// as for a name that is taken).
///
/// A change that touches a task's device file too is made in steps, recorded
/// in the Task folder before the first of them and until the last is done
/// (TaskFolder::beginStep()): whenever the program is stopped, each step
/// leaves the folder whole, or with the record of the step, which
/// TaskFolder::open() finishes or undoes at the next start.
class TaskEntries
{
public:
    /// Adds @p info at the end of the list; refused when a task of that name
    /// is there already, when the name cannot name a task (the reason then
    /// says why, as taskNameProblem()) and when a device file of that name
    /// that no task owns is in the Task folder: a new task never takes over
    /// devices that are not its own.
    static bool add(const TaskInfo &info, QString *reason = nullptr);
    /// Rewrites the name and remark of the task @p oldName the planner chose
    /// at @p position of the list shown with those of @p info: refused,
    /// nothing touched, when the stored list no longer holds that task there
    /// (see rowProblem()). A new name is checked as add() checks it, and a
    /// device file under it refuses it (see renameDeviceFile()). The task's
    /// devices take the new name beside the old before the list does, and
    /// lose the old one once the list holds the new one. A new name that
    /// differs in letter case alone renames the device file in place once
    /// the list holds it: on a disk that ignores letter case the two
    /// spellings are one file, and no name of it is ever removed.
    static bool setNameRemark(const TaskInfo &info, int position, const QString &oldName,
                              QString *reason = nullptr);
    /// Removes the task @p name the planner chose at @p position of the list
    /// shown, with its device file: refused, nothing touched, when the stored
    /// list no longer holds that task there (see rowProblem()). The device
    /// file is moved aside first and removed only once the list without the
    /// task is stored; when the list cannot be stored, it is put back.
    static bool removeAt(int position, const QString &name, QString *reason = nullptr);
    /// Empty when the stored list holds the task @p name at @p position;
    /// otherwise why an action on that row of a list shown earlier is
    /// refused: the list's own reason when it cannot be read, or that the
    /// list was changed outside the window and the row now holds another
    /// task or none.
    static QString rowProblem(int position, const QString &name);
    /// Moves the device file of task @p oldName to the name @p newName.
    /// Refused, with @p reason, when @p newName cannot name a task
    /// (taskNameProblem()), when a file of other devices has that name, and
    /// when the disk cannot give the file a name that differs in letter case
    /// alone. A task without a device file (never written, or gone) has no
    /// devices to carry over: the move then holds at once. While the task
    /// list names a task @p oldName nothing moves: the devices keep that name
    /// until setNameRemark() stores the new one and moves them with it, and
    /// the call only says whether it can. Otherwise the file takes the new
    /// name in one step, never over another file.
    static bool renameDeviceFile(const QString &oldName, const QString &newName,
                                 QString *reason = nullptr);
};

} // namespace kiv
