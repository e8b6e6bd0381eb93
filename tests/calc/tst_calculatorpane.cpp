// The calculator pane in the language of the run (VARNEL_TEST_LANGUAGE: this
// test runs once in English and once in Chinese): its tabs, the stored
// results it has the calculators show for the chosen task, the results it
// marks out of date when the task changes, and the storage calculator's
// storage-server class and tasks made in the other language.

#include "CalcTestSupport.h"

#include <FileSizeLimit.h>
#include <TipPlace.h>

#include <BandwidthCalModel.h>
#include <BandwidthCalulatorWidget.h>
#include <CalculateManagerWidget.h>
#include <ClientCalculatorWidget.h>
#include <StorageCalculatorWidget.h>
#include <StreamServerCalulatorWidget.h>
#include <TabWidget.h>
#include <TableView.h>
#include <ToolTip.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

using namespace calctest;

namespace {

QStringList tabTexts(kiv::CalculateManagerWidget &pane)
{
    QStringList out;
    for (int i = 0; i < pane.tabs()->count(); ++i)
        out << pane.tabs()->tabText(i);
    return out;
}

QStringList storageCells(kiv::CalculateManagerWidget &pane)
{
    const QAbstractItemModel *model =
        pane.storageCalculator()
            ->findChild<KavrinGUIToolkit::CTableView *>(QStringLiteral("tableResult"))
            ->model();
    QStringList out;
    for (int column = 0; column < 3; ++column)
        out << model->index(0, column).data().toString();
    return out;
}

template <typename T> T *child(const QWidget *w, const char *name)
{
    return w->findChild<T *>(QLatin1String(name));
}

/// Every figure the pane shows: storage, bandwidth, client, stream servers.
QStringList allFigures(kiv::CalculateManagerWidget &pane)
{
    QStringList out = storageCells(pane);
    for (int column = 0; column < 4; ++column)
        out << pane.bandwidthCalculator()->model()->cellText(column);
    out << child<QLineEdit>(pane.clientCalculator(), "edtClientCount")->text();
    out << child<QLineEdit>(pane.streamServerCalculator(), "edtServerCount")->text();
    return out;
}

const QStringList kNoFigures(9, QString());

StorageResult storageResult(const QString &task, const QString &mainType, const QString &hddModel)
{
    StorageResult r;
    r.taskName = task;
    r.storageEnable = 1;
    r.mainType = mainType;
    r.devType = QStringLiteral("KN-16");
    r.hddCap = QStringLiteral("2T");
    r.hddModel = hddModel;
    r.raidType = QStringLiteral("RAID5");
    r.devNumber = 2;
    r.totalCap = QStringLiteral("12.00T");
    r.hddNumber = 9;
    return r;
}

void storeAllFourResults(const QString &task)
{
    TaskListFile file;
    QVERIFY(file.setStorageResult(
        storageResult(task, QStringLiteral("NVR"), QStringLiteral("Common"))));
    BandWidthResult b;
    b.taskName = task;
    b.bandWidthEnable = 1;
    b.total = QStringLiteral("2.90Mbps");
    QVERIFY(file.setBandWidthResult(b));
    StreamServerResult s;
    s.taskName = task;
    s.streamServerEnable = 1;
    s.streamServerNumber = 2;
    QVERIFY(file.setStreamServerResult(s));
    ClientResult c;
    c.taskName = task;
    c.clientEnable = 1;
    c.client = QStringLiteral("Torvel");
    c.clientNumber = 3;
    QVERIFY(file.setClientResult(c));
    QVERIFY(file.close());
}

} // namespace

class TestCalculatorPane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void tabsFollowTheLanguage();
    void aTabChosenForTheFirstTimeShowsItsCalculator_data();
    void aTabChosenForTheFirstTimeShowsItsCalculator();
    void choosingATaskShowsItsStoredResult();
    void aChangeDisablesTheStoredResultsAndBlanksTheFigures();
    void aTypedClientNumberComesBackWithItsTask();
    void aChangeBeforeAnyTaskChangesNoTask();
    void storedClassNamesOfTheOtherLanguageAreRestored();
    void storageServerClassInTheChineseInterface();
    void storageServerCalculatesOnTheNvrPath();
    void dvrsOfAnEnglishTaskTakeNoNvrChannelInEitherInterface();
    void aResultThatCannotBeStoredIsToldWithTheReason_data();
    void aResultThatCannotBeStoredIsToldWithTheReason();
    void resultsThatCannotBeClearedAreToldWithTheReason();
    void hotSpareTipLeavesTheFormInSight();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    int m_language = 0;
};

