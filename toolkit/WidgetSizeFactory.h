#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QSize>

class QWidget;

namespace KavrinGUIToolkit {

/// Window-size operations on the top-level window of a widget. Frameless
/// windows have no window manager decoration to maximise them, so these
/// operations also place them on their screen's free area themselves and
/// remember where they stood before.
class KAVRIN_EXPORT CWidgetSizeFactory
{
public:
    CWidgetSizeFactory() = default;
    virtual ~CWidgetSizeFactory();

    static bool IsMaximized(const QWidget *window);
    static bool IsFullScreen(const QWidget *window);
    static void ShowMaximized(QWidget *window);
    /// Restores the window; a valid @p size is then applied as its size.
    static void ShowNormal(QWidget *window, const QSize &size = QSize());
    /// The top-level window that holds @p widget (the widget itself when it
    /// is one); null for null.
    static QWidget *GetIndependentWindow(QWidget *widget);
};

} // namespace KavrinGUIToolkit
