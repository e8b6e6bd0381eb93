#include "FailingSaves.h"
#include "ProgramFolder.h"
#include "TaskEntries.h"

#include <QtTest>

#include <memory>
#include <unistd.h>

using kiv::TaskEntries;

// The tasks of the task list as the task pane changes them, with the task
// list's reason when a change fails, and the rule for moving a task's device
// file to a new name.
class TestTaskEntries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addRefusesATakenName();
    void nameAndRemarkAreRewrittenInPlace();
    void removingATaskRemovesItsDeviceFile();
    void deviceFileRename_data();
    void deviceFileRename();
    void aDamagedListFailsWithItsReasonAndStaysAsItIs();
    void aFailedSaveGivesItsReason();
    void aNewTaskNeverTakesOverDevicesOfNoTask();
    void aDeletionThatCannotBeStoredKeepsTheDevices();
    void aRenameThatCannotBeStoredKeepsTheOldName();
    void aStepRefusesToStartOverTheRecordOfAnother();
    void aFileSetAsideWithoutARecordIsNeverRemoved();
    void aRenameInLetterCaseKeepsTheOneFile_data();
    void aRenameInLetterCaseKeepsTheOneFile();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

namespace {

TaskInfo task(const QString &name, const QString &remark = QString())
{
    TaskInfo info;
    info.name = name;
    info.remark = remark;
    return info;
}

QStringList stored()
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    file.tasks(tasks);
    QStringList out;
    for (const TaskInfo &t : tasks)
        out << t.name + QLatin1Char(':') + t.remark;
    return out;
}

void writeDeviceFile(const QString &name, const QString &type)
{
    TaskDeviceFile file(name);
    DeviceInfo d;
    d.deviceType = type;
    d.count = 1;
    QVERIFY(file.addDevice(d));
    QVERIFY(file.close());
}

// Every file of the Task folder, hidden ones too.
QStringList filesInTaskFolder()
{
    return QDir(QFileInfo(TaskListFile::filePath()).absolutePath())
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A remark that makes the task list larger than a device file of one device
// and than the record of a step: under a file size limit of kListOnlyLimit
// bytes only the list's save fails, after the step changed its files.
const QString kLongRemark = QString(600, QLatin1Char('r'));
constexpr rlim_t kListOnlyLimit = 512;

// Why a name whose device file %1 is there is refused.
const QString kStrayText = QStringLiteral("The file %1 holds the devices of no task. Move it out "
                                          "of the Task folder, or give the task another name.");

QString firstType(const QString &name)
{
    TaskDeviceFile file(name);
    DeviceInfo d;
    file.device(0, d);
    return d.deviceType;
}

} // namespace

void TestTaskEntries::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestTaskEntries::cleanup()
{
    m_folder.reset();
}

void TestTaskEntries::addRefusesATakenName()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"), QStringLiteral("east"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"))));
    QString reason = QStringLiteral("untouched");
    QVERIFY(!TaskEntries::add(task(QStringLiteral("Lobby"), QStringLiteral("west")), &reason));
    // A taken name is the list's rule, not the file's trouble.
    QCOMPARE(reason, QString());
    QCOMPARE(stored(), (QStringList{QStringLiteral("Lobby:east"), QStringLiteral("Hall:")}));
}

void TestTaskEntries::nameAndRemarkAreRewrittenInPlace()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"))));
    QVERIFY(TaskEntries::setNameRemark(task(QStringLiteral("Yard"), QStringLiteral("north")), 1,
                                       QStringLiteral("Hall")));
    QCOMPARE(stored(), (QStringList{QStringLiteral("Lobby:"), QStringLiteral("Yard:north")}));
    QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Gate")), 5, QStringLiteral("Yard")));
    QCOMPARE(stored().size(), 2);
}

void TestTaskEntries::removingATaskRemovesItsDeviceFile()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"))));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    QVERIFY(TaskEntries::removeAt(0, QStringLiteral("Lobby")));
    QCOMPARE(stored(), QStringList{QStringLiteral("Hall:")});
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
    QCOMPARE(filesInTaskFolder(), QStringList{QStringLiteral("Task.xml")});
}

