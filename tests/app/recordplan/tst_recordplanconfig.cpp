#include <DeviceListWidget.h>
#include <RecordPlanConfig.h>
#include <RecordPlanCopyModel.h>
#include <RecordPlanCopyWidget.h>
#include <RecordWidget.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include "RecordPlanFixture.h"

#include <TaskListFile.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;
using kiv::RecordPlanConfig;
using namespace recordplan;

namespace {

const QString kTask = QStringLiteral("Lobby");
const QString kDefaultPlan(24, u'1');

} // namespace

class TestRecordPlanConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void panelIsAPopOverWithItsChoices();
    void paintTypeFollowsTheButtons();
    void showsTheStoredPlan_data();
    void showsTheStoredPlan();
    void storesOnlyWhatThePlannerChanged_data();
    void storesOnlyWhatThePlannerChanged();
    void everyWayOfLeavingStoresThePlan_data();
    void everyWayOfLeavingStoresThePlan();
    void choosingAnotherTaskInTheWindowStoresThePlan();
    void copyToStoresThePlanFirst_data();
    void copyToStoresThePlanFirst();
    void failedWriteKeepsThePaintedPlan_data();
    void failedWriteKeepsThePaintedPlan();
    void unreadableFileKeepsThePaintedPlan_data();
    void unreadableFileKeepsThePaintedPlan();
    void closingTheProgramWhenTheWriteFails_data();
    void closingTheProgramWhenTheWriteFails();
    void theWindowStaysWhenThePlannerKeepsAnUnstoredPlan();
    void aDeviceThatIsGoneLetsThePlanGo();
    void aFileThatCannotBeReadOpensNothing();

private:
    void openHost();

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QWidget> m_host;
    int m_answer = 1;
};

void TestRecordPlanConfig::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_answer = 1;
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([this](const CWarningDlg::Shown &) { return m_answer; });
    addDevices(kTask, 3);
    openHost();
}

