#pragma once

#include <QPushButton>

namespace kivui {

/// The narrow arrow tab at the task pane's edge that hides and shows the
/// pane (its buddy).
class PinButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PinButton(QWidget *parent = nullptr);
    ~PinButton() override;
    Q_DISABLE_COPY_MOVE(PinButton)

    void setBuddy(QWidget *buddy) { m_buddy = buddy; }
    QWidget *buddy() const { return m_buddy; }

signals:
    /// After every click, once the buddy has been hidden or shown.
    void pinButtonClicked();

public slots:
    void buddyState();

private:
    void setLeftArrow();
    void setRightArrow();

    QWidget *m_buddy = nullptr;
};

} // namespace kivui
