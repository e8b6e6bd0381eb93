#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>
#include <QtGlobal>

class QDomDocument;
class QIODevice;

namespace KavrinGUIToolkit {

/// The largest XML file the program reads. A larger one is not read at all
/// and counts as damaged. The largest task the limits allow (1024 devices,
/// each with five streams and every accessory) is under 2 MB; reading costs
/// memory and time in proportion to the size, up to some 200 bytes of memory
/// for each byte of a file of nothing but small elements.
constexpr qint64 kMaxXmlFileBytes = 4 * 1024 * 1024;

/// The deepest nesting of elements the program reads. Its own files nest
/// five deep at most; the parser's cost grows with the square of the depth,
/// so a deeper file is refused before it is parsed.
constexpr int kMaxXmlDepth = 64;

/// The most attributes one element may carry; the parser's cost grows with
/// the square of their number. The program's own elements carry four at most.
constexpr int kMaxXmlAttributes = 256;

/// Reads the rest of @p device (open for reading) and parses it into
/// @p document. False when the bytes are larger than kMaxXmlFileBytes, nest
/// deeper than kMaxXmlDepth, carry more than kMaxXmlAttributes on one element,
/// hold a document type declaration (no file of the program's has one, and
/// the entities it declares can expand a small file into gigabytes) or are
/// not well-formed XML; @p message, @p line and @p column then say
/// why and where (line and column 0 when the size was the reason), and
/// @p document is left as it was. Every reader of the program's XML files
/// goes through here, so no file's shape can make opening it slow.
KAVRIN_CORE_EXPORT bool ReadXmlDocument(QIODevice &device, QDomDocument *document,
                                        QString *message = nullptr, int *line = nullptr,
                                        int *column = nullptr);

} // namespace KavrinGUIToolkit
