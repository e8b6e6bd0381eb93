#include "TaskDeviceFile.h"
#include "TaskListFile.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <functional>

namespace {

TaskInfo makeTask(const QString &name, int type = 0, int standard = 0,
                  const QString &remark = QString())
{
    TaskInfo t;
    t.name = name;
    t.type = type;
    t.videoStandard = standard;
    t.remark = remark;
    return t;
}

QStringList names()
{
    TaskListFile list;
    QVector<TaskInfo> all;
    list.tasks(all);
    QStringList out;
    for (const TaskInfo &t : all)
        out << t.name;
    return out;
}

StorageResult sampleStorage(const QString &task)
{
    StorageResult r;
    r.taskName = task;
    r.storageEnable = 1;
    r.mainType = QStringLiteral("NVR");
    r.devType = QStringLiteral("KN-16");
    r.hddBay = 8;
    r.hddCap = QStringLiteral("4T");
    r.timeType = 1;
    r.recordTime = 2;
    r.hddModel = QStringLiteral("raid");
    r.raidType = QStringLiteral("RAID5");
    r.raid1Number = 1;
    r.raid5Number = 2;
    r.raidNumber = 3;
    r.hotSpare = 1;
    r.devNumber = 4;
    r.hddNumber = 30;
    r.commonHddNumber = 28;
    r.totalCap = QStringLiteral("86.5 TB");
    return r;
}

QString num(int value)
{
    return QString::number(value);
}

// The fields of each result record but the task name, as texts, so that a
// stored and a read record compare in one go.
QStringList fields(const StorageResult &r)
{
    return {num(r.storageEnable),   r.mainType,         r.devType,
            num(r.hddBay),          r.hddCap,           num(r.timeType),
            num(r.recordTime),      r.hddModel,         r.raidType,
            num(r.raid1Number),     num(r.raid5Number), num(r.raidNumber),
            num(r.hotSpare),        num(r.devNumber),   num(r.hddNumber),
            num(r.commonHddNumber), r.totalCap};
}

QStringList fields(const BandWidthResult &r)
{
    return {num(r.bandWidthEnable), r.preView, r.record, r.transmission, r.total};
}

QStringList fields(const StreamServerResult &r)
{
    return {num(r.streamServerEnable), r.streamServer, num(r.streamServerNumber)};
}

QStringList fields(const ClientResult &r)
{
    return {num(r.clientEnable), r.client, num(r.clientNumber)};
}

// Stores a sample result of @p kind for @p task, every field away from its
// default; returns its fields.
QStringList storeSample(TaskListFile &list, const QString &kind, const QString &task)
{
    if (kind == QLatin1String("storage")) {
        const StorageResult r = sampleStorage(task);
        return list.setStorageResult(r) ? fields(r) : QStringList();
    }
    if (kind == QLatin1String("bandwidth")) {
        BandWidthResult r;
        r.taskName = task;
        r.bandWidthEnable = 1;
        r.preView = QStringLiteral("12.5 Mbps");
        r.record = QStringLiteral("40 Mbps");
        r.transmission = QStringLiteral("3 Mbps");
        r.total = QStringLiteral("1.1 Gbps");
        return list.setBandWidthResult(r) ? fields(r) : QStringList();
    }
    if (kind == QLatin1String("stream server")) {
        StreamServerResult r;
        r.taskName = task;
        r.streamServerEnable = 1;
        r.streamServer = QStringLiteral("流媒体服务器");
        r.streamServerNumber = 3;
        return list.setStreamServerResult(r) ? fields(r) : QStringList();
    }
    ClientResult r;
    r.taskName = task;
    r.clientEnable = 1;
    r.client = QStringLiteral("解码客户端");
    r.clientNumber = 2;
    return list.setClientResult(r) ? fields(r) : QStringList();
}

// Reads the result of @p kind for @p task; an empty list when the read fails.
QStringList readResult(TaskListFile &list, const QString &kind, const QString &task)
{
    if (kind == QLatin1String("storage")) {
        StorageResult r;
        return list.storageResult(task, r) ? fields(r) : QStringList();
    }
    if (kind == QLatin1String("bandwidth")) {
        BandWidthResult r;
        return list.bandWidthResult(task, r) ? fields(r) : QStringList();
    }
    if (kind == QLatin1String("stream server")) {
        StreamServerResult r;
        return list.streamServerResult(task, r) ? fields(r) : QStringList();
    }
    ClientResult r;
    return list.clientResult(task, r) ? fields(r) : QStringList();
}

// Reads the result of @p kind for @p task into a record whose taskName is
// "as passed"; @p taskName is the record's taskName afterwards.
bool readTaskName(TaskListFile &list, const QString &kind, const QString &task, QString &taskName)
{
    const auto read = [&](auto record, auto getter) {
        record.taskName = QStringLiteral("as passed");
        const bool found = (list.*getter)(task, record);
        taskName = record.taskName;
        return found;
    };
    if (kind == QLatin1String("storage"))
        return read(StorageResult(), &TaskListFile::storageResult);
    if (kind == QLatin1String("bandwidth"))
        return read(BandWidthResult(), &TaskListFile::bandWidthResult);
    if (kind == QLatin1String("stream server"))
        return read(StreamServerResult(), &TaskListFile::streamServerResult);
    return read(ClientResult(), &TaskListFile::clientResult);
}

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";

// A hand-written list of tasks with the given names.
QByteArray listOf(const QStringList &names)
{
    QByteArray xml = kDeclaration + "<TaskInfoList>\n";
    for (const QString &n : names)
        xml += "<Task><Name>" + n.toLatin1() +
               "</Name><Type>0</Type><VideoStandard>0"
               "</VideoStandard><Remark/></Task>\n";
    return xml + "</TaskInfoList>\n";
}

} // namespace

