#pragma once

#include "KavrinGUIToolkitExport.h"
#include "WidgetSizeFactory.h"

#include <QFrame>
#include <QPoint>

namespace KavrinGUIToolkit {

/// The title strip of a frameless window: dragging it moves the window, and
/// a double click with the left button maximises or restores the window
/// unless SetOpenDoubleClickEnable(false) hands that to a subclass.
class KAVRIN_EXPORT CFancyTitle : public QFrame, public CWidgetSizeFactory
{
    Q_OBJECT
public:
    explicit CFancyTitle(QWidget *parent = nullptr);
    ~CFancyTitle() override;
    Q_DISABLE_COPY_MOVE(CFancyTitle)

    void SetOpenDoubleClickEnable(bool enable) { m_doubleClickEnabled = enable; }
    bool IsOpenDoubleClickEnable() const { return m_doubleClickEnabled; }

signals:
    /// The window was maximised or restored from the title strip.
    void SignalWndSizeStatusChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_doubleClickEnabled = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace KavrinGUIToolkit
