#include "NvrCalculator.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <limits>

using Cameras = std::vector<IpcTypeCount>;
Q_DECLARE_METATYPE(Cameras)
using Capacities = std::map<int, NvrCapacity>;
Q_DECLARE_METATYPE(Capacities)

namespace {

NvrModel model(const char *name, int channels, qint64 bandwidth)
{
    NvrModel m;
    m.name = QLatin1String(name);
    m.netInputNumber = channels;
    m.bandwidth = bandwidth;
    return m;
}

// The worked model: 64 channels, 128 Mbps.
const QString kNvr64 = QStringLiteral("NVR-64");

QList<NvrModel> listModels()
{
    return {model("NVR-64", 64, 131072), model("NVR-Zero-Bandwidth", 16, 0),
            model("NVR-No-Channels", 0, 131072),
            // Same name as the first row, too small for the worked examples.
            model("NVR-64", 8, 8192), model("NVR-Wide", 32, 2147483648LL)};
}

IpcTypeEntry entry(int id, int bitRate, int count)
{
    return IpcTypeEntry{id, bitRate, count, false};
}

// The camera list as allocate() receives it: ids from 1 in list order.
std::vector<IpcTypeEntry> entries(const Cameras &cameras)
{
    std::vector<IpcTypeEntry> list;
    for (size_t i = 0; i < cameras.size(); ++i)
        list.push_back(entry(int(i) + 1, cameras[i].bitRate, cameras[i].count));
    return list;
}

// "nvr: id x count, ... | bandwidth left | channels left", one line per NVR.
QStringList describe(const std::map<int, NvrState> &allocation)
{
    QStringList lines;
    for (const auto &nvr : allocation) {
        QStringList cameras;
        for (const IpcTypeEntry &camera : nvr.second.cameras)
            cameras << QStringLiteral("%1x%2").arg(camera.id).arg(camera.count);
        lines << QStringLiteral("%1: %2 | %3 | %4")
                     .arg(nvr.first)
                     .arg(cameras.join(QStringLiteral(", ")))
                     .arg(nvr.second.remainingBandwidth)
                     .arg(nvr.second.remainingChannels);
    }
    return lines;
}

QStringList describe(const std::vector<NvrGroup> &groups)
{
    QStringList lines;
    for (const NvrGroup &group : groups) {
        QStringList cameras;
        for (const IpcTypeEntry &camera : group.cameras)
            cameras << QStringLiteral("%1x%2").arg(camera.id).arg(camera.count);
        lines << QStringLiteral("%1 NVR: %2")
                     .arg(group.nvrCount)
                     .arg(cameras.join(QStringLiteral(", ")));
    }
    return lines;
}

// Translates the storage-server names differently in each context, as
// catalogues kept by different hands may.
class ServerNameTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QByteArray source(sourceText);
        const QByteArray ctx(context);
        if (source == "Torvel Stroage Server") {
            if (ctx == "NvrCalculator")
                return QStringLiteral("托维尔存储服务器");
            if (ctx == "kiv::StorageCalculatorWidget")
                return QStringLiteral("托维尔 存储服务器");
            if (ctx == "QObject")
                return QStringLiteral("托维尔存储服务器 (通用)");
        }
        if (source == "Delvar Stroage Server" && ctx == "NvrCalculator")
            return QStringLiteral("德尔瓦存储服务器");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestNvrCalculator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder.reset(new ProgramFolder); }
    void cleanup() { m_folder.reset(); }

    void nvrCountsAndFailureCodes_data();
    void nvrCountsAndFailureCodes();
    void failureKeepsTheLastSummary();

    void firstFitPlacesTheWorkedExamples_data();
    void firstFitPlacesTheWorkedExamples();
    void higherBitRatesFirstEqualRatesInListOrder_data();
    void higherBitRatesFirstEqualRatesInListOrder();
    void allocateRefusesWhatTheModelCannotTake();
    void summaryGroupsEqualNvrsFewestFirst();
    void sameInputGivesTheSameAllocation();

    void capacitySumAddsWhatEachModelTakes_data();
    void capacitySumAddsWhatEachModelTakes();

    void tableIsTheCatalogueThenTwoStorageServers();
    void catalogueModelsAreAllocated_data();
    void catalogueModelsAreAllocated();
    void closedCatalogueLeavesOnlyTheStorageServers();
    void storageServersAreFoundInEveryLanguage();

