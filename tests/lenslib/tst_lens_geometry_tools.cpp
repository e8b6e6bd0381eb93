#include "LensTestSupport.h"

#include <GeometryTools.h>

#include <QPixmapCache>
#include <QWidget>
#include <QtTest>

using namespace pendrik;

Q_DECLARE_METATYPE(QList<pendrik::ScreenArea>)

class TestLensGeometryTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void constrainToAvailable_data();
    void constrainToAvailable();
    void constrainOnTheRealScreenKeepsFreePoints();
    void keepRectOnScreen_data();
    void keepRectOnScreen();
    void fitSize_data();
    void fitSize();
    void roundedRegions_data();
    void roundedRegions();
    void cachedPixmap();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensGeometryTools::init()
{
    m_programFolder.start();
}

void TestLensGeometryTools::cleanup()
{
    m_programFolder.stop();
}

namespace {

ScreenArea screen(const QRect &full, const QRect &available)
{
    return ScreenArea{full, available};
}

} // namespace

void TestLensGeometryTools::constrainToAvailable_data()
{
    QTest::addColumn<QList<ScreenArea>>("screens");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    const QRect full(0, 0, 1280, 1024);
    const ScreenArea bottomBar = screen(full, QRect(0, 0, 1280, 984));
    QTest::newRow("a cursor on a bottom task bar keeps x and goes to the last free row")
        << QList<ScreenArea>{bottomBar} << QPoint(300, 1000) << QPoint(300, 983);
    QTest::newRow("a cursor over the free area stays")
        << QList<ScreenArea>{bottomBar} << QPoint(300, 500) << QPoint(300, 500);
    QTest::newRow("a cursor on a right task bar goes to the last free column")
        << QList<ScreenArea>{screen(full, QRect(0, 0, 1240, 1024))} << QPoint(1260, 400)
        << QPoint(1239, 400);
    QTest::newRow("a cursor on a left task bar goes to the first free column")
        << QList<ScreenArea>{screen(full, QRect(40, 0, 1240, 1024))} << QPoint(12, 400)
        << QPoint(40, 400);
    QTest::newRow("a cursor on a top task bar goes to the first free row")
        << QList<ScreenArea>{screen(full, QRect(0, 30, 1280, 994))} << QPoint(700, 10)
        << QPoint(700, 30);
    QTest::newRow("a bottom task bar above a second screen lets the cursor pass")
        << QList<ScreenArea>{bottomBar,
                             screen(QRect(0, 1024, 1280, 1024), QRect(0, 1024, 1280, 1024))}
        << QPoint(300, 1000) << QPoint(300, 1000);
    QTest::newRow("a right task bar beside a second screen lets the cursor pass")
        << QList<ScreenArea>{screen(full, QRect(0, 0, 1240, 1024)),
                             screen(QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768))}
        << QPoint(1260, 400) << QPoint(1260, 400);
    QTest::newRow("the task bar of the screen under the cursor counts, not the first one's")
        << QList<ScreenArea>{screen(full, full),
                             screen(QRect(1280, 0, 1280, 1024), QRect(1280, 0, 1280, 984))}
        << QPoint(1500, 1010) << QPoint(1500, 983);
    QTest::newRow("without screens the point stays")
        << QList<ScreenArea>{} << QPoint(5000, 5000) << QPoint(5000, 5000);
}

void TestLensGeometryTools::constrainToAvailable()
{
    QFETCH(QList<ScreenArea>, screens);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);
    QCOMPARE(pendrik::constrainToAvailable(point, screens), expected);
}

void TestLensGeometryTools::constrainOnTheRealScreenKeepsFreePoints()
{
    // The test screen (1280 x 1024) has no task bar.
    QCOMPARE(pendrik::constrainToAvailable(QPoint(0, 0)), QPoint(0, 0));
    QCOMPARE(pendrik::constrainToAvailable(QPoint(1279, 1023)), QPoint(1279, 1023));
    QCOMPARE(currentScreens().size(), 1);
    QCOMPARE(currentScreens().first().full, QRect(0, 0, 1280, 1024));
}

void TestLensGeometryTools::keepRectOnScreen_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("a rectangle inside the screen stays")
        << QRect(100, 100, 200, 100) << QRect(100, 100, 200, 100);
    QTest::newRow("past the right edge it moves left, keeping its size")
        << QRect(1200, 100, 200, 100) << QRect(1079, 100, 200, 100);
    QTest::newRow("past the bottom edge it moves up")
        << QRect(100, 1000, 200, 100) << QRect(100, 923, 200, 100);
    QTest::newRow("past both edges it moves left and up")
        << QRect(1200, 1000, 200, 100) << QRect(1079, 923, 200, 100);
}

