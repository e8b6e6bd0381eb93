// The stream table model: choices and defaults from the catalogue, the
// bit-rate estimate, checks of typed values, the use headers, deletion, and
// what a failed write leaves behind.

#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>

#include "StreamFixture.h"

#include <BandwidthCalculation.h>
#include <ServerCounts.h>
#include <StorageCalculation.h>
#include <TaskReport.h>
#include <WarningDlg.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

using KavrinGUIToolkit::CWarningDlg;
using kiv::DeviceStreamModel;
using kiv::DeviceStreamWidget;

Q_DECLARE_METATYPE(DevStream)

// One edit of the table.
using Edit = std::function<void(DeviceStreamModel &)>;
Q_DECLARE_METATYPE(Edit)
using StreamFixture::Device;
using StreamFixture::stream;

namespace {

const QString kTask = QStringLiteral("Lobby");
const QString kFailed = QStringLiteral("Warn|Failed.");

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

QStringList ladder(const char *const *texts, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QLatin1String(texts[i]);
    return out;
}

const char *const kPalCamera[] = {"50", "25", "22", "20",  "18",   "16",    "15",    "12.5",
                                  "12", "10", "9",  "8",   "7",    "6",     "5",     "4",
                                  "3",  "2",  "1",  "0.5", "0.25", "0.125", "0.0625"};
const char *const kNtscCamera[] = {"60", "30", "22", "20",  "18",   "16",    "15",    "12.5",
                                   "12", "10", "9",  "8",   "7",    "6",     "5",     "4",
                                   "3",  "2",  "1",  "0.5", "0.25", "0.125", "0.0625"};
const char *const kPalDvrFine[] = {"25", "22", "20",  "18",   "16",    "15",    "12.5", "12",
                                   "10", "9",  "8",   "7",    "6",     "5",     "4",    "3",
                                   "2",  "1",  "0.5", "0.25", "0.125", "0.0625"};
const char *const kNtscDvrFine[] = {"30", "22", "20",  "18",   "16",    "15",    "12.5", "12",
                                    "10", "9",  "8",   "7",    "6",     "5",     "4",    "3",
                                    "2",  "1",  "0.5", "0.25", "0.125", "0.0625"};

// A model whose catalogue gives DVRs the frame rates the test chooses: no
// catalogue lists "1/16" among NTSC frame rates.
class StubbedFrameRates : public DeviceStreamModel
{
public:
    QStringList frameRates;

protected:
    bool catalogueDvrFrameRates(const QString &, int, QStringList &out) const override
    {
        out = frameRates;
        return true;
    }
};

QString cell(const DeviceStreamModel &model, int row, int column)
{
    return model.index(row, column).data().toString();
}

Qt::CheckState box(const DeviceStreamModel &model, int row, int column)
{
    return Qt::CheckState(model.index(row, column).data(Qt::CheckStateRole).toInt());
}

Qt::CheckState header(const DeviceStreamModel &model, int section)
{
    return Qt::CheckState(model.headerData(section, Qt::Horizontal, Qt::CheckStateRole).toInt());
}

QStringList choices(const DeviceStreamModel &model, int row, int column)
{
    return model.index(row, column).data(KavrinGUIToolkit::ComboBoxItemsRole).toStringList();
}

bool edit(DeviceStreamModel &model, int row, int column, const QString &text)
{
    return model.setData(model.index(row, column), text, Qt::EditRole);
}

bool tick(DeviceStreamModel &model, int row, int column, Qt::CheckState state)
{
    return model.setData(model.index(row, column), int(state), Qt::CheckStateRole);
}

QString useCodes(const QVector<DevStream> &streams)
{
    QStringList codes;
    for (const DevStream &s : streams)
        codes << s.useCode;
    return codes.join(QLatin1Char(' '));
}

} // namespace

class TestDeviceStreamModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newStreamTakesTheCataloguesFirstChoice_data();
    void newStreamTakesTheCataloguesFirstChoice();
    void addingWithoutChoicesStoresEmptyTexts_data();
    void addingWithoutChoicesStoresEmptyTexts();
    void aStreamWithoutChoicesIsCountedByItsBitRate();

    void choicesOfARow_data();
    void choicesOfARow();
    void ntscFineLadderNeedsTheMarkerAmongTheFrameRates();

    void loadingShowsTheStoredStreams();
    void useCodeCells_data();
    void useCodeCells();
    void showingAnotherDeviceReplacesTheTable();
    void unreadableDeviceFileLeavesTheTableEmpty();

    void typedNumbers_data();
    void typedNumbers();
    void refusedValueRestoresItsOwnCell();

    void resolutionChangeEstimatesWithTheFrameRateShown_data();
    void resolutionChangeEstimatesWithTheFrameRateShown();
    void frameRateChangeEstimatesWithTheResolutionShown_data();
    void frameRateChangeEstimatesWithTheResolutionShown();
    void rowsOfAModelOfNoListedClassStayAsStored();

    void tickingAUseBoxWritesTheUseCode();
    void headersFollowTheRows_data();
    void headersFollowTheRows();
    void clickingAUseHeaderWritesEveryRow_data();
    void clickingAUseHeaderWritesEveryRow();

    void deletingAStreamEmitsTwiceAndRenumbers();
    void clicksBesideTheDeleteIconDeleteNothing_data();
    void clicksBesideTheDeleteIconDeleteNothing();

    void failedWriteLeavesFileAndCells_data();
    void failedWriteLeavesFileAndCells();
    void editOfAStreamThatIsGoneFails_data();
    void editOfAStreamThatIsGoneFails();

private:
    std::unique_ptr<ProgramFolder> m_catalogueFolder;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestDeviceStreamModel::initTestCase()
{
    m_catalogueFolder = StreamFixture::openCatalogue();
    QVERIFY(m_catalogueFolder);
}

void TestDeviceStreamModel::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestDeviceStreamModel::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

// ---- new streams ----

