#include "AddDeviceWidget.h"

#include <CoreLogging.h>

#include "AppLogging.h"
#include "DeviceParamWidget.h"
#include "ParamModel.h"
#include "ui_AddDeviceWidgetUI.h"

#include <DeviceEntries.h>
#include <DeviceFilter.h>
#include <FilterConfig.h>
#include <Limits.h>
#include <TaskDataBase.h>
#include <TextChecks.h>
#include <ToolTip.h>
#include <Validators.h>

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>

namespace kiv {

namespace {

/// A bit rate typed into a custom field: empty means 0; otherwise it must be
/// a bit rate an entry may have.
bool customBitRate(const QString &text, int &value)
{
    value = 0;
    if (text.isEmpty())
        return true;
    int number = 0;
    if (!decimalInt(text, number) || !limits::isBitRate(number))
        return false;
    value = number;
    return true;
}

/// The ticks of every group of a filter tree, in tree order.
QVector<FilterGroupTicks> tickedGroups(const ParamModel &tree)
{
    QVector<FilterGroupTicks> groups;
    for (int h = 0; h < tree.rowCount(); ++h) {
        const QStandardItem *heading = tree.item(h);
        for (int g = 0; g < heading->rowCount(); ++g) {
            const QStandardItem *group = heading->child(g);
            const bool offersSatisfy = group->data(ParamModel::SatisfyRole).toInt() != 0;
            FilterGroupTicks ticks;
            for (int v = 0; v < group->rowCount(); ++v) {
                const QStandardItem *value = group->child(v);
                if (value->checkState() != Qt::Checked)
                    continue;
                const QString code = value->data(ParamModel::CodeRole).toString();
                qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb select code is: ") + code;
                if (!code.isEmpty())
                    ticks.codes.append(code);
                else if (offersSatisfy)
                    ticks.allOf = true;
            }
            groups.append(ticks);
        }
    }
    return groups;
}

} // namespace

AddDeviceWidget::AddDeviceWidget(const QString &taskName, QWidget *parent)
    : KavrinGUIToolkit::CBaseDialogWithBottom(parent),
      m_form(std::make_unique<Ui::AddDeviceWidgetUI>()), m_taskName(taskName)
{
    m_form->setupUi(GetSetUpUiWidget());
    m_classNames[IpcTab] = tr("IPC");
    m_classNames[DomeTab] = tr("Dome");
    m_classNames[DvrTab] = tr("DVR");
    init();
    SetCloseBtnVisible(true);
}

AddDeviceWidget::~AddDeviceWidget() = default;

int AddDeviceWidget::deviceClassOfTab(int tab)
{
    switch (tab) {
    case DomeTab:
        return SpeedDome;
    case DvrTab:
        return Dvr;
    default:
        return NetworkCamera;
    }
}

ParamModel *AddDeviceWidget::paramModelOfTab(int tab) const
{
    buildTree(tab);
    return treeOfTab(tab);
}

void AddDeviceWidget::buildTree(int tab) const
{
    const int index = qBound(int(IpcTab), tab, int(DvrTab));
    if (m_treeBuilt[index])
        return;
    m_treeBuilt[index] = true;
    treeOfTab(index)->loadParams(deviceClassOfTab(index), *m_filterConfig);
    if (std::all_of(m_treeBuilt.cbegin(), m_treeBuilt.cend(), [](bool built) { return built; }))
        m_filterConfig.reset();
}

ParamModel *AddDeviceWidget::treeOfTab(int tab) const
{
    switch (tab) {
    case DomeTab:
        return m_domeParamModel.get();
    case DvrTab:
        return m_dvrParamModel.get();
    default:
        return m_ipcParamModel.get();
    }
}

void AddDeviceWidget::init()
{
    m_ipcParamModel = std::make_unique<ParamModel>();
    m_domeParamModel = std::make_unique<ParamModel>();
    m_dvrParamModel = std::make_unique<ParamModel>();
    m_form->pIPCTreeView->setModel(m_ipcParamModel.get());
    m_form->pDomeTreeView->setModel(m_domeParamModel.get());
    m_form->pDVRTreeView->setModel(m_dvrParamModel.get());
    for (KavrinGUIToolkit::CTreeView *tree :
         {m_form->pIPCTreeView, m_form->pDomeTreeView, m_form->pDVRTreeView})
        tree->SetAutoChangeCheckbox(false);

    m_form->pararmTabWidget->setCurrentIndex(IpcTab);
    // The trees of the other tabs are built when their tabs are first
    // chosen (restartTab()), as the main window makes its panels: each tree
    // costs a catalogue query per group, and many dialogs never show them.
    m_filterConfig = std::make_unique<FilterConfig>();
    buildTree(IpcTab);

    m_deviceTypeModel = std::make_unique<QStandardItemModel>();
    m_proxyModel = std::make_unique<QSortFilterProxyModel>();
    m_proxyModel->setSourceModel(m_deviceTypeModel.get());
    m_proxyModel->setFilterCaseSensitivity(Qt::CaseSensitive);
    m_form->devTreeView->setModel(m_proxyModel.get());

    m_form->edtDevCount->setText(QString::number(limits::kMinDeviceCount));
    // Every rate on offer is one an entry may have: halving from the highest
    // down to the lowest, then none.
    QStringList bitRates;
    for (int rate = limits::kMaxBitRate; rate >= limits::kMinBitRate; rate /= 2)
        bitRates << QString::number(rate);
    bitRates << QStringLiteral("0") << tr("Customize");
    for (KavrinGUIToolkit::CComboBox *combo : {m_form->combMainStream, m_form->combSubStream}) {
        combo->addItems(bitRates);
        combo->setCurrentText(QString::number(limits::kDefaultBitRate));
    }

    m_form->edtMainStream->setValidator(
        new KavrinGUIToolkit::CIntValidator(0, limits::kMaxBitRate, this));
    m_form->edtSubStream->setValidator(
        new KavrinGUIToolkit::CIntValidator(0, limits::kMaxBitRate, this));
    m_form->edtMainStream->hide();
    m_form->edtSubStream->hide();
    m_form->edtDevType->setEnabled(false);
    m_form->edtDevCount->setValidator(new KavrinGUIToolkit::CIntValidator(
        limits::kMinDeviceCount, limits::kMaxDeviceCount, this));
    m_form->edtRemark->setValidator(
        new KavrinGUIToolkit::CRegExpValidator(limits::kMaxRemarkLength, this));

    setFixedSize(800, 600);
    connect(m_form->edtKeyword, &QLineEdit::textChanged, this, &AddDeviceWidget::keywordChanged);
    connect(m_form->devTreeView, &QTreeView::clicked, this, &AddDeviceWidget::selectDeviceType);
    // Qt 6 has no currentIndexChanged(QString): the text signal carries the
    // same text.
    connect(m_form->combMainStream, &QComboBox::currentTextChanged, this,
            &AddDeviceWidget::mainStreamChanged);
    connect(m_form->combSubStream, &QComboBox::currentTextChanged, this,
            &AddDeviceWidget::subStreamChanged);
    connect(m_form->btnReset, &QPushButton::clicked, this, &AddDeviceWidget::onReset);
    connect(m_form->pararmTabWidget, &QTabWidget::currentChanged, this,
            &AddDeviceWidget::paramTabChanged);
    if (!ReConnect(GetConfirmBtn(), "clicked()", this, "onConfirm()"))
        qCWarning(lcApp) << "AddDeviceWidget: the confirm button does not reach onConfirm()";
    SetTitle(tr("Add Device"));
    refreshDeviceTypes(deviceClassOfTab(IpcTab));
    connectTrees();
    connect(m_form->devTreeView, &QTreeView::doubleClicked, this,
            &AddDeviceWidget::doubleClickedDevice);
}

void AddDeviceWidget::connectTrees()
{
    for (int tab = IpcTab; tab <= DvrTab; ++tab) {
        if (!m_treeConnections[tab]) {
            m_treeConnections[tab] = connect(treeOfTab(tab), &QStandardItemModel::itemChanged, this,
                                             &AddDeviceWidget::onFilterDevice);
        }
    }
}

void AddDeviceWidget::disconnectTrees()
{
    for (QMetaObject::Connection &connection : m_treeConnections) {
        if (connection)
            disconnect(connection);
        connection = QMetaObject::Connection();
    }
}

void AddDeviceWidget::getDeviceInfo(DeviceInfo &info) const
{
    info = m_deviceInfo;
}

void AddDeviceWidget::refreshDeviceTypes(int deviceClass)
{
    const bool wasConnected = bool(m_treeConnections[IpcTab]);
    disconnectTrees();
    writeDeviceTypes(DeviceFilter(*TaskDataBase::GetInstance()).classList(deviceClass));
    if (wasConnected)
        connectTrees();
}

void AddDeviceWidget::writeDeviceTypes(const QStringList &types)
{
    m_deviceTypeModel->removeRows(0, m_deviceTypeModel->rowCount());
    // All rows in one go: each row added alone goes through the keyword
    // filter and the view on its own.
    QList<QStandardItem *> rows;
    rows.reserve(types.size());
    for (const QString &type : types) {
        auto *item = new QStandardItem(type);
        item->setEditable(false);
        rows.append(item);
    }
    m_deviceTypeModel->invisibleRootItem()->appendRows(rows);
}

void AddDeviceWidget::onFilterDevice(QStandardItem *item)
{
    if (!item || !item->parent() || !item->parent()->parent())
        return;
    const int tab = m_form->pararmTabWidget->currentIndex();
    disconnectTrees();
    // The keyword stays with the proxy: it narrows whatever the filter lists.
    writeDeviceTypes(DeviceFilter(*TaskDataBase::GetInstance())
                         .filter(deviceClassOfTab(tab), tickedGroups(*paramModelOfTab(tab))));
    connectTrees();
}

void AddDeviceWidget::keywordChanged(const QString &keyword)
{
    m_proxyModel->setFilterRegularExpression(DeviceFilter::keywordPattern(keyword));
}

void AddDeviceWidget::selectDeviceType(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString type = index.data().toString();
    m_form->edtDevType->setText(type);
    m_form->edtDevType->setToolTip(type);
}

void AddDeviceWidget::mainStreamChanged(const QString &text)
{
    m_form->edtMainStream->setVisible(text == tr("Customize"));
}

void AddDeviceWidget::subStreamChanged(const QString &text)
{
    m_form->edtSubStream->setVisible(text == tr("Customize"));
}

void AddDeviceWidget::thirdStreamChanged(const QString &text)
{
    Q_UNUSED(text);
}

void AddDeviceWidget::restartTab(int tab)
{
    disconnectTrees();
    m_form->edtKeyword->clear();
    paramModelOfTab(tab)->setChildrenCheckState();
    refreshDeviceTypes(deviceClassOfTab(tab));
    m_form->streamWidget->setVisible(tab != DvrTab);
    connectTrees();
}

void AddDeviceWidget::paramTabChanged(int tab)
{
    restartTab(tab);
}

void AddDeviceWidget::onReset()
{
    restartTab(m_form->pararmTabWidget->currentIndex());
}

void AddDeviceWidget::showHint(QWidget *field, const QString &text)
{
    KavrinGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, nullptr);
}

