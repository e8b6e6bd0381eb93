#include "DeviceListModel.h"

#include "AppLogging.h"

#include <ClassNames.h>
#include <DeviceEntries.h>
#include <FailureText.h>
#include <ItemDataRole.h>
#include <Limits.h>
#include <TaskDataBase.h>
#include <TextChecks.h>

#include <QPixmap>

namespace kiv {

namespace {

// The text a cell held when it was last built or stored: what a refused
// edit of that cell goes back to.
constexpr int kStoredTextRole = Qt::UserRole + 8;

const QString kIconFolder = QStringLiteral(":/kivui/complex/Images/System/Complex/");

QString iconName(int role)
{
    switch (role) {
    case KavrinGUIToolkit::FirstIconRole:
        return QStringLiteral("bit-stream");
    case KavrinGUIToolkit::SecondIconRole:
        return QStringLiteral("record");
    case KavrinGUIToolkit::ThirdIconRole:
        return QStringLiteral("support");
    default:
        return QString();
    }
}

// Pixmaps are loaded once: a task of a thousand rows would otherwise decode
// the same images thousands of times.
QPixmap iconPixmap(int role, bool selected)
{
    static QHash<QString, QPixmap> cache;
    const QString path = kIconFolder + iconName(role) +
                         (selected ? QStringLiteral("Sel.png") : QStringLiteral(".png"));
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, QPixmap(path));
    return *it;
}

QPixmap deletePixmap()
{
    static const QPixmap pixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Delete.png"));
    return pixmap;
}

int stateRoleOf(int iconRole)
{
    return DeviceListModel::StreamIconStateRole + (iconRole - KavrinGUIToolkit::FirstIconRole);
}

QStandardItem *textItem(const QString &text, bool editable, int maxLength = 0)
{
    auto *item = new QStandardItem(text);
    item->setEditable(editable);
    if (maxLength > 0)
        item->setData(maxLength, KavrinGUIToolkit::EditMaxLengthRole);
    item->setData(text, kStoredTextRole);
    return item;
}

} // namespace

DeviceListModel::DeviceListModel()
    : QStandardItemModel(0, 8), m_classes(*TaskDataBase::GetInstance())
{
    initHeader();
}

DeviceListModel::~DeviceListModel() = default;

