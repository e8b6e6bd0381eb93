#include "AddDeviceWidget.h"

#include "DeviceParamWidget.h"
#include "ParamModel.h"
#include "ui_AddDeviceWidgetUI.h"

#include <ParamCode.h>
#include <TaskDataBase.h>
#include <TextChecks.h>
#include <ToolTip.h>
#include <Validators.h>

#include <QDebug>
#include <QRegularExpression>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace kiv {

namespace {

constexpr int kMaxDevices = 1024;

/// A bit rate typed into a custom field: empty means 0; otherwise it must be
/// 0 or 32 to 16384 Kbps.
bool customBitRate(const QString &text, int &value)
{
    value = 0;
    if (text.isEmpty())
        return true;
    bool ok = false;
    const qint64 number = isDigits(text) ? text.toLongLong(&ok, 10) : -1;
    if (!ok || (number != 0 && (number < 32 || number > 16384)))
        return false;
    value = int(number);
    return true;
}

/// The code a list of DVRs leaves out: the NVRs, which share the DVR tables.
QString nvrTypeCode()
{
    ParamCodeItem item;
    if (ParamCode::GetInstance()->getNVRType(item) && !item.code.isEmpty())
        return item.code;
    return QStringLiteral("010403");
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
        return 2;
    case DvrTab:
        return 1;
    default:
        return 0;
    }
}

ParamModel *AddDeviceWidget::paramModelOfTab(int tab) const
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
    m_ipcParamModel->loadParams(deviceClassOfTab(IpcTab));
    m_domeParamModel->loadParams(deviceClassOfTab(DomeTab));
    m_dvrParamModel->loadParams(deviceClassOfTab(DvrTab));

    m_deviceTypeModel = std::make_unique<QStandardItemModel>();
    m_proxyModel = std::make_unique<QSortFilterProxyModel>();
    m_proxyModel->setSourceModel(m_deviceTypeModel.get());
    m_proxyModel->setFilterCaseSensitivity(Qt::CaseSensitive);
    m_form->devTreeView->setModel(m_proxyModel.get());

    m_form->edtDevCount->setText(QStringLiteral("1"));
    const QStringList bitRates{
        QStringLiteral("16384"), QStringLiteral("8192"), QStringLiteral("4096"),
        QStringLiteral("2048"),  QStringLiteral("1024"), QStringLiteral("512"),
        QStringLiteral("256"),   QStringLiteral("128"),  QStringLiteral("64"),
        QStringLiteral("32"),    QStringLiteral("0"),    tr("Customize")};
    for (KavrinGUIToolkit::CComboBox *combo : {m_form->combMainStream, m_form->combSubStream}) {
        combo->addItems(bitRates);
        combo->setCurrentText(QStringLiteral("1024"));
    }

    m_form->edtMainStream->setValidator(new KavrinGUIToolkit::CIntValidator(0, 16384, this));
    m_form->edtSubStream->setValidator(new KavrinGUIToolkit::CIntValidator(0, 16384, this));
    m_form->edtMainStream->hide();
    m_form->edtSubStream->hide();
    m_form->edtDevType->setEnabled(false);
    m_form->edtDevCount->setValidator(new KavrinGUIToolkit::CIntValidator(1, kMaxDevices, this));
    m_form->edtRemark->setValidator(new KavrinGUIToolkit::CRegExpValidator(32, this));

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
        qWarning() << "AddDeviceWidget: the confirm button does not reach onConfirm()";
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
            m_treeConnections[tab] = connect(paramModelOfTab(tab), &QStandardItemModel::itemChanged,
                                             this, &AddDeviceWidget::onFilterDevice);
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
    m_deviceTypeModel->removeRows(0, m_deviceTypeModel->rowCount());

    TaskDataBase *catalogue = TaskDataBase::GetInstance();
    QStringList types;
    (void)catalogue->getDeviceList(deviceClass, types);
    const QString nvrCode = nvrTypeCode();
    QSet<QString> listed;
    for (const QString &type : std::as_const(types)) {
        // The DVR list joins two type codes and can name a model twice.
        if (listed.contains(type))
            continue;
        listed.insert(type);
        if (deviceClass == 1 && catalogue->isDeviceCode(1, type, nvrCode))
            continue;
        auto *item = new QStandardItem(type);
        item->setEditable(false);
        m_deviceTypeModel->appendRow(item);
    }
    if (wasConnected)
        connectTrees();
}

void AddDeviceWidget::writeDeviceTypes(const QStringList &types)
{
    for (int row = 0; row < types.size(); ++row) {
        auto *item = new QStandardItem(types.at(row));
        item->setEditable(false);
        m_deviceTypeModel->setItem(row, 0, item);
    }
}

