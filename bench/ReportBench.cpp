// Times the report of the 1024-device task with accessories and stored
// results: building and showing the report window against
// QTextDocument::setHtml of the same HTML, the PDF export against printing
// the same document to a QPdfWriter, and the workbook export against writing
// the same cells with libxlsxwriter directly. Prints medians; not a test.

#include "BenchSupport.h"

#include <ReportWidget.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <xlsxwriter.h>

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
    int count = 0;
    QByteArray ingredient;
};

// The cells the workbook export writes, read here once, outside the timing.
QVector<Row> workbookRows()
{
    QVector<Row> rows;
    TaskDeviceFile file(kTask);
    QVector<DeviceInfo> devices;
    file.devices(devices);
    for (int i = 0; i < devices.size(); ++i) {
        QString ingredient;
        QString type;
        int count = 0;
        if (file.lens(i, type, count))
            ingredient += type + QStringLiteral(" x ") + QString::number(count) + QLatin1Char('\n');
        if (file.stand(i, type, count))
            ingredient += type + QStringLiteral(" x ") + QString::number(count) + QLatin1Char('\n');
        if (file.shield(i, type, count))
            ingredient += type + QStringLiteral(" x ") + QString::number(count) + QLatin1Char('\n');
        rows.append({devices.at(i).deviceType.toUtf8(), devices.at(i).count, ingredient.toUtf8()});
    }
    rows.append({QByteArrayLiteral("Calculation Report\nStorage result:\nNVR: KN-7716, Number: 12\n"
                                   "HDD Capacity: 4T, HDD number: 180\n"
                                   "RAID Type: RAID5, RAID number: 24\nBandwidth:\n"
                                   "Total: 1.8Gbps\nPreview: 512.3Mbps,  Record: 1.2Gbps,  "
                                   "Transmission: 96.1Mbps\nStream Media Server:\n"
                                   "Stream Media Server Number: 4\nClient:\n"
                                   "Video Wall Client Number: 6\n"),
                 -1, QByteArray()});
    return rows;
}

void writeCellsDirectly(const QString &path, const QVector<Row> &rows)
{
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Bench");
    lxw_format *wrap = workbook_add_format(book);
    format_set_text_wrap(wrap);
    worksheet_write_string(sheet, 0, 0, "Device Type", nullptr);
    worksheet_write_string(sheet, 0, 1, "Device Count", nullptr);
    worksheet_write_string(sheet, 0, 2, "Ingredient", nullptr);
    lxw_row_t r = 1;
    for (const Row &row : rows) {
        worksheet_write_string(sheet, r, 0, row.type.constData(),
                               row.type.contains('\n') ? wrap : nullptr);
        if (row.count >= 0)
            worksheet_write_number(sheet, r, 1, row.count, nullptr);
        if (!row.ingredient.isEmpty())
            worksheet_write_string(sheet, r, 2, row.ingredient.constData(), wrap);
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

    kiv::ReportWidget report(kTask);
    const QString html = report.document()->toHtml();
    bench::out() << "report of " << bench::kDevices
                 << " devices: " << report.document()->blockCount() << " blocks, " << html.size()
                 << " characters of HTML" << Qt::endl;

    const bench::Pair build = bench::alternating(
        [] {
            kiv::ReportWidget shown(kTask);
            shown.show();
            QCoreApplication::processEvents();
        },
        [&html] {
            QTextDocument document;
            document.setHtml(html);
        });
    bench::print(QStringLiteral("report built and shown"), build, 2.0,
                 QStringLiteral("setHtml of its HTML"));

    const bench::Pair pdf =
        bench::alternating([&] { report.savePdf(base + QStringLiteral("export.pdf")); },
                           [&] {
                               QPdfWriter writer(base + QStringLiteral("direct.pdf"));
                               writer.setResolution(1200);
                               writer.setPageSize(QPageSize(QPageSize::A4));
                               report.document()->print(&writer);
                           });
    bench::print(QStringLiteral("PDF export"), pdf, 1.5, QStringLiteral("QPdfWriter print"));

    const QVector<Row> rows = workbookRows();
    const bench::Pair workbook = bench::alternating(
        [&] { report.saveWorkbook(base + QStringLiteral("export.xlsx"), kTask); },
        [&] { writeCellsDirectly(base + QStringLiteral("direct.xlsx"), rows); });
    bench::print(QStringLiteral("workbook export"), workbook, 1.5,
                 QStringLiteral("libxlsxwriter cells"));
    return 0;
}
