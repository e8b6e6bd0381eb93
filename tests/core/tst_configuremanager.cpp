#include "ConfigureManager.h"

#include "ProgramFolder.h"

#include <QtTest>

class TestConfigureManager : public QObject
{
    Q_OBJECT

private slots:
    void typedGetters();
    void fallbacksWithoutKeys();
    void translatorValues_data();
    void translatorValues();
    void keyIndexesOutsideTheTable_data();
    void keyIndexesOutsideTheTable();
    void failedReloadLeavesNoSettings();
    void setValueWritesTheFileBack();
    void setValueRefusesWhatItCannotWrite();

private:
    static QString fixture(const char *name)
    {
        return QStringLiteral(VARNEL_TEST_DATA_DIR "/setup/") + QLatin1String(name);
    }
};

void TestConfigureManager::typedGetters()
{
    ProgramFolder folder;
    kiv::ConfigureManager settings;
    QVERIFY(settings.load(fixture("settings.xml")));

    QCOMPARE(settings.translator(), 1u);
    QCOMPARE(settings.languages(), (QList<unsigned int>{0, 0, 1, 0}));
    QCOMPARE(settings.intValue(kiv::ConfigureManager::KeyLogLevel), 3);
    // "-1" and a missing key both count as version type 1.
    QCOMPARE(settings.versionType(), 1);
    // A value that is not a number is 0, not the fallback of a missing key.
    QCOMPARE(settings.thread(), 0);
    QCOMPARE(settings.logSaveDay(), -1);

    const kiv::Configure *skin = settings.find(kiv::ConfigureManager::KeySkin);
    QVERIFY(skin);
    QCOMPARE(skin->value(), QStringLiteral("FirstSkin"));
    QCOMPARE(settings.filePath(), fixture("settings.xml"));
}

void TestConfigureManager::fallbacksWithoutKeys()
{
    ProgramFolder folder;
    kiv::ConfigureManager settings;
    QVERIFY(settings.load(fixture("empty.xml")));

    QCOMPARE(settings.translator(), 0u);
    QCOMPARE(settings.versionType(), 1);
    QCOMPARE(settings.thread(), -1);
    QCOMPARE(settings.logSaveDay(), -1);
    QVERIFY(settings.languages().isEmpty());
    QVERIFY(!settings.find(kiv::ConfigureManager::KeySkin));
}

void TestConfigureManager::translatorValues_data()
{
    QTest::addColumn<QByteArray>("translatorElement");
    QTest::addColumn<unsigned int>("expected");

    QTest::newRow("a missing Translator is English") << QByteArray() << 0u;
    QTest::newRow("an empty Translator is English")
        << QByteArray("<Translator><Value/></Translator>") << 0u;
    QTest::newRow("a Translator that is not a number is English")
        << QByteArray("<Translator><Value>abc</Value></Translator>") << 0u;
    QTest::newRow("a negative Translator is English")
        << QByteArray("<Translator><Value>-1</Value></Translator>") << 0u;
    QTest::newRow("Translator 1 is Chinese")
        << QByteArray("<Translator><Value>1</Value></Translator>") << 1u;
    QTest::newRow("Translator 2 passes through")
        << QByteArray("<Translator><Value>2</Value></Translator>") << 2u;
}

void TestConfigureManager::translatorValues()
{
    QFETCH(QByteArray, translatorElement);
    QFETCH(unsigned int, expected);
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Setup.xml"));
    QVERIFY(ProgramFolder::write(path, "<?xml version=\"1.0\"?>\n<Configs>" + translatorElement +
                                           "<Skin><Value>S</Value></Skin></Configs>\n"));

    kiv::ConfigureManager settings;
    QVERIFY(settings.load(path));
    QCOMPARE(settings.translator(), expected);
}

void TestConfigureManager::keyIndexesOutsideTheTable_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("index -1 names no key") << -1;
    QTest::newRow("index 7 names no key") << 7;
}

void TestConfigureManager::keyIndexesOutsideTheTable()
{
    QFETCH(int, key);
    ProgramFolder folder;
    kiv::ConfigureManager settings;
    QVERIFY(settings.load(fixture("settings.xml")));
    QCOMPARE(kiv::ConfigureManager::keyName(key), QString());
    QVERIFY(!settings.find(key));
    QCOMPARE(settings.intValue(key), -1);
}

void TestConfigureManager::failedReloadLeavesNoSettings()
{
    ProgramFolder folder;
    kiv::ConfigureManager settings;
    QVERIFY(settings.load(fixture("settings.xml")));
    QVERIFY(settings.find(kiv::ConfigureManager::KeySkin));

    QVERIFY(!settings.load(fixture("truncated.xml")));
    QVERIFY(!settings.find(kiv::ConfigureManager::KeySkin));
    QCOMPARE(settings.translator(), 0u);
    QCOMPARE(settings.filePath(), fixture("settings.xml"));

    QVERIFY(!settings.load(folder.file(QStringLiteral("missing.xml"))));
    QVERIFY(!settings.find(kiv::ConfigureManager::KeyTranslator));
}

void TestConfigureManager::setValueWritesTheFileBack()
{
    ProgramFolder folder;
    QVERIFY(folder.copyFixture(QStringLiteral("setup/settings.xml"), QStringLiteral("Setup.xml")));
    const QString path = folder.file(QStringLiteral("Setup.xml"));

    kiv::ConfigureManager settings;
    QVERIFY(settings.load(path));
    QVERIFY(settings.setValue(kiv::ConfigureManager::KeySkin, QStringLiteral("NewSkin")));
    QCOMPARE(settings.find(kiv::ConfigureManager::KeySkin)->value(), QStringLiteral("NewSkin"));

    kiv::ConfigureManager reread;
    QVERIFY(reread.load(path));
    QCOMPARE(reread.find(kiv::ConfigureManager::KeySkin)->value(), QStringLiteral("NewSkin"));
    QCOMPARE(reread.translator(), 1u);
}

void TestConfigureManager::setValueRefusesWhatItCannotWrite()
{
    ProgramFolder folder;
    kiv::ConfigureManager settings;
    QVERIFY2(!settings.setValue(kiv::ConfigureManager::KeySkin, QStringLiteral("S")),
             "nothing has loaded yet");

    QVERIFY(folder.copyFixture(QStringLiteral("setup/empty.xml"), QStringLiteral("Setup.xml")));
    const QString path = folder.file(QStringLiteral("Setup.xml"));
    QVERIFY(settings.load(path));
    const QByteArray before = ProgramFolder::readAll(path);
    QVERIFY2(!settings.setValue(kiv::ConfigureManager::KeySkin, QStringLiteral("S")),
             "the file has no Skin element");
    QCOMPARE(ProgramFolder::readAll(path), before);
}

QTEST_GUILESS_MAIN(TestConfigureManager)
#include "tst_configuremanager.moc"
