#pragma once

#include "KavrinGUIToolkitCoreExport.h"
#include "WriteFailure.h"

#include <QByteArray>
#include <QString>

class QDomDocument;

namespace KavrinGUIToolkit {

/// The encoding the program's own data files are written in.
inline constexpr char kDataFileEncoding[] = "GB2312";

/// The data of the XML declaration the program writes for @p encoding,
/// version="1.0" encoding="..." with its quotes: what a new document's
/// declaration holds.
KAVRIN_CORE_EXPORT QString XmlDeclarationData(const QString &encoding);

/// The declaration as a saved file starts with it, "<?xml " followed by
/// XmlDeclarationData() and "?>"; the line break after it is not part of it.
KAVRIN_CORE_EXPORT QByteArray XmlDeclarationBytes(const QString &encoding);

/// The encoding named by the document's XML declaration; "UTF-8" when the
/// document has no declaration or names no encoding.
KAVRIN_CORE_EXPORT QString DeclaredEncoding(const QDomDocument &doc);

/// True when an XML 1.0 document can hold every character of @p text as it
/// is: no C0 control but tab, line feed and carriage return, no U+FFFE or
/// U+FFFF, no surrogate without its partner.
KAVRIN_CORE_EXPORT bool IsXmlText(const QString &text);

/// The bytes of @p doc in the encoding its declaration names, written so
/// that the program's readers read back every node as it stands: texts,
/// CDATA sections, comments and instructions are never reformatted, and line
/// breaks stand only between nodes of elements that hold no text. Characters
/// the encoding does not define (for GB2312: everything outside its defined
/// cells, private-use characters included) are written as character
/// references in texts and attribute values; a CDATA section that holds one,
/// or "]]>", is written as escaped text where that reads back as the same
/// node. Characters XML 1.0 forbids (C0 controls other than tab, line feed
/// and carriage return, unpaired surrogates, U+FFFE, U+FFFF) are written as
/// U+FFFD. An encoding this platform does not know falls back to UTF-8 with a
/// matching declaration. Empty, and @p why says what, when the document holds
/// what its encoding cannot write at all where it stands (a name, a comment,
/// an instruction or a CDATA section beside text).
KAVRIN_CORE_EXPORT QByteArray EncodeDomDocument(const QDomDocument &doc, QString *why = nullptr);

/// Writes EncodeDomDocument(@p doc) to @p path atomically, through
/// SaveWholeFile(), once the bytes are known to read back: they keep the
/// reader's limits (BrokenXmlLimit()) and parse as the readers parse them.
/// False, with the reason in @p error and its kind in @p failure, when they
/// would not (BeyondReadLimits, WouldNotReadBack) or the file cannot be
/// written; the old file is then left as it was.
KAVRIN_CORE_EXPORT bool SaveDomDocument(const QDomDocument &doc, const QString &path,
                                        QString *error = nullptr, SaveFailure *failure = nullptr);

} // namespace KavrinGUIToolkit
