#include <RecordWidget.h>

#include "ProgramFolder.h"

#include <QMouseEvent>
#include <QtTest>

using kivui::RecordCell;
using kivui::RecordWidget;

namespace {

// The plan as the 24 digits the editor stores ('-' for a negative type).
QString digits(const RecordWidget &w)
{
    std::vector<RecordCell> cells;
    w.getRecordPlan(cells);
    QString out;
    for (const RecordCell &c : cells)
        out += c.type() < 0 ? QChar(u'-') : QChar(u'0' + c.type());
    return out;
}

std::vector<RecordCell> cellsOf(const QString &text)
{
    std::vector<RecordCell> cells;
    for (const QChar c : text)
        cells.emplace_back(c == u'-' ? -1 : c.digitValue());
    return cells;
}

// A held-button move, as the window system sends it during a drag.
void dragTo(RecordWidget &w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

} // namespace

class TestRecordWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_folder = std::make_unique<ProgramFolder>(); }
    void cleanupTestCase() { m_folder.reset(); }

    void startsWith24HoursOfNoRecording();
    void planOfAnotherLengthIsIgnored_data();
    void planOfAnotherLengthIsIgnored();
    void hitTests_data();
    void hitTests();
    void paintingWithTheMouse_data();
    void paintingWithTheMouse();
    void eachTypeHasItsColour_data();
    void eachTypeHasItsColour();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestRecordWidget::startsWith24HoursOfNoRecording()
{
    RecordWidget w;
    QCOMPARE(digits(w), QString(24, u'0'));
    QCOMPARE(w.currentType(), 1);
}

void TestRecordWidget::planOfAnotherLengthIsIgnored_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("shown");
    const QString before = QStringLiteral("012012012012012012012012");
    QTest::newRow("24 cells are taken") << QString(24, u'2') << QString(24, u'2');
    QTest::newRow("23 cells leave the plan as it was") << QString(23, u'2') << before;
    QTest::newRow("25 cells leave the plan as it was") << QString(25, u'2') << before;
    QTest::newRow("no cells leave the plan as it was") << QString() << before;
    QTest::newRow("a cell of another type is kept as it is")
        << QStringLiteral("1-1111111111111111111117") << QStringLiteral("1-1111111111111111111117");
}

void TestRecordWidget::planOfAnotherLengthIsIgnored()
{
    QFETCH(QString, given);
    QFETCH(QString, shown);
    RecordWidget w;
    w.setRecordPlan(cellsOf(QStringLiteral("012012012012012012012012")));
    w.setRecordPlan(cellsOf(given));
    QCOMPARE(digits(w), shown);
}

void TestRecordWidget::hitTests_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("column");
    // 245 x 30: cells of 10 (245 / 24), the hour row at y 0-9, the type row
    // at y 10-19; five pixels at the right belong to no cell.
    QTest::newRow("top-left of the hour row is column 0, no hour") << QPoint(0, 0) << -1 << 0;
    QTest::newRow("top-left of the type row is hour 0") << QPoint(0, 10) << 0 << 0;
    QTest::newRow("last pixel of the first type cell") << QPoint(9, 19) << 0 << 0;
    QTest::newRow("hour 5 starts at x 50") << QPoint(50, 15) << 5 << 5;
    QTest::newRow("hour 23 ends at x 239") << QPoint(239, 15) << 23 << 23;
    QTest::newRow("past 24 cells is nothing") << QPoint(240, 15) << -1 << -1;
    QTest::newRow("below the type row counts as its column only") << QPoint(75, 25) << -1 << 7;
    QTest::newRow("left of the strip is nothing") << QPoint(-1, 15) << -1 << -1;
}

void TestRecordWidget::hitTests()
{
    QFETCH(QPoint, pos);
    QFETCH(int, hour);
    QFETCH(int, column);
    RecordWidget w;
    w.resize(245, 30);
    QCOMPARE(w.cellSize(), 10);
    QCOMPARE(w.hourAt(pos), hour);
    QCOMPARE(w.columnAt(pos), column);
}

