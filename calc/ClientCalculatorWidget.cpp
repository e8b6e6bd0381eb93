#include "ClientCalculatorWidget.h"

#include "ui_ClientCalculatorWidget.h"

#include <ServerCounts.h>
#include <TaskDevices.h>
#include <TaskListFile.h>
#include <Validators.h>
#include <WarningDlg.h>

#include <QDebug>

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
    m_validator = new KavrinGUIToolkit::CIntValidator(1, 1000, this);
    m_form->edtClientCount->setValidator(m_validator);
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &ClientCalculatorWidget::onCalculate);
    connect(m_form->combClient, &QComboBox::currentIndexChanged, this,
            &ClientCalculatorWidget::slotClientChanged);
    // Only what the planner types is stored from the field: blanking it on a
    // change of task must not store anything.
    connect(m_form->edtClientCount, &QLineEdit::textEdited, this,
            &ClientCalculatorWidget::slotClientCountChanged);
    m_form->edtClientCount->setStyleSheet(
        QStringLiteral("QLineEdit{height:50px; color:rgb(105, 157, 206)}"
                       "QLineEdit:hover,QLineEdit:hover{border-image:none;}"));
    showNumber(QString());
}

void ClientCalculatorWidget::showNumber(const QString &text)
{
    QFont font(QStringLiteral("Arial"), 14);
    font.setWeight(QFont::Normal);
    m_form->edtClientCount->setFont(font);
    m_form->edtClientCount->setAlignment(Qt::AlignCenter);
    m_form->edtClientCount->setText(text);
}

void ClientCalculatorWidget::onCalculate()
{
    using KavrinGUIToolkit::CWarningDlg;
    if (m_taskName.isEmpty()) {
        CWarningDlg::ShowMessageInfo(
            tr("Info"), tr("Choose a task first: the clients are counted for the current task."),
            this);
        return;
    }
    if (m_form->combClient->currentIndex() != 0) {
        showNumber(QString::number(kFixedClientCount));
        saveResult(true);
        return;
    }
    QVector<TaskDeviceEntry> devices;
    QString why;
    if (!readTaskDevices(m_taskName, devices, &why)) {
        qDebug() << "client calculation:" << m_taskName << why;
        showNumber(QString());
        saveResult(false);
        CWarningDlg::ShowMessageInfo(tr("Error"), tr("The devices of this task cannot be read."),
                                     this);
        return;
    }
    bool ok = false;
    const int clients = clientCount(devices, &ok);
    showNumber(ok ? QString::number(clients) : QString());
    saveResult(ok);
    if (!ok)
        CWarningDlg::ShowMessageInfo(tr("Error"),
                                     tr("The clients of this task cannot be counted. Check the "
                                        "device counts and stream counts."),
                                     this);
}

void ClientCalculatorWidget::slotClientChanged(int)
{
    // Another client software neither recounts nor blanks the number shown.
}

void ClientCalculatorWidget::slotClientCountChanged(const QString &text)
{
    // A number typed over the result is the planner's result; an emptied
    // field leaves the task without one.
    saveResult(m_validator->IsAcceptable(text));
}

void ClientCalculatorWidget::saveResult(bool enabled)
{
    ClientResult r;
    r.taskName = m_taskName;
    r.clientEnable = enabled ? 1 : 0;
    r.client = m_form->combClient->currentText();
    r.clientNumber = enabled ? m_form->edtClientCount->text().toInt(nullptr, 10) : 0;
    TaskListFile file;
    if (file.setClientResult(r) && file.close())
        return;
    qDebug() << "qeb setClientResult error" << file.lastError();
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        tr("Warn"), tr("The result could not be stored in the task list."), this);
}

void ClientCalculatorWidget::loadResult()
{
    ClientResult r;
    TaskListFile file;
    if (file.clientResult(m_taskName, r) && r.clientEnable == 1)
        showNumber(QString::number(r.clientNumber));
    else
        clearResult();
}

void ClientCalculatorWidget::clearResult()
{
    showNumber(QString());
}

} // namespace kiv