Q_DECLARE_METATYPE(std::function<bool(TaskListFile &)>)

class TestTaskListFile : public QObject
{
    Q_OBJECT

private slots:
    void firstUseCreatesEmptyList();
    void addAndListKeepFileOrder();
    void duplicateNamesFollowTheirRules();
    void renameKeepsTypeAndStandard();
    void renameRefusesIllegalName();
    void removeAtDeletesDeviceFileAndShifts();
    void removeAtWithMissingDeviceFileStillRemoves();
    void removeAtWithHandEditedNameSkipsFile();
    void removeAtOutOfRangeFails();
    void removeAtWithUndeletableDeviceFileKeepsTask();
    void removeAtCountsElementsOnly();
    void removeByName_data();
    void removeByName();
    void renameTogetherWithDeviceFile();
    void resultsRoundTrip_data();
    void resultsRoundTrip();
    void numberIsWrittenBeforeTextInServerAndClientBlocks();
    void blocksStandInOrderOfFirstStore();
    void storingAgainRewritesInPlace();
    void handEditedBlockKeepsMissingChild();
    void clearResultsClearsAllFourFlags();
    void clearResultsWithoutBlocksChangesNothing();
    void gettersForUnknownName();
    void resultGettersNameTheirTaskWhenFound_data();
    void resultGettersNameTheirTaskWhenFound();
    void missingNamesAndPositionsFailAndChangeNothing_data();
    void missingNamesAndPositionsFailAndChangeNothing();
    void defaultRecordsHaveTheirDefaults();
    void truncatedListIsLeftByteIdentical();
    void emptyFileIsCreatedAfresh();
    void missingTaskFolderLeavesObjectClosed();
    void failedWriteIsReportedByClose();
    void chineseNamesAndRemarksRoundTrip();
    void textsXmlCannotHoldAreReplaced_data();
    void textsXmlCannotHoldAreReplaced();
    void readOnlyListDoesNotUndoAnotherSave();
    void videoStandardReadsAsPalOrNtsc_data();
    void videoStandardReadsAsPalOrNtsc();
};

void TestTaskListFile::firstUseCreatesEmptyList()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        QVERIFY(list.isOpen());
        QVector<TaskInfo> all;
        QVERIFY(list.tasks(all));
        QVERIFY(all.isEmpty());
    }
    const QByteArray bytes = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
    QVERIFY(bytes.contains("<TaskInfoList/>"));
}