void TestRecordPlanConfig::cleanup()
{
    m_host.reset();
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

// The panel lives inside a window, as in the main window.
void TestRecordPlanConfig::openHost()
{
    m_host = std::make_unique<QWidget>();
    m_host->resize(1024, 768);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
}

void TestRecordPlanConfig::panelIsAPopOverWithItsChoices()
{
    RecordPlanConfig panel(m_host.get());
    QCOMPARE(panel.size(), QSize(720, 140));
    QCOMPARE(panel.minimumSize(), panel.maximumSize());
    QVERIFY(!panel.isWindow());
    QVERIFY(panel.windowFlags() & Qt::WindowStaysOnTopHint);
    QComboBox *combo = frequencyOf(panel);
    QCOMPARE(combo->count(), 11);
    for (int i = 0; i <= 10; ++i) {
        QCOMPARE(combo->itemText(i), QString::number(i * 10) + QLatin1Char('%'));
        QCOMPARE(combo->itemData(i).toInt(), i * 10);
    }
    QCOMPARE(combo->currentText(), QStringLiteral("100%"));
    QCOMPARE(buttonOf(panel, "btnSchedule")->text(), QStringLiteral("Schedule"));
    QCOMPARE(buttonOf(panel, "btnEvent")->text(), QStringLiteral("Event"));
    QCOMPARE(buttonOf(panel, "btnNoRecord")->text(), QStringLiteral("No Record"));
    QCOMPARE(buttonOf(panel, "btnCopyTo")->text(), QStringLiteral("Copy to..."));

    panel.showDevice(kTask, 0);
    // The grid spans the panel, its two rows of cells in view.
    kivui::RecordWidget *grid = gridOf(panel);
    QCOMPARE(grid->cellSize(), (720 - 22) / 24);
    QVERIFY(grid->height() >= 2 * grid->cellSize());
    QVERIFY(grid->geometry().bottom() < panel.height());
}

void TestRecordPlanConfig::paintTypeFollowsTheButtons()
{
    RecordPlanConfig panel(m_host.get());
    panel.showDevice(kTask, 0);
    kivui::RecordWidget *grid = gridOf(panel);
    QCOMPARE(grid->currentType(), 1);
    QTest::mouseClick(buttonOf(panel, "btnEvent"), Qt::LeftButton);
    QCOMPARE(grid->currentType(), 2);
    QVERIFY(buttonOf(panel, "btnEvent")->isChecked());
    QTest::mouseClick(buttonOf(panel, "btnNoRecord"), Qt::LeftButton);
    QCOMPARE(grid->currentType(), 0);
    QVERIFY(buttonOf(panel, "btnNoRecord")->isChecked());
    QVERIFY(!buttonOf(panel, "btnEvent")->isChecked());
    // Opening a device paints scheduled hours again.
    QVERIFY(panel.saveAndHide());
    panel.showDevice(kTask, 1);
    QCOMPARE(grid->currentType(), 1);
    QVERIFY(buttonOf(panel, "btnSchedule")->isChecked());
    QCOMPARE(panel.focusWidget(), buttonOf(panel, "btnSchedule"));
}

void TestRecordPlanConfig::showsTheStoredPlan_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("fren");
    QTest::addColumn<QString>("shownPlan");
    QTest::addColumn<QString>("shownFren");
    // Device 1 is opened first with 30%; the drop-down keeps that when the
    // next device's frequency has no item.
    QTest::newRow("a device with the defaults shows 24 scheduled hours and 100%")
        << kDefaultPlan << QStringLiteral("100") << kDefaultPlan << QStringLiteral("100%");
    QTest::newRow("a stored frequency of 60 shows 60%")
        << QStringLiteral("000000001122221111000000") << QStringLiteral("60")
        << QStringLiteral("000000001122221111000000") << QStringLiteral("60%");
    QTest::newRow("a frequency with no item keeps the last choice")
        << kDefaultPlan << QStringLiteral("35") << kDefaultPlan << QStringLiteral("30%");
    QTest::newRow("a frequency written with % keeps the last choice")
        << kDefaultPlan << QStringLiteral("60%") << kDefaultPlan << QStringLiteral("30%");
    QTest::newRow("an empty frequency keeps the last choice")
        << kDefaultPlan << QString() << kDefaultPlan << QStringLiteral("30%");
    QTest::newRow("a plan of 23 digits shows no recording")
        << QString(23, u'2') << QStringLiteral("100") << QString(24, u'0')
        << QStringLiteral("100%");
    QTest::newRow("a plan of 25 digits shows no recording")
        << QString(25, u'2') << QStringLiteral("100") << QString(24, u'0')
        << QStringLiteral("100%");
    QTest::newRow("a letter in the plan reads as no recording")
        << QStringLiteral("2222x2222222222222222222") << QStringLiteral("100")
        << QStringLiteral("222202222222222222222222") << QStringLiteral("100%");
}

void TestRecordPlanConfig::showsTheStoredPlan()
{
    QFETCH(QString, plan);
    QFETCH(QString, fren);
    QFETCH(QString, shownPlan);
    QFETCH(QString, shownFren);
    setStored(kTask, 0, QStringLiteral("222222222222222222222222"), QStringLiteral("30"));
    setStored(kTask, 1, plan, fren);
    RecordPlanConfig panel(m_host.get());
    panel.showDevice(kTask, 0);
    QCOMPARE(panel.planString(), QString(24, u'2'));
    QVERIFY(panel.saveAndHide());
    QCOMPARE(panel.planString(), QString(24, u'0'));
    panel.showDevice(kTask, 1);
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.taskName(), kTask);
    QCOMPARE(panel.deviceIndex(), 1);
    QCOMPARE(panel.planString(), shownPlan);
    QCOMPARE(frequencyOf(panel)->currentText(), shownFren);
    QCOMPARE(shownMessages(), QStringList());
}