private:
    QScopedPointer<ProgramFolder> m_folder;
    // Built once: every test opens it read-only under a connection of its own.
    QTemporaryDir m_catalogueDir;
    QString m_cataloguePath;
};

void TestNvrCalculator::initTestCase()
{
    QVERIFY(m_catalogueDir.isValid());
    const QString path = m_catalogueDir.filePath(QStringLiteral("Task_EN.db"));
    QVERIFY(CatalogueFixture::build(path, {QStringLiteral("nvr-allocation.sql")}));
    m_cataloguePath = path;
}

void TestNvrCalculator::nvrCountsAndFailureCodes_data()
{
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<int>("expected");

    const int intMax = std::numeric_limits<int>::max();
    const QString torvel = QStringLiteral("Torvel Stroage Server");
    const QString delvar = QStringLiteral("Delvar Stroage Server");

    QTest::newRow("an empty camera list needs no NVR") << kNvr64 << Cameras() << 0;
    QTest::newRow("cameras of bit rate 0 or count 0 need no NVR")
        << kNvr64 << Cameras{{0, 5}, {4096, 0}} << 0;
    QTest::newRow("100 cameras of 4096 and 50 of 2048 Kbps need 4 NVRs")
        << kNvr64 << Cameras{{4096, 100}, {2048, 50}} << 4;
    QTest::newRow("32 cameras of 4000 and 10 of 300 Kbps share 1 NVR")
        << kNvr64 << Cameras{{4000, 32}, {300, 10}} << 1;
    QTest::newRow("70 cameras of 1024 Kbps are channel-bound to 2 NVRs")
        << kNvr64 << Cameras{{1024, 70}} << 2;
    QTest::newRow("a bit rate equal to the bandwidth takes one NVR per camera")
        << kNvr64 << Cameras{{131072, 3}} << 3;
    QTest::newRow("1000000 cameras in all are accepted")
        << kNvr64 << Cameras{{1, 999999}, {1, 1}} << 15625;
    QTest::newRow("1000001 cameras in all give -1")
        << kNvr64 << Cameras{{1, 1000000}, {1, 1}} << int(NvrCalculator::TooManyCameras);
    QTest::newRow("counts whose sum wraps an int still give -1")
        << kNvr64 << Cameras{{1, intMax}, {1, intMax}, {1, 2}}
        << int(NvrCalculator::TooManyCameras);
    QTest::newRow("a negative count from a hand-edited file gives -1")
        << kNvr64 << Cameras{{4096, 10}, {4096, -1}} << int(NvrCalculator::TooManyCameras);
    QTest::newRow("a model name no row has gives -3 whatever the list holds")
        << QStringLiteral("NVR-X") << Cameras{{200000, -5}, {1, 2000000}}
        << int(NvrCalculator::UnknownModel);
    QTest::newRow("a model name no row has gives -3 for an empty list")
        << QStringLiteral("NVR-X") << Cameras() << int(NvrCalculator::UnknownModel);
    QTest::newRow("model names are case-sensitive")
        << QStringLiteral("nvr-64") << Cameras{{4096, 1}} << int(NvrCalculator::UnknownModel);
    QTest::newRow("a bit rate above the bandwidth gives -2 even with count 0")
        << kNvr64 << Cameras{{4096, 10}, {131073, 0}} << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("too many cameras are reported before an unsupported bit rate")
        << kNvr64 << Cameras{{131073, 1000001}} << int(NvrCalculator::TooManyCameras);
    QTest::newRow("a negative bit rate gives -2")
        << kNvr64 << Cameras{{-4096, 1}} << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a model without bandwidth takes no camera")
        << QStringLiteral("NVR-Zero-Bandwidth") << Cameras{{32, 1}}
        << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a model without channels takes no camera")
        << QStringLiteral("NVR-No-Channels") << Cameras{{1024, 1}}
        << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a model without channels gives -2 even for a count of 0")
        << QStringLiteral("NVR-No-Channels") << Cameras{{1024, 0}}
        << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a model without channels needs no NVR for no cameras")
        << QStringLiteral("NVR-No-Channels") << Cameras() << 0;
    QTest::newRow("of two rows with one name the first is used")
        << kNvr64 << Cameras{{4096, 100}} << 4;
    QTest::newRow("a bandwidth beyond int takes cameras of the highest int rate")
        << QStringLiteral("NVR-Wide") << Cameras{{intMax, 2}} << 2;
    QTest::newRow("the 64-channel storage server packs like an NVR")
        << torvel << Cameras{{4096, 100}} << 4;
    QTest::newRow("the 160-channel storage server takes 80 cameras of 4096 Kbps each")
        << delvar << Cameras{{4096, 100}} << 2;
}

