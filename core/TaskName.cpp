#include "TaskName.h"

#include <XmlSave.h>

QString taskNameIllegalCharacters()
{
    return QStringLiteral("\\/:*?\"<>|");
}

bool isValidTaskName(const QString &name)
{
    // A name of blanks only reads back from the task list as an empty name,
    // and one holding a character XML cannot hold reads back as another name
    // than its device file's: either would strand the task's devices.
    if (name.trimmed().isEmpty() || name == QLatin1String("Task") ||
        !KavrinGUIToolkit::IsXmlText(name))
        return false;
    const QString illegal = taskNameIllegalCharacters();
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || illegal.contains(c))
            return false;
    }
    return true;
}
