#include "DeviceFileStream.h"

#include "CoreLogging.h"
#include "DeviceFileFormat.h"

#include <File.h>
#include <XmlRead.h>
#include <XmlSave.h>

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <array>
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

    /// Reads @p bytes when they are of the plain shape the program saves: its
    /// own declaration, then elements with ASCII names and no attributes, and
    /// text without references, CDATA sections, comments or instructions,
    /// carriage returns or control characters. That shape takes a scan of
    /// its bytes instead of a general parser, and reads exactly as the
    /// parser would read it. Unsure, with the entries read so far left
    /// behind, as soon as the bytes are of any other shape, well-formed or
    /// not: only the parser may then say what they hold.
    Plain readPlain(const QByteArray &bytes)
    {
        static const QByteArray declaration = KavrinGUIToolkit::XmlDeclarationBytes(
            QLatin1String(KavrinGUIToolkit::kDataFileEncoding));
        if (!bytes.startsWith(declaration))
            return Plain::Unsure;
        const char *p = bytes.constData() + declaration.size();
        const char *const last = bytes.constData() + bytes.size();
        // The names of the open elements, for their end tags.
        std::vector<QByteArrayView> open;
        QVarLengthArray<char16_t, 64> name;
        while (p < last) {
            if (*p != '<') {
                const char *const text = p;
                bool plain = true;
                bool blank = true;
                for (; p < last && *p != '<'; ++p) {
                    const uchar c = uchar(*p);
                    if (c >= 0x80) {
                        plain = false;
                        blank = false;
                    } else if (c == '&' || c == '\r' || c == 0x7f ||
                               (c < 0x20 && c != '\t' && c != '\n')) {
                        return Plain::Unsure;
                    } else if (c == ']' && last - p >= 3 && p[1] == ']' && p[2] == '>') {
                        return Plain::Unsure;
                    } else if (c != ' ' && c != '\t' && c != '\n') {
                        blank = false;
                    }
                }
                if (blank)
                    continue;
                // Text outside the root element is for the parser to refuse.
                if (open.empty())
                    return Plain::Unsure;
                // Every character is checked, read or not: one the parser
                // would not take makes the whole file damaged.
                QString decoded;
                if (!plain && !decodeGb2312(QByteArrayView(text, p - text), &decoded))
                    return Plain::Unsure;
                if (!m_open.back())
                    continue;
                if (plain)
                    decoded = QString::fromLatin1(text, p - text);
                if (!characters(decoded, false))
                    return Plain::Refused;
                continue;
            }
            // A tag: <Name>, <Name/> or </Name>, nothing more inside it.
            ++p;
            const bool closing = p < last && *p == '/';
            if (closing)
                ++p;
            const char *const start = p;
            for (; p < last && isNameByte(uchar(*p), p == start); ++p) {
            }
            const QByteArrayView tag(start, p - start);
            if (tag.isEmpty() || p == last)
                return Plain::Unsure;
            const bool empty = !closing && *p == '/';
            if (empty)
                ++p;
            if (p == last || *p != '>')
                return Plain::Unsure;
            ++p;
            if (closing) {
                if (open.empty() || open.back() != tag)
                    return Plain::Unsure;
                open.pop_back();
                end();
                if (open.empty())
                    break;
                continue;
            }
            if (open.empty() && m_rootSeen)
                return Plain::Unsure;
            name.resize(tag.size());
            for (qsizetype i = 0; i < tag.size(); ++i)
                name[i] = char16_t(uchar(tag[i]));
            if (!startElement(QStringView(name.constData(), name.size())))
                return Plain::Refused;
            open.push_back(tag);
            if (empty) {
                open.pop_back();
                end();
                if (open.empty())
                    break;
            }
        }
        if (!open.empty() || !m_rootSeen)
            return Plain::Unsure;
        // Nothing but white space may follow the root element.
        for (; p < last; ++p) {
            if (*p != ' ' && *p != '\t' && *p != '\n')
                return Plain::Unsure;
        }
        return Plain::Read;
    }

