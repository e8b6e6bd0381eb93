#include "CalculationEngine.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestCalculationEngine : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder.reset(new ProgramFolder); }
    void cleanup() { m_folder.reset(); }

    void bitRateByResolutionModeAndFrameRate_data();
    void bitRateByResolutionModeAndFrameRate();
    void baseRateOfEveryColumn_data();
    void baseRateOfEveryColumn();
    void everyResolutionTextReadsItsColumn_data();
    void everyResolutionTextReadsItsColumn();
    void bitRateThatCannotBeComputedIsAFailure_data();
    void bitRateThatCannotBeComputedIsAFailure();

    void storageOfOneLine_data();
    void storageOfOneLine();
    void storageOfNegativeLineIsAFailure();
    void sumStorageAddsToSumsPassedIn();
    void sumStorageSkipsAndReportsAFailedItem_data();
    void sumStorageSkipsAndReportsAFailedItem();
    void sumStorageDoesNotWrapLongRecordings();

    void disksNeeded_data();
    void disksNeeded();
    void disksThatCannotBeCountedAreAFailure_data();
    void disksThatCannotBeCountedAreAFailure();

private:
    QScopedPointer<ProgramFolder> m_folder;
};

void TestCalculationEngine::bitRateByResolutionModeAndFrameRate_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<double>("expected");

    const QString fullHd = QStringLiteral("1920x1080");
    QTest::newRow("a camera at 1920x1080 PAL 25 fps gives its base rate 6144")
        << 0 << 0 << fullHd << 25.0 << 6144.0;
    QTest::newRow("blanks in the resolution text do not matter")
        << 0 << 0 << QStringLiteral("1920 x 1080") << 25.0 << 6144.0;
    // Neither spelling is a text of the table: only dropping the blanks finds them.
    QTest::newRow("a camera at \"1600  x 912\" is found once its blanks are gone")
        << 0 << 0 << QStringLiteral("1600  x 912") << 25.0 << 4864.0;
    QTest::newRow("a DVR at \" QCIF \" is found once its blanks are gone")
        << 1 << 0 << QStringLiteral(" QCIF ") << 25.0 << 256.0;
    QTest::newRow("a camera at 10 fps scales linearly to 2457.6")
        << 0 << 0 << fullHd << 10.0 << 2457.6;
    QTest::newRow("a camera at 5 fps falls by 0.9 per frame below 10")
        << 0 << 0 << fullHd << 5.0 << 1451.188224;
    QTest::newRow("a camera at 1 fps falls nine times")
        << 0 << 0 << fullHd << 1.0 << 952.1245937664;
    QTest::newRow("a camera at 0.5 fps stops falling at the 1 fps rate")
        << 0 << 0 << fullHd << 0.5 << 952.1245937664;
    QTest::newRow("a camera under NTSC reaches its base rate at 30 fps")
        << 0 << 1 << fullHd << 30.0 << 6144.0;
    QTest::newRow("a speed dome uses the camera row: CIF NTSC 30 fps gives 512")
        << 2 << 1 << QStringLiteral("CIF") << 30.0 << 512.0;
    QTest::newRow("WD1 on a camera at NTSC 15 fps gives half of 1920")
        << 0 << 1 << QStringLiteral("WD1") << 15.0 << 960.0;
    QTest::newRow("704 x 480 uses the 4CIF column")
        << 0 << 0 << QStringLiteral("704 x 480") << 25.0 << 1536.0;
    QTest::newRow("704x576 uses the 4CIF column")
        << 0 << 0 << QStringLiteral("704x576") << 25.0 << 1536.0;
    QTest::newRow("an unknown resolution is estimated as the largest one, 12288")
        << 0 << 0 << QStringLiteral("800x600") << 25.0 << 12288.0;
    QTest::newRow("a DVR at 4CIF NTSC 30 fps gives its base rate 1792")
        << 1 << 1 << QStringLiteral("4CIF") << 30.0 << 1792.0;
    QTest::newRow("a DVR at 0 fps keeps a fifth of its rate, 358.4")
        << 1 << 1 << QStringLiteral("4CIF") << 0.0 << 358.4;
    QTest::newRow("a DVR at PAL 12.5 fps is halfway between a fifth and the whole")
        << 1 << 0 << QStringLiteral("CIF") << 12.5 << 307.2;
    QTest::newRow("a DVR at 1280 x 960 has no rate at full frame rate")
        << 1 << 0 << QStringLiteral("1280 x 960") << 25.0 << 0.0;
    QTest::newRow("a DVR at 1280 x 960 has no rate at 0 fps either")
        << 1 << 0 << QStringLiteral("1280x960") << 0.0 << 0.0;
}

