#include "LensTestSupport.h"
#include "SimulationProbe.h"

#include <CHorizontalSimulate.h>
#include <CSimulateTextNode.h>

#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QtTest>

#include <cmath>

using lenstest::arrowItem;

namespace {

// A top view of 385 x 300 pixels: margins 30, 30, 55, 40 leave a usable
// width of 300; the apex is at (30, 145), the middle of the wedge at
// x = 180, its right end at x = 330, the bottom line at y = 260.
constexpr int kWidth = 385;
constexpr int kHeight = 300;

QStringList g_debugLines;

void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg && message.startsWith(QLatin1String("wuz---m_fMoveArrowPos")))
        g_debugLines << message;
}

class TopView
{
public:
    TopView()
    {
        view.resize(kWidth, kHeight);
        view.show();
    }
    QString value(const char *node) const
    {
        return view.findChild<CSimulateTextNode *>(QString::fromLatin1(node))->value();
    }
    CUnidimensionalArrowNode *arrow() const { return arrowItem(&view, "m_pMoveArrow"); }
    void dragTo(double x) { arrow()->setPos(QPointF(x, 0)); }

    CHorizontalSimulate view;
};

} // namespace

// The top view: its defaults, the cross-section handle and its range, the
// widths it shows for the angle and distances it is given.
class TestLensTopView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstResizeShowsTheDefaults();
    void wedgeFollowsTheSizeOnly();
    void crossSectionRunsFromTheNearToTheFarEdge_data();
    void crossSectionRunsFromTheNearToTheFarEdge();
    void widthsAboveAThousandMetresShowWholeNumbers();
    void newAngleShowsWithTheNextDistances();
    void negativeAngleIsIgnored();
    void eachDragWritesOneDebugLine();
    void viewNarrowerThanItsMarginsKeepsItsFraction();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensTopView::init()
{
    m_programFolder.start();
    g_debugLines.clear();
}

void TestLensTopView::cleanup()
{
    qInstallMessageHandler(nullptr);
    m_programFolder.stop();
}

void TestLensTopView::firstResizeShowsTheDefaults()
{
    TopView top;
    QCOMPARE(top.value("m_pAngleText"), QStringLiteral("25"));
    QCOMPARE(top.view.findChild<CSimulateTextNode *>(QStringLiteral("m_pAngleText"))->unit(),
             QStringLiteral("\u00B0"));
    // The handle at 0.6 of the usable width: 25 + (0.6 - 0.5) / 0.5 * 25 m.
    QCOMPARE(top.value("m_pArrowDistanceText"), QStringLiteral("30.0"));
    // 2 * 25 * tan(12.5 degrees) and the same at 50 m and at 30 m.
    QCOMPARE(top.value("m_pNearWidthText"), QStringLiteral("11.1"));
    QCOMPARE(top.value("m_pFarWidthText"), QStringLiteral("22.2"));
    QCOMPARE(top.value("m_pArrowWidthText"), QStringLiteral("13.3"));
    QVERIFY(std::fabs(top.arrow()->x() - (300 * 0.6 + 30 - 18)) < 0.01);
    QCOMPARE(top.arrow()->y(), double(kHeight - 40 - 7));
}

void TestLensTopView::wedgeFollowsTheSizeOnly()
{
    TopView top;
    auto *wedge = dynamic_cast<QGraphicsPolygonItem *>(
        lenstest::sceneItem(&top.view, QStringLiteral("m_pWedge")));
    QVERIFY(wedge);
    const QPolygonF expected({QPointF(30, 145), QPointF(330, 50), QPointF(330, 240)});
    QCOMPARE(wedge->polygon(), expected);
    top.view.setHorizontalAngle(80);
    top.view.DistanceChanged(5, 500);
    QCOMPARE(wedge->polygon(), expected);

    // The red cross-section stands on the handle's centre.
    auto *marker = dynamic_cast<QGraphicsLineItem *>(
        lenstest::sceneItem(&top.view, QStringLiteral("m_pMarkerLine")));
    QCOMPARE(marker->line(), QLineF(top.arrow()->x() + 18, 260, top.arrow()->x() + 18, 30));
}

