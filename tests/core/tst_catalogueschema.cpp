// The tables and columns a catalogue must have for its look-ups: a table or
// column that a look-up names or reads and the catalogue lacks is found (the
// start refuses such a catalogue), and the look-ups read their columns by
// name, so a table with its columns in another order or letter case reads
// the same.
#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

namespace {

/// Runs @p statements on the catalogue at @p path, as another tool would
/// change it.
bool alter(const QString &path, const QStringList &statements)
{
    const QString name = CatalogueFixture::uniqueConnectionName("schema-writer");
    bool ok = true;
    {
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        writer.setDatabaseName(path);
        ok = writer.open();
        for (const QString &statement : statements) {
            QSqlQuery query(writer);
            if (ok && !query.exec(statement)) {
                qWarning() << statement << query.lastError().text();
                ok = false;
            }
        }
        writer.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

struct Gap
{
    bool found = false;
    QString table;
    QString column;
};

Gap missingIn(const QString &path)
{
    kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
    Gap gap;
    if (!db.isOpen())
        return gap;
    gap.found = db.findMissingColumn(gap.table, gap.column);
    return gap;
}

} // namespace

class TestCatalogueSchema : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aWholeCatalogueLacksNothing();
    void aDroppedColumnIsFound_data();
    void aDroppedColumnIsFound();
    void aDroppedTableIsFound_data();
    void aDroppedTableIsFound();
    void columnsInAnotherOrderAndLetterCaseReadTheSame();
    void aClosedCatalogueReportsNothing();

private:
    QString path() const { return m_folder->file(QStringLiteral("Task_EN.db")); }

    // The fixture catalogue, built once; each test changes a copy.
    QTemporaryDir m_built;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestCatalogueSchema::initTestCase()
{
    QVERIFY(m_built.isValid());
    QVERIFY(CatalogueFixture::build(m_built.filePath(QStringLiteral("whole.db")),
                                    {QStringLiteral("solutions.sql")}));
}

void TestCatalogueSchema::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(QFile::copy(m_built.filePath(QStringLiteral("whole.db")), path()));
}

void TestCatalogueSchema::cleanup()
{
    m_folder.reset();
}

void TestCatalogueSchema::aWholeCatalogueLacksNothing()
{
    QString table = QStringLiteral("untouched");
    QString column = QStringLiteral("untouched");
    kiv::TaskDataBase db(path(), CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(db.isOpen());
    QVERIFY(!db.findMissingColumn(table, column));
    QCOMPARE(table, QStringLiteral("untouched"));
    // The industry table's MainType is read by no look-up.
    QVERIFY(alter(path(), {QStringLiteral("ALTER TABLE IndustryParam DROP COLUMN MainType")}));
    QCOMPARE(missingIn(path()).found, false);
}

void TestCatalogueSchema::aDroppedColumnIsFound_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    const QStringList param{QStringLiteral("Name"), QStringLiteral("code"), QStringLiteral("Type"),
                            QStringLiteral("Unit"), QStringLiteral("Unit2")};
    const QStringList device{QStringLiteral("DeviceType"), QStringLiteral("code")};
    const QList<QPair<QString, QStringList>> tables{
        {QStringLiteral("DevParam1"), param},
        {QStringLiteral("DevParam2"), param},
        {QStringLiteral("DevParam3"), param},
        {QStringLiteral("DevParam5"), param},
        {QStringLiteral("Device1"), device},
        {QStringLiteral("Device2"), device},
        {QStringLiteral("Device3"), device},
        {QStringLiteral("Device5"), device},
        {QStringLiteral("IndustryParam"),
         {QStringLiteral("Industry"), QStringLiteral("Scene"), QStringLiteral("DeviceType"),
          QStringLiteral("Count"), QStringLiteral("SolutionType")}}};
    for (const auto &table : tables) {
        for (const QString &column : table.second) {
            QTest::addRow("%s without its column %s is found", qPrintable(table.first),
                          qPrintable(column))
                << table.first << column;
        }
    }
}

void TestCatalogueSchema::aDroppedColumnIsFound()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QVERIFY(alter(path(), {QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, column)}));
    const Gap gap = missingIn(path());
    QVERIFY(gap.found);
    QCOMPARE(gap.table, table);
    QCOMPARE(gap.column, column);
}

