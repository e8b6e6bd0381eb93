#include "XmlSave.h"

#include "File.h"
#include "XmlCharset.h"
#include "XmlRead.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <array>
#include <vector>

namespace KavrinGUIToolkit {

namespace {

QDomProcessingInstruction declaration(const QDomDocument &doc)
{
    for (QDomNode n = doc.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isProcessingInstruction()) {
            QDomProcessingInstruction pi = n.toProcessingInstruction();
            if (pi.target() == QLatin1String("xml"))
                return pi;
        }
        if (n.isElement())
            break;
    }
    return QDomProcessingInstruction();
}

void appendReference(QString &out, char32_t codePoint)
{
    out += QLatin1String("&#x") + QString::number(static_cast<uint>(codePoint), 16).toUpper() +
           QLatin1Char(';');
}

// True for a text node that the program's readers drop: empty, or of white
// space alone (QChar::isSpace, so a no-break space too).
bool vanishes(QStringView text)
{
    return text.trimmed().isEmpty();
}

// A document as the text its file holds, before it is encoded, so that the
// readers read back every node as it stands. Line breaks stand only among
// the nodes of elements that hold no text, where the reading drops them
// again; nothing is written where the reading would join two nodes into one
// or drop one that stands before another.
class DocumentWriter
{
public:
    DocumentWriter(XmlCharset &charset, const QString &encoding)
        : m_charset(charset), m_encoding(encoding)
    {
    }

    /// Writes @p doc; false, with why(), when it holds what the encoding
    /// cannot write where it stands.
    bool write(const QDomDocument &doc)
    {
        QDomNode n = doc.firstChild();
        while (!n.isNull()) {
            if (n.isElement()) {
                if (!startTag(n))
                    return false;
                QDomNode child = n.firstChild();
                if (!child.isNull()) {
                    m_out += QLatin1Char('>');
                    m_holdsText.push_back(holdsText(child));
                    if (!m_holdsText.back())
                        m_out += QLatin1Char('\n');
                    n = std::move(child);
                    continue;
                }
                m_out += QLatin1String("/>");
            } else if (n.isText()) {
                if (!textRun(n))
                    return false;
            } else if (!leaf(n)) {
                return false;
            }
            // Closes the elements that end with @p n. A line break stands
            // only among the nodes of an element that holds no text, where
            // the reading drops it again.
            for (;;) {
                if (m_holdsText.empty() || !m_holdsText.back())
                    m_out += QLatin1Char('\n');
                QDomNode next = n.nextSibling();
                if (!next.isNull()) {
                    n = std::move(next);
                    break;
                }
                n = n.parentNode();
                if (!n.isElement()) {
                    n = QDomNode();
                    break;
                }
                m_out += QLatin1String("</");
                m_out += n.nodeName();
                m_out += QLatin1Char('>');
                m_holdsText.pop_back();
            }
        }
        return true;
    }

    const QString &text() const { return m_out; }
    QString why() const { return m_why; }

private:
    bool fail(const QString &why)
    {
        m_why = why;
        return false;
    }

    bool name(const QString &name)
    {
        if (!m_charset.keepsAll(name))
            return fail(QStringLiteral("the name \"%1\"").arg(name));
        m_out += name;
        return true;
    }

    bool startTag(const QDomNode &element)
    {
        m_out += QLatin1Char('<');
        if (!name(element.nodeName()))
            return false;
        if (!element.hasAttributes())
            return true;
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.length(); ++i) {
            const QDomNode attribute = attributes.item(i);
            m_out += QLatin1Char(' ');
            if (!name(attribute.nodeName()))
                return false;
            m_out += QLatin1String("=\"");
            escaped(WithXmlCharsOnly(attribute.nodeValue()), true);
            m_out += QLatin1Char('"');
        }
        return true;
    }

    bool leaf(const QDomNode &n)
    {
        switch (n.nodeType()) {
        case QDomNode::CommentNode: {
            const QString data = WithXmlCharsOnly(n.toComment().data());
            if (!m_charset.keepsAll(data))
                return fail(QStringLiteral("a comment"));
            m_out += QLatin1String("<!--") + data + QLatin1String("-->");
            return true;
        }
        case QDomNode::ProcessingInstructionNode:
            return instruction(n.toProcessingInstruction());
        default:
            // A document type or an entity reference: the readers refuse a
            // file that declares entities.
            return fail(QStringLiteral("a node of kind %1").arg(int(n.nodeType())));
        }
    }

