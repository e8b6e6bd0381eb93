#include <BaseDialogWithBottom.h>
#include <ChaseDialog.h>
#include <FileDialog.h>
#include <PathComboBox.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace KavrinGUIToolkit;

namespace {

// A dialog that checks its input before it lets the confirm button end it,
// the way the program's input dialogs do.
class NameDialog : public CBaseDialogWithBottom
{
    Q_OBJECT
public:
    explicit NameDialog(const char *signal = "clicked()", const char *method = "onConfirm()")
    {
        m_edit = new QLineEdit(GetSetUpUiWidget());
        m_edit->setObjectName(QStringLiteral("name"));
        reconnected = ReConnect(GetConfirmBtn(), signal, this, method, Qt::AutoConnection);
    }
    QLineEdit *m_edit;
    bool reconnected = false;
    int confirms = 0;

public slots:
    void onConfirm()
    {
        ++confirms;
        if (!m_edit->text().trimmed().isEmpty())
            accept();
    }
    void takesAnArgument(int) {}
};

// Finishes at once, like a fast worker.
class QuickWorker : public QThread
{
    Q_OBJECT
signals:
    void done();

protected:
    void run() override { emit done(); }
};

} // namespace

class TestToolkitDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void confirmAcceptsUntilReconnected();
    void reconnectedConfirmKeepsABadInputOpen();
    void reconnectTakesSignalAndSlotTexts_data();
    void reconnectTakesSignalAndSlotTexts();
    void reconnectOfPointersReplacesTheAccept();
    void cancelRejects();

    void chaseStoppedBeforeItRunsReturnsAtOnce();
    void chaseWaitsForItsWorker_data();
    void chaseWaitsForItsWorker();
    void chaseResponderEndsAtOnce();
    void chaseIgnoresEscapeUnlessClosable();
    void chaseRunsItsAnimation();

    void pathBrowseShowsTheFolderWithASeparator();
    void pathBrowseCancelledChangesNothing();
    void pathBrowseInFileModeAsksForAFile();
    void browseButtonShowsDotsAndSaysBrowse();
};

void TestToolkitDialogs::cleanup()
{
    CChaseDialog::SetResponder({});
    CChaseDialog::ClearHistory();
    CFileDialog::SetResponder({});
    CFileDialog::ClearHistory();
}

void TestToolkitDialogs::confirmAcceptsUntilReconnected()
{
    CBaseDialogWithBottom dlg;
    QTimer::singleShot(0, &dlg, [&dlg] { dlg.GetConfirmBtn()->click(); });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
}

