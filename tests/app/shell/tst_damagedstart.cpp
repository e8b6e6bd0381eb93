// The program started on a copy of its folder in which one data file is
// damaged: it names the file once (or refuses, for the catalogue), goes on
// without it, and leaves every file of the folder as it was.
#include "CatalogueFixture.h"
#include "DamagedFile.h"
#include "ProgramInChild.h"

#include <LanaguageManager.h>
#include <TaskFolderLock.h>
#include <Varnel.h>

#include <QDir>
#include <QDirIterator>
#include <QtTest>

#include <unistd.h>

namespace {

// One start: init(), then, when it passed, the main window as the program
// shows it, and its end. Every message is answered "OK".
int runStartChild(char *argv[])
{
    return ProgramInChild::start(argv, [](kiv::ToolsApplication &, bool started, QTextStream &out) {
        out << "language\t" << kiv::LanaguageManager::GetInstance()->language() << '\n';
        if (started) {
            kiv::Varnel window;
            window.showCentred();
            QCoreApplication::processEvents();
            out << "window\t1\n";
        }
        return 0;
    });
}

ChildRun startChild(const QString &folder, bool starts)
{
    ProgramInChild start{QStringLiteral("--start-child"), folder};
    start.setup.expectedExit = starts ? 0 : 1;
    return start.run();
}

/// A copy of the built program folder's data (settings of @p language, the
/// shipped parameter codes, filter configuration and catalogues), with two
/// tasks and their device files and a note in Task/.
class DataFolder : public ChildProgramFolder
{
public:
    explicit DataFolder(int language) : ChildProgramFolder(language)
    {
        QVERIFY(copyShippedData());
        QVERIFY(write(file(QStringLiteral("Task/Task.xml")), kGoodTaskList));
        QVERIFY(write(file(QStringLiteral("Task/Lobby.xml")), kGoodDevices));
        QVERIFY(write(file(QStringLiteral("Task/Gate.xml")), kGoodDevices));
        QVERIFY(write(file(QStringLiteral("Task/notes.txt")), "cable lengths\n"));
    }

    /// Every plain file of the folder (links left out) with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root(), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            files.insert(QDir(root()).relativeFilePath(file), readAll(file));
        }
        return files;
    }
};

/// Lays @p damage on the file @p relative of @p folder; a catalogue of
/// another program is another program's database.
bool layDamaged(const DataFolder &folder, const QString &relative, Damage damage)
{
    if (relative.endsWith(QLatin1String(".db")) && damage == Damage::WrongRoot)
        return CatalogueFixture::buildForeign(folder.file(relative));
    return layDamaged(folder.file(relative), damage);
}

// What the planner is told, %1 standing for the file's full path.
const QString kSettingsDamaged = QStringLiteral(
    "Varnel|The settings file %1 is damaged or is not a settings file of this program, so its "
    "settings are not used: the program and the lens calculator start in English with their "
    "default settings. The program leaves the file as it is. Mend it, or move it away, and "
    "start the program again.");
const QString kParamCodeDamaged = QStringLiteral(
    "Varnel|The parameter-code table %1 is damaged or is not a parameter-code table of this "
    "program, so it is not used: the device catalogue is searched with the codes built into "
    "the program. The program leaves the file as it is. Mend it or install the program again, "
    "then restart the program.");
const QString kFilterDamaged = QStringLiteral(
    "Varnel|The filter configuration %1 is damaged or is not a filter configuration of this "
    "program, so it is not used: the parameter filter of the add-device dialog hides nothing "
    "and ticks nothing in advance. The program leaves the file as it is. Mend it, or move it "
    "away to have an empty one created, then restart the program.");
const QString kTaskListDamaged = QStringLiteral(
    "Varnel|The task list %1 is damaged or is not a task list of this program, so no task can "
    "be shown. The program leaves the file as it is and starts with an empty task list, which "
    "it never saves over the file: no task can be added until the file is mended. Mend the "
    "file, or move it out of the Task folder to start a new task list, and start the program "
    "again.");