void TestCalculationEngine::bitRateByResolutionModeAndFrameRate()
{
    QFETCH(int, mode);
    QFETCH(int, standard);
    QFETCH(QString, resolution);
    QFETCH(double, frameRate);
    QFETCH(double, expected);

    CalculationEngine engine;
    bool ok = false;
    const double rate = engine.bitRateForResolution(mode, standard, resolution, frameRate, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(rate - expected) < 1e-9,
             qPrintable(QStringLiteral("%1 instead of %2").arg(rate, 0, 'g', 17).arg(expected)));
    // The result without the failure channel is the same figure.
    QCOMPARE(engine.bitRateForResolution(mode, standard, resolution, frameRate), rate);
}

void TestCalculationEngine::baseRateOfEveryColumn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");

    // Base rates of the camera and DVR rows, reached at full frame rate.
    const double cameraRates[] = {12288, 8192, 6144, 5688, 4864, 4096, 3072,
                                  1280,  1536, 1024, 512,  256,  1920};
    const double dvrRates[] = {4096, 4096, 4096, 3584, 4096, 0,   3072,
                               1536, 1792, 1024, 512,  256,  2240};
    for (int index = 0; index < 13; ++index) {
        QTest::addRow("camera column %d is %g Kbps", index, cameraRates[index])
            << 0 << index << cameraRates[index];
        QTest::addRow("DVR column %d is %g Kbps", index, dvrRates[index])
            << 1 << index << dvrRates[index];
    }
}

void TestCalculationEngine::baseRateOfEveryColumn()
{
    QFETCH(int, mode);
    QFETCH(int, index);
    QFETCH(double, expected);

    CalculationEngine engine;
    bool ok = false;
    const double pal = engine.estimateBitRate(mode, 0, index, 25.0, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(pal - expected) < 1e-9, qPrintable(QString::number(pal, 'g', 17)));
    const double ntsc = engine.estimateBitRate(mode, 1, index, 30.0, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(ntsc - expected) < 1e-9, qPrintable(QString::number(ntsc, 'g', 17)));
}

void TestCalculationEngine::everyResolutionTextReadsItsColumn_data()
{
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("cameraRate");
    QTest::addColumn<double>("dvrRate");

    // Every camera rate is a different figure, so it names the column read.
    auto row = [](const char *text, int column, double camera, double dvr) {
        QTest::addRow("\"%s\" reads column %d", text, column)
            << QString::fromLatin1(text) << camera << dvr;
    };
    row("2560 x 1920", 0, 12288, 4096);
    row("2560x1920", 0, 12288, 4096);
    row("2048 x 1536", 1, 8192, 4096);
    row("2048x1536", 1, 8192, 4096);
    row("1920 x 1080", 2, 6144, 4096);
    row("1920x1080", 2, 6144, 4096);
    row("1600 x 1200", 3, 5688, 3584);
    row("1600x1200", 3, 5688, 3584);
    row("1600 x 912", 4, 4864, 4096);
    row("1600x912", 4, 4864, 4096);
    row("1280 x 960", 5, 4096, 0);
    row("1280x960", 5, 4096, 0);
    row("1280 x 720", 6, 3072, 3072);
    row("1280x720", 6, 3072, 3072);
    row("640 x 480", 7, 1280, 1536);
    row("640x480", 7, 1280, 1536);
    row("4CIF", 8, 1536, 1792);
    row("704 x 576", 8, 1536, 1792);
    row("704x576", 8, 1536, 1792);
    row("704 x 480", 8, 1536, 1792);
    row("704x480", 8, 1536, 1792);
    row("2CIF", 9, 1024, 1024);
    row("704 x 288", 9, 1024, 1024);
    row("704x288", 9, 1024, 1024);
    row("CIF", 10, 512, 512);
    row("352 x 288", 10, 512, 512);
    row("352x288", 10, 512, 512);
    row("QCIF", 11, 256, 256);
    row("176 x 144", 11, 256, 256);
    row("176x144", 11, 256, 256);
    row("WD1", 12, 1920, 2240);
}

