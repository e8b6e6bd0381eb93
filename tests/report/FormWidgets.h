#pragma once

// The widgets of a window's form, found by the object names the form gives
// them.

#include <QWidget>

/// The widget @p name of class @p T in @p window; a form without it ends
/// the test run with a message.
template <class T> T *formWidget(const QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("the form has no %s of that class", name);
    return widget;
}
