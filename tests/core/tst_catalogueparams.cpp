#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

namespace {

/// "text|kind|unit|upperUnit|code", so a whole row compares at once.
QString describe(const ParamItem &item)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(item.text, QString::number(item.kind), item.unit, item.upperUnit, item.code);
}

QStringList describe(const QVector<ParamItem> &items)
{
    QStringList out;
    for (const ParamItem &item : items)
        out.append(describe(item));
    return out;
}

using CodeMap = QMap<QString, QString>;

} // namespace

class TestCatalogueParams : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headingsOfAClass_data();
    void headingsOfAClass();
    void headingsAndGroupsAddToTheCallersMap();
    void groupsUnderAHeading_data();
    void groupsUnderAHeading();
    void valuesOfAGroup_data();
    void valuesOfAGroup();
    void modelsCarryingEveryCode_data();
    void modelsCarryingEveryCode();
    void aModelCountsItsMatchingRows_data();
    void aModelCountsItsMatchingRows();
    void modelsCarryingACode_data();
    void modelsCarryingACode();
    void fullParameterSheetOfAModel();
    void sheetOfAModelTheCatalogueLacks();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_db;
};

void TestCatalogueParams::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_db = CatalogueFixture::open(m_folder->path(), {QStringLiteral("params.sql")});
    QVERIFY(m_db && m_db->isOpen());
}

void TestCatalogueParams::cleanup()
{
    m_db.reset();
    m_folder.reset();
}

void TestCatalogueParams::headingsOfAClass_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<CodeMap>("expected");

    QTest::newRow("network-camera headings by code, two of them with one text")
        << 0
        << CodeMap{{QStringLiteral("010000"), QStringLiteral("Basic")},
                   {QStringLiteral("020000"), QStringLiteral("Video")},
                   {QStringLiteral("030000"), QStringLiteral("Basic")}};
    QTest::newRow("speed domes read their own table")
        << 2 << CodeMap{{QStringLiteral("010000"), QStringLiteral("Dome Basic")}};
    QTest::newRow("a class with an empty table has no headings") << 4 << CodeMap{};
}

void TestCatalogueParams::headingsOfAClass()
{
    QFETCH(int, deviceClass);
    QFETCH(CodeMap, expected);
    CodeMap headings;
    QVERIFY(m_db->getMainParam(deviceClass, headings));
    QCOMPARE(headings, expected);
}

void TestCatalogueParams::headingsAndGroupsAddToTheCallersMap()
{
    CodeMap map{{QStringLiteral("010000"), QStringLiteral("old text")},
                {QStringLiteral("990000"), QStringLiteral("kept")}};
    QVERIFY(m_db->getMainParam(0, map));
    QCOMPARE(map.value(QStringLiteral("010000")), QStringLiteral("Basic"));
    QCOMPARE(map.value(QStringLiteral("990000")), QStringLiteral("kept"));
    QCOMPARE(map.size(), 4);

    QVERIFY(m_db->getSub1Param(0, QStringLiteral("010000"), map));
    QCOMPARE(map.value(QStringLiteral("010100")), QStringLiteral("Sensor"));
    QCOMPARE(map.size(), 6);
}

void TestCatalogueParams::groupsUnderAHeading_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<CodeMap>("expected");

    QTest::newRow("the groups of a heading by code, without the heading")
        << 0 << QStringLiteral("010000")
        << CodeMap{{QStringLiteral("010100"), QStringLiteral("Sensor")},
                   {QStringLiteral("010200"), QStringLiteral("IR Range")}};
    QTest::newRow("a heading sharing another's text has its own groups")
        << 0 << QStringLiteral("030000")
        << CodeMap{{QStringLiteral("030100"), QStringLiteral("Power")},
                   {QStringLiteral("030200"), QStringLiteral("Weight")}};
    QTest::newRow("the class chooses the table")
        << 2 << QStringLiteral("010000")
        << CodeMap{{QStringLiteral("010100"), QStringLiteral("Zoom")}};
    QTest::newRow("a heading the catalogue lacks has no groups")
        << 0 << QStringLiteral("090000") << CodeMap{};
}

