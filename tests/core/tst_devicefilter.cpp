#include "CatalogueFixture.h"
#include "DeviceFilter.h"
#include "ProgramFolder.h"

#include <QtTest>

#include <memory>

using kiv::DeviceFilter;
using kiv::FilterGroupTicks;
using Groups = QVector<FilterGroupTicks>;

Q_DECLARE_METATYPE(Groups)

// Picking device models by ticked parameter codes and a keyword, without the
// dialog: over the demo catalogue of the build, and over a small catalogue
// for the lists that name a model twice or hold NVRs among the DVRs.
class TestDeviceFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void filterOnTheDemoCatalogue_data();
    void filterOnTheDemoCatalogue();
    void groupsBeyondTheWorkingListsTakeNoPart();
    void keywordIsPlainTextMatchedAnywhere_data();
    void keywordIsPlainTextMatchedAnywhere();
    void classListsInCatalogueOrder();
    void dvrListLeavesOutNvrsUntilAFilterRun();
    void closedCatalogueListsNothing();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_demo;
    std::unique_ptr<kiv::TaskDataBase> m_picking;
};

namespace {

const QStringList kCameras{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                           QStringLiteral("KC-B41"), QStringLiteral("KC-D21"),
                           QStringLiteral("KC-D41"), QStringLiteral("KC-F81")};
const QStringList kBullets{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                           QStringLiteral("KC-B41")};

// Camera codes of the demo catalogue.
const QString kBullet = QStringLiteral("020101");
const QString kBox = QStringLiteral("020103");
const QString kTcp = QStringLiteral("050101");
const QString kHttps = QStringLiteral("050103");
const QString kFullHd = QStringLiteral("040201");
// DVR code: four disk bays, which one NVR has as well.
const QString kFourBays = QStringLiteral("050103");

FilterGroupTicks anyOf(const QVector<QString> &codes)
{
    return FilterGroupTicks{codes, false};
}

FilterGroupTicks allOf(const QVector<QString> &codes)
{
    return FilterGroupTicks{codes, true};
}

} // namespace

void TestDeviceFilter::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    for (const char *name : {"ParamCode.xml", "Task_EN.db"}) {
        QVERIFY2(QFile::copy(QStringLiteral(VARNEL_PROGRAM_DIR "/") + QLatin1String(name),
                             m_folder->file(QLatin1String(name))),
                 name);
    }
    m_demo = std::make_unique<kiv::TaskDataBase>(m_folder->file(QStringLiteral("Task_EN.db")),
                                                 CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(m_demo->isOpen());
    m_picking = CatalogueFixture::open(m_folder->path(), {QStringLiteral("picking.sql")}, 0,
                                       QStringLiteral("picking.db"));
    QVERIFY(m_picking && m_picking->isOpen());
}

void TestDeviceFilter::cleanupTestCase()
{
    m_demo.reset();
    m_picking.reset();
    m_folder.reset();
}

void TestDeviceFilter::filterOnTheDemoCatalogue_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("without ticks the class is listed in ascending order")
        << int(kiv::NetworkCamera) << Groups{} << kCameras;
    QTest::newRow("a group with its Whether to satisfy box alone takes no part")
        << int(kiv::NetworkCamera) << Groups{allOf({}), anyOf({kBullet})} << kBullets;
    QTest::newRow("one value lists the models carrying it")
        << int(kiv::NetworkCamera) << Groups{anyOf({kBullet})} << kBullets;
    QTest::newRow("two values of an Any One group list the models having either")
        << int(kiv::NetworkCamera) << Groups{anyOf({kBullet, kBox})}
        << kBullets + QStringList{QStringLiteral("KC-F81")};
    QTest::newRow("two values asked for as either list every camera")
        << int(kiv::NetworkCamera) << Groups{anyOf({kHttps, kTcp})} << kCameras;
    QTest::newRow("two values asked for together list the models having both")
        << int(kiv::NetworkCamera) << Groups{allOf({kHttps, kTcp})}
        << QStringList{QStringLiteral("KC-B21Z"), QStringLiteral("KC-B41"),
                       QStringLiteral("KC-D41"), QStringLiteral("KC-F81")};
    QTest::newRow("ticks in two groups list the models passing both")
        << int(kiv::NetworkCamera) << Groups{anyOf({kBullet}), anyOf({kHttps})}
        << QStringList{QStringLiteral("KC-B21Z"), QStringLiteral("KC-B41")};
    QTest::newRow("groups no model passes together empty the list")
        << int(kiv::NetworkCamera) << Groups{anyOf({kBox}), anyOf({kFullHd})} << QStringList{};
    QTest::newRow("a value no model carries empties the list")
        << int(kiv::NetworkCamera) << Groups{anyOf({kBullet}), anyOf({QStringLiteral("029999")})}
        << QStringList{};
    QTest::newRow("a DVR value lists only the models of the DVR list")
        << int(kiv::Dvr) << Groups{anyOf({kFourBays})} << QStringList{QStringLiteral("KH-16")};
    QTest::newRow("a speed-dome value")
        << int(kiv::SpeedDome) << Groups{anyOf({QStringLiteral("020202")})}
        << QStringList{QStringLiteral("KS-P230"), QStringLiteral("KS-P430")};
}