void TestRecordPlanConfig::storesOnlyWhatThePlannerChanged_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("fren");
    QTest::addColumn<QPoint>("paint"); // hours from, to; (-1, -1) none
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("choose"); // empty: none
    QTest::addColumn<QString>("expectPlan");
    QTest::addColumn<QString>("expectFren");
    QTest::addColumn<int>("announced");
    const QPoint none(-1, -1);
    QTest::newRow("opening and closing without a change writes nothing")
        << kDefaultPlan << QStringLiteral("100") << none << 1 << QString() << kDefaultPlan
        << QStringLiteral("100") << 0;
    QTest::newRow("choosing 70% for a device at 30% stores 70 and announces once")
        << kDefaultPlan << QStringLiteral("30") << none << 1 << QStringLiteral("70%")
        << kDefaultPlan << QStringLiteral("70") << 1;
    QTest::newRow("choosing the stored frequency again writes nothing")
        << kDefaultPlan << QStringLiteral("30") << none << 1 << QStringLiteral("30%")
        << kDefaultPlan << QStringLiteral("30") << 0;
    QTest::newRow("painting hours 8 and 9 as event stores them and announces once")
        << kDefaultPlan << QStringLiteral("100") << QPoint(8, 9) << 2 << QString()
        << QStringLiteral("111111112211111111111111") << QStringLiteral("100") << 1;
    QTest::newRow("painting and choosing a frequency announce twice")
        << kDefaultPlan << QStringLiteral("100") << QPoint(0, 5) << 0 << QStringLiteral("50%")
        << QStringLiteral("000000111111111111111111") << QStringLiteral("50") << 2;
    QTest::newRow("painting hours with the type they have writes nothing")
        << kDefaultPlan << QStringLiteral("100") << QPoint(3, 20) << 1 << QString() << kDefaultPlan
        << QStringLiteral("100") << 0;
    QTest::newRow("a plan of 23 digits stays as it is when nothing is painted")
        << QString(23, u'1') << QStringLiteral("100") << none << 1 << QString() << QString(23, u'1')
        << QStringLiteral("100") << 0;
    QTest::newRow("a frequency with no item stays as it is when none is chosen")
        << kDefaultPlan << QStringLiteral("35") << none << 1 << QString() << kDefaultPlan
        << QStringLiteral("35") << 0;
    QTest::newRow("a frequency with no item stays when only hours are painted")
        << kDefaultPlan << QStringLiteral("35") << QPoint(23, 23) << 2 << QString()
        << QStringLiteral("111111111111111111111112") << QStringLiteral("35") << 1;
    QTest::newRow("a frequency with no item gives way to the one chosen")
        << kDefaultPlan << QStringLiteral("35") << none << 1 << QStringLiteral("90%")
        << kDefaultPlan << QStringLiteral("90") << 1;
    QTest::newRow("a plan of 23 digits gives way to the hours painted on no recording")
        << QString(23, u'1') << QStringLiteral("100") << QPoint(2, 3) << 2 << QString()
        << QStringLiteral("002200000000000000000000") << QStringLiteral("100") << 1;
    QTest::newRow("a letter in the plan stays where the planner did not paint")
        << QStringLiteral("1111x1111111111111111111") << QStringLiteral("100") << QPoint(0, 0) << 2
        << QString() << QStringLiteral("2111x1111111111111111111") << QStringLiteral("100") << 1;
    QTest::newRow("a letter painted over becomes the painted type")
        << QStringLiteral("1111x1111111111111111111") << QStringLiteral("100") << QPoint(4, 4) << 0
        << QString() << QStringLiteral("111101111111111111111111") << QStringLiteral("100") << 1;
}

void TestRecordPlanConfig::storesOnlyWhatThePlannerChanged()
{
    QFETCH(QString, plan);
    QFETCH(QString, fren);
    QFETCH(QPoint, paint);
    QFETCH(int, type);
    QFETCH(QString, choose);
    QFETCH(QString, expectPlan);
    QFETCH(QString, expectFren);
    QFETCH(int, announced);
    setStored(kTask, 1, plan, fren);
    const QString path = devicePath(*m_folder, kTask);
    const QByteArray before = ProgramFolder::readAll(path);

    RecordPlanConfig panel(m_host.get());
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    panel.showDevice(kTask, 1);
    if (paint.x() >= 0)
        paintHours(panel, paint.x(), paint.y(), type);
    if (!choose.isEmpty())
        chooseFrequency(panel, choose);
    QVERIFY(panel.saveAndHide());
    QVERIFY(panel.isHidden());

    QCOMPARE(changed.count(), announced);
    QCOMPARE(storedPlan(kTask, 1), expectPlan);
    QCOMPARE(storedFren(kTask, 1), expectFren);
    if (announced == 0)
        QCOMPARE(ProgramFolder::readAll(path), before);
    // The other devices keep theirs.
    QCOMPARE(storedPlan(kTask, 0), kDefaultPlan);
    QCOMPARE(storedPlan(kTask, 2), kDefaultPlan);
    QCOMPARE(shownMessages(), QStringList());
    // Closing again stores nothing more.
    QVERIFY(panel.saveAndHide());
    QCOMPARE(changed.count(), announced);
}

