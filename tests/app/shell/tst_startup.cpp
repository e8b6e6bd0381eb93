#include <InstanceLock.h>
#include <SkinLoader.h>
#include <ToolsApplication.h>
#include <Varnel.h>

#include "ProgramFolder.h"

#include <BaseDialog.h>
#include <ISkinPlugin.h>
#include <PathComboBox.h>
#include <TargetPath.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include <stdexcept>

using KavrinGUIToolkit::CWarningDlg;

namespace {

const char kProgramDir[] = VARNEL_PROGRAM_DIR;

QString rectText(const QRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// One start of the program, run in a child process of this test (the
// screens are fixed per process): the settings, screens and folder of a row,
// every message answered by the row's answer. With "window" after them the
// child goes on as the program does: it shows the main window and reports
// where it stands. The child reports on stdout.
int runStartChild(int argc, char *argv[])
{
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int answer = QByteArray(argv[3]).toInt();
    int appArgc = 1;
    kiv::ToolsApplication app(QStringLiteral("Varnel"), appArgc, argv);
    KavrinGUIToolkit::SetTargetPath(folder);
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    CWarningDlg::SetResponder([answer](const CWarningDlg::Shown &) { return answer; });
    const bool started = app.init();
    QTextStream out(stdout);
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << "message\t" << m.title << '\t' << m.text << '\n';
    out << "highlight\t" << QApplication::palette().color(QPalette::Highlight).name() << '\n';
    out << "sheet\t"
        << (app.styleSheet().contains(QLatin1String("KavrinGUIToolkit--CBaseDialog")) ? 1 : 0)
        << '\n';
    out << "mac\t" << (app.styleSheet().contains(QLatin1String("font-size: 13px")) ? 1 : 0) << '\n';
    out << "icon\t" << (app.windowIcon().isNull() ? 0 : 1) << '\n';
    out << "init\t" << (started ? 1 : 0) << '\n';
    if (started && argc > 4 && qstrcmp(argv[4], "window") == 0) {
        kiv::Varnel window;
        window.showCentred();
        out << "window\t" << rectText(QRect(window.pos(), window.size())) << '\n';
        out << "primary\t" << rectText(QGuiApplication::primaryScreen()->geometry()) << '\n';
    }
    return started ? 0 : 1;
}

// Holds the running instance of a key until it is killed.
int holdInstance(char *argv[])
{
    int appArgc = 1;
    QCoreApplication app(appArgc, argv);
    kiv::InstanceLock lock(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[2]));
    if (!lock.acquire())
        return 1;
    QTextStream(stdout) << "held\n" << Qt::flush;
    return app.exec();
}

struct ChildRun
{
    int exitCode = -1;
    QStringList messages; // "title|text"
    QMap<QString, QString> facts;
    QByteArray log;
};

ChildRun startChild(const QString &folder, const QString &screenFile, int answer,
                    bool window = false)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=") + screenFile);
    child.setProcessEnvironment(env);
    QStringList arguments{QStringLiteral("--start-child"), folder, QString::number(answer)};
    if (window)
        arguments << QStringLiteral("window");
    child.start(QCoreApplication::applicationFilePath(), arguments);
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

enum Catalogue { GoodCatalogue, NoCatalogue, JunkCatalogue };
enum Plugins { SkinAndStyle, SkinOnly };
const int kNoSettings = -1;

/// A program folder for one start: settings (none for kNoSettings),
/// catalogue, task folder, and the built program's plug-ins and catalogues of
/// texts.
class StartFolder
{
public:
    StartFolder(int language, Catalogue catalogue, bool taskIsAFile,
                const QString &skin = QStringLiteral("BlackRedSkin"),
                Plugins plugins = SkinAndStyle)
    {
        QVERIFY(m_dir.isValid());
        if (language != kNoSettings) {
            const QByteArray setup = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configs>\n"
                                     "  <Translator><Value>" +
                                     QByteArray::number(language) +
                                     "</Value></Translator>\n  <Skin><Value>" + skin.toUtf8() +
                                     "</Value></Skin>\n</Configs>\n";
            QVERIFY(write(QStringLiteral("Setup.xml"), setup));
        }
        // Without settings the program speaks English and reads the English
        // catalogue.
        const QString db =
            file(language == 1 ? QStringLiteral("Task.db") : QStringLiteral("Task_EN.db"));
        if (catalogue == GoodCatalogue) {
            const QString connection = QStringLiteral("start-folder-%1").arg(quintptr(this));
            {
                QSqlDatabase database =
                    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
                database.setDatabaseName(db);
                QVERIFY(database.open());
                QSqlQuery query(database);
                QVERIFY(
                    query.exec(QStringLiteral("create table Device1 (DevType text, Code text)")));
                database.close();
            }
            QSqlDatabase::removeDatabase(connection);
        } else if (catalogue == JunkCatalogue) {
            QVERIFY(write(QFileInfo(db).fileName(), "this is no catalogue"));
        }
        if (taskIsAFile)
            QVERIFY(write(QStringLiteral("Task"), "in the way"));
        const QString program = QString::fromLatin1(kProgramDir) + QLatin1Char('/');
        QVERIFY(QFile::link(program + QStringLiteral("translations"),
                            file(QStringLiteral("translations"))));
        if (plugins == SkinAndStyle) {
            QVERIFY(
                QFile::link(program + QStringLiteral("plugins"), file(QStringLiteral("plugins"))));
        } else {
            QVERIFY(QDir(path()).mkpath(QStringLiteral("plugins/skins")));
            const QString skinFile = QStringLiteral("plugins/skins/libBlackRedSkin.so");
            QVERIFY(QFile::link(program + skinFile, file(skinFile)));
        }
    }

