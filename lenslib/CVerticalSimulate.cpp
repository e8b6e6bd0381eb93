#include "CVerticalSimulate.h"

#include "CSimulateTextNode.h"
#include "CUnidimensionalArrowNode.h"
#include "LensFormulas.h"
#include "PendrikLogging.h"
#include "UserManual.h"

#include <Widgets.h>

#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

#include <cmath>
#include <limits>

namespace {

const char kArrowUpDown[] = ":/images/Pendrik/arrow_up_down.png";
const char kArrowLeftRight[] = ":/images/Pendrik/arrow_left_right.png";
const char kCameraPicture[] = ":/images/Pendrik/SimuIPC.png";
const char kTreeNear[] = ":/images/Pendrik/treeNear.png";

template <typename Item> Item *named(Item *item, const char *name)
{
    item->setData(pendrik::kItemNameKey, QString::fromLatin1(name));
    return item;
}

QGraphicsLineItem *addLine(QGraphicsScene *scene, const char *name)
{
    auto *line = named(new QGraphicsLineItem, name);
    scene->addItem(line);
    return line;
}

QGraphicsSimpleTextItem *addText(QGraphicsScene *scene, const char *name)
{
    auto *text = named(new QGraphicsSimpleTextItem(QStringLiteral("12")), name);
    text->setFont(QFont());
    scene->addItem(text);
    return text;
}

CUnidimensionalArrowNode *addArrow(QGraphicsScene *scene, const QPixmap &picture, int type,
                                   const char *name)
{
    auto *arrow = named(new CUnidimensionalArrowNode(picture, type), name);
    scene->addItem(arrow);
    return arrow;
}

QPen linePen(int r, int g, int b)
{
    return QPen(QColor(r, g, b), 2);
}

QLabel *addLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

} // namespace