void TestNvrCalculator::nvrCountsAndFailureCodes()
{
    QFETCH(QString, modelName);
    QFETCH(Cameras, cameras);
    QFETCH(int, expected);

    NvrCalculator calc(listModels());
    QCOMPARE(calc.calculate(modelName, cameras), expected);
}

void TestNvrCalculator::failureKeepsTheLastSummary()
{
    NvrCalculator calc(listModels());
    QCOMPARE(calc.calculate(kNvr64, {{1024, 70}}), 2);
    const QStringList before = describe(calc.groups());
    QCOMPARE(before.size(), 2);
    QCOMPARE(calc.calculate(kNvr64, {{131073, 1}}), int(NvrCalculator::UnsupportedBitRate));
    QCOMPARE(describe(calc.groups()), before);
    // No camera to place empties it.
    QCOMPARE(calc.calculate(kNvr64, {}), 0);
    QVERIFY(calc.groups().empty());
}

void TestNvrCalculator::firstFitPlacesTheWorkedExamples_data()
{
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<QStringList>("nvrs");

    QTest::newRow("100 x 4096 fill 3 NVRs and leave the 4th open with 114688 Kbps and 60 channels")
        << Cameras{{4096, 100}}
        << QStringList{QStringLiteral("1: 1x32 | 0 | 32"), QStringLiteral("2: 1x32 | 0 | 32"),
                       QStringLiteral("3: 1x32 | 0 | 32"), QStringLiteral("4: 1x4 | 114688 | 60")};
    QTest::newRow("100 x 4096 fill 3 NVRs; 50 x 2048 join the open 4th")
        << Cameras{{4096, 100}, {2048, 50}}
        << QStringList{QStringLiteral("1: 1x32 | 0 | 32"), QStringLiteral("2: 1x32 | 0 | 32"),
                       QStringLiteral("3: 1x32 | 0 | 32"),
                       QStringLiteral("4: 1x4, 2x50 | 12288 | 10")};
    QTest::newRow("10 x 300 fit into the 3072 Kbps that 32 x 4000 leave")
        << Cameras{{4000, 32}, {300, 10}} << QStringList{QStringLiteral("1: 1x32, 2x10 | 72 | 22")};
    QTest::newRow("70 x 1024 are channel-bound: 64 and 6")
        << Cameras{{1024, 70}}
        << QStringList{QStringLiteral("1: 1x64 | 65536 | 0"),
                       QStringLiteral("2: 1x6 | 124928 | 58")};
    QTest::newRow("a bit rate equal to the bandwidth leaves each NVR with one camera")
        << Cameras{{131072, 2}}
        << QStringList{QStringLiteral("1: 1x1 | 0 | 63"), QStringLiteral("2: 1x1 | 0 | 63")};
    QTest::newRow("a camera too large for an open NVR's room passes it; a smaller one fills it")
        << Cameras{{100000, 1}, {40000, 2}, {20000, 1}}
        << QStringList{QStringLiteral("1: 1x1, 3x1 | 11072 | 62"),
                       QStringLiteral("2: 2x2 | 51072 | 62")};
}

void TestNvrCalculator::firstFitPlacesTheWorkedExamples()
{
    QFETCH(Cameras, cameras);
    QFETCH(QStringList, nvrs);

    NvrCalculator calc(listModels());
    std::map<int, NvrState> allocation;
    QCOMPARE(calc.allocate(entries(cameras), allocation, 0), nvrs.size());
    QCOMPARE(describe(allocation), nvrs);
}

void TestNvrCalculator::higherBitRatesFirstEqualRatesInListOrder_data()
{
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<QString>("nvr");

    // 131072 - 40960 - 2 x 10240 = 69632 Kbps and 64 - 30 channels left.
    QTest::newRow("the 4096 type goes first, the two 1024 types follow in list order")
        << Cameras{{1024, 10}, {4096, 10}, {1024, 10}}
        << QStringLiteral("1: 2x10, 1x10, 3x10 | 69632 | 34");
    // Enough types that a sort which does not keep the order of equals
    // (introsort past 16 elements) reorders them.
    Cameras alternating;
    for (int i = 0; i < 24; ++i)
        alternating.push_back({i % 2 == 0 ? 2048 : 1024, 1});
    // 131072 - 12 x 2048 - 12 x 1024 = 94208 Kbps and 64 - 24 channels left.
    QTest::newRow("24 types of two alternating rates keep list order within each rate")
        << alternating
        << QStringLiteral("1: 1x1, 3x1, 5x1, 7x1, 9x1, 11x1, 13x1, 15x1, 17x1, 19x1, 21x1, 23x1, "
                          "2x1, 4x1, 6x1, 8x1, 10x1, 12x1, 14x1, 16x1, 18x1, 20x1, 22x1, 24x1 "
                          "| 94208 | 40");
}

