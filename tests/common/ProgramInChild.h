#pragma once

#include "ChildProcess.h"
#include "ProgramFolder.h"

#include <TargetPath.h>
#include <ToolsApplication.h>
#include <WarningDlg.h>

#include <QList>
#include <QRect>
#include <QTextStream>

#include <functional>

/// A program folder for a start of the program in a child process of this
/// test (ProgramInChild): settings in one interface language with a skin,
/// and the built program's catalogues of texts and plug-ins linked in.
class ChildProgramFolder : public ProgramFolder
{
public:
    /// No settings file: the program starts in English with its defaults.
    static constexpr int kNoSettings = -1;

    /// Setup.xml with @p language (0 English, 1 Chinese; none with
    /// kNoSettings) and @p skin; @p plugins is the part of the built
    /// plug-ins that is linked in.
    explicit ChildProgramFolder(int language, bool withTaskFolder = true,
                                const QByteArray &skin = "BlackRedSkin",
                                const QString &plugins = QStringLiteral("plugins"))
        : ProgramFolder(For::AChild, withTaskFolder)
    {
        if (language != kNoSettings) {
            QVERIFY(
                write(file(QStringLiteral("Setup.xml")),
                      settingsXml({{"Translator", QByteArray::number(language)}, {"Skin", skin}})));
        }
        QVERIFY(linkFromBuild(QStringLiteral("translations")));
        QVERIFY(linkFromBuild(plugins));
    }

    /// Copies the data an installation ships: both catalogues, the
    /// parameter codes and the filter configuration.
    bool copyShippedData() const
    {
        return copyFromBuild({"ParamCode.xml", "FilterConfig.xml", "Task_EN.db", "Task.db"});
    }

    /// Writes the offscreen platform's screens, in order (the first is the
    /// primary one), as screens.json of the folder. Returns its path, empty
    /// when it cannot be written.
    QString writeScreens(const QList<QRect> &screens = {QRect(0, 0, 1280, 1024)}) const
    {
        QStringList entries;
        for (int i = 0; i < screens.size(); ++i) {
            const QRect &g = screens.at(i);
            entries << QStringLiteral("{\"name\":\"s%1\",\"x\":%2,\"y\":%3,\"width\":%4,"
                                      "\"height\":%5,\"logicalDpi\":96}")
                           .arg(i)
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height());
        }
        const QString path = file(QStringLiteral("screens.json"));
        const QString json = QStringLiteral("{\"screens\":[") + entries.join(QLatin1Char(',')) +
                             QStringLiteral("]}");
        return write(path, json.toUtf8()) ? path : QString();
    }
};

/// The program started in a child process of this test as its main()
/// starts it, on a program folder the test made: the settings, the language
/// and the screens of a process are fixed at its start. run() starts this
/// test program again with the child's switch, which the test's main()
/// knows it by (isChild()) and hands to start().
struct ProgramInChild
{
    /// The switch the child is known by, such as "--start-child".
    QString mode;
    /// The program folder.
    QString folder;
    /// The answer to every message the start shows: 1 confirms, 0 cancels.
    int answer = 1;
    /// What the child is told after its answer.
    QStringList arguments = {};
    /// The child's environment (the test's own platform and screens unless
    /// told others), the exit code expected of it and the time it may take.
    ChildSetup setup = {};

    /// The child's command line after the program's path.
    QStringList commandLine() const
    {
        return QStringList{mode, folder, QString::number(answer)} + arguments;
    }

    /// Runs the child to its end.
    ChildRun run() const { return runThisProgram(commandLine(), setup); }

    /// Runs the child through @p launcher (see runThisProgramThrough()).
    ChildRun runThrough(const QString &launcher, const QStringList &launcherArguments) const
    {
        return runThisProgramThrough(launcher, launcherArguments, commandLine(), setup);
    }

    /// In main(): whether this process is a child that run() started with
    /// @p mode.
    static bool isChild(int argc, char *argv[], const char *mode)
    {
        return argc >= 4 && qstrcmp(argv[1], mode) == 0;
    }

    /// In the child: what it was told after its answer.
    static QStringList argumentsOf(int argc, char *argv[])
    {
        QStringList told;
        for (int i = 4; i < argc; ++i)
            told << QString::fromLocal8Bit(argv[i]);
        return told;
    }

    /// What the child does once the start is over: it is given the
    /// application, whether init() passed and its report on stdout, and
    /// returns the child's exit code for a start that passed.
    using Then = std::function<int(kiv::ToolsApplication &app, bool started, QTextStream &out)>;

    /// In the child: starts the program on the folder of its command line,
    /// every message answered the command line's answer and reported on
    /// stdout, then whether init() passed ("init\t1" or "init\t0"), as
    /// ChildRun reads them; then @p then. Returns the child's exit code: 1
    /// when the start did not pass, @p then's otherwise.
    static int start(char *argv[], const Then &then)
    {
        using KavrinGUIToolkit::CWarningDlg;
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
            out << "message\t" << m.title << '\t' << reportText(m.text) << '\n';
        out << "init\t" << (started ? 1 : 0) << '\n';
        // What @p then prints on its own comes after the start's report.
        out.flush();
        const int code = then(app, started, out);
        return started ? code : 1;
    }
};
