#include "CHorizontalSimulate.h"

#include "CSimulateTextNode.h"
#include "CUnidimensionalArrowNode.h"
#include "LensFormulas.h"
#include "PendrikLogging.h"
#include "UserManual.h"

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

#include <cmath>
#include <limits>

namespace {

const char kArrowLeftRight[] = ":/images/Pendrik/arrow_left_right.png";

template <typename Item> Item *named(Item *item, const char *name)
{
    item->setData(pendrik::kItemNameKey, QString::fromLatin1(name));
    return item;
}

CSimulateTextNode *addNode(QWidget *parent, const char *name)
{
    auto *node = new CSimulateTextNode(parent);
    node->setObjectName(QString::fromLatin1(name));
    return node;
}

double widthOrUnknown(const std::optional<double> &width)
{
    return width.value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace

CHorizontalSimulate::CHorizontalSimulate(QWidget *parent) : QFrame(parent)
{
    m_pLegendLabel = new QLabel(this);
    m_pLegendLabel->setObjectName(QStringLiteral("m_pLegendLabel"));
    m_pView = new QGraphicsView(this);
    m_pView->setObjectName(QStringLiteral("m_pView"));
    m_pScene = new QGraphicsScene(m_pView);
    m_pView->setScene(m_pScene);
    // Scene coordinates are the top view's own: no frame, no centring.
    m_pView->setFrameShape(QFrame::NoFrame);
    m_pView->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QPixmap arrow(QString::fromLatin1(kArrowLeftRight));
    if (arrow.isNull())
        qCDebug(lcPendrik).noquote()
            << QStringLiteral("wuz---cannt load ") + QString::fromLatin1(kArrowLeftRight);
    m_fArrowBreadth = float(arrow.height());
    m_fArrowLength = float(arrow.width());
    m_pMoveArrow = named(new CUnidimensionalArrowNode(arrow, CUnidimensionalArrowNode::Horizontal),
                         "m_pMoveArrow");
    m_pScene->addItem(m_pMoveArrow);

    m_pBottomLine = named(m_pScene->addLine(QLineF()), "m_pBottomLine");
    m_pCameraLine = named(m_pScene->addLine(QLineF()), "m_pCameraLine");
    m_pMarkerLine = named(m_pScene->addLine(QLineF()), "m_pMarkerLine");
    m_pWedge = named(m_pScene->addPolygon(QPolygonF()), "m_pWedge");
    m_pFarHalf = named(m_pScene->addPolygon(QPolygonF()), "m_pFarHalf");
    m_pNearBand = named(m_pScene->addPolygon(QPolygonF()), "m_pNearBand");
    m_pFarBand = named(m_pScene->addPolygon(QPolygonF()), "m_pFarBand");
    const QPixmap camera(QStringLiteral(":/images/Pendrik/SimuIPC.png"));
    m_nCameraImageWidth = camera.width();
    m_pCameraImage = named(m_pScene->addPixmap(camera), "m_pCameraImage");
    m_pAngleText = addNode(this, "m_pAngleText");
    m_pNearWidthText = addNode(this, "m_pNearWidthText");
    m_pArrowWidthText = addNode(this, "m_pArrowWidthText");
    m_pFarWidthText = addNode(this, "m_pFarWidthText");
    m_pArrowDistanceText = addNode(this, "m_pArrowDistanceText");

    m_pLegendLabel->setText(tr("label:m"));
    m_pLegendLabel->adjustSize();
    m_pLegendLabel->show();
    m_pLegendLabel->raise();

    m_pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setRenderHint(QPainter::Antialiasing);

    QPen outline(QColor(137, 139, 139));
    m_pWedge->setPen(outline);
    m_pWedge->setBrush(QColor(255, 255, 255));
    m_pWedge->setVisible(true);
    m_pWedge->setZValue(-1);
    m_pFarHalf->setPen(outline);
    m_pFarHalf->setBrush(QColor(238, 207, 179));
    m_pFarHalf->setVisible(true);
    outline.setStyle(Qt::NoPen);
    for (QGraphicsPolygonItem *band : {m_pNearBand, m_pFarBand}) {
        band->setPen(outline);
        band->setBrush(QColor(156, 217, 147));
        band->setVisible(true);
    }

    for (CSimulateTextNode *node : {m_pAngleText, m_pNearWidthText, m_pArrowWidthText,
                                    m_pFarWidthText, m_pArrowDistanceText}) {
        node->show();
        node->resize(m_nNodeWidth, m_nNodeHeight);
    }
    m_pAngleText->setValue(int(m_fViewAngle));
    m_pAngleText->setUnit(pendrik::degreeSignText());
}

CHorizontalSimulate::~CHorizontalSimulate() = default;

void CHorizontalSimulate::setHorizontalAngle(double angle)
{
    // Not-a-number fails this test too.
    if (angle >= 0)
        m_fViewAngle = float(angle);
}

void CHorizontalSimulate::clearViewAngle()
{
    // Not-a-number gives no coverage width either.
    m_fViewAngle = std::numeric_limits<float>::quiet_NaN();
    redraw();
}

void CHorizontalSimulate::DistanceChanged(float nearDistance, float farDistance)
{
    m_fNearDistance = nearDistance;
    m_fFarDistance = farDistance;
    redraw();
}

void CHorizontalSimulate::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_pView->setGeometry(0, 0, width() + 10, height() + 10);
    m_pScene->setSceneRect(0, 0, width(), height());
    const double usable = width() - m_nLeft - m_nRight;
    m_pMoveArrow->placeAt(QPointF(usable * m_fMoveArrowPos + m_nLeft - m_fArrowLength / 2,
                                  height() - m_nBottom - m_fArrowBreadth / 2));
    redraw();
}

void CHorizontalSimulate::onArrowMoved(CUnidimensionalArrowNode *arrow)
{
    const double usable = width() - m_nLeft - m_nRight;
    // A view narrower than its margins has no fraction to take.
    if (arrow == m_pMoveArrow && usable > 0) {
        m_fMoveArrowPos = float((arrow->x() + m_fArrowLength / 2 - m_nLeft) / usable);
        qCDebug(lcPendrik).noquote()
            << QStringLiteral("wuz---m_fMoveArrowPos:%1").arg(double(m_fMoveArrowPos), 0, 'f', 6);
    }
    redraw();
}

double CHorizontalSimulate::crossSectionDistance() const
{
    if (m_fMoveArrowPos < 0.5f)
        return m_fNearDistance;
    return double(m_fNearDistance) +
           (double(m_fMoveArrowPos) - 0.5) / 0.5 * double(m_fFarDistance - m_fNearDistance);
}

QPointF CHorizontalSimulate::wedgePoint(double x, bool lower) const
{
    const QPointF apex = m_pCameraLine->line().p1();
    const double run = (width() - m_nRight) - apex.x();
    const double rise = apex.y() - (m_nTop + m_nWedgeInset);
    if (run == 0)
        return QPointF(x, 0);
    const double offset = rise / run * (x - apex.x());
    return QPointF(x, lower ? apex.y() + offset : apex.y() - offset);
}

void CHorizontalSimulate::redraw()
{
    const int w = width();
    const int h = height();
    const int bottom = h - m_nBottom;
    const int yc = (m_nTop + bottom) / 2;
    const int xr = w - m_nRight;
    const int xm = (w + m_nLeft - m_nRight) / 2;
    const int wedgeTop = m_nTop + m_nWedgeInset;
    const int wedgeBottom = bottom - m_nWedgeInset;

    m_pLegendLabel->move(w - m_pLegendLabel->width() - 20, 10);

    m_pMoveArrow->setConstraint(bottom - m_fArrowBreadth / 2, 0, xm - m_fArrowLength / 2,
                                xr - m_fArrowLength / 2);

    const QPen linePen(QColor(103, 151, 171), 1);
    const double arrowX = m_pMoveArrow->x() + m_fArrowLength / 2;
    m_pBottomLine->setPen(linePen);
    m_pBottomLine->setLine(m_nLeft, bottom, arrowX, bottom);
    m_pCameraLine->setPen(linePen);
    m_pCameraLine->setLine(m_nLeft, yc, m_nLeft, bottom);

    m_pMarkerLine->setPen(QPen(QColor(182, 63, 63), 1));
    m_pMarkerLine->setLine(arrowX, bottom, arrowX, m_nTop);
    m_pMarkerLine->setZValue(3);

    m_pCameraImage->setPos(m_nLeft - m_nCameraImageWidth, yc - 7);

    m_pWedge->setPolygon(
        QPolygonF({QPointF(m_nLeft, yc), QPointF(xr, wedgeTop), QPointF(xr, wedgeBottom)}));
    m_pFarHalf->setPolygon(
        QPolygonF({QPointF(xm, (yc + wedgeTop) / 2), QPointF(xr, wedgeTop),
                   QPointF(xr, wedgeBottom), QPointF(xm, (yc + wedgeBottom) / 2)}));
    auto band = [this](double x) {
        return QPolygonF({wedgePoint(x - 1, false), wedgePoint(x + 1, false),
                          wedgePoint(x + 1, true), wedgePoint(x - 1, true)});
    };
    m_pNearBand->setPolygon(band(xm));
    m_pFarBand->setPolygon(band(xr));

    const double distance = crossSectionDistance();
    const int labelY = yc - m_nNodeHeight / 2 + 2;
    m_pAngleText->move(m_nLeft + 40, labelY);
    if (std::isfinite(m_fViewAngle))
        m_pAngleText->setValue(int(m_fViewAngle));
    else
        m_pAngleText->setText(QStringLiteral("--"));
    m_pNearWidthText->move(xm - m_nNodeWidth / 2 - 15, labelY);
    m_pNearWidthText->setValue(
        widthOrUnknown(pendrik::calcCoverageWidth(m_fViewAngle, m_fNearDistance)));
    m_pArrowWidthText->move(int(arrowX) - 30 - 15, labelY);
    m_pArrowWidthText->setValue(widthOrUnknown(pendrik::calcCoverageWidth(m_fViewAngle, distance)));
    m_pFarWidthText->move(xr - 10, labelY);
    m_pFarWidthText->setValue(
        widthOrUnknown(pendrik::calcCoverageWidth(m_fViewAngle, m_fFarDistance)));
    m_pArrowDistanceText->move(int((arrowX + 30) / 2) - 30, bottom - m_nNodeHeight / 2 + 12);
    m_pArrowDistanceText->setValue(distance);
    for (CSimulateTextNode *node : {m_pAngleText, m_pNearWidthText, m_pArrowWidthText,
                                    m_pFarWidthText, m_pArrowDistanceText}) {
        node->raise();
        node->update();
    }
    m_pArrowWidthText->raise();
    m_pView->viewport()->update();
}

void CHorizontalSimulate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        pendrik::openUserManualOrTell();
    // Every key ends here, so none reaches the host's dialog.
    event->accept();
}
