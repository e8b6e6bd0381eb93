#pragma once

#include <QProxyStyle>

class QStyleOptionButton;

/// The toolkit's widget style "CKavrinStyle": Fusion with the skin's colours
/// as its standard palette, so the parts that style sheets do not reach (the
/// focus frame, scroll bars, Qt's own dialogs) match the skin.
class CKavrinStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CKavrinStyle();
    ~CKavrinStyle() override;
    Q_DISABLE_COPY_MOVE(CKavrinStyle)

    QPalette standardPalette() const override;
    /// The application's palette becomes the style's own.
    void polish(QPalette &palette) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    /// A push button that marks itself segmented has its chosen segment
    /// drawn in the skin's dark red with white text.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    void drawChosenSegment(const QStyleOptionButton &option, QPainter *painter,
                           const QWidget *widget) const;
};
