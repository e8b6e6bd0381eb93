// The storage calculator as a planner uses it, over the demo catalogue in
// the English interface: the form's dependencies, validators and tips, the
// worked cases through Calculate with its busy dialog and worker thread, the
// failures, and the stored result per task.

#include "CalcTestSupport.h"

#include <StorageCalculatorWidget.h>
#include <TableView.h>
#include <TimeUnitButton.h>
#include <Validators.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

using namespace calctest;
using KavrinGUIToolkit::CChaseDialog;
using KavrinGUIToolkit::CToolTip;

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

QStringList itemsOf(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

/// The calculator and handles on its controls.
struct Form
{
    kiv::StorageCalculatorWidget widget;

    template <typename T> T *get(const char *name) const
    {
        T *child = widget.findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    QComboBox *deviceClass() const { return get<QComboBox>("combStorageDeviceClass"); }
    QComboBox *model() const { return get<QComboBox>("combDeviceType"); }
    QComboBox *capacity() const { return get<QComboBox>("combHDDCapcity"); }
    QComboBox *hddType() const { return get<QComboBox>("combHDDType"); }
    QComboBox *raidType() const { return get<QComboBox>("combRaidType"); }
    QLineEdit *bays() const { return get<QLineEdit>("edtDiskPos"); }
    QLineEdit *time() const { return get<QLineEdit>("edtTime"); }
    QLineEdit *raid1() const { return get<QLineEdit>("edtRaid1Count"); }
    QLineEdit *raid5() const { return get<QLineEdit>("edtRaid5Count"); }
    QLineEdit *groups() const { return get<QLineEdit>("edtRaidGroup"); }
    QLineEdit *spares() const { return get<QLineEdit>("edtHotspare"); }
    kivui::TimeUnitButton *unit() const { return get<kivui::TimeUnitButton>("btnRecordTime"); }
    QPushButton *calculate() const { return get<QPushButton>("btnCalculate"); }
    QAbstractItemModel *result() const
    {
        return get<KavrinGUIToolkit::CTableView>("tableResult")->model();
    }
    QStringList cells() const
    {
        QStringList out;
        for (int column = 0; column < 3; ++column)
            out << result()->index(0, column).data().toString();
        return out;
    }
    QVariant cellData(int column, int role) const { return result()->index(0, column).data(role); }
};

/// Stores @p r in the task list file as the calculator would have.
bool storeResult(const StorageResult &r)
{
    TaskListFile file;
    return file.setStorageResult(r) && file.close();
}

/// Types into a line edit as the planner does, after clearing it.
void type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestStorageCalculator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startsWithTheFirstNvrAndPlainDisks();
    void classChangeListsItsModelsWithBaysAndRaidTypes();
    void modelChangeResetsCountsAndRefreshesRaidTypesAndBays();
    void comboSlotsAreConnectedOnceAfterEveryRefill();
    void raidDiskTypeShowsTheRaidRows();
    void raid1And5CountsBelongToRaid10And50();
    void classChangeLeavesNoCountRowOfTheRaidTypeBefore_data();
    void classChangeLeavesNoCountRowOfTheRaidTypeBefore();
    void countOfARaidTypeNoLongerChosenIsStoredAsZero();
    void timeUnitSetsTimeAndRange();
    void countsAndTimeRefuseValuesOutOfRange_data();
    void countsAndTimeRefuseValuesOutOfRange();
    void threeGroupsWithFewerThanTwoSparesShowTheTip();
    void calculateRefusesInvalidInput_data();
    void calculateRefusesInvalidInput();
    void calculateWithoutATaskSaysSo();

    void nvrCalculationRunsBehindTheBusyDialogAndIsStored();
    void busyDialogClosesWhenShownForReal();
    void cvrCalculationWithRaid5();
    void failuresAreShownAndStoredDisabled_data();
    void failuresAreShownAndStoredDisabled();
    void unreadableDeviceFileDisablesAnEarlierResult();

    void storedResultComesBackWithItsChoices();
    void disabledResultBlanksFiguresAndResetsCounts();
    void storedModelMissingFromTheCatalogueLeavesNoSelection();
    void storedUnitOutsideTheRangeIsReadAsDays();
    void storedCountOfAnotherRaidTypeComesBackHiddenAsZero();
    void blankingClearsTheFiguresAndTheirData();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestStorageCalculator::initTestCase()
{
    m_folder = makeProgramFolder();
    QCOMPARE(kiv::LanaguageManager::GetInstance()->language(), 0);
}

void TestStorageCalculator::init()
{
    resetTasks(*m_folder);
}

void TestStorageCalculator::cleanupTestCase()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    CChaseDialog::SetResponder({});
    m_folder.reset();
}

void TestStorageCalculator::startsWithTheFirstNvrAndPlainDisks()
{
    Form f;
    QCOMPARE(itemsOf(f.deviceClass()), (QStringList{QStringLiteral("NVR"), QStringLiteral("CVR")}));
    QCOMPARE(f.deviceClass()->currentIndex(), 0);
    QCOMPARE(itemsOf(f.model()),
             (QStringList{QStringLiteral("KN-08"), QStringLiteral("KN-16"), QStringLiteral("KN-32"),
                          QStringLiteral("KH-08"), QStringLiteral("KH-16")}));
    QCOMPARE(f.model()->currentText(), QStringLiteral("KN-08"));
    QCOMPARE(f.bays()->text(), QStringLiteral("2"));
    QVERIFY(f.bays()->isReadOnly());
    // The first model has no RAID types.
    QVERIFY(!f.raidType()->isEnabled());
    QCOMPARE(itemsOf(f.hddType()), (QStringList{QStringLiteral("Common"), QStringLiteral("raid")}));
    QCOMPARE(f.hddType()->currentIndex(), 0);
    QCOMPARE(itemsOf(f.capacity()),
             (QStringList{QStringLiteral("500G"), QStringLiteral("1T"), QStringLiteral("2T"),
                          QStringLiteral("3T"), QStringLiteral("4T")}));
    QCOMPARE(f.capacity()->currentData().toInt(), 500);
    QCOMPARE(f.capacity()->itemData(4).toInt(), 4000);
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
    QCOMPARE(f.unit()->currentButton(), 0);
    for (QLineEdit *e : {f.raid1(), f.raid5(), f.groups(), f.spares()}) {
        QCOMPARE(e->text(), QStringLiteral("0"));
        QVERIFY(e->isHidden());
    }
    QVERIFY(f.raidType()->isHidden());
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(f.result()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Device Count"));
    QCOMPARE(f.result()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Disk Capacity"));
    QCOMPARE(f.result()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Disk Count"));
}

void TestStorageCalculator::classChangeListsItsModelsWithBaysAndRaidTypes()
{
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    QCOMPARE(itemsOf(f.model()), (QStringList{QStringLiteral("KV-24"), QStringLiteral("KV-48"),
                                              QStringLiteral("KV-64")}));
    QCOMPARE(f.bays()->text(), QStringLiteral("24"));
    QVERIFY(!f.bays()->isHidden());
    QVERIFY(f.raidType()->isEnabled());
    // Hot spares are a count of their own, never a RAID type.
    QCOMPARE(itemsOf(f.raidType()),
             (QStringList{QStringLiteral("RAID0"), QStringLiteral("RAID1"), QStringLiteral("RAID5"),
                          QStringLiteral("RAID6"), QStringLiteral("RAID10")}));
    f.deviceClass()->setCurrentIndex(0);
    QCOMPARE(f.model()->currentText(), QStringLiteral("KN-08"));
    QCOMPARE(f.bays()->text(), QStringLiteral("2"));
}

void TestStorageCalculator::modelChangeResetsCountsAndRefreshesRaidTypesAndBays()
{
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.groups()->setText(QStringLiteral("2"));
    f.spares()->setText(QStringLiteral("3"));
    f.model()->setCurrentIndex(1);
    QCOMPARE(f.bays()->text(), QStringLiteral("48"));
    QCOMPARE(f.groups()->text(), QStringLiteral("0"));
    QCOMPARE(f.spares()->text(), QStringLiteral("0"));
    QVERIFY(itemsOf(f.raidType()).contains(QStringLiteral("RAID50")));
    QVERIFY(!itemsOf(f.raidType()).contains(QStringLiteral("HOT-Spare")));
    QCOMPARE(f.raidType()->currentIndex(), 0);
}

void TestStorageCalculator::comboSlotsAreConnectedOnceAfterEveryRefill()
{
    Form f;
    const auto checkOnce = [&f] {
        QCOMPARE(receiversOf(f.deviceClass(), SIGNAL(currentIndexChanged(int))), 1);
        QCOMPARE(receiversOf(f.model(), SIGNAL(currentTextChanged(QString))), 1);
        QCOMPARE(receiversOf(f.hddType(), SIGNAL(currentIndexChanged(int))), 1);
        QCOMPARE(receiversOf(f.raidType(), SIGNAL(currentTextChanged(QString))), 1);
    };
    checkOnce();
    f.deviceClass()->setCurrentIndex(1);
    checkOnce();
    f.model()->setCurrentIndex(2);
    checkOnce();
    f.hddType()->setCurrentIndex(1);
    checkOnce();
    f.hddType()->setCurrentIndex(0);
    f.deviceClass()->setCurrentIndex(0);
    checkOnce();
    // And they still act: a model chosen after the refills shows its bays.
    f.model()->setCurrentText(QStringLiteral("KN-32"));
    QCOMPARE(f.bays()->text(), QStringLiteral("8"));
}

void TestStorageCalculator::raidDiskTypeShowsTheRaidRows()
{
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    f.time()->setText(QStringLiteral("30"));
    f.hddType()->setCurrentIndex(1);
    QVERIFY(!f.raidType()->isHidden());
    QVERIFY(!f.groups()->isHidden());
    QVERIFY(!f.spares()->isHidden());
    QCOMPARE(f.raidType()->currentText(), QStringLiteral("RAID0"));
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
    f.groups()->setText(QStringLiteral("2"));
    f.hddType()->setCurrentIndex(0);
    QVERIFY(f.raidType()->isHidden());
    QVERIFY(f.groups()->isHidden());
    QVERIFY(f.spares()->isHidden());
    QCOMPARE(f.groups()->text(), QStringLiteral("0"));
}

void TestStorageCalculator::raid1And5CountsBelongToRaid10And50()
{
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    f.model()->setCurrentText(QStringLiteral("KV-48"));
    f.hddType()->setCurrentIndex(1);
    QVERIFY(f.raid1()->isHidden());
    QVERIFY(f.raid5()->isHidden());
    f.raidType()->setCurrentText(QStringLiteral("RAID10"));
    QVERIFY(!f.raid1()->isHidden());
    QVERIFY(f.raid5()->isHidden());
    f.raid1()->setText(QStringLiteral("4"));
    f.raidType()->setCurrentText(QStringLiteral("RAID50"));
    QVERIFY(f.raid1()->isHidden());
    QCOMPARE(f.raid1()->text(), QStringLiteral("0"));
    QVERIFY(!f.raid5()->isHidden());
    f.hddType()->setCurrentIndex(0);
    QVERIFY(f.raid5()->isHidden());
}

void TestStorageCalculator::classChangeLeavesNoCountRowOfTheRaidTypeBefore_data()
{
    QTest::addColumn<int>("fromClass");
    QTest::addColumn<QString>("fromModel");
    QTest::addColumn<QString>("raidType");
    QTest::addColumn<int>("toClass");
    QTest::addColumn<QString>("raidTypeAfter");
    // KN-16 offers RAID10; the first CVR, KV-24, starts at RAID0. KV-48
    // offers RAID50; the first NVR, KN-08, offers no RAID type at all.
    QTest::newRow("NVR with RAID10 to CVR hides the RAID1 count") << 0 << "KN-16"
                                                                  << "RAID10" << 1 << "RAID0";
    QTest::newRow("CVR with RAID50 to NVR hides the RAID5 count") << 1 << "KV-48"
                                                                  << "RAID50" << 0 << "";
}

void TestStorageCalculator::classChangeLeavesNoCountRowOfTheRaidTypeBefore()
{
    QFETCH(int, fromClass);
    QFETCH(QString, fromModel);
    QFETCH(QString, raidType);
    QFETCH(int, toClass);
    QFETCH(QString, raidTypeAfter);
    Form f;
    f.deviceClass()->setCurrentIndex(fromClass);
    f.model()->setCurrentText(fromModel);
    f.hddType()->setCurrentIndex(1);
    f.raidType()->setCurrentText(raidType);
    QCOMPARE(f.raidType()->currentText(), raidType);
    QLineEdit *count = raidType == QLatin1String("RAID10") ? f.raid1() : f.raid5();
    QVERIFY(!count->isHidden());
    count->setText(QStringLiteral("5"));

    f.deviceClass()->setCurrentIndex(toClass);
    QCOMPARE(f.hddType()->currentIndex(), 1);
    QCOMPARE(f.raidType()->currentText(), raidTypeAfter);
    for (QLineEdit *row : {f.raid1(), f.raid5()}) {
        QVERIFY2(row->isHidden(), qPrintable(row->objectName()));
        QCOMPARE(row->text(), QStringLiteral("0"));
    }
}

void TestStorageCalculator::countOfARaidTypeNoLongerChosenIsStoredAsZero()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 100, 4096,
              {stream(QStringLiteral("111"), 100, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.model()->setCurrentText(QStringLiteral("KN-16"));
    f.hddType()->setCurrentIndex(1);
    f.raidType()->setCurrentText(QStringLiteral("RAID10"));
    f.raid1()->setText(QStringLiteral("5"));
    f.deviceClass()->setCurrentIndex(1);
    f.capacity()->setCurrentText(QStringLiteral("2T"));
    f.time()->setText(QStringLiteral("30"));
    f.groups()->setText(QStringLiteral("2"));
    f.spares()->setText(QStringLiteral("2"));
    f.calculate()->click();
    QVERIFY(messages().isEmpty());
    const StorageResult r = storedStorage(QStringLiteral("Depot"));
    QCOMPARE(r.storageEnable, 1);
    QCOMPARE(r.mainType, QStringLiteral("CVR"));
    QCOMPARE(r.raidType, QStringLiteral("RAID0"));
    QCOMPARE(r.raid1Number, 0);
    QCOMPARE(r.raid5Number, 0);
}

void TestStorageCalculator::timeUnitSetsTimeAndRange()
{
    Form f;
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    type(f.time(), QStringLiteral("200"));
    QCOMPARE(f.time()->text(), QStringLiteral("200"));
    f.unit()->setCurrentButton(1);
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
    type(f.time(), QStringLiteral("53"));
    QCOMPARE(f.time()->text(), QStringLiteral("5"));
    type(f.time(), QStringLiteral("52"));
    QCOMPARE(f.time()->text(), QStringLiteral("52"));
    // The same unit again changes nothing.
    f.unit()->setCurrentButton(1);
    QCOMPARE(f.time()->text(), QStringLiteral("52"));
    f.unit()->setCurrentButton(2);
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
    type(f.time(), QStringLiteral("13"));
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
}

void TestStorageCalculator::countsAndTimeRefuseValuesOutOfRange_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("365 days are accepted") << "edtTime"
                                           << "365"
                                           << "365";
    QTest::newRow("366 days are not") << "edtTime"
                                      << "366"
                                      << "36";
    QTest::newRow("no letters in the time") << "edtTime"
                                            << "3a"
                                            << "3";
    QTest::newRow("64 RAID groups are accepted") << "edtRaidGroup"
                                                 << "64"
                                                 << "64";
    QTest::newRow("65 RAID groups are not") << "edtRaidGroup"
                                            << "65"
                                            << "6";
    QTest::newRow("65 hot spares are not") << "edtHotspare"
                                           << "65"
                                           << "6";
    QTest::newRow("no sign in a count") << "edtHotspare"
                                        << "-1"
                                        << "1";
}

void TestStorageCalculator::countsAndTimeRefuseValuesOutOfRange()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    QLineEdit *e = f.get<QLineEdit>(edit.toLatin1().constData());
    type(e, typed);
    QCOMPARE(e->text(), kept);
}

void TestStorageCalculator::threeGroupsWithFewerThanTwoSparesShowTheTip()
{
    Form f;
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    const QString tip = QStringLiteral("At least two hot spare disks should be set if three or "
                                       "more RAID groups are configured.");
    type(f.spares(), QStringLiteral("1"));
    type(f.groups(), QStringLiteral("3"));
    QCOMPARE(CToolTip::CurrentText(), tip);
    QCOMPARE(CToolTip::LastPosition(), f.spares()->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(f.groups()->text(), QStringLiteral("3"));
    CToolTip::HideTipImmediately();
    type(f.spares(), QStringLiteral("2"));
    type(f.groups(), QStringLiteral("4"));
    QVERIFY(!CToolTip::IsShowing());
}

void TestStorageCalculator::calculateRefusesInvalidInput_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("spares");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("tipAt");
    QTest::newRow("an empty time") << QString() << "0"
                                   << "0"
                                   << "The time is invalid"
                                   << "edtTime";
    QTest::newRow("three groups with one spare")
        << "10"
        << "3"
        << "1"
        << "At least two hot spare disks should be set if three or more RAID groups are "
           "configured."
        << "edtHotspare";
}

void TestStorageCalculator::calculateRefusesInvalidInput()
{
    QFETCH(QString, time);
    QFETCH(QString, groups);
    QFETCH(QString, spares);
    QFETCH(QString, tip);
    QFETCH(QString, tipAt);
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 4096,
              {stream(QStringLiteral("111"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    f.time()->setText(time);
    f.groups()->setText(groups);
    f.spares()->setText(spares);
    f.calculate()->click();
    QCOMPARE(CToolTip::CurrentText(), tip);
    QCOMPARE(CToolTip::LastPosition(),
             f.get<QLineEdit>(tipAt.toLatin1().constData())->mapToGlobal(QPoint(0, 0)));
    QVERIFY(CChaseDialog::History().isEmpty());
    QCOMPARE(storedStorage(QStringLiteral("Depot")).storageEnable, 0);
    QVERIFY(storedStorage(QStringLiteral("Depot")).totalCap.isEmpty());
}

void TestStorageCalculator::calculateWithoutATaskSaysSo()
{
    Form f;
    f.calculate()->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Info|Choose a task first: the storage is calculated for "
                                        "the current task.")});
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    QVERIFY(CChaseDialog::History().isEmpty());
}

void TestStorageCalculator::nvrCalculationRunsBehindTheBusyDialogAndIsStored()
{
    addTasks({QStringLiteral("Depot")});
    // A camera recording all day, and a DVR whose stream is stored but which
    // takes no NVR channel.
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 4096,
              {stream(QStringLiteral("111"), 1, 4096)});
    addDevice(QStringLiteral("Depot"), QStringLiteral("DVR"), 40, 4096,
              {stream(QStringLiteral("100"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.model()->setCurrentText(QStringLiteral("KN-16"));
    f.time()->setText(QStringLiteral("30"));
    f.calculate()->click();
    QCOMPARE(CChaseDialog::History(), QStringList{QStringLiteral("Calculation...")});
    QVERIFY(messages().isEmpty());
    QCOMPARE(f.cells(),
             (QStringList{QStringLiteral("1"), QStringLiteral("1363.04G"), QStringLiteral("4")}));
    QVERIFY(qAbs(f.cellData(1, Qt::UserRole).toDouble() - 1.36304) < 1e-5);

    const StorageResult r = storedStorage(QStringLiteral("Depot"));
    QCOMPARE(r.storageEnable, 1);
    QCOMPARE(r.mainType, QStringLiteral("NVR"));
    QCOMPARE(r.devType, QStringLiteral("KN-16"));
    QCOMPARE(r.hddBay, 4);
    QCOMPARE(r.hddCap, QStringLiteral("500G"));
    QCOMPARE(r.timeType, 0);
    QCOMPARE(r.recordTime, 30);
    QCOMPARE(r.hddModel, QStringLiteral("Common"));
    QCOMPARE(r.devNumber, 1);
    QCOMPARE(r.totalCap, QStringLiteral("1363.04G"));
    QCOMPARE(r.hddNumber, 4);
    QCOMPARE(r.commonHddNumber, 0);
}

void TestStorageCalculator::busyDialogClosesWhenShownForReal()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 20, 2048,
              {stream(QStringLiteral("111"), 20, 2048)});
    CChaseDialog::SetResponder({});
    Form f;
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.model()->setCurrentText(QStringLiteral("KN-16"));
    // Calculate returns only once the dialog has closed.
    f.calculate()->click();
    QCOMPARE(CChaseDialog::History(), QStringList{QStringLiteral("Calculation...")});
    QCOMPARE(f.cells().at(0), QStringLiteral("2"));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(storedStorage(QStringLiteral("Depot")).storageEnable, 1);
}

void TestStorageCalculator::cvrCalculationWithRaid5()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 100, 4096,
              {stream(QStringLiteral("111"), 100, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.raidType()->setCurrentText(QStringLiteral("RAID5"));
    f.capacity()->setCurrentText(QStringLiteral("2T"));
    f.time()->setText(QStringLiteral("30"));
    f.groups()->setText(QStringLiteral("2"));
    f.spares()->setText(QStringLiteral("2"));
    f.calculate()->click();
    // The CVR count needs no worker thread.
    QVERIFY(CChaseDialog::History().isEmpty());
    QCOMPARE(f.cells(),
             (QStringList{QStringLiteral("4"), QStringLiteral("123.596T"), QStringLiteral("88")}));
    QCOMPARE(f.cellData(2, Qt::UserRole + 1).toString(), QStringLiteral("72"));
    const StorageResult r = storedStorage(QStringLiteral("Depot"));
    QCOMPARE(r.storageEnable, 1);
    QCOMPARE(r.mainType, QStringLiteral("CVR"));
    QCOMPARE(r.devType, QStringLiteral("KV-24"));
    QCOMPARE(r.hddModel, QStringLiteral("raid"));
    QCOMPARE(r.raidType, QStringLiteral("RAID5"));
    QCOMPARE(r.raidNumber, 2);
    QCOMPARE(r.hotSpare, 2);
    QCOMPARE(r.devNumber, 4);
    QCOMPARE(r.hddNumber, 88);
    QCOMPARE(r.commonHddNumber, 72);
}

void TestStorageCalculator::failuresAreShownAndStoredDisabled_data()
{
    QTest::addColumn<int>("storageClass");
    QTest::addColumn<int>("mainStream");
    QTest::addColumn<QString>("raidType");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("spares");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("capacity");
    QTest::newRow("a camera above the NVR's bandwidth")
        << 0 << 300000 << QString() << "0"
        << "0"
        << "The Bit Rate of IPC Typeis bigger than NVR Bandwidth"
        << "1363.04G";
    QTest::newRow("a RAID layout without a bay for data")
        << 1 << 4096 << "RAID6"
        << "10"
        << "4"
        << "The configured parameters of RAID Number and Hot Spare are not supported by the "
           "NVR/CVR. Please edit them."
        << "1.23596T";
}

void TestStorageCalculator::failuresAreShownAndStoredDisabled()
{
    QFETCH(int, storageClass);
    QFETCH(int, mainStream);
    QFETCH(QString, raidType);
    QFETCH(QString, groups);
    QFETCH(QString, spares);
    QFETCH(QString, message);
    QFETCH(QString, capacity);
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, mainStream,
              {stream(QStringLiteral("111"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.deviceClass()->setCurrentIndex(storageClass);
    f.time()->setText(QStringLiteral("30"));
    if (!raidType.isEmpty()) {
        f.hddType()->setCurrentIndex(1);
        f.raidType()->setCurrentText(raidType);
        f.time()->setText(QStringLiteral("30"));
    }
    f.groups()->setText(groups);
    f.spares()->setText(spares);
    f.calculate()->click();
    QCOMPARE(messages(), QStringList{QStringLiteral("Error|") + message});
    // No count is shown for a failure, not even 0.
    QCOMPARE(f.cells(), (QStringList{QString(), capacity, QString()}));
    const StorageResult r = storedStorage(QStringLiteral("Depot"));
    QCOMPARE(r.storageEnable, 0);
    QCOMPARE(r.totalCap, capacity);
    QCOMPARE(r.devNumber, 0);
}

void TestStorageCalculator::unreadableDeviceFileDisablesAnEarlierResult()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 4096,
              {stream(QStringLiteral("111"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.calculate()->click();
    QCOMPARE(storedStorage(QStringLiteral("Depot")).storageEnable, 1);

    QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(QStringLiteral("Depot")),
                                 "<?xml version=\"1.0\"?>\n<DeviceInfoList><DeviceInfo>"));
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    f.calculate()->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Error|The devices of this task cannot be read.")});
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(storedStorage(QStringLiteral("Depot")).storageEnable, 0);
}

void TestStorageCalculator::storedResultComesBackWithItsChoices()
{
    addTasks({QStringLiteral("Depot"), QStringLiteral("Yard")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 100, 4096,
              {stream(QStringLiteral("111"), 100, 4096)});
    {
        Form f;
        f.widget.setTaskName(QStringLiteral("Depot"));
        f.deviceClass()->setCurrentIndex(1);
        f.model()->setCurrentText(QStringLiteral("KV-48"));
        f.hddType()->setCurrentIndex(1);
        f.raidType()->setCurrentText(QStringLiteral("RAID10"));
        f.capacity()->setCurrentText(QStringLiteral("4T"));
        f.unit()->setCurrentButton(1);
        f.time()->setText(QStringLiteral("4"));
        f.raid1()->setText(QStringLiteral("3"));
        f.spares()->setText(QStringLiteral("2"));
        f.calculate()->click();
        QVERIFY(messages().isEmpty());
    }
    Form f;
    f.widget.setTaskName(QStringLiteral("Yard"));
    f.widget.loadResult();
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.widget.loadResult();
    QCOMPARE(f.deviceClass()->currentText(), QStringLiteral("CVR"));
    QCOMPARE(f.model()->currentText(), QStringLiteral("KV-48"));
    QCOMPARE(f.bays()->text(), QStringLiteral("48"));
    QCOMPARE(f.hddType()->currentText(), QStringLiteral("raid"));
    QCOMPARE(f.raidType()->currentText(), QStringLiteral("RAID10"));
    QCOMPARE(f.capacity()->currentText(), QStringLiteral("4T"));
    QCOMPARE(f.unit()->currentButton(), 1);
    QCOMPARE(f.time()->text(), QStringLiteral("4"));
    QCOMPARE(f.raid1()->text(), QStringLiteral("3"));
    QVERIFY(!f.raid1()->isHidden());
    QCOMPARE(f.spares()->text(), QStringLiteral("2"));
    // 28 days of 100 streams: 115.356 TB, 34 disks of 4 TB, mirrored.
    QCOMPARE(f.cells(),
             (QStringList{QStringLiteral("2"), QStringLiteral("115.356T"), QStringLiteral("68")}));
    // The weeks' range holds: 53 cannot be typed.
    f.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
    type(f.time(), QStringLiteral("53"));
    QCOMPARE(f.time()->text(), QStringLiteral("5"));
    QVERIFY(!CToolTip::IsShowing());
}

void TestStorageCalculator::disabledResultBlanksFiguresAndResetsCounts()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 4096,
              {stream(QStringLiteral("111"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.deviceClass()->setCurrentIndex(1);
    f.hddType()->setCurrentIndex(1);
    f.time()->setText(QStringLiteral("9"));
    f.groups()->setText(QStringLiteral("1"));
    f.calculate()->click();
    {
        TaskListFile file;
        QVERIFY(file.clearResults(QStringLiteral("Depot")));
        QVERIFY(file.close());
    }
    f.widget.loadResult();
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(f.groups()->text(), QStringLiteral("0"));
    QCOMPARE(f.time()->text(), QStringLiteral("1"));
    // The choices stay.
    QCOMPARE(f.deviceClass()->currentIndex(), 1);
    QCOMPARE(f.hddType()->currentIndex(), 1);
}

void TestStorageCalculator::storedModelMissingFromTheCatalogueLeavesNoSelection()
{
    addTasks({QStringLiteral("Depot")});
    StorageResult r;
    r.taskName = QStringLiteral("Depot");
    r.storageEnable = 1;
    r.mainType = QStringLiteral("NVR");
    r.devType = QStringLiteral("KN-99");
    r.hddCap = QStringLiteral("1T");
    r.hddModel = QStringLiteral("Common");
    r.devNumber = 3;
    r.totalCap = QStringLiteral("20.00T");
    r.hddNumber = 23;
    QVERIFY(storeResult(r));
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.widget.loadResult();
    QCOMPARE(f.model()->currentIndex(), -1);
    QCOMPARE(f.capacity()->currentText(), QStringLiteral("1T"));
    QCOMPARE(f.cells(),
             (QStringList{QStringLiteral("3"), QStringLiteral("20.00T"), QStringLiteral("23")}));
}

void TestStorageCalculator::storedUnitOutsideTheRangeIsReadAsDays()
{
    addTasks({QStringLiteral("Depot")});
    StorageResult r;
    r.taskName = QStringLiteral("Depot");
    r.storageEnable = 1;
    r.mainType = QStringLiteral("NVR");
    r.devType = QStringLiteral("KN-16");
    r.timeType = 5;
    r.recordTime = 200;
    QVERIFY(storeResult(r));
    Form f;
    f.unit()->setCurrentButton(2);
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.widget.loadResult();
    QCOMPARE(f.unit()->currentButton(), 0);
    QCOMPARE(f.time()->text(), QStringLiteral("200"));
    QVERIFY(f.time()->hasAcceptableInput());
}

void TestStorageCalculator::storedCountOfAnotherRaidTypeComesBackHiddenAsZero()
{
    // A file written before the count rows followed the RAID type can hold
    // a RAID1 count beside RAID0.
    addTasks({QStringLiteral("Depot")});
    StorageResult r;
    r.taskName = QStringLiteral("Depot");
    r.storageEnable = 1;
    r.mainType = QStringLiteral("CVR");
    r.devType = QStringLiteral("KV-24");
    r.hddModel = QStringLiteral("raid");
    r.raidType = QStringLiteral("RAID0");
    r.raid1Number = 5;
    r.raidNumber = 2;
    r.recordTime = 30;
    QVERIFY(storeResult(r));
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.widget.loadResult();
    QCOMPARE(f.raidType()->currentText(), QStringLiteral("RAID0"));
    QCOMPARE(f.groups()->text(), QStringLiteral("2"));
    QVERIFY(f.raid1()->isHidden());
    QCOMPARE(f.raid1()->text(), QStringLiteral("0"));
}

void TestStorageCalculator::blankingClearsTheFiguresAndTheirData()
{
    addTasks({QStringLiteral("Depot")});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 4096,
              {stream(QStringLiteral("111"), 1, 4096)});
    Form f;
    f.widget.setTaskName(QStringLiteral("Depot"));
    f.deviceClass()->setCurrentIndex(1);
    f.calculate()->click();
    QVERIFY(f.cellData(2, Qt::UserRole + 1).isValid());
    f.widget.clearResult();
    QCOMPARE(f.cells(), (QStringList{QString(), QString(), QString()}));
    QVERIFY(!f.cellData(1, Qt::UserRole).isValid());
    QVERIFY(!f.cellData(2, Qt::UserRole + 1).isValid());
    // An NVR run after a CVR run stores no data-disk figure of the CVR run.
    f.deviceClass()->setCurrentIndex(0);
    f.model()->setCurrentText(QStringLiteral("KN-16"));
    f.calculate()->click();
    QCOMPARE(storedStorage(QStringLiteral("Depot")).commonHddNumber, 0);
}

QTEST_MAIN(TestStorageCalculator)
#include "tst_storagecalculator.moc"