void TestCalculatorPane::initTestCase()
{
    m_folder = makeProgramFolder();
    m_language = kiv::LanaguageManager::GetInstance()->language();
    QCOMPARE(m_language, languageOfRun());
}

void TestCalculatorPane::init()
{
    resetTasks(*m_folder);
}

void TestCalculatorPane::cleanupTestCase()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    KavrinGUIToolkit::CChaseDialog::SetResponder({});
    m_folder.reset();
}

void TestCalculatorPane::tabsFollowTheLanguage()
{
    kiv::CalculateManagerWidget pane;
    if (m_language == 1) {
        QCOMPARE(tabTexts(pane),
                 (QStringList{QStringLiteral("存储"), QStringLiteral("带宽"),
                              QStringLiteral("流媒体服务器"), QStringLiteral("客户端")}));
    } else {
        QCOMPARE(tabTexts(pane),
                 (QStringList{QStringLiteral("Storage"), QStringLiteral("Bandwidth")}));
    }
    QCOMPARE(pane.tabs()->widget(0), pane.storageCalculator());
    QCOMPARE(pane.tabs()->widget(1), pane.bandwidthCalculator());
    if (m_language == 1) {
        QCOMPARE(pane.tabs()->widget(2), pane.streamServerCalculator());
        QCOMPARE(pane.tabs()->widget(3), pane.clientCalculator());
    } else {
        // Made all the same, without a tab.
        QVERIFY(pane.streamServerCalculator());
        QVERIFY(!pane.streamServerCalculator()->parent());
        QVERIFY(!pane.clientCalculator()->parent());
    }
    QCOMPARE(pane.objectName(), QStringLiteral("CalculateManagerWidgetUI"));
}

void TestCalculatorPane::aTabChosenForTheFirstTimeShowsItsCalculator_data()
{
    QTest::addColumn<bool>("changedBefore");
    QTest::newRow("it shows the task's stored figure") << false;
    QTest::newRow("after a change of the task it shows none") << true;
}

void TestCalculatorPane::aTabChosenForTheFirstTimeShowsItsCalculator()
{
    QFETCH(bool, changedBefore);
    addTasks({QStringLiteral("Depot")});
    storeAllFourResults(QStringLiteral("Depot"));
    kiv::CalculateManagerWidget pane;
    pane.resize(1000, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.clickCurrentTask(QStringLiteral("Depot"));
    if (changedBefore)
        pane.slotChanngedResult();

    // The last tab, clicked as the planner does: the client calculator in
    // the Chinese interface, the bandwidth calculator in the English one.
    auto *tabs = child<KavrinGUIToolkit::CTabWidget>(&pane, "tabCalculate");
    const int last = tabs->count() - 1;
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(last).center());
    QCOMPARE(tabs->currentIndex(), last);
    QWidget *shown = tabs->currentWidget();
    QVERIFY(shown->isVisible());
    if (m_language == 1) {
        QCOMPARE(shown, pane.clientCalculator());
        QCOMPARE(tabs->tabText(last), QStringLiteral("客户端"));
        QCOMPARE(child<QLineEdit>(shown, "edtClientCount")->text(),
                 changedBefore ? QString() : QStringLiteral("3"));
    } else {
        QCOMPARE(shown, pane.bandwidthCalculator());
        QCOMPARE(tabs->tabText(last), QStringLiteral("Bandwidth"));
        QCOMPARE(pane.bandwidthCalculator()->model()->cellText(3),
                 changedBefore ? QString() : QStringLiteral("2.90Mbps"));
    }
    QCOMPARE(tabs->count(), m_language == 1 ? 4 : 2);
    // Back to the first tab and again to the last: the same calculator.
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(last);
    QCOMPARE(tabs->currentWidget(), shown);
}

void TestCalculatorPane::choosingATaskShowsItsStoredResult()
{
    addTasks({QStringLiteral("Depot"), QStringLiteral("Yard")});
    {
        TaskListFile file;
        QVERIFY(file.setStorageResult(storageResult(QStringLiteral("Depot"), QStringLiteral("NVR"),
                                                    QStringLiteral("Common"))));
        QVERIFY(file.close());
    }
    kiv::CalculateManagerWidget pane;
    QCOMPARE(storageCells(pane), (QStringList{QString(), QString(), QString()}));
    const QStringList shown{QStringLiteral("2"), QStringLiteral("12.00T"), QStringLiteral("9")};
    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(pane.taskName(), QStringLiteral("Depot"));
    QCOMPARE(pane.storageCalculator()->taskName(), QStringLiteral("Depot"));
    QCOMPARE(storageCells(pane), shown);
    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(storageCells(pane), shown);
    pane.setCurrentTask(QStringLiteral("Yard"));
    QCOMPARE(storageCells(pane), (QStringList{QString(), QString(), QString()}));
    pane.setCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(storageCells(pane), shown);
}

