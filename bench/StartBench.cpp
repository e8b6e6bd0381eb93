// Times the program's start as whole processes, from the moment a process
// is started: to the first frame of its main window, and to the usable
// window (the first task's device list filled and painted), the program on
// a program folder whose first task holds 1024 devices with accessories and
// stored results; against a plain Qt Widgets program (varnel_plain_window,
// linking Qt alone) that shows a 1024 x 768 window with one label, to its
// first frame, the runs of the two taken in turn. Both processes tell their
// first frame the same way (FirstFrame.h). And the peak memory of the
// program with a task's report open, for the 1024-device task and for a
// hand-made task of 5000 devices with accessories and stored results,
// against the peak of the plain program. Not a test: it prints medians and
// always exits 0 once the tasks could be built.
//
// This executable is also the program's process of every figure: started
// with `--program FOLDER [TASK]`, it starts as the program's main() does on
// that program folder and answers once its window is usable, or once the
// report of TASK is open and laid out.

#include "BenchSupport.h"
#include "FirstFrame.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <ReportWidget.h>
#include <ToolsApplication.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace {

constexpr double kFirstPaintGoal = 4.0;
constexpr double kUsableGoal = 8.0;
constexpr double kMemoryGoalMiB = 60;
constexpr double kBigMemoryGoalMiB = 110;
constexpr int kBigDevices = 5000;
constexpr int kStartRuns = 15;
const QString kBigTask = QStringLiteral("Large");

// The program as it starts (see main.cpp), on the program folder @p folder;
// it answers once its device list is filled and painted, or, given a task,
// once that task's report is then open and laid out.
int program(int argc, char **argv, const QString &folder, const QString &reportTask)
{
    const qint64 mainAt = bench::wallNs();
    // As in every benchmark: the program's debug lines would be timed with
    // the terminal they go to.
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false"));
    bench::quietPlatformNotes();
    KavrinGUIToolkit::SetTargetPath(folder);
    // A message would wait for an answer that never comes; it is said on the
    // error output, and the figures of that run are not valid.
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &shown) {
            QTextStream(stderr) << "message: " << shown.text << Qt::endl;
            return 1;
        });
    // The program folder is the benchmark's own: a planner's program running
    // on this machine holds another one.
    bench::FrameClock<kiv::ToolsApplication> app(QStringLiteral("VarnelStartBench"), argc, argv);
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    if (!app.init())
        return 2;
    const qint64 readyAt = bench::wallNs();
    kiv::Varnel window;
    const qint64 windowAt = bench::wallNs();
    kiv::DeviceListWidget *list = window.deviceList();
    app.watchUsable(list->view()->viewport(), [list] { return list->model()->rowCount() > 0; });
    std::unique_ptr<kiv::ReportWidget> report;
    bool reporting = false;
    app.afterEachEvent([&] {
        if (app.firstFrameAt() == 0 || app.usableAt() == 0 || reporting)
            return;
        if (reportTask.isEmpty())
            bench::tell(mainAt, readyAt, windowAt, app.firstFrameAt(), app.usableAt());
        reporting = true;
        QTimer::singleShot(0, &app, [&] {
            report = std::make_unique<kiv::ReportWidget>(reportTask);
            report->show();
            QCoreApplication::processEvents();
            report->document()->documentLayout()->documentSize();
            bench::tell(mainAt, readyAt, windowAt, app.firstFrameAt(), app.usableAt());
        });
    });
    window.showCentred();
    return QApplication::exec();
}

struct Answer
{
    bool ok = false;
    double firstFrameMs = 0;
    double usableMs = 0;
    double peakMiB = 0;
    // From the start to main(), to the application ready, to the window
    // made, to its first frame.
    double phasesMs[4] = {};
};

// What the processes wrote on their error output, each line once with the
// number of times, said at the end rather than between the figures.
QMap<QString, int> &childMessages()
{
    static QMap<QString, int> messages;
    return messages;
}

