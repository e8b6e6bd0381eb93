#include "WorkbookParts.h"

#include "ReportLogging.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zlib.h>

namespace kiv {

namespace {

constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr quint32 kLocalHeader = 0x04034b50;
constexpr int kEndOfDirectorySize = 22;
constexpr int kDirectoryEntrySize = 46;
constexpr int kLocalHeaderSize = 30;

quint32 number(const QByteArray &bytes, qsizetype at, int size)
{
    if (at < 0 || at + size > bytes.size())
        return 0;
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// The part's bytes unpacked; false when they do not unpack whole.
bool unpack(const QByteArray &packed, int method, quint32 size, QByteArray &out)
{
    if (method == 0) {
        out = packed;
        return quint32(out.size()) == size;
    }
    if (method != Z_DEFLATED)
        return false;
    out.resize(qsizetype(size));
    z_stream stream{};
    // Negative window bits: the raw deflate stream a zip entry holds.
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    return whole;
}

bool readsToItsEnd(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

bool workbookPartsAreWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    qsizetype end = bytes.size() - kEndOfDirectorySize;
    while (end >= 0 && number(bytes, end, 4) != kEndOfDirectory)
        --end;
    if (end < 0)
        return false;
    const quint32 entries = number(bytes, end + 10, 2);
    qsizetype entry = number(bytes, end + 16, 4);
    if (entries == 0)
        return false;
    for (quint32 n = 0; n < entries; ++n) {
        if (number(bytes, entry, 4) != kDirectoryEntry)
            return false;
        const int method = int(number(bytes, entry + 10, 2));
        const quint32 packedSize = number(bytes, entry + 20, 4);
        const quint32 size = number(bytes, entry + 24, 4);
        const int nameSize = int(number(bytes, entry + 28, 2));
        const qsizetype local = number(bytes, entry + 42, 4);
        const QString name = QString::fromUtf8(bytes.mid(entry + kDirectoryEntrySize, nameSize));
        entry += kDirectoryEntrySize + nameSize + qsizetype(number(bytes, entry + 30, 2)) +
                 qsizetype(number(bytes, entry + 32, 2));

        if (number(bytes, local, 4) != kLocalHeader)
            return false;
        const qsizetype data = local + kLocalHeaderSize + qsizetype(number(bytes, local + 26, 2)) +
                               qsizetype(number(bytes, local + 28, 2));
        if (data + qsizetype(packedSize) > bytes.size())
            return false;
        QByteArray part;
        if (!unpack(bytes.mid(data, packedSize), method, size, part) ||
            ((name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".rels"))) &&
             !readsToItsEnd(part))) {
            qCDebug(lcReport) << "the workbook's part" << name << "is not whole";
            return false;
        }
    }
    return true;
}

} // namespace kiv
