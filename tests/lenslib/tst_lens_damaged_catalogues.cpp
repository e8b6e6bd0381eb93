// The lens calculator on a program folder in which its settings or one of
// its catalogues is damaged or missing: it names the file (stand-alone at
// start, embedded when the host opens it), shows "--" where it has no camera
// to compute for, and leaves the file as it was.
#include "DamagedFile.h"
#include "LensTestSupport.h"

#include <CHorizontalSimulate.h>
#include <CPendrikMainWnd.h>
#include <CPendrikWindow.h>
#include <CSimulateTextNode.h>
#include <ClientConfig.h>
#include <ClientConfigManager.h>
#include <LibraryWindow.h>
#include <WarningDlg.h>

#include <QDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QtTest>

#include <memory>

#include <unistd.h>

using KavrinGUIToolkit::CWarningDlg;

namespace {

const QString kSettingsDamaged = QStringLiteral(
    "The settings file %1 is damaged or is not a settings file of this program, so its settings "
    "are not used: the lens calculator starts in English with its default settings. The file "
    "is left as it is. Mend it, or move it away, and start the lens calculator again.");
const QString kSettingsUnreadable = QStringLiteral(
    "The settings file %1 cannot be opened for reading, so its settings are not used: the lens "
    "calculator starts in English with its default settings. Make the file readable, or move it "
    "away, and start the lens calculator again.");
const QString kCamerasMissing = QStringLiteral(
    "The camera catalogue %1 is missing, so there is no camera to choose and nothing is "
    "calculated.");
const QString kCamerasDamaged = QStringLiteral(
    "The camera catalogue %1 is damaged or is not a camera catalogue, so there is no camera to "
    "choose and nothing is calculated.");
const QString kLensesMissing =
    QStringLiteral("The lens catalogue %1 is missing, so no lens can be recommended.");
const QString kLensesDamaged =
    QStringLiteral("The lens catalogue %1 is damaged or is not a lens catalogue, so no lens can be "
                   "recommended.");
const QString kCatalogueAdvice = QStringLiteral(
    "Nothing is written to the catalogues. Install the program again, or put good copies of the "
    "catalogues in their place, and open the lens calculator again.");

// A host dialog as the program's lens dialog makes one.
class HostDialog : public QDialog
{
public:
    HostDialog() : grid(new QGridLayout(this)) { resize(1000, 700); }
    QGridLayout *grid;
};

} // namespace

class TestLensDamagedCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void standAloneStartNamesWhatItCouldNotRead_data();
    void standAloneStartNamesWhatItCouldNotRead();
    void standAloneStartNamesASettingsFileItCannotOpen_data();
    void standAloneStartNamesASettingsFileItCannotOpen();
    void hostOpenNamesADamagedCatalogueOnce();
    void hostNamesNoSettingsFile();

private:
    /// The shipped catalogues and Chinese settings in the test's folder.
    void installGoodFolder();
    QString file(const QString &relative) const { return m_folder->file(relative); }

    std::unique_ptr<ProgramFolder> m_folder;
};

void TestLensDamagedCatalogues::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    installGoodFolder();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestLensDamagedCatalogues::cleanup()
{
    CWarningDlg::SetResponder({});
    ClientConfigManager::instance()->clear();
    m_folder.reset();
}

void TestLensDamagedCatalogues::installGoodFolder()
{
    QVERIFY(m_folder->copyLensCatalogues());
    QVERIFY(ProgramFolder::write(
        file(QStringLiteral("Setup.xml")),
        ProgramFolder::settingsXml({{"Translator", "1"}, {"VersionType", "1"}})));
}

