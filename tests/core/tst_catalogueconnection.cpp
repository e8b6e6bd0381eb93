#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QHashSeed>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

// Runs one catalogue query with @p value wherever the query takes a text;
// gives the number of results, or -1 when the query answered false.
using Probe = std::function<int(kiv::TaskDataBase &, const QString &)>;
// Runs one catalogue query on a device class; gives its result.
using ClassQuery = std::function<bool(kiv::TaskDataBase &, int)>;
Q_DECLARE_METATYPE(Probe)
Q_DECLARE_METATYPE(ClassQuery)

namespace {

/// The number of results in @p found, or -1 when the query answered false.
/// It reads the container only once the query has run: as a second argument
/// beside the call, its size could be taken before the query fills it.
template <typename Container> int count(bool ok, const Container &found)
{
    return ok ? int(found.size()) : -1;
}

/// Every query of the catalogue, each given the same text.
QVector<QPair<const char *, Probe>> probes()
{
    return {
        {"getMainParam",
         [](kiv::TaskDataBase &db, const QString &) {
             QMap<QString, QString> m;
             return count(db.getMainParam(0, m), m);
         }},
        {"getSub1Param",
         [](kiv::TaskDataBase &db, const QString &v) {
             QMap<QString, QString> m;
             return count(db.getSub1Param(0, v, m), m);
         }},
        {"getSub2Param",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<ParamItem> items;
             return count(db.getSub2Param(0, v, items), items);
         }},
        {"getDeviceByCodes",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getDeviceByCodes(0, {v}, out), out);
         }},
        {"getDeviceTypesOfCode",
         [](kiv::TaskDataBase &db, const QString &v) {
             QSet<QString> out;
             return count(db.getDeviceTypesOfCode(0, v, out), out);
         }},
        {"getDeviceAllParam",
         [](kiv::TaskDataBase &db, const QString &v) {
             kiv::TaskDataBase::ParamSheet sheet;
             QVector<QString> headings;
             return count(db.getDeviceAllParam(0, v, sheet, headings), headings);
         }},
        {"getAllIndustry",
         [](kiv::TaskDataBase &db, const QString &v) {
             QStringList out;
             return count(db.getAllIndustry(v, out), out);
         }},
        {"getScene",
         [](kiv::TaskDataBase &db, const QString &v) {
             QStringList out;
             return count(db.getScene(v, out), out);
         }},
        {"getDevice",
         [](kiv::TaskDataBase &db, const QString &v) {
             QMap<QString, int> out;
             return count(db.getDevice(v, v, v, out), out);
         }},
        {"getIPCResolution",
         [](kiv::TaskDataBase &db, const QString &v) {
             QList<QMap<QString, QString>> out;
             return count(db.getIPCResolution(v, 0, out), out);
         }},
        {"getDomeResolution",
         [](kiv::TaskDataBase &db, const QString &v) {
             QList<QMap<QString, QString>> out;
             return count(db.getDomeResolution(v, 0, out), out);
         }},
        {"getDVRResolution",
         [](kiv::TaskDataBase &db, const QString &v) {
             QStringList out;
             return count(db.getDVRResolution(v, out), out);
         }},
        {"getDVRFrameRate",
         [](kiv::TaskDataBase &db, const QString &v) {
             QStringList out;
             return count(db.getDVRFrameRate(v, 0, out), out);
         }},
        {"getIPCStand",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getIPCStand(v, out), out);
         }},
        {"getDomeStand",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getDomeStand(v, out), out);
         }},
        {"getIPCShield",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getIPCShield(v, out), out);
         }},
        {"getIPCLens",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getIPCLens(v, out), out);
         }},
        {"isDeviceCode",
         [](kiv::TaskDataBase &db, const QString &v) { return db.isDeviceCode(0, v, v) ? 1 : 0; }},
        {"getDeviceByCodesOrdered",
         [](kiv::TaskDataBase &db, const QString &v) {
             QVector<QString> out;
             return count(db.getDeviceByCodesOrdered(0, {v}, out), out);
         }},
        {"hasCodeGroup",
         [](kiv::TaskDataBase &db, const QString &v) { return db.hasCodeGroup(0, v) ? 1 : 0; }},
        {"getRAIDType",
         [](kiv::TaskDataBase &db, const QString &v) {
             QStringList out;
             return count(db.getRAIDType(3, v, out), out);
         }},
        {"getHDDBayNumber",
         [](kiv::TaskDataBase &db, const QString &v) {
             int bays = -1;
             const bool ok = db.getHDDBayNumber(3, v, bays);
             return ok ? (bays == -1 ? 0 : 1) : -1;
         }},
    };
}

} // namespace

class TestCatalogueConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void missingCatalogueIsReportedNotCreated();
    void fileThatIsNotADatabaseIsReported();
    void catalogueOpensReadOnly();
    void everyQueryIsFalseWhileClosed_data();
    void everyQueryIsFalseWhileClosed();
    void classIndexOutsideTheTableIsFalse_data();
    void classIndexOutsideTheTableIsFalse();
    void valuesAreNeverReadAsSql_data();
    void valuesAreNeverReadAsSql();
    void failingStatementIsLoggedWithItsSql();
    void listsKeepTheirOrderUnderAnotherHashSeed();
    void twoCataloguesEachOnTheirOwnConnection();

private:
    // A catalogue that the read-only tests share: every fixture row at once.
    std::unique_ptr<ProgramFolder> m_sharedFolder;
    std::unique_ptr<kiv::TaskDataBase> m_shared;
};

void TestCatalogueConnection::initTestCase()
{
    m_sharedFolder = std::make_unique<ProgramFolder>();
    m_shared = CatalogueFixture::open(m_sharedFolder->path(), {QStringLiteral("solutions.sql"),
                                                               QStringLiteral("accessories.sql"),
                                                               QStringLiteral("storage.sql")});
    QVERIFY(m_shared && m_shared->isOpen());
}

void TestCatalogueConnection::cleanupTestCase()
{
    m_shared.reset();
    m_sharedFolder.reset();
}

void TestCatalogueConnection::missingCatalogueIsReportedNotCreated()
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("qeb TaskDataBase::loadDB is error: "
                                                               "no catalogue file ") +
                                                path));
    kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(!db.isOpen());
    QVERIFY(!QFileInfo::exists(path));
    // Asked again, it still reports instead of creating the file.
    QTest::ignoreMessage(QtDebugMsg,
                         QRegularExpression(QStringLiteral("^qeb TaskDataBase::loadDB")));
    QVERIFY(!db.loadDB());
    QVERIFY(!QFileInfo::exists(path));
}

void TestCatalogueConnection::fileThatIsNotADatabaseIsReported()
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    const QByteArray bytes("this file is not a catalogue, whatever its name says\n");
    QVERIFY(ProgramFolder::write(path, bytes));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("^qeb TaskDataBase::loadDB is error: .+")));
    {
        kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
        QVERIFY(!db.isOpen());
        QStringList types;
        QVERIFY(!db.getAllSolutionType(types));
    }
    QCOMPARE(ProgramFolder::readAll(path), bytes);
}

void TestCatalogueConnection::catalogueOpensReadOnly()
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(path, {QStringLiteral("solutions.sql")}));
    const QByteArray before = ProgramFolder::readAll(path);
    {
        kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
        QVERIFY(db.isOpen());
        QSqlQuery write(QSqlDatabase::database(db.connectionName()));
        QVERIFY(!write.exec(QStringLiteral("delete from IndustryParam")));
        QStringList types;
        QVERIFY(db.getAllSolutionType(types));
        QCOMPARE(types.size(), 4);
    }
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestCatalogueConnection::everyQueryIsFalseWhileClosed_data()
{
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("answersWhileOpen");

    // The resolution look-ups answer from caches filled while the catalogue
    // was open: they are asked about models the caches hold.
    const QMap<QByteArray, QString> cached{{"getIPCResolution", QStringLiteral("CAM-A")},
                                           {"getDomeResolution", QStringLiteral("DOME-A")},
                                           {"getDVRResolution", QStringLiteral("DVR-A")},
                                           {"getDVRFrameRate", QStringLiteral("DVR-A")}};
    for (const auto &entry : probes()) {
        // Their false is also their answer for a model without the code.
        if (qstrcmp(entry.first, "isDeviceCode") == 0 || qstrcmp(entry.first, "hasCodeGroup") == 0)
            continue;
        if (cached.contains(entry.first)) {
            QTest::addRow("%s answers false for a model it holds", entry.first)
                << entry.second << cached.value(entry.first) << true;
        } else {
            QTest::addRow("%s answers false", entry.first)
                << entry.second << QStringLiteral("CAM-A") << false;
        }
    }
    QTest::newRow("isDeviceCode answers false for a code the model has")
        << Probe([](kiv::TaskDataBase &db, const QString &v) {
               return db.isDeviceCode(0, v, QStringLiteral("011001")) ? 1 : -1;
           })
        << QStringLiteral("CAM-A") << true;
    QTest::newRow("getAllSolutionType answers false")
        << Probe([](kiv::TaskDataBase &db, const QString &) {
               QStringList out;
               return count(db.getAllSolutionType(out), out);
           })
        << QString() << true;
    QTest::newRow("the English device list answers false")
        << Probe([](kiv::TaskDataBase &db, const QString &) {
               QStringList out;
               return count(db.getDeviceListEN(0, out), out);
           })
        << QString() << true;
    QTest::newRow("the Chinese device list answers false")
        << Probe([](kiv::TaskDataBase &db, const QString &) {
               QStringList out;
               return count(db.getDeviceListCN(1, out), out);
           })
        << QString() << true;
    QTest::newRow("getNVRInfo answers false") << Probe([](kiv::TaskDataBase &db, const QString &) {
        QList<NvrModel> out;
        return count(db.getNVRInfo(out), out);
    }) << QString() << true;
}

