#include "LensTestSupport.h"
#include "SimulationProbe.h"

#include <CSimulateTextNode.h>
#include <CVerticalSimulate.h>

#include <QLabel>
#include <QSpinBox>
#include <QtTest>

#include <cmath>

using lenstest::arrowItem;
using lenstest::sceneText;

namespace {

// A side view of 610 x 380 pixels: a usable drawing of 500 x 300 between
// the margins 40, 40, 70, 40, so fractions are easy to place by hand.
constexpr int kWidth = 610;
constexpr int kHeight = 380;
constexpr double kUsableWidth = 500;
constexpr double kUsableHeight = 300;

struct Emitted
{
    QString signal;
    QList<float> values;
};

class SideView
{
public:
    SideView()
    {
        QObject::connect(&view, &CVerticalSimulate::DistanceChanged, &view,
                         [this](float n, float d) {
                             log.append({QStringLiteral("D"), {n, d}});
                         });
        QObject::connect(&view, &CVerticalSimulate::ProPortionChanged, &view,
                         [this](float a, float b, float c, float d) {
                             log.append({QStringLiteral("P"), {a, b, c, d}});
                         });
        QObject::connect(&view, &CVerticalSimulate::CameraBracketChanged, &view,
                         [this](float h, float angle, float n) {
                             log.append({QStringLiteral("B"), {h, angle, n}});
                         });
        view.resize(kWidth, kHeight);
        view.show();
    }

    QStringList order() const
    {
        QStringList names;
        for (const Emitted &e : log)
            names << e.signal;
        return names;
    }
    QList<float> last(const QString &signal) const
    {
        for (auto it = log.crbegin(); it != log.crend(); ++it) {
            if (it->signal == signal)
                return it->values;
        }
        return {};
    }

    // Drags a handle by the user's route (a constrained move) to a fraction
    // of the drawing.
    void dragAcross(const char *arrow, double fraction)
    {
        CUnidimensionalArrowNode *node = arrowItem(&view, arrow);
        QVERIFY(node);
        node->setPos(QPointF(40 + kUsableWidth * fraction - 18, node->y()));
    }
    void dragDown(const char *arrow, double fraction)
    {
        CUnidimensionalArrowNode *node = arrowItem(&view, arrow);
        QVERIFY(node);
        node->setPos(QPointF(node->x(), 40 + kUsableHeight * fraction - 18));
    }

    QSpinBox *spin(const char *name) const
    {
        return view.findChild<QSpinBox *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const
    {
        return view.findChild<QLabel *>(QString::fromLatin1(name));
    }
    QString text(const char *name) const { return sceneText(&view, name); }

    CVerticalSimulate view;
    QList<Emitted> log;
};

bool near(float value, double expected, double tolerance = 1e-3)
{
    return std::fabs(double(value) - expected) < tolerance;
}

// Positions come from float fractions: equal to a hundredth of a pixel.
bool samePlace(const QPointF &a, const QPointF &b)
{
    return std::fabs(a.x() - b.x()) < 0.01 && std::fabs(a.y() - b.y()) < 0.01;
}

} // namespace

// The side view: its values after the first layout, a new lens, the drags
// with their linked handles, warnings and signal order.
class TestLensSideView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstResizeShowsTheInitialScene();
    void resizeSendsOnlyTheDistances();
    void newLensPutsTheEdgesAroundTheDistance();
    void sameLensAgainSendsOneRound();
    void largeDistanceStopsAtTheLongestXLength();
    void lensWithoutDistanceKeepsTheEdges();
    void gapIsTheDifferenceOfTheShownValues();

    void draggingTheCameraMovesTheNearEdge();
    void draggingTheNearEdgeMovesTheTopOfTheView();
    void draggingTheFarEdgeTakesItsHandlesAlong();
    void draggingTheTopOfTheViewMovesTheNearEdge();
    void draggingTheObjectChangesItsHeight();
    void groundHandlesClampEachOther();

