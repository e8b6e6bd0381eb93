#pragma once

#include <QString>

namespace pendrik {

/// The manual's file name for a "Translator" value: the Chinese manual for
/// "1", the English one for any other value.
QString userManualFileName(const QString &language);

/// The "Translator" value that chooses the manual, from "Setup.xml" in the
/// current directory, or in the program folder when the current directory
/// has none or it cannot be read. "1" (Chinese) when the file holds no
/// "Translator" or no settings file can be read; "0" (English) when the file
/// is damaged or is no settings file, which the program and the lens
/// calculator take for none and start in English.
QString userManualLanguage();

/// The manual of that language, from the current directory or else the
/// program folder; empty when neither holds it.
QString userManualPath();

/// Opens the user manual in the desktop's viewer. False when the manual file
/// is not there or the desktop does not open it.
bool openUserManual();

/// openUserManual(); when that fails, tells the user "Can not find Manual.".
bool openUserManualOrTell();

} // namespace pendrik
