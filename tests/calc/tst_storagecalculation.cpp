// The storage arithmetic as the storage calculator calls it: record hours of
// a plan, the NVR, storage-server and CVR paths with their RAID layouts and
// failures, and reading a task's devices in one pass.

#include "ProgramFolder.h"

#include <RecordHours.h>
#include <StorageCalculation.h>
#include <TaskDevices.h>

#include <QtTest>

using namespace kiv;

namespace {

const QString kAllDay = QStringLiteral("111111111111111111111111");

DevStream stream(const QString &useCode, int count, int bitRate)
{
    DevStream s;
    s.useCode = useCode;
    s.streamCount = count;
    s.resolution = QStringLiteral("1920x1080");
    s.frameRate = QStringLiteral("25");
    s.bitRate = bitRate;
    return s;
}

TaskDeviceEntry device(const QString &mainType, int count, int mainStream, int subStream,
                       const QVector<DevStream> &streams, const QString &plan = kAllDay,
                       const QString &frequency = QStringLiteral("100"))
{
    TaskDeviceEntry d;
    d.info.deviceType = QStringLiteral("KC-200");
    d.info.mainType = mainType;
    d.info.count = count;
    d.info.mainStream = mainStream;
    d.info.subStream = subStream;
    d.streams = streams;
    d.recordPlan = plan;
    d.eventFrequency = frequency;
    return d;
}

// A 16-channel NVR of 160 Mbps, a 64-channel one of 320 Mbps, then the two
// storage servers core appends.
NvrCounter counter()
{
    NvrModel small;
    small.name = QStringLiteral("KN-16");
    small.netInputNumber = 16;
    small.bandwidth = 160 * 1024;
    NvrModel large;
    large.name = QStringLiteral("KN-64");
    large.netInputNumber = 64;
    large.bandwidth = 320 * 1024;
    return [models = QList<NvrModel>{small, large}](const QString &model,
                                                    const std::vector<IpcTypeCount> &cameras) {
        NvrCalculator calculator(models);
        return calculator.calculate(model, cameras);
    };
}

StorageInputs nvrInputs(const QString &model = QStringLiteral("KN-16"))
{
    StorageInputs in;
    in.storageClass = NvrStorage;
    in.model = model;
    in.bays = 8;
    in.diskSizeGb = 500;
    in.recordTime = 30;
    in.timeUnit = 0;
    return in;
}

StorageInputs cvrInputs(HddType type, const QString &raidType, int groups, int spares)
{
    StorageInputs in;
    in.storageClass = CvrStorage;
    in.model = QStringLiteral("KV-24");
    in.bays = 24;
    in.diskSizeGb = 2000;
    in.recordTime = 30;
    in.hddType = type;
    in.raidType = raidType;
    in.raidGroups = groups;
    in.hotSpares = spares;
    return in;
}

// 100 streams of 4096 Kbps recorded all day for 30 days: 123.596 TB, 72
// disks of 2 TB with 5 % kept free.
QVector<TaskDeviceEntry> cvrTask()
{
    return {
        device(QStringLiteral("IPC"), 100, 4096, 512, {stream(QStringLiteral("111"), 100, 4096)})};
}

} // namespace

Q_DECLARE_METATYPE(kiv::StorageFailure)
Q_DECLARE_METATYPE(kiv::StorageInputs)
Q_DECLARE_METATYPE(kiv::TaskDeviceEntry)

class TestStorageCalculation : public QObject
{
    Q_OBJECT

private slots:
    void recordHours_data();
    void recordHours();
    void recordDays_data();
    void recordDays();
    void recordTimeUnits_data();
    void recordTimeUnits();
    void eventFrequencyText_data();
    void eventFrequencyText();

    void nvrPath_data();
    void nvrPath();
    void nvrCountFailuresKeepTheCapacityAndCountNothing_data();
    void nvrCountFailuresKeepTheCapacityAndCountNothing();
    void dvrStreamsAreStoredButDvrsNeedNoNvrChannel();
    void cameraClassesAreReadInEitherLanguage();
    void storageServerIgnoresRaid();

    void cvrPath_data();
    void cvrPath();
    void cvrFailures_data();
    void cvrFailures();