    bool instruction(const QDomProcessingInstruction &pi)
    {
        if (pi.target() == QLatin1String("xml") && !m_declared && pi.parentNode().isDocument()) {
            // The declaration is written for the encoding the bytes are in.
            m_out += QString::fromLatin1(XmlDeclarationBytes(m_encoding));
            m_declared = true;
            return true;
        }
        const QString data = WithXmlCharsOnly(pi.data());
        m_out += QLatin1String("<?");
        if (!name(pi.target()))
            return false;
        if (!m_charset.keepsAll(data))
            return fail(QStringLiteral("a processing instruction"));
        if (!data.isEmpty())
            m_out += QLatin1Char(' ') + data;
        m_out += QLatin1String("?>");
        return true;
    }

    struct Piece
    {
        QString data;
        bool section = false;
    };

    // Writes the run of texts and CDATA sections that starts at @p n
    // (siblings with no other node between them); @p n is then its last
    // node. Each is written as escaped text or as a CDATA section, so that
    // the reading gives back the same nodes with the same texts: two texts
    // side by side would read as one, a blank text is dropped (which, before
    // other text, makes that text the element's first), and a section can
    // hold neither "]]>" nor a reference. Each node keeps its own kind where
    // it can; a section that holds a character the encoding does not define
    // would rather be text, with the character as a reference. False when no
    // choice reads back the same.
    bool textRun(QDomNode &n)
    {
        // What each node may be, and would rather be.
        struct Choice
        {
            bool text = false;
            bool section = false;
            bool rather = false; // a section
        };
        QVarLengthArray<Choice, 4> choices;
        m_run.clear();
        for (QDomNode next = n.nextSibling();; next = n.nextSibling()) {
            Piece piece{WithXmlCharsOnly(n.nodeValue()), false};
            const bool isSection = n.nodeType() == QDomNode::CDATASectionNode;
            const bool blank = vanishes(piece.data);
            const bool closes = piece.data.contains(QLatin1String("]]>"));
            Choice choice;
            // A blank text the program set, with nothing after it that the
            // dropping would move up, may be dropped as it always was.
            choice.text = !blank || (!isSection && !next.isText());
            choice.section = !closes && m_charset.keepsAll(piece.data);
            choice.rather = isSection ? !closes && m_charset.definesAll(piece.data) : !choice.text;
            choices.append(choice);
            m_run.append(std::move(piece));
            if (!next.isText())
                break;
            n = std::move(next);
        }
        if (!planRun(choices))
            return fail(QStringLiteral("a text beside a CDATA section"));
        for (const Piece &piece : std::as_const(m_run)) {
            if (piece.section)
                m_out += QLatin1String("<![CDATA[") + piece.data + QLatin1String("]]>");
            else
                escaped(piece.data, false);
        }
        return true;
    }

    // Sets which pieces of the run are sections: fewest written as what they
    // would rather not be, no two texts side by side. False when there is no
    // such choice.
    template <typename Choices> bool planRun(const Choices &choices)
    {
        const qsizetype count = m_run.size();
        // The one text of a field, the usual case.
        if (count == 1 && choices.at(0).text && !choices.at(0).rather)
            return true;
        // best[i][s]: the fewest up to piece i written as a section (s) or
        // as text; -1 where piece i cannot be so written.
        std::vector<std::array<int, 2>> best(size_t(count), {-1, -1});
        for (qsizetype i = 0; i < count; ++i) {
            for (int section = 0; section < 2; ++section) {
                const auto &choice = choices.at(i);
                if (!(section ? choice.section : choice.text))
                    continue;
                const int cost = (section != 0) != choice.rather ? 1 : 0;
                int before = 0;
                if (i > 0) {
                    const std::array<int, 2> &previous = best[size_t(i - 1)];
                    before = previous[1];
                    if (section && previous[0] >= 0 && (before < 0 || previous[0] < before))
                        before = previous[0];
                    if (before < 0)
                        continue;
                }
                best[size_t(i)][size_t(section)] = before + cost;
            }
        }
        // Back from the last piece, each one's form fixing what may stand
        // before it.
        bool canText = true;
        for (qsizetype i = count - 1; i >= 0; --i) {
            const std::array<int, 2> &at = best[size_t(i)];
            const bool text = canText && at[0] >= 0 && (at[1] < 0 || at[0] <= at[1]);
            if (!text && at[1] < 0)
                return false;
            m_run[i].section = !text;
            canText = !text;
        }
        return true;
    }

