#include "TaskDeviceFile.h"
#include "TaskName.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<bool(TaskDeviceFile &)>)
Q_DECLARE_METATYPE(std::function<bool(TaskDeviceFile &, bool &)>)

namespace {

DeviceInfo makeDevice(const QString &type, int count, int mainStream = 4096, int subStream = 512)
{
    DeviceInfo d;
    d.deviceType = type;
    d.remark = QStringLiteral("remark of ") + type;
    d.mainType = QStringLiteral("IPC");
    d.count = count;
    d.mainStream = mainStream;
    d.subStream = subStream;
    return d;
}

DevStream makeStream(const QString &use, int count, const QString &res, int rate)
{
    DevStream s;
    s.useCode = use;
    s.streamCount = count;
    s.resolution = res;
    s.frameRate = QStringLiteral("25");
    s.bitRate = rate;
    return s;
}

QStringList childTags(const QString &path, int dev)
{
    XmlNode root;
    root.load(path);
    XmlNode d = root.childAt(dev);
    QStringList tags;
    for (int i = 0; i < d.childCount(); ++i)
        tags << d.childAt(i).name();
    return tags;
}

} // namespace

class TestTaskDeviceFile : public QObject
{
    Q_OBJECT

private slots:
    void newTaskCreatesEmptyFile();
    void deviceValuesRoundTripAsGiven_data();
    void deviceValuesRoundTripAsGiven();
    void streamValuesRoundTripAsGiven_data();
    void streamValuesRoundTripAsGiven();
    void accessoryCountsRoundTripAsGiven_data();
    void accessoryCountsRoundTripAsGiven();
    void planAndFrequencyRoundTripAsGiven_data();
    void planAndFrequencyRoundTripAsGiven();
    void newDeviceHasDefaultPlanAndNoExtras();
    void laterBlocksFollowInOrderOfFirstWrite();
    void setLensTwiceKeepsOneBlock();
    void accessoriesReadAndRemove();
    void removeDeviceShiftsLaterPositions();
    void removeDeviceCountsElementsOnly();
    void streamsOfSeveralDevicesAppendToOneVector();
    void streamEditsAndRemoval();
    void recordPlanAndEventFrequency();
    void totalCountAddsToValuePassedIn();
    void nonNumericCountReadsAsZero();
    void thirdStreamSurvivesUntouched();
    void missingPositionsFailAndChangeNothing_data();
    void missingPositionsFailAndChangeNothing();
    void clearingAnAbsentAccessoryWritesNothing();
    void readsOfMissingPositionsGiveNothing_data();
    void readsOfMissingPositionsGiveNothing();
    void totalCountDoesNotWrap();
    void refusedNames_data();
    void refusedNames();
    void acceptedNames_data();
    void acceptedNames();
    void renameAndRemoveFile();
    void unparsableFileIsLeftByteIdentical();
    void missingTaskFolderLeavesObjectClosed();
    void failedWriteIsReportedByClose();
    void changesReportedAsNotSavedAreNotSavedLater();
    void chineseTextsRoundTrip();
    void devicesReadInAnyOrder();
    void readOnlyObjectDoesNotUndoAnotherSave();

private:
    QString devicePath(const ProgramFolder &f, const QString &task) const
    {
        return f.file(QStringLiteral("Task/") + task + QStringLiteral(".xml"));
    }
};

void TestTaskDeviceFile::newTaskCreatesEmptyFile()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("Alpha"));
        QVERIFY(f.isOpen());
        int n = -1;
        QVERIFY(f.deviceCount(n));
        QCOMPARE(n, 0);
    }
    const QByteArray bytes = ProgramFolder::readAll(devicePath(folder, QStringLiteral("Alpha")));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
    QVERIFY(bytes.contains("<DeviceInfoList/>"));
}

void TestTaskDeviceFile::deviceValuesRoundTripAsGiven_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mainStream");
    QTest::addColumn<int>("subStream");

    QTest::newRow("ordinary values") << 8 << 4096 << 512;
    QTest::newRow("count 0 from a solution import is stored") << 0 << 0 << 0;
    QTest::newRow("out-of-range values are stored as given") << 5000 << 99999 << -1;
    QTest::newRow("negative count is stored as given") << -3 << 32 << 16384;
}

void TestTaskDeviceFile::deviceValuesRoundTripAsGiven()
{
    QFETCH(int, count);
    QFETCH(int, mainStream);
    QFETCH(int, subStream);

    ProgramFolder folder;
    const DeviceInfo in = makeDevice(QStringLiteral("KC-B21"), count, mainStream, subStream);
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QVERIFY(f.addDevice(in));
    }
    TaskDeviceFile f(QStringLiteral("T"));
    DeviceInfo out;
    QVERIFY(f.device(0, out));
    QCOMPARE(out.deviceType, in.deviceType);
    QCOMPARE(out.remark, in.remark);
    QCOMPARE(out.mainType, in.mainType);
    QCOMPARE(out.count, count);
    QCOMPARE(out.mainStream, mainStream);
    QCOMPARE(out.subStream, subStream);
}

