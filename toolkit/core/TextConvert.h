#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>

namespace KavrinGUIToolkit {

/// Turns an 8-bit literal into text. @p codec names the encoding; null means
/// the toolkit's default, UTF-8 (the encoding of this program's sources).
KAVRIN_CORE_EXPORT QString ConvertToUnicode(const char *text, const char *codec = nullptr);

} // namespace KavrinGUIToolkit
