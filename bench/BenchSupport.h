#pragma once

// What the benchmarks share: their start-up, the 1024-device task, the bare
// floors its steps are held against (parsing the task's device file, or
// parsing, serialising and writing it, with Qt alone), timing that
// alternates a figure's runs with its baseline's, so that a busy machine
// slows both alike, and the printing of each figure with its goal.
//
// A step that reads a task is timed twice: cold, as the first read of the
// task after the start finds it (nothing kept: every cold run follows
// forgetKeptDocumentsAndRecords(); the file's bytes in the page cache, as
// after any earlier read), and warm, as the next read finds it.

#include "ConfigureManager.h"
#include "LanaguageManager.h"
#include "QuietPlatform.h"
#include "StoredResults.h"
#include "TaskDataBase.h"
#include "TaskDeviceFile.h"
#include "TaskListFile.h"
#include "XmlDataFile.h"

#include <TargetPath.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

constexpr int kDevices = 1024;
constexpr int kRuns = 15;
// Runs of a figure of a few milliseconds, which a busy machine moves the
// most: more of them cost little and steady the median.
constexpr int kShortRuns = 41;

inline const QString &taskName()
{
    static const QString name = QStringLiteral("Bench");
    return name;
}

inline QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

/// A temporary program folder with a Task/ folder, the demo catalogue (or
/// @p catalogue in its place) and the configuration files of the built
/// program folder copied in, its settings loaded as the program's start-up
/// loads them.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &catalogue = QString())
    {
        m_ok = m_dir.isValid() && QDir(m_dir.path()).mkpath(QStringLiteral("Task"));
        KavrinGUIToolkit::SetTargetPath(m_dir.path());
        const QString target = KavrinGUIToolkit::GetTargetPath();
        for (const char *name :
             {"Task_EN.db", "Task.db", "ParamCode.xml", "FilterConfig.xml", "Setup.xml"}) {
            const bool isCatalogue = QByteArray(name).endsWith(".db");
            const QString from = isCatalogue && !catalogue.isEmpty()
                                     ? catalogue
                                     : QStringLiteral(VARNEL_PROGRAM_DIR "/") + QLatin1String(name);
            if (!QFile::copy(from, target + QLatin1String(name)))
                out() << "missing " << from << Qt::endl;
        }
        kiv::ConfigureManager::GetInstance()->load(target + QStringLiteral("Setup.xml"));
    }
    ~ProgramFolder() { KavrinGUIToolkit::SetTargetPath(QString()); }
    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

/// Remarks as planners write them, each device's after its scene: markup
/// characters, Chinese text over two lines or with a tab, a letter GB2312
/// lacks (saved as a character reference).
inline QStringList plannerRemarks()
{
    return {QString(),
            QStringLiteral(" gate & car park"),
            QStringLiteral(" lobby <east>"),
            QStringLiteral(" \u5927\u95e8\n\u5165\u53e3"),
            QStringLiteral(" Stra\u00dfe 4"),
            QStringLiteral(" \u505c\u8f66\u573a\t\u5317")};
}

/// Links the built program's plug-ins (skins, style) and translations into
/// the program folder @p folder, where the program looks for them.
inline bool linkProgramParts(const QString &folder)
{
    for (const char *name : {"plugins", "translations"}) {
        if (!QFile::link(QStringLiteral(VARNEL_PROGRAM_DIR "/") + QLatin1String(name),
                         folder + QLatin1Char('/') + QLatin1String(name)))
            return false;
    }
    return true;
}

