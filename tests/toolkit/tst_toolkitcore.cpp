#include <File.h>
#include <GenericDS.h>
#include <TargetPath.h>
#include <TextConvert.h>
#include <UiSingleton.h>
#include <XmlRead.h>
#include <XmlSave.h>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A document <R>text</R> declared in @p encoding.
QDomDocument documentWithText(const QString &text, const QString &encoding)
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"%1\"").arg(encoding)));
    QDomElement r = doc.createElement(QStringLiteral("R"));
    doc.appendChild(r);
    r.appendChild(doc.createTextNode(text));
    return doc;
}

// The text of <R> in @p bytes; a null string when they do not parse.
QString textReadBack(const QByteArray &bytes)
{
    QDomDocument back;
    if (!back.setContent(bytes))
        return QString();
    return back.documentElement().text();
}

// Changes a document <R>x</R> declared GB2312 into one of another shape.
using Reshape = std::function<void(QDomDocument &)>;

// What the folder syncs of the saves saw: the folder each was given, and
// what the saved file held at that moment. Each fails when told to.
struct FolderSyncs
{
    QString target;
    bool fail = false;
    QStringList folders;
    QList<QByteArray> targetBytes;
} g_folderSyncs;

int watchedFolderSync(int folderFd)
{
    g_folderSyncs.folders
        << QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(folderFd)).symLinkTarget();
    QFile target(g_folderSyncs.target);
    g_folderSyncs.targetBytes << (target.open(QIODevice::ReadOnly) ? target.readAll()
                                                                   : QByteArray("(none)"));
    if (g_folderSyncs.fail) {
        errno = EIO;
        return -1;
    }
    return ::fsync(folderFd);
}

// Every node below the root of @p doc, one line each, in document order. A
// text and a CDATA section are alike: every reader takes either as the
// element's text.
QStringList nodesOf(const QDomDocument &doc)
{
    QStringList lines;
    const QDomElement root = doc.documentElement();
    QDomNode n = root.firstChild();
    int depth = 1;
    while (!n.isNull() && n != root) {
        QString line = QString(depth, QLatin1Char(' '));
        if (n.isText()) {
            line += QStringLiteral("text \"%1\"").arg(n.nodeValue());
        } else if (n.isElement()) {
            line += QStringLiteral("<%1>").arg(n.nodeName());
            const QDomNamedNodeMap attributes = n.attributes();
            for (int i = 0; i < attributes.length(); ++i)
                line += QStringLiteral(" %1=\"%2\"")
                            .arg(attributes.item(i).nodeName(), attributes.item(i).nodeValue());
        } else {
            line +=
                QStringLiteral("%1 %2 \"%3\"").arg(n.nodeType()).arg(n.nodeName(), n.nodeValue());
        }
        lines << line;
        if (n.hasChildNodes()) {
            n = n.firstChild();
            ++depth;
            continue;
        }
        while (n.nextSibling().isNull() && n != root) {
            n = n.parentNode();
            --depth;
        }
        if (n != root)
            n = n.nextSibling();
    }
    return lines;
}

// The first child node of the root's first element named @p tag.
QDomNode firstIn(const QDomDocument &doc, const QString &tag)
{
    return doc.documentElement().firstChildElement(tag).firstChild();
}

} // namespace

Q_DECLARE_METATYPE(Reshape)

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
    void gb2312BytesStayInsideGb2312_data();
    void gb2312BytesStayInsideGb2312();
    void charactersXmlForbidsAreSavedAsReplacement_data();
    void charactersXmlForbidsAreSavedAsReplacement();
    void bytesThatWouldNotReadBackAreNotSaved();
    void handMadeNodesReadBackAsTheyStand_data();
    void handMadeNodesReadBackAsTheyStand();
    void documentIsSavedOnlyWhenItReadsBack_data();
    void documentIsSavedOnlyWhenItReadsBack();
    void saveThatRunsOutOfRoomFailsAndKeepsTheOldFile_data();
    void saveThatRunsOutOfRoomFailsAndKeepsTheOldFile();
    void aSaveKeepsWhatTheOldFileWas_data();
    void aSaveKeepsWhatTheOldFileWas();
    void aSaveNeverReplacesWhatIsNoRegularFile_data();
    void aSaveNeverReplacesWhatIsNoRegularFile();
    void aSaveSyncsTheFolderOfItsRename_data();
    void aSaveSyncsTheFolderOfItsRename();
    void readAllJoinsFilesInOrder();
    void convertToUnicode();
};

