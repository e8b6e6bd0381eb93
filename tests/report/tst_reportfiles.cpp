#include <ReportExports.h>
#include <SaveFailure.h>

#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QJsonArray>
#include <QtTest>

#include <cerrno>
#include <memory>

using namespace reportfixture;

namespace {

// The ways an export meets its target.
enum Situation {
    MissingFolder,
    FolderInTheWay,
    SystemFolder,
    FullDisk,
    UnreadableDevices,
    TextTooLongForACell,
};

} // namespace

Q_DECLARE_METATYPE(Situation)

// The report's two files written without the window, in the English
// interface: what the PDF file and the workbook hold, and why a file that
// cannot be written was not.
class TestReportFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pdfHoldsTheReport();
    void workbookHoldsDevicesAndResults();
    void failedSaveNamesItsReasonAndKeepsTheOldFile_data();
    void failedSaveNamesItsReasonAndKeepsTheOldFile();
    void systemErrorsNameTheirReason_data();
    void systemErrorsNameTheirReason();
    void failedPrintingNamesTheFileOrThePrinter_data();
    void failedPrintingNamesTheFileOrThePrinter();

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
    QVERIFY(ProgramFolder::readAll(file).startsWith("%PDF"));

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

void TestReportFiles::failedSaveNamesItsReasonAndKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<Situation>("situation");
    QTest::addColumn<QString>("reason");

    const QString missing = QStringLiteral("The folder does not exist.");
    const QString inTheWay = QStringLiteral("A folder of that name already exists.");
    const QString notWritable = QStringLiteral("The folder cannot be written to.");
    const QString full = QStringLiteral("The disk is full.");
    for (const bool pdf : {true, false}) {
        const char *const format = pdf ? "PDF file" : "workbook";
        QTest::addRow("a %s for a folder that does not exist", format)
            << pdf << MissingFolder << missing;
        QTest::addRow("a %s where a folder has its name", format)
            << pdf << FolderInTheWay << inTheWay;
        // Nobody, not even root, can create a file in /proc.
        QTest::addRow("a %s for a folder of the system", format)
            << pdf << SystemFolder << notWritable;
        QTest::addRow("a %s on a full disk", format) << pdf << FullDisk << full;
    }
    QTest::newRow("a workbook of a task whose device file cannot be read")
        << false << UnreadableDevices << QStringLiteral("The task's devices could not be read.");
    QTest::newRow("a workbook with a device type too long for a cell")
        << false << TextTooLongForACell
        << QStringLiteral("A text is too long for a workbook cell.");
}

void TestReportFiles::failedSaveNamesItsReasonAndKeepsTheOldFile()
{
    QFETCH(bool, pdf);
    QFETCH(Situation, situation);
    QFETCH(QString, reason);

    const QString task = QStringLiteral("Gate");
    addTask(task);
    writeDevices(task, {{QStringLiteral("KC-100"), 4}});
    const QString name = pdf ? QStringLiteral("Gate.pdf") : QStringLiteral("Gate.xlsx");
    QString file = target(name);
    const QByteArray old("the planner's earlier report\n");
    switch (situation) {
    case MissingFolder:
        file = target(QStringLiteral("missing/") + name);
        break;
    case FolderInTheWay:
        QVERIFY(QDir(m_out->path()).mkpath(name + QStringLiteral("/inside")));
        break;
    case SystemFolder:
        file = QStringLiteral("/proc/") + name;
        break;
    case UnreadableDevices:
        QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(task), "<DeviceInfoList><DeviceInfo>"));
        break;
    case TextTooLongForACell:
        // A cell holds at most 32767 characters.
        writeDevices(task, {{QString(40000, QLatin1Char('K')), 1}});
        break;
    case FullDisk:
        break;
    }
    const bool oldFile =
        situation == FullDisk || situation == UnreadableDevices || situation == TextTooLongForACell;
    if (oldFile)
        QVERIFY(ProgramFolder::write(file, old));

    BuiltReport report(task);
    QString told;
    bool saved = false;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (situation == FullDisk) {
            limit = std::make_unique<FileSizeLimit>(old.size());
            QVERIFY(limit->isActive());
        }
        saved = pdf ? kiv::writeReportPdf(report.document(), file, task, &told)
                    : kiv::writeReportWorkbook(report.report(), file, task, &told);
    }
    QVERIFY(!saved);
    QCOMPARE(told, reason);
    if (oldFile) {
        QCOMPARE(ProgramFolder::readAll(file), old);
        QCOMPARE(written(), QStringList{name});
    } else if (situation == FolderInTheWay) {
        QVERIFY(QFileInfo(target(name + QStringLiteral("/inside"))).isDir());
        QCOMPARE(written(), QStringList{name});
    } else {
        QVERIFY(!QFile::exists(file));
        QVERIFY(written().isEmpty());
    }
}

void TestReportFiles::systemErrorsNameTheirReason_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<QString>("reason");

    const QString full = QStringLiteral("The disk is full.");
    const QString notWritable = QStringLiteral("The folder cannot be written to.");
    const QString held = QStringLiteral("The file is held by another program.");
    QTest::newRow("no space left on the disk") << ENOSPC << full;
    QTest::newRow("the planner's quota used up") << EDQUOT << full;
    QTest::newRow("a file larger than the disk takes") << EFBIG << full;
    QTest::newRow("no permission to write into the folder") << EACCES << notWritable;
    QTest::newRow("a read-only disk") << EROFS << notWritable;
    QTest::newRow("a file that another program runs") << ETXTBSY << held;
    QTest::newRow("a file that is busy") << EBUSY << held;
    QTest::newRow("a failing disk") << EIO << QStringLiteral("The file could not be written.");
    QTest::newRow("a failure without an error code")
        << 0 << QStringLiteral("The file could not be written.");
}

void TestReportFiles::systemErrorsNameTheirReason()
{
    QFETCH(int, systemError);
    QFETCH(QString, reason);
    // The folder exists and nothing is in the target's place: only the
    // error code tells why.
    QCOMPARE(
        kiv::saveFailureText(kiv::saveFailureOf(target(QStringLiteral("Gate.pdf")), systemError)),
        reason);
}

void TestReportFiles::failedPrintingNamesTheFileOrThePrinter_data()
{
    QTest::addColumn<QString>("outputFile");
    QTest::addColumn<QString>("reason");

    QTest::newRow("printing to a file in a folder that does not exist")
        << QStringLiteral("missing/printout.pdf") << QStringLiteral("The folder does not exist.");
    QTest::newRow("printing to a file where a folder has its name")
        << QStringLiteral("folder") << QStringLiteral("A folder of that name already exists.");
    QTest::newRow("printing on a printer")
        << QString() << QStringLiteral("The printer reported an error.");
}

void TestReportFiles::failedPrintingNamesTheFileOrThePrinter()
{
    QFETCH(QString, outputFile);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_out->path()).mkpath(QStringLiteral("folder")));
    const QString path = outputFile.isEmpty() ? QString() : target(outputFile);
    QCOMPARE(kiv::printFailureText(path), reason);
}

QTEST_MAIN(TestReportFiles)
#include "tst_reportfiles.moc"