void TestDeviceStreamModel::newStreamTakesTheCataloguesFirstChoice_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("mainType");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("bitRate");

    // Camera and dome modes come in ascending resolution text; the frame
    // rate is the one the catalogue gives that resolution.
    QTest::newRow("a network camera on a PAL task takes its first PAL mode")
        << u"CAM-S"_s << u"IPC"_s << 0 << u"1280x720"_s << u"25"_s << 3072;
    QTest::newRow("a network camera on an NTSC task takes its first NTSC mode")
        << u"CAM-S"_s << u"IPC"_s << 1 << u"1280x720"_s << u"30"_s << 3072;
    QTest::newRow("a speed dome on a PAL task")
        << u"DOME-S"_s << u"Dome"_s << 0 << u"1920x1080"_s << u"25"_s << 6144;
    QTest::newRow("a speed dome on an NTSC task")
        << u"DOME-S"_s << u"Dome"_s << 1 << u"1280x720"_s << u"30"_s << 3072;
    QTest::newRow("a DVR on a PAL task takes its first resolution at 25 fps")
        << u"DVR-S"_s << u"DVR"_s << 0 << u"WD1"_s << u"25"_s << 2240;
    QTest::newRow("a DVR on an NTSC task takes its first resolution at 30 fps")
        << u"DVR-S"_s << u"DVR"_s << 1 << u"WD1"_s << u"30"_s << 2240;
    QTest::newRow("a camera whose highest rate is off the ladder keeps the catalogue's rate")
        << u"CAM-30"_s << u"IPC"_s << 0 << u"1920x1080"_s << u"25"_s << 6144;
}

void TestDeviceStreamModel::newStreamTakesTheCataloguesFirstChoice()
{
    QFETCH(QString, type);
    QFETCH(QString, mainType);
    QFETCH(int, standard);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(int, bitRate);
    QVERIFY(StreamFixture::makeTask(kTask, standard, {Device{type, mainType, {}}}));

    DeviceStreamModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, type, 0));
    QCOMPARE(model.rowCount(), 0);
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    QVERIFY(model.addStream(kTask, type, 0));

    QCOMPARE(changed.count(), 1);
    const QVector<DevStream> stored = StreamFixture::storedStreams(kTask, 0);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.at(0).useCode, QStringLiteral("111"));
    QCOMPARE(stored.at(0).streamCount, 1);
    QCOMPARE(stored.at(0).resolution, resolution);
    QCOMPARE(stored.at(0).frameRate, frameRate);
    QCOMPARE(stored.at(0).bitRate, bitRate);

    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(cell(model, 0, DeviceStreamModel::IndexColumn), QStringLiteral("1-1"));
    for (int column = DeviceStreamModel::PreviewColumn;
         column <= DeviceStreamModel::TransmissionColumn; ++column)
        QCOMPARE(box(model, 0, column), Qt::Checked);
    QCOMPARE(cell(model, 0, DeviceStreamModel::StreamCountColumn), QStringLiteral("1"));
    QCOMPARE(cell(model, 0, DeviceStreamModel::ResolutionColumn), resolution);
    QCOMPARE(cell(model, 0, DeviceStreamModel::FrameRateColumn), frameRate);
    QCOMPARE(cell(model, 0, DeviceStreamModel::BitRateColumn), QString::number(bitRate));
    QVERIFY(shownMessages().isEmpty());
}

void TestDeviceStreamModel::addingWithoutChoicesStoresEmptyTexts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("mainType");
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("bitRate");

    // Empty texts are the engine's largest resolution (index 0) at 0 fps. A
    // camera below 1 fps: (10 x 12288 / base) x 0.9^9, 4915.2 x 0.3874 on
    // PAL, 4096 x 0.3874 on NTSC. A DVR keeps a fifth of its 4096 at 0 fps.
    QTest::newRow("a camera without any video mode, on a PAL task: 1904.25")
        << u"CAM-E"_s << u"IPC"_s << 0 << 1904;
    QTest::newRow("a camera with PAL modes only, on an NTSC task: 1586.87")
        << u"CAM-P"_s << u"IPC"_s << 1 << 1586;
    QTest::newRow("a DVR without resolutions: 4096 / 5 = 819.2")
        << u"DVR-E"_s << u"DVR"_s << 0 << 819;
    QTest::newRow("an NVR, of no class with streams to choose, counts as a camera")
        << u"NVR-S"_s << u"NVR"_s << 0 << 1904;
    QTest::newRow("a model the catalogue does not have counts as a camera")
        << u"XYZ-1"_s << u"IPC"_s << 1 << 1586;
}

void TestDeviceStreamModel::addingWithoutChoicesStoresEmptyTexts()
{
    QFETCH(QString, type);
    QFETCH(QString, mainType);
    QFETCH(int, standard);
    QFETCH(int, bitRate);
    QVERIFY(StreamFixture::makeTask(kTask, standard, {Device{type, mainType, {}}}));

    // The panel that owns the table would tell the planner of any failure.
    DeviceStreamWidget panel;
    DeviceStreamModel &model = *panel.model();
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, type, 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    QVERIFY(model.addStream(kTask, type, 0));

    QCOMPARE(changed.count(), 1);
    QVERIFY(shownMessages().isEmpty());
    const DevStream added = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).size(), 1);
    QCOMPARE(added.useCode, u"111"_s);
    QCOMPARE(added.streamCount, 1);
    QCOMPARE(added.resolution, QString());
    QCOMPARE(added.frameRate, QString());
    QCOMPARE(added.bitRate, bitRate);

    QCOMPARE(model.rowCount(), 1);
    for (const int column :
         {int(DeviceStreamModel::ResolutionColumn), int(DeviceStreamModel::FrameRateColumn)}) {
        const QModelIndex index = model.index(0, column);
        QCOMPARE(index.data().toString(), QString());
        QVERIFY(choices(model, 0, column).isEmpty());
        QVERIFY(!(model.flags(index) & Qt::ItemIsEditable));
    }
    QCOMPARE(cell(model, 0, DeviceStreamModel::BitRateColumn), QString::number(bitRate));

    // The planner types the stream's own rate.
    QVERIFY(model.flags(model.index(0, DeviceStreamModel::BitRateColumn)) & Qt::ItemIsEditable);
    QVERIFY(edit(model, 0, DeviceStreamModel::BitRateColumn, QStringLiteral("2048")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(0).bitRate, 2048);

    // The file reads back as stored.
    DeviceStreamModel reloaded;
    QVERIFY(reloaded.setDevice(kTask, type, 0));
    QCOMPARE(reloaded.rowCount(), 1);
    QCOMPARE(cell(reloaded, 0, DeviceStreamModel::ResolutionColumn), QString());
    QCOMPARE(cell(reloaded, 0, DeviceStreamModel::FrameRateColumn), QString());
    QCOMPARE(cell(reloaded, 0, DeviceStreamModel::BitRateColumn), QStringLiteral("2048"));
    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(stored.resolution, QString());
    QCOMPARE(stored.frameRate, QString());
    QVERIFY(shownMessages().isEmpty());
}

