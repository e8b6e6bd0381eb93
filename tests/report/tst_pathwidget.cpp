#include <PathWidget.h>

#include "FormWidgets.h"

#include <FileDialog.h>
#include <PathComboBox.h>
#include <ToolTip.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using KavrinGUIToolkit::CFileDialog;
using KavrinGUIToolkit::CPathComboBox;
using KavrinGUIToolkit::CToolTip;

// The "Save" dialog of the report exports: which names and folders it
// takes, what it hands back, and which folder it offers.
class TestPathWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void firstDialogOffersTheDocumentsFolder();
    void withoutADocumentsFolderTheHomeFolderIsOffered();
    void refusedInputKeepsTheDialogOpen_data();
    void refusedInputKeepsTheDialogOpen();
    void confirmedNameIsTrimmedAndJoinedWithOneSeparator_data();
    void confirmedNameIsTrimmedAndJoinedWithOneSeparator();
    void browsedFolderIsUsedAsShown();
    void nextDialogOffersTheConfirmedFolder();
    void cancelledDialogKeepsTheRememberedFolder();

private:
    static QLineEdit *edtName(const kiv::PathWidget &dialog)
    {
        return formWidget<QLineEdit>(dialog, "edtName");
    }
    static CPathComboBox *comboBox(const kiv::PathWidget &dialog)
    {
        return formWidget<CPathComboBox>(dialog, "comboBox");
    }

    /// Shows a dialog (not modally), fills it and presses confirm.
    static bool confirm(kiv::PathWidget &dialog, const QString &name, const QString &folder)
    {
        dialog.show();
        edtName(dialog)->setText(name);
        comboBox(dialog)->setEditText(folder);
        dialog.GetConfirmBtn()->click();
        return dialog.result() == QDialog::Accepted && !dialog.isVisible();
    }

    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

void TestPathWidget::initTestCase()
{
    QVERIFY(m_home.isValid());
    m_oldHome = qgetenv("HOME");
    // The documents folder is looked up under HOME.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("XDG_CONFIG_HOME");
}

void TestPathWidget::init()
{
    QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    QFile notes(m_home.path() + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    kiv::PathWidget::resetRememberedFolder();
    CToolTip::HideTipImmediately();
}

void TestPathWidget::cleanup()
{
    CFileDialog::SetResponder({});
    kiv::PathWidget::resetRememberedFolder();
}

void TestPathWidget::cleanupTestCase()
{
    qputenv("HOME", m_oldHome);
}

void TestPathWidget::firstDialogOffersTheDocumentsFolder()
{
    kiv::PathWidget dialog(QStringLiteral("North Yard"));
    const QString documents =
        CPathComboBox::FolderText(m_home.path() + QStringLiteral("/Documents"));
    QCOMPARE(comboBox(dialog)->currentText(), documents);
    QCOMPARE(edtName(dialog)->text(), QStringLiteral("North Yard"));
    QCOMPARE(dialog.GetTitle(), QStringLiteral("Save"));
    QCOMPARE(dialog.size(), QSize(320, 240));

    QVERIFY(confirm(dialog, QStringLiteral("North Yard"), comboBox(dialog)->currentText()));
    QCOMPARE(dialog.fullPath(), m_home.path() + QStringLiteral("/Documents/North Yard"));
}

void TestPathWidget::withoutADocumentsFolderTheHomeFolderIsOffered()
{
    QVERIFY(QDir(m_home.path() + QStringLiteral("/Documents")).removeRecursively());
    kiv::PathWidget dialog(QStringLiteral("North Yard"));
    QCOMPARE(comboBox(dialog)->currentText(), CPathComboBox::FolderText(m_home.path()));
}

void TestPathWidget::refusedInputKeepsTheDialogOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("field");

    const QString ok = m_home.path();
    const QString invalid = QStringLiteral("The name is invalid");
    const QString illegal = QStringLiteral("The name contains illegal character");
    QTest::newRow("an empty name is invalid") << QString() << ok << invalid << "edtName";
    QTest::newRow("a name of blanks only is invalid") << "   " << ok << invalid << "edtName";
    const char *const refused[] = {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"};
    for (const char *name : refused) {
        QTest::addRow("the name %s holds an illegal character", name)
            << QString::fromLatin1(name) << ok << illegal << "edtName";
    }
    QTest::newRow("a folder that does not exist is refused")
        << "report" << ok + QStringLiteral("/missing") << "The folder does not exist"
        << "comboBox";
    QTest::newRow("an empty folder is refused")
        << "report" << QString() << "The folder does not exist"
        << "comboBox";
    QTest::newRow("a file is no folder")
        << "report" << ok + QStringLiteral("/notes.txt") << "The folder does not exist"
        << "comboBox";
    // Nobody, not even root, can create a file in /proc.
    QTest::newRow("a folder that takes no file is refused")
        << "report" << QStringLiteral("/proc") << "The folder cannot be written to"
        << "comboBox";
}

void TestPathWidget::refusedInputKeepsTheDialogOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, hint);
    QFETCH(QString, field);

    const QString before = kiv::PathWidget::rememberedFolder();
    kiv::PathWidget dialog(QStringLiteral("report"));
    QVERIFY(!confirm(dialog, name, folder));
    QVERIFY(dialog.isVisible());
    QCOMPARE(CToolTip::CurrentText(), hint);
    QWidget *offending = dialog.findChild<QWidget *>(field);
    QVERIFY(offending);
    QCOMPARE(CToolTip::LastPosition(), offending->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(kiv::PathWidget::rememberedFolder(), before);
}

