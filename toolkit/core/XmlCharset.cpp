#include "XmlCharset.h"

#include "XmlSave.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>

namespace KavrinGUIToolkit {

namespace {

// The characters an XML 1.0 document may hold, as text or as a reference.
bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isUnicode(const QString &encoding)
{
    return encoding.startsWith(QLatin1String("UTF-8"), Qt::CaseInsensitive) ||
           encoding.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive) ||
           encoding.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive);
}

bool isWide(const QString &encoding)
{
    return encoding.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive) ||
           encoding.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive) ||
           encoding.startsWith(QLatin1String("UCS"), Qt::CaseInsensitive);
}

bool isPrivateUse(char32_t c)
{
    return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
}

// The characters GB2312 defines: those the platform's converter reads from a
// cell of rows A1-A9 or B0-F7 and writes back into the same cell. The
// converter is wider than GB2312: it reads the cells GB2312 leaves empty as
// private-use characters (A2A1 as U+E000, which GBK readers take for a
// Roman numeral) and writes some characters (such as U+3007 or U+2010) into
// rows GB2312 leaves empty, which other readers take for other characters.
class Gb2312Characters
{
public:
    static const Gb2312Characters &instance()
    {
        static const Gb2312Characters characters;
        return characters;
    }

    bool defines(char32_t c) const { return c < 0x80 || (c < 0x10000 && m_defined.test(c)); }

private:
    Gb2312Characters()
    {
        // A row at a time: one conversion each way reads and checks its 94
        // cells. Only a row that does not come back whole is looked at cell
        // by cell.
        for (int lead = 0xA1; lead <= 0xF7; ++lead) {
            if (lead >= 0xAA && lead <= 0xAF)
                continue;
            QByteArray row;
            for (int trail = 0xA1; trail <= 0xFE; ++trail)
                row.append(char(lead)).append(char(trail));
            if (!addCells(row))
                for (qsizetype i = 0; i < row.size(); i += 2)
                    addCells(row.mid(i, 2));
        }
    }

    // Marks the characters of @p cells when each cell reads as one character
    // of its own that is written back into it; false, nothing marked, when
    // any does not.
    bool addCells(const QByteArray &cells)
    {
        QStringDecoder decoder(kDataFileEncoding, QStringConverter::Flag::Stateless);
        const QString read = decoder.decode(cells);
        if (decoder.hasError() || read.size() * 2 != cells.size())
            return false;
        for (const QChar c : read) {
            if (c.isSurrogate() || isPrivateUse(c.unicode()) || c == QChar::ReplacementCharacter)
                return false;
        }
        QStringEncoder encoder(kDataFileEncoding, QStringConverter::Flag::Stateless);
        const QByteArray written = encoder.encode(read);
        if (encoder.hasError() || written != cells)
            return false;
        for (const QChar c : read)
            m_defined.set(c.unicode());
        return true;
    }

    std::bitset<0x10000> m_defined;
};

// Whether every character of @p text passes @p test; each surrogate pair is
// one character.
template <typename Test> bool everyCharacter(QStringView text, Test test)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u < 0x80)
            continue;
        char32_t c = u;
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(u, text.at(++i).unicode());
        if (!test(c))
            return false;
    }
    return true;
}

} // namespace

bool IsGb2312(const QString &encoding)
{
    return encoding.compare(QLatin1String("GB2312"), Qt::CaseInsensitive) == 0 ||
           encoding.compare(QLatin1String("EUC-CN"), Qt::CaseInsensitive) == 0;
}

QString WithXmlCharsOnly(const QString &text)
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

XmlCharset::XmlCharset(const QString &name)
    : m_name(name.toLatin1()), m_wide(isWide(name)), m_kind(IsGb2312(name)    ? Kind::Gb2312
                                                            : isUnicode(name) ? Kind::Unicode
                                                                              : Kind::Other)
{
}

bool XmlCharset::defines(char32_t c)
{
    if (c < 0x80 || m_kind == Kind::Unicode)
        return true;
    if (m_kind == Kind::Gb2312)
        return Gb2312Characters::instance().defines(c);
    return roundTrips(c);
}

bool XmlCharset::keeps(char32_t c)
{
    return defines(c) || roundTrips(c);
}

bool XmlCharset::definesAll(QStringView text)
{
    return m_kind == Kind::Unicode ||
           everyCharacter(text, [this](char32_t c) { return defines(c); });
}

bool XmlCharset::keepsAll(QStringView text)
{
    return m_kind == Kind::Unicode || everyCharacter(text, [this](char32_t c) { return keeps(c); });
}

QByteArray XmlCharset::encode(const QString &text, QString *why) const
{
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    // Plain ASCII is the same in every encoding the program writes.
    if (ascii && !m_wide)
        return text.toLatin1();
    QStringEncoder encoder(m_name.constData());
    QByteArray bytes = encoder.encode(text);
    bool held = !encoder.hasError();
    // Characters were told from references one at a time; an encoding the
    // program does not know well is checked whole as well.
    if (held && m_kind == Kind::Other) {
        QStringDecoder decoder(m_name.constData());
        held = decoder.decode(bytes) == text && !decoder.hasError();
    }
    if (held)
        return bytes;
    if (why)
        *why = QStringLiteral("a character %1 cannot hold").arg(QLatin1String(m_name));
    return QByteArray();
}

bool XmlCharset::roundTrips(char32_t c)
{
    if (c < 0x80 || m_kind == Kind::Unicode)
        return true;
    const auto it = m_roundTrips.constFind(c);
    if (it != m_roundTrips.constEnd())
        return *it;
    const QString unit = QString::fromUcs4(&c, 1);
    QStringEncoder encoder(m_name.constData(), QStringConverter::Flag::Stateless);
    QStringDecoder decoder(m_name.constData(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(unit);
    const bool held = !encoder.hasError() && !bytes.isEmpty() && decoder.decode(bytes) == unit &&
                      !decoder.hasError();
    m_roundTrips.insert(c, held);
    return held;
}

} // namespace KavrinGUIToolkit
