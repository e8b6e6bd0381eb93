#include "KavrinStyle.h"

#include <SegmentedButton.h>

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {

const QColor kSkinRed(0x8b, 0x1a, 0x1a);
const QColor kSkinPaleRed(0xf4, 0xd9, 0xd9);

// The chosen segment of a segmented button: its option carries both the
// hover and the focus state, which the widget gives to that segment alone.
bool isChosenSegment(const QStyleOption *option, const QWidget *widget)
{
    constexpr QStyle::State chosen = QStyle::State_MouseOver | QStyle::State_HasFocus;
    return widget && option && (option->state & chosen) == chosen &&
           widget->property(KavrinGUIToolkit::SegmentedButtonProperty).toBool() &&
           qstyleoption_cast<const QStyleOptionButton *>(option);
}

} // namespace

CKavrinStyle::CKavrinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("CKavrinStyle"));
}

CKavrinStyle::~CKavrinStyle() = default;

QPalette CKavrinStyle::standardPalette() const
{
    QPalette p = QProxyStyle::standardPalette();
    const QColor pane(0xeb, 0xeb, 0xeb);
    const QColor ink(0x2b, 0x2b, 0x2b);
    const QColor red(0x8b, 0x1a, 0x1a);
    p.setColor(QPalette::Window, pane);
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf6, 0xf6, 0xf6));
    p.setColor(QPalette::Text, ink);
    p.setColor(QPalette::Button, QColor(0xf3, 0xf3, 0xf3));
    p.setColor(QPalette::ButtonText, ink);
    p.setColor(QPalette::Highlight, QColor(0xf4, 0xd9, 0xd9));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Link, red);
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xf8, 0xdc));
    p.setColor(QPalette::ToolTipText, QColor(0x3a, 0x10, 0x10));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8a, 0x8f, 0x95));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x8f, 0x95));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8a, 0x8f, 0x95));
    return p;
}

void CKavrinStyle::polish(QPalette &palette)
{
    palette = standardPalette();
}

void CKavrinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    // A style sheet's "background-color: transparent" reaches Fusion as a
    // transparent button colour, from which it shades a black bevel: a
    // transparent button has no bevel at all.
    if ((element == PE_PanelButtonTool || element == PE_PanelButtonCommand ||
         element == PE_PanelButtonBevel) &&
        option && option->palette.button().color().alpha() == 0)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CKavrinStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    if (element == CE_PushButton && isChosenSegment(option, widget)) {
        drawChosenSegment(*qstyleoption_cast<const QStyleOptionButton *>(option), painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CKavrinStyle::drawChosenSegment(const QStyleOptionButton &option, QPainter *painter,
                                     const QWidget *widget) const
{
    // Fusion's outline of a button, filled in the skin's red (pale while
    // disabled, so the unit still shows). No focus frame: on such a button
    // the focus state marks the choice, not where the keyboard is.
    const bool enabled = option.state & State_Enabled;
    const QColor face = enabled ? kSkinRed : kSkinPaleRed;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(face.darker(140), 1));
    painter->setBrush(face);
    painter->drawRoundedRect(
        QRectF(option.rect.adjusted(0, 1, -1, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();

    QStyleOptionButton label(option);
    label.state &= ~(State_MouseOver | State_HasFocus);
    if (enabled)
        label.palette.setColor(QPalette::ButtonText, Qt::white);
    proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
}

int CKavrinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    // Combo box lists open below the box, as a list, on every platform.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
