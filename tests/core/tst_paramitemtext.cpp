#include "ParamItemText.h"
#include "TaskDataBase.h"

#include <QtTest>

// The text the filter tree and the parameter sheet show for a catalogue
// value: ranges with a unit after each bound, other values with their unit.
class TestParamItemText : public QObject
{
    Q_OBJECT

private slots:
    void valueTexts_data();
    void valueTexts();
};

void TestParamItemText::valueTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("upperUnit");
    QTest::addColumn<QString>("expected");
    const QString mm = QStringLiteral("mm");
    QTest::newRow("a range reads low, unit, ~, high, unit")
        << QStringLiteral("4~8") << 3 << mm << mm << QStringLiteral("4mm~8mm");
    QTest::newRow("a range with an empty low bound keeps both units")
        << QStringLiteral("~8") << 3 << mm << mm << QStringLiteral("mm~8mm");
    QTest::newRow("a range without ~ is the bare name")
        << QStringLiteral("4") << 3 << mm << mm << QStringLiteral("4");
    QTest::newRow("a range of three parts is the bare name")
        << QStringLiteral("1~2~3") << 3 << mm << mm << QStringLiteral("1~2~3");
    QTest::newRow("any other kind is name and unit")
        << QStringLiteral("120") << 1 << QStringLiteral("dB") << QString()
        << QStringLiteral("120dB");
    QTest::newRow("a value without unit is its bare name")
        << QStringLiteral("H.265") << 1 << QString() << QString() << QStringLiteral("H.265");
    QTest::newRow("~ in a value that is no range stays")
        << QStringLiteral("0~8") << 1 << mm << mm << QStringLiteral("0~8mm");
}

void TestParamItemText::valueTexts()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, unit);
    QFETCH(QString, upperUnit);
    QFETCH(QString, expected);
    ParamItem item;
    item.text = name;
    item.kind = kind;
    item.unit = unit;
    item.upperUnit = upperUnit;
    QCOMPARE(kiv::paramItemText(item), expected);
}

QTEST_MAIN(TestParamItemText)
#include "tst_paramitemtext.moc"
