#include "LensTestSupport.h"
#include "TitleBarHost.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QtTest>

// The title bar on the 1280 x 1024 test screen.
class TestLensTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void barHoldsIconNameAndButtons();
    void buttonsShowTheirPictures();
    void buttonsAreGlyphsOnTheDarkBar();
    void backgroundFillsTheBar();
    void maximiseAndRestore_data();
    void maximiseAndRestore();
    void aWindowSizedToTheFreeAreaIsRestored();
    void dragMovesTheWindowWithTheCursor();
    void dragBelowTheScreenKeepsTheGrabPointOnTheLastRow();
    void releaseEndsTheDrag();
    void noDragWhileMaximised();
    void noDragOfAFullScreenWindow();
    void aFullScreenWindowStartsWithTheRestoreButton();
    void closeAndMinimise();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensTitleBar::init()
{
    m_programFolder.start();
}

void TestLensTitleBar::cleanup()
{
    m_programFolder.stop();
}

namespace {

bool names(const QPushButton *button, const char *picture)
{
    return button->styleSheet().contains(
        QStringLiteral("url(:/images/title/%1.png)").arg(QLatin1String(picture)));
}

} // namespace

void TestLensTitleBar::barHoldsIconNameAndButtons()
{
    TitleBarHost host;
    QPushButton *icon = host.button("pBtnTitleIcon");
    QCOMPARE(icon->size(), QSize(32, 32));
    QCOMPARE(icon->focusPolicy(), Qt::NoFocus);
    QVERIFY(icon->styleSheet().contains(QStringLiteral(":/images/Pendrik/Cameralens.png")));
    for (const char *name : {"pBtnTitleMinimize", "pBtnTitleMaxRestore", "pBtnTitleClose"}) {
        QPushButton *button = host.button(name);
        QVERIFY2(button, name);
        QCOMPARE(button->size(), QSize(20, 20));
        QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
    }
    // Minimise, maximise and close, left to right, right of the name.
    const QLabel *label = host.title()->findChild<QLabel *>(QStringLiteral("pLabelTitle"));
    QCOMPARE(label->text(), QStringLiteral("Pendrik"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QVERIFY(icon->x() < label->x());
    QVERIFY(label->x() < host.button("pBtnTitleMinimize")->x());
    QVERIFY(host.button("pBtnTitleMinimize")->x() < host.maxButton()->x());
    QVERIFY(host.maxButton()->x() < host.button("pBtnTitleClose")->x());
}

void TestLensTitleBar::buttonsShowTheirPictures()
{
    TitleBarHost host;
    QVERIFY(names(host.button("pBtnTitleMinimize"), "mini"));
    QVERIFY(names(host.button("pBtnTitleMinimize"), "mini_hover"));
    QVERIFY(names(host.button("pBtnTitleClose"), "close"));
    QVERIFY(names(host.button("pBtnTitleClose"), "close_hover"));
    QVERIFY(names(host.maxButton(), "full-screen"));
    QVERIFY(names(host.maxButton(), "full-screen_hover"));
    QVERIFY(!names(host.maxButton(), "back"));
}

void TestLensTitleBar::buttonsAreGlyphsOnTheDarkBar()
{
    // The skin's button face (light, padded) applies to every toolkit
    // button of the process, the title bar's included.
    QFile controls(
        QStringLiteral(VARNEL_SOURCE_DIR "/toolkit/skin/qss/KavrinGUIToolkit/Controls.qss"));
    QVERIFY(controls.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(controls.readAll()));
    TitleBarHost host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window()));
    const QImage shot = host.title()->grab().toImage();
    qApp->setStyleSheet(QString());
    // The corners of each picture are transparent: the dark bar shows
    // there, not a pale square.
    for (const char *name :
         {"pBtnTitleIcon", "pBtnTitleMinimize", "pBtnTitleMaxRestore", "pBtnTitleClose"}) {
        const QPushButton *button = host.button(name);
        const QPoint corner = button->mapTo(host.title(), QPoint(1, 1));
        QVERIFY2(qGray(shot.pixel(corner)) < 100, name);
    }
}

void TestLensTitleBar::backgroundFillsTheBar()
{
    TitleBarHost host;
    CWindowTitle *bar = host.title();
    QVERIFY(bar->autoFillBackground());
    const QPixmap texture = bar->palette().brush(QPalette::Window).texture();
    QVERIFY(!texture.isNull());
    QCOMPARE(texture.size(), bar->size());
    const QImage shot = bar->grab().toImage();
    // The dark picture shows behind the white name.
    QVERIFY(qGray(shot.pixel(bar->width() / 3, bar->height() / 2)) < 100);
}

void TestLensTitleBar::maximiseAndRestore_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("the button maximises and restores") << false;
    QTest::newRow("a double-click on the bar maximises and restores") << true;
}