    void figuresBeyondTheEnginesFail_data();
    void figuresBeyondTheEnginesFail();
    void aLineAbove20000TbIsShownAsItIs();
    void raidCodes_data();
    void raidCodes();

    void taskDevicesAreReadWithStreamsPlansAndFrequencies();
    void unreadableDeviceFileFails();
};

void TestStorageCalculation::recordHours_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("hours");
    const auto plan = [](int ones, int twos) {
        return QString(ones, QLatin1Char('1')) + QString(twos, QLatin1Char('2')) +
               QString(24 - ones - twos, QLatin1Char('0'));
    };
    QTest::newRow("the default plan records 24 hours") << kAllDay << 100 << 24;
    QTest::newRow("no plan records nothing") << QString() << 100 << 0;
    QTest::newRow("hours without recording add nothing") << plan(0, 0) << 100 << 0;
    QTest::newRow("3 event hours at 50 % round up to 2") << plan(0, 3) << 50 << 2;
    QTest::newRow("scheduled and event hours add up") << plan(6, 4) << 50 << 8;
    QTest::newRow("event hours at 0 % add nothing") << plan(5, 19) << 0 << 5;
    QTest::newRow("10 event hours at 70 % are 7, not 8") << plan(0, 10) << 70 << 7;
    QTest::newRow("15 event hours at 80 % are 12, not 13") << plan(0, 15) << 80 << 12;
    QTest::newRow("1 scheduled and 10 event hours at 10 % are 2, not 3") << plan(1, 10) << 10 << 2;
    QTest::newRow("12 scheduled and 10 event hours at 60 % are 18, not 19")
        << plan(12, 10) << 60 << 18;
    QTest::newRow("20 event hours at 10 % are 2, not 3") << plan(0, 20) << 10 << 2;
    QTest::newRow("one event hour at 10 % takes a whole hour") << plan(0, 1) << 10 << 1;
    QTest::newRow("a frequency above 100 counts as 100") << plan(0, 4) << 250 << 4;
    QTest::newRow("a negative frequency counts as 0") << plan(2, 4) << -30 << 2;
    QTest::newRow("characters past the day do not count")
        << kAllDay + QStringLiteral("1111") << 100 << 24;
    QTest::newRow("other characters add nothing") << QStringLiteral("1x1 3") << 100 << 2;
}

void TestStorageCalculation::recordHours()
{
    QFETCH(QString, plan);
    QFETCH(int, frequency);
    QFETCH(int, hours);
    QCOMPARE(recordHoursOfPlan(plan, frequency), hours);
}

void TestStorageCalculation::recordDays_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("unit");
    QTest::addColumn<qint64>("days");
    QTest::newRow("days") << 30 << 0 << qint64(30);
    QTest::newRow("4 weeks are 28 days") << 4 << 1 << qint64(28);
    QTest::newRow("12 months are 360 days") << 12 << 2 << qint64(360);
    QTest::newRow("an unknown unit counts days") << 5 << 7 << qint64(5);
    QTest::newRow("a negative unit counts days") << 5 << -1 << qint64(5);
}

void TestStorageCalculation::recordDays()
{
    QFETCH(int, time);
    QFETCH(int, unit);
    QFETCH(qint64, days);
    QCOMPARE(kiv::recordDays(time, unit), days);
}

void TestStorageCalculation::recordTimeUnits_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("limit");
    QTest::newRow("days go up to a year") << 0 << 0 << 365;
    QTest::newRow("weeks go up to 52") << 1 << 1 << 52;
    QTest::newRow("months go up to 12") << 2 << 2 << 12;
    QTest::newRow("an unknown unit is read as days") << 3 << 0 << 365;
    QTest::newRow("a negative unit is read as days") << -1 << 0 << 365;
}

void TestStorageCalculation::recordTimeUnits()
{
    QFETCH(int, stored);
    QFETCH(int, unit);
    QFETCH(int, limit);
    QCOMPARE(recordTimeUnitOf(stored), unit);
    QCOMPARE(recordTimeLimit(stored), limit);
}