void TestCatalogueParams::groupsUnderAHeading()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, heading);
    QFETCH(CodeMap, expected);
    CodeMap groups;
    QVERIFY(m_db->getSub1Param(deviceClass, heading, groups));
    QCOMPARE(groups, expected);
}

void TestCatalogueParams::valuesOfAGroup_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("values come in table order, without the group row")
        << 0 << QStringLiteral("010100")
        << QStringList{QStringLiteral("1/2.8 CMOS|1|||010102"),
                       QStringLiteral("1/3 CMOS|1|||010101")};
    QTest::newRow("a range keeps its whole text and both of its units")
        << 0 << QStringLiteral("010200") << QStringList{QStringLiteral("10~50|3|m|km|010201")};
    QTest::newRow("a kind that is not a number reads as 0")
        << 0 << QStringLiteral("030200") << QStringList{QStringLiteral("Heavy|0|kg||030201")};
    QTest::newRow("a group without values gives none")
        << 0 << QStringLiteral("010300") << QStringList{};
    QTest::newRow("the class chooses the table")
        << 2 << QStringLiteral("010100") << QStringList{QStringLiteral("20|1|x||010101")};
}

void TestCatalogueParams::valuesOfAGroup()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, group);
    QFETCH(QStringList, expected);
    QVector<ParamItem> items;
    QVERIFY(m_db->getSub2Param(deviceClass, group, items));
    QCOMPARE(describe(items), expected);
}

void TestCatalogueParams::modelsCarryingEveryCode_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QVector<QString>>("codes");
    QTest::addColumn<QVector<QString>>("expected");

    QTest::newRow("an empty code list finds nothing")
        << 0 << QVector<QString>{} << QVector<QString>{};
    QTest::newRow("one code gives its models in ascending name order")
        << 0 << QVector<QString>{QStringLiteral("020101")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-B")};
    QTest::newRow("two codes give only the models carrying both")
        << 0 << QVector<QString>{QStringLiteral("020101"), QStringLiteral("020102")}
        << QVector<QString>{QStringLiteral("CAM-A")};
    QTest::newRow("a code no model carries empties the result")
        << 0 << QVector<QString>{QStringLiteral("020101"), QStringLiteral("080808")}
        << QVector<QString>{};
    QTest::newRow("the class chooses the device table")
        << 2 << QVector<QString>{QStringLiteral("010101")}
        << QVector<QString>{QStringLiteral("CAM-A")};
}

void TestCatalogueParams::modelsCarryingEveryCode()
{
    QFETCH(int, deviceClass);
    QFETCH(QVector<QString>, codes);
    QFETCH(QVector<QString>, expected);
    QVector<QString> models{QStringLiteral("held before")};
    QVERIFY(m_db->getDeviceByCodes(deviceClass, codes, models));
    QCOMPARE(models, QVector<QString>{QStringLiteral("held before")} + expected);
}

void TestCatalogueParams::aModelCountsItsMatchingRows_data()
{
    QTest::addColumn<QVector<QString>>("codes");
    QTest::addColumn<QVector<QString>>("expected");

    // A model is listed when its rows matching the codes number as many as
    // the codes: CAM-D's two rows of 020101 stand in for two codes.
    QTest::newRow("two rows of one code count as two codes")
        << QVector<QString>{QStringLiteral("020101"), QStringLiteral("020102")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-D"),
                            QStringLiteral("CAM-E")};
    QTest::newRow("two rows of the one code asked for are one too many")
        << QVector<QString>{QStringLiteral("020101")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-B"),
                            QStringLiteral("CAM-E")};
    QTest::newRow("a code asked for twice counts each row twice")
        << QVector<QString>{QStringLiteral("020101"), QStringLiteral("020101")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-B"),
                            QStringLiteral("CAM-E")};
}