void TestTaskDeviceFile::streamValuesRoundTripAsGiven_data()
{
    QTest::addColumn<QString>("useCode");
    QTest::addColumn<int>("streamCount");
    QTest::addColumn<int>("bitRate");

    QTest::newRow("stream count 0 and bit rate 0") << QStringLiteral("000") << 0 << 0;
    QTest::newRow("bit rate just below 32") << QStringLiteral("100") << 1 << 31;
    QTest::newRow("bit rate above 16384, count above 99999")
        << QStringLiteral("111") << 100000 << 16385;
    QTest::newRow("negative count and bit rate") << QStringLiteral("010") << -1 << -32;
    QTest::newRow("use code that is not three digits") << QStringLiteral("1x") << 5 << 4096;
}

void TestTaskDeviceFile::streamValuesRoundTripAsGiven()
{
    QFETCH(QString, useCode);
    QFETCH(int, streamCount);
    QFETCH(int, bitRate);

    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
        // Once as added, once as changed value by value.
        QVERIFY(f.addStream(makeStream(useCode, streamCount, QStringLiteral("CIF"), bitRate), 0));
        f.addStream(makeStream(QStringLiteral("110"), 1, QStringLiteral("CIF"), 512), 0);
        QVERIFY(f.setUseCode(0, 1, useCode));
        QVERIFY(f.setStreamCount(0, 1, streamCount));
        QVERIFY(f.setBitRate(0, 1, bitRate));
    }
    TaskDeviceFile f(QStringLiteral("T"));
    QVector<DevStream> all;
    QVERIFY(f.streams(0, all));
    QCOMPARE(all.size(), 2);
    for (const DevStream &s : all) {
        QCOMPARE(s.useCode, useCode);
        QCOMPARE(s.streamCount, streamCount);
        QCOMPARE(s.bitRate, bitRate);
    }
}

void TestTaskDeviceFile::accessoryCountsRoundTripAsGiven_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("count 0") << 0;
    QTest::newRow("count 1000, the dialogs' upper limit") << 1000;
    QTest::newRow("count 1001, above the dialogs' limit") << 1001;
    QTest::newRow("negative count") << -5;
}

void TestTaskDeviceFile::accessoryCountsRoundTripAsGiven()
{
    QFETCH(int, count);
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
        QVERIFY(f.setStand(0, QStringLiteral("Wall mount"), count));
        QVERIFY(f.setShield(0, QStringLiteral("Housing"), count));
        QVERIFY(f.setLens(0, QStringLiteral("4mm"), count));
    }
    TaskDeviceFile f(QStringLiteral("T"));
    QString type;
    int read = 12345;
    QVERIFY(f.stand(0, type, read));
    QCOMPARE(read, count);
    read = 12345;
    QVERIFY(f.shield(0, type, read));
    QCOMPARE(read, count);
    read = 12345;
    QVERIFY(f.lens(0, type, read));
    QCOMPARE(read, count);
    QCOMPARE(type, QStringLiteral("4mm"));
}

void TestTaskDeviceFile::planAndFrequencyRoundTripAsGiven_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("fren");

    QTest::newRow("no recording at all, frequency 0")
        << QStringLiteral("000000000000000000000000") << QStringLiteral("0");
    QTest::newRow("plan of a single 0, frequency 150")
        << QStringLiteral("0") << QStringLiteral("150");
    QTest::newRow("23-digit plan, negative frequency")
        << QStringLiteral("11111111111111111111111") << QStringLiteral("-10");
    QTest::newRow("25-digit plan, frequency off the steps of 10")
        << QStringLiteral("1111111111111111111111111") << QStringLiteral("55");
    QTest::newRow("digit 3 in the plan, frequency that is no number")
        << QStringLiteral("333333333333333333333333") << QStringLiteral("abc");
    QTest::newRow("plan of letters, empty frequency")
        << QStringLiteral("abcdefghijklmnopqrstuvwx") << QString();
    QTest::newRow("empty plan") << QString() << QStringLiteral("100");
}

void TestTaskDeviceFile::planAndFrequencyRoundTripAsGiven()
{
    QFETCH(QString, plan);
    QFETCH(QString, fren);

    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
        QVERIFY(f.setRecordPlan(plan, 0));
        QVERIFY(f.setEventFren(0, fren));
    }
    TaskDeviceFile f(QStringLiteral("T"));
    QString readPlan = QStringLiteral("x");
    QString readFren = QStringLiteral("x");
    QVERIFY(f.recordPlan(0, readPlan));
    QVERIFY(f.eventFren(0, readFren));
    QCOMPARE(readPlan, plan);
    QCOMPARE(readFren, fren);
}

