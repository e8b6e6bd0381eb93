#pragma once

#include <QPoint>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QSpacerItem;

namespace KavrinGUIToolkit {
class CPushButton;
}

/// The title bar of the library's frameless window: icon, name, minimise,
/// maximise/restore and close buttons. It drags the window it controls and
/// maximises or restores it on a double-click.
class CWindowTitle : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CWindowTitle)
public:
    /// A title bar for (and a child of) @p window.
    explicit CWindowTitle(QWidget *window);
    ~CWindowTitle() override;

    /// Shows or hides the minimise button.
    void setMinimizeVisible(bool visible);

public slots:
    void showSmall();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void ChangSizeToFull();
    void ChaneMaxSizeOrRestore();
    void OnCloseWindow();

private:
    bool screenLargeEnough() const;
    void updateBackground();

    QHBoxLayout *m_mainLayout = nullptr;
    QHBoxLayout *m_leftLayout = nullptr;
    QHBoxLayout *m_rightLayout = nullptr;
    QSpacerItem *m_leftSpacer = nullptr;
    QSpacerItem *m_rightSpacer = nullptr;
    KavrinGUIToolkit::CPushButton *m_minBtn = nullptr;
    KavrinGUIToolkit::CPushButton *m_closeBtn = nullptr;
    KavrinGUIToolkit::CPushButton *m_maxBtn = nullptr;
    KavrinGUIToolkit::CPushButton *m_iconBtn = nullptr;
    int m_dragging = 0;
    QPoint m_pressGlobal;
    QPoint m_pressOffset;
    QLabel *m_titleLabel = nullptr;
    QWidget *m_window = nullptr;
    bool m_maximised = false;
};
