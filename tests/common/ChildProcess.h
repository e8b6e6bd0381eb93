#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QtDebug>

/// How a child process is started, and how it is expected to end.
struct ChildSetup
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString workingDirectory = {};
    int timeoutMs = 60000;
    int expectedExit = 0;

    /// The offscreen platform with the screens of @p screenFile.
    ChildSetup &onScreens(const QString &screenFile)
    {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + screenFile);
        return *this;
    }
};

/// @p text on one line of a child's report: each new line written "\\n" and
/// each backslash "\\\\", as fromReportText() reads them back.
inline QString reportText(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

/// The text that reportText() wrote as @p line.
inline QString fromReportText(const QString &line)
{
    QString text;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char('\\') && i + 1 < line.size()) {
            ++i;
            text += line.at(i) == QLatin1Char('n') ? QLatin1Char('\n') : line.at(i);
        } else {
            text += line.at(i);
        }
    }
    return text;
}

/// How a child process ended and what it wrote. A child that reports on
/// stdout does so one line a fact: "<name>\t<value>", or
/// "message\t<title>\t<text>" for a message it showed, its text written by
/// reportText().
struct ChildRun
{
    bool started = false;
    /// It ended on its own (exited or crashed) within the time allowed.
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    /// Its exit code; -1 when it did not exit.
    int exitCode = -1;
    QByteArray output;
    QByteArray log;
    /// "title|text" of every message line, in order.
    QStringList messages;
    QMap<QString, QString> facts;

    bool exited() const { return finished && status == QProcess::NormalExit; }
};

/// How @p run ended, with its error output: what a test prints for a child
/// that did not end as expected.
inline QString childEnding(const QString &program, const ChildRun &run)
{
    QString ending = !run.started    ? QStringLiteral("could not be started")
                     : !run.finished ? QStringLiteral("was still running at the time-out, and "
                                                      "was killed")
                     : run.exited()  ? QStringLiteral("exited with %1").arg(run.exitCode)
                                     : QStringLiteral("crashed");
    return QStringLiteral("child %1 %2; its error output:\n%3")
        .arg(program, ending, QString::fromLocal8Bit(run.log));
}

/// What @p child, started by the caller, has done so far: whether it ended,
/// how, and what it wrote. It is not waited for.
inline ChildRun childRunOf(QProcess &child)
{
    ChildRun run;
    run.started = child.state() != QProcess::NotRunning || child.error() != QProcess::FailedToStart;
    run.finished = run.started && child.state() == QProcess::NotRunning;
    run.status = child.exitStatus();
    if (run.exited())
        run.exitCode = child.exitCode();
    run.output = child.readAllStandardOutput();
    run.log = child.readAllStandardError();
    return run;
}

/// Runs @p program with @p arguments to its end. A child that does not exit
/// with the code the setup expects (it cannot start, crashes, exits with
/// another code or runs past the time-out) has its ending and error output
/// printed as a warning, so a failing child never reads as a silent wait.
inline ChildRun runChild(const QString &program, const QStringList &arguments,
                         const ChildSetup &setup = {})
{
    QProcess child;
    child.setProcessEnvironment(setup.environment);
    if (!setup.workingDirectory.isEmpty())
        child.setWorkingDirectory(setup.workingDirectory);
    child.start(program, arguments);
    bool finished = false;
    if (child.waitForStarted(setup.timeoutMs)) {
        finished = child.waitForFinished(setup.timeoutMs);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
    }
    ChildRun run = childRunOf(child);
    run.finished = run.started && finished;
    if (!run.finished)
        run.exitCode = -1;
    if (!run.exited() || run.exitCode != setup.expectedExit)
        qWarning().noquote() << childEnding(program, run);

    const QStringList lines = QString::fromUtf8(run.output).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() == 3 && parts.at(0) == QLatin1String("message"))
            run.messages << parts.at(1) + QLatin1Char('|') + fromReportText(parts.at(2));
        else if (parts.size() == 2)
            run.facts.insert(parts.at(0), parts.at(1));
    }
    return run;
}

/// Runs this test program again as a child, with @p arguments.
inline ChildRun runThisProgram(const QStringList &arguments, const ChildSetup &setup = {})
{
    return runChild(QCoreApplication::applicationFilePath(), arguments, setup);
}

/// Runs this test program again as a child, with @p arguments, through
/// @p launcher (xvfb-run, unshare): the launcher's command line is
/// @p launcherArguments, then this program's path and @p arguments. What
/// the launcher does not start, or how it ends, is the child's ending.
inline ChildRun runThisProgramThrough(const QString &launcher, const QStringList &launcherArguments,
                                      const QStringList &arguments, const ChildSetup &setup = {})
{
    return runChild(launcher,
                    launcherArguments + QStringList{QCoreApplication::applicationFilePath()} +
                        arguments,
                    setup);
}

/// The text of a PDF file as pdftotext reads it; empty when it cannot.
inline QString pdfText(const QString &path)
{
    const ChildRun run =
        runChild(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    return run.exited() && run.exitCode == 0 ? QString::fromUtf8(run.output) : QString();
}
