#include <PinButton.h>
#include <TimeUnitButton.h>

#include "ProgramFolder.h"
#include <QSignalSpy>

#include <QtTest>

class TestCustomButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_folder = std::make_unique<ProgramFolder>(); }
    void cleanupTestCase() { m_folder.reset(); }
    void timeUnitRelease_data();
    void timeUnitRelease();
    void timeUnitIgnoresOtherButtons();
    void timeUnitSetCurrentEmitsOnChangeOnly();
    void pinHidesAndShowsItsBuddy();
    void pinWithoutBuddyOnlyReports();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestCustomButtons::timeUnitRelease_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("segment");
    // 91 pixels wide: a segment is 30, the last pixel belongs to none.
    QTest::newRow("x 0 is day") << 0 << 0;
    QTest::newRow("x 29 is day") << 29 << 0;
    QTest::newRow("x 30 is week") << 30 << 1;
    QTest::newRow("x 59 is week") << 59 << 1;
    QTest::newRow("x 60 is month") << 60 << 2;
    QTest::newRow("x 89 is month") << 89 << 2;
    QTest::newRow("x 90 is none, the week stays") << 90 << 1;
}

void TestCustomButtons::timeUnitRelease()
{
    QFETCH(int, x);
    QFETCH(int, segment);
    kivui::TimeUnitButton button;
    button.resize(91, 24);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    button.setCurrentButton(1);
    QSignalSpy changed(&button, &kivui::TimeUnitButton::signalCurrentButtonChanged);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(x, 12));
    QCOMPARE(button.currentButton(), segment);
    QCOMPARE(changed.count(), segment == 1 ? 0 : 1);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!button.isDown());
}

void TestCustomButtons::timeUnitIgnoresOtherButtons()
{
    kivui::TimeUnitButton button;
    button.resize(91, 24);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy changed(&button, &kivui::TimeUnitButton::signalCurrentButtonChanged);
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(70, 12));
    QCOMPARE(button.currentButton(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestCustomButtons::timeUnitSetCurrentEmitsOnChangeOnly()
{
    kivui::TimeUnitButton button;
    QSignalSpy changed(&button, &kivui::TimeUnitButton::signalCurrentButtonChanged);
    button.setCurrentButton(0);
    QCOMPARE(changed.count(), 0);
    button.setCurrentButton(2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(button.currentButton(), 2);
    button.setCurrentButton(2);
    QCOMPARE(changed.count(), 1);
}

void TestCustomButtons::pinHidesAndShowsItsBuddy()
{
    QWidget host;
    auto *buddy = new QWidget(&host);
    auto *pin = new kivui::PinButton(&host);
    pin->setBuddy(buddy);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(pin->size(), QSize(14, 69));
    QList<bool> seen; // the buddy's visibility when the signal arrives
    connect(pin, &kivui::PinButton::pinButtonClicked, this, [&] { seen << buddy->isVisible(); });
    QTest::mouseClick(pin, Qt::LeftButton);
    QVERIFY(buddy->isHidden());
    QVERIFY(pin->styleSheet().contains(QLatin1String("Complex/right.png")));
    QTest::mouseClick(pin, Qt::LeftButton);
    QVERIFY(buddy->isVisible());
    QVERIFY(pin->styleSheet().contains(QLatin1String("Complex/left.png")));
    QCOMPARE(seen, QList<bool>({false, true}));
}

void TestCustomButtons::pinWithoutBuddyOnlyReports()
{
    kivui::PinButton pin;
    const QString sheet = pin.styleSheet();
    QSignalSpy clicked(&pin, &kivui::PinButton::pinButtonClicked);
    pin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pin));
    QTest::mouseClick(&pin, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(pin.styleSheet(), sheet);
}

QTEST_MAIN(TestCustomButtons)
#include "tst_custombuttons.moc"