    // @p data as text or, with @p attribute, as an attribute value in
    // double quotes: markup escaped, characters the encoding does not define
    // as references.
    void escaped(QStringView data, bool attribute)
    {
        qsizetype from = 0;
        const auto replace = [&](qsizetype at, qsizetype length, QLatin1String with) {
            m_out += data.mid(from, at - from);
            m_out += with;
            from = at + length;
        };
        for (qsizetype i = 0; i < data.size(); ++i) {
            const char16_t u = data.at(i).unicode();
            if (u < 0x80) {
                switch (u) {
                case u'<':
                    replace(i, 1, QLatin1String("&lt;"));
                    break;
                case u'&':
                    replace(i, 1, QLatin1String("&amp;"));
                    break;
                case u'>':
                    // Only "]]>" may not stand in a text.
                    if (!attribute && i >= 2 && data.at(i - 1) == u']' && data.at(i - 2) == u']')
                        replace(i, 1, QLatin1String("&gt;"));
                    break;
                case u'\r':
                    // A parser reads a carriage return written as it is as a
                    // line feed, in a text as in a value.
                    replace(i, 1, QLatin1String("&#xd;"));
                    break;
                case u'"':
                case u'\n':
                case u'\t':
                    // A value's line breaks and tabs would read as spaces.
                    if (attribute)
                        replace(i, 1,
                                u == u'"'    ? QLatin1String("&quot;")
                                : u == u'\n' ? QLatin1String("&#xa;")
                                             : QLatin1String("&#x9;"));
                    break;
                default:
                    break;
                }
                continue;
            }
            qsizetype length = 1;
            char32_t c = u;
            if (QChar::isHighSurrogate(u) && i + 1 < data.size() &&
                data.at(i + 1).isLowSurrogate()) {
                c = QChar::surrogateToUcs4(u, data.at(i + 1).unicode());
                length = 2;
            }
            if (!m_charset.defines(c)) {
                m_out += data.mid(from, i - from);
                appendReference(m_out, c);
                from = i + length;
            }
            i += length - 1;
        }
        m_out += data.mid(from);
    }

    // True when @p first or a node after it is a text or a CDATA section.
    static bool holdsText(QDomNode first)
    {
        for (QDomNode n = std::move(first); !n.isNull(); n = n.nextSibling()) {
            if (n.isText())
                return true;
        }
        return false;
    }

    XmlCharset &m_charset;
    QString m_encoding;
    // For each element open, whether it holds text.
    std::vector<bool> m_holdsText;
    // The run of texts being written.
    QVarLengthArray<Piece, 4> m_run;
    QString m_out;
    QString m_why;
    bool m_declared = false;
};

} // namespace

QString XmlDeclarationData(const QString &encoding)
{
    return QStringLiteral("version=\"1.0\" encoding=\"%1\"").arg(encoding);
}

QByteArray XmlDeclarationBytes(const QString &encoding)
{
    return "<?xml " + XmlDeclarationData(encoding).toLatin1() + "?>";
}

