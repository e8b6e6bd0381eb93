#include "ClientCalculatorWidget.h"

#include "CalcLogging.h"
#include "CalculatorFlow.h"
#include "ui_ClientCalculatorWidget.h"

#include <ServerCounts.h>
#include <TaskListFile.h>

namespace kiv {

namespace {

// Client software products: names, not translated.
const char *const kClients[] = {"Torvel", "Sarvik"};

} // namespace

ClientCalculatorWidget::ClientCalculatorWidget(QWidget *parent)
    : QWidget(parent), m_form(std::make_unique<Ui::ClientCalculatorWidgetUI>())
{
    m_form->setupUi(this);
    init();
}

ClientCalculatorWidget::~ClientCalculatorWidget() = default;

void ClientCalculatorWidget::init()
{
    for (const char *client : kClients)
        m_form->combClient->addItem(QLatin1String(client));
    CalculatorFlow::CountStore store;
    store.read = [](const QString &taskName, int &number) {
        ClientResult r;
        TaskListFile file;
        if (!file.clientResult(taskName, r) || r.clientEnable != 1)
            return false;
        number = r.clientNumber;
        return true;
    };
    store.write = [this](const QString &taskName, bool enabled, int number, QString &reason) {
        return writeResult(taskName, enabled, number, reason);
    };
    m_flow = new CalculatorFlow(this, m_form->edtClientCount, std::move(store));
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &ClientCalculatorWidget::onCalculate);
    connect(m_form->combClient, &QComboBox::currentIndexChanged, this,
            &ClientCalculatorWidget::slotClientChanged);
    // Only what the planner types is stored from the field: blanking it on a
    // change of task must not store anything.
    connect(m_form->edtClientCount, &QLineEdit::textEdited, this,
            &ClientCalculatorWidget::slotClientCountChanged);
}

void ClientCalculatorWidget::onCalculate()
{
    if (!CalculatorFlow::taskChosen(
            m_taskName, tr("Choose a task first: the clients are counted for the current task."),
            this))
        return;
    if (m_form->combClient->currentIndex() != 0) {
        m_flow->showAndStore(m_taskName, kFixedClientCount);
        return;
    }
    m_flow->count(m_taskName, "client calculation:", clientCount,
                  tr("The clients of this task cannot be counted. Check the device counts and "
                     "stream counts."));
}

void ClientCalculatorWidget::slotClientChanged(int)
{
    // Another client software neither recounts nor blanks the number shown.
}

void ClientCalculatorWidget::slotClientCountChanged(const QString &text)
{
    // A number typed over the result is the planner's result.
    m_flow->storeTyped(m_taskName, text);
}

bool ClientCalculatorWidget::writeResult(const QString &taskName, bool enabled, int number,
                                         QString &reason)
{
    ClientResult r;
    r.taskName = taskName;
    r.clientEnable = enabled ? 1 : 0;
    r.client = m_form->combClient->currentText();
    r.clientNumber = number;
    TaskListFile file;
    // No task of that name in the list (none chosen yet): there is no entry
    // to keep a result in, and nothing to tell.
    if (file.isOpen() && !file.exists(taskName))
        return true;
    if (file.setClientResult(r) && file.close())
        return true;
    qCDebug(lcCalc) << "qeb setClientResult error" << file.lastError();
    reason = file.lastError();
    return false;
}

void ClientCalculatorWidget::loadResult()
{
    m_flow->load(m_taskName);
}

void ClientCalculatorWidget::clearResult()
{
    m_flow->clear();
}

} // namespace kiv
