// Saving the report as a PDF file or an Excel workbook, and printing it.
#include "ExcelWorkbook.h"
#include "ReportWidget.h"
#include "ui_ReportWidget.h"

#include <PathWidget.h>
#include <WarningDlg.h>

#include <QDebug>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace kiv {

using KavrinGUIToolkit::CWarningDlg;

namespace {

ReportWidget::PrintResponder &printResponder()
{
    static ReportWidget::PrintResponder responder;
    return responder;
}

} // namespace

void ReportWidget::setPrintResponder(PrintResponder responder)
{
    printResponder() = std::move(responder);
}

bool ReportWidget::chooseTarget(const QString &extension, QString &path, QString &fileName)
{
    PathWidget dialog(m_taskName, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    path = dialog.fullPath() + extension;
    fileName = dialog.fileName();
    // The old file stays until the new one is complete; declining keeps it
    // as it is.
    if (QFileInfo::exists(path) &&
        CWarningDlg::CheckMessageInfo(tr("Hint"), tr("The file name has been used; replace it?")) !=
            1)
        return false;
    return true;
}

bool ReportWidget::savePdf(const QString &path)
{
    m_lastError.clear();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastError = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        // As a printer in high-resolution mode would lay it out.
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(m_taskName);
        writer.setCreator(tr("Varnel"));
        m_document->print(&writer);
    }
    if (file.error() != QFileDevice::NoError || file.size() == 0) {
        m_lastError = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_lastError = file.errorString();
        return false;
    }
    return true;
}

bool ReportWidget::saveWorkbook(const QString &path, const QString &sheetName)
{
    m_lastError.clear();
    if (!m_devicesRead) {
        m_lastError = QStringLiteral("the task's devices could not be read");
        return false;
    }
    const QString deviceType = QStringLiteral(":devicetype");
    const QString deviceCount = QStringLiteral(":devicecout");
    const QString ingredient = QStringLiteral(":ingredient");

    ExcelWorkbook book;
    const auto failed = [this, &book]() {
        m_lastError = book.lastError();
        return false;
    };
    if (!book.open(path))
        return failed();
    if (!book.createTable(sheetName, {{QStringLiteral("Device Type"), 36},
                                      {QStringLiteral("Device Count"), 36},
                                      {QStringLiteral("Ingredient"), 40}}))
        return failed();
    if (!book.prepareInsert({deviceType, deviceCount, ingredient}))
        return failed();

    for (const DeviceRow &device : std::as_const(m_devices)) {
        QString accessories;
        for (const auto &accessory : device.accessories)
            accessories += accessory.first + QStringLiteral(" x ") +
                           QString::number(accessory.second, 10) + QStringLiteral("\n");
        book.bindValue(deviceType, device.type);
        book.bindValue(deviceCount, device.count);
        book.bindValue(ingredient, accessories);
        if (!book.exec())
            return failed();
    }

    const QString results = calculationReportText();
    if (!results.isEmpty()) {
        book.bindValue(deviceType, results);
        if (!book.exec())
            return failed();
    }
    if (m_language == 1) {
        book.bindValue(deviceType, leastClientConfigText());
        book.bindValue(deviceCount, recommendClientConfigText());
        if (!book.exec())
            return failed();
        book.bindValue(deviceType, leastServerConfigText());
        book.bindValue(deviceCount, recommendServerConfigText());
        if (!book.exec())
            return failed();
    }
    if (!book.close())
        return failed();
    return true;
}

void ReportWidget::onSavePdf()
{
    QString path;
    QString fileName;
    if (!chooseTarget(QStringLiteral(".pdf"), path, fileName))
        return;
    if (!savePdf(path)) {
        qDebug() << "qeb cannot write" << path << ":" << m_lastError;
        CWarningDlg::ShowMessageInfo(tr("Warn"), tr("Saving failed."));
        return;
    }
    CWarningDlg::ShowMessageInfo(tr("Hint"), tr("Saved."));
    accept();
}

void ReportWidget::onSaveExcel()
{
    QString path;
    QString fileName;
    if (!chooseTarget(QStringLiteral(".xlsx"), path, fileName))
        return;
    if (!saveWorkbook(path, fileName)) {
        qDebug() << "qeb cannot write" << path << ":" << m_lastError;
        CWarningDlg::ShowMessageInfo(tr("Warn"), tr("Saving failed."));
        return;
    }
    CWarningDlg::ShowMessageInfo(tr("Hint"), tr("Saved."));
    accept();
}

void ReportWidget::onPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    int answer = QDialog::Rejected;
    if (printResponder()) {
        answer = printResponder()(printer);
    } else {
        QPrintDialog dialog(&printer, m_form->textEdit);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted)
        return;
    m_form->textEdit->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), tr("Printing failed."));
        return;
    }
    accept();
}

} // namespace kiv
