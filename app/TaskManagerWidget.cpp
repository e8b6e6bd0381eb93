#include "TaskManagerWidget.h"

#include <TargetPath.h>
#include <TaskListFile.h>
#include <TreeView.h>
#include <TreeViewWithRightPixmapDelegate.h>

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace kiv {

TaskManagerWidget::TaskManagerWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TaskManagerWidget"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);

    m_frameTitle = new QFrame(this);
    m_frameTitle->setObjectName(QStringLiteral("frameTitle"));
    m_frameTitle->setMinimumHeight(35);
    m_frameTitle->setStyleSheet(QStringLiteral(
        "QFrame#frameTitle\n{\n    background-color:rgb(235,235,235);\n\n\tborder-image: "
        "url(:/kivui/label/Images/System/Label/LabelBg.png) 1 1 1 1;\n    border-width:1px 1px "
        "0px 1px;\n\n}"));
    auto *strip = new QHBoxLayout(m_frameTitle);
    strip->setContentsMargins(6, 0, 0, 0);
    strip->setSpacing(0);
    m_labelTaskList = new QLabel(tr("Task List"), m_frameTitle);
    m_labelTaskList->setObjectName(QStringLiteral("labelTaskList"));
    m_btnAddTask = new QToolButton(m_frameTitle);
    m_btnAddTask->setObjectName(QStringLiteral("btnAddTask"));
    m_btnAddTask->setStyleSheet(
        QStringLiteral("QToolButton#btnAddTask\n{\n   background-color:transparent;\n}"));
    m_btnAddTask->setIcon(
        QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/addtask.png")));
    m_btnAddTask->setEnabled(false);
    strip->addWidget(m_labelTaskList);
    strip->addStretch(1);
    strip->addWidget(m_btnAddTask);
    layout->addWidget(m_frameTitle);

    m_view = new KavrinGUIToolkit::CTreeView(this);
    m_view->setObjectName(QStringLiteral("treeTaskList"));
    layout->addWidget(m_view, 1);

    m_model = new QStandardItemModel(0, 2, this);
    m_view->setModel(m_model);
    m_view->header()->hide();
    m_view->setColumnWidth(0, 150);
    m_view->setColumnWidth(1, 50);
    m_view->setItemDelegate(new KavrinGUIToolkit::CTreeViewWithRightPixmapDelegate(m_view));
    m_view->setItemsExpandable(false);
    m_view->setRootIsDecorated(false);
    connect(m_view, qOverload<const QModelIndex &>(&KavrinGUIToolkit::CTreeView::SignalClicked),
            this, &TaskManagerWidget::clickTask);
    loadTasks();
    ensureTaskDir();
}

TaskManagerWidget::~TaskManagerWidget() = default;

void TaskManagerWidget::loadTasks()
{
    QVector<TaskInfo> tasks;
    {
        TaskListFile file;
        (void)file.tasks(tasks);
    }
    for (const TaskInfo &task : std::as_const(tasks)) {
        auto *name = new QStandardItem(task.name);
        name->setEditable(false);
        name->setToolTip(QStringLiteral("<div align='left'><b>") + task.name +
                         QStringLiteral(":</b></div>") + task.remark);
        auto *icons = new QStandardItem;
        icons->setEditable(false);
        m_model->appendRow({name, icons});
    }
    if (tasks.isEmpty())
        emit signalNoTask();
}

void TaskManagerWidget::ensureTaskDir()
{
    QDir().mkpath(KavrinGUIToolkit::GetTargetPath() + QStringLiteral("Task"));
}

void TaskManagerWidget::selectFirstTask()
{
    if (m_model->rowCount() > 0)
        clickTask(m_model->index(0, 0));
    else
        emit signalNoTask();
}

void TaskManagerWidget::clickTask(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QStandardItem *name = m_model->item(index.row(), 0);
    if (!name)
        return;
    emit selectCurrentTask(name->text());
    m_view->setCurrentIndex(m_model->index(index.row(), 0));
}

} // namespace kiv
