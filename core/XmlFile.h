#pragma once

#include <QString>

class XmlNode;

/// Opens the program's XML data file at @p path into @p root. A missing or
/// empty (0-byte) file is created with the declaration and an empty
/// @p rootTag element. A file that exists but does not parse is left exactly
/// as it is on disk, and the result is false: callers then stay closed and
/// never write it back.
bool openXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag);
