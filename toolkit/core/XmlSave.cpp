#include "XmlSave.h"

#include "File.h"

#include <QDomDocument>
#include <QDomProcessingInstruction>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>
#include <QXmlStreamReader>

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

QString hexReference(char32_t codePoint)
{
    return QStringLiteral("&#x") + QString::number(static_cast<uint>(codePoint), 16).toUpper() +
           QLatin1Char(';');
}

// The characters an XML 1.0 document may hold, as text or as a reference.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// @p text with every character XML 1.0 forbids replaced by U+FFFD: C0 controls
// other than tab, line feed and carriage return, U+FFFE, U+FFFF and a
// surrogate without its partner (what cutting a remark in the middle of an
// emoji leaves). Written as they are, or as references, they would make the
// whole file unreadable, and every other text in it with it.
QString withXmlCharsOnly(const QString &text)
{
    // Most texts hold no control character and no surrogate at all: one
    // tight pass tells, and only from the first such unit on is each
    // character looked at.
    const qsizetype n = text.size();
    const char16_t *const units = QStringView(text).utf16();
    qsizetype first = 0;
    for (; first < n; ++first) {
        const char16_t u = units[first];
        if (u < 0x20 ? (u != 0x9 && u != 0xA && u != 0xD)
                     : (u >= 0xD800 && (u <= 0xDFFF || u >= 0xFFFE)))
            break;
    }
    if (first == n)
        return text;
    QString out;
    bool replaced = false;
    for (qsizetype i = first; i < n;) {
        const char16_t u = text.at(i).unicode();
        qsizetype len = 1;
        char32_t cp = u;
        if (QChar::isHighSurrogate(u) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            len = 2;
            cp = QChar::surrogateToUcs4(u, text.at(i + 1).unicode());
        }
        if (isXmlChar(cp)) {
            if (replaced)
                out.append(text.constData() + i, len);
        } else {
            if (!replaced) {
                out = text.left(i);
                out.reserve(n);
                replaced = true;
            }
            out.append(QChar(QChar::ReplacementCharacter));
        }
        i += len;
    }
    return replaced ? out : text;
}

bool isGb2312(const QString &encoding)
{
    return encoding.compare(QLatin1String("GB2312"), Qt::CaseInsensitive) == 0 ||
           encoding.compare(QLatin1String("EUC-CN"), Qt::CaseInsensitive) == 0;
}

// True when @p bytes hold only what GB2312 defines: ASCII bytes, and pairs
// whose lead byte lies in A1-F7 outside the empty rows AA-AF and whose trail
// byte lies in A1-FE. The platform's converter of that name is wider: it puts
// C1 controls out as single high bytes and some characters (such as U+3007)
// into rows GB2312 leaves empty, which other readers take for other
// characters.
bool isPlainGb2312(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = uchar(bytes.at(i));
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= n)
            return false;
        const uchar trail = uchar(bytes.at(i + 1));
        if (lead < 0xA1 || lead > 0xF7 || (lead >= 0xAA && lead <= 0xAF) || trail < 0xA1 ||
            trail > 0xFE)
            return false;
        i += 2;
    }
    return true;
}

// Encodes text code point by code point, replacing what the encoding cannot
// represent with character references. Only used when the fast path found a
// character that does not survive the round trip. ASCII (and so all markup)
// is copied as it is; a code point counts as representable when it decodes
// back to itself (encoders report errors inconsistently across code pages)
// and, for GB2312, when its bytes are a GB2312 pair. @p text holds only XML
// characters, so every surrogate has its partner.
QByteArray encodeWithReferences(const QString &text, const QString &encoding)
{
    const QByteArray name = encoding.toLatin1();
    const bool gb2312 = isGb2312(encoding);
    QHash<char32_t, QByteArray> known; // empty: written as a reference
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            ++i;
            continue;
        }
        const qsizetype len = c.isHighSurrogate() ? 2 : 1;
        const char32_t cp =
            len == 2 ? QChar::surrogateToUcs4(c, text.at(i + 1)) : char32_t(c.unicode());
        auto it = known.constFind(cp);
        if (it == known.constEnd()) {
            const QString unit = text.mid(i, len);
            QStringEncoder encoder(name.constData());
            QStringDecoder decoder(name.constData());
            QByteArray bytes = encoder.encode(unit);
            const bool held = !bytes.isEmpty() && decoder.decode(bytes) == unit &&
                              (!gb2312 || (bytes.size() == 2 && isPlainGb2312(bytes)));
            if (!held)
                bytes.clear();
            it = known.insert(cp, bytes);
        }
        out += it->isEmpty() ? hexReference(cp).toLatin1() : *it;
        i += len;
    }
    return out;
}

} // namespace

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

namespace {

// The document as text, with the declaration written for @p encoding.
// QDomDocument's own serialisation is not used for the whole document: it
// rewrites the declaration and only knows Qt's built-in encodings.
QString serialise(const QDomDocument &doc, const QString &encoding)
{
    QString text;
    QTextStream stream(&text);
    for (QDomNode n = doc.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isProcessingInstruction() &&
            n.toProcessingInstruction().target() == QLatin1String("xml")) {
            stream << "<?xml version=\"1.0\" encoding=\"" << encoding << "\"?>\n";
            continue;
        }
        n.save(stream, 0);
    }
    stream.flush();
    return withXmlCharsOnly(text);
}

} // namespace

QByteArray EncodeDomDocument(const QDomDocument &doc)
{
    const QString declared = DeclaredEncoding(doc);
    QStringEncoder probe(declared.toLatin1().constData());
    if (!probe.isValid()) {
        // Unknown encoding: write UTF-8 and say so in the declaration, so the
        // file still reads back as it was written.
        return serialise(doc, QStringLiteral("UTF-8")).toUtf8();
    }

    const QString text = serialise(doc, declared);
    // Plain ASCII is the same in every encoding the program writes.
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    const bool wide = declared.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive) ||
                      declared.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive) ||
                      declared.startsWith(QLatin1String("UCS"), Qt::CaseInsensitive);
    if (ascii && !wide)
        return text.toLatin1();
    const QByteArray bytes = probe.encode(text);
    QStringDecoder check(declared.toLatin1().constData());
    if (check.decode(bytes) == text && (!isGb2312(declared) || isPlainGb2312(bytes)))
        return bytes;
    return encodeWithReferences(text, declared);
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
    if (!isGb2312(encoding) && encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
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
    const QByteArray bytes = EncodeDomDocument(doc);
    // Last guard before the old file is replaced: bytes that would not read
    // back would lock the planner out of everything the file holds. A
    // document of the program's usual kind reads back as it is made; any
    // other is parsed again, which costs more than half of parsing it.
    if (!readsBackAsMade(doc)) {
        QXmlStreamReader reader(bytes);
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError()) {
            return fail(QStringLiteral("the document would not read back: ") + reader.errorString(),
                        SaveFailure::Other);
        }
    }
    return SaveWholeFile(path, bytes, error, failure);
}

bool IsXmlText(const QString &text)
{
    // A forbidden character comes back as U+FFFD, so the text then differs.
    return withXmlCharsOnly(text) == text;
}

} // namespace KavrinGUIToolkit