    /// Makes the folder a real program folder: a copy of the built program
    /// (it takes its folder from where it lies) beside links to its
    /// libraries. Returns the program's path.
    QString installProgram() const
    {
        const QDir program(QString::fromLatin1(kProgramDir));
        const QString exe = file(QStringLiteral("Varnel"));
        if (!QFile::copy(program.filePath(QStringLiteral("Varnel")), exe))
            return QString();
        const QStringList libraries =
            program.entryList({QStringLiteral("*.so"), QStringLiteral("*.so.*")}, QDir::Files);
        for (const QString &library : libraries) {
            if (!QFile::link(program.filePath(library), file(library)))
                return QString();
        }
        return exe;
    }

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
};

QString screenFile(QTemporaryDir &dir, const QList<QRect> &screens)
{
    QStringList entries;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect &g = screens.at(i);
        entries << QStringLiteral("{\"name\":\"s%1\",\"x\":%2,\"y\":%3,\"width\":%4,\"height\":%5,"
                                  "\"logicalDpi\":96}")
                       .arg(i)
                       .arg(g.x())
                       .arg(g.y())
                       .arg(g.width())
                       .arg(g.height());
    }
    const QString path = dir.filePath(QStringLiteral("screens.json"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(
        (QStringLiteral("{\"screens\":[") + entries.join(QLatin1Char(',')) + QStringLiteral("]}"))
            .toUtf8());
    return path;
}

// Receives events and throws on the first user event, as a handler with a
// fault would.
class Thrower : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("fault in a handler");
        if (e->type() == QEvent::User + 1 || e->type() == QEvent::ApplicationFontChange)
            ++received;
        return QObject::event(e);
    }
    int received = 0;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_folder = std::make_unique<ProgramFolder>(); }
    void cleanupTestCase() { m_folder.reset(); }
    void cleanup();

    void screensReach_data();
    void screensReach();
    void startUp_data();
    void startUp();
    void startUpLoadsSkinStyleAndIcon_data();
    void startUpLoadsSkinStyleAndIcon();
    void unknownSkinIsLoggedAndTheStartGoesOn();
    void windowIsCentredOnThePrimaryScreen_data();
    void windowIsCentredOnThePrimaryScreen();
    void taskFolderProblem_data();
    void taskFolderProblem();
    void fullDiskIsToldApartFromAnUnwritableFolder();

    void skinLoaderPassesOverOtherFiles_data();
    void skinLoaderPassesOverOtherFiles();

    void secondInstanceStepsBack();
    void secondStartOfTheProgramIsRefused();
    void leftoversOfACrashedInstanceAreTakenOver_data();
    void leftoversOfACrashedInstanceAreTakenOver();

    void toolTipShowsTheWidgetsOwnText_data();
    void toolTipShowsTheWidgetsOwnText();
    void applicationFontChangeReachesNobody();
    void exceptionFromAHandlerIsSwallowed();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestStartup::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    QToolTip::hideText();
}

