#include "CatalogueFixture.h"
#include "IndustrySolutions.h"
#include "ProgramFolder.h"

#include <QtTest>

#include <memory>

using kiv::IndustrySolutions;

// The industry solutions of a solution type as the new-task dialog offers
// them, read from the demo catalogue of the build, and the devices ticked
// scenes bring into a task.
class TestIndustrySolutions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void industriesScenesAndDevicesOfASolutionType();
    void aSolutionTypeWithoutRowsHasNoIndustries();
    void deviceTotal_data();
    void deviceTotal();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_demo;
};

void TestIndustrySolutions::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(QFile::copy(QStringLiteral(VARNEL_PROGRAM_DIR "/Task_EN.db"),
                        m_folder->file(QStringLiteral("Task_EN.db"))));
    m_demo = std::make_unique<kiv::TaskDataBase>(m_folder->file(QStringLiteral("Task_EN.db")),
                                                 CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(m_demo->isOpen());
}

void TestIndustrySolutions::cleanupTestCase()
{
    m_demo.reset();
    m_folder.reset();
}

void TestIndustrySolutions::industriesScenesAndDevicesOfASolutionType()
{
    const IndustrySolutions solutions =
        IndustrySolutions::read(*m_demo, QStringLiteral("HD Network Solution"));
    QCOMPARE(solutions.industries,
             (QStringList{QStringLiteral("Education"), QStringLiteral("Railways"),
                          QStringLiteral("Retail")}));
    // Scenes in the catalogue's order, not by name.
    QCOMPARE(solutions.sceneNames.value(QStringLiteral("Retail")),
             (QStringList{QStringLiteral("Store Entrance"), QStringLiteral("Checkout Counter"),
                          QStringLiteral("Warehouse")}));
    const QMap<QString, int> platform = solutions.scenes.value(QStringLiteral("Railways"))
                                            .value(QStringLiteral("Station Platform"));
    QCOMPARE(platform,
             (QMap<QString, int>{{QStringLiteral("KC-D41"), 8}, {QStringLiteral("KS-P230"), 2}}));
    QCOMPARE(solutions.scenes.value(QStringLiteral("Education")).size(), 3);
    QVERIFY(!solutions.scenes.contains(QStringLiteral("Finance")));
}

void TestIndustrySolutions::aSolutionTypeWithoutRowsHasNoIndustries()
{
    const IndustrySolutions solutions =
        IndustrySolutions::read(*m_demo, QStringLiteral("Custum Solution"));
    QVERIFY(solutions.industries.isEmpty());
    QVERIFY(solutions.scenes.isEmpty());
}

void TestIndustrySolutions::deviceTotal_data()
{
    QTest::addColumn<QStringList>("scenes");
    QTest::addColumn<qint64>("total");
    // Education: Campus Entrance 4 + 1, Classroom 2 + 1, Playground 2 + 4.
    QTest::newRow("every scene of the industry")
        << QStringList{QStringLiteral("Campus Entrance"), QStringLiteral("Classroom"),
                       QStringLiteral("Playground")}
        << qint64(14);
    QTest::newRow("two of its scenes")
        << QStringList{QStringLiteral("Campus Entrance"), QStringLiteral("Playground")}
        << qint64(11);
    QTest::newRow("no scene brings no device") << QStringList{} << qint64(0);
    QTest::newRow("a scene of another industry brings none")
        << QStringList{QStringLiteral("Classroom"), QStringLiteral("Warehouse")} << qint64(3);
}

void TestIndustrySolutions::deviceTotal()
{
    QFETCH(QStringList, scenes);
    QFETCH(qint64, total);
    const IndustrySolutions solutions =
        IndustrySolutions::read(*m_demo, QStringLiteral("HD Network Solution"));
    QCOMPARE(
        IndustrySolutions::deviceTotal(solutions.scenes.value(QStringLiteral("Education")), scenes),
        total);
}

QTEST_MAIN(TestIndustrySolutions)
#include "tst_industrysolutions.moc"
