#include "XmlRead.h"

#include <QByteArray>
#include <QDomDocument>
#include <QIODevice>
#include <QXmlStreamReader>

#include <cstring>
#include <utility>

namespace KavrinGUIToolkit {

namespace {

struct ShapeFault
{
    XmlLimit limit = XmlLimit::None;
    /// Offset of the tag that broke the limit.
    qsizetype at = -1;
    QString reason;
};

// A byte scan, linear in the size, that finds a nesting or an attribute
// count beyond the limits before the parser, which is quadratic in both,
// sees the bytes, and an element count beyond what a large task holds; and a document type, whose
// entities can make a file of kilobytes expand to gigabytes of text. It only needs to be right for
// text that could parse: whatever else it lets through, the parser refuses.
ShapeFault findShapeFault(const QByteArray &bytes)
{
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    // Position just after @p end searched from @p from; size when absent.
    const auto after = [&](qsizetype from, const char *end) {
        const qsizetype found = bytes.indexOf(end, from);
        return found < 0 ? size : found + qsizetype(qstrlen(end));
    };
    const auto startsWith = [&](qsizetype at, const char *text) {
        const qsizetype length = qsizetype(qstrlen(text));
        return at + length <= size && qstrncmp(data + at, text, size_t(length)) == 0;
    };

    int depth = 0;
    int elements = 0;
    qsizetype i = 0;
    while (i < size) {
        const void *open = std::memchr(data + i, '<', size_t(size - i));
        if (!open)
            break;
        i = static_cast<const char *>(open) - data;
        const char next = i + 1 < size ? data[i + 1] : '\0';
        if (next == '!' && startsWith(i, "<!--")) {
            i = after(i + 4, "-->");
        } else if (next == '!' && startsWith(i, "<![CDATA[")) {
            i = after(i + 9, "]]>");
        } else if (next == '?') {
            i = after(i + 2, "?>");
        } else if (next == '!' && startsWith(i, "<!DOCTYPE")) {
            return {XmlLimit::DocumentType, i, QStringLiteral("a document type declaration")};
        } else if (next == '/') {
            --depth;
            const void *close = std::memchr(data + i + 2, '>', size_t(size - i - 2));
            i = close ? static_cast<const char *>(close) - data + 1 : size;
        } else {
            // A start tag, or markup that cannot stand in content (which the
            // parser refuses whatever is counted here).
            const qsizetype tag = i;
            int attributes = 0;
            char quote = 0;
            qsizetype j = i + 1;
            for (; j < size; ++j) {
                const char c = data[j];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '=') {
                    ++attributes;
                } else if (c == '>') {
                    break;
                }
            }
            if (attributes > kMaxXmlAttributes)
                return {XmlLimit::Attributes, tag,
                        QStringLiteral("more than %1 attributes on one element")
                            .arg(kMaxXmlAttributes)};
            if (++elements > kMaxXmlElements)
                return {XmlLimit::Elements, tag,
                        QStringLiteral("more than %1 elements").arg(kMaxXmlElements)};
            const bool empty = j < size && data[j - 1] == '/';
            if (!empty && ++depth > kMaxXmlDepth)
                return {XmlLimit::Depth, tag,
                        QStringLiteral("elements nested more than %1 deep").arg(kMaxXmlDepth)};
            i = j + 1;
        }
    }
    return {};
}

void setWhere(const QByteArray &bytes, qsizetype at, int *line, int *column)
{
    const qsizetype lineStart = bytes.lastIndexOf('\n', at - 1) + 1;
    if (line)
        *line = int(bytes.left(at).count('\n')) + 1;
    if (column)
        *column = int(at - lineStart) + 1;
}

} // namespace

XmlLimit BrokenXmlLimit(const QByteArray &bytes, QString *message, int *line, int *column)
{
    if (line)
        *line = 0;
    if (column)
        *column = 0;
    if (bytes.size() > kMaxXmlFileBytes) {
        if (message)
            *message = QStringLiteral("larger than %1 bytes").arg(kMaxXmlFileBytes);
        return XmlLimit::FileSize;
    }
    const ShapeFault fault = findShapeFault(bytes);
    if (fault.limit != XmlLimit::None) {
        if (message)
            *message = fault.reason;
        setWhere(bytes, fault.at, line, column);
    }
    return fault.limit;
}

bool ReadXmlBytes(QIODevice &device, QByteArray *bytes, QString *message, int *line, int *column)
{
    // One byte past the limit tells a file that is too large without
    // holding more of it than the limit. A file's bytes go into an array of
    // their own size, which stays alive beside the parsed document: one that
    // grows while it is read ends up near twice a large file's size.
    QByteArray read;
    const qint64 left = device.isSequential() ? -1 : device.size() - device.pos();
    if (left >= 0 && left <= kMaxXmlFileBytes) {
        read.resize(left);
        const qint64 got = device.read(read.data(), left);
        read.truncate(got < 0 ? 0 : got);
        // A file that grew since its size was taken is read to the limit.
        if (device.bytesAvailable() > 0 || !device.atEnd())
            read.append(device.read(kMaxXmlFileBytes + 1 - read.size()));
    } else {
        read = device.read(kMaxXmlFileBytes + 1);
    }
    if (BrokenXmlLimit(read, message, line, column) != XmlLimit::None)
        return false;
    *bytes = std::move(read);
    return true;
}

void PrepareXmlStreamReader(QXmlStreamReader &reader)
{
    // As QDomDocument::setContent() reads without namespace processing: a
    // prefix is part of the element's name, and an undeclared one is no
    // error.
    reader.setNamespaceProcessing(false);
}

bool ReadXmlDocument(QIODevice &device, QDomDocument *document, QString *message, int *line,
                     int *column)
{
    QByteArray bytes;
    if (!ReadXmlBytes(device, &bytes, message, line, column))
        return false;
    QDomDocument parsed;
    QString error;
    int errorLine = 0;
    int errorColumn = 0;
    if (!parsed.setContent(bytes, &error, &errorLine, &errorColumn)) {
        if (message)
            *message = error;
        if (line)
            *line = errorLine;
        if (column)
            *column = errorColumn;
        return false;
    }
    *document = parsed;
    return true;
}

} // namespace KavrinGUIToolkit
