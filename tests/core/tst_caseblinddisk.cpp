// The Task folder on a real disk that ignores letter case and gives each
// spelling of a name an inode number of its own: a FAT image made for each
// test and mounted through FUSE, where "Lobby.xml" and "LOBBY.xml" name one
// file. The start-up's repair, a recorded rename in letter case cut off at
// each point, the task pane's rename in letter case, and renames and
// deletions (by copies: FAT has no second names) keep every task's devices,
// name only what no task owns, and leave the FAT whole: after each test the
// disk is unmounted and fsck.vfat finds every file's clusters in use.
//
// Without fusefat, the FAT tools or /dev/fuse the test is skipped, with the
// reason; where the variable CI is set it fails instead, since CI walks it.
#include "CaseBlindDisk.h"
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskEntries.h>
#include <TaskFolder.h>
#include <TaskListFile.h>

#include <QTranslator>
#include <QtTest>

#include <memory>

using kiv::TaskEntries;

// Skips the test with @p why, or fails it where CI must walk it.
#define REQUIRE_DISK(why)                                                                          \
    do {                                                                                           \
        const QString problem = (why);                                                             \
        if (!problem.isEmpty()) {                                                                  \
            const QString text = QStringLiteral("no disk that ignores letter case: ") + problem;   \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL(qPrintable(text));                                                           \
            QSKIP(qPrintable(text));                                                               \
        }                                                                                          \
    } while (false)

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";

QByteArray listOf(const QStringList &names)
{
    QByteArray xml = kDeclaration + "<TaskInfoList>\n";
    for (const QString &name : names)
        xml += " <Task>\n  <Name>" + name.toUtf8() +
               "</Name>\n  <Type>0</Type>\n"
               "  <VideoStandard>0</VideoStandard>\n  <Remark/>\n </Task>\n";
    return xml + "</TaskInfoList>\n";
}

// A device file of one device of each (type, count).
QByteArray devicesOf(std::initializer_list<std::pair<const char *, int>> devices)
{
    QByteArray xml = kDeclaration + "<DeviceInfoList>\n";
    for (const auto &device : devices)
        xml += " <DeviceInfo>\n  <DeviceType>" + QByteArray(device.first) +
               "</DeviceType>\n  <Count>" + QByteArray::number(device.second) +
               "</Count>\n </DeviceInfo>\n";
    return xml + "</DeviceInfoList>\n";
}

// Lobby's three devices, and what the steps that only read a task show of
// them.
const QByteArray kLobbyDevices = devicesOf({{"KC-B21", 4}, {"KD-5230", 2}, {"KC-100", 1}});
const QStringList kLobbyShown{QStringLiteral("KC-B21*4"), QStringLiteral("KD-5230*2"),
                              QStringLiteral("KC-100*1")};
const QByteArray kGateDevices = devicesOf({{"KC-310", 6}});

QByteArray caseRenameRecord(const QByteArray &from, const QByteArray &to)
{
    return "varnel-step 1\nkind case-rename\nold " + from + "\nnew " + to + "\n";
}

QStringList shownDevices(const QString &name)
{
    QVector<DeviceRecord> records;
    if (!TaskDeviceFile::readRecords(name, DeviceParts(), records))
        return {QStringLiteral("unreadable")};
    QStringList types;
    for (const DeviceRecord &record : std::as_const(records))
        types << record.info.deviceType + QLatin1Char('*') + QString::number(record.info.count);
    return types;
}

QStringList storedNames()
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    file.tasks(tasks);
    QStringList names;
    for (const TaskInfo &t : std::as_const(tasks))
        names << t.name;
    return names;
}

TaskInfo task(const QString &name)
{
    TaskInfo info;
    info.name = name;
    return info;
}

// The reason a rename in letter case alone is refused on such a disk, with
// the device file's path for %1.
const QString kCaseText[] = {
    QStringLiteral("The disk that holds the Task folder does not tell letter case apart, and the "
                   "device file %1 cannot be given a name that differs from its own in letter "
                   "case alone there. Nothing was changed. Give the task a name that differs in "
                   "more than letter case."),
    QStringLiteral("Task 文件夹所在的磁盘不区分字母大小写，无法在其上把设备文件 %1 "
                   "改为仅大小写不同的名称。未做任何更改。请给任务起一个不只是大小写不同的名"
                   "称。")};

const QString kStrayText = QStringLiteral("The file %1 holds the devices of no task. Move it out "
                                          "of the Task folder, or give the task another name.");

} // namespace

class TestCaseBlindDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theStartKeepsATasksFileUnderAnotherSpelling_data();
    void theStartKeepsATasksFileUnderAnotherSpelling();
    void aRecordedRenameInLetterCaseEndsAsTheListSays_data();
    void aRecordedRenameInLetterCaseEndsAsTheListSays();
    void aRenameInLetterCaseAloneKeepsTheDevices_data();
    void aRenameInLetterCaseAloneKeepsTheDevices();
    void aRenameOrADeletionTakesTheDevicesAlong_data();
    void aRenameOrADeletionTakesTheDevicesAlong();

private:
    QString file(const QString &name) const
    {
        return m_programFolder + QStringLiteral("/Task/") + name;
    }
    QStringList filesInTaskFolder() const
    {
        return QDir(m_programFolder + QStringLiteral("/Task"))
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    std::unique_ptr<CaseBlindDisk> m_disk;
    QString m_programFolder;
};

void TestCaseBlindDisk::initTestCase()
{
    const QStringList missing = CaseBlindDisk::missing();
    REQUIRE_DISK(missing.isEmpty()
                     ? QString()
                     : QStringLiteral("missing ") + missing.join(QStringLiteral(", ")));
    // What every test here stands on: the disk finds the file under another
    // spelling, lists it under its own, and gives the two an inode number
    // each, as the branches for such a disk expect.
    CaseBlindDisk disk;
    REQUIRE_DISK(disk.mount());
    const QString lobby = disk.root() + QStringLiteral("/Lobby.xml");
    const QString upper = disk.root() + QStringLiteral("/LOBBY.xml");
    QVERIFY(ProgramFolder::write(lobby, kLobbyDevices));
    QCOMPARE(ProgramFolder::readAll(upper), kLobbyDevices);
    QCOMPARE(QDir(disk.root()).entryList(QDir::Files), QStringList{QStringLiteral("Lobby.xml")});
    QVERIFY2(!TaskFolder::sameFile(lobby, upper),
             "the disk gives both spellings one inode number: the branch for a disk that does "
             "not goes untested");
    QVERIFY(disk.unmount());
    QCOMPARE(disk.check(), QString());
}

void TestCaseBlindDisk::init()
{
    m_disk = std::make_unique<CaseBlindDisk>();
    REQUIRE_DISK(m_disk->mount());
    m_programFolder = m_disk->root() + QStringLiteral("/Varnel");
    QVERIFY(QDir().mkpath(m_programFolder + QStringLiteral("/Task")));
    KavrinGUIToolkit::SetTargetPath(m_programFolder);
}

void TestCaseBlindDisk::cleanup()
{
    KavrinGUIToolkit::SetTargetPath(QString());
    // Whatever the test did, no mount stays behind; the checks below only
    // count for a test that ran on the disk.
    const bool mounted = !m_programFolder.isEmpty();
    const bool unmounted = m_disk->unmount();
    const QString check = mounted ? m_disk->check() : QString();
    const QString log = m_disk->logText();
    m_disk.reset();
    m_programFolder.clear();
    QVERIFY2(unmounted, qPrintable(QStringLiteral("the disk was held: ") + log));
    QVERIFY2(check.isEmpty(), qPrintable(QStringLiteral("the FAT is not whole:\n") + check));
}

void TestCaseBlindDisk::theStartKeepsATasksFileUnderAnotherSpelling_data()
{
    // A file beside Lobby's, with the same bytes; empty for none.
    QTest::addColumn<QString>("copy");

    QTest::newRow("the only file of the listed LOBBY, written Lobby.xml, is its own") << QString();
    QTest::newRow("a byte copy beside it under another name stays and is named")
        << QStringLiteral("Lobby copy.xml");
}

void TestCaseBlindDisk::theStartKeepsATasksFileUnderAnotherSpelling()
{
    QFETCH(QString, copy);
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Task.xml")),
                                 listOf({QStringLiteral("Gate"), QStringLiteral("LOBBY")})));
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Gate.xml")), kGateDevices));
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Lobby.xml")), kLobbyDevices));
    if (!copy.isEmpty())
        QVERIFY(ProgramFolder::write(file(copy), kLobbyDevices));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(m_programFolder);

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.strayDeviceFiles, copy.isEmpty() ? QStringList() : QStringList{file(copy)});
    QCOMPARE(repair.unfinishedStep, QString());
    QCOMPARE(ProgramFolder::snapshot(m_programFolder), before);
    QCOMPARE(shownDevices(QStringLiteral("LOBBY")), kLobbyShown);
    QCOMPARE(shownDevices(QStringLiteral("Gate")), QStringList{QStringLiteral("KC-310*6")});
}

