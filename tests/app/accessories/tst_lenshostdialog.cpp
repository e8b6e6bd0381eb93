// The lens dialog as the accessory panel uses it: a host for the lens
// calculator of the real libPendrik.so, linked at load time.
#include <PendrikWidget.h>

#include "AccessoryTestSupport.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;

namespace {

QMainWindow *calculator(const QWidget *host)
{
    return host->findChild<QMainWindow *>(QStringLiteral("CPendrikMainWndClass"));
}

template <typename T> T *part(const QWidget *host, const char *name)
{
    QMainWindow *window = calculator(host);
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

QTableView *table(const QWidget *host)
{
    return part<QTableView>(host, "m_pCameraLen");
}

void chooseRow(const QWidget *host, int row)
{
    table(host)->setCurrentIndex(table(host)->model()->index(row, 0));
}

QString rowText(const QWidget *host, int row)
{
    return table(host)->model()->index(row, 0).data().toString();
}

QLineEdit *number(const QWidget *host)
{
    return part<QLineEdit>(host, "m_pEdtLensNumber");
}

} // namespace

class TestLensHostDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogIsAHostForTheCalculator();
    void openEmbedsTheCalculatorForTheCamera();
    void modelWithASuffixSelectsTheLongestCamera();
    void unknownModelIsRefused();
    void confirmWithALensHandsItBack();
    void confirmRefusesAMissingLensOrAWrongCount_data();
    void confirmRefusesAMissingLensOrAWrongCount();
    void nextCameraStartsWithoutTheLastChoice();
    void unknownModelAfterAChoiceGivesNoLens();
    void recommendationShowsFourWholeRows();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestLensHostDialog::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestLensHostDialog::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->copyLensCatalogues());
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestLensHostDialog::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestLensHostDialog::dialogIsAHostForTheCalculator()
{
    kiv::PendrikWidget host;
    QCOMPARE(host.size(), QSize(1024, 768));
    QCOMPARE(host.minimumSize(), host.maximumSize());
    auto *grid = host.GetSetUpUiWidget()->findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));
    auto *frame = host.findChild<QFrame *>(QStringLiteral("frame"));
    QCOMPARE(grid->indexOf(frame), 0);
    QCOMPARE(host.getLens(), QString());
    QCOMPARE(host.getLensValue(), 0);
    // Nothing is asked of the library before the first open.
    QVERIFY(!calculator(&host));
}

void TestLensHostDialog::openEmbedsTheCalculatorForTheCamera()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QCOMPARE(host.cameraModel(), QStringLiteral("KC-B21"));
    QMainWindow *window = calculator(&host);
    QVERIFY(window);
    QCOMPARE(window->windowType(), Qt::Widget);
    auto *grid = host.GetSetUpUiWidget()->findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(window), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({0, 0, 1, 1}));
    // Tabs and the calculator's own title bar are hidden; the camera is
    // chosen and locked, the count field shows 1.
    QVERIFY(part<QFrame>(&host, "pTabFrame")->isHidden());
    QVERIFY(part<QWidget>(&host, "CWindowTitle")->isHidden());
    auto *cameras = part<QComboBox>(&host, "comboIPCType");
    QCOMPARE(cameras->currentText(), QStringLiteral("KC-B21"));
    QVERIFY(!cameras->isEnabled());
    QCOMPARE(number(&host)->text(), QStringLiteral("1"));

    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(window->isVisible());
    QCOMPARE(window->window(), &host);
}

void TestLensHostDialog::modelWithASuffixSelectsTheLongestCamera()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21Z-IR")));
    QCOMPARE(part<QComboBox>(&host, "comboIPCType")->currentText(), QStringLiteral("KC-B21Z"));
}

void TestLensHostDialog::unknownModelIsRefused()
{
    kiv::PendrikWidget host;
    QVERIFY(!host.openPendrik(QStringLiteral("CAM-A")));
    QCOMPARE(host.cameraModel(), QStringLiteral("CAM-A"));
}

