#include "LensTestSupport.h"

#include <CHorizontalSimulate.h>
#include <CMonitorSimulate.h>
#include <CPendrikWindow.h>
#include <CVerticalSimulate.h>
#include <WarningDlg.h>

#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// A host that counts the key presses reaching it.
class KeyHost : public QWidget
{
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        ++presses;
        QWidget::keyPressEvent(event);
    }
};

using ViewFactory = std::function<QWidget *(QWidget *)>;

} // namespace

Q_DECLARE_METATYPE(ViewFactory)

// Every view of the calculator opens the manual on F1 and keeps every key
// from its host.
class TestLensViewKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keysStayInTheView_data();
    void keysStayInTheView();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensViewKeys::init()
{
    m_programFolder.start();
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &) { return 1; });
}

void TestLensViewKeys::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_programFolder.stop();
}

void TestLensViewKeys::keysStayInTheView_data()
{
    QTest::addColumn<ViewFactory>("create");
    QTest::newRow("the side view")
        << ViewFactory([](QWidget *parent) { return new CVerticalSimulate(parent); });
    QTest::newRow("the top view") << ViewFactory(
        [](QWidget *parent) { return new CHorizontalSimulate(parent); });
    QTest::newRow("the monitor view")
        << ViewFactory([](QWidget *parent) { return new CMonitorSimulate(parent); });
    QTest::newRow("the lens page")
        << ViewFactory([](QWidget *parent) { return new CPendrikWindow(parent); });
}

void TestLensViewKeys::keysStayInTheView()
{
    QFETCH(ViewFactory, create);
    KeyHost host;
    auto *layout = new QVBoxLayout(&host);
    QWidget *view = create(&host);
    layout->addWidget(view);
    host.resize(600, 400);
    host.show();

    // No manual in the program folder or the current folder.
    QTest::keyClick(view, Qt::Key_F1);
    const QList<KavrinGUIToolkit::CWarningDlg::Shown> shown =
        KavrinGUIToolkit::CWarningDlg::History();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Info"));
    QCOMPARE(shown.first().text, QStringLiteral("Can not find Manual."));

    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A})
        QTest::keyClick(view, key);
    QCOMPARE(host.presses, 0);
    QCOMPARE(KavrinGUIToolkit::CWarningDlg::History().size(), 1);
}

QTEST_MAIN(TestLensViewKeys)
#include "tst_lens_view_keys.moc"
