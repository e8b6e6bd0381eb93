#include "Limits.h"
#include "TextChecks.h"

#include <QtTest>

using namespace kiv;

// The ranges of every value a task, its device entries, streams and
// accessories hold, read from a typed text as the fields take it.
class TestLimits : public QObject
{
    Q_OBJECT

private slots:
    void typedValues_data();
    void typedValues();
    void taskTotal_data();
    void taskTotal();
    void fieldWidthsFollowTheLargestValue();
    void descriptionCut_data();
    void descriptionCut();
};

namespace {

enum Field { DeviceCount, SceneDeviceCount, BitRate, StreamCount, AccessoryCount };

bool accepts(Field field, int value)
{
    switch (field) {
    case DeviceCount:
        return limits::isDeviceCount(value);
    case SceneDeviceCount:
        return limits::isSceneDeviceCount(value);
    case BitRate:
        return limits::isBitRate(value);
    case StreamCount:
        return limits::isStreamCount(value);
    case AccessoryCount:
        return limits::isAccessoryCount(value);
    }
    return false;
}

} // namespace

void TestLimits::typedValues_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("0 devices is refused") << int(DeviceCount) << QStringLiteral("0") << false;
    QTest::newRow("1 device is accepted") << int(DeviceCount) << QStringLiteral("1") << true;
    QTest::newRow("1024 devices is accepted") << int(DeviceCount) << QStringLiteral("1024") << true;
    QTest::newRow("1025 devices is refused") << int(DeviceCount) << QStringLiteral("1025") << false;
    QTest::newRow("a scene may leave a type out with 0")
        << int(SceneDeviceCount) << QStringLiteral("0") << true;
    QTest::newRow("a scene of 1024 of a type is accepted")
        << int(SceneDeviceCount) << QStringLiteral("1024") << true;
    QTest::newRow("a scene of 1025 of a type is refused")
        << int(SceneDeviceCount) << QStringLiteral("1025") << false;
    QTest::newRow("bit rate 0, no such stream, is accepted")
        << int(BitRate) << QStringLiteral("0") << true;
    QTest::newRow("bit rate 1 is refused") << int(BitRate) << QStringLiteral("1") << false;
    QTest::newRow("bit rate 31 is refused") << int(BitRate) << QStringLiteral("31") << false;
    QTest::newRow("bit rate 32 is accepted") << int(BitRate) << QStringLiteral("32") << true;
    QTest::newRow("bit rate 16384 is accepted") << int(BitRate) << QStringLiteral("16384") << true;
    QTest::newRow("bit rate 16385 is refused") << int(BitRate) << QStringLiteral("16385") << false;
    QTest::newRow("0 streams is accepted") << int(StreamCount) << QStringLiteral("0") << true;
    QTest::newRow("99999 streams is accepted")
        << int(StreamCount) << QStringLiteral("99999") << true;
    QTest::newRow("100000 streams is refused")
        << int(StreamCount) << QStringLiteral("100000") << false;
    QTest::newRow("0 accessories is refused")
        << int(AccessoryCount) << QStringLiteral("0") << false;
    QTest::newRow("1 accessory is accepted") << int(AccessoryCount) << QStringLiteral("1") << true;
    QTest::newRow("1000 accessories is accepted")
        << int(AccessoryCount) << QStringLiteral("1000") << true;
    QTest::newRow("1001 accessories is refused")
        << int(AccessoryCount) << QStringLiteral("1001") << false;
    QTest::newRow("leading zeros are still the number")
        << int(DeviceCount) << QStringLiteral("0024") << true;
    QTest::newRow("an empty text is no count") << int(SceneDeviceCount) << QString() << false;
    QTest::newRow("a sign is no digit") << int(DeviceCount) << QStringLiteral("+5") << false;
    QTest::newRow("a blank is no digit") << int(DeviceCount) << QStringLiteral("5 ") << false;
    QTest::newRow("full-width digits are no decimal digits")
        << int(DeviceCount) << QStringLiteral("\uFF15") << false;
    QTest::newRow("a number too long for an int is refused, not taken as 0")
        << int(BitRate) << QStringLiteral("99999999999999999999") << false;
}

void TestLimits::typedValues()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    int value = -7;
    const bool number = decimalInt(text, value);
    QCOMPARE(number && accepts(Field(field), value), accepted);
    if (!number)
        QCOMPARE(value, -7);
}

