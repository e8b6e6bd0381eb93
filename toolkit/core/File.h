#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>
#include <QStringList>

namespace KavrinGUIToolkit {

class KAVRIN_CORE_EXPORT CFile
{
public:
    /// The UTF-8 texts of @p folder + each name of @p files, in order, joined
    /// by new lines. Files that cannot be read contribute nothing.
    static QString ReadAll(const QStringList &files, const QString &folder);
};

} // namespace KavrinGUIToolkit
