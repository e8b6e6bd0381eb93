#include "PendrikExports.h"

#include "LibrarySetup.h"

#include <QGridLayout>
#include <QString>
#include <QWidget>

// The calculator window is not part of the library yet: until it is, the
// exports prepare the library and report that no window exists. Calls made
// before a window exists neither crash nor create one.

bool KIV_SMC_OpenDialog(QWidget *parent, QGridLayout *layout, bool showTitle)
{
    Q_UNUSED(parent);
    Q_UNUSED(layout);
    Q_UNUSED(showTitle);
    pendrik::setUpLibrary();
    return false;
}

void KIV_SMC_SetDialogFrom()
{
}

void KIV_SMC_HideTab(bool hide)
{
    Q_UNUSED(hide);
}

bool KIV_SMC_SetIPCType(const QString &model)
{
    Q_UNUSED(model);
    return false;
}

void KIV_SMC_GetLens(QString *lens, int *count)
{
    Q_UNUSED(lens);
    Q_UNUSED(count);
}

void KIV_SMC_ChangeSize(bool large)
{
    Q_UNUSED(large);
}