void TestToolkitDialogs::reconnectedConfirmKeepsABadInputOpen()
{
    NameDialog dlg;
    QVERIFY(dlg.reconnected);
    QTimer::singleShot(0, &dlg, [&dlg] {
        dlg.GetConfirmBtn()->click(); // empty name: stays open
        QVERIFY(dlg.isVisible());
        dlg.m_edit->setText(QStringLiteral("Lobby"));
        dlg.GetConfirmBtn()->click();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(dlg.confirms, 2);
}

void TestToolkitDialogs::reconnectTakesSignalAndSlotTexts_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<bool>("connected");
    QTest::newRow("plain signatures connect")
        << QByteArray("clicked()") << QByteArray("onConfirm()") << true;
    QTest::newRow("SIGNAL() and SLOT() texts connect")
        << QByteArray(SIGNAL(clicked())) << QByteArray(SLOT(onConfirm())) << true;
    QTest::newRow("blanks are normalised")
        << QByteArray(" clicked ( ) ") << QByteArray("onConfirm ()") << true;
    QTest::newRow("an unknown slot is refused")
        << QByteArray("clicked()") << QByteArray("noSuchSlot()") << false;
    QTest::newRow("an unknown signal is refused")
        << QByteArray("pushed()") << QByteArray("onConfirm()") << false;
    QTest::newRow("arguments that do not fit are refused")
        << QByteArray("clicked()") << QByteArray("takesAnArgument(int)") << false;
}

void TestToolkitDialogs::reconnectTakesSignalAndSlotTexts()
{
    QFETCH(QByteArray, signal);
    QFETCH(QByteArray, method);
    QFETCH(bool, connected);
    NameDialog dlg(signal.constData(), method.constData());
    QCOMPARE(dlg.reconnected, connected);
    QSignalSpy accepted(&dlg, &QDialog::accepted);
    dlg.show();
    dlg.GetConfirmBtn()->click();
    // Refused: the default accept stays in place and nothing is half-done.
    QCOMPARE(dlg.confirms, connected ? 1 : 0);
    QCOMPARE(accepted.count(), connected ? 0 : 1);
}

void TestToolkitDialogs::reconnectOfPointersReplacesTheAccept()
{
    NameDialog dlg;
    int nexts = 0;
    QObject next;
    // A dialog that turns its confirm button into "Next" hands it on this way.
    QObject::disconnect(dlg.GetConfirmBtn(), nullptr, nullptr, nullptr);
    QVERIFY(CBaseDialogWithBottom::ReConnect(dlg.GetConfirmBtn(), &QPushButton::clicked, &next,
                                             [&nexts] { ++nexts; }));
    QSignalSpy accepted(&dlg, &QDialog::accepted);
    dlg.show();
    dlg.GetConfirmBtn()->click();
    QCOMPARE(nexts, 1);
    QCOMPARE(dlg.confirms, 0);
    QCOMPARE(accepted.count(), 0);
}

void TestToolkitDialogs::cancelRejects()
{
    NameDialog dlg;
    QTimer::singleShot(0, &dlg, [&dlg] { dlg.GetCancelBtn()->click(); });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(dlg.confirms, 0);
}

void TestToolkitDialogs::chaseStoppedBeforeItRunsReturnsAtOnce()
{
    CChaseDialog dlg(nullptr,
                     QStringLiteral(":/Torvel/Dialog/Images/Public/Control/Dialog/Loading.gif"),
                     QStringLiteral("Calculation..."));
    // The worker finished before the dialog got to run.
    dlg.OnImmediatelyStopChase();
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QVERIFY(!dlg.isVisible());
}

void TestToolkitDialogs::chaseWaitsForItsWorker_data()
{
    QTest::addColumn<bool>("unseen");
    QTest::newRow("shown, it ends when the worker is done") << false;
    QTest::newRow("answered unseen, it still waits for the worker") << true;
}

void TestToolkitDialogs::chaseWaitsForItsWorker()
{
    QFETCH(bool, unseen);
    if (unseen)
        CChaseDialog::SetResponder([](const QString &) { return false; });
    CChaseDialog dlg(nullptr,
                     QStringLiteral(":/Torvel/Dialog/Images/Public/Control/Dialog/Loading.gif"),
                     QStringLiteral("Calculation..."));
    QuickWorker worker;
    connect(&worker, &QuickWorker::done, &dlg, &CChaseDialog::OnImmediatelyStopChase);
    worker.start();
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    worker.wait();
    QVERIFY(dlg.IsStopped());
    QCOMPARE(CChaseDialog::History(), QStringList{QStringLiteral("Calculation...")});
}

void TestToolkitDialogs::chaseResponderEndsAtOnce()
{
    QString seen;
    CChaseDialog::SetResponder([&seen](const QString &text) {
        seen = text;
        return true;
    });
    CChaseDialog dlg(nullptr, QString(), QStringLiteral("Calculation..."));
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(seen, QStringLiteral("Calculation..."));
}

void TestToolkitDialogs::chaseIgnoresEscapeUnlessClosable()
{
    CChaseDialog dlg(nullptr, QString(), QStringLiteral("Calculation..."));
    QTimer::singleShot(0, &dlg, [&dlg] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        dlg.OnImmediatelyStopChase();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));

    CChaseDialog closable(nullptr, QString(), QStringLiteral("Calculation..."), true);
    QTimer::singleShot(0, &closable, [&closable] {
        auto *cancel = closable.findChild<QPushButton *>(QStringLiteral("CChaseDialogCancelBtn"));
        QVERIFY(cancel);
        cancel->click();
    });
    QCOMPARE(closable.exec(), int(QDialog::Rejected));
}