void TestCalculationEngine::everyResolutionTextReadsItsColumn()
{
    QFETCH(QString, resolution);
    QFETCH(double, cameraRate);
    QFETCH(double, dvrRate);

    CalculationEngine engine;
    bool ok = false;
    const double camera = engine.bitRateForResolution(kiv::NetworkCamera, 0, resolution, 25.0, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(camera - cameraRate) < 1e-9, qPrintable(QString::number(camera, 'g', 17)));
    const double dvr = engine.bitRateForResolution(kiv::Dvr, 0, resolution, 25.0, &ok);
    QVERIFY(ok);
    QVERIFY2(std::abs(dvr - dvrRate) < 1e-9, qPrintable(QString::number(dvr, 'g', 17)));
}

void TestCalculationEngine::bitRateThatCannotBeComputedIsAFailure_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("frameRate");

    QTest::newRow("a frame rate that is not a number")
        << 0 << 2 << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("an infinite frame rate") << 0 << 2 << std::numeric_limits<double>::infinity();
    QTest::newRow("a DVR frame rate that is not a number")
        << 1 << 2 << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("an estimate beyond the int a stream stores") << 0 << 0 << 1e9;
    QTest::newRow("a negative DVR estimate from a negative frame rate") << 1 << 8 << -100.0;
    QTest::newRow("a resolution column past the table") << 0 << 13 << 25.0;
    QTest::newRow("a negative resolution column") << 0 << -1 << 25.0;
}

void TestCalculationEngine::bitRateThatCannotBeComputedIsAFailure()
{
    QFETCH(int, mode);
    QFETCH(int, index);
    QFETCH(double, frameRate);

    CalculationEngine engine;
    bool ok = true;
    QCOMPARE(engine.estimateBitRate(mode, 0, index, frameRate, &ok), 0.0);
    QVERIFY(!ok);
}

void TestCalculationEngine::storageOfOneLine_data()
{
    QTest::addColumn<double>("bitRate");
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("gb");

    QTest::newRow("4096 Kbps for a day") << 4096.0 << 24 << 45.434787562688065;
    QTest::newRow("4096 Kbps for 30 days needs about 1363.04 GB")
        << 4096.0 << 720 << 1363.0436268806418;
    QTest::newRow("nothing recorded needs nothing") << 4096.0 << 0 << 0.0;
    // Above 20000 TB: kept as it is, not turned into 0.
    QTest::newRow("a line of 16384 Kbps x 99999 streams for 30 days keeps its 545212 TB")
        << 1638383616.0 << 720 << 545211998.5777493;
}

void TestCalculationEngine::storageOfOneLine()
{
    QFETCH(double, bitRate);
    QFETCH(int, hours);
    QFETCH(double, gb);

    CalculationEngine engine;
    double tb = -1;
    double outGb = -1;
    bool ok = false;
    engine.storageForStream(bitRate, hours, &tb, &outGb, &ok);
    QVERIFY(ok);
    QVERIFY(std::abs(outGb - gb) <= 1e-12 * std::max(1.0, gb));
    QVERIFY(std::abs(tb - gb / 1000) <= 1e-15 * std::max(1.0, gb));
}

void TestCalculationEngine::storageOfNegativeLineIsAFailure()
{
    CalculationEngine engine;
    double tb = 5;
    double gb = 5;
    bool ok = true;
    engine.storageForStream(-4096, 24, &tb, &gb, &ok);
    QVERIFY(!ok);
    QCOMPARE(tb, 0.0);
    QCOMPARE(gb, 0.0);

    ok = true;
    engine.storageForStream(4096, -24, &tb, &gb, &ok);
    QVERIFY(!ok);
}

void TestCalculationEngine::sumStorageAddsToSumsPassedIn()
{
    CalculationEngine engine;
    const std::vector<StreamStorageItem> items = {{4096, 30, 24}, {1024, 7, 12}};
    double tb = 1.0;
    double gb = 1000.0;
    bool ok = false;
    engine.sumStorage(items, &tb, &gb, &ok);
    QVERIFY(ok);
    // 1363.0436268806418 GB + 39.755439117352054 GB (1024 Kbps for 84 hours)
    QVERIFY(std::abs(gb - (1000.0 + 1402.7990659979939)) < 1e-9);
    QVERIFY(std::abs(tb - (1.0 + 1.4027990659979939)) < 1e-12);
}

void TestCalculationEngine::sumStorageSkipsAndReportsAFailedItem_data()
{
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hoursPerDay");

    // Figures a hand-edited task file can hold.
    QTest::newRow("a negative day count") << 4096 << -30 << 24;
    QTest::newRow("a negative hour count") << 4096 << 30 << -24;
    QTest::newRow("negative days and hours, whose product is positive") << 4096 << -30 << -24;
    QTest::newRow("a negative bit rate") << -4096 << 30 << 24;
}

