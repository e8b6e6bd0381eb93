#include <SkinLoader.h>
#include <ToolsApplication.h>
#include <Varnel.h>

#include "CatalogueFixture.h"
#include "ProgramInChild.h"

#include <BaseDialog.h>
#include <ISkinPlugin.h>
#include <PathComboBox.h>
#include <TargetPath.h>
#include <TaskFolder.h>
#include <TaskFolderLock.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include <stdexcept>

using KavrinGUIToolkit::CWarningDlg;

namespace {

QString rectText(const QRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// One start of the program, run in a child process of this test (the
// screens are fixed per process): the settings, screens and folder of a row,
// every message answered by the row's answer. With "window" after them the
// child goes on as the program does: it shows the main window and reports
// where it stands.
int runStartChild(int argc, char *argv[])
{
    const bool window = ProgramInChild::argumentsOf(argc, argv).contains(QStringLiteral("window"));
    return ProgramInChild::start(argv, [window](kiv::ToolsApplication &app, bool started,
                                                QTextStream &out) {
        out << "highlight\t" << QApplication::palette().color(QPalette::Highlight).name() << '\n';
        out << "sheet\t"
            << (app.styleSheet().contains(QLatin1String("KavrinGUIToolkit--CBaseDialog")) ? 1 : 0)
            << '\n';
        out << "mac\t" << (app.styleSheet().contains(QLatin1String("font-size: 13px")) ? 1 : 0)
            << '\n';
        out << "icon\t" << (app.windowIcon().isNull() ? 0 : 1) << '\n';
        if (started && window) {
            kiv::Varnel shown;
            shown.showCentred();
            out << "window\t" << rectText(QRect(shown.pos(), shown.size())) << '\n';
            out << "primary\t" << rectText(QGuiApplication::primaryScreen()->geometry()) << '\n';
        }
        return 0;
    });
}

// True when the lock of @p programFolder's Task folder names the process
// @p pid.
bool holdsTaskFolder(const QString &programFolder, qint64 pid)
{
    qint64 owner = 0;
    QString host;
    QString app;
    return QLockFile(programFolder + QStringLiteral("/Task/") + TaskFolder::lockFileName())
               .getLockInfo(&owner, &host, &app) &&
           owner == pid;
}

// Writes the lock of a program on another computer into the Task folder of
// @p programFolder, as last marked @p ageSeconds ago.
bool lockOfAnotherComputer(const QString &programFolder, qint64 ageSeconds)
{
    const QString lock = programFolder + QStringLiteral("/Task/") + TaskFolder::lockFileName();
    return ProgramFolder::write(lock, "4242\nVarnel\nplanning-pc-2\n") &&
           ProgramFolder::backdate(lock, ageSeconds);
}

enum Catalogue { GoodCatalogue, NoCatalogue, JunkCatalogue };
enum Plugins { SkinAndStyle, SkinOnly };
constexpr int kNoSettings = ChildProgramFolder::kNoSettings;

/// A program folder for one start: settings (none for kNoSettings),
/// catalogue, task folder, and the built program's plug-ins and catalogues of
/// texts.
class StartFolder : public ChildProgramFolder
{
public:
    StartFolder(int language, Catalogue catalogue, bool taskIsAFile,
                const QString &skin = QStringLiteral("BlackRedSkin"),
                Plugins plugins = SkinAndStyle)
        : ChildProgramFolder(language, false, skin.toUtf8(),
                             plugins == SkinAndStyle
                                 ? QStringLiteral("plugins")
                                 : QStringLiteral("plugins/skins/libBlackRedSkin.so"))
    {
        // Without settings the program speaks English and reads the English
        // catalogue.
        const QString db =
            file(language == 1 ? QStringLiteral("Task.db") : QStringLiteral("Task_EN.db"));
        if (catalogue == GoodCatalogue)
            QVERIFY(CatalogueFixture::build(db, {}));
        else if (catalogue == JunkCatalogue)
            QVERIFY(write(db, "this is no catalogue"));
        if (taskIsAFile)
            QVERIFY(write(file(QStringLiteral("Task")), "in the way"));
    }

    /// Makes the folder a real program folder: a copy of the built program
    /// (it takes its folder from where it lies) beside links to its
    /// libraries. Returns the program's path.
    QString installProgram() const
    {
        const QString exe = file(QStringLiteral("Varnel"));
        if (!QFile::copy(built(QStringLiteral("Varnel")), exe))
            return QString();
        const QStringList libraries =
            QDir(built(QString()))
                .entryList({QStringLiteral("*.so"), QStringLiteral("*.so.*")}, QDir::Files);
        for (const QString &library : libraries) {
            if (!linkFromBuild(library))
                return QString();
        }
        return exe;
    }
};

// A start of the program on @p folder in a child process, on @p screens,
// every message answered @p answer.
ProgramInChild startOn(const StartFolder &folder,
                       const QList<QRect> &screens = {QRect(0, 0, 1280, 1024)}, int answer = 1)
{
    ProgramInChild start{QStringLiteral("--start-child"), folder.root(), answer};
    start.setup.onScreens(folder.writeScreens(screens));
    return start;
}

// Runs startOn(): with @p window the child goes on as the program does, it
// shows the main window and reports where it stands.
ChildRun startChild(const StartFolder &folder, const QList<QRect> &screens, int answer,
                    bool starts = true, bool window = false)
{
    ProgramInChild start = startOn(folder, screens, answer);
    if (window)
        start.arguments << QStringLiteral("window");
    start.setup.expectedExit = starts ? 0 : 1;
    return start.run();
}

// One start of the program on @p folder, every message answered "OK", in a
// mount namespace of its own (a user namespace's root), once the shell
// command @p mounts has made its mounts there ($0 the folder, $1 @p argument);
// it exits with 77 when they cannot be made.
ChildRun startInMountNamespace(const StartFolder &folder, const QString &mounts,
                               const QString &argument, int expectedExit)
{
    ProgramInChild start = startOn(folder);
    start.setup.expectedExit = expectedExit;
    return start.runThrough(QStringLiteral("unshare"),
                            {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                             mounts + QStringLiteral("; shift; exec \"$@\""), folder.root(),
                             argument});
}

// A real start of the program installed in @p folder, on its screens, its
// message boxes answered by a preloaded helper that reports them on stdout.
ChildSetup answeredStart(const StartFolder &folder)
{
    ChildSetup setup;
    setup.onScreens(folder.writeScreens());
    const QString answerer = QStringLiteral(VARNEL_MESSAGE_ANSWERER);
    // Under the sanitizers their runtime must come before any other preload.
    const QString runtime = QStringLiteral(VARNEL_SANITIZER_RUNTIME);
    setup.environment.insert(QStringLiteral("LD_PRELOAD"),
                             runtime.isEmpty() ? answerer : runtime + QLatin1Char(':') + answerer);
    setup.workingDirectory = folder.root();
    return setup;
}

// Starts @p program as @p first with @p setup, and waits until it holds the
// Task folder of the folder it runs in. Empty once it does; otherwise how it
// ended, or that it hung, with its error output.
QString startHolding(QProcess &first, const QString &program, const ChildSetup &setup)
{
    first.setProcessEnvironment(setup.environment);
    first.setWorkingDirectory(setup.workingDirectory);
    first.start(program, QStringList());
    const auto holds = [&] { return holdsTaskFolder(setup.workingDirectory, first.processId()); };
    if (first.waitForStarted())
        QTest::qWaitFor([&] { return holds() || first.state() != QProcess::Running; }, 30000);
    return holds() ? QString() : childEnding(program, childRunOf(first));
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
    void windowStandsWithinThePrimaryScreen_data();
    void windowStandsWithinThePrimaryScreen();
    void taskFolderProblem_data();
    void taskFolderProblem();
    void fullDiskIsToldApartFromAnUnwritableFolder();
    void probeOfAStoppedStartTakesNoRoom_data();
    void probeOfAStoppedStartTakesNoRoom();

    void skinLoaderPassesOverOtherFiles_data();
    void skinLoaderPassesOverOtherFiles();

    void secondStartOfTheProgramIsRefused();
    void oneProgramFolderRunsOneProgramWhoeverStartsIt_data();
    void oneProgramFolderRunsOneProgramWhoeverStartsIt();
    void aLockOfAnotherComputer_data();
    void aLockOfAnotherComputer();
    void readOnlyProgramFolderIsToldItsReason();

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
    TaskFolderLock running(folder.file(QStringLiteral("Task")));
    if (anotherRuns)
        QCOMPARE(running.acquire(), TaskFolderLock::State::Held);

    const ChildRun run = startChild(folder, screens, answer, starts);
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QString::number(starts ? 1 : 0));
    QCOMPARE(run.exitCode, starts ? 0 : 1);
    const QString program = QDir::toNativeSeparators(folder.path());
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
    const ChildRun run = startChild(folder, {QRect(0, 0, 1280, 1024)}, 1);
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
    const ChildRun run = startChild(folder, {QRect(0, 0, 1280, 1024)}, 1);
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("1"));
    QVERIFY2(run.log.contains("[Tool]LoadSkin = GreenSkin failed"), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("sheet")), QStringLiteral("0"));
    QCOMPARE(run.messages, QStringList());
}

