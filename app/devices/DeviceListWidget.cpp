#include "DeviceListWidget.h"

#include "AddDeviceWidget.h"
#include "ConfigPannel.h"
#include "DeviceListModel.h"
#include "DeviceParamWidget.h"
#include "DeviceStreamWidget.h"
#include "RecordPlanConfig.h"

#include <FailureText.h>
#include <HeaderView.h>
#include <LanaguageManager.h>
#include <ReportWidget.h>
#include <TableDelegate.h>
#include <TaskDeviceFile.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>

using KavrinGUIToolkit::CWarningDlg;

namespace kiv {

DeviceListWidget::DeviceListWidget(QWidget *parent) : QWidget(parent), m_model(new DeviceListModel)
{
    setObjectName(QStringLiteral("DeviceListWidgetUI"));
    setWindowTitle(QCoreApplication::translate("DeviceListWidgetUI", "DeviceListWidget"));
    resize(801, 573);
    auto *grid = new QGridLayout(this);
    grid->setSpacing(0);
    grid->setContentsMargins(11, 11, 11, 11);

    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(6);
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
    strip->addWidget(m_btnAddDevice);
    strip->addWidget(m_btnOutput);
    titleRow->addWidget(m_frameTitle);
    grid->addLayout(titleRow, 0, 0);

    m_view = new KavrinGUIToolkit::CTreeView(this);
    m_view->setObjectName(QStringLiteral("treeDeviceList"));
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setStyleSheet(QStringLiteral(
        "QTreeView::item:selected, QTreeView::branch:selected\n{\n    border-image: "
        "url(:/kivui/complex/Images/System/Complex/TreeSelected2.png);\n    color: black;\n}"));
    grid->addWidget(m_view, 1, 0);

    measureRowHeight();
    init();
}

DeviceListWidget::~DeviceListWidget()
{
    // The model has no parent: the view lets go of it first.
    m_view->setModel(nullptr);
    delete m_model;
}

void DeviceListWidget::measureRowHeight()
{
    QStandardItemModel probe(1, 1);
    probe.setItem(0, 0, new QStandardItem(QStringLiteral("test")));
    m_view->setModel(&probe);
    m_rowHeight = m_view->sizeHintForRow(0);
    m_view->setModel(nullptr);
}

void DeviceListWidget::init()
{
    m_view->setItemDelegate(new KavrinGUIToolkit::CTableDelegate(m_view));
    m_view->setModel(m_model);
    const bool english = LanaguageManager::GetInstance()->language() == 0;
    const int widths[] = {english ? 130 : 140, english ? 85 : 90,  80, english ? 100 : 60,
                          english ? 122 : -1,  english ? 117 : -1, 70};
    for (int column = 0; column < 7; ++column) {
        if (widths[column] > 0)
            m_view->setColumnWidth(column, widths[column]);
    }
    // Every column keeps its width; the room a wider pane has goes to the
    // remarks, which are typed at any length, and a pane narrower than the
    // columns scrolls. The delete column is as wide as its title, so its
    // bins, centred in the cells, stand under the title.
    KavrinGUIToolkit::CHeaderView *header = m_view->GetHeaderView();
    header->setMinimumSectionSize(40);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(DeviceListModel::DeleteColumn, QHeaderView::Fixed);
    m_view->setColumnWidth(
        DeviceListModel::DeleteColumn,
        qMax(header->minimumSectionSize(), header->sectionSizeHint(DeviceListModel::DeleteColumn)));
    header->SetFillSection(DeviceListModel::RemarkColumn,
                           m_view->columnWidth(DeviceListModel::RemarkColumn));
    m_scrollBar = m_view->verticalScrollBar();
    setMouseTracking(true);

    connect(m_btnOutput, &QPushButton::clicked, this, &DeviceListWidget::report);
    connect(m_btnAddDevice, &QPushButton::clicked, this, &DeviceListWidget::addDevice);
    connect(m_view, &QAbstractItemView::clicked, m_model, &DeviceListModel::onCurrentIndex);
    connect(m_view,
            qOverload<const QModelIndex &, KavrinGUIToolkit::CItemDataRole>(
                &KavrinGUIToolkit::CTreeView::SignalClicked),
            this, &DeviceListWidget::clickDevice);
    connect(m_view, &QAbstractItemView::clicked, this, &DeviceListWidget::slotClicked);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &DeviceListWidget::slotSliderMoved);
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            &DeviceListWidget::slotDoubleClickedDevice);
    connect(m_model, &DeviceListModel::cellStored, this, &DeviceListWidget::onCellStored);
    connect(m_model, &DeviceListModel::editRefused, this, &DeviceListWidget::showEditRefusal);
}

