#include "ViewClickTracker.h"

#include "PixmapDelegate.h"

#include <QAbstractItemView>
#include <QMouseEvent>

namespace KavrinGUIToolkit {

void CViewClickTracker::Press(const QAbstractItemView *view, const QMouseEvent *event)
{
    m_pressed = QPersistentModelIndex();
    m_role = NoIconRole;
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = view->indexAt(pos);
    if (!index.isValid())
        return;
    m_pressed = index;
    m_role = CPixmapDelegate::IconHit(view, index, pos);
}

bool CViewClickTracker::Release(const QAbstractItemView *view, const QMouseEvent *event,
                                Click &click)
{
    const QPersistentModelIndex pressed = m_pressed;
    const CItemDataRole role = m_role;
    m_pressed = QPersistentModelIndex();
    m_role = NoIconRole;
    if (event->button() != Qt::LeftButton || !pressed.isValid())
        return false;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = view->indexAt(pos);
    if (index != pressed)
        return false;
    if (CPixmapDelegate::IconHit(view, index, pos) != role)
        return false;
    click.index = index;
    click.role = role;
    return true;
}

} // namespace KavrinGUIToolkit
