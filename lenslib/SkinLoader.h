#pragma once

#include <QString>

namespace pendrik {

/// Looks through the files of @p folder for a skin plug-in of the library
/// that offers the skin @p name and applies it. Files that are no plug-in,
/// plug-ins of another kind and plug-ins the process has already loaded are
/// passed over. The result is the plug-in's; false when none offers the skin,
/// and the library then keeps Qt's style.
bool loadSkinPlugin(const QString &name, const QString &folder);

} // namespace pendrik
