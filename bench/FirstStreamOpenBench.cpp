// Times the first stream-editor open after a start, on the demo catalogue,
// or with `--catalogue FILE` on another one (the run target passes the one
// of 50 times the demo catalogue's models): the program started on a
// program folder whose first task holds 1024 devices, its device list
// painted, then the stream icon of a camera's row clicked, to the stream
// table painted (the panel made, the device's streams read, the catalogue's
// choices for its model looked up for the first time). Against a plain Qt
// Widgets program (varnel_plain_forms streams) that, once its window is
// painted, parses the task's device file and the task list, looks the
// model's class and video modes up with bare QSqlQuery statements and shows
// the device's streams in a plain table over its window, to the table
// painted. Each run is a process of its own, the two taken in turn, each
// timed from the inside (Painted.h). Not a test: it prints medians and
// always exits 0 once the task could be built.
//
// Started with `--program FOLDER`, this executable is the program's process:
// it starts as the program's main() does on that folder, opens the stream
// editor once and answers the milliseconds the open took.

#include "BenchSupport.h"
#include "Painted.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <ParamCode.h>
#include <PixmapDelegate.h>
#include <ToolsApplication.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr double kGoal = 1.5;
constexpr int kFirstOpenRuns = 15;
// A camera in the middle of the task, as the stream editor benchmark opens.
constexpr int kDevice = 517;
const QString kCamera = QStringLiteral("KC-B21");

// The program's process: started as main() starts it, the stream editor of
// device kDevice opened with a click on its row's stream icon.
int program(int argc, char **argv, const QString &folder)
{
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false"));
    bench::quietPlatformNotes();
    KavrinGUIToolkit::SetTargetPath(folder);
    // A message would wait for an answer that never comes: said on the
    // error output, it makes the run fail.
    bool told = false;
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [&told](const KavrinGUIToolkit::CWarningDlg::Shown &shown) {
            QTextStream(stderr) << "message: " << shown.text << Qt::endl;
            told = true;
            return 1;
        });
    bench::PaintClock<kiv::ToolsApplication> app(QStringLiteral("VarnelFirstOpenBench"), argc,
                                                 argv);
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    if (!app.init())
        return 2;
    kiv::Varnel window;
    window.showCentred();
    kiv::DeviceListWidget *list = window.deviceList();
    KavrinGUIToolkit::CTreeView *view = list->view();
    if (bench::nextPaint(view->viewport(), [list] { return list->model()->rowCount() > 0; }) == 0)
        return 3;

    // The planner has the row in sight before the click.
    const QModelIndex index = list->model()->index(kDevice, kiv::DeviceListModel::ConfigColumn);
    const int scrolled = view->verticalScrollBar()->value();
    view->scrollTo(index);
    if (view->verticalScrollBar()->value() != scrolled)
        bench::nextPaint(view->viewport());
    auto *delegate = qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(view->itemDelegate());
    if (!delegate)
        return 4;
    QPoint at;
    for (const auto &slot : delegate->IconSlots(view->visualRect(index), index)) {
        if (slot.role == KavrinGUIToolkit::FirstIconRole)
            at = slot.rect.center();
    }
    if (at.isNull())
        return 4;
    QCursor::setPos(view->viewport()->mapToGlobal(at));

    bool painted = true;
    kiv::DeviceStreamWidget *panel = nullptr;
    const double ms = bench::untilPainted(
        [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at); },
        [&]() -> const QObject * {
            panel = window.findChild<kiv::DeviceStreamWidget *>();
            return panel ? panel->view()->viewport() : nullptr;
        },
        &painted);
    if (!painted || told || !panel || panel->model()->rowCount() == 0)
        return 5;
    QTextStream(stdout) << ms << Qt::endl;
    return 0;
}

// The milliseconds a process answered; negative when it failed. The
// processes show their windows on the offscreen screen the run target sets
// for the benchmark.
double runChild(const QString &executable, const QStringList &arguments)
{
    QProcess child;
    child.start(executable, arguments);
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        bench::out() << "the process " << executable << " " << arguments.join(QLatin1Char(' '))
                     << " failed (" << child.exitCode() << "); it said:" << Qt::endl
                     << QString::fromUtf8(child.readAllStandardError()) << Qt::endl;
        return -1;
    }
    bool ok = false;
    const double ms = child.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--program") == 0)
        return program(argc, argv, QString::fromLocal8Bit(argv[2]));

    QString catalogue;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--catalogue") == 0)
            catalogue = QString::fromLocal8Bit(argv[i + 1]);
    }
    const bench::Start<QCoreApplication> start(argc, argv, catalogue);
    if (!start.ready())
        return 1;
    const QString folder = start.folder();
    if (!bench::linkProgramParts(folder)) {
        bench::out() << "cannot link the program's plug-ins and translations" << Qt::endl;
        return 1;
    }
    if (!bench::buildTask({kCamera}, {QStringLiteral("KD-04")}) || !bench::listTask()) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    ParamCodeItem cameras;
    if (!kiv::ParamCode::GetInstance()->getIPCType(cameras))
        cameras.code = QStringLiteral("011001");
    ParamCodeItem modes;
    if (!kiv::ParamCode::GetInstance()->getIPCResolution(modes)) {
        modes.likeCode = QStringLiteral("0415%");
        modes.code = QStringLiteral("041500");
    }
    const bool large = !catalogue.isEmpty();
    bench::out() << "first stream-editor open after the start, on "
                 << (large ? "the large" : "the demo") << " catalogue, device " << kDevice + 1
                 << " (" << kCamera << ") of a task of " << bench::kDevices
                 << " devices, against a plain Qt Widgets program; each run "
                    "a process of its own, median of "
                 << kFirstOpenRuns << " runs each, in turn" << Qt::endl
                 << Qt::endl;

    const QString self = QCoreApplication::applicationFilePath();
    const QString plain =
        QCoreApplication::applicationDirPath() + QStringLiteral("/varnel_plain_forms");
    const QStringList programArgs = {QStringLiteral("--program"), folder};
    const QStringList plainArgs = {QStringLiteral("streams"),
                                   folder + QStringLiteral("/Task_EN.db"),
                                   folder,
                                   bench::taskName(),
                                   QString::number(kDevice),
                                   kCamera,
                                   cameras.code,
                                   modes.likeCode,
                                   modes.code};
    bool failed = false;
    const bench::Pair open =
        bench::alternatingTimed([] {},
                                [&] {
                                    const double ms = runChild(self, programArgs);
                                    failed = failed || ms < 0;
                                    return ms;
                                },
                                [&] {
                                    const double ms = runChild(plain, plainArgs);
                                    failed = failed || ms < 0;
                                    return ms;
                                },
                                kFirstOpenRuns);
    bench::print(QStringLiteral("first stream-editor open after the start") +
                     (large ? QStringLiteral(", catalogue x50") : QStringLiteral(", demo")),
                 open, kGoal, QStringLiteral("plain Qt program, same rows"),
                 large ? "first.stream.x50" : "first.stream.demo");
    if (failed)
        bench::out() << "a process failed: the figure is not valid" << Qt::endl;
    return 0;
}