CVerticalSimulate::CVerticalSimulate(QWidget *parent) : QFrame(parent)
{
    m_pSpinX = new KavrinGUIToolkit::CSpinBox(this);
    m_pSpinX->setObjectName(QStringLiteral("m_pSpinX"));
    m_pSpinY = new KavrinGUIToolkit::CSpinBox(this);
    m_pSpinY->setObjectName(QStringLiteral("m_pSpinY"));
    m_pLegendLabel = addLabel(this, "m_pLegendLabel");
    m_pObjectWarning = addLabel(this, "m_pObjectWarning");
    m_pCameraWarning = addLabel(this, "m_pCameraWarning");
    m_pUnitXLabel = addLabel(this, "m_pUnitXLabel");
    m_pUnitYLabel = addLabel(this, "m_pUnitYLabel");
    m_pYLabel = addLabel(this, "m_pYLabel");
    m_pXLabel = addLabel(this, "m_pXLabel");
    m_pSpinX->setValue(50);
    m_pSpinY->setValue(10);
    m_pObjectWarning->hide();
    m_pCameraWarning->hide();

    m_pView = new QGraphicsView(this);
    m_pView->setObjectName(QStringLiteral("m_pView"));
    m_pScene = new QGraphicsScene(m_pView);
    m_pView->setScene(m_pScene);
    // Scene coordinates are the side view's own: no frame, no centring.
    m_pView->setFrameShape(QFrame::NoFrame);
    m_pView->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_pGroundNear = addLine(m_pScene, "m_pGroundNear");
    m_pGroundMid = addLine(m_pScene, "m_pGroundMid");
    m_pGroundFar = addLine(m_pScene, "m_pGroundFar");
    m_pTickCamera = addLine(m_pScene, "m_pTickCamera");
    m_pTickFar = addLine(m_pScene, "m_pTickFar");
    m_pDimensionLine = addLine(m_pScene, "m_pDimensionLine");
    m_pPoleLine = addLine(m_pScene, "m_pPoleLine");
    m_pHeightLine = addLine(m_pScene, "m_pHeightLine");
    m_pFarUpperLine = addLine(m_pScene, "m_pFarUpperLine");
    m_pFarViewLine = addLine(m_pScene, "m_pFarViewLine");
    m_pUpperRay = addLine(m_pScene, "m_pUpperRay");
    m_pLowerRay = addLine(m_pScene, "m_pLowerRay");

    const QPixmap upDown(QString::fromLatin1(kArrowUpDown));
    if (upDown.isNull())
        qCDebug(lcPendrik).noquote()
            << QStringLiteral("wuz---cannt load ") + QString::fromLatin1(kArrowUpDown);
    m_fArrowLength = float(upDown.height());
    m_fArrowBreadth = float(upDown.width());

    m_pCameraArrow =
        addArrow(m_pScene, upDown, CUnidimensionalArrowNode::Vertical, "m_pCameraArrow");
    m_pHeightText = addText(m_pScene, "m_pHeightText");
    const QPixmap camera(QString::fromLatin1(kCameraPicture));
    m_nCameraImageWidth = camera.width();
    m_pCameraImage = named(m_pScene->addPixmap(camera), "m_pCameraImage");
    m_pViewTopArrow =
        addArrow(m_pScene, upDown, CUnidimensionalArrowNode::Vertical, "m_pViewTopArrow");
    m_pObjectArrow =
        addArrow(m_pScene, upDown, CUnidimensionalArrowNode::Vertical, "m_pObjectArrow");
    m_pViewTopText = addText(m_pScene, "m_pViewTopText");
    m_pObjectText = addText(m_pScene, "m_pObjectText");

    const QPixmap tree(QString::fromLatin1(kTreeNear));
    m_nTreeWidth = tree.width();
    m_pFarTree = named(m_pScene->addPixmap(tree), "m_pFarTree");
    m_pNearTree = named(m_pScene->addPixmap(tree), "m_pNearTree");

    const QPixmap leftRight(QString::fromLatin1(kArrowLeftRight));
    m_pNearArrow =
        addArrow(m_pScene, leftRight, CUnidimensionalArrowNode::Horizontal, "m_pNearArrow");
    m_pFarArrow =
        addArrow(m_pScene, leftRight, CUnidimensionalArrowNode::Horizontal, "m_pFarArrow");
    m_pNearText = addText(m_pScene, "m_pNearText");
    m_pGapText = addText(m_pScene, "m_pGapText");
    m_pFarText = addText(m_pScene, "m_pFarText");
    m_pViewPolygon = named(new QGraphicsPolygonItem, "m_pViewPolygon");
    m_pScene->addItem(m_pViewPolygon);
    m_pAngleText = new CSimulateTextNode(this);
    m_pAngleText->setObjectName(QStringLiteral("m_pAngleText"));

    for (KavrinGUIToolkit::CSpinBox *spin : {m_pSpinX, m_pSpinY}) {
        spin->show();
        spin->raise();
        spin->setRange(1, 999);
        const QSize hint = spin->sizeHint();
        spin->resize(hint.width() + 5, hint.height());
    }
    m_pObjectWarning->raise();
    m_pCameraWarning->raise();
    for (QLabel *warning : {m_pObjectWarning, m_pCameraWarning}) {
        warning->setStyleSheet(QStringLiteral("text-align:left; color: red;"));
        warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        warning->setWordWrap(true);
    }
    // Labels lie over the drawing where the handles move: a press on them
    // must reach the handle underneath.
    for (QLabel *label : {m_pObjectWarning, m_pCameraWarning, m_pLegendLabel, m_pYLabel, m_pXLabel,
                          m_pUnitXLabel, m_pUnitYLabel})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_pLegendLabel->setText(tr("label:m"));
    // Translated like the units of the page's own fields.
    m_pUnitXLabel->setText(tr("m"));
    m_pUnitYLabel->setText(tr("m"));
    m_pYLabel->setText(tr("Y Length:"));
    m_pXLabel->setText(tr("X Length:"));
    for (QLabel *unit : {m_pUnitXLabel, m_pUnitYLabel})
        unit->resize(unit->fontMetrics().horizontalAdvance(unit->text()), m_pSpinX->height());
    for (QLabel *label : {m_pLegendLabel, m_pYLabel, m_pXLabel}) {
        // Sized to their texts, which differ from one language to the other.
        label->adjustSize();
        label->resize(label->width(), m_pSpinX->height());
    }
    for (QLabel *label : {m_pLegendLabel, m_pUnitXLabel, m_pUnitYLabel, m_pYLabel, m_pXLabel}) {
        label->show();
        label->raise();
    }

    m_pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setRenderHint(QPainter::Antialiasing);

    m_pGroundNear->setPen(linePen(157, 218, 147));
    m_pGroundMid->setPen(linePen(238, 207, 179));
    m_pDimensionLine->setPen(linePen(103, 151, 171));
    m_pHeightLine->setPen(linePen(157, 218, 147));
    m_pFarViewLine->setPen(linePen(134, 165, 185));

    m_fNearPos = 0.3f;
    m_fFarPos = 0.6f;
    m_fCameraPos = 0.5f;
    m_fViewTopPos = 0.3f;
    m_fObjectPos = 0.6f;
    m_dObjectHeight = lengthY() * (1 - double(m_fObjectPos));

    m_pViewPolygon->setPen(Qt::NoPen);
    m_pViewPolygon->setBrush(QColor(242, 247, 248));
    m_pViewPolygon->setVisible(true);
    m_pViewPolygon->setZValue(-1);

    connect(m_pSpinX, &QSpinBox::valueChanged, this, &CVerticalSimulate::SpinValueChangedX);
    connect(m_pSpinY, &QSpinBox::valueChanged, this, &CVerticalSimulate::SpinValueChangedY);
}

