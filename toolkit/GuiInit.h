#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QLocale>
#include <QStringConverter>

namespace KavrinGUIToolkit {

/// The encoding of 8-bit texts that come from outside the program (file
/// names, command output, the system). Qt 6 keeps no process-wide text codec:
/// source texts and tr() are UTF-8, so this only tells the toolkit how to
/// read such foreign bytes; the start-up passes the system's encoding.
KAVRIN_EXPORT void InitGuiTextCodec(QStringConverter::Encoding encoding);
KAVRIN_EXPORT QStringConverter::Encoding GuiTextEncoding();
/// Decodes foreign 8-bit text with the encoding above.
KAVRIN_EXPORT QString DecodeGuiText(const QByteArray &bytes);

/// The locale of the user interface: made Qt's default locale, so number and
/// date formats and Qt's own dialogs follow the chosen language.
KAVRIN_EXPORT void InitGuiLocale(const QLocale &locale);
KAVRIN_EXPORT QLocale GuiLocale();

} // namespace KavrinGUIToolkit