    void nearEdgeBeyondTheFarEdgeWarns();
    void viewTurnedAwayFromTheGroundWarnsUntilADragClearsIt();
    void warningIsReadableAndLetsTheHandlesBeDragged_data();
    void warningIsReadableAndLetsTheHandlesBeDragged();
    void viewSmallerThanItsMarginsKeepsItsValues();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensSideView::init()
{
    m_programFolder.start();
}

void TestLensSideView::cleanup()
{
    m_programFolder.stop();
}

void TestLensSideView::firstResizeShowsTheInitialScene()
{
    SideView side;
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("15.0"));
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("30.0"));
    QCOMPARE(side.text("m_pGapText"), QStringLiteral("15.0"));
    QCOMPARE(side.text("m_pHeightText"), QStringLiteral("5.0"));
    QCOMPARE(side.text("m_pObjectText"), QStringLiteral("4.0"));
    // The upper edge, 25 degrees above the lower edge that meets the ground
    // at 15 m from a 5 m high camera, is 8.45 m high at 30 m.
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("8.5"));
    QCOMPARE(side.order(), QStringList{QStringLiteral("D")});
    QVERIFY(near(side.last(QStringLiteral("D")).value(0), 15.0));
    QVERIFY(near(side.last(QStringLiteral("D")).value(1), 30.0));
    QCOMPARE(side.spin("m_pSpinX")->value(), 50);
    QCOMPARE(side.spin("m_pSpinY")->value(), 10);
    QVERIFY(side.label("m_pObjectWarning")->isHidden());
    QVERIFY(side.label("m_pCameraWarning")->isHidden());

    // The handles sit on their lines: the near edge at 0.3 of the width.
    CUnidimensionalArrowNode *nearArrow = arrowItem(&side.view, "m_pNearArrow");
    QVERIFY(samePlace(nearArrow->pos(), QPointF(40 + 150 - 18, kHeight - 40 - 7)));
    QVERIFY(
        samePlace(arrowItem(&side.view, "m_pCameraArrow")->pos(), QPointF(40 - 7, 40 + 150 - 18)));
}

void TestLensSideView::resizeSendsOnlyTheDistances()
{
    SideView side;
    side.log.clear();
    side.view.resize(700, 420);
    QCOMPARE(side.order(), QStringList{QStringLiteral("D")});
    QVERIFY(near(side.last(QStringLiteral("D")).value(0), 15.0));
    QVERIFY(near(side.last(QStringLiteral("D")).value(1), 30.0));
    // The fractions stay: the near edge is at 0.3 of the new usable width.
    QVERIFY(samePlace(arrowItem(&side.view, "m_pNearArrow")->pos(),
                      QPointF(40 + 590 * 0.3 - 18, 420 - 40 - 7)));
}

void TestLensSideView::newLensPutsTheEdgesAroundTheDistance()
{
    SideView side;
    side.log.clear();
    side.view.setParams(30.0, 15, 10);

    QCOMPARE(side.spin("m_pSpinX")->value(), 30);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("15.0"));
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("22.5"));
    QCOMPARE(side.text("m_pGapText"), QStringLiteral("7.5"));
    QCOMPARE(side.text("m_pHeightText"), QStringLiteral("5.0"));
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("9.6"));
    QCOMPARE(side.view.findChild<CSimulateTextNode *>(QStringLiteral("m_pAngleText"))->value(),
             QStringLiteral("30\u00B0"));

    // The new X length lays out and reports first, then the new lens.
    QCOMPARE(side.order(),
             (QStringList{QStringLiteral("D"), QStringLiteral("P"), QStringLiteral("B"),
                          QStringLiteral("D"), QStringLiteral("P"), QStringLiteral("B")}));
    QCOMPARE(side.last(QStringLiteral("D")), (QList<float>{15.0f, 22.5f}));
    // Camera 5 m high, lower edge on the ground at 15 m (slope 1 in 3), upper
    // edge 30 degrees above it: 8.07 m high at 15 m, 9.60 m at 22.5 m; the
    // lower edge is 2.5 m below the ground at 22.5 m.
    const QList<float> proportions = side.last(QStringLiteral("P"));
    QCOMPARE(proportions.size(), 4);
    QVERIFY(near(proportions[0], 4.0));
    QVERIFY(near(proportions[1], 8.0695));
    QVERIFY(near(proportions[2], 9.6043));
    QVERIFY(near(proportions[3], 2.5));
    QCOMPARE(side.last(QStringLiteral("B")), (QList<float>{5.0f, 30.0f, 15.0f}));
}

void TestLensSideView::sameLensAgainSendsOneRound()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.log.clear();
    side.view.setParams(30.0, 15, 10);
    QCOMPARE(side.order(),
             (QStringList{QStringLiteral("D"), QStringLiteral("P"), QStringLiteral("B")}));
}

void TestLensSideView::largeDistanceStopsAtTheLongestXLength()
{
    SideView side;
    side.view.setParams(30.0, 600, 10);
    QCOMPARE(side.spin("m_pSpinX")->value(), 999);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("499.5"));
}

void TestLensSideView::lensWithoutDistanceKeepsTheEdges()
{
    SideView side;
    side.view.setParams(30.0, 0, 10);
    QCOMPARE(side.spin("m_pSpinX")->value(), 50);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("15.0"));
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("30.0"));
    QCOMPARE(side.text("m_pHeightText"), QStringLiteral("5.0"));
    // Only the angle changed: the top of the view at 30 m rises to 11.1 m.
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("11.1"));
}