CVerticalSimulate::~CVerticalSimulate() = default;

double CVerticalSimulate::usableWidth() const
{
    return width() - m_nLeft - m_nRight;
}

double CVerticalSimulate::usableHeight() const
{
    return height() - m_nTop - m_nBottom;
}

bool CVerticalSimulate::hasUsableArea() const
{
    return usableWidth() > 0 && usableHeight() > 0;
}

double CVerticalSimulate::lengthX() const
{
    return m_pSpinX->value();
}

double CVerticalSimulate::lengthY() const
{
    return m_pSpinY->value();
}

double CVerticalSimulate::nearDistance() const
{
    return lengthX() * double(m_fNearPos);
}

double CVerticalSimulate::farDistance() const
{
    return lengthX() * double(m_fFarPos);
}

double CVerticalSimulate::cameraHeight() const
{
    return lengthY() * (1 - double(m_fCameraPos));
}

double CVerticalSimulate::viewTopHeight() const
{
    return lengthY() * (1 - double(m_fViewTopPos));
}

double CVerticalSimulate::horizontalFraction(const CUnidimensionalArrowNode *arrow) const
{
    return (arrow->x() + m_fArrowLength / 2 - m_nLeft) / usableWidth();
}

double CVerticalSimulate::verticalFraction(const CUnidimensionalArrowNode *arrow) const
{
    return (arrow->y() + m_fArrowLength / 2 - m_nTop) / usableHeight();
}

void CVerticalSimulate::placeNearArrow()
{
    m_pNearArrow->placeAt(QPointF(m_nLeft + usableWidth() * m_fNearPos - m_fArrowLength / 2,
                                  height() - m_nBottom - m_fArrowBreadth / 2));
}

void CVerticalSimulate::followNearEdge()
{
    // The near edge goes to where the lower edge of the view meets the
    // ground, with its upper edge through the top of the view at the far
    // edge.
    const std::optional<double> nearEdge = pendrik::calcNearGroundDistance(
        cameraHeight(), m_fViewAngle, farDistance(), viewTopHeight());
    if (nearEdge)
        m_fNearPos = float(*nearEdge / lengthX());
    placeNearArrow();
}

void CVerticalSimulate::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event);
    m_bResizing = true;
    m_pView->setGeometry(0, 0, width() + 10, height() + 10);
    m_pScene->setSceneRect(0, 0, width(), height());
    layoutArrows();
    m_bResizing = false;
}

void CVerticalSimulate::layoutArrows()
{
    const double uw = usableWidth();
    const double uh = usableHeight();
    const double ground = height() - m_nBottom;

    placeNearArrow();
    m_pFarArrow->placeAt(
        QPointF(m_nLeft + uw * m_fFarPos - m_fArrowLength / 2, ground - m_fArrowBreadth / 2));
    m_pCameraArrow->placeAt(
        QPointF(m_nLeft - m_fArrowBreadth / 2, m_nTop + uh * m_fCameraPos - m_fArrowLength / 2));
    m_pObjectArrow->placeAt(QPointF(
        int(m_pFarArrow->x()) + 5, ground - m_dObjectHeight / lengthY() * uh - m_fArrowLength / 2));

    const std::optional<double> top =
        pendrik::calcUpperEdgeHeight(cameraHeight(), m_fViewAngle, nearDistance(), farDistance());
    if (top)
        m_fViewTopPos = float(1 - *top / lengthY());
    m_pViewTopArrow->placeAt(
        QPointF(m_pFarArrow->x() + 5, m_nTop + uh * m_fViewTopPos - m_fArrowLength / 2));
    redraw();
}

void CVerticalSimulate::SpinValueChangedX(int value)
{
    Q_UNUSED(value);
    layoutArrows();
    emitResults();
}

