#pragma once

#include <QGraphicsPixmapItem>

namespace pendrik {

/// The QGraphicsItem::data() key under which the simulations name their
/// scene items ("m_pNearArrow"), as object names do for widgets.
inline constexpr int kItemNameKey = 0;

} // namespace pendrik

/// A drag handle of the simulations: a picture the user drags along one
/// axis only. While constrained it is pinned to one coordinate, clamped
/// between a lowest and a highest value of the other, and every move is
/// reported to the simulation whose scene it is in. The simulations move it
/// by code with the constraint switched off, so such moves are neither
/// clamped nor reported.
class CUnidimensionalArrowNode : public QGraphicsPixmapItem
{
public:
    /// 1: an up-down handle; any other type: a left-right handle (the
    /// simulations pass 2). The type chooses the hover pictures.
    enum ArrowType { Vertical = 1, Horizontal = 2 };

    CUnidimensionalArrowNode(const QPixmap &picture, int arrowType,
                             QGraphicsItem *parent = nullptr);
    ~CUnidimensionalArrowNode() override;
    CUnidimensionalArrowNode(const CUnidimensionalArrowNode &) = delete;
    CUnidimensionalArrowNode &operator=(const CUnidimensionalArrowNode &) = delete;

    /// Orientation 0 moves along x with y pinned at @p fixedCoord; any other
    /// value moves along y with x pinned. A @p min above @p max leaves the
    /// handle at @p max. Does not move the handle; always true.
    bool setConstraint(double fixedCoord, int orientation, double min, double max);
    void setConstrained(bool constrained);
    bool isConstrained() const { return m_bConstrained; }

    int orientation() const { return m_nOrientation; }
    double fixedCoord() const { return m_dFixedCoord; }
    double minimum() const { return m_dMin; }
    double maximum() const { return m_dMax; }
    int arrowType() const { return m_nArrowType; }

    /// Moves the handle by code: the constraint is off during the move and
    /// on after it.
    void placeAt(const QPointF &pos);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    QString picturePath(bool hover) const;

    int m_nOrientation = 0;
    double m_dFixedCoord = 0;
    double m_dMin = 0;
    double m_dMax = 0;
    bool m_bConstrained = false;
    int m_nArrowType = 0;
};
