#include <CalculateManagerWidget.h>
#include <ConfigPannel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamWidget.h>
#include <DlgAbout.h>
#include <PinButton.h>
#include <RecordPlanConfig.h>
#include <RecordWidget.h>
#include <SystemMenu.h>
#include <TaskManagerWidget.h>
#include <UserManual.h>
#include <Varnel.h>
#include <WindowTitle.h>

#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskListFile.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;

namespace {

// QObject::receivers() is protected; a pointer to it taken through a
// subclass may be used on any object.
struct ReceiverCount : QObject
{
    using QObject::receivers;
};

int receiversOf(const QObject *sender, const char *signal)
{
    return (sender->*(&ReceiverCount::receivers))(signal);
}

void addTasks(const QStringList &names)
{
    TaskListFile file;
    for (const QString &name : names) {
        TaskInfo task;
        task.name = name;
        QVERIFY(file.addTask(task));
    }
    QVERIFY(file.close());
}

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsFramelessWithItsPanesInPlace();
    void firstTaskReachesThePanes_data();
    void firstTaskReachesThePanes();
    void keys_data();
    void keys();
    void closeAnsweredNoKeepsTheWindow();
    void closeAnsweredYesStoresThePanelAndEndsTheLoop();
    void changeSignalsReachTheCalculatorPaneOnce_data();
    void changeSignalsReachTheCalculatorPaneOnce();
    void aboutItemOpensTheAboutBox();
    void pinHidesAndShowsTheTaskPane();
    void pinFollowsTheTaskPaneOnResize();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    QList<QUrl> m_opened;
    QString m_currentBefore;
    int m_answer = 1;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_opened.clear();
    m_answer = 1;
    m_currentBefore = QDir::currentPath();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([this](const CWarningDlg::Shown &) { return m_answer; });
    kiv::UserManual::setOpener([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
}

void TestMainWindow::cleanup()
{
    QDir::setCurrent(m_currentBefore);
    kiv::UserManual::setOpener({});
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestMainWindow::windowIsFramelessWithItsPanesInPlace()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.size(), QSize(1024, 768));
    // Centred on the 1280 x 1024 test screen.
    QCOMPARE(w.pos(), QPoint(128, 128));

    const QRect title(w.titleBar()->mapTo(&w, QPoint(0, 0)), w.titleBar()->size());
    QCOMPARE(title.top(), 0);
    QCOMPARE(title.height(), 28);
    QCOMPARE(w.taskPane()->width(), 240);
    QCOMPARE(w.calculatorPane()->height(), 200);
    const QPoint task = w.taskPane()->mapTo(&w, QPoint(0, 0));
    const QPoint list = w.deviceList()->mapTo(&w, QPoint(0, 0));
    const QPoint calc = w.calculatorPane()->mapTo(&w, QPoint(0, 0));
    QCOMPARE(task, QPoint(9, 29));     // under the title bar, inside the 9-pixel border
    QCOMPARE(list.x(), 9 + 240 + 1);   // the device list beside the task pane, 1 apart
    QCOMPARE(calc.y(), 768 - 9 - 200); // the calculator pane at the bottom
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QVERIFY(!w.streamPanel()->isVisible());
    QVERIFY(!w.accessoryPanel()->isVisible());
}

void TestMainWindow::firstTaskReachesThePanes_data()
{
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<QString>("current");
    QTest::newRow("with tasks the first one is chosen")
        << QStringList{QStringLiteral("Lobby"), QStringLiteral("Car park")}
        << QStringLiteral("Lobby");
    QTest::newRow("without tasks the device list is cleared") << QStringList() << QString();
}

void TestMainWindow::firstTaskReachesThePanes()
{
    QFETCH(QStringList, tasks);
    QFETCH(QString, current);
    addTasks(tasks);
    kiv::Varnel w;
    QCOMPARE(w.deviceList()->taskName(), current);
    QCOMPARE(w.calculatorPane()->taskName(), current);
    const QModelIndex index = w.taskPane()->view()->currentIndex();
    QCOMPARE(index.isValid(), !tasks.isEmpty());
    if (index.isValid())
        QCOMPARE(index.data().toString(), current);
}

void TestMainWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("manualIn"); // "", "current" or "program"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Escape is swallowed")
        << int(Qt::Key_Escape) << QString() << QStringList() << false;
    QTest::newRow("F1 without a manual says so")
        << int(Qt::Key_F1) << QString() << QStringList{QStringLiteral("Info|Can not find Manual.")}
        << false;
    QTest::newRow("F1 opens the manual of the current folder")
        << int(Qt::Key_F1) << QStringLiteral("current") << QStringList() << true;
    QTest::newRow("F1 opens the manual beside the program")
        << int(Qt::Key_F1) << QStringLiteral("program") << QStringList() << true;
    QTest::newRow("another key does nothing")
        << int(Qt::Key_A) << QStringLiteral("current") << QStringList() << false;
}

void TestMainWindow::keys()
{
    QFETCH(int, key);
    QFETCH(QString, manualIn);
    QFETCH(QStringList, messages);
    QFETCH(bool, opened);
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    QString manual;
    if (!manualIn.isEmpty()) {
        const QString folder =
            manualIn == QLatin1String("current") ? current.path() : m_folder->path();
        manual = QDir(folder).filePath(kiv::UserManual::fileName(0));
        QVERIFY(ProgramFolder::write(manual, "%PDF-1.4\n"));
    }
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key(key));
    QCOMPARE(shownMessages(), messages);
    QVERIFY(w.isVisible());
    if (opened)
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath())});
    else
        QCOMPARE(m_opened, QList<QUrl>());
}

