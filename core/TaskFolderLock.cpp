#include "TaskFolderLock.h"

#include "CoreLogging.h"
#include "TaskFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

// A live start writes its owner into the lock file as soon as it has made
// it; one that still names nobody after this long was cut off in between.
constexpr qint64 kNamelessLockSeconds = 10;

} // namespace

TaskFolderLock::TaskFolderLock(const QString &folder)
    : m_folder(folder), m_path(QDir(folder).filePath(TaskFolder::lockFileName()))
{
}

TaskFolderLock::~TaskFolderLock() = default;

TaskFolderLock::State TaskFolderLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return State::Held;
    // A first start finds no folder; one that cannot be made is the folder
    // check's to tell.
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age tells nothing: a program runs for days. Only an owner that is gone
    // makes the lock stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        shareWithWritersOfTheFolder();
        return State::Held;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        qCDebug(lcCore) << "no lock can be made in the task folder:" << m_path;
        m_lock.reset();
        return State::Unavailable;
    }
    qint64 pid = 0;
    QString host;
    QString program;
    if (!m_lock->getLockInfo(&pid, &host, &program)) {
        const QDateTime made = QFileInfo(m_path).lastModified();
        // removeStaleLockFile() takes the file only when no process holds
        // its system lock, so a start under way keeps it.
        if (made.isValid() && made.secsTo(QDateTime::currentDateTime()) > kNamelessLockSeconds &&
            m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
            shareWithWritersOfTheFolder();
            return State::Held;
        }
    } else {
        qCDebug(lcCore) << "the task folder is held by process" << pid << "of" << program << "on"
                        << host;
    }
    m_lock.reset();
    return State::HeldElsewhere;
}

void TaskFolderLock::shareWithWritersOfTheFolder() const
{
    // Whoever may write the folder may take over the lock once its owner is
    // gone: taking it over opens the file for writing.
    const QFileDevice::Permissions folder = QFile::permissions(m_folder);
    QFileDevice::Permissions file = QFile::permissions(m_path);
    if (folder & QFileDevice::WriteGroup)
        file |= QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    if (folder & QFileDevice::WriteOther)
        file |= QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (file != QFile::permissions(m_path))
        QFile::setPermissions(m_path, file);
}
