// The one reader of the settings file that the program and the lens library
// share: what it takes from a good file, and that it takes nothing from a
// damaged one.
#include <SettingsFile.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using KavrinGUIToolkit::CSettingsFile;
using KavrinGUIToolkit::XmlFileProblem;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "name=value" for a setting with a "Value", "name" for one without.
QStringList settingsOf(const CSettingsFile &file)
{
    QStringList out;
    for (const CSettingsFile::Setting &s : file.Settings())
        out << (s.hasValue ? s.name + QLatin1Char('=') + s.value : s.name);
    return out;
}

const QByteArray kGood = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Configs>\n"
                         "  <Translator>\n    <Value>1</Value>\n  </Translator>\n"
                         "  <Skin>\n    <Value>BlackRedSkin</Value>\n  </Skin>\n</Configs>\n";

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileGivesNoSettings_data();
    void damagedFileGivesNoSettings();
    void settingsAreTheChildrenOfTheRoot();
    void elementsComeInDocumentOrderWithTheirDepth();
    void writeValueChangesOneValueOnly();
    void writeValueRefusesWhatItCannotWrite_data();
    void writeValueRefusesWhatItCannotWrite();
};

void TestSettingsFile::damagedFileGivesNoSettings_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<int>("problem");
    QTest::addColumn<QStringList>("settings");

    QTest::newRow("a good file gives its settings")
        << kGood << int(XmlFileProblem::None)
        << QStringList{QStringLiteral("Translator=1"), QStringLiteral("Skin=BlackRedSkin")};
    QTest::newRow("a missing file is missing")
        << QByteArray() << int(XmlFileProblem::Missing) << QStringList();
    QTest::newRow("a file of 0 bytes is damaged")
        << QByteArray("") << int(XmlFileProblem::Damaged) << QStringList();
    QTest::newRow("a file cut short gives nothing read before the cut")
        << kGood.left(kGood.indexOf("<Skin>") + 8) << int(XmlFileProblem::Damaged) << QStringList();
    QTest::newRow("another program's file is damaged, however well-formed")
        << QByteArray("<Inventory><Translator><Value>1</Value></Translator></Inventory>")
        << int(XmlFileProblem::Damaged) << QStringList();
    QTest::newRow("bytes that are no XML are damaged")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11) << int(XmlFileProblem::Damaged)
        << QStringList();
}

void TestSettingsFile::damagedFileGivesNoSettings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, problem);
    QFETCH(QStringList, settings);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    if (!bytes.isNull())
        QVERIFY(writeFile(path, bytes));
    const CSettingsFile file(path);
    QCOMPARE(int(file.Problem()), problem);
    QCOMPARE(settingsOf(file), settings);
    QCOMPARE(file.Elements().isEmpty(), settings.isEmpty());
    QCOMPARE(file.ProblemDetail().isEmpty(), problem != int(XmlFileProblem::Damaged));
    if (!bytes.isNull())
        QCOMPARE(readFile(path), bytes);
}

void TestSettingsFile::settingsAreTheChildrenOfTheRoot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, "<Configs>"
                            "<Skin><Value>First</Value></Skin>"
                            "<Translator/>"
                            "<Thread><Note>x</Note><Value> 4 </Value><Value>5</Value></Thread>"
                            "<Group><Skin><Value>Nested</Value></Skin></Group>"
                            "<Skin><Value>Second</Value></Skin>"
                            "<LogLevel><Value>2<b>9</b>3</Value></LogLevel>"
                            "</Configs>"));
    const CSettingsFile file(path);
    QCOMPARE(int(file.Problem()), int(XmlFileProblem::None));
    // In file order, a key twice as often as it stands; the first "Value"
    // child as it stands, its child elements left out; nested settings are
    // no settings of the root.
    QCOMPARE(settingsOf(file),
             (QStringList{QStringLiteral("Skin=First"), QStringLiteral("Translator"),
                          QStringLiteral("Thread= 4 "), QStringLiteral("Group"),
                          QStringLiteral("Skin=Second"), QStringLiteral("LogLevel=23")}));
}

void TestSettingsFile::elementsComeInDocumentOrderWithTheirDepth()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, "<Configs><Languages><Value>0,1</Value></Languages>"
                            "<Group><Skin><Value>S</Value></Skin></Group><Thread/></Configs>"));
    const CSettingsFile file(path);
    QStringList seen;
    for (const CSettingsFile::Element &e : file.Elements())
        seen << QStringLiteral("%1 %2 %3").arg(e.depth).arg(e.name, e.text);
    QCOMPARE(seen, (QStringList{QStringLiteral("1 Languages "), QStringLiteral("2 Value 0,1"),
                                QStringLiteral("1 Group "), QStringLiteral("2 Skin "),
                                QStringLiteral("3 Value S"), QStringLiteral("1 Thread ")}));
}

void TestSettingsFile::writeValueChangesOneValueOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, kGood));
    CSettingsFile file(path);
    QVERIFY(file.WriteValue(QStringLiteral("Skin"), QStringLiteral("GreenSkin")));
    QCOMPARE(settingsOf(CSettingsFile(path)),
             (QStringList{QStringLiteral("Translator=1"), QStringLiteral("Skin=GreenSkin")}));
}

void TestSettingsFile::writeValueRefusesWhatItCannotWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("a key the file does not have") << kGood << QStringLiteral("Thread");
    QTest::newRow("a setting without a Value")
        << QByteArray("<Configs><Skin/></Configs>") << QStringLiteral("Skin");
    QTest::newRow("a damaged file") << kGood.left(60) << QStringLiteral("Translator");
}

void TestSettingsFile::writeValueRefusesWhatItCannotWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, bytes));
    CSettingsFile file(path);
    QVERIFY(!file.WriteValue(name, QStringLiteral("9")));
    QCOMPARE(readFile(path), bytes);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