Answer runChild(const QString &executable, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A screen of 1280 x 1024: the program asks before it starts on a
    // smaller one.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               QStringLiteral("offscreen:configfile=" VARNEL_BENCH_SCREEN));
    child.setProcessEnvironment(env);

    const qint64 startedAt = bench::wallNs();
    child.start(executable, arguments);
    Answer answer;
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        bench::out() << "the process " << executable << " " << arguments.join(QLatin1Char(' '))
                     << " failed; it said:" << Qt::endl
                     << QString::fromUtf8(child.readAllStandardError()) << Qt::endl;
        return answer;
    }
    for (const QByteArray &line : child.readAllStandardError().split('\n')) {
        if (!line.isEmpty())
            ++childMessages()[QString::fromUtf8(line)];
    }
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    QMap<QByteArray, qint64> told;
    for (int i = 0; i + 1 < words.size(); i += 2)
        told.insert(words.at(i), words.at(i + 1).toLongLong());
    if (told.value("painted") == 0)
        return answer;
    const auto since = [startedAt](qint64 at) { return double(at - startedAt) / 1e6; };
    answer.ok = true;
    answer.firstFrameMs = since(told.value("painted"));
    answer.usableMs = told.value("usable") ? since(told.value("usable")) : 0;
    answer.peakMiB = double(told.value("peak")) / 1024.0;
    const qint64 marks[] = {startedAt, told.value("main"), told.value("ready"),
                            told.value("window"), told.value("painted")};
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
    return bench::listTask(name) && bench::listTask(other) && bench::storeResults(name) &&
           bench::storeResults(other);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
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
    if (!bench::buildTask() || !bench::addAccessories() ||
        !bench::buildTask({}, {}, kBigDevices, kBigTask) ||
        !bench::addAccessories(kBigTask, kBigDevices) || !firstTask(bench::taskName())) {
        bench::out() << "cannot build the benchmark tasks" << Qt::endl;
        return 1;
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QString plain =
        QCoreApplication::applicationDirPath() + QStringLiteral("/varnel_plain_window");
    bench::out() << "start of the program, first task of " << bench::kDevices
                 << " devices with accessories and results, against a plain Qt Widgets program "
                    "(1024 x 768, one label); whole processes, median of "
                 << kStartRuns << " runs each, in turn" << Qt::endl
                 << Qt::endl;

    std::vector<double> programFrames;
    std::vector<double> usable;
    std::vector<double> plainFrames;
    std::vector<double> programPhases[4];
    std::vector<double> plainPhases[4];
    runChild(plain, {});
    runChild(self, {QStringLiteral("--program"), folder});
    for (int run = 0; run < kStartRuns; ++run) {
        const Answer p = runChild(self, {QStringLiteral("--program"), folder});
        const Answer b = runChild(plain, {});
        if (!p.ok || !b.ok || p.usableMs <= 0)
            return 0;
        programFrames.push_back(p.firstFrameMs);
        usable.push_back(p.usableMs);
        plainFrames.push_back(b.firstFrameMs);
        for (int phase = 0; phase < 4; ++phase) {
            programPhases[phase].push_back(p.phasesMs[phase]);
            plainPhases[phase].push_back(b.phasesMs[phase]);
        }
    }
    const double plainFrame = bench::median(plainFrames);
    bench::print(QStringLiteral("start to the first paint"),
                 bench::Pair{bench::median(programFrames), plainFrame}, kFirstPaintGoal,
                 QStringLiteral("plain Qt window process"), "start.paint");
    bench::print(QStringLiteral("start to the usable window (1024-device list painted)"),
                 bench::Pair{bench::median(usable), plainFrame}, kUsableGoal,
                 QStringLiteral("plain Qt window process"), "start.usable");
    const auto phases = [](const std::vector<double>(&runs)[4]) {
        return QStringLiteral("loading %1, application %2, window %3, first frame %4 ms")
            .arg(bench::median(runs[0]), 0, 'f', 1)
            .arg(bench::median(runs[1]), 0, 'f', 1)
            .arg(bench::median(runs[2]), 0, 'f', 1)
            .arg(bench::median(runs[3]), 0, 'f', 1);
    };
    bench::out() << "  program: " << phases(programPhases) << Qt::endl
                 << "  plain:   " << phases(plainPhases) << Qt::endl;

    const Answer plainMemory = runChild(plain, {});
    const Answer memory = runChild(self, {QStringLiteral("--program"), folder, bench::taskName()});
    if (!firstTask(kBigTask))
        return 1;
    const Answer bigMemory = runChild(self, {QStringLiteral("--program"), folder, kBigTask});
    if (!plainMemory.ok || !memory.ok || !bigMemory.ok)
        return 0;
    bench::printBound(QStringLiteral("peak memory, 1024 devices, report open"), memory.peakMiB,
                      kMemoryGoalMiB, QStringLiteral("MiB"), plainMemory.peakMiB,
                      QStringLiteral("plain Qt window process"), "memory.1024");
    bench::printBound(QStringLiteral("peak memory, 5000 devices with accessories, report open"),
                      bigMemory.peakMiB, kBigMemoryGoalMiB, QStringLiteral("MiB"),
                      plainMemory.peakMiB, QStringLiteral("plain Qt window process"),
                      "memory.5000");
    for (auto message = childMessages().cbegin(); message != childMessages().cend(); ++message)
        bench::out() << "  the processes said " << message.value() << " times: " << message.key()
                     << Qt::endl;
    return 0;
}
