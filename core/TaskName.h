#pragma once

#include <QString>

/// The characters a task name may not hold, because the name becomes a file
/// name: \ / : * ? " < > |
QString taskNameIllegalCharacters();

/// True when @p name can name a task: not empty or blanks only, not "Task",
/// and free of control characters, of characters an XML file cannot hold
/// and of taskNameIllegalCharacters(). Every path built
/// from a task name goes through this check, so no name reaches a file
/// outside the Task folder.
bool isValidTaskName(const QString &name);

/// Why @p name cannot be given to a new or renamed task, in the planner's
/// language; empty when it can. Besides isValidTaskName(), a name must leave
/// the saves of earlier versions of the program room for their temporary
/// file beside the task's device file, so that the Task folder stays one
/// every version can save: its name, the device file's, a dot and six
/// letters, must fit the file system's limit on file names.
/// Whether another task has the name is the task list's business.
QString taskNameProblem(const QString &name);
