// Times the report of the 1024-device task with accessories and stored
// results: reading and building it with the report logic, and building and
// showing the report window, each against QTextDocument::setHtml of the same
// HTML (the window: with the layout at the view's width); the PDF export
// against printing the same document to a QPdfWriter;
// and the workbook export against writing the same cells with libxlsxwriter
// directly. Prints medians; not a test.

#include "BenchSupport.h"

#include <ReportBuilder.h>
#include <ReportExports.h>
#include <ReportWidget.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <xlsxwriter.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

const QString kTask = bench::taskName();

// Lenses on the cameras, stands on every other device and shields on every
// third, so that the table spans rows; and all four results stored.
bool addAccessoriesAndResults()
{
    {
        TaskDeviceFile file(kTask);
        for (int i = 0; i < bench::kDevices; ++i) {
            if (i % 8 != 7 && !file.setLens(i, QStringLiteral("2.8-12mm Vari-focal"), 1))
                return false;
            if (i % 2 == 0 && !file.setStand(i, QStringLiteral("Wall Bracket W2"), 1))
                return false;
            if (i % 3 == 0 && !file.setShield(i, QStringLiteral("Outdoor Housing H1"), 1))
                return false;
        }
        if (!file.close())
            return false;
    }
    TaskListFile list;
    TaskInfo task;
    task.name = kTask;
    StorageResult storage;
    storage.taskName = kTask;
    storage.storageEnable = 1;
    storage.mainType = QStringLiteral("NVR");
    storage.devType = QStringLiteral("KN-7716");
    storage.devNumber = 12;
    storage.hddCap = QStringLiteral("4T");
    storage.hddModel = QStringLiteral("raid");
    storage.raidType = QStringLiteral("RAID5");
    storage.raidNumber = 24;
    storage.hddNumber = 180;
    BandWidthResult bandWidth;
    bandWidth.taskName = kTask;
    bandWidth.bandWidthEnable = 1;
    bandWidth.preView = QStringLiteral("512.3Mbps");
    bandWidth.record = QStringLiteral("1.2Gbps");
    bandWidth.transmission = QStringLiteral("96.1Mbps");
    bandWidth.total = QStringLiteral("1.8Gbps");
    StreamServerResult streamServer;
    streamServer.taskName = kTask;
    streamServer.streamServerEnable = 1;
    streamServer.streamServerNumber = 4;
    ClientResult client;
    client.taskName = kTask;
    client.clientEnable = 1;
    client.client = QStringLiteral("Video Wall Client");
    client.clientNumber = 6;
    return list.addTask(task) && list.setStorageResult(storage) &&
           list.setBandWidthResult(bandWidth) && list.setStreamServerResult(streamServer) &&
           list.setClientResult(client) && list.close();
}

struct Row
{
    QByteArray type;
    bool counted = false;
    double count = 0;
    QByteArray ingredient;
};

// The cells of the workbook export's rows, converted here once, outside the
// timing.
QVector<Row> cellsOf(const QVector<kiv::ReportWorkbookRow> &rows)
{
    QVector<Row> cells;
    for (const kiv::ReportWorkbookRow &row : rows)
        cells.append({row.deviceType.toUtf8(), !row.deviceCount.isNull(),
                      row.deviceCount.toDouble(), row.ingredient.toUtf8()});
    return cells;
}

