#include "DeviceModel.h"

#include <ItemDataRole.h>
#include <Limits.h>
#include <TextChecks.h>

namespace kiv {

namespace {

// The count a refused edit returns to: the cell's own last valid count. A
// cell reached with the keyboard was never clicked, so the text of the cell
// last clicked could be another cell's, even a device type's.
constexpr int LastValidCountRole = Qt::UserRole + 1;

} // namespace

DeviceModel::DeviceModel() : QStandardItemModel(0, 2)
{
    restoreHeader();
    watchEdits();
}

DeviceModel::~DeviceModel() = default;

void DeviceModel::watchEdits()
{
    if (!m_editConnection)
        m_editConnection =
            connect(this, &QStandardItemModel::itemChanged, this, &DeviceModel::onItemTextChanged);
}

void DeviceModel::stopWatchingEdits()
{
    if (m_editConnection)
        disconnect(m_editConnection);
    m_editConnection = QMetaObject::Connection();
}

void DeviceModel::restoreHeader()
{
    setColumnCount(2);
    const QString titles[] = {tr("Device Type"), tr("Device Count")};
    for (int column = 0; column < 2; ++column) {
        auto *header = new QStandardItem(titles[column]);
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setHorizontalHeaderItem(column, header);
    }
}

void DeviceModel::reset()
{
    clear();
    restoreHeader();
    watchEdits();
}

void DeviceModel::setDevices(const QMap<QString, int> &devices)
{
    stopWatchingEdits();
    clear();
    restoreHeader();
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        auto *type = new QStandardItem(it.key());
        type->setEditable(false);
        const QString countText = QString::number(it.value());
        auto *count = new QStandardItem(countText);
        count->setEditable(true);
        count->setData(limits::digitsOf(limits::kMaxSceneDeviceCount),
                       KavrinGUIToolkit::EditMaxLengthRole);
        count->setData(countText, LastValidCountRole);
        appendRow({type, count});
    }
    watchEdits();
}

bool DeviceModel::checkDeviceCount(const QString &text)
{
    bool ok = false;
    const qint64 count = text.toLongLong(&ok, 10);
    if (ok && limits::isSceneDeviceCount(count))
        return true;
    emit countRefused(tr("Device Count Ranges [0~1024]"));
    return false;
}

void DeviceModel::onCurrentIndex(const QModelIndex &index)
{
    if (index.isValid())
        m_currentText = index.data().toString();
}

void DeviceModel::onItemTextChanged(QStandardItem *item)
{
    if (!item || item->column() != 1)
        return;
    stopWatchingEdits();
    const QString text = item->text();
    if (text.isEmpty() || !isDigits(text) || !checkDeviceCount(text))
        item->setText(item->data(LastValidCountRole).toString());
    else
        item->setData(text, LastValidCountRole);
    watchEdits();
}

} // namespace kiv