const QString kTaskListUnreadable = QStringLiteral(
    "Varnel|The task list %1 cannot be opened for reading, so no task can be shown. The "
    "program leaves the file as it is and starts with an empty task list: no task can be added "
    "until the file can be read. Give your user the right to read and write it, or move it out "
    "of the Task folder, and start the program again.");
const QString kCatalogueRefused = QStringLiteral(
    "Varnel|The device catalogue %1 is missing or cannot be read. Install the program again and "
    "start it once more.");
// %1 the catalogue's path, %2 the table, %3 the column.
const QString kColumnMissing = QStringLiteral(
    "Varnel|The table %2 of the device catalogue %1 has no column %3, which the program reads, "
    "so its look-ups would come back empty. Install the program again and start it once more.");
const QString kColumnMissingChinese =
    QStringLiteral("Varnel|设备库 %1 的表 %2 中没有程序读取的列 %3，因此其查询将得不到结果。"
                   "请重新安装程序，然后再次启动。");
const QString kTableMissing = QStringLiteral(
    "Varnel|The device catalogue %1 has no table %2, which the program reads, so its look-ups "
    "would come back empty. Install the program again and start it once more.");
const QString kTableMissingChinese =
    QStringLiteral("Varnel|设备库 %1 中没有程序读取的表 %2，因此其查询将得不到结果。"
                   "请重新安装程序，然后再次启动。");

// Several files of one kind, %1 standing for the Task folder's path and %2
// for the list of their names.
const QString kStrayDeviceFiles = QStringLiteral(
    "Varnel|The device files below, in the task folder %1, belong to no task of the task list, "
    "so their devices are not shown. The program leaves them as they are, and no task can take "
    "the name of one of them until that file is moved out of the Task folder.\n\n%2");
const QString kStrayDeviceFilesChinese = QStringLiteral(
    "Varnel|任务文件夹 %1 中的下列设备文件不属于任务列表中的任何任务，因此不显示其中的设备。"
    "程序保留这些文件原样；在把某个文件移出 Task 文件夹之前，任何任务都不能使用它的名称。"
    "\n\n%2");
const QString kOldTemporaries = QStringLiteral(
    "Varnel|The files below, in the task folder %1, are named as earlier versions of the "
    "program named the temporary file of a save, so each may be left over from a save that was "
    "cut off, or be a copy of yours. The program leaves them as they are and never reads them. "
    "Move them out of the Task folder if you do not need them.\n\n%2");
const QString kOldTemporariesChinese = QStringLiteral(
    "Varnel|任务文件夹 %1 中的下列文件的名称与本程序早期版本保存时所用的临时文件名称相同，"
    "它们可能是某次中断的保存留下的，也可能是您自己的副本。程序保留这些文件原样，也从不读取"
    "它们。如果不需要它们，请将其移出 Task 文件夹。\n\n%2");