void TestTaskListFile::addAndListKeepFileOrder()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        QVERIFY(list.addTask(makeTask(QStringLiteral("B"), 2, 1, QStringLiteral("second"))));
        QVERIFY(list.addTask(makeTask(QStringLiteral("A"), 0, 0)));
    }
    TaskListFile list;
    QVector<TaskInfo> all{makeTask(QStringLiteral("kept"))};
    QVERIFY(list.tasks(all));
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(0).name, QStringLiteral("kept"));
    QCOMPARE(all.at(1).name, QStringLiteral("B"));
    QCOMPARE(all.at(1).type, 2);
    QCOMPARE(all.at(1).videoStandard, 1);
    QCOMPARE(all.at(1).remark, QStringLiteral("second"));
    QCOMPARE(all.at(2).name, QStringLiteral("A"));
    QVERIFY(list.exists(QStringLiteral("A")));
    QVERIFY(!list.exists(QStringLiteral("a")));
}

void TestTaskListFile::duplicateNamesFollowTheirRules()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("Dup"), 1, 0, QStringLiteral("earlier")));
    StorageResult first = sampleStorage(QStringLiteral("Dup"));
    first.devNumber = 11;
    list.setStorageResult(first);
    list.addTask(makeTask(QStringLiteral("Dup"), 2, 1, QStringLiteral("later")));

    // Every look-up by name takes the first task of that name.
    TaskInfo t;
    QVERIFY(list.task(QStringLiteral("Dup"), t));
    QCOMPARE(t.remark, QStringLiteral("earlier"));
    QCOMPARE(t.type, 1);

    StorageResult r;
    QVERIFY(list.storageResult(QStringLiteral("Dup"), r));
    QCOMPARE(r.devNumber, 11);

    StorageResult both = sampleStorage(QStringLiteral("Dup"));
    both.devNumber = 22;
    QVERIFY(list.setStorageResult(both));
    QVERIFY(list.close());
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")))
                 .count("<DevNumber>22</DevNumber>"),
             2);
}

void TestTaskListFile::renameKeepsTypeAndStandard()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("Old"), 3, 1, QStringLiteral("r1")));
        QVERIFY(list.setNameRemark(makeTask(QStringLiteral("New"), 0, 0, QStringLiteral("r2")), 0));
        // No task at position 5: a rename to nowhere is a failure.
        QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("Beyond")), 5));
        QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("Before")), -1));
    }
    TaskListFile list;
    TaskInfo t;
    list.task(QStringLiteral("New"), t);
    QCOMPARE(t.type, 3);
    QCOMPARE(t.videoStandard, 1);
    QCOMPARE(t.remark, QStringLiteral("r2"));
    QVERIFY(!list.exists(QStringLiteral("Old")));
    QVERIFY(!list.exists(QStringLiteral("Beyond")));
}

void TestTaskListFile::renameRefusesIllegalName()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("Old")));
    QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("../Setup")), 0));
    QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("Task")), 0));
    QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("   ")), 0));
    QVERIFY(!list.setNameRemark(makeTask(QStringLiteral("a\uFFFFb")), 0));
    QVERIFY(list.exists(QStringLiteral("Old")));
}

void TestTaskListFile::removeAtDeletesDeviceFileAndShifts()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        for (const char *n : {"A", "B", "C"}) {
            list.addTask(makeTask(QString::fromLatin1(n)));
            TaskDeviceFile f(QString::fromLatin1(n));
        }
    }
    {
        TaskListFile list;
        QVERIFY(list.removeTaskAt(0));
    }
    QCOMPARE(names(), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("Task/A.xml"))));
    QVERIFY(QFile::exists(folder.file(QStringLiteral("Task/B.xml"))));
}

void TestTaskListFile::removeAtWithMissingDeviceFileStillRemoves()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("NeverOpened")));
        list.addTask(makeTask(QStringLiteral("Other")));
        QVERIFY(list.removeTaskAt(0));
    }
    QCOMPARE(names(), QStringList{QStringLiteral("Other")});
}

void TestTaskListFile::removeAtWithHandEditedNameSkipsFile()
{
    ProgramFolder folder;
    const QByteArray setup = "<Configs/>\n";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")), setup));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")),
                                 "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList>"
                                 "<Task><Name>../Setup</Name><Type>0</Type></Task>"
                                 "<Task><Name>Keep</Name><Type>0</Type></Task></TaskInfoList>"));
    {
        TaskListFile list;
        QVERIFY(list.isOpen());
        QVERIFY(list.removeTaskAt(0));
    }
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Setup.xml"))), setup);
    QCOMPARE(names(), QStringList{QStringLiteral("Keep")});
}

