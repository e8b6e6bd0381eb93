#include "LensTestSupport.h"

#include <LensCatalogue.h>
#include <ProgramFolder.h>

#include <QtTest>

using namespace pendrik;

class TestLensCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lensesComeInCatalogueOrder();
    void lensFieldsByPosition_data();
    void lensFieldsByPosition();
    void lensCatalogueThatCannotBeRead_data();
    void lensCatalogueThatCannotBeRead();
    void lensCatalogueWithoutLensesIsRead();
    void loaderReadsTheProgramFolder();

    void camerasComeInCatalogueOrder();
    void cameraCatalogueThatCannotBeRead_data();
    void cameraCatalogueThatCannotBeRead();
    void cameraEncodingComesFromTheDeclaration();
    void cameraCatalogueFollowsTheLanguage_data();
    void cameraCatalogueFollowsTheLanguage();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensCatalogue::init()
{
    m_programFolder.start();
}

void TestLensCatalogue::cleanup()
{
    ClientConfigManager::instance()->clear();
    m_programFolder.stop();
}

void TestLensCatalogue::lensesComeInCatalogueOrder()
{
    QList<LensInfo> lenses;
    QVERIFY(loadLensInfoFile(lenstest::fixture(QStringLiteral("lens_order.xml")), &lenses));
    QCOMPARE(lenses.size(), 3);

    const LensInfo &zoom = lenses.at(0);
    QCOMPARE(zoom.lensId, QStringLiteral("Z1"));
    QCOMPARE(zoom.model, QStringLiteral("ZOOM-2812"));
    QCOMPARE(zoom.brand, QStringLiteral("Brand A"));
    QCOMPARE(zoom.minFocal, 2.8f);
    QCOMPARE(zoom.maxFocal, 12.0f);
    QCOMPARE(zoom.aperture, QStringLiteral("F1.4"));
    QCOMPARE(zoom.sensorFormat, QStringLiteral("1/3"));
    QCOMPARE(zoom.lensInterface, QStringLiteral("CS"));
    QVERIFY(!zoom.isFixed());

    QCOMPARE(lenses.at(1).model, QStringLiteral("FIX-8"));
    QCOMPARE(lenses.at(1).lensInterface, QStringLiteral("M12"));
    QVERIFY(lenses.at(1).isFixed());
    QCOMPARE(lenses.at(2).model, QStringLiteral("ODD-1"));
}

void TestLensCatalogue::lensFieldsByPosition_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts"); // id, model, brand, aperture, format, mount
    QTest::addColumn<float>("minFocal");
    QTest::addColumn<float>("maxFocal");

    QTest::newRow("letters and a unit in a focal length give 0")
        << QStringLiteral("lens_order.xml") << 2
        << QStringList{QStringLiteral("X1"),   QStringLiteral("ODD-1"), QStringLiteral("Brand C"),
                       QStringLiteral("F1.6"), QStringLiteral("1/2"),   QStringLiteral("C")}
        << 0.0f << 0.0f;
    QTest::newRow("a comment between children shifts the fields after it")
        << QStringLiteral("lens_comment_shift.xml") << 0
        << QStringList{QStringLiteral("L1"), QStringLiteral("SHIFT-1"), QString(),
                       QStringLiteral("4"),  QStringLiteral("F1.8"),    QStringLiteral("1/3")}
        << 0.0f << 4.0f;
    QTest::newRow("a processing instruction between children shifts the fields after it")
        << QStringLiteral("lens_processing_instruction.xml") << 0
        << QStringList{QStringLiteral("L9"),     QString(),
                       QStringLiteral("MARK-4"), QStringLiteral("8"),
                       QStringLiteral("F1.8"),   QStringLiteral("1/3")}
        << 0.0f << 4.0f;
    QTest::newRow("whitespace between indented children takes no position")
        << QStringLiteral("lens_indented.xml") << 0
        << QStringList{QStringLiteral("L7"),      QStringLiteral("INDENT-3610"),
                       QStringLiteral("Brand B"), QStringLiteral("F1.6"),
                       QStringLiteral("1/2.8"),   QStringLiteral("CS")}
        << 3.6f << 10.0f;
    QTest::newRow("five children leave aperture, format and mount empty")
        << QStringLiteral("lens_five_children.xml") << 0
        << QStringList{QStringLiteral("L5"),
                       QStringLiteral("SHORT-6"),
                       QStringLiteral("Brand A"),
                       QString(),
                       QString(),
                       QString()}
        << 6.0f << 6.0f;
    QTest::newRow("texts longer than their fields are cut, Chinese by characters")
        << QStringLiteral("lens_long_texts.xml") << 0
        << QStringList{QStringLiteral("ID-LONGER-T"),
                       QStringLiteral("MODEL-NAME-OF-THIRTY-CH"),
                       QStringLiteral("镜头品牌名称测试用的长"),
                       QStringLiteral("F1.4"),
                       QStringLiteral("1/2.7in"),
                       QStringLiteral("CS")}
        << 2.8f << 12.0f;
}

