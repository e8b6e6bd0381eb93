#include "WidgetSizeFactory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace KavrinGUIToolkit {

namespace {

const char kNormalGeometry[] = "_kavrin_normalGeometry";

bool isFrameless(const QWidget *w)
{
    return w->windowFlags().testFlag(Qt::FramelessWindowHint);
}

} // namespace

CWidgetSizeFactory::~CWidgetSizeFactory() = default;

bool CWidgetSizeFactory::IsMaximized(const QWidget *window)
{
    return window && window->isMaximized();
}

bool CWidgetSizeFactory::IsFullScreen(const QWidget *window)
{
    return window && window->isFullScreen();
}

void CWidgetSizeFactory::ShowMaximized(QWidget *window)
{
    if (!window)
        return;
    if (!window->isMaximized() && !window->isFullScreen())
        window->setProperty(kNormalGeometry, window->geometry());
    window->showMaximized();
    // Without decoration some window managers (and none at all) leave the
    // window where it was: cover the screen's free area ourselves.
    if (isFrameless(window)) {
        QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (screen)
            window->setGeometry(screen->availableGeometry());
    }
}

void CWidgetSizeFactory::ShowNormal(QWidget *window, const QSize &size)
{
    if (!window)
        return;
    const QVariant normal = window->property(kNormalGeometry);
    window->showNormal();
    if (isFrameless(window) && normal.isValid() && normal.toRect().isValid())
        window->setGeometry(normal.toRect());
    window->setProperty(kNormalGeometry, QVariant());
    if (size.isValid())
        window->resize(size);
}

QWidget *CWidgetSizeFactory::GetIndependentWindow(QWidget *widget)
{
    return widget ? widget->window() : nullptr;
}

} // namespace KavrinGUIToolkit