void TestTaskListFile::removeAtOutOfRangeFails()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("A")));
    QVERIFY(!list.removeTaskAt(1));
    QVERIFY(!list.removeTaskAt(-1));
    QVERIFY(list.exists(QStringLiteral("A")));
}

void TestTaskListFile::removeAtWithUndeletableDeviceFileKeepsTask()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")),
                                 listOf({QStringLiteral("A"), QStringLiteral("B")})));
    // A non-empty folder in the device file's place cannot be deleted.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Task/A.xml/inside")));
    {
        TaskListFile list;
        QVERIFY(!list.removeTaskAt(0));
    }
    QCOMPARE(names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

void TestTaskListFile::removeAtCountsElementsOnly()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")),
                                 kDeclaration + "<TaskInfoList>\n<!-- edited by hand -->\n"
                                                "<Task><Name>A</Name></Task>\n"
                                                "<Task><Name>B</Name></Task>\n</TaskInfoList>\n"));
    {
        TaskListFile list;
        QVERIFY(list.removeTaskAt(0));
    }
    QCOMPARE(names(), QStringList{QStringLiteral("B")});
}

void TestTaskListFile::removeByName_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("deviceFile"); // "file", "none" or "undeletable"
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("left");

    const QString x = QStringLiteral("X");
    const QString y = QStringLiteral("Y");
    QTest::newRow("every entry of the name goes, with its device file")
        << QStringList{x, y, x} << x << QStringLiteral("file") << true << QStringList{y};
    QTest::newRow("a missing device file is no obstacle")
        << QStringList{x, y} << x << QStringLiteral("none") << true << QStringList{y};
    QTest::newRow("a refused stored name skips the file and still goes")
        << QStringList{QStringLiteral("../Setup"), y} << QStringLiteral("../Setup")
        << QStringLiteral("none") << true << QStringList{y};
    QTest::newRow("an undeletable device file keeps every entry")
        << QStringList{x, y, x} << x << QStringLiteral("undeletable") << false
        << QStringList{x, y, x};
    QTest::newRow("a name no task has changes nothing")
        << QStringList{x, y} << QStringLiteral("Z") << QStringLiteral("none") << true
        << QStringList{x, y};
}

void TestTaskListFile::removeByName()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, name);
    QFETCH(QString, deviceFile);
    QFETCH(bool, result);
    QFETCH(QStringList, left);

    ProgramFolder folder;
    const QByteArray setup = "<Configs/>\n";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")), setup));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")), listOf(stored)));
    const QString devicePath = folder.file(QStringLiteral("Task/") + name + QStringLiteral(".xml"));
    if (deviceFile == QLatin1String("file"))
        QVERIFY(ProgramFolder::write(devicePath, kDeclaration + "<DeviceInfoList/>\n"));
    else if (deviceFile == QLatin1String("undeletable"))
        QVERIFY(QDir().mkpath(devicePath + QStringLiteral("/inside")));
    {
        TaskListFile list;
        QCOMPARE(list.removeTask(name), result);
    }
    QCOMPARE(names(), left);
    if (deviceFile != QLatin1String("none"))
        QCOMPARE(QFile::exists(devicePath), deviceFile == QLatin1String("undeletable"));
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Setup.xml"))), setup);
}

void TestTaskListFile::renameTogetherWithDeviceFile()
{
    ProgramFolder folder;
    const QString oldName = QStringLiteral("一期");
    const QString newName = QStringLiteral("二期");
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("Other")));
        list.addTask(makeTask(oldName, 1, 0, QStringLiteral("before")));
        TaskDeviceFile devices(oldName);
        DeviceInfo d;
        d.deviceType = QStringLiteral("KC-B21");
        d.count = 3;
        QVERIFY(devices.addDevice(d));
    }
    {
        // What the task manager does for one rename.
        TaskListFile list;
        QVERIFY(list.setNameRemark(makeTask(newName, 0, 0, QStringLiteral("after")), 1));
        QVERIFY(TaskDeviceFile::renameFile(oldName, newName));
    }
    QCOMPARE(names(), (QStringList{QStringLiteral("Other"), newName}));
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(oldName)));
    TaskDeviceFile devices(newName);
    QVector<DeviceInfo> all;
    QVERIFY(devices.devices(all));
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.at(0).deviceType, QStringLiteral("KC-B21"));
    QCOMPARE(all.at(0).count, 3);
}

