#include "ChildProcess.h"
#include "LensTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

// The user manuals printed at build time, and their printer.
class TestLensManuals : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void manualsExplainTheCalculator_data();
    void manualsExplainTheCalculator();
    void printerWritesAPdf();
    void printerPutsEachLineOnOnePage();
    void printerRefusesAManualWithAMissingPicture();

private:
    lenstest::PerTestProgramFolder m_programFolder;
    static QStringList repeatedLines(const QString &text);
    static int runPrinter(const QString &html, const QString &pdf, int expectedExit = 0);
};

void TestLensManuals::init()
{
    m_programFolder.start();
}

void TestLensManuals::cleanup()
{
    m_programFolder.stop();
}

// The lines of a PDF's text that occur more than once, leaving out those
// that hold a number only (page numbers, and numbers in tables).
QStringList TestLensManuals::repeatedLines(const QString &text)
{
    QStringList seen;
    QStringList repeated;
    static const QRegularExpression number(QStringLiteral("^\\d+$"));
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
        line = line.trimmed();
        if (line.isEmpty() || number.match(line).hasMatch())
            continue;
        if (seen.contains(line))
            repeated << line;
        seen << line;
    }
    return repeated;
}

int TestLensManuals::runPrinter(const QString &html, const QString &pdf, int expectedExit)
{
    ChildSetup setup;
    setup.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    setup.expectedExit = expectedExit;
    const ChildRun run = runChild(QStringLiteral(MAKEMANUAL_TOOL), {html, pdf}, setup);
    return run.exited() ? run.exitCode : -1;
}

void TestLensManuals::manualsExplainTheCalculator_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("phrases");
    QTest::newRow("the English manual") << QStringLiteral("Pendrik User Manual.pdf")
                                        << QStringList{QStringLiteral("Pendrik User Manual"),
                                                       QStringLiteral("focal length"),
                                                       QStringLiteral("7.2 mm"),
                                                       QStringLiteral("Recommended lenses"),
                                                       QStringLiteral("side view"),
                                                       QStringLiteral("Can not find Manual.")};
    QTest::newRow("the Chinese manual")
        << QStringLiteral("Pendrik用户使用手册.pdf")
        << QStringList{QStringLiteral("用户使用手册"), QStringLiteral("焦距"),
                       QStringLiteral("7.2 毫米"),     QStringLiteral("推荐镜头"),
                       QStringLiteral("侧视图"),       QStringLiteral("找不到用户手册")};
}

void TestLensManuals::manualsExplainTheCalculator()
{
    QFETCH(QString, file);
    QFETCH(QStringList, phrases);
    const QString pdf = QStringLiteral(VARNEL_PROGRAM_DIR "/") + file;
    QVERIFY2(QFileInfo(pdf).isFile(), qPrintable(pdf));
    QFile bytes(pdf);
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    QVERIFY(bytes.read(5) == "%PDF-");

    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    // Text flows across lines in the PDF and the font joins "fi" into one
    // glyph; compare without line breaks and ligatures.
    const QString flat = text.normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &phrase : phrases)
        QVERIFY2(flat.contains(phrase), qPrintable(file + QStringLiteral(" lacks ") + phrase));
    QVERIFY2(text.count(QLatin1Char('\f')) >= 3, "the manual has several pages");
    // Text cut by a page break is on one page only, so a search finds it once.
    const QStringList repeated = repeatedLines(text);
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QLatin1Char('\n'))));
}

void TestLensManuals::printerWritesAPdf()
{
    QTemporaryDir dir;
    QVERIFY(ProgramFolder::write(dir.filePath(QStringLiteral("m.html")),
                                 "<html><head><title>T</title></head><body><h1>Manual</h1>"
                                 "<p>镜头 lens</p></body></html>"));
    const QString pdf = dir.filePath(QStringLiteral("out/m.pdf"));
    QCOMPARE(runPrinter(dir.filePath(QStringLiteral("m.html")), pdf), 0);
    QVERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(!QFileInfo::exists(pdf + QStringLiteral(".part")));
    const QString text = pdfText(pdf);
    if (!text.isEmpty())
        QVERIFY(text.contains(QStringLiteral("镜头 lens")));
}

void TestLensManuals::printerPutsEachLineOnOnePage()
{
    // A paragraph, a list item and a table cell, each longer than a page, so
    // that page breaks fall inside all three; every word is numbered.
    int words = 0;
    const auto block = [&words] {
        QByteArray text;
        for (int i = 0; i < 900; ++i)
            text += QStringLiteral("w%1 ").arg(words++, 4, 10, QLatin1Char('0')).toLatin1();
        return text;
    };
    QByteArray html = "<html><body style=\"font-size: 16pt\"><h1>Breaks</h1><p>" + block() + "</p>";
    html += "<ul><li>" + block() + "</li><li>" + block() + "</li></ul>";
    html += "<table border=\"1\" width=\"100%\"><tr><td>cell</td><td>" + block() +
            "</td></tr></table></body></html>";

    QTemporaryDir dir;
    QVERIFY(ProgramFolder::write(dir.filePath(QStringLiteral("m.html")), html));
    const QString pdf = dir.filePath(QStringLiteral("m.pdf"));
    QCOMPARE(runPrinter(dir.filePath(QStringLiteral("m.html")), pdf), 0);
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(text.count(QLatin1Char('\f')) >= 8, "every block runs over two pages");

    // Each word is in the text of one page only, and none is lost.
    QList<int> counts(words);
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("\\bw(\\d{4})\\b")).globalMatch(text);
    while (it.hasNext()) {
        const int index = it.next().captured(1).toInt();
        QVERIFY(index < words);
        ++counts[index];
    }
    for (int i = 0; i < words; ++i)
        QVERIFY2(counts.at(i) == 1, qPrintable(QStringLiteral("w%1 is in the text %2 times")
                                                   .arg(i, 4, 10, QLatin1Char('0'))
                                                   .arg(counts.at(i))));
    QCOMPARE(repeatedLines(text), QStringList());
}

void TestLensManuals::printerRefusesAManualWithAMissingPicture()
{
    QTemporaryDir dir;
    QVERIFY(
        ProgramFolder::write(dir.filePath(QStringLiteral("m.html")),
                             "<html><body><p>See:</p><img src=\"images/none.svg\"></body></html>"));
    const QString pdf = dir.filePath(QStringLiteral("m.pdf"));
    QCOMPARE(runPrinter(dir.filePath(QStringLiteral("m.html")), pdf, 1), 1);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!QFileInfo::exists(pdf + QStringLiteral(".part")));
}

QTEST_GUILESS_MAIN(TestLensManuals)
#include "tst_lens_manuals.moc"