void TestLensSideView::gapIsTheDifferenceOfTheShownValues()
{
    SideView side;
    side.spin("m_pSpinX")->setValue(100);
    side.dragAcross("m_pNearArrow", 0.1234);
    side.dragAcross("m_pFarArrow", 0.2006);
    // The far edge moved the near edge along; put it back.
    side.dragAcross("m_pNearArrow", 0.1234);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("12.3"));
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("20.1"));
    QCOMPARE(side.text("m_pGapText"), QStringLiteral("7.8"));
}

void TestLensSideView::draggingTheCameraMovesTheNearEdge()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.log.clear();
    side.dragDown("m_pCameraArrow", 0.3);

    // A drag reports proportions and bracket first, the distances last.
    QCOMPARE(side.order(),
             (QStringList{QStringLiteral("P"), QStringLiteral("B"), QStringLiteral("D")}));
    QCOMPARE(side.text("m_pHeightText"), QStringLiteral("7.0"));
    // The upper edge keeps passing 9.60 m above the far edge at 22.5 m; from
    // 7 m the lower edge, 30 degrees steeper, meets the ground at 16.18 m.
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("16.2"));
    const QList<float> distances = side.last(QStringLiteral("D"));
    QVERIFY(near(distances[0], 16.1779));
    QVERIFY(near(distances[1], 22.5));
    const QList<float> bracket = side.last(QStringLiteral("B"));
    QVERIFY(near(bracket[0], 7.0));
    QVERIFY(near(bracket[2], 16.1779));
    // The near handle moved to its new place.
    QVERIFY(std::fabs(arrowItem(&side.view, "m_pNearArrow")->x() -
                      (40 + kUsableWidth * 16.1779 / 30 - 18)) < 0.01);
}

void TestLensSideView::draggingTheNearEdgeMovesTheTopOfTheView()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.dragAcross("m_pNearArrow", 0.4);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("12.0"));
    // Lower edge from 5 m to the ground at 12 m, upper edge 30 degrees
    // above: 7.91 m high at 22.5 m.
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("7.9"));
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("22.5"));
    const double topFraction = 1 - 7.9143 / 10;
    QVERIFY(std::fabs(arrowItem(&side.view, "m_pViewTopArrow")->y() -
                      (40 + kUsableHeight * topFraction - 18)) < 0.01);
}

void TestLensSideView::draggingTheFarEdgeTakesItsHandlesAlong()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.dragAcross("m_pFarArrow", 0.9);
    QCOMPARE(side.text("m_pFarText"), QStringLiteral("27.0"));
    // The top of the view stays 9.60 m high, now at 27 m: the near edge
    // follows to 13.50 m.
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("13.5"));
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("9.6"));
    const double farX = arrowItem(&side.view, "m_pFarArrow")->x();
    QVERIFY(std::fabs(farX - (40 + kUsableWidth * 0.9 - 18)) < 0.01);
    QCOMPARE(arrowItem(&side.view, "m_pViewTopArrow")->x(), farX + 18 - 7);
    QCOMPARE(arrowItem(&side.view, "m_pObjectArrow")->x(), farX + 18 - 7);
}

void TestLensSideView::draggingTheTopOfTheViewMovesTheNearEdge()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.dragDown("m_pViewTopArrow", 0.2);
    QCOMPARE(side.text("m_pViewTopText"), QStringLiteral("8.0"));
    // The upper edge through 8 m at 22.5 m: the lower edge meets the ground
    // at 12.13 m.
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("12.1"));
}

void TestLensSideView::draggingTheObjectChangesItsHeight()
{
    SideView side;
    side.log.clear();
    side.dragDown("m_pObjectArrow", 0.5);
    QCOMPARE(side.text("m_pObjectText"), QStringLiteral("5.0"));
    QVERIFY(near(side.last(QStringLiteral("P")).value(0), 5.0));
    // Both trees stand 5 m high: 150 of the 300 pixels.
    for (const char *tree : {"m_pFarTree", "m_pNearTree"}) {
        auto *picture = dynamic_cast<QGraphicsPixmapItem *>(
            lenstest::sceneItem(&side.view, QString::fromLatin1(tree)));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().height(), 150);
        QCOMPARE(picture->y() + 150, double(kHeight - 40));
    }
}

void TestLensSideView::groundHandlesClampEachOther()
{
    SideView side;
    CUnidimensionalArrowNode *nearArrow = arrowItem(&side.view, "m_pNearArrow");
    CUnidimensionalArrowNode *farArrow = arrowItem(&side.view, "m_pFarArrow");
    const double nearX = nearArrow->x();
    farArrow->setPos(QPointF(nearX - 100, 0));
    QVERIFY(samePlace(farArrow->pos(), QPointF(nearX, kHeight - 40 - 7)));
    // The far handle now sits on the near one and holds it back.
    nearArrow->setPos(QPointF(nearX + 100, 0));
    QVERIFY(nearArrow->x() <= farArrow->x());
    QCOMPARE(nearArrow->y(), double(kHeight - 40 - 7));
}