void TestDeviceStreamModel::aStreamWithoutChoicesIsCountedByItsBitRate()
{
    QVERIFY(StreamFixture::makeTask(kTask, 0, {Device{u"CAM-E"_s, u"IPC"_s, {}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-E"), 0));
    QVERIFY(model.addStream(kTask, QStringLiteral("CAM-E"), 0));
    QVERIFY(edit(model, 0, DeviceStreamModel::BitRateColumn, QStringLiteral("2048")));

    QVector<kiv::TaskDeviceEntry> devices;
    QVERIFY(kiv::readTaskDevices(kTask, devices));
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.at(0).streams.size(), 1);

    // One stream of 2048 Kbps recorded 24 hours a day, for one day.
    // Bandwidth: ceil(2048 / 0.7) = 2926 Kbps, 2.857 Mbps, up to 2.9.
    const kiv::BandwidthFigures bandwidth = kiv::calculateBandwidth(devices);
    QVERIFY(bandwidth.ok);
    QCOMPARE(bandwidth.record, QStringLiteral("2.90Mbps"));
    QCOMPARE(bandwidth.total, QStringLiteral("2.90Mbps"));

    // NVR path: 24 x 2048 x 3600 x 1.00301 / 8000000 x 1.024 = 22.717 GB.
    kiv::StorageInputs inputs;
    inputs.storageClass = kiv::NvrStorage;
    inputs.model = QStringLiteral("NVR-S");
    inputs.diskSizeGb = 2000;
    inputs.recordTime = 1;
    inputs.timeUnit = 0;
    const kiv::StorageFigures nvr = kiv::calculateStorage(
        devices, inputs, [](const QString &, const std::vector<IpcTypeCount> &) { return 1; });
    QVERIFY(nvr.ok());
    QCOMPARE(nvr.capacityText, QStringLiteral("22.72G"));
    QCOMPARE(nvr.disks, 1);

    // CVR path: trunc(2048 / 1024) x 1 / 8388608 x 24 x 3600 = 0.0205994 TB.
    inputs.storageClass = kiv::CvrStorage;
    inputs.bays = 8;
    const kiv::StorageFigures cvr = kiv::calculateStorage(devices, inputs, {});
    QVERIFY(cvr.ok());
    QCOMPARE(cvr.capacityText, QStringLiteral("20.5994G"));
    QCOMPARE(cvr.devices, 1);

    // One device and one stream need one client; 2048 of 131072 Kbps fills
    // no stream server, and the count always adds one.
    bool ok = false;
    QCOMPARE(kiv::clientCount(devices, &ok), 1);
    QVERIFY(ok);
    QCOMPARE(kiv::streamServerCount(devices, &ok), 1);
    QVERIFY(ok);

    QVector<kiv::ReportDevice> listed;
    QVERIFY(kiv::readReportDevices(kTask, listed));
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.at(0).type, QStringLiteral("CAM-E"));
    QCOMPARE(listed.at(0).count, 1);
}

// ---- choices ----

void TestDeviceStreamModel::choicesOfARow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("resolutions");
    QTest::addColumn<QStringList>("frameRates");

    const QStringList camera{u"1280x720"_s, u"1920x1080"_s, u"4CIF"_s};
    const QStringList dvr{u"WD1"_s, u"4CIF"_s, u"CIF"_s};
    QTest::newRow("a PAL camera offers the PAL ladder from its highest rate, 25")
        << u"CAM-S"_s << 0 << camera << ladder(kPalCamera, 23).mid(1);
    QTest::newRow("an NTSC camera offers the NTSC ladder from 30")
        << u"CAM-S"_s << 1 << camera << ladder(kNtscCamera, 23).mid(1);
    QTest::newRow("a camera whose highest whole rate, 30, is off the PAL ladder offers none")
        << u"CAM-30"_s << 0 << QStringList{u"1920x1080"_s, u"640x480"_s} << QStringList();
    QTest::newRow("a PAL DVR listing 1/16 offers the fine ladder")
        << u"DVR-S"_s << 0 << dvr << ladder(kPalDvrFine, 22);
    QTest::newRow("an NTSC DVR offers the whole ladder: the catalogue files 1/16 under PAL")
        << u"DVR-S"_s << 1 << dvr << (QStringList{u"30"_s} + ladder(kPalDvrFine, 22).mid(1, 17));
    QTest::newRow("a DVR without 1/16 offers the whole ladder down to 1")
        << u"DVR-W"_s << 0 << QStringList{u"4CIF"_s} << ladder(kPalDvrFine, 18);
}

void TestDeviceStreamModel::choicesOfARow()
{
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(QStringList, resolutions);
    QFETCH(QStringList, frameRates);
    QVERIFY(StreamFixture::makeTask(kTask, standard,
                                    {Device{type,
                                            QStringLiteral("IPC"),
                                            {stream(QStringLiteral("111"), 1, resolutions.first(),
                                                    QStringLiteral("10"), 1024)}}}));

    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, type, 0));
    QCOMPARE(choices(model, 0, DeviceStreamModel::ResolutionColumn), resolutions);
    QCOMPARE(choices(model, 0, DeviceStreamModel::FrameRateColumn), frameRates);
}