void TestTaskEntries::deviceFileRename_data()
{
    QTest::addColumn<bool>("fromExists");
    QTest::addColumn<bool>("toExists");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("renamed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the devices move to the new name")
        << true << false << QStringLiteral("Hall") << true << QString();
    QTest::newRow("the devices move to a new name in letter case alone")
        << true << false << QStringLiteral("LOBBY") << true << QString();
    QTest::newRow("a name that already has a device file is refused")
        << true << true << QStringLiteral("Hall") << false << kStrayText;
    QTest::newRow("a name in other letter case that has a device file of its own is refused")
        << true << true << QStringLiteral("LOBBY") << false << kStrayText;
    QTest::newRow("a task without a device file takes any free name")
        << false << false << QStringLiteral("Hall") << true << QString();
    QTest::newRow("a name that cannot name a file is refused")
        << true << false << QStringLiteral("a/b") << false
        << QStringLiteral("The name contains illegal character");
}

void TestTaskEntries::deviceFileRename()
{
    QFETCH(bool, fromExists);
    QFETCH(bool, toExists);
    QFETCH(QString, to);
    QFETCH(bool, renamed);
    QFETCH(QString, reason);
    const QString from = QStringLiteral("Lobby");
    if (fromExists)
        writeDeviceFile(from, QStringLiteral("CAM-A"));
    if (toExists)
        writeDeviceFile(to, QStringLiteral("CAM-B"));
    QString given;
    QCOMPARE(TaskEntries::renameDeviceFile(from, to, &given), renamed);
    QCOMPARE(given, reason.contains(QLatin1String("%1"))
                        ? reason.arg(QDir::toNativeSeparators(TaskDeviceFile::filePath(to)))
                        : reason);
    if (renamed && fromExists) {
        QVERIFY(!QFile::exists(TaskDeviceFile::filePath(from)));
        QCOMPARE(firstType(to), QStringLiteral("CAM-A"));
    } else if (fromExists) {
        QCOMPARE(firstType(from), QStringLiteral("CAM-A"));
    }
    if (toExists)
        QCOMPARE(firstType(to), QStringLiteral("CAM-B"));
}

void TestTaskEntries::aDamagedListFailsWithItsReasonAndStaysAsItIs()
{
    const QByteArray damaged = "<?xml version=\"1.0\"?><TaskInfoList><Task><Na";
    QVERIFY(ProgramFolder::write(TaskListFile::filePath(), damaged));
    const QString expected = failurereason::ofTaskListOpen();
    QVERIFY(!expected.isEmpty());
    QString reason;
    QVERIFY(!TaskEntries::add(task(QStringLiteral("Lobby")), &reason));
    QCOMPARE(reason, expected);
    reason.clear();
    QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Lobby")), 0, QStringLiteral("Lobby"),
                                        &reason));
    QCOMPARE(reason, expected);
    reason.clear();
    QVERIFY(!TaskEntries::removeAt(0, QStringLiteral("Lobby"), &reason));
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(TaskListFile::filePath()), damaged);
}

void TestTaskEntries::aFailedSaveGivesItsReason()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"))));
    const QByteArray before = ProgramFolder::readAll(TaskListFile::filePath());
    QString added;
    QString edited;
    QString removed;
    QString expected;
    {
        FileSizeLimit full;
        QVERIFY(full.isActive());
        QVERIFY(!TaskEntries::add(task(QStringLiteral("Yard")), &added));
        QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Gate")), 0,
                                            QStringLiteral("Lobby"), &edited));
        QVERIFY(!TaskEntries::removeAt(1, QStringLiteral("Hall"), &removed));
        expected = failurereason::ofTaskListSave();
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(added, expected);
    QCOMPARE(edited, expected);
    QCOMPARE(removed, expected);
    QCOMPARE(ProgramFolder::readAll(TaskListFile::filePath()), before);
}

