#include <ReportExports.h>

#include "ProgramFolder.h"
#include "ReportDocument.h"
#include "ReportFixture.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

using namespace reportfixture;
using namespace reportdocument;

namespace {

const char *const kLeast = "CPU: Intel Pentium4 3.0 @3.00GHz\n"
                           "内存: 1 GB\n"
                           "显卡: RADEON X700 Series, 1280*1024 分辨率\n"
                           "网卡：百兆网卡";
const char *const kRecommended = "CPU: Intel Core i7及以上\n"
                                 "内存: 4 GB\n"
                                 "显卡: 1 GB及以上, 1280*1024 及以上分辨率\n"
                                 "网卡：千兆网卡";

} // namespace

// What the report holds in the Chinese interface, built and written without
// its window: the configuration tables, results calculated in the other
// language, Chinese text in both files, and the reason of a failed save.
class TestReportContentChinese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void headerDateReadsAsAChineseDate();
    void configurationTablesFollowTheDeviceTable();
    void resultsOfATaskCalculatedInEnglish();
    void pdfShowsTheChineseReport();
    void workbookEndsWithTheConfigurationRows();
    void failedSaveNamesItsReasonInChinese();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestReportContentChinese::initTestCase()
{
    useLanguage(1);
}

void TestReportContentChinese::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    writePlannerTask();
}

void TestReportContentChinese::cleanup()
{
    m_out.reset();
    m_folder.reset();
}

void TestReportContentChinese::headerDateReadsAsAChineseDate()
{
    BuiltReport report(plannerTask());
    const QDate today = QDate::currentDate();
    static const char *const weekdays[] = {"一", "二", "三", "四", "五", "六", "日"};
    const QString date = QString::fromUtf8("%1年%2月%3日星期%4")
                             .arg(today.year())
                             .arg(today.month())
                             .arg(today.day())
                             .arg(QString::fromUtf8(weekdays[today.dayOfWeek() - 1]));
    QCOMPARE(linesBeforeTables(report.document()),
             (QStringList{QStringLiteral("Varnel"), QString::fromUtf8("方案报告"),
                          QString::fromUtf8("任务:Harbour Gate    日期: ") + date,
                          QString::fromUtf8("物料清单")}));
}

void TestReportContentChinese::configurationTablesFollowTheDeviceTable()
{
    BuiltReport report(plannerTask());
    QTextDocument *document = report.document();
    const QVector<QTextTable *> all = tables(document);
    QCOMPARE(all.size(), 3);
    QCOMPARE(rowText(all.at(0), 0), QString::fromUtf8("设备型号|设备数量|配件|^"));

    QCOMPARE(lines(document, all.at(0)->lastPosition() + 1, all.at(1)->firstPosition() - 1),
             texts({"配置报告", "客户端："}));
    QCOMPARE(lines(document, all.at(1)->lastPosition() + 1, all.at(2)->firstPosition() - 1),
             texts({"服务器："}));
    const QStringList table{QString::fromUtf8("最低配置|推荐配置"),
                            QString::fromUtf8(kLeast) + QLatin1Char('|') +
                                QString::fromUtf8(kRecommended)};
    QCOMPARE(rowTexts(all.at(1)), table);
    QCOMPARE(rowTexts(all.at(2)), table);
    QCOMPARE(all.at(1)->cellAt(0, 0).format().background().color(), QColor(225, 225, 225));
    QCOMPARE(all.at(1)->cellAt(1, 0).format().background().color(), QColor(255, 255, 255));
    QCOMPARE(linesAfterTables(document).value(0), QString::fromUtf8("计算报告"));
}

void TestReportContentChinese::resultsOfATaskCalculatedInEnglish()
{
    // The planner task's results were stored by the English interface:
    // "NVR" and "raid".
    BuiltReport report(plannerTask());
    QCOMPARE(
        linesAfterTables(report.document()),
        texts({"计算报告", "存储结果：", "网络硬盘录像机: KN-7716, 数量: 2",
               "硬盘容量：4T, 硬盘数量: 30", "RAID类型：RAID5, RAID数量: 3", "带宽：",
               "总带宽: 77.4Mbps, 预览: 12.5Mbps, 录像: 58.6Mbps, 转发: 6.3Mbps", "流媒体服务器：",
               "流媒体服务器数量: 3", "客户端：", "Video Wall Client 数量: 4"}));
}