void TestStartup::screensReach_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("enough");
    QTest::newRow("1280 x 1024 is enough") << QList<QRect>{QRect(0, 0, 1280, 1024)} << true;
    QTest::newRow("exactly 1024 x 768 is enough") << QList<QRect>{QRect(0, 0, 1024, 768)} << true;
    QTest::newRow("1280 x 720 is too low") << QList<QRect>{QRect(0, 0, 1280, 720)} << false;
    QTest::newRow("two 800 x 600 side by side reach 1600 wide but not 768 high")
        << QList<QRect>{QRect(0, 0, 800, 600), QRect(800, 0, 800, 600)} << false;
    QTest::newRow("width from one screen and height from another")
        << QList<QRect>{QRect(0, 0, 1100, 600), QRect(0, 600, 800, 200)} << true;
    QTest::newRow("no screen at all") << QList<QRect>{} << false;
}

void TestStartup::screensReach()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, enough);
    QCOMPARE(kiv::ToolsApplication::screensReach(screens), enough);
}

void TestStartup::startUp_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("catalogue");
    QTest::addColumn<bool>("taskIsAFile");
    QTest::addColumn<bool>("anotherRuns");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QStringList>("messages");

    const QList<QRect> big{QRect(0, 0, 1280, 1024)};
    const QList<QRect> low{QRect(0, 0, 1280, 720)};
    const QString question = QStringLiteral(
        "Varnel|Display resolution less than 1024*768,are you sure to start the program?");
    QTest::newRow("a usual start asks nothing")
        << big << 0 << int(GoodCatalogue) << false << false << 1 << true << QStringList();
    QTest::newRow("a screen of 1280 x 720 asks, and no ends the start")
        << low << 0 << int(GoodCatalogue) << false << false << 0 << false << QStringList{question};
    QTest::newRow("a small screen answered yes starts")
        << low << 0 << int(GoodCatalogue) << false << false << 1 << true << QStringList{question};
    QTest::newRow("two screens of 800 x 600 side by side ask")
        << QList<QRect>{QRect(0, 0, 800, 600), QRect(800, 0, 800, 600)} << 0 << int(GoodCatalogue)
        << false << false << 0 << false << QStringList{question};
    QTest::newRow("a second start is refused")
        << big << 0 << int(GoodCatalogue) << false << true << 1 << false
        << QStringList{QStringLiteral("Varnel|Software is already running.")};
    QTest::newRow("a missing catalogue is told")
        << big << 0 << int(NoCatalogue) << false << false << 1 << false
        << QStringList{
               QStringLiteral("Varnel|The device catalogue %PROGRAM%Task_EN.db is missing or "
                              "cannot be read. Install the program again and start it once more.")};
    QTest::newRow("a catalogue that is no database is told")
        << big << 0 << int(JunkCatalogue) << false << false << 1 << false
        << QStringList{
               QStringLiteral("Varnel|The device catalogue %PROGRAM%Task_EN.db is missing or "
                              "cannot be read. Install the program again and start it once more.")};
    QTest::newRow("a task folder that cannot be written is told")
        << big << 0 << int(GoodCatalogue) << true << false << 1 << false
        << QStringList{
               QStringLiteral("Varnel|The task folder %PROGRAM%Task cannot be written, so no task "
                              "could be saved. Make the program folder writable and start the "
                              "program again.")};
    QTest::newRow("with Chinese settings the question is asked in Chinese")
        << low << 1 << int(GoodCatalogue) << false << false << 0 << false
        << QStringList{QStringLiteral("Varnel|显示器分辨率低于1024*768，确定要启动程序吗？")};
    // The folder holds only the English catalogue: a start in any other
    // language would report it missing.
    QTest::newRow("without a settings file the start goes on in English")
        << big << kNoSettings << int(GoodCatalogue) << false << false << 1 << true << QStringList();
    QTest::newRow("without a settings file the question is asked in English")
        << low << kNoSettings << int(GoodCatalogue) << false << false << 0 << false
        << QStringList{question};
}

