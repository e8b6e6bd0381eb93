#include "CUnidimensionalArrowNode.h"

#include "CHorizontalSimulate.h"
#include "CVerticalSimulate.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsView>

#include <algorithm>

CUnidimensionalArrowNode::CUnidimensionalArrowNode(const QPixmap &picture, int arrowType,
                                                   QGraphicsItem *parent)
    : QGraphicsPixmapItem(picture, parent), m_nArrowType(arrowType)
{
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
    setCacheMode(DeviceCoordinateCache);
    setAcceptHoverEvents(true);
    setCursor(arrowType == Vertical ? Qt::SizeVerCursor : Qt::SizeHorCursor);
}

CUnidimensionalArrowNode::~CUnidimensionalArrowNode() = default;

bool CUnidimensionalArrowNode::setConstraint(double fixedCoord, int orientation, double min,
                                             double max)
{
    m_dFixedCoord = fixedCoord;
    m_nOrientation = orientation;
    m_dMin = min;
    m_dMax = max;
    return true;
}

void CUnidimensionalArrowNode::setConstrained(bool constrained)
{
    m_bConstrained = constrained;
}

void CUnidimensionalArrowNode::placeAt(const QPointF &pos)
{
    m_bConstrained = false;
    setPos(pos);
    m_bConstrained = true;
}

QString CUnidimensionalArrowNode::picturePath(bool hover) const
{
    if (m_nArrowType == Vertical) {
        return hover ? QStringLiteral(":/images/Pendrik/arrow_up_downHover.png")
                     : QStringLiteral(":/images/Pendrik/arrow_up_down.png");
    }
    return hover ? QStringLiteral(":/images/Pendrik/arrow_left_rightHover.png")
                 : QStringLiteral(":/images/Pendrik/arrow_left_right.png");
}

void CUnidimensionalArrowNode::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    Q_UNUSED(event);
    setPixmap(QPixmap(picturePath(true)));
}

void CUnidimensionalArrowNode::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    Q_UNUSED(event);
    setPixmap(QPixmap(picturePath(false)));
}

QVariant CUnidimensionalArrowNode::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (!m_bConstrained)
        return QGraphicsPixmapItem::itemChange(change, value);

    if (change == ItemPositionChange) {
        QPointF pos = value.toPointF();
        // min() last, so a range whose minimum exceeds its maximum gives the
        // maximum.
        if (m_nOrientation != 0) {
            pos.setX(m_dFixedCoord);
            pos.setY(std::min(m_dMax, std::max(pos.y(), m_dMin)));
        } else {
            pos.setX(std::min(m_dMax, std::max(pos.x(), m_dMin)));
            pos.setY(m_dFixedCoord);
        }
        return pos;
    }

    if (change == ItemPositionHasChanged && scene()) {
        const QList<QGraphicsView *> views = scene()->views();
        for (QGraphicsView *view : views) {
            QWidget *owner = view->parentWidget();
            if (!owner)
                continue;
            // Only the simulations themselves, not classes derived from them.
            if (owner->metaObject() == &CVerticalSimulate::staticMetaObject)
                static_cast<CVerticalSimulate *>(owner)->onArrowMoved(this);
            else if (owner->metaObject() == &CHorizontalSimulate::staticMetaObject)
                static_cast<CHorizontalSimulate *>(owner)->onArrowMoved(this);
        }
    }
    return QGraphicsPixmapItem::itemChange(change, value);
}
