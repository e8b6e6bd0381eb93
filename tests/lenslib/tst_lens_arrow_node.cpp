#include "LensTestSupport.h"

#include <CUnidimensionalArrowNode.h>

#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsView>
#include <QImage>
#include <QtTest>

// The drag handle: pinned to one axis and clamped while constrained, free
// otherwise, with a hover picture.
class TestLensArrowNode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void constrainedMovesArePinnedAndClamped_data();
    void constrainedMovesArePinnedAndClamped();
    void unconstrainedMovesAreFree();
    void movesByCodeAreNotClamped();
    void hoverShowsTheHoverPicture_data();
    void hoverShowsTheHoverPicture();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensArrowNode::init()
{
    m_programFolder.start();
}

void TestLensArrowNode::cleanup()
{
    m_programFolder.stop();
}

void TestLensArrowNode::constrainedMovesArePinnedAndClamped_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QPointF>("proposed");
    QTest::addColumn<QPointF>("result");

    QTest::newRow("along x, inside the range")
        << 0 << 10.0 << 100.0 << QPointF(40, 7) << QPointF(40, 50);
    QTest::newRow("along x, past the maximum")
        << 0 << 10.0 << 100.0 << QPointF(250, 7) << QPointF(100, 50);
    QTest::newRow("along x, before the minimum")
        << 0 << 10.0 << 100.0 << QPointF(-5, 7) << QPointF(10, 50);
    QTest::newRow("along y, x pinned") << 1 << 10.0 << 100.0 << QPointF(3, 60) << QPointF(50, 60);
    QTest::newRow("along y, past the maximum")
        << 2 << 10.0 << 100.0 << QPointF(3, 160) << QPointF(50, 100);
    QTest::newRow("a minimum above the maximum gives the maximum")
        << 0 << 80.0 << 30.0 << QPointF(50, 7) << QPointF(30, 50);
}

void TestLensArrowNode::constrainedMovesArePinnedAndClamped()
{
    QFETCH(int, orientation);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QPointF, proposed);
    QFETCH(QPointF, result);
    QGraphicsScene scene;
    auto *arrow = new CUnidimensionalArrowNode(
        QPixmap(QStringLiteral(":/images/Pendrik/arrow_left_right.png")), 2);
    scene.addItem(arrow);
    QVERIFY(arrow->setConstraint(50, orientation, min, max));
    QCOMPARE(arrow->pos(), QPointF(0, 0)); // setting a constraint does not move it
    arrow->setConstrained(true);
    arrow->setPos(proposed);
    QCOMPARE(arrow->pos(), result);
}

void TestLensArrowNode::unconstrainedMovesAreFree()
{
    QGraphicsScene scene;
    auto *arrow = new CUnidimensionalArrowNode(
        QPixmap(QStringLiteral(":/images/Pendrik/arrow_up_down.png")), 1);
    scene.addItem(arrow);
    QVERIFY(!arrow->isConstrained());
    arrow->setConstraint(50, 1, 10, 100);
    arrow->setPos(QPointF(250, -40));
    QCOMPARE(arrow->pos(), QPointF(250, -40));
    QVERIFY(arrow->flags() & QGraphicsItem::ItemIsMovable);
}

void TestLensArrowNode::movesByCodeAreNotClamped()
{
    QGraphicsScene scene;
    auto *arrow = new CUnidimensionalArrowNode(
        QPixmap(QStringLiteral(":/images/Pendrik/arrow_up_down.png")), 1);
    scene.addItem(arrow);
    arrow->setConstraint(50, 1, 10, 100);
    arrow->placeAt(QPointF(250, -40));
    QCOMPARE(arrow->pos(), QPointF(250, -40));
    QVERIFY(arrow->isConstrained());
    arrow->setPos(QPointF(0, 0));
    QCOMPARE(arrow->pos(), QPointF(50, 10));
}

void TestLensArrowNode::hoverShowsTheHoverPicture_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("hover");
    QTest::newRow("an up-down handle") << 1 << QStringLiteral(":/images/Pendrik/arrow_up_down.png")
                                       << QStringLiteral(":/images/Pendrik/arrow_up_downHover.png");
    QTest::newRow("a left-right handle")
        << 2 << QStringLiteral(":/images/Pendrik/arrow_left_right.png")
        << QStringLiteral(":/images/Pendrik/arrow_left_rightHover.png");
}

void TestLensArrowNode::hoverShowsTheHoverPicture()
{
    QFETCH(int, type);
    QFETCH(QString, normal);
    QFETCH(QString, hover);
    QVERIFY(QImage(normal) != QImage(hover));
    QGraphicsScene scene;
    auto *arrow = new CUnidimensionalArrowNode(QPixmap(normal), type);
    scene.addItem(arrow);

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    scene.sendEvent(arrow, &enter);
    QCOMPARE(arrow->pixmap().toImage(),
             QImage(hover).convertToFormat(arrow->pixmap().toImage().format()));
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    scene.sendEvent(arrow, &leave);
    QCOMPARE(arrow->pixmap().toImage(),
             QImage(normal).convertToFormat(arrow->pixmap().toImage().format()));
}

QTEST_MAIN(TestLensArrowNode)
#include "tst_lens_arrow_node.moc"
