#include "Varnel.h"

#include "AppLogging.h"
#include "CalculateManagerWidget.h"
#include "ConfigPannel.h"
#include "DeviceListWidget.h"
#include "DeviceStreamWidget.h"
#include "DlgAbout.h"
#include "RecordPlanConfig.h"
#include "TaskManagerWidget.h"
#include "UserManual.h"
#include "ui_VarnelClass.h"

#include <PinButton.h>
#include <SystemMenu.h>
#include <WindowTitle.h>

#include <File.h>
#include <LanaguageManager.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace kiv {

Varnel::Varnel(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), m_form(std::make_unique<Ui::VarnelClass>())
{
    m_form->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setStyleSheet(KavrinGUIToolkit::CFile::ReadAll({QStringLiteral("Title.qss")},
                                                   QStringLiteral(":/Torvel/Qss/Qss/System/")));
    initWidgets();
}

Varnel::~Varnel() = default;

void Varnel::initWidgets()
{
    // The title bar and the three panes, each made inside the frame it stays
    // in: moved there afterwards, every widget of a pane would have the
    // window's style sheets worked out a second time. The task pane keeps its
    // width and the calculator pane its height when the window grows.
    QWidget *frame = m_form->centralFrame;
    m_title = new kivui::WindowTitle(m_form->centralWidget);
    connect(m_title->systemMenu(), &kivui::SystemMenu::aboutRequested, this, &Varnel::showAbout);
    m_taskPane = new TaskManagerWidget(frame);
    m_taskPane->setFixedWidth(240);
    m_taskPane->layout()->setContentsMargins(0, 6, 0, 0);
    m_deviceList = new DeviceListWidget(frame);
    m_deviceList->layout()->setContentsMargins(0, 6, 0, 0);
    m_calculator = new CalculateManagerWidget(frame);
    m_calculator->setFixedHeight(200);
    m_calculator->layout()->setContentsMargins(0, 0, 0, 0);

    // The task pane beside the device list, the calculator pane below, all
    // under the title bar; the panes stand one pixel apart, over the frame's
    // colour.
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_taskPane);
    row->addWidget(m_deviceList);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(m_calculator);
    frame->setLayout(column);
    m_form->verticalLayout->insertWidget(0, m_title);
    m_form->centralWidget->setContentsMargins(9, 0, 9, 9);
    m_form->verticalLayout->setSpacing(1);
    frame->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);

    // A task chosen, added or gone in the task pane is the one the device list
    // and the calculator pane show.
    connect(m_taskPane, &TaskManagerWidget::selectCurrentTask, this, &Varnel::showTaskDevices);
    connect(m_taskPane, &TaskManagerWidget::addCurrentTask, m_deviceList,
            &DeviceListWidget::setCurrentTask);
    connect(m_taskPane, &TaskManagerWidget::addCurrentTask, m_calculator,
            &CalculateManagerWidget::setCurrentTask);
    connect(m_taskPane, &TaskManagerWidget::selectCurrentTask, m_calculator,
            &CalculateManagerWidget::clickCurrentTask);
    connect(m_taskPane, &TaskManagerWidget::signalAddDevice, m_deviceList,
            &DeviceListWidget::slotAddDevice);
    connect(m_taskPane, &TaskManagerWidget::signalNoTask, m_deviceList,
            &DeviceListWidget::slotNoTask);
    // A task about to be renamed or deleted first has its open panel stored.
    connect(m_taskPane, &TaskManagerWidget::taskAboutToChange, m_deviceList,
            &DeviceListWidget::closePanels);

    // The pin tab is in no layout: it floats over the window at the task
    // pane's edge, where movePinButtion() puts it.
    m_pinButton = new kivui::PinButton(this);
    m_pinButton->setBuddy(m_taskPane);
    connect(m_pinButton, &kivui::PinButton::pinButtonClicked, this, &Varnel::movePinButtion);

    // The pop-over panels of a device row are made when the planner first
    // opens one: most starts open none, and each costs as much as a pane.
    m_deviceList->setPanelMaker([this](DeviceListWidget::Panel panel) {
        switch (panel) {
        case DeviceListWidget::RecordPlanPanel:
            recordPlanPanel();
            break;
        case DeviceListWidget::StreamPanel:
            streamPanel();
            break;
        case DeviceListWidget::AccessoryPanel:
            accessoryPanel();
            break;
        }
    });

    // Only now that the task pane is wired to the others does it choose its
    // first task, so that the device list and the calculator pane load it.
    // Reading a large task's rows takes a while: the planner sees the window
    // first, and the rows follow its first paint (eventFilter()). A window
    // that is never shown gets them at once from the event loop.
    m_taskPane->selectFirstTask();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            fillFirstTask();
    });

    // Every change of a task's devices reaches the calculator pane once (the
    // panels' changes too, wired as each is made).
    connect(m_deviceList, &DeviceListWidget::signalChanngedReslut, m_calculator,
            &CalculateManagerWidget::slotChanngedResult);
}

