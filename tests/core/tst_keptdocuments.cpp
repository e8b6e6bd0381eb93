// The parsed documents kept between the short-lived objects that open the
// task files in turn, so that the next edit of an unchanged file does not
// parse it again: however many tasks the planner goes through, what they are
// estimated to cost stays within a fixed budget, the documents used longest
// ago making room, and a document too large for the budget is not kept.
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>

#include <QtTest>

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

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestKeptDocuments::init()
{
    XmlDataFile::forgetKeptDocuments();
    m_folder = std::make_unique<ProgramFolder>();
}

void TestKeptDocuments::cleanup()
{
    m_folder.reset();
    XmlDataFile::forgetKeptDocuments();
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
    XmlDataFile::forgetKeptDocuments();
    QCOMPARE(XmlDataFile::keptDocumentsCost(), 0);
}

void TestKeptDocuments::documentUsedLongestAgoMakesRoom()
{
    // Sizes in units of 1/8.5 of what the budget holds: A, B and C (1, 2 and
    // 4 units) fit together; D (3 units) needs room. Made by the one used
    // longest ago, B, the rest is A, C and D, 8 units; made in the order the
    // documents came, by A and then B, it would be C and D, 7 units.
    const qint64 unit = qint64(double(kBudget) / 8.5);
    QVERIFY(writeTask(QStringLiteral("A"), 1));
    QVERIFY(edit(QStringLiteral("A")));
    // The estimate per byte of a file, as the first document shows it.
    const double perByte =
        double(XmlDataFile::keptDocumentsCost()) / double(sizeOf(QStringLiteral("A")));
    QVERIFY(perByte >= 1);
    const auto bytesFor = [&](int units) { return qint64(double(units * unit) / perByte); };
    const std::pair<QString, int> tasks[] = {
        {QStringLiteral("A"), 1}, {QStringLiteral("B"), 2}, {QStringLiteral("C"), 4}};
    for (const auto &[name, units] : tasks) {
        QVERIFY(writeTask(name, bytesFor(units)));
        QVERIFY(edit(name));
    }
    const auto costOf = [&](std::initializer_list<const char *> names) {
        double bytes = 0;
        for (const char *name : names)
            bytes += double(sizeOf(QLatin1String(name)));
        return qint64(bytes * perByte);
    };
    QCOMPARE(XmlDataFile::keptDocumentsCost(), costOf({"A", "B", "C"}));

    QVERIFY(look(QStringLiteral("A")));
    QVERIFY(writeTask(QStringLiteral("D"), bytesFor(3)));
    QVERIFY(edit(QStringLiteral("D")));
    QCOMPARE(XmlDataFile::keptDocumentsCost(), costOf({"A", "C", "D"}));
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

QTEST_MAIN(TestKeptDocuments)
#include "tst_keptdocuments.moc"