void TestMainWindow::closeAnsweredNoKeepsTheWindow()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    m_answer = 0;
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(shownMessages(), QStringList{QStringLiteral("Exit|Sure to close software")});
    // The question goes to the window itself.
    QCOMPARE(CWarningDlg::History().at(0).question, true);
}

void TestMainWindow::closeAnsweredYesStoresThePanelAndEndsTheLoop()
{
    {
        TaskDeviceFile file(QStringLiteral("Lobby"));
        DeviceInfo device;
        device.deviceType = QStringLiteral("Type-1");
        QVERIFY(file.addDevice(device));
        QVERIFY(file.close());
    }
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.recordPlanPanel()->showDevice(QStringLiteral("Lobby"), 0);
    QVERIFY(w.recordPlanPanel()->isVisible());
    // The planner paints the first hour as no recording and leaves the
    // panel open.
    kiv::RecordPlanConfig *panel = w.recordPlanPanel();
    QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("btnNoRecord")),
                      Qt::LeftButton);
    auto *grid = panel->findChild<kivui::RecordWidget *>(QStringLiteral("widgetPlan"));
    const int c = grid->cellSize();
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(c / 2, c + c / 2));
    m_answer = 1;
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    // A guard, should the quit never come.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!w.isVisible());
    QVERIFY(w.recordPlanPanel()->isHidden());
    QCOMPARE(shownMessages(), QStringList{QStringLiteral("Exit|Sure to close software")});
    TaskDeviceFile file(QStringLiteral("Lobby"));
    QString plan;
    QVERIFY(file.recordPlan(0, plan));
    QCOMPARE(plan, QStringLiteral("011111111111111111111111"));
}

void TestMainWindow::changeSignalsReachTheCalculatorPaneOnce_data()
{
    QTest::addColumn<QString>("sender");
    QTest::newRow("the device list's change") << QStringLiteral("devices");
    QTest::newRow("the record-plan panel's change") << QStringLiteral("plan");
    QTest::newRow("the stream panel's change") << QStringLiteral("streams");
}

void TestMainWindow::changeSignalsReachTheCalculatorPaneOnce()
{
    QFETCH(QString, sender);
    addTasks({QStringLiteral("Lobby")});
    {
        TaskListFile file;
        StorageResult storage;
        storage.taskName = QStringLiteral("Lobby");
        storage.storageEnable = 1;
        QVERIFY(file.setStorageResult(storage));
        QVERIFY(file.close());
    }
    kiv::Varnel w;
    QObject *from = sender == QLatin1String("devices") ? static_cast<QObject *>(w.deviceList())
                    : sender == QLatin1String("plan")  ? static_cast<QObject *>(w.recordPlanPanel())
                                                       : static_cast<QObject *>(w.streamPanel());
    QCOMPARE(receiversOf(from, SIGNAL(signalChanngedReslut())), 1);
    QVERIFY(QMetaObject::invokeMethod(from, "signalChanngedReslut"));
    TaskListFile file;
    StorageResult stored;
    QVERIFY(file.storageResult(QStringLiteral("Lobby"), stored));
    QCOMPARE(stored.storageEnable, 0);
}

void TestMainWindow::pinHidesAndShowsTheTaskPane()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    kivui::PinButton *pin = w.pinButton();
    // 768 - 28 (title) - 1 - 9 (border) gives a pane frame 730 high; less the
    // calculator pane and its gap, the task pane is 529 high. The pin's x is
    // the pane's right edge (239 in its frame) shifted by the window's own
    // layout margin, which puts it at the device list's left edge.
    const int margin = w.layout()->contentsMargins().left();
    QCOMPARE(w.taskPane()->height(), 529);
    QCOMPARE(pin->pos(), QPoint(239 + margin, 264));
    QCOMPARE(pin->x(), w.deviceList()->mapTo(&w, QPoint(0, 0)).x());

    QTest::mouseClick(pin, Qt::LeftButton);
    QVERIFY(w.taskPane()->isHidden());
    QCOMPARE(pin->pos(), QPoint(margin, 264));
    QVERIFY(w.deviceList()->taskPaneHidden());
    QVERIFY(pin->styleSheet().contains(QLatin1String("Complex/right.png")));

    QTest::mouseClick(pin, Qt::LeftButton);
    QVERIFY(w.taskPane()->isVisible());
    QCOMPARE(pin->pos(), QPoint(239 + margin, 264));
    QVERIFY(!w.deviceList()->taskPaneHidden());
    QVERIFY(pin->styleSheet().contains(QLatin1String("Complex/left.png")));
}

void TestMainWindow::pinFollowsTheTaskPaneOnResize()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(1200, 900);
    // 900 - 38 - 201 = 661 high: the pin's top stands at half of it.
    QTRY_COMPARE(w.taskPane()->height(), 661);
    const int margin = w.layout()->contentsMargins().left();
    QTRY_COMPARE(w.pinButton()->pos(), QPoint(239 + margin, 330));
}

void TestMainWindow::aboutItemOpensTheAboutBox()
{
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QString seenTitle;
    QTimer::singleShot(0, this, [&seenTitle] {
        auto *about = qobject_cast<kiv::CDlgAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        seenTitle = about->GetTitle();
        about->findChild<QPushButton *>(QStringLiteral("m_pOkBtn"))->click();
    });
    w.titleBar()->systemMenu()->actions().at(1)->trigger();
    QCOMPARE(seenTitle, QStringLiteral("About"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