void TestTaskDeviceFile::newDeviceHasDefaultPlanAndNoExtras()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    QVERIFY(f.addDevice(makeDevice(QStringLiteral("KC-B21"), 1)));

    QString plan, fren;
    QVERIFY(f.recordPlan(0, plan));
    QCOMPARE(plan, QStringLiteral("111111111111111111111111"));
    QVERIFY(f.eventFren(0, fren));
    QCOMPARE(fren, QStringLiteral("100"));

    QVector<DevStream> streams;
    QVERIFY(f.streams(0, streams));
    QVERIFY(streams.isEmpty());

    QString type = QStringLiteral("preset");
    int count = 77;
    QVERIFY(!f.stand(0, type, count));
    QVERIFY(!f.shield(0, type, count));
    QVERIFY(!f.lens(0, type, count));
    QCOMPARE(type, QStringLiteral("preset"));
    QCOMPARE(count, 77);
}

void TestTaskDeviceFile::laterBlocksFollowInOrderOfFirstWrite()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("KC-B21"), 1));
        f.addStream(makeStream(QStringLiteral("110"), 1, QStringLiteral("1920x1080"), 4096), 0);
        f.setStand(0, QStringLiteral("Wall mount"), 1);
        f.setLens(0, QStringLiteral("4mm"), 2);
        f.setShield(0, QStringLiteral("Housing"), 1);
    }
    QCOMPARE(childTags(devicePath(folder, QStringLiteral("T")), 0),
             (QStringList{QStringLiteral("DeviceType"), QStringLiteral("Remark"),
                          QStringLiteral("MainType"), QStringLiteral("Count"),
                          QStringLiteral("MainStream"), QStringLiteral("SubStream"),
                          QStringLiteral("RecordPlan"), QStringLiteral("EventFren"),
                          QStringLiteral("DevStreamList"), QStringLiteral("DeviceStand"),
                          QStringLiteral("DeviceLens"), QStringLiteral("DeviceShield")}));
}

void TestTaskDeviceFile::setLensTwiceKeepsOneBlock()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("KC-B21"), 1));
        QVERIFY(f.setLens(0, QStringLiteral("4mm"), 2));
        QVERIFY(f.setLens(0, QStringLiteral("8mm"), 5));
    }
    const QStringList tags = childTags(devicePath(folder, QStringLiteral("T")), 0);
    QCOMPARE(tags.count(QStringLiteral("DeviceLens")), 1);
    TaskDeviceFile f(QStringLiteral("T"));
    QString type;
    int count = 0;
    QVERIFY(f.lens(0, type, count));
    QCOMPARE(type, QStringLiteral("8mm"));
    QCOMPARE(count, 5);
}

void TestTaskDeviceFile::accessoriesReadAndRemove()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("KC-B21"), 1));
    QVERIFY(f.removeStand(0)); // nothing there: still true
    QVERIFY(f.setStand(0, QStringLiteral("Pole mount"), 3));
    QVERIFY(f.setShield(0, QStringLiteral("Housing"), 1000));

    QString type;
    int count = 0;
    QVERIFY(f.stand(0, type, count));
    QCOMPARE(type, QStringLiteral("Pole mount"));
    QCOMPARE(count, 3);
    QVERIFY(f.removeStand(0));
    QVERIFY(!f.stand(0, type, count));
    QVERIFY(f.shield(0, type, count));
    QCOMPARE(count, 1000);
    QVERIFY(f.removeShield(0));
    QVERIFY(f.removeLens(0));
    QVERIFY(!f.shield(0, type, count));
}

void TestTaskDeviceFile::removeDeviceShiftsLaterPositions()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    for (const char *t : {"A", "B", "C"})
        f.addDevice(makeDevice(QString::fromLatin1(t), 1));
    QVERIFY(f.removeDevice(0));
    QVector<DeviceInfo> all;
    QVERIFY(f.devices(all));
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).deviceType, QStringLiteral("B"));
    QCOMPARE(all.at(1).deviceType, QStringLiteral("C"));
}

