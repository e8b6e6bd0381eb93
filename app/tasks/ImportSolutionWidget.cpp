#include "ImportSolutionWidget.h"

#include "DeviceModel.h"
#include "DeviceParamWidget.h"
#include "SceneModel.h"
#include "ui_ImportSolutionWidgetUI.h"

#include <IndustrySolutions.h>
#include <Limits.h>
#include <TableDelegate.h>
#include <TaskDataBase.h>
#include <ToolTip.h>
#include <WarningDlg.h>

namespace kiv {

ImportSolutionWidget::ImportSolutionWidget(const QString &solutionType, QWidget *parent)
    : KavrinGUIToolkit::CBaseDialog(parent), m_form(std::make_unique<Ui::ImportSolutionWidgetUI>()),
      m_solutionType(solutionType), m_classes(*TaskDataBase::GetInstance())
{
    m_form->setupUi(GetSetUpUiWidget());
    m_sceneModel = std::make_unique<SceneModel>();
    m_deviceModel = std::make_unique<DeviceModel>();
    init();
}

ImportSolutionWidget::~ImportSolutionWidget() = default;

void ImportSolutionWidget::init()
{
    SetCloseBtnVisible(true);
    setFixedSize(600, 450);
    SetTitle(tr("New Task"));
    m_form->treeScene->setItemDelegate(new KavrinGUIToolkit::CTableDelegate(m_form->treeScene));
    m_form->treeDeviceType->setItemDelegate(
        new KavrinGUIToolkit::CTableDelegate(m_form->treeDeviceType));
    m_form->treeScene->setModel(m_sceneModel.get());
    m_form->treeDeviceType->setModel(m_deviceModel.get());
    loadSolution();
    setDeviceColumnWidths();

    connect(m_form->btnPrevious, &QPushButton::clicked, this, &ImportSolutionWidget::previousStep);
    connect(m_form->btnFinish, &QPushButton::clicked, this, &ImportSolutionWidget::saveTask);
    connect(m_form->btnCancel, &QPushButton::clicked, this, &ImportSolutionWidget::cancelSolution);
    // Qt 6 has no currentIndexChanged(QString): the text signal carries the
    // industry's name.
    connect(m_form->combIndustry, &QComboBox::currentTextChanged, this,
            &ImportSolutionWidget::industryChanged);
    // The highlighted scene is always the one whose devices are shown, also
    // when the arrow keys move through the list.
    m_form->treeScene->SetCurrentIsChosen(true);
    connect(m_form->treeScene,
            qOverload<const QModelIndex &>(&KavrinGUIToolkit::CTreeView::SignalClicked), this,
            &ImportSolutionWidget::clickScene);
    if (!m_countConnection)
        m_countConnection = connect(m_deviceModel.get(), &QStandardItemModel::itemChanged, this,
                                    &ImportSolutionWidget::slotDeviceNumChanged);
    connect(m_form->treeDeviceType, &QTreeView::doubleClicked, this,
            &ImportSolutionWidget::slotDoubleClickedDevice);
    connect(m_deviceModel.get(), &DeviceModel::countRefused, this,
            &ImportSolutionWidget::showCountRefusal);
    if (!m_clickConnection)
        m_clickConnection = connect(m_form->treeDeviceType, &QTreeView::clicked,
                                    m_deviceModel.get(), &DeviceModel::onCurrentIndex);
}

void ImportSolutionWidget::setDeviceColumnWidths()
{
    m_form->treeDeviceType->setColumnWidth(0, 300);
    m_form->treeDeviceType->setColumnWidth(1, 30);
}

void ImportSolutionWidget::loadSolution()
{
    const IndustrySolutions solutions =
        IndustrySolutions::read(*TaskDataBase::GetInstance(), m_solutionType);
    m_form->combIndustry->addItems(solutions.industries);
    // The first industry's scenes come in the catalogue's order; another
    // industry chosen later lists its scenes by name.
    if (!solutions.industries.isEmpty())
        m_sceneModel->setScenes(solutions.sceneNames.value(solutions.industries.first()));
    m_solutions = solutions.scenes;
    showFirstScene();
}

void ImportSolutionWidget::showFirstScene()
{
    if (m_sceneModel->rowCount() == 0)
        return;
    clickScene(m_sceneModel->index(0, 0));
}

void ImportSolutionWidget::getSceneGroupMap(SceneGroupMap &map) const
{
    const SceneGroupMap scenes = m_solutions.value(m_form->combIndustry->currentText());
    for (int row = 0; row < m_sceneModel->rowCount(); ++row) {
        if (!m_sceneModel->isChecked(row))
            continue;
        const QString scene = m_sceneModel->sceneName(row);
        map.insert(scene, scenes.value(scene));
    }
}

int ImportSolutionWidget::deviceKind(const QString &deviceType) const
{
    const DeviceClass deviceClass = m_classes.classOf(deviceType);
    return deviceClass == UnknownDeviceClass ? NetworkCamera : deviceClass;
}

void ImportSolutionWidget::previousStep()
{
    m_previous = true;
    close();
}

void ImportSolutionWidget::cancelSolution()
{
    close();
}

void ImportSolutionWidget::saveTask()
{
    QStringList ticked;
    for (int row = 0; row < m_sceneModel->rowCount(); ++row) {
        if (m_sceneModel->isChecked(row))
            ticked << m_sceneModel->sceneName(row);
    }
    const qint64 total = IndustrySolutions::deviceTotal(
        m_solutions.value(m_form->combIndustry->currentText()), ticked);
    if (!limits::exceedsTaskTotal(0, total)) {
        accept();
        return;
    }
    KavrinGUIToolkit::CToolTip::ShowText(m_form->combIndustry->mapToGlobal(QPoint(0, 0)),
                                         tr("The device number of task ranges[1~1024]"), nullptr);
}

void ImportSolutionWidget::industryChanged(const QString &industry)
{
    m_sceneModel->setScenes(m_solutions.value(industry).keys());
    m_deviceModel->reset();
    m_shownIndustry.clear();
    m_shownScene.clear();
    showFirstScene();
}

void ImportSolutionWidget::clickScene(const QModelIndex &index)
{
    if (m_countConnection)
        disconnect(m_countConnection);
    m_countConnection = QMetaObject::Connection();
    if (m_clickConnection)
        disconnect(m_clickConnection);
    m_clickConnection = QMetaObject::Connection();

    // A tick in a scene's box reaches here without moving the list's
    // current row: the highlight goes to the scene whose devices are shown.
    m_form->treeScene->setCurrentIndex(m_sceneModel->index(index.row(), 0));
    m_shownIndustry = m_form->combIndustry->currentText();
    m_shownScene = m_sceneModel->sceneName(index.row());
    m_deviceModel->setDevices(m_solutions.value(m_shownIndustry).value(m_shownScene));
    setDeviceColumnWidths();

    m_clickConnection = connect(m_form->treeDeviceType, &QTreeView::clicked, m_deviceModel.get(),
                                &DeviceModel::onCurrentIndex);
    m_countConnection = connect(m_deviceModel.get(), &QStandardItemModel::itemChanged, this,
                                &ImportSolutionWidget::slotDeviceNumChanged);
}

void ImportSolutionWidget::saveDevice()
{
}

void ImportSolutionWidget::slotDeviceNumChanged(QStandardItem *item)
{
    if (!item || item->column() != 1 || m_shownScene.isEmpty())
        return;
    const QStandardItem *type = m_deviceModel->item(item->row(), 0);
    if (!type)
        return;
    // The count belongs to the scene whose devices the table shows, which
    // need not be the scene list's current row after keyboard navigation.
    const int count = item->text().toInt(nullptr, 10);
    m_solutions[m_shownIndustry][m_shownScene][type->text()] = count;
}

void ImportSolutionWidget::showCountRefusal(const QString &message)
{
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Warn"), message, nullptr);
}

void ImportSolutionWidget::slotDoubleClickedDevice(const QModelIndex &index)
{
    if (!index.isValid() || index.column() == 1)
        return;
    const QString type = m_deviceModel->index(index.row(), 0).data().toString();
    DeviceParamWidget::showModal(deviceKind(type), type);
}

} // namespace kiv
