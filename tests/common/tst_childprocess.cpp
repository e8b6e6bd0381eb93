// The runner of child processes: a child that ends as the test expects runs
// quietly; any other ending is told, with the child's error output, so that
// a failing child never reads as a silent wait.
#include "ChildProcess.h"

#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>

class TestChildProcess : public QObject
{
    Q_OBJECT

private slots:
    void endingIsToldUnlessExpected_data();
    void endingIsToldUnlessExpected();
    void reportLinesBecomeFactsAndMessages();
};

void TestChildProcess::endingIsToldUnlessExpected_data()
{
    QTest::addColumn<QString>("program"); // empty: this test program
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("expectedExit");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("told"); // a pattern of the warning; empty: none

    const QStringList exit0{QStringLiteral("--child"), QStringLiteral("exit"), QStringLiteral("0")};
    const QStringList exit2{QStringLiteral("--child"), QStringLiteral("exit"), QStringLiteral("2")};
    QTest::newRow("a child that exits with the 0 expected is not told")
        << QString() << exit0 << 0 << 60000 << true << 0 << QString();
    QTest::newRow("a child that exits with the 2 expected is not told")
        << QString() << exit2 << 2 << 60000 << true << 2 << QString();
    QTest::newRow("a child that exits with 2 where 0 was expected is told with its error output")
        << QString() << exit2 << 0 << 60000 << true << 2
        << QStringLiteral("^child .* exited with 2; its error output:\ntrouble in the child\n$");
    QTest::newRow("a child that exits with 0 where 2 was expected is told")
        << QString() << exit0 << 2 << 60000 << true << 0
        << QStringLiteral("^child .* exited with 0; its error output:\ntrouble in the child\n$");
    QTest::newRow("a child that crashes is told with what it wrote before")
        << QString() << QStringList{QStringLiteral("--child"), QStringLiteral("crash")} << 0
        << 60000 << true << -1
        << QStringLiteral("^child .* crashed; its error output:\ntrouble in the child\n$");
    QTest::newRow("a child still running at the time-out is killed and told")
        << QString() << QStringList{QStringLiteral("--child"), QStringLiteral("hang")} << 0 << 500
        << false << -1
        << QStringLiteral("^child .* was still running at the time-out, and was killed; its "
                          "error output:\ntrouble in the child\n$");
    QTest::newRow("a program that is not there is told")
        << QStringLiteral("/nonexistent/varnel-child") << QStringList() << 0 << 60000 << false << -1
        << QStringLiteral("^child /nonexistent/varnel-child could not be started");
}

void TestChildProcess::endingIsToldUnlessExpected()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, expectedExit);
    QFETCH(int, timeoutMs);
    QFETCH(bool, finished);
    QFETCH(int, exitCode);
    QFETCH(QString, told);

    if (told.isEmpty())
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(told));
    ChildSetup setup;
    setup.expectedExit = expectedExit;
    setup.timeoutMs = timeoutMs;
    const ChildRun run = runChild(
        program.isEmpty() ? QCoreApplication::applicationFilePath() : program, arguments, setup);
    QCOMPARE(run.finished, finished);
    QCOMPARE(run.exitCode, exitCode);
}

void TestChildProcess::reportLinesBecomeFactsAndMessages()
{
    const ChildRun run = runThisProgram({QStringLiteral("--child"), QStringLiteral("report")});
    QVERIFY(run.exited());
    // Lines of any other shape are no part of the report.
    QCOMPARE(run.facts,
             (QMap<QString, QString>{{QStringLiteral("init"), QStringLiteral("1")},
                                     {QStringLiteral("language"), QStringLiteral("0")}}));
    // A text of several lines comes back as it was shown, backslashes too.
    QCOMPARE(run.messages,
             (QStringList{QStringLiteral("Varnel|The task list is damaged."),
                          QStringLiteral("Varnel|Saving failed."),
                          QStringLiteral("Varnel|Two files:\n\nC:\\n.xml\nYard.xml\\")}));
}

// What the children do: each writes a line on stderr first.
int runChildMode(const char *mode, const char *code)
{
    std::fputs("trouble in the child\n", stderr);
    std::fflush(stderr);
    if (qstrcmp(mode, "exit") == 0)
        return QByteArray(code).toInt();
    if (qstrcmp(mode, "crash") == 0)
        std::raise(SIGKILL);
    if (qstrcmp(mode, "hang") == 0)
        QThread::sleep(30);
    std::fputs("message\tVarnel\tThe task list is damaged.\ninit\t1\nnot a fact\n"
               "message\tVarnel\tSaving failed.\nlanguage\t0\ntoo\tmany\tparts\there\n",
               stdout);
    std::fputs(qUtf8Printable(QStringLiteral("message\tVarnel\t") +
                              reportText(QStringLiteral("Two files:\n\nC:\\n.xml\nYard.xml\\")) +
                              QLatin1Char('\n')),
               stdout);
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return runChildMode(argv[2], argc >= 4 ? argv[3] : "");
    QCoreApplication app(argc, argv);
    TestChildProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_childprocess.moc"
