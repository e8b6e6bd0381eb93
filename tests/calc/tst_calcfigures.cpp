// The bandwidth, client and stream-server arithmetic as their calculators
// call it: unit boundaries and use codes of the bandwidth, the client and
// stream-server boundaries.

#include <BandwidthCalculation.h>
#include <ServerCounts.h>

#include <QtTest>

using namespace kiv;

namespace {

DevStream stream(const QString &useCode, int count, int bitRate)
{
    DevStream s;
    s.useCode = useCode;
    s.streamCount = count;
    s.bitRate = bitRate;
    return s;
}

TaskDeviceEntry device(int count, const QVector<DevStream> &streams)
{
    TaskDeviceEntry d;
    d.info.mainType = QStringLiteral("IPC");
    d.info.count = count;
    d.streams = streams;
    return d;
}

using Devices = QVector<TaskDeviceEntry>;

} // namespace

Q_DECLARE_METATYPE(kiv::TaskDeviceEntry)

class TestCalcFigures : public QObject
{
    Q_OBJECT

private slots:
    void bandwidthUnits_data();
    void bandwidthUnits();
    void bandwidthUseCodes_data();
    void bandwidthUseCodes();
    void bandwidthRefusesNegativeFigures();
    void clients_data();
    void clients();
    void streamServers_data();
    void streamServers();
    void negativeCountsAreNotCounted();
};

void TestCalcFigures::bandwidthUnits_data()
{
    QTest::addColumn<Devices>("devices");
    QTest::addColumn<QString>("expected");
    const auto one = [](int count, int rate) {
        return Devices{device(1, {stream(QStringLiteral("111"), count, rate)})};
    };
    QTest::newRow("2048 Kbps need 2926 Kbps: 2.90 Mbps") << one(1, 2048) << "2.90Mbps";
    QTest::newRow("no streams need nothing") << Devices{} << "0.00Mbps";
    QTest::newRow("1 Kbps is lifted to the next tenth") << one(1, 1) << "0.10Mbps";
    QTest::newRow("1048576 Kbps with headroom are still Mbps") << one(1, 734003) << "1024.00Mbps";
    QTest::newRow("one Kbps more is Gbps, lifted to the next tenth")
        << one(1, 734004) << "1.10Gbps";
    QTest::newRow("1024000 Kbps are 1.40 Gbps") << one(1000, 1024) << "1.40Gbps";
    QTest::newRow("3984589 Kbps are 3.80000019 Gbps: 3.90, not 3.80")
        << one(1, 2789212) << "3.90Gbps";
    QTest::newRow("above 2000 Gbps is shown as it is") << one(99999, 16384) << "2232.20Gbps";
    QTest::newRow("lines beyond int together are summed in 64 bits")
        << Devices{device(1, {stream(QStringLiteral("111"), 99999, 16384)}),
                   device(1, {stream(QStringLiteral("111"), 99999, 16384)})}
        << "4464.30Gbps";
    QTest::newRow("a stream's count is not multiplied by its device's count")
        << Devices{device(10, {stream(QStringLiteral("111"), 1, 2048)})} << "2.90Mbps";
}

void TestCalcFigures::bandwidthUnits()
{
    QFETCH(Devices, devices);
    QFETCH(QString, expected);
    const BandwidthFigures f = calculateBandwidth(devices);
    QVERIFY(f.ok);
    QCOMPARE(f.preview, expected);
    QCOMPARE(f.record, expected);
    QCOMPARE(f.transmission, expected);
    QCOMPARE(f.total, expected);
}

void TestCalcFigures::bandwidthUseCodes_data()
{
    QTest::addColumn<QString>("useCode");
    QTest::addColumn<QStringList>("cells");
    const QString none = QStringLiteral("0.00Mbps");
    const QString one = QStringLiteral("2.90Mbps");
    QTest::newRow("preview only") << "100" << QStringList{one, none, none, one};
    QTest::newRow("record only") << "010" << QStringList{none, one, none, one};
    QTest::newRow("transmission only") << "001" << QStringList{none, none, one, one};
    QTest::newRow("no flag counts in the total only")
        << "000" << QStringList{none, none, none, one};
    QTest::newRow("a flag is any digit but 0") << "203" << QStringList{one, none, one, one};
    QTest::newRow("two characters count nowhere") << "11" << QStringList{none, none, none, none};
    QTest::newRow("four characters count nowhere") << "1111" << QStringList{none, none, none, none};
}

