#include "LensTestSupport.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every picture the lens library names by a ":/" path is registered, at the
// size its users need.
class TestLensResources : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namedPicturesExist_data();
    void namedPicturesExist();
    void everyPathInTheLibrarySourcesResolves();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensResources::init()
{
    m_programFolder.start();
}

void TestLensResources::cleanup()
{
    m_programFolder.stop();
}

void TestLensResources::namedPicturesExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // empty: any size will do

    struct Picture
    {
        const char *path;
        QSize size;
    };
    const QSize any;
    const Picture pictures[] = {
        // Drag handles: their length and breadth lay out the views.
        {":/images/Pendrik/arrow_up_down.png", QSize(14, 36)},
        {":/images/Pendrik/arrow_up_downHover.png", QSize(14, 36)},
        {":/images/Pendrik/arrow_left_right.png", QSize(36, 14)},
        {":/images/Pendrik/arrow_left_rightHover.png", QSize(36, 14)},
        // The camera sits left of the pole in margins of 40 and 30 pixels.
        {":/images/Pendrik/SimuIPC.png", QSize(28, 14)},
        {":/images/Pendrik/treeNear.png", QSize(24, 48)},
        {":/images/Pendrik/treeFar.png", QSize(24, 48)},
        {":/images/Pendrik/Cameralens.png", QSize(64, 64)},
        {":/images/title/title_bg.png", any},
        {":/images/title/mini.png", QSize(20, 20)},
        {":/images/title/mini_hover.png", QSize(20, 20)},
        {":/images/title/full-screen.png", QSize(20, 20)},
        {":/images/title/full-screen_hover.png", QSize(20, 20)},
        {":/images/title/back.png", QSize(20, 20)},
        {":/images/title/back_hover.png", QSize(20, 20)},
        {":/images/title/close.png", QSize(20, 20)},
        {":/images/title/close_hover.png", QSize(20, 20)},
        {":/images/Tab/TabSelect.png", QSize(140, 40)},
        {":/images/Tab/TabUnselect.png", QSize(140, 40)},
        {":/images/Tab/SubTabSelect.png", QSize(140, 23)},
        {":/images/Tab/SubTabUnselect.png", QSize(140, 23)},
        {":/images/Tab/tab_bg.png", QSize(64, 40)},
        {":/images/Tab/Subtab_bg.png", QSize(64, 23)},
        {":/images/Tab/Information.png", QSize(32, 32)},
        // Cut 58 pixels in from every side, so more than 116 across.
        {":/images/Dialog/dialog_bg2.png", QSize(200, 200)},
        {":/images/Help.png", QSize(32, 32)},
        {":/images/About.png", QSize(32, 32)},
        {":images/Loading_bg_English.png", any},
        {":images/Loading_bg_Chinese.png", any},
        {":images/Loading_bg_English_Zorv.png", any},
        {":images/Loading_bg_Chinese_Zorv.png", any},
        {":/Torvel/LineEdit/Images/Public/Control/LineEdit/SearchEdit.png", QSize(24, 24)},
        {":/Torvel/LineEdit/Images/Public/Control/LineEdit/SearchEditHover.png", QSize(24, 24)},
        {":/Torvel/LineEdit/Images/Public/Control/LineEdit/SearchEditSelected.png", QSize(24, 24)},
        {":/Torvel/LineEdit/Images/Public/Control/LineEdit/SearchEditDisable.png", QSize(24, 24)},
    };
    for (const Picture &picture : pictures)
        QTest::newRow(picture.path) << QString::fromLatin1(picture.path) << picture.size;
}

void TestLensResources::namedPicturesExist()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    if (size.isValid())
        QCOMPARE(image.size(), size);
}

void TestLensResources::everyPathInTheLibrarySourcesResolves()
{
    static const QRegularExpression named(
        QStringLiteral(":/?(?:images|Torvel)/[A-Za-z0-9_./-]+\\.png"));
    QSet<QString> paths;
    QDirIterator it(QStringLiteral(VARNEL_SOURCE_DIR "/lenslib"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = named.globalMatch(text); match.hasNext();)
            paths << match.next().captured(0);
    }
    QVERIFY(paths.size() >= 10);
    for (const QString &path : qAsConst(paths))
        QVERIFY2(!QImage(path).isNull(), qPrintable(path + QStringLiteral(" does not resolve")));
}

QTEST_MAIN(TestLensResources)
#include "tst_lens_resources.moc"
