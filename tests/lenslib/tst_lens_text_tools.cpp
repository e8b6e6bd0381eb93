#include "LensTestSupport.h"

#include <ProgramFolder.h>
#include <TextTools.h>

#include <QEvent>
#include <QLocale>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

using namespace pendrik;

class TestLensTextTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pathsFollowTheProgramFolder();
    void absolutePathKeepsAbsolutePaths_data();
    void absolutePathKeepsAbsolutePaths();

    void sizeText_data();
    void sizeText();
    void quoteText_data();
    void quoteText();
    void eventTypeName_data();
    void eventTypeName();
    void hasDoubleByteChars_data();
    void hasDoubleByteChars();
    void hasNoForbiddenChars_data();
    void hasNoForbiddenChars();
    void localFilesFromMimeKeepsLocalFilesOnly();
    void localTextKeepsChinese();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensTextTools::init()
{
    m_programFolder.start();
}

void TestLensTextTools::cleanup()
{
    QLocale::setDefault(QLocale::c());
    m_programFolder.stop();
}

void TestLensTextTools::pathsFollowTheProgramFolder()
{
    ProgramFolder folder;
    QCOMPARE(appDirWithSlash(), folder.path());
    QVERIFY(appDirWithSlash().endsWith(QLatin1Char('/')));
    QCOMPARE(translationsBase(), folder.path());
    QCOMPARE(absolutePath(QStringLiteral("Setup.xml")), folder.file(QStringLiteral("Setup.xml")));
}

void TestLensTextTools::absolutePathKeepsAbsolutePaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("absolute");
    QTest::newRow("an absolute path comes back unchanged")
        << QStringLiteral("/opt/varnel/Setup.xml") << true;
    QTest::newRow("a relative path goes below the program folder")
        << QStringLiteral("CameraLensInfo/LensInfo.xml") << false;
}

void TestLensTextTools::absolutePathKeepsAbsolutePaths()
{
    QFETCH(QString, path);
    QFETCH(bool, absolute);
    ProgramFolder folder;
    QCOMPARE(absolutePath(path), absolute ? path : folder.path() + path);
}

void TestLensTextTools::sizeText_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    const QString c = QStringLiteral("C");
    QTest::newRow("1023 bytes are the bare number") << quint64(1023) << c << QStringLiteral("1023");
    QTest::newRow("no bytes are 0") << quint64(0) << c << QStringLiteral("0");
    QTest::newRow("1024 bytes are 1 KB") << quint64(1024) << c << QStringLiteral("1 KB");
    QTest::newRow("kilobytes are whole, never rounded up")
        << quint64(2047) << c << QStringLiteral("1 KB");
    QTest::newRow("one byte short of a megabyte is 1023 KB")
        << quint64(1048575) << c << QStringLiteral("1023 KB");
    QTest::newRow("1048576 bytes are 1.0 MB") << quint64(1048576) << c << QStringLiteral("1.0 MB");
    QTest::newRow("1.5 GB carries two decimals")
        << quint64(1610612736) << c << QStringLiteral("1.50 GB");
    QTest::newRow("1.25 TB carries three decimals")
        << quint64(1374389534720) << c << QStringLiteral("1.250 TB");
    QTest::newRow("a German default locale writes a decimal comma")
        << quint64(1048576) << QStringLiteral("de_DE") << QStringLiteral("1,0 MB");
}

void TestLensTextTools::sizeText()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(pendrik::sizeText(bytes), text);
}

void TestLensTextTools::quoteText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain text is put in double quotes")
        << QStringLiteral("KC-B21") << QStringLiteral("\"KC-B21\"");
    QTest::newRow("empty text gives two quotes") << QString() << QStringLiteral("\"\"");
    QTest::newRow("an escaped quote inside becomes a quote")
        << QStringLiteral("a&quot;b") << QStringLiteral("\"a\"b\"");
    QTest::newRow("the escape is case-sensitive")
        << QStringLiteral("a&QUOT;b") << QStringLiteral("\"a&QUOT;b\"");
}

