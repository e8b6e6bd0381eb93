#include "LensTestSupport.h"

#include <CPendrikMainWnd.h>
#include <CPendrikWindow.h>
#include <CWindowTitle.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

namespace {

using KavrinGUIToolkit::CWarningDlg;

void answerMessages(int answer)
{
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([answer](const CWarningDlg::Shown &) { return answer; });
}

QFrame *tabFrame(const CPendrikMainWnd &window)
{
    return window.findChild<QFrame *>(QStringLiteral("pTabFrame"));
}

// Counts the queued calls delivered to the application object.
class QueuedCallCounter : public QObject
{
public:
    int calls = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::MetaCall)
            ++calls;
        return false;
    }
};

QPushButton *button(const QWidget &window, const char *name)
{
    return window.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

// The library window: stand-alone or embedded, its tab strip and size
// modes, the help menu and the close confirmation.
class TestLensMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initTestCase();

    void withoutParentItIsAFramelessWindow();
    void withAParentItIsAChildWidget();
    void tabStripHidesWhateverTheFlag_data();
    void tabStripHidesWhateverTheFlag();
    void sizeModes_data();
    void sizeModes();
    void helpWithoutManualSaysSo_data();
    void helpWithoutManualSaysSo();
    void helpTabRunsItsMenu();
    void versionShowsTheAboutBox();
    void declinedCloseKeepsTheWindow();
    void embeddedCloseClosesTheHostOnly();
    void confirmedCloseQuits();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensMainWindow::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestLensMainWindow::init()
{
    m_programFolder.start();
    answerMessages(1);
}

void TestLensMainWindow::cleanup()
{
    CWarningDlg::SetResponder({});
    m_programFolder.stop();
}

void TestLensMainWindow::withoutParentItIsAFramelessWindow()
{
    CPendrikMainWnd window;
    QCOMPARE(window.objectName(), QStringLiteral("CPendrikMainWndClass"));
    QVERIFY(window.isWindow());
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.windowTitle(), QStringLiteral("Pendrik"));
    QCOMPARE(window.size(), QSize(860, 592));
    QVERIFY(window.titleBar()->isHidden());
    QVERIFY(window.isLargeMode());
    const auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("pStackedWidget"));
    QCOMPARE(pages->count(), 1);
    QCOMPARE(pages->currentWidget(), window.lensPage());
    QCOMPARE(window.lensPage()->objectName(), QStringLiteral("CPendrikWindow"));
    // No size mode is applied before changeSize().
    QVERIFY(window.styleSheet().isEmpty());
    QVERIFY(button(window, "pBtnPendrik")->styleSheet().contains(QStringLiteral("TabSelect.png")));
    QVERIFY(button(window, "pBtnAbout")->styleSheet().contains(QStringLiteral("TabUnselect.png")));
    window.showTitleBar(true);
    QVERIFY(!window.titleBar()->isHidden());
}

void TestLensMainWindow::withAParentItIsAChildWidget()
{
    QWidget host;
    auto *layout = new QGridLayout(&host);
    auto *window = new CPendrikMainWnd(&host);
    layout->addWidget(window, 0, 0);
    host.resize(1000, 700);
    host.show();
    QVERIFY(!window->isWindow());
    QCOMPARE(window->windowType(), Qt::Widget);
    QCOMPARE(window->window(), &host);
    QVERIFY(window->isVisible());
    QVERIFY(!QApplication::topLevelWidgets().contains(window));
    QVERIFY(window->width() > 900);
}

void TestLensMainWindow::tabStripHidesWhateverTheFlag_data()
{
    QTest::addColumn<bool>("flag");
    QTest::newRow("true hides the tab strip") << true;
    QTest::newRow("false hides it too") << false;
}

void TestLensMainWindow::tabStripHidesWhateverTheFlag()
{
    QFETCH(bool, flag);
    CPendrikMainWnd window;
    window.show();
    QVERIFY(tabFrame(window)->isVisible());
    window.hideTab(flag);
    QVERIFY(tabFrame(window)->isHidden());
    QVERIFY(button(window, "pBtnPendrik")->isHidden());
    QVERIFY(button(window, "pBtnAbout")->isHidden());
}

void TestLensMainWindow::sizeModes_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("iconSize");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("unselected");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QString>("border");
    QTest::newRow("large tabs are 40 high with 32 pixel icons")
        << true << 40 << 32 << QStringLiteral("Tab/TabSelect.png")
        << QStringLiteral("Tab/TabUnselect.png") << QStringLiteral("Tab/tab_bg.png")
        << QStringLiteral("border-width:58px 58px 58px 58px");
    QTest::newRow("small tabs are 23 high without icons")
        << false << 23 << 16 << QStringLiteral("Tab/SubTabSelect.png")
        << QStringLiteral("Tab/SubTabUnselect.png") << QStringLiteral("Tab/Subtab_bg.png")
        << QStringLiteral("border-width:23px 58px 58px 58px");
}

