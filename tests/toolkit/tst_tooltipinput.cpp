// A validation tip stands beside the field it refuses, and may stand over
// the field next to it; the planner's next click must still reach that
// field. Which window a click goes to is the
// window system's decision, and the offscreen platform makes none (it hands
// a click to the topmost window whatever it asks for), so the tip is shown on
// a real X server, a private Xvfb, and the server is asked which window
// stands under the pointer at the field.

#include <ToolTip.h>

#include "ChildProcess.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

using KavrinGUIToolkit::CToolTip;

namespace {

/// The top-level X window under the pointer once it stands at @p global.
xcb_window_t windowUnderPointer(xcb_connection_t *connection, const QPoint &global)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_warp_pointer(connection, XCB_NONE, root, 0, 0, 0, 0, qint16(global.x()),
                     qint16(global.y()));
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    const xcb_window_t child = reply ? reply->child : XCB_NONE;
    std::free(reply);
    return child;
}

// Runs on the X server: a form with two fields, one above the other, the
// tip at the lower field's top-left corner as a refused value shows it, and
// where a click in the upper field, under the tip, would go. Reports
// "covered" (the tip stands over the point) and "under" (field, tip or
// other).
int runTipChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        out << "platform\t" << QGuiApplication::platformName() << '\n';
        return 1;
    }
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *field = new QLineEdit(&form);
    auto *refused = new QLineEdit(&form);
    layout->addWidget(field);
    layout->addWidget(refused);
    form.setGeometry(100, 100, 240, 80);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    const QPoint corner = refused->mapToGlobal(QPoint(0, 0));
    CToolTip::ShowText(corner, QStringLiteral("Number Range [1~1000]"), nullptr);
    QWidget *tip = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("CToolTip") && w->isVisible())
            tip = w;
    }
    if (!tip || !QTest::qWaitForWindowExposed(tip))
        return 1;
    // The server has the tip's window and its input region before the
    // question.
    QTest::qWait(200);
    xcb_flush(x11->connection());

    // A point of the upper field that the tip covers.
    const QPoint click = corner + QPoint(8, -12);
    out << "covered\t"
        << (tip->geometry().contains(click) && field->rect().contains(field->mapFromGlobal(click))
                ? 1
                : 0)
        << '\n';
    const xcb_window_t under = windowUnderPointer(x11->connection(), click);
    out << "under\t"
        << (under == form.windowHandle()->winId()   ? "field"
            : under == tip->windowHandle()->winId() ? "tip"
                                                    : "other")
        << '\n';
    return 0;
}

} // namespace

class TestToolTipInput : public QObject
{
    Q_OBJECT

private slots:
    void clickOnAFieldUnderATipReachesTheField();
};

void TestToolTipInput::clickOnAFieldUnderATipReachesTheField()
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        QSKIP("needs xvfb-run (package xvfb) to ask a real X server where a click goes");
    ChildSetup setup;
    setup.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const ChildRun run =
        runThisProgramThrough(xvfbRun,
                              {QStringLiteral("-a"), QStringLiteral("-s"),
                               QStringLiteral("-screen 0 640x480x24 -nolisten tcp")},
                              {QStringLiteral("--tip-child")}, setup);
    QVERIFY2(run.facts.contains(QStringLiteral("under")), qPrintable(childEnding(xvfbRun, run)));
    QCOMPARE(run.facts.value(QStringLiteral("covered")), QStringLiteral("1"));
    QCOMPARE(run.facts.value(QStringLiteral("under")), QStringLiteral("field"));
    // A child that ends badly after its answer (a sanitizer's report at exit)
    // fails the test too.
    QVERIFY2(run.exited() && run.exitCode == 0, qPrintable(childEnding(xvfbRun, run)));
}

int main(int argc, char *argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--tip-child") == 0)
        return runTipChild(argc, argv);
    QApplication app(argc, argv);
    TestToolTipInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tooltipinput.moc"