void TestDeviceStreamModel::ntscFineLadderNeedsTheMarkerAmongTheFrameRates()
{
    QVERIFY(StreamFixture::makeTask(kTask, 1, {Device{u"DVR-S"_s, u"DVR"_s, {}}}));
    StubbedFrameRates model;
    model.frameRates = QStringList{QStringLiteral("30"), QStringLiteral("1/16")};
    QVERIFY(model.setDevice(kTask, QStringLiteral("DVR-S"), 0));
    QVERIFY(model.addStream(kTask, QStringLiteral("DVR-S"), 0));

    QCOMPARE(choices(model, 0, DeviceStreamModel::FrameRateColumn), ladder(kNtscDvrFine, 22));
    QCOMPARE(cell(model, 0, DeviceStreamModel::FrameRateColumn), QStringLiteral("30"));

    // Only the exact marker counts.
    model.frameRates = QStringList{QStringLiteral("30"), QStringLiteral("1/16 fps")};
    QVERIFY(model.setDevice(kTask, QStringLiteral("DVR-S"), 0));
    QCOMPARE(choices(model, 0, DeviceStreamModel::FrameRateColumn).size(), 18);
}

// ---- loading ----

void TestDeviceStreamModel::loadingShowsTheStoredStreams()
{
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"DVR-S"_s, u"DVR"_s, {stream(u"111"_s, 4, u"CIF"_s, u"25"_s, 512)}},
         Device{u"CAM-S"_s,
                u"IPC"_s,
                {stream(u"100"_s, 2, u"1920x1080"_s, u"25"_s, 6144),
                 stream(u"011"_s, 0, u"4CIF"_s, u"12.5"_s, 0),
                 stream(u"010"_s, 99999, u"1280x720"_s, u"0.0625"_s, 16384)}}}));
    DeviceStreamModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 1));

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 9);
    const QStringList titles{u"Index"_s,        u"Preview"_s,      u"Record"_s,
                             u"Transmission"_s, u"Stream Count"_s, u"Resolution"_s,
                             u"FrameRate"_s,    u"Bitrate"_s,      u"Delete"_s};
    for (int c = 0; c < 9; ++c)
        QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), titles.at(c));
    // The third stream of the second device.
    QCOMPARE(cell(model, 2, DeviceStreamModel::IndexColumn), QStringLiteral("2-3"));
    QCOMPARE(cell(model, 1, DeviceStreamModel::StreamCountColumn), QStringLiteral("0"));
    QCOMPARE(cell(model, 1, DeviceStreamModel::ResolutionColumn), QStringLiteral("4CIF"));
    QCOMPARE(cell(model, 1, DeviceStreamModel::FrameRateColumn), QStringLiteral("12.5"));
    QCOMPARE(cell(model, 2, DeviceStreamModel::StreamCountColumn), QStringLiteral("99999"));
    QCOMPARE(cell(model, 2, DeviceStreamModel::BitRateColumn), QStringLiteral("16384"));
    const QModelIndex count = model.index(0, DeviceStreamModel::StreamCountColumn);
    QCOMPARE(count.data(KavrinGUIToolkit::EditMaxLengthRole).toInt(), 5);
    QCOMPARE(model.index(0, DeviceStreamModel::BitRateColumn)
                 .data(KavrinGUIToolkit::EditMaxLengthRole)
                 .toInt(),
             5);
    QVERIFY(model.flags(count) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(0, DeviceStreamModel::IndexColumn)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, DeviceStreamModel::RecordColumn)) & Qt::ItemIsUserCheckable);
    QVERIFY(model.index(0, DeviceStreamModel::DeleteColumn)
                .data(KavrinGUIToolkit::SecondIconRole)
                .isValid());
    for (int section = 1; section <= 3; ++section)
        QVERIFY(model.headerData(section, Qt::Horizontal, KavrinGUIToolkit::HeaderCheckBoxRole)
                    .toBool());
}

void TestDeviceStreamModel::useCodeCells_data()
{
    QTest::addColumn<QString>("useCode");
    QTest::addColumn<bool>("boxes");
    QTest::addColumn<QString>("ticked");
    QTest::newRow("101 ticks preview and transmission") << u"101"_s << true << u"101"_s;
    QTest::newRow("a character other than 1 counts as unticked") << u"1x1"_s << true << u"101"_s;
    QTest::newRow("a longer code shows its first three") << u"0111"_s << true << u"011"_s;
    QTest::newRow("a code shorter than three characters shows no boxes")
        << u"10"_s << false << u""_s;
}

void TestDeviceStreamModel::useCodeCells()
{
    QFETCH(QString, useCode);
    QFETCH(bool, boxes);
    QFETCH(QString, ticked);
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s, u"IPC"_s, {stream(useCode, 1, u"1920x1080"_s, u"25"_s, 6144)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    for (int column = 1; column <= 3; ++column) {
        const QModelIndex index = model.index(0, column);
        QCOMPARE(bool(model.flags(index) & Qt::ItemIsUserCheckable), boxes);
        if (boxes)
            QCOMPARE(box(model, 0, column),
                     ticked.at(column - 1) == QLatin1Char('1') ? Qt::Checked : Qt::Unchecked);
        else
            QVERIFY(!index.data(Qt::CheckStateRole).isValid());
    }
}

void TestDeviceStreamModel::showingAnotherDeviceReplacesTheTable()
{
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s,
                u"IPC"_s,
                {stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144),
                 stream(u"111"_s, 1, u"4CIF"_s, u"12"_s, 600)}},
         Device{u"DVR-S"_s, u"DVR"_s, {stream(u"010"_s, 3, u"CIF"_s, u"25"_s, 512)}},
         Device{u"DOME-S"_s, u"Dome"_s, {}}}));
    DeviceStreamModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(model.setDevice(kTask, QStringLiteral("DVR-S"), 1));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(cell(model, 0, DeviceStreamModel::IndexColumn), QStringLiteral("2-1"));
    QCOMPARE(cell(model, 0, DeviceStreamModel::StreamCountColumn), QStringLiteral("3"));
    QCOMPARE(choices(model, 0, DeviceStreamModel::ResolutionColumn),
             (QStringList{u"WD1"_s, u"4CIF"_s, u"CIF"_s}));
    QVERIFY(model.setDevice(kTask, QStringLiteral("DOME-S"), 2));
    QCOMPARE(model.rowCount(), 0);
    // A device position the file does not have shows nothing.
    QVERIFY(!model.setDevice(kTask, QStringLiteral("DOME-S"), 3));
    QCOMPARE(model.rowCount(), 0);
}

