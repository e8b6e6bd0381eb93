#include "RecordPlanCopyModel.h"

#include <ItemDataRole.h>
#include <StandardItem.h>
#include <TaskDeviceFile.h>

namespace kiv {

RecordPlanCopyModel::RecordPlanCopyModel()
{
    initHeader();
}

RecordPlanCopyModel::~RecordPlanCopyModel() = default;

void RecordPlanCopyModel::initHeader()
{
    setColumnCount(4);
    setHeaderData(0, Qt::Horizontal, true, KavrinGUIToolkit::HeaderCheckBoxRole);
    setHeaderData(0, Qt::Horizontal, Qt::Unchecked, Qt::CheckStateRole);
    setHeaderData(1, Qt::Horizontal, tr("Index"));
    setHeaderData(2, Qt::Horizontal, tr("Device Type"));
    setHeaderData(3, Qt::Horizontal, tr("Remark"));
    for (int column = 0; column < 4; ++column)
        setHeaderData(column, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
}

bool RecordPlanCopyModel::loadDevices(const QString &taskName, int sourceIndex)
{
    m_sourceIndex = sourceIndex;
    removeRows(0, rowCount());
    QVector<DeviceInfo> devices;
    TaskDeviceFile file(taskName);
    if (!file.devices(devices))
        return false;
    for (int i = 0; i < devices.size(); ++i) {
        auto *tick = new QStandardItem;
        tick->setEditable(false);
        tick->setCheckable(true);
        if (i == sourceIndex) {
            // The plan's own device: ticked, and no click can untick it.
            tick->setCheckState(Qt::Checked);
            tick->setEnabled(false);
        } else {
            tick->setCheckState(Qt::Unchecked);
        }
        QList<QStandardItem *> row{tick};
        for (const QString &text :
             {QString::number(i + 1), devices.at(i).deviceType, devices.at(i).remark}) {
            auto *item = new KavrinGUIToolkit::CStandardItem(text);
            item->setEditable(false);
            row << item;
        }
        appendRow(row);
    }
    return true;
}

void RecordPlanCopyModel::checkedRows(QVector<int> &rows) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, 0)->checkState() == Qt::Checked)
            rows.append(row);
    }
}

} // namespace kiv