void TestRecordPlanConfig::everyWayOfLeavingStoresThePlan_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("staysShown");
    QTest::newRow("closing through the device list") << QStringLiteral("saveAndHide") << false;
    QTest::newRow("Escape") << QStringLiteral("escape") << false;
    QTest::newRow("a close request") << QStringLiteral("close") << false;
    QTest::newRow("another row opened directly") << QStringLiteral("row") << true;
    QTest::newRow("a device of another task opened directly") << QStringLiteral("task") << true;
}

void TestRecordPlanConfig::everyWayOfLeavingStoresThePlan()
{
    QFETCH(QString, way);
    QFETCH(bool, staysShown);
    addDevices(QStringLiteral("Car park"), 1);
    RecordPlanConfig panel(m_host.get());
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    panel.showDevice(kTask, 0);
    paintHours(panel, 0, 1, 2);
    chooseFrequency(panel, QStringLiteral("40%"));

    if (way == QLatin1String("saveAndHide"))
        QVERIFY(panel.saveAndHide());
    else if (way == QLatin1String("escape"))
        QTest::keyClick(panel.focusWidget(), Qt::Key_Escape);
    else if (way == QLatin1String("close"))
        QVERIFY(panel.close());
    else if (way == QLatin1String("row"))
        panel.showDevice(kTask, 2);
    else
        panel.showDevice(QStringLiteral("Car park"), 0);

    QCOMPARE(storedPlan(kTask, 0), QStringLiteral("221111111111111111111111"));
    QCOMPARE(storedFren(kTask, 0), QStringLiteral("40"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(panel.isVisible(), staysShown);
    if (staysShown) {
        QCOMPARE(panel.planString(), kDefaultPlan);
        QCOMPARE(frequencyOf(panel)->currentText(), QStringLiteral("100%"));
        QVERIFY(panel.saveAndHide());
    }
    QCOMPARE(storedPlan(kTask, 2), kDefaultPlan);
    QCOMPARE(storedPlan(QStringLiteral("Car park"), 0), kDefaultPlan);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(shownMessages(), QStringList());
}

void TestRecordPlanConfig::choosingAnotherTaskInTheWindowStoresThePlan()
{
    addDevices(QStringLiteral("Car park"), 1);
    {
        TaskListFile tasks;
        for (const QString &name : {kTask, QStringLiteral("Car park")}) {
            TaskInfo task;
            task.name = name;
            QVERIFY(tasks.addTask(task));
        }
        QVERIFY(tasks.close());
    }
    m_host.reset();
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RecordPlanConfig &panel = *w.recordPlanPanel();
    panel.showDevice(kTask, 1);
    paintHours(panel, 22, 23, 0);

    KavrinGUIToolkit::CTreeView *tasks = w.taskPane()->view();
    const QModelIndex second = tasks->model()->index(1, 0);
    QTest::mouseClick(tasks->viewport(), Qt::LeftButton, {}, tasks->visualRect(second).center());
    QTRY_COMPARE(w.deviceList()->taskName(), QStringLiteral("Car park"));
    QVERIFY(panel.isHidden());
    QCOMPARE(storedPlan(kTask, 1), QStringLiteral("111111111111111111111100"));
}

void TestRecordPlanConfig::copyToStoresThePlanFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QString>("thirdPlan");
    QTest::newRow("closing the copy dialog announces nothing further")
        << false << 1 << kDefaultPlan;
    QTest::newRow("confirming a copy announces it once more")
        << true << 2 << QStringLiteral("000011111111111111111111");
}

void TestRecordPlanConfig::copyToStoresThePlanFirst()
{
    QFETCH(bool, confirm);
    QFETCH(int, announced);
    QFETCH(QString, thirdPlan);
    RecordPlanConfig panel(m_host.get());
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    panel.showDevice(kTask, 0);
    paintHours(panel, 0, 3, 0);

    QString storedWhenShown;
    int signalsWhenShown = -1;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<kiv::RecordPlanCopyWidget *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        storedWhenShown = storedPlan(kTask, 0);
        signalsWhenShown = changed.count();
        if (confirm) {
            dialog->model()->item(2, 0)->setCheckState(Qt::Checked);
            dialog->GetConfirmBtn()->click();
        } else {
            dialog->GetCancelBtn()->click();
        }
    });
    QTest::mouseClick(buttonOf(panel, "btnCopyTo"), Qt::LeftButton);
    QCOMPARE(storedWhenShown, QStringLiteral("000011111111111111111111"));
    QCOMPARE(signalsWhenShown, 1);
    QCOMPARE(changed.count(), announced);
    QCOMPARE(storedPlan(kTask, 2), thirdPlan);
    QCOMPARE(storedPlan(kTask, 1), kDefaultPlan);
    // The panel stays open on the device, with nothing more to store.
    QVERIFY(panel.isVisible());
    QVERIFY(panel.saveAndHide());
    QCOMPARE(changed.count(), announced);
}