void TestDeviceFilter::filterOnTheDemoCatalogue()
{
    QFETCH(int, deviceClass);
    QFETCH(Groups, groups);
    QFETCH(QStringList, expected);
    QCOMPARE(DeviceFilter(*m_demo).filter(deviceClass, groups), expected);
}

void TestDeviceFilter::groupsBeyondTheWorkingListsTakeNoPart()
{
    const DeviceFilter filter(*m_demo);
    // 250 groups fill every working list: the class list takes no part, so
    // the NVR with four bays passes as well.
    Groups groups(DeviceFilter::kWorkingLists, anyOf({kFourBays}));
    QCOMPARE(filter.filter(kiv::Dvr, groups),
             (QStringList{QStringLiteral("KH-16"), QStringLiteral("KN-16")}));
    // With one group less the class list is back.
    groups.removeLast();
    QCOMPARE(filter.filter(kiv::Dvr, groups), QStringList{QStringLiteral("KH-16")});

    // A 251st group would empty the list (no bullet is a box camera): it
    // takes no part.
    Groups cameras(DeviceFilter::kWorkingLists, anyOf({kBullet}));
    cameras.append(anyOf({kBox}));
    QCOMPARE(filter.filter(kiv::NetworkCamera, cameras), kBullets);
}

void TestDeviceFilter::keywordIsPlainTextMatchedAnywhere_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("an empty keyword keeps every model") << QString() << kBullets;
    QTest::newRow("a part of a name in its middle")
        << QStringLiteral("B2") << QStringList{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z")};
    QTest::newRow("the keyword is case-sensitive") << QStringLiteral("kc") << QStringList{};
    QTest::newRow("a dot is a dot, not any character") << QStringLiteral(".") << QStringList{};
    QTest::newRow("brackets are text") << QStringLiteral("B21(") << QStringList{};
    QTest::newRow("a whole name finds itself")
        << QStringLiteral("KC-B41") << QStringList{QStringLiteral("KC-B41")};
}

void TestDeviceFilter::keywordIsPlainTextMatchedAnywhere()
{
    QFETCH(QString, keyword);
    QFETCH(QStringList, expected);
    QCOMPARE(DeviceFilter(*m_demo).filter(kiv::NetworkCamera, {anyOf({kBullet})}, keyword),
             expected);
    const QRegularExpression pattern = DeviceFilter::keywordPattern(keyword);
    QVERIFY(pattern.isValid());
    QCOMPARE(pattern.match(QStringLiteral("KC-B21(W)")).hasMatch(),
             QStringLiteral("KC-B21(W)").contains(keyword));
}

void TestDeviceFilter::classListsInCatalogueOrder()
{
    const DeviceFilter filter(*m_demo);
    QCOMPARE(filter.classList(kiv::NetworkCamera), kCameras);
    // The DVRs, then the hybrid NVRs; the NVRs are no DVRs.
    QCOMPARE(filter.classList(kiv::Dvr),
             (QStringList{QStringLiteral("KD-04"), QStringLiteral("KD-08"), QStringLiteral("KD-16"),
                          QStringLiteral("KH-08"), QStringLiteral("KH-16")}));
    QCOMPARE(filter.classList(kiv::SpeedDome),
             (QStringList{QStringLiteral("KS-P220"), QStringLiteral("KS-P230"),
                          QStringLiteral("KS-P430")}));
}

void TestDeviceFilter::dvrListLeavesOutNvrsUntilAFilterRun()
{
    // DVR-A is a DVR and a hybrid NVR, so both halves of the list name it;
    // DVR-N carries the NVR code.
    const DeviceFilter filter(*m_picking);
    QCOMPARE(filter.classList(kiv::Dvr),
             (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B")}));
    QCOMPARE(
        filter.filter(kiv::Dvr, {}),
        (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B"), QStringLiteral("DVR-N")}));
    // Named twice by the list, DVR-A still passes a group once.
    QCOMPARE(filter.filter(kiv::Dvr, {anyOf({QStringLiteral("020101")})}),
             (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B")}));
    QCOMPARE(filter.filter(kiv::Dvr, {anyOf({QStringLiteral("020102")})}),
             QStringList{QStringLiteral("DVR-N")});
}

void TestDeviceFilter::closedCatalogueListsNothing()
{
    kiv::TaskDataBase missing(m_folder->file(QStringLiteral("none.db")),
                              CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(!missing.isOpen());
    const DeviceFilter filter(missing);
    QVERIFY(filter.classList(kiv::NetworkCamera).isEmpty());
    QVERIFY(filter.filter(kiv::NetworkCamera, {}).isEmpty());
    QVERIFY(filter.filter(kiv::NetworkCamera, {anyOf({kBullet})}).isEmpty());
}

QTEST_MAIN(TestDeviceFilter)
#include "tst_devicefilter.moc"