void TestLensHostDialog::confirmWithALensHandsItBack()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QString chosen;
    const auto answer =
        accessorytest::whenModal<kiv::PendrikWidget>(this, [&chosen](kiv::PendrikWidget *d) {
            chooseRow(d, 0);
            chosen = rowText(d, 0);
            number(d)->setText(QStringLiteral("3"));
            QTest::mouseClick(d->GetConfirmBtn(), Qt::LeftButton);
        });
    QCOMPARE(host.exec(), int(QDialog::Accepted));
    QVERIFY(answer->seen);
    QVERIFY(chosen.contains(QLatin1Char(',')));
    QCOMPARE(host.getLens(), chosen);
    QCOMPARE(host.getLensValue(), 3);
    QVERIFY(CWarningDlg::History().isEmpty());
}

void TestLensHostDialog::confirmRefusesAMissingLensOrAWrongCount_data()
{
    QTest::addColumn<bool>("chooseALens");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    const QString askForALens = QStringLiteral("Hint|Please select Lens");
    const QString wrongCount = QStringLiteral("Hint|Number Range [1~1000]");
    QTest::newRow("no recommendation row is current")
        << false << QStringLiteral("1") << askForALens;
    QTest::newRow("no lens and no count asks for the lens first")
        << false << QString() << askForALens;
    QTest::newRow("a lens with an empty count tells the count's range")
        << true << QString() << wrongCount;
    QTest::newRow("a lens with a count of 0 tells the count's range")
        << true << QStringLiteral("0") << wrongCount;
    QTest::newRow("a lens with a count of 1001 tells the count's range")
        << true << QStringLiteral("1001") << wrongCount;
}

void TestLensHostDialog::confirmRefusesAMissingLensOrAWrongCount()
{
    QFETCH(bool, chooseALens);
    QFETCH(QString, count);
    QFETCH(QString, message);
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    if (chooseALens)
        chooseRow(&host, 0);
    number(&host)->setText(count);
    QTest::mouseClick(host.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(accessorytest::shownMessages(), QStringList{message});
    QVERIFY(host.isVisible());
    QCOMPARE(host.result(), 0);
    QCOMPARE(host.getLens(), QString());
}

void TestLensHostDialog::nextCameraStartsWithoutTheLastChoice()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    QMainWindow *window = calculator(&host);
    const auto answer =
        accessorytest::whenModal<kiv::PendrikWidget>(this, [](kiv::PendrikWidget *d) {
            chooseRow(d, 0);
            QTest::mouseClick(d->GetConfirmBtn(), Qt::LeftButton);
        });
    QCOMPARE(host.exec(), int(QDialog::Accepted));
    QVERIFY(answer->seen);
    const QString first = host.getLens();

    // The next device: the same window, set for its camera, nothing chosen.
    QVERIFY(host.openPendrik(QStringLiteral("KC-B41")));
    QCOMPARE(calculator(&host), window);
    QCOMPARE(part<QComboBox>(&host, "comboIPCType")->currentText(), QStringLiteral("KC-B41"));
    host.show();
    QTest::mouseClick(host.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(accessorytest::shownMessages(),
             QStringList{QStringLiteral("Hint|Please select Lens")});
    // The last accepted choice is what the dialog still reports.
    QCOMPARE(host.getLens(), first);
}

void TestLensHostDialog::unknownModelAfterAChoiceGivesNoLens()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21")));
    chooseRow(&host, 0);
    QVERIFY(!host.openPendrik(QStringLiteral("CAM-A")));
    // Were the host shown anyway, it would have no lens to hand back.
    host.show();
    QTest::mouseClick(host.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(accessorytest::shownMessages(),
             QStringList{QStringLiteral("Hint|Please select Lens")});
}

void TestLensHostDialog::recommendationShowsFourWholeRows()
{
    kiv::PendrikWidget host;
    QVERIFY(host.openPendrik(QStringLiteral("KC-B21Z")));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTableView *view = table(&host);
    const int rowHeight = view->verticalHeader()->defaultSectionSize();
    QVERIFY(rowHeight >= view->fontMetrics().height());
    QVERIFY2(view->viewport()->height() >= 4 * rowHeight,
             qPrintable(QStringLiteral("%1 px for rows of %2 px")
                            .arg(view->viewport()->height())
                            .arg(rowHeight)));
}

QTEST_MAIN(TestLensHostDialog)
#include "tst_lenshostdialog.moc"
