#include "CalculateManagerWidget.h"

#include "BandwidthCalulatorWidget.h"
#include "ClientCalculatorWidget.h"
#include "StorageCalculatorWidget.h"
#include "StreamServerCalulatorWidget.h"

#include <LanaguageManager.h>
#include <FailureText.h>
#include <TabWidget.h>
#include <WarningDlg.h>
#include <TaskListFile.h>

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace kiv {

namespace {

// The stack of a tab widget's pages; a page made there is not moved again
// when it is added as a tab.
QWidget *pageStack(QTabWidget *tabs)
{
    return tabs->findChild<QStackedWidget *>(QStringLiteral("qt_tabwidget_stackedwidget"),
                                             Qt::FindDirectChildrenOnly);
}

} // namespace

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

    // Empty pages hold the tabs of the calculators not made yet.
    const bool chinese = LanaguageManager::GetInstance()->language() == 1;
    m_tabOf[Storage] = 0;
    m_tabOf[Bandwidth] = 1;
    m_tabOf[StreamServer] = chinese ? 2 : -1;
    m_tabOf[Client] = chinese ? 3 : -1;
    const QString titles[CalculatorCount] = {tr("Storage"), tr("Bandwidth"), tr("Stream Server"),
                                             tr("Client")};
    for (int which = Storage; which < CalculatorCount; ++which) {
        if (m_tabOf[which] >= 0)
            m_tabCalculate->addTab(new QWidget(pageStack(m_tabCalculate)), titles[which]);
    }
    connect(m_tabCalculate, &QTabWidget::currentChanged, this, &CalculateManagerWidget::tabShown);
    calculator(Storage);
}

CalculateManagerWidget::~CalculateManagerWidget() = default;

KavrinGUIToolkit::CTabWidget *CalculateManagerWidget::tabs()
{
    for (int which = Storage; which < CalculatorCount; ++which) {
        if (m_tabOf[which] >= 0)
            calculator(Calculator(which));
    }
    return m_tabCalculate;
}

StorageCalculatorWidget *CalculateManagerWidget::storageCalculator()
{
    calculator(Storage);
    return m_storage;
}

BandwidthCalulatorWidget *CalculateManagerWidget::bandwidthCalculator()
{
    calculator(Bandwidth);
    return m_bandwidth;
}

StreamServerCalulatorWidget *CalculateManagerWidget::streamServerCalculator()
{
    calculator(StreamServer);
    return m_streamServer;
}

ClientCalculatorWidget *CalculateManagerWidget::clientCalculator()
{
    calculator(Client);
    return m_client;
}

QWidget *CalculateManagerWidget::calculator(Calculator which)
{
    QWidget *const made[CalculatorCount] = {m_storage, m_bandwidth, m_streamServer, m_client};
    if (made[which])
        return made[which];
    // A calculator made inside the tab widget's pages, where it stays, gets
    // its style sheets worked out once.
    QWidget *parent = m_tabOf[which] >= 0 ? pageStack(m_tabCalculate) : nullptr;
    const auto catchUp = [this](auto *fresh) {
        fresh->setTaskName(m_taskName);
        if (m_showsStored)
            fresh->loadResult();
        return fresh;
    };
    QWidget *page = nullptr;
    switch (which) {
    case Storage:
        page = m_storage = catchUp(new StorageCalculatorWidget(parent));
        break;
    case Bandwidth:
        page = m_bandwidth = catchUp(new BandwidthCalulatorWidget(parent));
        break;
    case StreamServer:
        page = m_streamServer = catchUp(new StreamServerCalulatorWidget(parent));
        break;
    case Client:
        page = m_client = catchUp(new ClientCalculatorWidget(parent));
        break;
    case CalculatorCount:
        return nullptr;
    }
    if (m_tabOf[which] >= 0)
        fillTab(m_tabOf[which], page);
    else
        m_untabbed[which - StreamServer].reset(page);
    return page;
}

void CalculateManagerWidget::tabShown(int index)
{
    for (int which = Storage; which < CalculatorCount; ++which) {
        if (m_tabOf[which] == index)
            calculator(Calculator(which));
    }
}

void CalculateManagerWidget::fillTab(int index, QWidget *page)
{
    QWidget *empty = m_tabCalculate->widget(index);
    if (empty == page)
        return;
    // The swap is no choice of a tab: tabShown() is not told of it.
    const QSignalBlocker quiet(m_tabCalculate);
    const bool current = m_tabCalculate->currentIndex() == index;
    m_tabCalculate->insertTab(index, page, m_tabCalculate->tabText(index));
    if (current)
        m_tabCalculate->setCurrentIndex(index);
    m_tabCalculate->removeTab(index + 1);
    delete empty;
}

void CalculateManagerWidget::clickCurrentTask(const QString &name)
{
    m_taskName = name;
    const auto tell = [&name](auto *calculator) {
        if (calculator)
            calculator->setTaskName(name);
    };
    tell(m_bandwidth);
    tell(m_streamServer);
    tell(m_storage);
    tell(m_client);
    loadResults();
}

void CalculateManagerWidget::setCurrentTask(const QString &name)
{
    clickCurrentTask(name);
}

void CalculateManagerWidget::loadResults()
{
    m_showsStored = true;
    if (m_bandwidth)
        m_bandwidth->loadResult();
    if (m_storage)
        m_storage->loadResult();
    if (m_client)
        m_client->loadResult();
    if (m_streamServer)
        m_streamServer->loadResult();
}

void CalculateManagerWidget::slotChanngedResult()
{
    // Every stored figure of the task is out of date, the client's too: it
    // was counted from the devices and streams that just changed.
    TaskListFile file;
    if (file.clearResults(m_taskName) && !file.close()) {
        // The old figures stay in the list, where the report would show
        // them as the task's: the planner must know.
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
            tr("Warn"),
            failureText(tr("The stored results of this task could not be cleared, so the report "
                           "may still show figures of the devices before this change."),
                        file.lastError()),
            this);
    }
    m_showsStored = false;
    if (m_bandwidth)
        m_bandwidth->clearResult();
    if (m_storage)
        m_storage->clearResult();
    if (m_client)
        m_client->clearResult();
    if (m_streamServer)
        m_streamServer->clearResult();
}

} // namespace kiv