void AddDeviceWidget::onFilterDevice(QStandardItem *item)
{
    if (!item || !item->parent() || !item->parent()->parent())
        return;
    const int tab = m_form->pararmTabWidget->currentIndex();
    const int deviceClass = deviceClassOfTab(tab);
    const ParamModel *tree = paramModelOfTab(tab);
    disconnectTrees();

    TaskDataBase *catalogue = TaskDataBase::GetInstance();
    int filled = 0;
    bool codeTicked = false;
    // Each working list holds a model once, so that a model the catalogue
    // names twice counts once.
    auto fill = [this, &filled](const QVector<QString> &types) {
        QVector<QString> &list = m_filterGroups[filled++];
        QSet<QString> seen;
        for (const QString &type : types) {
            if (!seen.contains(type)) {
                seen.insert(type);
                list.append(type);
            }
        }
    };

    for (int h = 0; h < tree->rowCount(); ++h) {
        const QStandardItem *heading = tree->item(h);
        for (int g = 0; g < heading->rowCount(); ++g) {
            const QStandardItem *group = heading->child(g);
            const bool offersSatisfy = group->data(ParamModel::SatisfyRole).toInt() != 0;
            bool satisfyAll = false;
            QVector<QString> codes;
            for (int v = 0; v < group->rowCount(); ++v) {
                const QStandardItem *value = group->child(v);
                if (value->checkState() != Qt::Checked)
                    continue;
                const QString code = value->data(ParamModel::CodeRole).toString();
                qDebug().noquote() << QStringLiteral("qeb select code is: ") + code;
                if (!code.isEmpty())
                    codes.append(code);
                else if (offersSatisfy)
                    satisfyAll = true;
            }
            if (codes.isEmpty())
                continue;
            codeTicked = true;
            if (filled >= kWorkingLists)
                continue;
            QVector<QString> types;
            if (offersSatisfy && satisfyAll) {
                // Every ticked value: the models carrying each code, however
                // many rows of one code the catalogue holds for a model.
                QSet<QString> common;
                for (int c = 0; c < codes.size(); ++c) {
                    QSet<QString> carrying;
                    (void)catalogue->getDeviceTypesOfCode(deviceClass, codes.at(c), carrying);
                    if (c == 0)
                        common = carrying;
                    else
                        common.intersect(carrying);
                }
                types = QVector<QString>(common.cbegin(), common.cend());
                std::sort(types.begin(), types.end());
            } else {
                (void)catalogue->getDeviceByCodesOrdered(deviceClass, codes, types);
            }
            fill(types);
        }
    }
    if (filled < kWorkingLists) {
        QStringList all;
        (void)catalogue->getDeviceList(deviceClass, all);
        fill(QVector<QString>(all.cbegin(), all.cend()));
    }

    QMap<QString, int> occurrences;
    int nonEmpty = 0;
    for (QVector<QString> &list : m_filterGroups) {
        if (list.isEmpty())
            continue;
        ++nonEmpty;
        for (const QString &type : std::as_const(list))
            ++occurrences[type];
        list.clear();
    }
    QStringList result;
    if (nonEmpty == filled) {
        for (auto it = occurrences.cbegin(); it != occurrences.cend(); ++it) {
            if (it.value() == nonEmpty)
                result.append(it.key());
        }
    }

    if (!codeTicked) {
        refreshDeviceTypes(deviceClass);
    } else {
        m_deviceTypeModel->removeRows(0, m_deviceTypeModel->rowCount());
    }
    writeDeviceTypes(result);
    connectTrees();
}

void AddDeviceWidget::keywordChanged(const QString &keyword)
{
    // The keyword is text to look for, not a pattern: a model name such as
    // "KC-B21(W)" must find itself.
    m_proxyModel->setFilterRegularExpression(
        QRegularExpression(QRegularExpression::escape(keyword)));
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
    qint64 total = 0;
    {
        TaskDeviceFile file(m_taskName);
        if (!file.totalCount(total))
            return false;
    }
    return total + count > kMaxDevices;
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
    bool ok = false;
    const qint64 count = isDigits(countText) ? countText.toLongLong(&ok, 10) : 0;
    if (!ok || count < 1 || count > kMaxDevices) {
        showHint(m_form->edtDevCount, tr("Device Count Ranges [1~1024]"));
        return;
    }
    if (checkTaskDeviceCount(int(count))) {
        showHint(m_form->edtDevCount, tr("The device number of task ranges[1~1024]"));
        return;
    }

    m_deviceInfo.clear();
    m_deviceInfo.deviceType = m_form->edtDevType->text();
    m_deviceInfo.remark = m_form->edtRemark->text();
    m_deviceInfo.mainType = m_classNames[qBound(0, m_form->pararmTabWidget->currentIndex(), 2)];
    m_deviceInfo.count = int(count);
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
