#pragma once

#include <QFrame>
#include <QPointF>

class CSimulateTextNode;
class CUnidimensionalArrowNode;
class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsPolygonItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;

/// The top view: the camera at the apex of its horizontal view wedge. The
/// middle of the wedge stands for the near edge of the detection area, its
/// right end for the far edge; a handle on the bottom line moves a
/// cross-section between the two. It shows the view angle, the width
/// covered at the near edge, at the far edge and at the cross-section, and
/// the cross-section's distance. The outline follows the widget's size
/// only; the angle and the distances change the numbers.
class CHorizontalSimulate : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHorizontalSimulate)
public:
    explicit CHorizontalSimulate(QWidget *parent = nullptr);
    ~CHorizontalSimulate() override;

    /// Keeps a horizontal view angle of 0 degrees or more (a negative one is
    /// ignored). Shown with the next DistanceChanged().
    void setHorizontalAngle(double angle);

    /// No lens to show: the angle and the three widths read "--" until the
    /// next setHorizontalAngle().
    void clearViewAngle();
    /// Called by the handle after the user moved it.
    void onArrowMoved(CUnidimensionalArrowNode *arrow);

public slots:
    /// The near and far ground distance in metres, from the side view.
    void DistanceChanged(float nearDistance, float farDistance);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();
    QPointF wedgePoint(double x, bool lower) const;
    double crossSectionDistance() const;

    QLabel *m_pLegendLabel = nullptr;
    int m_nLeft = 30;
    int m_nTop = 30;
    int m_nRight = 55;
    int m_nBottom = 40;
    float m_fMoveArrowPos = 0.6f;
    int m_nWedgeInset = 20;
    float m_fArrowLength = 0;
    float m_fArrowBreadth = 0;
    int m_nCameraImageWidth = 0;
    float m_fViewAngle = 25;
    float m_fNearDistance = 25;
    float m_fFarDistance = 50;
    QGraphicsView *m_pView = nullptr;
    QGraphicsScene *m_pScene = nullptr;
    QGraphicsPolygonItem *m_pWedge = nullptr;
    QGraphicsPolygonItem *m_pFarHalf = nullptr;
    QGraphicsPolygonItem *m_pNearBand = nullptr;
    QGraphicsPolygonItem *m_pFarBand = nullptr;
    CUnidimensionalArrowNode *m_pMoveArrow = nullptr;
    QGraphicsLineItem *m_pBottomLine = nullptr;
    QGraphicsLineItem *m_pCameraLine = nullptr;
    QGraphicsLineItem *m_pMarkerLine = nullptr;
    QGraphicsPixmapItem *m_pCameraImage = nullptr;
    int m_nNodeHeight = 18;
    int m_nNodeWidth = 60;
    CSimulateTextNode *m_pAngleText = nullptr;
    CSimulateTextNode *m_pNearWidthText = nullptr;
    CSimulateTextNode *m_pArrowWidthText = nullptr;
    CSimulateTextNode *m_pFarWidthText = nullptr;
    CSimulateTextNode *m_pArrowDistanceText = nullptr;
};
