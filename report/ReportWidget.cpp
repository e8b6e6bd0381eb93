#include "ReportWidget.h"

#include <LanaguageManager.h>
#include <TaskDeviceFile.h>

#include <QDate>
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
    format.setBorderCollapse(true);
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
    : KavrinGUIToolkit::CBaseDialog(parent), m_taskName(taskName)
{
    m_form.setupUi(GetSetUpUiWidget());
    m_language = LanaguageManager::GetInstance()->language();
    buildReport();
    connect(m_form.btnSavePdf, &QPushButton::clicked, this, &ReportWidget::onSavePdf);
    connect(m_form.btnSaveExcel, &QPushButton::clicked, this, &ReportWidget::onSaveExcel);
    connect(m_form.btnPrint, &QPushButton::clicked, this, &ReportWidget::onPrint);
    connect(m_form.btnClose, &QPushButton::clicked, this, &QDialog::close);
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

    // The report is built in a document of its own and handed to the view
    // when complete: a view lays its document out again after every change,
    // which would make building a long device table slow.
    m_document = new QTextDocument(m_form.textEdit);
    m_document->setDefaultFont(m_form.textEdit->font());
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
    // The view's cursor starts at the top of a new document; moving it
    // there again would scroll the view while it is still too small.
    m_form.textEdit->setDocument(m_document);
    // Read-only also when empty.
    m_form.textEdit->setReadOnly(true);
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
    // A device takes one row, or one row per accessory present when it has
    // two or more; its type and count then span those rows.
    int rows = 2;
    for (const DeviceRow &device : std::as_const(m_devices))
        rows += qMax(1, int(device.accessories.size()));

    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    QTextTable *table = cursor.insertTable(rows, 4, reportTableFormat({150, 110, 130, 130}));

    const QTextTableCellFormat header = cellFormat(QColor(217, 217, 217));
    const auto headerCell = [table, &header](int row, int column, const QString &text) {
        QTextTableCell cell = table->cellAt(row, column);
        cell.setFormat(header);
        cell.firstCursorPosition().insertText(text, header);
    };
    table->mergeCells(0, 0, 2, 1);
    table->mergeCells(0, 1, 2, 1);
    table->mergeCells(0, 2, 1, 2);
    headerCell(0, 0, tr("Device Type"));
    headerCell(0, 1, tr("Device Number"));
    headerCell(0, 2, tr("Ingredient"));
    headerCell(1, 2, tr("Device Type"));
    headerCell(1, 3, tr("Number"));

    const auto text = [table](int row, int column, const QString &value) {
        table->cellAt(row, column).firstCursorPosition().insertText(value);
    };
    int r = 2;
    for (const DeviceRow &device : std::as_const(m_devices)) {
        const int n = int(device.accessories.size());
        if (n >= 2) {
            table->mergeCells(r, 0, n, 1);
            table->mergeCells(r, 1, n, 1);
        }
        text(r, 0, device.type);
        text(r, 1, QString::number(device.count, 10));
        // An accessory present with a count of 0 keeps its row, empty.
        int k = 0;
        for (const auto &accessory : device.accessories) {
            if (accessory.second > 0) {
                text(r + k, 2, accessory.first);
                text(r + k, 3, QString::number(accessory.second, 10));
                if (n >= 2)
                    ++k;
            }
        }
        r += qMax(1, n);
    }
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
