#include "XmlNode.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

XmlNode loaded(const QString &path)
{
    XmlNode n;
    n.load(path);
    return n;
}

} // namespace

class TestXmlNode : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void loadResult_data();
    void loadResult();
    void loadMissingKeepsNode();
    void createRootAndSaveWritesDeclaration();
    void chineseTextRoundTripsThroughGb2312Bytes();
    void characterOutsideGb2312BecomesReference();
    void typedTextReadsBackAsTypedBesideHandMadeFields_data();
    void typedTextReadsBackAsTypedBesideHandMadeFields();
    void childAtOutOfRange_data();
    void childAtOutOfRange();
    void commentCountsForRemoveChildAtOnly();
    void childByNameFindsFirstInDocumentOrder();
    void setTextReplacesFirstTextChildOnly();
    void copiesShareNodes();
    void nullNodeIsHarmless();
    void saveToUnwritablePathFails();
    void removeChildByTagRemovesFirstMatch();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestXmlNode::loadResult_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("children");

    QTest::newRow("well-formed file parses") << QByteArray("<R><A/><B/></R>") << true << 2;
    QTest::newRow("empty file opens but holds nothing") << QByteArray() << false << 0;
    QTest::newRow("text that is not XML opens but holds nothing")
        << QByteArray("hello, world") << false << 0;
    QTest::newRow("truncated file reports it did not parse")
        << QByteArray("<?xml version=\"1.0\"?><R><A>1</A><B>") << false << -1;
}

void TestXmlNode::loadResult()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, parsed);
    QFETCH(int, children);

    QVERIFY(writeFile(file(QStringLiteral("f.xml")), content));
    XmlNode n;
    QVERIFY(n.load(file(QStringLiteral("f.xml"))));
    QCOMPARE(n.parsed(), parsed);
    if (children < 0) {
        // Whatever the parser built before the error; only the flag matters.
    } else if (!parsed) {
        QCOMPARE(n.childCount(), 0);
        QVERIFY(n.childByName(QStringLiteral("A")).isNull());
    } else {
        QCOMPARE(n.childCount(), children);
    }
}

void TestXmlNode::loadMissingKeepsNode()
{
    XmlNode n;
    n.createRoot(QStringLiteral("Root"));
    n.addChild(QStringLiteral("Kept"));

    QVERIFY(!n.load(file(QStringLiteral("missing.xml"))));
    QVERIFY(!n.load(QString()));
    QVERIFY(!n.load(QStringLiteral("")));
    QVERIFY(n.tagIs(QStringLiteral("Root")));
    QCOMPARE(n.childCount(), 1);
}

void TestXmlNode::createRootAndSaveWritesDeclaration()
{
    XmlNode n;
    QVERIFY(n.createRoot(QStringLiteral("DeviceInfoList")));
    QVERIFY(n.save(file(QStringLiteral("d.xml"))));

    const QByteArray bytes = readAll(file(QStringLiteral("d.xml")));
    QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"), bytes.constData());
    QVERIFY(bytes.contains("<DeviceInfoList/>"));

    XmlNode back;
    QVERIFY(back.load(file(QStringLiteral("d.xml"))));
    QVERIFY(back.parsed());
    QVERIFY(back.tagIs(QStringLiteral("DeviceInfoList")));
    QCOMPARE(back.childCount(), 0);
}

void TestXmlNode::chineseTextRoundTripsThroughGb2312Bytes()
{
    const QString name = QStringLiteral("银行监控一期");
    XmlNode n;
    n.createRoot(QStringLiteral("TaskInfoList"));
    n.addChild(QStringLiteral("Name")).setText(name);
    QVERIFY(n.save(file(QStringLiteral("zh.xml"))));

    const QByteArray bytes = readAll(file(QStringLiteral("zh.xml")));
    // "银行" is D2 F8 D0 D0 in GB2312; UTF-8 would be E9 93 B6 E8 A1 8C.
    QVERIFY(bytes.contains(QByteArray::fromHex("d2f8d0d0")));
    QVERIFY(!bytes.contains(name.toUtf8()));

    XmlNode back = loaded(file(QStringLiteral("zh.xml")));
    QCOMPARE(back.childByName(QStringLiteral("Name")).text(), name);
}