void TestTaskEntries::aNewTaskNeverTakesOverDevicesOfNoTask()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    // Left by a program stopped in the middle of an older rename.
    writeDeviceFile(QStringLiteral("Hall"), QStringLiteral("CAM-B"));
    QString reason;
    QVERIFY(!TaskEntries::add(task(QStringLiteral("Hall")), &reason));
    QCOMPARE(reason,
             QStringLiteral("The file %1 holds the devices of no task. Move it out of the "
                            "Task folder, or give the task another name.")
                 .arg(QDir::toNativeSeparators(TaskDeviceFile::filePath(QStringLiteral("Hall")))));
    QCOMPARE(stored(), QStringList{QStringLiteral("Lobby:")});
    QCOMPARE(firstType(QStringLiteral("Hall")), QStringLiteral("CAM-B"));
    // Nor does a rename onto that name.
    QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Hall")), 0, QStringLiteral("Lobby"),
                                        &reason));
    QCOMPARE(stored(), QStringList{QStringLiteral("Lobby:")});
}

void TestTaskEntries::aDeletionThatCannotBeStoredKeepsTheDevices()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"), kLongRemark)));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    const QStringList before = filesInTaskFolder();
    {
        FileSizeLimit full(kListOnlyLimit);
        QVERIFY(full.isActive());
        QVERIFY(!TaskEntries::removeAt(0, QStringLiteral("Lobby")));
    }
    QCOMPARE(stored(),
             (QStringList{QStringLiteral("Lobby:"), QStringLiteral("Hall:") + kLongRemark}));
    QCOMPARE(filesInTaskFolder(), before);
    QCOMPARE(firstType(QStringLiteral("Lobby")), QStringLiteral("CAM-A"));
}

void TestTaskEntries::aRenameThatCannotBeStoredKeepsTheOldName()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"), kLongRemark)));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    // As the task pane renames: the devices first, then the list, and the
    // devices back when the list cannot be stored.
    QVERIFY(TaskEntries::renameDeviceFile(QStringLiteral("Lobby"), QStringLiteral("Hall")));
    // While the list names Lobby, Lobby keeps its devices.
    QCOMPARE(firstType(QStringLiteral("Lobby")), QStringLiteral("CAM-A"));
    {
        FileSizeLimit full(kListOnlyLimit);
        QVERIFY(full.isActive());
        QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Hall"), kLongRemark), 0,
                                            QStringLiteral("Lobby")));
    }
    QVERIFY(TaskEntries::renameDeviceFile(QStringLiteral("Hall"), QStringLiteral("Lobby")));
    QCOMPARE(stored(), QStringList{QStringLiteral("Lobby:") + kLongRemark});
    QCOMPARE(filesInTaskFolder(),
             (QStringList{QStringLiteral("Lobby.xml"), QStringLiteral("Task.xml")}));
    QCOMPARE(firstType(QStringLiteral("Lobby")), QStringLiteral("CAM-A"));
}

void TestTaskEntries::aStepRefusesToStartOverTheRecordOfAnother()
{
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Hall"))));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    // What a start left that could not finish the deletion of Gate.
    const QString record = m_folder->file(QStringLiteral("Task/.varnel-step"));
    const QByteArray gate = "varnel-step 1\nkind delete\nold Gate\nmakes Gate.xml.trash\n";
    QVERIFY(ProgramFolder::write(record, gate));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(m_folder->root());
    const QString expected =
        QStringLiteral("The file %1 records a rename or a deletion of a task that was cut off and "
                       "could not be finished. Nothing was changed. Start the program again to "
                       "finish it; if the file is still there, move it out of the Task folder "
                       "once you have checked the device files of the tasks it names.")
            .arg(QDir::toNativeSeparators(record));
    QString renamed;
    QVERIFY(!TaskEntries::setNameRemark(task(QStringLiteral("Yard")), 0, QStringLiteral("Lobby"),
                                        &renamed));
    QCOMPARE(renamed, expected);
    QString removed;
    QVERIFY(!TaskEntries::removeAt(0, QStringLiteral("Lobby"), &removed));
    QCOMPARE(removed, expected);
    QCOMPARE(ProgramFolder::snapshot(m_folder->root()), before);
    // A task without devices changes no file but the list: its rename and
    // deletion need no record.
    QVERIFY(TaskEntries::setNameRemark(task(QStringLiteral("Yard")), 1, QStringLiteral("Hall")));
    QVERIFY(TaskEntries::removeAt(1, QStringLiteral("Yard")));
    QCOMPARE(ProgramFolder::readAll(record), gate);
}