void TestDeviceStreamModel::unreadableDeviceFileLeavesTheTableEmpty()
{
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s, u"IPC"_s, {stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144)}}}));
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray cut = ProgramFolder::readAll(path).left(60);
    QVERIFY(ProgramFolder::write(path, cut));

    // The panel that owns the table tells the planner what it reports.
    DeviceStreamWidget panel;
    DeviceStreamModel &model = *panel.model();
    QVERIFY(!model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QCOMPARE(model.rowCount(), 0);
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    QVERIFY(!model.addStream(kTask, QStringLiteral("CAM-S"), 0));
    // The second line names the damage.
    const QString reason = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(shownMessages(), QStringList{kFailed + QLatin1Char('\n') + reason});
    QCOMPARE(changed.count(), 0);
    QCOMPARE(ProgramFolder::readAll(path), cut);
}

// ---- typed numbers ----

void TestDeviceStreamModel::typedNumbers_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    const int count = DeviceStreamModel::StreamCountColumn;
    const int rate = DeviceStreamModel::BitRateColumn;
    QTest::newRow("a bit rate of 31 is refused") << rate << u"31"_s << false;
    QTest::newRow("a bit rate of 1 is refused") << rate << u"1"_s << false;
    QTest::newRow("a bit rate of 32 is taken") << rate << u"32"_s << true;
    QTest::newRow("a bit rate of 0 is taken") << rate << u"0"_s << true;
    QTest::newRow("a bit rate of 16384 is taken") << rate << u"16384"_s << true;
    QTest::newRow("a bit rate of 16385 is refused") << rate << u"16385"_s << false;
    QTest::newRow("a stream count of 100000 is refused") << count << u"100000"_s << false;
    QTest::newRow("a stream count of 99999 is taken") << count << u"99999"_s << true;
    QTest::newRow("a stream count of 0 is taken") << count << u"0"_s << true;
    QTest::newRow("an empty count is refused") << count << u""_s << false;
    QTest::newRow("an empty bit rate is refused") << rate << u""_s << false;
    QTest::newRow("a sign is refused") << count << u"-5"_s << false;
    QTest::newRow("a plus sign is refused") << rate << u"+64"_s << false;
    QTest::newRow("a point is refused") << rate << u"64.5"_s << false;
    QTest::newRow("a letter is refused") << count << u"3a"_s << false;
    QTest::newRow("a blank is refused") << count << u" 3"_s << false;
    QTest::newRow("full-width digits are refused")
        << count << QString::fromUtf8("\xef\xbc\x93") << false;
    QTest::newRow("a digit string too long for a number is refused, not stored as 0")
        << rate << u"99999999999999999999"_s << false;
    QTest::newRow("leading zeros are read in base 10") << count << u"010"_s << true;
}