void TestXmlNode::characterOutsideGb2312BecomesReference()
{
    const QString text = QStringLiteral("大厅 \U0001F600 €5 ©");
    XmlNode n;
    n.createRoot(QStringLiteral("R"));
    n.addChild(QStringLiteral("Remark")).setText(text);
    QVERIFY(n.save(file(QStringLiteral("ref.xml"))));

    const QByteArray bytes = readAll(file(QStringLiteral("ref.xml")));
    QVERIFY(bytes.contains("&#x1F600;"));
    QVERIFY(!bytes.contains("?5"));

    XmlNode back = loaded(file(QStringLiteral("ref.xml")));
    QVERIFY(back.parsed());
    QCOMPARE(back.childByName(QStringLiteral("Remark")).text(), text);
}

void TestXmlNode::typedTextReadsBackAsTypedBesideHandMadeFields_data()
{
    // The root's children as written by hand: field A, left alone, and
    // field B, which the planner changes.
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("a");

    QTest::newRow("an instruction before a field's text adds no line break to it")
        << QByteArray("<A><?v?>110</A><B>old</B>") << QStringLiteral("new")
        << QStringLiteral("110");
    QTest::newRow("a CDATA section of an empty GB2312 cell is left as it reads")
        << QByteArray("<A><![CDATA[\xaa\xa1]]></A><B/>") << QStringLiteral("new")
        << QStringLiteral("\uE0A4");
    QTest::newRow("a field held as CDATA takes characters GB2312 lacks")
        << QByteArray("<A>1</A><B><![CDATA[old]]></B>")
        << QStringLiteral("Caf\u00e9 \u20ac \U0001F600") << QStringLiteral("1");
    QTest::newRow("a field held as CDATA takes ]]>")
        << QByteArray("<A>1</A><B><![CDATA[old]]></B>") << QStringLiteral("a]]>b")
        << QStringLiteral("1");
    QTest::newRow("a field held as CDATA before a text takes characters GB2312 lacks")
        << QByteArray("<A>1</A><B><![CDATA[old]]>tail</B>") << QStringLiteral("\u20ac 1")
        << QStringLiteral("1");
    QTest::newRow("a field emptied before a CDATA section reads empty")
        << QByteArray("<A>1</A><B>old<![CDATA[x]]></B>") << QString() << QStringLiteral("1");
    QTest::newRow("a file with a prefixed element name takes the change")
        << QByteArray("<p:x/><A>1</A><B/>") << QStringLiteral("new") << QStringLiteral("1");
}

