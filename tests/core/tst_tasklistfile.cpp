#include "TaskDeviceFile.h"
#include "TaskListFile.h"

#include "ProgramFolder.h"

#include <QtTest>

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

} // namespace

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
    void storageResultRoundTrip();
    void bandwidthStreamServerClientRoundTrip();
    void blocksStandInOrderOfFirstStore();
    void storingAgainRewritesInPlace();
    void handEditedBlockKeepsMissingChild();
    void clearResultsClearsAllFourFlags();
    void clearResultsWithoutBlocksChangesNothing();
    void gettersForUnknownName();
    void defaultRecordsHaveTheirDefaults();
    void truncatedListIsLeftByteIdentical();
    void emptyFileIsCreatedAfresh();
    void missingTaskFolderLeavesObjectClosed();
    void failedWriteIsReportedByClose();
    void chineseNamesAndRemarksRoundTrip();
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

    TaskInfo t;
    QVERIFY(list.task(QStringLiteral("Dup"), t));
    QCOMPARE(t.remark, QStringLiteral("later"));
    QCOMPARE(t.type, 2);

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
        QVERIFY(list.setNameRemark(makeTask(QStringLiteral("Beyond")), 5));
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

void TestTaskListFile::storageResultRoundTrip()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        QVERIFY(list.setStorageResult(sampleStorage(QStringLiteral("T"))));
    }
    TaskListFile list;
    StorageResult r;
    QVERIFY(list.storageResult(QStringLiteral("T"), r));
    const StorageResult e = sampleStorage(QStringLiteral("T"));
    QCOMPARE(r.storageEnable, e.storageEnable);
    QCOMPARE(r.mainType, e.mainType);
    QCOMPARE(r.devType, e.devType);
    QCOMPARE(r.hddBay, e.hddBay);
    QCOMPARE(r.hddCap, e.hddCap);
    QCOMPARE(r.timeType, e.timeType);
    QCOMPARE(r.recordTime, e.recordTime);
    QCOMPARE(r.hddModel, e.hddModel);
    QCOMPARE(r.raidType, e.raidType);
    QCOMPARE(r.raid1Number, e.raid1Number);
    QCOMPARE(r.raid5Number, e.raid5Number);
    QCOMPARE(r.raidNumber, e.raidNumber);
    QCOMPARE(r.hotSpare, e.hotSpare);
    QCOMPARE(r.devNumber, e.devNumber);
    QCOMPARE(r.hddNumber, e.hddNumber);
    QCOMPARE(r.commonHddNumber, e.commonHddNumber);
    QCOMPARE(r.totalCap, e.totalCap);
}

void TestTaskListFile::bandwidthStreamServerClientRoundTrip()
{
    ProgramFolder folder;
    {
        TaskListFile list;
        list.addTask(makeTask(QStringLiteral("T")));
        BandWidthResult b;
        b.taskName = QStringLiteral("T");
        b.bandWidthEnable = 1;
        b.preView = QStringLiteral("12.5 Mbps");
        b.record = QStringLiteral("40 Mbps");
        b.transmission = QStringLiteral("3 Mbps");
        b.total = QStringLiteral("1.1 Gbps");
        QVERIFY(list.setBandWidthResult(b));
        StreamServerResult s;
        s.taskName = QStringLiteral("T");
        s.streamServerEnable = 1;
        s.streamServerNumber = 3;
        QVERIFY(list.setStreamServerResult(s));
        ClientResult c;
        c.taskName = QStringLiteral("T");
        c.clientEnable = 1;
        c.client = QStringLiteral("Decoder client");
        c.clientNumber = 2;
        QVERIFY(list.setClientResult(c));
    }
    const QByteArray bytes = ProgramFolder::readAll(folder.file(QStringLiteral("Task/Task.xml")));
    // The number is written before the text in these two blocks.
    QVERIFY(bytes.indexOf("<StreamServerNumber>") < bytes.indexOf("<StreamServer>"));
    QVERIFY(bytes.indexOf("<ClientNumber>") < bytes.indexOf("<Client>"));

    TaskListFile list;
    BandWidthResult b;
    QVERIFY(list.bandWidthResult(QStringLiteral("T"), b));
    QCOMPARE(b.bandWidthEnable, 1);
    QCOMPARE(b.preView, QStringLiteral("12.5 Mbps"));
    QCOMPARE(b.total, QStringLiteral("1.1 Gbps"));
    StreamServerResult s;
    QVERIFY(list.streamServerResult(QStringLiteral("T"), s));
    QCOMPARE(s.taskName, QStringLiteral("T"));
    QCOMPARE(s.streamServerNumber, 3);
    QCOMPARE(s.streamServer, QString());
    ClientResult c;
    QVERIFY(list.clientResult(QStringLiteral("T"), c));
    QCOMPARE(c.client, QStringLiteral("Decoder client"));
    QCOMPARE(c.clientNumber, 2);
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
    QVERIFY(list.clearResults(QStringLiteral("nobody")));
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
    QCOMPARE(s.taskName, QStringLiteral("ghost"));
    ClientResult c;
    QVERIFY(!list.clientResult(QStringLiteral("ghost"), c));
    QCOMPARE(c.taskName, QStringLiteral("ghost"));

    StorageResult r;
    r.taskName = QStringLiteral("as passed");
    r.devNumber = 9;
    QVERIFY(!list.storageResult(QStringLiteral("ghost"), r));
    QCOMPARE(r.taskName, QStringLiteral("as passed"));
    QCOMPARE(r.devNumber, 9);
    QVERIFY(!list.storageResult(QStringLiteral("T"), r)); // task without a block

    TaskInfo t = makeTask(QStringLiteral("unchanged"), 4);
    QVERIFY(list.task(QStringLiteral("ghost"), t));
    QCOMPARE(t.name, QStringLiteral("unchanged"));
    QCOMPARE(t.type, 4);
    QVERIFY(list.setStorageResult(sampleStorage(QStringLiteral("ghost"))));
}

void TestTaskListFile::defaultRecordsHaveTheirDefaults()
{
    const StorageResult r;
    QCOMPARE(r.recordTime, 1);
    QCOMPARE(r.storageEnable + r.hddBay + r.timeType + r.raid1Number + r.raid5Number
                 + r.raidNumber + r.hotSpare + r.devNumber + r.hddNumber + r.commonHddNumber,
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

QTEST_GUILESS_MAIN(TestTaskListFile)
#include "tst_tasklistfile.moc"
