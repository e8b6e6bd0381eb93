#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace kiv {

/// Keeps one running instance per key. The first instance listens on a local
/// socket named after the key; a later one finds it listening and steps
/// back. A socket file left by an instance that crashed answers nobody and
/// is replaced, and a lock file (whose owner the system can tell dead or
/// alive) keeps two instances that start together from both winning.
class InstanceLock : public QObject
{
    Q_OBJECT
public:
    /// @p folder holds the lock file and the socket; the system's temporary
    /// folder when empty.
    explicit InstanceLock(const QString &key, const QString &folder = QString(),
                          QObject *parent = nullptr);
    ~InstanceLock() override;
    Q_DISABLE_COPY_MOVE(InstanceLock)

    /// True when this object is now the running instance; false when another
    /// live instance holds the key. Call once.
    bool acquire();
    bool isPrimary() const { return m_primary; }

    QString serverName() const;
    QString lockFilePath() const;

    /// The key of a program: its id, the user and the program folder, so
    /// copies of the program in other folders keep their own tasks apart.
    static QString keyFor(const QString &id, const QString &programFolder);

private:
    QString m_key;
    QString m_folder;
    std::unique_ptr<QLocalServer> m_server;
    bool m_primary = false;
};

} // namespace kiv
