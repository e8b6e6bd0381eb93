#include "XmlSave.h"

#include <QDomDocument>
#include <QDomProcessingInstruction>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>

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
    return QStringLiteral("&#x") + QString::number(static_cast<uint>(codePoint), 16).toUpper()
           + QLatin1Char(';');
}

// Encodes text code point by code point, replacing what the encoding cannot
// represent with character references. Only used when the fast path found a
// character that does not survive the round trip. ASCII (and so all markup)
// is copied as it is; a code point counts as representable when it decodes
// back to itself (encoders report errors inconsistently across code pages).
QByteArray encodeWithReferences(const QString &text, const QString &encoding)
{
    const QByteArray name = encoding.toLatin1();
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            ++i;
            continue;
        }
        const qsizetype len = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString unit = text.mid(i, len);
        QStringEncoder encoder(name.constData());
        QStringDecoder decoder(name.constData());
        const QByteArray bytes = encoder.encode(unit);
        if (decoder.decode(bytes) == unit && !bytes.isEmpty()) {
            out += bytes;
        } else {
            const char32_t cp = len == 2 ? QChar::surrogateToUcs4(c, text.at(i + 1))
                                         : char32_t(c.unicode());
            out += hexReference(cp).toLatin1();
        }
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
        if (n.isProcessingInstruction() && n.toProcessingInstruction().target() == QLatin1String("xml")) {
            stream << "<?xml version=\"1.0\" encoding=\"" << encoding << "\"?>\n";
            continue;
        }
        n.save(stream, 0);
    }
    stream.flush();
    return text;
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
    const bool wide = declared.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive)
                      || declared.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive)
                      || declared.startsWith(QLatin1String("UCS"), Qt::CaseInsensitive);
    if (ascii && !wide)
        return text.toLatin1();
    const QByteArray bytes = probe.encode(text);
    QStringDecoder check(declared.toLatin1().constData());
    if (check.decode(bytes) == text)
        return bytes;
    return encodeWithReferences(text, declared);
}

bool SaveDomDocument(const QDomDocument &doc, const QString &path, QString *error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty file name");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = EncodeDomDocument(doc);
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace KavrinGUIToolkit