void TestStartup::windowStandsWithinThePrimaryScreen_data()
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
    // Centred, a 1024 x 768 window would stand at (-12, -34), its title bar
    // above the screen.
    QTest::newRow("a screen of 1000 x 700 is filled from its top-left")
        << QList<QRect>{QRect(0, 0, 1000, 700)} << QRect(0, 0, 1000, 700) << QRect(0, 0, 1000, 700);
    QTest::newRow("a screen only too low keeps the width and stays centred across")
        << QList<QRect>{QRect(0, 0, 1280, 720)} << QRect(0, 0, 1280, 720)
        << QRect(128, 0, 1024, 720);
    QTest::newRow("a small primary screen right of a large one holds the whole window")
        << QList<QRect>{QRect(1280, 0, 1000, 700), QRect(0, 0, 1280, 1024)}
        << QRect(1280, 0, 1000, 700) << QRect(1280, 0, 1000, 700);
}

void TestStartup::windowStandsWithinThePrimaryScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, primary);
    QFETCH(QRect, window);
    StartFolder folder(0, GoodCatalogue, false);
    const ChildRun run = startChild(folder, screens, 1, true, true);
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
    const ChildRun probe = runThisProgramThrough(
        QStringLiteral("unshare"),
        {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
         QStringLiteral("mount -t tmpfs -o size=256k tmpfs \"$0\" || exit 77; exec \"$@\""),
         folder},
        {QStringLiteral("--folder-probe"), folder});
    if (!probe.started)
        QSKIP("no unshare on this machine");
    QVERIFY(probe.finished);
    if (probe.exitCode != 0)
        QSKIP("no file system of its own can be mounted here");
    const QString told = QString::fromLocal8Bit(probe.output);
    QCOMPARE(told, QStringLiteral("The disk that holds the task folder %1 is full, so no task "
                                  "could be saved. Free some space on it and start the program "
                                  "again.")
                       .arg(QDir::toNativeSeparators(folder + QStringLiteral("/Task"))));
}