/// Runs @p statement on the catalogue at @p path, as another tool would
/// change it.
bool alterCatalogue(const QString &path, const QString &statement)
{
    const QString name = CatalogueFixture::uniqueConnectionName("damaged-start");
    bool ok = false;
    {
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        writer.setDatabaseName(path);
        QSqlQuery query(writer);
        ok = writer.open() && query.exec(statement);
        query.finish();
        writer.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

class TestDamagedStart : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileIsNamedAndLeftAlone_data();
    void damagedFileIsNamedAndLeftAlone();
    void catalogueWithoutATableOrColumnIsRefused_data();
    void catalogueWithoutATableOrColumnIsRefused();
    void leftoversOfAStoppedProgramAreMendedAtStart_data();
    void leftoversOfAStoppedProgramAreMendedAtStart();
    void manyFilesOfOneKindAreNamedInOneMessage_data();
    void manyFilesOfOneKindAreNamedInOneMessage();
    void temporariesOfStoppedSavesLeaveTheProgramFolder_data();
    void temporariesOfStoppedSavesLeaveTheProgramFolder();
    void aStepThatCannotBeSettledIsNamedAtStart_data();
    void aStepThatCannotBeSettledIsNamedAtStart();
};

void TestDamagedStart::damagedFileIsNamedAndLeftAlone_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("message");
    // The file is created empty in place of a missing or empty one.
    QTest::addColumn<bool>("created");

    struct Row
    {
        const char *file;
        int language;
        bool starts;
        QString damaged;
        // What a missing or empty file gives: created empty, or the
        // defaults without a word.
        bool createdWhenMissing;
    };
    // Chinese settings: a damaged settings file must bring the program back
    // to English, as it does the lens library.
    const QList<Row> rows{
        {"Setup.xml", 1, true, kSettingsDamaged, false},
        {"ParamCode.xml", 0, true, kParamCodeDamaged, false},
        {"FilterConfig.xml", 0, true, kFilterDamaged, true},
        {"Task/Task.xml", 0, true, kTaskListDamaged, true},
        {"Task_EN.db", 0, false, kCatalogueRefused, false},
    };
    for (const Row &row : rows) {
        for (Damage damage : everyDamage()) {
            const bool quiet =
                (damage == Damage::Missing || damage == Damage::ZeroBytes) &&
                (row.createdWhenMissing || (damage == Damage::Missing && row.starts));
            const QString message = quiet ? QString() : row.damaged;
            QTest::addRow("%s %s: %s", row.file,
                          damageText(damage, QByteArray(row.file).endsWith(".db")),
                          !row.starts ? "the start is refused"
                          : quiet     ? "the start goes on without a word"
                                      : "named once, the start goes on")
                << QString::fromLatin1(row.file) << damage << row.language << row.starts << message
                << (quiet && row.createdWhenMissing);
        }
    }
    QTest::addRow("Task/Task.xml %s: named once, the start goes on", damageText(Damage::Unreadable))
        << QStringLiteral("Task/Task.xml") << Damage::Unreadable << 0 << true << kTaskListUnreadable
        << false;
}

void TestDamagedStart::damagedFileIsNamedAndLeftAlone()
{
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(int, language);
    QFETCH(bool, starts);
    QFETCH(QString, message);
    QFETCH(bool, created);
    if (damage == Damage::Unreadable && geteuid() == 0)
        QSKIP("the superuser reads any file");

    DataFolder folder(language);
    QVERIFY(layDamaged(folder, file, damage));
    QMap<QString, QByteArray> before = folder.snapshot();
    // A pipe, a link or a folder is no plain file of the snapshot.
    const QByteArray damagedBefore = stateOf(folder.file(file));

    const ChildRun run = startChild(folder.root(), starts);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QString::number(starts ? 1 : 0));
    QCOMPARE(run.exitCode, starts ? 0 : 1);
    QStringList expected;
    if (!message.isEmpty())
        expected << message.arg(QDir::toNativeSeparators(folder.file(file)));
    QCOMPARE(run.messages, expected);
    if (starts) {
        QCOMPARE(run.facts.value(QStringLiteral("window")), QStringLiteral("1"));
        // A damaged settings file gives English, the default.
        QCOMPARE(run.facts.value(QStringLiteral("language")),
                 QString::number(file == QLatin1String("Setup.xml") ? 0 : language));
    }

    QMap<QString, QByteArray> after = folder.snapshot();
    if (created) {
        QVERIFY(after.value(file).size() > 0);
        after.remove(file);
        before.remove(file);
    } else {
        QCOMPARE(stateOf(folder.file(file)), damagedBefore);
    }
    if (damage == Damage::Unreadable)
        QFile::setPermissions(folder.file(file), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The damaged file and every other file of the folder, the device files
    // and notes of Task/ among them, are as they were.
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestDamagedStart::catalogueWithoutATableOrColumnIsRefused_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column"); // empty: the whole table is dropped
    QTest::addColumn<QString>("message");
    // One column of each table the look-ups read.
    const QList<QPair<const char *, const char *>> drops{
        {"DevParam1", "Name"},  {"DevParam2", "code"}, {"DevParam3", "Type"},
        {"DevParam5", "Unit2"}, {"Device1", "code"},   {"Device2", "DeviceType"},
        {"Device3", "code"},    {"Device5", "code"},   {"IndustryParam", "SolutionType"}};
    for (const auto &drop : drops) {
        QTest::addRow("%s without its column %s is named and the start refused", drop.first,
                      drop.second)
            << 0 << QString::fromLatin1(drop.first) << QString::fromLatin1(drop.second)
            << kColumnMissing;
    }
    QTest::newRow("a missing column is named in Chinese")
        << 1 << QStringLiteral("Device3") << QStringLiteral("DeviceType") << kColumnMissingChinese;
    QTest::newRow("a catalogue without its industry table is named and the start refused")
        << 0 << QStringLiteral("IndustryParam") << QString() << kTableMissing;
    QTest::newRow("a missing table is named in Chinese")
        << 1 << QStringLiteral("DevParam5") << QString() << kTableMissingChinese;
}

