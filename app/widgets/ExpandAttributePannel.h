#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace kivui {

class AttributeFrame;

/// A titled accessory tile: a large add button while no accessory is set,
/// otherwise one AttributeFrame line with its edit and clear buttons.
class ExpandAttributePannel : public QWidget
{
    Q_OBJECT
public:
    explicit ExpandAttributePannel(QWidget *parent = nullptr);
    ~ExpandAttributePannel() override;
    Q_DISABLE_COPY_MOVE(ExpandAttributePannel)

    /// The title under the tile; an empty text keeps the old one.
    void setTitle(const QString &title);
    QString title() const;
    /// Shows the line "name X<count>" in place of the add button; an empty
    /// name changes nothing.
    void setAttribute(const QString &name, int count);
    /// True while the line (not the add button) is shown.
    bool hasAttribute() const;
    AttributeFrame *attributeFrame() const { return m_attribute; }

signals:
    void editSignal();
    void signalAdd();
    /// After the tile went back to its add button.
    void signalClear();

public slots:
    /// Back to the add button, then signalClear().
    void clearAttribute();

private:
    QFrame *m_displayFrame = nullptr;
    AttributeFrame *m_attribute = nullptr;
    QPushButton *m_addButton = nullptr;
    QLabel *m_titleLabel = nullptr;
};

} // namespace kivui