void TestDeviceStreamModel::typedNumbers()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s, u"IPC"_s, {stream(u"111"_s, 7, u"1920x1080"_s, u"25"_s, 6144)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    QSignalSpy refused(&model, &DeviceStreamModel::valueRefused);
    const QString before = cell(model, 0, column);

    edit(model, 0, column, typed);

    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    const int storedValue =
        column == DeviceStreamModel::StreamCountColumn ? stored.streamCount : stored.bitRate;
    if (accepted) {
        const int value = typed.toInt();
        QCOMPARE(storedValue, value);
        QCOMPARE(cell(model, 0, column), QString::number(value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(refused.count(), 0);
    } else {
        QCOMPARE(storedValue, before.toInt());
        QCOMPARE(cell(model, 0, column), before);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(0).value<QModelIndex>(), model.index(0, column));
        QVERIFY(refused.at(0).at(1).toString().contains(
            column == DeviceStreamModel::StreamCountColumn ? QLatin1String("99999")
                                                           : QLatin1String("16384")));
    }
    QVERIFY(shownMessages().isEmpty());
}

void TestDeviceStreamModel::refusedValueRestoresItsOwnCell()
{
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s, u"IPC"_s, {stream(u"111"_s, 7, u"1920x1080"_s, u"25"_s, 6144)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    // The count was the last cell edited (or clicked); the refused bit rate
    // gets its own value back, not the count's.
    edit(model, 0, DeviceStreamModel::StreamCountColumn, QStringLiteral("12"));
    edit(model, 0, DeviceStreamModel::BitRateColumn, QStringLiteral("20"));
    QCOMPARE(cell(model, 0, DeviceStreamModel::BitRateColumn), QStringLiteral("6144"));
    edit(model, 0, DeviceStreamModel::StreamCountColumn, QStringLiteral("123456"));
    QCOMPARE(cell(model, 0, DeviceStreamModel::StreamCountColumn), QStringLiteral("12"));
    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(stored.streamCount, 12);
    QCOMPARE(stored.bitRate, 6144);
}

// ---- estimates ----

void TestDeviceStreamModel::resolutionChangeEstimatesWithTheFrameRateShown_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("standard");
    QTest::addColumn<DevStream>("before");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("bitRate");

    QTest::newRow("a PAL camera at 1920x1080 resets to 25 fps: 6144 Kbps")
        << u"CAM-S"_s << 0 << stream(u"111"_s, 1, u"1280x720"_s, u"12.5"_s, 1536) << u"1920x1080"_s
        << u"25"_s << 6144;
    QTest::newRow("an NTSC camera at 1920x1080 resets to 30 fps: 6144 Kbps")
        << u"CAM-S"_s << 1 << stream(u"111"_s, 1, u"1280x720"_s, u"5"_s, 900) << u"1920x1080"_s
        << u"30"_s << 6144;
    QTest::newRow("a PAL camera at 4CIF resets to the model's highest rate, 25: 1536 Kbps")
        << u"CAM-S"_s << 0 << stream(u"111"_s, 1, u"1920x1080"_s, u"10"_s, 2457) << u"4CIF"_s
        << u"25"_s << 1536;
    QTest::newRow("a camera without frame-rate choices keeps the rate it shows")
        << u"CAM-30"_s << 0 << stream(u"111"_s, 1, u"1920x1080"_s, u"12"_s, 2949) << u"640x480"_s
        << u"12"_s << 614;
    QTest::newRow("a PAL DVR at CIF resets to 25 fps: 512 Kbps")
        << u"DVR-S"_s << 0 << stream(u"111"_s, 1, u"WD1"_s, u"5"_s, 1000) << u"CIF"_s << u"25"_s
        << 512;
    QTest::newRow("an NTSC DVR at 4CIF resets to 30 fps: 1792 Kbps")
        << u"DVR-S"_s << 1 << stream(u"111"_s, 1, u"WD1"_s, u"5"_s, 1000) << u"4CIF"_s << u"30"_s
        << 1792;
}

void TestDeviceStreamModel::resolutionChangeEstimatesWithTheFrameRateShown()
{
    QFETCH(QString, type);
    QFETCH(int, standard);
    QFETCH(DevStream, before);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(int, bitRate);
    QVERIFY(StreamFixture::makeTask(kTask, standard, {Device{type, u"IPC"_s, {before}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, type, 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    QVERIFY(edit(model, 0, DeviceStreamModel::ResolutionColumn, resolution));

    QCOMPARE(cell(model, 0, DeviceStreamModel::FrameRateColumn), frameRate);
    QCOMPARE(cell(model, 0, DeviceStreamModel::BitRateColumn), QString::number(bitRate));
    QCOMPARE(changed.count(), 1);
    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(stored.resolution, resolution);
    QCOMPARE(stored.frameRate, frameRate);
    QCOMPARE(stored.bitRate, bitRate);
    QCOMPARE(stored.streamCount, before.streamCount);
    QCOMPARE(stored.useCode, before.useCode);
}

void TestDeviceStreamModel::frameRateChangeEstimatesWithTheResolutionShown_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<DevStream>("before");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("bitRate");

    QTest::newRow("a camera at 1920x1080 and 12.5 fps: half of 6144")
        << u"CAM-S"_s << stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144) << u"12.5"_s << 3072;
    QTest::newRow("below 10 fps the camera rate falls by a tenth a frame: 5 fps gives 1451")
        << u"CAM-S"_s << stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144) << u"5"_s << 1451;
    QTest::newRow("a speed dome at 1920x1080 and 10 fps")
        << u"DOME-S"_s << stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144) << u"10"_s << 2457;
    QTest::newRow("a DVR at WD1 and 0.5 fps keeps a fifth of its rate and a little")
        << u"DVR-S"_s << stream(u"111"_s, 1, u"WD1"_s, u"25"_s, 2240) << u"0.5"_s << 483;
}

void TestDeviceStreamModel::frameRateChangeEstimatesWithTheResolutionShown()
{
    QFETCH(QString, type);
    QFETCH(DevStream, before);
    QFETCH(QString, frameRate);
    QFETCH(int, bitRate);
    QVERIFY(StreamFixture::makeTask(kTask, 0, {Device{type, u"IPC"_s, {before}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, type, 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    QVERIFY(edit(model, 0, DeviceStreamModel::FrameRateColumn, frameRate));

    QCOMPARE(cell(model, 0, DeviceStreamModel::BitRateColumn), QString::number(bitRate));
    QCOMPARE(changed.count(), 1);
    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(stored.frameRate, frameRate);
    QCOMPARE(stored.bitRate, bitRate);
    QCOMPARE(stored.resolution, before.resolution);
}

void TestDeviceStreamModel::rowsOfAModelOfNoListedClassStayAsStored()
{
    // A DVR shown first must not lend its class to the NVR shown next.
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"DVR-S"_s, u"DVR"_s, {stream(u"111"_s, 1, u"WD1"_s, u"25"_s, 2240)}},
         Device{u"NVR-S"_s, u"NVR"_s, {stream(u"111"_s, 1, u"WD1"_s, u"25"_s, 4000)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("DVR-S"), 0));
    QVERIFY(edit(model, 0, DeviceStreamModel::FrameRateColumn, QStringLiteral("12")));
    QVERIFY(model.setDevice(kTask, QStringLiteral("NVR-S"), 1));
    const QByteArray before = ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));

    const QModelIndex resolution = model.index(0, DeviceStreamModel::ResolutionColumn);
    const QModelIndex frameRate = model.index(0, DeviceStreamModel::FrameRateColumn);
    QCOMPARE(resolution.data().toString(), QString());
    QVERIFY(!(model.flags(resolution) & Qt::ItemIsEditable));
    QVERIFY(!(model.flags(frameRate) & Qt::ItemIsEditable));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    model.setData(frameRate, QStringLiteral("12"));
    model.setData(resolution, QStringLiteral("CIF"));

    QCOMPARE(frameRate.data().toString(), QString());
    QCOMPARE(resolution.data().toString(), QString());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask)), before);
    QCOMPARE(StreamFixture::storedStreams(kTask, 1).value(0).bitRate, 4000);
}

// ---- use boxes and headers ----

