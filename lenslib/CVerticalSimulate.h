#pragma once

#include <QFrame>

class CSimulateTextNode;
class CUnidimensionalArrowNode;
class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsPolygonItem;
class QGraphicsScene;
class QGraphicsSimpleTextItem;
class QGraphicsView;
class QLabel;

namespace KavrinGUIToolkit {
class CSpinBox;
}

/// The side view: a camera on a pole above flat ground, its vertical view
/// wedge, the near and far edge of the detection area, the top of the
/// picture above the far edge and an object standing at both edges. Five
/// handles set the camera height, the two edges, the top of the view and
/// the object height; the X and Y lengths say how many metres the drawing's
/// width and height stand for.
///
/// Everything is kept as fractions of the drawing (margins 40, 40, 70, 40),
/// so resizing or a new X or Y length rescales the metres the same pixels
/// stand for. Signal order: after a length change or setParams()
/// DistanceChanged comes first, then ProPortionChanged and
/// CameraBracketChanged; after a drag ProPortionChanged and
/// CameraBracketChanged come first and DistanceChanged last; a resize sends
/// DistanceChanged only.
class CVerticalSimulate : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVerticalSimulate)
public:
    explicit CVerticalSimulate(QWidget *parent = nullptr);
    ~CVerticalSimulate() override;

    /// A new lens: the vertical view angle (degrees) and the object
    /// distance (metres). A distance other than 0 puts the near edge at the
    /// distance, the far edge at one and a half times it and the camera at
    /// half the drawing's height (the X length becomes twice the distance).
    /// @p width is accepted and not used. An angle that is not a finite
    /// number is ignored.
    void setParams(double viewAngle, int distance, int width);

    /// No lens to show: the angle reads "--" until the next setParams().
    void clearViewAngle();
    /// Called by the handles after the user moved one of them.
    void onArrowMoved(CUnidimensionalArrowNode *arrow);

signals:
    /// Near and far ground distance in metres.
    void DistanceChanged(float nearDistance, float farDistance);
    /// The object height, the picture's height above the near edge, the
    /// picture's top above the far edge and how far the picture's lower
    /// edge lies below the ground there, in metres. A height the geometry
    /// cannot give (a ray along the ground) is sent as a not-a-number.
    void ProPortionChanged(float objectHeight, float nearViewHeight, float farTopHeight,
                           float farDrop);
    /// Camera height (m), view angle (degrees), near distance (m).
    void CameraBracketChanged(float cameraHeight, float viewAngle, float nearDistance);

public slots:
    void SpinValueChangedX(int value);
    void SpinValueChangedY(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutArrows();
    void emitResults();
    void redraw();
    void placeWidgets();
    void placeAngleText();

    double usableWidth() const;
    double usableHeight() const;
    bool hasUsableArea() const;
    double lengthX() const;
    double lengthY() const;
    double nearDistance() const;
    double farDistance() const;
    double cameraHeight() const;
    double viewTopHeight() const;
    double horizontalFraction(const CUnidimensionalArrowNode *arrow) const;
    double verticalFraction(const CUnidimensionalArrowNode *arrow) const;
    void placeNearArrow();
    void followNearEdge();

    KavrinGUIToolkit::CSpinBox *m_pSpinX = nullptr;
    KavrinGUIToolkit::CSpinBox *m_pSpinY = nullptr;
    QLabel *m_pLegendLabel = nullptr;
    QLabel *m_pObjectWarning = nullptr;
    QLabel *m_pCameraWarning = nullptr;
    QLabel *m_pUnitXLabel = nullptr;
    QLabel *m_pUnitYLabel = nullptr;
    QLabel *m_pYLabel = nullptr;
    QLabel *m_pXLabel = nullptr;
    int m_nLeft = 40;
    int m_nTop = 40;
    int m_nRight = 70;
    int m_nBottom = 40;
    float m_fViewAngle = 25;
    float m_fArrowLength = 0;
    float m_fArrowBreadth = 0;
    QGraphicsView *m_pView = nullptr;
    QGraphicsScene *m_pScene = nullptr;
    CUnidimensionalArrowNode *m_pNearArrow = nullptr;
    CUnidimensionalArrowNode *m_pFarArrow = nullptr;
    float m_fNearPos = 0.3f;
    float m_fFarPos = 0.6f;
    QGraphicsLineItem *m_pGroundNear = nullptr;
    QGraphicsLineItem *m_pGroundMid = nullptr;
    QGraphicsLineItem *m_pGroundFar = nullptr;
    QGraphicsSimpleTextItem *m_pNearText = nullptr;
    QGraphicsSimpleTextItem *m_pGapText = nullptr;
    QGraphicsLineItem *m_pTickCamera = nullptr;
    QGraphicsLineItem *m_pTickFar = nullptr;
    QGraphicsLineItem *m_pDimensionLine = nullptr;
    QGraphicsSimpleTextItem *m_pFarText = nullptr;
    CUnidimensionalArrowNode *m_pCameraArrow = nullptr;
    float m_fCameraPos = 0.5f;
    QGraphicsLineItem *m_pPoleLine = nullptr;
    QGraphicsLineItem *m_pHeightLine = nullptr;
    QGraphicsSimpleTextItem *m_pHeightText = nullptr;
    QGraphicsLineItem *m_pFarUpperLine = nullptr;
    QGraphicsLineItem *m_pFarViewLine = nullptr;
    float m_fViewTopPos = 0.3f;
    float m_fObjectPos = 0.6f;
    double m_dObjectHeight = 4.0;
    CUnidimensionalArrowNode *m_pViewTopArrow = nullptr;
    CUnidimensionalArrowNode *m_pObjectArrow = nullptr;
    QGraphicsSimpleTextItem *m_pViewTopText = nullptr;
    QGraphicsSimpleTextItem *m_pObjectText = nullptr;
    int m_nTreeWidth = 0;
    QGraphicsLineItem *m_pUpperRay = nullptr;
    QGraphicsLineItem *m_pLowerRay = nullptr;
    QGraphicsPolygonItem *m_pViewPolygon = nullptr;
    CSimulateTextNode *m_pAngleText = nullptr;
    QGraphicsPixmapItem *m_pFarTree = nullptr;
    QGraphicsPixmapItem *m_pNearTree = nullptr;
    QGraphicsPixmapItem *m_pCameraImage = nullptr;
    int m_nCameraImageWidth = 0;
    bool m_bResizing = false;
};
