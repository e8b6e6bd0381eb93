#include "ReportWidget.h"

#include "ui_ReportWidget.h"

#include <LanaguageManager.h>
#include <TaskDeviceFile.h>

#include <QDate>
#include <QLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace kiv {

namespace {

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

} // namespace

ReportWidget::ReportWidget(const QString &taskName, QWidget *parent)
    : KavrinGUIToolkit::CBaseDialog(parent), m_form(std::make_unique<Ui::ReportWidget>()),
      m_taskName(taskName)
{
    m_form->setupUi(GetSetUpUiWidget());
    m_language = LanaguageManager::GetInstance()->language();
    buildReport();
    connect(m_form->btnSavePdf, &QPushButton::clicked, this, &ReportWidget::onSavePdf);
    connect(m_form->btnSaveExcel, &QPushButton::clicked, this, &ReportWidget::onSaveExcel);
    connect(m_form->btnPrint, &QPushButton::clicked, this, &ReportWidget::onPrint);
    connect(m_form->btnClose, &QPushButton::clicked, this, &QDialog::close);
    SetCloseBtnVisible(true);
}

ReportWidget::~ReportWidget() = default;

QTextDocument *ReportWidget::document() const
{
    return m_document;
}

void ReportWidget::buildReport()
{
    SetTitle(tr("Output Report"));
    setFixedSize(600, 700);

    // The view takes its final size before the report goes in, so that the
    // report is laid out once, at the width it is shown at: laying out a
    // device table of a thousand devices takes longer than building it.
    // A scroll bar that comes and goes would change that width once more.
    m_form->textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (QLayout *outer = layout())
        outer->activate();
    if (QLayout *form = GetSetUpUiWidget()->layout())
        form->activate();
    m_document = m_form->textEdit->document();
    // Nothing of a read-only report is ever undone.
    m_document->setUndoRedoEnabled(false);
    if (readDevices() && !m_devices.isEmpty()) {
        appendHeader(m_taskName);
        append(QString());
        appendDeviceTable();
        append(QStringLiteral("\n"));
        if (m_language == 1) {
            appendClientConfig();
            appendServerConfig();
        }
        appendCalculationReport();
    }
    // Read-only also when empty, and open at the top, where the title block
    // and the task's name are.
    m_form->textEdit->setReadOnly(true);
    m_form->textEdit->moveCursor(QTextCursor::Start);
}

bool ReportWidget::readDevices()
{
    m_devices.clear();
    m_devicesRead = false;
    TaskDeviceFile file(m_taskName);
    QVector<DeviceInfo> devices;
    if (!file.isOpen() || !file.devices(devices))
        return false;
    m_devices.reserve(devices.size());
    for (int i = 0; i < devices.size(); ++i) {
        DeviceRow row;
        row.type = devices.at(i).deviceType;
        row.count = devices.at(i).count;
        QString type;
        int count = 0;
        if (file.lens(i, type, count))
            row.accessories.append({type, count});
        type.clear();
        count = 0;
        if (file.stand(i, type, count))
            row.accessories.append({type, count});
        type.clear();
        count = 0;
        if (file.shield(i, type, count))
            row.accessories.append({type, count});
        m_devices.append(row);
    }
    m_devicesRead = true;
    return true;
}

void ReportWidget::append(const QString &text)
{
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    if (!m_document->isEmpty())
        cursor.insertBlock();
    if (Qt::mightBeRichText(text))
        cursor.insertHtml(text);
    else
        cursor.insertText(text);
}

void ReportWidget::insert(const QString &html)
{
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertHtml(html);
}

void ReportWidget::appendHeader(const QString &taskName)
{
    const QString date = LanaguageManager::GetInstance()->locale().toString(
        QDate::currentDate(), QStringLiteral("ddd MMM d yyyy"));
    QString html;
    html += QStringLiteral("<div align='right'><font size='+2' color='gray'>") + tr("Varnel") +
            QStringLiteral("</font></div><div align='right'><font size='+0.5' color='gray'>") +
            tr("Solution Report") + QStringLiteral("</font></div>");
    html += QStringLiteral("<div align='left'><font><b>&nbsp;&nbsp;") + tr("Task") +
            QStringLiteral(":</b>") + taskName.toHtmlEscaped() +
            QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;<b>") + tr("Date") + QStringLiteral(": </b>") +
            date.toHtmlEscaped() + QStringLiteral("</font></div>");
    html += QStringLiteral("<div>&nbsp;</div>");
    html += QStringLiteral("<div align='left'><font size='+1'><b>&nbsp;&nbsp;") +
            tr("Ingredient List") + QStringLiteral("</b></font></div>");
    html += QStringLiteral("<div>&nbsp;</div>");
    insert(html);
}

void ReportWidget::appendDeviceTable()
{
    // Written as one HTML table: merging cells of a table that is already in
    // the document costs a pass over the whole table each time, too slow for
    // a task of a thousand devices. Blanks in the stored texts are kept as
    // they are.
    const QString header = QStringLiteral("<td bgcolor='#d9d9d9' valign='middle'");
    const QString cell = QStringLiteral("<td>");
    const QString end = QStringLiteral("</td>");
    QString html;
    html.reserve(256 + int(m_devices.size()) * 160);
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3' align='center' "
                           "style='border-style:solid; white-space:pre-wrap'>");
    html += QStringLiteral("<tr>") + header + QStringLiteral(" rowspan='2' width='150'>") +
            tr("Device Type").toHtmlEscaped() + end + header +
            QStringLiteral(" rowspan='2' width='110'>") + tr("Device Number").toHtmlEscaped() +
            end + header + QStringLiteral(" colspan='2'>") + tr("Ingredient").toHtmlEscaped() +
            end + QStringLiteral("</tr>");
    html += QStringLiteral("<tr>") + header + QStringLiteral(" width='130'>") +
            tr("Device Type").toHtmlEscaped() + end + header + QStringLiteral(" width='130'>") +
            tr("Number").toHtmlEscaped() + end + QStringLiteral("</tr>");

    // A device takes one row, or one row per accessory present when it has
    // two or more; its type and count then span those rows. An accessory
    // present with a count of 0 keeps its row, empty, at the end.
    for (const DeviceRow &device : std::as_const(m_devices)) {
        const int rows = qMax(1, int(device.accessories.size()));
        QStringList accessoryCells;
        for (const auto &accessory : device.accessories) {
            if (accessory.second > 0)
                accessoryCells << cell + accessory.first.toHtmlEscaped() + end + cell +
                                      QString::number(accessory.second, 10) + end;
        }
        const QString span = rows > 1 ? QStringLiteral("<td rowspan='%1'>").arg(rows) : cell;
        for (int k = 0; k < rows; ++k) {
            html += QStringLiteral("<tr>");
            if (k == 0)
                html += span + device.type.toHtmlEscaped() + end + span +
                        QString::number(device.count, 10) + end;
            html += k < accessoryCells.size() ? accessoryCells.at(k) : cell + end + cell + end;
            html += QStringLiteral("</tr>");
        }
    }
    html += QStringLiteral("</table>");

    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertHtml(html);
}

void ReportWidget::appendConfigTable()
{
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
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
    cell(0, 0, header, tr("Least Config"));
    cell(0, 1, header, tr("Recommend Config"));
    cell(1, 1, body, recommendConfigBody());
    cell(1, 0, body, leastConfigBody());
}

} // namespace kiv
