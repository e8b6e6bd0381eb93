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