void DeviceListWidget::setSidePanels(RecordPlanConfig *recordPlan, DeviceStreamWidget *streams,
                                     ConfigPannel *accessories)
{
    m_recordPlan = recordPlan;
    m_streams = streams;
    m_accessories = accessories;
    // A panel may also go away by itself (Escape): its icon then follows.
    for (QWidget *panel : {static_cast<QWidget *>(recordPlan), static_cast<QWidget *>(streams),
                           static_cast<QWidget *>(accessories)}) {
        if (panel)
            panel->installEventFilter(this);
    }
}

void DeviceListWidget::setPanelMaker(std::function<void(Panel)> make)
{
    m_makePanel = std::move(make);
}

bool DeviceListWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide &&
        (watched == m_recordPlan || watched == m_streams || watched == m_accessories)) {
        const bool anyOpen = (m_recordPlan && m_recordPlan->isVisible()) ||
                             (m_streams && m_streams->isVisible()) ||
                             (m_accessories && m_accessories->isVisible());
        if (!anyOpen)
            m_model->resetAllIcons();
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceListWidget::showOpenPanelIcon(const QModelIndex &config)
{
    // The icon of the open panel is selected, the others not: whether a
    // click opened, closed or (a failed save) kept a panel.
    const std::pair<int, QWidget *> icons[] = {{KavrinGUIToolkit::FirstIconRole, m_streams},
                                               {KavrinGUIToolkit::SecondIconRole, m_recordPlan},
                                               {KavrinGUIToolkit::ThirdIconRole, m_accessories}};
    for (const auto &[role, panel] : icons)
        m_model->setIconState(config, role, false);
    for (const auto &[role, panel] : icons) {
        if (panel && panel->isVisible())
            m_model->setIconState(config, role, true);
    }
}

QString DeviceListWidget::taskName() const
{
    return m_labelTaskName->text();
}

bool DeviceListWidget::loadRows(const QString &name)
{
    if (m_model->loadTask(name))
        return true;
    CWarningDlg::ShowMessageInfo(
        tr("Warn"),
        tr("The devices of the task \"%1\" cannot be read from its file %2. The file is left as "
           "it is: mend it or move it away, then choose the task again.")
            .arg(name, QDir::toNativeSeparators(TaskDeviceFile::filePath(name))));
    return false;
}

void DeviceListWidget::clickCurrentTask(const QString &name)
{
    // Whatever a panel shows belongs to the task being left: stored first.
    closePanels();
    m_labelTaskName->setText(name);
    m_model->setTaskName(name);
    loadRows(name);
    m_currentRow = -1;
    m_btnAddDevice->setEnabled(true);
    m_btnOutput->setEnabled(true);
}

void DeviceListWidget::setCurrentTask(const QString &name)
{
    m_labelTaskName->setText(name);
    m_model->setTaskName(name);
}

void DeviceListWidget::slotNoTask()
{
    closePanels();
    m_model->removeRows(0, m_model->rowCount());
    m_labelTaskName->clear();
    m_model->setTaskName(QString());
    m_currentRow = -1;
    m_btnAddDevice->setEnabled(false);
    m_btnOutput->setEnabled(false);
}

void DeviceListWidget::slotAddDevice(const SceneGroupMap &scenes)
{
    QString reason;
    if (!m_model->addDevices(scenes, &reason))
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Adding failed."), reason));
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

void DeviceListWidget::report()
{
    ReportWidget report(m_labelTaskName->text(), this);
    report.exec();
}

void DeviceListWidget::addDevice()
{
    AddDeviceWidget dialog(taskName(), this);
    if (dialog.exec() != 1)
        return;
    DeviceInfo info;
    dialog.getDeviceInfo(info);
    // Nothing changed for the calculators when the entry could not be stored.
    QString reason;
    if (!m_model->appendDevice(info, &reason)) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Adding failed."), reason));
        return;
    }
    emit signalChanngedReslut();
}

void DeviceListWidget::onCellStored(int row, int column)
{
    Q_UNUSED(row);
    // Counts and bit rates feed the calculators; a remark does not.
    if (column == DeviceListModel::CountColumn || column == DeviceListModel::MainStreamColumn ||
        column == DeviceListModel::SubStreamColumn)
        emit signalChanngedReslut();
}

void DeviceListWidget::deleteRow(int row)
{
    QString reason;
    if (!m_model->removeDevice(row, &reason)) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Failed."), reason));
        return;
    }
    emit signalChanngedReslut();
}

