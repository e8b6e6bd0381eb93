#include "XmlSave.h"

#include <QDomDocument>
#include <QDomProcessingInstruction>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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
// character that does not survive the round trip.
QByteArray encodeWithReferences(const QString &text, const QString &encoding)
{
    QStringEncoder encoder(encoding.toLatin1().constData());
    QStringDecoder decoder(encoding.toLatin1().constData());
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString unit = text.mid(i, len);
        const QByteArray bytes = encoder.encode(unit);
        if (!encoder.hasError() && decoder.decode(bytes) == unit) {
            out += bytes;
        } else {
            const char32_t cp = len == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                         : char32_t(text.at(i).unicode());
            out += hexReference(cp).toLatin1();
            encoder.resetState();
        }
        decoder.resetState();
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

QByteArray EncodeDomDocument(const QDomDocument &doc)
{
    QString encoding = DeclaredEncoding(doc);
    QString text = doc.toString(0);

    QStringEncoder probe(encoding.toLatin1().constData());
    if (!probe.isValid()) {
        // Unknown encoding: write UTF-8 and say so in the declaration, so the
        // file still reads back as it was written.
        QDomDocument copy = doc.cloneNode(true).toDocument();
        QDomProcessingInstruction pi = declaration(copy);
        if (!pi.isNull())
            pi.setData(QStringLiteral("version=\"1.0\" encoding=\"UTF-8\""));
        return copy.toString(0).toUtf8();
    }

    const QByteArray bytes = probe.encode(text);
    QStringDecoder check(encoding.toLatin1().constData());
    if (!probe.hasError() && check.decode(bytes) == text)
        return bytes;
    return encodeWithReferences(text, encoding);
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
