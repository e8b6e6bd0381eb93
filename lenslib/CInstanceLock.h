#pragma once

#include <QLockFile>
#include <QString>

/// Keeps one running copy of the stand-alone calculator per key and user.
/// The lock is a lock file that names its owner's process, so the lock of
/// a copy that crashed is recognised as stale and taken over instead of
/// blocking every later start.
class CInstanceLock
{
public:
    enum Result {
        Acquired,    ///< this process is now the running instance
        HeldByOther, ///< another live process holds the key
        Failed,      ///< the lock file cannot be written; nothing is known
    };

    /// @p folder holds the lock file; the system's temporary folder when
    /// empty.
    explicit CInstanceLock(const QString &key, const QString &folder = QString());
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock &) = delete;
    CInstanceLock &operator=(const CInstanceLock &) = delete;

    Result acquire();
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    QLockFile m_lock;
};
