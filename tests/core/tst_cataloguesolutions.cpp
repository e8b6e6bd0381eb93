#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

using TypeCounts = QMap<QString, int>;

class TestCatalogueSolutions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void solutionTypesInCatalogueOrder();
    void industriesOfASolutionType_data();
    void industriesOfASolutionType();
    void scenesOfAnIndustryInAnySolutionType();
    void devicesOfAScene_data();
    void devicesOfAScene();
    void devicesAddToTheCallersMap();
    void deviceLists_data();
    void deviceLists();
    void deviceListFollowsTheLanguage();
    void typeCodeComesFromTheParameterCodeTable();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_db;
};

void TestCatalogueSolutions::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_db = CatalogueFixture::open(m_folder->path(), {QStringLiteral("solutions.sql")});
    QVERIFY(m_db && m_db->isOpen());
}

void TestCatalogueSolutions::cleanup()
{
    m_db.reset();
    m_folder.reset();
}

void TestCatalogueSolutions::solutionTypesInCatalogueOrder()
{
    // A new task stores its type as a position in this list: it must be the
    // catalogue's order (first appearance by industry), every time.
    QStringList types{QStringLiteral("replaced")};
    QVERIFY(m_db->getAllSolutionType(types));
    QCOMPARE(types, (QStringList{QStringLiteral("Cloud"), QStringLiteral("Hybrid"),
                                 QStringLiteral("Network"), QStringLiteral("Analog")}));
}

void TestCatalogueSolutions::industriesOfASolutionType_data()
{
    QTest::addColumn<QString>("solutionType");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("the industries of a type, each once, by name")
        << QStringLiteral("Hybrid")
        << QStringList{QStringLiteral("Banking"), QStringLiteral("Education")};
    QTest::newRow("a type with one industry")
        << QStringLiteral("Network") << QStringList{QStringLiteral("Education")};
    QTest::newRow("a type without rows gives an empty list")
        << QStringLiteral("Space") << QStringList{};
}

void TestCatalogueSolutions::industriesOfASolutionType()
{
    QFETCH(QString, solutionType);
    QFETCH(QStringList, expected);
    QStringList industries{QStringLiteral("replaced")};
    QVERIFY(m_db->getAllIndustry(solutionType, industries));
    QCOMPARE(industries, expected);
}

void TestCatalogueSolutions::scenesOfAnIndustryInAnySolutionType()
{
    QStringList scenes{QStringLiteral("replaced")};
    QVERIFY(m_db->getScene(QStringLiteral("Education"), scenes));
    // Row order, each scene once; Dormitory exists only in the Hybrid type.
    QCOMPARE(scenes, (QStringList{QStringLiteral("Gate"), QStringLiteral("Classroom"),
                                  QStringLiteral("Library"), QStringLiteral("Dormitory")}));
}

void TestCatalogueSolutions::devicesOfAScene_data()
{
    QTest::addColumn<QString>("industry");
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("solutionType");
    QTest::addColumn<TypeCounts>("expected");

    QTest::newRow("a repeated device type takes the later row's count")
        << QStringLiteral("Education") << QStringLiteral("Gate") << QStringLiteral("Network")
        << TypeCounts{{QStringLiteral("CAM-A"), 6}, {QStringLiteral("DOME-A"), 1}};
    QTest::newRow("the same scene in another solution type has its own devices")
        << QStringLiteral("Education") << QStringLiteral("Gate") << QStringLiteral("Hybrid")
        << TypeCounts{{QStringLiteral("DVR-A"), 1}};
    QTest::newRow("a scene of another solution type has no devices")
        << QStringLiteral("Education") << QStringLiteral("Dormitory") << QStringLiteral("Network")
        << TypeCounts{};
    QTest::newRow("a count that is not a number is 0")
        << QStringLiteral("Retail") << QStringLiteral("Shop") << QStringLiteral("Analog")
        << TypeCounts{{QStringLiteral("CAM-B"), 0}};
}

void TestCatalogueSolutions::devicesOfAScene()
{
    QFETCH(QString, industry);
    QFETCH(QString, scene);
    QFETCH(QString, solutionType);
    QFETCH(TypeCounts, expected);
    TypeCounts counts;
    QVERIFY(m_db->getDevice(industry, scene, solutionType, counts));
    QCOMPARE(counts, expected);
}

