#pragma once

#include <QString>

namespace kiv {

/// True when every part packed in the workbook file at @p path is whole: the
/// file is a readable zip container, each part unpacks to the size and the
/// CRC its entry gives, and each XML part ends with the end of the element it
/// starts with (its root element). The library that writes the
/// workbook does not check its own writes of the parts, so a part cut off by
/// a full disk would otherwise go into a workbook that then counts as saved.
bool workbookPartsAreWhole(const QString &path);

} // namespace kiv
