#include "LensTestSupport.h"
#include "TranslationGuard.h"

#include <QDomDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Every text the library shows has its Chinese translation.
class TestLensTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everySourceTextIsTranslated();
    void catalogueSourcesAreComplete_data();
    void catalogueSourcesAreComplete();
    void builtCatalogueTranslates();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensTranslations::init()
{
    m_programFolder.start();
}

void TestLensTranslations::cleanup()
{
    m_programFolder.stop();
}

namespace {

using translationguard::key;
using translationguard::Message;
using translationguard::readTs;

const QString kSources = QStringLiteral(VARNEL_SOURCE_DIR "/lenslib/translations/");

} // namespace

void TestLensTranslations::everySourceTextIsTranslated()
{
    // The texts the sources hold today, as lupdate finds them.
    QTemporaryDir dir;
    const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
    const ChildRun lupdate = translationguard::runLupdate(
        QStringLiteral(LUPDATE_TOOL), {QStringLiteral(VARNEL_SOURCE_DIR "/lenslib")}, scanned);
    QVERIFY(lupdate.finished);
    QCOMPARE(lupdate.exitCode, 0);
    const QList<Message> found = readTs(scanned);
    QVERIFY(found.size() >= 10);

    QHash<QString, Message> chinese;
    for (const Message &m : readTs(kSources + QStringLiteral("Pendrik_zh.ts")))
        chinese.insert(key(m), m);
    for (const Message &m : found) {
        QVERIFY2(chinese.contains(key(m)),
                 qPrintable(key(m) + QStringLiteral(" is not in Pendrik_zh.ts")));
        const Message &t = chinese.value(key(m));
        QVERIFY2(!t.translation.isEmpty() && t.type.isEmpty(),
                 qPrintable(key(m) + QStringLiteral(" has no finished translation")));
    }
    // ... and a translation of its own, not the English text copied.
    translationguard::verifyTranslated(found, {kSources + QStringLiteral("Pendrik_zh.ts")});
}

void TestLensTranslations::catalogueSourcesAreComplete_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("the English catalogue") << QStringLiteral("Pendrik_en.ts");
    QTest::newRow("the Chinese catalogue") << QStringLiteral("Pendrik_zh.ts");
}

void TestLensTranslations::catalogueSourcesAreComplete()
{
    QFETCH(QString, file);
    const QList<Message> messages = readTs(kSources + file);
    QVERIFY(!messages.isEmpty());
    for (const Message &m : messages) {
        QVERIFY2(!m.translation.isEmpty(), qPrintable(key(m)));
        QVERIFY2(m.type.isEmpty(), qPrintable(key(m) + QStringLiteral(" is ") + m.type));
    }
}

void TestLensTranslations::builtCatalogueTranslates()
{
    QTranslator chinese;
    QVERIFY(chinese.load(lenstest::catalogueSource(QStringLiteral("Pendrik_zh.qm"))));
    QCOMPARE(chinese.translate("UserManual", "Can not find Manual."),
             QStringLiteral("找不到用户手册。"));
    QCOMPARE(chinese.language(), QStringLiteral("zh_CN"));
}

QTEST_GUILESS_MAIN(TestLensTranslations)
#include "tst_lens_translations.moc"
