#include "BandwidthCalulatorWidget.h"

#include "BandwidthCalModel.h"
#include "CalculatorFlow.h"
#include "ui_BandwidthCalulatorWidget.h"

#include <WarningDlg.h>

namespace kiv {

BandwidthCalulatorWidget::BandwidthCalulatorWidget(QWidget *parent)
    : QWidget(parent), m_form(std::make_unique<Ui::BandwidthCalulatorWidgetUI>())
{
    m_form->setupUi(this);
    m_model = new BandwidthCalModel(this);
    m_form->tableBandWidth->setModel(m_model);
    CalculatorFlow::setUpResultRow(m_form->tableBandWidth, 200);
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &BandwidthCalulatorWidget::onCalculate);
}

BandwidthCalulatorWidget::~BandwidthCalulatorWidget() = default;

void BandwidthCalulatorWidget::setTaskName(const QString &name)
{
    m_taskName = name;
}

void BandwidthCalulatorWidget::clearResult()
{
    m_model->clearResult();
}

void BandwidthCalulatorWidget::loadResult()
{
    m_model->loadResult(m_taskName);
}

void BandwidthCalulatorWidget::onCalculate()
{
    using KavrinGUIToolkit::CWarningDlg;
    if (!CalculatorFlow::taskChosen(
            m_taskName,
            tr("Choose a task first: the bandwidth is calculated for the current task."), this))
        return;
    QString reason;
    const BandwidthCalModel::Outcome outcome = m_model->calculate(m_taskName, &reason);
    // A failure is stored too, disabled, so that no earlier figure of the
    // task passes for the current one.
    QString notStored;
    const bool stored =
        m_model->saveResult(m_taskName, outcome == BandwidthCalModel::Calculated, &notStored);
    if (outcome == BandwidthCalModel::Unreadable) {
        QString text = tr("Failed.");
        if (!reason.isEmpty())
            text += QLatin1Char('\n') + reason;
        CWarningDlg::ShowMessageInfo(tr("Warn"), text, this);
    } else if (outcome == BandwidthCalModel::Uncomputable) {
        CWarningDlg::ShowMessageInfo(tr("Error"),
                                     tr("The bandwidth of this task cannot be calculated. Check "
                                        "the bit rates and stream counts of its streams."),
                                     this);
    }
    if (!stored)
        CalculatorFlow::tellNotStored(this, notStored);
}

} // namespace kiv