void TestTaskDeviceFile::removeDeviceCountsElementsOnly()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(
        devicePath(folder, QStringLiteral("T")),
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList>\n<!-- edited by hand -->\n"
        "<DeviceInfo><DeviceType>A</DeviceType></DeviceInfo>\n"
        "<DeviceInfo><DeviceType>B</DeviceType><DevStreamList><!-- c -->"
        "<DevStream><UseCode>100</UseCode></DevStream><DevStream><UseCode>010</UseCode></DevStream>"
        "</DevStreamList></DeviceInfo>\n</DeviceInfoList>\n"));
    TaskDeviceFile f(QStringLiteral("T"));
    QVERIFY(f.isOpen());
    QVERIFY(f.removeStream(1, 0));
    DevStream s;
    QVERIFY(f.stream(1, 0, s));
    QCOMPARE(s.useCode, QStringLiteral("010"));

    QVERIFY(f.removeDevice(0));
    DeviceInfo d;
    f.device(0, d);
    QCOMPARE(d.deviceType, QStringLiteral("B"));
    int n = 0;
    f.deviceCount(n);
    QCOMPARE(n, 1);
}

void TestTaskDeviceFile::streamsOfSeveralDevicesAppendToOneVector()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("A"), 1));
    f.addDevice(makeDevice(QStringLiteral("B"), 1));
    f.addStream(makeStream(QStringLiteral("110"), 1, QStringLiteral("1920x1080"), 4096), 0);
    f.addStream(makeStream(QStringLiteral("010"), 2, QStringLiteral("CIF"), 512), 0);
    f.addStream(makeStream(QStringLiteral("001"), 3, QStringLiteral("4CIF"), 1024), 1);

    QVector<DevStream> all{makeStream(QStringLiteral("pre"), 9, QString(), 1)};
    QVERIFY(f.streams(0, all));
    QVERIFY(f.streams(1, all));
    QCOMPARE(all.size(), 4);
    QCOMPARE(all.at(0).useCode, QStringLiteral("pre"));
    QCOMPARE(all.at(1).resolution, QStringLiteral("1920x1080"));
    QCOMPARE(all.at(2).streamCount, 2);
    QCOMPARE(all.at(3).bitRate, 1024);
    QCOMPARE(all.at(3).frameRate, QStringLiteral("25"));
}

void TestTaskDeviceFile::streamEditsAndRemoval()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("A"), 1));
    f.addStream(makeStream(QStringLiteral("110"), 1, QStringLiteral("1920x1080"), 4096), 0);
    f.addStream(makeStream(QStringLiteral("010"), 2, QStringLiteral("CIF"), 512), 0);

    QVERIFY(f.setUseCode(0, 1, QStringLiteral("111")));
    QVERIFY(f.setStreamCount(0, 1, 99999));
    QVERIFY(f.setResolution(0, 1, QStringLiteral("QCIF")));
    QVERIFY(f.setFrameRate(0, 1, QStringLiteral("12.5")));
    QVERIFY(f.setBitRate(0, 1, 0));
    DevStream s;
    QVERIFY(f.stream(0, 1, s));
    QCOMPARE(s.useCode, QStringLiteral("111"));
    QCOMPARE(s.streamCount, 99999);
    QCOMPARE(s.resolution, QStringLiteral("QCIF"));
    QCOMPARE(s.frameRate, QStringLiteral("12.5"));
    QCOMPARE(s.bitRate, 0);

    QVERIFY(f.setStream(makeStream(QStringLiteral("100"), 4, QStringLiteral("WD1"), 2048), 0, 0));
    qint64 sum = 1;
    QVERIFY(f.streamCountSum(0, sum));
    QCOMPARE(sum, qint64(1 + 4 + 99999));

    QVERIFY(f.removeStream(0, 0));
    QVector<DevStream> left;
    f.streams(0, left);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.at(0).resolution, QStringLiteral("QCIF"));
}

void TestTaskDeviceFile::recordPlanAndEventFrequency()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(devicePath(folder, QStringLiteral("T")),
                                 "<DeviceInfoList><DeviceInfo><DeviceType>Old</DeviceType>"
                                 "</DeviceInfo></DeviceInfoList>"));
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QString plan = QStringLiteral("x");
        QVERIFY(f.recordPlan(0, plan));
        QCOMPARE(plan, QString()); // an old entry without a plan
        QVERIFY(f.setRecordPlan(QStringLiteral("000000001111111122222222"), 0));
        QVERIFY(f.setEventFren(0, QStringLiteral("30")));
        QVERIFY(f.setRecordPlan(QStringLiteral("222222222222222222222222"), 0));
    }
    const QStringList tags = childTags(devicePath(folder, QStringLiteral("T")), 0);
    QCOMPARE(tags.count(QStringLiteral("RecordPlan")), 1);
    QCOMPARE(tags.count(QStringLiteral("EventFren")), 1);
    TaskDeviceFile f(QStringLiteral("T"));
    QString plan, fren;
    f.recordPlan(0, plan);
    f.eventFren(0, fren);
    QCOMPARE(plan, QStringLiteral("222222222222222222222222"));
    QCOMPARE(fren, QStringLiteral("30"));
}

