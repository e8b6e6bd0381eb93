#include <CInstanceLock.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <cstring>

// The stand-alone calculator's single-instance lock: one holder per key, and
// the lock of a copy that crashed does not block the next start.
class TestLensInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void oneHolderPerKey();
    void otherKeysAndFoldersDoNotMeet();
    void lockOfACrashedCopyIsTakenOver();
    void unwritableFolderIsNoOtherInstance();
};

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

} // namespace

void TestLensInstanceLock::oneHolderPerKey()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    auto first = std::make_unique<CInstanceLock>(kKey, folder.path());
    QCOMPARE(first->acquire(), CInstanceLock::Acquired);
    QCOMPARE(first->acquire(), CInstanceLock::Acquired); // asking again changes nothing
    QVERIFY(QFile::exists(first->lockFilePath()));

    CInstanceLock second(kKey, folder.path());
    QCOMPARE(second.acquire(), CInstanceLock::HeldByOther);

    first.reset();
    CInstanceLock third(kKey, folder.path());
    QCOMPARE(third.acquire(), CInstanceLock::Acquired);
}

void TestLensInstanceLock::otherKeysAndFoldersDoNotMeet()
{
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    CInstanceLock held(kKey, folder.path());
    QCOMPARE(held.acquire(), CInstanceLock::Acquired);
    CInstanceLock otherKey(QStringLiteral("Varnel"), folder.path());
    QCOMPARE(otherKey.acquire(), CInstanceLock::Acquired);
    CInstanceLock elsewhere(kKey, otherFolder.path());
    QCOMPARE(elsewhere.acquire(), CInstanceLock::Acquired);
}

void TestLensInstanceLock::lockOfACrashedCopyIsTakenOver()
{
    QTemporaryDir folder;
    QProcess holder;
    QVERIFY(startHolder(holder, folder.path()));
    {
        CInstanceLock whileRunning(kKey, folder.path());
        QCOMPARE(whileRunning.acquire(), CInstanceLock::HeldByOther);
    }
    // A crash: the holder is killed and leaves its lock file behind.
    holder.kill();
    QVERIFY(holder.waitForFinished(10000));
    CInstanceLock next(kKey, folder.path());
    QVERIFY(QFile::exists(next.lockFilePath()));
    QCOMPARE(next.acquire(), CInstanceLock::Acquired);
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
    CInstanceLock lock(kKey, notAFolder);
    QCOMPARE(lock.acquire(), CInstanceLock::Failed);
}

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        CInstanceLock lock(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]));
        std::puts(lock.acquire() == CInstanceLock::Acquired ? "locked" : "not locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    QCoreApplication app(argc, argv);
    TestLensInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lens_instance_lock.moc"
