// The program started on a copy of its folder in which one data file is
// damaged: it names the file once (or refuses, for the catalogue), goes on
// without it, and leaves every file of the folder as it was.
#include <LanaguageManager.h>
#include <ToolsApplication.h>
#include <Varnel.h>

#include <TargetPath.h>
#include <WarningDlg.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <unistd.h>

using KavrinGUIToolkit::CWarningDlg;

namespace {

const char kProgramDir[] = VARNEL_PROGRAM_DIR;

// One start in a child process (the settings, the language and the catalogue
// are fixed once per process): init(), then, when it passed, the main window
// as the program shows it, and its end. Every message is answered "OK" and
// reported on stdout.
int runStartChild(char *argv[])
{
    const QString folder = QString::fromLocal8Bit(argv[2]);
    int appArgc = 1;
    kiv::ToolsApplication app(QStringLiteral("Varnel"), appArgc, argv);
    KavrinGUIToolkit::SetTargetPath(folder);
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    const bool started = app.init();
    QTextStream out(stdout);
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << "message\t" << m.title << '\t' << m.text << '\n';
    out << "init\t" << (started ? 1 : 0) << '\n';
    out << "language\t" << kiv::LanaguageManager::GetInstance()->language() << '\n';
    if (started) {
        kiv::Varnel window;
        window.showCentred();
        QCoreApplication::processEvents();
        out << "window\t1\n";
    }
    return started ? 0 : 1;
}

struct ChildRun
{
    int exitCode = -1;
    QStringList messages;
    QMap<QString, QString> facts;
    QByteArray log;
};

ChildRun startChild(const QString &folder)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-child"), folder});
    ChildRun run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.exitCode = child.exitCode();
    run.log = child.readAllStandardError();
    const QStringList lines =
        QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() == 3 && parts.at(0) == QLatin1String("message"))
            run.messages << parts.at(1) + QLatin1Char('|') + parts.at(2);
        else if (parts.size() == 2)
            run.facts.insert(parts.at(0), parts.at(1));
    }
    return run;
}

enum class Damage { CutToHalf, RandomBytes, WrongRoot, ZeroBytes, Missing, Unreadable };

const QByteArray kForeignXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<Inventory><Item><Name>stapler</Name></Item>"
                               "<Translator><Value>1</Value></Translator></Inventory>\n";

const QByteArray kTaskList = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList>\n"
                             " <Task>\n  <Name>Lobby</Name>\n  <Type>0</Type>\n"
                             "  <VideoStandard>0</VideoStandard>\n  <Remark>ground floor</Remark>\n"
                             " </Task>\n <Task>\n  <Name>Gate</Name>\n  <Type>0</Type>\n"
                             "  <VideoStandard>1</VideoStandard>\n  <Remark/>\n </Task>\n"
                             "</TaskInfoList>\n";
const QByteArray kDevices = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList>\n"
                            " <DeviceInfo>\n  <DeviceType>KC-B21</DeviceType>\n"
                            "  <Remark>door</Remark>\n  <MainType>IPC</MainType>\n"
                            "  <Count>4</Count>\n  <MainStream>4096</MainStream>\n"
                            "  <SubStream>512</SubStream>\n"
                            "  <RecordPlan>111111111111111111111111</RecordPlan>\n"
                            "  <EventFren>100</EventFren>\n </DeviceInfo>\n</DeviceInfoList>\n";

QByteArray setupXml(int language)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configs>\n  <Translator>\n    <Value>" +
           QByteArray::number(language) +
           "</Value>\n  </Translator>\n  <Skin>\n    <Value>BlackRedSkin</Value>\n  </Skin>\n"
           "</Configs>\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// A copy of the built program folder's data (settings of @p language, the