void TestCaseBlindDisk::aRecordedRenameInLetterCaseEndsAsTheListSays_data()
{
    // The name the list holds, the spelling the device file was written
    // under, and how the step ended.
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("undone");

    QTest::newRow("cut off after its record, the rename is undone")
        << QStringLiteral("Lobby") << QStringLiteral("Lobby.xml") << 0 << 1;
    QTest::newRow("cut off after the list took the new spelling, it is finished")
        << QStringLiteral("LOBBY") << QStringLiteral("Lobby.xml") << 1 << 0;
    QTest::newRow("cut off after the file took the new spelling, it is finished")
        << QStringLiteral("LOBBY") << QStringLiteral("LOBBY.xml") << 1 << 0;
    QTest::newRow("the file under the new spelling while the list holds the old, it is undone")
        << QStringLiteral("Lobby") << QStringLiteral("LOBBY.xml") << 0 << 1;
}

void TestCaseBlindDisk::aRecordedRenameInLetterCaseEndsAsTheListSays()
{
    QFETCH(QString, listed);
    QFETCH(QString, written);
    QFETCH(int, finished);
    QFETCH(int, undone);
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Task.xml")),
                                 listOf({QStringLiteral("Gate"), listed})));
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Gate.xml")), kGateDevices));
    QVERIFY(ProgramFolder::write(file(written), kLobbyDevices));
    QVERIFY(ProgramFolder::write(file(QStringLiteral(".varnel-step")),
                                 caseRenameRecord("Lobby", "LOBBY")));

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.unfinishedStep, QString());
    QCOMPARE(repair.renamesFinished, finished);
    QCOMPARE(repair.renamesUndone, undone);
    QCOMPARE(repair.strayDeviceFiles, QStringList());
    // The one file stays, whole, under the spelling the disk holds: the
    // listed one finds it there.
    QCOMPARE(filesInTaskFolder(),
             (QStringList{QStringLiteral("Gate.xml"), written, QStringLiteral("Task.xml")}));
    QCOMPARE(ProgramFolder::readAll(file(written)), kLobbyDevices);
    QCOMPARE(shownDevices(listed), kLobbyShown);
    // The next start finds nothing left to do.
    const TaskFolderRepair next = TaskFolder::open();
    QCOMPARE(next.renamesFinished + next.renamesUndone, 0);
    QCOMPARE(next.strayDeviceFiles, QStringList());
}

void TestCaseBlindDisk::aRenameInLetterCaseAloneKeepsTheDevices_data()
{
    QTest::addColumn<bool>("withDevices");
    // The interface language: 0 English, 1 Chinese.
    QTest::addColumn<int>("language");

    QTest::newRow("a task with devices is refused, with the reason in English") << true << 0;
    QTest::newRow("a task with devices is refused, with the reason in Chinese") << true << 1;
    QTest::newRow("a task without devices takes the new spelling") << false << 0;
}

void TestCaseBlindDisk::aRenameInLetterCaseAloneKeepsTheDevices()
{
    QFETCH(bool, withDevices);
    QFETCH(int, language);
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    if (withDevices)
        QVERIFY(ProgramFolder::write(file(QStringLiteral("Lobby.xml")), kLobbyDevices));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(m_programFolder);

    QTranslator chinese;
    if (language == 1) {
        QVERIFY(chinese.load(QStringLiteral(VARNEL_PROGRAM_DIR "/translations/Varnel_zh.qm")));
        QCoreApplication::installTranslator(&chinese);
    }
    // As the task pane renames: the devices' new name asked for first, then
    // the list and the devices together.
    QString asked;
    QString stored;
    const bool mayMove =
        TaskEntries::renameDeviceFile(QStringLiteral("Lobby"), QStringLiteral("LOBBY"), &asked);
    const bool renamed = TaskEntries::setNameRemark(task(QStringLiteral("LOBBY")), 0,
                                                    QStringLiteral("Lobby"), &stored);
    QCoreApplication::removeTranslator(&chinese);

    QCOMPARE(mayMove, !withDevices);
    QCOMPARE(renamed, !withDevices);
    if (withDevices) {
        const QString reason =
            kCaseText[language].arg(QDir::toNativeSeparators(file(QStringLiteral("Lobby.xml"))));
        QCOMPARE(asked, reason);
        QCOMPARE(stored, reason);
        QCOMPARE(storedNames(), QStringList{QStringLiteral("Lobby")});
        QCOMPARE(ProgramFolder::snapshot(m_programFolder), before);
        QCOMPARE(shownDevices(QStringLiteral("Lobby")), kLobbyShown);
    } else {
        QCOMPARE(storedNames(), QStringList{QStringLiteral("LOBBY")});
        QCOMPARE(filesInTaskFolder(), QStringList{QStringLiteral("Task.xml")});
    }
}