void TestStorageCalculation::eventFrequencyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("percent");
    QTest::newRow("a stored percentage") << QStringLiteral("70") << 70;
    QTest::newRow("blanks around it") << QStringLiteral(" 40 ") << 40;
    QTest::newRow("no frequency stored") << QString() << 0;
    QTest::newRow("not a number") << QStringLiteral("70%") << 0;
}

void TestStorageCalculation::eventFrequencyText()
{
    QFETCH(QString, text);
    QFETCH(int, percent);
    QCOMPARE(eventFrequencyOf(text), percent);
}

void TestStorageCalculation::nvrPath_data()
{
    QTest::addColumn<QVector<TaskDeviceEntry>>("devices");
    QTest::addColumn<StorageInputs>("inputs");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<int>("nvrs");
    QTest::addColumn<int>("disks");

    const auto one = [](const QVector<DevStream> &streams, const QString &plan = kAllDay,
                        const QString &frequency = QStringLiteral("100")) {
        return QVector<TaskDeviceEntry>{
            device(QStringLiteral("IPC"), 1, 4096, 512, streams, plan, frequency)};
    };
    // 720 hours of 4096 Kbps: 1363.04 GB, 4 disks of 500 GB with 8 % free.
    QTest::newRow("one camera for 30 days shows GB below 10 TB")
        << one({stream(QStringLiteral("111"), 1, 4096)}) << nvrInputs()
        << QStringLiteral("1363.04G") << 1 << 4;
    {
        StorageInputs weeks = nvrInputs();
        weeks.recordTime = 4;
        weeks.timeUnit = 1;
        // 28 days of the 30 above.
        QTest::newRow("weeks are counted as 7 days")
            << one({stream(QStringLiteral("111"), 1, 4096)}) << weeks << QStringLiteral("1272.17G")
            << 1 << 4;
    }
    QTest::newRow("a stream's count multiplies its rate")
        << one({stream(QStringLiteral("010"), 10, 4096)}) << nvrInputs() << QStringLiteral("13.63T")
        << 1 << 33;
    QTest::newRow("streams without the record flag add nothing")
        << one({stream(QStringLiteral("101"), 1, 4096), stream(QStringLiteral("11"), 1, 4096),
                stream(QStringLiteral("1111"), 1, 4096), stream(QStringLiteral("111"), 1, 4096)})
        << nvrInputs() << QStringLiteral("1363.04G") << 1 << 4;
    QTest::newRow("event hours count by the event frequency")
        << one({stream(QStringLiteral("111"), 1, 4096)}, QStringLiteral("222222222222222222222222"),
               QStringLiteral("50"))
        << nvrInputs() << QStringLiteral("681.52G") << 1 << 2;
    QTest::newRow("no streams need no disk")
        << one({}) << nvrInputs() << QStringLiteral("0.00G") << 1 << 0;
    QTest::newRow("no devices need no NVR")
        << QVector<TaskDeviceEntry>{} << nvrInputs() << QStringLiteral("0.00G") << 0 << 0;
    {
        // 40 cameras of 4608 Kbps: 16 channels fill one NVR, so 3 NVRs.
        QVector<TaskDeviceEntry> forty{device(QStringLiteral("IPC"), 40, 4096, 512,
                                              {stream(QStringLiteral("111"), 40, 4096)})};
        StorageInputs raid5 = nvrInputs();
        raid5.diskSizeGb = 4000;
        raid5.hddType = RaidHdd;
        raid5.raidType = QStringLiteral("RAID5");
        raid5.raidGroups = 2;
        raid5.hotSpares = 1;
        // 54.52 TB: 17 data disks of 4 TB, and 3 parity or spare disks on
        // each of the 3 NVRs.
        QTest::newRow("RAID5 adds groups and hot spares per NVR")
            << forty << raid5 << QStringLiteral("54.52T") << 3 << 26;
        StorageInputs raid10 = raid5;
        raid10.raidType = QStringLiteral("Raid10");
        QTest::newRow("RAID10 mirrors every data disk")
            << forty << raid10 << QStringLiteral("54.52T") << 3 << 34;
        StorageInputs common = raid5;
        common.hddType = CommonHdd;
        QTest::newRow("plain disks ignore the RAID type, groups and spares")
            << forty << common << QStringLiteral("54.52T") << 3 << 17;
    }
}