void DeviceListWidget::showEditRefusal(const QString &message)
{
    CWarningDlg::ShowMessageInfo(tr("Warn"), message);
}

void DeviceListWidget::clickDevice(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role)
{
    if (!index.isValid())
        return;
    m_visualRow = rowUnderCursor(QCursor::pos());
    const int column = index.column();
    const QModelIndex config = m_model->index(index.row(), DeviceListModel::ConfigColumn);
    if (column == DeviceListModel::DeleteColumn && role == KavrinGUIToolkit::SecondIconRole) {
        if (CWarningDlg::CheckMessageInfo(tr("Hint"), tr("Delete it?"), this) != 1)
            return;
        closePanels();
        deleteRow(index.row());
        return;
    }
    if (column == DeviceListModel::ConfigColumn) {
        if (role == KavrinGUIToolkit::FirstIconRole) {
            closePanel(AccessoryPanel);
            closePanel(RecordPlanPanel);
            togglePanel(StreamPanel);
        } else if (role == KavrinGUIToolkit::SecondIconRole) {
            closePanel(AccessoryPanel);
            closePanel(StreamPanel);
            togglePanel(RecordPlanPanel);
        } else if (role == KavrinGUIToolkit::ThirdIconRole) {
            closePanel(RecordPlanPanel);
            closePanel(StreamPanel);
            togglePanel(AccessoryPanel);
        }
        showOpenPanelIcon(config);
    }
    if (column != DeviceListModel::DeleteColumn) {
        m_currentRow = index.row();
        m_currentColumn = column;
    }
}

QWidget *DeviceListWidget::panelWidget(Panel panel) const
{
    switch (panel) {
    case RecordPlanPanel:
        return m_recordPlan;
    case StreamPanel:
        return m_streams;
    case AccessoryPanel:
        return m_accessories;
    }
    return nullptr;
}

void DeviceListWidget::closePanel(Panel panel)
{
    if (panel == RecordPlanPanel) {
        if (m_recordPlan)
            m_recordPlan->saveAndHide();
    } else if (QWidget *w = panelWidget(panel)) {
        w->hide();
    }
}

