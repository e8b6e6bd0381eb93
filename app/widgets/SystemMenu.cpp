#include "SystemMenu.h"

#include <LanaguageManager.h>
#include <UserManual.h>
#include <WarningDlg.h>

#include <QAction>
#include <QIcon>

namespace kivui {

SystemMenu::SystemMenu(QWidget *parent) : KavrinGUIToolkit::CMenu(parent)
{
    setObjectName(QStringLiteral("SystemMenu"));
    QAction *manual = addAction(QIcon(QStringLiteral(":/kivui/Menu/Images/System/Menu/Help.png")),
                                tr("User Manual"));
    manual->setObjectName(QStringLiteral("actionUserManual"));
    connect(manual, &QAction::triggered, this, &SystemMenu::openUserManual);
    QAction *aboutAction =
        addAction(QIcon(QStringLiteral(":/kivui/Menu/Images/System/Menu/About.png")), tr("About"));
    aboutAction->setObjectName(QStringLiteral("actionAbout"));
    connect(aboutAction, &QAction::triggered, this, &SystemMenu::about);
}

SystemMenu::~SystemMenu() = default;

bool SystemMenu::openManual()
{
    return kiv::UserManual::open(kiv::LanaguageManager::GetInstance()->language());
}

void SystemMenu::openUserManual()
{
    if (!openManual())
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Info"), tr("Can not find Manual."));
}

void SystemMenu::updateData()
{
}

void SystemMenu::settings()
{
}

void SystemMenu::about()
{
    emit aboutRequested();
}

} // namespace kivui