void CVerticalSimulate::SpinValueChangedY(int value)
{
    Q_UNUSED(value);
    layoutArrows();
    emitResults();
}

void CVerticalSimulate::setParams(double viewAngle, int distance, int width)
{
    Q_UNUSED(width);
    if (!std::isfinite(viewAngle))
        return;
    m_pAngleText->setText(QString::number(int(viewAngle)) + pendrik::degreeSignText());
    m_fViewAngle = float(viewAngle);
    if (distance != 0) {
        m_fNearPos = 0.5f;
        m_fFarPos = 0.75f;
        m_pSpinX->setValue(2 * distance);
        m_fCameraPos = 0.5f;
    }
    layoutArrows();
    emitResults();
}

void CVerticalSimulate::clearViewAngle()
{
    m_pAngleText->setText(QStringLiteral("--"));
    m_pAngleText->update();
}

void CVerticalSimulate::onArrowMoved(CUnidimensionalArrowNode *arrow)
{
    // A drawing smaller than its margins has no fractions to take.
    if (!m_bResizing && hasUsableArea()) {
        if (arrow == m_pCameraArrow) {
            m_fCameraPos = float(verticalFraction(arrow));
            followNearEdge();
        } else if (arrow == m_pNearArrow) {
            m_fNearPos = float(horizontalFraction(arrow));
            const std::optional<double> top = pendrik::calcUpperEdgeHeight(
                cameraHeight(), m_fViewAngle, nearDistance(), farDistance());
            if (top)
                m_fViewTopPos = float(1 - *top / lengthY());
            m_pViewTopArrow->placeAt(
                QPointF(m_pViewTopArrow->x(),
                        m_nTop + usableHeight() * m_fViewTopPos - m_fArrowLength / 2));
        } else if (arrow == m_pFarArrow) {
            m_fFarPos = float(horizontalFraction(arrow));
            const double x = m_pFarArrow->x() + m_fArrowLength / 2 - m_fArrowBreadth / 2;
            m_pViewTopArrow->placeAt(QPointF(x, m_pViewTopArrow->y()));
            m_pObjectArrow->placeAt(QPointF(x, m_pObjectArrow->y()));
            followNearEdge();
        } else if (arrow == m_pViewTopArrow) {
            m_fViewTopPos = float(verticalFraction(arrow));
            followNearEdge();
        } else if (arrow == m_pObjectArrow) {
            m_dObjectHeight = lengthY() *
                              (height() - m_nBottom - (arrow->y() + m_fArrowLength / 2)) /
                              usableHeight();
        }
        emitResults();
    }

    // Only a drag can tilt the view away from the ground, so only a drag
    // shows or clears this warning.
    if (m_fNearPos < 0) {
        m_pCameraWarning->setText(tr("The beginning of the detection area is located behind the "
                                     "camera,\nPlease change the camera angle!"));
        m_pCameraWarning->show();
    } else {
        m_pCameraWarning->hide();
    }
    redraw();
}

void CVerticalSimulate::emitResults()
{
    const double h = cameraHeight();
    const double n = nearDistance();
    const double t = viewTopHeight();
    const std::optional<double> nearView = pendrik::calcUpperEdgeHeight(h, m_fViewAngle, n, n);
    const std::optional<double> farDrop =
        pendrik::calcLowerEdgeDrop(h, m_fViewAngle, n, farDistance(), t);
    emit ProPortionChanged(float(m_dObjectHeight), float(nearView.value_or(kUnknown)), float(t),
                           float(farDrop.value_or(kUnknown)));
    emit CameraBracketChanged(float(h), m_fViewAngle, float(n));
}

void CVerticalSimulate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        pendrik::openUserManualOrTell();
    // Every key ends here, so none reaches the host's dialog.
    event->accept();
}

