#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace KavrinGUIToolkit {

/// A styled tool tip shared by the whole process: one tip at a time, shown at
/// a global position and hidden after a while, on HideTipImmediately(), or
/// when the mouse leaves the given rectangle.
class KAVRIN_EXPORT CToolTip
{
public:
    /// A position at the top-left corner of an input field, or of a cell of
    /// an item view, puts the tip beside that field, inside its window and
    /// over no other input there (only a window without such a place lets
    /// it stand over one). Any other position is the tip's top-left corner.
    static void ShowText(const QPoint &globalPos, const QString &text, QWidget *widget = nullptr);
    /// As ShowText(); the tip hides once the cursor leaves @p rect (in
    /// @p widget's coordinates).
    static void ShowText(const QPoint &globalPos, const QString &text, QWidget *widget,
                         const QRect &rect);
    static void HideTipImmediately();
    static void SetFont(const QFont &font);
    static QFont Font();

    /// What the tip shows now; empty when hidden.
    static QString CurrentText();
    static bool IsShowing();
    /// The global position of the last tip shown.
    static QPoint LastPosition();
};

} // namespace KavrinGUIToolkit