void TestDeviceStreamModel::tickingAUseBoxWritesTheUseCode()
{
    QVERIFY(StreamFixture::makeTask(kTask, 0,
                                    {Device{u"CAM-S"_s,
                                            u"IPC"_s,
                                            {stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144),
                                             stream(u"010"_s, 1, u"4CIF"_s, u"12"_s, 600)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    QVERIFY(tick(model, 0, DeviceStreamModel::PreviewColumn, Qt::Unchecked));
    QCOMPARE(changed.count(), 1);
    QVERIFY(tick(model, 1, DeviceStreamModel::TransmissionColumn, Qt::Checked));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(useCodes(StreamFixture::storedStreams(kTask, 0)), QStringLiteral("011 011"));
}

void TestDeviceStreamModel::headersFollowTheRows_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("row");
    QTest::addColumn<Qt::CheckState>("recordTo");
    QTest::addColumn<Qt::CheckState>("before");
    QTest::addColumn<Qt::CheckState>("after");

    QTest::newRow("with no rows the headers show ticked")
        << QStringList() << -1 << Qt::Checked << Qt::Checked << Qt::Checked;
    QTest::newRow("ticking the last unticked record box of three ticks the header")
        << QStringList{u"111"_s, u"101"_s, u"111"_s} << 1 << Qt::Checked << Qt::PartiallyChecked
        << Qt::Checked;
    QTest::newRow("unticking one of three ticked record boxes makes it partial")
        << QStringList{u"111"_s, u"111"_s, u"111"_s} << 2 << Qt::Unchecked << Qt::Checked
        << Qt::PartiallyChecked;
    QTest::newRow("unticking the last ticked record box unticks the header")
        << QStringList{u"101"_s, u"111"_s} << 1 << Qt::Unchecked << Qt::PartiallyChecked
        << Qt::Unchecked;
    QTest::newRow("a row without boxes takes no part")
        << QStringList{u"11"_s, u"101"_s} << 1 << Qt::Checked << Qt::Unchecked << Qt::Checked;
}

void TestDeviceStreamModel::headersFollowTheRows()
{
    QFETCH(QStringList, codes);
    QFETCH(int, row);
    QFETCH(Qt::CheckState, recordTo);
    QFETCH(Qt::CheckState, before);
    QFETCH(Qt::CheckState, after);
    QVector<DevStream> streams;
    for (const QString &code : codes)
        streams << stream(code, 1, u"1920x1080"_s, u"25"_s, 6144);
    QVERIFY(StreamFixture::makeTask(kTask, 0, {Device{u"CAM-S"_s, u"IPC"_s, streams}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QCOMPARE(header(model, DeviceStreamModel::RecordColumn), before);
    if (row >= 0)
        QVERIFY(tick(model, row, DeviceStreamModel::RecordColumn, recordTo));
    QCOMPARE(header(model, DeviceStreamModel::RecordColumn), after);
}

void TestDeviceStreamModel::clickingAUseHeaderWritesEveryRow_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Qt::CheckState>("header");
    QTest::addColumn<int>("emitted");

    QTest::newRow("a ticked record header unticks the column in every row")
        << QStringList{u"111"_s, u"010"_s, u"111"_s} << int(DeviceStreamModel::RecordColumn)
        << u"101 000 101"_s << Qt::Unchecked << 3;
    QTest::newRow("a partial preview header ticks every row")
        << QStringList{u"111"_s, u"010"_s, u"011"_s} << int(DeviceStreamModel::PreviewColumn)
        << u"111 110 111"_s << Qt::Checked << 2;
    QTest::newRow("an unticked transmission header ticks every row")
        << QStringList{u"110"_s, u"000"_s} << int(DeviceStreamModel::TransmissionColumn)
        << u"111 001"_s << Qt::Checked << 2;
}

void TestDeviceStreamModel::clickingAUseHeaderWritesEveryRow()
{
    QFETCH(QStringList, codes);
    QFETCH(int, section);
    QFETCH(QString, stored);
    QFETCH(Qt::CheckState, header);
    QFETCH(int, emitted);
    QVector<DevStream> streams;
    for (const QString &code : codes)
        streams << stream(code, 1, u"1920x1080"_s, u"25"_s, 6144);
    QVERIFY(StreamFixture::makeTask(kTask, 0, {Device{u"CAM-S"_s, u"IPC"_s, streams}}));
    DeviceStreamModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    model.slotHeaderClicked(section);

    QCOMPARE(useCodes(StreamFixture::storedStreams(kTask, 0)), stored);
    QCOMPARE(::header(model, section), header);
    for (int row = 0; row < codes.size(); ++row)
        QCOMPARE(box(model, row, section), header);
    QCOMPARE(changed.count(), emitted);
    // Sections without a box do nothing.
    model.slotHeaderClicked(DeviceStreamModel::StreamCountColumn);
    QCOMPARE(useCodes(StreamFixture::storedStreams(kTask, 0)), stored);
}

// ---- deletion ----

void TestDeviceStreamModel::deletingAStreamEmitsTwiceAndRenumbers()
{
    QVERIFY(StreamFixture::makeTask(kTask, 0,
                                    {Device{u"CAM-S"_s,
                                            u"IPC"_s,
                                            {stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144),
                                             stream(u"011"_s, 2, u"4CIF"_s, u"12"_s, 600),
                                             stream(u"101"_s, 3, u"1280x720"_s, u"25"_s, 3072)}}}));
    DeviceStreamModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    model.deleteStream(model.index(1, DeviceStreamModel::DeleteColumn),
                       KavrinGUIToolkit::SecondIconRole);

    QCOMPARE(changed.count(), 2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(cell(model, 1, DeviceStreamModel::IndexColumn), QStringLiteral("1-2"));
    QCOMPARE(cell(model, 1, DeviceStreamModel::StreamCountColumn), QStringLiteral("3"));
    QCOMPARE(useCodes(StreamFixture::storedStreams(kTask, 0)), QStringLiteral("111 101"));
    // The preview header recounts without the unticked row.
    QCOMPARE(header(model, DeviceStreamModel::PreviewColumn), Qt::Checked);
}

void TestDeviceStreamModel::clicksBesideTheDeleteIconDeleteNothing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::newRow("the delete cell without its icon")
        << int(DeviceStreamModel::DeleteColumn) << int(KavrinGUIToolkit::NoIconRole);
    QTest::newRow("another icon role")
        << int(DeviceStreamModel::DeleteColumn) << int(KavrinGUIToolkit::FirstIconRole);
    QTest::newRow("the icon role in another column")
        << int(DeviceStreamModel::BitRateColumn) << int(KavrinGUIToolkit::SecondIconRole);
}

void TestDeviceStreamModel::clicksBesideTheDeleteIconDeleteNothing()
{
    QFETCH(int, column);
    QFETCH(int, role);
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s, u"IPC"_s, {stream(u"111"_s, 1, u"1920x1080"_s, u"25"_s, 6144)}}}));
    DeviceStreamModel model;
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    model.deleteStream(model.index(0, column), KavrinGUIToolkit::CItemDataRole(role));
    model.deleteStream(QModelIndex(), KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).size(), 1);
}

