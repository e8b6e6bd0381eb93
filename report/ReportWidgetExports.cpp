// Saving the report as a PDF file or an Excel workbook, and printing it.
#include "ReportWidget.h"

#include "ReportLogging.h"
#include "ui_ReportWidget.h"

#include <PathWidget.h>
#include <ReportExports.h>
#include <WarningDlg.h>

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

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
    return writeReportPdf(document(), path, m_taskName, &m_lastError);
}

bool ReportWidget::saveWorkbook(const QString &path, const QString &sheetName)
{
    m_lastError.clear();
    // The devices as the window lists them, the results as stored now.
    TaskReport report = m_report;
    report.results = readReportResults(m_taskName);
    return writeReportWorkbook(report, path, sheetName, &m_lastError);
}

void ReportWidget::tellSaveFailed()
{
    CWarningDlg::ShowMessageInfo(tr("Warn"),
                                 tr("Saving failed.") + QLatin1Char('\n') + m_lastError);
}

void ReportWidget::onSavePdf()
{
    QString path;
    QString fileName;
    if (!chooseTarget(QStringLiteral(".pdf"), path, fileName))
        return;
    if (!savePdf(path)) {
        qCDebug(lcReport) << "qeb cannot write" << path << ":" << m_lastError;
        tellSaveFailed();
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
        qCDebug(lcReport) << "qeb cannot write" << path << ":" << m_lastError;
        tellSaveFailed();
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
        CWarningDlg::ShowMessageInfo(tr("Warn"), tr("Printing failed.") + QLatin1Char('\n') +
                                                     printFailureText(printer.outputFileName()));
        return;
    }
    accept();
}

} // namespace kiv
