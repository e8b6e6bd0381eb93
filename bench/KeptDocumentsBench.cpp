// Measures what the parsed documents kept between reads cost in memory as
// the planner goes through a list of large tasks: ten tasks of 1024 devices
// with accessories and stored results, each chosen in turn with a click in
// the main window's task pane.
//
// What the kept documents hold is measured as the heap in use (every byte
// malloc has handed out and not been given back, in all its arenas) after
// each choice, less the heap in use once every kept document is forgotten
// at the end, with the tenth task still shown: the shown task's rows, the
// window and the catalogue are the same in both, so the difference is what
// is kept for the tasks chosen so far. It has to stay under a fixed budget
// whatever the number of tasks. The heap one bare parse of a task's file
// takes is printed beside it, from the same run. Not a test: it prints its
// figures and always exits 0 once the tasks could be built.

#include "GuiSupport.h"

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <TaskManageModel.h>
#include <TaskManagerWidget.h>
#include <TreeView.h>
#include <Varnel.h>
#include <WarningDlg.h>

#include <QApplication>

#include <malloc.h>

namespace {

constexpr int kTasks = 10;
constexpr double kBudgetMiB = 32;

QString taskOf(int k)
{
    return QStringLiteral("Site %1").arg(k + 1, 2, 10, QLatin1Char('0'));
}

double heapInUseMiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

// Ten tasks, the first built as every benchmark task is, the others copies
// of its file told apart by their remarks, so that no two files are alike.
bool buildTasks()
{
    if (!bench::buildTask({}, {}, bench::kDevices, taskOf(0)) || !bench::addAccessories(taskOf(0)))
        return false;
    QFile first(TaskDeviceFile::filePath(taskOf(0)));
    if (!first.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = first.readAll();
    for (int k = 1; k < kTasks; ++k) {
        QFile copy(TaskDeviceFile::filePath(taskOf(k)));
        QByteArray text = bytes;
        text.replace("<Remark>Scene ", "<Remark>" + taskOf(k).toLatin1() + " scene ");
        if (!copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size())
            return false;
    }
    for (int k = 0; k < kTasks; ++k) {
        if (!bench::storeResults(taskOf(k)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const bench::ProgramStart start(argc, argv);
    if (!start.ready())
        return 1;
    if (!buildTasks()) {
        bench::out() << "cannot build the benchmark tasks" << Qt::endl;
        return 1;
    }
    int messages = 0;
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [&messages](const KavrinGUIToolkit::CWarningDlg::Shown &) {
            ++messages;
            return 1;
        });
    bench::out() << "kept parsed documents: " << kTasks << " tasks of " << bench::kDevices
                 << " devices with accessories and results, "
                 << QFileInfo(TaskDeviceFile::filePath(taskOf(0))).size() / 1024
                 << " KiB each, chosen in turn in the task pane" << Qt::endl
                 << Qt::endl;

    // What one whole parsed file takes.
    double documentMiB = 0;
    {
        const double before = heapInUseMiB();
        const QDomDocument document = bench::bareParse(taskOf(0));
        documentMiB = heapInUseMiB() - before;
    }

    kiv::Varnel window;
    window.showCentred();
    if (!bench::showAndPaint(&window)) {
        bench::out() << "the main window is never painted" << Qt::endl;
        return 1;
    }
    bench::settle();
    QAbstractItemView *tasks = window.taskPane()->view();
    kiv::DeviceListWidget *list = window.deviceList();
    double heap[kTasks] = {};
    bool listed = true;
    for (int k = 0; k < kTasks; ++k) {
        bench::clickItem(tasks, window.taskPane()->model()->index(k, 0));
        bench::settle();
        listed =
            listed && list->taskName() == taskOf(k) && list->model()->rowCount() == bench::kDevices;
        heap[k] = heapInUseMiB();
    }
    XmlDataFile::forgetKeptDocumentsAndRecords();
    bench::settle();
    const double forgotten = heapInUseMiB();

    QStringList kept;
    double most = 0;
    for (int k = 0; k < kTasks; ++k) {
        kept << QString::number(heap[k] - forgotten, 'f', 1);
        most = qMax(most, heap[k] - forgotten);
    }
    bench::printBound(QStringLiteral("kept documents, ten 1024-device tasks chosen in turn"), most,
                      kBudgetMiB, QStringLiteral("MiB"), documentMiB,
                      QStringLiteral("one bare parse of a task"), "kept.ten");
    bench::out() << "  kept after each choice: " << kept.join(QStringLiteral(", "))
                 << " MiB; heap grew " << QString::number(heap[kTasks - 1] - heap[0], 'f', 1)
                 << " MiB from the first choice to the tenth" << Qt::endl;
    if (!listed)
        bench::out() << "a task's rows were not listed: the figures are not valid" << Qt::endl;
    if (messages > 0)
        bench::out() << messages << " messages were shown: the figures are not valid" << Qt::endl;
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    return 0;
}
