#include "LensTestSupport.h"

#include <AddressValidators.h>

#include <QtTest>

using namespace pendrik;

class TestLensAddressValidators : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ipv4_data();
    void ipv4();
    void ipv4Parts_data();
    void ipv4Parts();
    void ipv6_data();
    void ipv6();
    void mask_data();
    void mask();
    void multicast_data();
    void multicast();
    void mac_data();
    void mac();
    void dayOfMonth_data();
    void dayOfMonth();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensAddressValidators::init()
{
    m_programFolder.start();
}

void TestLensAddressValidators::cleanup()
{
    m_programFolder.stop();
}

namespace {

void textColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
}

void row(const char *name, const char *text, bool valid)
{
    QTest::newRow(name) << QString::fromLatin1(text) << valid;
}

} // namespace

void TestLensAddressValidators::ipv4_data()
{
    textColumns();
    row("192.168.1.1 is accepted", "192.168.1.1", true);
    row("a last number of 0 is refused", "192.168.1.0", false);
    row("a number of 256 is refused", "256.1.1.1", false);
    row("three numbers are refused", "1.2.3", false);
    row("a trailing blank is refused", "192.168.1.1 ", false);
    row("five numbers are refused", "1.2.3.4.5", false);
    row("an empty number is refused", "1..2.3", false);
    row("letters are refused", "a.b.c.d", false);
    row("a leading zero still reads as a number", "010.1.1.1", true);
    row("a number too long for any integer is refused", "99999999999.1.1.1", false);
    row("empty text is refused", "", false);
}

void TestLensAddressValidators::ipv4()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidIPv4(text), valid);
}

void TestLensAddressValidators::ipv4Parts_data()
{
    textColumns();
    row("four numbers up to 255 are accepted", "10.0.0.1", true);
    row("255 in every place but the last is accepted", "255.255.255.1", true);
    row("a last number of 0 is refused", "10.0.0.0", false);
    row("three parts are refused", "10.0.0", false);
    row("an empty part is refused", "10..0.1", false);
    row("a leading blank is refused", " 10.0.0.1", false);
    row("a part of 256 is refused", "10.0.256.1", false);
}

void TestLensAddressValidators::ipv4Parts()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidIPv4Parts(text), valid);
}

void TestLensAddressValidators::ipv6_data()
{
    textColumns();
    row("the loopback address is accepted", "::1", true);
    row("the unspecified address is accepted", "::", true);
    row("a compressed address is accepted", "2001:db8::8a2e:370:7334", true);
    row("eight groups are accepted", "2001:0db8:0000:0000:0000:ff00:0042:8329", true);
    row("a zone suffix is left out", "fe80::1%eth0", true);
    row("an IPv4 tail counts as two groups", "1:2:3:4:5:6:192.168.1.1", true);
    row("a mapped IPv4 address is accepted", "::ffff:192.168.1.1", true);
    row("an IPv4 tail ending in 0 is refused", "::ffff:192.168.1.0", false);
    row("two double colons are refused", "1::2::3", false);
    row("three colons in a row are refused", "1:::2", false);
    row("nine groups are refused", "1:2:3:4:5:6:7:8:9", false);
    row("seven groups without a double colon are refused", "1:2:3:4:5:6:7", false);
    row("a group above FFFF is refused", "12345::1", false);
    row("a group with a letter beyond F is refused", "g::1", false);
    row("two groups are refused", "1:2", false);
    row("a double colon beside seven groups is refused", "1:2:3:4::5:6:7:8", false);
    row("an IPv4 tail in the middle is refused", "::1.2.3.4:1", false);
}

void TestLensAddressValidators::ipv6()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidIPv6(text), valid);
}

void TestLensAddressValidators::mask_data()
{
    textColumns();
    row("255.255.255.0 is accepted", "255.255.255.0", true);
    row("255.0.255.0 is refused", "255.0.255.0", false);
    row("0.0.0.0 is accepted", "0.0.0.0", true);
    row("255.255.255.255 is refused", "255.255.255.255", false);
    row("255.255.254.0 is accepted", "255.255.254.0", true);
    row("255.255.255.128 is accepted", "255.255.255.128", true);
    row("a mask with a gap in its bits is refused", "255.255.255.1", false);
    row("a leading blank is refused", " 255.0.0.0", false);
    row("a trailing text is refused", "255.0.0.0x", false);
}

void TestLensAddressValidators::mask()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidMask(text), valid);
}

void TestLensAddressValidators::multicast_data()
{
    textColumns();
    row("224.0.0.1 is multicast", "224.0.0.1", true);
    row("239.255.255.255 is multicast", "239.255.255.255", true);
    row("223.1.1.1 is below the range", "223.1.1.1", false);
    row("240.0.0.1 is above the range", "240.0.0.1", false);
    row("a number of 256 is refused", "224.0.0.256", false);
    row("three numbers are refused", "224.1.1", false);
}

void TestLensAddressValidators::multicast()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isMulticastIPv4(text), valid);
}

void TestLensAddressValidators::mac_data()
{
    textColumns();
    row("six pairs in either case are accepted", "00:1A:2b:3C:4d:5E", true);
    row("dashes are refused", "00-1A-2B-3C-4D-5E", false);
    row("five pairs are refused", "00:1A:2B:3C:4D", false);
    row("seven pairs are refused", "00:1A:2B:3C:4D:5E:6F", false);
    row("a letter beyond F is refused", "0G:1A:2B:3C:4D:5E", false);
}

void TestLensAddressValidators::mac()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidMac(text), valid);
}

void TestLensAddressValidators::dayOfMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");
    QTest::newRow("29 February is accepted") << 2 << 29 << true;
    QTest::newRow("30 February is refused") << 2 << 30 << false;
    QTest::newRow("31 February is refused") << 2 << 31 << false;
    QTest::newRow("31 April is refused") << 4 << 31 << false;
    QTest::newRow("31 June is refused") << 6 << 31 << false;
    QTest::newRow("31 September is refused") << 9 << 31 << false;
    QTest::newRow("31 November is refused") << 11 << 31 << false;
    QTest::newRow("30 June is accepted") << 6 << 30 << true;
    QTest::newRow("31 January is accepted") << 1 << 31 << true;
    QTest::newRow("31 December is accepted") << 12 << 31 << true;
}

void TestLensAddressValidators::dayOfMonth()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);
    QCOMPARE(isValidDayOfMonth(month, day), valid);
}

QTEST_APPLESS_MAIN(TestLensAddressValidators)
#include "tst_lens_address_validators.moc"