/// Writes the benchmark task: 1024 devices (every eighth a DVR) of the given
/// models, three to five streams each, mixed record plans and frequencies;
/// or, given @p devices and @p name, another task made the same way. Each
/// remark is "Scene" and a number, followed in turn by the texts of
/// @p remarks when given.
inline bool buildTask(const QStringList &cameraModels = {}, const QStringList &dvrModels = {},
                      int devices = kDevices, const QString &name = taskName(),
                      const QStringList &remarks = {})
{
    const QString resolutions[] = {QStringLiteral("1920x1080"), QStringLiteral("1280x720"),
                                   QStringLiteral("704x576"), QStringLiteral("CIF")};
    const int rates[] = {4096, 2048, 1024, 512};
    const QString useCodes[] = {QStringLiteral("111"), QStringLiteral("110"), QStringLiteral("101"),
                                QStringLiteral("010")};
    const QString plans[] = {QStringLiteral("111111111111111111111111"),
                             QStringLiteral("000000111111111111222222"),
                             QStringLiteral("222222222222222222222222")};

    TaskDeviceFile file(name);
    if (!file.isOpen())
        return false;
    for (int i = 0; i < devices; ++i) {
        const bool dvr = i % 8 == 7;
        DeviceInfo device;
        const QStringList &models = dvr ? dvrModels : cameraModels;
        device.deviceType =
            models.isEmpty() ? QStringLiteral("KC-%1").arg(i % 40) : models.at(i % models.size());
        device.remark = QStringLiteral("Scene %1").arg(i % 12);
        if (!remarks.isEmpty())
            device.remark += remarks.at(i % remarks.size());
        device.mainType = dvr ? QStringLiteral("DVR") : QStringLiteral("IPC");
        device.count = 1;
        device.mainStream = dvr ? 0 : rates[i % 4];
        device.subStream = dvr ? 0 : 512;
        file.addDevice(device);
        for (int s = 0; s < 3 + i % 3; ++s) {
            DevStream stream;
            stream.useCode = useCodes[(i + s) % 4];
            stream.streamCount = 1 + s % 2;
            stream.resolution = resolutions[(i + s) % 4];
            stream.frameRate = QStringLiteral("25");
            stream.bitRate = rates[(i + s) % 4];
            file.addStream(stream, i);
        }
        file.setRecordPlan(plans[i % 3], i);
        file.setEventFren(i, QString::number(10 * (i % 11)));
    }
    return file.close();
}

/// Puts the benchmark task (or task @p name) in the task list, so that the
/// task pane shows it.
inline bool listTask(const QString &name = taskName())
{
    TaskListFile tasks;
    TaskInfo task;
    task.name = name;
    return tasks.addTask(task) && tasks.close();
}

/// Gives the @p devices devices of task @p name what a planned task carries:
/// lenses on the cameras, stands on every other device and shields on every
/// third, so that the report's table spans rows.
inline bool addAccessories(const QString &name = taskName(), int devices = kDevices)
{
    TaskDeviceFile file(name);
    for (int i = 0; i < devices; ++i) {
        if (i % 8 != 7 && !file.setLens(i, QStringLiteral("2.8-12mm Vari-focal"), 1))
            return false;
        if (i % 2 == 0 && !file.setStand(i, QStringLiteral("Wall Bracket W2"), 1))
            return false;
        if (i % 3 == 0 && !file.setShield(i, QStringLiteral("Outdoor Housing H1"), 1))
            return false;
    }
    return file.close();
}

/// Stores all four results of the calculators for task @p name, as the
/// report tests store them, listing it first when the task list does not
/// hold it.
inline bool storeResults(const QString &name = taskName())
{
    TaskListFile list;
    QVector<TaskInfo> listed;
    list.tasks(listed);
    const bool isListed = std::any_of(listed.cbegin(), listed.cend(),
                                      [&name](const TaskInfo &task) { return task.name == name; });
    TaskInfo task;
    task.name = name;
    return (isListed || list.addTask(task)) && storedresults::storeAllResults(list, name) &&
           list.close();
}

/// Both of the above: the task as the planner has it once planned.
inline bool addAccessoriesAndResults(const QString &name = taskName(), int devices = kDevices)
{
    return addAccessories(name, devices) && storeResults(name);
}

/// The floor of a step that reads the task: a bare QDomDocument parse of
/// its device file.
inline QDomDocument bareParse(const QString &name = taskName())
{
    QFile file(TaskDeviceFile::filePath(name));
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(file.readAll());
    return document;
}

