#include "DeviceStreams.h"
#include "FailingSaves.h"
#include "ProgramFolder.h"
#include "TestStream.h"

#include <QtTest>

#include <memory>

using kiv::DeviceStreams;

// The streams of one device entry as the stream editor changes them: each
// change in one save, streams that are gone failing it before anything is
// written, and the file's reason when it fails.
class TestDeviceStreams : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsTheStreamsOfItsEntryOnly();
    void changesReachTheirStreamOnly();
    void useCodesOfSeveralStreamsInOneSave();
    void aStreamThatIsGoneFailsTheWholeChange();
    void aDamagedFileFailsWithItsReason();
    void aFailedSaveGivesItsReason();
    void anAddPastTheReadersLimitIsRefused_data();
    void anAddPastTheReadersLimitIsRefused();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

namespace {

const QString kTask = QStringLiteral("Lobby");

QString text(const DevStream &s)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(s.useCode)
        .arg(s.streamCount)
        .arg(s.resolution, s.frameRate)
        .arg(s.bitRate);
}

// Two devices: the first with two streams, the second with one.
void writeTask()
{
    TaskDeviceFile file(kTask);
    for (int i = 0; i < 2; ++i) {
        DeviceInfo d;
        d.deviceType = QStringLiteral("CAM-A");
        d.mainType = QStringLiteral("IPC");
        d.count = 1;
        QVERIFY(file.addDevice(d));
    }
    QVERIFY(file.addStream(
        stream(QStringLiteral("111"), 1, QStringLiteral("1280x720"), QStringLiteral("25"), 3072),
        0));
    QVERIFY(file.addStream(
        stream(QStringLiteral("100"), 2, QStringLiteral("4CIF"), QStringLiteral("12"), 737), 0));
    QVERIFY(file.addStream(
        stream(QStringLiteral("010"), 4, QStringLiteral("CIF"), QStringLiteral("25"), 512), 1));
    QVERIFY(file.close());
}

QStringList stored(int device)
{
    QVector<DevStream> streams;
    DeviceStreams(kTask, device).read(streams);
    QStringList out;
    for (const DevStream &s : streams)
        out << text(s);
    return out;
}

} // namespace

void TestDeviceStreams::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    writeTask();
}

void TestDeviceStreams::cleanup()
{
    m_folder.reset();
}

void TestDeviceStreams::readsTheStreamsOfItsEntryOnly()
{
    QCOMPARE(stored(1), QStringList{QStringLiteral("010 4 CIF 25 512")});
    QVector<DevStream> streams{stream(QStringLiteral("111"), 1, {}, {}, 0)};
    QVERIFY(!DeviceStreams(kTask, 2).read(streams));
    QVERIFY(!DeviceStreams(kTask, -1).read(streams));
    // A task without devices has no entry 0.
    QVERIFY(!DeviceStreams(QStringLiteral("Nowhere"), 0).read(streams));
}

void TestDeviceStreams::changesReachTheirStreamOnly()
{
    const DeviceStreams first(kTask, 0);
    QVERIFY(first.setStreamCount(1, 9));
    QVERIFY(first.setBitRate(0, 2048));
    // A frame rate comes with the estimate for it.
    QVERIFY(first.setFrameRate(1, QStringLiteral("6"), 368));
    QCOMPARE(stored(0), (QStringList{QStringLiteral("111 1 1280x720 25 2048"),
                                     QStringLiteral("100 9 4CIF 6 368")}));
    // A resolution with the frame rate it resets to, or keeping the rate.
    QVERIFY(first.setResolution(0, QStringLiteral("1920x1080"), QStringLiteral("25"), 6144));
    QVERIFY(first.setResolution(1, QStringLiteral("CIF"), QString(), 122));
    QCOMPARE(stored(0), (QStringList{QStringLiteral("111 1 1920x1080 25 6144"),
                                     QStringLiteral("100 9 CIF 6 122")}));
    QVERIFY(first.add(
        stream(QStringLiteral("001"), 1, QStringLiteral("QCIF"), QStringLiteral("1"), 64)));
    QVERIFY(first.remove(0));
    QCOMPARE(stored(0),
             (QStringList{QStringLiteral("100 9 CIF 6 122"), QStringLiteral("001 1 QCIF 1 64")}));
    QCOMPARE(stored(1), QStringList{QStringLiteral("010 4 CIF 25 512")});
}

