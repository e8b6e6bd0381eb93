#include "RecordWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kivui {

RecordWidget::RecordWidget(QWidget *parent) : QWidget(parent), m_plan(kHours)
{
}

RecordWidget::~RecordWidget() = default;

void RecordWidget::setRecordPlan(const std::vector<RecordCell> &plan)
{
    if (plan.size() != m_plan.size())
        return;
    m_plan = plan;
}

void RecordWidget::getRecordPlan(std::vector<RecordCell> &plan) const
{
    plan = m_plan;
}

int RecordWidget::hourAt(const QPoint &pos) const
{
    const int c = cellSize();
    for (int i = 0; i < kHours; ++i) {
        if (QRect(i * c, c, c, c).contains(pos))
            return i;
    }
    return -1;
}

int RecordWidget::columnAt(const QPoint &pos) const
{
    const int c = cellSize();
    for (int i = 0; i < kHours; ++i) {
        if (QRect(i * c, 0, c, height()).contains(pos))
            return i;
    }
    return -1;
}

QColor RecordWidget::colourOf(int type, const QColor &before)
{
    switch (type) {
    case 0:
        return QColor(162, 162, 162);
    case 1:
        return QColor(185, 204, 45);
    case 2:
        return QColor(197, 113, 45);
    default:
        return before;
    }
}

void RecordWidget::paintSpan(int from, int to)
{
    for (int i = std::min(from, to); i <= std::max(from, to); ++i)
        m_plan[size_t(i)].setType(m_currentType);
}

void RecordWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressIndex = hourAt(event->position().toPoint());
}

void RecordWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressIndex == -1)
        return;
    m_currentIndex = columnAt(event->position().toPoint());
    if (m_currentIndex == -1)
        return;
    // The drag may wander above or below the type row: the column counts.
    paintSpan(m_pressIndex, m_currentIndex);
    update();
}

void RecordWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressIndex == -1)
        return;
    m_currentIndex = hourAt(event->position().toPoint());
    if (m_currentIndex == -1 || m_currentIndex < m_pressIndex)
        return;
    paintSpan(m_pressIndex, m_currentIndex);
    update();
}

void RecordWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    // Half a pixel in, the one-pixel outlines fall on whole pixels.
    painter.translate(0.5, 0.5);
    const int c = cellSize();
    for (int i = 0; i < kHours; ++i) {
        const QRect cell(i * c, 0, c, c);
        painter.setBrush(Qt::white);
        painter.drawRect(cell);
        painter.drawText(cell, Qt::AlignCenter, QString::number(i + 1));
    }
    QColor fill = Qt::white;
    for (int i = 0; i < kHours; ++i) {
        fill = colourOf(m_plan[size_t(i)].type(), fill);
        painter.setBrush(fill);
        painter.drawRect(QRect(i * c, c, c, c));
    }
}

} // namespace kivui
