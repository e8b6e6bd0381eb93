#include "LensTestSupport.h"

#include <LensFormulas.h>

#include <QtTest>

#include <cmath>
#include <limits>

using namespace pendrik;

// The worked numbers of the lens geometry, each to the precision it is
// known to (half a unit of its last digit).
class TestLensFormulas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void workedNumbers_data();
    void workedNumbers();
    void shortPiIsPartOfTheResults();
    void inputsWithoutAResultGiveNone_data();
    void inputsWithoutAResultGiveNone();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensFormulas::init()
{
    m_programFolder.start();
}

void TestLensFormulas::cleanup()
{
    m_programFolder.stop();
}

namespace {

enum Formula {
    AngleOfUnitSlope,
    FocalLength,
    HorizontalAngle,
    VerticalAngle,
    CoverageWidth,
    NearGroundDistance,
    UpperEdgeHeight,
    LowerEdgeDrop,
    BracketAngle,
    DegreesToRadians,
};

std::optional<double> evaluate(int formula, const QList<double> &a)
{
    switch (formula) {
    case AngleOfUnitSlope:
        return radianToDegree(std::atan2(a.at(0), a.at(1)));
    case FocalLength:
        return calcFocalLength(a.at(0), a.at(1), a.at(2));
    case HorizontalAngle:
        return calcHorizontalAngle(a.at(0), a.at(1));
    case VerticalAngle:
        return calcVerticalAngle(a.at(0), a.at(1));
    case CoverageWidth:
        return calcCoverageWidth(a.at(0), a.at(1));
    case NearGroundDistance:
        return calcNearGroundDistance(a.at(0), a.at(1), a.at(2), a.at(3));
    case UpperEdgeHeight:
        return calcUpperEdgeHeight(a.at(0), a.at(1), a.at(2), a.at(3));
    case LowerEdgeDrop:
        return calcLowerEdgeDrop(a.at(0), a.at(1), a.at(2), a.at(3), a.at(4));
    case BracketAngle:
        return calcBracketAngle(a.at(0), a.at(1), a.at(2));
    case DegreesToRadians:
        return degreeToRadian(a.at(0));
    }
    return std::nullopt;
}

} // namespace

void TestLensFormulas::workedNumbers_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<QList<double>>("args");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("the angle of atan2(1, 1) is 45.0000008 degrees")
        << int(AngleOfUnitSlope) << QList<double>{1, 1} << 45.0000008 << 5e-8;
    QTest::newRow("the angle of atan2(1, 1) is 45.00000076761726 to full precision")
        << int(AngleOfUnitSlope) << QList<double>{1, 1} << 45.00000076761726 << 1e-12;
    QTest::newRow("180 degrees are the short pi in radians")
        << int(DegreesToRadians) << QList<double>{180} << 3.1415926 << 1e-15;
    QTest::newRow("a 90 degree view covers 19.9999995 at 10")
        << int(CoverageWidth) << QList<double>{90, 10} << 19.9999995 << 5e-8;
    QTest::newRow("a 4.8 mm sensor shows 10 m at 15 m with 7.2 mm")
        << int(FocalLength) << QList<double>{15, 10, 4.8} << 7.2 << 1e-12;
    QTest::newRow("a sensor width of 0 gives a focal length of 0")
        << int(FocalLength) << QList<double>{15, 10, 0} << 0.0 << 0.0;
    QTest::newRow("4 mm on a 4.8 mm wide sensor sees 61.9275141 degrees across")
        << int(HorizontalAngle) << QList<double>{4, 4.8} << 61.9275141 << 5e-8;
    QTest::newRow("4 mm on a 2.7 mm high sensor sees 37.2990781 degrees up and down")
        << int(VerticalAngle) << QList<double>{4, 2.7} << 37.2990781 << 5e-8;
    QTest::newRow("a focal length of 0 sees 180.0000031 degrees")
        << int(VerticalAngle) << QList<double>{0, 2.7} << 180.0000031 << 5e-8;
    QTest::newRow("camera 3 m up, 30 degrees, ground 3 m away: axis -29.9999992 degrees")
        << int(BracketAngle) << QList<double>{3, 30, 3} << -29.9999992 << 5e-8;
    QTest::newRow("camera 3 m up, 30 degrees, ground 3 m away: picture 2.1961524 high there")
        << int(UpperEdgeHeight) << QList<double>{3, 30, 3, 3} << 2.1961524 << 5e-8;
    QTest::newRow("upper edge through 1.7 m at 10 m: lower edge meets the ground at 3.9228563")
        << int(NearGroundDistance) << QList<double>{3, 30, 10, 1.7} << 3.9228563 << 5e-8;
    QTest::newRow("upper edge through 1.7 m at 10 m: lower edge falls 6.1179911 from 2 m on")
        << int(LowerEdgeDrop) << QList<double>{3, 30, 2, 10, 1.7} << 6.1179911 << 5e-8;
}

void TestLensFormulas::workedNumbers()
{
    QFETCH(int, formula);
    QFETCH(QList<double>, args);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const std::optional<double> result = evaluate(formula, args);
    QVERIFY(result.has_value());
    QVERIFY2(std::fabs(*result - expected) <= tolerance,
             qPrintable(QStringLiteral("got %1").arg(*result, 0, 'g', 17)));
}

void TestLensFormulas::shortPiIsPartOfTheResults()
{
    // With the full-precision pi these would be 45 and 20; the short pi
    // shifts them by far more than rounding does.
    QVERIFY(std::fabs(radianToDegree(std::atan2(1.0, 1.0)) - 45.0) > 5e-7);
    QVERIFY(std::fabs(*calcCoverageWidth(90, 10) - 20.0) > 4e-7);
}

void TestLensFormulas::inputsWithoutAResultGiveNone_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<QList<double>>("args");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("a target width of 0 gives no focal length")
        << int(FocalLength) << QList<double>{15, 0, 4.8};
    QTest::newRow("a distance and a width of 0 give no focal length")
        << int(FocalLength) << QList<double>{0, 0, 4.8};
    QTest::newRow("a sensor size that is not a number gives no focal length")
        << int(FocalLength) << QList<double>{15, 10, nan};
    QTest::newRow("a focal length that is not a number gives no view angle")
        << int(VerticalAngle) << QList<double>{nan, 2.7};
    QTest::newRow("an infinite distance gives no covered width")
        << int(CoverageWidth) << QList<double>{30, inf};
    QTest::newRow("an upper edge pointing straight down gives no upper edge height")
        << int(UpperEdgeHeight) << QList<double>{3, 0, 0, 5};
    QTest::newRow("a lower edge pointing straight down gives no drop")
        << int(LowerEdgeDrop) << QList<double>{3, 0, 2, 0, 1};
    QTest::newRow("a camera height that is not a number gives no near distance")
        << int(NearGroundDistance) << QList<double>{nan, 30, 10, 1.7};
    QTest::newRow("a view angle that is not a number gives no bracket angle")
        << int(BracketAngle) << QList<double>{3, nan, 3};
}

void TestLensFormulas::inputsWithoutAResultGiveNone()
{
    QFETCH(int, formula);
    QFETCH(QList<double>, args);
    QVERIFY(!evaluate(formula, args).has_value());
}

QTEST_APPLESS_MAIN(TestLensFormulas)
#include "tst_lens_formulas.moc"