void TestLensCatalogue::lensFieldsByPosition()
{
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(QStringList, texts);
    QFETCH(float, minFocal);
    QFETCH(float, maxFocal);

    QList<LensInfo> lenses;
    QVERIFY(loadLensInfoFile(lenstest::fixture(file), &lenses));
    QVERIFY(index < lenses.size());
    const LensInfo &lens = lenses.at(index);
    QCOMPARE(QStringList({lens.lensId, lens.model, lens.brand, lens.aperture, lens.sensorFormat,
                          lens.lensInterface}),
             texts);
    QCOMPARE(lens.minFocal, minFocal);
    QCOMPARE(lens.maxFocal, maxFocal);
}

void TestLensCatalogue::lensCatalogueThatCannotBeRead_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a missing file gives false")
        << lenstest::fixture(QStringLiteral("no_such_catalogue.xml"));
    QTest::newRow("a truncated file gives false")
        << lenstest::fixture(QStringLiteral("lens_truncated.xml"));
    QTest::newRow("a camera catalogue in its place gives false")
        << lenstest::fixture(QStringLiteral("camera_entries.xml"));
}

void TestLensCatalogue::lensCatalogueThatCannotBeRead()
{
    QFETCH(QString, path);
    QList<LensInfo> lenses{LensInfo()};
    lenses.first().model = QStringLiteral("KEPT");
    QVERIFY(!loadLensInfoFile(path, &lenses));
    QCOMPARE(lenses.size(), 1);
    QCOMPARE(lenses.first().model, QStringLiteral("KEPT"));
    QVERIFY(!loadLensInfoFile(path, nullptr));
}

void TestLensCatalogue::lensCatalogueWithoutLensesIsRead()
{
    QList<LensInfo> lenses;
    QVERIFY(loadLensInfoFile(lenstest::fixture(QStringLiteral("lens_none.xml")), &lenses));
    QVERIFY(lenses.isEmpty());
}

void TestLensCatalogue::loaderReadsTheProgramFolder()
{
    ProgramFolder folder;
    QList<LensInfo> lenses;
    QVERIFY(!loadLensInfo(&lenses));

    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("CameraLensInfo")));
    QVERIFY(folder.copyFixture(QStringLiteral("lens/lens_order.xml"),
                               QStringLiteral("CameraLensInfo/LensInfo.xml")));
    QCOMPARE(lensCataloguePath(), folder.file(QStringLiteral("CameraLensInfo/LensInfo.xml")));
    QVERIFY(loadLensInfo(&lenses));
    QCOMPARE(lenses.size(), 3);
    // A second load appends; the list is not cleared.
    QVERIFY(loadLensInfo(&lenses));
    QCOMPARE(lenses.size(), 6);
    QCOMPARE(lenses.at(3).model, QStringLiteral("ZOOM-2812"));
}