void TestCaseBlindDisk::aRenameOrADeletionTakesTheDevicesAlong_data()
{
    // Lobby's name in the list and the spelling its device file was written
    // under; the new name, empty for a deletion; the reason for a refusal
    // (with the path of the file it names for %1), empty when it is done.
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("refusal");

    const QString lobby = QStringLiteral("Lobby");
    const QString lobbyFile = QStringLiteral("Lobby.xml");
    const QString upper = QStringLiteral("LOBBY");
    const QString hall = QStringLiteral("Hall");
    QTest::newRow("a rename takes the devices to the new name")
        << lobby << lobbyFile << hall << QString();
    QTest::newRow("a rename takes them from a file under another spelling")
        << upper << lobbyFile << hall << QString();
    QTest::newRow("a deletion removes the devices") << lobby << lobbyFile << QString() << QString();
    QTest::newRow("a deletion removes them from a file under another spelling")
        << upper << lobbyFile << QString() << QString();
    // Gate's file answers to "GATE.xml": the two tasks would share it.
    QTest::newRow("a new name whose spelling finds another task's file is refused")
        << lobby << lobbyFile << QStringLiteral("GATE") << kStrayText;
}

void TestCaseBlindDisk::aRenameOrADeletionTakesTheDevicesAlong()
{
    QFETCH(QString, listed);
    QFETCH(QString, written);
    QFETCH(QString, newName);
    QFETCH(QString, refusal);
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Task.xml")),
                                 listOf({QStringLiteral("Gate"), listed})));
    QVERIFY(ProgramFolder::write(file(QStringLiteral("Gate.xml")), kGateDevices));
    QVERIFY(ProgramFolder::write(file(written), kLobbyDevices));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(m_programFolder);

    QString reason;
    if (newName.isEmpty()) {
        QVERIFY(TaskEntries::removeAt(1, listed, &reason));
    } else {
        const bool done = TaskEntries::renameDeviceFile(listed, newName, &reason) &&
                          TaskEntries::setNameRemark(task(newName), 1, listed, &reason);
        QCOMPARE(done, refusal.isEmpty());
    }
    QCOMPARE(reason,
             refusal.isEmpty()
                 ? QString()
                 : refusal.arg(QDir::toNativeSeparators(file(newName + QStringLiteral(".xml")))));

    QStringList files{QStringLiteral("Gate.xml"), QStringLiteral("Task.xml")};
    if (!refusal.isEmpty()) {
        QCOMPARE(ProgramFolder::snapshot(m_programFolder), before);
        QCOMPARE(shownDevices(listed), kLobbyShown);
    } else if (!newName.isEmpty()) {
        QCOMPARE(storedNames(), (QStringList{QStringLiteral("Gate"), newName}));
        files << newName + QStringLiteral(".xml");
        QCOMPARE(ProgramFolder::readAll(file(newName + QStringLiteral(".xml"))), kLobbyDevices);
        QCOMPARE(shownDevices(newName), kLobbyShown);
        files.sort();
        QCOMPARE(filesInTaskFolder(), files);
    } else {
        QCOMPARE(storedNames(), QStringList{QStringLiteral("Gate")});
        QCOMPARE(filesInTaskFolder(), files);
    }
    QCOMPARE(shownDevices(QStringLiteral("Gate")), QStringList{QStringLiteral("KC-310*6")});
    // The next start finds nothing to put right or to name.
    const TaskFolderRepair next = TaskFolder::open();
    QCOMPARE(next.renamesFinished + next.renamesUndone + next.deletionsFinished +
                 next.deletionsUndone,
             0);
    QCOMPARE(next.strayDeviceFiles, QStringList());
    QCOMPARE(next.unfinishedStep, QString());
}

QTEST_GUILESS_MAIN(TestCaseBlindDisk)
#include "tst_caseblinddisk.moc"