void TestNvrCalculator::higherBitRatesFirstEqualRatesInListOrder()
{
    QFETCH(Cameras, cameras);
    QFETCH(QString, nvr);

    NvrCalculator calc(listModels());
    std::map<int, NvrState> allocation;
    QCOMPARE(calc.allocate(entries(cameras), allocation, 0), 1);
    QCOMPARE(describe(allocation), QStringList{nvr});
}

void TestNvrCalculator::allocateRefusesWhatTheModelCannotTake()
{
    NvrCalculator calc(listModels());
    std::map<int, NvrState> allocation;
    QCOMPARE(calc.allocate({entry(1, 131073, 1)}, allocation, 0),
             int(NvrCalculator::UnsupportedBitRate));
    QCOMPARE(calc.allocate({entry(1, 1024, 1)}, allocation, 2),
             int(NvrCalculator::UnsupportedBitRate));
    QCOMPARE(calc.allocate({entry(1, 1024, 1)}, allocation, 99), int(NvrCalculator::UnknownModel));
}

void TestNvrCalculator::summaryGroupsEqualNvrsFewestFirst()
{
    NvrCalculator calc(listModels());
    QCOMPARE(calc.calculate(kNvr64, {{4096, 100}, {2048, 50}}), 4);
    QCOMPARE(describe(calc.groups()),
             (QStringList{QStringLiteral("1 NVR: 1x4, 2x50"), QStringLiteral("3 NVR: 1x32")}));

    // Placed by falling bit rate (type 2 first), listed by type.
    QCOMPARE(calc.calculate(kNvr64, {{1024, 10}, {4096, 10}}), 1);
    QCOMPARE(describe(calc.groups()), QStringList{QStringLiteral("1 NVR: 1x10, 2x10")});
}

void TestNvrCalculator::sameInputGivesTheSameAllocation()
{
    const Cameras cameras = {{2048, 40}, {4096, 70}, {2048, 33}, {1024, 90}, {4096, 5}};
    NvrCalculator first(listModels());
    NvrCalculator second(listModels());
    const int n = first.calculate(kNvr64, cameras);
    QVERIFY(n > 0);
    for (int run = 0; run < 3; ++run) {
        QCOMPARE(second.calculate(kNvr64, cameras), n);
        QCOMPARE(describe(second.groups()), describe(first.groups()));
    }
}