void TestLensDamagedCatalogues::standAloneStartNamesWhatItCouldNotRead_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("cameras");

    const QString advice = QLatin1Char('\n') + kCatalogueAdvice;
    for (Damage damage : everyDamage()) {
        const bool missing = damage == Damage::Missing;
        // The settings are Chinese: the Chinese camera catalogue is read.
        QTest::addRow("the camera catalogue %s is named and nothing is calculated",
                      damageText(damage))
            << QStringLiteral("CameraLensInfo/Camera_Lens.xml") << damage
            << QStringList{(missing ? kCamerasMissing : kCamerasDamaged) + advice} << false;
        QTest::addRow("the lens catalogue %s is named and the cameras still compute",
                      damageText(damage))
            << QStringLiteral("CameraLensInfo/LensInfo.xml") << damage
            << QStringList{(missing ? kLensesMissing : kLensesDamaged) + advice} << true;
        // A missing settings file is no news: the defaults hold quietly.
        QTest::addRow("the settings file %s %s", damageText(damage),
                      missing ? "gives the defaults without a word"
                              : "is named and the defaults hold")
            << QStringLiteral("Setup.xml") << damage
            << (missing ? QStringList() : QStringList{kSettingsDamaged}) << true;
    }
}

void TestLensDamagedCatalogues::standAloneStartNamesWhatItCouldNotRead()
{
    QFETCH(QString, relative);
    QFETCH(Damage, damage);
    QFETCH(QStringList, messages);
    QFETCH(bool, cameras);

    const QString path = file(relative);
    QVERIFY(layDamaged(path, damage));
    const bool existed = QFileInfo::exists(path);
    const QByteArray before = stateOf(path);

    // As the stand-alone calculator starts: settings, window, messages.
    QVERIFY(lenstest::reloadSettings(file(QStringLiteral("Setup.xml"))) ==
            (relative != QLatin1String("Setup.xml")));
    if (relative == QLatin1String("Setup.xml")) {
        // Nothing read before a fault counts, so the library agrees with the
        // host program: English, the default.
        QVERIFY(!ClientConfigManager::instance()->getConfig(ClientConfigManager::TranslatorKey));
        QVERIFY(ClientConfigManager::instance()->entries().isEmpty());
    }
    CPendrikMainWnd window;
    window.tellDataProblems(true);

    QStringList shown;
    for (const CWarningDlg::Shown &m : CWarningDlg::History()) {
        QCOMPARE(m.title, QStringLiteral("Warn"));
        shown << m.text;
    }
    const QString lenses =
        QDir::toNativeSeparators(file(QStringLiteral("CameraLensInfo/LensInfo.xml")));
    const QString settings = QDir::toNativeSeparators(file(QStringLiteral("Setup.xml")));
    const QString camerasPath = QDir::toNativeSeparators(file(
        relative == QLatin1String("Setup.xml") ? QStringLiteral("CameraLensInfo/Camera_Lens_en.xml")
                                               : QStringLiteral("CameraLensInfo/Camera_Lens.xml")));
    for (QString &m : messages) {
        const QString named = relative.startsWith(QLatin1String("CameraLensInfo/Camera"))
                                  ? camerasPath
                              : relative.endsWith(QLatin1String("LensInfo.xml")) ? lenses
                                                                                 : settings;
        m = m.arg(named);
    }
    QCOMPARE(shown, messages);

    CPendrikWindow *page = window.lensPage();
    QCOMPARE(page->hasCameras(), cameras);
    auto *focus = page->findChild<QDoubleSpinBox *>(QStringLiteral("editCameraFocus"));
    auto *topAngle = page->findChild<CHorizontalSimulate *>(QStringLiteral("frameHorizontal"))
                         ->findChild<CSimulateTextNode *>(QStringLiteral("m_pAngleText"));
    auto *nearWidth = page->findChild<CHorizontalSimulate *>(QStringLiteral("frameHorizontal"))
                          ->findChild<CSimulateTextNode *>(QStringLiteral("m_pNearWidthText"));
    auto *sideAngle = page->findChild<QWidget *>(QStringLiteral("frameVertical"))
                          ->findChild<CSimulateTextNode *>(QStringLiteral("m_pAngleText"));
    if (cameras) {
        QVERIFY(focus->isEnabled());
        QVERIFY(focus->text() != QLatin1String("--"));
        QVERIFY(topAngle->value() != QLatin1String("--"));
    } else {
        // No figure of a camera that is not there.
        QVERIFY(!focus->isEnabled());
        QCOMPARE(focus->text(), QStringLiteral("--"));
        QCOMPARE(topAngle->value(), QStringLiteral("--"));
        QCOMPARE(nearWidth->value(), QStringLiteral("--"));
        QCOMPARE(sideAngle->value(), QStringLiteral("--"));
        for (const char *name : {"labelNearObj", "labelFarObject", "labelBracket"})
            QCOMPARE(page->findChild<QLabel *>(QString::fromLatin1(name))->text(),
                     QStringLiteral("--"));
    }

    QCOMPARE(QFileInfo::exists(path), existed);
    QCOMPARE(stateOf(path), before);
}

