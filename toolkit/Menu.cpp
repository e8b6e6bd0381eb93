#include "Menu.h"

namespace KavrinGUIToolkit {

CMenu::CMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("CMenu"));
}

CMenu::~CMenu() = default;

} // namespace KavrinGUIToolkit
