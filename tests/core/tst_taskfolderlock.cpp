// The lock a running program holds in its Task folder: one holder at a time,
// let go when the holder ends, a lock whose owner is gone taken over, a lock
// of another machine taken over once that machine stopped marking it, a held
// lock marked as alive, a folder that takes no lock left to the start's
// folder check, and the start-up scan of the folder passing over the lock.
#include "ProgramFolder.h"

#include <TaskFolder.h>
#include <TaskFolderLock.h>
#include <TaskListFile.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    void aLockOfAnotherMachine_data();
    void aLockOfAnotherMachine();
    void aLiveProgramOfThisMachineKeepsItsLockHoweverOld();
    void aHeldLockIsMarkedAsAlive();
    void aLockTakenOverFromTheHolderIsLeftToItsNewOwner();
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
    QVERIFY(ProgramFolder::backdate(lockPath(), ageSeconds));
    TaskFolderLock lock(TaskFolder::path());
    QCOMPARE(lock.acquire(), state);
    QVERIFY(QFile::exists(lockPath()));
}

void TestTaskFolderLock::aLockOfAnotherMachine_data()
{
    QTest::addColumn<qint64>("ageSeconds"); // since the lock was last marked
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("otherMachine");
    QTest::addColumn<QString>("logged"); // the take-over, told in the log
    // Killed or switched off two days ago: nothing marks its lock since.
    QTest::newRow("a lock left two days ago is taken over")
        << qint64(2 * 24 * 3600) << State::Held << QString()
        << QStringLiteral("last marked as alive 1728\\d\\d s ago");
    QTest::newRow("a lock not marked for six minutes is taken over")
        << qint64(6 * 60) << State::Held << QString()
        << QStringLiteral("last marked as alive 36\\d s ago");
    QTest::newRow("a lock marked four minutes ago is left to that machine")
        << qint64(4 * 60) << State::HeldElsewhere << QStringLiteral("planning-pc-2") << QString();
    // That machine's clock runs ahead of this one's.
    QTest::newRow("a lock marked ten minutes from now is left to that machine")
        << qint64(-10 * 60) << State::HeldElsewhere << QStringLiteral("planning-pc-2") << QString();
}

void TestTaskFolderLock::aLockOfAnotherMachine()
{
    QFETCH(qint64, ageSeconds);
    QFETCH(State, state);
    QFETCH(QString, otherMachine);
    QFETCH(QString, logged);
    const QByteArray held("4242\nVarnel\nplanning-pc-2\n");
    QVERIFY(ProgramFolder::write(lockPath(), held));
    QVERIFY(ProgramFolder::backdate(lockPath(), ageSeconds));
    if (logged.isEmpty()) {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("took over")));
    } else {
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("^took over the lock %1 of process "
                                                            "4242 \\(Varnel\\) on planning-pc-2, ")
                                                 .arg(QRegularExpression::escape(lockPath())) +
                                             logged));
    }
    TaskFolderLock lock(TaskFolder::path());
    QCOMPARE(lock.acquire(), state);
    QCOMPARE(lock.otherMachine(), otherMachine);
    if (state == State::HeldElsewhere)
        QCOMPARE(ProgramFolder::readAll(lockPath()), held);
}

void TestTaskFolderLock::aLiveProgramOfThisMachineKeepsItsLockHoweverOld()
{
    // Whether a program of this machine runs is asked, never guessed from
    // the age of its lock: it may run for days.
    TaskFolderLock running(TaskFolder::path());
    QCOMPARE(running.acquire(), State::Held);
    QVERIFY(ProgramFolder::backdate(lockPath(), 2 * 24 * 3600));
    TaskFolderLock second(TaskFolder::path());
    QCOMPARE(second.acquire(), State::HeldElsewhere);
    QCOMPARE(second.otherMachine(), QString());
}

void TestTaskFolderLock::aHeldLockIsMarkedAsAlive()
{
    using namespace std::chrono_literals;
    TaskFolderLock lock(TaskFolder::path(), KavrinGUIToolkit::LockTiming{20ms, 5min});
    QCOMPARE(lock.acquire(), State::Held);
    const QByteArray owner = ProgramFolder::readAll(lockPath());
    QVERIFY(ProgramFolder::backdate(lockPath(), 3600));
    QTRY_VERIFY(QFileInfo(lockPath()).lastModified().secsTo(QDateTime::currentDateTime()) < 60);
    // Only its time changed: it still names its owner.
    QCOMPARE(ProgramFolder::readAll(lockPath()), owner);
}

void TestTaskFolderLock::aLockTakenOverFromTheHolderIsLeftToItsNewOwner()
{
    // This program's lock went unmarked for a while (the machine slept) and
    // another machine took it over: ending, this program leaves the new
    // owner's lock where it is.
    auto lock = std::make_unique<TaskFolderLock>(TaskFolder::path());
    QCOMPARE(lock->acquire(), State::Held);
    QVERIFY(QFile::remove(lockPath()));
    const QByteArray newOwner("4242\nVarnel\nplanning-pc-2\n");
    QVERIFY(ProgramFolder::write(lockPath(), newOwner));
    lock.reset();
    QCOMPARE(ProgramFolder::readAll(lockPath()), newOwner);
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