void TestCatalogueConnection::everyQueryIsFalseWhileClosed()
{
    QFETCH(Probe, probe);
    QFETCH(QString, model);
    QFETCH(bool, answersWhileOpen);
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(
        path, {QStringLiteral("solutions.sql"), QStringLiteral("resolutions.sql")}));
    kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(db.isOpen());
    if (answersWhileOpen)
        QVERIFY(probe(db, model) > 0);
    db.closeDB();
    QVERIFY(!db.isOpen());
    QCOMPARE(probe(db, model), -1);
}

void TestCatalogueConnection::classIndexOutsideTheTableIsFalse_data()
{
    QTest::addColumn<ClassQuery>("query");
    QTest::addColumn<int>("deviceClass");

    const QVector<QPair<const char *, ClassQuery>> queries = {
        {"getMainParam",
         [](kiv::TaskDataBase &db, int c) {
             QMap<QString, QString> m;
             return db.getMainParam(c, m);
         }},
        {"getSub1Param",
         [](kiv::TaskDataBase &db, int c) {
             QMap<QString, QString> m;
             return db.getSub1Param(c, QStringLiteral("010000"), m);
         }},
        {"getSub2Param",
         [](kiv::TaskDataBase &db, int c) {
             QVector<ParamItem> items;
             return db.getSub2Param(c, QStringLiteral("010100"), items);
         }},
        {"getDeviceByCodes",
         [](kiv::TaskDataBase &db, int c) {
             QVector<QString> out;
             return db.getDeviceByCodes(c, {QStringLiteral("011001")}, out);
         }},
        {"getDeviceAllParam",
         [](kiv::TaskDataBase &db, int c) {
             kiv::TaskDataBase::ParamSheet sheet;
             QVector<QString> headings;
             return db.getDeviceAllParam(c, QStringLiteral("CAM-A"), sheet, headings);
         }},
        {"getDeviceList",
         [](kiv::TaskDataBase &db, int c) {
             QStringList out;
             return db.getDeviceList(c, out);
         }},
        {"isDeviceCode",
         [](kiv::TaskDataBase &db, int c) {
             return db.isDeviceCode(c, QStringLiteral("CAM-A"), QStringLiteral("011001"));
         }},
        {"getDeviceByCodesOrdered",
         [](kiv::TaskDataBase &db, int c) {
             QVector<QString> out;
             return db.getDeviceByCodesOrdered(c, {QStringLiteral("011001")}, out);
         }},
        {"getRAIDType",
         [](kiv::TaskDataBase &db, int c) {
             QStringList out;
             return db.getRAIDType(c, QStringLiteral("NVR-A"), out);
         }},
        {"getHDDBayNumber",
         [](kiv::TaskDataBase &db, int c) {
             int bays = 0;
             return db.getHDDBayNumber(c, QStringLiteral("NVR-A"), bays);
         }},
    };
    for (const auto &entry : queries) {
        for (int deviceClass : {-1, 5}) {
            QTest::addRow("%s with class %d answers false", entry.first, deviceClass)
                << entry.second << deviceClass;
        }
    }
}

void TestCatalogueConnection::classIndexOutsideTheTableIsFalse()
{
    QFETCH(ClassQuery, query);
    QFETCH(int, deviceClass);
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("has no device class %1$").arg(deviceClass)));
    QVERIFY(!query(*m_shared, deviceClass));
}