void TestDeviceStreams::useCodesOfSeveralStreamsInOneSave()
{
    QVERIFY(DeviceStreams(kTask, 0).setUseCodes({0, 1},
                                                {QStringLiteral("011"), QStringLiteral("110")}));
    QCOMPARE(stored(0), (QStringList{QStringLiteral("011 1 1280x720 25 3072"),
                                     QStringLiteral("110 2 4CIF 12 737")}));
}

void TestDeviceStreams::aStreamThatIsGoneFailsTheWholeChange()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    const DeviceStreams first(kTask, 0);
    QString reason = QStringLiteral("untouched");
    // Stream 0 would be written before stream 5 is found missing.
    QVERIFY(!first.setUseCodes({0, 5}, {QStringLiteral("000"), QStringLiteral("000")}, &reason));
    QCOMPARE(reason, QString());
    QVERIFY(!first.remove(2, &reason));
    QVERIFY(!first.setBitRate(7, 64, &reason));
    QVERIFY(!DeviceStreams(kTask, 5).add(stream(QStringLiteral("111"), 1, {}, {}, 0), &reason));
    QCOMPARE(reason, QString());
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestDeviceStreams::aDamagedFileFailsWithItsReason()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray damaged = ProgramFolder::readAll(path).left(60);
    QVERIFY(ProgramFolder::write(path, damaged));
    const QString expected = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!expected.isEmpty());
    QString reason;
    QVERIFY(!DeviceStreams(kTask, 0).setStreamCount(0, 3, &reason));
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(path), damaged);
}

void TestDeviceStreams::aFailedSaveGivesItsReason()
{
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    QString reason;
    QString expected;
    {
        FileSizeLimit full;
        QVERIFY(full.isActive());
        QVERIFY(!DeviceStreams(kTask, 1).setBitRate(0, 1024, &reason));
        expected = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestDeviceStreams::anAddPastTheReadersLimitIsRefused_data()
{
    // The file holds the root, one entry with its eight fields and its
    // stream list, and six elements a stream: 11 + 6 x streams elements. The
    // reader takes at most 250,000.
    QTest::addColumn<int>("streams");
    QTest::addColumn<bool>("stored");
    QTest::newRow("an add that leaves 249,995 elements is stored") << 41663 << true;
    QTest::newRow("an add that would leave 250,001 elements is refused") << 41664 << false;
}

void TestDeviceStreams::anAddPastTheReadersLimitIsRefused()
{
    QFETCH(int, streams);
    QFETCH(bool, stored);
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before =
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList>\n<DeviceInfo>\n"
        "<DeviceType>CAM-A</DeviceType>\n<Remark/>\n<MainType>IPC</MainType>\n<Count>1</Count>\n"
        "<MainStream>0</MainStream>\n<SubStream>0</SubStream>\n"
        "<RecordPlan>111111111111111111111111</RecordPlan>\n<EventFren>100</EventFren>\n"
        "<DevStreamList>\n" +
        QByteArray("<DevStream><UseCode>111</UseCode><StreamCount>1</StreamCount><Resolution>CIF"
                   "</Resolution><FrameRate>25</FrameRate><BitRate>512</BitRate></DevStream>\n")
            .repeated(streams) +
        "</DevStreamList>\n</DeviceInfo>\n</DeviceInfoList>\n";
    QVERIFY(ProgramFolder::write(path, before));

    QString reason;
    QCOMPARE(DeviceStreams(kTask, 0).add(
                 stream(QStringLiteral("111"), 1, QStringLiteral("CIF"), QStringLiteral("25"), 512),
                 &reason),
             stored);
    QVector<DevStream> read;
    QVERIFY(DeviceStreams(kTask, 0).read(read));
    if (stored) {
        QCOMPARE(reason, QString());
        QCOMPARE(read.size(), streams + 1);
        return;
    }
    QCOMPARE(reason,
             QStringLiteral("The change was not saved: the file %1 would then hold more than the "
                            "program reads (8 MB, 250000 elements, elements nested 64 deep, 256 "
                            "attributes on one element). The file is as it was.")
                 .arg(QDir::toNativeSeparators(path)));
    QCOMPARE(ProgramFolder::readAll(path), before);
    QCOMPARE(read.size(), streams);
}

QTEST_MAIN(TestDeviceStreams)
#include "tst_devicestreams.moc"
