#include <ExcelWorkbook.h>

#include "ReportFixture.h"

#include <xlsxwriter.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using kiv::ExcelWorkbook;

// The workbook layer of the Excel export: sheet names, the rows it writes
// as a spreadsheet reader sees them, and the target file kept whole when
// writing fails.
class TestExcelWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sheetNames_data();
    void sheetNames();
    void rowsReadBackAsBound();
    void boundValuesDoNotCarryOverToTheNextRow();
    void cellsStandAtTheLeftLikeTheirHeaders();
    void rowsAndColumnsMakeRoomForEveryLine();
    void targetIsReplacedOnlyByClose();
    void failedRowLeavesTheOldFileAsItWas();
    void unwritableTargetFailsAndLeavesNoFile();
    void workbookNeverClosedWritesNothing();
    void savedWorkbookHasTheModeOfAnySavedFile_data();
    void savedWorkbookHasTheModeOfAnySavedFile();

private:
    QString path(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }
    static bool writeTable(ExcelWorkbook &book, const QString &file, const QString &sheet)
    {
        return book.open(file) &&
               book.createTable(sheet, {{QStringLiteral("Device Type"), 36},
                                        {QStringLiteral("Device Count"), 36},
                                        {QStringLiteral("Ingredient"), 40}}) &&
               book.prepareInsert({QStringLiteral(":devicetype"), QStringLiteral(":devicecout"),
                                   QStringLiteral(":ingredient")});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExcelWorkbook::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExcelWorkbook::sheetNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");

    QTest::newRow("a plain name is kept") << "Harbour Gate"
                                          << "Harbour Gate";
    QTest::newRow("brackets, asterisk and question mark become underscores") << "[Q1] plan*?"
                                                                             << "_Q1_ plan__";
    QTest::newRow("colon and both slashes become underscores") << "a:b/c\\d"
                                                               << "a_b_c_d";
    QTest::newRow("apostrophes at either end are dropped") << "'North Yard'"
                                                           << "North Yard";
    QTest::newRow("an apostrophe inside is kept") << "Yard's plan"
                                                  << "Yard's plan";
    QTest::newRow("a long name is cut to 31 characters") << "Container Terminal East Gate Extension"
                                                         << "Container Terminal East Gate Ex";
    QTest::newRow("a cut that would end in an apostrophe drops it")
        << "Container Terminal East Gate E'xtension"
        << "Container Terminal East Gate E";
    QTest::newRow("Chinese names count characters, not bytes")
        << QString::fromUtf8("港口东门扩建工程监控系统方案第二期港口东门扩建工程监控系统方案第二期")
        << QString::fromUtf8("港口东门扩建工程监控系统方案第二期港口东门扩建工程监控系统方案");
    QTest::newRow("a character outside the basic plane is never cut in half")
        << QString(30, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x93\xB7")
        << QString(30, QLatin1Char('a'));
    QTest::newRow("an empty name becomes Sheet1") << ""
                                                  << "Sheet1";
    QTest::newRow("a name of apostrophes only becomes Sheet1") << "'''"
                                                               << "Sheet1";
    QTest::newRow("the name Excel reserves is changed") << "history"
                                                        << "history_";
}

void TestExcelWorkbook::sheetNames()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);

    const QString made = ExcelWorkbook::sheetNameFor(name);
    QCOMPARE(made, sheet);
    lxw_workbook *book = workbook_new(QFile::encodeName(path(QStringLiteral("probe.xlsx"))));
    QVERIFY(book);
    QCOMPARE(int(workbook_validate_sheet_name(book, made.toUtf8().constData())), int(LXW_NO_ERROR));
    lxw_workbook_free(book);

    ExcelWorkbook workbook;
    const QString file = path(QStringLiteral("named.xlsx"));
    QVERIFY(writeTable(workbook, file, name));
    QVERIFY(workbook.close());
    const QJsonObject read = reportfixture::readWorkbook(file);
    QCOMPARE(read.value(QStringLiteral("sheets")).toArray(), QJsonArray{QJsonValue(sheet)});
}

