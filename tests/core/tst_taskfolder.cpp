// Opening the Task folder as the start-up does, on what a program stopped in
// the middle of a save, a rename or a deletion leaves: the temporary files of
// its saves are removed, the one step it recorded is finished or undone as
// the list says, every listed task keeps its devices, and every other file
// of a task (a device file of no task, a copy, another spelling, a file set
// aside) is kept and named or left alone, never removed.
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskFolder.h>
#include <TaskListFile.h>

#include <QtTest>

#include <unistd.h>

namespace {

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";

// @p text with every character beyond ASCII as a character reference, which
// reads the same whatever the declared encoding.
QByteArray asciiOf(const QString &text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4())
        out += c < 0x80 ? QByteArray(1, char(c)) : "&#" + QByteArray::number(uint(c)) + ';';
    return out;
}

QByteArray listOf(const QStringList &names)
{
    QByteArray xml = kDeclaration + "<TaskInfoList>\n";
    for (const QString &name : names)
        xml += " <Task>\n  <Name>" + asciiOf(name) +
               "</Name>\n  <Type>0</Type>\n"
               "  <VideoStandard>0</VideoStandard>\n  <Remark/>\n </Task>\n";
    return xml + "</TaskInfoList>\n";
}

QByteArray devicesOf(const char *type, int count)
{
    return kDeclaration + "<DeviceInfoList>\n <DeviceInfo>\n  <DeviceType>" + type +
           "</DeviceType>\n  <Count>" + QByteArray::number(count) +
           "</Count>\n </DeviceInfo>\n</DeviceInfoList>\n";
}

QStringList filesIn(const ProgramFolder &folder)
{
    return QDir(folder.file(QStringLiteral("Task")))
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString task(const QString &name)
{
    return QStringLiteral("Task/") + name;
}

// The records of the steps, as the program writes them.
QByteArray renameRecord(const QByteArray &from, const QByteArray &to)
{
    return "varnel-step 1\nkind rename\nold " + from + "\nnew " + to + "\nmakes " + to + ".xml\n";
}

QByteArray caseRenameRecord(const QByteArray &from, const QByteArray &to)
{
    return "varnel-step 1\nkind case-rename\nold " + from + "\nnew " + to + "\n";
}

QByteArray deleteRecord(const QByteArray &name)
{
    return "varnel-step 1\nkind delete\nold " + name + "\nmakes " + name + ".xml.trash\n";
}

// The device types of the task's devices as the steps that only read them
// read them; empty for a task that shows none.
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

} // namespace

class TestTaskFolder : public QObject
{
    Q_OBJECT

private slots:
    void leftoversOfCutOffSavesAreRemoved_data();
    void leftoversOfCutOffSavesAreRemoved();
    void aRecordedStepEndsAsTheListSays_data();
    void aRecordedStepEndsAsTheListSays();
    void aRecordThatCannotBeTakenIsLeftAlone_data();
    void aRecordThatCannotBeTakenIsLeftAlone();
    void withoutARecordNoFileOfATaskIsRemoved_data();
    void withoutARecordNoFileOfATaskIsRemoved();
    void aDeviceFileOfNoTaskIsKeptAndNamed();
    void aDeviceFileUnderAnotherSpellingOfAListedName_data();
    void aDeviceFileUnderAnotherSpellingOfAListedName();
    void aListThatCannotBeReadLeavesEveryDeviceFile();
};