void TestCalcFigures::bandwidthUseCodes()
{
    QFETCH(QString, useCode);
    QFETCH(QStringList, cells);
    const BandwidthFigures f = calculateBandwidth({device(1, {stream(useCode, 1, 2048)})});
    QVERIFY(f.ok);
    QCOMPARE((QStringList{f.preview, f.record, f.transmission, f.total}), cells);
}

void TestCalcFigures::bandwidthRefusesNegativeFigures()
{
    QVERIFY(!calculateBandwidth({device(1, {stream(QStringLiteral("111"), 1, -2048)})}).ok);
    QVERIFY(!calculateBandwidth({device(1, {stream(QStringLiteral("000"), -1, 2048)})}).ok);
    // A line without a use code counts nowhere, whatever it holds.
    QVERIFY(calculateBandwidth({device(1, {stream(QStringLiteral("1"), -1, 2048)})}).ok);
}

void TestCalcFigures::clients_data()
{
    QTest::addColumn<Devices>("devices");
    QTest::addColumn<int>("clients");
    const auto task = [](int devices, int streams) {
        return Devices{device(devices, {stream(QStringLiteral("100"), streams, 2048)})};
    };
    QTest::newRow("an empty task needs none") << Devices{} << 0;
    QTest::newRow("300 devices and 1500 streams need 2") << task(300, 1500) << 2;
    QTest::newRow("10 devices and 2048 streams need 2") << task(10, 2048) << 2;
    QTest::newRow("256 devices need 1") << task(256, 0) << 1;
    QTest::newRow("257 devices need 2") << task(257, 0) << 2;
    QTest::newRow("1 stream needs 1") << task(0, 1) << 1;
    QTest::newRow("1024 streams need 1") << task(0, 1024) << 1;
    QTest::newRow("1025 streams need 2") << task(0, 1025) << 2;
    QTest::newRow("streams of every use count")
        << Devices{device(
               1, {stream(QStringLiteral("000"), 600, 512), stream(QStringLiteral("x"), 600, 512)})}
        << 2;
    QTest::newRow("devices of several entries add up")
        << Devices{device(200, {}), device(100, {})} << 2;
}

void TestCalcFigures::clients()
{
    QFETCH(Devices, devices);
    QFETCH(int, clients);
    bool ok = false;
    QCOMPARE(clientCount(devices, &ok), clients);
    QVERIFY(ok);
}

void TestCalcFigures::streamServers_data()
{
    QTest::addColumn<Devices>("devices");
    QTest::addColumn<int>("servers");
    const auto one = [](const QString &use, int count, int rate) {
        return Devices{device(1, {stream(use, count, rate)})};
    };
    QTest::newRow("no streams need none") << Devices{} << 0;
    QTest::newRow("two streams of 4096 Kbps need 1") << one(QStringLiteral("111"), 2, 4096) << 1;
    QTest::newRow("131071 Kbps need 1") << one(QStringLiteral("111"), 1, 131071) << 1;
    QTest::newRow("131072 Kbps need 2") << one(QStringLiteral("111"), 32, 4096) << 2;
    QTest::newRow("262144 Kbps need 3") << one(QStringLiteral("111"), 64, 4096) << 3;
    QTest::newRow("preview-only streams count")
        << Devices{device(1, {stream(QStringLiteral("100"), 16, 4096),
                              stream(QStringLiteral("001"), 16, 4096)})}
        << 2;
    QTest::newRow("streams without a use code count") << one(QStringLiteral("1"), 32, 4096) << 2;
    QTest::newRow("a line beyond int is counted in 64 bits")
        << one(QStringLiteral("111"), 200000, 16384) << 25001;
    QTest::newRow("a stream's count is not multiplied by its device's count")
        << Devices{device(50, {stream(QStringLiteral("111"), 2, 4096)})} << 1;
}

void TestCalcFigures::streamServers()
{
    QFETCH(Devices, devices);
    QFETCH(int, servers);
    bool ok = false;
    QCOMPARE(streamServerCount(devices, &ok), servers);
    QVERIFY(ok);
}

void TestCalcFigures::negativeCountsAreNotCounted()
{
    bool ok = true;
    QCOMPARE(clientCount({device(-5, {})}, &ok), -1);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(clientCount({device(1, {stream(QStringLiteral("111"), -3, 1)})}, &ok), -1);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(streamServerCount({device(1, {stream(QStringLiteral("111"), 3, -1)})}, &ok), -1);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestCalcFigures)
#include "tst_calcfigures.moc"
