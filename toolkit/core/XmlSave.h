#pragma once

#include "KavrinGUIToolkitCoreExport.h"
#include "WriteFailure.h"

#include <QByteArray>
#include <QString>

class QDomDocument;

namespace KavrinGUIToolkit {

/// The encoding named by the document's XML declaration; "UTF-8" when the
/// document has no declaration or names no encoding.
KAVRIN_CORE_EXPORT QString DeclaredEncoding(const QDomDocument &doc);

/// True when an XML 1.0 document can hold every character of @p text as it
/// is: no C0 control but tab, line feed and carriage return, no U+FFFE or
/// U+FFFF, no surrogate without its partner.
KAVRIN_CORE_EXPORT bool IsXmlText(const QString &text);

/// Serialises @p doc (indent 0) and encodes it in the encoding its declaration
/// names. Characters that encoding cannot hold are written as character
/// references (for GB2312: everything outside its defined rows), so the bytes
/// parse back to the same text. Characters XML 1.0 forbids (C0 controls other
/// than tab, line feed and carriage return, unpaired surrogates, U+FFFE,
/// U+FFFF) are written as U+FFFD. An encoding this platform does not know
/// falls back to UTF-8 with a matching declaration.
KAVRIN_CORE_EXPORT QByteArray EncodeDomDocument(const QDomDocument &doc);

/// Writes EncodeDomDocument(@p doc) to @p path atomically, through
/// SaveWholeFile(). False, with the system's reason in @p error and its
/// kind in @p failure, when the file cannot be written or the bytes would not
/// parse back; the old file is then left as it was.
KAVRIN_CORE_EXPORT bool SaveDomDocument(const QDomDocument &doc, const QString &path,
                                        QString *error = nullptr, SaveFailure *failure = nullptr);

} // namespace KavrinGUIToolkit