QString DeclaredEncoding(const QDomDocument &doc)
{
    const QDomProcessingInstruction pi = declaration(doc);
    if (!pi.isNull()) {
        static const QRegularExpression re(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
        const QRegularExpressionMatch m = re.match(pi.data());
        if (m.hasMatch())
            return m.captured(1);
    }
    return QStringLiteral("UTF-8");
}

QByteArray EncodeDomDocument(const QDomDocument &doc, QString *why)
{
    QString encoding = DeclaredEncoding(doc);
    // An encoding this platform does not know is written as UTF-8, and its
    // declaration says so, so the file still reads back as it was written.
    if (!QStringEncoder(encoding.toLatin1().constData()).isValid())
        encoding = QStringLiteral("UTF-8");
    XmlCharset charset(encoding);
    DocumentWriter writer(charset, encoding);
    if (!writer.write(doc)) {
        if (why)
            *why = writer.why() +
                   QStringLiteral(" holds what %1 cannot write there as it stands").arg(encoding);
        return QByteArray();
    }
    return charset.encode(writer.text(), why);
}

namespace {

// True for a name the XML 1.0 grammar takes as it stands, of ASCII letters,
// digits, '_', '-' and '.', not starting with a digit, '-' or '.'. Names
// already looked at are in @p plain: a document repeats a few names many
// times.
bool isPlainName(const QString &name, QSet<QString> &plain)
{
    if (plain.contains(name))
        return true;
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        const bool other = (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
        if (!letter && (i == 0 || !other))
            return false;
    }
    plain.insert(name);
    return true;
}

bool isPlainElement(const QDomElement &element, QSet<QString> &plain)
{
    if (!element.namespaceURI().isNull() || !element.prefix().isEmpty() ||
        !isPlainName(element.tagName(), plain))
        return false;
    if (!element.hasAttributes())
        return true;
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.length(); ++i) {
        const QDomNode attribute = attributes.item(i);
        if (!attribute.namespaceURI().isNull() || !attribute.prefix().isEmpty() ||
            !isPlainName(attribute.nodeName(), plain) ||
            attribute.nodeName().startsWith(QLatin1String("xml"), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

// True when the bytes EncodeDomDocument() gives for @p doc are sure to read
// back, as they are made, without parsing them again: one root element, and
// below it only elements and attributes with plain names and text. The
// serialisation escapes markup in texts and attribute values, and
// EncodeDomDocument() writes forbidden characters as U+FFFD and what GB2312
// cannot hold as character references, which stand anywhere in a text or a
// value. What is not sure (a comment, a CDATA section or a processing
// instruction, which the serialisation writes as they are; other names;
// another encoding) is parsed again before it is saved.
bool readsBackAsMade(const QDomDocument &doc)
{
    const QString encoding = DeclaredEncoding(doc);
    if (!IsGb2312(encoding) && encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
        return false;
    QSet<QString> plain;
    // The declaration, written anew by the serialisation, first; then the
    // root element and nothing else.
    QDomElement root;
    for (QDomNode n = doc.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n == doc.firstChild() && n.isProcessingInstruction() &&
            n.toProcessingInstruction().target() == QLatin1String("xml"))
            continue;
        if (!n.isElement() || !root.isNull())
            return false;
        root = n.toElement();
    }
    if (root.isNull())
        return false;
    // Every node below the root, in document order, without recursion.
    QDomNode n = root;
    for (;;) {
        if (n.isElement()) {
            if (!isPlainElement(n.toElement(), plain))
                return false;
            if (const QDomNode child = n.firstChild(); !child.isNull()) {
                n = child;
                continue;
            }
        } else if (n.nodeType() != QDomNode::TextNode) {
            return false;
        }
        while (n != root && n.nextSibling().isNull())
            n = n.parentNode();
        if (n == root)
            return true;
        n = n.nextSibling();
    }
}

} // namespace

bool SaveDomDocument(const QDomDocument &doc, const QString &path, QString *error,
                     SaveFailure *failure)
{
    auto fail = [&](const QString &why, SaveFailure kind) {
        if (error)
            *error = why;
        if (failure)
            *failure = kind;
        return false;
    };
    if (failure)
        *failure = SaveFailure::None;
    if (path.isEmpty())
        return fail(QStringLiteral("empty file name"), SaveFailure::Other);
    QString why;
    const QByteArray bytes = EncodeDomDocument(doc, &why);
    if (bytes.isEmpty() && !why.isEmpty())
        return fail(QStringLiteral("the document would not read back: ") + why,
                    SaveFailure::WouldNotReadBack);
    // Last guards before the old file is replaced: bytes that would not read
    // back would lock the planner out of everything the file holds. The
    // reader's own limits first, by its own scan of the bytes.
    QString limit;
    if (BrokenXmlLimit(bytes, &limit) != XmlLimit::None)
        return fail(QStringLiteral("the file would not be read again: ") + limit,
                    SaveFailure::BeyondReadLimits);
    // A document of the program's usual kind reads back as it is made; any
    // other is parsed again, as the readers parse it, which costs more than
    // half of parsing it.
    if (!readsBackAsMade(doc)) {
        QXmlStreamReader reader(bytes);
        PrepareXmlStreamReader(reader);
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError()) {
            return fail(QStringLiteral("the document would not read back: ") + reader.errorString(),
                        SaveFailure::WouldNotReadBack);
        }
    }
    return SaveWholeFile(path, bytes, error, failure);
}

bool IsXmlText(const QString &text)
{
    // A forbidden character comes back as U+FFFD, so the text then differs.
    return WithXmlCharsOnly(text) == text;
}

} // namespace KavrinGUIToolkit