void TestTaskListFile::resultsRoundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("storage result") << QStringLiteral("storage");
    QTest::newRow("bandwidth result") << QStringLiteral("bandwidth");
    QTest::newRow("stream-server result") << QStringLiteral("stream server");
    QTest::newRow("client result") << QStringLiteral("client");
}

void TestTaskListFile::resultsRoundTrip()
{
    QFETCH(QString, kind);
    ProgramFolder folder;
    QStringList stored;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        stored = storeSample(list, kind, QStringLiteral("T"));
        QVERIFY(!stored.isEmpty());
    }
    TaskListFile list;
    QCOMPARE(readResult(list, kind, QStringLiteral("T")), stored);
}

void TestTaskListFile::numberIsWrittenBeforeTextInServerAndClientBlocks()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        storeSample(list, QStringLiteral("stream server"), QStringLiteral("T"));
        storeSample(list, QStringLiteral("client"), QStringLiteral("T"));
    }
    const QByteArray bytes = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    QVERIFY(bytes.indexOf("<StreamServerNumber>") < bytes.indexOf("<StreamServer>"));
    QVERIFY(bytes.indexOf("<ClientNumber>") < bytes.indexOf("<Client>"));
}

void TestTaskListFile::blocksStandInOrderOfFirstStore()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        ClientResult c;
        c.taskName = QStringLiteral("T");
        list.setClientResult(c);
        BandWidthResult b;
        b.taskName = QStringLiteral("T");
        list.setBandWidthResult(b);
        list.setStorageResult(sampleStorage(QStringLiteral("T")));
    }
    XmlNode root;
    root.load(folder.file(QStringLiteral("Task/Task.xml")));
    XmlNode t = root.childAt(0);
    QStringList tags;
    for (int i = 0; i < t.childCount(); ++i)
        tags << t.childAt(i).name();
    QCOMPARE(tags, (QStringList{QStringLiteral("Name"), QStringLiteral("Type"),
                                QStringLiteral("VideoStandard"), QStringLiteral("Remark"),
                                QStringLiteral("ClientResult"), QStringLiteral("BandWidthResult"),
                                QStringLiteral("StorageResult")}));
}

void TestTaskListFile::storingAgainRewritesInPlace()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("T")));
    BandWidthResult b;
    b.taskName = QStringLiteral("T");
    b.total = QStringLiteral("1 Mbps");
    list.setBandWidthResult(b);
    b.total = QStringLiteral("2 Mbps");
    list.setBandWidthResult(b);
    QVERIFY(list.close());
    const QByteArray bytes = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    QCOMPARE(bytes.count("<BandWidthResult>"), 1);
    QVERIFY(bytes.contains("<Total>2 Mbps</Total>"));
}

void TestTaskListFile::handEditedBlockKeepsMissingChild()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")),
                                 "<TaskInfoList><Task><Name>T</Name><BandWidthResult>"
                                 "<BandWidthEnable>1</BandWidthEnable><PreView>p</PreView>"
                                 "<Total>t</Total></BandWidthResult></Task></TaskInfoList>"));
    {
        TaskListFile list;
        BandWidthResult b;
        b.taskName = QStringLiteral("T");
        b.bandWidthEnable = 1;
        b.record = QStringLiteral("lost");
        b.total = QStringLiteral("new");
        list.setBandWidthResult(b);
    }
    const QByteArray bytes = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    QVERIFY(!bytes.contains("<Record>"));
    TaskListFile list;
    BandWidthResult b;
    b.record = QStringLiteral("before");
    QVERIFY(list.bandWidthResult(QStringLiteral("T"), b));
    QCOMPARE(b.record, QString());
    QCOMPARE(b.total, QStringLiteral("new"));
}

