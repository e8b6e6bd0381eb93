#pragma once

#include <QString>

namespace kiv {

/// True when @p text holds only the decimal digits 0 to 9 (Latin-1); the
/// empty text too. Any other character, one outside Latin-1 included, gives
/// false. Cells that take counts and bit rates test their text with it
/// before converting it.
bool isDigits(const QString &text);
/// True, with @p value set, when @p text is a number as a count or bit-rate
/// field takes it: not empty, only the digits 0 to 9, and small enough for an
/// int. @p value is left as it is otherwise.
bool decimalInt(const QString &text, int &value);

} // namespace kiv
