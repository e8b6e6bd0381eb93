#include "LensTestSupport.h"

#include <ClientConfig.h>
#include <ClientConfigManager.h>
#include <ClientLanguageManager.h>
#include <ClientLanguageProperty.h>
#include <ProgramFolder.h>

#include <QtTest>

// The library's reading of Setup.xml and its language table.
class TestLensSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadReadsEverySetting();
    void onlyTheFourKeysGetTheirValue();
    void aKeyWithoutValueDoesNotTakeTheNextOne();
    void firstLoadStaysInForce();
    void aSettingTwiceIsFoundFirst();
    void aMissingFileGivesNoSettings();
    void aDamagedFileAddsNothing();
    void unknownKeyIndexesFindNothing_data();
    void unknownKeyIndexesFindNothing();

    void languageTable_data();
    void languageTable();
    void chineseLoadsAllItsCatalogues();
    void chineseNeedsItsCatalogues_data();
    void chineseNeedsItsCatalogues();
    void englishLoadsWithoutCatalogues();

private:
    lenstest::PerTestProgramFolder m_programFolder;
    static QList<int> loadedIds();
};

void TestLensSettings::init()
{
    m_programFolder.start();
}

namespace {

ClientConfigManager *config()
{
    return ClientConfigManager::instance();
}

QString value(int key)
{
    const ClientConfig *entry = config()->getConfig(key);
    return entry ? entry->getValue() : QStringLiteral("<none>");
}

// Loads the languages afresh from @p folder's translations with @p setup.
void loadLanguages(const ProgramFolder &folder, const QByteArray &setup)
{
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")), setup));
    QVERIFY(lenstest::reloadSettings(folder.file(QStringLiteral("Setup.xml"))));
    ClientLanguageManager::instance()->clear();
    ClientLanguageManager::instance()->loadLanguages();
}

} // namespace

QList<int> TestLensSettings::loadedIds()
{
    QList<int> ids;
    for (const ClientLanguageProperty *property : ClientLanguageManager::instance()->properties())
        ids << property->id();
    return ids;
}

void TestLensSettings::cleanup()
{
    config()->clear();
    ClientLanguageManager::instance()->clear();
    m_programFolder.stop();
}

void TestLensSettings::loadReadsEverySetting()
{
    // A GB2312 file with Chinese in it, as the program saves its files.
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_full.xml"))));
    QCOMPARE(value(ClientConfigManager::TranslatorKey), QStringLiteral("1"));
    QCOMPARE(value(ClientConfigManager::LogLevelKey), QStringLiteral("2"));
    QCOMPARE(value(ClientConfigManager::VersionTypeKey), QStringLiteral("1"));
    QCOMPARE(value(ClientConfigManager::SkinKey), QStringLiteral("BlackRedSkin"));
    QCOMPARE(ClientConfigManager::keyName(ClientConfigManager::SkinKey), QStringLiteral("Skin"));
}

void TestLensSettings::onlyTheFourKeysGetTheirValue()
{
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_full.xml"))));
    QStringList names, values;
    for (const ClientConfig *entry : config()->entries()) {
        names << entry->getName();
        values << entry->getValue();
    }
    // "Languages" is none of the four keys: it and its Value become two
    // entries without a value.
    QCOMPARE(names, QStringList({QStringLiteral("Translator"), QStringLiteral("Languages"),
                                 QStringLiteral("Value"), QStringLiteral("LogLevel"),
                                 QStringLiteral("VersionType"), QStringLiteral("Skin")}));
    QCOMPARE(values, QStringList({QStringLiteral("1"), QString(), QString(), QStringLiteral("2"),
                                  QStringLiteral("1"), QStringLiteral("BlackRedSkin")}));
}

void TestLensSettings::aKeyWithoutValueDoesNotTakeTheNextOne()
{
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_key_without_value.xml"))));
    QCOMPARE(value(ClientConfigManager::TranslatorKey), QString());
    QCOMPARE(value(ClientConfigManager::SkinKey), QStringLiteral("BlackRedSkin"));
}

void TestLensSettings::firstLoadStaysInForce()
{
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Setup.xml"));
    QVERIFY(ProgramFolder::write(path, ProgramFolder::settingsXml({{"Skin", "FirstSkin"}})));
    QVERIFY(config()->load(path));
    QVERIFY(config()->load(path));
    QVERIFY(ProgramFolder::write(path, ProgramFolder::settingsXml({{"Skin", "LaterSkin"}})));
    QVERIFY(config()->load(path));
    QCOMPARE(value(ClientConfigManager::SkinKey), QStringLiteral("FirstSkin"));
    QCOMPARE(config()->entries().size(), 3);
}

