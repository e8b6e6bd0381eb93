#include "StreamServerCalulatorWidget.h"

#include "ui_StreamServerCalulatorWidget.h"

#include <ServerCounts.h>
#include <TaskDevices.h>
#include <TaskListFile.h>
#include <Validators.h>
#include <WarningDlg.h>

#include <QDebug>

namespace kiv {

StreamServerCalulatorWidget::StreamServerCalulatorWidget(QWidget *parent)
    : QWidget(parent), m_form(std::make_unique<Ui::StreamServerCalulatorWidgetUI>())
{
    m_form->setupUi(this);
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &StreamServerCalulatorWidget::calStreamServer);
    m_form->labServerCount->setAlignment(Qt::AlignCenter);
    m_validator = new KavrinGUIToolkit::CIntValidator(1, 1000, this);
    m_form->edtServerCount->setValidator(m_validator);
    m_form->edtServerCount->setStyleSheet(
        QStringLiteral("QLineEdit{height:50px; color:rgb(105, 157, 206)}"
                       "QLineEdit:hover,QLineEdit:hover{border-image:none;}"));
    // Only what the planner types is stored from the field: blanking it on a
    // change of task must not store anything.
    connect(m_form->edtServerCount, &QLineEdit::textEdited, this,
            &StreamServerCalulatorWidget::slotServerCountChanged);
    showNumber(QString());
}

StreamServerCalulatorWidget::~StreamServerCalulatorWidget() = default;

void StreamServerCalulatorWidget::showNumber(const QString &text)
{
    QFont font(QStringLiteral("Arial"), 14);
    font.setWeight(QFont::Normal);
    m_form->edtServerCount->setFont(font);
    m_form->edtServerCount->setAlignment(Qt::AlignCenter);
    m_form->edtServerCount->setText(text);
}

void StreamServerCalulatorWidget::calStreamServer()
{
    using KavrinGUIToolkit::CWarningDlg;
    if (m_taskName.isEmpty()) {
        CWarningDlg::ShowMessageInfo(
            tr("Info"),
            tr("Choose a task first: the stream servers are counted for the current task."), this);
        return;
    }
    QVector<TaskDeviceEntry> devices;
    QString why;
    if (!readTaskDevices(m_taskName, devices, &why)) {
        qDebug() << "stream-server calculation:" << m_taskName << why;
        showNumber(QString());
        saveResult(false);
        CWarningDlg::ShowMessageInfo(tr("Error"), tr("The devices of this task cannot be read."),
                                     this);
        return;
    }
    bool ok = false;
    const int servers = streamServerCount(devices, &ok);
    showNumber(ok ? QString::number(servers) : QString());
    saveResult(ok);
    if (!ok)
        CWarningDlg::ShowMessageInfo(tr("Error"),
                                     tr("The stream servers of this task cannot be counted. Check "
                                        "the bit rates and stream counts of its streams."),
                                     this);
}

void StreamServerCalulatorWidget::slotServerCountChanged(const QString &text)
{
    // A number typed over the result is the planner's result; an emptied
    // field leaves the task without one.
    saveResult(m_validator->IsAcceptable(text));
}

void StreamServerCalulatorWidget::saveResult(bool enabled)
{
    StreamServerResult r;
    r.taskName = m_taskName;
    r.streamServerEnable = enabled ? 1 : 0;
    r.streamServerNumber = enabled ? m_form->edtServerCount->text().toInt(nullptr, 10) : 0;
    TaskListFile file;
    if (file.setStreamServerResult(r) && file.close())
        return;
    qDebug() << "qeb setStreamServerResult error" << file.lastError();
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        tr("Warn"), tr("The result could not be stored in the task list."), this);
}

void StreamServerCalulatorWidget::loadResult()
{
    StreamServerResult r;
    TaskListFile file;
    if (file.streamServerResult(m_taskName, r) && r.streamServerEnable == 1)
        showNumber(QString::number(r.streamServerNumber));
    else
        clearResult();
}

void StreamServerCalulatorWidget::clearResult()
{
    m_form->edtServerCount->setText(QString());
}

} // namespace kiv