void TestStartup::startUp()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(int, language);
    QFETCH(int, catalogue);
    QFETCH(bool, taskIsAFile);
    QFETCH(bool, anotherRuns);
    QFETCH(int, answer);
    QFETCH(bool, starts);
    QFETCH(QStringList, messages);

    StartFolder folder(language, Catalogue(catalogue), taskIsAFile);
    QTemporaryDir scratch;
    const QString screensJson = screenFile(scratch, screens);
    kiv::InstanceLock running(kiv::InstanceLock::keyFor(QStringLiteral("Varnel"), folder.path()));
    if (anotherRuns)
        QVERIFY(running.acquire());

    const ChildRun run = startChild(folder.path(), screensJson, answer);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QString::number(starts ? 1 : 0));
    QCOMPARE(run.exitCode, starts ? 0 : 1);
    const QString program = QDir::toNativeSeparators(folder.path() + QLatin1Char('/'));
    for (QString &m : messages)
        m.replace(QStringLiteral("%PROGRAM%"), program);
    QCOMPARE(run.messages, messages);
    if (starts)
        QVERIFY(QFileInfo(folder.file(QStringLiteral("Task"))).isDir());
}

void TestStartup::startUpLoadsSkinStyleAndIcon_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("plugins");
    QTest::addColumn<bool>("styled");
    QTest::newRow("the skin, the style and the icon are loaded") << 0 << int(SkinAndStyle) << true;
    QTest::newRow("without a settings file the default skin is loaded")
        << kNoSettings << int(SkinAndStyle) << true;
    QTest::newRow("without the style a debug line is written and the sheet still applies")
        << 0 << int(SkinOnly) << false;
}

void TestStartup::startUpLoadsSkinStyleAndIcon()
{
    QFETCH(int, language);
    QFETCH(int, plugins);
    QFETCH(bool, styled);
    StartFolder folder(language, GoodCatalogue, false, QStringLiteral("BlackRedSkin"),
                       Plugins(plugins));
    QTemporaryDir scratch;
    const ChildRun run =
        startChild(folder.path(), screenFile(scratch, {QRect(0, 0, 1280, 1024)}), 1);
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    QCOMPARE(run.messages, QStringList());
    QVERIFY2(run.log.contains("[Tool]LoadSkin = BlackRedSkin Success"), run.log.constData());
    QCOMPARE(run.log.contains("[ToolsApplication::loadStyle]The CKavrinStyle does not exist."),
             !styled);
    // With the style its own colours are the application's; without it the
    // style in place keeps its own.
    QCOMPARE(run.facts.value(QStringLiteral("highlight")) == QLatin1String("#f4d9d9"), styled);
    QCOMPARE(run.facts.value(QStringLiteral("sheet")), QStringLiteral("1"));
    // The macOS sheet is left out.
    QCOMPARE(run.facts.value(QStringLiteral("mac")), QStringLiteral("0"));
    QCOMPARE(run.facts.value(QStringLiteral("icon")), QStringLiteral("1"));
}

void TestStartup::unknownSkinIsLoggedAndTheStartGoesOn()
{
    StartFolder folder(0, GoodCatalogue, false, QStringLiteral("GreenSkin"));
    QTemporaryDir scratch;
    const ChildRun run =
        startChild(folder.path(), screenFile(scratch, {QRect(0, 0, 1280, 1024)}), 1);
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    QVERIFY2(run.log.contains("[Tool]LoadSkin = GreenSkin failed"), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("sheet")), QStringLiteral("0"));
    QCOMPARE(run.messages, QStringList());
}

void TestStartup::windowIsCentredOnThePrimaryScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens"); // the first one is the primary screen
    QTest::addColumn<QRect>("primary");
    QTest::addColumn<QRect>("window");
    // Centred across the two screens the window would stand at (768, 128).
    QTest::newRow("a primary screen right of the other")
        << QList<QRect>{QRect(1280, 0, 1280, 1024), QRect(0, 0, 1280, 1024)}
        << QRect(1280, 0, 1280, 1024) << QRect(1408, 128, 1024, 768);
    // Centred across the two screens the window would stand at (1088, 216).
    QTest::newRow("a larger screen right of the primary one")
        << QList<QRect>{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1200)}
        << QRect(0, 0, 1280, 1024) << QRect(128, 128, 1024, 768);
}

