#pragma once

namespace pendrik {

/// Reads "Setup.xml" of the program folder into the library's settings.
bool loadLibrarySettings();
/// Installs the translators of the configured language: the library's own,
/// Qt's and the toolkit's, in this order.
void installLibraryTranslators();
/// Applies the skin that the setting "Skin" names, from the folder
/// "plugins/skins" of the program folder; false when there is no such
/// setting or no plug-in offers the skin.
bool loadLibrarySkin();

/// Prepares the library for use in this process: adds the program folder's
/// "plugins" to Qt's library paths, then loads the settings, installs the
/// translators and applies the skin. Only the first call does this; the
/// result tells whether this call did.
bool setUpLibrary();

} // namespace pendrik
