#include <ReportExports.h>

#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

using namespace reportfixture;

// The report's two files written without the window, in the English
// interface: what the PDF file and the workbook hold.
class TestReportFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pdfHoldsTheReport();
    void workbookHoldsDevicesAndResults();

private:
    QString target(const QString &name) const { return m_out->path() + QLatin1Char('/') + name; }
    QStringList written() const
    {
        return QDir(m_out->path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestReportFiles::initTestCase()
{
    useLanguage(0);
}

void TestReportFiles::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    writePlannerTask();
}

void TestReportFiles::cleanup()
{
    m_out.reset();
    m_folder.reset();
}

void TestReportFiles::pdfHoldsTheReport()
{
    BuiltReport report(plannerTask());
    const QString file = target(QStringLiteral("Harbour Gate.pdf"));
    QString reason = QStringLiteral("untouched");
    QVERIFY(kiv::writeReportPdf(report.document(), file, plannerTask(), &reason));
    QCOMPARE(reason, QStringLiteral("untouched"));
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.pdf")});
    QVERIFY(readBytes(file).startsWith("%PDF"));

    const QString text = pdfText(file);
    for (const char *expected :
         {"Solution Report", "Task:Harbour Gate", "Ingredient List", "Device Type", "Device Number",
          "Ingredient", "KC-2120-IR", "4mm Fixed", "Outdoor Housing H1", "KN-7716",
          "Calculation Report", "RAID Type: RAID5, RAID number: 3",
          "Video Wall Client Number: 4"}) {
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
    QVERIFY(!text.contains(QStringLiteral("Config Report")));
}

void TestReportFiles::workbookHoldsDevicesAndResults()
{
    const QString file = target(QStringLiteral("Harbour Gate.xlsx"));
    QVERIFY(kiv::writeReportWorkbook(kiv::readTaskReport(plannerTask()), file, plannerTask()));
    QCOMPARE(written(), QStringList{QStringLiteral("Harbour Gate.xlsx")});

    const QJsonObject book = readWorkbook(file);
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

QTEST_MAIN(TestReportFiles)
#include "tst_reportfiles.moc"