void TestLensSettings::aSettingTwiceIsFoundFirst()
{
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_skin_first.xml"))));
    QCOMPARE(value(ClientConfigManager::SkinKey), QStringLiteral("FirstSkin"));
}

void TestLensSettings::aMissingFileGivesNoSettings()
{
    QTest::ignoreMessage(QtDebugMsg, "No file to read...");
    QVERIFY(!config()->load(lenstest::fixture(QStringLiteral("no_such_setup.xml"))));
    QVERIFY(config()->entries().isEmpty());
    QVERIFY(!config()->getConfig(ClientConfigManager::TranslatorKey));
}

void TestLensSettings::aDamagedFileAddsNothing()
{
    // Read up to the fault it would say Chinese, while the host program
    // takes nothing from it and speaks English.
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_full.xml"))));
    const qsizetype loaded = config()->entries().size();
    QVERIFY(!config()->load(lenstest::fixture(QStringLiteral("setup_truncated.xml"))));
    QVERIFY(config()->isDamaged());
    QCOMPARE(config()->entries().size(), loaded);

    config()->clear();
    QVERIFY(!config()->load(lenstest::fixture(QStringLiteral("setup_truncated.xml"))));
    QVERIFY(config()->entries().isEmpty());
    QVERIFY(!config()->getConfig(ClientConfigManager::TranslatorKey));
}

void TestLensSettings::unknownKeyIndexesFindNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("index -1 finds nothing") << -1;
    QTest::newRow("index 4 finds nothing") << 4;
}

void TestLensSettings::unknownKeyIndexesFindNothing()
{
    QFETCH(int, key);
    QVERIFY(config()->load(lenstest::fixture(QStringLiteral("setup_full.xml"))));
    QCOMPARE(ClientConfigManager::keyName(key), QString());
    QVERIFY(!config()->getConfig(key));
}

void TestLensSettings::languageTable_data()
{
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<int>("id");
    const auto setupXml = &ProgramFolder::settingsXml;
    QTest::newRow("Translator 1 without VersionType is Chinese, id 3")
        << setupXml({{"Translator", "1"}}) << 3;
    QTest::newRow("Translator 1 with VersionType 1 is Chinese, id 1")
        << setupXml({{"Translator", "1"}, {"VersionType", "1"}}) << 1;
    QTest::newRow("Translator 1 with VersionType 0 is id 3")
        << setupXml({{"Translator", "1"}, {"VersionType", "0"}}) << 3;
    QTest::newRow("Translator 0 with VersionType 2 is English, id 0")
        << setupXml({{"Translator", "0"}, {"VersionType", "2"}}) << 0;
    QTest::newRow("Translator 0 without VersionType is id 2")
        << setupXml({{"Translator", "0"}}) << 2;
    QTest::newRow("no Translator is English, id 2") << setupXml({{"Skin", "BlackRedSkin"}}) << 2;
    QTest::newRow("a Translator that is no number counts as 0")
        << setupXml({{"Translator", "zh"}, {"VersionType", "1"}}) << 0;
    QTest::newRow("Translator 5, a language the library lacks, falls back to id 0")
        << setupXml({{"Translator", "5"}}) << 0;
    QTest::newRow("Translator 3 names language 3 directly")
        << setupXml({{"Translator", "3"}, {"VersionType", "1"}}) << 3;
}

void TestLensSettings::languageTable()
{
    QFETCH(QByteArray, setup);
    QFETCH(int, id);
    ProgramFolder folder;
    QVERIFY(lenstest::installCatalogues(folder.path(), lenstest::allCatalogues()));
    loadLanguages(folder, setup);
    QCOMPARE(loadedIds(), QList<int>({0, 1, 2, 3}));
    const ClientLanguageProperty *property = ClientLanguageManager::instance()->currentProperty();
    QVERIFY(property);
    QCOMPARE(property->id(), id);
}

