#pragma once

#include "SceneGroupMap.h"

#include <BaseDialogWithBottom.h>
#include <TaskListFile.h>

class QLabel;

namespace KavrinGUIToolkit {
class CCheckBox;
class CComboBox;
class CLineEdit;
class CTextEdit;
} // namespace KavrinGUIToolkit

namespace kiv {

/// The dialog in which the planner names a new task and picks its type,
/// video standard and description; in edit mode (setTaskInfo) only the name
/// and the description can change. It checks the name and hands back a task
/// record (and, for an industry solution, the scenes and device counts
/// chosen); the task pane stores them.
class NewTaskWidget : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    explicit NewTaskWidget(QWidget *parent = nullptr);
    ~NewTaskWidget() override;
    Q_DISABLE_COPY_MOVE(NewTaskWidget)

    /// The accepted task; valid once exec() returned 1.
    void getTaskInfo(TaskInfo &info) const;
    /// The scenes and device counts of a finished solution import.
    void getSceneGroupMap(SceneGroupMap &map) const;
    /// Edit mode: shows @p info with type and video standard locked.
    void setTaskInfo(const TaskInfo &info);
    /// Runs the dialog; Previous in the import dialog shows it again, with
    /// its fields as they were.
    int exec() override;

    /// The refusal for @p name (trimmed by the caller) as the tip shows it,
    /// or an empty text when a task may take the name. @p previousName is
    /// the edited task's own name, which is no duplicate.
    static QString nameProblem(const QString &name, const QString &previousName,
                               TaskListFile &file);

public slots:
    void importSolution(bool on);
    void next();
    void save();
    void onConfirm();
    void slotTaskTypeChanged(int index);
    void slotTextChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void init();
    bool checkName(QString &name);
    void fillTaskInfo(const QString &name);
    void showTip(const QString &text);

    TaskInfo m_taskInfo;
    QString m_previousName;
    bool m_editing = false;
    TaskInfo m_original;
    SceneGroupMap m_sceneGroupMap;
    /// Set when the import dialog was left with Previous.
    bool m_backFromImport = false;

    QLabel *m_labelTaskName = nullptr;
    KavrinGUIToolkit::CLineEdit *m_editTaskName = nullptr;
    QLabel *m_labelTaskType = nullptr;
    KavrinGUIToolkit::CComboBox *m_combTaskType = nullptr;
    QLabel *m_labelStandard = nullptr;
    KavrinGUIToolkit::CComboBox *m_combVideoStandard = nullptr;
    QLabel *m_labelDescription = nullptr;
    KavrinGUIToolkit::CTextEdit *m_textDescription = nullptr;
    KavrinGUIToolkit::CCheckBox *m_checkSolution = nullptr;
    QLabel *m_labelSolutionDescription = nullptr;
};

} // namespace kiv
