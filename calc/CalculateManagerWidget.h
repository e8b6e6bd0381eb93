#pragma once

#include <QWidget>

class QFrame;

namespace KavrinGUIToolkit {
class CTabWidget;
}

namespace kiv {

/// The calculator pane at the bottom of the main window. It keeps the
/// current task and, when the task's devices change, marks its stored
/// storage, bandwidth and stream-server results out of date. The calculator
/// tabs are not built yet: they are empty pages.
class CalculateManagerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CalculateManagerWidget(QWidget *parent = nullptr);
    ~CalculateManagerWidget() override;
    Q_DISABLE_COPY_MOVE(CalculateManagerWidget)

    QString taskName() const { return m_taskName; }
    KavrinGUIToolkit::CTabWidget *tabs() const { return m_tabCalculate; }

public slots:
    void clickCurrentTask(const QString &name);
    void setCurrentTask(const QString &name);
    void slotChanngedResult();

private:
    QFrame *m_frame = nullptr;
    KavrinGUIToolkit::CTabWidget *m_tabCalculate = nullptr;
    QString m_taskName;
};

} // namespace kiv
