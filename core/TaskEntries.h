#pragma once

#include "TaskListFile.h"

#include <QString>

namespace kiv {

/// The tasks of the task list as the task pane changes them. Each call opens
/// the task list file, changes it and saves it; a failed call leaves the
/// file as it was and gives the file's own reason (empty when it gave none,
/// as for a name that is taken).
class TaskEntries
{
public:
    /// Adds @p info at the end of the list; refused when a task of that name
    /// is there already.
    static bool add(const TaskInfo &info, QString *reason = nullptr);
    /// Rewrites the name and remark of the task at @p position with those of
    /// @p info.
    static bool setNameRemark(const TaskInfo &info, int position, QString *reason = nullptr);
    /// Removes the task at @p position, its device file first.
    static bool removeAt(int position, QString *reason = nullptr);
    /// Moves the device file of task @p oldName to the name @p newName.
    /// Refused when @p newName cannot name a task or already has a device
    /// file. A task without a device file (never written, or gone) has no
    /// devices to carry over: the move then holds at once.
    static bool renameDeviceFile(const QString &oldName, const QString &newName);
};

} // namespace kiv
