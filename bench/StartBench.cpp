// Times the program's start as whole processes: from the moment a process is
// started to the first paint of its main window, the program on a program
// folder whose first task holds 1024 devices, against a bare Qt Widgets
// program showing an empty 1024 x 768 window, the runs of the two taken in
// turn. And the peak memory of the program with a task's report open, for
// the 1024-device task and for a hand-made task of 5000 devices, against the
// peak of that bare Qt program. Not a test: it prints medians and always
// exits 0 once the tasks could be built.
//
// The same executable is the child process of every figure, told by its
// first argument what to be.

#include "BenchSupport.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <ReportWidget.h>
#include <ToolsApplication.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr double kStartGoal = 2.0;
constexpr double kMemoryGoalMiB = 70;
constexpr double kBigMemoryGoalMiB = 150;
constexpr int kBigDevices = 5000;
constexpr int kStartRuns = 9;
const QString kBigTask = QStringLiteral("Large");

qint64 wallNs()
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The peak resident size of this process, in KiB.
qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Tells when a widget of @p window is first painted.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    qint64 at() const { return m_at; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_at == 0 && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window)
            m_at = wallNs();
        return false;
    }

private:
    QWidget *m_window;
    qint64 m_at = 0;
};

// The child's answer, one line on its output: the wall time of the first
// paint, the milliseconds from then until the device list was filled, and
// the peak resident size.
// The child then ends at once: what it would do on its way out (the close
// question, freeing the windows) is no part of the figures.
// When the child reached its main(), had its application ready, and had
// made its window: where its start spends the time.
qint64 g_mainAt = 0;
qint64 g_readyAt = 0;
qint64 g_windowAt = 0;

[[noreturn]] void tell(qint64 paintedAt, double listMs)
{
    QTextStream(stdout) << "painted " << paintedAt << " list " << listMs << " peak " << peakKiB()
                        << " main " << g_mainAt << " ready " << g_readyAt << " window "
                        << g_windowAt << Qt::endl;
    std::fflush(stdout);
    std::_Exit(0);
}

// A bare Qt Widgets program: an empty 1024 x 768 window, ended at its first
// paint.
int bareWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    g_readyAt = wallNs();
    QWidget window;
    window.resize(1024, 768);
    g_windowAt = wallNs();
    FirstPaint paint(&window);
    window.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (paint.at() != 0)
            tell(paint.at(), 0);
    });
    poll.start(0);
    return QApplication::exec();
}

// The program as it starts (see main.cpp), on the program folder @p folder;
// ended once its device list is filled, or, given a task, once that task's
// report is open and laid out.
int program(int argc, char **argv, const QString &folder, const QString &reportTask)
{
    // As in every benchmark: the program's debug lines would be timed with
    // the terminal they go to.
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false"));
    KavrinGUIToolkit::SetTargetPath(folder);
    // A message would wait for an answer that never comes; it is said on the
    // error output, and the figures of that run are not valid.
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &shown) {
            QTextStream(stderr) << "message: " << shown.text << Qt::endl;
            return 1;
        });
    // Its own instance name: a planner's program running on this machine is
    // not this one.
    kiv::ToolsApplication app(QStringLiteral("VarnelStartBench"), argc, argv);
    if (!app.init())
        return 2;
    g_readyAt = wallNs();
    kiv::Varnel window;
    g_windowAt = wallNs();
    FirstPaint paint(&window);
    window.showCentred();
    auto *list = window.findChild<kiv::DeviceListWidget *>();
    std::unique_ptr<kiv::ReportWidget> report;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (paint.at() == 0 || !list || list->model()->rowCount() == 0)
            return;
        const double listMs = double(wallNs() - paint.at()) / 1e6;
        if (!reportTask.isEmpty()) {
            report = std::make_unique<kiv::ReportWidget>(reportTask);
            report->show();
            QCoreApplication::processEvents();
            report->document()->documentLayout()->documentSize();
        }
        tell(paint.at(), listMs);
    });
    poll.start(0);
    return QApplication::exec();
}

struct Answer
{
    bool ok = false;
    double startMs = 0;
    double listMs = 0;
    double peakMiB = 0;
    // From the start to main(), to the application ready, to the window
    // made, to its first paint.
    double phasesMs[4] = {};
};

Answer runChild(const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A screen of 1280 x 1024: the program asks before it starts on a
    // smaller one.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=" VARNEL_BENCH_SCREEN));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 startedAt = wallNs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    Answer answer;
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        bench::out() << "the child " << arguments.join(QLatin1Char(' ')) << " failed" << Qt::endl;
        return answer;
    }
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (words.size() < 12)
        return answer;
    answer.ok = true;
    answer.startMs = double(words.at(1).toLongLong() - startedAt) / 1e6;
    answer.listMs = words.at(3).toDouble();
    answer.peakMiB = words.at(5).toDouble() / 1024.0;
    const qint64 marks[] = {startedAt, words.at(7).toLongLong(), words.at(9).toLongLong(),
                            words.at(11).toLongLong(), words.at(1).toLongLong()};
    for (int phase = 0; phase < 4; ++phase)
        answer.phasesMs[phase] = double(marks[phase + 1] - marks[phase]) / 1e6;
    return answer;
}

