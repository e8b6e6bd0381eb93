// The lock a running program holds in its Task folder: one holder at a time,
// let go when the holder ends, a lock whose owner is gone taken over, a
// folder that takes no lock left to the start's folder check, and the
// start-up scan of the folder passing over the lock.
#include "ProgramFolder.h"

#include <TaskFolder.h>
#include <TaskFolderLock.h>
#include <TaskListFile.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using State = TaskFolderLock::State;
Q_DECLARE_METATYPE(TaskFolderLock::State)

class TestTaskFolderLock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneHolderAtATimeUntilItEnds();
    void aLockThatNamesNobody_data();
    void aLockThatNamesNobody();
    void aFolderThatTakesNoLockIsLeftToTheFolderCheck();
    void writersOfTheFolderMayTakeTheLockOver();
    void theStartUpScanPassesOverTheLock();

private:
    QString lockPath() const
    {
        return TaskFolder::path() + QLatin1Char('/') + TaskFolder::lockFileName();
    }

    std::unique_ptr<ProgramFolder> m_folder;
};

void TestTaskFolderLock::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestTaskFolderLock::cleanup()
{
    m_folder.reset();
}

void TestTaskFolderLock::oneHolderAtATimeUntilItEnds()
{
    QCOMPARE(TaskFolder::lockFileName(), QStringLiteral(".Varnel.lock"));
    auto first = std::make_unique<TaskFolderLock>(TaskFolder::path());
    QCOMPARE(first->acquire(), State::Held);
    QCOMPARE(first->filePath(), lockPath());
    QVERIFY(QFile::exists(lockPath()));
    // Asked again, the holder still holds it.
    QCOMPARE(first->acquire(), State::Held);

    TaskFolderLock second(TaskFolder::path());
    QCOMPARE(second.acquire(), State::HeldElsewhere);
    first.reset();
    QVERIFY(!QFile::exists(lockPath()));
    QCOMPARE(second.acquire(), State::Held);
}

void TestTaskFolderLock::aLockThatNamesNobody_data()
{
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<State>("state");
    // A start killed between making the lock file and writing its owner.
    QTest::newRow("an empty lock a minute old is taken over") << 60 << State::Held;
    // A start under way writes its owner at once.
    QTest::newRow("an empty lock just made is left to the start that made it")
        << 0 << State::HeldElsewhere;
}

void TestTaskFolderLock::aLockThatNamesNobody()
{
    QFETCH(int, ageSeconds);
    QFETCH(State, state);
    QVERIFY(ProgramFolder::write(lockPath(), QByteArray()));
    QFile file(lockPath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
    file.close();
    TaskFolderLock lock(TaskFolder::path());
    QCOMPARE(lock.acquire(), state);
    QVERIFY(QFile::exists(lockPath()));
}

void TestTaskFolderLock::aFolderThatTakesNoLockIsLeftToTheFolderCheck()
{
    // A file where the folder should be: no folder can be made there.
    const QString task = TaskFolder::path();
    QVERIFY(QDir(task).removeRecursively());
    QVERIFY(ProgramFolder::write(task, "in the way"));
    TaskFolderLock lock(task);
    QCOMPARE(lock.acquire(), State::Unavailable);
    QCOMPARE(ProgramFolder::readAll(task), QByteArray("in the way"));
}

void TestTaskFolderLock::writersOfTheFolderMayTakeTheLockOver()
{
    // Taking over the lock of a program that is gone opens the file for
    // writing: whoever may write the folder may write the lock.
    using P = QFileDevice;
    const P::Permissions folder = P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadGroup |
                                  P::WriteGroup | P::ExeGroup | P::ReadOther | P::ExeOther;
    QVERIFY(QFile::setPermissions(TaskFolder::path(), folder));
    TaskFolderLock lock(TaskFolder::path());
    QCOMPARE(lock.acquire(), State::Held);
    const P::Permissions file = QFile::permissions(lockPath());
    QVERIFY(file.testFlag(P::WriteGroup));
    QVERIFY(file.testFlag(P::ReadGroup));
    QVERIFY(!file.testFlag(P::WriteOther));
}

void TestTaskFolderLock::theStartUpScanPassesOverTheLock()
{
    {
        TaskListFile list;
        TaskInfo lobby;
        lobby.name = QStringLiteral("Lobby");
        QVERIFY(list.addTask(lobby));
        QVERIFY(list.close());
    }
    TaskFolderLock lock(TaskFolder::path());
    QCOMPARE(lock.acquire(), State::Held);
    // What the lock makes for a moment while it takes over a stale one.
    const QString companion = lockPath() + QStringLiteral(".rmlock");
    QVERIFY(ProgramFolder::write(companion, "4242\nVarnel\nhost\n"));
    const QByteArray held = ProgramFolder::readAll(lockPath());

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.temporariesRemoved, 0);
    QCOMPARE(repair.strayDeviceFiles, QStringList());
    QCOMPARE(ProgramFolder::readAll(lockPath()), held);
    QCOMPARE(ProgramFolder::readAll(companion), QByteArray("4242\nVarnel\nhost\n"));
}

QTEST_GUILESS_MAIN(TestTaskFolderLock)
#include "tst_taskfolderlock.moc"