void TestLensMainWindow::sizeModes()
{
    QFETCH(bool, large);
    QFETCH(int, height);
    QFETCH(int, iconSize);
    QFETCH(QString, selected);
    QFETCH(QString, unselected);
    QFETCH(QString, strip);
    QFETCH(QString, border);
    CPendrikMainWnd window;
    window.changeSize(!large);
    window.changeSize(large);
    QCOMPARE(window.isLargeMode(), large);
    QCOMPARE(tabFrame(window)->minimumHeight(), height);
    QVERIFY(tabFrame(window)->styleSheet().contains(strip));
    QVERIFY(window.styleSheet().contains(QStringLiteral("QMainWindow#CPendrikMainWndClass")));
    QVERIFY(window.styleSheet().contains(QStringLiteral(":/images/Dialog/dialog_bg2.png")));
    QVERIFY(window.styleSheet().contains(border));
    for (const char *name : {"pBtnPendrik", "pBtnAbout"}) {
        QPushButton *tab = button(window, name);
        QCOMPARE(tab->minimumHeight(), height);
        QCOMPARE(tab->maximumHeight(), height);
        QCOMPARE(tab->iconSize(), QSize(iconSize, iconSize));
        QCOMPARE(tab->icon().isNull(), !large);
    }
    QVERIFY(button(window, "pBtnPendrik")->styleSheet().contains(selected));
    QVERIFY(button(window, "pBtnAbout")->styleSheet().contains(unselected));
    // Choosing the calculator tab keeps the mode's styles.
    window.OnBtnClickedAdjust();
    QVERIFY(button(window, "pBtnPendrik")->styleSheet().contains(selected));
}

void TestLensMainWindow::helpWithoutManualSaysSo_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("F1 on the window") << true;
    QTest::newRow("the menu's Help") << false;
}

void TestLensMainWindow::helpWithoutManualSaysSo()
{
    QFETCH(bool, byKey);
    CPendrikMainWnd window;
    window.show();
    if (byKey) {
        QTest::keyClick(&window, Qt::Key_F1);
    } else {
        std::unique_ptr<QMenu> menu(window.createAboutMenu());
        QAction *help = menu->findChild<QAction *>(QStringLiteral("actionHelp"));
        QVERIFY(help);
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(!help->icon().isNull());
        help->trigger();
    }
    const QList<CWarningDlg::Shown> shown = CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Info"));
    QCOMPARE(shown.first().text, QStringLiteral("Can not find Manual."));
}

void TestLensMainWindow::helpTabRunsItsMenu()
{
    CPendrikMainWnd window;
    window.show();
    QStringList offered;
    // The menu runs modally at the cursor; a queued call answers it.
    QTimer::singleShot(0, &window, [&offered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            offered << action->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    QTest::mouseClick(button(window, "pBtnAbout"), Qt::LeftButton);
    QTRY_COMPARE(offered, (QStringList{QStringLiteral("Help"), QStringLiteral("Version")}));
    QTRY_COMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().first().text, QStringLiteral("Can not find Manual."));
}

void TestLensMainWindow::versionShowsTheAboutBox()
{
    CPendrikMainWnd window;
    window.show();
    QString shownDialog;
    QWidget *shownParent = nullptr;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shownDialog = dialog->objectName();
        shownParent = dialog->parentWidget();
        dialog->reject();
    });
    std::unique_ptr<QMenu> menu(window.createAboutMenu());
    menu->findChild<QAction *>(QStringLiteral("actionVersion"))->trigger();
    QTRY_COMPARE(shownDialog, QStringLiteral("CDlgAbout"));
    QCOMPARE(shownParent, &window);
}

void TestLensMainWindow::declinedCloseKeepsTheWindow()
{
    answerMessages(0);
    CPendrikMainWnd window;
    window.show();
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    const QList<CWarningDlg::Shown> shown = CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().question);
    QCOMPARE(shown.first().title, QStringLiteral("Confirm"));
    QCOMPARE(shown.first().text, QStringLiteral("Sure to close software"));
}

void TestLensMainWindow::embeddedCloseClosesTheHostOnly()
{
    QDialog host;
    auto *layout = new QGridLayout(&host);
    auto *window = new CPendrikMainWnd(&host);
    layout->addWidget(window, 0, 0);
    window->showTitleBar(true);
    host.show();
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);

    QTest::mouseClick(button(*window->titleBar(), "pBtnTitleClose"), Qt::LeftButton);
    QTRY_VERIFY(!host.isVisible());
    QCOMPARE(host.result(), int(QDialog::Rejected));
    // No "Sure to close software": the host decides about its program.
    QVERIFY(CWarningDlg::History().isEmpty());
    QVERIFY(!window->isHidden());
    QCOMPARE(quitting.count(), 0);
}

void TestLensMainWindow::confirmedCloseQuits()
{
    answerMessages(1);
    CPendrikMainWnd window;
    window.show();
    // The quit goes to the application as a queued call.
    QueuedCallCounter counter;
    qApp->installEventFilter(&counter);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(counter.calls, 0);
    QTRY_COMPARE(counter.calls, 1);
    qApp->removeEventFilter(&counter);
    QCOMPARE(CWarningDlg::History().size(), 1);
}

QTEST_MAIN(TestLensMainWindow)
#include "tst_lens_main_window.moc"
