#include "ReportBuilder.h"

#include "ReportTexts.h"

#include <ClassNames.h>

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

// The catalogue holds the report's texts in the context of the window that
// shows them, "kiv::ReportWidget".

namespace kiv {

namespace {

QString div(const QString &line)
{
    return QStringLiteral("<div>") + line.toHtmlEscaped() + QStringLiteral("</div>");
}

QString boldDiv(const QString &text)
{
    return QStringLiteral("<div align='left'><b>") + text.toHtmlEscaped() +
           QStringLiteral("</b></div>");
}

QString headingDiv(const QString &text)
{
    return QStringLiteral("<div align='left'><b><font size='+1'>") + text.toHtmlEscaped() +
           QStringLiteral("</font></b></div>");
}

QTextTableFormat reportTableFormat(const QVector<int> &columnWidths)
{
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QVector<QTextLength> widths;
    for (const int width : columnWidths)
        widths.append(QTextLength(QTextLength::FixedLength, width));
    format.setColumnWidthConstraints(widths);
    return format;
}

QTextTableCellFormat cellFormat(const QColor &background)
{
    QTextTableCellFormat format;
    format.setBackground(QBrush(background, Qt::SolidPattern));
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    return format;
}

// Adds to the end of one document in the two ways the report is written:
// a paragraph of its own, or HTML that continues the last paragraph.
class Writer
{
public:
    explicit Writer(QTextDocument *document) : m_document(document) {}

    /// A new paragraph at the end: HTML when @p text looks like it, plain
    /// text otherwise.
    void append(const QString &text)
    {
        QTextCursor cursor = end();
        if (!m_document->isEmpty())
            cursor.insertBlock();
        if (Qt::mightBeRichText(text))
            cursor.insertHtml(text);
        else
            cursor.insertText(text);
    }

    /// HTML added at the end of the last paragraph.
    void insert(const QString &html) { end().insertHtml(html); }

    QTextCursor end()
    {
        QTextCursor cursor(m_document);
        cursor.movePosition(QTextCursor::End);
        return cursor;
    }

    void appendClientConfig();
    void appendServerConfig();
    void appendConfigTable();
    void appendCalculationReport(const ReportResults &results);

private:
    QTextDocument *m_document;
};

void Writer::appendClientConfig()
{
    append(QStringLiteral("<div align='left'><font size='+1'><b>") +
           QCoreApplication::translate("kiv::ReportWidget", "Config Report") +
           QStringLiteral("</b></font></div>"));
    append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Client:")));
    appendConfigTable();
}

void Writer::appendServerConfig()
{
    append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Server:")));
    appendConfigTable();
}

void Writer::appendConfigTable()
{
    QTextCursor cursor = end();
    QTextTable *table = cursor.insertTable(2, 2, reportTableFormat({260, 260}));
    const QTextTableCellFormat header = cellFormat(QColor(225, 225, 225));
    const QTextTableCellFormat body = cellFormat(QColor(255, 255, 255));
    const auto cell = [table](int row, int column, const QTextTableCellFormat &format,
                              const QString &text) {
        QTextTableCell c = table->cellAt(row, column);
        c.setFormat(format);
        // Each line break of a body starts a paragraph of its own.
        c.firstCursorPosition().insertText(text, format);
    };
    cell(0, 0, header, QCoreApplication::translate("kiv::ReportWidget", "Least Config"));
    cell(0, 1, header, QCoreApplication::translate("kiv::ReportWidget", "Recommend Config"));
    cell(1, 1, body, recommendConfigBody());
    cell(1, 0, body, leastConfigBody());
}

void Writer::appendCalculationReport(const ReportResults &results)
{
    bool headed = false;
    const auto resultHeading = [this, &headed]() {
        if (headed)
            return;
        append(QStringLiteral("\n"));
        append(headingDiv(QCoreApplication::translate("kiv::ReportWidget", "Calculation result")));
        headed = true;
    };

    const StorageResult &storage = results.storage;
    if (storage.storageEnable == 1) {
        if (!headed) {
            append(QStringLiteral("\n"));
            insert(QStringLiteral("<br/>"));
            insert(
                headingDiv(QCoreApplication::translate("kiv::ReportWidget", "Calculation Report")));
            insert(QStringLiteral("<br/>"));
            headed = true;
        }
        append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Storage result:")));
        QString lines = div(storageDeviceLine(storage)) + div(storageDisksLine(storage));
        if (hddTypeOf(storage.hddModel) != CommonHdd)
            lines += div(storageRaidLine(storage));
        append(lines);
    }

    const BandWidthResult &bandWidth = results.bandWidth;
    if (bandWidth.bandWidthEnable == 1) {
        if (!headed) {
            append(QStringLiteral("\n"));
            insert(
                headingDiv(QCoreApplication::translate("kiv::ReportWidget", "Calculation result")));
            headed = true;
        }
        append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Bandwidth:")));
        append(div(QCoreApplication::translate("kiv::ReportWidget", "Total") +
                   QStringLiteral(": ") + bandWidth.total + QStringLiteral(",  ") +
                   QStringLiteral("\n") +
                   QCoreApplication::translate("kiv::ReportWidget", "Preview") +
                   QStringLiteral(": ") + bandWidth.preView + QStringLiteral(",  ") +
                   QCoreApplication::translate("kiv::ReportWidget", "Record") +
                   QStringLiteral(": ") + bandWidth.record + QStringLiteral(",  ") +
                   QCoreApplication::translate("kiv::ReportWidget", "Transmission") +
                   QStringLiteral(": ") + bandWidth.transmission));
    }

    if (results.streamServer.streamServerEnable == 1) {
        resultHeading();
        append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Stream Media Server:")));
        append(div(streamServerLine(results.streamServer)));
    }

    if (results.client.clientEnable == 1) {
        resultHeading();
        append(boldDiv(QCoreApplication::translate("kiv::ReportWidget", "Client:")));
        append(div(clientLine(results.client)));
    }
}

} // namespace

QString reportHeaderHtml(const QString &taskName, const QString &date)
{
    QString html;
    html += QStringLiteral("<div align='right'><font size='+2' color='gray'>") +
            QCoreApplication::translate("kiv::ReportWidget", "Varnel") +
            QStringLiteral("</font></div><div align='right'><font size='+0.5' color='gray'>") +
            QCoreApplication::translate("kiv::ReportWidget", "Solution Report") +
            QStringLiteral("</font></div>");
    html += QStringLiteral("<div align='left'><font><b>&nbsp;&nbsp;") +
            QCoreApplication::translate("kiv::ReportWidget", "Task") + QStringLiteral(":</b>") +
            taskName.toHtmlEscaped() + QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;<b>") +
            QCoreApplication::translate("kiv::ReportWidget", "Date") + QStringLiteral(": </b>") +
            date.toHtmlEscaped() + QStringLiteral("</font></div>");
    html += QStringLiteral("<div>&nbsp;</div>");
    html += QStringLiteral("<div align='left'><font size='+1'><b>&nbsp;&nbsp;") +
            QCoreApplication::translate("kiv::ReportWidget", "Ingredient List") +
            QStringLiteral("</b></font></div>");
    html += QStringLiteral("<div>&nbsp;</div>");
    return html;
}

QString deviceTableHtml(const QVector<ReportDevice> &devices)
{
    // One HTML table: merging cells of a table that is already in the
    // document costs a pass over the whole table each time, too slow for a
    // task of a thousand devices.
    const QString header = QStringLiteral("<td bgcolor='#d9d9d9' valign='middle'");
    const QString cell = QStringLiteral("<td>");
    const QString end = QStringLiteral("</td>");
    const QString deviceType =
        QCoreApplication::translate("kiv::ReportWidget", "Device Type").toHtmlEscaped();
    QString html;
    html.reserve(256 + int(devices.size()) * 160);
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' align='center' "
                           "style='border-style:solid; white-space:pre-wrap'>");
    html += QStringLiteral("<tr>") + header + QStringLiteral(" rowspan='2' width='150'>") +
            deviceType + end + header + QStringLiteral(" rowspan='2' width='110'>") +
            QCoreApplication::translate("kiv::ReportWidget", "Device Number").toHtmlEscaped() +
            end + header + QStringLiteral(" colspan='2'>") +
            QCoreApplication::translate("kiv::ReportWidget", "Ingredient").toHtmlEscaped() + end +
            QStringLiteral("</tr>");
    html += QStringLiteral("<tr>") + header + QStringLiteral(" width='130'>") + deviceType + end +
            header + QStringLiteral(" width='130'>") +
            QCoreApplication::translate("kiv::ReportWidget", "Number").toHtmlEscaped() + end +
            QStringLiteral("</tr>");