// ---- failed writes ----

namespace {

void addEditRows()
{
    QTest::newRow("a stream count") << Edit([](DeviceStreamModel &m) {
        edit(m, 1, DeviceStreamModel::StreamCountColumn, QStringLiteral("9"));
    });
    QTest::newRow("a bit rate") << Edit([](DeviceStreamModel &m) {
        edit(m, 1, DeviceStreamModel::BitRateColumn, QStringLiteral("4000"));
    });
    QTest::newRow("a resolution") << Edit([](DeviceStreamModel &m) {
        edit(m, 1, DeviceStreamModel::ResolutionColumn, QStringLiteral("1920x1080"));
    });
    QTest::newRow("a frame rate") << Edit([](DeviceStreamModel &m) {
        edit(m, 1, DeviceStreamModel::FrameRateColumn, QStringLiteral("5"));
    });
    QTest::newRow("a use box") << Edit(
        [](DeviceStreamModel &m) { tick(m, 1, DeviceStreamModel::RecordColumn, Qt::Checked); });
    QTest::newRow("a use header") << Edit(
        [](DeviceStreamModel &m) { m.slotHeaderClicked(DeviceStreamModel::RecordColumn); });
    QTest::newRow("a deletion") << Edit([](DeviceStreamModel &m) {
        m.deleteStream(m.index(1, DeviceStreamModel::DeleteColumn),
                       KavrinGUIToolkit::SecondIconRole);
    });
}

QStringList allCells(const DeviceStreamModel &model)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            out << index.data().toString() + QLatin1Char('/') +
                       index.data(Qt::CheckStateRole).toString() + QLatin1Char('/') +
                       index.data(KavrinGUIToolkit::ComboBoxItemsRole)
                           .toStringList()
                           .join(QLatin1Char(','));
        }
    }
    for (int section = 1; section <= 3; ++section)
        out << model.headerData(section, Qt::Horizontal, Qt::CheckStateRole).toString();
    return out;
}

} // namespace

void TestDeviceStreamModel::failedWriteLeavesFileAndCells_data()
{
    QTest::addColumn<Edit>("change");
    addEditRows();
    QTest::newRow("a new stream") << Edit(
        [](DeviceStreamModel &m) { m.addStream(kTask, QStringLiteral("CAM-S"), 0); });
}

void TestDeviceStreamModel::failedWriteLeavesFileAndCells()
{
    QFETCH(Edit, change);
    QVERIFY(StreamFixture::makeTask(kTask, 0,
                                    {Device{u"CAM-S"_s,
                                            u"IPC"_s,
                                            {stream(u"111"_s, 1, u"1280x720"_s, u"25"_s, 3072),
                                             stream(u"100"_s, 2, u"4CIF"_s, u"12"_s, 600)}}}));
    const QString path = TaskDeviceFile::filePath(kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    // The panel that owns the table tells the planner what it reports.
    DeviceStreamWidget panel;
    DeviceStreamModel &model = *panel.model();
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    const QStringList cells = allCells(model);
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);
    QSignalSpy failures(&model, &DeviceStreamModel::storeFailed);
    QString reason;
    {
        // The device file reads, but its save runs out of room.
        StreamFixture::FileSizeLimit limit(64);
        QVERIFY(limit.isActive());
        change(model);
        reason = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!reason.isEmpty());
    QCOMPARE(shownMessages(), QStringList{kFailed + QLatin1Char('\n') + reason});
    QCOMPARE(failures.count(), 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(allCells(model), cells);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestDeviceStreamModel::editOfAStreamThatIsGoneFails_data()
{
    QTest::addColumn<Edit>("change");
    addEditRows();
}

void TestDeviceStreamModel::editOfAStreamThatIsGoneFails()
{
    QFETCH(Edit, change);
    QVERIFY(StreamFixture::makeTask(kTask, 0,
                                    {Device{u"CAM-S"_s,
                                            u"IPC"_s,
                                            {stream(u"111"_s, 1, u"1280x720"_s, u"25"_s, 3072),
                                             stream(u"100"_s, 2, u"4CIF"_s, u"12"_s, 600)}}}));
    // The panel that owns the table tells the planner what it reports.
    DeviceStreamWidget panel;
    DeviceStreamModel &model = *panel.model();
    QVERIFY(model.setDevice(kTask, QStringLiteral("CAM-S"), 0));
    const QStringList cells = allCells(model);
    {
        // Another window of the program removed the second stream meanwhile.
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeStream(0, 1));
        QVERIFY(file.close());
    }
    const QByteArray before = ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));
    QSignalSpy changed(&model, &DeviceStreamModel::signalChanngedReslut);

    change(model);

    QCOMPARE(shownMessages(), QStringList{kFailed});
    QCOMPARE(changed.count(), 0);
    QCOMPARE(allCells(model), cells);
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask)), before);
}

QTEST_MAIN(TestDeviceStreamModel)
#include "tst_devicestreammodel.moc"
