#pragma once

#include <FancyTitle.h>

class QLabel;
class QToolButton;

namespace kivui {

class SystemMenu;

/// The main window's own title bar (the window is frameless): program icon,
/// title, system menu, minimise, maximise or restore, and close. Every
/// button acts on the top-level window that holds the bar.
class WindowTitle : public KavrinGUIToolkit::CFancyTitle
{
    Q_OBJECT
public:
    explicit WindowTitle(QWidget *parent = nullptr);
    ~WindowTitle() override;
    Q_DISABLE_COPY_MOVE(WindowTitle)

    QToolButton *maximizeButton() const { return m_btnMaximize; }
    SystemMenu *systemMenu() const { return m_systemMenu; }

signals:
    /// After every close request, whether the window closed or not.
    void signalCloseApp();

public slots:
    void minimizeWindow();
    void maxOrRestoreWindow();
    void closeWindow();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void init();
    QToolButton *makeButton(const QString &objectName, const QString &icon, const QString &tip,
                            Qt::FocusPolicy focus);

    QLabel *m_labelTitle = nullptr;
    QToolButton *m_btnIcon = nullptr;
    QToolButton *m_btnMinimize = nullptr;
    QToolButton *m_btnMaximize = nullptr;
    QToolButton *m_btnClose = nullptr;
    QToolButton *m_btnSystemMenu = nullptr;
    SystemMenu *m_systemMenu = nullptr;
};

} // namespace kivui