void TestStorageCalculation::nvrPath()
{
    QFETCH(QVector<TaskDeviceEntry>, devices);
    QFETCH(StorageInputs, inputs);
    QFETCH(QString, capacity);
    QFETCH(int, nvrs);
    QFETCH(int, disks);
    const StorageFigures f = calculateStorage(devices, inputs, counter());
    QCOMPARE(f.failure, StorageFailure::None);
    QCOMPARE(f.capacityText, capacity);
    QCOMPARE(f.devices, nvrs);
    QCOMPARE(f.disks, disks);
    QCOMPARE(f.dataDisks, -1);
}

void TestStorageCalculation::nvrCountFailuresKeepTheCapacityAndCountNothing_data()
{
    QTest::addColumn<QVector<TaskDeviceEntry>>("devices");
    QTest::addColumn<QString>("model");
    QTest::addColumn<StorageFailure>("failure");
    const QVector<DevStream> oneStream{stream(QStringLiteral("111"), 1, 4096)};
    QTest::newRow("a model the table lacks")
        << QVector<TaskDeviceEntry>{device(QStringLiteral("IPC"), 1, 4096, 512, oneStream)}
        << QStringLiteral("KN-99") << StorageFailure::UnknownModel;
    QTest::newRow("more than a million cameras")
        << QVector<TaskDeviceEntry>{device(QStringLiteral("IPC"), 1000, 4096, 512, oneStream),
                                    device(QStringLiteral("IPC"), 999001, 1024, 0, oneStream)}
        << QStringLiteral("KN-16") << StorageFailure::TooManyCameras;
    QTest::newRow("a camera above the NVR's bandwidth")
        << QVector<TaskDeviceEntry>{device(QStringLiteral("IPC"), 1, 160000, 8000, oneStream)}
        << QStringLiteral("KN-16") << StorageFailure::UnsupportedBitRate;
}

void TestStorageCalculation::nvrCountFailuresKeepTheCapacityAndCountNothing()
{
    QFETCH(QVector<TaskDeviceEntry>, devices);
    QFETCH(QString, model);
    QFETCH(StorageFailure, failure);
    const StorageFigures f = calculateStorage(devices, nvrInputs(model), counter());
    QCOMPARE(f.failure, failure);
    QVERIFY(!f.ok());
    QVERIFY(!f.capacityText.isEmpty());
    QCOMPARE(f.devices, -1);
    QCOMPARE(f.disks, -1);
}

void TestStorageCalculation::dvrStreamsAreStoredButDvrsNeedNoNvrChannel()
{
    // 20 DVRs would need two 16-channel NVRs if they were counted.
    const QVector<TaskDeviceEntry> devices{
        device(QStringLiteral("DVR"), 20, 4096, 512, {stream(QStringLiteral("111"), 1, 4096)}),
        device(QStringLiteral("IPC"), 2, 2048, 512, {})};
    std::vector<IpcTypeCount> cameras = nvrCameraList(devices);
    QCOMPARE(cameras.size(), size_t(1));
    QCOMPARE(cameras.front().bitRate, 2560);
    QCOMPARE(cameras.front().count, 2);
    const StorageFigures f = calculateStorage(devices, nvrInputs(), counter());
    QCOMPARE(f.capacityText, QStringLiteral("1363.04G"));
    QCOMPARE(f.devices, 1);
}

void TestStorageCalculation::cameraClassesAreReadInEitherLanguage()
{
    // A task made in the Chinese interface keeps its classes in Chinese.
    const QVector<TaskDeviceEntry> devices{device(QStringLiteral("硬盘录像机"), 20, 4096, 512, {}),
                                           device(QStringLiteral("网络摄像机"), 3, 2048, 0, {}),
                                           device(QStringLiteral("球机"), 1, 4096, 0, {})};
    const std::vector<IpcTypeCount> cameras = nvrCameraList(devices);
    QCOMPARE(cameras.size(), size_t(2));
    QCOMPARE(cameras.at(0).count, 3);
    QCOMPARE(cameras.at(1).bitRate, 4096);
}