void DeviceListWidget::togglePanel(Panel panel)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    if (!panelWidget(panel) && m_makePanel)
        m_makePanel(panel);
    QWidget *widget = panelWidget(panel);
    if (!widget)
        return;
    const int row = current.row();
    if (m_currentRow != row)
        closePanel(panel);
    if (widget->isVisible()) {
        closePanel(panel);
        return;
    }
    const QString task = m_labelTaskName->text();
    const QStandardItem *typeItem = m_model->item(row, DeviceListModel::DeviceTypeColumn);
    const QString deviceType = typeItem ? typeItem->text() : QString();
    switch (panel) {
    case RecordPlanPanel:
        m_recordPlan->showDevice(task, row);
        break;
    case StreamPanel:
        m_streams->showDevice(task, deviceType, row);
        break;
    case AccessoryPanel:
        m_accessories->setDeviceClass(
            typeItem ? typeItem->data(DeviceListModel::ClassCodeRole).toInt() : int(NetworkCamera));
        m_accessories->showForDevice(task, deviceType, row);
        break;
    }
    placePanel(widget, panel != AccessoryPanel);
}

void DeviceListWidget::placePanel(QWidget *panel, bool bounded)
{
    const QWidget *parent = panel->parentWidget();
    if (!parent)
        return;
    int x = parent->width() - width() + 10;
    if (m_taskPaneHidden)
        x = panel == m_accessories ? 30 : 35;
    const int viewY = m_view->y();
    int y = viewY + m_visualRow * m_rowHeight + 88;
    // Near the bottom of the window the panel goes above its row, so it is
    // never cut off by the window's edge.
    if (bounded && y + panel->height() > parent->height() - 9) {
        const QRect row = m_view->visualRect(m_view->currentIndex());
        const int rowTop = m_view->viewport()->mapTo(parent, row.topLeft()).y();
        y = qMax(viewY, rowTop - panel->height() - 2);
    }
    panel->move(x, y);
    panel->raise();
}

void DeviceListWidget::setPinned(bool taskPaneHidden)
{
    m_taskPaneHidden = taskPaneHidden;
    for (QWidget *panel :
         {static_cast<QWidget *>(m_accessories), static_cast<QWidget *>(m_recordPlan),
          static_cast<QWidget *>(m_streams)}) {
        if (panel && panel->isVisible()) {
            const QWidget *parent = panel->parentWidget();
            int x = parent ? parent->width() - width() + 10 : 0;
            if (taskPaneHidden)
                x = panel == m_accessories ? 30 : 35;
            panel->move(x, m_view->y() + m_visualRow * m_rowHeight + 88);
            break;
        }
    }
}

int DeviceListWidget::rowUnderCursor(const QPoint &globalPos) const
{
    if (m_rowHeight <= 0)
        return 0;
    const int y = qMax(0, mapFromGlobal(globalPos).y() - 76);
    return y / m_rowHeight;
}

void DeviceListWidget::slotClicked(const QModelIndex &index)
{
    if (index.row() == m_currentRow)
        return;
    closePanels();
    const QModelIndex config = m_model->index(index.row(), DeviceListModel::ConfigColumn);
    m_model->setIconState(config, KavrinGUIToolkit::ThirdIconRole, false);
    m_model->setIconState(config, KavrinGUIToolkit::SecondIconRole, false);
    m_model->setIconState(config, KavrinGUIToolkit::FirstIconRole, false);
    if (m_currentRow >= 0 && m_currentColumn >= 0)
        m_model->resetAllIcons();
}

void DeviceListWidget::slotSliderMoved(int value)
{
    Q_UNUSED(value);
    closePanels();
    if (m_model->item(m_currentRow, DeviceListModel::ConfigColumn)) {
        m_model->resetAllIcons();
        m_currentRow = -1;
        m_visualRow = -1;
        m_currentColumn = -1;
    }
}

void DeviceListWidget::slotDoubleClickedDevice(const QModelIndex &index)
{
    if (!index.isValid() || index.column() != DeviceListModel::DeviceTypeColumn)
        return;
    const QString deviceType = index.data().toString();
    const QString className =
        m_model->index(index.row(), DeviceListModel::MainTypeColumn).data().toString();
    DeviceParamWidget::showModal(m_model->mainTypeCode(className), deviceType);
}

} // namespace kiv