private:
    // A start tag of @p name; false when the document would refuse it: a
    // second root element, or a root element of another name.
    bool startElement(QStringView name)
    {
        if (m_open.empty()) {
            if (m_rootSeen || name != kRoot)
                return false;
            m_rootSeen = true;
        }
        start(name);
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
        if (m_open.back() && textNode) {
            *m_open.back() = text.toString();
            m_open.back() = nullptr;
        }
        return true;
    }

    // An ASCII name character; a prefix (a colon), and any other letter, is
    // left to the parser.
    static bool isNameByte(uchar c, bool first)
    {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        return first ? letter : letter || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }

    // Decodes one run of text as the parser decodes the whole file under
    // its declaration; false when a sequence is not GB2312 or the text holds
    // a character that XML does not allow. A run ends before a '<', which is
    // never part of a GB2312 character, so it decodes alone as it decodes in
    // the whole. One decoder serves every run of a file: it keeps no state
    // from one run to the next, and the first error ends the scan.
    bool decodeGb2312(QByteArrayView bytes, QString *text)
    {
        if (!m_decoder)
            m_decoder.emplace("GB2312", QStringConverter::Flag::Stateless);
        if (!m_decoder->isValid())
            return false;
        *text = m_decoder->decode(bytes);
        if (m_decoder->hasError())
            return false;
        for (const QChar c : std::as_const(*text)) {
            const char16_t u = c.unicode();
            if (u < 0x20 || c.isSurrogate() || u == 0xfffe || u == 0xffff || u == 0xfffd)
                return false;
        }
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
    void start(QStringView name)
    {
        const int depth = int(m_open.size()) + 1;
        QString *text = nullptr;
        if (depth == 2)
            beginEntry();
        else if (depth > 2)
            text = claim(name, depth);
        m_open.push_back(text);
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
    // For each open element, where its first text goes; null when nowhere
    // (or once it went).
    std::vector<QString *> m_open;

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
                                   QVector<DeviceRecord> &out, FileStamp *stamp)
{
    out.clear();
    if (stamp)
        *stamp = FileStamp();
    if (path.isEmpty())
        return XmlFileProblem::Missing;
    FileStampTaker taker(path);
    taker.start();
    QByteArray bytes;
    {
        QFile file;
        switch (KavrinGUIToolkit::OpenRegularFile(file, path)) {
        case KavrinGUIToolkit::FileState::Missing:
            return XmlFileProblem::Missing;
        case KavrinGUIToolkit::FileState::Unreadable:
            qCDebug(lcCore) << "file cannot be read, left untouched:" << path;
            return XmlFileProblem::Unreadable;
        case KavrinGUIToolkit::FileState::NotAFile:
            qCDebug(lcCore) << "no regular file, left untouched:" << path;
            return XmlFileProblem::Damaged;
        case KavrinGUIToolkit::FileState::Regular:
            break;
        }
        if (!KavrinGUIToolkit::ReadXmlBytes(file, &bytes)) {
            qCDebug(lcCore) << "file does not parse, left untouched:" << path;
            return XmlFileProblem::Damaged;
        }
    }
    // Files the program saved take the plain scan; any other is left to
    // the parser, from the start.
    EntryReader::Plain plain = EntryReader(parts, out).readPlain(bytes);
    if (plain == EntryReader::Plain::Unsure) {
        out.clear();
        plain = EntryReader(parts, out).read(bytes) ? EntryReader::Plain::Read
                                                    : EntryReader::Plain::Refused;
    }
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
    FileStamp stamp;
    {
        const QMutexLocker lock(&m_mutex);
        const auto it = m_entries.constFind(path);
        if (it == m_entries.constEnd() || (it->parts & parts) != parts)
            return false;
        stamp = it->stamp;
    }
    const bool same = stamp == stampOf(path);
    const QMutexLocker lock(&m_mutex);
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->stamp == stamp))
        return false;
    if (!same) {
        remove(it);
        return false;
    }
    it->lastUse = ++m_uses;
    out = it->records;
    return true;
}

void KeptRecords::keep(const QString &path, DeviceParts parts, const QVector<DeviceRecord> &records,
                       const FileStamp &stamp)
{
    const QMutexLocker lock(&m_mutex);
    if (const auto it = m_entries.find(path); it != m_entries.end())
        remove(it);
    const qint64 cost = stamp.size * kBytesPerFileByte;
    if (!stamp.valid || cost > kBudget)
        return;
    // The entries used longest ago make room.
    while (m_cost + cost > kBudget && !m_entries.isEmpty()) {
        auto oldest = m_entries.begin();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->lastUse < oldest->lastUse)
                oldest = it;
        }
        remove(oldest);
    }
    m_entries.insert(path, {parts, records, stamp, cost, ++m_uses});
    m_cost += cost;
}

void KeptRecords::forgetAll()
{
    const QMutexLocker lock(&m_mutex);
    m_entries.clear();
    m_cost = 0;
}

void KeptRecords::remove(Entries::iterator it)
{
    m_cost -= it->cost;
    m_entries.erase(it);
}
