#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace kivui {

/// One accessory line of an attribute panel: "Type X3" with an edit and a
/// clear button in the top-right corner. It only shows and signals; the
/// owner decides what the buttons do.
class AttributeFrame : public QFrame
{
    Q_OBJECT
public:
    explicit AttributeFrame(QWidget *parent = nullptr);
    ~AttributeFrame() override;
    Q_DISABLE_COPY_MOVE(AttributeFrame)

    /// Keeps @p name and @p count and shows "name X<count>".
    void setAttribute(const QString &name, int count);
    /// Empties the text shown; name and count stay stored.
    void clear();

    QString name() const { return m_name; }
    int count() const { return m_count; }
    QString text() const;

signals:
    void signalEdit();
    void signalClear();

protected:
    // Laid out by hand: the buttons sit over the label's top margin.
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *m_editButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QLabel *m_label = nullptr;
    int m_count = 0;
    QString m_name;
};

} // namespace kivui
