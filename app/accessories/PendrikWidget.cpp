#include "PendrikWidget.h"

#include "ui_PendrikWidget.h"

#include <Limits.h>
#include <PendrikExports.h>
#include <WarningDlg.h>

#include <QPushButton>

namespace kiv {

PendrikWidget::PendrikWidget(QWidget *parent)
    : KavrinGUIToolkit::CBaseDialogWithBottom(parent), m_form(std::make_unique<Ui::PendrikWidget>())
{
    m_form->setupUi(GetSetUpUiWidget());
    setFixedSize(1024, 768);
    SetTitle(tr("Select Lens"));
    KavrinGUIToolkit::CBaseDialogWithBottom::ReConnect(GetConfirmBtn(), "clicked()", this,
                                                       "onConfirm()", Qt::AutoConnection);
}

PendrikWidget::~PendrikWidget() = default;

bool PendrikWidget::openPendrik(const QString &model)
{
    m_cameraModel = model;
    if (!KIV_SMC_OpenDialog(this, m_form->gridLayout, false))
        return false;
    KIV_SMC_SetDialogFrom();
    KIV_SMC_HideTab(true);
    return KIV_SMC_SetIPCType(model);
}

void PendrikWidget::onConfirm()
{
    // The library writes only when a lens is chosen; what it hands back is
    // checked before it replaces the last accepted choice. The device keeps
    // the model, the text before the first comma, so that must not be blank.
    QString lens;
    int count = 0;
    KIV_SMC_GetLens(&lens, &count);
    const bool named = !lens.section(QLatin1Char(','), 0, 0).trimmed().isEmpty();
    if (!named) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Hint"), tr("Please select Lens"),
                                                       nullptr);
        return;
    }
    // A lens is chosen; what is wrong is the count in the calculator's
    // field, told in the words the other accessory dialogs use for it.
    if (!limits::isAccessoryCount(count)) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Hint"), tr("Number Range [1~1000]"),
                                                       nullptr);
        return;
    }
    m_lens = lens;
    m_lensCount = count;
    accept();
}

} // namespace kiv