void TestRecordPlanConfig::failedWriteKeepsThePaintedPlan_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("closing through the device list") << QStringLiteral("saveAndHide");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("another row") << QStringLiteral("row");
    QTest::newRow("Copy to") << QStringLiteral("copy");
}

void TestRecordPlanConfig::failedWriteKeepsThePaintedPlan()
{
    QFETCH(QString, way);
    const QString path = devicePath(*m_folder, kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    RecordPlanConfig panel(m_host.get());
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    panel.showDevice(kTask, 0);
    paintHours(panel, 10, 12, 2);
    const QString painted = QStringLiteral("111111111122211111111111");
    {
        FileSizeLimit full;
        if (way == QLatin1String("saveAndHide"))
            QVERIFY(!panel.saveAndHide());
        else if (way == QLatin1String("escape"))
            QTest::keyClick(panel.focusWidget(), Qt::Key_Escape);
        else if (way == QLatin1String("row"))
            panel.showDevice(kTask, 1);
        else
            QTest::mouseClick(buttonOf(panel, "btnCopyTo"), Qt::LeftButton);
    }
    QCOMPARE(ProgramFolder::readAll(path), before);
    QCOMPARE(changed.count(), 0);
    const QStringList messages = shownMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).startsWith(
                 QStringLiteral("Warn|The record plan of device 1 could not be stored: ")),
             qPrintable(messages.at(0)));
    QVERIFY(messages.at(0).endsWith(
        QStringLiteral("The panel keeps it: close the panel again to retry.")));
    // The file's reason is a sentence of its own, and the message goes on
    // after it with one full stop.
    QVERIFY2(!messages.at(0).contains(QStringLiteral("..")), qPrintable(messages.at(0)));
    // The painted plan is still there, for the same device.
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.deviceIndex(), 0);
    QCOMPARE(panel.planString(), painted);
    QVERIFY(!QApplication::activeModalWidget());

    // Another row while the change is still unstored opens nothing and asks
    // nothing more: the planner was told.
    panel.showDevice(kTask, 2);
    QCOMPARE(panel.deviceIndex(), 0);
    QCOMPARE(shownMessages().size(), 1);

    // Once the disk takes it again, the next close stores it.
    QVERIFY(panel.saveAndHide());
    QVERIFY(panel.isHidden());
    QCOMPARE(storedPlan(kTask, 0), painted);
    QCOMPARE(changed.count(), 1);
}

void TestRecordPlanConfig::unreadableFileKeepsThePaintedPlan_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file cut short is damaged")
        << QStringLiteral("cut") << QStringLiteral("the task's device file is damaged");
    QTest::newRow("a task folder that is gone")
        << QStringLiteral("folder")
        << QStringLiteral("the task's device file is missing and cannot be created");
}

void TestRecordPlanConfig::unreadableFileKeepsThePaintedPlan()
{
    QFETCH(QString, spoil);
    QFETCH(QString, reason);
    const QString path = devicePath(*m_folder, kTask);
    const QByteArray good = ProgramFolder::readAll(path);
    RecordPlanConfig panel(m_host.get());
    panel.showDevice(kTask, 0);
    paintHours(panel, 0, 0, 2);
    // Something else spoils the file while the panel is open.
    const QByteArray cut("<?xml version=\"1.0\"?><DeviceInfoList><Devi");
    if (spoil == QLatin1String("cut"))
        QVERIFY(ProgramFolder::write(path, cut));
    else
        QVERIFY(QDir(m_folder->file(QStringLiteral("Task"))).removeRecursively());
    QVERIFY(!panel.saveAndHide());
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|The record plan of device 1 could not be stored: ") +
                         reason +
                         QStringLiteral(".\nThe panel keeps it: close the panel again to retry.")});
    QVERIFY(panel.isVisible());
    if (spoil == QLatin1String("cut"))
        QCOMPARE(ProgramFolder::readAll(path), cut);
    else
        QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Task")));
    QVERIFY(ProgramFolder::write(path, good));
    QVERIFY(panel.saveAndHide());
    QCOMPARE(storedPlan(kTask, 0), QStringLiteral("211111111111111111111111"));
}