void TestTaskListFile::clearResultsClearsAllFourFlags()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        list.setStorageResult(sampleStorage(QStringLiteral("T")));
        BandWidthResult b;
        b.taskName = QStringLiteral("T");
        b.bandWidthEnable = 1;
        list.setBandWidthResult(b);
        StreamServerResult s;
        s.taskName = QStringLiteral("T");
        s.streamServerEnable = 1;
        list.setStreamServerResult(s);
        ClientResult c;
        c.taskName = QStringLiteral("T");
        c.clientEnable = 1;
        c.clientNumber = 4;
        list.setClientResult(c);
        QVERIFY(list.clearResults(QStringLiteral("T")));
    }
    TaskListFile list;
    StorageResult r;
    QVERIFY(list.storageResult(QStringLiteral("T"), r));
    QCOMPARE(r.storageEnable, 0);
    QCOMPARE(r.hddNumber, 30); // everything else as last stored
    BandWidthResult b;
    list.bandWidthResult(QStringLiteral("T"), b);
    QCOMPARE(b.bandWidthEnable, 0);
    StreamServerResult s;
    list.streamServerResult(QStringLiteral("T"), s);
    QCOMPARE(s.streamServerEnable, 0);
    ClientResult c;
    list.clientResult(QStringLiteral("T"), c);
    QCOMPARE(c.clientEnable, 0);
    QCOMPARE(c.clientNumber, 4);
}

void TestTaskListFile::clearResultsWithoutBlocksChangesNothing()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("T"), 1, 0, QStringLiteral("no results yet")));
    list.close();
    const QByteArray before = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    list.open();
    QVERIFY(list.clearResults(QStringLiteral("T")));
    QVERIFY(!list.clearResults(QStringLiteral("nobody")));
    list.close();
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml"))), before);
}

void TestTaskListFile::gettersForUnknownName()
{
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("T")));
    StreamServerResult s;
    QVERIFY(!list.streamServerResult(QStringLiteral("ghost"), s));
    QCOMPARE(s.taskName, QString());
    ClientResult c;
    QVERIFY(!list.clientResult(QStringLiteral("ghost"), c));
    QCOMPARE(c.taskName, QString());

    StorageResult r;
    r.taskName = QStringLiteral("as passed");
    r.devNumber = 9;
    QVERIFY(!list.storageResult(QStringLiteral("ghost"), r));
    QCOMPARE(r.taskName, QStringLiteral("as passed"));
    QCOMPARE(r.devNumber, 9);
    QVERIFY(!list.storageResult(QStringLiteral("T"), r)); // task without a block

    TaskInfo t = makeTask(QStringLiteral("unchanged"), 4);
    QVERIFY(!list.task(QStringLiteral("ghost"), t));
    QCOMPARE(t.name, QStringLiteral("unchanged"));
    QCOMPARE(t.type, 4);
    QVERIFY(!list.setStorageResult(sampleStorage(QStringLiteral("ghost"))));
}

void TestTaskListFile::resultGettersNameTheirTaskWhenFound_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("task");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("taskName");
    for (const char *kind : {"storage", "bandwidth", "stream server", "client"}) {
        QTest::addRow("a %s result that is there names its task", kind)
            << QString::fromLatin1(kind) << QStringLiteral("T") << true << QStringLiteral("T");
        QTest::addRow("a %s result of a task no one has leaves the record as passed", kind)
            << QString::fromLatin1(kind) << QStringLiteral("ghost") << false
            << QStringLiteral("as passed");
    }
}

void TestTaskListFile::resultGettersNameTheirTaskWhenFound()
{
    QFETCH(QString, kind);
    QFETCH(QString, task);
    QFETCH(bool, found);
    QFETCH(QString, taskName);
    ProgramFolder folder;
    TaskListFile list;
    list.addTask(makeTask(QStringLiteral("T")));
    QVERIFY(!storeSample(list, kind, QStringLiteral("T")).isEmpty());
    QString read;
    QCOMPARE(readTaskName(list, kind, task, read), found);
    QCOMPARE(read, taskName);
}

void TestTaskListFile::missingNamesAndPositionsFailAndChangeNothing_data()
{
    using Op = std::function<bool(TaskListFile &)>;
    QTest::addColumn<Op>("op");
    const QString ghost = QStringLiteral("ghost");
    for (const char *kind : {"storage", "bandwidth", "stream server", "client"}) {
        const QString k = QString::fromLatin1(kind);
        QTest::addRow("a %s result stored for a task no one has", kind)
            << Op([k, ghost](TaskListFile &l) { return !storeSample(l, k, ghost).isEmpty(); });
    }
    QTest::newRow("the results of a task no one has cleared")
        << Op([ghost](TaskListFile &l) { return l.clearResults(ghost); });
    QTest::newRow("a task no one has updated")
        << Op([ghost](TaskListFile &l) { return l.updateTask(makeTask(ghost, 2)); });
    QTest::newRow("the task at position 1 renamed")
        << Op([](TaskListFile &l) { return l.setNameRemark(makeTask(QStringLiteral("New")), 1); });
    QTest::newRow("the task at position 1 removed")
        << Op([](TaskListFile &l) { return l.removeTaskAt(1); });
    QTest::newRow("a task no one has read") << Op([ghost](TaskListFile &l) {
        TaskInfo t;
        return l.task(ghost, t);
    });
}