void TestToolkitCore::targetPathEndsInSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder without separator")
        << QStringLiteral("/tmp/prog") << QStringLiteral("/tmp/prog/");
    QTest::newRow("folder with separator")
        << QStringLiteral("/tmp/prog/") << QStringLiteral("/tmp/prog/");
}

void TestToolkitCore::targetPathEndsInSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    SetTargetPath(folder);
    QCOMPARE(GetTargetPath(), expected);
    QCOMPARE(GetTargetPathFile(QStringLiteral("Setup.xml")),
             expected + QStringLiteral("Setup.xml"));
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

void TestToolkitCore::gb2312BytesStayInsideGb2312_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    // 二 B6FE, 四 CBC4, 中 D6D0, 、 A1A2 in GB2312.
    QTest::newRow("ideographic zero, outside GB2312, becomes a reference")
        << QStringLiteral("二〇二四")
        << QByteArray::fromHex("b6fe") + "&#x3007;" + QByteArray::fromHex("b6fecbc4");
    QTest::newRow("no-break space, outside GB2312, becomes a reference")
        << QStringLiteral("a\u00A0b") << QByteArray("a&#xA0;b");
    QTest::newRow("C1 control, outside GB2312, becomes a reference")
        << QStringLiteral("a\u0085b") << QByteArray("a&#x85;b");
    QTest::newRow("hyphen U+2010, in an empty row of the converter, becomes a reference")
        << QStringLiteral("1\u20102") << QByteArray("1&#x2010;2");
    QTest::newRow("katakana-hiragana prolonged sound mark becomes a reference")
        << QStringLiteral("\u30FC") << QByteArray("&#x30FC;");
    // The converter reads the cells GB2312 leaves empty as private-use
    // characters and writes those back there: A2A1 for U+E000, which GBK
    // readers take for a Roman numeral.
    QTest::newRow("private-use characters, in the converter's empty cells, become references")
        << QStringLiteral("a\uE000\uE0A4\uF8FFb") << QByteArray("a&#xE000;&#xE0A4;&#xF8FF;b");
    QTest::newRow("GB2312 characters stay two bytes")
        << QStringLiteral("中、") << QByteArray::fromHex("d6d0a1a2");
}

void TestToolkitCore::gb2312BytesStayInsideGb2312()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    const QByteArray out = EncodeDomDocument(documentWithText(text, QStringLiteral("GB2312")));
    const QByteArray body = out.mid(out.indexOf("<R>") + 3);
    QCOMPARE(body.left(body.indexOf("</R>")), bytes);
    QCOMPARE(textReadBack(out), text);
}

void TestToolkitCore::charactersXmlForbidsAreSavedAsReplacement_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    const QString high = QString(QChar(0xD83D));
    const QString low = QString(QChar(0xDC00));
    const QString fffd = QString(QChar(QChar::ReplacementCharacter));
    const QString hall = QStringLiteral("大厅");
    for (const QString &encoding : {QStringLiteral("GB2312"), QStringLiteral("UTF-8")}) {
        const QByteArray e = encoding.toLatin1();
        QTest::addRow("%s: high surrogate at the end of the text", e.constData())
            << encoding << hall + high << hall + fffd;
        QTest::addRow("%s: low surrogate alone", e.constData())
            << encoding << QStringLiteral("a") + low + QStringLiteral("b")
            << QStringLiteral("a") + fffd + QStringLiteral("b");
        QTest::addRow("%s: high surrogate followed by a letter", e.constData())
            << encoding << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")
            << QStringLiteral("a") + fffd + QStringLiteral("b");
        QTest::addRow("%s: start of heading U+0001", e.constData())
            << encoding << QStringLiteral("a\u0001b") << QStringLiteral("a\uFFFDb");
        QTest::addRow("%s: vertical tab U+000B", e.constData())
            << encoding << QStringLiteral("a\u000Bb") << QStringLiteral("a\uFFFDb");
        QTest::addRow("%s: escape U+001B", e.constData())
            << encoding << QStringLiteral("a\u001Bb") << QStringLiteral("a\uFFFDb");
        QTest::addRow("%s: noncharacter U+FFFF", e.constData())
            << encoding << QStringLiteral("a\uFFFFb") << QStringLiteral("a\uFFFDb");
        QTest::addRow("%s: noncharacter U+FFFE", e.constData())
            << encoding << QStringLiteral("a\uFFFEb") << QStringLiteral("a\uFFFDb");
        QTest::addRow("%s: tab, line feed and a whole emoji are kept", e.constData())
            << encoding << QStringLiteral("a\tb\nc \U0001F600")
            << QStringLiteral("a\tb\nc \U0001F600");
    }
}