    const QString emptyCells = cell + end + cell + end;
    for (const ReportDevice &device : devices) {
        const int rows = qMax(1, int(device.accessories.size()));
        const QString span = rows > 1 ? QStringLiteral("<td rowspan='") + QString::number(rows) +
                                            QStringLiteral("'>")
                                      : cell;
        // The accessories present fill the rows from the top; one with a
        // count of 0 leaves an empty row at the end.
        auto accessory = device.accessories.cbegin();
        for (int k = 0; k < rows; ++k) {
            html += QLatin1String("<tr>");
            if (k == 0) {
                html += span;
                html += device.type.toHtmlEscaped();
                html += end;
                html += span;
                html += QString::number(device.count, 10);
                html += end;
            }
            while (accessory != device.accessories.cend() && accessory->count <= 0)
                ++accessory;
            if (accessory != device.accessories.cend()) {
                html += cell;
                html += accessory->type.toHtmlEscaped();
                html += end;
                html += cell;
                html += QString::number(accessory->count, 10);
                html += end;
                ++accessory;
            } else {
                html += emptyCells;
            }
            html += QLatin1String("</tr>");
        }
    }
    html += QStringLiteral("</table>");
    return html;
}

void buildReport(QTextDocument *document, const TaskReport &report)
{
    document->setUndoRedoEnabled(false);
    if (!report.devicesRead || report.isEmpty())
        return;
    // The header and the device table, nearly all of a report, go in as one
    // HTML text parsed straight into the document. Inserted as HTML at a
    // cursor, each would be parsed into a document of its own first and
    // then copied over, which costs a third more again.
    document->setHtml(reportHeaderHtml(report.taskName, report.date) +
                      QStringLiteral("<p style='-qt-paragraph-type:empty; margin-top:0px; "
                                     "margin-bottom:0px'><br /></p>") +
                      deviceTableHtml(report.devices));
    Writer writer(document);
    writer.append(QStringLiteral("\n"));
    if (report.language == 1) {
        writer.appendClientConfig();
        writer.appendServerConfig();
    }
    writer.appendCalculationReport(report.results);
}

} // namespace kiv
