#pragma once

#include <Menu.h>

namespace kivui {

/// The title bar's drop-down menu: the user manual and the About box.
class SystemMenu : public KavrinGUIToolkit::CMenu
{
    Q_OBJECT
public:
    explicit SystemMenu(QWidget *parent = nullptr);
    ~SystemMenu() override;
    Q_DISABLE_COPY_MOVE(SystemMenu)

    /// Opens the manual of the current language; false when there is none.
    bool openManual();

public slots:
    void openUserManual();
    void updateData();
    void settings();
    void about();

signals:
    /// "About" was chosen: the window that owns the title bar shows its
    /// About box.
    void aboutRequested();
};

} // namespace kivui
