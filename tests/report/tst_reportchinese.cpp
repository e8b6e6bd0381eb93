#include <ReportWidget.h>

#include "ExportDriver.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

using namespace reportfixture;
using namespace exportdriver;

// The report window in the Chinese interface: its title, and the messages
// of its exports.
class TestReportChinese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsTitledInChinese();
    void pdfIsSavedWithAChineseMessage();
    void workbookSheetTakesTheChineseFileName();
    void failedSaveSaysWhyInChinese_data();
    void failedSaveSaysWhyInChinese();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestReportChinese::initTestCase()
{
    useLanguage(1);
}

void TestReportChinese::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    kiv::PathWidget::resetRememberedFolder();
    writePlannerTask();
    answerQuestions(1);
}

void TestReportChinese::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_out.reset();
    m_folder.reset();
}

void TestReportChinese::windowIsTitledInChinese()
{
    kiv::ReportWidget report(plannerTask());
    QCOMPARE(report.GetTitle(), QString::fromUtf8("输出报告"));
}

void TestReportChinese::pdfIsSavedWithAChineseMessage()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    formWidget<QPushButton>(report, "btnSavePdf")->click();
    QCOMPARE(messages(), texts({"提示|保存成功。"}));
    QVERIFY(ProgramFolder::readAll(m_out->path() + QStringLiteral("/Harbour Gate.pdf")).startsWith("%PDF"));
}

void TestReportChinese::workbookSheetTakesTheChineseFileName()
{
    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), QString::fromUtf8("港口东门"));
    formWidget<QPushButton>(report, "btnSaveExcel")->click();
    QCOMPARE(messages(), texts({"提示|保存成功。"}));

    const QJsonObject book = readWorkbook(m_out->path() + QString::fromUtf8("/港口东门.xlsx"));
    QCOMPARE(book.value(QStringLiteral("sheets")).toArray(),
             QJsonArray{QJsonValue(QString::fromUtf8("港口东门"))});
    // Header, four devices, the results, then client and server.
    QCOMPARE(book.value(QStringLiteral("rows")).toArray().size(), 8);
}

void TestReportChinese::failedSaveSaysWhyInChinese_data()
{
    addSaveButtons();
}

void TestReportChinese::failedSaveSaysWhyInChinese()
{
    QFETCH(QString, button);
    QFETCH(QString, extension);
    QVERIFY(QDir(m_out->path()).mkpath(plannerTask() + extension));

    kiv::ReportWidget report(plannerTask());
    report.show();
    answerPathDialog(m_out->path(), plannerTask());
    formWidget<QPushButton>(report, qPrintable(button))->click();
    QCOMPARE(messages(),
             texts({"提示|文件名已被使用，是否替换？", "警告|保存失败。\n已存在同名文件夹。"}));
    QVERIFY(report.isVisible());
}

QTEST_MAIN(TestReportChinese)
#include "tst_reportchinese.moc"
