#pragma once

#include <TaskListFile.h>

#include <QStandardItemModel>

namespace kiv {

/// The rows of the task pane: one per task, in task-list-file order, so a
/// row number is the task's position in the file. Column 0 the name (its
/// tool tip the name in bold and the remark), column 1 the edit and delete
/// icons.
class TaskManageModel : public QStandardItemModel
{
    Q_OBJECT
public:
    TaskManageModel();
    ~TaskManageModel() override;
    Q_DISABLE_COPY_MOVE(TaskManageModel)

    void addTask(const TaskInfo &info);
    /// Rewrites the name and tool tip of @p row.
    void updateTask(const TaskInfo &info, int row);

    static QString toolTipOf(const TaskInfo &info);
};

} // namespace kiv