void TestCalculationEngine::sumStorageSkipsAndReportsAFailedItem()
{
    QFETCH(int, bitRate);
    QFETCH(int, days);
    QFETCH(int, hoursPerDay);

    CalculationEngine engine;
    const std::vector<StreamStorageItem> items = {{bitRate, days, hoursPerDay}, {4096, 30, 24}};
    double tb = 0;
    double gb = 0;
    bool ok = true;
    engine.sumStorage(items, &tb, &gb, &ok);
    QVERIFY(!ok);
    // Only the sound line is counted.
    QVERIFY(std::abs(gb - 1363.0436268806418) < 1e-9);
    QVERIFY(std::abs(tb - 1.3630436268806418) < 1e-12);
}

void TestCalculationEngine::sumStorageDoesNotWrapLongRecordings()
{
    CalculationEngine engine;
    // 24 hours x 200000000 days is beyond int.
    const std::vector<StreamStorageItem> items = {{4096, 200000000, 24}};
    double tb = 0;
    double gb = 0;
    bool ok = false;
    engine.sumStorage(items, &tb, &gb, &ok);
    QVERIFY(ok);
    QVERIFY(std::abs(gb / 9086957512.537613 - 1) < 1e-12);
}

void TestCalculationEngine::disksNeeded_data()
{
    QTest::addColumn<double>("diskSize");
    QTest::addColumn<int>("reserve");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("disks");

    QTest::newRow("no storage needs no disk") << 2000.0 << 8 << 0.0 << 0;
    QTest::newRow("1.36 TB on 2000 GB disks with 8 % reserve needs one disk")
        << 2000.0 << 8 << 1.36 << 1;
    QTest::newRow("16 TB on 2000 GB disks with 8 % reserve needs 10 (9.56 lifted)")
        << 2000.0 << 8 << 16.0 << 10;
    QTest::newRow("100 TB on 4000 GB disks with 8 % reserve needs 30 (29.88 lifted)")
        << 4000.0 << 8 << 100.0 << 30;
    // Ten 2000 GB disks hold 20000 / 1.024^3 GiB = 18.1898940354585648 TB.
    QTest::newRow("a total of exactly ten 2000 GB disks gives eleven")
        << 2000.0 << 0 << 18.189894035458565 << 11;
    QTest::newRow("a total of exactly ten 500 GB disks with 5 % reserve gives eleven")
        << 500.0 << 5 << 4.320099833421409 << 11;
}

void TestCalculationEngine::disksNeeded()
{
    QFETCH(double, diskSize);
    QFETCH(int, reserve);
    QFETCH(double, total);
    QFETCH(int, disks);

    bool ok = false;
    QCOMPARE(CalculationEngine::hddCount(diskSize, reserve, total, &ok), disks);
    QVERIFY(ok);
    CalculationEngine engine;
    QCOMPARE(engine.hddCount(diskSize, reserve, total), disks);
}

void TestCalculationEngine::disksThatCannotBeCountedAreAFailure_data()
{
    QTest::addColumn<double>("diskSize");
    QTest::addColumn<int>("reserve");
    QTest::addColumn<double>("total");

    QTest::newRow("a disk size of 0") << 0.0 << 8 << 1.0;
    QTest::newRow("a disk size of 0 with nothing to store") << 0.0 << 8 << 0.0;
    QTest::newRow("a negative disk size") << -2000.0 << 8 << 1.0;
    QTest::newRow("a reserve of 100 %") << 2000.0 << 100 << 1.0;
    QTest::newRow("a reserve above 100 %") << 2000.0 << 150 << 1.0;
    QTest::newRow("a negative total") << 2000.0 << 8 << -1.0;
    QTest::newRow("a total that is not a number")
        << 2000.0 << 8 << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("an infinite total") << 2000.0 << 8 << std::numeric_limits<double>::infinity();
    QTest::newRow("more disks than an int holds") << 500.0 << 8 << 1e12;
}

void TestCalculationEngine::disksThatCannotBeCountedAreAFailure()
{
    QFETCH(double, diskSize);
    QFETCH(int, reserve);
    QFETCH(double, total);

    bool ok = true;
    QCOMPARE(CalculationEngine::hddCount(diskSize, reserve, total, &ok), -1);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestCalculationEngine)
#include "tst_calculationengine.moc"
