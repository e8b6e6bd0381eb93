#include "ProgramFolder.h"
#include "ReportDocument.h"
#include "ReportFixture.h"

#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace reportfixture;
using namespace reportdocument;

namespace {

// "type:count" for a present accessory, "" for none.
Accessory accessory(const QString &given)
{
    if (given.isEmpty())
        return std::nullopt;
    const int colon = int(given.lastIndexOf(QLatin1Char(':')));
    return QPair<QString, int>{given.left(colon), given.mid(colon + 1).toInt()};
}

} // namespace

// What the report of a task holds in the English interface, built without
// its window: the header, the device table with its accessories, and the
// stored results.
class TestReportContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unreadableDeviceFileGivesNoReport();
    void headerNamesTaskAndDate();
    void dateIsWrittenAsTheInterfaceLanguageWritesIt_data();
    void dateIsWrittenAsTheInterfaceLanguageWritesIt();
    void storedTextsAreShownAsText();
    void deviceTableHeader();
    void deviceRowsAndAccessories_data();
    void deviceRowsAndAccessories();
    void devicesFollowInFileOrder();
    void noConfigurationSectionInEnglish();
    void resultsSectionHeadings_data();
    void resultsSectionHeadings();
    void storageResultTexts_data();
    void storageResultTexts();
    void storedStreamServerShowsOnlyItsNumber();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestReportContent::initTestCase()
{
    useLanguage(0);
}

void TestReportContent::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestReportContent::cleanup()
{
    m_folder.reset();
}

void TestReportContent::unreadableDeviceFileGivesNoReport()
{
    const QString task = QStringLiteral("Broken");
    addTask(task);
    const QByteArray broken("<DeviceInfoList><DeviceInfo><DeviceType>KC");
    QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(task), broken));
    BuiltReport report(task);
    QVERIFY(!report.report().devicesRead);
    QVERIFY(report.report().isEmpty());
    QVERIFY(report.document()->isEmpty());
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(task)), broken);
}

void TestReportContent::headerNamesTaskAndDate()
{
    writePlannerTask();
    BuiltReport report(plannerTask());
    const QString date = QLocale(QLocale::English, QLocale::UnitedStates)
                             .toString(QDate::currentDate(), QStringLiteral("ddd MMM d yyyy"));
    QCOMPARE(linesBeforeTables(report.document()),
             (QStringList{QStringLiteral("Varnel"), QStringLiteral("Solution Report"),
                          QStringLiteral("Task:Harbour Gate    Date: ") + date,
                          QStringLiteral("Ingredient List")}));
}

void TestReportContent::dateIsWrittenAsTheInterfaceLanguageWritesIt_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    // 10 December 2026 is a Thursday, and so is 5 March 2026.
    QTest::newRow("English keeps day name, month name, day and year")
        << english << QDate(2026, 12, 10) << QStringLiteral("Thu Dec 10 2026");
    QTest::newRow("English writes a one-digit day without a zero")
        << english << QDate(2026, 3, 5) << QStringLiteral("Thu Mar 5 2026");
    QTest::newRow("Chinese writes year, month, day, then the weekday")
        << chinese << QDate(2026, 12, 10) << QString::fromUtf8("2026年12月10日星期四");
    QTest::newRow("Chinese writes one-digit months and days without a zero")
        << chinese << QDate(2026, 3, 5) << QString::fromUtf8("2026年3月5日星期四");
}

void TestReportContent::dateIsWrittenAsTheInterfaceLanguageWritesIt()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(kiv::reportDateText(date, locale), text);
}

