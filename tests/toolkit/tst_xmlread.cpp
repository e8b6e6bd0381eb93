// The one way the program's XML files are read: shapes whose parse would
// take the parser quadratic time (deep nesting, an element of countless
// attributes), document types with their entities and files past the size
// limit are refused before parsing;
// what looks like such a shape inside comments, sections and values is not.
#include <XmlRead.h>

#include <QBuffer>
#include <QDomDocument>
#include <QDomElement>
#include <QtTest>

using KavrinGUIToolkit::ReadXmlDocument;

namespace {

QByteArray nested(int depth, const QByteArray &inside = QByteArray())
{
    return QByteArray("<a>").repeated(depth) + inside + QByteArray("</a>").repeated(depth);
}

// A root holding @p count empty elements: the smallest bytes per element.
QByteArray manyElements(int count)
{
    return "<r>" + QByteArray("<a/>").repeated(count - 1) + "</r>";
}

QByteArray attributes(int count)
{
    QByteArray tag = "<a";
    for (int i = 0; i < count; ++i)
        tag += " x" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + '"';
    return tag + "/>";
}

struct Read
{
    bool ok = false;
    QString message;
    int line = -1;
    int column = -1;
    QDomDocument document;
};

Read read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Read r;
    r.ok = ReadXmlDocument(buffer, &r.document, &r.message, &r.line, &r.column);
    return r;
}

} // namespace

Q_DECLARE_METATYPE(KavrinGUIToolkit::XmlLimit)

class TestXmlRead : public QObject
{
    Q_OBJECT

private slots:
    void shapeDecidesWhetherTheFileIsRead_data();
    void shapeDecidesWhetherTheFileIsRead();
    void refusalSaysWhyAndWhere();
    void brokenLimitIsNamed_data();
    void brokenLimitIsNamed();
    void fileLargerThanTheLimitIsNotRead();
    void parseErrorIsTold();
};

void TestXmlRead::shapeDecidesWhetherTheFileIsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");

    QTest::newRow("a file nested 64 deep is read") << nested(64) << true;
    QTest::newRow("a file nested 65 deep is refused") << nested(65) << false;
    QTest::newRow("a file nested 100,000 deep is refused") << nested(100000) << false;
    QTest::newRow("a deep file that would not parse either is refused")
        << QByteArray("<a>").repeated(100000) << false;
    QTest::newRow("empty elements add no depth")
        << nested(63, QByteArray("<b/>").repeated(1000) + "<c x=\"1\" />") << true;
    QTest::newRow("an element of 256 attributes is read") << attributes(256) << true;
    QTest::newRow("an element of 257 attributes is refused") << attributes(257) << false;
    QTest::newRow("an element of 100,000 attributes is refused") << attributes(100000) << false;
    QTest::newRow("tags inside a comment add no depth")
        << nested(60, "<!--" + QByteArray("<b>").repeated(100) + "-->") << true;
    QTest::newRow("tags inside a character section add no depth")
        << nested(60, "<![CDATA[" + QByteArray("<b>").repeated(100) + "]]>") << true;
    QTest::newRow("equals signs and closing brackets inside values are no attributes")
        << QByteArray("<a v=\"" + QByteArray("=>").repeated(300) + "\" w='=>'>" + nested(63) +
                      "</a>")
        << true;
    QTest::newRow("a file of 250,000 elements is read") << manyElements(250000) << true;
    QTest::newRow("a file of 250,001 elements is refused") << manyElements(250001) << false;
    QTest::newRow("two million small elements in 8 MB are refused")
        << manyElements(2000000) << false;
    QTest::newRow("a declaration and a processing instruction are no elements")
        << QByteArray("<?xml version=\"1.0\"?>\n<?note <a><a>?>") + nested(64) << true;
    QTest::newRow("a document type is refused")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE a>\n<a/>") << false;
    // 64 KB that would expand to 80 MB of text.
    QTest::newRow("an entity of 4,000 characters used 20,000 times is refused")
        << QByteArray("<!DOCTYPE a [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><a>" +
                      QByteArray("&e;").repeated(20000) + "</a>")
        << false;
    QTest::newRow("an external entity is refused")
        << QByteArray("<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///etc/hostname\">]><a>&e;</a>")
        << false;
}