void TestLensCatalogue::camerasComeInCatalogueOrder()
{
    QList<CameraInfo> cameras;
    QVERIFY(
        loadCameraLensInfoFile(lenstest::fixture(QStringLiteral("camera_entries.xml")), &cameras));
    QCOMPARE(cameras.size(), 4);

    // Two models in one entry stay one entry with the whole name.
    const CameraInfo &first = cameras.at(0);
    QCOMPARE(first.name, QStringLiteral("5510/KX-5510"));
    QCOMPARE(first.resolutions.size(), 2);
    QCOMPARE(first.resolutions.at(0).width, 1920);
    QCOMPARE(first.resolutions.at(0).height, 1080);
    QCOMPARE(first.resolutions.at(0).targetWidth, 4.8f);
    QCOMPARE(first.resolutions.at(0).targetHeight, 2.7f);
    QCOMPARE(first.resolutions.at(1).width, 1280);
    // Only the first list of recommendations counts, whatever its tags.
    QCOMPARE(first.recommendedLensTypes,
             QStringList({QStringLiteral("ZOOM-2812"), QStringLiteral("FIX-8")}));

    const CameraInfo &analog = cameras.at(1);
    QCOMPARE(analog.name, QStringLiteral("KX-A1"));
    QVERIFY(analog.resolutions.at(0).isAnalog());
    QCOMPARE(analog.resolutions.at(1).width, 0); // "abc"
    QCOMPARE(analog.resolutions.at(1).height, 576);
    QCOMPARE(analog.resolutions.at(1).targetWidth, 0.0f); // missing
    QCOMPARE(analog.resolutions.at(1).targetHeight, 3.6f);
    QVERIFY(analog.recommendedLensTypes.isEmpty());

    // Nothing of one camera carries over to the next.
    const CameraInfo &unnamed = cameras.at(2);
    QCOMPARE(unnamed.name, QString());
    QVERIFY(unnamed.resolutions.isEmpty());
    QVERIFY(unnamed.recommendedLensTypes.isEmpty());

    const CameraInfo &chinese = cameras.at(3);
    QCOMPARE(chinese.name, QStringLiteral("KX-9 模拟机"));
    QCOMPARE(chinese.resolutions.at(0).targetWidth, 0.0f); // "nan"
    QCOMPARE(chinese.recommendedLensTypes,
             QStringList({QStringLiteral("FIX-8"), QString(), QString()}));
}

void TestLensCatalogue::cameraCatalogueThatCannotBeRead_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("a missing file gives false")
        << lenstest::fixture(QStringLiteral("no_such_catalogue.xml"));
    QTest::newRow("a truncated file gives false")
        << lenstest::fixture(QStringLiteral("camera_truncated.xml"));
    QTest::newRow("a lens catalogue in its place gives false")
        << lenstest::fixture(QStringLiteral("lens_order.xml"));
}

void TestLensCatalogue::cameraCatalogueThatCannotBeRead()
{
    QFETCH(QString, path);
    QList<CameraInfo> cameras{CameraInfo()};
    QVERIFY(!loadCameraLensInfoFile(path, &cameras));
    QCOMPARE(cameras.size(), 1);
}

void TestLensCatalogue::cameraEncodingComesFromTheDeclaration()
{
    QList<CameraInfo> cameras;
    QVERIFY(
        loadCameraLensInfoFile(lenstest::fixture(QStringLiteral("camera_gb2312.xml")), &cameras));
    QCOMPARE(cameras.size(), 1);
    QCOMPARE(cameras.first().name, QStringLiteral("KX-2 模拟机"));
}

void TestLensCatalogue::cameraCatalogueFollowsTheLanguage_data()
{
    QTest::addColumn<QByteArray>("translator");
    QTest::addColumn<QString>("camera");
    const QString zh = QStringLiteral("ZH-ONLY"), en = QStringLiteral("EN-ONLY");
    QTest::newRow("Translator 1 reads Camera_Lens.xml") << QByteArray("1") << zh;
    QTest::newRow("Translator 0 reads Camera_Lens_en.xml") << QByteArray("0") << en;
    QTest::newRow("Translator 2 reads Camera_Lens_en.xml") << QByteArray("2") << en;
    QTest::newRow("a Translator that is no number reads Camera_Lens_en.xml")
        << QByteArray("zh") << en;
    QTest::newRow("no Translator reads Camera_Lens_en.xml") << QByteArray() << en;
}

void TestLensCatalogue::cameraCatalogueFollowsTheLanguage()
{
    QFETCH(QByteArray, translator);
    QFETCH(QString, camera);

    ProgramFolder folder;
    const QByteArray setup =
        translator.isNull() ? ProgramFolder::settingsXml({{"Skin", "BlackRedSkin"}})
                            : ProgramFolder::settingsXml({{"Translator", translator.constData()}});
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")), setup));
    QVERIFY(lenstest::reloadSettings(folder.file(QStringLiteral("Setup.xml"))));
    const QByteArray entry = "<CameraLensInfo><Camera name=\"%1\"/></CameraLensInfo>";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("CameraLensInfo/Camera_Lens.xml")),
                                 QByteArray(entry).replace("%1", "ZH-ONLY")));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("CameraLensInfo/Camera_Lens_en.xml")),
                                 QByteArray(entry).replace("%1", "EN-ONLY")));

    QList<CameraInfo> cameras;
    QVERIFY(loadCameraLensInfo(&cameras));
    QCOMPARE(cameras.size(), 1);
    QCOMPARE(cameras.first().name, camera);
}

QTEST_GUILESS_MAIN(TestLensCatalogue)
#include "tst_lens_catalogue.moc"
