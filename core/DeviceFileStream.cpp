#include "DeviceFileStream.h"

#include "CoreLogging.h"
#include "DeviceFileFormat.h"

#include <File.h>
#include <XmlRead.h>
#include <XmlSave.h>

#include <QFile>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

using namespace devicefile;

namespace {

// True when the reader's text token becomes a text node of the parsed
// document, which drops text of white space alone (QChar::isSpace, so a
// no-break space too) unless it is a CDATA section.
bool isTextNode(QStringView text, bool cdata)
{
    return cdata || !text.trimmed().isEmpty();
}

int toInt(const QString &text)
{
    return text.toInt(nullptr, 10);
}

// Reads the entries as TaskDeviceFile's accessors find them in the parsed
// document, one token at a time. An entry is any element under the root; a
// field of an entry, of a stream or of an accessory is the first element of
// that name anywhere below it, in document order (which is the order of the
// start tags), and its text is the text of its first text child; the streams
// are the elements directly under the entry's first stream list.
//
// Each element is claimed by at most one field, since the names of the
// entry's, the streams' and the accessories' fields differ; the claim is a
// pointer into the entry being read, which stays where it is while any of
// its elements is open (entries and streams are only added once the
// elements before them are closed).
class EntryReader
{
public:
    EntryReader(DeviceParts parts, QVector<DeviceRecord> &out) : m_parts(parts), m_out(out) {}

    /// Reads @p bytes token by token; false when the document would not
    /// take them.
    bool read(const QByteArray &bytes)
    {
        QXmlStreamReader reader(bytes);
        KavrinGUIToolkit::PrepareXmlStreamReader(reader);
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::StartElement:
                if (!startElement(reader.qualifiedName()))
                    return false;
                break;
            case QXmlStreamReader::EndElement:
                end();
                break;
            case QXmlStreamReader::Characters:
                if (!characters(reader.text(), reader.isCDATA()))
                    return false;
                break;
            default:
                break;
            }
        }
        return !reader.hasError() && m_rootSeen;
    }

    enum class Plain { Read, Refused, Unsure };

    /// Reads @p bytes when they are of the plain shape the program saves,
    /// whatever text it saved: its own declaration, then elements with ASCII
    /// names and no attributes, and text that may hold the entities XML
    /// predefines, character references, tabs, line ends of any kind and
    /// GB2312 characters, but no CDATA section, comment or instruction. That
    /// shape takes a scan of its bytes instead of a general parser, and reads
    /// exactly as the parser reads it. Unsure, with the entries read so far
    /// left behind, as soon as the bytes are of any other shape, well-formed
    /// or not: only the parser may then say what they hold.
    Plain readPlain(const QByteArray &bytes)
    {
        static const QByteArray declaration = KavrinGUIToolkit::XmlDeclarationBytes(
            QLatin1String(KavrinGUIToolkit::kDataFileEncoding));
        if (!bytes.startsWith(declaration))
            return Plain::Unsure;
        const char *p = bytes.constData() + declaration.size();
        const char *const last = bytes.constData() + bytes.size();
        QVarLengthArray<char16_t, 64> name;
        while (p < last) {
            if (*p != '<') {
                const char *const text = p;
                p = static_cast<const char *>(std::memchr(p, '<', size_t(last - p)));
                if (!p)
                    p = last;
                const QByteArrayView run(text, p - text);
                if (isBlank(run))
                    continue;
                // Text outside the root element is for the parser to refuse.
                if (m_open.empty())
                    return Plain::Unsure;
                // Every character is checked, read or not: one the parser
                // would not take makes the whole file damaged.
                QString *const field = m_open.back().text;
                if (!decodeText(run, field ? &m_text : nullptr))
                    return Plain::Unsure;
                if (field)
                    characters(m_text, false);
                continue;
            }
            // A tag: <Name>, <Name/> or </Name>, with nothing inside it but
            // blanks before its end.
            ++p;
            const bool closing = p < last && *p == '/';
            if (closing)
                ++p;
            const char *const start = p;
            for (; p < last && isNameByte(uchar(*p), p == start); ++p) {
            }
            const QByteArrayView tag(start, p - start);
            for (; p < last && isBlankByte(*p); ++p) {
            }
            const bool empty = !closing && p < last && *p == '/';
            if (empty)
                ++p;
            if (tag.isEmpty() || p == last || *p != '>')
                return Plain::Unsure;
            ++p;
            if (closing) {
                if (m_open.empty() || m_open.back().name != tag)
                    return Plain::Unsure;
                end();
            } else {
                name.resize(tag.size());
                for (qsizetype i = 0; i < tag.size(); ++i)
                    name[i] = char16_t(uchar(tag[i]));
                if (!startElement(QStringView(name.constData(), name.size()), tag))
                    return Plain::Refused;
                if (empty)
                    end();
            }
            // The root element is closed: what follows is looked at below.
            if (m_open.empty())
                break;
        }
        if (!m_open.empty() || !m_rootSeen)
            return Plain::Unsure;
        // Nothing but blanks may follow the root element.
        return isBlank(QByteArrayView(p, last - p)) ? Plain::Read : Plain::Unsure;
    }