void TestCatalogueParams::aModelCountsItsMatchingRows()
{
    QFETCH(QVector<QString>, codes);
    QFETCH(QVector<QString>, expected);
    const auto db = CatalogueFixture::open(
        m_folder->path(), {QStringLiteral("params.sql"), QStringLiteral("repeated-codes.sql")}, 0,
        QStringLiteral("Task.db"));
    QVERIFY(db && db->isOpen());
    QVector<QString> models;
    QVERIFY(db->getDeviceByCodes(0, codes, models));
    QCOMPARE(models, expected);
}

void TestCatalogueParams::modelsCarryingACode_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("every model of the class carrying the code")
        << 0 << QStringLiteral("020101")
        << QStringList{QStringLiteral("CAM-A"), QStringLiteral("CAM-B")};
    QTest::newRow("the class chooses the device table")
        << 2 << QStringLiteral("010101") << QStringList{QStringLiteral("CAM-A")};
    QTest::newRow("the code is compared whole") << 0 << QStringLiteral("0201") << QStringList{};
    QTest::newRow("a code no model carries adds nothing")
        << 0 << QStringLiteral("080808") << QStringList{};
}

void TestCatalogueParams::modelsCarryingACode()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QSet<QString> models{QStringLiteral("held before")};
    QVERIFY(m_db->getDeviceTypesOfCode(deviceClass, code, models));
    QCOMPARE(models, QSet<QString>(expected.cbegin(), expected.cend()) +
                         QSet<QString>{QStringLiteral("held before")});
}

void TestCatalogueParams::fullParameterSheetOfAModel()
{
    kiv::TaskDataBase::ParamSheet sheet;
    QVector<QString> headings;
    // CAM-A's code 040101 has no parameter row: it is left out, with a note.
    QTest::ignoreMessage(QtDebugMsg, "qeb TaskDataBase::getDeviceAllParam has no row for 040101");
    QVERIFY(m_db->getDeviceAllParam(0, QStringLiteral("CAM-A"), sheet, headings));

    // Headings in code order, once each: 030000 shares the text of 010000.
    QCOMPARE(headings, (QVector<QString>{QStringLiteral("Basic"), QStringLiteral("Video")}));
    QCOMPARE(sheet.keys(), (QStringList{QStringLiteral("Basic"), QStringLiteral("Video")}));

    const auto &basic = sheet.value(QStringLiteral("Basic"));
    QCOMPARE(basic.keys(), (QStringList{QStringLiteral("IR Range"), QStringLiteral("Power"),
                                        QStringLiteral("Sensor")}));
    QCOMPARE(describe(basic.value(QStringLiteral("Sensor"))),
             QStringList{QStringLiteral("1/3 CMOS|1|||010101")});
    QCOMPARE(describe(basic.value(QStringLiteral("IR Range"))),
             QStringList{QStringLiteral("10~50|3|m|km|010201")});
    QCOMPARE(describe(basic.value(QStringLiteral("Power"))),
             QStringList{QStringLiteral("PoE|1|W||030101")});
    // Inside a group the values keep code order, not the device rows' order.
    QCOMPARE(describe(sheet.value(QStringLiteral("Video")).value(QStringLiteral("Compression"))),
             (QStringList{QStringLiteral("H.264|1|||020101"), QStringLiteral("H.265|1|||020102")}));
}

void TestCatalogueParams::sheetOfAModelTheCatalogueLacks()
{
    kiv::TaskDataBase::ParamSheet sheet;
    sheet[QStringLiteral("Held")][QStringLiteral("Before")].append(ParamItem());
    QVector<QString> headings{QStringLiteral("Held")};
    QVERIFY(m_db->getDeviceAllParam(0, QStringLiteral("CAM-X"), sheet, headings));
    QCOMPARE(sheet.keys(), QStringList{QStringLiteral("Held")});
    QCOMPARE(headings, QVector<QString>{QStringLiteral("Held")});
}

QTEST_GUILESS_MAIN(TestCatalogueParams)
#include "tst_catalogueparams.moc"
