#pragma once

#include "SceneGroupMap.h"

#include <ItemDataRole.h>
#include <TaskListFile.h>

#include <QModelIndex>
#include <QWidget>

class QFrame;
class QLabel;
class QToolButton;

namespace KavrinGUIToolkit {
class CTreeView;
}

namespace kiv {

class TaskManageModel;

/// The task pane at the left of the main window. It lists the tasks of the
/// task list file in file order, creates, renames and deletes tasks, and
/// tells the rest of the window which task is current. Every change goes
/// through the task files at once.
class TaskManagerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TaskManagerWidget(QWidget *parent = nullptr);
    ~TaskManagerWidget() override;
    Q_DISABLE_COPY_MOVE(TaskManagerWidget)

    /// Makes the first task current, or says that there is none.
    void selectFirstTask();

    KavrinGUIToolkit::CTreeView *view() const { return m_view; }
    TaskManageModel *model() const { return m_model; }
    QToolButton *addButton() const { return m_btnAddTask; }

signals:
    void selectCurrentTask(const QString &name);
    void addCurrentTask(const QString &name);
    void signalAddDevice(const SceneGroupMap &scenes);
    void signalNoTask();
    /// The task is about to be renamed or deleted: whatever shows one of its
    /// devices stores and closes it now, before the task's file changes.
    void taskAboutToChange(const QString &name);

public slots:
    void newTask();
    void clickTask(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role);
    void clickTask(const QModelIndex &index);
    /// Deletes the task that row @p row shows; refused with the reason when
    /// the stored list holds another task there now.
    void delTask(int row);

private:
    void init();
    void loadTasks();
    void ensureTaskDir();
    /// Stores the new task in the task list, then shows its row. False when
    /// the name is taken or the list cannot store it; @p reason then holds
    /// the task list file's reason, when it gave one.
    bool addTask(const TaskInfo &info, QString &reason);
    void editTask(int row, const QString &name);
    void modifyTask(const TaskInfo &info, int row, const QString &oldName);
    bool renameTaskFile(const QString &oldName, const QString &newName, QString *reason = nullptr);

    QFrame *m_frameTitle = nullptr;
    QLabel *m_labelTaskList = nullptr;
    QToolButton *m_btnAddTask = nullptr;
    KavrinGUIToolkit::CTreeView *m_view = nullptr;
    TaskManageModel *m_model = nullptr;
};

} // namespace kiv
