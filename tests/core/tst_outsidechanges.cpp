// A task's device file is edited again and again by short-lived file
// objects. Whatever is on disk between two of them is what the next one
// edits: a change made by another program is never overwritten with what an
// earlier object had read, and two objects open on one file at once never
// see each other's unsaved changes.

#include "TaskDeviceFile.h"

#include "FailingSaves.h"
#include "ProgramFolder.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kTask = QStringLiteral("Site");

DeviceInfo camera(const QString &type, const QString &remark, int count)
{
    DeviceInfo d;
    d.deviceType = type;
    d.remark = remark;
    d.mainType = QStringLiteral("IPC");
    d.count = count;
    d.mainStream = 2048;
    d.subStream = 512;
    return d;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a fresh reading of the file on disk holds for device @p dev.
DeviceInfo storedDevice(int dev)
{
    XmlNode root;
    root.load(TaskDeviceFile::filePath(kTask));
    const XmlNode device = root.childAt(dev);
    DeviceInfo info;
    info.remark = device.childByName(QStringLiteral("Remark")).text();
    info.count = device.childByName(QStringLiteral("Count")).text().toInt();
    return info;
}

bool setCount(int dev, int count)
{
    TaskDeviceFile file(kTask);
    return file.setCount(count, dev) && file.close();
}

// How another program changes the file: the remark "north" of the second
// device becomes "south", which keeps the file's size.
enum class Outside { Replaced, InPlace, InPlaceTimeKept };

bool changeOutside(Outside how)
{
    const QString path = TaskDeviceFile::filePath(kTask);
    QByteArray bytes = readBytes(path);
    const int at = bytes.indexOf("north");
    if (at < 0)
        return false;
    bytes.replace(at, 5, "south");
    if (how == Outside::Replaced) {
        // Written aside and renamed over it, as most editors save.
        const QString aside = path + QStringLiteral(".new");
        QFile file(aside);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
        file.close();
        return ::rename(QFile::encodeName(aside).constData(),
                        QFile::encodeName(path).constData()) == 0;
    }
    struct stat before = {};
    if (::stat(QFile::encodeName(path).constData(), &before) != 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    if (how == Outside::InPlaceTimeKept) {
        // The same size and the same modification time, to the nanosecond,
        // as a clock of coarse ticks gives two writes within one tick.
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        if (::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) != 0)
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Outside)

class TestOutsideChanges : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void changeByAnotherProgramIsKept_data();
    void changeByAnotherProgramIsKept();
    void fileClosedLastDecides_data();
    void fileClosedLastDecides();
    void failedSaveLeavesTheFileAsOnDisk();
    void textOfSpacesReadsAsTheFileHoldsIt();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestOutsideChanges::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    TaskDeviceFile file(kTask);
    QVERIFY(file.addDevice(camera(QStringLiteral("CAM-A"), QStringLiteral("gate"), 1)));
    QVERIFY(file.addDevice(camera(QStringLiteral("CAM-B"), QStringLiteral("north"), 2)));
    QVERIFY(file.close());
}

void TestOutsideChanges::cleanup()
{
    m_folder.reset();
}

void TestOutsideChanges::changeByAnotherProgramIsKept_data()
{
    QTest::addColumn<Outside>("how");
    QTest::addColumn<bool>("onlyRead");
    QTest::newRow("a file replaced by another program is read afresh")
        << Outside::Replaced << false;
    QTest::newRow("a file rewritten in place to the same size within a second is read afresh")
        << Outside::InPlace << false;
    QTest::newRow("a file rewritten with its size and modification time kept is read afresh")
        << Outside::InPlaceTimeKept << false;
    QTest::newRow("a file rewritten in place after it was only read is read afresh")
        << Outside::InPlaceTimeKept << true;
}

void TestOutsideChanges::changeByAnotherProgramIsKept()
{
    QFETCH(Outside, how);
    QFETCH(bool, onlyRead);
    // Two edits in a row (or a reading), then the other program, then the
    // next edit.
    if (onlyRead) {
        TaskDeviceFile file(kTask);
        DeviceInfo first;
        QVERIFY(file.device(0, first));
        QCOMPARE(first.count, 1);
    } else {
        QVERIFY(setCount(0, 3));
        QVERIFY(setCount(0, 4));
    }
    QVERIFY(changeOutside(how));
    QVERIFY(setCount(0, 5));
    QCOMPARE(storedDevice(1).remark, QStringLiteral("south"));
    QCOMPARE(storedDevice(0).count, 5);
    // A reading object sees it too.
    TaskDeviceFile file(kTask);
    DeviceInfo second;
    QVERIFY(file.device(1, second));
    QCOMPARE(second.remark, QStringLiteral("south"));
}

void TestOutsideChanges::fileClosedLastDecides_data()
{
    QTest::addColumn<bool>("firstClosesLast");
    QTest::newRow("the object opened first and closed last decides") << true;
    QTest::newRow("the object opened second and closed last decides") << false;
}

void TestOutsideChanges::fileClosedLastDecides()
{
    QFETCH(bool, firstClosesLast);
    // The file was just edited: the first object may start from what that
    // edit left, the second reads the file for itself.
    QVERIFY(setCount(0, 3));
    auto first = std::make_unique<TaskDeviceFile>(kTask);
    auto second = std::make_unique<TaskDeviceFile>(kTask);
    QVERIFY(first->setCount(7, 0));
    QVERIFY(second->setRemark(QStringLiteral("east"), 1));
    if (firstClosesLast) {
        QVERIFY(second->close());
        QVERIFY(first->close());
        // The count of the first, and none of the second's changes.
        QCOMPARE(storedDevice(0).count, 7);
        QCOMPARE(storedDevice(1).remark, QStringLiteral("north"));
    } else {
        QVERIFY(first->close());
        QVERIFY(second->close());
        QCOMPARE(storedDevice(0).count, 3);
        QCOMPARE(storedDevice(1).remark, QStringLiteral("east"));
    }
    // The next object starts from the file as it now is.
    const QByteArray onDisk = readBytes(TaskDeviceFile::filePath(kTask));
    {
        TaskDeviceFile next(kTask);
        DeviceInfo a;
        DeviceInfo b;
        QVERIFY(next.device(0, a) && next.device(1, b));
        QCOMPARE(a.count, firstClosesLast ? 7 : 3);
        QCOMPARE(b.remark, firstClosesLast ? QStringLiteral("north") : QStringLiteral("east"));
        QVERIFY(next.setCount(9, 1));
    }
    QCOMPARE(storedDevice(0).count, firstClosesLast ? 7 : 3);
    QCOMPARE(storedDevice(1).count, 9);
    QVERIFY(readBytes(TaskDeviceFile::filePath(kTask)) != onDisk);
}

void TestOutsideChanges::failedSaveLeavesTheFileAsOnDisk()
{
    QVERIFY(setCount(0, 3));
    const QByteArray before = readBytes(TaskDeviceFile::filePath(kTask));
    {
        const ReadOnlyFolder locked(m_folder->file(QStringLiteral("Task")));
        QVERIFY(locked.isActive());
        TaskDeviceFile file(kTask);
        QVERIFY(file.setCount(8, 0));
        QVERIFY(file.setRemark(QStringLiteral("lost"), 1));
        QVERIFY(!file.close());
    }
    QCOMPARE(readBytes(TaskDeviceFile::filePath(kTask)), before);
    // The edit that failed is not where the next one starts from.
    QVERIFY(setCount(1, 4));
    QCOMPARE(storedDevice(0).count, 3);
    QCOMPARE(storedDevice(1).remark, QStringLiteral("north"));
    QCOMPARE(storedDevice(1).count, 4);
}

void TestOutsideChanges::textOfSpacesReadsAsTheFileHoldsIt()
{
    {
        TaskDeviceFile file(kTask);
        QVERIFY(file.setRemark(QStringLiteral("   "), 1));
        QVERIFY(file.close());
    }
    // A reading of the file drops a text of white space alone; the next
    // object reads the remark as the file gives it, not as it was set.
    QCOMPARE(storedDevice(1).remark, QString());
    TaskDeviceFile file(kTask);
    DeviceInfo second;
    QVERIFY(file.device(1, second));
    QCOMPARE(second.remark, QString());
}

QTEST_GUILESS_MAIN(TestOutsideChanges)
#include "tst_outsidechanges.moc"