// The same cells as the export writes, in its formats and column widths.
void writeCellsDirectly(const QString &path, const QVector<Row> &rows)
{
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Bench");
    lxw_format *header = workbook_add_format(book);
    format_set_bold(header);
    lxw_format *cell = workbook_add_format(book);
    format_set_align(cell, LXW_ALIGN_VERTICAL_TOP);
    lxw_format *wrap = workbook_add_format(book);
    format_set_align(wrap, LXW_ALIGN_VERTICAL_TOP);
    format_set_text_wrap(wrap);
    const char *titles[] = {"Device Type", "Device Count", "Ingredient"};
    const double widths[] = {36, 36, 40};
    for (lxw_col_t c = 0; c < 3; ++c) {
        worksheet_set_column(sheet, c, c, widths[c], nullptr);
        worksheet_write_string(sheet, 0, c, titles[c], header);
    }
    lxw_row_t r = 1;
    for (const Row &row : rows) {
        worksheet_write_string(sheet, r, 0, row.type.constData(),
                               row.type.contains('\n') ? wrap : cell);
        if (row.counted)
            worksheet_write_number(sheet, r, 1, row.count, cell);
        if (!row.ingredient.isEmpty())
            worksheet_write_string(sheet, r, 2, row.ingredient.constData(),
                                   row.ingredient.contains('\n') ? wrap : cell);
        ++r;
    }
    workbook_close(book);
}

} // namespace

int main(int argc, char **argv)
{
    const bench::Start<QApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask() || !addAccessoriesAndResults()) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    QTemporaryDir out;
    const QString base = out.path() + QLatin1Char('/');

    // The report logic alone, as a test or an export without the window
    // calls it.
    const kiv::TaskReport content = kiv::readTaskReport(kTask);
    QTextDocument document;
    kiv::buildReport(&document, content);
    const QString html = document.toHtml();
    bench::out() << "report of " << bench::kDevices << " devices: " << document.blockCount()
                 << " blocks, " << html.size() << " characters of HTML" << Qt::endl;

    const bench::Pair read = bench::alternating(
        [] {
            QTextDocument built;
            kiv::buildReport(&built, kiv::readTaskReport(kTask));
        },
        [&html] {
            QTextDocument parsed;
            parsed.setHtml(html);
        });
    bench::print(QStringLiteral("report read and built"), read, 2.0,
                 QStringLiteral("setHtml of its HTML"));

    // Once through the window: the same report laid out in its view, held
    // against its HTML parsed and laid out at the view's width in the view's
    // font.
    qreal width = 0;
    QFont font;
    {
        kiv::ReportWidget shown(kTask);
        shown.show();
        QCoreApplication::processEvents();
        shown.document()->documentLayout()->documentSize();
        width = shown.document()->textWidth();
        font = shown.document()->defaultFont();
    }
    const auto layOutHtml = [&] {
        QTextDocument parsed;
        parsed.setDefaultFont(font);
        parsed.setHtml(html);
        parsed.setTextWidth(width);
        parsed.documentLayout()->documentSize();
    };
    const bench::Pair build = bench::alternating(
        [] {
            kiv::ReportWidget shown(kTask);
            shown.show();
            QCoreApplication::processEvents();
            // The view lays a long document out in steps; the planner waits
            // for all of it to scroll through.
            shown.document()->documentLayout()->documentSize();
        },
        layOutHtml);
    bench::print(QStringLiteral("report built, shown and laid out"), build, 1.1,
                 QStringLiteral("setHtml+layout at %1 px").arg(width, 0, 'f', 0));

    const bench::Pair pdf = bench::alternating(
        [&] { kiv::writeReportPdf(&document, base + QStringLiteral("export.pdf"), kTask); },
        [&] {
            QPdfWriter writer(base + QStringLiteral("direct.pdf"));
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A4));
            document.print(&writer);
        });
    bench::print(QStringLiteral("PDF export"), pdf, 1.1,
                 QStringLiteral("QTextDocument::print to QPdfWriter"));

    const QVector<Row> rows = cellsOf(kiv::reportWorkbookRows(content));
    const bench::Pair workbook = bench::alternating(
        [&] { kiv::writeReportWorkbook(content, base + QStringLiteral("export.xlsx"), kTask); },
        [&] { writeCellsDirectly(base + QStringLiteral("direct.xlsx"), rows); });
    bench::print(QStringLiteral("workbook export"), workbook, 1.2,
                 QStringLiteral("bare libxlsxwriter cells"));
    return 0;
}