void TestNvrCalculator::capacitySumAddsWhatEachModelTakes_data()
{
    QTest::addColumn<Capacities>("models");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QList<int>>("flags");

    // Ids of listModels(): 0 NVR-64 (64 inputs, 131072 Kbps), 1 no bandwidth
    // (16, 0), 2 no channels (0, 131072), 3 the small NVR-64 (8, 8192), 4 the
    // wide one (32, 2^31 Kbps), 6 the 160-channel storage server (327680).
    // Each entry: {extra channels, NVRs, flag}.
    QTest::newRow("bandwidth-bound: 131072 / 4096 = 32 cameras each, 3 NVRs take 96")
        << Capacities{{0, {0, 3, 1}}} << 4096 << qint64(96) << QList<int>{1};
    QTest::newRow("whole cameras only: 131072 / 3000 = 43.7, 2 NVRs take 86")
        << Capacities{{0, {0, 2, 1}}} << 3000 << qint64(86) << QList<int>{1};
    QTest::newRow("input-bound: 128 by bandwidth but 64 inputs, 2 NVRs take 128")
        << Capacities{{0, {0, 2, 1}}} << 1024 << qint64(128) << QList<int>{1};
    QTest::newRow("the input limit plus extra channels: 64 + 16 = 80, 2 NVRs take 160")
        << Capacities{{0, {16, 2, 1}}} << 1024 << qint64(160) << QList<int>{1};
    QTest::newRow("extra channels do not lift the bandwidth: 8192 / 512 = 16 of 8 + 16, 3 take 48")
        << Capacities{{3, {16, 3, 1}}} << 512 << qint64(48) << QList<int>{1};
    QTest::newRow("a bit rate equal to the bandwidth: one camera each, 5 NVRs take 5")
        << Capacities{{3, {0, 5, 1}}} << 8192 << qint64(5) << QList<int>{1};
    QTest::newRow("a model whose bandwidth is below the bit rate takes none and is marked")
        << Capacities{{3, {0, 4, 1}}} << 16384 << qint64(0) << QList<int>{-1};
    QTest::newRow("of two models only the one below the rate is marked: 2 x 8 + 0")
        << Capacities{{0, {0, 2, 1}}, {3, {0, 4, 1}}} << 16384 << qint64(16) << QList<int>{1, -1};
    QTest::newRow("a model without bandwidth is marked at any rate")
        << Capacities{{1, {4, 2, 1}}} << 32 << qint64(0) << QList<int>{-1};
    QTest::newRow("a model without channels takes none, even at its whole bandwidth")
        << Capacities{{2, {0, 3, 1}}} << 131072 << qint64(0) << QList<int>{1};
    QTest::newRow("extra channels give a model without inputs its room: 4 each, 3 take 12")
        << Capacities{{2, {4, 3, 1}}} << 32768 << qint64(12) << QList<int>{1};
    QTest::newRow("extra channels below 0 leave no channel rather than a negative one")
        << Capacities{{0, {-80, 2, 1}}} << 1024 << qint64(0) << QList<int>{1};
    QTest::newRow("the storage server counts like a model: 327680 / 2048 = 160 on 160 inputs")
        << Capacities{{6, {0, 1, 1}}} << 2048 << qint64(160) << QList<int>{1};
    QTest::newRow("an id the table does not have adds nothing and keeps its flag")
        << Capacities{{0, {0, 1, 1}}, {9, {0, 5, 1}}} << 4096 << qint64(32) << QList<int>{1, 1};
    QTest::newRow("a sum beyond int is kept whole: 32 x 2147483647")
        << Capacities{{4, {0, std::numeric_limits<int>::max(), 1}}} << 1 << qint64(68719476704LL)
        << QList<int>{1};
    QTest::newRow("a bit rate of 0 gives -2 and marks nothing")
        << Capacities{{3, {0, 1, 1}}} << 0 << qint64(NvrCalculator::UnsupportedBitRate)
        << QList<int>{1};
    QTest::newRow("a negative count gives -4, a code of its own, and marks nothing")
        << Capacities{{0, {0, 2, 1}}, {3, {0, -1, 1}}} << 16384 << qint64(-4) << QList<int>{1, 1};
}

void TestNvrCalculator::capacitySumAddsWhatEachModelTakes()
{
    QFETCH(Capacities, models);
    QFETCH(int, bitRate);
    QFETCH(qint64, sum);
    QFETCH(QList<int>, flags);

    const NvrCalculator calc(listModels());
    QCOMPARE(calc.capacitySum(models, bitRate), sum);
    QList<int> marked;
    for (const auto &model : models)
        marked << model.second.flag;
    QCOMPARE(marked, flags);
}

void TestNvrCalculator::tableIsTheCatalogueThenTwoStorageServers()
{
    kiv::TaskDataBase catalogue(m_cataloguePath, CatalogueFixture::uniqueConnectionName("nvr"), 0);
    QVERIFY(catalogue.isOpen());

    NvrCalculator calc(&catalogue);
    QStringList rows;
    for (const NvrModel &m : calc.models()) {
        rows << QStringLiteral("%1 %2 in %3/%4 %5 Kbps limit %6")
                    .arg(m.id)
                    .arg(m.name)
                    .arg(m.netInputNumber)
                    .arg(m.analogInputNumber)
                    .arg(m.bandwidth)
                    .arg(m.channelLimit);
    }
    QCOMPARE(rows, (QStringList{
                       QStringLiteral("0 NVR-160 in 160/0 327680 Kbps limit 0"),
                       QStringLiteral("1 NVR-64 in 64/4 131072 Kbps limit 0"),
                       QStringLiteral("2 NVR-No-Bandwidth in 16/0 0 Kbps limit 0"),
                       QStringLiteral("3 NVR-No-Channels in 0/0 131072 Kbps limit 0"),
                       QStringLiteral("4 NVR-Wide in 32/0 2147483648 Kbps limit 0"),
                       QStringLiteral("5 HNVR-8 in 8/0 40960 Kbps limit 0"),
                       QStringLiteral("6 Torvel Stroage Server in 64/0 131072 Kbps limit 0"),
                       QStringLiteral("7 Delvar Stroage Server in 160/0 327680 Kbps limit 0"),
                   }));

    // Reloading rebuilds the table rather than adding to it.
    QVERIFY(calc.loadModels(&catalogue));
    QCOMPARE(calc.models().size(), size_t(8));
}