void TestLensTextTools::quoteText()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(pendrik::quoteText(text), quoted);
}

void TestLensTextTools::eventTypeName_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("a mouse move is named") << int(QEvent::MouseMove) << QStringLiteral("MouseMove");
    QTest::newRow("a double-click is named")
        << int(QEvent::MouseButtonDblClick) << QStringLiteral("MouseButtonDblClick");
    QTest::newRow("no event is None") << int(QEvent::None) << QStringLiteral("None");
    QTest::newRow("a hover move is named") << int(QEvent::HoverMove) << QStringLiteral("HoverMove");
    QTest::newRow("a timer event is its number") << int(QEvent::Timer) << QStringLiteral("1");
    QTest::newRow("a user event is its number") << int(QEvent::User) << QStringLiteral("1000");
}

void TestLensTextTools::eventTypeName()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(pendrik::eventTypeName(type), name);
}

void TestLensTextTools::hasDoubleByteChars_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("expected");
    QTest::newRow("ASCII text has none") << QByteArray("KC-B21 bullet") << false;
    QTest::newRow("GBK Chinese has some") << QByteArray("\xBE\xB5\xCD\xB7") << true;
    QTest::newRow("a lead byte before a trail byte counts") << QByteArray("a\x81\x40") << true;
    QTest::newRow("a lead byte before a control byte does not") << QByteArray("\x81\x30") << false;
    QTest::newRow("0xFF is no lead byte") << QByteArray("\xFF\x41") << false;
    QTest::newRow("a lead byte at the end of a longer text stands for its own trail")
        << QByteArray("a\x81") << true;
    QTest::newRow("a lone lead byte has no trail") << QByteArray("\x81") << false;
    QTest::newRow("empty text has none") << QByteArray("") << false;
}

void TestLensTextTools::hasDoubleByteChars()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, expected);
    QCOMPARE(pendrik::hasDoubleByteChars(bytes.constData()), expected);
    QVERIFY(!pendrik::hasDoubleByteChars(nullptr));
}

void TestLensTextTools::hasNoForbiddenChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("a plain name passes") << QStringLiteral("Lobby camera 2") << true;
    QTest::newRow("Chinese passes") << QStringLiteral("营业大厅") << true;
    QTest::newRow("an empty text passes") << QString() << true;
    for (const char *c : {"'", "\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
        const QString text = QStringLiteral("a%1b").arg(QLatin1String(c));
        QTest::newRow(qPrintable(QStringLiteral("%1 is refused").arg(QLatin1String(c))))
            << text << false;
    }
}

void TestLensTextTools::hasNoForbiddenChars()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(pendrik::hasNoForbiddenChars(text), expected);
}

void TestLensTextTools::localFilesFromMimeKeepsLocalFilesOnly()
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/data/镜头 1.xml")),
                  QUrl(QStringLiteral("https://example.org/plan.xml")), QUrl(),
                  QUrl::fromLocalFile(QStringLiteral("/data/plan.xml"))});
    QCOMPARE(localFilesFromMime(&mime),
             QStringList({QStringLiteral("/data/镜头 1.xml"), QStringLiteral("/data/plan.xml")}));
    QVERIFY(localFilesFromMime(nullptr).isEmpty());
}

void TestLensTextTools::localTextKeepsChinese()
{
    // The tests run under a UTF-8 locale, the locale of a Linux desktop.
    const QString text = QStringLiteral("Pendrik用户使用手册");
    const QByteArray local = unicodeToLocal8Bit(text);
    QCOMPARE(local, text.toUtf8());
    QCOMPARE(localToUnicode(local), text);
    QCOMPARE(localToUnicode(local, true), text);
    QCOMPARE(unicodeToLocalStd(text), text.toStdString());
}

QTEST_GUILESS_MAIN(TestLensTextTools)
#include "tst_lens_text_tools.moc"
