#include <CKavrinApplication.h>
#include <LockFile.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <cstring>

// The stand-alone calculator's single-instance lock: one holder per key and
// user, and the lock of a copy that crashed does not block the next start.
class TestLensInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void oneHolderPerKey();
    void otherKeysAndFoldersDoNotMeet();
    void lockOfACrashedCopyIsTakenOver();
    void unwritableFolderIsNoOtherInstance();
};

using KavrinGUIToolkit::CLockFile;
using State = CLockFile::State;

namespace {

const QString kKey = QStringLiteral("PendrikTest");

// Runs this test program as a helper that takes the lock and waits.
bool startHolder(QProcess &holder, const QString &folder)
{
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold-lock"), folder, kKey});
    if (!holder.waitForStarted(10000) || !holder.waitForReadyRead(10000))
        return false;
    return holder.readAllStandardOutput().trimmed() == "locked";
}

// The lock of the stand-alone calculator @p key in @p folder.
std::unique_ptr<CLockFile> lensLock(const QString &key, const QString &folder)
{
    return std::make_unique<CLockFile>(CKavrinApplication::lockFilePath(key, folder));
}

} // namespace

void TestLensInstanceLock::oneHolderPerKey()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    auto first = lensLock(kKey, folder.path());
    QCOMPARE(first->acquire(), State::Held);
    QCOMPARE(first->acquire(), State::Held); // asking again changes nothing
    QVERIFY(QFile::exists(first->filePath()));

    QCOMPARE(lensLock(kKey, folder.path())->acquire(), State::HeldElsewhere);

    first.reset();
    QCOMPARE(lensLock(kKey, folder.path())->acquire(), State::Held);
}

void TestLensInstanceLock::otherKeysAndFoldersDoNotMeet()
{
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    const auto held = lensLock(kKey, folder.path());
    QCOMPARE(held->acquire(), State::Held);
    const auto otherKey = lensLock(QStringLiteral("Varnel"), folder.path());
    QCOMPARE(otherKey->acquire(), State::Held);
    const auto elsewhere = lensLock(kKey, otherFolder.path());
    QCOMPARE(elsewhere->acquire(), State::Held);
}

void TestLensInstanceLock::lockOfACrashedCopyIsTakenOver()
{
    QTemporaryDir folder;
    QProcess holder;
    QVERIFY(startHolder(holder, folder.path()));
    QCOMPARE(lensLock(kKey, folder.path())->acquire(), State::HeldElsewhere);
    // A crash: the holder is killed and leaves its lock file behind.
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    const auto next = lensLock(kKey, folder.path());
    QVERIFY(QFile::exists(next->filePath()));
    QCOMPARE(next->acquire(), State::Held);
}

void TestLensInstanceLock::unwritableFolderIsNoOtherInstance()
{
    // A "folder" that is a plain file: no lock file can be made in it,
    // whatever the rights of the user running the test.
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("plain-file"));
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(lensLock(kKey, notAFolder)->acquire(), State::Unavailable);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        const auto lock =
            lensLock(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]));
        std::puts(lock->acquire() == State::Held ? "locked" : "not locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    QCoreApplication app(argc, argv);
    TestLensInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lens_instance_lock.moc"