void TestToolkitDialogs::chaseRunsItsAnimation()
{
    CChaseDialog dlg(nullptr,
                     QStringLiteral(":/Torvel/Dialog/Images/Public/Control/Dialog/Loading.gif"),
                     QStringLiteral("Calculation..."));
    auto *animation = dlg.findChild<QLabel *>(QStringLiteral("CChaseDialogAnimation"));
    QVERIFY(animation);
    QVERIFY(animation->movie());
    QVERIFY(animation->movie()->isValid());
    QVERIFY(animation->movie()->frameCount() > 1);
}

void TestToolkitDialogs::pathBrowseShowsTheFolderWithASeparator()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CPathComboBox box;
    box.SetFileMode(QFileDialog::Directory);
    box.addItem(QDir::homePath(), QVariant());
    CFileDialog::SetResponder([&dir](const CFileDialog::Request &r) {
        return r.kind == CFileDialog::ExistingDirectory ? dir.path() : QString();
    });
    QTest::mouseClick(box.GetBrowseBtn(), Qt::LeftButton);
    const QString expected = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    QCOMPARE(box.currentText(), expected);
    // A file name can follow the folder directly.
    QCOMPARE(box.currentText() + QStringLiteral("report"),
             QDir::toNativeSeparators(dir.filePath(QStringLiteral("report"))));
    // The search started from the folder shown before.
    QCOMPARE(CFileDialog::History().size(), 1);
    QCOMPARE(CFileDialog::History().at(0).folder, QDir::homePath());
}

void TestToolkitDialogs::pathBrowseCancelledChangesNothing()
{
    CPathComboBox box;
    box.addItem(QStringLiteral("/srv/plans/"), QVariant());
    CFileDialog::SetResponder([](const CFileDialog::Request &) { return QString(); });
    box.Browse();
    QCOMPARE(box.currentText(), QStringLiteral("/srv/plans/"));
    QCOMPARE(box.count(), 1);
}

void TestToolkitDialogs::pathBrowseInFileModeAsksForAFile()
{
    CPathComboBox box;
    box.SetFileMode(QFileDialog::ExistingFile);
    CFileDialog::SetResponder([](const CFileDialog::Request &r) {
        return r.kind == CFileDialog::OpenFile ? QStringLiteral("/srv/plans/lobby.xml") : QString();
    });
    box.Browse();
    QCOMPARE(box.currentText(), QDir::toNativeSeparators(QStringLiteral("/srv/plans/lobby.xml")));
}

void TestToolkitDialogs::browseButtonShowsDotsAndSaysBrowse()
{
    CPathComboBox box;
    box.resize(300, box.sizeHint().height());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QToolButton *browse = box.GetBrowseBtn();
    // Its text says what it does, for whoever shows or reads it instead of
    // the picture...
    QCOMPARE(browse->text(), QStringLiteral("Browse..."));
    QCOMPARE(browse->toolTip(), QStringLiteral("Browse..."));
    // ...while it looks like a button with three dots on it.
    QToolButton dots(box.lineEdit());
    dots.setText(QStringLiteral("..."));
    dots.setAutoRaise(true);
    dots.setFocusPolicy(Qt::NoFocus);
    dots.resize(browse->size());
    QCOMPARE(browse->grab().toImage(), dots.grab().toImage());
}

QTEST_MAIN(TestToolkitDialogs)
#include "tst_toolkitdialogs.moc"
