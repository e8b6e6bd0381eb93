#include "KavrinStyle.h"

#include <QStyleFactory>
#include <QStyleOption>

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

int CKavrinStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    // Combo box lists open below the box, as a list, on every platform.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
