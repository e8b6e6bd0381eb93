#pragma once

#include "SceneGroupMap.h"

#include <QModelIndex>
#include <QWidget>

class QFrame;
class QLabel;
class QStandardItemModel;
class QToolButton;

namespace KavrinGUIToolkit {
class CTreeView;
}

namespace kiv {

/// The task pane at the left of the main window. It lists the tasks of the
/// task list in file order and tells the rest of the window which one is
/// current. Creating, editing and deleting tasks are not built yet: the add
/// button stays disabled.
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

signals:
    void selectCurrentTask(const QString &name);
    void addCurrentTask(const QString &name);
    void signalAddDevice(const SceneGroupMap &scenes);
    void signalNoTask();

public slots:
    void clickTask(const QModelIndex &index);

private:
    void loadTasks();
    void ensureTaskDir();

    QFrame *m_frameTitle = nullptr;
    QLabel *m_labelTaskList = nullptr;
    QToolButton *m_btnAddTask = nullptr;
    KavrinGUIToolkit::CTreeView *m_view = nullptr;
    QStandardItemModel *m_model = nullptr;
};

} // namespace kiv
