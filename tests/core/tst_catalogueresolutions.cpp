#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

using ResolutionMap = QMap<QString, QString>;

class TestCatalogueResolutions : public QObject
{
    Q_OBJECT

private slots:
    void parseResolutionText_data();
    void parseResolutionText();

    void cameraResolutionsByStandard_data();
    void cameraResolutionsByStandard();
    void rowsThatDoNotParseAreDroppedWithANote();
    void domeResolutionsByStandard_data();
    void domeResolutionsByStandard();
    void dvrResolutionsInCatalogueOrder();
    void dvrFrameRatesByStandard_data();
    void dvrFrameRatesByStandard();
    void modelsWithoutEntriesLeaveTheOutputAlone();
    void resolutionGroupComesFromTheParameterCodeTable();

private:
    static std::unique_ptr<kiv::TaskDataBase> openFixture(const ProgramFolder &folder)
    {
        return CatalogueFixture::open(folder.path(), {QStringLiteral("resolutions.sql")});
    }
};

void TestCatalogueResolutions::parseResolutionText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");

    QTest::newRow("a PAL text gives slot 0, its resolution and frame rate")
        << QStringLiteral("50Hz:25fps(1920x1080)") << true << 0 << QStringLiteral("1920x1080")
        << QStringLiteral("25");
    QTest::newRow("any other standard gives slot 1")
        << QStringLiteral("60Hz:30fps(1280x720)") << true << 1 << QStringLiteral("1280x720")
        << QStringLiteral("30");
    QTest::newRow("blanks around the parts are trimmed")
        << QStringLiteral(" 50Hz :12.5fps ( 4CIF)") << true << 0 << QStringLiteral("4CIF")
        << QStringLiteral("12.5");
    QTest::newRow("a lower-case standard is not 50Hz")
        << QStringLiteral("50hz:25fps(CIF)") << true << 1 << QStringLiteral("CIF")
        << QStringLiteral("25");
    QTest::newRow("a frame rate of its unit alone is empty")
        << QStringLiteral("50Hz:fps(CIF)") << true << 0 << QStringLiteral("CIF") << QString();
    QTest::newRow("a text without a colon does not parse")
        << QStringLiteral("50Hz 25fps(CIF)") << false << -1 << QString() << QString();
    QTest::newRow("a text with two colons does not parse")
        << QStringLiteral("50Hz:25fps:1(CIF)") << false << -1 << QString() << QString();
    QTest::newRow("a text without parentheses does not parse")
        << QStringLiteral("50Hz:25fps CIF") << false << -1 << QString() << QString();
    QTest::newRow("a frame rate shorter than its unit does not parse")
        << QStringLiteral("50Hz:25(CIF)") << false << -1 << QString() << QString();
    QTest::newRow("empty parentheses give no resolution and do not parse")
        << QStringLiteral("50Hz:25fps()") << false << -1 << QString() << QString();
}

void TestCatalogueResolutions::parseResolutionText()
{
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(int, slot);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);

    int gotSlot = -1;
    QString gotResolution;
    QString gotFrameRate;
    QCOMPARE(kiv::TaskDataBase::parseResolutionText(text, gotSlot, gotResolution, gotFrameRate),
             parses);
    if (parses) {
        QCOMPARE(gotSlot, slot);
        QCOMPARE(gotResolution, resolution);
        QCOMPARE(gotFrameRate, frameRate);
    }
}

void TestCatalogueResolutions::cameraResolutionsByStandard_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("standard");
    QTest::addColumn<bool>("found");
    QTest::addColumn<ResolutionMap>("expected");

    // 4CIF stands twice under PAL: the later row's frame rate wins. The group
    // row 041500 and the other group's 640x480 are left out.
    QTest::newRow("PAL gives the 50Hz modes by resolution text")
        << QStringLiteral("CAM-A") << 0 << true
        << ResolutionMap{{QStringLiteral("1920x1080"), QStringLiteral("25")},
                         {QStringLiteral("4CIF"), QStringLiteral("12")}};
    QTest::newRow("NTSC gives every other standard, a lower-case 50hz too")
        << QStringLiteral("CAM-A") << 1 << true
        << ResolutionMap{{QStringLiteral("1920x1080"), QStringLiteral("30")},
                         {QStringLiteral("CIF"), QStringLiteral("25")}};
    QTest::newRow("a hand-edited standard of 2 still gets the NTSC modes")
        << QStringLiteral("CAM-A") << 2 << true
        << ResolutionMap{{QStringLiteral("1920x1080"), QStringLiteral("30")},
                         {QStringLiteral("CIF"), QStringLiteral("25")}};
    QTest::newRow("a camera with PAL modes only has none under NTSC")
        << QStringLiteral("CAM-P") << 1 << false << ResolutionMap{};
    QTest::newRow("a camera the catalogue lacks has none")
        << QStringLiteral("CAM-X") << 0 << false << ResolutionMap{};
}

void TestCatalogueResolutions::cameraResolutionsByStandard()
{
    QFETCH(QString, model);
    QFETCH(int, standard);
    QFETCH(bool, found);
    QFETCH(ResolutionMap, expected);
    ProgramFolder folder;
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());

    QList<ResolutionMap> maps{ResolutionMap{{QStringLiteral("held"), QStringLiteral("before")}}};
    QCOMPARE(db->getIPCResolution(model, standard, maps), found);
    if (found) {
        QCOMPARE(maps, QList<ResolutionMap>{expected});
    } else {
        QCOMPARE(maps.size(), 1);
        QCOMPARE(maps.first().value(QStringLiteral("held")), QStringLiteral("before"));
    }
}

