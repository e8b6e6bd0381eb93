#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

/// A disk that ignores letter case, for one test: a small FAT image in a
/// temporary folder, mounted through FUSE by fusefat, which finds a file under
/// any spelling of its name and gives each spelling an inode number of its
/// own (as some network shares do). The fixture unmounts it when it goes,
/// lazily as a last resort; the FUSE server runs as a child of the test, told
/// to end when the test process dies, and its mount goes with it then too.
class CaseBlindDisk
{
public:
    CaseBlindDisk() = default;
    ~CaseBlindDisk() { unmount(); }
    CaseBlindDisk(const CaseBlindDisk &) = delete;
    CaseBlindDisk &operator=(const CaseBlindDisk &) = delete;

    /// The programs and the device the disk needs that this machine lacks,
    /// by name; empty when it has them all.
    static QStringList missing()
    {
        QStringList names;
        for (const char *tool : {"fusefat", "mkfs.vfat", "fsck.vfat"}) {
            if (toolPath(QString::fromLatin1(tool)).isEmpty())
                names << QString::fromLatin1(tool);
        }
        if (unmounters(false).isEmpty())
            names << QStringLiteral("fusermount or umount");
        if (!QFileInfo::exists(QStringLiteral("/dev/fuse")))
            names << QStringLiteral("/dev/fuse");
        return names;
    }

    /// Makes the FAT image and mounts it; empty when the disk is there,
    /// otherwise why not.
    QString mount()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        keepMountsToThisProcess();
        const ChildResult made = run(toolPath(QStringLiteral("mkfs.vfat")),
                                     {QStringLiteral("-C"), image(), QStringLiteral("8192")});
        if (!made.ok)
            return QStringLiteral("mkfs.vfat failed: ") + made.output;
        if (!QDir().mkpath(root()))
            return QStringLiteral("cannot make the mount point ") + root();
        m_server.setProgram(toolPath(QStringLiteral("fusefat")));
        // -f: in the foreground, a child of this process; -s: one thread.
        // Where FUSE 2's own unmounter is there, it mounts the disk and
        // stays to unmount it whenever the server ends, even killed before
        // it could unmount itself.
        QString options = QStringLiteral("rw+");
        if (!toolPath(QStringLiteral("fusermount")).isEmpty())
            options += QStringLiteral(",auto_unmount");
        m_server.setArguments({QStringLiteral("-f"), QStringLiteral("-s"), QStringLiteral("-o"),
                               options, image(), root()});
        // It writes a line for every call it serves: to a file, never to a
        // pipe that nobody reads while the test waits on the disk.
        m_server.setStandardOutputFile(log());
        m_server.setStandardErrorFile(log(), QIODevice::Append);
        // The server ends with this process, which may die before it asks.
        const pid_t test = ::getpid();
        m_server.setChildProcessModifier([test] {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != test)
                ::_exit(1);
        });
        m_server.start();
        if (!m_server.waitForStarted(10000))
            return QStringLiteral("fusefat did not start: ") + m_server.errorString();
        if (!QTest::qWaitFor(
                [this] { return isMounted() || m_server.state() == QProcess::NotRunning; },
                10000) ||
            !isMounted()) {
            unmount();
            return QStringLiteral("fusefat did not mount the image: ") + logText();
        }
        return QString();
    }

    /// Where the disk is mounted, without a closing '/'.
    QString root() const { return m_dir.filePath(QStringLiteral("disk")); }

    /// Unmounts the disk, at last lazily, and waits for its server to end.
    /// True when it went without a lazy unmount: nothing held it.
    bool unmount()
    {
        if (m_server.state() == QProcess::NotRunning && !isMounted())
            return true;
        bool clean = false;
        for (const QStringList &command : unmounters(false)) {
            if (run(command.first(), command.mid(1) << root()).ok && !isMounted()) {
                clean = true;
                break;
            }
        }
        for (const QStringList &command : unmounters(true)) {
            if (!isMounted())
                break;
            run(command.first(), command.mid(1) << root());
        }
        // Unmounted, the server writes back what it holds and ends.
        if (!m_server.waitForFinished(10000)) {
            m_server.kill();
            m_server.waitForFinished(10000);
        }
        return clean && !isMounted();
    }

    /// After unmount(): empty when fsck.vfat finds the FAT whole (every
    /// file's clusters in use, no two files sharing one), otherwise what it
    /// found.
    QString check() const
    {
        const ChildResult checked =
            run(toolPath(QStringLiteral("fsck.vfat")), {QStringLiteral("-n"), image()});
        return checked.ok ? QString() : checked.output;
    }

    /// What the FUSE server wrote, for a failure's message.
    QString logText() const
    {
        QFile file(log());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(2000))
                                              : QString();
    }

private:
    struct ChildResult
    {
        bool ok = false;
        QString output;
    };

    QString image() const { return m_dir.filePath(QStringLiteral("disk.img")); }
    QString log() const { return m_dir.filePath(QStringLiteral("fusefat.log")); }

    // The disk is mounted while its mount point lies on another device than
    // the folder holding it, or no longer answers (a server gone).
    bool isMounted() const
    {
        struct stat point;
        struct stat parent;
        if (::stat(QFile::encodeName(m_dir.path()).constData(), &parent) != 0)
            return false;
        if (::stat(QFile::encodeName(root()).constData(), &point) != 0)
            return errno == ENOTCONN;
        return point.st_dev != parent.st_dev;
    }

    // Where this process may (as root), its mounts live in a mount
    // namespace of its own, which the kernel takes away with every mount in
    // it once this process and the servers it started have ended, however
    // they end: even a kill that lands while a server is still mounting
    // leaves no mount behind. Elsewhere the mounts are the machine's, and
    // unmount() and the servers' own ends take them away.
    static void keepMountsToThisProcess()
    {
        static const bool kept = ::unshare(CLONE_NEWNS) == 0 &&
                                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        Q_UNUSED(kept);
    }

    // The tools live in sbin folders, which a user's PATH may lack.
    static QString toolPath(const QString &name)
    {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
        return QStandardPaths::findExecutable(
            name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }

    // The commands that unmount a FUSE disk (its own unmounter, FUSE 2's or
    // FUSE 3's, then the system's), or those that detach it lazily.
    static QList<QStringList> unmounters(bool lazily)
    {
        QList<QStringList> commands;
        for (const char *name : {"fusermount", "fusermount3"}) {
            const QString path = toolPath(QString::fromLatin1(name));
            if (!path.isEmpty())
                commands << QStringList{path,
                                        lazily ? QStringLiteral("-uz") : QStringLiteral("-u")};
        }
        const QString umount = toolPath(QStringLiteral("umount"));
        if (!umount.isEmpty())
            commands << (lazily ? QStringList{umount, QStringLiteral("-l")} : QStringList{umount});
        return commands;
    }

    static ChildResult run(const QString &program, const QStringList &arguments)
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(program, arguments);
        const bool ended = child.waitForStarted(10000) && child.waitForFinished(30000);
        if (!ended)
            child.kill();
        return {ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                QString::fromLocal8Bit(child.readAll())};
    }

    QTemporaryDir m_dir;
    QProcess m_server;
};