void TestCalculatorPane::aChangeDisablesTheStoredResultsAndBlanksTheFigures()
{
    addTasks({QStringLiteral("Depot"), QStringLiteral("Yard")});
    storeAllFourResults(QStringLiteral("Depot"));
    storeAllFourResults(QStringLiteral("Yard"));
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(storageCells(pane).at(0), QStringLiteral("2"));

    QCOMPARE(allFigures(pane).at(8), QStringLiteral("2"));
    pane.slotChanngedResult();
    QCOMPARE(allFigures(pane), kNoFigures);
    TaskListFile file;
    StorageResult s;
    BandWidthResult b;
    StreamServerResult ss;
    ClientResult c;
    QVERIFY(file.storageResult(QStringLiteral("Depot"), s));
    QVERIFY(file.bandWidthResult(QStringLiteral("Depot"), b));
    QVERIFY(file.streamServerResult(QStringLiteral("Depot"), ss));
    QVERIFY(file.clientResult(QStringLiteral("Depot"), c));
    QCOMPARE(s.storageEnable, 0);
    QCOMPARE(b.bandWidthEnable, 0);
    QCOMPARE(ss.streamServerEnable, 0);
    QCOMPARE(c.clientEnable, 0);
    // The figures stay in the file; only their flags changed.
    QCOMPARE(s.totalCap, QStringLiteral("12.00T"));
    QCOMPARE(c.clientNumber, 3);
    // Another task keeps its results.
    QVERIFY(file.storageResult(QStringLiteral("Yard"), s));
    QCOMPARE(s.storageEnable, 1);

    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(allFigures(pane), kNoFigures);
}