void TestStorageCalculation::storageServerIgnoresRaid()
{
    const QVector<TaskDeviceEntry> devices{
        device(QStringLiteral("IPC"), 1, 4096, 512, {stream(QStringLiteral("111"), 1, 4096)})};
    StorageInputs in = nvrInputs(NvrCalculator::storageServerName(0));
    in.storageClass = StorageServer;
    in.hddType = RaidHdd;
    in.raidType = QStringLiteral("RAID5");
    in.raidGroups = 3;
    in.hotSpares = 2;
    const StorageFigures f = calculateStorage(devices, in, counter());
    QCOMPARE(f.failure, StorageFailure::None);
    QCOMPARE(f.devices, 1);
    QCOMPARE(f.disks, 4);
    // Found under its untranslated name as well.
    in.model = QStringLiteral("Delvar Stroage Server");
    QCOMPARE(calculateStorage(devices, in, counter()).devices, 1);
}

void TestStorageCalculation::cvrPath_data()
{
    QTest::addColumn<QVector<TaskDeviceEntry>>("devices");
    QTest::addColumn<StorageInputs>("inputs");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<int>("devicesNeeded");
    QTest::addColumn<int>("disks");
    QTest::addColumn<int>("dataDisks");

    QTest::newRow("RAID5: groups and hot spares take bays on every device")
        << cvrTask() << cvrInputs(RaidHdd, QStringLiteral("RAID5"), 2, 2)
        << QStringLiteral("123.596T") << 4 << 88 << 72;
    QTest::newRow("RAID6: two parity disks per group")
        << cvrTask() << cvrInputs(RaidHdd, QStringLiteral("Raid6"), 2, 0)
        << QStringLiteral("123.596T") << 4 << 88 << 72;
    QTest::newRow("RAID1: every data disk mirrored over the bays")
        << cvrTask() << cvrInputs(RaidHdd, QStringLiteral("RAID1"), 0, 0)
        << QStringLiteral("123.596T") << 6 << 144 << 72;
    QTest::newRow("plain disks fill every bay, whatever RAID is chosen")
        << cvrTask() << cvrInputs(CommonHdd, QStringLiteral("RAID5"), 2, 2)
        << QStringLiteral("123.596T") << 3 << 72 << 72;
    const QVector<TaskDeviceEntry> small{
        device(QStringLiteral("IPC"), 1, 2048, 0, {stream(QStringLiteral("111"), 1, 2048)})};
    StorageInputs smallDisks = cvrInputs(CommonHdd, QString(), 0, 0);
    smallDisks.diskSizeGb = 500;
    QTest::newRow("below 1 TB the capacity is shown in G")
        << small << smallDisks << QStringLiteral("617.981G") << 1 << 2 << 2;
    const QVector<TaskDeviceEntry> slow{
        device(QStringLiteral("IPC"), 1, 512, 0, {stream(QStringLiteral("111"), 1, 512)})};
    QTest::newRow("a stream below 1024 Kbps still needs space")
        << slow << smallDisks << QStringLiteral("154.495G") << 1 << 1 << 1;
    QTest::newRow("no recording needs no device")
        << QVector<TaskDeviceEntry>{} << smallDisks << QStringLiteral("0G") << 0 << 0 << 0;
}

void TestStorageCalculation::cvrPath()
{
    QFETCH(QVector<TaskDeviceEntry>, devices);
    QFETCH(StorageInputs, inputs);
    QFETCH(QString, capacity);
    QFETCH(int, devicesNeeded);
    QFETCH(int, disks);
    QFETCH(int, dataDisks);
    // The CVR path never asks for an NVR count.
    const StorageFigures f = calculateStorage(devices, inputs, NvrCounter());
    QCOMPARE(f.failure, StorageFailure::None);
    QCOMPARE(f.capacityText, capacity);
    QCOMPARE(f.devices, devicesNeeded);
    QCOMPARE(f.disks, disks);
    QCOMPARE(f.dataDisks, dataDisks);
}