void TestCatalogueResolutions::rowsThatDoNotParseAreDroppedWithANote()
{
    ProgramFolder folder;
    QVERIFY(CatalogueFixture::build(folder.file(QStringLiteral("Task_EN.db")),
                                    {QStringLiteral("resolutions.sql")}));
    const QStringList dropped{QStringLiteral("041506 \"50Hz 25fps(1280x720)\""),
                              QStringLiteral("041507 \"50Hz:25fps:1(QCIF)\""),
                              QStringLiteral("041508 \"50Hz:25fps()\""),
                              QStringLiteral("041509 \"50Hz:25fps 1280x720\"")};
    for (const QString &row : dropped) {
        QTest::ignoreMessage(
            QtDebugMsg,
            qPrintable(QStringLiteral("qeb TaskDataBase::getResolution drops CAM-A ") + row));
    }
    kiv::TaskDataBase db(folder.file(QStringLiteral("Task_EN.db")),
                         CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(db.isOpen());

    // No empty resolution becomes a choice under either standard.
    for (int standard : {0, 1}) {
        QList<ResolutionMap> maps;
        QVERIFY(db.getIPCResolution(QStringLiteral("CAM-A"), standard, maps));
        QVERIFY(!maps.first().contains(QString()));
        QVERIFY(!maps.first().contains(QStringLiteral("1280x720")));
        QVERIFY(!maps.first().contains(QStringLiteral("QCIF")));
    }
}

void TestCatalogueResolutions::domeResolutionsByStandard_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<ResolutionMap>("expected");
    QTest::newRow("PAL dome modes")
        << 0 << ResolutionMap{{QStringLiteral("1920x1080"), QStringLiteral("25")}};
    QTest::newRow("NTSC dome modes")
        << 1 << ResolutionMap{{QStringLiteral("1280x720"), QStringLiteral("30")}};
}

void TestCatalogueResolutions::domeResolutionsByStandard()
{
    QFETCH(int, standard);
    QFETCH(ResolutionMap, expected);
    ProgramFolder folder;
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());
    QList<ResolutionMap> maps;
    QVERIFY(db->getDomeResolution(QStringLiteral("DOME-A"), standard, maps));
    QCOMPARE(maps, QList<ResolutionMap>{expected});
    // A speed dome is not a network camera.
    QVERIFY(!db->getIPCResolution(QStringLiteral("DOME-A"), standard, maps));
}

void TestCatalogueResolutions::dvrResolutionsInCatalogueOrder()
{
    ProgramFolder folder;
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());
    QStringList resolutions{QStringLiteral("replaced")};
    QVERIFY(db->getDVRResolution(QStringLiteral("DVR-A"), resolutions));
    // 4CIF stands under two codes and is listed once; the first entry is the
    // stream editor's default.
    QCOMPARE(resolutions, (QStringList{QStringLiteral("CIF"), QStringLiteral("WD1"),
                                       QStringLiteral("4CIF"), QStringLiteral("QCIF")}));
}

void TestCatalogueResolutions::dvrFrameRatesByStandard_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("PAL: every text without 30, 1/16 included")
        << 0 << QStringList{QStringLiteral("1/16"), QStringLiteral("25")};
    QTest::newRow("NTSC: the texts holding 30") << 1 << QStringList{QStringLiteral("30")};
    QTest::newRow("a standard of 2 counts as NTSC") << 2 << QStringList{QStringLiteral("30")};
}

void TestCatalogueResolutions::dvrFrameRatesByStandard()
{
    QFETCH(int, standard);
    QFETCH(QStringList, expected);
    ProgramFolder folder;
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());
    QStringList rates;
    QVERIFY(db->getDVRFrameRate(QStringLiteral("DVR-A"), standard, rates));
    QCOMPARE(rates, expected);
}

void TestCatalogueResolutions::modelsWithoutEntriesLeaveTheOutputAlone()
{
    ProgramFolder folder;
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());
    const QStringList held{QStringLiteral("held")};
    QStringList out = held;
    QVERIFY(!db->getDVRResolution(QStringLiteral("CAM-A"), out));
    QVERIFY(!db->getDVRFrameRate(QStringLiteral("DVR-X"), 0, out));
    QCOMPARE(out, held);
    QList<ResolutionMap> maps;
    QVERIFY(!db->getDomeResolution(QStringLiteral("CAM-A"), 0, maps));
    QVERIFY(maps.isEmpty());
}

void TestCatalogueResolutions::resolutionGroupComesFromTheParameterCodeTable()
{
    ProgramFolder folder;
    QVERIFY(
        CatalogueFixture::useParamCode(folder.path(), QStringLiteral("ipc-resolution-0410.xml")));
    const auto db = openFixture(folder);
    QVERIFY(db && db->isOpen());
    QList<ResolutionMap> maps;
    QVERIFY(db->getIPCResolution(QStringLiteral("CAM-A"), 0, maps));
    const ResolutionMap expected{{QStringLiteral("640x480"), QStringLiteral("25")}};
    QCOMPARE(maps, QList<ResolutionMap>{expected});
    // The other kinds, missing from this table, use the built-in groups.
    QStringList rates;
    QVERIFY(db->getDVRFrameRate(QStringLiteral("DVR-A"), 0, rates));
    QCOMPARE(rates, (QStringList{QStringLiteral("1/16"), QStringLiteral("25")}));
}

QTEST_GUILESS_MAIN(TestCatalogueResolutions)
#include "tst_catalogueresolutions.moc"
