#pragma once

#include <QString>

struct ParamItem;

namespace kiv {

/// The text a window shows for a parameter value: a range (kind 3) "low~high"
/// as low + unit + "~" + high + second unit, any other value as its text and
/// unit. A range whose text does not split into exactly two bounds at "~"
/// shows its bare text.
QString paramItemText(const ParamItem &item);

} // namespace kiv
