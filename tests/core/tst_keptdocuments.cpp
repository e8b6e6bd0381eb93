// What is kept of the task files between the steps that read them: the
// parsed documents kept between the short-lived objects that open the files
// in turn, so that the next edit of an unchanged file does not parse it
// again, and the device entries kept between the steps that only read them.
// However many tasks the planner goes through, what each keeps is estimated
// to cost no more than its fixed budget, what was used longest ago making
// room, and what is too large for the budget alone is not kept; the largest
// task the limits allow fits.
#include "ProgramFolder.h"

#include <DeviceFileStream.h>
#include <Limits.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QtTest>

#include <functional>

namespace {

constexpr qint64 kBudget = XmlDataFile::kKeptDocumentsBudget;

// Writes the device file of @p task, one entry whose remark fills it to
// about @p size bytes.
bool writeTask(const QString &task, qint64 size)
{
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList>\n"
                            "<DeviceInfo>\n<Remark>";
    const QByteArray tail = "</Remark>\n<Count>1</Count>\n</DeviceInfo>\n</DeviceInfoList>\n";
    const qint64 fill = qMax<qint64>(1, size - head.size() - tail.size());
    return ProgramFolder::write(TaskDeviceFile::filePath(task),
                                head + QByteArray(fill, 'r') + tail);
}

// An edit of @p task's count, as the device list stores one.
bool edit(const QString &task)
{
    TaskDeviceFile file(task);
    int count = 0;
    QVector<DeviceInfo> devices;
    if (!file.devices(devices) || devices.isEmpty())
        return false;
    count = devices.first().count;
    return file.setCount(count % 9 + 1, 0) && file.close();
}

// A step that opens @p task and changes nothing.
bool look(const QString &task)
{
    TaskDeviceFile file(task);
    int count = 0;
    return file.deviceCount(count) && file.close();
}

qint64 sizeOf(const QString &task)
{
    return QFileInfo(TaskDeviceFile::filePath(task)).size();
}

// A step that only reads @p task's entries, as the device list does.
bool readEntries(const QString &task)
{
    QVector<DeviceRecord> records;
    return TaskDeviceFile::readRecords(task, {}, records) && !records.isEmpty();
}

qint64 keptRecordsCost()
{
    return KeptRecords::instance().cost();
}

// How a test has what is kept of a task's file kept, and sees what that costs.
struct Keeping
{
    qint64 budget = 0;
    /// Has the file of the named task read and kept.
    std::function<bool(const QString &)> keep;
    /// Uses again what is kept of it.
    std::function<bool(const QString &)> use;
    std::function<qint64()> cost;
};

// Sizes in units of 1/8.5 of what the budget holds: A, B and C (1, 2 and 4
// units) fit together; D (3 units) needs room. Made by the one used longest
// ago, B, the rest is A, C and D, 8 units; made in the order they came, by A
// and then B, it would be C and D, 7 units.
void usedLongestAgoMakesRoom(const Keeping &kept)
{
    const qint64 unit = qint64(double(kept.budget) / 8.5);
    QVERIFY(writeTask(QStringLiteral("A"), 1));
    QVERIFY(kept.keep(QStringLiteral("A")));
    // The estimate per byte of a file, as the first one kept shows it.
    const double perByte = double(kept.cost()) / double(sizeOf(QStringLiteral("A")));
    QVERIFY(perByte >= 1);
    const auto bytesFor = [&](int units) { return qint64(double(units * unit) / perByte); };
    const std::pair<QString, int> tasks[] = {
        {QStringLiteral("A"), 1}, {QStringLiteral("B"), 2}, {QStringLiteral("C"), 4}};
    for (const auto &[name, units] : tasks) {
        QVERIFY(writeTask(name, bytesFor(units)));
        QVERIFY(kept.keep(name));
    }
    const auto costOf = [&](std::initializer_list<const char *> names) {
        double bytes = 0;
        for (const char *name : names)
            bytes += double(sizeOf(QLatin1String(name)));
        return qint64(bytes * perByte);
    };
    QCOMPARE(kept.cost(), costOf({"A", "B", "C"}));

    QVERIFY(kept.use(QStringLiteral("A")));
    QVERIFY(writeTask(QStringLiteral("D"), bytesFor(3)));
    QVERIFY(kept.keep(QStringLiteral("D")));
    QCOMPARE(kept.cost(), costOf({"A", "C", "D"}));
}

// Saves @p task as the largest task the limits allow, with every text at its
// longest: 1024 entries of one device each, five streams and every accessory
// each, a remark of as many characters as a remark holds, each one GB2312
// lacks (so saved as a reference of eight bytes), the catalogue's longest
// names and every number with its most digits.
bool saveLargestTask(const QString &task)
{
    TaskDeviceFile file(task);
    DeviceInfo device;
    device.deviceType = QStringLiteral("KC-B21Z");
    device.remark = QString(kiv::limits::kMaxRemarkLength, QChar(0x20AC));
    device.mainType = QStringLiteral("IPC");
    device.count = 1;
    device.mainStream = kiv::limits::kMaxBitRate;
    device.subStream = kiv::limits::kMaxBitRate;
    DevStream stream;
    stream.useCode = QStringLiteral("111");
    stream.streamCount = kiv::limits::kMaxStreamCount;
    stream.resolution = QStringLiteral("2048x1536");
    stream.frameRate = QStringLiteral("25");
    stream.bitRate = kiv::limits::kMaxBitRate;
    const int most = kiv::limits::kMaxAccessoryCount;
    for (int i = 0; i < kiv::limits::kMaxTaskDevices; ++i) {
        if (!file.addDevice(device))
            return false;
        for (int s = 0; s < 5; ++s)
            file.addStream(stream, i);
        file.setRecordPlan(QStringLiteral("222222222222222222222222"), i);
        file.setStand(i, QStringLiteral("Corner Mount Adapter KA-DC20"), most);
        file.setShield(i, QStringLiteral("Heated Outdoor Housing KA-H30"), most);
        file.setLens(i, QStringLiteral("KL-0850 8-50mm Varifocal Lens"), most);
    }
    return file.close();
}

} // namespace