bool AddDeviceWidget::checkTaskDeviceCount(int count)
{
    return DeviceEntries(m_taskName).wouldExceedTotal(count);
}

void AddDeviceWidget::onConfirm()
{
    int mainStream = 0;
    if (!m_form->edtMainStream->isHidden() &&
        !customBitRate(m_form->edtMainStream->text(), mainStream)) {
        showHint(m_form->edtMainStream, tr("The Bit rate is not valid(range 0 or 32k-16384k)"));
        return;
    }
    int subStream = 0;
    if (!m_form->edtSubStream->isHidden() &&
        !customBitRate(m_form->edtSubStream->text(), subStream)) {
        showHint(m_form->edtSubStream, tr("The Bit rate is not valid(range 0 or 32k-16384k)"));
        return;
    }
    if (m_form->edtDevType->text().isEmpty()) {
        showHint(m_form->edtDevType, tr("The device type is not valid"));
        return;
    }
    const QString countText = m_form->edtDevCount->text();
    if (countText.isEmpty()) {
        showHint(m_form->edtDevCount, tr("The device number cannot be empty"));
        return;
    }
    // The validator only sees what is typed; a count can arrive otherwise.
    int count = 0;
    if (!decimalInt(countText, count) || !limits::isDeviceCount(count)) {
        showHint(m_form->edtDevCount, tr("Device Count Ranges [1~1024]"));
        return;
    }
    if (checkTaskDeviceCount(count)) {
        showHint(m_form->edtDevCount, tr("The device number of task ranges[1~1024]"));
        return;
    }

    m_deviceInfo.clear();
    m_deviceInfo.deviceType = m_form->edtDevType->text();
    m_deviceInfo.remark = m_form->edtRemark->text();
    m_deviceInfo.mainType = m_classNames[qBound(0, m_form->pararmTabWidget->currentIndex(), 2)];
    m_deviceInfo.count = count;
    m_deviceInfo.mainStream = m_form->edtMainStream->isHidden()
                                  ? m_form->combMainStream->currentText().toInt(nullptr, 10)
                                  : mainStream;
    m_deviceInfo.subStream = m_form->edtSubStream->isHidden()
                                 ? m_form->combSubStream->currentText().toInt(nullptr, 10)
                                 : subStream;
    accept();
}

void AddDeviceWidget::doubleClickedDevice(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QModelIndex source = m_proxyModel->mapToSource(index);
    const QString type = m_deviceTypeModel->data(source).toString();
    DeviceParamWidget::showModal(deviceClassOfTab(m_form->pararmTabWidget->currentIndex()), type);
}

void AddDeviceWidget::clickFilter(const QModelIndex &index)
{
    const ParamModel *tree = paramModelOfTab(m_form->pararmTabWidget->currentIndex());
    if (!index.isValid() || index.model() != tree)
        return;
    QStandardItem *item = tree->itemFromIndex(index);
    if (!item || !item->isEnabled() || !item->isCheckable() || !item->parent() ||
        !item->parent()->parent())
        return;
    disconnectTrees();
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    connectTrees();
    onFilterDevice(item);
}

} // namespace kiv
