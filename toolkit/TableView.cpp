#include "TableView.h"

#include "HeaderView.h"
#include "PixmapDelegate.h"

#include <QMouseEvent>

namespace KavrinGUIToolkit {

CTableView::CTableView(QWidget *parent)
    : QTableView(parent), m_header(new CHeaderView(Qt::Horizontal, this))
{
    setHorizontalHeader(m_header);
    m_header->setStretchLastSection(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true);
}

CTableView::~CTableView() = default;

void CTableView::SetAutoChangeCheckbox(bool on)
{
    m_header->SetAutoChangeCheckbox(on);
}

bool CTableView::IsAutoChangeCheckbox() const
{
    return m_header->IsAutoChangeCheckbox();
}

void CTableView::mousePressEvent(QMouseEvent *event)
{
    m_clicks.Press(this, event);
    QTableView::mousePressEvent(event);
}

void CTableView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    CViewClickTracker::Click click;
    if (!m_clicks.Release(this, event, click))
        return;
    if (click.role != NoIconRole)
        emit SignalClicked(click.index, click.role);
    else
        emit SignalClicked(click.index);
}

void CTableView::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    // A hand over an icon tells the planner it can be clicked.
    const QPoint pos = event->position().toPoint();
    const bool onIcon = CPixmapDelegate::IconHit(this, indexAt(pos), pos) != NoIconRole;
    const Qt::CursorShape shape = onIcon ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (viewport()->cursor().shape() != shape)
        viewport()->setCursor(shape);
}

} // namespace KavrinGUIToolkit
