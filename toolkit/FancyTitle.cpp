#include "FancyTitle.h"

#include <QMouseEvent>

namespace KavrinGUIToolkit {

CFancyTitle::CFancyTitle(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CFancyTitle"));
    setAttribute(Qt::WA_StyledBackground);
}

CFancyTitle::~CFancyTitle() = default;

void CFancyTitle::mousePressEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    // A maximised window stays where it is until it is restored.
    if (event->button() == Qt::LeftButton && window && !IsMaximized(window) &&
        !IsFullScreen(window)) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    }
    QFrame::mousePressEvent(event);
}

void CFancyTitle::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        if (QWidget *window = GetIndependentWindow(this))
            window->move(event->globalPosition().toPoint() - m_dragOffset);
    }
    QFrame::mouseMoveEvent(event);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QFrame::mouseReleaseEvent(event);
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (!m_doubleClickEnabled || event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    QWidget *window = GetIndependentWindow(this);
    if (!window)
        return;
    if (IsMaximized(window) || IsFullScreen(window))
        ShowNormal(window);
    else
        ShowMaximized(window);
    emit SignalWndSizeStatusChanged();
}

} // namespace KavrinGUIToolkit
