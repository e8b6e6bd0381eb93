#include "TaskManagerWidget.h"

#include "AppLogging.h"
#include "NewTaskWidget.h"
#include "TaskManageModel.h"

#include <FailureText.h>
#include <Limits.h>
#include <TargetPath.h>
#include <TaskEntries.h>
#include <ToolTip.h>
#include <TreeView.h>
#include <TreeViewWithRightPixmapDelegate.h>
#include <WarningDlg.h>

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

using KavrinGUIToolkit::CWarningDlg;

namespace kiv {

TaskManagerWidget::TaskManagerWidget(QWidget *parent)
    : QWidget(parent), m_model(new TaskManageModel)
{
    setObjectName(QStringLiteral("TaskManagerWidget"));
    setWindowTitle(QCoreApplication::translate("TaskManagerWidgetUI", "TaskManagerWidget"));
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
    m_labelTaskList =
        new QLabel(QCoreApplication::translate("TaskManagerWidgetUI", "Task List"), m_frameTitle);
    m_labelTaskList->setObjectName(QStringLiteral("labelTaskList"));
    m_btnAddTask = new QToolButton(m_frameTitle);
    m_btnAddTask->setObjectName(QStringLiteral("btnAddTask"));
    m_btnAddTask->setStyleSheet(
        QStringLiteral("QToolButton#btnAddTask\n{\n   background-color:transparent;\n}"));
    m_btnAddTask->setIcon(
        QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/addtask.png")));
    m_btnAddTask->setToolTip(QCoreApplication::translate("TaskManagerWidgetUI", "New Task"));
    strip->addWidget(m_labelTaskList);
    strip->addStretch(1);
    strip->addWidget(m_btnAddTask);
    layout->addWidget(m_frameTitle);

    m_view = new KavrinGUIToolkit::CTreeView(this);
    m_view->setObjectName(QStringLiteral("treeTaskList"));
    layout->addWidget(m_view, 1);

    init();
    ensureTaskDir();
}

TaskManagerWidget::~TaskManagerWidget()
{
    // The model has no parent: the view lets go of it first.
    m_view->setModel(nullptr);
    delete m_model;
}

void TaskManagerWidget::init()
{
    m_view->setModel(m_model);
    m_view->header()->hide();
    m_view->setColumnWidth(0, 150);
    m_view->setColumnWidth(1, 50);
    m_view->setItemDelegate(new KavrinGUIToolkit::CTreeViewWithRightPixmapDelegate(m_view));
    m_view->setItemsExpandable(false);
    m_view->setRootIsDecorated(false);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The highlighted task is always the one the other panes show: a
    // declined delete or edit leaves the highlight where it was, and the
    // arrow keys choose the task they move to.
    m_view->SetCurrentIsChosen(true);

    connect(m_btnAddTask, &QToolButton::clicked, this, &TaskManagerWidget::newTask);
    connect(m_view,
            qOverload<const QModelIndex &, KavrinGUIToolkit::CItemDataRole>(
                &KavrinGUIToolkit::CTreeView::SignalClicked),
            this,
            qOverload<const QModelIndex &, KavrinGUIToolkit::CItemDataRole>(
                &TaskManagerWidget::clickTask));
    connect(m_view, qOverload<const QModelIndex &>(&KavrinGUIToolkit::CTreeView::SignalClicked),
            this, qOverload<const QModelIndex &>(&TaskManagerWidget::clickTask));
    loadTasks();
}

void TaskManagerWidget::loadTasks()
{
    QVector<TaskInfo> tasks;
    {
        TaskListFile file;
        (void)file.tasks(tasks);
    }
    for (const TaskInfo &task : std::as_const(tasks))
        m_model->addTask(task);
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

void TaskManagerWidget::newTask()
{
    if (m_model->rowCount() >= limits::kMaxTasks) {
        KavrinGUIToolkit::CToolTip::ShowText(m_btnAddTask->mapToGlobal(QPoint(0, 0)),
                                             tr("Up to 50 task can be added."));
        return;
    }
    NewTaskWidget dialog(this);
    dialog.SetTitle(tr("New Task"));
    if (dialog.exec() != 1)
        return;
    TaskInfo info;
    dialog.getTaskInfo(info);
    QString reason;
    if (!addTask(info, reason)) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Adding failed."), reason));
        return;
    }
    emit addCurrentTask(info.name);
    SceneGroupMap scenes;
    dialog.getSceneGroupMap(scenes);
    if (!scenes.isEmpty())
        emit signalAddDevice(scenes);
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(m_model->rowCount() - 1, 0));
    emit selectCurrentTask(info.name);
}

bool TaskManagerWidget::addTask(const TaskInfo &info, QString &reason)
{
    // The row appears only once the list holds the task on disk.
    if (!TaskEntries::add(info, &reason))
        return false;
    m_model->addTask(info);
    return true;
}

void TaskManagerWidget::clickTask(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const QStandardItem *item = m_model->item(row, 0);
    if (!item)
        return;
    const QString name = item->text();
    if (role == KavrinGUIToolkit::SecondIconRole) {
        if (CWarningDlg::CheckMessageInfo(tr("Hint"), tr("Delete it?"), this) != 1)
            return;
        // The list on disk may have changed since this row was shown: the
        // row then holds another task, which must not lose its devices.
        if (const QString stale = TaskEntries::rowProblem(row, name); !stale.isEmpty()) {
            CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Failed."), stale));
            return;
        }
        emit taskAboutToChange(name);
        delTask(row);
        if (m_model->rowCount() == 0) {
            emit signalNoTask();
            return;
        }
        const int next = row < m_model->rowCount() ? row : m_model->rowCount() - 1;
        clickTask(m_model->index(next, 0));
    } else if (role == KavrinGUIToolkit::FirstIconRole) {
        editTask(row, name);
    }
}

void TaskManagerWidget::editTask(int row, const QString &name)
{
    if (const QString stale = TaskEntries::rowProblem(row, name); !stale.isEmpty()) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Modifying failed."), stale));
        return;
    }
    NewTaskWidget dialog;
    dialog.SetTitle(tr("Edit Task"));
    {
        TaskListFile file;
        TaskInfo info;
        info.name = name;
        file.task(name, info);
        dialog.setTaskInfo(info);
    }
    if (dialog.exec() != 1)
        return;
    TaskInfo edited;
    dialog.getTaskInfo(edited);
    // Asked again: the dialog may have stood open for long.
    if (const QString stale = TaskEntries::rowProblem(row, name); !stale.isEmpty()) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Modifying failed."), stale));
        return;
    }
    emit taskAboutToChange(name);
    QString reason;
    if (edited.name != name && !renameTaskFile(name, edited.name, &reason)) {
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Modifying failed."), reason));
        return;
    }
    modifyTask(edited, row, name);
}

void TaskManagerWidget::modifyTask(const TaskInfo &info, int row, const QString &oldName)
{
    QString reason;
    if (!TaskEntries::setNameRemark(info, row, oldName, &reason)) {
        // The list still names the task by its old name: its devices go back
        // under that name too.
        if (info.name != oldName && !renameTaskFile(info.name, oldName))
            qCDebug(lcApp) << "cannot give the device file of" << info.name << "back its name"
                           << oldName;
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Modifying failed."), reason));
        return;
    }
    m_model->updateTask(info, row);
    m_view->setCurrentIndex(m_model->index(row, 0));
    emit selectCurrentTask(info.name);
}

bool TaskManagerWidget::renameTaskFile(const QString &oldName, const QString &newName,
                                       QString *reason)
{
    return TaskEntries::renameDeviceFile(oldName, newName, reason);
}

void TaskManagerWidget::delTask(int row)
{
    const QStandardItem *item = m_model->item(row, 0);
    if (!item)
        return;
    QString reason;
    if (TaskEntries::removeAt(row, item->text(), &reason))
        m_model->removeRow(row);
    else
        CWarningDlg::ShowMessageInfo(tr("Warn"), failureText(tr("Failed."), reason));
}

} // namespace kiv
