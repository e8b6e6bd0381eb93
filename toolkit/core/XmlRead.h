#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>
#include <QtGlobal>

class QByteArray;
class QDomDocument;
class QIODevice;
class QXmlStreamReader;

namespace KavrinGUIToolkit {

/// The largest XML file the program reads. A larger one is not read at all
/// and counts as damaged. The largest task the limits allow (1024 devices,
/// each with five streams and every accessory, every text at its longest) is
/// 1.76 MB; a task made by hand beyond the limits, 5000 devices with a few
/// streams each, is some 4.5 MB and still opens.
constexpr qint64 kMaxXmlFileBytes = 8 * 1024 * 1024;

/// The most elements one file may hold. Parsing costs time and memory per
/// element, so a file of nothing but small elements is what makes a file
/// of a given size slow; the largest task the limits allow holds some
/// 50,000, the 5000-device task above some 170,000.
constexpr int kMaxXmlElements = 250000;

/// The deepest nesting of elements the program reads. Its own files nest
/// five deep at most; the parser's cost grows with the square of the depth,
/// so a deeper file is refused before it is parsed.
constexpr int kMaxXmlDepth = 64;

/// The most attributes one element may carry; the parser's cost grows with
/// the square of their number. The program's own elements carry four at most.
constexpr int kMaxXmlAttributes = 256;

/// The limits on the shape of the bytes the program reads.
enum class XmlLimit {
    /// Every limit holds.
    None,
    /// Larger than kMaxXmlFileBytes.
    FileSize,
    /// More than kMaxXmlElements elements.
    Elements,
    /// Elements nested deeper than kMaxXmlDepth.
    Depth,
    /// More than kMaxXmlAttributes attributes on one element.
    Attributes,
    /// A document type declaration: no file of the program's has one, and the
    /// entities it declares can expand a small file into gigabytes.
    DocumentType
};

/// The first limit that @p bytes break, as ReadXmlBytes() checks what it
/// read and a save checks what it is about to write: None when they keep
/// every limit. Otherwise @p message, @p line and @p column say why and
/// where (line and column 0 when the size is the reason). One scan of the
/// bytes, linear in their size.
KAVRIN_CORE_EXPORT XmlLimit BrokenXmlLimit(const QByteArray &bytes, QString *message = nullptr,
                                           int *line = nullptr, int *column = nullptr);

/// Reads the rest of @p device (open for reading) into @p bytes, the way
/// every reader of the program's XML files gets the bytes it parses. False,
/// @p bytes left as they were, when they break a limit (BrokenXmlLimit());
/// @p message, @p line and @p column then say why and where. Whatever parses
/// the bytes it gives, a document or a stream reader, so cannot be made slow
/// by a file's shape.
KAVRIN_CORE_EXPORT bool ReadXmlBytes(QIODevice &device, QByteArray *bytes,
                                     QString *message = nullptr, int *line = nullptr,
                                     int *column = nullptr);

/// Sets @p reader to read as ReadXmlDocument() parses: a stream reader so
/// set, given the bytes ReadXmlBytes() gave, refuses exactly the bytes the
/// document refuses and decodes text as the document does (the encoding its
/// declaration names, character references).
KAVRIN_CORE_EXPORT void PrepareXmlStreamReader(QXmlStreamReader &reader);

/// Reads the rest of @p device through ReadXmlBytes() and parses it into
/// @p document. False when ReadXmlBytes() refuses the bytes or they are not
/// well-formed XML; @p message, @p line and @p column then say why and where,
/// and @p document is left as it was. Every reader of the program's XML files
/// goes through here or through ReadXmlBytes(), so no file's shape can make
/// opening it slow.
KAVRIN_CORE_EXPORT bool ReadXmlDocument(QIODevice &device, QDomDocument *document,
                                        QString *message = nullptr, int *line = nullptr,
                                        int *column = nullptr);

} // namespace KavrinGUIToolkit
