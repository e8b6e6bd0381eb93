#include "RecordPlanCopyWidget.h"

#include "RecordPlanCopyModel.h"
#include "ui_RecordPlanCopyWidget.h"

#include <RecordPlanCopy.h>
#include <WarningDlg.h>

#include <QPushButton>

namespace kiv {

RecordPlanCopyWidget::RecordPlanCopyWidget(const QString &taskName, int sourceIndex,
                                           QWidget *parent)
    : KavrinGUIToolkit::CBaseDialogWithBottom(parent),
      m_form(std::make_unique<Ui::RecordPlanCopyWidget>()), m_taskName(taskName),
      m_sourceIndex(sourceIndex)
{
    m_form->setupUi(GetSetUpUiWidget());
    m_model = new RecordPlanCopyModel;
    init();
}

RecordPlanCopyWidget::~RecordPlanCopyWidget()
{
    // The model has no parent; the view lets go of it first.
    m_form->treeView->setModel(nullptr);
    delete m_model;
}

void RecordPlanCopyWidget::init()
{
    setFixedSize(480, 400);
    SetCloseBtnVisible(true);
    // The frame's title bar names the dialog, as the content area does.
    SetTitle(GetSetUpUiWidget()->windowTitle());
    m_form->treeView->setRootIsDecorated(false);
    m_form->treeView->setModel(m_model);
    m_loaded = m_model->loadDevices(m_taskName, m_sourceIndex);
    m_form->treeView->setColumnWidth(0, 40);
    m_form->treeView->setColumnWidth(1, 60);
    m_form->treeView->setColumnWidth(2, 170);
    ReConnect(GetConfirmBtn(), &QPushButton::clicked, this, &RecordPlanCopyWidget::onConfirm);
}

void RecordPlanCopyWidget::tell(const QString &title, const QString &text)
{
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(title, text, this);
}

void RecordPlanCopyWidget::onConfirm()
{
    m_tickedRows.clear();
    m_model->checkedRows(m_tickedRows);
    const int source = m_model->sourceIndex();
    QVector<int> targets;
    for (int row : qAsConst(m_tickedRows)) {
        if (row != source)
            targets.append(row);
    }
    if (targets.isEmpty()) {
        accept();
        return;
    }

    const RecordPlanCopy copied = RecordPlanCopy::copy(m_taskName, source, targets);
    if (copied.outcome == RecordPlanCopy::SourceUnreadable) {
        tell(tr("Warn"), tr("The record plan could not be copied: the task's device file "
                            "cannot be read."));
        return;
    }
    if (copied.outcome == RecordPlanCopy::NotSaved) {
        // Nothing reached the file: the dialog stays for another try.
        tell(tr("Warn"), tr("The record plan could not be copied: %1").arg(copied.reason));
        return;
    }
    if (!copied.gone.isEmpty()) {
        QStringList gone;
        for (int row : copied.gone)
            gone << QString::number(row + 1);
        tell(tr("Warn"), tr("The record plan could not be copied to device %1: it is no longer "
                            "in the task.")
                             .arg(gone.join(QStringLiteral(", "))));
    }
    const QString device = QString::number(source + 1);
    if (copied.planMissing)
        tell(tr("Info"), tr("Device %1 has no stored record plan; the other devices keep "
                            "theirs.")
                             .arg(device));
    if (copied.frenMissing)
        tell(tr("Info"), tr("Device %1 has no stored event frequency; the other devices keep "
                            "theirs.")
                             .arg(device));
    accept();
}

} // namespace kiv
