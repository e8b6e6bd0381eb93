#include "DeviceEntries.h"
#include "ProgramFolder.h"
#include "FailingSaves.h"

#include <QtTest>

#include <memory>

using kiv::DeviceEntries;

// The device entries of a task as the device list changes them: the task
// total, appending, removing and editing in place, and the file's reason
// when a change fails.
class TestDeviceEntries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void taskTotal_data();
    void taskTotal();
    void appendStopsAtTheTaskTotal();
    void fieldsAreStoredAsNumbersOrText_data();
    void fieldsAreStoredAsNumbersOrText();
    void anEntryThatIsNotThereFailsWithoutAReason();
    void aDamagedFileFailsWithItsReasonAndStaysAsItIs();
    void aFailedSaveGivesItsReason();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

namespace {

const QString kTask = QStringLiteral("Lobby");

DeviceInfo entry(int count)
{
    DeviceInfo d;
    d.deviceType = QStringLiteral("CAM-A");
    d.mainType = QStringLiteral("IPC");
    d.count = count;
    d.mainStream = 2048;
    d.subStream = 512;
    return d;
}

void writeEntries(const QVector<int> &counts)
{
    TaskDeviceFile file(kTask);
    for (int count : counts)
        QVERIFY(file.addDevice(entry(count)));
    QVERIFY(file.close());
}

QVector<DeviceInfo> stored()
{
    TaskDeviceFile file(kTask);
    QVector<DeviceInfo> out;
    file.devices(out);
    return out;
}

} // namespace

void TestDeviceEntries::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestDeviceEntries::cleanup()
{
    m_folder.reset();
}

void TestDeviceEntries::taskTotal_data()
{
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("removed");
    QTest::addColumn<bool>("exceeds");
    QTest::newRow("a task of 1000 devices takes 24 more")
        << QVector<int>{600, 400} << 24 << 0 << false;
    QTest::newRow("a task of 1000 devices refuses 25 more")
        << QVector<int>{600, 400} << 25 << 0 << true;
    QTest::newRow("an entry of 400 may become 424 in a task of 1000")
        << QVector<int>{600, 400} << 424 << 400 << false;
    QTest::newRow("an entry of 400 may not become 425 in a task of 1000")
        << QVector<int>{600, 400} << 425 << 400 << true;
    QTest::newRow("an empty task takes 1024") << QVector<int>{} << 1024 << 0 << false;
}

void TestDeviceEntries::taskTotal()
{
    QFETCH(QVector<int>, counts);
    QFETCH(int, added);
    QFETCH(int, removed);
    QFETCH(bool, exceeds);
    writeEntries(counts);
    QCOMPARE(DeviceEntries(kTask).wouldExceedTotal(added, removed), exceeds);
}

void TestDeviceEntries::appendStopsAtTheTaskTotal()
{
    writeEntries({1000});
    const DeviceEntries entries(kTask);
    QString reason = QStringLiteral("untouched");
    QVERIFY(!entries.append(entry(25), &reason));
    // The total is the task's rule, not the file's: no reason of the file.
    QCOMPARE(reason, QString());
    QCOMPARE(stored().size(), 1);
    QVERIFY(entries.append(entry(24)));
    QCOMPARE(stored().size(), 2);
    QCOMPARE(stored().at(1).count, 24);
    QVERIFY(!entries.append(entry(1)));
}

void TestDeviceEntries::fieldsAreStoredAsNumbersOrText_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mainStream");
    QTest::addColumn<int>("subStream");
    QTest::newRow("a remark as it is") << int(DeviceEntries::Remark) << QStringLiteral("gate <b>")
                                       << QStringLiteral("gate <b>") << 5 << 2048 << 512;
    QTest::newRow("a count with leading zeros is its number")
        << int(DeviceEntries::Count) << QStringLiteral("007") << QString() << 7 << 2048 << 512;
    QTest::newRow("a main stream") << int(DeviceEntries::MainStream) << QStringLiteral("4096")
                                   << QString() << 5 << 4096 << 512;
    QTest::newRow("a sub stream of 0")
        << int(DeviceEntries::SubStream) << QStringLiteral("0") << QString() << 5 << 2048 << 0;
}

void TestDeviceEntries::fieldsAreStoredAsNumbersOrText()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, remark);
    QFETCH(int, count);
    QFETCH(int, mainStream);
    QFETCH(int, subStream);
    writeEntries({1, 5});
    QVERIFY(DeviceEntries(kTask).setField(1, DeviceEntries::Field(field), text));
    const DeviceInfo d = stored().at(1);
    QCOMPARE(d.remark, remark);
    QCOMPARE(d.count, count);
    QCOMPARE(d.mainStream, mainStream);
    QCOMPARE(d.subStream, subStream);
    QCOMPARE(stored().at(0).count, 1);
}

void TestDeviceEntries::anEntryThatIsNotThereFailsWithoutAReason()
{
    writeEntries({1});
    const QByteArray before = ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));
    const DeviceEntries entries(kTask);
    QString reason = QStringLiteral("untouched");
    QVERIFY(!entries.remove(1, &reason));
    QCOMPARE(reason, QString());
    QVERIFY(!entries.setField(3, DeviceEntries::Count, QStringLiteral("2"), &reason));
    QCOMPARE(reason, QString());
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask)), before);
}

void TestDeviceEntries::aDamagedFileFailsWithItsReasonAndStaysAsItIs()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray damaged = "<?xml version=\"1.0\"?><DeviceInfoList><Dev";
    QVERIFY(ProgramFolder::write(path, damaged));
    const QString expected = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!expected.isEmpty());
    const DeviceEntries entries(kTask);
    // A total that cannot be read lets the change through to the file,
    // which refuses it.
    QVERIFY(!entries.wouldExceedTotal(5000));
    QString reason;
    QVERIFY(!entries.append(entry(1), &reason));
    QCOMPARE(reason, expected);
    reason.clear();
    QVERIFY(!entries.remove(0, &reason));
    QCOMPARE(reason, expected);
    reason.clear();
    QVERIFY(!entries.setField(0, DeviceEntries::Remark, QStringLiteral("x"), &reason));
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(path), damaged);
}

void TestDeviceEntries::aFailedSaveGivesItsReason()
{
    writeEntries({1, 2});
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    const DeviceEntries entries(kTask);
    QString appended;
    QString removed;
    QString edited;
    QString expected;
    {
        FileSizeLimit full;
        QVERIFY(full.isActive());
        QVERIFY(!entries.append(entry(1), &appended));
        QVERIFY(!entries.remove(0, &removed));
        QVERIFY(!entries.setField(0, DeviceEntries::Count, QStringLiteral("9"), &edited));
        expected = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(appended, expected);
    QCOMPARE(removed, expected);
    QCOMPARE(edited, expected);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

QTEST_MAIN(TestDeviceEntries)
#include "tst_deviceentries.moc"