void TestToolkitCore::charactersXmlForbidsAreSavedAsReplacement()
{
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    QFETCH(QString, readBack);

    const QByteArray out = EncodeDomDocument(documentWithText(text, encoding));
    QCOMPARE(textReadBack(out), readBack);
    if (encoding == QLatin1String("GB2312") &&
        readBack.contains(QChar(QChar::ReplacementCharacter)))
        QVERIFY(out.contains("&#xFFFD;")); // GB2312 has no U+FFFD
}

void TestToolkitCore::bytesThatWouldNotReadBackAreNotSaved()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.xml"));
    const QByteArray old = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<R/>\n";
    QVERIFY(writeFile(path, old));

    // Qt's DOM accepts an element name that no XML parser reads back.
    QDomDocument doc = documentWithText(QStringLiteral("x"), QStringLiteral("GB2312"));
    doc.documentElement().appendChild(doc.createElement(QStringLiteral("two words")));
    QString error;
    QVERIFY(!SaveDomDocument(doc, path, &error));
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

void TestToolkitCore::handMadeNodesReadBackAsTheyStand_data()
{
    // The root's children as written by hand, in GB2312; a change to them
    // before the save; bytes the saved file holds.
    QTest::addColumn<QByteArray>("nodes");
    QTest::addColumn<Reshape>("change");
    QTest::addColumn<QByteArray>("written");

    const Reshape typeInV = [](QDomDocument &doc) {
        doc.documentElement()
            .firstChildElement(QStringLiteral("V"))
            .appendChild(doc.createTextNode(QStringLiteral("typed")));
    };
    const auto typeInU = [](const QString &text) {
        return Reshape(
            [text](QDomDocument &doc) { firstIn(doc, QStringLiteral("U")).setNodeValue(text); });
    };
    QTest::newRow("an instruction before a text gets no line break after it")
        << QByteArray("<U><?v?>110</U><V/>") << typeInV << QByteArray("<U><?v?>110</U>");
    QTest::newRow("a comment between texts gets no line break after it")
        << QByteArray("<U>a<!--c-->b</U><V/>") << typeInV << QByteArray("<U>a<!--c-->b</U>");
    QTest::newRow("a CDATA section given characters GB2312 lacks is written as text")
        << QByteArray("<U><![CDATA[old]]></U>")
        << typeInU(QStringLiteral("Caf\u00e9 \u20ac \U0001F600"))
        << QByteArray("<U>Caf\xa8\xa6 &#x20AC; &#x1F600;</U>");
    QTest::newRow("a CDATA section given ]]> is written as text")
        << QByteArray("<U><![CDATA[old]]></U>") << typeInU(QStringLiteral("a]]>b"))
        << QByteArray("<U>a]]&gt;b</U>");
    QTest::newRow("the text after a CDATA section given a reference becomes a section")
        << QByteArray("<U><![CDATA[old]]>tail</U>") << typeInU(QStringLiteral("\u20ac"))
        << QByteArray("<U>&#x20AC;<![CDATA[tail]]></U>");
    QTest::newRow("a text emptied before a CDATA section stays as an empty section")
        << QByteArray("<U>old<![CDATA[x]]></U>") << typeInU(QString())
        << QByteArray("<U><![CDATA[]]><![CDATA[x]]></U>");
    QTest::newRow("a prefixed name, its prefix undeclared, is written as it was read")
        << QByteArray("<p:x a:b=\"1\"/><V/>") << typeInV << QByteArray("<p:x a:b=\"1\"/>");
    QTest::newRow("a comment keeps bytes of a cell GB2312 leaves empty, as the file held them")
        << QByteArray("<!--\xaa\xa1--><V/>") << typeInV << QByteArray("<!--\xaa\xa1-->");
    QTest::newRow("a CDATA section of a cell GB2312 leaves empty becomes text with a reference")
        << QByteArray("<U><![CDATA[\xaa\xa1]]></U><V/>") << typeInV
        << QByteArray("<U>&#xE0A4;</U>");
    QTest::newRow("elements that hold no text stand on lines of their own")
        << QByteArray("<U><W>1</W><!--c--><W/></U><V/>") << typeInV
        << QByteArray("<R>\n<U>\n<W>1</W>\n<!--c-->\n<W/>\n</U>\n<V>typed</V>\n</R>\n");
}