void TestTaskEntries::aFileSetAsideWithoutARecordIsNeverRemoved()
{
    // What no step of the program recorded: a planner's file, or one an
    // older program left.
    const QString aside = m_folder->file(QStringLiteral("Task/Lobby.xml.trash"));
    const QByteArray devices = "<?xml version=\"1.0\"?><DeviceInfoList/>\n";
    QVERIFY(ProgramFolder::write(aside, devices));
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(m_folder->root());
    QString reason;
    QVERIFY(!TaskEntries::removeAt(0, QStringLiteral("Lobby"), &reason));
    QCOMPARE(reason, kStrayText.arg(QDir::toNativeSeparators(aside)));
    QCOMPARE(ProgramFolder::snapshot(m_folder->root()), before);
    QCOMPARE(ProgramFolder::readAll(aside), devices);
}

void TestTaskEntries::aRenameInLetterCaseKeepsTheOneFile_data()
{
    QTest::addColumn<bool>("caseBlind");
    QTest::addColumn<bool>("listTakesIt");
    QTest::addColumn<QStringList>("files");

    const QStringList both{QStringLiteral("LOBBY.xml"), QStringLiteral("Lobby.xml"),
                           QStringLiteral("Task.xml")};
    QTest::newRow("on a disk that ignores letter case a stored rename keeps the one file")
        << true << true << both;
    QTest::newRow("on a disk that ignores letter case a rename that cannot be stored keeps it")
        << true << false << both;
    QTest::newRow("on a disk that tells letter case apart the file takes the new spelling")
        << false << true << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Task.xml")};
    QTest::newRow("on a disk that tells letter case apart a rename not stored keeps the old one")
        << false << false << QStringList{QStringLiteral("Lobby.xml"), QStringLiteral("Task.xml")};
}

void TestTaskEntries::aRenameInLetterCaseKeepsTheOneFile()
{
    QFETCH(bool, caseBlind);
    QFETCH(bool, listTakesIt);
    QFETCH(QStringList, files);
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"), kLongRemark)));
    writeDeviceFile(QStringLiteral("Lobby"), QStringLiteral("CAM-A"));
    if (caseBlind) {
        // A second name of the file stands for the new spelling: both then
        // name one file (the same device and inode), as a disk that ignores
        // letter case shows them.
        QCOMPARE(::link(QFile::encodeName(TaskDeviceFile::filePath(QStringLiteral("Lobby"))),
                        QFile::encodeName(TaskDeviceFile::filePath(QStringLiteral("LOBBY")))),
                 0);
    }

    // As the task pane renames: the devices first, then the list, and the
    // devices back when the list cannot be stored.
    QVERIFY(TaskEntries::renameDeviceFile(QStringLiteral("Lobby"), QStringLiteral("LOBBY")));
    {
        std::unique_ptr<FileSizeLimit> full;
        if (!listTakesIt) {
            full = std::make_unique<FileSizeLimit>(kListOnlyLimit);
            QVERIFY(full->isActive());
        }
        QCOMPARE(TaskEntries::setNameRemark(task(QStringLiteral("LOBBY"), kLongRemark), 0,
                                            QStringLiteral("Lobby")),
                 listTakesIt);
    }
    if (!listTakesIt)
        QVERIFY(TaskEntries::renameDeviceFile(QStringLiteral("LOBBY"), QStringLiteral("Lobby")));

    QCOMPARE(stored(),
             QStringList{(listTakesIt ? QStringLiteral("LOBBY:") : QStringLiteral("Lobby:")) +
                         kLongRemark});
    QCOMPARE(filesInTaskFolder(), files);
    // Every spelling there, the listed one among them, holds the devices:
    // no name of the one file was removed.
    for (const QString &name : files) {
        if (name != QLatin1String("Task.xml"))
            QCOMPARE(firstType(name.chopped(4)), QStringLiteral("CAM-A"));
    }
}

QTEST_MAIN(TestTaskEntries)
#include "tst_taskentries.moc"