void TestStorageCalculation::cvrFailures_data()
{
    QTest::addColumn<StorageInputs>("inputs");
    QTest::addColumn<StorageFailure>("failure");
    QTest::newRow("RAID6 groups and spares leave no bay for data")
        << cvrInputs(RaidHdd, QStringLiteral("RAID6"), 10, 4) << StorageFailure::RaidLayout;
    QTest::newRow("hot spares filling every bay")
        << cvrInputs(RaidHdd, QStringLiteral("RAID0"), 0, 24) << StorageFailure::RaidLayout;
    StorageInputs noBays = cvrInputs(RaidHdd, QStringLiteral("RAID10"), 0, 0);
    noBays.bays = 0;
    QTest::newRow("RAID10 on a model without a bay count") << noBays << StorageFailure::NoBays;
    StorageInputs noBaysCommon = cvrInputs(CommonHdd, QString(), 0, 0);
    noBaysCommon.bays = 0;
    QTest::newRow("plain disks on a model without a bay count")
        << noBaysCommon << StorageFailure::NoBays;
}

void TestStorageCalculation::cvrFailures()
{
    QFETCH(StorageInputs, inputs);
    QFETCH(StorageFailure, failure);
    const StorageFigures f = calculateStorage(cvrTask(), inputs, NvrCounter());
    QCOMPARE(f.failure, failure);
    QCOMPARE(f.capacityText, QStringLiteral("123.596T"));
    QCOMPARE(f.devices, -1);
    QCOMPARE(f.disks, -1);
}

void TestStorageCalculation::figuresBeyondTheEnginesFail_data()
{
    QTest::addColumn<QVector<TaskDeviceEntry>>("devices");
    QTest::addColumn<int>("storageClass");
    QTest::addColumn<int>("recordTime");
    const QVector<TaskDeviceEntry> wide{
        device(QStringLiteral("IPC"), 1, 4096, 0, {stream(QStringLiteral("111"), 200000, 16384)})};
    const QVector<TaskDeviceEntry> negative{
        device(QStringLiteral("IPC"), 1, 4096, 0, {stream(QStringLiteral("111"), 1, -4096)})};
    QTest::newRow("a stream line beyond int on the NVR path") << wide << int(NvrStorage) << 30;
    QTest::newRow("a negative bit rate on the NVR path") << negative << int(NvrStorage) << 30;
    QTest::newRow("a negative bit rate on the CVR path") << negative << int(CvrStorage) << 30;
    QTest::newRow("a negative record time") << QVector<TaskDeviceEntry>{} << int(NvrStorage) << -1;
}

void TestStorageCalculation::figuresBeyondTheEnginesFail()
{
    QFETCH(QVector<TaskDeviceEntry>, devices);
    QFETCH(int, storageClass);
    QFETCH(int, recordTime);
    StorageInputs in =
        storageClass == CvrStorage ? cvrInputs(CommonHdd, QString(), 0, 0) : nvrInputs();
    in.recordTime = recordTime;
    const StorageFigures f = calculateStorage(devices, in, counter());
    QCOMPARE(f.failure, StorageFailure::Uncomputable);
    QCOMPARE(f.devices, -1);
    QCOMPARE(f.disks, -1);
}

void TestStorageCalculation::aLineAbove20000TbIsShownAsItIs()
{
    // 99999 streams of 16384 Kbps for 12 months: far beyond 20000 TB, and
    // shown as such rather than as nothing.
    const QVector<TaskDeviceEntry> devices{
        device(QStringLiteral("IPC"), 1, 4096, 0, {stream(QStringLiteral("111"), 99999, 16384)})};
    StorageInputs in = nvrInputs(QStringLiteral("KN-64"));
    in.recordTime = 12;
    in.timeUnit = 2;
    in.diskSizeGb = 4000;
    const StorageFigures f = calculateStorage(devices, in, counter());
    QCOMPARE(f.failure, StorageFailure::None);
    QVERIFY2(f.totalTb > 20000, qPrintable(f.capacityText));
    QVERIFY(f.capacityText.endsWith(QLatin1Char('T')));
    QVERIFY(f.disks > 0);
}

