#include "ReportExports.h"

#include "ExcelWorkbook.h"
#include "ReportTexts.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace kiv {

namespace {

bool failed(QString *error, const QString &what)
{
    if (error)
        *error = what;
    return false;
}

} // namespace

QVector<ReportWorkbookRow> reportWorkbookRows(const TaskReport &report)
{
    QVector<ReportWorkbookRow> rows;
    rows.reserve(report.devices.size() + 3);
    for (const ReportDevice &device : report.devices)
        rows.append({device.type, device.count, ingredientText(device)});
    const QString results = calculationReportText(report.results);
    if (!results.isEmpty())
        rows.append({results, QVariant(), QString()});
    if (report.language == 1) {
        rows.append({leastClientConfigText(), recommendClientConfigText(), QString()});
        rows.append({leastServerConfigText(), recommendServerConfigText(), QString()});
    }
    return rows;
}

bool writeReportWorkbook(const TaskReport &report, const QString &path, const QString &sheetName,
                         QString *error)
{
    if (!report.devicesRead)
        return failed(error, QStringLiteral("the task's devices could not be read"));
    const QString deviceType = QStringLiteral(":devicetype");
    const QString deviceCount = QStringLiteral(":devicecout");
    const QString ingredient = QStringLiteral(":ingredient");

    ExcelWorkbook book;
    if (!book.open(path) ||
        !book.createTable(sheetName, {{QStringLiteral("Device Type"), 36},
                                      {QStringLiteral("Device Count"), 36},
                                      {QStringLiteral("Ingredient"), 40}}) ||
        !book.prepareInsert({deviceType, deviceCount, ingredient}))
        return failed(error, book.lastError());
    for (const ReportWorkbookRow &row : reportWorkbookRows(report)) {
        book.bindValue(deviceType, row.deviceType);
        book.bindValue(deviceCount, row.deviceCount);
        book.bindValue(ingredient, row.ingredient);
        if (!book.exec())
            return failed(error, book.lastError());
    }
    if (!book.close())
        return failed(error, book.lastError());
    return true;
}

bool writeReportPdf(QTextDocument *document, const QString &path, const QString &title,
                    QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(error, file.errorString());
    {
        QPdfWriter writer(&file);
        // As a printer in high-resolution mode would lay it out.
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::translate("kiv::ReportWidget", "Varnel"));
        document->print(&writer);
    }
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        const QString what = file.errorString();
        file.cancelWriting();
        return failed(error, what);
    }
    if (!file.commit())
        return failed(error, file.errorString());
    return true;
}

} // namespace kiv
