#include "CatalogueFixture.h"
#include "DeviceTypeClasses.h"
#include "ProgramFolder.h"
#include "StreamChoices.h"

#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using kiv::StreamChoices;

// What the catalogue offers the streams of a model: its class by the model
// lists, the resolutions and frame-rate ladders by video standard, the
// estimate of a choice and the stream a device starts with. Over the stream
// models of tests/data/catalogue/streams.sql.
class TestStreamChoices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void classOfAModel_data();
    void classOfAModel();
    void cameraRule_data();
    void cameraRule();
    void dvrLadders_data();
    void dvrLadders();
    void choicesOfAModel_data();
    void choicesOfAModel();
    void frameRatesFollowTheResolution_data();
    void frameRatesFollowTheResolution();
    void estimates_data();
    void estimates();
    void firstStream_data();
    void firstStream();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_catalogue;
};

namespace {

QStringList ladder(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *text : texts)
        out << QLatin1String(text);
    return out;
}

// The tail both camera ladders and both DVR ladders share.
const QStringList kTail =
    ladder({"22", "20", "18", "16", "15", "12.5", "12",  "10",   "9",     "8",     "7",
            "6",  "5",  "4",  "3",  "2",  "1",    "0.5", "0.25", "0.125", "0.0625"});
// The whole-number part of the tail, down to 1.
const QStringList kWholeTail = kTail.mid(0, 17);

} // namespace

void TestStreamChoices::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_catalogue = CatalogueFixture::open(m_folder->path(), {QStringLiteral("streams.sql")});
    QVERIFY(m_catalogue && m_catalogue->isOpen());
}

void TestStreamChoices::cleanupTestCase()
{
    m_catalogue.reset();
    m_folder.reset();
}

void TestStreamChoices::classOfAModel_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("deviceClass");
    QTest::newRow("a network camera") << u"CAM-S"_s << int(kiv::NetworkCamera);
    QTest::newRow("a speed dome") << u"DOME-S"_s << int(kiv::SpeedDome);
    QTest::newRow("a DVR") << u"DVR-E"_s << int(kiv::Dvr);
    QTest::newRow("an NVR is of none of the three lists")
        << u"NVR-S"_s << int(kiv::UnknownDeviceClass);
    QTest::newRow("a model the catalogue does not have")
        << u"XYZ-1"_s << int(kiv::UnknownDeviceClass);
}

void TestStreamChoices::classOfAModel()
{
    QFETCH(QString, type);
    QFETCH(int, deviceClass);
    QCOMPARE(int(kiv::DeviceTypeClasses(*m_catalogue).classOf(type)), deviceClass);
}

void TestStreamChoices::cameraRule_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("25, 30 and 12.5 on PAL: 30 is off the PAL ladder, no choices")
        << 0 << QStringList{u"25"_s, u"30"_s, u"12.5"_s} << QStringList();
    QTest::newRow("25 and 12.5 on PAL: the ladder from 25 down to 0.0625")
        << 0 << QStringList{u"25"_s, u"12.5"_s} << QStringList{u"25"_s} + kTail;
    QTest::newRow("60 on NTSC: the whole NTSC ladder")
        << 1 << QStringList{u"60"_s} << QStringList{u"60"_s, u"30"_s} + kTail;
    QTest::newRow("fractions alone leave 0, which no ladder has")
        << 0 << QStringList{u"12.5"_s, u"0.5"_s} << QStringList();
    QTest::newRow("a number too long for any rate gives no choices")
        << 0 << QStringList{u"99999999999999999999999"_s} << QStringList();
}

void TestStreamChoices::cameraRule()
{
    QFETCH(int, standard);
    QFETCH(QStringList, values);
    QFETCH(QStringList, expected);
    StreamChoices::cameraFrameRates(standard, values);
    QCOMPARE(values, expected);
}

