#include <FancyTitle.h>
#include <GuiInit.h>
#include <WidgetSizeFactory.h>

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using namespace KavrinGUIToolkit;

namespace {

// A frameless window with a title strip on top, as the program's windows are.
struct FramelessWindow
{
    FramelessWindow()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        title = new CFancyTitle(&window);
        title->setFixedHeight(28);
        layout->addWidget(title);
        layout->addStretch(1);
        window.setGeometry(100, 100, 600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    CFancyTitle *title = nullptr;
};

} // namespace

class TestToolkitFrames : public QObject
{
    Q_OBJECT

private slots:
    void dragOnTheTitleMovesTheWindow();
    void doubleClickMaximisesAndRestores();
    void doubleClickHandedToASubclassDoesNothing_data();
    void doubleClickHandedToASubclassDoesNothing();
    void restoreBringsBackTheFormerGeometry();
    void independentWindowIsTheTopLevel();
    void guiLocaleBecomesTheDefault();
};

void TestToolkitFrames::dragOnTheTitleMovesTheWindow()
{
    FramelessWindow f;
    const QPoint before = f.window.pos();
    QTest::mousePress(f.title, Qt::LeftButton, {}, QPoint(50, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 40), f.title->mapToGlobal(QPointF(90, 40)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.title, &move);
    QTest::mouseRelease(f.title, Qt::LeftButton, {}, QPoint(90, 40));
    QCOMPARE(f.window.pos(), before + QPoint(40, 30));
}

void TestToolkitFrames::doubleClickMaximisesAndRestores()
{
    FramelessWindow f;
    QSignalSpy changed(f.title, &CFancyTitle::SignalWndSizeStatusChanged);
    QTest::mouseDClick(f.title, Qt::LeftButton, {}, QPoint(50, 10));
    QTRY_VERIFY(CWidgetSizeFactory::IsMaximized(&f.window));
    QTest::mouseDClick(f.title, Qt::LeftButton, {}, QPoint(50, 10));
    QTRY_VERIFY(!CWidgetSizeFactory::IsMaximized(&f.window));
    QCOMPARE(changed.count(), 2);
}

void TestToolkitFrames::doubleClickHandedToASubclassDoesNothing_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("button");
    QTest::newRow("double click switched off") << false << int(Qt::LeftButton);
    QTest::newRow("a right-button double click") << true << int(Qt::RightButton);
}

void TestToolkitFrames::doubleClickHandedToASubclassDoesNothing()
{
    QFETCH(bool, enabled);
    QFETCH(int, button);
    FramelessWindow f;
    f.title->SetOpenDoubleClickEnable(enabled);
    QSignalSpy changed(f.title, &CFancyTitle::SignalWndSizeStatusChanged);
    QTest::mouseDClick(f.title, Qt::MouseButton(button), {}, QPoint(50, 10));
    QVERIFY(!f.window.isMaximized());
    QCOMPARE(changed.count(), 0);
}

void TestToolkitFrames::restoreBringsBackTheFormerGeometry()
{
    FramelessWindow f;
    const QRect normal = f.window.geometry();
    CWidgetSizeFactory::ShowMaximized(&f.window);
    QTRY_VERIFY(f.window.isMaximized());
    QTRY_COMPARE(f.window.geometry(), f.window.screen()->availableGeometry());
    CWidgetSizeFactory::ShowNormal(&f.window);
    QTRY_COMPARE(f.window.geometry(), normal);
    CWidgetSizeFactory::ShowMaximized(&f.window);
    CWidgetSizeFactory::ShowNormal(&f.window, QSize(500, 300));
    QTRY_COMPARE(f.window.size(), QSize(500, 300));
}

void TestToolkitFrames::independentWindowIsTheTopLevel()
{
    FramelessWindow f;
    auto *deep = new QWidget(f.title);
    QCOMPARE(CWidgetSizeFactory::GetIndependentWindow(deep), &f.window);
    QCOMPARE(CWidgetSizeFactory::GetIndependentWindow(&f.window), &f.window);
    QCOMPARE(CWidgetSizeFactory::GetIndependentWindow(nullptr), nullptr);
}

void TestToolkitFrames::guiLocaleBecomesTheDefault()
{
    const QLocale before;
    InitGuiLocale(QLocale(QLocale::Chinese, QLocale::China));
    QCOMPARE(QLocale().language(), QLocale::Chinese);
    QCOMPARE(GuiLocale().territory(), QLocale::China);
    InitGuiLocale(before);
}

QTEST_MAIN(TestToolkitFrames)
#include "tst_toolkitframes.moc"