void TestToolkitCore::handMadeNodesReadBackAsTheyStand()
{
    QFETCH(QByteArray, nodes);
    QFETCH(Reshape, change);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.xml"));
    QDomDocument doc;
    QVERIFY(doc.setContent("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<R>" + nodes + "</R>\n"));
    change(doc);

    QString error;
    QVERIFY2(SaveDomDocument(doc, path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.contains(written), bytes.constData());
    QVERIFY(file.seek(0));
    QDomDocument back;
    QVERIFY(ReadXmlDocument(file, &back));
    QCOMPARE(nodesOf(back), nodesOf(doc));
}

void TestToolkitCore::documentIsSavedOnlyWhenItReadsBack_data()
{
    QTest::addColumn<Reshape>("reshape");
    QTest::addColumn<bool>("saved");
    const auto child = [](QDomDocument &doc, const QString &name) {
        QDomElement element = doc.createElement(name);
        doc.documentElement().appendChild(element);
        return element;
    };
    QTest::newRow("markup characters in texts and attribute values are saved")
        << Reshape([&](QDomDocument &doc) {
               QDomElement e = child(doc, QStringLiteral("Remark"));
               e.appendChild(doc.createTextNode(QStringLiteral("a<b&c]]>d \"e\" 'f'")));
               e.setAttribute(QStringLiteral("note"), QStringLiteral("<\"&'\n\t>"));
           })
        << true;
    QTest::newRow("a Chinese element name is saved")
        << Reshape([&](QDomDocument &doc) { child(doc, QStringLiteral("大门")); }) << true;
    QTest::newRow("an element name GB2312 cannot hold is refused")
        << Reshape([&](QDomDocument &doc) { child(doc, QStringLiteral("x\u20ac")); }) << false;
    QTest::newRow("an element name starting with a digit is refused")
        << Reshape([&](QDomDocument &doc) { child(doc, QStringLiteral("1st")); }) << false;
    // The readers read without namespace processing: a prefix is part of
    // the name.
    QTest::newRow("an element name of an undeclared prefix is saved, as the readers read it")
        << Reshape([&](QDomDocument &doc) { child(doc, QStringLiteral("p:x")); }) << true;
    QTest::newRow("a prefix declared on its element is saved") << Reshape([&](QDomDocument &doc) {
        child(doc, QStringLiteral("p:x"))
            .setAttribute(QStringLiteral("xmlns:p"), QStringLiteral("urn:x"));
    }) << true;
    QTest::newRow("an attribute name with a space is refused") << Reshape([&](QDomDocument &doc) {
        child(doc, QStringLiteral("Device"))
            .setAttribute(QStringLiteral("a b"), QStringLiteral("1"));
    }) << false;
    QTest::newRow("a CDATA section, a comment and an instruction of plain text are saved")
        << Reshape([&](QDomDocument &doc) {
               QDomElement e = child(doc, QStringLiteral("Remark"));
               e.appendChild(doc.createCDATASection(QStringLiteral("a <b>")));
               e.appendChild(doc.createComment(QStringLiteral("note")));
               e.appendChild(
                   doc.createProcessingInstruction(QStringLiteral("pi"), QStringLiteral("data")));
           })
        << true;
    QTest::newRow("a CDATA section holding ]]> is saved as text")
        << Reshape([&](QDomDocument &doc) {
               child(doc, QStringLiteral("Remark"))
                   .appendChild(doc.createCDATASection(QStringLiteral("a]]>b")));
           })
        << true;
    QTest::newRow("a CDATA section GB2312 cannot hold beside a text holding ]]> is refused")
        << Reshape([&](QDomDocument &doc) {
               QDomElement e = child(doc, QStringLiteral("Remark"));
               e.appendChild(doc.createCDATASection(QStringLiteral("\u20ac")));
               e.appendChild(doc.createTextNode(QStringLiteral("a]]>b")));
           })
        << false;
    // A comment the program read from a file can hold only what the file's
    // encoding gave; one GB2312 lacks was made in memory and has no form.
    QTest::newRow("a comment holding a character GB2312 lacks is refused")
        << Reshape([&](QDomDocument &doc) {
               doc.documentElement().appendChild(doc.createComment(QStringLiteral("\u20ac")));
           })
        << false;
    QTest::newRow("a comment holding -- is refused") << Reshape([&](QDomDocument &doc) {
        doc.documentElement().appendChild(doc.createComment(QStringLiteral("a--b")));
    }) << false;
    QTest::newRow("a second root element is refused") << Reshape([](QDomDocument &doc) {
        doc.appendChild(doc.createElement(QStringLiteral("R2")));
    }) << false;
    QTest::newRow("a second declaration is refused") << Reshape([](QDomDocument &doc) {
        doc.insertBefore(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                         QStringLiteral("version=\"1.0\"")),
                         doc.documentElement());
    }) << false;
    QTest::newRow("a document without a root element is refused")
        << Reshape([](QDomDocument &doc) { doc.removeChild(doc.documentElement()); }) << false;
}

