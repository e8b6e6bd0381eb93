#include "LanaguageManager.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <QtTest>

#include <memory>

class TestLanguageManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void languageTable_data();
    void languageTable();
    void missingCataloguesLeaveTextsUntranslated();
    void destroyingTheManagerUninstallsItsCatalogues();

private:
    static QString toolkitOk()
    {
        return QCoreApplication::translate("KavrinGUIToolkit::CWarningDlg", "OK");
    }
    static QString qtOk() { return QCoreApplication::translate("QErrorMessage", "&OK"); }
};

void TestLanguageManager::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestLanguageManager::languageTable_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("catalogues");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("toolkitText");
    QTest::addColumn<QString>("qtText");

    QTest::newRow("Translator 0 installs the English program and toolkit catalogues")
        << 0
        << QStringList{QStringLiteral("Varnel_en.qm"), QStringLiteral("KavrinGUIToolkit_en.qm")}
        << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("OK")
        << QStringLiteral("&OK");
    QTest::newRow("Translator 1 installs the program, Qt and toolkit catalogues in that order")
        << 1
        << QStringList{QStringLiteral("Varnel_zh.qm"), QStringLiteral("qt_zh_CN.qm"),
                       QStringLiteral("KavrinGUIToolkit_zh.qm")}
        << QLocale(QLocale::Chinese, QLocale::China) << QStringLiteral("确定")
        << QStringLiteral("确定(&O)");
    // Empty names: two translators with nothing loaded, the default locale.
    QTest::newRow("Translator 2 passes through with no catalogue and the default locale")
        << 2 << QStringList{QString(), QString()} << QLocale(QLocale::German, QLocale::Germany)
        << QStringLiteral("OK") << QStringLiteral("&OK");
}

void TestLanguageManager::languageTable()
{
    QFETCH(int, language);
    QFETCH(QStringList, catalogues);
    QFETCH(QLocale, locale);
    QFETCH(QString, toolkitText);
    QFETCH(QString, qtText);
    ProgramFolder folder;
    QVERIFY(folder.copyTranslations());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    kiv::LanaguageManager manager(language);
    QCOMPARE(manager.language(), language);
    QCOMPARE(manager.locale(), locale);

    QStringList loaded;
    for (const QTranslator *translator : manager.translators())
        loaded.append(translator->isEmpty() && translator->filePath().isEmpty()
                          ? QString()
                          : QFileInfo(translator->filePath()).fileName());
    QCOMPARE(loaded, catalogues);
    QCOMPARE(toolkitOk(), toolkitText);
    QCOMPARE(qtOk(), qtText);
}

void TestLanguageManager::missingCataloguesLeaveTextsUntranslated()
{
    ProgramFolder folder;
    kiv::LanaguageManager manager(1);
    QCOMPARE(manager.translators().size(), 3);
    for (const QTranslator *translator : manager.translators())
        QVERIFY(translator->isEmpty());
    QCOMPARE(manager.locale(), QLocale(QLocale::Chinese, QLocale::China));
    QCOMPARE(toolkitOk(), QStringLiteral("OK"));
}

void TestLanguageManager::destroyingTheManagerUninstallsItsCatalogues()
{
    ProgramFolder folder;
    QVERIFY(folder.copyTranslations());
    auto manager = std::make_unique<kiv::LanaguageManager>(1);
    QCOMPARE(toolkitOk(), QStringLiteral("确定"));
    manager.reset();
    QCOMPARE(toolkitOk(), QStringLiteral("OK"));
    QCOMPARE(qtOk(), QStringLiteral("&OK"));
}

QTEST_GUILESS_MAIN(TestLanguageManager)
#include "tst_languagemanager.moc"
