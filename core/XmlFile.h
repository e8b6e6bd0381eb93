#pragma once

#include <XmlFileProblem.h>

#include <QString>

class QFile;
class XmlNode;

namespace KavrinGUIToolkit {
enum class SaveFailure;
}

/// Why a data file of the program folder was not taken as data; the same
/// kinds as the toolkit's settings reader gives for Setup.xml.
using XmlFileProblem = KavrinGUIToolkit::XmlFileProblem;

/// Opens the data file at @p path for reading into @p file: None when it is
/// open; otherwise why it is not read (KavrinGUIToolkit::OpenDataFile()),
/// said on the debug output. Never creates or writes it.
XmlFileProblem openExistingDataFile(QFile &file, const QString &path);

/// Reads the existing data file at @p path into @p root and checks that its
/// root element is @p rootTag. Anything but None means the file must not be
/// taken as data; @p root may then hold what was read of it. Never writes.
XmlFileProblem readXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag);

/// Opens the program's XML data file at @p path into @p root. A missing or
/// empty (0-byte regular) file is created with the declaration and an empty
/// @p rootTag element. A file that exists but cannot be read, is no regular
/// file (Damaged), does not parse or has another root element is left
/// exactly as it is on disk, and the result is false: callers then stay
/// closed and never write it back.
/// @p problem, when given, says why the result is false (None when true);
/// @p createFailure, when given, why a missing file could not be created.
bool openXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag,
                     XmlFileProblem *problem = nullptr,
                     KavrinGUIToolkit::SaveFailure *createFailure = nullptr);