void TestTaskFolder::leftoversOfCutOffSavesAreRemoved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    // Named to the planner as a file an earlier version may have left.
    QTest::addColumn<bool>("named");

    QTest::newRow("a temporary of a save goes")
        << QStringLiteral(".varnel-save-AbCdEf") << true << false;
    QTest::newRow("a temporary of a save with digits in its random part goes")
        << QStringLiteral(".varnel-save-a1B2c3") << true << false;
    QTest::newRow("the start-up's probe of the folder goes")
        << QStringLiteral(".write-probe-4242") << true << false;
    QTest::newRow("five random characters are no temporary")
        << QStringLiteral(".varnel-save-AbCdE") << false << false;
    QTest::newRow("seven random characters are no temporary")
        << QStringLiteral(".varnel-save-AbCdEfG") << false << false;
    QTest::newRow("a name without the leading dot is no temporary")
        << QStringLiteral("varnel-save-AbCdEf") << false << false;
    QTest::newRow("a name of other letter case is no temporary")
        << QStringLiteral(".Varnel-save-AbCdEf") << false << false;
    QTest::newRow("a name with more behind it is no temporary")
        << QStringLiteral(".varnel-save-AbCdEf~") << false << false;
    QTest::newRow("a sign among the random characters is no temporary")
        << QStringLiteral(".varnel-save-Ab-dEf") << false << false;
    // What earlier versions named their temporary files, and a planner may
    // name a copy: kept whole, and named.
    QTest::newRow("a backup of the task list the planner made stays and is named")
        << QStringLiteral("Task.xml.backup") << false << true;
    QTest::newRow("a backup of a device file the planner made stays and is named")
        << QStringLiteral("Lobby.xml.backup") << false << true;
    QTest::newRow("a temporary of the task list of an earlier version stays and is named")
        << QStringLiteral("Task.xml.AbCdEf") << false << true;
    QTest::newRow("a temporary of a device file of an earlier version stays and is named")
        << QStringLiteral("Lobby.xml.QwErTy") << false << true;
    QTest::newRow("the same of a Chinese name stays and is named")
        << QStringLiteral("一期工程.xml.zzzzzz") << false << true;
    QTest::newRow("the same of an unlisted name stays and is named")
        << QStringLiteral("Yard.xml.ABCDEF") << false << true;
    QTest::newRow("a copy with digits in its suffix stays")
        << QStringLiteral("Lobby.xml.orig01") << false << false;
    QTest::newRow("five random letters stay")
        << QStringLiteral("Lobby.xml.AbCdE") << false << false;
    QTest::newRow("seven random letters stay")
        << QStringLiteral("Lobby.xml.AbCdEfG") << false << false;
    QTest::newRow("a digit among the letters stays")
        << QStringLiteral("Lobby.xml.AbC3Ef") << false << false;
    QTest::newRow("a backup the planner made stays")
        << QStringLiteral("Lobby.xml.bak") << false << false;
    QTest::newRow("six letters behind a file that is no task file stay")
        << QStringLiteral("notes.txt.AbCdEf") << false << false;
    QTest::newRow("six letters behind a name no task can have stay")
        << QStringLiteral("a:b.xml.AbCdEf") << false << false;
    // Its save would take the random letters from the six X.
    QTest::newRow("six letters behind a name of six X stay")
        << QStringLiteral("XXXXXX.xml.AbCdEf") << false << false;
    QTest::newRow("a probe without its process number stays")
        << QStringLiteral(".write-probe-") << false << false;
    QTest::newRow("a probe whose number holds a letter stays")
        << QStringLiteral(".write-probe-42a") << false << false;
}

void TestTaskFolder::leftoversOfCutOffSavesAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QFETCH(bool, named);
    ProgramFolder folder;
    const QByteArray list = listOf({QStringLiteral("Lobby"), QStringLiteral("一期工程")});
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))), list));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Lobby.xml"))),
                                 devicesOf("KC-B21", 4)));
    // A whole copy, as a save leaves it between writing and renaming.
    const QByteArray leftover = devicesOf("KC-B21", 5);
    QVERIFY(ProgramFolder::write(folder.file(task(name)), leftover));

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.temporariesRemoved, removed ? 1 : 0);
    QCOMPARE(QFile::exists(folder.file(task(name))), !removed);
    if (!removed)
        QCOMPARE(ProgramFolder::readAll(folder.file(task(name))), leftover);
    QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Task.xml")))), list);
    QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Lobby.xml")))),
             devicesOf("KC-B21", 4));
    QCOMPARE(repair.strayDeviceFiles, QStringList());
    QCOMPARE(repair.oldTemporaryFiles,
             named ? QStringList{folder.file(task(name))} : QStringList());
}

