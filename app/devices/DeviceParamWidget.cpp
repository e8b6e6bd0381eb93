#include "DeviceParamWidget.h"

#include <ParamItemText.h>
#include <Widgets.h>

#include <QGridLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace kiv {

DeviceParamWidget::DeviceParamWidget(QWidget *parent) : KavrinGUIToolkit::CBaseDialog(parent)
{
    QWidget *form = GetSetUpUiWidget();
    form->setWindowTitle(QStringLiteral("DeviceParamWidget"));
    auto *grid = new QGridLayout(form);
    grid->setSpacing(6);
    grid->setContentsMargins(11, 11, 11, 11);
    m_textEdit = new KavrinGUIToolkit::CTextEdit(form);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setStyleSheet(QString());
    grid->addWidget(m_textEdit, 0, 0);

    SetTitle(tr("Parameter list"));
    setFixedSize(720, 600);
    SetCloseBtnVisible(true);
}

DeviceParamWidget::~DeviceParamWidget() = default;

bool DeviceParamWidget::showModal(int deviceClass, const QString &deviceType)
{
    DeviceParamWidget sheet(nullptr);
    if (!sheet.showDeviceParams(deviceClass, deviceType))
        return false;
    sheet.exec();
    return true;
}

QString DeviceParamWidget::valueText(const QVector<ParamItem> &items)
{
    QString text;
    for (const ParamItem &item : items)
        text += paramItemText(item) + QLatin1Char(';');
    return text;
}

void DeviceParamWidget::writeDeviceTypeLine(const QString &deviceType)
{
    // Model names and translations are data, not markup.
    m_textEdit->document()->setHtml(QStringLiteral("<div align='left'><b>") +
                                    tr("Device Type").toHtmlEscaped() + QStringLiteral(": </b>") +
                                    deviceType.toHtmlEscaped());
}

bool DeviceParamWidget::showDeviceParams(int deviceClass, const QString &deviceType)
{
    m_paramGroups.clear();
    QVector<QString> headings;
    (void)TaskDataBase::GetInstance()->getDeviceAllParam(deviceClass, deviceType, m_paramGroups,
                                                         headings);
    if (m_paramGroups.isEmpty() || headings.size() != m_paramGroups.size())
        return false;

    // White around the table: on a coloured ground the line with the model's
    // name could not be read.
    QPalette palette = m_textEdit->palette();
    palette.setBrush(QPalette::Base, QBrush(QColor(255, 255, 255), Qt::SolidPattern));
    m_textEdit->setPalette(palette);

    writeDeviceTypeLine(deviceType);

    QTextCursor cursor(m_textEdit->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat anchor;
    anchor.setAnchor(true);
    anchor.setAnchorNames({QStringLiteral("Header")});
    cursor.setCharFormat(anchor);

    QTextTableFormat tableFormat;
    tableFormat.setCellPadding(3);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorder(1);
    tableFormat.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 300)});

    int rows = 0;
    for (const QString &heading : std::as_const(headings))
        rows += 1 + m_paramGroups.value(heading).size();
    QTextTable *table = cursor.insertTable(rows, 2, tableFormat);
    m_textEdit->document()->setUndoRedoEnabled(true);

    QTextCharFormat cellFormat;
    cellFormat.setBackground(QColor(255, 255, 255));
    cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);

    int row = 0;
    for (const QString &heading : std::as_const(headings)) {
        cellFormat.setBackground(QColor(210, 210, 210));
        table->mergeCells(row, 0, 1, 2);
        QTextTableCell cell = table->cellAt(row, 0);
        cell.setFormat(cellFormat);
        cell.firstCursorPosition().insertText(heading, cellFormat);
        ++row;

        const QMap<QString, QVector<ParamItem>> groups = m_paramGroups.value(heading);
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            cellFormat.setBackground(QColor(255, 255, 255));
            QTextTableCell name = table->cellAt(row, 0);
            name.setFormat(cellFormat);
            name.firstCursorPosition().insertText(group.key(), cellFormat);
            QTextTableCell values = table->cellAt(row, 1);
            values.setFormat(cellFormat);
            values.firstCursorPosition().insertText(valueText(group.value()), cellFormat);
            ++row;
        }
    }

    m_textEdit->setReadOnly(true);
    m_textEdit->scrollToAnchor(QStringLiteral("Header"));
    return true;
}

} // namespace kiv
