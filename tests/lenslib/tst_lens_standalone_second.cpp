// The stand-alone calculator's application as a second copy, on a screen
// below 1024 x 768, starts it.
#include "LensTestSupport.h"

#include <CKavrinApplication.h>
#include <LockFile.h>
#include <TargetPath.h>
#include <WarningDlg.h>

#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestLensStandaloneSecond : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondCopyIsToldAndStops();
    void smallScreenIsToldAndStops();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensStandaloneSecond::init()
{
    m_programFolder.start();
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &) { return 1; });
}

void TestLensStandaloneSecond::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_programFolder.stop();
}

void TestLensStandaloneSecond::secondCopyIsToldAndStops()
{
    auto *app = qobject_cast<CKavrinApplication *>(QCoreApplication::instance());
    QVERIFY(app->isRunning());
    const QList<KavrinGUIToolkit::CWarningDlg::Shown> shown =
        KavrinGUIToolkit::CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Warn"));
    QCOMPARE(shown.first().text, QStringLiteral("Software is already running."));
}

void TestLensStandaloneSecond::smallScreenIsToldAndStops()
{
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1000, 800));
    auto *app = qobject_cast<CKavrinApplication *>(QCoreApplication::instance());
    QVERIFY(app->checkResolution());
    const QList<KavrinGUIToolkit::CWarningDlg::Shown> shown =
        KavrinGUIToolkit::CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Warn"));
    QCOMPARE(shown.first().text, QStringLiteral("The least resolution is 1024*768."));
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LENS_SMALL_SCREEN);
    // The application reads its program folder while it is constructed.
    QTemporaryDir programFolder;
    KavrinGUIToolkit::SetTargetPath(programFolder.path());
    QTemporaryDir lockFolder;
    const QString id = QStringLiteral("PendrikSecondTest");
    // The first copy, still running.
    KavrinGUIToolkit::CLockFile first(CKavrinApplication::lockFilePath(id, lockFolder.path()));
    if (first.acquire() != KavrinGUIToolkit::CLockFile::State::Held)
        return 1;
    CKavrinApplication app(argc, argv, id, lockFolder.path());
    TestLensStandaloneSecond test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lens_standalone_second.moc"