class TestKeptDocuments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void manyTasksInTurnStayWithinTheBudget();
    void documentUsedLongestAgoMakesRoom();
    void documentOverTheBudgetIsNotKept();
    void largestTaskIsKeptWithTheTaskList();
    void entriesOfManyTasksInTurnStayWithinTheirBudget();
    void entriesReadLongestAgoMakeRoom();
    void entriesOverTheBudgetAreNotKept();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestKeptDocuments::init()
{
    XmlDataFile::forgetKeptDocumentsAndRecords();
    m_folder = std::make_unique<ProgramFolder>();
}

void TestKeptDocuments::cleanup()
{
    m_folder.reset();
    XmlDataFile::forgetKeptDocumentsAndRecords();
}

void TestKeptDocuments::manyTasksInTurnStayWithinTheBudget()
{
    QCOMPARE(XmlDataFile::keptDocumentsCost(), 0);
    // Each file's document is some 40 % of the budget: two fit, not three.
    const qint64 size = kBudget * 2 / 5 / 18;
    for (int task = 0; task < 10; ++task) {
        const QString name = QStringLiteral("Task %1").arg(task);
        QVERIFY(writeTask(name, size));
        QVERIFY(edit(name));
        const qint64 cost = XmlDataFile::keptDocumentsCost();
        QVERIFY2(cost > 0 && cost <= kBudget, qPrintable(QString::number(cost)));
    }
    XmlDataFile::forgetKeptDocumentsAndRecords();
    QCOMPARE(XmlDataFile::keptDocumentsCost(), 0);
}

void TestKeptDocuments::documentUsedLongestAgoMakesRoom()
{
    usedLongestAgoMakesRoom({kBudget, edit, look, XmlDataFile::keptDocumentsCost});
}

