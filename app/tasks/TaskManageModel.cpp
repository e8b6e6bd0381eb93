#include "TaskManageModel.h"

#include <ItemDataRole.h>

#include <QPixmap>

namespace kiv {

namespace {

QStandardItem *nameItem(const TaskInfo &info)
{
    auto *item = new QStandardItem(info.name);
    item->setEditable(false);
    item->setToolTip(TaskManageModel::toolTipOf(info));
    return item;
}

} // namespace

TaskManageModel::TaskManageModel() : QStandardItemModel(0, 2)
{
}

TaskManageModel::~TaskManageModel() = default;

QString TaskManageModel::toolTipOf(const TaskInfo &info)
{
    // Rich text on purpose: the name in bold, then the remark as written.
    return QStringLiteral("<div align='left'><b>") + info.name + QStringLiteral(":</b></div>") +
           info.remark;
}

void TaskManageModel::addTask(const TaskInfo &info)
{
    auto *icons = new QStandardItem;
    icons->setEditable(false);
    icons->setData(QPixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Edit.png")),
                   KavrinGUIToolkit::FirstIconRole);
    icons->setData(QPixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Delete.png")),
                   KavrinGUIToolkit::SecondIconRole);
    icons->setToolTip(tr("Edit and Delete"));
    appendRow({nameItem(info), icons});
}

void TaskManageModel::updateTask(const TaskInfo &info, int row)
{
    if (row < 0 || row >= rowCount())
        return;
    setItem(row, 0, nameItem(info));
}

} // namespace kiv