void TestXmlNode::typedTextReadsBackAsTypedBesideHandMadeFields()
{
    QFETCH(QByteArray, fields);
    QFETCH(QString, typed);
    QFETCH(QString, a);
    const QString path = file(QStringLiteral("hand.xml"));
    QVERIFY(
        writeFile(path, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<R>" + fields + "</R>\n"));
    XmlNode n = loaded(path);
    QVERIFY(n.parsed());
    QCOMPARE(n.childByName(QStringLiteral("A")).text(), a);
    QVERIFY(n.childByName(QStringLiteral("B")).setText(typed));
    QString error;
    QVERIFY2(n.save(path, &error), qPrintable(error));

    XmlNode back = loaded(path);
    QVERIFY(back.parsed());
    QCOMPARE(back.childByName(QStringLiteral("A")).text(), a);
    QCOMPARE(back.childByName(QStringLiteral("B")).text(), typed);
}

void TestXmlNode::childAtOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("index -1") << -1;
    QTest::newRow("index equal to the count") << 2;
    QTest::newRow("index far beyond") << 1000;
}

void TestXmlNode::childAtOutOfRange()
{
    QFETCH(int, index);
    XmlNode n;
    n.createRoot(QStringLiteral("R"));
    n.addChild(QStringLiteral("A")).setText(QStringLiteral("a"));
    n.addChild(QStringLiteral("B")).setText(QStringLiteral("b"));

    XmlNode c = n.childAt(index);
    QVERIFY(c.isNull());
    QVERIFY(!c.setText(QStringLiteral("x")));
    QCOMPARE(n.childAt(0).text(), QStringLiteral("a"));
    QCOMPARE(n.childAt(1).text(), QStringLiteral("b"));
}

void TestXmlNode::commentCountsForRemoveChildAtOnly()
{
    QVERIFY(writeFile(file(QStringLiteral("c.xml")),
                      "<List><!-- note --><Item>first</Item><Item>second</Item></List>"));
    XmlNode n = loaded(file(QStringLiteral("c.xml")));
    QCOMPARE(n.childCount(), 2);
    QCOMPARE(n.childAt(0).text(), QStringLiteral("first"));

    n.removeChildAt(0); // the comment
    QCOMPARE(n.childCount(), 2);
    QCOMPARE(n.childAt(0).text(), QStringLiteral("first"));

    QVERIFY(n.removeChild(n.childAt(0)));
    QCOMPARE(n.childCount(), 1);
    QCOMPARE(n.childAt(0).text(), QStringLiteral("second"));
}

void TestXmlNode::childByNameFindsFirstInDocumentOrder()
{
    QVERIFY(writeFile(file(QStringLiteral("o.xml")),
                      "<Kind><Outer><Code>nested</Code></Outer><Code>direct</Code></Kind>"));
    XmlNode n = loaded(file(QStringLiteral("o.xml")));
    QCOMPARE(n.childByName(QStringLiteral("Code")).text(), QStringLiteral("nested"));
    QVERIFY(n.childByName(QStringLiteral("code")).isNull());
    QVERIFY(n.childByName(QStringLiteral("Missing")).isNull());

    const QVector<XmlNode> several = n.childrenByName(
        {QStringLiteral("Code"), QStringLiteral("Missing"), QStringLiteral("Outer")});
    QCOMPARE(several.size(), 3);
    QCOMPARE(several.at(0).text(), QStringLiteral("nested"));
    QVERIFY(several.at(1).isNull());
    QVERIFY(several.at(2).tagIs(QStringLiteral("Outer")));
}

void TestXmlNode::setTextReplacesFirstTextChildOnly()
{
    QVERIFY(writeFile(file(QStringLiteral("t.xml")), "<R><V>one<B/>two</V></R>"));
    XmlNode n = loaded(file(QStringLiteral("t.xml")));
    XmlNode v = n.childByName(QStringLiteral("V"));
    QVERIFY(v.setText(QStringLiteral("first")));
    QCOMPARE(v.text(), QStringLiteral("first"));
    QVERIFY(n.save(file(QStringLiteral("t.xml"))));
    QVERIFY(readAll(file(QStringLiteral("t.xml"))).contains("first<B/>two"));

    XmlNode empty = n.addChild(QStringLiteral("E"));
    QString out = QStringLiteral("unchanged");
    QVERIFY(!empty.getText(out));
    QCOMPARE(out, QStringLiteral("unchanged"));
    QVERIFY(empty.setInt(-42));
    QCOMPARE(empty.text(), QStringLiteral("-42"));
}

void TestXmlNode::copiesShareNodes()
{
    XmlNode a;
    a.createRoot(QStringLiteral("R"));
    XmlNode b = a;
    b.addChild(QStringLiteral("X"));
    QCOMPARE(a.childCount(), 1);
    a.childAt(0).setText(QStringLiteral("seen"));
    QCOMPARE(b.childByName(QStringLiteral("X")).text(), QStringLiteral("seen"));
}

void TestXmlNode::nullNodeIsHarmless()
{
    XmlNode n;
    QCOMPARE(n.childCount(), 0);
    QVERIFY(n.childAt(0).isNull());
    QVERIFY(n.childByName(QStringLiteral("A")).isNull());
    QVERIFY(n.addChild(QStringLiteral("A")).isNull());
    QVERIFY(!n.setText(QStringLiteral("a")));
    QVERIFY(!n.setInt(1));
    QVERIFY(!n.setAttribute(QStringLiteral("a"), QStringLiteral("b")));
    QCOMPARE(n.attribute(QStringLiteral("a"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    QCOMPARE(n.text(), QString());
    QVERIFY(!n.tagIs(QStringLiteral("A")));
    QVERIFY(n.tagIs(QString()));
    n.removeChildAt(0);
    n.removeChildByTag(QStringLiteral("A"));
}

void TestXmlNode::saveToUnwritablePathFails()
{
    XmlNode n;
    n.createRoot(QStringLiteral("R"));
    QString error;
    QVERIFY(!n.save(file(QStringLiteral("no/such/folder/f.xml")), &error));
    QVERIFY(!error.isEmpty());

    // A directory in the file's place cannot be replaced.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("taken.xml")));
    QVERIFY(!n.save(file(QStringLiteral("taken.xml"))));
}

void TestXmlNode::removeChildByTagRemovesFirstMatch()
{
    QVERIFY(writeFile(file(QStringLiteral("r.xml")), "<R><A>1</A><B>2</B><A>3</A></R>"));
    XmlNode n = loaded(file(QStringLiteral("r.xml")));
    n.removeChildByTag(QStringLiteral("A"));
    QCOMPARE(n.childCount(), 2);
    QCOMPARE(n.childAt(0).text(), QStringLiteral("2"));
    QCOMPARE(n.childAt(1).text(), QStringLiteral("3"));
    n.removeChildByTag(QStringLiteral("Z"));
    QCOMPARE(n.childCount(), 2);
}

QTEST_GUILESS_MAIN(TestXmlNode)
#include "tst_xmlnode.moc"