void TestStartup::windowIsCentredOnThePrimaryScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, primary);
    QFETCH(QRect, window);
    StartFolder folder(0, GoodCatalogue, false);
    QTemporaryDir scratch;
    const ChildRun run = startChild(folder.path(), screenFile(scratch, screens), 1, true);
    QVERIFY2(run.facts.contains(QStringLiteral("window")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("primary")), rectText(primary));
    QCOMPARE(run.facts.value(QStringLiteral("window")), rectText(window));
}

void TestStartup::taskFolderProblem_data()
{
    QTest::addColumn<bool>("taskIsAFile");
    QTest::addColumn<bool>("fine");
    QTest::newRow("a missing task folder is made") << false << true;
    QTest::newRow("a file named Task is in the way") << true << false;
}

void TestStartup::taskFolderProblem()
{
    QFETCH(bool, taskIsAFile);
    QFETCH(bool, fine);
    QTemporaryDir dir;
    if (taskIsAFile) {
        QFile f(dir.filePath(QStringLiteral("Task")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString problem = kiv::ToolsApplication::taskFolderProblem(dir.path());
    QCOMPARE(problem.isEmpty(), fine);
    if (fine) {
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Task"))).isDir());
        // The probe leaves nothing behind.
        QCOMPARE(QDir(dir.filePath(QStringLiteral("Task")))
                     .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    } else {
        QVERIFY(problem.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("Task")))));
    }
}

void TestStartup::fullDiskIsToldApartFromAnUnwritableFolder()
{
    // A program folder on a small file system of its own, with room for the
    // task folder but not for a large task: the probe runs in a mount
    // namespace of its own, so nothing outside it sees the mount.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(folder));
    QProcess probe;
    probe.start(QStringLiteral("unshare"),
                {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                 QStringLiteral("mount -t tmpfs -o size=256k tmpfs \"$0\" || exit 77; "
                                "exec \"$1\" --folder-probe \"$0\""),
                 folder, QCoreApplication::applicationFilePath()});
    if (!probe.waitForStarted())
        QSKIP("no unshare on this machine");
    QVERIFY(probe.waitForFinished(60000));
    if (probe.exitCode() != 0)
        QSKIP("no file system of its own can be mounted here");
    const QString told = QString::fromLocal8Bit(probe.readAllStandardOutput());
    QCOMPARE(told, QStringLiteral("The disk that holds the task folder %1 is full, so no task "
                                  "could be saved. Free some space on it and start the program "
                                  "again.")
                       .arg(QDir::toNativeSeparators(folder + QStringLiteral("/Task"))));
}

void TestStartup::skinLoaderPassesOverOtherFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withSkin");
    QTest::addColumn<bool>("found");
    QTest::newRow("the skin is found behind a junk file and a style plug-in")
        << QStringLiteral("BlackRedSkin") << true << true;
    QTest::newRow("names are case-sensitive") << QStringLiteral("blackredskin") << true << false;
    QTest::newRow("a skin no plug-in offers") << QStringLiteral("GreenSkin") << true << false;
    QTest::newRow("a folder of junk only") << QStringLiteral("BlackRedSkin") << false << false;
    QTest::newRow("a null name") << QString() << true << false;
}

