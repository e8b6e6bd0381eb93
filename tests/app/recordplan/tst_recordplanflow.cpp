#include <CalculateManagerWidget.h>
#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <RecordPlanConfig.h>
#include <RecordPlanCopyModel.h>
#include <RecordPlanCopyWidget.h>
#include <TaskManageModel.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include "AppCatalogue.h"
#include "RecordPlanFixture.h"

#include <PixmapDelegate.h>
#include <TaskListFile.h>
#include <TreeView.h>

#include <QCursor>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using KavrinGUIToolkit::CWarningDlg;
using kiv::DeviceListModel;
using kiv::DeviceListWidget;
using kiv::RecordPlanConfig;
using namespace recordplan;

namespace {

const QString kTask = QStringLiteral("Lobby");
const QString kYard = QStringLiteral("Yard");
const QString kDefaultPlan(24, u'1');

void addTask(const QString &name, int devices)
{
    TaskListFile list;
    TaskInfo task;
    task.name = name;
    QVERIFY(list.addTask(task));
    StorageResult storage;
    storage.taskName = name;
    storage.storageEnable = 1;
    QVERIFY(list.setStorageResult(storage));
    QVERIFY(list.close());
    addDevices(name, devices);
}

int storageEnable(const QString &task)
{
    TaskListFile list;
    StorageResult storage;
    list.storageResult(task, storage);
    return storage.storageEnable;
}

// Clicks the icon of @p role in a cell of the device list, with the cursor
// put where the click lands (the pane places its panels by it).
void clickIcon(DeviceListWidget *list, int row, int column, int role)
{
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QModelIndex index = list->model()->index(row, column);
    view->scrollTo(index);
    auto *delegate = qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(view->itemDelegate());
    QVERIFY(delegate);
    QPoint at;
    for (const auto &slot : delegate->IconSlots(view->visualRect(index), index)) {
        if (slot.role == role)
            at = slot.rect.center();
    }
    QVERIFY2(!at.isNull(), "no such icon");
    QCursor::setPos(view->viewport()->mapToGlobal(at));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void clickRecordIcon(DeviceListWidget *list, int row)
{
    clickIcon(list, row, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
}

void clickCell(DeviceListWidget *list, int row)
{
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QRect cell = view->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

// A click on the tick box of a row of the copy dialog.
void tickRow(kiv::RecordPlanCopyWidget *dialog, int row)
{
    auto *view = dialog->findChild<KavrinGUIToolkit::CTreeView *>(QStringLiteral("treeView"));
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(view->model()->index(row, 0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
}

} // namespace

class TestRecordPlanFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_catalogue = std::make_unique<AppCatalogue>(); }
    void init();
    void cleanup();

    void plansPaintedFromTheRowsAreKeptAcrossARestart();
    void everyWayTheListClosesThePanelStoresThePlan_data();
    void everyWayTheListClosesThePanelStoresThePlan();
    void aFailingDiskIsToldOncePerClick();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestRecordPlanFlow::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestRecordPlanFlow::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestRecordPlanFlow::plansPaintedFromTheRowsAreKeptAcrossARestart()
{
    addTask(kTask, 4);
    const QString painted = QStringLiteral("000000022111111111221111");
    {
        kiv::Varnel w;
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        DeviceListWidget *list = w.deviceList();
        RecordPlanConfig &panel = *w.recordPlanPanel();

        clickRecordIcon(list, 0);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.deviceIndex(), 0);
        // Beside the row, below it.
        const QRect row = list->view()->visualRect(list->model()->index(0, 0));
        QVERIFY(panel.y() >= list->view()->viewport()->mapTo(&w, row.bottomLeft()).y() - 4);
        QCOMPARE(panel.planString(), kDefaultPlan);

        paintHours(panel, 0, 6, 0);
        paintHours(panel, 7, 8, 2);
        paintHours(panel, 18, 19, 2);
        chooseFrequency(panel, QStringLiteral("50%"));
        QCOMPARE(panel.planString(), painted);

        // Copy to the third and fourth devices.
        bool shown = false;
        QTimer::singleShot(0, this, [&shown] {
            auto *dialog =
                qobject_cast<kiv::RecordPlanCopyWidget *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = true;
            tickRow(dialog, 2);
            tickRow(dialog, 3);
            QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
        });
        QTest::mouseClick(buttonOf(panel, "btnCopyTo"), Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(storageEnable(kTask), 0);
        // A click elsewhere in the list closes the panel.
        clickCell(list, 1);
        QVERIFY(!panel.isVisible());
    }

    // The program starts again: the plans are in the task.
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RecordPlanConfig &panel = *w.recordPlanPanel();
    const QStringList plans{painted, kDefaultPlan, painted, painted};
    const QStringList frequencies{QStringLiteral("50%"), QStringLiteral("100%"),
                                  QStringLiteral("50%"), QStringLiteral("50%")};
    for (int row = 0; row < 4; ++row) {
        clickRecordIcon(w.deviceList(), row);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.deviceIndex(), row);
        QCOMPARE(panel.planString(), plans.at(row));
        QCOMPARE(frequencyOf(panel)->currentText(), frequencies.at(row));
    }
    QCOMPARE(shownMessages(), QStringList());
}

void TestRecordPlanFlow::everyWayTheListClosesThePanelStoresThePlan_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("storedAt"); // where device 2's entry is afterwards
    QTest::newRow("the record icon of another row") << QStringLiteral("other icon") << 1;
    QTest::newRow("the same record icon again") << QStringLiteral("same icon") << 1;
    QTest::newRow("the stream icon of the row") << QStringLiteral("stream icon") << 1;
    QTest::newRow("a plain click on another row") << QStringLiteral("cell") << 1;
    QTest::newRow("scrolling the list") << QStringLiteral("scroll") << 1;
    QTest::newRow("choosing another task") << QStringLiteral("task") << 1;
    QTest::newRow("deleting the row above") << QStringLiteral("delete") << 0;
}

void TestRecordPlanFlow::everyWayTheListClosesThePanelStoresThePlan()
{
    QFETCH(QString, way);
    QFETCH(int, storedAt);
    addTask(kTask, 40);
    addTask(kYard, 1);
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    RecordPlanConfig &panel = *w.recordPlanPanel();
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    clickRecordIcon(list, 1);
    QCOMPARE(panel.deviceIndex(), 1);
    paintHours(panel, 12, 13, 2);

    if (way == QLatin1String("other icon"))
        clickRecordIcon(list, 2);
    else if (way == QLatin1String("same icon"))
        clickRecordIcon(list, 1);
    else if (way == QLatin1String("stream icon"))
        clickIcon(list, 1, DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
    else if (way == QLatin1String("cell"))
        clickCell(list, 3);
    else if (way == QLatin1String("scroll"))
        list->view()->verticalScrollBar()->setValue(5);
    else if (way == QLatin1String("task"))
        w.taskPane()->clickTask(w.taskPane()->model()->index(1, 0));
    else
        clickIcon(list, 0, DeviceListModel::DeleteColumn, KavrinGUIToolkit::SecondIconRole);

    QCOMPARE(storedPlan(kTask, storedAt), QStringLiteral("111111111111221111111111"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(storageEnable(kTask), 0);
    if (way == QLatin1String("other icon")) {
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.deviceIndex(), 2);
        QCOMPARE(panel.planString(), kDefaultPlan);
    } else {
        QVERIFY(!panel.isVisible());
    }
    // No other device took the plan.
    for (int device = 0; device < 4; ++device) {
        if (device != storedAt)
            QCOMPARE(storedPlan(kTask, device), kDefaultPlan);
    }
}

void TestRecordPlanFlow::aFailingDiskIsToldOncePerClick()
{
    addTask(kTask, 3);
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    RecordPlanConfig &panel = *w.recordPlanPanel();
    clickRecordIcon(list, 0);
    paintHours(panel, 0, 3, 0);
    {
        FileSizeLimit full;
        clickRecordIcon(list, 1);
    }
    // The list closed the panel twice for that click; the planner hears of
    // it once, and the panel still holds device 1's plan.
    QCOMPARE(CWarningDlg::History().size(), 1);
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.deviceIndex(), 0);
    QCOMPARE(panel.planString(), QStringLiteral("000011111111111111111111"));
    QCOMPARE(storedPlan(kTask, 0), kDefaultPlan);

    // The next click, with room on the disk, stores it.
    clickCell(list, 2);
    QVERIFY(!panel.isVisible());
    QCOMPARE(storedPlan(kTask, 0), QStringLiteral("000011111111111111111111"));
    QCOMPARE(CWarningDlg::History().size(), 1);
}

QTEST_MAIN(TestRecordPlanFlow)
#include "tst_recordplanflow.moc"