void TestTaskListFile::missingNamesAndPositionsFailAndChangeNothing()
{
    using Op = std::function<bool(TaskListFile &)>;
    QFETCH(Op, op);
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
    }
    const QString path = folder.file(QStringLiteral("Task/Task.xml"));
    const QByteArray before = ProgramFolder::readAll(path);
    {
        TaskListFile list;
        QVERIFY(!op(list));
    }
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestTaskListFile::defaultRecordsHaveTheirDefaults()
{
    const StorageResult r;
    QCOMPARE(r.recordTime, 1);
    QCOMPARE(r.storageEnable + r.hddBay + r.timeType + r.raid1Number + r.raid5Number +
                 r.raidNumber + r.hotSpare + r.devNumber + r.hddNumber + r.commonHddNumber,
             0);
    const TaskInfo t;
    QCOMPARE(t.type, 0);
    QCOMPARE(t.videoStandard, 0);
}

void TestTaskListFile::truncatedListIsLeftByteIdentical()
{
    ProgramFolder folder;
    const QByteArray truncated = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList>\n"
                                 "<Task>\n<Name>Bank</Name>\n<Type>1</Type>\n<VideoSt";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")), truncated));
    {
        TaskListFile list;
        QVERIFY(!list.isOpen());
        QVERIFY(!list.addTask(makeTask(QStringLiteral("X"))));
        QVERIFY(!list.exists(QStringLiteral("Bank")));
        QVector<TaskInfo> all;
        QVERIFY(!list.tasks(all));
    }
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml"))), truncated);
}

void TestTaskListFile::emptyFileIsCreatedAfresh()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")), QByteArray()));
    TaskListFile list;
    QVERIFY(list.isOpen());
    QVERIFY(list.addTask(makeTask(QStringLiteral("A"))));
}

void TestTaskListFile::missingTaskFolderLeavesObjectClosed()
{
    ProgramFolder folder(false);
    TaskListFile list;
    QVERIFY(!list.isOpen());
    QVERIFY(!list.addTask(makeTask(QStringLiteral("A"))));
    QVERIFY(!list.clearResults(QStringLiteral("A")));
    QVERIFY(!list.close());
}

void TestTaskListFile::failedWriteIsReportedByClose()
{
    ProgramFolder folder;
    TaskListFile list;
    QVERIFY(list.addTask(makeTask(QStringLiteral("A"))));
    QVERIFY(QDir(folder.file(QStringLiteral("Task"))).removeRecursively());
    QVERIFY(!list.close());
    QVERIFY(list.isOpen());
    QVERIFY(!list.lastError().isEmpty());
}

void TestTaskListFile::chineseNamesAndRemarksRoundTrip()
{
    ProgramFolder folder;
    const QString name = QStringLiteral("智慧校园");
    const QString remark = QStringLiteral("东区教学楼，共三层 \U0001F3EB");
    {
        TaskListFile list;
        list.addTask(makeTask(name, 1, 0, remark));
    }
    TaskListFile list;
    TaskInfo t;
    QVERIFY(list.exists(name));
    list.task(name, t);
    QCOMPARE(t.remark, remark);
}

void TestTaskListFile::textsXmlCannotHoldAreReplaced_data()
{
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("readBack");

    const QString fffd = QString(QChar(QChar::ReplacementCharacter));
    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    // A remark cut at 64 characters in the middle of a pasted emoji.
    QTest::newRow("high surrogate at the end of a remark")
        << QStringLiteral("大厅\U0001F600").left(3) << QStringLiteral("大厅") + fffd;
    QTest::newRow("lone low surrogate") << a + QChar(0xDC00) + b << a + fffd + b;
    QTest::newRow("high surrogate followed by a letter") << a + QChar(0xD800) + b << a + fffd + b;
    QTest::newRow("control character U+0001") << QStringLiteral("a\u0001b") << a + fffd + b;
    QTest::newRow("vertical tab U+000B") << QStringLiteral("a\u000Bb") << a + fffd + b;
    QTest::newRow("escape U+001B") << QStringLiteral("a\u001Bb") << a + fffd + b;
    QTest::newRow("noncharacter U+FFFF") << QStringLiteral("a\uFFFFb") << a + fffd + b;
}