void TestTaskDeviceFile::totalCountAddsToValuePassedIn()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("A"), 2));
    f.addDevice(makeDevice(QStringLiteral("B"), 3));
    qint64 total = 5;
    QVERIFY(f.totalCount(total));
    QCOMPARE(total, qint64(10));
}

void TestTaskDeviceFile::totalCountDoesNotWrap()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("A"), 2147483647));
    f.addDevice(makeDevice(QStringLiteral("B"), 2147483647));
    f.addDevice(makeDevice(QStringLiteral("C"), 3));
    qint64 total = 0;
    QVERIFY(f.totalCount(total));
    QCOMPARE(total, qint64(2147483647) * 2 + 3);
    QVERIFY(total > 1024); // so the per-task limit refuses any further device
}

void TestTaskDeviceFile::nonNumericCountReadsAsZero()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(devicePath(folder, QStringLiteral("T")),
                                 "<DeviceInfoList><DeviceInfo><DeviceType>A</DeviceType>"
                                 "<Count>many</Count><MainStream>12abc</MainStream>"
                                 "</DeviceInfo></DeviceInfoList>"));
    TaskDeviceFile f(QStringLiteral("T"));
    DeviceInfo d;
    d.count = 7;
    QVERIFY(f.device(0, d));
    QCOMPARE(d.count, 0);
    QCOMPARE(d.mainStream, 0);
    QCOMPARE(d.subStream, 0);
}

void TestTaskDeviceFile::thirdStreamSurvivesUntouched()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(devicePath(folder, QStringLiteral("T")),
                                 "<DeviceInfoList><DeviceInfo><DeviceType>A</DeviceType>"
                                 "<Count>1</Count><ThirdStream>256</ThirdStream>"
                                 "</DeviceInfo></DeviceInfoList>"));
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.setCount(4, 0);
        f.setRemark(QStringLiteral("r"), 0);
        f.setMainStream(1, 0);
        f.setSubStream(2, 0);
        f.setLens(0, QStringLiteral("L"), 1);
    }
    QVERIFY(ProgramFolder::readAll(devicePath(folder, QStringLiteral("T")))
                .contains("<ThirdStream>256</ThirdStream>"));
}

void TestTaskDeviceFile::missingPositionsFailAndChangeNothing_data()
{
    using Op = std::function<bool(TaskDeviceFile &)>;
    QTest::addColumn<Op>("op");
    const DevStream st = makeStream(QStringLiteral("110"), 1, QStringLiteral("CIF"), 1);
    QTest::newRow("count of device 5") << Op([](TaskDeviceFile &f) { return f.setCount(9, 5); });
    QTest::newRow("remark of device -1")
        << Op([](TaskDeviceFile &f) { return f.setRemark(QStringLiteral("x"), -1); });
    QTest::newRow("main stream of device 1")
        << Op([](TaskDeviceFile &f) { return f.setMainStream(512, 1); });
    QTest::newRow("sub stream of device 1")
        << Op([](TaskDeviceFile &f) { return f.setSubStream(512, 1); });
    QTest::newRow("bit rate of stream 3")
        << Op([](TaskDeviceFile &f) { return f.setBitRate(0, 3, 9); });
    QTest::newRow("use code of stream 0 of device 2")
        << Op([](TaskDeviceFile &f) { return f.setUseCode(2, 0, QStringLiteral("100")); });
    QTest::newRow("stream count of stream 1")
        << Op([](TaskDeviceFile &f) { return f.setStreamCount(0, 1, 4); });
    QTest::newRow("resolution of stream 1")
        << Op([](TaskDeviceFile &f) { return f.setResolution(0, 1, QStringLiteral("CIF")); });
    QTest::newRow("frame rate of stream 1")
        << Op([](TaskDeviceFile &f) { return f.setFrameRate(0, 1, QStringLiteral("25")); });
    QTest::newRow("whole stream 1")
        << Op([st](TaskDeviceFile &f) { return f.setStream(st, 0, 1); });
    QTest::newRow("stream added to device 4")
        << Op([st](TaskDeviceFile &f) { return f.addStream(st, 4); });
    QTest::newRow("record plan of device 2")
        << Op([](TaskDeviceFile &f) { return f.setRecordPlan(QStringLiteral("0"), 2); });
    QTest::newRow("event frequency of device 2")
        << Op([](TaskDeviceFile &f) { return f.setEventFren(2, QStringLiteral("10")); });
    QTest::newRow("lens of device 7")
        << Op([](TaskDeviceFile &f) { return f.setLens(7, QStringLiteral("L"), 1); });
    QTest::newRow("stand of device 7")
        << Op([](TaskDeviceFile &f) { return f.setStand(7, QStringLiteral("S"), 1); });
    QTest::newRow("device 3 removed") << Op([](TaskDeviceFile &f) { return f.removeDevice(3); });
    QTest::newRow("stream 2 removed") << Op([](TaskDeviceFile &f) { return f.removeStream(0, 2); });
    QTest::newRow("shield of device 6 removed")
        << Op([](TaskDeviceFile &f) { return f.removeShield(6); });
    QTest::newRow("device 9 read") << Op([](TaskDeviceFile &f) {
        DeviceInfo d;
        return f.device(9, d);
    });
}

