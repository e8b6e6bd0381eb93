#include "DeviceListWidget.h"

#include "ConfigPannel.h"
#include "DeviceStreamWidget.h"
#include "RecordPlanConfig.h"

#include <LanaguageManager.h>
#include <TableDelegate.h>
#include <TreeView.h>

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>

namespace kiv {

DeviceListWidget::DeviceListWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceListWidgetUI"));
    auto *grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(11, 11, 11, 11);

    m_frameTitle = new QFrame(this);
    m_frameTitle->setObjectName(QStringLiteral("frameTitle"));
    m_frameTitle->setMinimumHeight(35);
    m_frameTitle->setFrameShape(QFrame::StyledPanel);
    m_frameTitle->setFrameShadow(QFrame::Raised);
    m_frameTitle->setStyleSheet(QStringLiteral(
        "QFrame#frameTitle\n{\n    background-color:rgb(235,235,235);\n\tborder-image: "
        "url(:/kivui/label/Images/System/Label/LabelBg.png) 1 1 1 1;\n    border-width:1px 1px "
        "0px 1px;\n}\nQPushButton { background-color: transparent; border: none; }"));
    auto *strip = new QHBoxLayout(m_frameTitle);
    strip->setSpacing(0);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addSpacing(6);
    m_labelTaskName = new QLabel(m_frameTitle);
    m_labelTaskName->setObjectName(QStringLiteral("labelTaskName"));
    strip->addWidget(m_labelTaskName);
    strip->addStretch(1);
    m_btnAddDevice = new QPushButton(m_frameTitle);
    m_btnAddDevice->setObjectName(QStringLiteral("btnAddDevice"));
    m_btnAddDevice->setText(QCoreApplication::translate("DeviceListWidgetUI", "Add Device"));
    m_btnAddDevice->setIcon(
        QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/addtask.png")));
    m_btnAddDevice->setMinimumWidth(90);
    m_btnOutput = new QPushButton(m_frameTitle);
    m_btnOutput->setObjectName(QStringLiteral("btnOutput"));
    m_btnOutput->setText(QCoreApplication::translate("DeviceListWidgetUI", "Report"));
    m_btnOutput->setIcon(QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/save.png")));
    m_btnOutput->setMinimumWidth(90);
    // Adding devices and the report are not built yet.
    m_btnAddDevice->setEnabled(false);
    m_btnOutput->setEnabled(false);
    strip->addWidget(m_btnAddDevice);
    strip->addWidget(m_btnOutput);
    grid->addWidget(m_frameTitle, 0, 0);

    m_view = new KavrinGUIToolkit::CTreeView(this);
    m_view->setObjectName(QStringLiteral("treeDeviceList"));
    m_view->setRootIsDecorated(false);
    m_view->setItemDelegate(new KavrinGUIToolkit::CTableDelegate(m_view));
    grid->addWidget(m_view, 1, 0);

    m_model = new QStandardItemModel(0, 8, this);
    m_model->setHorizontalHeaderLabels({tr("Device Type"), tr("Remark"), tr("Main Type"),
                                        tr("Device Count"), tr("Main Stream(kbps)"),
                                        tr("Sub-Stream(kbps)"), tr("Config"), tr("Delete")});
    m_view->setModel(m_model);
    const bool english = LanaguageManager::GetInstance()->language() == 0;
    const int widths[] = {english ? 130 : 140, english ? 85 : 90,  80, english ? 100 : 60,
                          english ? 122 : -1,  english ? 117 : -1, 70};
    for (int column = 0; column < 7; ++column) {
        if (widths[column] > 0)
            m_view->setColumnWidth(column, widths[column]);
    }
}

DeviceListWidget::~DeviceListWidget() = default;

void DeviceListWidget::setSidePanels(RecordPlanConfig *recordPlan, DeviceStreamWidget *streams,
                                     ConfigPannel *accessories)
{
    m_recordPlan = recordPlan;
    m_streams = streams;
    m_accessories = accessories;
}

void DeviceListWidget::setPinned(bool taskPaneHidden)
{
    m_taskPaneHidden = taskPaneHidden;
}

QString DeviceListWidget::taskName() const
{
    return m_labelTaskName->text();
}

void DeviceListWidget::closePanels()
{
    if (m_accessories)
        m_accessories->hide();
    if (m_recordPlan)
        m_recordPlan->saveAndHide();
    if (m_streams)
        m_streams->hide();
}

void DeviceListWidget::clickCurrentTask(const QString &name)
{
    m_labelTaskName->setText(name);
    closePanels();
}

void DeviceListWidget::slotAddDevice(const SceneGroupMap &scenes)
{
    Q_UNUSED(scenes);
}

void DeviceListWidget::setCurrentTask(const QString &name)
{
    m_labelTaskName->setText(name);
}

void DeviceListWidget::slotNoTask()
{
    m_model->removeRows(0, m_model->rowCount());
    m_labelTaskName->clear();
    closePanels();
}

} // namespace kiv