void TestStorageCalculation::raidCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("RAID0") << QStringLiteral("RAID0") << 0;
    QTest::newRow("Raid1") << QStringLiteral("Raid1") << 1;
    QTest::newRow("RAID3") << QStringLiteral("RAID3") << 2;
    QTest::newRow("Raid5") << QStringLiteral("Raid5") << 3;
    QTest::newRow("RAID6") << QStringLiteral("RAID6") << 4;
    QTest::newRow("RAID10") << QStringLiteral("RAID10") << 5;
    QTest::newRow("Raid50") << QStringLiteral("Raid50") << 6;
    QTest::newRow("JBOD") << QStringLiteral("JBOD") << 7;
    QTest::newRow("Jbod") << QStringLiteral("Jbod") << 7;
    QTest::newRow("an unknown text counts as RAID0") << QStringLiteral("raid5") << 0;
    QTest::newRow("no text counts as RAID0") << QString() << 0;
}

void TestStorageCalculation::raidCodes()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(raidCodeOf(text), code);
}

void TestStorageCalculation::taskDevicesAreReadWithStreamsPlansAndFrequencies()
{
    ProgramFolder folder;
    {
        TaskDeviceFile file(QStringLiteral("Depot"));
        DeviceInfo camera;
        camera.deviceType = QStringLiteral("KC-200");
        camera.mainType = QStringLiteral("IPC");
        camera.count = 3;
        camera.mainStream = 4096;
        QVERIFY(file.addDevice(camera));
        QVERIFY(file.addDevice(camera));
        QVERIFY(file.addStream(stream(QStringLiteral("110"), 2, 2048), 1));
        QVERIFY(file.addStream(stream(QStringLiteral("001"), 1, 512), 1));
        QVERIFY(file.setRecordPlan(QStringLiteral("000000111111111111222222"), 1));
        QVERIFY(file.setEventFren(1, QStringLiteral("40")));
        QVERIFY(file.close());
    }
    QVector<TaskDeviceEntry> devices;
    QVERIFY(readTaskDevices(QStringLiteral("Depot"), devices));
    QCOMPARE(devices.size(), 2);
    QCOMPARE(devices.at(0).streams.size(), 0);
    QCOMPARE(devices.at(0).recordPlan, kAllDay);
    QCOMPARE(devices.at(0).eventFrequency, QStringLiteral("100"));
    QCOMPARE(devices.at(1).info.count, 3);
    QCOMPARE(devices.at(1).streams.size(), 2);
    QCOMPARE(devices.at(1).streams.at(0).streamCount, 2);
    QCOMPARE(devices.at(1).streams.at(1).useCode, QStringLiteral("001"));
    QCOMPARE(devices.at(1).recordPlan, QStringLiteral("000000111111111111222222"));
    QCOMPARE(devices.at(1).eventFrequency, QStringLiteral("40"));
    // Reading writes nothing back.
    const QDateTime written =
        QFileInfo(TaskDeviceFile::filePath(QStringLiteral("Depot"))).lastModified();
    QVERIFY(readTaskDevices(QStringLiteral("Depot"), devices));
    QCOMPARE(QFileInfo(TaskDeviceFile::filePath(QStringLiteral("Depot"))).lastModified(), written);
}

void TestStorageCalculation::unreadableDeviceFileFails()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Broken.xml")),
                                 "<?xml version=\"1.0\"?>\n<DeviceInfoList><DeviceInfo>"));
    QVector<TaskDeviceEntry> devices{TaskDeviceEntry()};
    QString why;
    QString reason;
    QVERIFY(!readTaskDevices(QStringLiteral("Broken"), devices, &why, &reason));
    QVERIFY(devices.isEmpty());
    QVERIFY(!why.isEmpty());
    // The reason the planner is told is the device file's own.
    QVERIFY(!reason.isEmpty());
    QCOMPARE(reason, TaskDeviceFile(QStringLiteral("Broken")).lastError());
    reason = QStringLiteral("left over");
    QVERIFY(!readTaskDevices(QString(), devices, nullptr, &reason));
    QCOMPARE(reason, TaskDeviceFile(QString()).lastError());
}

QTEST_GUILESS_MAIN(TestStorageCalculation)
#include "tst_storagecalculation.moc"
