#pragma once

#include <QPushButton>

class QStyleOptionButton;

namespace kivui {

/// A three-segment switch of the recording time's unit: "D" (days, 0),
/// "W" (weeks, 1) and "M" (months, 2), drawn as three buttons side by side.
class TimeUnitButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TimeUnitButton(QWidget *parent = nullptr);
    ~TimeUnitButton() override;
    Q_DISABLE_COPY_MOVE(TimeUnitButton)

    int currentButton() const { return m_current; }
    /// Repaints; emits signalCurrentButtonChanged() when the segment changes.
    void setCurrentButton(int segment);

signals:
    void signalCurrentButtonChanged();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void initStyleOption(QStyleOptionButton *option) const;

    int m_current = 0;
};

} // namespace kivui
