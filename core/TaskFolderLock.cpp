#include "TaskFolderLock.h"

#include "CoreLogging.h"
#include "TaskFolder.h"

#include <QDir>
#include <QFile>

TaskFolderLock::TaskFolderLock(const QString &folder, const KavrinGUIToolkit::LockTiming &timing)
    : m_folder(folder), m_lock(QDir(folder).filePath(TaskFolder::lockFileName()), timing)
{
}

TaskFolderLock::State TaskFolderLock::acquire()
{
    if (m_lock.isHeld())
        return State::Held;
    // A first start finds no folder; one that cannot be made is the folder
    // check's to tell.
    QDir().mkpath(m_folder);
    const State state = m_lock.acquire();
    if (state == State::Held)
        shareWithWritersOfTheFolder();
    else if (state == State::Unavailable)
        qCDebug(lcCore) << "no lock can be made in the task folder:" << filePath();
    else
        qCDebug(lcCore).noquote() << "the task folder is held by a program on"
                                  << (otherMachine().isEmpty() ? QStringLiteral("this machine")
                                                               : otherMachine());
    return state;
}

void TaskFolderLock::shareWithWritersOfTheFolder() const
{
    // Whoever may write the folder may take over the lock once its owner is
    // gone: taking it over opens the file for writing.
    const QString path = filePath();
    const QFileDevice::Permissions folder = QFile::permissions(m_folder);
    QFileDevice::Permissions file = QFile::permissions(path);
    if (folder & QFileDevice::WriteGroup)
        file |= QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (folder & QFileDevice::WriteOther)
        file |= QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (file != QFile::permissions(path))
        QFile::setPermissions(path, file);
}