void DeviceListModel::initHeader()
{
    const QString titles[] = {
        tr("Device Type"),       tr("Remark"),           tr("Main Type"), tr("Device Count"),
        tr("Main Stream(kbps)"), tr("Sub-Stream(kbps)"), tr("Config"),    tr("Delete")};
    for (int column = 0; column < 8; ++column) {
        setHeaderData(column, Qt::Horizontal, titles[column], Qt::DisplayRole);
        setHeaderData(column, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
    }
    connectItemChanged(true);
}

void DeviceListModel::connectItemChanged(bool on)
{
    if (on)
        connect(this, &QStandardItemModel::itemChanged, this, &DeviceListModel::onItemTextChanged,
                Qt::UniqueConnection);
    else
        disconnect(this, &QStandardItemModel::itemChanged, this,
                   &DeviceListModel::onItemTextChanged);
}

void DeviceListModel::setTaskName(const QString &taskName)
{
    m_taskName = taskName;
}

QString DeviceListModel::mainTypeOf(const QString &deviceType) const
{
    switch (m_classes.classOf(deviceType)) {
    case Dvr:
        return tr("DVR");
    case NetworkCamera:
        return tr("IPC");
    default:
        return tr("Dome");
    }
}

int DeviceListModel::mainTypeCode(const QString &className) const
{
    // Either language: a task made in the other interface keeps its classes.
    const DeviceClass code = deviceClassOf(className);
    return code == UnknownDeviceClass ? int(NetworkCamera) : int(code);
}

void DeviceListModel::appendRowFor(const DeviceInfo &info, const QString &className)
{
    const int code = mainTypeCode(className);
    const bool dvr = code == Dvr;

    QStandardItem *type = textItem(info.deviceType, false);
    type->setData(code, ClassCodeRole);
    QList<QStandardItem *> row;
    constexpr int countLength = limits::digitsOf(limits::kMaxDeviceCount);
    constexpr int bitRateLength = limits::digitsOf(limits::kMaxBitRate);
    row << type << textItem(info.remark, true, limits::kMaxRemarkLength)
        << textItem(className, false) << textItem(QString::number(info.count), true, countLength);
    if (dvr) {
        row << textItem(QString(), false) << textItem(QString(), false);
    } else {
        row << textItem(QString::number(info.mainStream), true, bitRateLength)
            << textItem(QString::number(info.subStream), true, bitRateLength);
    }

    auto *config = new QStandardItem;
    config->setEditable(false);
    const int roles[] = {KavrinGUIToolkit::FirstIconRole, KavrinGUIToolkit::SecondIconRole,
                         KavrinGUIToolkit::ThirdIconRole};
    for (int role : roles) {
        if (dvr && role == KavrinGUIToolkit::ThirdIconRole)
            continue;
        config->setData(iconPixmap(role, false), role);
        config->setData(0, stateRoleOf(role));
    }
    config->setToolTip(dvr ? tr("Stream") + QLatin1Char('/') + tr("Record Schedule")
                           : tr("Stream") + QLatin1Char('/') + tr("Record Schedule") +
                                 QLatin1Char('/') + tr("Ingredient"));
    auto *remove = new QStandardItem;
    remove->setEditable(false);
    remove->setData(deletePixmap(), KavrinGUIToolkit::SecondIconRole);
    row << config << remove;
    appendRow(row);
}

bool DeviceListModel::loadTask(const QString &taskName)
{
    QVector<DeviceRecord> devices;
    const bool ok = TaskDeviceFile::readRecords(taskName, {}, devices);
    connectItemChanged(false);
    removeRows(0, rowCount());
    // A file that cannot be read shows no rows: never another task's.
    if (ok) {
        for (const DeviceRecord &device : std::as_const(devices))
            appendRowFor(device.info, device.info.mainType);
    }
    connectItemChanged(true);
    return ok;
}

bool DeviceListModel::appendDevice(const DeviceInfo &info, QString *reason)
{
    if (!DeviceEntries(m_taskName).append(info, reason))
        return false;
    connectItemChanged(false);
    appendRowFor(info, mainTypeOf(info.deviceType));
    connectItemChanged(true);
    return true;
}

bool DeviceListModel::addDevices(const SceneGroupMap &scenes, QString *reason)
{
    connectItemChanged(false);
    removeRows(0, rowCount());
    connectItemChanged(true);
    bool allAdded = true;
    for (auto scene = scenes.cbegin(); scene != scenes.cend(); ++scene) {
        for (auto device = scene.value().cbegin(); device != scene.value().cend(); ++device) {
            DeviceInfo info;
            info.deviceType = device.key();
            info.remark = scene.key();
            info.mainType = mainTypeOf(device.key());
            info.count = device.value();
            info.mainStream = limits::kDefaultBitRate;
            info.subStream = limits::kDefaultBitRate;
            QString why;
            if (!appendDevice(info, &why)) {
                if (allAdded && reason)
                    *reason = why;
                allAdded = false;
                break; // the rest of this scene; the next scene is still added
            }
        }
    }
    return allAdded;
}

bool DeviceListModel::removeDevice(int row, QString *reason)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (!DeviceEntries(m_taskName).remove(row, reason))
        return false;
    return removeRow(row);
}

void DeviceListModel::setIcon(QStandardItem *item, int role, bool selected)
{
    item->setData(iconPixmap(role, selected), role);
    item->setData(selected ? 1 : 0, stateRoleOf(role));
}

void DeviceListModel::setIconState(const QModelIndex &index, int role, bool selected)
{
    if (!index.isValid() || index.column() != ConfigColumn)
        return;
    QStandardItem *config = itemFromIndex(index);
    if (!config)
        return;
    if (role != KavrinGUIToolkit::FirstIconRole && role != KavrinGUIToolkit::SecondIconRole &&
        role != KavrinGUIToolkit::ThirdIconRole)
        return;
    if (role == KavrinGUIToolkit::ThirdIconRole) {
        const QStandardItem *mainType = item(index.row(), MainTypeColumn);
        if (mainType && mainTypeCode(mainType->text()) == Dvr)
            return;
    }
    if (selected)
        setIcon(config, role, config->data(stateRoleOf(role)).toInt() == 0);
    else
        setIcon(config, role, false);
}