void TestTaskFolder::aRecordedStepEndsAsTheListSays_data()
{
    // The listed task Gate has devices of its own throughout.
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("listed");
    // Files of Lobby's devices, each a file of its own, and the names of
    // them that are second names of the first (the same device and inode).
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("secondNames");
    // What is left of them, which of those are named to the planner, and
    // how the step ended.
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<int>("finished");
    QTest::addColumn<int>("undone");

    const QString lobby = QStringLiteral("Lobby");
    const QString lobbyFile = QStringLiteral("Lobby.xml");
    const QString hallFile = QStringLiteral("Hall.xml");
    const QString upperFile = QStringLiteral("LOBBY.xml");
    const QString aside = QStringLiteral("Lobby.xml.trash");
    const QByteArray rename = renameRecord("Lobby", "Hall");
    const QByteArray caseRename = caseRenameRecord("Lobby", "LOBBY");
    const QByteArray deletion = deleteRecord("Lobby");

    QTest::newRow("a rename stopped after its record is undone")
        << rename << QStringList{lobby} << QStringList{lobbyFile} << QStringList()
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("a rename stopped after the new name was added is undone")
        << rename << QStringList{lobby} << QStringList{lobbyFile} << QStringList{hallFile}
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("the same where the disk has no second names and got a copy")
        << rename << QStringList{lobby} << QStringList{lobbyFile, hallFile} << QStringList()
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("a rename stopped after the list took the new name is finished")
        << rename << QStringList{QStringLiteral("Hall")} << QStringList{lobbyFile}
        << QStringList{hallFile} << QStringList{hallFile} << QStringList() << 1 << 0;
    QTest::newRow("the same with a copy")
        << rename << QStringList{QStringLiteral("Hall")} << QStringList{lobbyFile, hallFile}
        << QStringList() << QStringList{hallFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename stopped after the old name went is finished")
        << rename << QStringList{QStringLiteral("Hall")} << QStringList{hallFile} << QStringList()
        << QStringList{hallFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename stopped so drops the old name beside a listed task of its other "
                  "spelling that has a file of its own")
        << rename << QStringList{QStringLiteral("Hall"), QStringLiteral("LOBBY")}
        << QStringList{lobbyFile, upperFile} << QStringList{hallFile}
        << QStringList{hallFile, upperFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename stopped so keeps the old name where it is the one file of a listed "
                  "task of its other spelling")
        << rename << QStringList{QStringLiteral("Hall"), QStringLiteral("LOBBY")}
        << QStringList{lobbyFile} << QStringList{hallFile, upperFile}
        << QStringList{hallFile, upperFile, lobbyFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename of a task the list holds under neither name changes no file")
        << rename << QStringList() << QStringList{lobbyFile} << QStringList{hallFile}
        << QStringList{hallFile, lobbyFile} << QStringList{hallFile, lobbyFile} << 0 << 0;

    QTest::newRow("a rename in letter case stopped after its record is undone")
        << caseRename << QStringList{lobby} << QStringList{lobbyFile} << QStringList()
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("a rename in letter case stopped after the list took it is finished")
        << caseRename << QStringList{QStringLiteral("LOBBY")} << QStringList{lobbyFile}
        << QStringList() << QStringList{upperFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename in letter case stopped after the file took it is finished")
        << caseRename << QStringList{QStringLiteral("LOBBY")} << QStringList{upperFile}
        << QStringList() << QStringList{upperFile} << QStringList() << 1 << 0;
    QTest::newRow("a rename in letter case on one file under both spellings keeps both")
        << caseRename << QStringList{QStringLiteral("LOBBY")} << QStringList{lobbyFile}
        << QStringList{upperFile} << QStringList{upperFile, lobbyFile} << QStringList() << 1 << 0;

    QTest::newRow("a deletion stopped after its record is undone")
        << deletion << QStringList{lobby} << QStringList{lobbyFile} << QStringList()
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("a deletion stopped after the devices were set aside gives them back")
        << deletion << QStringList{lobby} << QStringList{aside} << QStringList()
        << QStringList{lobbyFile} << QStringList() << 0 << 1;
    QTest::newRow("a deletion stopped after the list forgot the task is finished")
        << deletion << QStringList() << QStringList{aside} << QStringList() << QStringList()
        << QStringList() << 1 << 0;
    QTest::newRow("a deletion stopped after the set-aside file went is finished")
        << deletion << QStringList() << QStringList() << QStringList() << QStringList()
        << QStringList() << 1 << 0;
}

void TestTaskFolder::aRecordedStepEndsAsTheListSays()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, files);
    QFETCH(QStringList, secondNames);
    QFETCH(QStringList, left);
    QFETCH(QStringList, named);
    QFETCH(int, finished);
    QFETCH(int, undone);
    ProgramFolder folder;
    const QByteArray devices = devicesOf("KC-B21", 4);
    const QByteArray gateDevices = devicesOf("KD-5230", 2);
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))),
                                 listOf(QStringList{QStringLiteral("Gate")} + listed)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Gate.xml"))), gateDevices));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral(".varnel-step"))), record));
    for (const QString &name : std::as_const(files))
        QVERIFY(ProgramFolder::write(folder.file(task(name)), devices));
    for (const QString &name : std::as_const(secondNames)) {
        QCOMPARE(::link(QFile::encodeName(folder.file(task(files.first()))).constData(),
                        QFile::encodeName(folder.file(task(name))).constData()),
                 0);
    }

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.renamesFinished + repair.deletionsFinished, finished);
    QCOMPARE(repair.renamesUndone + repair.deletionsUndone, undone);
    QCOMPARE(repair.unfinishedStep, QString());
    QStringList expected =
        left + QStringList{QStringLiteral("Gate.xml"), QStringLiteral("Task.xml")};
    expected.sort();
    QCOMPARE(filesIn(folder), expected);
    for (const QString &name : std::as_const(left))
        QCOMPARE(ProgramFolder::readAll(folder.file(task(name))), devices);
    QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Gate.xml")))), gateDevices);
    QStringList strays;
    for (const QString &name : std::as_const(named))
        strays << folder.file(task(name));
    QCOMPARE(repair.strayDeviceFiles, strays);
    // Every listed task shows its own devices.
    for (const QString &name : std::as_const(listed))
        QCOMPARE(shownDevices(name), QStringList{QStringLiteral("KC-B21*4")});
}