void TestCalculatorPane::aTypedClientNumberComesBackWithItsTask()
{
    addTasks({QStringLiteral("Depot"), QStringLiteral("Yard")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 10, 2048,
              {stream(QStringLiteral("111"), 10, 2048)});
    kiv::CalculateManagerWidget pane;
    pane.resize(1000, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.clickCurrentTask(QStringLiteral("Depot"));
    if (m_language == 1)
        pane.tabs()->setCurrentWidget(pane.clientCalculator());
    else
        pane.clientCalculator()->show();
    child<QPushButton>(pane.clientCalculator(), "btnCalculate")->click();
    QLineEdit *number = child<QLineEdit>(pane.clientCalculator(), "edtClientCount");
    QCOMPARE(number->text(), QStringLiteral("1"));
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("4"));
    pane.clickCurrentTask(QStringLiteral("Yard"));
    QCOMPARE(number->text(), QString());
    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(number->text(), QStringLiteral("4"));
    // A change of the task's streams blanks it and stores nothing over it.
    pane.slotChanngedResult();
    QCOMPARE(number->text(), QString());
    ClientResult r;
    TaskListFile file;
    QVERIFY(file.clientResult(QStringLiteral("Depot"), r));
    QCOMPARE(r.clientEnable, 0);
    QCOMPARE(r.clientNumber, 4);
}

void TestCalculatorPane::aChangeBeforeAnyTaskChangesNoTask()
{
    addTasks({QStringLiteral("Depot")});
    storeAllFourResults(QStringLiteral("Depot"));
    const QByteArray before = ProgramFolder::readAll(TaskListFile::filePath());
    kiv::CalculateManagerWidget pane;
    pane.slotChanngedResult();
    QCOMPARE(ProgramFolder::readAll(TaskListFile::filePath()), before);
    QCOMPARE(allFigures(pane), kNoFigures);
}

void TestCalculatorPane::storedClassNamesOfTheOtherLanguageAreRestored()
{
    addTasks({QStringLiteral("Depot")});
    // Stored by the interface of the other language.
    const bool chinese = m_language == 1;
    {
        TaskListFile file;
        QVERIFY(file.setStorageResult(storageResult(
            QStringLiteral("Depot"), chinese ? QStringLiteral("CVR") : QStringLiteral("CVR存储"),
            chinese ? QStringLiteral("raid") : QStringLiteral("RAID"))));
        QVERIFY(file.close());
    }
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    const kiv::StorageCalculatorWidget *w = pane.storageCalculator();
    QCOMPARE(child<QComboBox>(w, "combStorageDeviceClass")->currentIndex(), 1);
    QCOMPARE(child<QComboBox>(w, "combHDDType")->currentIndex(), 1);
    QCOMPARE(storageCells(pane).at(1), QStringLiteral("12.00T"));
}

void TestCalculatorPane::storageServerClassInTheChineseInterface()
{
    kiv::StorageCalculatorWidget w;
    QComboBox *cls = child<QComboBox>(&w, "combStorageDeviceClass");
    if (m_language != 1) {
        QCOMPARE(cls->count(), 2);
        return;
    }
    QCOMPARE(cls->count(), 3);
    QCOMPARE(cls->itemText(0), QStringLiteral("网络硬盘录像机"));
    QCOMPARE(cls->itemText(2), QStringLiteral("存储服务器"));
    QComboBox *hdd = child<QComboBox>(&w, "combHDDType");
    hdd->setCurrentIndex(1);
    cls->setCurrentIndex(2);
    QComboBox *model = child<QComboBox>(&w, "combDeviceType");
    QCOMPARE(model->count(), 2);
    QCOMPARE(model->itemText(0), QStringLiteral("Torvel 存储服务器"));
    QCOMPARE(model->itemText(1), QStringLiteral("Delvar 存储服务器"));
    for (const char *name : {"edtDiskPos", "combRaidType", "edtRaid1Count", "edtRaid5Count",
                             "edtRaidGroup", "edtHotspare"})
        QVERIFY2(child<QWidget>(&w, name)->isHidden(), name);
    QCOMPARE(hdd->currentIndex(), 0);
    QVERIFY(!hdd->isEnabled());

    cls->setCurrentIndex(0);
    QVERIFY(hdd->isEnabled());
    QCOMPARE(hdd->currentIndex(), 0);
    QVERIFY(!child<QWidget>(&w, "edtDiskPos")->isHidden());
    QVERIFY(child<QWidget>(&w, "combRaidType")->isHidden());
    hdd->setCurrentIndex(1);
    QVERIFY(!child<QWidget>(&w, "combRaidType")->isHidden());
}

void TestCalculatorPane::storageServerCalculatesOnTheNvrPath()
{
    if (m_language != 1)
        QSKIP("the storage-server class is offered in the Chinese interface only");
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("网络摄像机"), 70, 2048,
              {stream(QStringLiteral("111"), 1, 4096)});
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    kiv::StorageCalculatorWidget *w = pane.storageCalculator();
    child<QComboBox>(w, "combStorageDeviceClass")->setCurrentIndex(2);
    child<QLineEdit>(w, "edtTime")->setText(QStringLiteral("30"));
    child<QPushButton>(w, "btnCalculate")->click();
    QCOMPARE(KavrinGUIToolkit::CChaseDialog::History().size(), 1);
    QVERIFY(messages().isEmpty());
    // 70 cameras on 64-channel servers.
    QCOMPARE(storageCells(pane),
             (QStringList{QStringLiteral("2"), QStringLiteral("1363.04G"), QStringLiteral("4")}));
    const StorageResult r = storedStorage(QStringLiteral("Depot"));
    QCOMPARE(r.storageEnable, 1);
    QCOMPARE(r.mainType, QStringLiteral("存储服务器"));
    QCOMPARE(r.devType, QStringLiteral("Torvel 存储服务器"));
    QCOMPARE(r.hddModel, QStringLiteral("普通"));

    // Shown again with its server chosen.
    pane.clickCurrentTask(QString());
    child<QComboBox>(w, "combStorageDeviceClass")->setCurrentIndex(0);
    pane.clickCurrentTask(QStringLiteral("Depot"));
    QCOMPARE(child<QComboBox>(w, "combStorageDeviceClass")->currentIndex(), 2);
    QCOMPARE(child<QComboBox>(w, "combDeviceType")->currentIndex(), 0);
}

void TestCalculatorPane::dvrsOfAnEnglishTaskTakeNoNvrChannelInEitherInterface()
{
    addTasks({QStringLiteral("Depot")});
    // Classes stored by the English interface; 40 DVRs would need 3 NVRs.
    addDevice(QStringLiteral("Depot"), QStringLiteral("DVR"), 40, 4096, {});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 2, 2048,
              {stream(QStringLiteral("111"), 2, 2048)});
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    kiv::StorageCalculatorWidget *w = pane.storageCalculator();
    child<QComboBox>(w, "combDeviceType")->setCurrentText(QStringLiteral("KN-16"));
    child<QPushButton>(w, "btnCalculate")->click();
    QVERIFY(messages().isEmpty());
    QCOMPARE(storageCells(pane).at(0), QStringLiteral("1"));
}