void TestTaskListFile::textsXmlCannotHoldAreReplaced()
{
    QFETCH(QString, remark);
    QFETCH(QString, readBack);

    ProgramFolder folder;
    const QString bank = QStringLiteral("银行一期");
    const QString hall = QStringLiteral("营业大厅，共三层");
    {
        TaskListFile list;
        list.addTask(makeTask(bank, 1, 0, hall));
        list.addTask(makeTask(QStringLiteral("T"), 0, 1, remark));
        BandWidthResult r;
        r.taskName = bank;
        r.bandWidthEnable = 1;
        r.total = QStringLiteral("1.1 Gbps");
        list.setBandWidthResult(r);
        QVERIFY(list.close());
    }
    TaskListFile list;
    QVERIFY(list.isOpen());
    QVector<TaskInfo> all;
    QVERIFY(list.tasks(all));
    QCOMPARE(all.size(), 2);
    QCOMPARE(all.at(0).name, bank);
    QCOMPARE(all.at(0).remark, hall);
    QCOMPARE(all.at(1).name, QStringLiteral("T"));
    QCOMPARE(all.at(1).videoStandard, 1);
    QCOMPARE(all.at(1).remark, readBack);
    BandWidthResult r;
    QVERIFY(list.bandWidthResult(bank, r));
    QCOMPARE(r.total, QStringLiteral("1.1 Gbps"));
}

void TestTaskListFile::readOnlyListDoesNotUndoAnotherSave()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("A")));
    }
    {
        TaskListFile reader;
        QVERIFY(reader.exists(QStringLiteral("A")));
        StorageResult r;
        reader.storageResult(QStringLiteral("A"), r);
        {
            TaskListFile writer;
            QVERIFY(writer.addTask(makeTask(QStringLiteral("B"))));
            QVERIFY(writer.setStorageResult(sampleStorage(QStringLiteral("A"))));
        }
        // The reader goes last; it changed nothing, so it must not write its
        // stale copy over the writer's change.
        QVERIFY(reader.close());
    }
    QCOMPARE(names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    TaskListFile list;
    StorageResult r;
    QVERIFY(list.storageResult(QStringLiteral("A"), r));
    QCOMPARE(r.hddNumber, 30);
}

void TestTaskListFile::videoStandardReadsAsPalOrNtsc_data()
{
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<int>("standard");

    QTest::newRow("0 is PAL") << QByteArray("<VideoStandard>0</VideoStandard>") << 0;
    QTest::newRow("1 is NTSC") << QByteArray("<VideoStandard>1</VideoStandard>") << 1;
    QTest::newRow("a hand-edited 2 is NTSC") << QByteArray("<VideoStandard>2</VideoStandard>") << 1;
    QTest::newRow("-1 is NTSC") << QByteArray("<VideoStandard>-1</VideoStandard>") << 1;
    QTest::newRow("text that is no number reads as 0, PAL")
        << QByteArray("<VideoStandard>ntsc</VideoStandard>") << 0;
    QTest::newRow("a missing element reads as 0, PAL") << QByteArray() << 0;
}

void TestTaskListFile::videoStandardReadsAsPalOrNtsc()
{
    QFETCH(QByteArray, element);
    QFETCH(int, standard);

    ProgramFolder folder;
    const QByteArray xml = kDeclaration + "<TaskInfoList>\n<Task><Name>T</Name><Type>1</Type>" +
                           element + "<Remark>r</Remark></Task>\n</TaskInfoList>\n";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Task/Task.xml")), xml));
    {
        TaskListFile list;
        QVector<TaskInfo> all;
        QVERIFY(list.tasks(all));
        QCOMPARE(all.size(), 1);
        QCOMPARE(all.at(0).videoStandard, standard);
        TaskInfo t;
        QVERIFY(list.task(QStringLiteral("T"), t));
        QCOMPARE(t.videoStandard, standard);
        QCOMPARE(t.type, 1);
    }
    // Reading does not rewrite what the file holds.
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml"))), xml);
}

QTEST_GUILESS_MAIN(TestTaskListFile)
#include "tst_tasklistfile.moc"