void TestLensDamagedCatalogues::standAloneStartNamesASettingsFileItCannotOpen_data()
{
    QTest::addColumn<bool>("folder"); // else a file nobody may read
    // As the planning program names it: no regular file is a damaged one.
    QTest::newRow("a folder in place of the settings file is named and the defaults hold") << true;
    QTest::newRow("a settings file nobody may read is named and the defaults hold") << false;
}

void TestLensDamagedCatalogues::standAloneStartNamesASettingsFileItCannotOpen()
{
    QFETCH(bool, folder);
    const QString path = file(QStringLiteral("Setup.xml"));
    if (folder) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else {
        if (geteuid() == 0)
            QSKIP("the superuser reads any file");
        QVERIFY(layDamaged(path, Damage::Unreadable));
    }

    QVERIFY(!lenstest::reloadSettings(path));
    // Chinese settings that cannot be read: English, the default.
    QVERIFY(!ClientConfigManager::instance()->getConfig(ClientConfigManager::TranslatorKey));
    CPendrikMainWnd window;
    window.tellDataProblems(true);

    QStringList shown;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        shown << m.title + QLatin1Char('|') + m.text;
    const QString &text = folder ? kSettingsDamaged : kSettingsUnreadable;
    QCOMPARE(shown, QStringList{QStringLiteral("Warn|") + text.arg(QDir::toNativeSeparators(path))});
    QVERIFY(window.lensPage()->hasCameras());
    if (folder) {
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    } else {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(ProgramFolder::readAll(path),
                 ProgramFolder::settingsXml({{"Translator", "1"}, {"VersionType", "1"}}));
    }
}

void TestLensDamagedCatalogues::hostOpenNamesADamagedCatalogueOnce()
{
    QVERIFY(layDamaged(file(QStringLiteral("CameraLensInfo/Camera_Lens.xml")), Damage::CutToHalf));
    const QByteArray before =
        ProgramFolder::readAll(file(QStringLiteral("CameraLensInfo/Camera_Lens.xml")));
    QVERIFY(lenstest::reloadSettings(file(QStringLiteral("Setup.xml"))));

    auto host = std::make_unique<HostDialog>();
    QVERIFY(pendrik::openLibraryWindow(host.get(), host->grid, false));
    host->show();
    // Named from the event loop, over the host's dialog.
    QTRY_COMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().first().text,
             kCamerasDamaged.arg(
                 QDir::toNativeSeparators(file(QStringLiteral("CameraLensInfo/Camera_Lens.xml")))) +
                 QLatin1Char('\n') + kCatalogueAdvice);
    QVERIFY(!pendrik::libraryWindow()->lensPage()->hasCameras());

    // The same window opened again for the next device says nothing more.
    QVERIFY(pendrik::openLibraryWindow(host.get(), host->grid, false));
    QCoreApplication::processEvents();
    QCOMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(ProgramFolder::readAll(file(QStringLiteral("CameraLensInfo/Camera_Lens.xml"))),
             before);
    host.reset();
}

void TestLensDamagedCatalogues::hostNamesNoSettingsFile()
{
    // In the host the program names its own settings file; the library's
    // window only its catalogues, and here they are fine.
    QVERIFY(layDamaged(file(QStringLiteral("Setup.xml")), Damage::CutToHalf));
    QVERIFY(!lenstest::reloadSettings(file(QStringLiteral("Setup.xml"))));
    auto host = std::make_unique<HostDialog>();
    QVERIFY(pendrik::openLibraryWindow(host.get(), host->grid, false));
    host->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(CWarningDlg::History().size(), 0);
    QVERIFY(pendrik::libraryWindow()->lensPage()->hasCameras());
    host.reset();
}

QTEST_MAIN(TestLensDamagedCatalogues)
#include "tst_lens_damaged_catalogues.moc"