private:
    // A start tag of @p name (as it stands in the bytes: @p raw, for the
    // scan); false when the document would refuse it: a second root element,
    // or a root element of another name.
    bool startElement(QStringView name, QByteArrayView raw = {})
    {
        if (m_open.empty()) {
            if (m_rootSeen || name != kRoot)
                return false;
            m_rootSeen = true;
        }
        start(name, raw);
        return true;
    }

    // Text, or a CDATA section, inside or outside the elements; false when
    // the document would refuse it: text outside the root element. The
    // parser lets only white space through there, which the document drops.
    bool characters(QStringView text, bool cdata)
    {
        const bool textNode = isTextNode(text, cdata);
        if (m_open.empty())
            return !textNode;
        QString *&field = m_open.back().text;
        if (field && textNode) {
            *field = text.toString();
            field = nullptr;
        }
        return true;
    }

    // A byte of white space as XML has it.
    static bool isBlankByte(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    static bool isBlank(QByteArrayView bytes)
    {
        return std::all_of(bytes.begin(), bytes.end(), isBlankByte);
    }

    // An ASCII name character; a prefix (a colon), and any other letter, is
    // left to the parser.
    static bool isNameByte(uchar c, bool first)
    {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        return first ? letter : letter || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }

    // Decodes a run of text between two tags into @p out (when given) as the
    // parser decodes it: a line end of CR LF, or a CR alone, is a line feed,
    // and entities and character references are the characters they stand
    // for. False when the parser would refuse the text, and for what the
    // scan leaves to the parser: an entity XML does not predefine, or a
    // reference of another form than "&#" decimal digits ";" or "&#x"
    // hexadecimal digits ";".
    bool decodeText(QByteArrayView run, QString *out)
    {
        if (out)
            out->clear();
        const char *p = run.begin();
        const char *const end = run.end();
        // The ASCII characters not yet added to @p out, which stand for
        // themselves.
        const char *same = p;
        const auto addSame = [&] {
            if (out && p > same)
                out->append(QLatin1StringView(same, p - same));
        };
        while (p < end) {
            const uchar c = uchar(*p);
            if (c >= ' ' && c != '&' && c != ']' && c < 0x80) {
                ++p;
                continue;
            }
            if (c == '\t' || c == '\n' ||
                (c == ']' && !(end - p >= 3 && p[1] == ']' && p[2] == '>'))) {
                ++p;
                continue;
            }
            addSame();
            if (c == '\r') {
                p += p + 1 < end && p[1] == '\n' ? 2 : 1;
                if (out)
                    out->append(QLatin1Char('\n'));
            } else if (c == '&') {
                char32_t referred = 0;
                if (!readReference(p, end, &referred))
                    return false;
                if (out)
                    out->append(QChar::fromUcs4(referred));
            } else if (c >= 0x80) {
                // A GB2312 character is two bytes of 0x80 and above: a run of
                // such bytes decodes alone as it decodes in the whole file.
                const char *const high = p;
                for (; p < end && uchar(*p) >= 0x80; ++p) {
                }
                if (!decodeGb2312(QByteArrayView(high, p - high), out))
                    return false;
            } else {
                // A control character, or "]]>".
                return false;
            }
            same = p;
        }
        addSame();
        return true;
    }

    // Reads the entity or character reference at @p p, moving @p p past it,
    // into @p c; false for one the scan leaves to the parser.
    static bool readReference(const char *&p, const char *end, char32_t *c)
    {
        static const std::pair<QByteArrayView, char32_t> entities[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
        const QByteArrayView rest(p, end - p);
        for (const auto &[entity, character] : entities) {
            if (rest.startsWith(entity)) {
                p += entity.size();
                *c = character;
                return true;
            }
        }
        if (!rest.startsWith("&#"))
            return false;
        const bool hex = rest.startsWith("&#x");
        const char *q = p + (hex ? 3 : 2);
        const char *const digits = q;
        char32_t value = 0;
        for (; q < end && *q != ';'; ++q) {
            const int digit = digitValue(*q, hex);
            if (digit < 0)
                return false;
            value = value * (hex ? 16 : 10) + char32_t(digit);
            if (value > 0x10FFFF)
                return false;
        }
        if (q == digits || q == end || !isXmlChar(value))
            return false;
        p = q + 1;
        *c = value;
        return true;
    }

    // The value of the decimal or hexadecimal digit @p c; -1 for another
    // character.
    static int digitValue(char c, bool hex)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (hex && c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (hex && c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // A character an XML document may hold.
    static bool isXmlChar(char32_t c)
    {
        return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
               (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
    }

    // Decodes @p bytes, all of 0x80 and above, and appends them to @p out
    // (when given); false when a sequence is not GB2312. One decoder serves
    // every run of a file: it keeps no state from one run to the next, and
    // the first error ends the scan.
    bool decodeGb2312(QByteArrayView bytes, QString *out)
    {
        if (!m_decoder)
            m_decoder.emplace("GB2312", QStringConverter::Flag::Stateless);
        if (!m_decoder->isValid())
            return false;
        const QString text = m_decoder->decode(bytes);
        if (m_decoder->hasError())
            return false;
        // What a failed sequence decodes to, or what XML does not allow.
        for (const QChar c : text) {
            if (c.unicode() == QChar::ReplacementCharacter || !isXmlChar(c.unicode()))
                return false;
        }
        if (out)
            out->append(text);
        return true;
    }

    struct Block
    {
        Block(const AccessoryTags &blockTags, DeviceAccessory DeviceRecord::*member)
            : tags(blockTags), accessory(member)
        {
        }
        const AccessoryTags &tags;
        DeviceAccessory DeviceRecord::*accessory;
        bool found = false;
        // Depth of the block while it is open; 0 otherwise.
        int depth = 0;
        bool typeFound = false;
        bool countFound = false;
        QString count;
    };

    // The element @p name just opened below an entry claims the searches it
    // answers first; its text, if a field's, goes to the field.
    void start(QStringView name, QByteArrayView raw)
    {
        const int depth = int(m_open.size()) + 1;
        QString *text = nullptr;
        if (depth == 2)
            beginEntry();
        else if (depth > 2)
            text = claim(name, depth);
        m_open.push_back({text, raw});
    }

    void end()
    {
        const int depth = int(m_open.size());
        m_open.pop_back();
        if (depth == 2) {
            endEntry();
            return;
        }
        if (depth == m_streamDepth) {
            DevStream &stream = m_out.last().streams.last();
            stream.streamCount = toInt(m_streamCount);
            stream.bitRate = toInt(m_bitRate);
            m_streamDepth = 0;
        }
        if (depth == m_listDepth)
            m_listDepth = 0;
        for (Block &block : m_blocks) {
            if (depth == block.depth)
                block.depth = 0;
        }
    }

    void beginEntry()
    {
        m_out.append(DeviceRecord());
        m_entryFound = {};
        m_count.clear();
        m_mainStream.clear();
        m_subStream.clear();
        m_listFound = false;
        m_listDepth = 0;
        m_streamDepth = 0;
        for (Block &block : m_blocks) {
            block.found = false;
            block.depth = 0;
            block.typeFound = false;
            block.countFound = false;
            block.count.clear();
        }
    }

    void endEntry()
    {
        DeviceRecord &record = m_out.last();
        record.info.count = toInt(m_count);
        record.info.mainStream = toInt(m_mainStream);
        record.info.subStream = toInt(m_subStream);
        for (Block &block : m_blocks) {
            DeviceAccessory &accessory = record.*block.accessory;
            accessory.present = block.found;
            accessory.count = toInt(block.count);
        }
    }

    // The first unclaimed field of @p fields named @p name; null when none.
    template <std::size_t N>
    static QString *firstOf(QStringView name, const std::array<const QString *, N> &names,
                            const std::array<QString *, N> &fields, std::array<bool, N> &found)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (!found[i] && name == *names[i]) {
                found[i] = true;
                return fields[i];
            }
        }
        return nullptr;
    }

    QString *claim(QStringView name, int depth)
    {
        DeviceRecord &record = m_out.last();
        const bool planAndFrequency = m_parts.testFlag(DevicePart::PlanAndFrequency);
        static const std::array<const QString *, 8> entryNames = {
            &kDeviceType, &kRemark,    &kMainType,   &kCount,
            &kMainStream, &kSubStream, &kRecordPlan, &kEventFren};
        // Without the plan and frequency asked for, their elements claim
        // nothing.
        std::array<bool, 8> &found = m_entryFound;
        if (!planAndFrequency)
            found[6] = found[7] = true;
        QString *text =
            firstOf(name, entryNames,
                    {&record.info.deviceType, &record.info.remark, &record.info.mainType, &m_count,
                     &m_mainStream, &m_subStream, &record.recordPlan, &record.eventFren},
                    found);

        if (m_parts.testFlag(DevicePart::Streams)) {
            if (m_listDepth > 0 && depth == m_listDepth + 1) {
                record.streams.append(DevStream());
                m_streamDepth = depth;
                m_streamFound = {};
                m_streamCount.clear();
                m_bitRate.clear();
            } else if (m_streamDepth > 0 && depth > m_streamDepth && !text) {
                static const std::array<const QString *, 5> streamNames = {
                    &kUseCode, &kStreamCount, &kResolution, &kFrameRate, &kBitRate};
                DevStream &stream = record.streams.last();
                text = firstOf(name, streamNames,
                               {&stream.useCode, &m_streamCount, &stream.resolution,
                                &stream.frameRate, &m_bitRate},
                               m_streamFound);
            }
            if (!m_listFound && name == kStreamList) {
                m_listFound = true;
                m_listDepth = depth;
            }
        }

        if (m_parts.testFlag(DevicePart::Accessories)) {
            for (Block &block : m_blocks) {
                if (block.depth > 0 && depth > block.depth && !text) {
                    DeviceAccessory &accessory = record.*block.accessory;
                    if (!block.typeFound && name == block.tags.type) {
                        block.typeFound = true;
                        text = &accessory.type;
                    } else if (!block.countFound && name == block.tags.count) {
                        block.countFound = true;
                        text = &block.count;
                    }
                }
                if (!block.found && name == block.tags.block) {
                    block.found = true;
                    block.depth = depth;
                }
            }
        }
        return text;
    }

    const DeviceParts m_parts;
    QVector<DeviceRecord> &m_out;
    bool m_rootSeen = false;
    std::optional<QStringDecoder> m_decoder;
    // Each open element: where its first text goes, null when nowhere (or
    // once it went); and for the scan, its name as the bytes spell it, for
    // its end tag.
    struct Open
    {
        QString *text = nullptr;
        QByteArrayView name;
    };
    std::vector<Open> m_open;
    // The text of a run the scan decodes.
    QString m_text;

    std::array<bool, 8> m_entryFound = {};
    QString m_count;
    QString m_mainStream;
    QString m_subStream;

    bool m_listFound = false;
    // Depth of the entry's stream list, and of the stream being read, while
    // they are open; 0 otherwise.
    int m_listDepth = 0;
    int m_streamDepth = 0;
    std::array<bool, 5> m_streamFound = {};
    QString m_streamCount;
    QString m_bitRate;

    std::array<Block, 3> m_blocks = {Block(kStand, &DeviceRecord::stand),
                                     Block(kShield, &DeviceRecord::shield),
                                     Block(kLens, &DeviceRecord::lens)};
};

} // namespace

XmlFileProblem streamDeviceRecords(const QString &path, DeviceParts parts,
                                   QVector<DeviceRecord> &out, FileStamp *stamp,
                                   DeviceFileReader *reader)
{
    out.clear();
    if (stamp)
        *stamp = FileStamp();
    if (reader)
        *reader = DeviceFileReader::None;
    if (path.isEmpty())
        return XmlFileProblem::Missing;
    FileStampTaker taker(path);
    taker.start();
    QByteArray bytes;
    {
        QFile file;
        if (const XmlFileProblem problem = openExistingDataFile(file, path);
            problem != XmlFileProblem::None)
            return problem;
        if (!KavrinGUIToolkit::ReadXmlBytes(file, &bytes)) {
            qCDebug(lcCore) << "file does not parse, left untouched:" << path;
            return XmlFileProblem::Damaged;
        }
    }
    // Files the program saved take the plain scan; any other is left to
    // the parser, from the start.
    DeviceFileReader used = DeviceFileReader::Scan;
    EntryReader::Plain plain = EntryReader(parts, out).readPlain(bytes);
    if (plain == EntryReader::Plain::Unsure) {
        out.clear();
        used = DeviceFileReader::Parser;
        plain = EntryReader(parts, out).read(bytes) ? EntryReader::Plain::Read
                                                    : EntryReader::Plain::Refused;
    }
    if (reader)
        *reader = used;
    if (plain == EntryReader::Plain::Refused) {
        qCDebug(lcCore) << "file does not parse or is not a device list, left untouched:" << path;
        out.clear();
        return XmlFileProblem::Damaged;
    }
    if (stamp)
        *stamp = taker.finish(bytes);
    return XmlFileProblem::None;
}

KeptRecords &KeptRecords::instance()
{
    static KeptRecords kept;
    return kept;
}

bool KeptRecords::find(const QString &path, DeviceParts parts, QVector<DeviceRecord> &out)
{
    const Read *read =
        m_records.find(path, [parts](const Read &kept) { return (kept.parts & parts) == parts; });
    if (!read)
        return false;
    out = read->records;
    return true;
}

void KeptRecords::keep(const QString &path, DeviceParts parts, const QVector<DeviceRecord> &records,
                       const FileStamp &stamp)
{
    m_records.keep(path, {parts, records}, stamp, stamp.size * kBytesPerFileByte);
}

void KeptRecords::forgetAll()
{
    m_records.forgetAll();
}