void TestLensTitleBar::maximiseAndRestore()
{
    QFETCH(bool, doubleClick);
    TitleBarHost host;
    const auto toggle = [&] {
        if (doubleClick)
            QTest::mouseDClick(host.title(), Qt::LeftButton, {}, QPoint(200, 10));
        else
            QTest::mouseClick(host.maxButton(), Qt::LeftButton);
    };

    toggle();
    QCOMPARE(host.window().size(), QSize(1280, 1024));
    QCOMPARE(host.window().pos(), QPoint(0, 0));
    QVERIFY(names(host.maxButton(), "back"));
    QVERIFY(!names(host.maxButton(), "full-screen"));

    toggle();
    QCOMPARE(host.window().size(), QSize(1024, 768));
    QCOMPARE(host.window().minimumSize(), QSize(1024, 768));
    QCOMPARE(host.window().maximumSize(), QSize(1024, 768));
    QCOMPARE(host.window().pos(), QPoint(1280 / 2 - 512, 1024 / 2 - 384));
    QVERIFY(names(host.maxButton(), "full-screen"));

    toggle();
    QCOMPARE(host.window().size(), QSize(1280, 1024));
}

void TestLensTitleBar::aWindowSizedToTheFreeAreaIsRestored()
{
    TitleBarHost host(QSize(1280, 1024), QPoint(0, 0));
    QTest::mouseClick(host.maxButton(), Qt::LeftButton);
    QCOMPARE(host.window().size(), QSize(1024, 768));
    QVERIFY(names(host.maxButton(), "full-screen"));
}

void TestLensTitleBar::dragMovesTheWindowWithTheCursor()
{
    TitleBarHost host;
    const QPoint grab = host.title()->mapToGlobal(QPoint(300, 10));
    QTest::mousePress(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    host.dragTo(grab + QPoint(40, 25));
    QCOMPARE(host.window().pos(), QPoint(90, 85));
    host.dragTo(grab + QPoint(-30, 100));
    QCOMPARE(host.window().pos(), QPoint(20, 160));
    QTest::mouseRelease(host.title(), Qt::LeftButton, {}, host.title()->mapFromGlobal(grab));
}

void TestLensTitleBar::dragBelowTheScreenKeepsTheGrabPointOnTheLastRow()
{
    TitleBarHost host;
    const QPoint inWindow = host.title()->mapTo(&host.window(), QPoint(300, 10));
    QTest::mousePress(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    host.dragTo(QPoint(500, 1100));
    QCOMPARE(host.window().pos(), QPoint(500, 1023) - inWindow);
}

void TestLensTitleBar::releaseEndsTheDrag()
{
    TitleBarHost host;
    const QPoint grab = host.title()->mapToGlobal(QPoint(300, 10));
    QTest::mousePress(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    QTest::mouseRelease(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    host.dragTo(grab + QPoint(40, 25));
    QCOMPARE(host.window().pos(), QPoint(50, 60));
}

void TestLensTitleBar::noDragWhileMaximised()
{
    TitleBarHost host;
    QTest::mouseClick(host.maxButton(), Qt::LeftButton);
    QCOMPARE(host.window().pos(), QPoint(0, 0));
    const QPoint grab = host.title()->mapToGlobal(QPoint(300, 10));
    QTest::mousePress(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    host.dragTo(grab + QPoint(40, 25));
    QCOMPARE(host.window().pos(), QPoint(0, 0));
}

void TestLensTitleBar::noDragOfAFullScreenWindow()
{
    TitleBarHost host;
    host.window().showFullScreen();
    QVERIFY(host.window().isFullScreen());
    const QPoint before = host.window().pos();
    const QPoint grab = host.title()->mapToGlobal(QPoint(300, 10));
    QTest::mousePress(host.title(), Qt::LeftButton, {}, QPoint(300, 10));
    host.dragTo(grab + QPoint(40, 25));
    QCOMPARE(host.window().pos(), before);
}

void TestLensTitleBar::aFullScreenWindowStartsWithTheRestoreButton()
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.showFullScreen();
    CWindowTitle title(&window);
    auto *button = title.findChild<QPushButton *>(QStringLiteral("pBtnTitleMaxRestore"));
    QVERIFY(names(button, "back"));
    QVERIFY(names(button, "back_hover"));
}

void TestLensTitleBar::closeAndMinimise()
{
    TitleBarHost host;
    QTest::mouseClick(host.button("pBtnTitleMinimize"), Qt::LeftButton);
    QVERIFY(host.window().isMinimized());
    host.window().showNormal();
    QTest::mouseClick(host.button("pBtnTitleClose"), Qt::LeftButton);
    QVERIFY(!host.window().isVisible());
}

QTEST_MAIN(TestLensTitleBar)
#include "tst_lens_titlebar.moc"