void TestLensSideView::nearEdgeBeyondTheFarEdgeWarns()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.spin("m_pSpinY")->setValue(30);
    QVERIFY(side.label("m_pObjectWarning")->isHidden());
    // Camera 15 m high, top of the view lowered to 15 m at 22.5 m: the
    // lower edge meets the ground only at 25.98 m.
    side.dragDown("m_pViewTopArrow", 0.5);
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("26.0"));
    QLabel *warning = side.label("m_pObjectWarning");
    QVERIFY(!warning->isHidden());
    QCOMPARE(warning->text(), QStringLiteral("The beginning of the detection area is located "
                                             "behind the object,\nPlease change the camera "
                                             "angle!"));
    QVERIFY(side.label("m_pCameraWarning")->isHidden());
}

void TestLensSideView::viewTurnedAwayFromTheGroundWarnsUntilADragClearsIt()
{
    SideView side;
    side.view.setParams(30.0, 15, 10);
    side.spin("m_pSpinY")->setValue(30);
    side.dragDown("m_pViewTopArrow", 0.1); // the top of the view 27 m high
    side.dragDown("m_pCameraArrow", 0.7);  // the camera down to 9 m
    // The lower edge now rises: it would meet the ground 59 m behind the
    // camera.
    QCOMPARE(side.text("m_pNearText"), QStringLiteral("-59.1"));
    QLabel *warning = side.label("m_pCameraWarning");
    QVERIFY(!warning->isHidden());
    QCOMPARE(warning->text(), QStringLiteral("The beginning of the detection area is located "
                                             "behind the camera,\nPlease change the camera "
                                             "angle!"));

    // Neither a new length nor a new lens touches it.
    side.spin("m_pSpinX")->setValue(40);
    QVERIFY(!warning->isHidden());
    side.view.setParams(30.0, 15, 10);
    QVERIFY(!warning->isHidden());
    // The next drag does.
    side.dragDown("m_pCameraArrow", 0.45);
    QVERIFY(warning->isHidden());
}

void TestLensSideView::warningIsReadableAndLetsTheHandlesBeDragged_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("a narrow view, as in the stand-alone window") << 520;
    QTest::newRow("a wide view") << kWidth;
}

void TestLensSideView::warningIsReadableAndLetsTheHandlesBeDragged()
{
    QFETCH(int, width);
    SideView side;
    side.view.resize(width, kHeight);
    side.view.setParams(30.0, 15, 10);
    side.spin("m_pSpinY")->setValue(30);
    side.dragDown("m_pViewTopArrow", 0.0);
    side.dragDown("m_pCameraArrow", 0.7);
    QLabel *warning = side.label("m_pCameraWarning");
    QVERIFY(!warning->isHidden());

    // The whole text fits, wrapped, beside the legend instead of under it.
    QVERIFY(warning->wordWrap());
    QVERIFY2(warning->height() >= warning->heightForWidth(warning->width()),
             qPrintable(QStringLiteral("%1 < %2")
                            .arg(warning->height())
                            .arg(warning->heightForWidth(warning->width()))));
    QVERIFY(!warning->geometry().intersects(side.label("m_pLegendLabel")->geometry()));

    // The top of the view sits under the text; a press on its handle
    // reaches the handle.
    CUnidimensionalArrowNode *viewTop = arrowItem(&side.view, "m_pViewTopArrow");
    const QPoint handle = viewTop->sceneBoundingRect().center().toPoint();
    QVERIFY(warning->geometry().contains(handle));
    QWidget *under = side.view.childAt(handle);
    QVERIFY(under);
    QVERIFY2(!qobject_cast<QLabel *>(under), qPrintable(under->objectName()));
}

void TestLensSideView::viewSmallerThanItsMarginsKeepsItsValues()
{
    SideView side;
    side.view.resize(100, 60);
    side.log.clear();
    CUnidimensionalArrowNode *camera = arrowItem(&side.view, "m_pCameraArrow");
    camera->setPos(QPointF(camera->x(), camera->y() + 5));
    QVERIFY(!side.order().contains(QStringLiteral("P")));
    for (const char *name : {"m_pNearText", "m_pFarText", "m_pHeightText", "m_pViewTopText"}) {
        const QString text = side.text(name);
        QVERIFY2(!text.contains(QStringLiteral("nan")) && !text.contains(QStringLiteral("inf")),
                 qPrintable(text));
    }
    QCOMPARE(side.text("m_pHeightText"), QStringLiteral("5.0"));
}

QTEST_MAIN(TestLensSideView)
#include "tst_lens_side_view.moc"