void TestStartup::skinLoaderPassesOverOtherFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, withSkin);
    QFETCH(bool, found);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = QString::fromLatin1(kProgramDir);
    QFile junk(dir.filePath(QStringLiteral("aaa-skin.so")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    QVERIFY(QFile::copy(program + QStringLiteral("/plugins/styles/libCKavrinStyle.so"),
                        dir.filePath(QStringLiteral("libCKavrinStyle.so"))));
    if (withSkin)
        QVERIFY(QFile::copy(program + QStringLiteral("/plugins/skins/libBlackRedSkin.so"),
                            dir.filePath(QStringLiteral("libBlackRedSkin.so"))));
    ISkinPlugin *skin = kiv::SkinLoader::load(name, dir.path());
    QCOMPARE(skin != nullptr, found);
    if (found) {
        QVERIFY(skin->GetSkinNames().contains(name));
        // Its style sheets are registered once it is loaded.
        QVERIFY(QFile::exists(QStringLiteral(":/Torvel/Qss/Qss/System/Title.qss")));
        // Asked again, the loaded plug-in answers.
        QCOMPARE(kiv::SkinLoader::load(name, dir.path()), skin);
    }
}

void TestStartup::secondInstanceStepsBack()
{
    QTemporaryDir dir;
    const QString key = QStringLiteral("VarnelTest-second");
    auto first = std::make_unique<kiv::InstanceLock>(key, dir.path());
    QVERIFY(first->acquire());
    kiv::InstanceLock second(key, dir.path());
    QVERIFY(!second.acquire());
    QVERIFY(!second.isPrimary());
    first.reset();
    kiv::InstanceLock third(key, dir.path());
    QVERIFY(third.acquire());
}

void TestStartup::secondStartOfTheProgramIsRefused()
{
    // Two real starts of the program from one folder. Their message boxes
    // are answered by a preloaded helper that reports them on stdout.
    const QString answerer = QStringLiteral(VARNEL_MESSAGE_ANSWERER);
    QVERIFY(QFile::exists(answerer));
    StartFolder folder(0, GoodCatalogue, false);
    const QString program = folder.installProgram();
    QVERIFY(!program.isEmpty());
    QTemporaryDir scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=") +
                   screenFile(scratch, {QRect(0, 0, 1280, 1024)}));
    env.insert(QStringLiteral("LD_PRELOAD"), answerer);
    const auto start = [&](QProcess &p) {
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(folder.path());
        p.start(program, QStringList());
    };
    // The program knows its folder by its real path.
    const QString key = kiv::InstanceLock::keyFor(QStringLiteral("Varnel"),
                                                  QFileInfo(folder.path()).canonicalFilePath());
    const QString server = kiv::InstanceLock(key).serverName();
    const auto firstListens = [&server] {
        QLocalSocket knock;
        knock.connectToServer(server);
        return knock.waitForConnected(200);
    };

    QProcess first;
    // However the test ends, the first start is ended and the socket it
    // leaves behind is taken over and removed.
    const auto endFirst = qScopeGuard([&first, &key] {
        first.kill();
        first.waitForFinished();
        kiv::InstanceLock(key).acquire();
    });
    start(first);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(firstListens(), 30000);

    QProcess second;
    start(second);
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 255); // main() returned -1
    QCOMPARE(second.readAllStandardOutput(),
             QByteArray("message\tVarnel\tSoftware is already running.\n"));

    // The first goes on as it was: running, still the instance, and told
    // nothing.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(firstListens());
    QCOMPARE(first.readAllStandardOutput(), QByteArray());
}

void TestStartup::leftoversOfACrashedInstanceAreTakenOver_data()
{
    QTest::addColumn<bool>("leaveLockFile");
    QTest::newRow("the socket of a killed instance") << false;
    QTest::newRow("the socket and a start lock of a killed instance") << true;
}

void TestStartup::leftoversOfACrashedInstanceAreTakenOver()
{
    QFETCH(bool, leaveLockFile);
    QTemporaryDir dir;
    const QString key = QStringLiteral("VarnelTest-crash");
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--hold-instance"), dir.path(), key});
    QVERIFY(holder.waitForReadyRead(30000));
    QCOMPARE(holder.readAllStandardOutput(), QByteArray("held\n"));
    const qint64 pid = holder.processId();
    holder.kill(); // no chance to tidy up
    QVERIFY(holder.waitForFinished());

    kiv::InstanceLock probe(key, dir.path());
    QVERIFY(QFile::exists(probe.serverName()));
    if (leaveLockFile) {
        QFile lock(probe.lockFilePath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\ntst_startup\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
    }
    QVERIFY(probe.acquire());
}

void TestStartup::toolTipShowsTheWidgetsOwnText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("language"); // of the toolkit's texts; empty for English
    QTest::addColumn<QString>("shown");
    QTest::newRow("a label shows its own text")
        << QStringLiteral("label") << QStringLiteral("tip") << QString()
        << QStringLiteral("Lobby camera, east wall");
    QTest::newRow("a button shows its own text")
        << QStringLiteral("button") << QStringLiteral("tip") << QString()
        << QStringLiteral("Calculate");
    QTest::newRow("a combo box shows its current item")
        << QStringLiteral("combo") << QStringLiteral("tip") << QString() << QStringLiteral("RAID5");
    QTest::newRow("a line edit keeps its tool tip")
        << QStringLiteral("edit") << QStringLiteral("tip") << QString() << QStringLiteral("tip");
    QTest::newRow("an icon-only button shows its tool tip")
        << QStringLiteral("icon button") << QStringLiteral("Add Device") << QString()
        << QStringLiteral("Add Device");
    QTest::newRow("a picture label shows its tool tip")
        << QStringLiteral("picture") << QStringLiteral("Stream") << QString()
        << QStringLiteral("Stream");
    QTest::newRow("a label without a tool tip shows none")
        << QStringLiteral("label") << QString() << QString() << QString();
    // The toolkit's glyph buttons set their own tips.
    QTest::newRow("a dialog's close button shows its tip, not its cross")
        << QStringLiteral("dialog close") << QString() << QString() << QStringLiteral("Close");
    QTest::newRow("a path box's browse button shows its tip, not its dots")
        << QStringLiteral("browse") << QString() << QString() << QStringLiteral("Browse...");
    QTest::newRow("a dialog's close button in Chinese")
        << QStringLiteral("dialog close") << QString() << QStringLiteral("zh")
        << QStringLiteral("关闭");
    QTest::newRow("a path box's browse button in Chinese")
        << QStringLiteral("browse") << QString() << QStringLiteral("zh")
        << QStringLiteral("浏览...");
}