RecordPlanConfig *Varnel::recordPlanPanel()
{
    if (!m_recordPlan) {
        m_recordPlan = new RecordPlanConfig(this);
        // Made before the window is shown, it would come up with it.
        m_recordPlan->saveAndHide();
        connect(m_recordPlan, &RecordPlanConfig::signalChanngedReslut, m_calculator,
                &CalculateManagerWidget::slotChanngedResult);
        handPanelsToList();
    }
    return m_recordPlan;
}

DeviceStreamWidget *Varnel::streamPanel()
{
    if (!m_streams) {
        m_streams = new DeviceStreamWidget(this);
        m_streams->hide();
        connect(m_streams, &DeviceStreamWidget::signalChanngedReslut, m_calculator,
                &CalculateManagerWidget::slotChanngedResult);
        handPanelsToList();
    }
    return m_streams;
}

ConfigPannel *Varnel::accessoryPanel()
{
    if (!m_accessories) {
        m_accessories = new ConfigPannel(this);
        m_accessories->hide();
        handPanelsToList();
    }
    return m_accessories;
}

void Varnel::handPanelsToList()
{
    m_deviceList->setSidePanels(m_recordPlan, m_streams, m_accessories);
}

void Varnel::showTaskDevices(const QString &name)
{
    if (m_firstTaskWaits && m_firstTask.isNull()) {
        m_deviceList->setCurrentTask(name);
        m_firstTask = name;
        return;
    }
    // Another task chosen before the first one's rows came: those are no
    // longer wanted.
    m_firstTaskWaits = false;
    m_deviceList->clickCurrentTask(name);
}

void Varnel::fillFirstTask()
{
    if (!m_firstTaskWaits)
        return;
    m_firstTaskWaits = false;
    if (windowHandle())
        windowHandle()->removeEventFilter(this);
    if (!m_firstTask.isNull())
        m_deviceList->clickCurrentTask(m_firstTask);
}

bool Varnel::eventFilter(QObject *watched, QEvent *event)
{
    if (m_firstTaskWaits && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        // The window paints itself while it handles the exposure; the rows
        // are read right after, in the same turn of the event loop.
        watched->event(event);
        fillFirstTask();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Varnel::showEvent(QShowEvent *event)
{
    if (m_firstTaskWaits && windowHandle()) {
        windowHandle()->installEventFilter(this);
        // Should no exposure come (a window started minimised), the rows
        // still follow within the second.
        QTimer::singleShot(500, this, &Varnel::fillFirstTask);
    }
    QMainWindow::showEvent(event);
}

void Varnel::showCentred()
{
    show();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(1024, 768);
        return;
    }
    // On a screen smaller than the start size the window takes the free area
    // instead, so that its title bar, with its buttons and its drag strip,
    // stays within reach. A window that cannot shrink that far starts at the
    // area's top-left corner for the same reason.
    const QRect area = screen->availableGeometry();
    resize(QSize(1024, 768).boundedTo(area.size()));
    move(area.x() + qMax(0, (area.width() - width()) / 2),
         area.y() + qMax(0, (area.height() - height()) / 2));
}

void Varnel::movePinButtion()
{
    if (!m_taskPane || !m_pinButton)
        return;
    const QPoint p = m_taskPane->geometry().topRight();
    const QPoint g = m_taskPane->mapToParent(p);
    qCDebug(lcApp, "current x(%d) y(%d)", p.x(), p.y());
    qCDebug(lcApp, "globlePos x(%d) y(%d)", g.x(), g.y());
    const int left = layout() ? layout()->contentsMargins().left() : 0;
    const int y = g.y() + m_taskPane->height() / 2;
    if (m_taskPane->isVisible()) {
        m_pinButton->move(g.x() + left, y);
        m_deviceList->setPinned(false);
    } else {
        m_pinButton->move(left, y);
        m_deviceList->setPinned(true);
    }
}

void Varnel::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    movePinButtion();
}

void Varnel::closeEvent(QCloseEvent *event)
{
    if (KavrinGUIToolkit::CWarningDlg::CheckMessageInfo(tr("Exit"), tr("Sure to close software"),
                                                        this) != 1) {
        event->ignore();
        return;
    }
    // What an open panel shows is stored before the program goes; when it
    // cannot be, the planner decides whether to go without it.
    if (m_recordPlan && !m_recordPlan->saveBeforeExit()) {
        event->ignore();
        return;
    }
    if (m_streams)
        m_streams->hide();
    if (m_accessories)
        m_accessories->hide();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    event->accept();
}

void Varnel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && !openManual())
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Info"), tr("Can not find Manual."));
    // Escape and every other key stop here: the window has no key actions.
    event->accept();
}

void Varnel::showAbout()
{
    CDlgAbout dialog(this);
    dialog.exec();
}

bool Varnel::openManual()
{
    return UserManual::open(LanaguageManager::GetInstance()->language());
}

} // namespace kiv
