// The lens calculator as the main program's lens dialog uses it: through
// the exports of libPendrik.so, linked by name, called in the dialog's
// order.
#include <PendrikExports.h>
#include <ProgramFolder.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

using KavrinGUIToolkit::CWarningDlg;

// What the main program's lens dialog is to the library: a dialog whose
// form has one grid layout with a frame in its only cell.
class HostDialog : public QDialog
{
public:
    HostDialog()
    {
        grid = new QGridLayout(this);
        grid->setSpacing(6);
        grid->setContentsMargins(11, 11, 11, 11);
        auto *frame = new QFrame(this);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
        grid->addWidget(frame, 0, 0, 1, 1);
        resize(1024, 768);
    }

    // The dialog's order: open, dialog source, tab bar, camera model.
    bool openPendrik(const QString &model)
    {
        KIV_SMC_OpenDialog(this, grid, false);
        KIV_SMC_SetDialogFrom();
        KIV_SMC_HideTab(true);
        return KIV_SMC_SetIPCType(model);
    }

    QMainWindow *calculator() const
    {
        return findChild<QMainWindow *>(QStringLiteral("CPendrikMainWndClass"));
    }
    template <typename T> T *part(const char *name) const
    {
        QMainWindow *window = calculator();
        return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }
    QTableView *table() const { return part<QTableView>("m_pCameraLen"); }
    void chooseRow(int row) const { table()->setCurrentIndex(table()->model()->index(row, 0)); }
    QString rowText(int row) const { return table()->model()->index(row, 0).data().toString(); }

    QGridLayout *grid = nullptr;
};

int calculatorWidgets()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += widget->objectName() == QLatin1String("CPendrikMainWndClass");
    return count;
}

} // namespace

class TestLensHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openEmbedsTheCalculatorInTheHostLayout();
    void secondOpenReusesTheWindow();
    void cameraModelSelectsAndLocks_data();
    void cameraModelSelectsAndLocks();
    void chosenLensIsHandedBack();
    void nextDeviceStartsWithoutAChoice();
    void unknownModelAfterAChoiceHandsBackNoLens();
    void destroyedHostGivesWayToANewWindow();
    void nullPointersAreRefused();
    void keysInsideTheCalculatorDoNotCloseTheHost();
    void embeddedTitleBarClosesOnlyTheHost();
    void sizeModeReachesTheWindow();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestLensHost::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestLensHost::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    // The shipped catalogues, whose cameras are those of the device list.
    QVERIFY(m_folder->copyLensCatalogues());
    QVERIFY(m_folder->writeSettings(0));
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestLensHost::cleanup()
{
    CWarningDlg::SetResponder({});
    m_folder.reset();
}

void TestLensHost::openEmbedsTheCalculatorInTheHostLayout()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QMainWindow *window = host.calculator();
    QVERIFY(window);
    QVERIFY(!window->isWindow());
    QCOMPARE(window->windowType(), Qt::Widget);
    QCOMPARE(window->parentWidget(), &host);
    const int index = host.grid->indexOf(window);
    QVERIFY(index >= 0);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    host.grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({0, 0, 1, 1}));

    QVERIFY(host.part<QFrame>("pTabFrame")->isHidden());
    QVERIFY(host.part<QPushButton>("pBtnPendrik")->isHidden());
    QVERIFY(host.part<QPushButton>("pBtnAbout")->isHidden());
    QVERIFY(host.part<QWidget>("CWindowTitle")->isHidden());

    host.show();
    QVERIFY(window->isVisible());
    QCOMPARE(window->window(), &host);
    QVERIFY(!QApplication::topLevelWidgets().contains(window));
    // It fills the host's cell.
    QVERIFY(window->width() > 900 && window->height() > 650);
}

void TestLensHost::secondOpenReusesTheWindow()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QMainWindow *first = host.calculator();
    const int items = host.grid->count();
    QVERIFY(host.openPendrik(QStringLiteral("KC-B41")));
    QCOMPARE(host.calculator(), first);
    QCOMPARE(calculatorWidgets(), 1);
    QCOMPARE(host.grid->count(), items);
    QCOMPARE(host.part<QComboBox>("comboIPCType")->currentText(), QStringLiteral("KC-B41"));
}

void TestLensHost::cameraModelSelectsAndLocks_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("camera");
    QTest::newRow("KC-B21Z-IR holds KC-B21 and KC-B21Z: the longer wins")
        << QStringLiteral("KC-B21Z-IR") << true << QStringLiteral("KC-B21Z");
    QTest::newRow("a model of the device list")
        << QStringLiteral("KC-D21") << true << QStringLiteral("KC-D21");
    QTest::newRow("an unknown model")
        << QStringLiteral("NO-SUCH-CAMERA") << false << QStringLiteral("KC-B21");
}

void TestLensHost::cameraModelSelectsAndLocks()
{
    QFETCH(QString, model);
    QFETCH(bool, found);
    QFETCH(QString, camera);
    HostDialog host;
    QCOMPARE(host.openPendrik(model), found);
    auto *cameras = host.part<QComboBox>("comboIPCType");
    QCOMPARE(cameras->currentText(), camera);
    QCOMPARE(cameras->isEnabled(), !found);
    QCOMPARE(host.part<QLineEdit>("m_pEdtLensNumber")->text(), QStringLiteral("1"));
    QVERIFY(host.table()->model()->rowCount() > 0);
}