void TestTaskDeviceFile::missingPositionsFailAndChangeNothing()
{
    using Op = std::function<bool(TaskDeviceFile &)>;
    QFETCH(Op, op);
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
        QVERIFY(f.addStream(makeStream(QStringLiteral("110"), 1, QStringLiteral("CIF"), 1), 0));
    }
    const QByteArray before = ProgramFolder::readAll(devicePath(folder, QStringLiteral("T")));
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QVERIFY(!op(f));
    }
    QCOMPARE(ProgramFolder::readAll(devicePath(folder, QStringLiteral("T"))), before);
}

void TestTaskDeviceFile::clearingAnAbsentAccessoryWritesNothing()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
    }
    const QString path = devicePath(folder, QStringLiteral("T"));
    const QByteArray before = ProgramFolder::readAll(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QVERIFY(f.removeLens(0));
        QVERIFY(f.removeStand(0));
        QVERIFY(f.removeShield(0));
        // Nothing changed, so nothing is written: even a read-only file closes.
        QVERIFY(f.close());
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestTaskDeviceFile::readsOfMissingPositionsGiveNothing_data()
{
    // Each read fills outputs that start as "x", 7 or one stream; it says
    // whether they are still so.
    using Read = std::function<bool(TaskDeviceFile &, bool &untouched)>;
    QTest::addColumn<Read>("read");
    QTest::newRow("the record plan of device 9") << Read([](TaskDeviceFile &f, bool &untouched) {
        QString plan = QStringLiteral("x");
        const bool ok = f.recordPlan(9, plan);
        untouched = plan == QLatin1String("x");
        return ok;
    });
    QTest::newRow("the event frequency of device -1")
        << Read([](TaskDeviceFile &f, bool &untouched) {
               QString fren = QStringLiteral("x");
               const bool ok = f.eventFren(-1, fren);
               untouched = fren == QLatin1String("x");
               return ok;
           });
    QTest::newRow("the streams of device 1") << Read([](TaskDeviceFile &f, bool &untouched) {
        QVector<DevStream> all(1);
        const bool ok = f.streams(1, all);
        untouched = all.size() == 1;
        return ok;
    });
    QTest::newRow("the stream count sum of device 1")
        << Read([](TaskDeviceFile &f, bool &untouched) {
               qint64 sum = 7;
               const bool ok = f.streamCountSum(1, sum);
               untouched = sum == 7;
               return ok;
           });
    QTest::newRow("the lens of device 9") << Read([](TaskDeviceFile &f, bool &untouched) {
        QString type = QStringLiteral("x");
        int count = 7;
        const bool ok = f.lens(9, type, count);
        untouched = type == QLatin1String("x") && count == 7;
        return ok;
    });
    QTest::newRow("stream 0 of a device without streams")
        << Read([](TaskDeviceFile &f, bool &untouched) {
               DevStream st;
               st.bitRate = 7;
               const bool ok = f.stream(0, 0, st);
               untouched = st.bitRate == 7;
               return ok;
           });
}

void TestTaskDeviceFile::readsOfMissingPositionsGiveNothing()
{
    using Read = std::function<bool(TaskDeviceFile &, bool &untouched)>;
    QFETCH(Read, read);
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    f.addDevice(makeDevice(QStringLiteral("A"), 1));
    bool untouched = false;
    QVERIFY(!read(f, untouched));
    QVERIFY(untouched);
}

void TestTaskDeviceFile::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a path into the program folder") << QStringLiteral("../Setup");
    QTest::newRow("an absolute path") << QStringLiteral("/tmp/evil");
    QTest::newRow("the empty name") << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("a tab only") << QStringLiteral("\t");
    QTest::newRow("the noncharacter U+FFFE") << QStringLiteral("a\uFFFEb");
    QTest::newRow("the noncharacter U+FFFF") << QStringLiteral("a\uFFFFb");
    QTest::newRow("half an emoji") << (QStringLiteral("a") + QChar(0xD83D));
    QTest::newRow("the word Task") << QStringLiteral("Task");
    QTest::newRow("a backslash") << QStringLiteral("a\\b");
    QTest::newRow("a slash") << QStringLiteral("a/b");
    QTest::newRow("a colon") << QStringLiteral("a:b");
    QTest::newRow("an asterisk") << QStringLiteral("a*b");
    QTest::newRow("a question mark") << QStringLiteral("a?b");
    QTest::newRow("a double quote") << QStringLiteral("a\"b");
    QTest::newRow("a less-than sign") << QStringLiteral("a<b");
    QTest::newRow("a greater-than sign") << QStringLiteral("a>b");
    QTest::newRow("a vertical bar") << QStringLiteral("a|b");
    QTest::newRow("a tab") << QStringLiteral("a\tb");
    QTest::newRow("a line feed") << QStringLiteral("a\nb");
    QTest::newRow("control character U+0001") << QStringLiteral("a\u0001b");
    QTest::newRow("delete U+007F") << QStringLiteral("a\u007Fb");
    QTest::newRow("C1 control U+0085") << QStringLiteral("a\u0085b");
}

