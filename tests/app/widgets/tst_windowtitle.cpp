#include <SystemMenu.h>
#include <UserManual.h>
#include <Varnel.h>
#include <WindowTitle.h>

#include "ProgramFolder.h"

#include <WarningDlg.h>

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;

namespace {

// A frameless window with the title bar on top, as the main window has.
struct TitledWindow
{
    explicit TitledWindow(const QString &styleSheet = QString())
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setStyleSheet(styleSheet);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        title = new kivui::WindowTitle(&window);
        layout->addWidget(title);
        layout->addStretch(1);
        window.setGeometry(100, 100, 640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QToolButton *button(const char *name) const
    {
        return title->findChild<QToolButton *>(QLatin1String(name));
    }
    QWidget window;
    kivui::WindowTitle *title = nullptr;
};

} // namespace

class TestWindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buttonsInOrder();
    void glyphsStandOutOnTheBar_data();
    void glyphsStandOutOnTheBar();
    void maximiseButtonSwitchesStateAndName();
    void minimiseButtonMinimises();
    void doubleClick_data();
    void doubleClick();
    void altF4AsksAndReportsTheCloseRequest();
    void systemMenuListsManualThenAbout();
    void userManualItem_data();
    void userManualItem();
    void aboutItemAsksForTheAboutBox();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    QList<QUrl> m_opened;
    int m_answer = 0;
};

void TestWindowTitle::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_opened.clear();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([this](const CWarningDlg::Shown &) { return m_answer; });
    kiv::UserManual::setOpener([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
}

void TestWindowTitle::cleanup()
{
    kiv::UserManual::setOpener({});
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestWindowTitle::buttonsInOrder()
{
    TitledWindow f;
    QCOMPARE(f.title->height(), 28);
    QCOMPARE(f.title->findChild<QLabel *>(QStringLiteral("m_labelTitle"))->text(),
             QStringLiteral("Varnel"));
    // Left to right: icon, then menu, minimise, maximise, close at the right end.
    QStringList order;
    for (const char *name :
         {"m_btnIcon", "m_btnSystemMenu", "m_btnMinimize", "m_btnMaximize", "m_btnClose"}) {
        QToolButton *b = f.button(name);
        QVERIFY2(b, name);
        order << QString::number(b->mapTo(&f.window, QPoint(0, 0)).x());
    }
    for (int i = 1; i < order.size(); ++i)
        QVERIFY(order.at(i - 1).toInt() < order.at(i).toInt());
    QVERIFY(f.button("m_btnClose")->mapTo(&f.window, QPoint(0, 0)).x() > 640 - 60);
    QCOMPARE(f.button("m_btnIcon")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.button("m_btnClose")->focusPolicy(), Qt::ClickFocus);
}

void TestWindowTitle::glyphsStandOutOnTheBar_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QColor>("bar");
    const QColor darkRed(0x8b, 0x1a, 0x1a);
    QTest::newRow("without the skin the bar is dark red all the same") << QString() << darkRed;
    QFile skin(QStringLiteral(VARNEL_SOURCE_DIR "/toolkit/skin/qss/System/Title.qss"));
    QVERIFY(skin.open(QIODevice::ReadOnly));
    QTest::newRow("the skin's sheet draws the bar") << QString::fromUtf8(skin.readAll()) << darkRed;
    QTest::newRow("a sheet with a bar of its own colour has the last word")
        << QStringLiteral("kivui--WindowTitle { background-color: #204060; }")
        << QColor(0x20, 0x40, 0x60);
}

void TestWindowTitle::glyphsStandOutOnTheBar()
{
    QFETCH(QString, sheet);
    QFETCH(QColor, bar);
    TitledWindow f(sheet);
    // The whole window, as the screen shows it: a widget grabbed alone would
    // be drawn on its own background colour even where it paints none.
    const QImage image = f.window.grab().toImage();
    // Bare bar between the title and the buttons.
    QCOMPARE(QColor(image.pixel(f.title->mapTo(&f.window, QPoint(f.title->width() / 2, 3)))), bar);
    // The white glyphs are drawn on it and stand out.
    for (const char *name : {"m_btnSystemMenu", "m_btnMinimize", "m_btnMaximize", "m_btnClose"}) {
        const QToolButton *button = f.button(name);
        const QRect area =
            QRect(button->mapTo(&f.window, QPoint(0, 0)), button->size()) & image.rect();
        QVERIFY2(!area.isEmpty(), name);
        int brightest = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                brightest = qMax(brightest, QColor(image.pixel(x, y)).lightness());
        }
        QVERIFY2(brightest - bar.lightness() > 150, name);
    }
}

