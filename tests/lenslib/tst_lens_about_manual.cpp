#include "LensTestSupport.h"

#include <CDlgAbout.h>
#include <ProgramFolder.h>
#include <UserManual.h>
#include <WarningDlg.h>

#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QUrl>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;

/// Stands in for the desktop's opener: records each address it is asked to
/// open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestLensAboutManual : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buildNumberFromDate_data();
    void buildNumberFromDate();
    void buildNumberIsTheBuildDate();
    void aboutShowsNameVersionAndBuild();
    void aboutOkCloses();
    void aboutUnderTheSkinsKeepsTitleAndButtonReadable();
    void aboutInChinese();

    void manualChoice_data();
    void manualChoice();
    void manualAddressIsALocalFile();
    void helpWithoutManualTellsTheUser();

private:
    lenstest::PerTestProgramFolder m_programFolder;
    UrlRecorder m_recorder;
    QString m_startDir;
    QTranslator m_chinese;
};

void TestLensAboutManual::init()
{
    m_programFolder.start();
    m_startDir = QDir::currentPath();
    m_recorder.urls.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_recorder, "open");
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    CWarningDlg::ClearHistory();
}

void TestLensAboutManual::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDir::setCurrent(m_startDir);
    CWarningDlg::SetResponder({});
    QCoreApplication::removeTranslator(&m_chinese);
    m_programFolder.stop();
}

void TestLensAboutManual::buildNumberFromDate_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<uint>("number");
    QTest::newRow("4 June 2014 is 20140604") << QByteArray("Jun  4 2014") << 20140604u;
    QTest::newRow("a January date with a one-digit day gets 01 and a leading zero")
        << QByteArray("Jan  4 2014") << 20140104u;
    QTest::newRow("a two-digit day keeps both digits") << QByteArray("Nov 23 2021") << 20211123u;
    QTest::newRow("the last day of a year") << QByteArray("Dec 31 1999") << 19991231u;
    QTest::newRow("an unknown month name is no number") << QByteArray("Foo  4 2014") << 0u;
}

void TestLensAboutManual::buildNumberFromDate()
{
    QFETCH(QByteArray, date);
    QFETCH(uint, number);
    QCOMPARE(CDlgAbout::buildNumberFromDate(date), number);
}

void TestLensAboutManual::buildNumberIsTheBuildDate()
{
    const QString digits = QString::number(CDlgAbout::buildNumber());
    QCOMPARE(digits.size(), 8);
    const QDate built = QDate::fromString(digits, QStringLiteral("yyyyMMdd"));
    QVERIFY(built.isValid());
    QVERIFY(built <= QDate::currentDate().addDays(1));
    QCOMPARE(CDlgAbout::versionText(), QStringLiteral(" v1.00.02.07 Build") + digits);
}

void TestLensAboutManual::aboutShowsNameVersionAndBuild()
{
    CDlgAbout about;
    QCOMPARE(about.size(), QSize(520, 200));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.GetTitle(), QStringLiteral("About"));
    about.show();
    QVERIFY(about.GetCloseBtn()->isVisible());
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_2"))->text(), QStringLiteral("Name:"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_3"))->text(),
             QStringLiteral("Pendrik"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_5"))->text(),
             QStringLiteral("Version:"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("pLabelAboutLens"))->text(),
             CDlgAbout::versionText());
    const QLabel *picture = about.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(!picture->pixmap().isNull());
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("m_pOkBtn"))->text(),
             QStringLiteral("OK"));
}

void TestLensAboutManual::aboutOkCloses()
{
    CDlgAbout about;
    QSignalSpy finished(&about, &QDialog::finished);
    about.open();
    QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("m_pOkBtn")), Qt::LeftButton);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