void TestRecordWidget::paintingWithTheMouse_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QString>("plan");
    // 240 x 20: cells of 10; the type row's centre line is y 15.
    const auto at = [](int hour) { return QPoint(hour * 10 + 5, 15); };
    QTest::newRow("a click on hour 5 with event sets only that hour")
        << 2 << at(4) << QList<QPoint>() << at(4) << QStringLiteral("000020000000000000000000");
    QTest::newRow("a drag to the right paints the span while moving and on release")
        << 1 << at(2) << QList<QPoint>{at(4), at(6)} << at(6)
        << QStringLiteral("001111100000000000000000");
    QTest::newRow("a drag to the left paints while moving, the release adds nothing")
        << 1 << at(10) << QList<QPoint>{at(6), at(3)} << at(3)
        << QStringLiteral("000111111110000000000000");
    QTest::newRow("moving back keeps what the drag painted")
        << 1 << at(5) << QList<QPoint>{at(9), at(6)} << at(6)
        << QStringLiteral("000001111100000000000000");
    QTest::newRow("a drag along the hour row paints by column")
        << 2 << at(1) << QList<QPoint>{QPoint(35, 3)} << QPoint(35, 3)
        << QStringLiteral("022200000000000000000000");
    QTest::newRow("a press on the hour row and a drag change nothing")
        << 1 << QPoint(25, 5) << QList<QPoint>{at(8)} << at(8) << QString(24, u'0');
    QTest::newRow("a drag past the right end keeps the last span")
        << 1 << at(20) << QList<QPoint>{at(22), QPoint(260, 15)} << QPoint(260, 15)
        << QStringLiteral("000000000000000000001110");
    QTest::newRow("a release below the strip adds nothing to the moves")
        << 1 << at(0) << QList<QPoint>{at(1)} << QPoint(45, 40)
        << QStringLiteral("110000000000000000000000");
    QTest::newRow("a release without moves on a later hour sets the whole span")
        << 2 << at(0) << QList<QPoint>() << at(3) << QStringLiteral("222200000000000000000000");
}

void TestRecordWidget::paintingWithTheMouse()
{
    QFETCH(int, type);
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, release);
    QFETCH(QString, plan);
    RecordWidget w;
    w.resize(240, 20);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setCurrentType(type);
    QTest::mousePress(&w, Qt::LeftButton, {}, press);
    for (const QPoint &p : moves)
        dragTo(w, p);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, release);
    QCOMPARE(digits(w), plan);
}

void TestRecordWidget::eachTypeHasItsColour_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QList<QColor>>("fills");
    const QColor none(162, 162, 162);
    const QColor scheduled(185, 204, 45);
    const QColor event(197, 113, 45);
    QTest::newRow("no recording, scheduled and event")
        << QStringLiteral("012000000000000000000000")
        << QList<QColor>{none, scheduled, event, none};
    QTest::newRow("another type takes the fill of the hour before it")
        << QStringLiteral("2-7100000000000000000000")
        << QList<QColor>{event, event, event, scheduled};
    QTest::newRow("another type in the first hour is white")
        << QStringLiteral("-10000000000000000000000")
        << QList<QColor>{Qt::white, scheduled, none, none};
}

void TestRecordWidget::eachTypeHasItsColour()
{
    QFETCH(QString, plan);
    QFETCH(QList<QColor>, fills);
    RecordWidget w;
    w.resize(480, 40); // cells of 20
    w.setRecordPlan(cellsOf(plan));
    const QImage image = w.grab().toImage();
    for (int hour = 0; hour < fills.size(); ++hour) {
        QCOMPARE(QColor(image.pixel(hour * 20 + 10, 30)), fills.at(hour));
        // The hour row above is white around its number, with a black
        // outline between the cells.
        QCOMPARE(QColor(image.pixel(hour * 20 + 3, 3)), QColor(Qt::white));
    }
    QVERIFY(QColor(image.pixel(20, 15)).lightness() < 60);
    QVERIFY(QColor(image.pixel(30, 20)).lightness() < 60);
}

QTEST_MAIN(TestRecordWidget)
#include "tst_recordwidget.moc"