void TestExcelWorkbook::rowsReadBackAsBound()
{
    ExcelWorkbook book;
    const QString file = path(QStringLiteral("rows.xlsx"));
    QVERIFY(writeTable(book, file, QStringLiteral("rows")));
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KC-2120")));
    QVERIFY(book.bindValue(QStringLiteral(":devicecout"), 12));
    QVERIFY(
        book.bindValue(QStringLiteral(":ingredient"), QStringLiteral("4mm x 12\nShield x 12\n")));
    QVERIFY(book.exec());
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QString::fromUtf8("网络摄像机")));
    QVERIFY(book.bindValue(QStringLiteral(":devicecout"), QStringLiteral("007")));
    QVERIFY(book.exec());
    QVERIFY(!book.bindValue(QStringLiteral(":devicecount"), 1));
    QCOMPARE(book.rowCount(), 3);
    QVERIFY(book.close());

    const QJsonObject read = reportfixture::readWorkbook(file);
    QVERIFY(read.value(QStringLiteral("entries"))
                .toArray()
                .contains(QStringLiteral("xl/worksheets/sheet1.xml")));
    const QJsonArray rows = read.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.size(), 3);
    using reportfixture::cells;
    using reportfixture::texts;
    QCOMPARE(cells(rows.at(0)), texts({"Device Type", "Device Count", "Ingredient"}));
    QCOMPARE(cells(rows.at(1)), texts({"KC-2120", "#12", "4mm x 12\nShield x 12\n"}));
    // A number in a text stays text: "007" keeps its zeros.
    QCOMPARE(cells(rows.at(2)), texts({"网络摄像机", "007", ""}));
    const QJsonArray wrapped = read.value(QStringLiteral("wrapped")).toArray();
    QCOMPARE(wrapped.at(1).toArray(), (QJsonArray{false, false, true}));
}

void TestExcelWorkbook::cellsStandAtTheLeftLikeTheirHeaders()
{
    ExcelWorkbook book;
    const QString file = path(QStringLiteral("aligned.xlsx"));
    QVERIFY(writeTable(book, file, QStringLiteral("aligned")));
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KC-2120")));
    QVERIFY(book.bindValue(QStringLiteral(":devicecout"), 12));
    QVERIFY(book.bindValue(QStringLiteral(":ingredient"), QStringLiteral("Shield x 12")));
    QVERIFY(book.exec());
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KD-08")));
    QVERIFY(book.bindValue(QStringLiteral(":devicecout"), 1024.0));
    QVERIFY(book.bindValue(QStringLiteral(":ingredient"), QStringLiteral("4mm x 2\nStand x 2")));
    QVERIFY(book.exec());
    QVERIFY(book.close());

    const QJsonObject read = reportfixture::readWorkbook(file);
    const QJsonArray rows = read.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.at(1).toArray().at(1).toInt(), 12);
    // A count is a number, yet it stands at the left as its header does,
    // clear of the next column's text.
    const QJsonArray left{QStringLiteral("left"), QStringLiteral("left"), QStringLiteral("left")};
    const QJsonArray aligned = read.value(QStringLiteral("aligned")).toArray();
    QCOMPARE(aligned, (QJsonArray{left, left, left}));
}

void TestExcelWorkbook::boundValuesDoNotCarryOverToTheNextRow()
{
    ExcelWorkbook book;
    const QString file = path(QStringLiteral("carry.xlsx"));
    QVERIFY(writeTable(book, file, QStringLiteral("carry")));
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("first")));
    QVERIFY(book.bindValue(QStringLiteral(":devicecout"), 3));
    QVERIFY(book.bindValue(QStringLiteral(":ingredient"), QStringLiteral("lens x 3\n")));
    QVERIFY(book.exec());
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("second")));
    QVERIFY(book.exec());
    QVERIFY(book.exec());
    QVERIFY(book.close());

    const QJsonArray rows =
        reportfixture::readWorkbook(file).value(QStringLiteral("rows")).toArray();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(reportfixture::cells(rows.at(2)), reportfixture::texts({"second", "", ""}));
}

void TestExcelWorkbook::rowsAndColumnsMakeRoomForEveryLine()
{
    ExcelWorkbook book;
    const QString file = path(QStringLiteral("layout.xlsx"));
    QVERIFY(writeTable(book, file, QStringLiteral("layout")));
    const auto row = [&book](const QVariant &type, const QVariant &count,
                             const QVariant &ingredient) {
        return book.bindValue(QStringLiteral(":devicetype"), type) &&
               book.bindValue(QStringLiteral(":devicecout"), count) &&
               book.bindValue(QStringLiteral(":ingredient"), ingredient) && book.exec();
    };
    // Three lines, the last one empty after the closing line break.
    QVERIFY(row(QStringLiteral("KC-2120"), 12, QStringLiteral("4mm x 12\nShield x 12\n")));
    // 50 characters widen the first column from 36 to 50 and 2 of room.
    QVERIFY(row(QString(50, QLatin1Char('a')), QString::fromUtf8("网络摄像机"), QVariant()));
    // 30 Chinese characters are 60 widths; with the room, 62.
    QVERIFY(row(QVariant(), QVariant(), QString(30, QChar(0x6C34)) + QStringLiteral("\nx")));
    // Five lines of results.
    QVERIFY(row(QStringLiteral("Report\nStorage\nBandwidth\nServers\nClients"), QVariant(),
                QVariant()));
    // 600 characters: the column stops at 255, so 253 to a line, three lines.
    QVERIFY(row(QVariant(), QString(600, QLatin1Char('b')), QVariant()));
    QVERIFY(book.close());

    const QJsonObject read = reportfixture::readWorkbook(file);
    // The library adds a cell's 5 pixels of padding to each width: 0.71 of a
    // digit's width more than asked for.
    QStringList widths;
    for (const QJsonValue width : read.value(QStringLiteral("widths")).toArray())
        widths << QString::number(int(width.toDouble()));
    QCOMPARE(widths,
             (QStringList{QStringLiteral("52"), QStringLiteral("255"), QStringLiteral("62")}));
    // A row the sheet leaves at the default (null) is 15 points high.
    QList<double> heights;
    for (const QJsonValue height : read.value(QStringLiteral("heights")).toArray())
        heights << (height.isNull() ? 15.0 : height.toDouble());
    QCOMPARE(heights, (QList<double>{15, 45, 15, 30, 75, 45}));
    const QJsonArray wrapped = read.value(QStringLiteral("wrapped")).toArray();
    QCOMPARE(wrapped.at(5).toArray().at(1).toBool(), true);
    QCOMPARE(read.value(QStringLiteral("printing")).toObject(),
             (QJsonObject{{QStringLiteral("fitToPage"), true},
                          {QStringLiteral("fitToWidth"), 1},
                          {QStringLiteral("fitToHeight"), 0}}));
}