void TestCatalogueSchema::aDroppedTableIsFound_data()
{
    QTest::addColumn<QString>("table");
    // Without Device1 the catalogue does not open at all.
    for (const char *table : {"DevParam1", "DevParam2", "DevParam3", "DevParam5", "Device2",
                              "Device3", "Device5", "IndustryParam"})
        QTest::addRow("a catalogue without %s is found", table) << QString::fromLatin1(table);
}

void TestCatalogueSchema::aDroppedTableIsFound()
{
    QFETCH(QString, table);
    QVERIFY(alter(path(), {QStringLiteral("DROP TABLE %1").arg(table)}));
    const Gap gap = missingIn(path());
    QVERIFY(gap.found);
    QCOMPARE(gap.table, table);
    QCOMPARE(gap.column, QString());
}

void TestCatalogueSchema::columnsInAnotherOrderAndLetterCaseReadTheSame()
{
    // The industry and recorder tables made anew by another tool: columns
    // reversed, names in other letters, rows in the same order.
    QVERIFY(alter(
        path(),
        {QStringLiteral("CREATE TABLE i2 (SOLUTIONTYPE TEXT, maintype TEXT, count INTEGER, "
                        "devicetype TEXT, SCENE TEXT, industry TEXT)"),
         QStringLiteral("INSERT INTO i2 SELECT SolutionType, MainType, Count, DeviceType, Scene, "
                        "Industry FROM IndustryParam ORDER BY rowid"),
         QStringLiteral("DROP TABLE IndustryParam"),
         QStringLiteral("ALTER TABLE i2 RENAME TO IndustryParam"),
         QStringLiteral("CREATE TABLE d2 (extra TEXT, CODE TEXT, deviceType TEXT)"),
         QStringLiteral("INSERT INTO d2 SELECT 'x', code, DeviceType FROM Device2 ORDER BY rowid"),
         QStringLiteral("DROP TABLE Device2"),
         QStringLiteral("ALTER TABLE d2 RENAME TO Device2")}));
    kiv::TaskDataBase db(path(), CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(db.isOpen());
    QString table;
    QString column;
    QVERIFY2(!db.findMissingColumn(table, column), qPrintable(table + QLatin1Char(' ') + column));

    QStringList list;
    QVERIFY(db.getAllSolutionType(list));
    QCOMPARE(list, (QStringList{QStringLiteral("Cloud"), QStringLiteral("Hybrid"),
                                QStringLiteral("Network"), QStringLiteral("Analog")}));
    QVERIFY(db.getScene(QStringLiteral("Education"), list));
    QCOMPARE(list, (QStringList{QStringLiteral("Gate"), QStringLiteral("Classroom"),
                                QStringLiteral("Library"), QStringLiteral("Dormitory")}));
    QMap<QString, int> counts;
    QVERIFY(db.getDevice(QStringLiteral("Education"), QStringLiteral("Gate"),
                         QStringLiteral("Network"), counts));
    QCOMPARE(counts,
             (QMap<QString, int>{{QStringLiteral("CAM-A"), 6}, {QStringLiteral("DOME-A"), 1}}));
    // The English DVR list: DVR models with the English mark, then hybrid
    // ones.
    QVERIFY(db.getDeviceListEN(1, list));
    QCOMPARE(list, (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B"),
                                QStringLiteral("HNVR-A"), QStringLiteral("NVR-A")}));
}

void TestCatalogueSchema::aClosedCatalogueReportsNothing()
{
    QVERIFY(QFile::remove(path()));
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("^qeb TaskDataBase::loadDB is error")));
    kiv::TaskDataBase db(path(), CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(!db.isOpen());
    QString table;
    QString column;
    QVERIFY(!db.findMissingColumn(table, column));
    QCOMPARE(table, QString());
}

QTEST_GUILESS_MAIN(TestCatalogueSchema)
#include "tst_catalogueschema.moc"