void TestStreamChoices::dvrLadders_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("catalogue");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("PAL with the 1/16 marker: 25 down to 0.0625")
        << 0 << QStringList{u"1/16"_s, u"25"_s} << QStringList{u"25"_s} + kTail;
    QTest::newRow("NTSC with the marker: 30 down to 0.0625")
        << 1 << QStringList{u"30"_s, u"1/16"_s} << QStringList{u"30"_s} + kTail;
    QTest::newRow("PAL without the marker: 25 down to 1")
        << 0 << QStringList{u"25"_s} << QStringList{u"25"_s} + kWholeTail;
    QTest::newRow("only the exact marker counts")
        << 1 << QStringList{u"1/16 fps"_s} << QStringList{u"30"_s} + kWholeTail;
}

void TestStreamChoices::dvrLadders()
{
    QFETCH(int, standard);
    QFETCH(QStringList, catalogue);
    QFETCH(QStringList, expected);
    StreamChoices::dvrFrameRates(standard, catalogue);
    QCOMPARE(catalogue, expected);
}

void TestStreamChoices::choicesOfAModel_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QStringList>("resolutions");
    QTest::addColumn<QStringList>("frameRates");

    const QStringList camera{u"1280x720"_s, u"1920x1080"_s, u"4CIF"_s};
    QTest::newRow("a PAL camera: its PAL modes, the ladder from its highest rate, 25")
        << int(kiv::NetworkCamera) << u"CAM-S"_s << 0 << true << camera
        << QStringList{u"25"_s} + kTail;
    QTest::newRow("an NTSC camera: the ladder from 30")
        << int(kiv::NetworkCamera) << u"CAM-S"_s << 1 << true << camera
        << QStringList{u"30"_s} + kTail;
    QTest::newRow("a camera with PAL modes only offers nothing on NTSC")
        << int(kiv::NetworkCamera) << u"CAM-P"_s << 1 << false << QStringList() << QStringList();
    QTest::newRow("a speed dome on NTSC")
        << int(kiv::SpeedDome) << u"DOME-S"_s << 1 << true << QStringList{u"1280x720"_s}
        << QStringList{u"30"_s} + kTail;
    QTest::newRow("a PAL DVR listing 1/16 offers the fine ladder")
        << int(kiv::Dvr) << u"DVR-S"_s << 0 << true << QStringList{u"WD1"_s, u"4CIF"_s, u"CIF"_s}
        << QStringList{u"25"_s} + kTail;
    QTest::newRow("a DVR without resolutions offers nothing")
        << int(kiv::Dvr) << u"DVR-E"_s << 0 << false << QStringList() << QStringList();
    QTest::newRow("a model of no class offers nothing")
        << int(kiv::UnknownDeviceClass) << u"NVR-S"_s << 0 << false << QStringList()
        << QStringList();
}

void TestStreamChoices::choicesOfAModel()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(bool, available);
    QFETCH(QStringList, resolutions);
    QFETCH(QStringList, frameRates);
    const StreamChoices choices =
        StreamChoices::read(*m_catalogue, kiv::DeviceClass(deviceClass), type, standard);
    QCOMPARE(choices.available, available);
    QCOMPARE(choices.resolutions, resolutions);
    QCOMPARE(choices.frameRates, frameRates);
}

void TestStreamChoices::frameRatesFollowTheResolution_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QStringList>("frameRates");
    // CAM-S on PAL: 4CIF at 12 fps, 1280x720 and 1920x1080 at 25, all in
    // one map: the ladder starts at the highest rate of the map.
    QTest::newRow("a camera resolution of 12 fps gets the ladder from its map's 25")
        << int(kiv::NetworkCamera) << u"4CIF"_s << true << QStringList{u"25"_s} + kTail;
    QTest::newRow("a resolution the camera does not have leaves the rates")
        << int(kiv::NetworkCamera) << u"CIF"_s << false << QStringList{u"kept"_s};
    QTest::newRow("every DVR resolution has the one ladder")
        << int(kiv::Dvr) << u"CIF"_s << true << QStringList{u"25"_s} + kTail;
    QTest::newRow("a resolution the DVR does not have leaves the rates")
        << int(kiv::Dvr) << u"1920x1080"_s << false << QStringList{u"kept"_s};
}

