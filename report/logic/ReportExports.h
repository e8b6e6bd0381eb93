#pragma once

#include "SaveFailure.h"
#include "TaskReport.h"

#include <QString>
#include <QVariant>
#include <QVector>

class QTextDocument;

namespace kiv {

/// One row of the report's workbook below the column names. A null or empty
/// value leaves its cell empty; a number goes in as a number.
struct ReportWorkbookRow
{
    QString deviceType;
    QVariant deviceCount;
    QString ingredient;
};

/// The rows of the report's workbook: one per device with its type, count
/// and accessories (ingredientText()); then, when any result is enabled, the
/// results text in the first column; in the Chinese interface the client's
/// and then the server's configuration, least in the first column and
/// recommended in the second.
QVector<ReportWorkbookRow> reportWorkbookRows(const TaskReport &report);

/// Writes the workbook of @p report to @p path: one sheet named after
/// @p sheetName (made a valid sheet name) with the columns "Device Type",
/// "Device Count" and "Ingredient" and the rows of reportWorkbookRows().
/// A file at @p path is replaced only by a complete workbook. False when the
/// device file could not be read or the workbook could not be written;
/// @p reason (when given) then says why, in the interface's language
/// (saveFailureText()).
bool writeReportWorkbook(const TaskReport &report, const QString &path, const QString &sheetName,
                         QString *reason = nullptr);

/// Writes @p document to a PDF file at @p path, A4 at 1200 dots per inch
/// as a printer in high-resolution mode lays it out, titled @p title. A file
/// at @p path is replaced only once the new one is complete. False when it
/// could not be written; @p reason (when given) then says why, in the
/// interface's language.
bool writeReportPdf(QTextDocument *document, const QString &path, const QString &title,
                    QString *reason = nullptr);

/// Why printing failed, as the planner is told: the reason the file could
/// not be written when the printer writes to @p outputFile, that the printer
/// refused otherwise (@p outputFile empty).
QString printFailureText(const QString &outputFile);

} // namespace kiv
