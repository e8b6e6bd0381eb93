#include "TaskName.h"

#include <XmlSave.h>

#include <QCoreApplication>
#include <QFile>

#include <climits>

namespace {

// What earlier versions' saves add to a task's name for the temporary file
// they write beside its device file: the file's extension, a dot and six
// random letters. This version's temporary files have a name of their own,
// of fixed length; a task name that leaves room for the longer one stays a
// name every version can save, and its deleted file "<name>.xml.trash" fits
// as well.
constexpr int kTemporarySuffixBytes = 11; // ".xml.XXXXXX"

} // namespace

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

QString taskNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String("Task"))
        return QCoreApplication::translate("TaskName", "The task name is invalid");
    for (const QChar c : taskNameIllegalCharacters()) {
        if (name.contains(c))
            return QCoreApplication::translate("TaskName", "The name contains illegal character");
    }
    if (!isValidTaskName(name))
        return QCoreApplication::translate("TaskName", "The task name is invalid");
    // An earlier version's save would fail for every change: its temporary
    // file could not be made.
    if (QFile::encodeName(name).size() + kTemporarySuffixBytes > NAME_MAX)
        return QCoreApplication::translate("TaskName",
                                           "The task name is too long for a file name.");
    return QString();
}
