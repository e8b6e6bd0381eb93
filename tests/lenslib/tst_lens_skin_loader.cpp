#include "LensTestSupport.h"

#include <LibrarySetup.h>
#include <ProgramFolder.h>
#include <SkinLoader.h>

#include <QApplication>
#include <QPluginLoader>
#include <QtTest>

// The skin loader over plug-in folders holding junk, plug-ins of another
// kind, broken plug-ins and the library's own skin.
class TestLensSkinLoader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findsTheSkin_data();
    void findsTheSkin();
    void aSkinNotChosenIsUnloaded();
    void aSkinAlreadyLoadedIsPassedOver();
    void aMissingFolderFindsNothing();
    void withoutASkinSettingNoSkinIsLoaded();
    void aMissingSkinLeavesQtsStyle();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensSkinLoader::init()
{
    m_programFolder.start();
}

namespace {

enum Content { Junk = 1, OtherKind = 2, Skin = 4, BrokenSkin = 8 };

const QString kMarker = QStringLiteral("PendrikSkin:BlackRedSkin");

// Fills @p folder with the given kinds of files; the skin is written as
// @p skinFile, before the other files or after them.
bool fill(const QString &folder, int content,
          const QString &skinFile = QStringLiteral("libPendrikSkin.so"), bool skinFirst = false)
{
    QDir().mkpath(folder);
    const auto copySkin = [&] {
        return !(content & Skin) || QFile::copy(QStringLiteral(PENDRIK_SKIN_PLUGIN),
                                                folder + QLatin1Char('/') + skinFile);
    };
    bool ok = !skinFirst || copySkin();
    if (content & Junk) {
        ok = ok && ProgramFolder::write(folder + QStringLiteral("/libjunk.so"), "not a plug-in");
        ok = ok && ProgramFolder::write(folder + QStringLiteral("/readme.txt"), "skins");
    }
    if (content & OtherKind)
        ok = ok && QFile::copy(QStringLiteral(LENS_OTHER_KIND_PLUGIN),
                               folder + QStringLiteral("/libOtherKind.so"));
    if (content & BrokenSkin) {
        QFile plugin(QStringLiteral(PENDRIK_SKIN_PLUGIN));
        ok = ok && plugin.open(QIODevice::ReadOnly);
        // The first kilobyte of a real plug-in: an ELF file cut short.
        ok = ok &&
             ProgramFolder::write(folder + QStringLiteral("/libBrokenSkin.so"), plugin.read(1024));
    }
    return ok && (skinFirst || copySkin());
}

QStringList folderListing(const QString &folder)
{
    // The loader's own listing: unsorted, in the file system's order.
    return QDir(folder).entryList(QDir::Files, QDir::Unsorted);
}

// A folder under @p base with the given content in which the file system
// lists the skin after every other file, so that the loader meets all of
// them before it. The order of an unsorted listing depends on the file
// system (the order of writing, or a hash of the names), so folders are
// filled afresh, the skin under another name and written first or last by
// turns, until one lists it last. Empty when none does.
QString folderWithTheSkinLast(const QString &base, int content)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        const QString folder = base + QStringLiteral("/skins%1").arg(attempt);
        const QString skinFile = QStringLiteral("libPendrikSkin%1.so").arg(attempt);
        if (!fill(folder, content, skinFile, attempt % 2 == 1))
            return QString();
        if (!(content & Skin) || folderListing(folder).constLast() == skinFile)
            return folder;
        QDir(folder).removeRecursively();
    }
    return QString();
}

// Collects the names of the files the loader tries, from its "load skin "
// lines; every other message goes on to the test's own handler.
QStringList *g_triedFiles = nullptr;
QtMessageHandler g_testHandler = nullptr;

void collectTriedFiles(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QString prefix = QStringLiteral("load skin ");
    if (g_triedFiles && type == QtDebugMsg && message.startsWith(prefix))
        g_triedFiles->append(QFileInfo(message.mid(prefix.size())).fileName());
    else if (g_testHandler)
        g_testHandler(type, context, message);
}

bool loadSkinCollectingTries(const QString &name, const QString &folder, QStringList *tried)
{
    g_triedFiles = tried;
    g_testHandler = qInstallMessageHandler(collectTriedFiles);
    const bool found = pendrik::loadSkinPlugin(name, folder);
    qInstallMessageHandler(g_testHandler);
    g_triedFiles = nullptr;
    return found;
}

} // namespace

void TestLensSkinLoader::cleanup()
{
    qApp->setStyleSheet(QString());
    ClientConfigManager::instance()->clear();
    m_programFolder.stop();
}