void TestExcelWorkbook::targetIsReplacedOnlyByClose()
{
    const QString file = path(QStringLiteral("old.xlsx"));
    QVERIFY(ProgramFolder::write(file, "old contents"));
    ExcelWorkbook book;
    QVERIFY(writeTable(book, file, QStringLiteral("old")));
    QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KC-2120")));
    QVERIFY(book.exec());
    QCOMPARE(ProgramFolder::readAll(file), QByteArray("old contents"));
    QVERIFY(book.close());
    QVERIFY(ProgramFolder::readAll(file).startsWith("PK"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("old.xlsx")});
}

void TestExcelWorkbook::failedRowLeavesTheOldFileAsItWas()
{
    const QString file = path(QStringLiteral("kept.xlsx"));
    QVERIFY(ProgramFolder::write(file, "old contents"));
    {
        ExcelWorkbook book;
        QVERIFY(writeTable(book, file, QStringLiteral("kept")));
        QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KC-2120")));
        QVERIFY(book.exec());
        // A cell holds at most 32767 characters.
        QVERIFY(book.bindValue(QStringLiteral(":ingredient"), QString(40000, QLatin1Char('x'))));
        QVERIFY(!book.exec());
        QVERIFY(!book.lastError().isEmpty());
    }
    QCOMPARE(ProgramFolder::readAll(file), QByteArray("old contents"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("kept.xlsx")});
}

void TestExcelWorkbook::unwritableTargetFailsAndLeavesNoFile()
{
    ExcelWorkbook book;
    const QString file = path(QStringLiteral("missing/book.xlsx"));
    // The folder is missing: the workbook fails, at the latest when closed.
    const bool written =
        writeTable(book, file, QStringLiteral("book")) && book.exec() && book.close();
    QVERIFY(!written);
    QVERIFY(!book.lastError().isEmpty());
    QVERIFY(!QFile::exists(file));
}

void TestExcelWorkbook::workbookNeverClosedWritesNothing()
{
    const QString file = path(QStringLiteral("never.xlsx"));
    {
        ExcelWorkbook book;
        QVERIFY(writeTable(book, file, QStringLiteral("never")));
        QVERIFY(book.bindValue(QStringLiteral(":devicetype"), QStringLiteral("KC-2120")));
        QVERIFY(book.exec());
    }
    QVERIFY(!QFile::exists(file));
}

void TestExcelWorkbook::savedWorkbookHasTheModeOfAnySavedFile_data()
{
    QTest::addColumn<int>("umask");
    QTest::addColumn<int>("oldMode"); // -1: no old file
    QTest::addColumn<int>("mode");
    QTest::newRow("a new workbook under umask 022 is 0644") << 022 << -1 << 0644;
    QTest::newRow("a new workbook under umask 027 is 0640") << 027 << -1 << 0640;
    QTest::newRow("a new workbook under umask 0 is 0666") << 0 << -1 << 0666;
    QTest::newRow("an old workbook keeps its mode 0664") << 022 << 0664 << 0664;
}

void TestExcelWorkbook::savedWorkbookHasTheModeOfAnySavedFile()
{
    QFETCH(int, umask);
    QFETCH(int, oldMode);
    QFETCH(int, mode);
    const QString file = path(QStringLiteral("mode.xlsx"));
    if (oldMode >= 0) {
        QVERIFY(ProgramFolder::write(file, "old contents"));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(oldMode)), 0);
    }
    const mode_t before = ::umask(mode_t(umask));
    ExcelWorkbook book;
    const bool written =
        writeTable(book, file, QStringLiteral("mode")) && book.exec() && book.close();
    ::umask(before);
    QVERIFY(written);
    struct stat saved = {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &saved), 0);
    QCOMPARE(int(saved.st_mode & 07777), mode);
}

QTEST_GUILESS_MAIN(TestExcelWorkbook)
#include "tst_excelworkbook.moc"