void TestDamagedStart::catalogueWithoutATableOrColumnIsRefused()
{
    QFETCH(int, language);
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, message);
    DataFolder folder(language);
    const QString catalogue =
        folder.file(language == 1 ? QStringLiteral("Task.db") : QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(catalogue, {QStringLiteral("solutions.sql")}));
    QVERIFY(alterCatalogue(
        catalogue, column.isEmpty()
                       ? QStringLiteral("DROP TABLE %1").arg(table)
                       : QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, column)));
    const QMap<QString, QByteArray> before = folder.snapshot();

    const ChildRun run = startChild(folder.root(), false);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("0"));
    const QString path = QDir::toNativeSeparators(catalogue);
    QCOMPARE(run.messages, QStringList{column.isEmpty() ? message.arg(path, table)
                                                        : message.arg(path, table, column)});
    QCOMPARE(folder.snapshot(), before);
}

void TestDamagedStart::leftoversOfAStoppedProgramAreMendedAtStart_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("stray");
    QTest::addColumn<QString>("oldTemporary");
    QTest::newRow("in English") << 0
                                << QStringLiteral(
                                       "Varnel|The device file %1 belongs to no task of the task "
                                       "list, so its devices are not shown. The program leaves "
                                       "the file as it is, and no task can take its name until "
                                       "it is moved out of the Task folder.")
                                << kOldTemporaries;
    QTest::newRow("in Chinese") << 1
                                << QStringLiteral("Varnel|设备文件 %1 不属于任务列表中的任何任务，"
                                                  "因此不显示其中的设备。程序保留该文件原样；在把"
                                                  "它移出 Task 文件夹之前，任何任务都不能使用这个"
                                                  "名称。")
                                << kOldTemporariesChinese;
}

void TestDamagedStart::leftoversOfAStoppedProgramAreMendedAtStart()
{
    QFETCH(int, language);
    QFETCH(QString, stray);
    QFETCH(QString, oldTemporary);
    DataFolder folder(language);
    // A save of Lobby's devices stopped before its rename, a deletion of Yard
    // stopped after the list forgot it, and devices of no task.
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/.varnel-save-QwErTy")),
                                 kGoodDevices));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Yard.xml.trash")), kGoodDevices));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/.varnel-step")),
                                 "varnel-step 1\nkind delete\nold Yard\nmakes Yard.xml.trash\n"));
    const QByteArray hall =
        QByteArray(kGoodDevices).replace("<Count>4</Count>", "<Count>9</Count>");
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Hall.xml")), hall));
    // The planner's own copies, two of them named as earlier versions named
    // the temporary files of their saves.
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml.backup")),
                                 QByteArray(kGoodTaskList).replace("Gate", "Gate 2")));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Lobby.xml.backup")), hall));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Lobby.xml.orig01")),
                                 kGoodDevices.left(100)));
    QMap<QString, QByteArray> expected = folder.snapshot();
    expected.remove(QStringLiteral("Task/.varnel-save-QwErTy"));
    expected.remove(QStringLiteral("Task/Yard.xml.trash"));
    expected.remove(QStringLiteral("Task/.varnel-step"));

    const ChildRun run = startChild(folder.root(), true);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    auto native = [&](const char *relative) {
        return QDir::toNativeSeparators(folder.file(QString::fromLatin1(relative)));
    };
    // The two copies in one message.
    QCOMPARE(run.messages,
             (QStringList{stray.arg(native("Task/Hall.xml")),
                          oldTemporary.arg(native("Task"),
                                           QStringLiteral("Lobby.xml.backup\nTask.xml.backup"))}));
    // The copies survive byte for byte, beside everything else.
    QCOMPARE(folder.snapshot(), expected);
}

