#include <ReportWidget.h>

#include "ExportDriver.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <ToolTip.h>

#include <QJsonArray>
#include <QPrinter>
#include <QtTest>

#include <memory>

using namespace reportfixture;
using namespace exportdriver;

// Saving the report as a PDF file or a workbook and printing it, in the
// English interface, driven through the window's buttons: the path dialog,
// the question before a file is replaced, the messages, and the window
// closed after a save or print. What the files hold is tested without the
// window.
class TestReportExports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pdfIsSavedUnderTheChosenName();
    void workbookIsSavedUnderTheChosenName();
    void workbookSheetIsNamedAfterTheFile();
    void workbookOfATaskWithoutDevicesHasOnlyItsHeader();
    void cancelledPathDialogWritesNothing_data();
    void cancelledPathDialogWritesNothing();
    void declinedReplaceKeepsTheOldFile_data();
    void declinedReplaceKeepsTheOldFile();
    void confirmedReplaceWritesTheNewFile_data();
    void confirmedReplaceWritesTheNewFile();
    void failedWriteSaysSoAndKeepsTheWindow_data();
    void failedWriteSaysSoAndKeepsTheWindow();
    void folderThatTakesNoFileIsRefusedBeforeWriting();
    void printingGoesToThePrinterTheDialogSetUp();
    void cancelledPrintDialogPrintsNothing();
    void failedPrintingSaysSo();

private:
    QString target(const QString &name) const { return m_out->path() + QLatin1Char('/') + name; }
    QStringList written() const
    {
        return QDir(m_out->path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    static QPushButton *button(kiv::ReportWidget &report, const QString &name)
    {
        return formWidget<QPushButton>(report, qPrintable(name));
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestReportExports::initTestCase()
{
    useLanguage(0);
}

void TestReportExports::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    kiv::PathWidget::resetRememberedFolder();
    writePlannerTask();
    answerQuestions(1);
}

void TestReportExports::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    kiv::ReportWidget::setPrintResponder({});
    m_out.reset();
    m_folder.reset();
}

void TestReportExports::pdfIsSavedUnderTheChosenName()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    QString offered;
    answerPathDialog(m_out->path(), plannerTask(), true, &offered);
    formWidget<QPushButton>(report, "btnSavePdf")->click();

    QCOMPARE(offered, plannerTask());
    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    QCOMPARE(report.result(), int(QDialog::Accepted));
    QVERIFY(!report.isVisible());
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.pdf")});
    QVERIFY(ProgramFolder::readAll(target(QStringLiteral("Harbour Gate.pdf"))).startsWith("%PDF"));
}

void TestReportExports::workbookIsSavedUnderTheChosenName()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    formWidget<QPushButton>(report, "btnSaveExcel")->click();

    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    QCOMPARE(report.result(), int(QDialog::Accepted));
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.xlsx")});
    // The column names, four devices and the results.
    QCOMPARE(readWorkbook(target(QStringLiteral("Harbour Gate.xlsx")))
                 .value(QStringLiteral("rows"))
                 .toArray()
                 .size(),
             6);
}

void TestReportExports::workbookSheetIsNamedAfterTheFile()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), QStringLiteral("[Q1] Harbour's"));
    formWidget<QPushButton>(report, "btnSaveExcel")->click();
    QCOMPARE(written(), QStringList{QStringLiteral("[Q1] Harbour's.xlsx")});
    const QJsonObject book = readWorkbook(target(QStringLiteral("[Q1] Harbour's.xlsx")));
    QCOMPARE(book.value(QStringLiteral("sheets")).toArray(),
             QJsonArray{QJsonValue(QStringLiteral("_Q1_ Harbour's"))});
}

void TestReportExports::workbookOfATaskWithoutDevicesHasOnlyItsHeader()
{
    const QString task = QStringLiteral("Empty Yard");
    addTask(task);
    writeDevices(task, {});
    kiv::ReportWidget report(task);
    report.show();
    QVERIFY(report.document()->isEmpty());
    answerPathDialog(m_out->path(), task);
    formWidget<QPushButton>(report, "btnSaveExcel")->click();
    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    const QJsonArray rows = readWorkbook(target(QStringLiteral("Empty Yard.xlsx")))
                                .value(QStringLiteral("rows"))
                                .toArray();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(cells(rows.at(0)), texts({"Device Type", "Device Count", "Ingredient"}));
}

void TestReportExports::cancelledPathDialogWritesNothing_data()
{
    addSaveButtons();
}

