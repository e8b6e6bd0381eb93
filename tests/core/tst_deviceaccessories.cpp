#include "DeviceAccessories.h"
#include "ProgramFolder.h"
#include "FailingSaves.h"

#include <QtTest>

#include <memory>

using kiv::DeviceAccessories;

Q_DECLARE_METATYPE(DeviceAccessories::Kind)

// The lens, stand and shield of one device entry: stored, read back and
// removed, each kind on its own, and what a refused or unsaved change gives.
class TestDeviceAccessories : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachKindIsStoredReadAndRemovedAlone_data();
    void eachKindIsStoredReadAndRemovedAlone();
    void anEntryThatIsNotThereIsRefusedWithoutAReason();
    void aDamagedFileIsRefusedWithItsReason();
    void aFailedSaveIsNotSavedWithItsReason();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

namespace {

const QString kTask = QStringLiteral("Lobby");

void writeEntries(int count)
{
    TaskDeviceFile file(kTask);
    for (int i = 0; i < count; ++i) {
        DeviceInfo d;
        d.deviceType = QStringLiteral("CAM-A");
        d.mainType = QStringLiteral("IPC");
        d.count = 1;
        QVERIFY(file.addDevice(d));
    }
    QVERIFY(file.close());
}

QString shown(const DeviceAccessories &accessories, DeviceAccessories::Kind kind)
{
    QString type;
    int count = 0;
    if (!accessories.read(kind, type, count))
        return QStringLiteral("none");
    return type + QLatin1Char('x') + QString::number(count);
}

} // namespace

void TestDeviceAccessories::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestDeviceAccessories::cleanup()
{
    m_folder.reset();
}

void TestDeviceAccessories::eachKindIsStoredReadAndRemovedAlone_data()
{
    QTest::addColumn<DeviceAccessories::Kind>("kind");
    QTest::newRow("a lens") << DeviceAccessories::Lens;
    QTest::newRow("a stand") << DeviceAccessories::Stand;
    QTest::newRow("a shield") << DeviceAccessories::Shield;
}

void TestDeviceAccessories::eachKindIsStoredReadAndRemovedAlone()
{
    QFETCH(DeviceAccessories::Kind, kind);
    writeEntries(2);
    const DeviceAccessories second(kTask, 1);
    QCOMPARE(second.store(kind, QStringLiteral("KA-W10"), 3), DeviceAccessories::Stored);
    QCOMPARE(shown(second, kind), QStringLiteral("KA-W10x3"));
    // The other kinds of the entry, and the other entry, have none.
    for (DeviceAccessories::Kind other :
         {DeviceAccessories::Lens, DeviceAccessories::Stand, DeviceAccessories::Shield}) {
        if (other != kind)
            QCOMPARE(shown(second, other), QStringLiteral("none"));
        QCOMPARE(shown(DeviceAccessories(kTask, 0), other), QStringLiteral("none"));
    }
    // Stored again, the type and count replace the first.
    QCOMPARE(second.store(kind, QStringLiteral("KA-C10"), 1000), DeviceAccessories::Stored);
    QCOMPARE(shown(second, kind), QStringLiteral("KA-C10x1000"));
    QCOMPARE(second.remove(kind), DeviceAccessories::Stored);
    QCOMPARE(shown(second, kind), QStringLiteral("none"));
}

void TestDeviceAccessories::anEntryThatIsNotThereIsRefusedWithoutAReason()
{
    writeEntries(1);
    const QByteArray before = ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));
    const DeviceAccessories gone(kTask, 4);
    QString reason = QStringLiteral("untouched");
    QCOMPARE(gone.store(DeviceAccessories::Stand, QStringLiteral("KA-W10"), 1, &reason),
             DeviceAccessories::Refused);
    QCOMPARE(reason, QString());
    QString type;
    int count = 0;
    reason = QStringLiteral("untouched");
    QVERIFY(!gone.read(DeviceAccessories::Stand, type, count, &reason));
    QCOMPARE(reason, QString());
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask)), before);
}

void TestDeviceAccessories::aDamagedFileIsRefusedWithItsReason()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray damaged = "<?xml version=\"1.0\"?><DeviceInfoList><Dev";
    QVERIFY(ProgramFolder::write(path, damaged));
    const QString expected = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!expected.isEmpty());
    const DeviceAccessories accessories(kTask, 0);
    QString reason;
    QCOMPARE(accessories.store(DeviceAccessories::Lens, QStringLiteral("KL-0412"), 1, &reason),
             DeviceAccessories::Refused);
    QCOMPARE(reason, expected);
    reason.clear();
    QCOMPARE(accessories.remove(DeviceAccessories::Lens, &reason), DeviceAccessories::Refused);
    QCOMPARE(reason, expected);
    QString type;
    int count = 0;
    reason.clear();
    QVERIFY(!accessories.read(DeviceAccessories::Lens, type, count, &reason));
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(path), damaged);
}

void TestDeviceAccessories::aFailedSaveIsNotSavedWithItsReason()
{
    writeEntries(1);
    const DeviceAccessories accessories(kTask, 0);
    QCOMPARE(accessories.store(DeviceAccessories::Shield, QStringLiteral("KA-H20"), 2),
             DeviceAccessories::Stored);
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    QString stored;
    QString removed;
    QString expected;
    {
        FileSizeLimit full;
        QVERIFY(full.isActive());
        QCOMPARE(accessories.store(DeviceAccessories::Stand, QStringLiteral("KA-W10"), 1, &stored),
                 DeviceAccessories::NotSaved);
        QCOMPARE(accessories.remove(DeviceAccessories::Shield, &removed),
                 DeviceAccessories::NotSaved);
        expected = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(stored, expected);
    QCOMPARE(removed, expected);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

QTEST_MAIN(TestDeviceAccessories)
#include "tst_deviceaccessories.moc"