void TestDamagedStart::manyFilesOfOneKindAreNamedInOneMessage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("strays");
    QTest::addColumn<QString>("oldTemporaries");
    QTest::addColumn<QString>("more");
    QTest::newRow("in English") << 0 << kStrayDeviceFiles << kOldTemporaries
                                << QStringLiteral("and 2 more");
    QTest::newRow("in Chinese") << 1 << kStrayDeviceFilesChinese << kOldTemporariesChinese
                                << QStringLiteral("以及另外 2 个");
}

void TestDamagedStart::manyFilesOfOneKindAreNamedInOneMessage()
{
    QFETCH(int, language);
    QFETCH(QString, strays);
    QFETCH(QString, oldTemporaries);
    QFETCH(QString, more);
    DataFolder folder(language);
    // Three device files of no task, and twelve copies named as earlier
    // versions named their temporary files.
    // Each device file holds devices of its own: a copy of a listed task's
    // would be the leftover of a rename.
    const QList<QPair<const char *, const char *>> strayFiles{{"Yard.xml", "<Count>5</Count>"},
                                                              {"Hall.xml", "<Count>6</Count>"},
                                                              {"Porch.xml", "<Count>7</Count>"}};
    for (const auto &[name, count] : strayFiles) {
        QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/") + QLatin1String(name)),
                                     QByteArray(kGoodDevices).replace("<Count>4</Count>", count)));
    }
    QStringList copies;
    for (char last = 'a'; last <= 'l'; ++last)
        copies << QStringLiteral("Lobby.xml.copya") + QLatin1Char(last);
    for (const QString &copy : std::as_const(copies))
        QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/") + copy), kGoodDevices));
    const QMap<QString, QByteArray> before = folder.snapshot();

    const ChildRun run = startChild(folder.root(), true);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    // Each kind in one message, the files in the order of their names; ten
    // are named, the rest counted.
    const QString task = QDir::toNativeSeparators(folder.file(QStringLiteral("Task")));
    QCOMPARE(run.messages,
             (QStringList{strays.arg(task, QStringLiteral("Hall.xml\nPorch.xml\nYard.xml")),
                          oldTemporaries.arg(task, copies.mid(0, 10).join(QLatin1Char('\n')) +
                                                       QLatin1Char('\n') + more)}));
    QCOMPARE(folder.snapshot(), before);
}

void TestDamagedStart::temporariesOfStoppedSavesLeaveTheProgramFolder_data()
{
    QTest::addColumn<bool>("anotherHoldsTheFolder");
    QTest::newRow("a start removes them and nothing of a like name") << false;
    QTest::newRow("a start refused while another program holds the folder removes nothing") << true;
}