void TestRecordPlanConfig::closingTheProgramWhenTheWriteFails_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("the planner keeps the program open") << 0;
    QTest::newRow("the planner closes without the plan") << 1;
}

void TestRecordPlanConfig::closingTheProgramWhenTheWriteFails()
{
    QFETCH(int, answer);
    const QString path = devicePath(*m_folder, kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    RecordPlanConfig panel(m_host.get());
    panel.showDevice(kTask, 0);
    paintHours(panel, 5, 6, 0);
    m_answer = answer;
    bool mayClose = false;
    {
        FileSizeLimit full;
        mayClose = panel.saveBeforeExit();
    }
    QCOMPARE(mayClose, answer == 1);
    QCOMPARE(panel.isVisible(), answer != 1);
    QCOMPARE(ProgramFolder::readAll(path), before);
    const QList<CWarningDlg::Shown> shown = CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.at(0).question);
    QCOMPARE(shown.at(0).title, QStringLiteral("Hint"));
    QVERIFY(shown.at(0).text.endsWith(QStringLiteral("\nClose the program without it?")));
    if (answer != 1)
        QCOMPARE(panel.planString(), QStringLiteral("111110011111111111111111"));
}

void TestRecordPlanConfig::theWindowStaysWhenThePlannerKeepsAnUnstoredPlan()
{
    m_host.reset();
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    RecordPlanConfig &panel = *w.recordPlanPanel();
    panel.showDevice(kTask, 0);
    paintHours(panel, 0, 23, 2);
    // Sure to close: yes; close without the plan: no.
    CWarningDlg::SetResponder(
        [](const CWarningDlg::Shown &m) { return m.title == QLatin1String("Exit") ? 1 : 0; });
    bool closed = true;
    {
        FileSizeLimit full;
        closed = w.close();
    }
    QVERIFY(!closed);
    QVERIFY(w.isVisible());
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.planString(), QString(24, u'2'));
    QCOMPARE(CWarningDlg::History().size(), 2);
    QCOMPARE(CWarningDlg::History().at(1).title, QStringLiteral("Hint"));
    // With the disk back, the next close stores it.
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    QVERIFY(panel.saveAndHide());
    QCOMPARE(storedPlan(kTask, 0), QString(24, u'2'));
}

void TestRecordPlanConfig::aDeviceThatIsGoneLetsThePlanGo()
{
    RecordPlanConfig panel(m_host.get());
    QSignalSpy changed(&panel, &RecordPlanConfig::signalChanngedReslut);
    panel.showDevice(kTask, 2);
    paintHours(panel, 0, 0, 0);
    {
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeDevice(2));
    }
    const QByteArray before = ProgramFolder::readAll(devicePath(*m_folder, kTask));
    QVERIFY(panel.saveAndHide());
    QVERIFY(panel.isHidden());
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|Device 3 is no longer in the task; its record plan "
                                        "was not stored.")});
    QCOMPARE(ProgramFolder::readAll(devicePath(*m_folder, kTask)), before);
    QCOMPARE(changed.count(), 0);
}

void TestRecordPlanConfig::aFileThatCannotBeReadOpensNothing()
{
    const QString path = devicePath(*m_folder, kTask);
    QVERIFY(ProgramFolder::write(path, "not a device file"));
    RecordPlanConfig panel(m_host.get());
    panel.showDevice(kTask, 0);
    QVERIFY(panel.isHidden());
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|The record plan of device 1 cannot be read: the "
                                        "task's device file is damaged.")});
    QVERIFY(panel.saveAndHide());
    QCOMPARE(ProgramFolder::readAll(path), QByteArray("not a device file"));
}

QTEST_MAIN(TestRecordPlanConfig)
#include "tst_recordplanconfig.moc"