void TestWindowTitle::maximiseButtonSwitchesStateAndName()
{
    TitledWindow f;
    QToolButton *max = f.title->maximizeButton();
    QCOMPARE(max->objectName(), QStringLiteral("m_btnMaximize"));
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(f.window.isMaximized());
    QCOMPARE(max->objectName(), QStringLiteral("m_btnResore"));
    QTest::mouseClick(max, Qt::LeftButton);
    QTRY_VERIFY(!f.window.isMaximized());
    QCOMPARE(max->objectName(), QStringLiteral("m_btnMaximize"));
    QTRY_COMPARE(f.window.geometry(), QRect(100, 100, 640, 480));
}

void TestWindowTitle::minimiseButtonMinimises()
{
    TitledWindow f;
    QTest::mouseClick(f.button("m_btnMinimize"), Qt::LeftButton);
    QTRY_VERIFY(f.window.isMinimized());
}

void TestWindowTitle::doubleClick_data()
{
    QTest::addColumn<bool>("maximisedBefore");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("maximisedAfter");
    QTest::addColumn<int>("emitted");
    QTest::newRow("a double click maximises a normal window")
        << false << int(Qt::LeftButton) << true << 1;
    QTest::newRow("a double click restores a maximised window")
        << true << int(Qt::LeftButton) << false << 1;
    QTest::newRow("a right-button double click does nothing")
        << false << int(Qt::RightButton) << false << 0;
}

void TestWindowTitle::doubleClick()
{
    QFETCH(bool, maximisedBefore);
    QFETCH(int, button);
    QFETCH(bool, maximisedAfter);
    QFETCH(int, emitted);
    TitledWindow f;
    if (maximisedBefore) {
        KavrinGUIToolkit::CWidgetSizeFactory::ShowMaximized(&f.window);
        QTRY_VERIFY(f.window.isMaximized());
    }
    QSignalSpy changed(f.title, &KavrinGUIToolkit::CFancyTitle::SignalWndSizeStatusChanged);
    QTest::mouseDClick(f.title, Qt::MouseButton(button), {}, QPoint(200, 14));
    QTRY_COMPARE(f.window.isMaximized(), maximisedAfter);
    QCOMPARE(changed.count(), emitted);
    // Only the button renames itself.
    QCOMPARE(f.title->maximizeButton()->objectName(), QStringLiteral("m_btnMaximize"));
}

void TestWindowTitle::altF4AsksAndReportsTheCloseRequest()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy closeApp(w.titleBar(), &kivui::WindowTitle::signalCloseApp);
    m_answer = 0;
    QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier);
    // A shortcut presses its button, which clicks as it comes back up.
    QTRY_COMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().at(0).text, QStringLiteral("Sure to close software"));
    QCOMPARE(closeApp.count(), 1);
    QVERIFY(w.isVisible());
}

void TestWindowTitle::systemMenuListsManualThenAbout()
{
    TitledWindow f;
    QToolButton *menuButton = f.button("m_btnSystemMenu");
    QCOMPARE(menuButton->popupMode(), QToolButton::InstantPopup);
    QCOMPARE(menuButton->menu(), f.title->systemMenu());
    const QList<QAction *> actions = f.title->systemMenu()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("User Manual"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("About"));
    QVERIFY(!actions.at(0)->icon().isNull());
    QVERIFY(!actions.at(1)->icon().isNull());
}

void TestWindowTitle::userManualItem_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("without a manual it says so") << false;
    QTest::newRow("with a manual beside the program it opens it") << true;
}

void TestWindowTitle::userManualItem()
{
    QFETCH(bool, present);
    const QString manual = m_folder->file(kiv::UserManual::fileName(0));
    if (present)
        QVERIFY(ProgramFolder::write(manual, "%PDF-1.4\n"));
    TitledWindow f;
    f.title->systemMenu()->actions().at(0)->trigger();
    if (present) {
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
        QCOMPARE(CWarningDlg::History().size(), 0);
    } else {
        QCOMPARE(m_opened, QList<QUrl>());
        QCOMPARE(CWarningDlg::History().size(), 1);
        QCOMPARE(CWarningDlg::History().at(0).title, QStringLiteral("Info"));
        QCOMPARE(CWarningDlg::History().at(0).text, QStringLiteral("Can not find Manual."));
    }
}

void TestWindowTitle::aboutItemAsksForTheAboutBox()
{
    TitledWindow f;
    QSignalSpy asked(f.title->systemMenu(), &kivui::SystemMenu::aboutRequested);
    f.title->systemMenu()->actions().at(1)->trigger();
    QCOMPARE(asked.count(), 1);
    // The title bar itself opens nothing: the window that owns it does.
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestWindowTitle)
#include "tst_windowtitle.moc"