void TestStartup::toolTipShowsTheWidgetsOwnText()
{
    QFETCH(QString, kind);
    QFETCH(QString, tip);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QTranslator toolkitTexts;
    if (!language.isEmpty()) {
        QVERIFY(
            toolkitTexts.load(QStringLiteral("KavrinGUIToolkit_") + language,
                              QString::fromLatin1(kProgramDir) + QStringLiteral("/translations")));
        QVERIFY(QCoreApplication::installTranslator(&toolkitTexts));
    }
    QWidget host;
    QWidget *widget = nullptr;
    if (kind == QLatin1String("dialog close")) {
        auto *dialog = new KavrinGUIToolkit::CBaseDialog(&host);
        dialog->show();
        widget = dialog->GetCloseBtn();
    } else if (kind == QLatin1String("browse")) {
        auto *box = new KavrinGUIToolkit::CPathComboBox(&host);
        widget = box->GetBrowseBtn();
    } else if (kind == QLatin1String("label")) {
        widget = new QLabel(QStringLiteral("Lobby camera, east wall"), &host);
    } else if (kind == QLatin1String("icon button")) {
        auto *button = new QToolButton(&host);
        button->setIcon(QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/addtask.png")));
        widget = button;
    } else if (kind == QLatin1String("picture")) {
        auto *label = new QLabel(&host);
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        label->setPixmap(pixmap);
        widget = label;
    } else if (kind == QLatin1String("button")) {
        widget = new QPushButton(QStringLiteral("Calculate"), &host);
    } else if (kind == QLatin1String("combo")) {
        auto *combo = new QComboBox(&host);
        combo->addItems({QStringLiteral("RAID1"), QStringLiteral("RAID5")});
        combo->setCurrentIndex(1);
        widget = combo;
    } else {
        auto *edit = new QLineEdit(&host);
        edit->setText(QStringLiteral("typed text"));
        widget = edit;
    }
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &help);
    QCOMPARE(QToolTip::text(), shown);
}

void TestStartup::applicationFontChangeReachesNobody()
{
    Thrower receiver;
    QEvent change(QEvent::ApplicationFontChange);
    QVERIFY(QApplication::sendEvent(&receiver, &change));
    QCOMPARE(receiver.received, 0);
}

void TestStartup::exceptionFromAHandlerIsSwallowed()
{
    Thrower receiver;
    QEvent faulty(QEvent::User);
    QVERIFY(!QApplication::sendEvent(&receiver, &faulty));
    // The program goes on: the next event is delivered as usual.
    QEvent next(QEvent::Type(QEvent::User + 1));
    QApplication::sendEvent(&receiver, &next);
    QCOMPARE(receiver.received, 1);
}

int main(int argc, char *argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--start-child") == 0)
        return runStartChild(argc, argv);
    if (argc >= 4 && qstrcmp(argv[1], "--hold-instance") == 0)
        return holdInstance(argv);
    if (argc >= 3 && qstrcmp(argv[1], "--folder-probe") == 0) {
        // What the start would say about the task folder of argv[2].
        QTextStream(stdout) << kiv::ToolsApplication::taskFolderProblem(
            QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    kiv::ToolsApplication app(QStringLiteral("VarnelTest"), argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
