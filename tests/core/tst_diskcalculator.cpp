#include "DiskCalculator.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

RaidParam raid(int dataDisks, int bays, int type, int groups, int hotSpares)
{
    RaidParam p;
    p.dataDisks = dataDisks;
    p.disksPerGroup = bays;
    p.raidType = type;
    p.parity = groups;
    p.hotSpare = hotSpares;
    return p;
}

} // namespace

Q_DECLARE_METATYPE(RaidParam)

class TestDiskCalculator : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder.reset(new ProgramFolder); }
    void cleanup() { m_folder.reset(); }

    void cvrStorageKeepsFractionsOfAMegabit_data();
    void cvrStorageKeepsFractionsOfAMegabit();
    void cvrStorageOfNegativeInputIsAFailure();
    void disksNeededFollowTheEngineRule();

    void devicesAndTotalDisksByRaidType_data();
    void devicesAndTotalDisksByRaidType();
    void impossibleLayoutsGiveMinusOne_data();
    void impossibleLayoutsGiveMinusOne();
    void unknownRaidCodeGivesZeroAndNoFigure();
    void totalsBeyondIntAreAFailure();

private:
    QScopedPointer<ProgramFolder> m_folder;
};

void TestDiskCalculator::cvrStorageKeepsFractionsOfAMegabit_data()
{
    QTest::addColumn<int>("streams");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("tb");

    // 10 x 1000 / 1024 Mbps = 9.765625 Mbps; x 86400 s / 8388608 Mb per TB.
    QTest::newRow("10 streams of 1000 Kbps for a day need 0.1006 TB, not 0")
        << 10 << 1000 << 24 << 0.10058283805847168;
    QTest::newRow("4 streams of 2048 Kbps for 30 days") << 4 << 2048 << 720 << 2.471923828125;
    QTest::newRow("99999 streams of 16384 Kbps for a day")
        << 99999 << 16384 << 24 << 16479.327392578125;
    QTest::newRow("2000000000 streams of 16384 Kbps for an hour do not wrap")
        << 2000000000 << 16384 << 1 << 13732910.15625;
    QTest::newRow("no hours need nothing") << 10 << 4096 << 0 << 0.0;
}

void TestDiskCalculator::cvrStorageKeepsFractionsOfAMegabit()
{
    QFETCH(int, streams);
    QFETCH(int, bitRate);
    QFETCH(int, hours);
    QFETCH(double, tb);

    DiskCalculator calc;
    bool ok = false;
    const double result = calc.storageSize(streams, bitRate, hours, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(result - tb) <= 1e-12 * std::max(1.0, tb),
             qPrintable(QString::number(result, 'g', 17)));
}

void TestDiskCalculator::cvrStorageOfNegativeInputIsAFailure()
{
    DiskCalculator calc;
    bool ok = true;
    QCOMPARE(calc.storageSize(-1, 4096, 24, &ok), 0.0);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(calc.storageSize(1, -4096, 24, &ok), 0.0);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(calc.storageSize(1, 4096, -24, &ok), 0.0);
    QVERIFY(!ok);
}

void TestDiskCalculator::disksNeededFollowTheEngineRule()
{
    DiskCalculator calc;
    bool ok = false;
    // Exactly ten 500 GB disks at 5 % reserve: one more than ten.
    QCOMPARE(calc.hddCount(500, 5, 4.320099833421409, &ok), 11);
    QVERIFY(ok);
    QCOMPARE(calc.hddCount(2000, 5, 0.0, &ok), 0);
    QVERIFY(ok);
    QCOMPARE(calc.hddCount(0, 5, 1.0, &ok), -1);
    QVERIFY(!ok);
    QCOMPARE(calc.hddCount(2000, 100, 1.0, &ok), -1);
    QVERIFY(!ok);
}

void TestDiskCalculator::devicesAndTotalDisksByRaidType_data()
{
    QTest::addColumn<int>("dataDisks");
    QTest::addColumn<int>("bays");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("hotSpares");
    QTest::addColumn<int>("devices");
    QTest::addColumn<int>("totalDisks");

    QTest::newRow("RAID5, 8 bays, 1 group, 1 hot spare: 12 data disks need 2 devices, 16 disks")
        << 12 << 8 << int(DiskCalculator::Raid5) << 1 << 1 << 2 << 16;
    QTest::newRow("RAID1 with 4 data disks and 8 bays: 1 device, 8 disks")
        << 4 << 8 << int(DiskCalculator::Raid1) << 0 << 0 << 1 << 8;
    QTest::newRow("RAID1 with 5 data disks and 8 bays: 2 devices, 10 disks")
        << 5 << 8 << int(DiskCalculator::Raid1) << 0 << 0 << 2 << 10;
    QTest::newRow("RAID10 ignores groups and hot spares: 5 data disks, 8 bays: 2 devices, 10 disks")
        << 5 << 8 << int(DiskCalculator::Raid10) << 2 << 2 << 2 << 10;
    QTest::newRow("RAID0, 8 bays, 2 hot spares: 12 data disks need 2 devices, 16 disks")
        << 12 << 8 << int(DiskCalculator::Raid0) << 0 << 2 << 2 << 16;
    QTest::newRow("JBOD dividing exactly: 12 data disks on 6 bays need 2 devices, 12 disks")
        << 12 << 6 << int(DiskCalculator::Jbod) << 0 << 0 << 2 << 12;
    QTest::newRow("RAID3, 8 bays, 1 group: 13 data disks need 2 devices, 15 disks")
        << 13 << 8 << int(DiskCalculator::Raid3) << 1 << 0 << 2 << 15;
    QTest::newRow("RAID50, 8 bays, 2 groups, 1 hot spare: 20 data disks need 4 devices, 32 disks")
        << 20 << 8 << int(DiskCalculator::Raid50) << 2 << 1 << 4 << 32;
    QTest::newRow("RAID6, 8 bays, 1 group, 1 hot spare: 10 data disks need 2 devices, 16 disks")
        << 10 << 8 << int(DiskCalculator::Raid6) << 1 << 1 << 2 << 16;
    QTest::newRow("no data disks need no device")
        << 0 << 8 << int(DiskCalculator::Raid5) << 1 << 1 << 0 << 0;
}