void TestTaskFolder::aRecordThatCannotBeTakenIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("record");
    // The task list of a rename of Lobby to Hall stopped after the list took
    // the new name; empty for none.
    QTest::addColumn<QByteArray>("list");

    const QByteArray rename = renameRecord("Lobby", "Hall");
    const QByteArray list = listOf({QStringLiteral("Gate"), QStringLiteral("Hall")});
    QTest::newRow("a record cut short") << rename.left(rename.size() - 4) << list;
    QTest::newRow("a record without its last line end") << rename.chopped(1) << list;
    QTest::newRow("a record with a line more") << rename + "makes Task.xml\n" << list;
    QTest::newRow("a record of an unknown step")
        << QByteArray(rename).replace("kind rename", "kind move") << list;
    QTest::newRow("a record that makes a file its step does not make")
        << QByteArray(rename).replace("makes Hall.xml", "makes Gate.xml") << list;
    QTest::newRow("a record that names no task") << renameRecord("Lobby", "../Hall") << list;
    QTest::newRow("a rename in letter case recorded as another rename")
        << renameRecord("Lobby", "LOBBY") << list;
    QTest::newRow("a record of another version")
        << QByteArray(rename).replace("varnel-step 1", "varnel-step 2") << list;
    QTest::newRow("a record that is no UTF-8") << renameRecord("Lobby", "Hall \xff") << list;
    QTest::newRow("a whole record beside a task list that cannot be read")
        << rename << list.left(60);
    QTest::newRow("a whole record without a task list") << rename << QByteArray();
}