void TestToolkitCore::documentIsSavedOnlyWhenItReadsBack()
{
    QFETCH(Reshape, reshape);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.xml"));
    const QByteArray old = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<R/>\n";
    QVERIFY(writeFile(path, old));
    QDomDocument doc = documentWithText(QStringLiteral("x"), QStringLiteral("GB2312"));
    reshape(doc);

    QString error;
    QCOMPARE(SaveDomDocument(doc, path, &error), saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (!saved) {
        QVERIFY(!error.isEmpty());
        QCOMPARE(bytes, old);
        return;
    }
    // What was saved reads back, as the program reads its files.
    QXmlStreamReader reader(bytes);
    PrepareXmlStreamReader(reader);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QDomDocument back;
    QVERIFY(back.setContent(bytes));
    QCOMPARE(back.documentElement().firstChildElement().text(),
             doc.documentElement().firstChildElement().text());
    QCOMPARE(back.documentElement().firstChildElement().attribute(QStringLiteral("note")),
             doc.documentElement().firstChildElement().attribute(QStringLiteral("note")));
}

void TestToolkitCore::saveThatRunsOutOfRoomFailsAndKeepsTheOldFile_data()
{
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("limit");
    QTest::newRow("a document larger than the room left") << 4000 << 100;
    QTest::newRow("a document smaller than any write buffer") << 200 << 64;
}

void TestToolkitCore::saveThatRunsOutOfRoomFailsAndKeepsTheOldFile()
{
    QFETCH(int, characters);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.xml"));
    const QByteArray old = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<R/>\n";
    QVERIFY(writeFile(path, old));
    const QDomDocument doc =
        documentWithText(QString(characters, QLatin1Char('x')), QStringLiteral("GB2312"));
    // Files of the process cannot grow past the limit: the write stops
    // short, as on a full disk, without an error from the file engine.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit limited = before;
    limited.rlim_cur = rlim_t(limit);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QString error;
    const bool saved = SaveDomDocument(doc, path, &error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

void TestToolkitCore::aSaveKeepsWhatTheOldFileWas_data()
{
    QTest::addColumn<bool>("throughALink");
    QTest::addColumn<int>("mode");
    QTest::newRow("a file only its owner may read keeps its permissions") << false << 0600;
    QTest::newRow("a file its group may read keeps its permissions") << false << 0640;
    QTest::newRow("a link stays a link, and the file it leads to takes the bytes") << true << 0604;
}

void TestToolkitCore::aSaveKeepsWhatTheOldFileWas()
{
    QFETCH(bool, throughALink);
    QFETCH(int, mode);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data")));
    const QString target = dir.filePath(QStringLiteral("data/f.xml"));
    const QString path = throughALink ? dir.filePath(QStringLiteral("f.xml")) : target;
    QVERIFY(writeFile(target, "old"));
    QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
    if (throughALink)
        QVERIFY(QFile::link(target, path));

    QString error;
    QVERIFY2(SaveWholeFile(path, "new", &error), qPrintable(error));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    struct stat saved = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &saved), 0);
    QCOMPARE(int(saved.st_mode & 0777), mode);
    if (throughALink) {
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    }
    // The temporary file became the file: nothing else is beside it.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("data")))
                 .entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("f.xml")});
}

