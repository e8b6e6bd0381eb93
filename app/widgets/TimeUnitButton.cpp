#include "TimeUnitButton.h"

#include <SegmentedButton.h>

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kivui {

TimeUnitButton::TimeUnitButton(QWidget *parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("TimeUnitButton"));
    // The style draws the current segment (hovered and focused, below) in
    // the skin's colours, so the planner sees the unit at a glance.
    setProperty(KavrinGUIToolkit::SegmentedButtonProperty, true);
}

TimeUnitButton::~TimeUnitButton() = default;

void TimeUnitButton::setCurrentButton(int segment)
{
    update();
    if (segment == m_current)
        return;
    m_current = segment;
    emit signalCurrentButtonChanged();
}

void TimeUnitButton::initStyleOption(QStyleOptionButton *option) const
{
    if (!option)
        return;
    option->initFrom(this);
    option->features = QStyleOptionButton::DefaultButton;
    option->state |= QStyle::State_Raised;
}

void TimeUnitButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int a = width() / 3;
    const int h = height();
    const QString texts[3] = {tr("D"), tr("W"), tr("M")};
    for (int i = 0; i < 3; ++i) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = QRect(a * i, 0, a, h);
        option.text = texts[i];
        if (i == m_current)
            option.state |= QStyle::State_MouseOver | QStyle::State_HasFocus;
        else
            option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
        painter.drawControl(QStyle::CE_PushButton, option);
    }
}

void TimeUnitButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int a = width() / 3;
    const QPoint pos = event->position().toPoint();
    for (int i = 0; i < 3; ++i) {
        if (QRect(a * i, rect().top(), a, height()).contains(pos)) {
            setCurrentButton(i);
            break;
        }
    }
    // The release is not handed on (no clicked()), but the press left the
    // button down.
    setDown(false);
    update();
}

} // namespace kivui