void TestLensGeometryTools::keepRectOnScreen()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, expected);
    QWidget widget;
    QCOMPARE(pendrik::keepRectOnScreen(rect, &widget), expected);
}

void TestLensGeometryTools::fitSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("a picture without width gets the box")
        << QSize(0, 300) << QSize(200, 150) << QSize(200, 150);
    QTest::newRow("a picture without height gets the box")
        << QSize(300, -1) << QSize(200, 150) << QSize(200, 150);
    QTest::newRow("a wide picture fills the box's width")
        << QSize(400, 300) << QSize(200, 200) << QSize(200, 150);
    QTest::newRow("a tall picture fills the box's height")
        << QSize(300, 400) << QSize(200, 200) << QSize(150, 200);
    QTest::newRow("the other side is cut to a whole number")
        << QSize(333, 100) << QSize(100, 100) << QSize(100, 30);
}

void TestLensGeometryTools::fitSize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QSize, expected);
    int w = -1, h = -1;
    pendrik::fitSize(picture.width(), picture.height(), box.width(), box.height(), w, h);
    QCOMPARE(QSize(w, h), expected);
}

void TestLensGeometryTools::roundedRegions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    // A 100 x 50 rectangle at (0, 0) with corners of radius 10.
    const QPoint topLeft(0, 0), topRight(99, 0), bottomLeft(0, 49), bottomRight(99, 49);
    const QPoint centre(50, 25), leftMiddle(0, 25), topMiddle(50, 0);
    struct Row
    {
        const char *name;
        int kind;
        QPoint point;
        bool inside;
    };
    const Row rows[] = {
        {"all round: the top-left corner is cut", 0, topLeft, false},
        {"all round: the bottom-right corner is cut", 0, bottomRight, false},
        {"all round: the middle of the left side stays", 0, leftMiddle, true},
        {"all round: the middle of the top stays", 0, topMiddle, true},
        {"all round: the centre stays", 0, centre, true},
        {"left round: the top-left corner is cut", 1, topLeft, false},
        {"left round: the bottom-left corner is cut", 1, bottomLeft, false},
        {"left round: the top-right corner stays", 1, topRight, true},
        {"left round: the bottom-right corner stays", 1, bottomRight, true},
        {"right round: the top-right corner is cut", 2, topRight, false},
        {"right round: the bottom-right corner is cut", 2, bottomRight, false},
        {"right round: the top-left corner stays", 2, topLeft, true},
        {"top round: the top-left corner is cut", 3, topLeft, false},
        {"top round: the top-right corner is cut", 3, topRight, false},
        {"top round: the bottom-left corner stays", 3, bottomLeft, true},
        {"top round: the bottom-right corner stays", 3, bottomRight, true},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.kind << row.point << row.inside;
}

void TestLensGeometryTools::roundedRegions()
{
    QFETCH(int, kind);
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    const QRect rect(0, 0, 100, 50);
    QRegion region;
    switch (kind) {
    case 0:
        region = roundedRegion(rect, 10);
        break;
    case 1:
        region = leftRoundedRegion(rect, 10);
        break;
    case 2:
        region = rightRoundedRegion(rect, 10);
        break;
    default:
        region = topRoundedRegion(rect, 10);
        break;
    }
    QCOMPARE(region.contains(point), inside);
    QVERIFY(region.boundingRect() == rect);
}

void TestLensGeometryTools::cachedPixmap()
{
    QPixmapCache::clear();
    const QString path = QStringLiteral(":/images/Pendrik/arrow_up_down.png");
    const QPixmap first = pendrik::cachedPixmap(path);
    QCOMPARE(first.size(), QSize(14, 36));
    QPixmap cached;
    QVERIFY(QPixmapCache::find(path, &cached));
    QCOMPARE(cached.cacheKey(), first.cacheKey());

    const QString missing = QStringLiteral(":/images/Pendrik/no-such-picture.png");
    QVERIFY(pendrik::cachedPixmap(missing).isNull());
    QVERIFY(!QPixmapCache::find(missing, &cached));
}

QTEST_MAIN(TestLensGeometryTools)
#include "tst_lens_geometry_tools.moc"
