#include <File.h>
#include <GenericDS.h>
#include <TargetPath.h>
#include <TextConvert.h>
#include <UiSingleton.h>
#include <XmlSave.h>

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace KavrinGUIToolkit;

namespace {

std::atomic<int> g_constructed{0};

class SlowToBuild : public CUiSingleton<SlowToBuild>
{
public:
    SlowToBuild()
    {
        ++g_constructed;
        // Widen the window in which a second thread could slip through.
        QThread::msleep(20);
    }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestToolkitCore : public QObject
{
    Q_OBJECT

private slots:
    void targetPathEndsInSeparator_data();
    void targetPathEndsInSeparator();
    void singletonRacedFromEightThreadsConstructsOnce();
    void genericTreeReadsSettings();
    void genericTreeRefusesBrokenFile();
    void genericTreeSetValueAndSave();
    void declaredEncodingIsHonoured();
    void unknownEncodingFallsBackToUtf8();
    void readAllJoinsFilesInOrder();
    void convertToUnicode();
};

void TestToolkitCore::targetPathEndsInSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder without separator") << QStringLiteral("/tmp/prog")
                                              << QStringLiteral("/tmp/prog/");
    QTest::newRow("folder with separator") << QStringLiteral("/tmp/prog/")
                                           << QStringLiteral("/tmp/prog/");
}

void TestToolkitCore::targetPathEndsInSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    SetTargetPath(folder);
    QCOMPARE(GetTargetPath(), expected);
    QCOMPARE(GetTargetPathFile(QStringLiteral("Setup.xml")), expected + QStringLiteral("Setup.xml"));
    SetTargetPath(QString());
    QCOMPARE(GetTargetPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TestToolkitCore::singletonRacedFromEightThreadsConstructsOnce()
{
    std::atomic<bool> go{false};
    std::atomic<SlowToBuild *> seen[8];
    QList<QThread *> threads;
    for (int i = 0; i < 8; ++i) {
        seen[i] = nullptr;
        threads << QThread::create([&go, &seen, i] {
            while (!go.load())
                QThread::yieldCurrentThread();
            seen[i] = SlowToBuild::GetInstance();
        });
        threads.last()->start();
    }
    go = true;
    for (QThread *t : threads) {
        QVERIFY(t->wait(10000));
        delete t;
    }
    QCOMPARE(g_constructed.load(), 1);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(seen[i].load(), SlowToBuild::GetInstance());
}

void TestToolkitCore::genericTreeReadsSettings()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Configs>\n"
                            "<Translator><Value>1</Value></Translator>\n<!-- c -->\n"
                            "<Skin><Value>BlackRedSkin</Value></Skin>\n<Empty/>\n</Configs>\n"));
    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    QCOMPARE(root.GetName(), QStringLiteral("Configs"));
    QCOMPARE(root.GetChildrenCount(), 3);
    QCOMPARE(root.GetChild(1).GetName(), QStringLiteral("Skin"));
    QCOMPARE(root.GetChild(1).GetChildByName(QStringLiteral("Value")).GetValue(),
             QStringLiteral("BlackRedSkin"));
    QCOMPARE(root.GetChild(2).GetChildByName(QStringLiteral("Value")).GetValue(), QString());
    QVERIFY(root.GetChild(3).IsNull());
    QVERIFY(root.GetChild(-1).IsNull());
    QVERIFY(root.GetChildByName(QStringLiteral("Nope")).IsNull());
}

void TestToolkitCore::genericTreeRefusesBrokenFile()
{
    QTemporaryDir dir;
    CGenericDS root;
    QVERIFY(!root.LoadXML(dir.filePath(QStringLiteral("missing.xml"))));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("bad.xml")), "<Configs><Skin>"));
    QVERIFY(!root.LoadXML(dir.filePath(QStringLiteral("bad.xml"))));
    QVERIFY(root.IsNull());
}

void TestToolkitCore::genericTreeSetValueAndSave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                            "<Configs><Skin><Value>Old</Value></Skin></Configs>\n"));
    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    CGenericDS value = root.GetChild(0).GetChildByName(QStringLiteral("Value"));
    QVERIFY(value.SetValue(QStringLiteral("新皮肤")));
    QVERIFY(root.SaveXML(path));
    CGenericDS back;
    QVERIFY(back.LoadXML(path));
    QCOMPARE(back.GetChild(0).GetChildByName(QStringLiteral("Value")).GetValue(),
             QStringLiteral("新皮肤"));
    QVERIFY(!CGenericDS().SetValue(QStringLiteral("x")));
}

void TestToolkitCore::declaredEncodingIsHonoured()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QByteArray("<?xml version='1.0' encoding='GB2312'?><R/>")));
    QCOMPARE(DeclaredEncoding(doc), QStringLiteral("GB2312"));
    doc.documentElement().appendChild(doc.createTextNode(QStringLiteral("中文")));
    const QByteArray bytes = EncodeDomDocument(doc);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"));
    QVERIFY(bytes.contains(QByteArray::fromHex("d6d0cec4"))); // 中文
    QDomDocument noDecl;
    QVERIFY(noDecl.setContent(QByteArray("<R/>")));
    QCOMPARE(DeclaredEncoding(noDecl), QStringLiteral("UTF-8"));
}

void TestToolkitCore::unknownEncodingFallsBackToUtf8()
{
    QDomDocument built;
    built.appendChild(built.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"X-NO-SUCH\"")));
    QDomElement r = built.createElement(QStringLiteral("R"));
    built.appendChild(r);
    r.appendChild(built.createTextNode(QStringLiteral("é中")));
    const QByteArray bytes = EncodeDomDocument(built);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QDomDocument back;
    QVERIFY(back.setContent(bytes));
    QCOMPARE(back.documentElement().text(), QStringLiteral("é中"));
}

void TestToolkitCore::readAllJoinsFilesInOrder()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("a.qss")), "A{}"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("b.qss")), "B{}"));
    const QString all = CFile::ReadAll({QStringLiteral("b.qss"), QStringLiteral("missing.qss"),
                                        QStringLiteral("a.qss")},
                                       dir.path() + QLatin1Char('/'));
    QCOMPARE(all, QStringLiteral("B{}\nA{}"));
}

void TestToolkitCore::convertToUnicode()
{
    QCOMPARE(ConvertToUnicode("Stroage 存储"), QStringLiteral("Stroage 存储"));
    QCOMPARE(ConvertToUnicode("\xd6\xd0", "GB2312"), QStringLiteral("中"));
    QCOMPARE(ConvertToUnicode(nullptr), QString());
}

QTEST_GUILESS_MAIN(TestToolkitCore)
#include "tst_toolkitcore.moc"
