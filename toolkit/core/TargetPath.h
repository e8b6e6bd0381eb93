#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>

namespace KavrinGUIToolkit {

/// The program folder, always ending in '/'. Callers append relative names
/// such as "ParamCode.xml" or "Task/Task.xml" directly.
KAVRIN_CORE_EXPORT QString GetTargetPath();

/// GetTargetPath() followed by @p fileName.
KAVRIN_CORE_EXPORT QString GetTargetPathFile(const QString &fileName);

/// Points GetTargetPath() at another folder (a separator is added when
/// missing); an empty path restores the folder of the executable. Tests use
/// it to run against a temporary program folder.
KAVRIN_CORE_EXPORT void SetTargetPath(const QString &folder);

} // namespace KavrinGUIToolkit
