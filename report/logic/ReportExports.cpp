#include "ReportExports.h"

#include "ExcelWorkbook.h"
#include "ReportTexts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cerrno>

namespace kiv {

namespace {

bool failed(QString *reason, SaveFailure failure)
{
    if (reason)
        *reason = saveFailureText(failure);
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
                         QString *reason)
{
    if (!report.devicesRead)
        return failed(reason, SaveFailure::DevicesUnreadable);
    const QString deviceType = QStringLiteral(":devicetype");
    const QString deviceCount = QStringLiteral(":devicecout");
    const QString ingredient = QStringLiteral(":ingredient");

    ExcelWorkbook book;
    if (!book.open(path) ||
        !book.createTable(sheetName, {{QStringLiteral("Device Type"), 36},
                                      {QStringLiteral("Device Count"), 36},
                                      {QStringLiteral("Ingredient"), 40}}) ||
        !book.prepareInsert({deviceType, deviceCount, ingredient}))
        return failed(reason, book.failure());
    for (const ReportWorkbookRow &row : reportWorkbookRows(report)) {
        book.bindValue(deviceType, row.deviceType);
        book.bindValue(deviceCount, row.deviceCount);
        book.bindValue(ingredient, row.ingredient);
        if (!book.exec())
            return failed(reason, book.failure());
    }
    if (!book.close())
        return failed(reason, book.failure());
    return true;
}

bool writeReportPdf(QTextDocument *document, const QString &path, const QString &title,
                    QString *reason)
{
    // The file is made in memory and written in one call, so that the error
    // code of a failed write is still there to tell why.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        // As a printer in high-resolution mode would lay it out.
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::translate("kiv::ReportWidget", "Varnel"));
        document->print(&writer);
    }
    if (bytes.isEmpty())
        return failed(reason, SaveFailure::Unknown);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failed(reason, saveFailureOf(path, errno));
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        file.cancelWriting();
        return failed(reason, saveFailureOf(path, systemError));
    }
    errno = 0;
    if (!file.commit())
        return failed(reason, saveFailureOf(path, errno));
    return true;
}

QString printFailureText(const QString &outputFile)
{
    if (outputFile.isEmpty())
        return QCoreApplication::translate("kiv::ReportWidget", "The printer reported an error.");
    return saveFailureText(saveFailureOf(outputFile, 0));
}

} // namespace kiv
