#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

class QMimeData;

namespace pendrik {

/// The program folder followed by "/"; every file the library reads beside
/// the program (settings, catalogues, translations, plug-ins) is found from it.
QString appDirWithSlash();

/// @p path unchanged when it is absolute, else appDirWithSlash() + @p path.
QString absolutePath(const QString &path);

/// The folder that the "translations/..." names of the language table are
/// relative to: appDirWithSlash().
QString translationsBase();

/// Decodes 8-bit text of the system locale's encoding. @p flag is accepted
/// for callers that pass it and changes nothing.
QString localToUnicode(const QByteArray &text, bool flag = false);
/// Encodes @p text in the system locale's encoding.
std::string unicodeToLocalStd(const QString &text, bool flag = false);
/// Encodes @p text in the system locale's encoding.
QByteArray unicodeToLocal8Bit(const QString &text, bool flag = false);

/// @p text in double quotes; any "&quot;" inside it becomes a double quote.
QString quoteText(const QString &text);
QString copyText(const QString &text);

/// A byte count for people: "1.500 TB", "2.00 GB", "1.0 MB", "3 KB" or the
/// bare number below 1024, written in the default locale.
QString sizeText(quint64 bytes);

/// The name of a common Qt event type ("MouseMove"), else its number.
QString eventTypeName(int type);

/// True when the zero-terminated @p text holds a double-byte (GBK style)
/// lead byte followed by a trail byte. A null pointer holds none.
bool hasDoubleByteChars(const char *text);

/// True when @p text holds none of ' \ / : * ? " < > |, the characters a
/// file name may not carry.
bool hasNoForbiddenChars(const QString &text);

/// Local file paths of the URLs of dropped data; empty paths are left out.
QStringList localFilesFromMime(const QMimeData *mime);

} // namespace pendrik