void TestReportContent::storedTextsAreShownAsText()
{
    // Names may hold "&" and entity-like text; results hold any text.
    const QString task = QStringLiteral("Tom & Jerry &lt;b&gt;");
    addTask(task);
    writeDevices(task, {{QStringLiteral("<i>KC-1</i>"), 2},
                        {QStringLiteral("KC  2"), 1, QStringLiteral("IPC"),
                         QPair<QString, int>{QStringLiteral("2.8 &amp; 4mm"), 1}}});
    ClientResult client = clientResult(task);
    client.client = QStringLiteral("<b>Wall</b> & co");
    StorageResult storage = storageResult(task, QStringLiteral("Common"));
    storage.devType = QStringLiteral("KN<br/>7716");
    TaskListFile list;
    QVERIFY(list.setClientResult(client));
    QVERIFY(list.setStorageResult(storage));
    QVERIFY(list.close());

    BuiltReport report(task);
    QVERIFY(linesBeforeTables(report.document())
                .at(2)
                .startsWith(QStringLiteral("Task:Tom & Jerry &lt;b&gt;    Date: ")));
    QCOMPARE(rowTexts(tables(report.document()).first(), 2),
             (QStringList{QStringLiteral("<i>KC-1</i>|2||"),
                          QStringLiteral("KC  2|1|2.8 &amp; 4mm|1")}));
    const QStringList after = linesAfterTables(report.document());
    QVERIFY2(after.contains(QStringLiteral("<b>Wall</b> & co Number: 4")),
             qPrintable(after.join(QLatin1Char('/'))));
    QVERIFY(after.contains(QStringLiteral("NVR: KN<br/>7716, Number: 2")));
}

