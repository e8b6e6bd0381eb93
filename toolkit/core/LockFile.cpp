#include "LockFile.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QSysInfo>
#include <QTimer>

#include <vector>

namespace KavrinGUIToolkit {

namespace {

Q_LOGGING_CATEGORY(lcLockFile, "varnel.toolkit.lock")

// A live start writes its owner into the lock file as soon as it has made
// it; one that still names nobody after this long was cut off in between.
constexpr std::chrono::seconds kNamelessLockAge(10);

// A lock file holds five short lines; what goes past this is no owner's.
constexpr qint64 kLockFileBytes = 4096;

/// Whom a lock file names, in the lines the lock file writes: process,
/// program, machine name, then machine and boot ids.
struct Owner
{
    bool named = false;
    qint64 pid = 0;
    QString program;
    QString machine;
    bool thisMachine = true;
};

Owner ownerIn(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    Owner owner;
    bool number = false;
    owner.pid = lines.value(0).toLongLong(&number);
    owner.named = number && owner.pid > 0;
    owner.program = QString::fromUtf8(lines.value(1));
    owner.machine = QString::fromUtf8(lines.value(2));
    // Machines are told apart as the lock file's own take-over tells them,
    // so that the two never disagree: by the machine id where both have one,
    // else by name.
    const QByteArray machineId = lines.value(3);
    const QByteArray ownId = QSysInfo::machineUniqueId();
    if (!machineId.isEmpty() && !ownId.isEmpty())
        owner.thisMachine = machineId == ownId;
    else
        owner.thisMachine = owner.machine.isEmpty() || owner.machine == QSysInfo::machineHostName();
    return owner;
}

Owner ownerOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? ownerIn(file.read(kLockFileBytes)) : Owner();
}

bool isThisProcess(const Owner &owner)
{
    return owner.named && owner.thisMachine && owner.pid == QCoreApplication::applicationPid();
}

// Since the file was made or last marked as alive; negative when its time is
// ahead of this machine's clock, and so fresh: it ages once this clock
// passes it, so that no lock is honoured for ever.
std::chrono::milliseconds ageOf(const QString &path)
{
    const QDateTime changed = QFileInfo(path).lastModified();
    return std::chrono::milliseconds(
        changed.isValid() ? changed.msecsTo(QDateTime::currentDateTimeUtc()) : -1);
}

// QLockFile removes its file when it is destroyed. A file that another
// program took over is that program's now, so the lock that lost it is kept,
// unreleased, until the process ends.
void keepUntilExit(std::unique_ptr<QLockFile> lock)
{
    static QBasicMutex mutex;
    static auto *kept = new std::vector<QLockFile *>;
    const QMutexLocker locker(&mutex);
    kept->push_back(lock.release());
}

} // namespace

CLockFile::CLockFile(const QString &path, const LockTiming &timing) : m_path(path), m_timing(timing)
{
}

CLockFile::~CLockFile()
{
    if (isHeld() && !isThisProcess(ownerOf(m_path)))
        keepUntilExit(std::move(m_lock));
}

bool CLockFile::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

CLockFile::State CLockFile::acquire()
{
    if (isHeld())
        return State::Held;
    m_otherMachine.clear();
    m_lock = std::make_unique<QLockFile>(m_path);
    // The lock file's own rule by age would take the lock of a live program
    // on this machine too, which it can ask instead; age counts below, for
    // owners that cannot be asked.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return hold();
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_lock.reset();
        return State::Unavailable;
    }
    const Owner owner = ownerOf(m_path);
    const std::chrono::milliseconds age = ageOf(m_path);
    // A live owner on this machine: the lock file asked it already.
    const bool stale =
        !owner.named ? age > kNamelessLockAge : !owner.thisMachine && age > m_timing.staleAge;
    // removeStaleLockFile() takes the file only when no process holds its
    // system lock, so a start under way keeps it.
    if (stale && m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
        const qint64 seconds = std::chrono::duration_cast<std::chrono::seconds>(age).count();
        if (owner.named) {
            qCWarning(lcLockFile).noquote()
                << QStringLiteral("took over the lock %1 of process %2 (%3) on %4, last marked "
                                  "as alive %5 s ago")
                       .arg(m_path, QString::number(owner.pid), owner.program, owner.machine,
                            QString::number(seconds));
        } else {
            qCWarning(lcLockFile).noquote()
                << QStringLiteral("took over the lock %1, which names no owner, made %2 s ago")
                       .arg(m_path, QString::number(seconds));
        }
        return hold();
    }
    if (owner.named && !owner.thisMachine)
        m_otherMachine = owner.machine;
    m_lock.reset();
    return State::HeldElsewhere;
}

CLockFile::State CLockFile::hold()
{
    // A thread without an event loop cannot mark its lock; only a test holds
    // a lock so.
    if (QAbstractEventDispatcher::instance()) {
        if (!m_refresh) {
            m_refresh = std::make_unique<QTimer>();
            QObject::connect(m_refresh.get(), &QTimer::timeout, m_refresh.get(),
                             [this] { refresh(); });
        }
        m_refresh->start(m_timing.refreshInterval);
    }
    return State::Held;
}

void CLockFile::refresh()
{
    if (!isHeld())
        return;
    // Only the file's time changes: its content stays as the lock wrote it,
    // and a file that is gone is not made again.
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly)) {
        if (!isThisProcess(ownerIn(file.read(kLockFileBytes)))) {
            qCWarning(lcLockFile).noquote()
                << QStringLiteral("the lock %1 was taken over by another program").arg(m_path);
            m_refresh->stop();
            return;
        }
        if (file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime)) {
            m_refreshFailed = false;
            return;
        }
    }
    // A share that is away for a while: tried again at the next interval,
    // told once.
    if (!m_refreshFailed) {
        qCWarning(lcLockFile).noquote()
            << QStringLiteral("the lock %1 cannot be marked as alive: %2")
                   .arg(m_path, file.errorString());
    }
    m_refreshFailed = true;
}

} // namespace KavrinGUIToolkit
