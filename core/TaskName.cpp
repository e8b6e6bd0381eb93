#include "TaskName.h"

QString taskNameIllegalCharacters()
{
    return QStringLiteral("\\/:*?\"<>|");
}

bool isValidTaskName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String("Task"))
        return false;
    const QString illegal = taskNameIllegalCharacters();
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || illegal.contains(c))
            return false;
    }
    return true;
}