void CVerticalSimulate::placeWidgets()
{
    const int w = width();
    const int h = height();
    m_pLegendLabel->move(w - m_pLegendLabel->width() - 20, 10);
    m_pYLabel->move(10, 10);
    // The X length sits at the bottom right, moved left as far as its
    // label, box and unit need to stay inside the view.
    const int xRowWidth = m_pXLabel->width() + 5 + m_pSpinX->width() + 2 + m_pUnitXLabel->width();
    m_pXLabel->move(qMin(w - m_nRight - 50, w - 5 - xRowWidth), h - m_pSpinX->height() / 2 - 20);
    m_pSpinX->move(m_pXLabel->x() + m_pXLabel->width() + 5, m_pXLabel->y());
    m_pUnitXLabel->move(m_pSpinX->x() + m_pSpinX->width() + 2, m_pSpinX->y());
    m_pSpinY->move(m_pYLabel->x() + m_pYLabel->width() + 5, 10);
    m_pUnitYLabel->move(m_pSpinY->x() + m_pSpinY->width() + 2, m_pSpinY->y());
    const int warningX = m_pUnitYLabel->x() + m_pUnitYLabel->width() + 5;
    const int warningY = m_pUnitYLabel->y() - 5;
    // The warnings stop short of the legend and wrap, so a long text is
    // neither cut off nor written over the legend.
    int warningRight = w - 5;
    if (m_pLegendLabel->x() > warningX)
        warningRight = m_pLegendLabel->x() - 5;
    const int warningWidth = qMax(0, warningRight - warningX);
    for (QLabel *warning : {m_pObjectWarning, m_pCameraWarning}) {
        warning->move(warningX, warningY);
        warning->resize(warningWidth,
                        qMax(2 * m_pUnitYLabel->height(), warning->heightForWidth(warningWidth)));
    }
}