void TestTaskDeviceFile::refusedNames()
{
    QFETCH(QString, name);
    QVERIFY(!isValidTaskName(name));
    QCOMPARE(TaskDeviceFile::filePath(name), QString());
    ProgramFolder folder;
    const QByteArray setup = "<Configs><Translator><Value>0</Value></Translator></Configs>\n";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")), setup));
    {
        TaskDeviceFile f(name);
        QVERIFY(!f.isOpen());
        QVERIFY(!f.addDevice(makeDevice(QStringLiteral("A"), 1)));
        QVERIFY(!f.close());
    }
    QVERIFY(!TaskDeviceFile::removeFile(name));
    QVERIFY(!TaskDeviceFile::renameFile(name, QStringLiteral("Fine")));
    QVERIFY(!TaskDeviceFile::renameFile(QStringLiteral("Fine"), name));
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Setup.xml"))), setup);
    QCOMPARE(QDir(folder.file(QStringLiteral("Task"))).entryList(QDir::Files), QStringList());
}

void TestTaskDeviceFile::acceptedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Chinese") << QStringLiteral("智慧校园二期");
    QTest::newRow("spaces, dots and a hyphen") << QStringLiteral("Site 3.1 - east");
    QTest::newRow("task in lower case") << QStringLiteral("task");
    QTest::newRow("a word that begins with Task") << QStringLiteral("Tasks");
    QTest::newRow("brackets and an ampersand") << QStringLiteral("A&B (2024)");
    QTest::newRow("a whole emoji") << QStringLiteral("Lobby \U0001F600");
}

void TestTaskDeviceFile::acceptedNames()
{
    QFETCH(QString, name);
    QVERIFY(isValidTaskName(name));
    ProgramFolder folder;
    {
        TaskDeviceFile f(name);
        QVERIFY(f.isOpen());
        QVERIFY(f.addDevice(makeDevice(QStringLiteral("A"), 1)));
    }
    QCOMPARE(TaskDeviceFile::filePath(name), devicePath(folder, name));
    TaskDeviceFile f(name);
    int n = 0;
    QVERIFY(f.deviceCount(n));
    QCOMPARE(n, 1);
}

void TestTaskDeviceFile::renameAndRemoveFile()
{
    ProgramFolder folder;
    {
        TaskDeviceFile a(QStringLiteral("A"));
        a.addDevice(makeDevice(QStringLiteral("X"), 1));
        TaskDeviceFile b(QStringLiteral("B"));
    }
    const QByteArray a = ProgramFolder::readAll(devicePath(folder, QStringLiteral("A")));
    const QByteArray b = ProgramFolder::readAll(devicePath(folder, QStringLiteral("B")));
    QVERIFY(!TaskDeviceFile::renameFile(QStringLiteral("A"), QStringLiteral("B")));
    QCOMPARE(ProgramFolder::readAll(devicePath(folder, QStringLiteral("A"))), a);
    QCOMPARE(ProgramFolder::readAll(devicePath(folder, QStringLiteral("B"))), b);

    QVERIFY(TaskDeviceFile::renameFile(QStringLiteral("A"), QStringLiteral("C")));
    QVERIFY(!QFile::exists(devicePath(folder, QStringLiteral("A"))));
    QCOMPARE(ProgramFolder::readAll(devicePath(folder, QStringLiteral("C"))), a);
    QVERIFY(!TaskDeviceFile::renameFile(QStringLiteral("A"), QStringLiteral("D")));

    QVERIFY(TaskDeviceFile::removeFile(QStringLiteral("C")));
    QVERIFY(!TaskDeviceFile::removeFile(QStringLiteral("C")));
}