void TestTaskFolder::aRecordThatCannotBeTakenIsLeftAlone()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, list);
    ProgramFolder folder;
    if (!list.isEmpty())
        QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))), list));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Gate.xml"))),
                                 devicesOf("KD-5230", 2)));
    const QString lobby = folder.file(task(QStringLiteral("Lobby.xml")));
    QVERIFY(ProgramFolder::write(lobby, devicesOf("KC-B21", 4)));
    QCOMPARE(::link(QFile::encodeName(lobby).constData(),
                    QFile::encodeName(folder.file(task(QStringLiteral("Hall.xml")))).constData()),
             0);
    const QString recordPath = folder.file(task(QStringLiteral(".varnel-step")));
    QVERIFY(ProgramFolder::write(recordPath, record));
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(folder.root());

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.unfinishedStep, recordPath);
    QCOMPARE(repair.renamesFinished + repair.renamesUndone, 0);
    QCOMPARE(ProgramFolder::snapshot(folder.root()), before);
    // Beside a list that can be read, the file it no longer names is named,
    // as any such file.
    const bool readable = list.endsWith("</TaskInfoList>\n");
    QCOMPARE(repair.strayDeviceFiles, readable ? QStringList{lobby} : QStringList());
}

void TestTaskFolder::withoutARecordNoFileOfATaskIsRemoved_data()
{
    QTest::addColumn<QString>("name");
    // A copy of Lobby's devices (or else a second name of their file).
    QTest::addColumn<bool>("copy");
    // Whether Lobby has a device file of its own.
    QTest::addColumn<bool>("lobbyHasAFile");
    QTest::addColumn<QStringList>("listed");

    const QStringList lobby{QStringLiteral("Lobby")};
    QTest::newRow("a byte copy of a listed task's device file stays and is named")
        << QStringLiteral("Lobby copy.xml") << true << true << lobby;
    QTest::newRow("a second name of a listed task's device file stays and is named")
        << QStringLiteral("Hall.xml") << false << true << lobby;
    QTest::newRow("a file set aside for the deletion of a listed task stays and is named")
        << QStringLiteral("Lobby.xml.trash") << true << false << lobby;
    QTest::newRow("a file set aside for the deletion of a task no longer listed stays and is "
                  "named")
        << QStringLiteral("Lobby.xml.trash") << true << false << QStringList();
}

void TestTaskFolder::withoutARecordNoFileOfATaskIsRemoved()
{
    QFETCH(QString, name);
    QFETCH(bool, copy);
    QFETCH(bool, lobbyHasAFile);
    QFETCH(QStringList, listed);
    ProgramFolder folder;
    const QByteArray devices = devicesOf("KC-B21", 4);
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))),
                                 listOf(QStringList{QStringLiteral("Gate")} + listed)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Gate.xml"))),
                                 devicesOf("KD-5230", 2)));
    const QString lobby = folder.file(task(QStringLiteral("Lobby.xml")));
    const QString file = folder.file(task(name));
    if (lobbyHasAFile)
        QVERIFY(ProgramFolder::write(lobby, devices));
    if (copy)
        QVERIFY(ProgramFolder::write(file, devices));
    else
        QCOMPARE(::link(QFile::encodeName(lobby).constData(), QFile::encodeName(file).constData()),
                 0);
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(folder.root());

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.renamesFinished + repair.renamesUndone + repair.deletionsFinished +
                 repair.deletionsUndone,
             0);
    QCOMPARE(repair.strayDeviceFiles, QStringList{file});
    QCOMPARE(ProgramFolder::snapshot(folder.root()), before);
}