void TestCatalogueSolutions::devicesAddToTheCallersMap()
{
    TypeCounts counts{{QStringLiteral("CAM-A"), 99}, {QStringLiteral("KEPT"), 1}};
    QVERIFY(m_db->getDevice(QStringLiteral("Education"), QStringLiteral("Gate"),
                            QStringLiteral("Network"), counts));
    QCOMPARE(counts, (TypeCounts{{QStringLiteral("CAM-A"), 6},
                                 {QStringLiteral("DOME-A"), 1},
                                 {QStringLiteral("KEPT"), 1}}));
}

void TestCatalogueSolutions::deviceLists_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Chinese NVR list: NVR models, then hybrid ones; one with both stands twice")
        << 1 << 3
        << QStringList{QStringLiteral("NVR-A"), QStringLiteral("NVR-B"), QStringLiteral("HNVR-A"),
                       QStringLiteral("NVR-A")};
    QTest::newRow("Chinese DVR list: DVR models, then hybrid ones")
        << 1 << 1
        << QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B"), QStringLiteral("DVR-X"),
                       QStringLiteral("HNVR-A"), QStringLiteral("NVR-A")};
    QTest::newRow("Chinese camera list: every model of the table, once, in table order")
        << 1 << 0
        << QStringList{QStringLiteral("CAM-B"), QStringLiteral("CAM-A"), QStringLiteral("CAM-Z")};
    QTest::newRow("Chinese speed-dome list: every model of the table")
        << 1 << 2
        << QStringList{QStringLiteral("DOME-B"), QStringLiteral("DOME-A"),
                       QStringLiteral("DOME-Q")};
    QTest::newRow("Chinese CVR list: every model of the table")
        << 1 << 4 << QStringList{QStringLiteral("CVR-A"), QStringLiteral("CVR-X")};
    QTest::newRow("English NVR list: only models with the English mark")
        << 0 << 3
        << QStringList{QStringLiteral("NVR-A"), QStringLiteral("NVR-B"), QStringLiteral("HNVR-A"),
                       QStringLiteral("NVR-A")};
    QTest::newRow("English DVR list leaves out a DVR without the English mark")
        << 0 << 1
        << QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B"), QStringLiteral("HNVR-A"),
                       QStringLiteral("NVR-A")};
    QTest::newRow("English camera list: models with the camera mark, by name")
        << 0 << 0 << QStringList{QStringLiteral("CAM-A"), QStringLiteral("CAM-B")};
    QTest::newRow("English speed-dome list: models with the dome mark, by name")
        << 0 << 2 << QStringList{QStringLiteral("DOME-A"), QStringLiteral("DOME-B")};
    QTest::newRow("English CVR list: models with the CVR mark")
        << 0 << 4 << QStringList{QStringLiteral("CVR-A")};
}

void TestCatalogueSolutions::deviceLists()
{
    QFETCH(int, language);
    QFETCH(int, deviceClass);
    QFETCH(QStringList, expected);
    // No ParamCode.xml: the built-in type codes serve.
    QStringList list{QStringLiteral("replaced")};
    QVERIFY(language == 0 ? m_db->getDeviceListEN(deviceClass, list)
                          : m_db->getDeviceListCN(deviceClass, list));
    QCOMPARE(list, expected);
}

void TestCatalogueSolutions::deviceListFollowsTheLanguage()
{
    const QString path = m_folder->file(QStringLiteral("Task_EN.db"));
    kiv::TaskDataBase english(path, CatalogueFixture::uniqueConnectionName(), 0);
    kiv::TaskDataBase chinese(path, CatalogueFixture::uniqueConnectionName(), 1);
    kiv::TaskDataBase passedThrough(path, CatalogueFixture::uniqueConnectionName(), 2);

    QStringList list;
    QVERIFY(english.getDeviceList(1, list));
    QVERIFY(!list.contains(QStringLiteral("DVR-X")));
    QVERIFY(chinese.getDeviceList(1, list));
    QVERIFY(list.contains(QStringLiteral("DVR-X")));
    list.clear();
    QVERIFY(passedThrough.getDeviceList(1, list));
    QVERIFY(list.contains(QStringLiteral("DVR-X")));
}

void TestCatalogueSolutions::typeCodeComesFromTheParameterCodeTable()
{
    // The table names 019999 as the NVR code and lacks every other kind.
    QVERIFY(
        CatalogueFixture::useParamCode(m_folder->path(), QStringLiteral("nvr-type-019999.xml")));
    QStringList list;
    QVERIFY(m_db->getDeviceListEN(3, list));
    QCOMPARE(list, (QStringList{QStringLiteral("NVR-T"), QStringLiteral("HNVR-A"),
                                QStringLiteral("NVR-A")}));
}

QTEST_GUILESS_MAIN(TestCatalogueSolutions)
#include "tst_cataloguesolutions.moc"