void TestLensTopView::crossSectionRunsFromTheNearToTheFarEdge_data()
{
    QTest::addColumn<double>("dragTo");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("width");
    // Near 15 m and far 22.5 m, 25 degrees: 6.7 m wide near, 10.0 m far.
    QTest::newRow("past the right end it stops on the far edge")
        << 1000.0 << QStringLiteral("22.5") << QStringLiteral("10.0");
    QTest::newRow("before the middle it stops on the near edge")
        << 0.0 << QStringLiteral("15.0") << QStringLiteral("6.7");
    QTest::newRow("three quarters across is half-way between the edges")
        << 30 + 0.75 * 300 - 18 << QStringLiteral("18.8") << QStringLiteral("8.3");
}

void TestLensTopView::crossSectionRunsFromTheNearToTheFarEdge()
{
    QFETCH(double, dragTo);
    TopView top;
    top.view.DistanceChanged(15, 22.5);
    top.dragTo(dragTo);
    QTEST(top.value("m_pArrowDistanceText"), "distance");
    QTEST(top.value("m_pArrowWidthText"), "width");
    QCOMPARE(top.value("m_pNearWidthText"), QStringLiteral("6.7"));
    QCOMPARE(top.value("m_pFarWidthText"), QStringLiteral("10.0"));
    QCOMPARE(top.arrow()->y(), double(kHeight - 40 - 7));
}

void TestLensTopView::widthsAboveAThousandMetresShowWholeNumbers()
{
    TopView top;
    top.view.DistanceChanged(3000, 6000);
    QCOMPARE(top.value("m_pNearWidthText"), QStringLiteral("1330"));
    QCOMPARE(top.value("m_pFarWidthText"), QStringLiteral("2660"));
    QCOMPARE(top.value("m_pArrowDistanceText"), QStringLiteral("3600"));
}

void TestLensTopView::newAngleShowsWithTheNextDistances()
{
    TopView top;
    top.view.setHorizontalAngle(40);
    QCOMPARE(top.value("m_pAngleText"), QStringLiteral("25"));
    top.view.DistanceChanged(25, 50);
    QCOMPARE(top.value("m_pAngleText"), QStringLiteral("40"));
    // 2 * 25 * tan(20 degrees).
    QCOMPARE(top.value("m_pNearWidthText"), QStringLiteral("18.2"));
}

void TestLensTopView::negativeAngleIsIgnored()
{
    TopView top;
    top.view.setHorizontalAngle(40);
    top.view.setHorizontalAngle(-1);
    top.view.DistanceChanged(25, 50);
    QCOMPARE(top.value("m_pAngleText"), QStringLiteral("40"));
}

void TestLensTopView::eachDragWritesOneDebugLine()
{
    TopView top;
    qInstallMessageHandler(collectDebug);
    top.dragTo(1000);
    top.dragTo(0);
    top.view.resize(500, 320);
    qInstallMessageHandler(nullptr);
    QCOMPARE(g_debugLines, (QStringList{QStringLiteral("wuz---m_fMoveArrowPos:1.000000"),
                                        QStringLiteral("wuz---m_fMoveArrowPos:0.500000")}));
}

void TestLensTopView::viewNarrowerThanItsMarginsKeepsItsFraction()
{
    TopView top;
    top.view.resize(60, 100);
    qInstallMessageHandler(collectDebug);
    top.dragTo(20);
    qInstallMessageHandler(nullptr);
    QVERIFY(g_debugLines.isEmpty());
    QCOMPARE(top.value("m_pArrowDistanceText"), QStringLiteral("30.0"));
}

QTEST_MAIN(TestLensTopView)
#include "tst_lens_top_view.moc"