void TestStreamChoices::frameRatesFollowTheResolution()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, resolution);
    QFETCH(bool, known);
    QFETCH(QStringList, frameRates);
    const QString type = deviceClass == kiv::Dvr ? u"DVR-S"_s : u"CAM-S"_s;
    const StreamChoices choices =
        StreamChoices::read(*m_catalogue, kiv::DeviceClass(deviceClass), type, 0);
    QStringList rates{u"kept"_s};
    QCOMPARE(choices.frameRatesFor(resolution, rates), known);
    QCOMPARE(rates, frameRates);
}

void TestStreamChoices::estimates_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("bitRate");
    // Camera rates at full frame rate: 1920x1080 6144, 1280x720 3072, 4CIF
    // 1536; DVR rates: WD1 2240, CIF 512.
    QTest::newRow("a PAL camera at 4CIF and 12 fps: 12 x 1536 / 25 = 737.28")
        << int(kiv::NetworkCamera) << 0 << u"4CIF"_s << u"12"_s << 737;
    QTest::newRow("an NTSC camera at 1280x720 and 15 fps: half of 3072")
        << int(kiv::NetworkCamera) << 1 << u"1280x720"_s << u"15"_s << 1536;
    QTest::newRow("a PAL dome at 1280x720 and 5 fps: 1228.8 x 0.9^5 = 725.6")
        << int(kiv::SpeedDome) << 0 << u"1280x720"_s << u"5"_s << 725;
    QTest::newRow("an NTSC DVR at CIF and 1 fps: 512 / 5 + 4 x 512 / 150 = 116.05")
        << int(kiv::Dvr) << 1 << u"CIF"_s << u"1"_s << 116;
    QTest::newRow("a model of no class keeps its rate")
        << int(kiv::UnknownDeviceClass) << 0 << u"WD1"_s << u"25"_s << -3;
    QTest::newRow("a frame rate that is no number is 0 fps: a fifth of 2240 stays")
        << int(kiv::Dvr) << 0 << u"WD1"_s << u"fast"_s << 448;
}

void TestStreamChoices::estimates()
{
    QFETCH(int, deviceClass);
    QFETCH(int, standard);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(int, bitRate);
    StreamChoices choices;
    choices.deviceClass = kiv::DeviceClass(deviceClass);
    choices.videoStandard = standard;
    QCOMPARE(choices.estimate(resolution, frameRate, -3), bitRate);
}

void TestStreamChoices::firstStream_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("bitRate");
    QTest::newRow("a PAL camera starts at its first mode, 1280x720 at 25 fps")
        << int(kiv::NetworkCamera) << u"CAM-S"_s << 0 << u"1280x720"_s << u"25"_s << 3072;
    QTest::newRow("a camera whose rate is off the ladder keeps the catalogue's rate")
        << int(kiv::NetworkCamera) << u"CAM-30"_s << 0 << u"1920x1080"_s << u"25"_s << 6144;
    QTest::newRow("an NTSC DVR starts at its first resolution and 30 fps")
        << int(kiv::Dvr) << u"DVR-S"_s << 1 << u"WD1"_s << u"30"_s << 2240;
    // Empty texts: the largest resolution at 0 fps.
    QTest::newRow("a camera without modes starts empty at 4915.2 x 0.9^9 = 1904.25")
        << int(kiv::NetworkCamera) << u"CAM-E"_s << 0 << QString() << QString() << 1904;
    QTest::newRow("a DVR without resolutions starts empty at a fifth of 4096")
        << int(kiv::Dvr) << u"DVR-E"_s << 1 << QString() << QString() << 819;
    QTest::newRow("a model of no class starts empty, estimated as an NTSC camera: 1586.87")
        << int(kiv::UnknownDeviceClass) << u"NVR-S"_s << 1 << QString() << QString() << 1586;
}

void TestStreamChoices::firstStream()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(int, bitRate);
    const DevStream stream =
        StreamChoices::read(*m_catalogue, kiv::DeviceClass(deviceClass), type, standard)
            .firstStream();
    QCOMPARE(stream.useCode, u"111"_s);
    QCOMPARE(stream.streamCount, 1);
    QCOMPARE(stream.resolution, resolution);
    QCOMPARE(stream.frameRate, frameRate);
    QCOMPARE(stream.bitRate, bitRate);
}

QTEST_MAIN(TestStreamChoices)
#include "tst_streamchoices.moc"
