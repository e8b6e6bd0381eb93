#pragma once

#include <BaseDialog.h>
#include <TaskListFile.h>

#include <QPair>
#include <QVector>

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
/// prints it, and closes after a successful save or print.
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
    /// Writes the device rows, the results and (Chinese interface) the
    /// configuration rows to a workbook at @p path with one sheet named
    /// after @p sheetName, replacing a file there only once the new one is
    /// complete. False when it could not be written; lastError() says why.
    bool saveWorkbook(const QString &path, const QString &sheetName);
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
    /// One device as the report lists it; the accessories present, in the
    /// order lens, stand, shield, each with its type and count.
    struct DeviceRow
    {
        QString type;
        int count = 0;
        QVector<QPair<QString, int>> accessories;
    };
    struct StoredResults
    {
        StorageResult storage;
        BandWidthResult bandWidth;
        StreamServerResult streamServer;
        ClientResult client;
    };

    void buildReport();
    bool readDevices();
    void appendHeader(const QString &taskName);
    void appendDeviceTable();
    void appendClientConfig();
    void appendServerConfig();
    void appendConfigTable();
    void appendCalculationReport();

    StoredResults readResults() const;
    QString storageClassText(const QString &stored) const;
    QString deviceLine(const StorageResult &storage) const;
    QString disksLine(const StorageResult &storage) const;
    QString raidLine(const StorageResult &storage) const;
    QString streamServerLine(const StreamServerResult &streamServer) const;
    QString clientLine(const ClientResult &client) const;

    QString calculationReportText() const;
    QString leastConfigBody() const;
    QString recommendConfigBody() const;
    QString leastClientConfigText() const;
    QString recommendClientConfigText() const;
    QString leastServerConfigText() const;
    QString recommendServerConfigText() const;

    /// A new paragraph at the end of the report: HTML when @p text looks
    /// like it, plain text otherwise.
    void append(const QString &text);
    /// HTML added at the end of the report's last paragraph.
    void insert(const QString &html);

    /// Runs the path dialog and asks before a file is replaced; false when
    /// the planner stopped. @p path gets the target with @p extension.
    bool chooseTarget(const QString &extension, QString &path, QString &fileName);

    const std::unique_ptr<Ui::ReportWidget> m_form;
    QString m_taskName;
    QTextDocument *m_document = nullptr;
    QVector<DeviceRow> m_devices;
    bool m_devicesRead = false;
    int m_language = 0;
    QString m_lastError;
};

} // namespace kiv