void CVerticalSimulate::redraw()
{
    const double w = width();
    const double h = height();
    const double ground = h - m_nBottom;
    const double length = m_fArrowLength;
    const double breadth = m_fArrowBreadth;
    const QFontMetrics metrics = fontMetrics();

    placeWidgets();

    m_pNearArrow->setConstraint(ground - breadth / 2, 0, m_nLeft - length / 2, m_pFarArrow->x());
    m_pFarArrow->setConstraint(ground - breadth / 2, 0, m_pNearArrow->x(),
                               w - m_nRight - length / 2);

    const double nearEnd = m_pNearArrow->x() + length / 2;
    const double farEnd = m_pFarArrow->x() + length / 2;
    m_pGroundNear->setLine(m_nLeft, ground, nearEnd, ground);
    m_pGroundMid->setLine(nearEnd, ground, farEnd, ground);
    m_pGroundFar->setLine(farEnd, ground, w - m_nRight, ground);

    m_pTickCamera->setLine(m_nLeft, ground, m_nLeft, ground + 17);
    m_pTickFar->setLine(farEnd, ground, farEnd, ground + 17);
    m_pDimensionLine->setLine(m_nLeft + 1, ground + 15, farEnd - 1, ground + 15);

    // Centred by the texts they still show; the values follow below, and the
    // next redraw centres them by their own widths.
    auto centreOn = [&metrics](QGraphicsSimpleTextItem *text, double from, double to, double y) {
        text->setPos((from + to) / 2 - metrics.horizontalAdvance(text->text()) / 2.0, y);
    };
    centreOn(m_pNearText, m_nLeft, nearEnd, ground);
    centreOn(m_pGapText, nearEnd, farEnd, ground);
    centreOn(m_pFarText, m_nLeft, farEnd, ground + 15);

    const double nearDist = nearDistance();
    const double farDist = farDistance();
    m_pNearText->setText(QString::asprintf("%.1f", nearDist));
    m_pFarText->setText(QString::asprintf("%.1f", farDist));
    // The gap is the difference of the two values shown, so the three
    // numbers always add up on screen.
    m_pGapText->setText(
        QString::asprintf("%.1f", m_pFarText->text().toDouble() - m_pNearText->text().toDouble()));

    emit DistanceChanged(float(nearDist), float(farDist));

    if (farDist - nearDist < 0) {
        m_pObjectWarning->setText(tr("The beginning of the detection area is located behind the "
                                     "object,\nPlease change the camera angle!"));
        m_pObjectWarning->show();
    } else {
        m_pObjectWarning->hide();
    }

    m_pCameraArrow->setConstraint(m_nLeft - breadth / 2, 1, m_nTop - length / 2,
                                  ground - length / 2);
    const double cameraY = m_pCameraArrow->y() + length / 2;
    m_pPoleLine->setLine(m_nLeft, m_nTop, m_nLeft, cameraY);
    m_pHeightLine->setLine(m_nLeft, cameraY, m_nLeft, ground);

    m_pHeightText->setText(QString::asprintf("%.1f", cameraHeight()));
    m_pHeightText->setPos(m_nLeft - 22, (cameraY + ground - metrics.height()) / 2);
    m_pCameraImage->setPos(m_pCameraArrow->x() - m_nCameraImageWidth, m_pCameraArrow->y() + 5);

    const double edgeArrowX = m_pFarArrow->x() + 5;
    m_pViewTopArrow->setConstraint(edgeArrowX, 1, m_nTop - length / 2, m_pObjectArrow->y());
    m_pObjectArrow->setConstraint(edgeArrowX, 1, m_pViewTopArrow->y(), ground - length / 2);

    const double viewTopY = m_pViewTopArrow->y() + length / 2;
    m_pFarUpperLine->setLine(farEnd, m_nTop, farEnd, viewTopY);
    m_pFarViewLine->setLine(farEnd, viewTopY, farEnd, ground);

    double topTextY = (viewTopY + m_pObjectArrow->y() - metrics.height()) / 2;
    if (topTextY < 0)
        topTextY = 0;
    else if (topTextY > h - 20)
        topTextY = h - 20;
    double objectTextY = (ground + m_pObjectArrow->y() - metrics.height()) / 2;
    if (topTextY < 15 && objectTextY < 15)
        objectTextY = topTextY + 15;
    else if (topTextY >= 15 && objectTextY < 0)
        objectTextY = 0;
    m_pViewTopText->setPos(farEnd + 19, topTextY);
    m_pObjectText->setPos(farEnd + 19, objectTextY);
    m_pViewTopText->setText(QString::asprintf("%.1f", viewTopHeight()));
    m_pObjectText->setText(QString::asprintf("%.1f", m_dObjectHeight));

    const double objectTop = m_pObjectArrow->y() + length / 2;
    const int objectPixels = int(ground - objectTop);
    const QSize treeSize(m_nTreeWidth, objectPixels);
    const QPixmap farTree =
        objectPixels > 0 ? QPixmap(QStringLiteral(":/images/Pendrik/treeFar.png"))
                               .scaled(treeSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : QPixmap();
    const QPixmap nearTree =
        objectPixels > 0 ? QPixmap(QString::fromLatin1(kTreeNear))
                               .scaled(treeSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : QPixmap();
    m_pFarTree->setPixmap(farTree);
    m_pFarTree->setPos(farEnd - m_nTreeWidth / 2 - 2, objectTop);
    m_pNearTree->setPixmap(nearTree);
    m_pNearTree->setPos(nearEnd - m_nTreeWidth / 2 - 2, objectTop);

    m_pObjectArrow->setZValue(3);
    m_pViewTopArrow->setZValue(4);

    const QPen rayPen(QColor(137, 139, 139), 1);
    const QPointF cameraPoint(m_nLeft, cameraY);
    const QPointF farTop(farEnd, viewTopY);
    const QPointF nearGround(nearEnd, ground);
    m_pUpperRay->setPen(rayPen);
    m_pUpperRay->setLine(QLineF(cameraPoint, farTop));
    m_pLowerRay->setPen(rayPen);
    m_pLowerRay->setLine(QLineF(cameraPoint, nearGround));

    placeAngleText();

    m_pViewPolygon->setPolygon(
        QPolygonF({cameraPoint, farTop, QPointF(farEnd, ground), nearGround}));

    const QColor textColour(96, 145, 165);
    for (QGraphicsSimpleTextItem *text :
         {m_pNearText, m_pGapText, m_pFarText, m_pHeightText, m_pViewTopText, m_pObjectText})
        text->setBrush(textColour);
    m_pView->viewport()->update();
}

void CVerticalSimulate::placeAngleText()
{
    // On the bisector of the view wedge, 30 pixels from the camera. Angles
    // are taken from the downward vertical through the camera.
    const double rightAngle = std::asin(1.0);
    const QLineF height = m_pHeightLine->line();
    const double cameraY = height.y1();
    const double dx1 = m_pGroundMid->line().x2() - m_nLeft;
    const double dy1 = cameraY - m_pFarUpperLine->line().y2();
    const double a1 = dy1 == 0 ? rightAngle : std::atan(dx1 / dy1);
    const double dx2 = m_pGroundNear->line().x2() - m_nLeft;
    const double dy2 = height.y2() - height.y1();
    const double a2 = dy2 == 0 ? rightAngle : std::atan(dx2 / dy2);
    const double base = a1 <= 0 ? 0 : 2 * rightAngle;
    const double mid = a2 + (base - a1 - a2) / 2;
    m_pAngleText->move(int(m_nLeft + std::sin(mid) * 30),
                       int(cameraY + std::cos(mid) * 30 - fontMetrics().height() / 2));
    m_pAngleText->raise();
}