void TestLensSettings::chineseLoadsAllItsCatalogues()
{
    ProgramFolder folder;
    QVERIFY(lenstest::installCatalogues(folder.path(), lenstest::allCatalogues()));
    loadLanguages(folder, ProgramFolder::settingsXml({{"Translator", "1"}, {"VersionType", "1"}}));

    const ClientLanguageProperty *chinese = ClientLanguageManager::instance()->currentProperty();
    QVERIFY(chinese);
    QCOMPARE(chinese->id(), 1);
    QCOMPARE(chinese->locale(), QLocale(QLocale::Chinese, QLocale::China));
    QVERIFY(chinese->appTranslator() && chinese->qtTranslator() && chinese->toolkitTranslator());
    QCOMPARE(chinese->appTranslator()->translate("CWindowTitle", "Pendrik"),
             QStringLiteral("Pendrik 镜头计算器"));
    QCOMPARE(chinese->qtTranslator()->translate("QPlatformTheme", "Cancel"),
             QStringLiteral("取消"));
    QCOMPARE(chinese->toolkitTranslator()->translate("KavrinGUIToolkit::CWarningDlg", "OK"),
             QStringLiteral("确定"));

    // Ids 2 and 3 differ from 0 and 1 in their loading picture only.
    const ClientLanguageProperty *second = ClientLanguageManager::instance()->propertyById(3);
    QVERIFY(second);
    QCOMPARE(second->locale(), chinese->locale());
    QCOMPARE(second->appTranslator()->translate("CWindowTitle", "Pendrik"),
             QStringLiteral("Pendrik 镜头计算器"));
    QCOMPARE(chinese->loadingImage().size(), QSize(480, 270));
    QCOMPARE(second->loadingImage().size(), QSize(480, 270));
    QVERIFY(chinese->loadingImage().toImage() != second->loadingImage().toImage());

    const ClientLanguageProperty *english = ClientLanguageManager::instance()->propertyById(0);
    QCOMPARE(english->locale(), QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(english->qtTranslator()->isEmpty());
    QVERIFY(!english->appTranslator()->isEmpty());
}

void TestLensSettings::chineseNeedsItsCatalogues_data()
{
    QTest::addColumn<QStringList>("leftOut");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<int>("current");

    const QList<int> all{0, 1, 2, 3}, english{0, 2};
    QTest::newRow("without the library's Chinese catalogue Chinese falls back to English")
        << QStringList{QStringLiteral("Pendrik_zh.qm")} << english << 0;
    QTest::newRow("without Qt's Chinese catalogue Chinese falls back to English")
        << QStringList{QStringLiteral("qt_zh_CN.qm")} << english << 0;
    QTest::newRow("Qt's catalogue without qtbase_zh_CN.qm beside it falls back to English")
        << QStringList{QStringLiteral("qtbase_zh_CN.qm")} << english << 0;
    QTest::newRow("Qt's catalogue without qtmultimedia_zh_CN.qm beside it falls back to English")
        << QStringList{QStringLiteral("qtmultimedia_zh_CN.qm")} << english << 0;
    QTest::newRow("without the toolkit's Chinese catalogue Chinese stays")
        << QStringList{QStringLiteral("KavrinGUIToolkit_zh.qm")} << all << 1;
}

void TestLensSettings::chineseNeedsItsCatalogues()
{
    QFETCH(QStringList, leftOut);
    QFETCH(QList<int>, ids);
    QFETCH(int, current);

    ProgramFolder folder;
    QStringList names = lenstest::allCatalogues();
    for (const QString &name : leftOut)
        names.removeAll(name);
    QVERIFY(lenstest::installCatalogues(folder.path(), names));
    loadLanguages(folder, ProgramFolder::settingsXml({{"Translator", "1"}, {"VersionType", "1"}}));
    QCOMPARE(loadedIds(), ids);
    QCOMPARE(ClientLanguageManager::instance()->currentProperty()->id(), current);
}

void TestLensSettings::englishLoadsWithoutCatalogues()
{
    ProgramFolder folder;
    loadLanguages(folder, ProgramFolder::settingsXml({{"Translator", "0"}, {"VersionType", "1"}}));
    QCOMPARE(loadedIds(), QList<int>({0, 2}));
    const ClientLanguageProperty *english = ClientLanguageManager::instance()->currentProperty();
    QCOMPARE(english->id(), 0);
    // Untranslated texts show as they are written.
    QVERIFY(english->appTranslator()->isEmpty());
}

QTEST_MAIN(TestLensSettings)
#include "tst_lens_settings.moc"