void TestStartup::probeOfAStoppedStartTakesNoRoom_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::addColumn<bool>("starts");
    QTest::newRow("the probe of a start stopped during it goes before the probe")
        << QStringLiteral(".write-probe-4242") << true;
    QTest::newRow("a file of a like name is no probe, and its room stays taken")
        << QStringLiteral(".write-probe-4242.keep") << false;
}

void TestStartup::probeOfAStoppedStartTakesNoRoom()
{
    QFETCH(QString, leftover);
    QFETCH(bool, starts);
    // The task folder on a file system of its own (in a mount namespace of
    // the child's) of 1.5 MiB, of which the leftover takes 1 MiB: the probe
    // of 1 MiB finds room only once the leftover has gone.
    StartFolder folder(0, GoodCatalogue, false);
    QVERIFY(QDir(folder.root()).mkdir(QStringLiteral("Task")));
    const ChildRun run = startInMountNamespace(
        folder,
        QStringLiteral("mount -t tmpfs -o size=1536k tmpfs \"$0/Task\" || exit 77; "
                       "head -c 1048576 /dev/zero > \"$0/Task/$1\" || exit 78"),
        leftover, starts ? 0 : 1);
    if (!run.started)
        QSKIP("no unshare on this machine");
    if (run.exitCode == 77)
        QSKIP("no file system of its own can be mounted here");
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QString::number(starts ? 1 : 0));
    QCOMPARE(run.messages,
             starts ? QStringList()
                    : QStringList{
                          QStringLiteral("Varnel|The disk that holds the task folder %1 is "
                                         "full, so no task could be saved. Free some space "
                                         "on it and start the program again.")
                              .arg(QDir::toNativeSeparators(folder.file(QStringLiteral("Task"))))});
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
    QFile junk(dir.filePath(QStringLiteral("aaa-skin.so")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    QVERIFY(QFile::copy(ProgramFolder::built(QStringLiteral("plugins/styles/libCKavrinStyle.so")),
                        dir.filePath(QStringLiteral("libCKavrinStyle.so"))));
    if (withSkin)
        QVERIFY(
            QFile::copy(ProgramFolder::built(QStringLiteral("plugins/skins/libBlackRedSkin.so")),
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

void TestStartup::secondStartOfTheProgramIsRefused()
{
    // Two real starts of the program from one folder. Their message boxes
    // are answered by a preloaded helper that reports them on stdout.
    QVERIFY(QFile::exists(QStringLiteral(VARNEL_MESSAGE_ANSWERER)));
    StartFolder folder(0, GoodCatalogue, false);
    const QString program = folder.installProgram();
    QVERIFY(!program.isEmpty());
    ChildSetup setup = answeredStart(folder);
    QProcess first;
    const auto firstHolds = [&] { return holdsTaskFolder(folder.root(), first.processId()); };
    // However the test ends, the first start is ended.
    const auto endFirst = qScopeGuard([&first] {
        first.kill();
        first.waitForFinished();
    });
    // A first start that ends or hangs is told with its error output.
    const QString firstEnding = startHolding(first, program, setup);
    QVERIFY2(firstEnding.isEmpty(), qPrintable(firstEnding));

    setup.expectedExit = 255; // main() returned -1
    const ChildRun second = runChild(program, QStringList(), setup);
    QVERIFY(second.finished);
    QCOMPARE(second.status, QProcess::NormalExit);
    QCOMPARE(second.exitCode, 255);
    QCOMPARE(second.output, QByteArray("message\tVarnel\tSoftware is already running.\n"));

    // The first goes on as it was: running, still the instance, and told
    // nothing.
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(firstHolds());
    QCOMPARE(first.readAllStandardOutput(), QByteArray());
}

void TestStartup::oneProgramFolderRunsOneProgramWhoeverStartsIt_data()
{
    QTest::addColumn<bool>("otherHome");
    QTest::addColumn<bool>("otherTemporaryFolder");
    QTest::addColumn<bool>("firstKilled");
    QTest::addColumn<QStringList>("messages");
    const QStringList refused{QStringLiteral("Varnel|Software is already running.")};
    QTest::newRow("a start under another home while the first runs is refused")
        << true << false << false << refused;
    QTest::newRow("a start under another temporary folder while the first runs is refused")
        << false << true << false << refused;
    QTest::newRow("a start under another home and temporary folder is refused")
        << true << true << false << refused;
    QTest::newRow("the lock of a first program killed with SIGKILL blocks no start")
        << true << true << true << QStringList();
}

void TestStartup::oneProgramFolderRunsOneProgramWhoeverStartsIt()
{
    QFETCH(bool, otherHome);
    QFETCH(bool, otherTemporaryFolder);
    QFETCH(bool, firstKilled);
    QFETCH(QStringList, messages);
    // A real program on the folder, as one user starts it; then a start of
    // the same folder as another user (another home or temporary folder)
    // would.
    StartFolder folder(0, GoodCatalogue, false);
    const QString program = folder.installProgram();
    QVERIFY(!program.isEmpty());
    QTemporaryDir scratch;
    // Qt makes its runtime folder in the temporary folder where the session
    // names none; each start here has one of its own.
    for (const char *name : {"home-a", "home-b", "tmp-a", "tmp-b", "run-a", "run-b"})
        QVERIFY(QDir(scratch.path()).mkdir(QLatin1String(name), QFileDevice::Permissions(0x7700)));
    const auto inScratch = [&scratch](const char *name) {
        return scratch.filePath(QLatin1String(name));
    };

    ChildSetup first = answeredStart(folder);
    first.environment.insert(QStringLiteral("HOME"), inScratch("home-a"));
    first.environment.insert(QStringLiteral("TMPDIR"), inScratch("tmp-a"));
    first.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), inScratch("run-a"));
    QProcess running;
    const auto endFirst = qScopeGuard([&running] {
        running.kill();
        running.waitForFinished();
    });
    // The first is up once it holds the folder.
    const QString firstEnding = startHolding(running, program, first);
    QVERIFY2(firstEnding.isEmpty(), qPrintable(firstEnding));
    const auto firstHolds = [&] { return holdsTaskFolder(folder.root(), running.processId()); };
    const QString lockFile = folder.file(QStringLiteral("Task/.Varnel.lock"));
    if (firstKilled) {
        running.kill(); // SIGKILL: no chance to tidy up
        QVERIFY(running.waitForFinished());
        QVERIFY(QFile::exists(lockFile));
    }

    ProgramInChild second = startOn(folder);
    ChildSetup &other = second.setup;
    other.environment.insert(QStringLiteral("HOME"), inScratch(otherHome ? "home-b" : "home-a"));
    other.environment.insert(QStringLiteral("TMPDIR"),
                             inScratch(otherTemporaryFolder ? "tmp-b" : "tmp-a"));
    other.environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), inScratch("run-b"));
    other.expectedExit = messages.isEmpty() ? 0 : 1;
    const ChildRun run = second.run();
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")),
             messages.isEmpty() ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(run.messages, messages);
    if (!firstKilled) {
        // The first goes on holding the folder, told nothing.
        QCOMPARE(running.state(), QProcess::Running);
        QVERIFY(firstHolds());
        QCOMPARE(running.readAllStandardOutput(), QByteArray());
    } else {
        // The start that took the lock over let it go when it ended.
        QVERIFY(!QFile::exists(lockFile));
    }
    // Neither start, not even the one killed, leaves anything in its
    // temporary folder.
    for (const char *name : {"tmp-a", "tmp-b"}) {
        QCOMPARE(
            QDir(inScratch(name))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .join(QLatin1String(", ")),
            QString());
    }
}