void TestReportContentChinese::pdfShowsTheChineseReport()
{
    BuiltReport report(plannerTask());
    const QString file = m_out->path() + QStringLiteral("/Harbour Gate.pdf");
    QVERIFY(kiv::writeReportPdf(report.document(), file, plannerTask()));

    const QString text = pdfText(file);
    for (const char *expected :
         {"方案报告", "物料清单", "设备型号", "KC-2120-IR", "配置报告", "最低配置", "推荐配置",
          "网卡：千兆网卡", "计算报告", "流媒体服务器数量: 3"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
}

void TestReportContentChinese::workbookEndsWithTheConfigurationRows()
{
    const QString file = m_out->path() + QString::fromUtf8("/港口东门.xlsx");
    QVERIFY(kiv::writeReportWorkbook(kiv::readTaskReport(plannerTask()), file,
                                     QString::fromUtf8("港口东门")));

    const QJsonObject book = readWorkbook(file);
    QCOMPARE(book.value(QStringLiteral("sheets")).toArray(),
             QJsonArray{QJsonValue(QString::fromUtf8("港口东门"))});
    const QJsonArray rows = book.value(QStringLiteral("rows")).toArray();
    // Header, four devices, the results, then client and server.
    QCOMPARE(rows.size(), 8);
    QVERIFY(cells(rows.at(5)).value(0).startsWith(QString::fromUtf8("计算报告\n存储结果：\n")));
    const QString least = QString::fromUtf8(kLeast);
    const QString recommended = QString::fromUtf8(kRecommended);
    QCOMPARE(cells(rows.at(6)),
             (QStringList{QString::fromUtf8("客户端最低配置:\n") + least,
                          QString::fromUtf8("客户端推荐配置:\n") + recommended, QString()}));
    QCOMPARE(cells(rows.at(7)),
             (QStringList{QString::fromUtf8("服务器最低配置:\n") + least,
                          QString::fromUtf8("服务器推荐配置:\n") + recommended, QString()}));
    const QJsonArray wrapped = book.value(QStringLiteral("wrapped")).toArray();
    QCOMPARE(wrapped.at(7).toArray().at(1).toBool(), true);
    // A heading and four lines in each configuration cell: five lines of
    // 15 points.
    const QJsonArray heights = book.value(QStringLiteral("heights")).toArray();
    QCOMPARE(heights.at(6).toDouble(), 75.0);
    QCOMPARE(heights.at(7).toDouble(), 75.0);
    // The longest line of the recommendation, "显卡: 1 GB及以上, 1280*1024
    // 及以上分辨率", is 28 narrow characters and 6 Chinese ones of two widths:
    // 40, and 2 of room. The library stores 0.71 more (its cell padding).
    QCOMPARE(int(book.value(QStringLiteral("widths")).toArray().at(1).toDouble()), 42);
}

void TestReportContentChinese::failedSaveNamesItsReasonInChinese()
{
    BuiltReport report(plannerTask());
    const QString missing = m_out->path() + QStringLiteral("/missing/Harbour Gate");
    QString pdfReason;
    QVERIFY(!kiv::writeReportPdf(report.document(), missing + QStringLiteral(".pdf"), plannerTask(),
                                 &pdfReason));
    QCOMPARE(pdfReason, QString::fromUtf8("文件夹不存在。"));
    QString workbookReason;
    QVERIFY(!kiv::writeReportWorkbook(report.report(), missing + QStringLiteral(".xlsx"),
                                      plannerTask(), &workbookReason));
    QCOMPARE(workbookReason, QString::fromUtf8("文件夹不存在。"));
}

QTEST_MAIN(TestReportContentChinese)
#include "tst_reportcontentchinese.moc"
