#include "ParamCode.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

using Getter = bool (kiv::ParamCode::*)(ParamCodeItem &);
Q_DECLARE_METATYPE(Getter)

class TestParamCode : public QObject
{
    Q_OBJECT

private slots:
    void everyGetterReadsItsOwnTag_data();
    void everyGetterReadsItsOwnTag();
    void shapesOfTheTable_data();
    void shapesOfTheTable();
    void unreadableTableAnswersFalse_data();
    void unreadableTableAnswersFalse();
    void changedFileCountsFromTheNextLookUp();
};

void TestParamCode::everyGetterReadsItsOwnTag_data()
{
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<QString>("tag");

    const QVector<QPair<Getter, const char *>> getters = {
        {&kiv::ParamCode::getEnglistIPCDevice, "EnglistIPCDevice"},
        {&kiv::ParamCode::getEnglistDomeDevice, "EnglistDomeDevice"},
        {&kiv::ParamCode::getEnglistCVRDevice, "EnglistCVRDevice"},
        {&kiv::ParamCode::getEnglistDVRDevice, "EnglistDVRDevice"},
        {&kiv::ParamCode::getNVRType, "NVRType"},
        {&kiv::ParamCode::getHNVRType, "HNVRType"},
        {&kiv::ParamCode::getDVRType, "DVRType"},
        {&kiv::ParamCode::getIPCType, "IPCType"},
        {&kiv::ParamCode::getIPCResolution, "IPCResolution"},
        {&kiv::ParamCode::getDomeResolution, "DomeResolution"},
        {&kiv::ParamCode::getDVRResolution, "DVRResolution"},
        {&kiv::ParamCode::getDVRFrameRate, "DVRFrameRate"},
        {&kiv::ParamCode::getIPCStand, "IPCStand"},
        {&kiv::ParamCode::getDomeStand, "DomeStand"},
        {&kiv::ParamCode::getIPCShield, "IPCShield"},
        {&kiv::ParamCode::getIPCLens, "IPCLens"},
        {&kiv::ParamCode::getCVRRAID, "CVRRAID"},
        {&kiv::ParamCode::getNVRRAID, "NVRRAID"},
        {&kiv::ParamCode::getCVRHDDBay, "CVRHDDBay"},
        {&kiv::ParamCode::getNVRHDDBay, "NVRHDDBay"},
        {&kiv::ParamCode::getNVRAnalogInputNumber, "NVRAnalogInputNumber"},
        {&kiv::ParamCode::getNVRNetInputNumber, "NVRNetInputNumber"},
        {&kiv::ParamCode::getNVRBandWidth, "NVRBandWidth"},
    };
    for (const auto &entry : getters) {
        QTest::addRow("the %s getter reads %s", entry.second, entry.second)
            << entry.first << QString::fromLatin1(entry.second);
    }
}

void TestParamCode::everyGetterReadsItsOwnTag()
{
    QFETCH(Getter, getter);
    QFETCH(QString, tag);
    ProgramFolder folder;
    QVERIFY(CatalogueFixture::useParamCode(folder.path(), QStringLiteral("every-tag.xml")));

    kiv::ParamCode table;
    ParamCodeItem item;
    QVERIFY((table.*getter)(item));
    QCOMPARE(item.likeCode, tag + QLatin1Char('%'));
    QCOMPARE(item.code, tag.toLower());
}

void TestParamCode::shapesOfTheTable_data()
{
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("likeCode");
    QTest::addColumn<QString>("code");

    QTest::newRow("of two NVRRAID elements the first answers")
        << Getter(&kiv::ParamCode::getNVRRAID) << true << QStringLiteral("1001%")
        << QStringLiteral("100100");
    QTest::newRow("an IPCResolution one level too deep is not found")
        << Getter(&kiv::ParamCode::getIPCResolution) << false << QStringLiteral("untouched")
        << QStringLiteral("untouched");
    QTest::newRow("a Code inside another child of the kind is found")
        << Getter(&kiv::ParamCode::getDomeResolution) << true << QStringLiteral("0602%")
        << QStringLiteral("060200");
    QTest::newRow("a kind with LikeCode only gives an empty code")
        << Getter(&kiv::ParamCode::getDVRResolution) << true << QStringLiteral("0402%")
        << QString();
    QTest::newRow("a tag in other letter case does not match")
        << Getter(&kiv::ParamCode::getIPCStand) << false << QStringLiteral("untouched")
        << QStringLiteral("untouched");
    QTest::newRow("the first Code in document order answers")
        << Getter(&kiv::ParamCode::getDomeStand) << true << QStringLiteral("0103%")
        << QStringLiteral("013300");
    QTest::newRow("a kind the table lacks is not found")
        << Getter(&kiv::ParamCode::getNVRType) << false << QStringLiteral("untouched")
        << QStringLiteral("untouched");
}

void TestParamCode::shapesOfTheTable()
{
    QFETCH(Getter, getter);
    QFETCH(bool, found);
    QFETCH(QString, likeCode);
    QFETCH(QString, code);
    ProgramFolder folder;
    QVERIFY(CatalogueFixture::useParamCode(folder.path(), QStringLiteral("edge-cases.xml")));

    kiv::ParamCode table;
    ParamCodeItem item{QStringLiteral("untouched"), QStringLiteral("untouched")};
    QCOMPARE((table.*getter)(item), found);
    QCOMPARE(item.likeCode, likeCode);
    QCOMPARE(item.code, code);
}

void TestParamCode::unreadableTableAnswersFalse_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("a missing file") << QString();
    QTest::newRow("a file that is not XML") << QStringLiteral("not-xml.xml");
}

void TestParamCode::unreadableTableAnswersFalse()
{
    QFETCH(QString, fixture);
    ProgramFolder folder;
    if (!fixture.isEmpty())
        QVERIFY(CatalogueFixture::useParamCode(folder.path(), fixture));

    kiv::ParamCode table;
    ParamCodeItem item{QStringLiteral("untouched"), QStringLiteral("untouched")};
    QVERIFY(!table.getNVRRAID(item));
    QCOMPARE(item.likeCode, QStringLiteral("untouched"));
    QCOMPARE(item.code, QStringLiteral("untouched"));
}

void TestParamCode::changedFileCountsFromTheNextLookUp()
{
    ProgramFolder folder;
    QVERIFY(CatalogueFixture::useParamCode(folder.path(), QStringLiteral("edge-cases.xml")));
    kiv::ParamCode table;
    ParamCodeItem item;
    QVERIFY(table.getNVRRAID(item));
    QCOMPARE(item.likeCode, QStringLiteral("1001%"));
    // Kind after kind, as the catalogue asks while the program starts: the
    // unchanged file is not read again.
    QVERIFY(table.getDomeStand(item));
    QVERIFY(table.getNVRRAID(item));
    QCOMPARE(table.reads(), 1);

    QVERIFY(CatalogueFixture::useParamCode(folder.path(), QStringLiteral("every-tag.xml")));
    QVERIFY(table.getNVRRAID(item));
    QCOMPARE(item.likeCode, QStringLiteral("NVRRAID%"));
    QVERIFY(table.getIPCType(item));
    QCOMPARE(table.reads(), 2);

    // Removing the file while the program runs makes the catalogue fall back
    // to its own patterns, whatever was read before.
    QVERIFY(QFile::remove(folder.file(QStringLiteral("ParamCode.xml"))));
    ParamCodeItem after;
    QVERIFY(!table.getNVRRAID(after));
    QVERIFY(after.likeCode.isEmpty());
}

QTEST_GUILESS_MAIN(TestParamCode)
#include "tst_paramcode.moc"
