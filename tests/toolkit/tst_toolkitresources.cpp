#include <ToolTip.h>

#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QtTest>

// Every picture the main program names by a ":/" path is compiled into the
// toolkit, so it is there with or without a skin.
class TestToolkitResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programPicturesLoad_data();
    void programPicturesLoad();
    void busyAnimationHasFrames();
};

void TestToolkitResources::initTestCase()
{
    // The pictures come with the toolkit library: make sure it is loaded.
    QVERIFY(!KavrinGUIToolkit::CToolTip::IsShowing());
}

void TestToolkitResources::programPicturesLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QString complex = QStringLiteral(":/kivui/complex/Images/System/Complex/");
    const QSize icon(16, 16);
    const QSize any;
    const struct
    {
        const char *name;
        QSize size;
    } complexPictures[] = {
        {"App.png", QSize(32, 32)},
        {"Continuous.png", icon},
        {"Event.png", icon},
        {"norecord.png", icon},
        {"TreeSelected2.png", any},
        {"add.png", QSize(130, 31)},
        {"addSel.png", QSize(130, 31)},
        {"addtask.png", icon},
        {"bit-stream.png", icon},
        {"bit-streamSel.png", icon},
        {"record.png", icon},
        {"recordSel.png", icon},
        {"support.png", icon},
        {"supportSel.png", icon},
        {"calculate.png", QSize(32, 32)},
        {"excel.png", icon},
        {"pdf.png", icon},
        {"print.png", icon},
        {"save.png", icon},
        {"left.png", QSize(14, 69)},
        {"leftSel.png", QSize(14, 69)},
        {"right.png", QSize(14, 69)},
        {"RightSel.png", QSize(14, 69)},
        {"Supportbg.png", any},
        {"addSupport.png", any},
        {"addSupportSel.png", any},
        {"delete.png", icon},
        {"deleteSel.png", icon},
        {"edit.png", icon},
        {"editSel.png", icon},
    };
    for (const auto &p : complexPictures) {
        const QString path = complex + QLatin1String(p.name);
        QTest::newRow(qPrintable(path)) << path << p.size;
    }
    const struct
    {
        const char *path;
        QSize size;
    } others[] = {
        {":/kivui/Menu/Images/System/Menu/Help.png", icon},
        {":/kivui/Menu/Images/System/Menu/About.png", icon},
        {":/kivui/label/Images/System/Label/LabelBg.png", any},
        {":/kivui/title/Images/System/Title/Minimize.png", icon},
        {":/kivui/title/Images/System/Title/Maximize.png", icon},
        {":/kivui/title/Images/System/Title/Restore.png", icon},
        {":/kivui/title/Images/System/Title/Close.png", icon},
        {":/kivui/title/Images/System/Title/Menu.png", icon},
        {":/Torvel/Icon/Images/Public/Icon/Delete.png", icon},
        {":/Torvel/Icon/Images/Public/Icon/Edit.png", icon},
        {":/Torvel/Tab/Images/Public/Control/Tab/TabWidget.png", any},
        {":/Torvel/Tab/Images/Public/Control/Tab/TabWidgetSelected.png", any},
        {":/Torvel/Tab/Images/Public/Control/Tab/TabPane.png", any},
        {":/Torvel/Tree/Images/Public/Control/Tree/TableBg.png", any},
    };
    for (const auto &p : others)
        QTest::newRow(p.path) << QString::fromLatin1(p.path) << p.size;
}

void TestToolkitResources::programPicturesLoad()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    // Real PNG files, not pictures of another kind under a PNG name.
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    if (size.isValid())
        QCOMPARE(image.size(), size);
}

void TestToolkitResources::busyAnimationHasFrames()
{
    const QString path = QStringLiteral(":/Torvel/Dialog/Images/Public/Control/Dialog/Loading.gif");
    QMovie movie(path);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.format(), QByteArray("gif"));
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), 8);
    QImage first;
    for (int frame = 0; frame < 8; ++frame) {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(32, 32));
        if (frame == 0)
            first = image;
        else
            QVERIFY(image != first); // it turns
    }
}

QTEST_MAIN(TestToolkitResources)
#include "tst_toolkitresources.moc"
