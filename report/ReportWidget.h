#pragma once

#include <BaseDialog.h>
#include <TaskReport.h>

#include <functional>
#include <memory>

class QPrinter;
class QTextDocument;

namespace Ui {
class ReportWidget;
}

namespace kiv {

/// The report of one task, built once when the window opens: a title block,
/// the task and the date, the device table with each device's lens, stand
/// and shield, in the Chinese interface the recommended client and server
/// hardware, and the calculation results stored for the task. The window is
/// read-only; it saves the report as a PDF file or an Excel workbook, or
/// prints it, and closes after a successful save or print. What the report
/// holds and how its files are written is the report logic's (TaskReport.h,
/// ReportBuilder.h, ReportExports.h); the window shows and saves it.
class ReportWidget : public KavrinGUIToolkit::CBaseDialog
{
    Q_OBJECT
public:
    explicit ReportWidget(const QString &taskName, QWidget *parent = nullptr);
    ~ReportWidget() override;
    Q_DISABLE_COPY_MOVE(ReportWidget)

    QString taskName() const { return m_taskName; }
    /// The report as the window shows it.
    QTextDocument *document() const;

    /// Writes the report to a PDF file at @p path, replacing a file there
    /// only once the new one is complete. False when it could not be
    /// written; lastError() says why.
    bool savePdf(const QString &path);
    /// Writes the device rows, the results as stored now and (Chinese
    /// interface) the configuration rows to a workbook at @p path with one
    /// sheet named after @p sheetName, replacing a file there only once the
    /// new one is complete. False when it could not be written; lastError()
    /// says why.
    bool saveWorkbook(const QString &path, const QString &sheetName);
    /// Why the last save failed, in the interface's language.
    QString lastError() const { return m_lastError; }

    /// Stands in for the print dialog (automated runs): gets the printer
    /// the dialog would set up and returns what the dialog's exec() would,
    /// QDialog::Accepted to print. An empty function restores the dialog.
    using PrintResponder = std::function<int(QPrinter &)>;
    static void setPrintResponder(PrintResponder responder);

private slots:
    void onSavePdf();
    void onSaveExcel();
    void onPrint();

private:
    void buildReport();
    /// Runs the path dialog and asks before a file is replaced; false when
    /// the planner stopped. @p path gets the target with @p extension.
    bool chooseTarget(const QString &extension, QString &path, QString &fileName);
    /// Tells the planner that a save failed and why.
    void tellSaveFailed();

    const std::unique_ptr<Ui::ReportWidget> m_form;
    QString m_taskName;
    TaskReport m_report;
    QString m_lastError;
};

} // namespace kiv
