#include "BandwidthUnitCalc.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <limits>

using Pairs = QVector<BandwidthUnitCalc::RateCount>;

namespace {

// As the bandwidth calculator shows a figure.
QString shown(double value, const QString &unit)
{
    return QString::number(value, 'f', 2) + unit;
}

} // namespace

class TestBandwidthUnitCalc : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder.reset(new ProgramFolder); }
    void cleanup() { m_folder.reset(); }

    void bandwidthOfStreamPairs_data();
    void bandwidthOfStreamPairs();
    void bandwidthOfATotalAtTheUnitBoundary_data();
    void bandwidthOfATotalAtTheUnitBoundary();
    void indexVariantsGiveTheSameFigures();
    void negativeOrInfiniteInputIsAFailure();

private:
    QScopedPointer<ProgramFolder> m_folder;
};

void TestBandwidthUnitCalc::bandwidthOfStreamPairs_data()
{
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no pairs give 0 Mbps") << Pairs() << QStringLiteral("0.00Mbps");
    QTest::newRow("one stream of 4096 Kbps gives 5.8 Mbps (5852 Kbps lifted)")
        << Pairs{{4096, 1}} << QStringLiteral("5.80Mbps");
    QTest::newRow("one stream of 2048 Kbps gives 2.9 Mbps")
        << Pairs{{2048, 1}} << QStringLiteral("2.90Mbps");
    QTest::newRow("500 Kbps in all stay in Mbps as 0.7")
        << Pairs{{250, 2}} << QStringLiteral("0.70Mbps");
    QTest::newRow("several pairs add up: 3 x 4096 + 2048 Kbps give 20 Mbps")
        << Pairs{{4096, 3}, {2048, 1}} << QStringLiteral("20.00Mbps");
    QTest::newRow("1024000 Kbps in one list go past the boundary to 1.4 Gbps")
        << Pairs{{4096, 250}} << QStringLiteral("1.40Gbps");
    QTest::newRow("a figure above 2000 Gbps keeps its true value")
        << Pairs{{16384, 93750}} << QStringLiteral("2092.70Gbps");
    QTest::newRow("a rate times count beyond int does not wrap")
        << Pairs{{16384, 200000}} << QStringLiteral("4464.30Gbps");
}

void TestBandwidthUnitCalc::bandwidthOfStreamPairs()
{
    QFETCH(Pairs, pairs);
    QFETCH(QString, expected);

    BandwidthUnitCalc calc;
    QString unit;
    bool ok = false;
    const double value = calc.totalBandwidthText(pairs, &unit, &ok);
    QVERIFY(ok);
    QCOMPARE(shown(value, unit), expected);
}

void TestBandwidthUnitCalc::bandwidthOfATotalAtTheUnitBoundary_data()
{
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing is 0 Mbps") << 0.0 << QStringLiteral("0.00Mbps");
    QTest::newRow("a total lifted to exactly 1048576 Kbps stays in Mbps")
        << 734003.0 << QStringLiteral("1024.00Mbps");
    QTest::newRow("a total lifted to 1048577 Kbps is shown in Gbps")
        << 734003.5 << QStringLiteral("1.10Gbps");
    // 16777217 / 2^20 x 10 is just above 160; in single precision it is 160.
    QTest::newRow("16777217 Kbps after headroom lift to 16.1 Gbps, not down to 16.0")
        << 11744051.5 << QStringLiteral("16.10Gbps");
}

void TestBandwidthUnitCalc::bandwidthOfATotalAtTheUnitBoundary()
{
    QFETCH(double, total);
    QFETCH(QString, expected);

    BandwidthUnitCalc calc;
    QString unit;
    bool ok = false;
    const double value = calc.scaleBandwidthText(total, &unit, &ok);
    QVERIFY(ok);
    QCOMPARE(shown(value, unit), expected);
}

void TestBandwidthUnitCalc::indexVariantsGiveTheSameFigures()
{
    BandwidthUnitCalc calc;
    int index = -1;
    QCOMPARE(calc.totalBandwidth(Pairs{{4096, 1}}, &index), 5.8);
    QCOMPARE(index, int(BandwidthUnitCalc::Mbps));
    QCOMPARE(calc.scaleBandwidth(1024000, &index), 1.4);
    QCOMPARE(index, int(BandwidthUnitCalc::Gbps));
}

void TestBandwidthUnitCalc::negativeOrInfiniteInputIsAFailure()
{
    BandwidthUnitCalc calc;
    QString unit;
    bool ok = true;
    QCOMPARE(calc.totalBandwidthText(Pairs{{4096, 1}, {-4096, 1}}, &unit, &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(unit, QStringLiteral("Gbps"));

    ok = true;
    QCOMPARE(calc.totalBandwidthText(Pairs{{4096, -1}}, &unit, &ok), 0.0);
    QVERIFY(!ok);

    ok = true;
    QCOMPARE(calc.scaleBandwidthText(-1.0, &unit, &ok), 0.0);
    QVERIFY(!ok);
    ok = true;
    calc.scaleBandwidthText(std::numeric_limits<double>::quiet_NaN(), &unit, &ok);
    QVERIFY(!ok);
    ok = true;
    calc.scaleBandwidthText(std::numeric_limits<double>::infinity(), &unit, &ok);
    QVERIFY(!ok);
    ok = true;
    calc.scaleBandwidthText(std::numeric_limits<double>::max(), &unit, &ok);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestBandwidthUnitCalc)
#include "tst_bandwidthunitcalc.moc"