void TestTaskFolder::aDeviceFileOfNoTaskIsKeptAndNamed()
{
    // What an older program left when it was stopped between renaming the
    // device file and storing the list: the list on the old name, the
    // devices under the new one.
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))),
                                 listOf({QStringLiteral("Lobby")})));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Lobby.xml"))),
                                 kDeclaration + "<DeviceInfoList/>\n"));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Hall.xml"))),
                                 devicesOf("KC-B21", 4)));
    // A device file that is damaged belongs to no task all the same.
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Yard.xml"))), "<DeviceInf"));
    // A trash of a listed task that kept its own device file.
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Lobby.xml.trash"))),
                                 devicesOf("KC-100", 1)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("notes.txt"))), "cables\n"));
    const QStringList before = filesIn(folder);

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.strayDeviceFiles,
             (QStringList{folder.file(task(QStringLiteral("Lobby.xml.trash"))),
                          folder.file(task(QStringLiteral("Hall.xml"))),
                          folder.file(task(QStringLiteral("Yard.xml")))}));
    QCOMPARE(filesIn(folder), before);
    QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Hall.xml")))),
             devicesOf("KC-B21", 4));
}

namespace {

// What stands under the old spelling "Lobby.xml" of the listed task "LOBBY".
enum class OldSpelling {
    // A second name of the file "LOBBY.xml": what a disk that ignores letter
    // case (FAT, exFAT, a network share) shows, where both spellings name
    // one file.
    TheSameFile,
    // The same, where the listed task "Gate" has the same devices, as two
    // tasks without devices do.
    TheSameFileAsGatesBytes,
    // A file of its own with the same devices as "LOBBY.xml", as a copy
    // made by hand is.
    TheSameBytes,
    // The task's devices, while "LOBBY.xml" is not there.
    TheOnlyFile,
    // The same, where "Gate" has the same devices, as two tasks without
    // devices do.
    TheOnlyFileAsGatesBytes,
    // Other devices than those of "LOBBY.xml".
    AnotherFile,
    // A second name of the file of the listed task "Gate", while
    // "LOBBY.xml" is not there.
    AnotherTasksSecondName
};

} // namespace

Q_DECLARE_METATYPE(OldSpelling)

void TestTaskFolder::aDeviceFileUnderAnotherSpellingOfAListedName_data()
{
    QTest::addColumn<OldSpelling>("oldSpelling");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("named");

    const QStringList both{QStringLiteral("LOBBY.xml"), QStringLiteral("Lobby.xml"),
                           QStringLiteral("Task.xml")};
    const QStringList old{QStringLiteral("Lobby.xml"), QStringLiteral("Task.xml")};
    QTest::newRow("one file under both spellings stays, as on a disk that ignores letter case")
        << OldSpelling::TheSameFile << both << false;
    QTest::newRow("one file under both spellings stays when another task has the same devices")
        << OldSpelling::TheSameFileAsGatesBytes << both << false;
    QTest::newRow("a copy under the old spelling stays and is named, and the task keeps its "
                  "devices")
        << OldSpelling::TheSameBytes << both << true;
    // Without the record of a rename in letter case, none is guessed.
    QTest::newRow("the only file under the old spelling stays and is named")
        << OldSpelling::TheOnlyFile << old << true;
    QTest::newRow("the only file under the old spelling stays and is named when another task "
                  "has the same devices")
        << OldSpelling::TheOnlyFileAsGatesBytes << old << true;
    QTest::newRow("other devices under the old spelling stay and are named")
        << OldSpelling::AnotherFile << both << true;
    QTest::newRow("another task's second name under the old spelling stays and is named")
        << OldSpelling::AnotherTasksSecondName << old << true;
}

