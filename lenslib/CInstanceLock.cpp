#include "CInstanceLock.h"

#include <QDir>

namespace {

QString lockPath(const QString &key, const QString &folder)
{
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    // Per user: the temporary folder is shared by every user of the machine.
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return QDir(dir).filePath(key + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

} // namespace

CInstanceLock::CInstanceLock(const QString &key, const QString &folder)
    : m_path(lockPath(key, folder)), m_lock(m_path)
{
    // Never stale by age: the calculator may run for days. A lock whose
    // process is gone is stale whatever its age.
    m_lock.setStaleLockTime(0);
}

CInstanceLock::~CInstanceLock() = default;

CInstanceLock::Result CInstanceLock::acquire()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return Acquired;
    return m_lock.error() == QLockFile::LockFailedError ? HeldByOther : Failed;
}
