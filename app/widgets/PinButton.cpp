#include "PinButton.h"

namespace kivui {

namespace {

QString leftArrowSheet()
{
    return QStringLiteral(
        "kivui--PinButton{     border-image:url(:/kivui/complex/Images/System/Complex/left.png);}"
        "kivui--PinButton:pressed{     "
        "border-image:url(:/kivui/complex/Images/System/Complex/leftSel.png);}");
}

QString rightArrowSheet()
{
    return QStringLiteral(
        "kivui--PinButton{     border-image:url(:/kivui/complex/Images/System/Complex/right.png);}"
        "kivui--PinButton:pressed{     "
        "border-image:url(:/kivui/complex/Images/System/Complex/RightSel.png);}");
}

} // namespace

PinButton::PinButton(QWidget *parent) : QPushButton(parent)
{
    setObjectName(QStringLiteral("PinButton"));
    // The buddy changes before anyone hears of the click.
    connect(this, &QPushButton::clicked, this, &PinButton::buddyState);
    connect(this, &QPushButton::clicked, this, &PinButton::pinButtonClicked);
    setStyleSheet(leftArrowSheet());
    setFixedSize(14, 69);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

PinButton::~PinButton() = default;

void PinButton::buddyState()
{
    if (!m_buddy)
        return;
    if (m_buddy->isVisible()) {
        m_buddy->hide();
        setRightArrow();
    } else {
        m_buddy->show();
        setLeftArrow();
    }
}

void PinButton::setLeftArrow()
{
    if (m_buddy)
        setStyleSheet(leftArrowSheet());
}

void PinButton::setRightArrow()
{
    if (m_buddy)
        setStyleSheet(rightArrowSheet());
}

} // namespace kivui