void TestTaskFolder::aDeviceFileUnderAnotherSpellingOfAListedName()
{
    QFETCH(OldSpelling, oldSpelling);
    QFETCH(QStringList, files);
    QFETCH(bool, named);
    ProgramFolder folder;
    const QString lobby = folder.file(task(QStringLiteral("Lobby.xml")));
    const QString upper = folder.file(task(QStringLiteral("LOBBY.xml")));
    const QByteArray devices = devicesOf("KC-B21", 4);
    const QString gate = folder.file(task(QStringLiteral("Gate.xml")));
    const QByteArray gateDevices = oldSpelling == OldSpelling::TheSameFileAsGatesBytes ||
                                           oldSpelling == OldSpelling::TheOnlyFileAsGatesBytes
                                       ? devices
                                       : devicesOf("KD-5230", 2);
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))),
                                 listOf({QStringLiteral("Gate"), QStringLiteral("LOBBY")})));
    QVERIFY(ProgramFolder::write(gate, gateDevices));
    switch (oldSpelling) {
    case OldSpelling::TheSameFile:
    case OldSpelling::TheSameFileAsGatesBytes:
        QVERIFY(ProgramFolder::write(upper, devices));
        QCOMPARE(::link(QFile::encodeName(upper).constData(), QFile::encodeName(lobby).constData()),
                 0);
        break;
    case OldSpelling::TheSameBytes:
        QVERIFY(ProgramFolder::write(upper, devices));
        QVERIFY(ProgramFolder::write(lobby, devices));
        break;
    case OldSpelling::TheOnlyFile:
    case OldSpelling::TheOnlyFileAsGatesBytes:
        QVERIFY(ProgramFolder::write(lobby, devices));
        break;
    case OldSpelling::AnotherFile:
        QVERIFY(ProgramFolder::write(upper, devices));
        QVERIFY(ProgramFolder::write(lobby, devicesOf("KC-100", 1)));
        break;
    case OldSpelling::AnotherTasksSecondName:
        QCOMPARE(::link(QFile::encodeName(gate).constData(), QFile::encodeName(lobby).constData()),
                 0);
        break;
    }
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(folder.root());

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.renamesFinished, 0);
    QCOMPARE(repair.strayDeviceFiles, named ? QStringList{lobby} : QStringList());
    QCOMPARE(filesIn(folder), QStringList{QStringLiteral("Gate.xml")} + files);
    // Every file stays, byte for byte.
    QCOMPARE(ProgramFolder::snapshot(folder.root()), before);
    QCOMPARE(ProgramFolder::readAll(gate), gateDevices);
    // The listed task has its devices, under whichever spelling the disk
    // gives it.
    if (files.contains(QStringLiteral("LOBBY.xml")))
        QCOMPARE(shownDevices(QStringLiteral("LOBBY")), QStringList{QStringLiteral("KC-B21*4")});
}

void TestTaskFolder::aListThatCannotBeReadLeavesEveryDeviceFile()
{
    ProgramFolder folder;
    const QByteArray damaged = listOf({QStringLiteral("Lobby")}).left(60);
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))), damaged));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Lobby.xml"))),
                                 devicesOf("KC-B21", 4)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Hall.xml"))),
                                 devicesOf("KC-B21", 4)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Gate.xml.trash"))),
                                 devicesOf("KC-100", 1)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral(".varnel-save-AbCdEf"))),
                                 listOf({QStringLiteral("Lobby")})));

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.temporariesRemoved, 1);
    QCOMPARE(repair.renamesFinished + repair.deletionsFinished + repair.deletionsUndone, 0);
    QCOMPARE(filesIn(folder),
             (QStringList{QStringLiteral("Gate.xml.trash"), QStringLiteral("Hall.xml"),
                          QStringLiteral("Lobby.xml"), QStringLiteral("Task.xml")}));
    QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Task.xml")))), damaged);
}

QTEST_GUILESS_MAIN(TestTaskFolder)
#include "tst_taskfolder.moc"