void TestKeptDocuments::documentOverTheBudgetIsNotKept()
{
    QVERIFY(writeTask(QStringLiteral("Small"), 1000));
    QVERIFY(edit(QStringLiteral("Small")));
    const qint64 small = XmlDataFile::keptDocumentsCost();
    QVERIFY(small > 0);
    // A file whose document alone would be over the budget: the 5000-device
    // task a planner makes by hand, some 4.5 MB.
    QVERIFY(writeTask(QStringLiteral("Large"), 4500 * 1000));
    QVERIFY(edit(QStringLiteral("Large")));
    QVERIFY(look(QStringLiteral("Large")));
    QCOMPARE(XmlDataFile::keptDocumentsCost(), small);
}

void TestKeptDocuments::largestTaskIsKeptWithTheTaskList()
{
    // The cost of a document per byte of its file, as a small one shows it.
    QVERIFY(writeTask(QStringLiteral("Small"), 1000));
    QVERIFY(edit(QStringLiteral("Small")));
    const double perByte =
        double(XmlDataFile::keptDocumentsCost()) / double(sizeOf(QStringLiteral("Small")));
    XmlDataFile::forgetKeptDocumentsAndRecords();

    QVERIFY(saveLargestTask(QStringLiteral("Largest")));
    const qint64 largest = sizeOf(QStringLiteral("Largest"));
    qInfo("the largest task the limits allow: %lld bytes", largest);
    {
        TaskListFile tasks;
        TaskInfo task;
        task.name = QStringLiteral("Largest");
        QVERIFY(tasks.addTask(task));
        QVERIFY(tasks.close());
    }
    const qint64 list = QFileInfo(TaskListFile::filePath()).size();
    // The task opened, then the task list: both documents are kept.
    QVERIFY(look(QStringLiteral("Largest")));
    QVERIFY(TaskListFile().close());
    QCOMPARE(XmlDataFile::keptDocumentsCost(), qint64(double(largest + list) * perByte));

    // The entries of two such tasks, one the planner goes back to, are kept
    // side by side.
    QVERIFY(QFile::copy(TaskDeviceFile::filePath(QStringLiteral("Largest")),
                        TaskDeviceFile::filePath(QStringLiteral("Copy"))));
    XmlDataFile::forgetKeptDocumentsAndRecords();
    QVERIFY(readEntries(QStringLiteral("Largest")));
    const qint64 one = keptRecordsCost();
    QVERIFY(one > 0);
    QVERIFY(readEntries(QStringLiteral("Copy")));
    QCOMPARE(keptRecordsCost(), 2 * one);
}

void TestKeptDocuments::entriesOfManyTasksInTurnStayWithinTheirBudget()
{
    QCOMPARE(keptRecordsCost(), 0);
    // Each file's entries are some 40 % of the budget: two fit, not three.
    const qint64 size = KeptRecords::kBudget * 2 / 5 / KeptRecords::kBytesPerFileByte;
    for (int task = 0; task < 10; ++task) {
        const QString name = QStringLiteral("Task %1").arg(task);
        QVERIFY(writeTask(name, size));
        QVERIFY(readEntries(name));
        const qint64 cost = keptRecordsCost();
        QVERIFY2(cost > 0 && cost <= KeptRecords::kBudget, qPrintable(QString::number(cost)));
    }
    XmlDataFile::forgetKeptDocumentsAndRecords();
    QCOMPARE(keptRecordsCost(), 0);
}

void TestKeptDocuments::entriesReadLongestAgoMakeRoom()
{
    usedLongestAgoMakesRoom({KeptRecords::kBudget, readEntries, readEntries, keptRecordsCost});
}

void TestKeptDocuments::entriesOverTheBudgetAreNotKept()
{
    QVERIFY(writeTask(QStringLiteral("Small"), 1000));
    QVERIFY(readEntries(QStringLiteral("Small")));
    const qint64 small = keptRecordsCost();
    QVERIFY(small > 0);
    // The 5000-device task a planner makes by hand, some 4.5 MB: read, and
    // read again, but never kept.
    QVERIFY(writeTask(QStringLiteral("Large"), 4500 * 1000));
    QVERIFY(readEntries(QStringLiteral("Large")));
    QVERIFY(readEntries(QStringLiteral("Large")));
    QCOMPARE(keptRecordsCost(), small);
}

QTEST_MAIN(TestKeptDocuments)
#include "tst_keptdocuments.moc"
