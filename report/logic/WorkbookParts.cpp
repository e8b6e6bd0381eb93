#include "WorkbookParts.h"

#include "ReportLogging.h"

#include <QByteArrayView>
#include <QFile>

#include <zlib.h>

namespace kiv {

namespace {

constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr quint32 kLocalHeader = 0x04034b50;
constexpr qsizetype kEndOfDirectorySize = 22;
constexpr qsizetype kDirectoryEntrySize = 46;
constexpr qsizetype kLocalHeaderSize = 30;
// Deflate packs at most about 1032 bytes into one. An entry that claims
// more than that is damaged; it is not given the memory it asks for.
constexpr quint64 kMostInflation = 1032;

quint32 number(QByteArrayView bytes, qsizetype at, int size)
{
    if (at < 0 || at + size > bytes.size())
        return 0;
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where @p what starts in @p text at or after @p from; -1 when it does not.
qsizetype find(QByteArrayView text, qsizetype from, QByteArrayView what)
{
    const qsizetype at = text.sliced(from).indexOf(what);
    return at < 0 ? -1 : from + at;
}

// True when the last markup of @p xml closes the element its first markup
// opens. The library writes a part front to back, so a part that a full
// disk cut off ends inside that element; reading the whole part as XML
// tells the same at a good share of the export's time.
bool rootIsClosed(QByteArrayView xml)
{
    qsizetype at = 0;
    // The declaration, comments and blanks before the root element.
    for (;;) {
        while (at < xml.size() && isSpace(xml.at(at)))
            ++at;
        const QByteArrayView rest = xml.sliced(at);
        if (rest.startsWith("<?"))
            at = find(xml, at + 2, "?>");
        else if (rest.startsWith("<!--"))
            at = find(xml, at + 4, "-->");
        else
            break;
        if (at < 0)
            return false;
        at += rest.startsWith("<?") ? 2 : 3;
    }
    if (at >= xml.size() || xml.at(at) != '<')
        return false;
    const qsizetype nameStart = ++at;
    while (at < xml.size() && !isSpace(xml.at(at)) && xml.at(at) != '>' && xml.at(at) != '/')
        ++at;
    const QByteArrayView name = xml.sliced(nameStart, at - nameStart);
    if (name.isEmpty())
        return false;

    qsizetype end = xml.size();
    while (end > 0 && isSpace(xml.at(end - 1)))
        --end;
    if (end == 0 || xml.at(end - 1) != '>')
        return false;
    qsizetype close = end - 1;
    while (close > at && isSpace(xml.at(close - 1)))
        --close;
    const qsizetype closing = close - name.size() - 2;
    if (closing > at && xml.sliced(closing, 2) == "</" &&
        xml.sliced(closing + 2, name.size()) == name)
        return true;

    // An empty root element, <name .../>, ends the part itself.
    char quote = 0;
    for (; at < end; ++at) {
        const char c = xml.at(at);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
    }
    return at == end - 1 && xml.at(at - 1) == '/';
}

// Unpacks the part @p packed into @p buffer when it is deflated; @p part
// then shows its bytes. False when they do not unpack to @p size bytes.
bool unpack(QByteArrayView packed, int method, quint32 size, z_stream &stream, QByteArray &buffer,
            QByteArrayView &part)
{
    if (method == 0) {
        part = packed;
        return quint32(packed.size()) == size;
    }
    if (method != Z_DEFLATED || quint64(size) > quint64(packed.size()) * kMostInflation + 64)
        return false;
    buffer.resize(qsizetype(size));
    if (inflateReset(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
    stream.avail_out = uInt(buffer.size());
    const int result = inflate(&stream, Z_FINISH);
    part = QByteArrayView(buffer.constData(), buffer.size());
    return result == Z_STREAM_END && stream.total_out == size;
}

bool partsAreWhole(QByteArrayView bytes)
{
    qsizetype end = bytes.size() - kEndOfDirectorySize;
    while (end >= 0 && number(bytes, end, 4) != kEndOfDirectory)
        --end;
    if (end < 0)
        return false;
    const quint32 entries = number(bytes, end + 10, 2);
    qsizetype entry = number(bytes, end + 16, 4);
    if (entries == 0)
        return false;

    z_stream stream{};
    // Negative window bits: the raw deflate stream a zip entry holds.
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    QByteArray buffer;
    bool whole = true;
    for (quint32 n = 0; whole && n < entries; ++n) {
        if (number(bytes, entry, 4) != kDirectoryEntry) {
            whole = false;
            break;
        }
        const int method = int(number(bytes, entry + 10, 2));
        const quint32 crc = number(bytes, entry + 16, 4);
        const quint32 packedSize = number(bytes, entry + 20, 4);
        const quint32 size = number(bytes, entry + 24, 4);
        const qsizetype nameSize = number(bytes, entry + 28, 2);
        const qsizetype local = number(bytes, entry + 42, 4);
        const qsizetype nameAt = entry + kDirectoryEntrySize;
        entry = nameAt + nameSize + qsizetype(number(bytes, entry + 30, 2)) +
                qsizetype(number(bytes, entry + 32, 2));
        if (nameAt + nameSize > bytes.size() || number(bytes, local, 4) != kLocalHeader) {
            whole = false;
            break;
        }
        const QByteArrayView name = bytes.sliced(nameAt, nameSize);
        const qsizetype data = local + kLocalHeaderSize + qsizetype(number(bytes, local + 26, 2)) +
                               qsizetype(number(bytes, local + 28, 2));
        if (data + qsizetype(packedSize) > bytes.size()) {
            whole = false;
            break;
        }
        QByteArrayView part;
        whole = unpack(bytes.sliced(data, packedSize), method, size, stream, buffer, part) &&
                crc32(0, reinterpret_cast<const Bytef *>(part.data()), uInt(part.size())) == crc &&
                (!(name.endsWith(".xml") || name.endsWith(".rels")) || rootIsClosed(part));
        if (!whole)
            qCDebug(lcReport) << "the workbook's part" << QString::fromUtf8(name) << "is not whole";
    }
    inflateEnd(&stream);
    return whole;
}

} // namespace

bool workbookPartsAreWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Mapped when it can be: the workbook is read once, front to back.
    if (const uchar *mapped = file.map(0, file.size()))
        return partsAreWhole(QByteArrayView(mapped, file.size()));
    const QByteArray bytes = file.readAll();
    return partsAreWhole(bytes);
}

} // namespace kiv
