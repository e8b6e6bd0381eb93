#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ClientCalculatorWidgetUI;
}

namespace kiv {

class CalculatorFlow;

/// The "Client" tab of the calculator pane (Chinese interface): Calculate
/// estimates the client workstations the current task needs for the chosen
/// client software, shows the number in a field the planner may type over,
/// and stores it as the task's client result.
class ClientCalculatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ClientCalculatorWidget(QWidget *parent = nullptr);
    ~ClientCalculatorWidget() override;
    Q_DISABLE_COPY_MOVE(ClientCalculatorWidget)

    void setTaskName(const QString &name) { m_taskName = name; }
    QString taskName() const { return m_taskName; }

    /// Shows the task's stored number (blank when it has none enabled).
    void loadResult();
    /// Blanks the field; touches no file.
    void clearResult();

private slots:
    void onCalculate();
    void slotClientChanged(int index);
    void slotClientCountChanged(const QString &text);

private:
    void init();
    /// Stores @p number with @p enabled as the result's flag and the client
    /// software shown; false when the task list cannot be written,
    /// with its reason in @p reason.
    bool writeResult(const QString &taskName, bool enabled, int number, QString &reason);

    const std::unique_ptr<Ui::ClientCalculatorWidgetUI> m_form;
    CalculatorFlow *m_flow = nullptr;
    QString m_taskName;
};

} // namespace kiv