void TestDamagedStart::temporariesOfStoppedSavesLeaveTheProgramFolder()
{
    QFETCH(bool, anotherHoldsTheFolder);
    DataFolder folder(0);
    // The filter configuration's first save stopped once its temporary file
    // had its name, and the probe of a start stopped during it; beside them,
    // files of like names that this program never makes.
    const QString temporary = QStringLiteral(".varnel-save-Fc01Zz");
    const QString probe = QStringLiteral("Task/.write-probe-31337");
    QVERIFY(ProgramFolder::write(folder.file(temporary), ProgramFolder::readAll(folder.file(
                                                             QStringLiteral("FilterConfig.xml")))));
    QVERIFY(ProgramFolder::write(folder.file(probe), QByteArray(4096, '\n')));
    for (const char *name : {".varnel-save-Fc01Z", "varnel-save-Fc01Zz", ".varnel-save-Fc01Zz.xml",
                             "Task/.write-probe-31337.keep"})
        QVERIFY(ProgramFolder::write(folder.file(QLatin1String(name)), "a planner's file"));
    QVERIFY(QDir(folder.root()).mkdir(QStringLiteral(".varnel-save-Dir001")));
    QVERIFY(QFile::link(folder.file(QStringLiteral("Task/notes.txt")),
                        folder.file(QStringLiteral(".varnel-save-Lnk001"))));
    TaskFolderLock other(folder.file(QStringLiteral("Task")));
    if (anotherHoldsTheFolder)
        QCOMPARE(other.acquire(), TaskFolderLock::State::Held);
    QMap<QString, QByteArray> expected = folder.snapshot();
    if (!anotherHoldsTheFolder) {
        expected.remove(temporary);
        expected.remove(probe);
    }

    const ChildRun run = startChild(folder.root(), !anotherHoldsTheFolder);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.messages, anotherHoldsTheFolder
                               ? QStringList{QStringLiteral("Varnel|Software is already running.")}
                               : QStringList());
    QCOMPARE(folder.snapshot(), expected);
    QVERIFY(QFileInfo(folder.file(QStringLiteral(".varnel-save-Dir001"))).isDir());
    QVERIFY(QFileInfo(folder.file(QStringLiteral(".varnel-save-Lnk001"))).isSymLink());
}

void TestDamagedStart::aStepThatCannotBeSettledIsNamedAtStart_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("in English")
        << 0
        << QStringLiteral("Varnel|The file %1 records a rename or a deletion of a task that was "
                          "cut off, and the program could not finish or undo it: the record is "
                          "damaged, the task list cannot be read, or a file it names cannot be "
                          "changed. The program leaves the record and the device files as they "
                          "are, and no task can be renamed or deleted while the record is there. "
                          "Check the device files of the tasks it names, then move it out of the "
                          "Task folder.");
    QTest::newRow("in Chinese")
        << 1
        << QStringLiteral("Varnel|文件 %1 记录了一次被中断的任务重命名或删除，程序未能完成或"
                          "撤销它：该记录已损坏、任务列表无法读取，或其中所列的某个文件无法"
                          "更改。程序保留该记录和设备文件原样；在该记录存在期间，任何任务都"
                          "不能重命名或删除。请检查其中所列任务的设备文件，然后将它移出 Task "
                          "文件夹。");
}

void TestDamagedStart::aStepThatCannotBeSettledIsNamedAtStart()
{
    QFETCH(int, language);
    QFETCH(QString, message);
    DataFolder folder(language);
    // The record of a rename of Lobby, cut short.
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/.varnel-step")),
                                 "varnel-step 1\nkind rename\nold Lobby\nnew Ha"));
    const QMap<QString, QByteArray> before = folder.snapshot();

    const ChildRun run = startChild(folder.root(), true);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    QCOMPARE(run.messages, QStringList{message.arg(QDir::toNativeSeparators(
                               folder.file(QStringLiteral("Task/.varnel-step"))))});
    QCOMPARE(folder.snapshot(), before);
}

int main(int argc, char *argv[])
{
    if (ProgramInChild::isChild(argc, argv, "--start-child"))
        return runStartChild(argv);
    QCoreApplication app(argc, argv);
    TestDamagedStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_damagedstart.moc"