void TestDiskCalculator::devicesAndTotalDisksByRaidType()
{
    QFETCH(int, dataDisks);
    QFETCH(int, bays);
    QFETCH(int, type);
    QFETCH(int, groups);
    QFETCH(int, hotSpares);
    QFETCH(int, devices);
    QFETCH(int, totalDisks);

    DiskCalculator calc;
    const RaidParam p = raid(dataDisks, bays, type, groups, hotSpares);
    bool ok = false;
    QCOMPARE(calc.raidGroupCount(&p, &ok), devices);
    QVERIFY(ok);
    ok = false;
    QCOMPARE(calc.totalDiskCount(&p, devices, &ok), totalDisks);
    QVERIFY(ok);
}

void TestDiskCalculator::impossibleLayoutsGiveMinusOne_data()
{
    QTest::addColumn<RaidParam>("param");

    QTest::newRow("RAID6, 8 bays, 2 groups, 4 hot spares keep no data bay")
        << raid(12, 8, DiskCalculator::Raid6, 2, 4);
    QTest::newRow("RAID5 with more parity and spares than bays")
        << raid(12, 8, DiskCalculator::Raid5, 5, 4);
    QTest::newRow("RAID0 with every bay a hot spare") << raid(12, 8, DiskCalculator::Raid0, 0, 8);
    QTest::newRow("a device without bays") << raid(12, 0, DiskCalculator::Jbod, 0, 0);
    QTest::newRow("RAID1 with 0 bays") << raid(4, 0, DiskCalculator::Raid1, 0, 0);
    QTest::newRow("RAID10 with 0 bays and no data disks")
        << raid(0, 0, DiskCalculator::Raid10, 0, 0);
    QTest::newRow("a negative bay count from a hand-edited file")
        << raid(4, -8, DiskCalculator::Raid1, 0, 0);
    QTest::newRow("a negative hot-spare count that would add bays")
        << raid(12, 8, DiskCalculator::Raid5, 1, -4);
    QTest::newRow("a negative group count") << raid(12, 8, DiskCalculator::Raid6, -1, 0);
    QTest::newRow("a negative data-disk count") << raid(-12, 8, DiskCalculator::Raid5, 1, 1);
}

void TestDiskCalculator::impossibleLayoutsGiveMinusOne()
{
    QFETCH(RaidParam, param);

    DiskCalculator calc;
    bool ok = true;
    QCOMPARE(calc.raidGroupCount(&param, &ok), -1);
    QVERIFY(!ok);
}

void TestDiskCalculator::unknownRaidCodeGivesZeroAndNoFigure()
{
    DiskCalculator calc;
    const RaidParam p = raid(12, 8, 8, 1, 1);
    bool ok = true;
    QCOMPARE(calc.raidGroupCount(&p, &ok), 0);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(calc.totalDiskCount(&p, 2, &ok), 0);
    QVERIFY(!ok);

    ok = true;
    QCOMPARE(calc.raidGroupCount(nullptr, &ok), -1);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(calc.totalDiskCount(nullptr, 1, &ok), -1);
    QVERIFY(!ok);
}

void TestDiskCalculator::totalsBeyondIntAreAFailure()
{
    DiskCalculator calc;
    const int big = std::numeric_limits<int>::max();
    bool ok = true;

    const RaidParam mirrored = raid(big, 1, DiskCalculator::Raid1, 0, 0);
    QCOMPARE(calc.raidGroupCount(&mirrored, &ok), -1);
    QVERIFY(!ok);
    ok = true;
    QCOMPARE(calc.totalDiskCount(&mirrored, 1, &ok), -1);
    QVERIFY(!ok);

    const RaidParam parity = raid(100, 8, DiskCalculator::Raid5, 2, 2);
    ok = true;
    QCOMPARE(calc.totalDiskCount(&parity, big, &ok), -1);
    QVERIFY(!ok);

    ok = true;
    QCOMPARE(calc.totalDiskCount(&parity, -1, &ok), -1);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestDiskCalculator)
#include "tst_diskcalculator.moc"