void TestPathWidget::confirmedNameIsTrimmedAndJoinedWithOneSeparator_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folderSuffix");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("a folder shown with its separator") << "report"
                                                       << "/"
                                                       << "report";
    QTest::newRow("a folder shown without a separator") << "report"
                                                        << ""
                                                        << "report";
    QTest::newRow("a folder shown with two separators") << "report"
                                                        << "//"
                                                        << "report";
    QTest::newRow("blanks around the name are dropped") << "  Harbour Gate  "
                                                        << "/"
                                                        << "Harbour Gate";
    QTest::newRow("brackets and apostrophes are file-name characters") << "[Q1] Yard's plan"
                                                                       << ""
                                                                       << "[Q1] Yard's plan";
}

void TestPathWidget::confirmedNameIsTrimmedAndJoinedWithOneSeparator()
{
    QFETCH(QString, name);
    QFETCH(QString, folderSuffix);
    QFETCH(QString, fileName);

    const QString folder = m_home.path() + QStringLiteral("/Documents");
    kiv::PathWidget dialog(QStringLiteral("report"));
    QVERIFY(confirm(dialog, name, folder + folderSuffix));
    QCOMPARE(dialog.fileName(), fileName);
    QCOMPARE(dialog.folder(), folder + QLatin1Char('/'));
    QCOMPARE(dialog.fullPath(), folder + QLatin1Char('/') + fileName);
}

void TestPathWidget::browsedFolderIsUsedAsShown()
{
    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    CFileDialog::SetResponder([&chosen](const CFileDialog::Request &request) {
        return request.kind == CFileDialog::ExistingDirectory ? chosen.path() : QString();
    });
    kiv::PathWidget dialog(QStringLiteral("report"));
    dialog.show();
    comboBox(dialog)->Browse();
    QCOMPARE(comboBox(dialog)->currentText(), CPathComboBox::FolderText(chosen.path()));
    dialog.GetConfirmBtn()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.fullPath(), chosen.path() + QStringLiteral("/report"));
}

void TestPathWidget::nextDialogOffersTheConfirmedFolder()
{
    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    {
        kiv::PathWidget first(QStringLiteral("report"));
        QVERIFY(confirm(first, QStringLiteral("report"), chosen.path()));
    }
    kiv::PathWidget second(QStringLiteral("report"));
    QCOMPARE(comboBox(second)->currentText(), CPathComboBox::FolderText(chosen.path()));
    QCOMPARE(second.folder(), CPathComboBox::FolderText(chosen.path()));
}

void TestPathWidget::cancelledDialogKeepsTheRememberedFolder()
{
    const QString before = kiv::PathWidget::rememberedFolder();
    QTemporaryDir other;
    QVERIFY(other.isValid());
    kiv::PathWidget dialog(QStringLiteral("report"));
    dialog.show();
    comboBox(dialog)->setEditText(other.path());
    dialog.GetCancelBtn()->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(kiv::PathWidget::rememberedFolder(), before);
    kiv::PathWidget next(QStringLiteral("report"));
    QCOMPARE(comboBox(next)->currentText(), before);
}

QTEST_MAIN(TestPathWidget)
#include "tst_pathwidget.moc"
