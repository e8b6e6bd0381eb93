#include "LensTestSupport.h"

#include <CMonitorSimulate.h>
#include <CSimulateTextNode.h>

#include <QImage>
#include <QtTest>

#include <cmath>
#include <limits>

// The monitor view's shares and clamps, and the value labels' texts.
class TestLensMonitorTextNode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textNodeFormatsDecimals_data();
    void textNodeFormatsDecimals();
    void textNodeKeepsWholeNumbersAndTexts();
    void textNodePaintsOnlyTheDegreeSignAsUnit_data();
    void textNodePaintsOnlyTheDegreeSignAsUnit();

    void monitorStartsWithItsInitialShares();
    void monitorShares_data();
    void monitorShares();
    void monitorDropsCallsItCannotUse_data();
    void monitorDropsCallsItCannotUse();
    void monitorPaintsSkyOverGroundAtTheShare();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensMonitorTextNode::init()
{
    m_programFolder.start();
}

void TestLensMonitorTextNode::cleanup()
{
    m_programFolder.stop();
}

void TestLensMonitorTextNode::textNodeFormatsDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("11.08 shows one decimal") << 11.08 << QStringLiteral("11.1");
    QTest::newRow("1000 still shows its decimal") << 1000.0 << QStringLiteral("1000.0");
    QTest::newRow("1000.5 shows the whole number") << 1000.5 << QStringLiteral("1000");
    QTest::newRow("a width beyond the range of int keeps its digits")
        << 12345678901.7 << QStringLiteral("12345678901");
    QTest::newRow("a negative value shows its sign") << -2.34 << QStringLiteral("-2.3");
    QTest::newRow("not a number shows a dash")
        << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("--");
    QTest::newRow("infinity shows a dash") << inf << QStringLiteral("--");
}

void TestLensMonitorTextNode::textNodeFormatsDecimals()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    CSimulateTextNode node;
    node.setValue(value);
    QCOMPARE(node.value(), shown);
}

void TestLensMonitorTextNode::textNodeKeepsWholeNumbersAndTexts()
{
    CSimulateTextNode node;
    QCOMPARE(node.size(), QSize(35, 13));
    QCOMPARE(node.value(), QString());
    node.setValue(25);
    QCOMPARE(node.value(), QStringLiteral("25"));
    node.setText(QStringLiteral("30") + pendrik::degreeSignText());
    QCOMPARE(node.value(), QStringLiteral("30\u00B0"));
    QCOMPARE(pendrik::degreeSignText(), QStringLiteral("\u00B0"));
}

void TestLensMonitorTextNode::textNodePaintsOnlyTheDegreeSignAsUnit_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("painted");
    QTest::newRow("the degree sign is painted") << QStringLiteral("\u00B0") << true;
    QTest::newRow("metres are not painted") << QStringLiteral("m") << false;
}

void TestLensMonitorTextNode::textNodePaintsOnlyTheDegreeSignAsUnit()
{
    QFETCH(QString, unit);
    QFETCH(bool, painted);
    // No value, so whatever shows is the unit.
    CSimulateTextNode node;
    node.resize(60, 18);
    node.setUnit(unit);
    const QImage image = node.grab().toImage();
    bool inked = false;
    for (int y = 0; y < image.height() && !inked; ++y) {
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = qBlue(image.pixel(x, y)) - qRed(image.pixel(x, y)) > 30;
    }
    QCOMPARE(inked, painted);
}

void TestLensMonitorTextNode::monitorStartsWithItsInitialShares()
{
    CMonitorSimulate monitor;
    QCOMPARE(monitor.skyShare(), 0.5f);
    QCOMPARE(monitor.farScale(), 0.3f);
    QCOMPARE(monitor.nearScale(), 0.6f);
}