void TestNvrCalculator::catalogueModelsAreAllocated_data()
{
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<int>("expected");

    QTest::newRow("the 128 Mbps model takes the worked example in 4 NVRs")
        << kNvr64 << Cameras{{4096, 100}, {2048, 50}} << 4;
    QTest::newRow("the hybrid NVR is bound by its 8 channels")
        << QStringLiteral("HNVR-8") << Cameras{{1024, 20}} << 3;
    QTest::newRow("a model whose bandwidth figure is missing gives -2")
        << QStringLiteral("NVR-No-Bandwidth") << Cameras{{32, 1}}
        << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a model whose channel figure is missing gives -2")
        << QStringLiteral("NVR-No-Channels") << Cameras{{32, 1}}
        << int(NvrCalculator::UnsupportedBitRate);
    QTest::newRow("a bandwidth of 2^31 Kbps is not cut to int")
        << QStringLiteral("NVR-Wide") << Cameras{{std::numeric_limits<int>::max(), 3}} << 3;
}

void TestNvrCalculator::catalogueModelsAreAllocated()
{
    QFETCH(QString, modelName);
    QFETCH(Cameras, cameras);
    QFETCH(int, expected);

    kiv::TaskDataBase catalogue(m_cataloguePath, CatalogueFixture::uniqueConnectionName("nvr"), 0);
    QVERIFY(catalogue.isOpen());
    NvrCalculator calc(&catalogue);
    QCOMPARE(calc.calculate(modelName, cameras), expected);
}

void TestNvrCalculator::closedCatalogueLeavesOnlyTheStorageServers()
{
    kiv::TaskDataBase catalogue(m_folder->file(QStringLiteral("Task_EN.db")),
                                CatalogueFixture::uniqueConnectionName("nvr"), 0);
    QVERIFY(!catalogue.isOpen());
    NvrCalculator calc(&catalogue);
    QVERIFY(!calc.loadModels(&catalogue));
    QCOMPARE(calc.models().size(), size_t(2));
    QCOMPARE(calc.models()[0].id, 0);
    QCOMPARE(calc.models()[1].id, 1);
    QCOMPARE(calc.calculate(kNvr64, {{4096, 1}}), int(NvrCalculator::UnknownModel));
    QCOMPARE(calc.calculate(QStringLiteral("Delvar Stroage Server"), {{4096, 1}}), 1);
}

void TestNvrCalculator::storageServersAreFoundInEveryLanguage()
{
    ServerNameTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));

    NvrCalculator calc(listModels());
    QCOMPARE(NvrCalculator::storageServerName(NvrCalculator::TorvelStorageServer),
             QStringLiteral("托维尔存储服务器"));
    QCOMPARE(calc.models().back().name, QStringLiteral("德尔瓦存储服务器"));
    QVERIFY(NvrCalculator::storageServerName(NvrCalculator::StorageServerCount).isEmpty());

    const Cameras cameras = {{4096, 100}};
    // Ours, the storage calculator's, the bare QObject context's, and the
    // untranslated name stored in older task lists.
    const QStringList names = {
        QStringLiteral("托维尔存储服务器"), QStringLiteral("托维尔 存储服务器"),
        QStringLiteral("托维尔存储服务器 (通用)"), QStringLiteral("Torvel Stroage Server")};
    for (const QString &name : names)
        QCOMPARE(calc.calculate(name, cameras), 4);
    // The second server keeps its own figures: 160 channels, 320 Mbps.
    QCOMPARE(calc.calculate(QStringLiteral("Delvar Stroage Server"), cameras), 2);
    QCOMPARE(calc.calculate(QStringLiteral("存储服务器"), cameras),
             int(NvrCalculator::UnknownModel));

    QCoreApplication::removeTranslator(&translator);
    // A table built while Chinese was shown still answers the English name.
    QCOMPARE(calc.calculate(QStringLiteral("Torvel Stroage Server"), cameras), 4);
}

QTEST_GUILESS_MAIN(TestNvrCalculator)
#include "tst_nvrcalculator.moc"