void TestLimits::taskTotal_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("added");
    QTest::addColumn<qint64>("removed");
    QTest::addColumn<bool>("exceeds");
    QTest::newRow("an empty task takes 1024") << qint64(0) << qint64(1024) << qint64(0) << false;
    QTest::newRow("an empty task refuses 1025") << qint64(0) << qint64(1025) << qint64(0) << true;
    QTest::newRow("a task of 1000 devices takes 24 more")
        << qint64(1000) << qint64(24) << qint64(0) << false;
    QTest::newRow("a task of 1000 devices refuses 25 more")
        << qint64(1000) << qint64(25) << qint64(0) << true;
    // 1000 + 20: the entry of 20 becomes 24, the task 1024.
    QTest::newRow("an entry of 20 in a task of 1020 may become 24")
        << qint64(1020) << qint64(24) << qint64(20) << false;
    QTest::newRow("an entry of 20 in a task of 1020 may not become 25")
        << qint64(1020) << qint64(25) << qint64(20) << true;
    QTest::newRow("a task over the limit may shrink")
        << qint64(2000) << qint64(1) << qint64(1000) << false;
}

void TestLimits::taskTotal()
{
    QFETCH(qint64, total);
    QFETCH(qint64, added);
    QFETCH(qint64, removed);
    QFETCH(bool, exceeds);
    QCOMPARE(limits::exceedsTaskTotal(total, added, removed), exceeds);
}

void TestLimits::fieldWidthsFollowTheLargestValue()
{
    // The count and bit-rate cells take as many characters as the largest
    // value has digits.
    QCOMPARE(limits::digitsOf(limits::kMaxDeviceCount), 4);
    QCOMPARE(limits::digitsOf(limits::kMaxBitRate), 5);
    QCOMPARE(limits::digitsOf(limits::kMaxStreamCount), 5);
    QCOMPARE(limits::digitsOf(0), 1);
    QCOMPARE(limits::digitsOf(9), 1);
    QCOMPARE(limits::digitsOf(10), 2);
}

void TestLimits::descriptionCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursorAfter");

    const QString a63(63, QLatin1Char('a'));
    const QString a64(64, QLatin1Char('a'));
    // One character, two UTF-16 units.
    const QString camera = QString::fromUtf8("\xF0\x9F\x93\xB7");
    // e with a combining acute accent: one character, two units.
    const QString accented = QStringLiteral("e\u0301");

    QTest::newRow("64 letters are kept") << a64 << 64 << a64 << 64;
    QTest::newRow("a 65th letter typed at the end is dropped")
        << a64 + QStringLiteral("Z") << 65 << a64 << 64;
    QTest::newRow("a letter typed inside a full text is dropped where it was typed")
        << QStringLiteral("aaaZ") + QString(61, QLatin1Char('a')) << 4 << a64 << 3;
    QTest::newRow("an emoji as the 64th character is kept whole")
        << a63 + camera << 65 << a63 + camera << 65;
    QTest::newRow("an emoji typed as the 65th character is dropped whole")
        << a64 + camera << 66 << a64 << 64;
    QTest::newRow("an emoji typed inside a full text is dropped whole")
        << QStringLiteral("aaa") + camera + QString(61, QLatin1Char('a')) << 5 << a64 << 3;
    QTest::newRow("a paste keeps what fits of it")
        << QString(62, QLatin1Char('a')) + QStringLiteral("xyz") << 65
        << QString(62, QLatin1Char('a')) + QStringLiteral("xy") << 64;
    QTest::newRow("64 emoji of 128 units are kept")
        << camera.repeated(64) << 128 << camera.repeated(64) << 128;
    QTest::newRow("a stored text of 70 emoji keeps its first 64")
        << camera.repeated(70) << 140 << camera.repeated(64) << 128;
    QTest::newRow("a letter and its combining mark count as one character")
        << a63 + accented << 65 << a63 + accented << 65;
    QTest::newRow("a mark is never cut from its letter") << a64 + accented << 66 << a64 << 64;
    QTest::newRow("a cursor nearer the start than the surplus gives up the end")
        << QString(70, QLatin1Char('a')) << 2 << a64 << 64;
    QTest::newRow("a Chinese text counts its characters")
        << QString(65, QChar(0x6C34)) << 65 << QString(64, QChar(0x6C34)) << 64;
}

void TestLimits::descriptionCut()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, kept);
    QFETCH(int, cursorAfter);
    const limits::DescriptionCut cut = limits::cutDescription(text, cursor);
    QCOMPARE(cut.text, kept);
    QCOMPARE(cut.cursor, cursorAfter);
}

QTEST_MAIN(TestLimits)
#include "tst_limits.moc"