void TestLensAboutManual::aboutUnderTheSkinsKeepsTitleAndButtonReadable()
{
    // The host program's dialog skin first, the lens library's after it, as
    // a host that embeds the calculator has them.
    QString sheet;
    for (const char *file :
         {"/toolkit/skin/qss/KavrinGUIToolkit/Dialogs.qss",
          "/toolkit/skin/qss/KavrinGUIToolkit/Controls.qss", "/lenslib/skin/BlackRedSkin.qss"}) {
        QFile qss(QStringLiteral(VARNEL_SOURCE_DIR) + QLatin1String(file));
        QVERIFY2(qss.open(QIODevice::ReadOnly), file);
        sheet += QString::fromUtf8(qss.readAll()) + QLatin1Char('\n');
    }
    qApp->setStyleSheet(sheet);
    CDlgAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const auto textGrey = [](const QWidget *w) {
        return qGray(w->palette().color(w->foregroundRole()).rgb());
    };
    const auto *title = about.findChild<QLabel *>(QStringLiteral("CBaseDialogTitleText"));
    const auto *name = about.findChild<QLabel *>(QStringLiteral("label_3"));
    const auto *ok = about.findChild<QPushButton *>(QStringLiteral("m_pOkBtn"));
    const int titleGrey = textGrey(title);
    const int nameGrey = textGrey(name);
    const QSize okSize = ok->size();
    const QSize okHint = ok->sizeHint();
    const int okRight = ok->mapTo(&about, QPoint(ok->width(), 0)).x();
    qApp->setStyleSheet(QString());

    // Light text on the dark-red title bar, dark text on the light pane.
    QVERIFY2(titleGrey > 200, qPrintable(QString::number(titleGrey)));
    QVERIFY2(nameGrey < 100, qPrintable(QString::number(nameGrey)));
    // The OK button keeps its own width, at the right of the dialog.
    QCOMPARE(okSize.width(), okHint.width());
    QVERIFY(okSize.width() < about.width() / 4);
    QVERIFY(okRight > about.width() - 40);
}

void TestLensAboutManual::aboutInChinese()
{
    QVERIFY(m_chinese.load(lenstest::catalogueSource(QStringLiteral("Pendrik_zh.qm"))));
    QCoreApplication::installTranslator(&m_chinese);
    CDlgAbout about;
    QCOMPARE(about.GetTitle(), QStringLiteral("关于"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_2"))->text(),
             QStringLiteral("名称："));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_3"))->text(),
             QStringLiteral("Pendrik 镜头计算器"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_5"))->text(),
             QStringLiteral("版本："));
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("m_pOkBtn"))->text(),
             QStringLiteral("确定"));
}

void TestLensAboutManual::manualChoice_data()
{
    // Where things are: "cwd" is the current directory, "app" the program
    // folder. A null setup means no Setup.xml there.
    QTest::addColumn<QByteArray>("cwdSetup");
    QTest::addColumn<QByteArray>("appSetup");
    QTest::addColumn<QStringList>("manuals"); // "cwd/<name>" or "app/<name>"
    QTest::addColumn<QString>("opened");      // the same form; empty: nothing opened

    const auto setupXml = &ProgramFolder::settingsXml;
    const QString en = QStringLiteral("Pendrik User Manual.pdf");
    const QString zh = QStringLiteral("Pendrik用户使用手册.pdf");
    const QStringList both{QStringLiteral("cwd/") + en, QStringLiteral("cwd/") + zh};
    const QByteArray none;

    QTest::newRow("Translator 0 opens the English manual")
        << setupXml({{"Translator", "0"}}) << none << both << QStringLiteral("cwd/") + en;
    QTest::newRow("Translator 1 opens the Chinese manual")
        << setupXml({{"Translator", "1"}}) << none << both << QStringLiteral("cwd/") + zh;
    QTest::newRow("a settings file without Translator opens the Chinese manual")
        << setupXml({{"Skin", "BlackRedSkin"}}) << none << both << QStringLiteral("cwd/") + zh;
    QTest::newRow("Translator 2 opens the English manual")
        << setupXml({{"Translator", "2"}}) << none << both << QStringLiteral("cwd/") + en;
    QTest::newRow("the current directory's settings win over the program folder's")
        << setupXml({{"Translator", "0"}}) << setupXml({{"Translator", "1"}}) << both
        << QStringLiteral("cwd/") + en;
    QTest::newRow("without settings in the current directory the program folder's count")
        << none << setupXml({{"Translator", "0"}}) << both << QStringLiteral("cwd/") + en;
    QTest::newRow("without any settings file the Chinese manual opens")
        << none << none << both << QStringLiteral("cwd/") + zh;
    QTest::newRow("a settings file cut short counts for nothing and opens the English manual")
        << setupXml({{"Translator", "1"}, {"Skin", "BlackRedSkin"}}).chopped(30)
        << setupXml({{"Translator", "1"}}) << both << QStringLiteral("cwd/") + en;
    QTest::newRow("another program's file opens the English manual")
        << QByteArray("<Inventory><Translator><Value>1</Value></Translator></Inventory>") << none
        << both << QStringLiteral("cwd/") + en;
    QTest::newRow("a manual missing in the current directory is taken from the program folder")
        << setupXml({{"Translator", "0"}}) << none
        << QStringList{QStringLiteral("cwd/") + zh, QStringLiteral("app/") + en}
        << QStringLiteral("app/") + en;
    QTest::newRow("without the manual of the language nothing opens")
        << setupXml({{"Translator", "0"}}) << none
        << QStringList{QStringLiteral("cwd/") + zh, QStringLiteral("app/") + zh} << QString();
}