void TestReportExports::cancelledPathDialogWritesNothing()
{
    QFETCH(QString, button);
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask(), false);
    this->button(report, button)->click();
    QVERIFY(written().isEmpty());
    QVERIFY(messages().isEmpty());
    QVERIFY(report.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestReportExports::declinedReplaceKeepsTheOldFile_data()
{
    addSaveButtons();
}

void TestReportExports::declinedReplaceKeepsTheOldFile()
{
    QFETCH(QString, button);
    QFETCH(QString, extension);
    const QString file = target(plannerTask() + extension);
    const QByteArray old("the planner's earlier report\n");
    QVERIFY(ProgramFolder::write(file, old));
    answerQuestions(0);

    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    this->button(report, button)->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Hint|The file name has been used; replace it?")});
    QCOMPARE(ProgramFolder::readAll(file), old);
    QCOMPARE(written(), QStringList{plannerTask() + extension});
    QVERIFY(report.isVisible());
}

void TestReportExports::confirmedReplaceWritesTheNewFile_data()
{
    addSaveButtons();
}

void TestReportExports::confirmedReplaceWritesTheNewFile()
{
    QFETCH(QString, button);
    QFETCH(QString, extension);
    const QString file = target(plannerTask() + extension);
    QVERIFY(ProgramFolder::write(file, "the planner's earlier report\n"));

    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    this->button(report, button)->click();
    QCOMPARE(messages(),
             (QStringList{QStringLiteral("Hint|The file name has been used; replace it?"),
                          QStringLiteral("Hint|Saved.")}));
    const QByteArray bytes = ProgramFolder::readAll(file);
    QVERIFY(bytes.startsWith(extension == QLatin1String(".pdf") ? "%PDF" : "PK"));
    QCOMPARE(written(), QStringList{plannerTask() + extension});
    QCOMPARE(report.result(), int(QDialog::Accepted));
}

void TestReportExports::failedWriteSaysSoAndKeepsTheWindow_data()
{
    addSaveButtons();
}

void TestReportExports::failedWriteSaysSoAndKeepsTheWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, extension);
    // A folder of the target's name: the file cannot be written, and what
    // is there stays.
    QVERIFY(QDir(m_out->path()).mkpath(plannerTask() + extension + QStringLiteral("/inside")));

    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    this->button(report, button)->click();
    QCOMPARE(messages(),
             (QStringList{
                 QStringLiteral("Hint|The file name has been used; replace it?"),
                 QStringLiteral("Warn|Saving failed.\nA folder of that name already exists.")}));
    QVERIFY(QFileInfo(target(plannerTask() + extension + QStringLiteral("/inside"))).isDir());
    QCOMPARE(written(), QStringList{plannerTask() + extension});
    QVERIFY(report.isVisible());
    QCOMPARE(report.result(), int(QDialog::Rejected));
}

void TestReportExports::folderThatTakesNoFileIsRefusedBeforeWriting()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(QStringLiteral("/proc"), plannerTask());
    formWidget<QPushButton>(report, "btnSavePdf")->click();
    QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
             QStringLiteral("The folder cannot be written to"));
    QVERIFY(messages().isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/proc/Harbour Gate.pdf")));
    QVERIFY(report.isVisible());
}

void TestReportExports::printingGoesToThePrinterTheDialogSetUp()
{
    const QString file = target(QStringLiteral("printout.pdf"));
    bool highResolution = false;
    bool fullPage = true;
    kiv::ReportWidget::setPrintResponder([&](QPrinter &printer) {
        highResolution = printer.resolution() >= 1200;
        fullPage = printer.fullPage();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return int(QDialog::Accepted);
    });
    kiv::ReportWidget report(plannerTask());
    report.show();
    formWidget<QPushButton>(report, "btnPrint")->click();
    QVERIFY(highResolution);
    QVERIFY(!fullPage);
    QCOMPARE(report.result(), int(QDialog::Accepted));
    QVERIFY(messages().isEmpty());
    const QString text = pdfText(file);
    QVERIFY(text.contains(QStringLiteral("Ingredient List")));
    QVERIFY(text.contains(QStringLiteral("KD-5230-PTZ")));
}

void TestReportExports::cancelledPrintDialogPrintsNothing()
{
    int asked = 0;
    kiv::ReportWidget::setPrintResponder([&](QPrinter &printer) {
        ++asked;
        printer.setOutputFileName(target(QStringLiteral("printout.pdf")));
        return int(QDialog::Rejected);
    });
    kiv::ReportWidget report(plannerTask());
    report.show();
    formWidget<QPushButton>(report, "btnPrint")->click();
    QCOMPARE(asked, 1);
    QVERIFY(written().isEmpty());
    QVERIFY(report.isVisible());
    QVERIFY(messages().isEmpty());
}

void TestReportExports::failedPrintingSaysSo()
{
    kiv::ReportWidget::setPrintResponder([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target(QStringLiteral("missing/printout.pdf")));
        return int(QDialog::Accepted);
    });
    kiv::ReportWidget report(plannerTask());
    report.show();
    formWidget<QPushButton>(report, "btnPrint")->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Warn|Printing failed.\nThe folder does not exist.")});
    QVERIFY(report.isVisible());
}

QTEST_MAIN(TestReportExports)
#include "tst_reportexports.moc"
