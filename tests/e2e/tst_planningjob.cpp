// A whole planning job, end to end, in each interface language: the job is
// made through the real main window on a fresh program folder with the
// shipped demo catalogue, the program is closed and started again on it,
// and the program of the other language opens it too. The language of a
// process is fixed at its start, so each of the three runs is a child
// process of this test: the same program started with --stage, which runs
// the steps of its stage as a test of its own.

#include "PlanningJob.h"
#include "ReopenedJob.h"

#include "ProgramInChild.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QtTest>

#include <memory>

namespace {

// A run of a stage takes seconds; a loaded machine may take minutes.
constexpr int kStageLimitMs = 3 * 60 * 1000;

/// A program folder as the program finds it after its installation: the
/// shipped catalogues, parameter codes, filter configuration and lens
/// catalogues, settings in one language, the built plug-ins and catalogues
/// of texts, and an empty Task/ folder.
class JobFolder : public ChildProgramFolder
{
public:
    explicit JobFolder(int language) : ChildProgramFolder(language)
    {
        QVERIFY(copyShippedData());
        QVERIFY(copyLensCatalogues());
    }

    /// Copies the task files of @p other into this folder's Task/.
    bool takeTasksOf(const JobFolder &other) const
    {
        QDirIterator it(other.file(QStringLiteral("Task")), QDir::Files);
        while (it.hasNext()) {
            const QString from = it.next();
            if (!QFile::copy(from, file(QStringLiteral("Task/") + it.fileName())))
                return false;
        }
        return true;
    }
};

/// Runs @p stage in a child process on @p folder in @p language. The child's
/// test log is part of the failure message.
bool runStage(const char *stage, const JobFolder &folder, int language, const QString &out,
              QString &log)
{
    // Nothing may wait for an answer before the stage's steps run: each
    // message of the start is answered "Cancel", and stands in the child's
    // output for the test's log.
    ProgramInChild child{QStringLiteral("--stage"),
                         folder.root(),
                         0,
                         {QLatin1String(stage), QString::number(language), out}};
    child.setup.timeoutMs = kStageLimitMs;
    child.setup.workingDirectory = folder.root();
    // The offscreen platform's one screen is smaller than the program starts
    // on without asking; this one is the size of the screen the pictures are
    // taken on.
    if (child.setup.environment.value(QStringLiteral("QT_QPA_PLATFORM"))
            .startsWith(QLatin1String("offscreen")))
        child.setup.onScreens(folder.writeScreens());
    const ChildRun run = child.run();
    log = QStringLiteral("stage %1 in language %2:\n%3")
              .arg(QLatin1String(stage))
              .arg(language)
              .arg(QString::fromUtf8(run.output));
    return run.exited() && run.exitCode == 0;
}

/// One stage, as the program's main() starts: the application object on
/// the program folder, then the stage's steps on its main window.
int stageMain(int argc, char *argv[])
{
    const QStringList told = ProgramInChild::argumentsOf(argc, argv);
    if (told.size() != 3)
        return 2;
    const QString stage = told.at(0);
    const int language = told.at(1).toInt();
    const QString out = told.at(2);
    return ProgramInChild::start(argv, [&](kiv::ToolsApplication &, bool started, QTextStream &) {
        if (!started)
            return 1;
        // Menus and combo lists open at once, as the steps expect.
        for (Qt::UIEffect effect :
             {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo, Qt::UI_AnimateTooltip,
              Qt::UI_FadeTooltip, Qt::UI_AnimateToolBox})
            QApplication::setEffectEnabled(effect, false);
        std::unique_ptr<QObject> steps;
        if (stage == QLatin1String("make"))
            steps = std::make_unique<PlanningJob>(language, out);
        else if (stage == QLatin1String("reopen"))
            steps = std::make_unique<ReopenedJob>(language);
        else if (stage == QLatin1String("other-language"))
            steps = std::make_unique<JobInTheOtherLanguage>(language);
        else
            return 2;
        const QStringList arguments{QCoreApplication::applicationFilePath(),
                                    QStringLiteral("-maxwarnings"), QStringLiteral("0")};
        return QTest::qExec(steps.get(), arguments);
    });
}

} // namespace

class TestPlanningJob : public QObject
{
    Q_OBJECT

private slots:
    void wholeJob_data();
    void wholeJob();
};

void TestPlanningJob::wholeJob_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("made in English, reopened, opened in Chinese") << 0;
    QTest::newRow("made in Chinese, reopened, opened in English") << 1;
}

void TestPlanningJob::wholeJob()
{
    QFETCH(int, language);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QString log;

    const JobFolder made(language);
    QVERIFY2(runStage("make", made, language, out.path(), log), qPrintable(log));
    QVERIFY2(runStage("reopen", made, language, out.path(), log), qPrintable(log));

    const int other = 1 - language;
    const JobFolder elsewhere(other);
    QVERIFY(elsewhere.takeTasksOf(made));
    QVERIFY2(runStage("other-language", elsewhere, other, out.path(), log), qPrintable(log));
}

int main(int argc, char *argv[])
{
    if (ProgramInChild::isChild(argc, argv, "--stage"))
        return stageMain(argc, argv);
    QCoreApplication app(argc, argv);
    TestPlanningJob test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_planningjob.moc"
