#include "LensTestSupport.h"

#include <ClientConfigManager.h>
#include <LibrarySetup.h>
#include <ProgramFolder.h>

#include <QApplication>
#include <QtTest>

// The library's set-up for a process: settings, translators and skin go in
// once, however often the host opens the calculator. One process per run,
// since the set-up is once per process.
class TestLensSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setUpHappensOncePerProcess();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    lenstest::PerTestProgramFolder m_programFolder;
    int m_languageChanges = 0;
};

void TestLensSetup::init()
{
    m_programFolder.start();
}

void TestLensSetup::cleanup()
{
    m_programFolder.stop();
}

bool TestLensSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::LanguageChange)
        ++m_languageChanges;
    return QObject::eventFilter(watched, event);
}

void TestLensSetup::setUpHappensOncePerProcess()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(
        folder.file(QStringLiteral("Setup.xml")),
        ProgramFolder::settingsXml(
            {{"Translator", "1"}, {"VersionType", "1"}, {"Skin", "BlackRedSkin"}})));
    QVERIFY(lenstest::installCatalogues(folder.path(), lenstest::allCatalogues()));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("plugins/skins/libbroken.so")),
                                 QByteArray("not a plug-in")));
    QVERIFY(QFile::copy(QStringLiteral(PENDRIK_SKIN_PLUGIN),
                        folder.file(QStringLiteral("plugins/skins/libPendrikSkin.so"))));
    qApp->installEventFilter(this);

    QVERIFY(pendrik::setUpLibrary());
    QCOMPARE(QCoreApplication::translate("CWindowTitle", "Pendrik"),
             QStringLiteral("Pendrik 镜头计算器"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    QVERIFY(QCoreApplication::libraryPaths().contains(folder.file(QStringLiteral("plugins"))));
    const QString sheet = qApp->styleSheet();
    QVERIFY(sheet.contains(QStringLiteral("PendrikSkin:BlackRedSkin")));
    const int entries = ClientConfigManager::instance()->entries().size();
    QCOMPARE(entries, 3);
    const int changes = m_languageChanges;
    QVERIFY(changes > 0);

    // A second open of the calculator changes nothing.
    QVERIFY(!pendrik::setUpLibrary());
    QCOMPARE(ClientConfigManager::instance()->entries().size(), entries);
    QCOMPARE(m_languageChanges, changes);
    QCOMPARE(qApp->styleSheet(), sheet);
    QCOMPARE(QCoreApplication::translate("CWindowTitle", "Pendrik"),
             QStringLiteral("Pendrik 镜头计算器"));
    qApp->removeEventFilter(this);
}

QTEST_MAIN(TestLensSetup)
#include "tst_lens_setup.moc"