/// shipped parameter codes, filter configuration and catalogues), with two
/// tasks and their device files and a note in Task/.
class DataFolder
{
public:
    explicit DataFolder(int language)
    {
        QVERIFY(m_dir.isValid());
        const QString program = QString::fromLatin1(kProgramDir) + QLatin1Char('/');
        for (const char *name : {"ParamCode.xml", "FilterConfig.xml", "Task_EN.db", "Task.db"}) {
            const QString file = QString::fromLatin1(name);
            QVERIFY2(QFile::copy(program + file, path(file)), name);
        }
        QVERIFY(writeFile(path(QStringLiteral("Setup.xml")), setupXml(language)));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Task")));
        QVERIFY(writeFile(path(QStringLiteral("Task/Task.xml")), kTaskList));
        QVERIFY(writeFile(path(QStringLiteral("Task/Lobby.xml")), kDevices));
        QVERIFY(writeFile(path(QStringLiteral("Task/Gate.xml")), kDevices));
        QVERIFY(writeFile(path(QStringLiteral("Task/notes.txt")), "cable lengths\n"));
        QVERIFY(QFile::link(program + QStringLiteral("translations"),
                            path(QStringLiteral("translations"))));
        QVERIFY(QFile::link(program + QStringLiteral("plugins"), path(QStringLiteral("plugins"))));
    }

    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

    /// Every plain file of the folder (links left out) with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            files.insert(QDir(m_dir.path()).relativeFilePath(file), readFile(file));
        }
        return files;
    }

private:
    QTemporaryDir m_dir;
};

bool layDamaged(const DataFolder &folder, const QString &relative, Damage damage)
{
    const QString path = folder.path(relative);
    const QByteArray good = readFile(path);
    if (relative.endsWith(QLatin1String(".db")) && damage == Damage::WrongRoot) {
        // Another program's database: well-formed, without the catalogue's
        // tables.
        QFile::remove(path);
        const QString name = QStringLiteral("foreign-db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            if (!db.open())
                return false;
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("create table Inventory (Name text)")))
                return false;
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return true;
    }
    QFile::remove(path);
    switch (damage) {
    case Damage::CutToHalf:
        return writeFile(path, good.left(good.size() / 2));
    case Damage::RandomBytes: {
        QRandomGenerator generator(19);
        QByteArray bytes(4096, '\0');
        for (char &c : bytes)
            c = char(generator.bounded(256));
        return writeFile(path, bytes);
    }
    case Damage::WrongRoot:
        return writeFile(path, kForeignXml);
    case Damage::ZeroBytes:
        return writeFile(path, QByteArray());
    case Damage::Missing:
        return true;
    case Damage::Unreadable:
        return writeFile(path, good) && QFile::setPermissions(path, QFileDevice::Permissions());
    }
    return false;
}

const char *damageText(Damage damage)
{
    switch (damage) {
    case Damage::CutToHalf:
        return "cut to half";
    case Damage::RandomBytes:
        return "of random bytes";
    case Damage::WrongRoot:
        return "of another program";
    case Damage::ZeroBytes:
        return "of 0 bytes";
    case Damage::Missing:
        return "missing";
    case Damage::Unreadable:
        return "nobody may read";
    }
    return "";
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

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestDamagedStart : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileIsNamedAndLeftAlone_data();
    void damagedFileIsNamedAndLeftAlone();
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

    const QList<Damage> damages{Damage::CutToHalf, Damage::RandomBytes, Damage::WrongRoot,
                                Damage::ZeroBytes, Damage::Missing};
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
        for (Damage damage : damages) {
            const bool quiet =
                (damage == Damage::Missing || damage == Damage::ZeroBytes) &&
                (row.createdWhenMissing || (damage == Damage::Missing && row.starts));
            const QString message = quiet ? QString() : row.damaged;
            QTest::addRow("%s %s: %s", row.file, damageText(damage),
                          !row.starts ? "the start is refused"
                          : quiet     ? "the start goes on without a word"
                                      : "named once, the start goes on")
                << QString::fromLatin1(row.file) << damage << row.language << row.starts << message
                << (quiet && row.createdWhenMissing);
        }
    }
    QTest::newRow("Task/Task.xml nobody may read: named once, the start goes on")
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

    const ChildRun run = startChild(folder.root());
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QString::number(starts ? 1 : 0));
    QCOMPARE(run.exitCode, starts ? 0 : 1);
    QStringList expected;
    if (!message.isEmpty())
        expected << message.arg(QDir::toNativeSeparators(folder.path(file)));
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
    }
    if (damage == Damage::Unreadable)
        QFile::setPermissions(folder.path(file), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The damaged file and every other file of the folder, the device files
    // and notes of Task/ among them, are as they were.
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
}

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--start-child") == 0)
        return runStartChild(argv);
    QCoreApplication app(argc, argv);
    TestDamagedStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_damagedstart.moc"