void TestLensMonitorTextNode::monitorShares_data()
{
    QTest::addColumn<float>("object");
    QTest::addColumn<float>("nearView");
    QTest::addColumn<float>("farTop");
    QTest::addColumn<float>("farDrop");
    QTest::addColumn<float>("sky");
    QTest::addColumn<float>("farScale");
    QTest::addColumn<float>("nearScale");

    QTest::newRow("1.7 m in 3.4 and 6.8 over 1.7 give 0.8, 0.25 and 0.5")
        << 1.7f << 3.4f << 6.8f << 1.7f << 0.8f << 0.25f << 0.5f;
    QTest::newRow("a picture of no height at the far edge gives all sky")
        << 1.0f << 2.0f << 2.0f << -2.0f << 1.0f << 0.5f << 0.5f;
    QTest::newRow("a picture of no height below the ground gives no sky")
        << 1.0f << 2.0f << -2.0f << 2.0f << 0.0f << 0.0f << 0.5f;
    QTest::newRow("a far object taller than ten sky bands is drawn ten bands high")
        << 50.0f << 100.0f << 2.0f << 0.0f << 1.0f << 10.0f << 0.5f;
    QTest::newRow("tiny shares become 0")
        << 0.00001f << 1.0f << 1.0f << 0.0f << 1.0f << 0.0f << 0.0f;
}

void TestLensMonitorTextNode::monitorShares()
{
    QFETCH(float, object);
    QFETCH(float, nearView);
    QFETCH(float, farTop);
    QFETCH(float, farDrop);
    CMonitorSimulate monitor;
    monitor.ProPortionChanged(object, nearView, farTop, farDrop);
    QTEST(monitor.skyShare(), "sky");
    QTEST(monitor.farScale(), "farScale");
    QTEST(monitor.nearScale(), "nearScale");
}

void TestLensMonitorTextNode::monitorDropsCallsItCannotUse_data()
{
    QTest::addColumn<float>("object");
    QTest::addColumn<float>("nearView");
    QTest::addColumn<float>("farTop");
    QTest::addColumn<float>("farDrop");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("no picture above the near edge") << 1.7f << 0.0f << 6.8f << 1.7f;
    QTest::newRow("no picture top above the far edge") << 1.7f << 3.4f << 0.0f << 1.7f;
    QTest::newRow("a drop the geometry cannot give") << 1.7f << 3.4f << 6.8f << nan;
    QTest::newRow("a height the geometry cannot give") << 1.7f << nan << 6.8f << 1.7f;
    QTest::newRow("an infinite object") << inf << 3.4f << 6.8f << 1.7f;
}

void TestLensMonitorTextNode::monitorDropsCallsItCannotUse()
{
    QFETCH(float, object);
    QFETCH(float, nearView);
    QFETCH(float, farTop);
    QFETCH(float, farDrop);
    CMonitorSimulate monitor;
    monitor.ProPortionChanged(1.7f, 3.4f, 6.8f, 1.7f);
    monitor.ProPortionChanged(object, nearView, farTop, farDrop);
    QCOMPARE(monitor.skyShare(), 0.8f);
    QCOMPARE(monitor.farScale(), 0.25f);
    QCOMPARE(monitor.nearScale(), 0.5f);
}

void TestLensMonitorTextNode::monitorPaintsSkyOverGroundAtTheShare()
{
    CMonitorSimulate monitor;
    monitor.resize(202, 200);
    monitor.ProPortionChanged(1.7f, 3.4f, 6.8f, 1.7f);
    const QImage image = monitor.grab().toImage();
    const QRgb sky = QColor(134, 165, 185).rgb();
    const QRgb ground = QColor(238, 207, 179).rgb();
    // Sky share 0.8 of 200 pixels: the horizon lies at y = 160. The left
    // edge is clear of both objects (at 30 % and 60 % of the width).
    QCOMPARE(image.pixel(5, 10), sky);
    QCOMPARE(image.pixel(5, 159), sky);
    QCOMPARE(image.pixel(5, 160), ground);
    QCOMPARE(image.pixel(5, 199), ground);
    // The near object, half the picture high, stands on the bottom edge
    // from 60 % of the width on.
    bool objectOnTheBottomRow = false;
    for (int x = 120; x < 200; ++x)
        objectOnTheBottomRow |= image.pixel(x, 198) != ground;
    QVERIFY(objectOnTheBottomRow);
}

QTEST_MAIN(TestLensMonitorTextNode)
#include "tst_lens_monitor_text_node.moc"