void DeviceListModel::resetAllIcons()
{
    for (int row = 0; row < rowCount(); ++row) {
        const QModelIndex config = index(row, ConfigColumn);
        for (int role :
             {int(KavrinGUIToolkit::FirstIconRole), int(KavrinGUIToolkit::SecondIconRole),
              int(KavrinGUIToolkit::ThirdIconRole)})
            setIconState(config, role, false);
    }
}

void DeviceListModel::onItemChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (current.column() != RemarkColumn)
        return;
    qCDebug(lcApp) << "cur:" << current.data().toString();
    qCDebug(lcApp) << "pre:" << previous.data().toString();
}

void DeviceListModel::onCurrentIndex(const QModelIndex &index)
{
    m_currentText = index.data().toString();
}

QString DeviceListModel::validateCell(const QString &text, int column, int oldCount)
{
    const int value = text.toInt(nullptr, 10);
    QString message;
    if (column == CountColumn) {
        if (!limits::isDeviceCount(value))
            message = tr("Device Count Ranges [1~1024]");
        if (exceedsTaskLimit(value, oldCount))
            message = tr("The device number of task ranges[1~1024]");
    } else if (column == MainStreamColumn || column == SubStreamColumn) {
        if (!limits::isBitRate(value))
            message = tr("The Bit rate is not valid(range 0 or 32k-16384k)");
    }
    return message;
}

bool DeviceListModel::exceedsTaskLimit(qint64 value, qint64 old)
{
    // The rows hold every entry of the file with its stored count, so the
    // total is summed here instead of reading the file once more per edit.
    qint64 total = 0;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *count = item(row, CountColumn);
        if (count)
            total += count->data(kStoredTextRole).toString().toLongLong();
    }
    return limits::exceedsTaskTotal(total, value, old);
}

bool DeviceListModel::writeCell(int row, int column, const QString &text, QString &reason)
{
    DeviceEntries::Field field = DeviceEntries::Remark;
    switch (column) {
    case RemarkColumn:
        break;
    case CountColumn:
        field = DeviceEntries::Count;
        break;
    case MainStreamColumn:
        field = DeviceEntries::MainStream;
        break;
    case SubStreamColumn:
        field = DeviceEntries::SubStream;
        break;
    default:
        return false;
    }
    return DeviceEntries(m_taskName).setField(row, field, text, &reason);
}

void DeviceListModel::restore(QStandardItem *item)
{
    connectItemChanged(false);
    item->setText(item->data(kStoredTextRole).toString());
    connectItemChanged(true);
}

void DeviceListModel::onItemTextChanged(QStandardItem *item)
{
    if (!item)
        return;
    const int column = item->column();
    if (column != RemarkColumn && column != CountColumn && column != MainStreamColumn &&
        column != SubStreamColumn)
        return;
    const QString text = item->text();
    const QString stored = item->data(kStoredTextRole).toString();
    // Other data of the cell changed, or the text was typed back unchanged.
    if (text == stored)
        return;
    const int row = item->row();

    if (column != RemarkColumn) {
        int number = 0;
        if (!decimalInt(text, number)) {
            restore(item);
            return;
        }
        const QString message = validateCell(text, column, stored.toInt(nullptr, 10));
        if (!message.isEmpty()) {
            emit editRefused(message);
            restore(item);
            return;
        }
    }
    QString reason;
    if (!writeCell(row, column, text, reason)) {
        emit editRefused(failureText(tr("Failed."), reason));
        restore(item);
        return;
    }
    connectItemChanged(false);
    item->setData(text, kStoredTextRole);
    connectItemChanged(true);
    emit cellStored(row, column);
}

} // namespace kiv
