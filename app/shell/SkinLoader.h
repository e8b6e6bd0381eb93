#pragma once

#include <QString>

class ISkinPlugin;

namespace kiv {

/// Finds the skin plug-in that offers a skin.
class SkinLoader
{
public:
    /// The first plain file of @p folder (in the directory's own order) that
    /// is a skin plug-in listing @p name (case-sensitive). Files that are no
    /// plug-in, or plug-ins of another kind, are passed over and left
    /// unloaded unless something else loaded them. Null when none offers
    /// the skin or @p name is null. The found plug-in stays loaded.
    static ISkinPlugin *load(const QString &name, const QString &folder);
};

} // namespace kiv