void TestLensSkinLoader::findsTheSkin_data()
{
    QTest::addColumn<int>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    const QString skin = QStringLiteral("BlackRedSkin");
    QTest::newRow("junk and another kind of plug-in do not hide the skin")
        << int(Junk | OtherKind | Skin) << skin << true;
    QTest::newRow("a broken plug-in does not hide the skin")
        << int(BrokenSkin | Skin) << skin << true;
    QTest::newRow("junk and other plug-ins alone give no skin")
        << int(Junk | OtherKind | BrokenSkin) << skin << false;
    QTest::newRow("a skin name the plug-in does not offer gives no skin")
        << int(Junk | Skin) << QStringLiteral("NoSuchSkin") << false;
    QTest::newRow("skin names are case-sensitive")
        << int(Skin) << QStringLiteral("blackredskin") << false;
    QTest::newRow("an empty folder gives no skin") << 0 << skin << false;
}

void TestLensSkinLoader::findsTheSkin()
{
    QFETCH(int, content);
    QFETCH(QString, name);
    QFETCH(bool, found);

    ProgramFolder folder;
    const QString skins = folderWithTheSkinLast(folder.file(QStringLiteral("plugins")), content);
    QVERIFY2(!skins.isEmpty(), "no folder listed the skin after the other files");
    const QStringList listing = folderListing(skins);

    QStringList tried;
    QCOMPARE(loadSkinCollectingTries(name, skins, &tried), found);
    QCOMPARE(qApp->styleSheet().contains(kMarker), found);
    // Every file was tried, in the listed order; the skin, when there is
    // one, only after all the others.
    QCOMPARE(tried, listing);
}

void TestLensSkinLoader::aSkinNotChosenIsUnloaded()
{
    ProgramFolder folder;
    const QString skins = folder.file(QStringLiteral("plugins/skins"));
    QVERIFY(fill(skins, Skin | OtherKind));
    QVERIFY(!pendrik::loadSkinPlugin(QStringLiteral("NoSuchSkin"), skins));
    QVERIFY(!QPluginLoader(skins + QStringLiteral("/libPendrikSkin.so")).isLoaded());
    // A plug-in of another kind stays loaded: its instance may be in use.
    QVERIFY(QPluginLoader(skins + QStringLiteral("/libOtherKind.so")).isLoaded());
}

void TestLensSkinLoader::aSkinAlreadyLoadedIsPassedOver()
{
    ProgramFolder folder;
    const QString skins = folder.file(QStringLiteral("plugins/skins"));
    QVERIFY(fill(skins, Skin));
    QVERIFY(pendrik::loadSkinPlugin(QStringLiteral("BlackRedSkin"), skins));
    QVERIFY(!pendrik::loadSkinPlugin(QStringLiteral("BlackRedSkin"), skins));
    QVERIFY(QPluginLoader(skins + QStringLiteral("/libPendrikSkin.so")).isLoaded());
}

void TestLensSkinLoader::aMissingFolderFindsNothing()
{
    ProgramFolder folder;
    QVERIFY(!pendrik::loadSkinPlugin(QStringLiteral("BlackRedSkin"),
                                     folder.file(QStringLiteral("plugins/skins"))));
}

void TestLensSkinLoader::withoutASkinSettingNoSkinIsLoaded()
{
    ProgramFolder folder;
    QVERIFY(fill(folder.file(QStringLiteral("plugins/skins")), Skin));
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")),
                                 ProgramFolder::settingsXml({{"Translator", "0"}})));
    QVERIFY(lenstest::reloadSettings(folder.file(QStringLiteral("Setup.xml"))));
    QTest::ignoreMessage(QtDebugMsg, "cannot find skin!!!!!!!!");
    QVERIFY(!pendrik::loadLibrarySkin());
    QVERIFY(!qApp->styleSheet().contains(kMarker));
}

void TestLensSkinLoader::aMissingSkinLeavesQtsStyle()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")),
                                 ProgramFolder::settingsXml({{"Skin", "BlackRedSkin"}})));
    QVERIFY(lenstest::reloadSettings(folder.file(QStringLiteral("Setup.xml"))));
    QStyle *style = QApplication::style();
    QVERIFY(!pendrik::loadLibrarySkin());
    QCOMPARE(QApplication::style(), style);
    QCOMPARE(qApp->styleSheet(), QString());
}

QTEST_MAIN(TestLensSkinLoader)
#include "tst_lens_skin_loader.moc"
