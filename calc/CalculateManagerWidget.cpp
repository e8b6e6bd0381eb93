#include "CalculateManagerWidget.h"

#include "BandwidthCalulatorWidget.h"
#include "ClientCalculatorWidget.h"
#include "StorageCalculatorWidget.h"
#include "StreamServerCalulatorWidget.h"

#include <LanaguageManager.h>
#include <TabWidget.h>
#include <TaskListFile.h>

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>

namespace kiv {

CalculateManagerWidget::CalculateManagerWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CalculateManagerWidgetUI"));
    resize(731, 402);
    auto *outer = new QGridLayout(this);
    outer->setObjectName(QStringLiteral("gridLayout_2"));
    outer->setSpacing(6);
    outer->setContentsMargins(11, 11, 11, 11);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#frame\n{\nborder: 1px solid "
                       "rgb(186,186,186);\nbackground-color:rgb(246,246,246);\n}"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setFrameShadow(QFrame::Raised);
    auto *inner = new QGridLayout(m_frame);
    inner->setObjectName(QStringLiteral("gridLayout"));
    inner->setSpacing(0);
    inner->setContentsMargins(0, 0, 0, 0);
    m_tabCalculate = new KavrinGUIToolkit::CTabWidget(m_frame);
    m_tabCalculate->setObjectName(QStringLiteral("tabCalculate"));
    m_tabCalculate->setStyleSheet(QStringLiteral(
        "KavrinGUIToolkit--CTabWidget::pane \n{\n    border-image:url(:/Torvel/Tab/Images/Public/"
        "Control/Tab/TabPane.png) 1 1 1 1;\n    border-width:1px 1px 1px 1px;\n    \n}"));
    inner->addWidget(m_tabCalculate, 0, 0, 1, 1);
    outer->addWidget(m_frame, 0, 0, 1, 1);
    setWindowTitle(
        QCoreApplication::translate("CalculateManagerWidgetUI", "CalculateManagerWidget"));

    // Every calculator exists in every language and is told of every task;
    // the stream-server and client calculators are shown in the Chinese
    // interface only.
    m_storage = new StorageCalculatorWidget;
    m_bandwidth = new BandwidthCalulatorWidget;
    m_streamServer = new StreamServerCalulatorWidget;
    m_client = new ClientCalculatorWidget;
    // Adding a calculator as a tab hands it to the tab widget.
    m_tabCalculate->addTab(m_storage, tr("Storage"));
    m_tabCalculate->addTab(m_bandwidth, tr("Bandwidth"));
    if (LanaguageManager::GetInstance()->language() == 1) {
        m_tabCalculate->addTab(m_streamServer, tr("Stream Server"));
        m_tabCalculate->addTab(m_client, tr("Client"));
    } else {
        m_untabbed[0].reset(m_streamServer);
        m_untabbed[1].reset(m_client);
    }
}

CalculateManagerWidget::~CalculateManagerWidget() = default;

void CalculateManagerWidget::clickCurrentTask(const QString &name)
{
    m_taskName = name;
    m_bandwidth->setTaskName(m_taskName);
    m_streamServer->setTaskName(m_taskName);
    m_storage->setTaskName(m_taskName);
    m_client->setTaskName(m_taskName);
    loadResults();
}

void CalculateManagerWidget::setCurrentTask(const QString &name)
{
    clickCurrentTask(name);
}

void CalculateManagerWidget::loadResults()
{
    m_bandwidth->loadResult();
    m_storage->loadResult();
    m_client->loadResult();
    m_streamServer->loadResult();
}

void CalculateManagerWidget::slotChanngedResult()
{
    // Every stored figure of the task is out of date, the client's too: it
    // was counted from the devices and streams that just changed.
    TaskListFile file;
    (void)file.clearResults(m_taskName);
    m_bandwidth->clearResult();
    m_storage->clearResult();
    m_client->clearResult();
    m_streamServer->clearResult();
}

} // namespace kiv