void TestLensAboutManual::manualChoice()
{
    QFETCH(QByteArray, cwdSetup);
    QFETCH(QByteArray, appSetup);
    QFETCH(QStringList, manuals);
    QFETCH(QString, opened);

    ProgramFolder app;
    QTemporaryDir cwd;
    QVERIFY(cwd.isValid());
    const auto place = [&](const QString &where) {
        return where.startsWith(QLatin1String("cwd/")) ? cwd.path() + where.mid(3)
                                                       : app.path() + where.mid(4);
    };
    if (!cwdSetup.isNull())
        QVERIFY(ProgramFolder::write(cwd.path() + QStringLiteral("/Setup.xml"), cwdSetup));
    if (!appSetup.isNull())
        QVERIFY(ProgramFolder::write(app.file(QStringLiteral("Setup.xml")), appSetup));
    for (const QString &manual : manuals)
        QVERIFY(ProgramFolder::write(place(manual), "%PDF-1.4\n"));
    QVERIFY(QDir::setCurrent(cwd.path()));

    if (cwdSetup.isNull())
        QTest::ignoreMessage(QtDebugMsg, "No file to read...");
    QCOMPARE(pendrik::openUserManual(), !opened.isEmpty());
    if (opened.isEmpty()) {
        QVERIFY(m_recorder.urls.isEmpty());
    } else {
        QCOMPARE(m_recorder.urls.size(), 1);
        QCOMPARE(QFileInfo(m_recorder.urls.first().toLocalFile()).canonicalFilePath(),
                 QFileInfo(place(opened)).canonicalFilePath());
    }
}

void TestLensAboutManual::manualAddressIsALocalFile()
{
    ProgramFolder app;
    QVERIFY(ProgramFolder::write(app.file(QStringLiteral("Setup.xml")),
                                 ProgramFolder::settingsXml({{"Translator", "1"}})));
    const QString manual = app.file(QStringLiteral("Pendrik用户使用手册.pdf"));
    QVERIFY(ProgramFolder::write(manual, "%PDF-1.4\n"));
    QVERIFY(QDir::setCurrent(app.path()));
    QVERIFY(pendrik::openUserManual());
    QCOMPARE(m_recorder.urls.size(), 1);
    const QUrl url = m_recorder.urls.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.scheme(), QStringLiteral("file"));
    // Built from the path, so the Chinese name and any blank survive.
    QCOMPARE(url, QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath()));
}

void TestLensAboutManual::helpWithoutManualTellsTheUser()
{
    ProgramFolder app;
    QTemporaryDir cwd;
    QVERIFY(ProgramFolder::write(cwd.path() + QStringLiteral("/Setup.xml"),
                                 ProgramFolder::settingsXml({{"Translator", "0"}})));
    QVERIFY(QDir::setCurrent(cwd.path()));

    QVERIFY(!pendrik::openUserManualOrTell());
    QCOMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().first().title, QStringLiteral("Info"));
    QCOMPARE(CWarningDlg::History().first().text, QStringLiteral("Can not find Manual."));
    QVERIFY(!CWarningDlg::History().first().question);
    QVERIFY(m_recorder.urls.isEmpty());

    QVERIFY(m_chinese.load(lenstest::catalogueSource(QStringLiteral("Pendrik_zh.qm"))));
    QCoreApplication::installTranslator(&m_chinese);
    QVERIFY(!pendrik::openUserManualOrTell());
    QCOMPARE(CWarningDlg::History().last().title, QStringLiteral("提示"));
    QCOMPARE(CWarningDlg::History().last().text, QStringLiteral("找不到用户手册。"));
}

QTEST_MAIN(TestLensAboutManual)
#include "tst_lens_about_manual.moc"
