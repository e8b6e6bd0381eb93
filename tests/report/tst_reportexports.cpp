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
// English interface, driven through the window's buttons.
class TestReportExports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pdfHoldsTheReport();
    void workbookHoldsDevicesAndResults();
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
    static void addExtensions()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("extension");
        QTest::newRow("PDF") << "btnSavePdf"
                             << ".pdf";
        QTest::newRow("workbook") << "btnSaveExcel"
                                  << ".xlsx";
    }
    static QPushButton *button(kiv::ReportWidget &report, const QString &name)
    {
        return report.findChild<QPushButton *>(name);
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

void TestReportExports::pdfHoldsTheReport()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    QString offered;
    answerPathDialog(m_out->path(), plannerTask(), true, &offered);
    report.form().btnSavePdf->click();

    QCOMPARE(offered, plannerTask());
    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    QCOMPARE(report.result(), int(QDialog::Accepted));
    QVERIFY(!report.isVisible());
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.pdf")});
    QVERIFY(ProgramFolder::readAll(target(QStringLiteral("Harbour Gate.pdf"))).startsWith("%PDF"));

    const QString text = pdfText(target(QStringLiteral("Harbour Gate.pdf")));
    for (const char *expected :
         {"Solution Report", "Task:Harbour Gate", "Ingredient List", "Device Type", "Device Number",
          "Ingredient", "KC-2120-IR", "4mm Fixed", "Outdoor Housing H1", "KN-7716",
          "Calculation Report", "RAID Type: RAID5, RAID number: 3",
          "Video Wall Client Number: 4"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    QVERIFY(!text.contains(QStringLiteral("Config Report")));
}

void TestReportExports::workbookHoldsDevicesAndResults()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    report.form().btnSaveExcel->click();

    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    QCOMPARE(report.result(), int(QDialog::Accepted));
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.xlsx")});

    const QJsonObject book = readWorkbook(target(QStringLiteral("Harbour Gate.xlsx")));
    QCOMPARE(book.value(QStringLiteral("sheets")).toArray(),
             QJsonArray{QJsonValue(QStringLiteral("Harbour Gate"))});
    const QJsonArray rows = book.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(cells(rows.at(0)), texts({"Device Type", "Device Count", "Ingredient"}));
    QCOMPARE(cells(rows.at(1)),
             texts({"KC-2120-IR", "#12",
                    "4mm Fixed x 12\nWall Bracket W2 x 12\nOutdoor Housing H1 x 12\n"}));
    QCOMPARE(cells(rows.at(2)), texts({"KD-5230-PTZ", "#2", "Pole Mount P3 x 2\n"}));
    QCOMPARE(cells(rows.at(3)),
             texts({"KC-1080-B", "#6", "2.8-12mm Vari-focal x 6\nSun Shield S1 x 6\n"}));
    QCOMPARE(cells(rows.at(4)), texts({"KN-7716", "#1", ""}));
    QCOMPARE(cells(rows.at(5)),
             texts({"Calculation Report\n"
                    "Storage result:\n"
                    "NVR: KN-7716, Number: 2\n"
                    "HDD Capacity: 4T, HDD number: 30\n"
                    "RAID Type: RAID5, RAID number: 3\n"
                    "Bandwidth:\n"
                    "Total: 77.4Mbps\n"
                    "Preview: 12.5Mbps,  Record: 58.6Mbps,  Transmission: 6.3Mbps\n"
                    "Stream Media Server:\n"
                    "Stream Media Server Number: 3\n"
                    "Client:\n"
                    "Video Wall Client Number: 4\n",
                    "", ""}));
    const QJsonArray wrapped = book.value(QStringLiteral("wrapped")).toArray();
    QCOMPARE(wrapped.at(1).toArray().at(2).toBool(), true);
    QCOMPARE(wrapped.at(4).toArray().at(0).toBool(), false);
    QCOMPARE(wrapped.at(5).toArray().at(0).toBool(), true);
}

void TestReportExports::workbookSheetIsNamedAfterTheFile()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), QStringLiteral("[Q1] Harbour's"));
    report.form().btnSaveExcel->click();
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
    report.form().btnSaveExcel->click();
    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    const QJsonArray rows = readWorkbook(target(QStringLiteral("Empty Yard.xlsx")))
                                .value(QStringLiteral("rows"))
                                .toArray();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(cells(rows.at(0)), texts({"Device Type", "Device Count", "Ingredient"}));
}

void TestReportExports::cancelledPathDialogWritesNothing_data()
{
    addExtensions();
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
    addExtensions();
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
    addExtensions();
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
    addExtensions();
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
             (QStringList{QStringLiteral("Hint|The file name has been used; replace it?"),
                          QStringLiteral("Warn|Saving failed.")}));
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
    report.form().btnSavePdf->click();
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
    report.form().btnPrint->click();
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
    report.form().btnPrint->click();
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
    report.form().btnPrint->click();
    QCOMPARE(messages(), QStringList{QStringLiteral("Warn|Printing failed.")});
    QVERIFY(report.isVisible());
}

QTEST_MAIN(TestReportExports)
#include "tst_reportexports.moc"
