#include "PendrikExports.h"

#include "LibraryWindow.h"

#include <QGridLayout>
#include <QString>
#include <QWidget>

bool KIV_SMC_OpenDialog(QWidget *parent, QGridLayout *layout, bool showTitle)
{
    return pendrik::openLibraryWindow(parent, layout, showTitle);
}

void KIV_SMC_SetDialogFrom()
{
}

void KIV_SMC_HideTab(bool hide)
{
    pendrik::hideLibraryTab(hide);
}

bool KIV_SMC_SetIPCType(const QString &model)
{
    return pendrik::setLibraryIPCType(model);
}

void KIV_SMC_GetLens(QString *lens, int *count)
{
    pendrik::getLibraryLens(lens, count);
}

void KIV_SMC_ChangeSize(bool large)
{
    pendrik::changeLibrarySize(large);
}