void TestReportContent::deviceTableHeader()
{
    writePlannerTask();
    BuiltReport report(plannerTask());
    const QVector<QTextTable *> all = tables(report.document());
    QCOMPARE(all.size(), 1);
    QTextTable *table = all.first();
    QCOMPARE(table->columns(), 4);
    QCOMPARE(rowTexts(table).mid(0, 2),
             (QStringList{QStringLiteral("Device Type|Device Number|Ingredient|^"),
                          QStringLiteral("^|^|Device Type|Number")}));
    QCOMPARE(table->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(table->cellAt(0, 1).rowSpan(), 2);
    QCOMPARE(table->cellAt(0, 2).columnSpan(), 2);
    QCOMPARE(table->cellAt(0, 0).format().background().color(), QColor(217, 217, 217));
    QCOMPARE(table->cellAt(1, 3).format().background().color(), QColor(217, 217, 217));
    QCOMPARE(table->cellAt(2, 0).format().background().style(), Qt::NoBrush);

    const QTextTableFormat format = table->format();
    QCOMPARE(format.border(), 1.0);
    QCOMPARE(format.cellPadding(), 3.0);
    QCOMPARE(format.cellSpacing(), 0.0);
    QVector<qreal> widths;
    for (const QTextLength &length : format.columnWidthConstraints())
        widths << length.rawValue();
    QCOMPARE(widths, (QVector<qreal>{150, 110, 130, 130}));
}

void TestReportContent::deviceRowsAndAccessories_data()
{
    QTest::addColumn<QString>("lens");
    QTest::addColumn<QString>("stand");
    QTest::addColumn<QString>("shield");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("a device without accessories takes one row with empty accessory cells")
        << ""
        << ""
        << "" << QStringList{QStringLiteral("KC-100|4||")};
    QTest::newRow("a single accessory sits on the device's own row")
        << ""
        << "Wall Bracket:4"
        << "" << QStringList{QStringLiteral("KC-100|4|Wall Bracket|4")};
    QTest::newRow("lens, stand and shield take three rows, lens first")
        << "4mm:4"
        << "Wall Bracket:4"
        << "Housing:2"
        << QStringList{QStringLiteral("KC-100|4|4mm|4"), QStringLiteral("^|^|Wall Bracket|4"),
                       QStringLiteral("^|^|Housing|2")};
    QTest::newRow("lens and shield without a stand take two rows")
        << "4mm:4"
        << ""
        << "Housing:2"
        << QStringList{QStringLiteral("KC-100|4|4mm|4"), QStringLiteral("^|^|Housing|2")};
    QTest::newRow("an accessory with a count of 0 keeps a row but leaves it empty")
        << "4mm:0"
        << ""
        << "Housing:2"
        << QStringList{QStringLiteral("KC-100|4|Housing|2"), QStringLiteral("^|^||")};
    QTest::newRow("a lone accessory with a count of 0 writes nothing")
        << "4mm:0"
        << ""
        << "" << QStringList{QStringLiteral("KC-100|4||")};
}

void TestReportContent::deviceRowsAndAccessories()
{
    QFETCH(QString, lens);
    QFETCH(QString, stand);
    QFETCH(QString, shield);
    QFETCH(QStringList, rows);

    const QString task = QStringLiteral("Gate");
    addTask(task);
    writeDevices(task, {{QStringLiteral("KC-100"), 4, QStringLiteral("IPC"), accessory(lens),
                         accessory(stand), accessory(shield)}});
    BuiltReport report(task);
    QTextTable *table = tables(report.document()).first();
    QCOMPARE(rowTexts(table, 2), rows);
    QCOMPARE(table->cellAt(2, 0).rowSpan(), int(rows.size()));
    QCOMPARE(table->cellAt(2, 1).rowSpan(), int(rows.size()));
}

void TestReportContent::devicesFollowInFileOrder()
{
    writePlannerTask();
    BuiltReport report(plannerTask());
    QCOMPARE(rowTexts(tables(report.document()).first(), 2),
             (QStringList{QStringLiteral("KC-2120-IR|12|4mm Fixed|12"),
                          QStringLiteral("^|^|Wall Bracket W2|12"),
                          QStringLiteral("^|^|Outdoor Housing H1|12"),
                          QStringLiteral("KD-5230-PTZ|2|Pole Mount P3|2"),
                          QStringLiteral("KC-1080-B|6|2.8-12mm Vari-focal|6"),
                          QStringLiteral("^|^|Sun Shield S1|6"), QStringLiteral("KN-7716|1||")}));
}

void TestReportContent::noConfigurationSectionInEnglish()
{
    writePlannerTask();
    BuiltReport report(plannerTask());
    QCOMPARE(tables(report.document()).size(), 1);
    const QString text = report.document()->toPlainText();
    QVERIFY(!text.contains(QStringLiteral("Config Report")));
    QVERIFY(!text.contains(QStringLiteral("Least Config")));
    QCOMPARE(linesAfterTables(report.document()).value(0), QStringLiteral("Calculation Report"));
}

void TestReportContent::resultsSectionHeadings_data()
{
    QTest::addColumn<bool>("storage");
    QTest::addColumn<bool>("bandWidth");
    QTest::addColumn<bool>("streamServer");
    QTest::addColumn<bool>("client");
    QTest::addColumn<QStringList>("lines");

    const QStringList storage{QStringLiteral("Storage result:"),
                              QStringLiteral("NVR: KN-7716, Number: 2"),
                              QStringLiteral("HDD Capacity: 4T, HDD number: 30"),
                              QStringLiteral("RAID Type: RAID5, RAID number: 3")};
    const QStringList bandWidth{
        QStringLiteral("Bandwidth:"),
        QStringLiteral(
            "Total: 77.4Mbps, Preview: 12.5Mbps, Record: 58.6Mbps, Transmission: 6.3Mbps")};
    const QStringList streamServer{QStringLiteral("Stream Media Server:"),
                                   QStringLiteral("Stream Media Server Number: 3")};
    const QStringList client{QStringLiteral("Client:"),
                             QStringLiteral("Video Wall Client Number: 4")};
    const QString report = QStringLiteral("Calculation Report");
    const QString result = QStringLiteral("Calculation result");

    QTest::newRow("no stored result adds nothing")
        << false << false << false << false << QStringList();
    QTest::newRow("storage alone is headed Calculation Report")
        << true << false << false << false << QStringList{report} + storage;
    QTest::newRow("bandwidth alone is headed Calculation result")
        << false << true << false << false << QStringList{result} + bandWidth;
    QTest::newRow("the stream server alone is headed Calculation result")
        << false << false << true << false << QStringList{result} + streamServer;
    QTest::newRow("the client alone is headed Calculation result")
        << false << false << false << true << QStringList{result} + client;
    QTest::newRow("bandwidth and client share one heading")
        << false << true << false << true << QStringList{result} + bandWidth + client;
    QTest::newRow("all four follow the storage heading in calculator order")
        << true << true << true << true
        << QStringList{report} + storage + bandWidth + streamServer + client;
}

void TestReportContent::resultsSectionHeadings()
{
    QFETCH(bool, storage);
    QFETCH(bool, bandWidth);
    QFETCH(bool, streamServer);
    QFETCH(bool, client);
    QFETCH(QStringList, lines);

    const QString task = QStringLiteral("Gate");
    addTask(task);
    writeDevices(task, {{QStringLiteral("KC-100"), 4}});
    TaskListFile list;
    // A result stored and then cleared is not shown.
    StorageResult s = storageResult(task, QStringLiteral("raid"));
    s.storageEnable = storage ? 1 : 0;
    BandWidthResult b = bandWidthResult(task);
    b.bandWidthEnable = bandWidth ? 1 : 0;
    StreamServerResult ss = streamServerResult(task);
    ss.streamServerEnable = streamServer ? 1 : 0;
    QVERIFY(list.setStorageResult(s));
    QVERIFY(list.setBandWidthResult(b));
    QVERIFY(list.setStreamServerResult(ss));
    if (client)
        QVERIFY(list.setClientResult(clientResult(task)));
    QVERIFY(list.close());

    BuiltReport report(task);
    QCOMPARE(linesAfterTables(report.document()), lines);
}

void TestReportContent::storageResultTexts_data()
{
    QTest::addColumn<QString>("mainType");
    QTest::addColumn<QString>("hddModel");
    QTest::addColumn<QStringList>("lines");

    const QString disks = QStringLiteral("HDD Capacity: 4T, HDD number: 30");
    const QString raid = QStringLiteral("RAID Type: RAID5, RAID number: 3");
    QTest::newRow("plain disks show no RAID line")
        << "NVR"
        << "Common" << QStringList{QStringLiteral("NVR: KN-7716, Number: 2"), disks};
    QTest::newRow("RAID groups show the RAID line")
        << "NVR"
        << "raid" << QStringList{QStringLiteral("NVR: KN-7716, Number: 2"), disks, raid};
    QTest::newRow("an empty disk type shows the RAID line")
        << "CVR"
        << "" << QStringList{QStringLiteral("CVR: KN-7716, Number: 2"), disks, raid};
    QTest::newRow("plain disks calculated in Chinese show no RAID line")
        << QString::fromUtf8("网络硬盘录像机") << QString::fromUtf8("普通")
        << QStringList{QStringLiteral("NVR: KN-7716, Number: 2"), disks};
    QTest::newRow("a storage server calculated in Chinese is named in English")
        << QString::fromUtf8("存储服务器") << "RAID"
        << QStringList{QStringLiteral("Storage Server: KN-7716, Number: 2"), disks, raid};
    QTest::newRow("a storage class the program does not know is shown as stored")
        << "Rack 7"
        << "Common" << QStringList{QStringLiteral("Rack 7: KN-7716, Number: 2"), disks};
}

void TestReportContent::storageResultTexts()
{
    QFETCH(QString, mainType);
    QFETCH(QString, hddModel);
    QFETCH(QStringList, lines);

    const QString task = QStringLiteral("Gate");
    addTask(task);
    writeDevices(task, {{QStringLiteral("KC-100"), 4}});
    StorageResult storage = storageResult(task, hddModel);
    storage.mainType = mainType;
    TaskListFile list;
    QVERIFY(list.setStorageResult(storage));
    QVERIFY(list.close());

    BuiltReport report(task);
    const QStringList expected =
        QStringList{QStringLiteral("Calculation Report"), QStringLiteral("Storage result:")} +
        lines;
    QCOMPARE(linesAfterTables(report.document()), expected);
}

void TestReportContent::storedStreamServerShowsOnlyItsNumber()
{
    writePlannerTask();
    BuiltReport report(plannerTask());
    QVERIFY(!report.document()->toPlainText().contains(QStringLiteral("KS-2000")));
}

QTEST_MAIN(TestReportContent)
#include "tst_reportcontent.moc"
