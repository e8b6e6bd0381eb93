#include "TreeView.h"

#include "HeaderView.h"
#include "PixmapDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace KavrinGUIToolkit {

CTreeView::CTreeView(QWidget *parent)
    : QTreeView(parent), m_header(new CHeaderView(Qt::Horizontal, this))
{
    setHeader(m_header);
    // QTreeView::setHeader() makes the sections clickable only for sorting;
    // the header's check boxes need the clicks.
    m_header->setSectionsClickable(true);
    m_header->setStretchLastSection(true);
    setMouseTracking(true);
}

CTreeView::~CTreeView() = default;

void CTreeView::SetAutoChangeCheckbox(bool on)
{
    m_header->SetAutoChangeCheckbox(on);
}

bool CTreeView::IsAutoChangeCheckbox() const
{
    return m_header->IsAutoChangeCheckbox();
}

void CTreeView::SetCurrentIsChosen(bool on)
{
    m_currentIsChosen = on;
}

void CTreeView::keepChosenRow()
{
    if (m_currentIsChosen && currentIndex() != QModelIndex(m_chosen))
        setCurrentIndex(m_chosen);
}

void CTreeView::mousePressEvent(QMouseEvent *event)
{
    m_clicks.Press(this, event);
    m_chosen = currentIndex();
    // The base press still runs: it starts the click that the release
    // completes, and a delegate's check box needs it.
    QTreeView::mousePressEvent(event);
    keepChosenRow();
}

void CTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    CViewClickTracker::Click click;
    if (!m_clicks.Release(this, event, click))
        return;
    if (click.role != NoIconRole)
        emit SignalClicked(click.index, click.role);
    else
        emit SignalClicked(click.index);
}

void CTreeView::mouseMoveEvent(QMouseEvent *event)
{
    QTreeView::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        keepChosenRow();
    // A hand over an icon tells the planner it can be clicked.
    const QPoint pos = event->position().toPoint();
    const bool onIcon = CPixmapDelegate::IconHit(this, indexAt(pos), pos) != NoIconRole;
    const Qt::CursorShape shape = onIcon ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (viewport()->cursor().shape() != shape)
        viewport()->setCursor(shape);
}

void CTreeView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex().siblingAtColumn(0);
    QTreeView::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    if (m_currentIsChosen && now.isValid() && now.siblingAtColumn(0) != before)
        emit SignalClicked(now);
}

} // namespace KavrinGUIToolkit
