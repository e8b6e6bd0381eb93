#include "TranslationGuard.h"

#include <QDir>
#include <QtTest>

// Every text the program and the toolkit show has a Chinese translation of
// its own in the catalogues the build ships.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestTranslations::everyTextIsTranslated_data()
{
    const QString root = QStringLiteral(VARNEL_SOURCE_DIR "/");
    const QDir catalogues(root + QStringLiteral("data/translations"));
    QStringList program;
    for (const QString &name :
         catalogues.entryList({QStringLiteral("Varnel_*_zh.ts")}, QDir::Files, QDir::Name))
        program << catalogues.filePath(name);
    QStringList programSources;
    for (const char *folder : {"core", "app", "calc", "report"}) {
        if (QDir(root + QLatin1String(folder)).exists())
            programSources << root + QLatin1String(folder);
    }

    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QStringList>("chinese");
    QTest::newRow("the program") << programSources << program;
    QTest::newRow("the toolkit") << QStringList{root + QStringLiteral("toolkit")}
                                 << QStringList{catalogues.filePath(
                                        QStringLiteral("KavrinGUIToolkit_zh.ts"))};
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QStringList, sources);
    QFETCH(QStringList, chinese);
    translationguard::verifyTranslated(
        translationguard::scan(QStringLiteral(LUPDATE_TOOL), sources), chinese);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