bool linkFromBuild(const QString &folder, const char *name)
{
    const QString from = QStringLiteral(VARNEL_PROGRAM_DIR "/") + QLatin1String(name);
    return QFile::link(from, folder + QLatin1Char('/') + QLatin1String(name));
}

// Lists @p name first, so that the program chooses it, and the other task
// after it: a device file that no listed task owns is named to the planner
// at start-up, which no start timed here should wait for.
bool firstTask(const QString &name)
{
    QFile::remove(TaskListFile::filePath());
    const QString other = name == kBigTask ? bench::taskName() : kBigTask;
    return bench::listTask(name) && bench::listTask(other);
}

} // namespace

int main(int argc, char *argv[])
{
    g_mainAt = wallNs();
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--bare-window"))
        return bareWindow(argc, argv);
    if (mode == QLatin1String("--program") && argc > 2)
        return program(argc, argv, QString::fromLocal8Bit(argv[2]),
                       argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());

    const bench::Start<QCoreApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    const QString folder = start.folder();
    if (!linkFromBuild(folder, "plugins") || !linkFromBuild(folder, "translations")) {
        bench::out() << "cannot link the program's plug-ins and translations" << Qt::endl;
        return 1;
    }
    if (!bench::buildTask() || !bench::buildTask({}, {}, kBigDevices, kBigTask)) {
        bench::out() << "cannot build the benchmark tasks" << Qt::endl;
        return 1;
    }
    bench::out() << "start of the program, first task of " << bench::kDevices
                 << " devices, whole processes; median of " << kStartRuns << " runs each, in turn"
                 << Qt::endl;

    if (!firstTask(bench::taskName()))
        return 1;
    std::vector<double> program;
    std::vector<double> bare;
    std::vector<double> list;
    std::vector<double> programPhases[4];
    std::vector<double> barePhases[4];
    runChild({QStringLiteral("--bare-window")});
    runChild({QStringLiteral("--program"), folder});
    for (int run = 0; run < kStartRuns; ++run) {
        const Answer p = runChild({QStringLiteral("--program"), folder});
        const Answer b = runChild({QStringLiteral("--bare-window")});
        if (!p.ok || !b.ok)
            return 0;
        program.push_back(p.startMs);
        list.push_back(p.listMs);
        bare.push_back(b.startMs);
        for (int phase = 0; phase < 4; ++phase) {
            programPhases[phase].push_back(p.phasesMs[phase]);
            barePhases[phase].push_back(b.phasesMs[phase]);
        }
    }
    const bench::Pair startPair{bench::median(program), bench::median(bare)};
    bench::print(QStringLiteral("start to a painted main window"), startPair, kStartGoal,
                 QStringLiteral("bare Qt window"));
    bench::out() << QStringLiteral("  the device list filled %1 ms after the first paint")
                        .arg(bench::median(list), 0, 'f', 1)
                 << Qt::endl;
    const auto phases = [](const std::vector<double>(&runs)[4]) {
        return QStringLiteral("loading %1, application %2, window %3, first paint %4 ms")
            .arg(bench::median(runs[0]), 0, 'f', 1)
            .arg(bench::median(runs[1]), 0, 'f', 1)
            .arg(bench::median(runs[2]), 0, 'f', 1)
            .arg(bench::median(runs[3]), 0, 'f', 1);
    };
    bench::out() << "  program: " << phases(programPhases) << Qt::endl
                 << "  bare:    " << phases(barePhases) << Qt::endl;

    const Answer bareMemory = runChild({QStringLiteral("--bare-window")});
    const Answer memory = runChild({QStringLiteral("--program"), folder, bench::taskName()});
    if (!firstTask(kBigTask))
        return 1;
    const Answer bigMemory = runChild({QStringLiteral("--program"), folder, kBigTask});
    if (!bareMemory.ok || !memory.ok || !bigMemory.ok)
        return 0;
    bench::printBound(QStringLiteral("peak memory, 1024 devices, report open"), memory.peakMiB,
                      kMemoryGoalMiB, QStringLiteral("MiB"), bareMemory.peakMiB,
                      QStringLiteral("bare Qt program"));
    bench::printBound(QStringLiteral("peak memory, 5000 devices, report open"), bigMemory.peakMiB,
                      kBigMemoryGoalMiB, QStringLiteral("MiB"), bareMemory.peakMiB,
                      QStringLiteral("bare Qt program"));
    return 0;
}