void TestCatalogueConnection::valuesAreNeverReadAsSql_data()
{
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QString>("value");

    // Pasted between double quotes, a column name compares the column with
    // itself and matches every row; a quote ends the text early.
    const QStringList values{QStringLiteral("code"),
                             QStringLiteral("DeviceType"),
                             QStringLiteral("Industry"),
                             QStringLiteral("Scene"),
                             QStringLiteral("SolutionType"),
                             QStringLiteral("a\"b"),
                             QStringLiteral("x\" or \"1\"=\"1")};
    for (const auto &entry : probes()) {
        // The heading query takes no value; the resolution look-ups answer
        // from caches and never put a value into SQL.
        if (qstrcmp(entry.first, "getMainParam") == 0 ||
            qstrcmp(entry.first, "getIPCResolution") == 0 ||
            qstrcmp(entry.first, "getDomeResolution") == 0 ||
            qstrcmp(entry.first, "getDVRResolution") == 0 ||
            qstrcmp(entry.first, "getDVRFrameRate") == 0)
            continue;
        for (const QString &value : values) {
            QTest::addRow("%s of %s finds nothing", entry.first, qPrintable(value))
                << entry.second << value;
        }
    }
}

void TestCatalogueConnection::valuesAreNeverReadAsSql()
{
    QFETCH(Probe, probe);
    QFETCH(QString, value);
    QCOMPARE(probe(*m_shared, value), 0);
}

void TestCatalogueConnection::failingStatementIsLoggedWithItsSql()
{
    ProgramFolder folder;
    // A catalogue without the industry table.
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(path, {}));
    {
        QSqlDatabase writer =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drop-table"));
        writer.setDatabaseName(path);
        QVERIFY(writer.open());
        QSqlQuery drop(writer);
        QVERIFY(drop.exec(QStringLiteral("drop table IndustryParam")));
        writer.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("drop-table"));

    kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(db.isOpen());
    QTest::ignoreMessage(QtDebugMsg, "qeb TaskDataBase::getScene is sql: select* from "
                                     "IndustryParam where Industry = \"Education\"");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(
                                         "^qeb TaskDataBase::getScene is error: .*no such table")));
    QStringList scenes{QStringLiteral("untouched")};
    QVERIFY(!db.getScene(QStringLiteral("Education"), scenes));
    QCOMPARE(scenes, QStringList{QStringLiteral("untouched")});
}

void TestCatalogueConnection::listsKeepTheirOrderUnderAnotherHashSeed()
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(path, {QStringLiteral("solutions.sql"),
                                           QStringLiteral("resolutions.sql"),
                                           QStringLiteral("storage.sql")}));

    // What a task stores by position must mean the same after a restart,
    // when every hash table of the process has another seed.
    auto lists = [&path] {
        kiv::TaskDataBase db(path, CatalogueFixture::uniqueConnectionName(), 1);
        QStringList all;
        QStringList list;
        db.getAllSolutionType(list);
        all += list;
        db.getAllIndustry(QStringLiteral("Hybrid"), list);
        all += list;
        db.getScene(QStringLiteral("Education"), list);
        all += list;
        for (int deviceClass = 0; deviceClass <= 4; ++deviceClass) {
            db.getDeviceList(deviceClass, list);
            all += list;
        }
        db.getDVRResolution(QStringLiteral("DVR-A"), list);
        all += list;
        list.clear();
        db.getRAIDType(4, QStringLiteral("CVR-A"), list);
        all += list;
        return all;
    };

    QHashSeed::setDeterministicGlobalSeed();
    const QStringList first = lists();
    QHashSeed::resetRandomGlobalSeed();
    const QStringList second = lists();
    QCOMPARE(second, first);
    QVERIFY(first.size() > 20);
}

void TestCatalogueConnection::twoCataloguesEachOnTheirOwnConnection()
{
    ProgramFolder folder;
    const QString english = folder.file(QStringLiteral("Task_EN.db"));
    const QString chinese = folder.file(QStringLiteral("Task.db"));
    QVERIFY(CatalogueFixture::build(english, {QStringLiteral("solutions.sql")}));
    QVERIFY(CatalogueFixture::build(chinese, {QStringLiteral("storage.sql")}));

    auto first = std::make_unique<kiv::TaskDataBase>(english, QStringLiteral("first catalogue"), 0);
    kiv::TaskDataBase second(chinese, QStringLiteral("second catalogue"), 1);
    QVERIFY(first->isOpen());
    QVERIFY(second.isOpen());

    QStringList types;
    QVERIFY(first->getAllSolutionType(types));
    QCOMPARE(types.size(), 4);

    first.reset();
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("first catalogue")));
    QStringList raid;
    QVERIFY(second.getRAIDType(4, QStringLiteral("CVR-A"), raid));
    QCOMPARE(raid.size(), 3);
}

QTEST_GUILESS_MAIN(TestCatalogueConnection)
#include "tst_catalogueconnection.moc"
