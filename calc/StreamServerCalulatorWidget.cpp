#include "StreamServerCalulatorWidget.h"

#include "CalcLogging.h"
#include "CalculatorFlow.h"
#include "ui_StreamServerCalulatorWidget.h"

#include <ServerCounts.h>
#include <TaskListFile.h>

namespace kiv {

StreamServerCalulatorWidget::StreamServerCalulatorWidget(QWidget *parent)
    : QWidget(parent), m_form(std::make_unique<Ui::StreamServerCalulatorWidgetUI>())
{
    m_form->setupUi(this);
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &StreamServerCalulatorWidget::calStreamServer);
    m_form->labServerCount->setAlignment(Qt::AlignCenter);
    CalculatorFlow::CountStore store;
    store.read = [](const QString &taskName, int &number) {
        StreamServerResult r;
        TaskListFile file;
        if (!file.streamServerResult(taskName, r) || r.streamServerEnable != 1)
            return false;
        number = r.streamServerNumber;
        return true;
    };
    store.write = &StreamServerCalulatorWidget::writeResult;
    m_flow = new CalculatorFlow(this, m_form->edtServerCount, std::move(store));
    // Only what the planner types is stored from the field: blanking it on a
    // change of task must not store anything.
    connect(m_form->edtServerCount, &QLineEdit::textEdited, this,
            &StreamServerCalulatorWidget::slotServerCountChanged);
}

StreamServerCalulatorWidget::~StreamServerCalulatorWidget() = default;

void StreamServerCalulatorWidget::calStreamServer()
{
    if (!CalculatorFlow::taskChosen(
            m_taskName,
            tr("Choose a task first: the stream servers are counted for the current task."), this))
        return;
    m_flow->count(m_taskName, "stream-server calculation:", streamServerCount,
                  tr("The stream servers of this task cannot be counted. Check the bit rates and "
                     "stream counts of its streams."));
}

void StreamServerCalulatorWidget::slotServerCountChanged(const QString &text)
{
    // A number typed over the result is the planner's result.
    m_flow->storeTyped(m_taskName, text);
}

bool StreamServerCalulatorWidget::writeResult(const QString &taskName, bool enabled, int number,
                                              QString &reason)
{
    StreamServerResult r;
    r.taskName = taskName;
    r.streamServerEnable = enabled ? 1 : 0;
    r.streamServerNumber = number;
    TaskListFile file;
    // No task of that name in the list (none chosen yet): there is no entry
    // to keep a result in, and nothing to tell.
    if (file.isOpen() && !file.exists(taskName))
        return true;
    if (file.setStreamServerResult(r) && file.close())
        return true;
    qCDebug(lcCalc) << "qeb setStreamServerResult error" << file.lastError();
    reason = file.lastError();
    return false;
}

void StreamServerCalulatorWidget::loadResult()
{
    m_flow->load(m_taskName);
}

void StreamServerCalulatorWidget::clearResult()
{
    m_flow->clear();
}

} // namespace kiv