void TestStartup::aLockOfAnotherComputer_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<qint64>("ageSeconds");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a lock another computer marked a minute ago refuses the start and names it")
        << 0 << qint64(60)
        << QStringList{QStringLiteral(
               "Varnel|Software is already running. It runs on the computer planning-pc-2, which "
               "uses the same program folder: close it there. If that computer was switched off "
               "or lost its connection, the folder is free again 5 minutes later.")};
    QTest::newRow("the computer is named in Chinese too")
        << 1 << qint64(60)
        << QStringList{QStringLiteral("Varnel|软件已经在运行。 它在计算机 planning-pc-2 "
                                      "上运行，那台计算机使用同一个程序文件夹：请在那里关闭它。"
                                      "如果那台计算机已关机或断开了连接，该文件夹在 5 "
                                      "分钟后重新可用。")};
    // Killed, or switched off, two days ago: nothing marks the lock since.
    QTest::newRow("a lock another computer left two days ago is taken over")
        << 0 << qint64(2 * 24 * 3600) << QStringList();
}

void TestStartup::aLockOfAnotherComputer()
{
    QFETCH(int, language);
    QFETCH(qint64, ageSeconds);
    QFETCH(QStringList, messages);
    StartFolder folder(language, GoodCatalogue, false);
    QVERIFY(lockOfAnotherComputer(folder.root(), ageSeconds));
    const QString lockFile = folder.file(QStringLiteral("Task/.Varnel.lock"));
    const QByteArray left = ProgramFolder::readAll(lockFile);
    const ChildRun run = startChild(folder, {QRect(0, 0, 1280, 1024)}, 1, messages.isEmpty());
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.messages, messages);
    if (messages.isEmpty()) {
        // The log names the computer and how long ago it last marked the
        // lock; the start let the lock go when it ended.
        const QRegularExpression tookOver(
            QStringLiteral("took over the lock \\S+ of process 4242 \\(Varnel\\) on planning-pc-2, "
                           "last marked as alive 1728\\d\\d s ago"));
        QVERIFY2(tookOver.match(QString::fromLocal8Bit(run.log)).hasMatch(), run.log.constData());
        QVERIFY(!QFile::exists(lockFile));
    } else {
        QCOMPARE(ProgramFolder::readAll(lockFile), left);
    }
}