void TestTaskDeviceFile::unparsableFileIsLeftByteIdentical()
{
    ProgramFolder folder;
    const QByteArray truncated =
        "<?xml version=\"1.0\" "
        "encoding=\"GB2312\"?>\n<DeviceInfoList>\n<DeviceInfo>\n<DeviceType>A";
    QVERIFY(ProgramFolder::write(devicePath(folder, QStringLiteral("T")), truncated));
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QVERIFY(!f.isOpen());
        QVERIFY(!f.addDevice(makeDevice(QStringLiteral("B"), 1)));
        int n = -1;
        QVERIFY(!f.deviceCount(n));
        QCOMPARE(n, -1);
    }
    QCOMPARE(ProgramFolder::readAll(devicePath(folder, QStringLiteral("T"))), truncated);
}

void TestTaskDeviceFile::missingTaskFolderLeavesObjectClosed()
{
    ProgramFolder folder(false);
    TaskDeviceFile f(QStringLiteral("T"));
    QVERIFY(!f.isOpen());
    QVERIFY(!f.addDevice(makeDevice(QStringLiteral("A"), 1)));
    QVERIFY(!QFile::exists(devicePath(folder, QStringLiteral("T"))));
}

void TestTaskDeviceFile::failedWriteIsReportedByClose()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    QVERIFY(f.addDevice(makeDevice(QStringLiteral("A"), 1)));
    // The Task folder disappears while the file is open.
    QVERIFY(QDir(folder.file(QStringLiteral("Task"))).removeRecursively());
    QVERIFY(!f.close());
    QVERIFY(f.isOpen());
    QVERIFY(!f.lastError().isEmpty());
    // Once the folder is back, the same object can still save its changes.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Task")));
    QVERIFY(f.close());
    QVERIFY(!f.isOpen());
}

void TestTaskDeviceFile::changesReportedAsNotSavedAreNotSavedLater()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        QVERIFY(f.addDevice(makeDevice(QStringLiteral("A"), 1)));
        QVERIFY(QDir(folder.file(QStringLiteral("Task"))).removeRecursively());
        QVERIFY(!f.close());
        // The planner was told the change failed; the folder comes back
        // before the object goes, and its destructor must not store it.
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Task")));
    }
    QVERIFY(!QFile::exists(devicePath(folder, QStringLiteral("T"))));
}

void TestTaskDeviceFile::chineseTextsRoundTrip()
{
    ProgramFolder folder;
    const QString task = QStringLiteral("银行一期");
    const QString scene = QStringLiteral("营业大厅");
    {
        TaskDeviceFile f(task);
        QVERIFY(f.isOpen());
        DeviceInfo d = makeDevice(QStringLiteral("KC-B21"), 2);
        d.remark = scene;
        f.addDevice(d);
        f.setStand(0, QStringLiteral("壁装支架"), 1);
    }
    TaskDeviceFile f(task);
    DeviceInfo d;
    f.device(0, d);
    QCOMPARE(d.remark, scene);
    QString type;
    int count = 0;
    QVERIFY(f.stand(0, type, count));
    QCOMPARE(type, QStringLiteral("壁装支架"));
}

void TestTaskDeviceFile::devicesReadInAnyOrder()
{
    ProgramFolder folder;
    TaskDeviceFile f(QStringLiteral("T"));
    for (int i = 0; i < 6; ++i)
        f.addDevice(makeDevice(QStringLiteral("D%1").arg(i), i + 1));
    DeviceInfo d;
    for (int i : {4, 1, 5, 0, 3, 3, 2}) {
        QVERIFY(f.device(i, d));
        QCOMPARE(d.deviceType, QStringLiteral("D%1").arg(i));
    }
    QVERIFY(f.removeDevice(3));
    QVERIFY(f.device(3, d));
    QCOMPARE(d.deviceType, QStringLiteral("D4"));
    d.deviceType = QStringLiteral("kept");
    QVERIFY(!f.device(5, d));
    QCOMPARE(d.deviceType, QStringLiteral("kept"));
}

void TestTaskDeviceFile::readOnlyObjectDoesNotUndoAnotherSave()
{
    ProgramFolder folder;
    {
        TaskDeviceFile f(QStringLiteral("T"));
        f.addDevice(makeDevice(QStringLiteral("A"), 1));
    }
    {
        TaskDeviceFile reader(QStringLiteral("T"));
        QVector<DeviceInfo> all;
        QVERIFY(reader.devices(all));
        {
            TaskDeviceFile writer(QStringLiteral("T"));
            QVERIFY(writer.setCount(9, 0));
        }
        // The reader goes last; it changed nothing, so it must not write
        // its stale copy over the writer's change.
    }
    TaskDeviceFile f(QStringLiteral("T"));
    DeviceInfo d;
    f.device(0, d);
    QCOMPARE(d.count, 9);
}

QTEST_GUILESS_MAIN(TestTaskDeviceFile)
#include "tst_taskdevicefile.moc"
