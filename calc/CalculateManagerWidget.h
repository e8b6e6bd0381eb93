#pragma once

#include <QWidget>

class QFrame;

namespace KavrinGUIToolkit {
class CTabWidget;
}

namespace kiv {

class StorageCalculatorWidget;

/// The calculator pane at the bottom of the main window. It hands the
/// current task to every calculator, has each show the result stored for the
/// task, and, when the task's devices, streams or record plans change, marks
/// the task's stored results out of date and blanks every figure shown.
class CalculateManagerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CalculateManagerWidget(QWidget *parent = nullptr);
    ~CalculateManagerWidget() override;
    Q_DISABLE_COPY_MOVE(CalculateManagerWidget)

    QString taskName() const { return m_taskName; }
    KavrinGUIToolkit::CTabWidget *tabs() const { return m_tabCalculate; }

    StorageCalculatorWidget *storageCalculator() const { return m_storage; }

    /// Has every calculator show its stored result for the current task.
    void loadResults();

public slots:
    void clickCurrentTask(const QString &name);
    void setCurrentTask(const QString &name);
    void slotChanngedResult();

private:
    QFrame *m_frame = nullptr;
    KavrinGUIToolkit::CTabWidget *m_tabCalculate = nullptr;
    StorageCalculatorWidget *m_storage = nullptr;
    QString m_taskName;
};

} // namespace kiv
