#include "LensTestSupport.h"
#include "TitleBarHost.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

// The title bar on a screen smaller than 1024 x 768 changes no window size.
class TestLensTitleBarSmallScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initTestCase();
    void neitherButtonNorDoubleClickChangesTheWindow_data();
    void neitherButtonNorDoubleClickChangesTheWindow();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensTitleBarSmallScreen::init()
{
    m_programFolder.start();
}

void TestLensTitleBarSmallScreen::cleanup()
{
    m_programFolder.stop();
}

void TestLensTitleBarSmallScreen::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1000, 800));
}

void TestLensTitleBarSmallScreen::neitherButtonNorDoubleClickChangesTheWindow_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("the button leaves the window as it is") << false;
    QTest::newRow("a double-click leaves the window as it is") << true;
}

void TestLensTitleBarSmallScreen::neitherButtonNorDoubleClickChangesTheWindow()
{
    QFETCH(bool, doubleClick);
    TitleBarHost host(QSize(900, 700), QPoint(20, 30));
    for (int i = 0; i < 2; ++i) {
        if (doubleClick)
            QTest::mouseDClick(host.title(), Qt::LeftButton, {}, QPoint(200, 10));
        else
            QTest::mouseClick(host.maxButton(), Qt::LeftButton);
        QCOMPARE(host.window().size(), QSize(900, 700));
        QCOMPARE(host.window().pos(), QPoint(20, 30));
        QCOMPARE(host.window().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }
}

int main(int argc, char *argv[])
{
    // A screen of 1000 x 800 in place of the tests' usual one.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LENS_SMALL_SCREEN);
    QApplication app(argc, argv);
    TestLensTitleBarSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lens_titlebar_small_screen.moc"
