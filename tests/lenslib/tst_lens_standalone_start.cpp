// The stand-alone calculator's application as the first copy starts it.
#include "LensTestSupport.h"

#include <CKavrinApplication.h>
#include <LockFile.h>
#include <TargetPath.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QTemporaryDir *g_lockFolder = nullptr;
QString g_applicationId;

} // namespace

class TestLensStandaloneStart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstCopyRunsAndHoldsTheLock();
    void applicationLook();
    void largeScreenPasses();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensStandaloneStart::init()
{
    m_programFolder.start();
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &) { return 1; });
}

void TestLensStandaloneStart::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_programFolder.stop();
}

void TestLensStandaloneStart::firstCopyRunsAndHoldsTheLock()
{
    auto *app = qobject_cast<CKavrinApplication *>(QCoreApplication::instance());
    QVERIFY(app);
    QCOMPARE(app->applicationId(), g_applicationId);
    QVERIFY(!app->isRunning());
    QVERIFY(KavrinGUIToolkit::CWarningDlg::History().isEmpty());
    // A second start would find the id taken.
    KavrinGUIToolkit::CLockFile second(
        CKavrinApplication::lockFilePath(g_applicationId, g_lockFolder->path()));
    QCOMPARE(second.acquire(), KavrinGUIToolkit::CLockFile::State::HeldElsewhere);
}

void TestLensStandaloneStart::applicationLook()
{
    QCOMPARE(QApplication::font().family(), QStringLiteral("Arial"));
    QCOMPARE(QApplication::font().pointSize(), 9);
    QCOMPARE(KavrinGUIToolkit::CToolTip::Font().pointSize(), 10);
    // The window's close confirmation quits, not the last window closing.
    QVERIFY(!QApplication::quitOnLastWindowClosed());
    // The toolkit's style when the style factory knows it, else Fusion.
    const QString style = QApplication::style()->name().toLower();
    QVERIFY2(style == QLatin1String("ckavrinstyle") || style == QLatin1String("fusion"),
             qPrintable(style));
}

void TestLensStandaloneStart::largeScreenPasses()
{
    auto *app = qobject_cast<CKavrinApplication *>(QCoreApplication::instance());
    QVERIFY(!app->checkResolution());
    QVERIFY(KavrinGUIToolkit::CWarningDlg::History().isEmpty());
}

int main(int argc, char *argv[])
{
    // The application reads its program folder while it is constructed.
    QTemporaryDir programFolder;
    KavrinGUIToolkit::SetTargetPath(programFolder.path());
    QTemporaryDir lockFolder;
    g_lockFolder = &lockFolder;
    g_applicationId = QStringLiteral("PendrikStartTest");
    CKavrinApplication app(argc, argv, g_applicationId, lockFolder.path());
    TestLensStandaloneStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lens_standalone_start.moc"
