#pragma once

// What the toolkit's XML saving writes as bytes, for XmlSave.cpp alone.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

namespace KavrinGUIToolkit {

/// True when @p encoding names GB2312.
bool IsGb2312(const QString &encoding);

/// @p text with every character XML 1.0 forbids replaced by U+FFFD: C0
/// controls other than tab, line feed and carriage return, U+FFFE, U+FFFF
/// and a surrogate without its partner (what cutting a remark in the middle
/// of an emoji leaves). Written as they are, or as references, they would
/// make the whole file unreadable, and every other text in it with it.
QString WithXmlCharsOnly(const QString &text);

/// What an encoding writes as bytes, as the file's readers decode them.
class XmlCharset
{
public:
    explicit XmlCharset(const QString &name);

    /// True when @p c is written as its bytes where a reference could stand
    /// instead: a character the encoding defines, which any reader of the
    /// encoding reads as itself. For GB2312, the characters of its defined
    /// cells only.
    bool defines(char32_t c);
    /// True when @p c may be written as bytes where no reference can stand
    /// (a name, a comment, an instruction, a CDATA section): a character the
    /// encoding defines, or one the program's readers read from the bytes
    /// the platform's converter writes for it (for GB2312, a private-use
    /// character of a cell it leaves empty), which is all that a file read
    /// through that converter can have held there.
    bool keeps(char32_t c);
    bool definesAll(QStringView text);
    bool keepsAll(QStringView text);

    /// @p text in bytes; empty, with @p why, when a character in it cannot
    /// be written.
    QByteArray encode(const QString &text, QString *why) const;

private:
    enum class Kind { Unicode, Gb2312, Other };

    bool roundTrips(char32_t c);

    QByteArray m_name;
    bool m_wide = false;
    Kind m_kind;
    QHash<char32_t, bool> m_roundTrips;
};

} // namespace KavrinGUIToolkit