void TestXmlRead::shapeDecidesWhetherTheFileIsRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    const Read r = ::read(bytes);
    QVERIFY2(r.ok == read, qPrintable(r.message));
    QCOMPARE(r.document.documentElement().isNull(), !read);

    // A stream reader's bytes are refused for the same shapes, or given as
    // they are.
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QByteArray checked;
    QCOMPARE(KavrinGUIToolkit::ReadXmlBytes(buffer, &checked), read);
    QCOMPARE(checked, read ? bytes : QByteArray());
}

void TestXmlRead::refusalSaysWhyAndWhere()
{
    QDomDocument before;
    QVERIFY(before.setContent(QByteArray("<kept/>")));
    QBuffer buffer;
    // The 65th element starts on the third line, at its fifth column.
    buffer.setData("<r>\n" + QByteArray("<a>").repeated(63) + "\n    <b></b>" +
                   QByteArray("</a>").repeated(63) + "</r>");
    buffer.open(QIODevice::ReadOnly);
    QDomDocument document = before;
    QString message;
    int line = 0;
    int column = 0;
    QVERIFY(!ReadXmlDocument(buffer, &document, &message, &line, &column));
    QCOMPARE(message, QStringLiteral("elements nested more than 64 deep"));
    QCOMPARE(line, 3);
    QCOMPARE(column, 5);
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("kept"));
}

void TestXmlRead::brokenLimitIsNamed_data()
{
    // Saves check the bytes they would write with the same scan, and name
    // the limit to the planner.
    using KavrinGUIToolkit::XmlLimit;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<XmlLimit>("limit");
    QTest::newRow("a file within every limit") << manyElements(250000) << XmlLimit::None;
    QTest::newRow("one byte over 8 MB")
        << "<a>" + QByteArray(8 * 1024 * 1024 - 6, ' ') + "</a>" << XmlLimit::FileSize;
    QTest::newRow("one element too many") << manyElements(250001) << XmlLimit::Elements;
    QTest::newRow("one level too deep") << nested(65) << XmlLimit::Depth;
    QTest::newRow("one attribute too many") << attributes(257) << XmlLimit::Attributes;
    QTest::newRow("a document type") << QByteArray("<!DOCTYPE a><a/>") << XmlLimit::DocumentType;
}

void TestXmlRead::brokenLimitIsNamed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(KavrinGUIToolkit::XmlLimit, limit);
    QString message;
    QCOMPARE(KavrinGUIToolkit::BrokenXmlLimit(bytes, &message), limit);
    QCOMPARE(message.isEmpty(), limit == KavrinGUIToolkit::XmlLimit::None);
}

void TestXmlRead::fileLargerThanTheLimitIsNotRead()
{
    // Well-formed, shallow and one byte too large.
    const QByteArray head = "<a>";
    const QByteArray tail = "</a>";
    QByteArray bytes =
        head + QByteArray(KavrinGUIToolkit::kMaxXmlFileBytes + 1 - head.size() - tail.size(), ' ') +
        tail;
    QCOMPARE(bytes.size(), KavrinGUIToolkit::kMaxXmlFileBytes + 1);
    const Read r = read(bytes);
    QVERIFY(!r.ok);
    QCOMPARE(r.message, QStringLiteral("larger than 8388608 bytes"));
    QCOMPARE(r.line, 0);
    QCOMPARE(r.column, 0);
}

void TestXmlRead::parseErrorIsTold()
{
    const Read r = read("<a>\n<b></a>");
    QVERIFY(!r.ok);
    QVERIFY(!r.message.isEmpty());
    QCOMPARE(r.line, 2);
}

QTEST_GUILESS_MAIN(TestXmlRead)
#include "tst_xmlread.moc"