void TestCalculatorPane::aResultThatCannotBeStoredIsToldWithTheReason_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::newRow("the storage calculator names the task list's reason")
        << QStringLiteral("storage");
    QTest::newRow("the bandwidth calculator names the task list's reason")
        << QStringLiteral("bandwidth");
    QTest::newRow("the client calculator names the task list's reason") << QStringLiteral("client");
    QTest::newRow("the stream-server calculator names the task list's reason")
        << QStringLiteral("stream servers");
}

void TestCalculatorPane::aResultThatCannotBeStoredIsToldWithTheReason()
{
    QFETCH(QString, calculator);
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 2, 2048,
              {stream(QStringLiteral("111"), 2, 2048)});
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    // The task list is damaged after the task was chosen: whatever is
    // calculated cannot be stored, and the file is left as it is.
    const QString list = m_folder->file(QStringLiteral("Task/Task.xml"));
    QByteArray damaged = ProgramFolder::readAll(list);
    damaged.chop(damaged.size() / 2);
    QVERIFY(ProgramFolder::write(list, damaged));

    QWidget *w = pane.streamServerCalculator();
    if (calculator == QLatin1String("storage"))
        w = pane.storageCalculator();
    else if (calculator == QLatin1String("bandwidth"))
        w = pane.bandwidthCalculator();
    else if (calculator == QLatin1String("client"))
        w = pane.clientCalculator();
    if (calculator == QLatin1String("storage"))
        child<QComboBox>(w, "combDeviceType")->setCurrentText(QStringLiteral("KN-16"));
    child<QPushButton>(w, "btnCalculate")->click();

    const QString path = QDir::toNativeSeparators(list);
    const QString expected =
        m_language == 1
            ? QStringLiteral("警告|结果无法保存到任务列表。\n文件 %1 已损坏或不是本程序的文件。")
                  .arg(path)
            : QStringLiteral("Warn|The result could not be stored in the task list.\nThe file %1 "
                             "is damaged or is not a file of this program.")
                  .arg(path);
    QVERIFY(!messages().isEmpty());
    QCOMPARE(messages().last(), expected);
    QCOMPARE(ProgramFolder::readAll(list), damaged);
}

void TestCalculatorPane::resultsThatCannotBeClearedAreToldWithTheReason()
{
    addTasks({QStringLiteral("Depot")});
    storeAllFourResults(QStringLiteral("Depot"));
    kiv::CalculateManagerWidget pane;
    pane.clickCurrentTask(QStringLiteral("Depot"));
    const QString list = m_folder->file(QStringLiteral("Task/Task.xml"));
    const QByteArray before = ProgramFolder::readAll(list);
    const int shownBefore = messages().size();
    {
        // A full disk: the list cannot be written, and keeps the old figures.
        FileSizeLimit full;
        QVERIFY(full.isActive());
        pane.slotChanngedResult();
    }
    QCOMPARE(ProgramFolder::readAll(list), before);
    QCOMPARE(allFigures(pane), kNoFigures);
    QCOMPARE(messages().size(), shownBefore + 1);
    const QStringList lines = messages().last().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(),
             m_language == 1
                 ? QStringLiteral(
                       "警告|无法清除此任务已保存的计算结果，报表可能仍显示更改前设备的数据。")
                 : QStringLiteral("Warn|The stored results of this task could not be cleared, so "
                                  "the report may still show figures of the devices before this "
                                  "change."));
    // The reason names the list's folder or file.
    QVERIFY2(lines.last().contains(QDir::toNativeSeparators(QFileInfo(list).absolutePath())),
             qPrintable(lines.last()));
}

void TestCalculatorPane::hotSpareTipLeavesTheFormInSight()
{
    // As large as the main window at its start size makes the pane.
    kiv::CalculateManagerWidget pane;
    pane.resize(1006, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QWidget *storage = pane.storageCalculator();
    // CVR with RAID disks: the RAID group and hot spare fields show.
    child<QComboBox>(storage, "combStorageDeviceClass")->setCurrentIndex(1);
    child<QComboBox>(storage, "combHDDType")->setCurrentIndex(1);
    auto *spares = child<QLineEdit>(storage, "edtHotspare");
    auto *groups = child<QLineEdit>(storage, "edtRaidGroup");
    spares->setText(QStringLiteral("1"));
    groups->selectAll();
    QTest::keyClicks(groups, QStringLiteral("3"));
    QVERIFY(KavrinGUIToolkit::CToolTip::IsShowing());
    QCOMPARE(KavrinGUIToolkit::CToolTip::LastPosition(), spares->mapToGlobal(QPoint(0, 0)));
    const QString fault = tipplace::misplaced(tipplace::onScreen(spares), &pane);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
}

QTEST_MAIN(TestCalculatorPane)
#include "tst_calculatorpane.moc"
