#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

class TestCatalogueStorage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void raidTypesOfAModel_data();
    void raidTypesOfAModel();
    void diskBaysOfAModel_data();
    void diskBaysOfAModel();
    void nvrModelsInListOrder();
    void nvrBandwidthInKbps_data();
    void nvrBandwidthInKbps();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_db;
};

void TestCatalogueStorage::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_db = CatalogueFixture::open(m_folder->path(), {QStringLiteral("storage.sql")});
    QVERIFY(m_db && m_db->isOpen());
}

void TestCatalogueStorage::cleanup()
{
    m_db.reset();
    m_folder.reset();
}

void TestCatalogueStorage::raidTypesOfAModel_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("NVR RAID types in catalogue order")
        << 3 << QStringLiteral("NVR-A")
        << QStringList{QStringLiteral("RAID5"), QStringLiteral("RAID0")};
    QTest::newRow("CVR RAID types, the hot-spare marker among them")
        << 4 << QStringLiteral("CVR-A")
        << QStringList{QStringLiteral("HOT-Spare"), QStringLiteral("RAID6"),
                       QStringLiteral("RAID50")};
    QTest::newRow("a model without RAID rows has none")
        << 3 << QStringLiteral("NVR-F") << QStringList{};
    QTest::newRow("a class other than NVR and CVR has no RAID group")
        << 1 << QStringLiteral("NVR-A") << QStringList{};
}

void TestCatalogueStorage::raidTypesOfAModel()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, model);
    QFETCH(QStringList, expected);
    QStringList types{QStringLiteral("held before")};
    QVERIFY(m_db->getRAIDType(deviceClass, model, types));
    QCOMPARE(types, QStringList{QStringLiteral("held before")} + expected);
}

void TestCatalogueStorage::diskBaysOfAModel_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("expected");

    QTest::newRow("an NVR's bay count") << 3 << QStringLiteral("NVR-A") << 4;
    QTest::newRow("a CVR's first bay row counts") << 4 << QStringLiteral("CVR-A") << 24;
    QTest::newRow("a bay text that is not a whole number is 0")
        << 3 << QStringLiteral("NVR-B") << 0;
    QTest::newRow("a model without a bay row leaves the count as it was")
        << 3 << QStringLiteral("NVR-F") << -7;
}

void TestCatalogueStorage::diskBaysOfAModel()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, model);
    QFETCH(int, expected);
    int bays = -7;
    QVERIFY(m_db->getHDDBayNumber(deviceClass, model, bays));
    QCOMPARE(bays, expected);
}

void TestCatalogueStorage::nvrModelsInListOrder()
{
    QList<NvrModel> models;
    NvrModel held;
    held.name = QStringLiteral("held before");
    models.append(held);
    QVERIFY(m_db->getNVRInfo(models));

    QStringList names;
    QList<int> ids;
    for (const NvrModel &model : models) {
        names.append(model.name);
        ids.append(model.id);
    }
    QCOMPARE(names,
             (QStringList{QStringLiteral("held before"), QStringLiteral("NVR-A"),
                          QStringLiteral("NVR-B"), QStringLiteral("NVR-C"), QStringLiteral("NVR-D"),
                          QStringLiteral("NVR-E"), QStringLiteral("NVR-F")}));
    QCOMPARE(ids, (QList<int>{0, 0, 1, 2, 3, 4, 5}));

    const NvrModel &a = models.at(1);
    QCOMPARE(a.analogInputNumber, 8);
    QCOMPARE(a.netInputNumber, 16);
    QCOMPARE(a.channelLimit, 0);
    QCOMPARE(models.at(2).netInputNumber, 32);

    // A model without figures has zeros.
    const NvrModel &f = models.last();
    QCOMPARE(f.analogInputNumber, 0);
    QCOMPARE(f.netInputNumber, 0);
    QCOMPARE(f.bandwidth, qint64(0));
}

void TestCatalogueStorage::nvrBandwidthInKbps_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("128 Mbps is 131072 Kbps") << QStringLiteral("NVR-A") << qint64(131072);
    QTest::newRow("2097152 Mbps is 2147483648 Kbps, past the int range")
        << QStringLiteral("NVR-B") << qint64(2147483648LL);
    QTest::newRow("a figure whose Kbps pass the 64-bit range is clamped")
        << QStringLiteral("NVR-C") << qint64(9223372036854774784LL);
    QTest::newRow("a negative figure counts as none") << QStringLiteral("NVR-D") << qint64(0);
    QTest::newRow("a figure that is not a whole number is 0")
        << QStringLiteral("NVR-E") << qint64(0);
}

void TestCatalogueStorage::nvrBandwidthInKbps()
{
    QFETCH(QString, model);
    QFETCH(qint64, expected);
    QList<NvrModel> models;
    QVERIFY(m_db->getNVRInfo(models));
    for (const NvrModel &m : std::as_const(models)) {
        if (m.name == model) {
            QCOMPARE(m.bandwidth, expected);
            return;
        }
    }
    QFAIL("model missing from the NVR table");
}

QTEST_GUILESS_MAIN(TestCatalogueStorage)
#include "tst_cataloguestorage.moc"