void TestStartup::readOnlyProgramFolderIsToldItsReason()
{
    // The program folder on a read-only mount of its own (a mount namespace
    // of the child's), its task folder there: no lock can be made in it, and
    // the start names the folder that cannot be written.
    StartFolder folder(0, GoodCatalogue, false);
    QVERIFY(QDir(folder.root()).mkdir(QStringLiteral("Task")));
    const ChildRun run = startInMountNamespace(
        folder,
        QStringLiteral("{ mount --bind \"$0\" \"$0\" && mount -o remount,ro,bind \"$0\"; } "
                       "|| exit 77"),
        QString(), 1);
    if (!run.started)
        QSKIP("no unshare on this machine");
    if (run.exitCode == 77)
        QSKIP("no read-only mount can be made here");
    QVERIFY2(run.facts.contains(QStringLiteral("init")), run.log.constData());
    QCOMPARE(run.facts.value(QStringLiteral("init")), QStringLiteral("0"));
    QCOMPARE(run.messages,
             QStringList{QStringLiteral("Varnel|The task folder %1 cannot be written, so no task "
                                        "could be saved. Make the program folder writable and "
                                        "start the program again.")
                             .arg(QDir::toNativeSeparators(folder.file(QStringLiteral("Task"))))});
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
        QVERIFY(toolkitTexts.load(QStringLiteral("KavrinGUIToolkit_") + language,
                                  ProgramFolder::built(QStringLiteral("translations"))));
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
    if (ProgramInChild::isChild(argc, argv, "--start-child"))
        return runStartChild(argc, argv);
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
