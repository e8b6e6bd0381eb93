#pragma once

#include <QChar>
#include <QFrame>
#include <QString>

namespace pendrik {

/// The degree sign the views print after angles.
inline constexpr QChar kDegreeSign{0x00B0};
/// kDegreeSign as a one-character text.
QString degreeSignText();

} // namespace pendrik

/// A small value label of the simulations: a value painted in its middle,
/// followed by a degree sign when its unit is that sign. The setters do not
/// repaint; the owner moves, raises or repaints it right after.
class CSimulateTextNode : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSimulateTextNode)
public:
    explicit CSimulateTextNode(QWidget *parent = nullptr);
    ~CSimulateTextNode() override;

    /// Above 1000 the whole-number part, else one decimal ("12.5"). A value
    /// that is not a finite number shows "--".
    void setValue(double value);
    void setValue(int value);
    /// Painted after the value only when it is the degree sign, and not
    /// after "--".
    void setUnit(const QString &unit);
    /// Shows @p text as it is.
    void setText(const QString &text);

    QString value() const { return m_strValue; }
    QString unit() const { return m_strUnit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_strValue;
    QString m_strUnit;
};
