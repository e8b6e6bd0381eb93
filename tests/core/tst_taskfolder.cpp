// Opening the Task folder as the start-up does, on what a program stopped in
// the middle of a save, a rename or a deletion leaves: the program's own
// leftovers are removed or put back, every listed task keeps its devices, a
// device file of no task is kept and named, and nothing else is touched.
#include "ProgramFolder.h"

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

} // namespace

class TestTaskFolder : public QObject
{
    Q_OBJECT

private slots:
    void leftoversOfCutOffSavesAreRemoved_data();
    void leftoversOfCutOffSavesAreRemoved();
    void aCutOffRenameEndsWithTheListedName_data();
    void aCutOffRenameEndsWithTheListedName();
    void aCutOffDeletionEndsAsTheListSays_data();
    void aCutOffDeletionEndsAsTheListSays();
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

void TestTaskFolder::aCutOffRenameEndsWithTheListedName_data()
{
    QTest::addColumn<bool>("listHoldsTheNewName");
    QTest::addColumn<bool>("secondNameIsALink");

    QTest::newRow("stopped before the list took the new name: the old name stays") << false << true;
    QTest::newRow("stopped after the list took the new name: the new name stays") << true << true;
    QTest::newRow("a copy where the disk has no second names, before the list") << false << false;
    QTest::newRow("a copy where the disk has no second names, after the list") << true << false;
}

void TestTaskFolder::aCutOffRenameEndsWithTheListedName()
{
    QFETCH(bool, listHoldsTheNewName);
    QFETCH(bool, secondNameIsALink);
    ProgramFolder folder;
    const QString lobby = folder.file(task(QStringLiteral("Lobby.xml")));
    const QString hall = folder.file(task(QStringLiteral("Hall.xml")));
    const QByteArray devices = devicesOf("KC-B21", 4);
    QVERIFY(ProgramFolder::write(
        folder.file(task(QStringLiteral("Task.xml"))),
        listOf({QStringLiteral("Gate"),
                listHoldsTheNewName ? QStringLiteral("Hall") : QStringLiteral("Lobby")})));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Gate.xml"))),
                                 devicesOf("KD-5230", 2)));
    QVERIFY(ProgramFolder::write(lobby, devices));
    if (secondNameIsALink)
        QCOMPARE(::link(QFile::encodeName(lobby).constData(), QFile::encodeName(hall).constData()),
                 0);
    else
        QVERIFY(ProgramFolder::write(hall, devices));

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.renamesFinished, 1);
    QCOMPARE(repair.strayDeviceFiles, QStringList());
    const QString kept = listHoldsTheNewName ? hall : lobby;
    QCOMPARE(ProgramFolder::readAll(kept), devices);
    QCOMPARE(filesIn(folder), (QStringList{QStringLiteral("Gate.xml"), QFileInfo(kept).fileName(),
                                           QStringLiteral("Task.xml")}));
}

void TestTaskFolder::aCutOffDeletionEndsAsTheListSays_data()
{
    QTest::addColumn<bool>("listStillHoldsTheTask");
    QTest::newRow("stopped before the list forgot the task: it gets its devices back") << true;
    QTest::newRow("stopped after the list forgot the task: its devices go") << false;
}

