#include <DlgAbout.h>

#include "ProgramFolder.h"
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <QtTest>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_folder = std::make_unique<ProgramFolder>(); }
    void cleanupTestCase() { m_folder.reset(); }
    void showsNameAndVersion();
    void buildNumberFromDate_data();
    void buildNumberFromDate();
    void okAccepts();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestAboutDialog::showsNameAndVersion()
{
    kiv::CDlgAbout dlg;
    QCOMPARE(dlg.GetTitle(), QStringLiteral("About"));
    QCOMPARE(dlg.size(), QSize(520, 200));
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("label_2"))->text(), QStringLiteral("Name:"));
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("label_3"))->text(),
             QStringLiteral("Vivureri Rize"));
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("label_5"))->text(),
             QStringLiteral("Version:"));
    const QString version = dlg.findChild<QLabel *>(QStringLiteral("pLabelAbout"))->text();
    QVERIFY2(version.startsWith(QLatin1String(" v1.0.0.1 Build")), qPrintable(version));
    // The build number is the date of the build.
    const QString digits = version.mid(int(qstrlen(" v1.0.0.1 Build")));
    QVERIFY(QDate::fromString(digits, QStringLiteral("yyyyMMdd")).isValid());
    QCOMPARE(digits.toUInt(), kiv::CDlgAbout::getBuildNumber());

    auto *icon = dlg.findChild<QPushButton *>(QStringLiteral("pushButton"));
    QCOMPARE(icon->size(), QSize(32, 32));
    QVERIFY(!icon->icon().isNull());
    QCOMPARE(icon->focusPolicy(), Qt::NoFocus);
    auto *ok = dlg.findChild<QPushButton *>(QStringLiteral("m_pOkBtn"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->focusPolicy(), Qt::NoFocus);
}

void TestAboutDialog::buildNumberFromDate_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<uint>("number");
    QTest::newRow("May 20 2014 is 20140520") << QStringLiteral("May 20 2014") << 20140520u;
    QTest::newRow("a single-digit day is padded") << QStringLiteral("Jan  5 2015") << 20150105u;
    QTest::newRow("the last day of a year") << QStringLiteral("Dec 31 1999") << 19991231u;
    QTest::newRow("a month name of another form is no date") << QStringLiteral("MAY 20 2014") << 0u;
    QTest::newRow("a short stamp is no date") << QStringLiteral("May 20") << 0u;
}

void TestAboutDialog::buildNumberFromDate()
{
    QFETCH(QString, stamp);
    QFETCH(uint, number);
    QCOMPARE(kiv::CDlgAbout::buildNumberFromDate(stamp), number);
}

void TestAboutDialog::okAccepts()
{
    kiv::CDlgAbout dlg;
    QTimer::singleShot(0, &dlg, [&dlg] {
        QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("m_pOkBtn")), Qt::LeftButton);
    });
    QCOMPARE(dlg.exec(), 1);
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
