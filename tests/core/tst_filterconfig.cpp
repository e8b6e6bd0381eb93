#include "FilterConfig.h"

#include "ProgramFolder.h"

#include <QtTest>

class TestFilterConfig : public QObject
{
    Q_OBJECT

private slots:
    void missingFileIsCreatedEmpty();
    void codesOfAClass_data();
    void codesOfAClass();
    void codesAreAppendedToWhatTheVectorHeld();
    void unwritableFolderLeavesReadersFalse();
    void unparsableFileIsLeftAlone();
};

namespace {

const QByteArray kConfig =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<FilterConfig>\n"
    "<Entry><MainType>3</MainType><HideCodeList><C>030100</C><C>030200</C></HideCodeList></Entry>\n"
    "<Entry><HideCodeList><C>010100</C></HideCodeList></Entry>\n"
    "<Entry><MainType>abc</MainType><HideCodeList><C>010200</C></HideCodeList></Entry>\n"
    "<Entry><MainType>1</MainType><CheckCodeList><C>020101</C><C/></CheckCodeList></Entry>\n"
    "<Entry><MainType>3</MainType><HideCodeList><C>030300</C></HideCodeList>"
    "<CheckCodeList><C>030101</C></CheckCodeList></Entry>\n"
    "</FilterConfig>\n";

} // namespace

void TestFilterConfig::missingFileIsCreatedEmpty()
{
    ProgramFolder folder;
    {
        FilterConfig config;
        QVERIFY(config.isOpen());
        QVector<QString> codes;
        QVERIFY(config.hideCodes(0, codes));
        QVERIFY(codes.isEmpty());
    }
    const QByteArray bytes =
        ProgramFolder::readAll(folder.file(QStringLiteral("FilterConfig.xml")));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
    QVERIFY(bytes.contains("<FilterConfig/>"));
}

void TestFilterConfig::codesOfAClass_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two entries of class 3 give their codes in file order")
        << 3 << true
        << QStringList{QStringLiteral("030100"), QStringLiteral("030200"),
                       QStringLiteral("030300")};
    QTest::newRow("entries without or with a bad MainType count as class 0")
        << 0 << true << QStringList{QStringLiteral("010100"), QStringLiteral("010200")};
    QTest::newRow("a class with only a check list hides nothing") << 1 << true << QStringList();
    QTest::newRow("its check list gives its codes, empty elements as empty text")
        << 1 << false << QStringList{QStringLiteral("020101"), QString()};
    QTest::newRow("a class with no entries gives nothing") << 4 << false << QStringList();
}

void TestFilterConfig::codesOfAClass()
{
    QFETCH(int, deviceClass);
    QFETCH(bool, hide);
    QFETCH(QStringList, expected);

    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("FilterConfig.xml")), kConfig));
    FilterConfig config;
    QVector<QString> codes;
    QVERIFY(hide ? config.hideCodes(deviceClass, codes) : config.checkCodes(deviceClass, codes));
    QCOMPARE(QStringList(codes.begin(), codes.end()), expected);
}

void TestFilterConfig::codesAreAppendedToWhatTheVectorHeld()
{
    ProgramFolder folder;
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("FilterConfig.xml")), kConfig));
    FilterConfig config;
    QVector<QString> codes{QStringLiteral("030100")};
    QVERIFY(config.checkCodes(3, codes));
    QCOMPARE(codes, (QVector<QString>{QStringLiteral("030100"), QStringLiteral("030101")}));
}

void TestFilterConfig::unwritableFolderLeavesReadersFalse()
{
    ProgramFolder folder;
    // A directory where the file should be: it can neither be read nor created.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("FilterConfig.xml")));
    FilterConfig config;
    QVERIFY(!config.isOpen());
    QVector<QString> codes{QStringLiteral("kept")};
    QVERIFY(!config.hideCodes(0, codes));
    QVERIFY(!config.checkCodes(0, codes));
    QCOMPARE(codes.size(), 1);
}

void TestFilterConfig::unparsableFileIsLeftAlone()
{
    ProgramFolder folder;
    const QByteArray junk = "not xml at all";
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("FilterConfig.xml")), junk));
    {
        FilterConfig config;
        QVector<QString> codes;
        QVERIFY(!config.hideCodes(0, codes));
        QVERIFY(codes.isEmpty());
    }
    QCOMPARE(ProgramFolder::readAll(folder.file(QStringLiteral("FilterConfig.xml"))), junk);
}

QTEST_GUILESS_MAIN(TestFilterConfig)
#include "tst_filterconfig.moc"