void TestTaskFolder::aCutOffDeletionEndsAsTheListSays()
{
    QFETCH(bool, listStillHoldsTheTask);
    ProgramFolder folder;
    QStringList listed{QStringLiteral("Gate")};
    if (listStillHoldsTheTask)
        listed << QStringLiteral("Lobby");
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Task.xml"))), listOf(listed)));
    QVERIFY(ProgramFolder::write(folder.file(task(QStringLiteral("Lobby.xml.trash"))),
                                 devicesOf("KC-B21", 4)));

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.deletionsUndone, listStillHoldsTheTask ? 1 : 0);
    QCOMPARE(repair.deletionsFinished, listStillHoldsTheTask ? 0 : 1);
    QCOMPARE(repair.strayDeviceFiles, QStringList());
    if (listStillHoldsTheTask) {
        QCOMPARE(filesIn(folder),
                 (QStringList{QStringLiteral("Lobby.xml"), QStringLiteral("Task.xml")}));
        QCOMPARE(ProgramFolder::readAll(folder.file(task(QStringLiteral("Lobby.xml")))),
                 devicesOf("KC-B21", 4));
    } else {
        QCOMPARE(filesIn(folder), QStringList{QStringLiteral("Task.xml")});
    }
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
    // The task's devices, while "LOBBY.xml" is not there.
    TheOnlyFile,
    // The same, where "Gate" has the same devices, as two tasks without
    // devices do: the file is still LOBBY's, not a copy of Gate's.
    TheOnlyFileAsGatesBytes,
    // Other devices than those of "LOBBY.xml".
    AnotherFile,
    // A second name of the file of the listed task "Gate", as a rename of
    // Gate to Lobby stopped before the list took it leaves it, while
    // "LOBBY.xml" is not there.
    AnotherTasksSecondName
};

} // namespace

Q_DECLARE_METATYPE(OldSpelling)

void TestTaskFolder::aDeviceFileUnderAnotherSpellingOfAListedName_data()
{
    QTest::addColumn<OldSpelling>("oldSpelling");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("renamesFinished");
    QTest::addColumn<bool>("named");

    QTest::newRow("one file under both spellings stays, as on a disk that ignores letter case")
        << OldSpelling::TheSameFile
        << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Lobby.xml"),
                       QStringLiteral("Task.xml")}
        << 0 << false;
    QTest::newRow("one file under both spellings stays when another task has the same devices")
        << OldSpelling::TheSameFileAsGatesBytes
        << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Lobby.xml"),
                       QStringLiteral("Task.xml")}
        << 0 << false;
    QTest::newRow("a rename in letter case stopped before the file took it is finished")
        << OldSpelling::TheOnlyFile
        << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Task.xml")} << 1 << false;
    QTest::newRow("a rename in letter case stopped so is finished when another task has the same "
                  "devices")
        << OldSpelling::TheOnlyFileAsGatesBytes
        << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Task.xml")} << 1 << false;
    QTest::newRow("other devices under the old spelling stay and are named")
        << OldSpelling::AnotherFile
        << QStringList{QStringLiteral("LOBBY.xml"), QStringLiteral("Lobby.xml"),
                       QStringLiteral("Task.xml")}
        << 0 << true;
    QTest::newRow("another task's devices under the old spelling go back to that task alone")
        << OldSpelling::AnotherTasksSecondName << QStringList{QStringLiteral("Task.xml")} << 1
        << false;
}

void TestTaskFolder::aDeviceFileUnderAnotherSpellingOfAListedName()
{
    QFETCH(OldSpelling, oldSpelling);
    QFETCH(QStringList, files);
    QFETCH(int, renamesFinished);
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

    const TaskFolderRepair repair = TaskFolder::open();
    QCOMPARE(repair.renamesFinished, renamesFinished);
    QCOMPARE(repair.strayDeviceFiles, named ? QStringList{lobby} : QStringList());
    QCOMPARE(filesIn(folder), QStringList{QStringLiteral("Gate.xml")} + files);
    QCOMPARE(ProgramFolder::readAll(gate), gateDevices);
    if (oldSpelling == OldSpelling::AnotherTasksSecondName)
        return;
    // The listed task has its devices, under whichever spelling the disk
    // gives it.
    QCOMPARE(ProgramFolder::readAll(upper), devices);
    if (oldSpelling == OldSpelling::TheSameFile ||
        oldSpelling == OldSpelling::TheSameFileAsGatesBytes)
        QCOMPARE(ProgramFolder::readAll(lobby), devices);
    else if (oldSpelling == OldSpelling::AnotherFile)
        QCOMPARE(ProgramFolder::readAll(lobby), devicesOf("KC-100", 1));
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
