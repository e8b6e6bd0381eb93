#include "CMonitorSimulate.h"

#include "UserManual.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {

float clampShare(float share, float top)
{
    if (share < 0.0001f)
        return 0.0f;
    return share > top ? top : share;
}

} // namespace

CMonitorSimulate::CMonitorSimulate(QWidget *parent) : QFrame(parent)
{
}

CMonitorSimulate::~CMonitorSimulate() = default;

void CMonitorSimulate::ProPortionChanged(float objectHeight, float nearViewHeight,
                                         float farTopHeight, float farDrop)
{
    if (nearViewHeight == 0 || farTopHeight == 0)
        return;
    // A not-a-number would pass every clamp and end up as a coordinate.
    if (!std::isfinite(objectHeight) || !std::isfinite(nearViewHeight) ||
        !std::isfinite(farTopHeight) || !std::isfinite(farDrop))
        return;
    const float sky = farTopHeight / (farTopHeight + farDrop);
    const float farScale = objectHeight / farTopHeight;
    const float nearScale = objectHeight / nearViewHeight;
    if (std::isnan(sky) || std::isnan(farScale) || std::isnan(nearScale))
        return;
    // Infinite shares (a picture of no height at the far edge) clamp too.
    m_fSkyShare = clampShare(sky, 1.0f);
    m_fFarScale = clampShare(farScale, 10.0f);
    m_fNearScale = clampShare(nearScale, 10.0f);
    update();
}

void CMonitorSimulate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        pendrik::openUserManualOrTell();
    event->accept();
}

void CMonitorSimulate::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int h = height();
    const double w = width() - 2;
    const double s = h * double(m_fSkyShare);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(134, 165, 185));
    painter.drawRect(0, 0, int(w), int(s));
    painter.setBrush(QColor(238, 207, 179));
    // Down to the last row: truncating the height as well would leave it
    // unpainted.
    painter.drawRect(0, int(s), int(w), h - int(s));

    const int farHeight = int(s * m_fFarScale);
    if (farHeight > 0) {
        const QPixmap far = QPixmap(QStringLiteral(":/images/Pendrik/treeFar.png"))
                                .scaledToHeight(farHeight, Qt::SmoothTransformation);
        painter.drawPixmap(int(w * 0.3), int((1 - m_fFarScale) * s), far);
    }
    const int nearHeight = int(h * m_fNearScale);
    if (nearHeight > 0) {
        const QPixmap near = QPixmap(QStringLiteral(":/images/Pendrik/treeNear.png"))
                                 .scaledToHeight(nearHeight, Qt::SmoothTransformation);
        painter.drawPixmap(int(w * 0.6), int(h - h * m_fNearScale), near);
    }
}