/// The floor of a stored edit: a bare parse of the device file, its
/// serialisation and a QFile write of the same bytes. They are written
/// beside the task's file, in the same folder: a write over it would be a
/// change by another program to the file the program is editing.
inline void bareParseSerialiseWrite()
{
    const QDomDocument document = bareParse();
    // Node by node: QDomDocument::save() refuses the GB2312 that the
    // declaration names, and the task is plain ASCII.
    QString text;
    QTextStream stream(&text);
    for (QDomNode node = document.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isProcessingInstruction())
            stream << "<?xml " << node.toProcessingInstruction().data() << "?>\n";
        else
            node.save(stream, 0);
    }
    stream.flush();
    const QByteArray bytes = text.toLatin1();
    QFile file(TaskDeviceFile::filePath(taskName()) + QStringLiteral(".floor"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline const QString &parseName()
{
    static const QString name = QStringLiteral("bare parse");
    return name;
}

inline const QString &parseWriteName()
{
    static const QString name = QStringLiteral("bare parse+serialise+write");
    return name;
}

inline double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : times[times.size() / 2];
}

inline double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

/// The median times of a figure's runs and of its baseline's, in
/// milliseconds.
struct Pair
{
    double work = 0;
    double baseline = 0;
    double ratio() const { return baseline > 0 ? work / baseline : 0; }
};

/// A run that times itself: it returns its time in milliseconds. Runs that
/// end with a paint stop their clock there (Painted.h), not when they
/// return.
using TimedRun = std::function<double()>;

/// @p work as a run timed from its call to its return.
inline TimedRun timed(std::function<void()> work)
{
    return [work = std::move(work)] { return elapsedMs(work); };
}

/// Median times of @p work and @p baseline, their runs taken in turn after
/// one warm-up run of each, with @p prepare run, untimed, before every run
/// of @p work: what puts the program in the state the figure is of (a cold
/// read, another task chosen first, the last dialog gone).
inline Pair alternatingTimed(const std::function<void()> &prepare, const TimedRun &work,
                             const TimedRun &baseline, int runs = kRuns)
{
    prepare();
    work();
    baseline();
    std::vector<double> w;
    std::vector<double> b;
    for (int run = 0; run < runs; ++run) {
        prepare();
        w.push_back(work());
        b.push_back(baseline());
    }
    return {median(w), median(b)};
}

/// As alternatingTimed(), each run timed from its call to its return.
inline Pair alternating(const std::function<void()> &prepare, const std::function<void()> &work,
                        const std::function<void()> &baseline, int runs = kRuns)
{
    return alternatingTimed(prepare, timed(work), timed(baseline), runs);
}

inline Pair alternating(const std::function<void()> &work, const std::function<void()> &baseline,
                        int runs = kRuns)
{
    return alternating([] {}, work, baseline, runs);
}

/// Makes the next read of any task file a cold one: no parsed document and
/// no device entry is kept.
inline void forgetParsedFiles()
{
    XmlDataFile::forgetKeptDocumentsAndRecords();
}

/// A step's figures, cold and warm.
struct ColdWarm
{
    Pair cold;
    Pair warm;
};

/// A step timed cold (@p prepare, then every kept document forgotten, before
/// each run) and then warm (@p prepare alone), each in turn with the same
/// baseline.
inline ColdWarm coldAndWarmTimed(const std::function<void()> &prepare, const TimedRun &work,
                                 const TimedRun &baseline)
{
    ColdWarm figures;
    figures.cold = alternatingTimed(
        [&prepare] {
            prepare();
            forgetParsedFiles();
        },
        work, baseline);
    figures.warm = alternatingTimed(prepare, work, baseline);
    return figures;
}

inline ColdWarm coldAndWarm(const std::function<void()> &prepare, const std::function<void()> &work,
                            const std::function<void()> &baseline)
{
    return coldAndWarmTimed(prepare, timed(work), timed(baseline));
}

inline ColdWarm coldAndWarm(const std::function<void()> &work,
                            const std::function<void()> &baseline)
{
    return coldAndWarm([] {}, work, baseline);
}

/// Notes a printed line for the goals table that `run_bench` prints at its
/// end, under @p goalRow, the key of its row there (GoalsTable.cpp); the
/// file is named by VARNEL_BENCH_RESULTS, which the run targets set.
inline void record(const char *goalRow, const QString &line)
{
    const QString path = qEnvironmentVariable("VARNEL_BENCH_RESULTS");
    if (!goalRow || path.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        file.write(QByteArray(goalRow) + '\t' + line.toUtf8() + '\n');
}

/// Prints one figure with its baseline, ratio and goal; @p goalRow, when
/// given, also puts it in the goals table.
inline void print(const QString &name, const Pair &p, double goal, const QString &baselineName,
                  const char *goalRow = nullptr, const QString &unit = QStringLiteral("ms"))
{
    const QString line =
        QStringLiteral("%1 %2 %3  %4 x %5 (%6 %3; goal %7: %8)")
            .arg(name, -56)
            .arg(p.work, 8, 'f', 3)
            .arg(unit)
            .arg(p.ratio(), 5, 'f', 2)
            .arg(baselineName)
            .arg(p.baseline, 0, 'f', 3)
            .arg(goal, 0, 'f', 2)
            .arg(p.ratio() <= goal ? QStringLiteral("met") : QStringLiteral("missed"));
    out() << line << Qt::endl;
    record(goalRow, line);
}

/// Prints a step's cold and warm figures, each with its goal.
inline void print(const QString &name, const ColdWarm &figures, double coldGoal, double warmGoal,
                  const QString &baselineName, const char *coldRow = nullptr,
                  const char *warmRow = nullptr)
{
    print(name + QStringLiteral(", cold"), figures.cold, coldGoal, baselineName, coldRow);
    print(name + QStringLiteral(", warm"), figures.warm, warmGoal, baselineName, warmRow);
}

/// Prints a figure whose goal is a bound of its own, with its baseline
/// from the same run; @p goalRow as for print().
inline void printBound(const QString &name, double figure, double bound, const QString &unit,
                       double baseline, const QString &baselineName, const char *goalRow = nullptr)
{
    const QString line =
        QStringLiteral("%1 %2 %3  (%4 %5 %3; goal < %6 %3: %7)")
            .arg(name, -56)
            .arg(figure, 8, 'f', 1)
            .arg(unit)
            .arg(baselineName)
            .arg(baseline, 0, 'f', 1)
            .arg(bound, 0, 'f', 0)
            .arg(figure < bound ? QStringLiteral("met") : QStringLiteral("missed"));
    out() << line << Qt::endl;
    record(goalRow, line);
}

/// What every benchmark starts with: the program's debug lines off from its
/// first line on, its application object (QCoreApplication, or QApplication for a
/// benchmark that shows widgets), a temporary program folder for its
/// lifetime (on the demo catalogue, or on @p catalogue), and the language
/// and catalogue made from that folder as the program's start-up makes
/// them.
/// How a benchmark's application object is made, and brought up once its
/// program folder is there: Qt's own classes need nothing more. A benchmark
/// that shows the program's windows uses the program's application object
/// instead (GuiSupport.h), dressed as the program dresses itself.
template <typename Application> struct Bringing
{
    static Application make(int &argc, char **argv) { return Application(argc, argv); }
    static bool up(Application &, const QString &) { return true; }
};

template <typename Application> class Start
{
public:
    Start(int &argc, char **argv, const QString &catalogue = QString())
        : m_folder(catalogue), m_app(Bringing<Application>::make(argc, argv))
    {
        m_up = m_folder.isValid() && Bringing<Application>::up(m_app, m_folder.path());
        if (m_folder.isValid()) {
            kiv::LanaguageManager::GetInstance();
            kiv::TaskDataBase::GetInstance();
        }
    }
    Start(const Start &) = delete;
    Start &operator=(const Start &) = delete;

    /// The temporary program folder.
    QString folder() const { return m_folder.path(); }

    /// False, once said on the output, when the program folder could not be
    /// made, the application did not come up or the catalogue does not
    /// open: the benchmark then has nothing to time.
    bool ready() const
    {
        if (!m_folder.isValid()) {
            out() << "cannot create a temporary program folder" << Qt::endl;
            return false;
        }
        if (!m_up) {
            out() << "the application does not come up on the program folder" << Qt::endl;
            return false;
        }
        if (!kiv::TaskDataBase::GetInstance()->isOpen()) {
            out() << "the catalogue does not open" << Qt::endl;
            return false;
        }
        return true;
    }

private:
    // Set before the application is made: the program's diagnostics would
    // otherwise be timed with the terminal they go to.
    struct QuietDiagnostics
    {
        QuietDiagnostics()
        {
            QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false"));
            quietPlatformNotes();
            // A desktop session gives every process a private runtime
            // folder; without one Qt says so at every start, and so would
            // every process a benchmark starts.
            if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
                static QTemporaryDir runtime;
                if (runtime.isValid())
                    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
            }
        }
    };
    QuietDiagnostics m_quiet;
    // Made before the application and gone after it: the program's
    // application holds a lock in the folder while it lives.
    ProgramFolder m_folder;
    Application m_app;
    bool m_up = false;
};

} // namespace bench