void TestToolkitCore::aSaveNeverReplacesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a named pipe stays a pipe") << QStringLiteral("pipe");
    QTest::newRow("a folder stays a folder") << QStringLiteral("folder");
    QTest::newRow("a link to a named pipe stays a link to it") << QStringLiteral("link");
}

void TestToolkitCore::aSaveNeverReplacesWhatIsNoRegularFile()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.xml"));
    const QString pipe =
        what == QLatin1String("link") ? dir.filePath(QStringLiteral("pipe")) : path;
    if (what == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("f.xml")));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    if (what == QLatin1String("link"))
        QVERIFY(QFile::link(pipe, path));
    const QStringList before =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    QString error;
    SaveFailure failure = SaveFailure::None;
    QVERIFY(!SaveWholeFile(path, "new", &error, &failure));
    QVERIFY(!error.isEmpty());
    QCOMPARE(failure,
             what == QLatin1String("folder") ? SaveFailure::TargetIsFolder : SaveFailure::Other);
    // Nothing in the pipe's or the folder's place, and no temporary file.
    struct stat found = {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &found), 0);
    QVERIFY(what == QLatin1String("folder") ? S_ISDIR(found.st_mode) : S_ISFIFO(found.st_mode));
    QCOMPARE(QFileInfo(path).isSymLink(), what == QLatin1String("link"));
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             before);
}

void TestToolkitCore::aSaveSyncsTheFolderOfItsRename_data()
{
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<bool>("throughALink");
    QTest::addColumn<bool>("syncFails");
    QTest::newRow("a new file's folder is synced once the file is there")
        << false << false << false;
    QTest::newRow("a replaced file's folder is synced once the new bytes are there")
        << true << false << false;
    QTest::newRow("through a link, the folder the link leads to is synced")
        << true << true << false;
    QTest::newRow("a folder that cannot be synced leaves the file saved all the same")
        << true << false << true;
}

void TestToolkitCore::aSaveSyncsTheFolderOfItsRename()
{
    QFETCH(bool, replacing);
    QFETCH(bool, throughALink);
    QFETCH(bool, syncFails);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data")));
    const QString folder = dir.filePath(QStringLiteral("data"));
    const QString target = dir.filePath(QStringLiteral("data/f.xml"));
    const QString path = throughALink ? dir.filePath(QStringLiteral("f.xml")) : target;
    if (replacing)
        QVERIFY(writeFile(target, "old"));
    if (throughALink)
        QVERIFY(QFile::link(target, path));
    g_folderSyncs = FolderSyncs{target, syncFails, {}, {}};
    SetFolderSyncForTests(&watchedFolderSync);
    const auto restore = qScopeGuard([] { SetFolderSyncForTests(nullptr); });
    if (syncFails)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("could not be synced")));

    QString error;
    QVERIFY2(SaveWholeFile(path, "new", &error), qPrintable(error));
    QCOMPARE(error, QString());
    QCOMPARE(g_folderSyncs.folders, QStringList{QFileInfo(folder).canonicalFilePath()});
    QCOMPARE(g_folderSyncs.targetBytes, QList<QByteArray>{"new"});
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{QStringLiteral("f.xml")});
}

void TestToolkitCore::readAllJoinsFilesInOrder()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("a.qss")), "A{}"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("b.qss")), "B{}"));
    const QString all = CFile::ReadAll(
        {QStringLiteral("b.qss"), QStringLiteral("missing.qss"), QStringLiteral("a.qss")},
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