void TestLensHost::chosenLensIsHandedBack()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21Z")));

    // Nothing chosen: the prepared outputs stay as they are.
    QString lens;
    int count = -7;
    KIV_SMC_GetLens(&lens, &count);
    QCOMPARE(lens, QString());
    QCOMPARE(count, -7);

    host.chooseRow(0);
    KIV_SMC_GetLens(&lens, &count);
    QCOMPARE(lens, host.rowText(0));
    QVERIFY(lens.endsWith(QStringLiteral(" Interface")));
    QCOMPARE(count, 1);

    host.part<QLineEdit>("m_pEdtLensNumber")->setText(QStringLiteral("3"));
    KIV_SMC_GetLens(&lens, &count);
    QCOMPARE(count, 3);
}

void TestLensHost::nextDeviceStartsWithoutAChoice()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    host.chooseRow(0);
    QString lens;
    int count = 0;
    KIV_SMC_GetLens(&lens, &count);
    QVERIFY(!lens.isEmpty());

    // The next device has the same camera model.
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QString again = QStringLiteral("prepared");
    int againCount = 9;
    KIV_SMC_GetLens(&again, &againCount);
    QCOMPARE(again, QStringLiteral("prepared"));
    QCOMPARE(againCount, 9);
}

void TestLensHost::unknownModelAfterAChoiceHandsBackNoLens()
{
    // A camera the catalogue knows, with a lens chosen for it ...
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    host.chooseRow(0);
    QString lens;
    int count = 0;
    KIV_SMC_GetLens(&lens, &count);
    QVERIFY(!lens.isEmpty());

    // ... then a device whose model it does not know: nothing is chosen
    // for that one, so nothing is handed back.
    QVERIFY(!host.openPendrik(QStringLiteral("NO-SUCH-CAMERA")));
    QString again = QStringLiteral("prepared");
    int againCount = 9;
    KIV_SMC_GetLens(&again, &againCount);
    QCOMPARE(again, QStringLiteral("prepared"));
    QCOMPARE(againCount, 9);
    QVERIFY(!host.table()->currentIndex().isValid());
    // The camera box keeps the camera shown before.
    QCOMPARE(host.part<QComboBox>("comboIPCType")->currentText(), QStringLiteral("KC-B21"));
}

void TestLensHost::destroyedHostGivesWayToANewWindow()
{
    auto first = std::make_unique<HostDialog>();
    QVERIFY(first->openPendrik(QStringLiteral("KC-B21")));
    first.reset();
    QCOMPARE(calculatorWidgets(), 0);

    // No window now: every export answers without one.
    QVERIFY(!KIV_SMC_SetIPCType(QStringLiteral("KC-B21")));
    QString lens = QStringLiteral("prepared");
    int count = 4;
    KIV_SMC_GetLens(&lens, &count);
    QCOMPARE(lens, QStringLiteral("prepared"));
    QCOMPARE(count, 4);
    KIV_SMC_HideTab(true);
    KIV_SMC_ChangeSize(false);
    QCOMPARE(calculatorWidgets(), 0);

    HostDialog second;
    QVERIFY(second.openPendrik(QStringLiteral("KC-B41")));
    QVERIFY(second.calculator());
    QCOMPARE(second.calculator()->parentWidget(), &second);
    QCOMPARE(calculatorWidgets(), 1);
    second.chooseRow(0);
    KIV_SMC_GetLens(&lens, &count);
    QCOMPARE(lens, second.rowText(0));
}

void TestLensHost::nullPointersAreRefused()
{
    HostDialog host;
    QVERIFY(!KIV_SMC_OpenDialog(nullptr, host.grid, false));
    QVERIFY(!KIV_SMC_OpenDialog(&host, nullptr, false));
    QCOMPARE(calculatorWidgets(), 0);

    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    host.chooseRow(0);
    QString lens = QStringLiteral("prepared");
    int count = 5;
    KIV_SMC_GetLens(nullptr, &count);
    QCOMPARE(count, 5);
    KIV_SMC_GetLens(&lens, nullptr);
    QCOMPARE(lens, QStringLiteral("prepared"));
    KIV_SMC_GetLens(nullptr, nullptr);
}

void TestLensHost::keysInsideTheCalculatorDoNotCloseTheHost()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    host.show();
    auto *distance = host.part<QSpinBox>("spinObjectDistance");
    QTest::keyClick(distance, Qt::Key_Escape);
    QTest::keyClick(distance, Qt::Key_Return);
    QVERIFY(host.isVisible());
    QCOMPARE(host.result(), 0);
}

void TestLensHost::embeddedTitleBarClosesOnlyTheHost()
{
    HostDialog host;
    QVERIFY(KIV_SMC_OpenDialog(&host, host.grid, true));
    host.show();
    auto *title = host.part<QWidget>("CWindowTitle");
    QVERIFY(title->isVisible());
    QTest::mouseClick(title->findChild<QPushButton *>(QStringLiteral("pBtnTitleClose")),
                      Qt::LeftButton);
    QTRY_VERIFY(!host.isVisible());
    QCOMPARE(host.result(), int(QDialog::Rejected));
    // The program's own close confirmation is not asked inside a host.
    QVERIFY(CWarningDlg::History().isEmpty());
    QVERIFY(host.calculator());
}

void TestLensHost::sizeModeReachesTheWindow()
{
    HostDialog host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    KIV_SMC_ChangeSize(false);
    QCOMPARE(host.part<QFrame>("pTabFrame")->minimumHeight(), 23);
    KIV_SMC_ChangeSize(true);
    QCOMPARE(host.part<QFrame>("pTabFrame")->minimumHeight(), 40);
}

QTEST_MAIN(TestLensHost)
#include "tst_lens_host.moc"
