#include "ProgramFolder.h"
#include "RecordPlanCopy.h"
#include "FailingSaves.h"

#include <QtTest>

#include <memory>

using kiv::RecordPlanCopy;

// Copying a device's record plan and event frequency to other devices of
// its task, in one save of the device file.
class TestCopyRecordPlan : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copiesPlanAndFrequencyToTheTargets();
    void valuesTheSourceLacksAreNotCopied_data();
    void valuesTheSourceLacksAreNotCopied();
    void targetsNoLongerInTheTaskAreNamed();
    void aFailedSaveChangesNothingAndGivesItsReason();
    void anUnreadableSourceChangesNothing();
    void aSourceNoLongerInTheTaskCopiesNothing();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

namespace {

const QString kTask = QStringLiteral("Lobby");
// 24 hours: recorded by schedule from 8 to 18.
const QString kPlan = QStringLiteral("000000001111111111000000");
const QString kOwnPlan = QStringLiteral("222222222222222222222222");

/// Four devices; device 0 has @p plan and @p fren, the others their own.
void writeTask(const QString &plan, const QString &fren)
{
    TaskDeviceFile file(kTask);
    for (int i = 0; i < 4; ++i) {
        DeviceInfo d;
        d.deviceType = QStringLiteral("CAM-A");
        d.mainType = QStringLiteral("IPC");
        d.count = 1;
        QVERIFY(file.addDevice(d));
        if (i == 0) {
            // An empty text stands for no stored value.
            QVERIFY(file.setRecordPlan(plan, i));
            QVERIFY(file.setEventFren(i, fren));
        } else {
            QVERIFY(file.setRecordPlan(kOwnPlan, i));
            QVERIFY(file.setEventFren(i, QStringLiteral("10")));
        }
    }
    QVERIFY(file.close());
}

QString planOf(int device)
{
    TaskDeviceFile file(kTask);
    QString plan;
    file.recordPlan(device, plan);
    return plan;
}

QString frenOf(int device)
{
    TaskDeviceFile file(kTask);
    QString fren;
    file.eventFren(device, fren);
    return fren;
}

} // namespace

void TestCopyRecordPlan::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestCopyRecordPlan::cleanup()
{
    m_folder.reset();
}

void TestCopyRecordPlan::copiesPlanAndFrequencyToTheTargets()
{
    writeTask(kPlan, QStringLiteral("40"));
    const RecordPlanCopy copied = RecordPlanCopy::copy(kTask, 0, {1, 3});
    QCOMPARE(copied.outcome, RecordPlanCopy::Copied);
    QVERIFY(copied.gone.isEmpty());
    QVERIFY(!copied.planMissing);
    QVERIFY(!copied.frenMissing);
    QCOMPARE(planOf(1), kPlan);
    QCOMPARE(frenOf(1), QStringLiteral("40"));
    QCOMPARE(planOf(3), kPlan);
    QCOMPARE(frenOf(3), QStringLiteral("40"));
    // A device not ticked keeps its own.
    QCOMPARE(planOf(2), kOwnPlan);
    QCOMPARE(frenOf(2), QStringLiteral("10"));
}

void TestCopyRecordPlan::valuesTheSourceLacksAreNotCopied_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("fren");
    QTest::addColumn<QString>("targetPlan");
    QTest::addColumn<QString>("targetFren");
    QTest::newRow("no plan: the target keeps its plan and takes the frequency")
        << QString() << QStringLiteral("40") << kOwnPlan << QStringLiteral("40");
    QTest::newRow("no frequency: the target takes the plan and keeps its frequency")
        << kPlan << QString() << kPlan << QStringLiteral("10");
}

void TestCopyRecordPlan::valuesTheSourceLacksAreNotCopied()
{
    QFETCH(QString, plan);
    QFETCH(QString, fren);
    QFETCH(QString, targetPlan);
    QFETCH(QString, targetFren);
    writeTask(plan, fren);
    const RecordPlanCopy copied = RecordPlanCopy::copy(kTask, 0, {2});
    QCOMPARE(copied.outcome, RecordPlanCopy::Copied);
    QCOMPARE(copied.planMissing, plan.isEmpty());
    QCOMPARE(copied.frenMissing, fren.isEmpty());
    QCOMPARE(planOf(2), targetPlan);
    QCOMPARE(frenOf(2), targetFren);
}

void TestCopyRecordPlan::targetsNoLongerInTheTaskAreNamed()
{
    writeTask(kPlan, QStringLiteral("40"));
    const RecordPlanCopy copied = RecordPlanCopy::copy(kTask, 0, {1, 5, 6});
    QCOMPARE(copied.outcome, RecordPlanCopy::Copied);
    QCOMPARE(copied.gone, (QVector<int>{5, 6}));
    QCOMPARE(planOf(1), kPlan);
}

void TestCopyRecordPlan::aFailedSaveChangesNothingAndGivesItsReason()
{
    writeTask(kPlan, QStringLiteral("40"));
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    RecordPlanCopy copied;
    QString expected;
    {
        FileSizeLimit full;
        QVERIFY(full.isActive());
        copied = RecordPlanCopy::copy(kTask, 0, {1, 9});
        expected = failurereason::ofDeviceFileSave(kTask);
    }
    QCOMPARE(copied.outcome, RecordPlanCopy::NotSaved);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(copied.reason, expected);
    // Nothing was copied, so nothing is reported as gone either.
    QVERIFY(copied.gone.isEmpty());
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestCopyRecordPlan::anUnreadableSourceChangesNothing()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    QVERIFY(ProgramFolder::write(path, "<DeviceInfoList>"));
    QCOMPARE(RecordPlanCopy::copy(kTask, 0, {1}).outcome, RecordPlanCopy::SourceUnreadable);
    QCOMPARE(ProgramFolder::readAll(path), QByteArray("<DeviceInfoList>"));
}

void TestCopyRecordPlan::aSourceNoLongerInTheTaskCopiesNothing()
{
    // Another window deleted the source device meanwhile: there is nothing
    // to copy, which is not a file that cannot be read.
    writeTask(kPlan, QStringLiteral("40"));
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    const RecordPlanCopy copied = RecordPlanCopy::copy(kTask, 7, {1});
    QCOMPARE(copied.outcome, RecordPlanCopy::Copied);
    QVERIFY(copied.planMissing);
    QVERIFY(copied.frenMissing);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

QTEST_MAIN(TestCopyRecordPlan)
#include "tst_copyrecordplan.moc"
