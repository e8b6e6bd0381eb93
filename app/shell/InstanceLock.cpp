#include "InstanceLock.h"

#include "AppLogging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace kiv {

namespace {

// Long enough for a running instance to accept, short enough not to be felt
// when none runs.
const int kConnectTimeoutMs = 500;
const int kStartLockTimeoutMs = 5000;

} // namespace

InstanceLock::InstanceLock(const QString &key, const QString &folder, QObject *parent)
    : QObject(parent), m_key(key), m_folder(folder.isEmpty() ? QDir::tempPath() : folder)
{
}

InstanceLock::~InstanceLock()
{
    if (m_server)
        m_server->close();
}

QString InstanceLock::serverName() const
{
    return QDir(m_folder).filePath(m_key + QStringLiteral(".socket"));
}

QString InstanceLock::lockFilePath() const
{
    return QDir(m_folder).filePath(m_key + QStringLiteral(".lock"));
}

QString InstanceLock::keyFor(const QString &id, const QString &programFolder)
{
    const QByteArray where =
        (QDir::homePath() + QLatin1Char('\n') + QDir::cleanPath(programFolder)).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex();
    return id + QLatin1Char('-') + QString::fromLatin1(hash.left(16));
}

bool InstanceLock::acquire()
{
    if (m_primary)
        return true;
    // Two starts at the same moment take turns here. A lock left by a
    // crashed start belongs to a dead process and is taken over at once.
    QLockFile startLock(lockFilePath());
    startLock.setStaleLockTime(0);
    if (!startLock.tryLock(kStartLockTimeoutMs)) {
        qCDebug(lcApp) << "[InstanceLock] another start holds" << lockFilePath();
        return false;
    }

    QLocalSocket probe;
    probe.connectToServer(serverName());
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.disconnectFromServer();
        return false;
    }

    // Nobody answers: whatever socket file is there was left by a crash.
    QLocalServer::removeServer(serverName());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverName()))
        qCDebug(lcApp) << "[InstanceLock] cannot listen on" << serverName()
                       << m_server->errorString();
    // Later starts only knock; nothing is read from them.
    connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->disconnectFromServer();
        }
    });
    m_primary = true;
    return true;
}

} // namespace kiv
