#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace KavrinGUIToolkit {

/// Where a tip of @p size stands, in global coordinates, when it is shown
/// for the global point @p pos. A point at the top-left corner of an input
/// field (or of a cell of an item view) names that field: the tip goes
/// beside it, inside its window, over no other input of that window. Any
/// other point is where the tip's own top-left corner goes. @p tip, the
/// tip's own window, is never taken for a field.
QPoint placeTip(const QPoint &pos, const QSize &size, const QWidget *tip);

} // namespace KavrinGUIToolkit
