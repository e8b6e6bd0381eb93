#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class StreamServerCalulatorWidgetUI;
}

namespace kiv {

class CalculatorFlow;

/// The "Stream Server" tab of the calculator pane (Chinese interface):
/// Calculate counts the stream-media servers that relay the current task's
/// streams, shows the number in a field the planner may type over, and
/// stores it as the task's stream-server result.
class StreamServerCalulatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit StreamServerCalulatorWidget(QWidget *parent = nullptr);
    ~StreamServerCalulatorWidget() override;
    Q_DISABLE_COPY_MOVE(StreamServerCalulatorWidget)

    void setTaskName(const QString &name) { m_taskName = name; }
    QString taskName() const { return m_taskName; }

    /// Shows the task's stored number (blank when it has none enabled).
    void loadResult();
    /// Blanks the field; touches no file.
    void clearResult();

private slots:
    void calStreamServer();
    void slotServerCountChanged(const QString &text);

private:
    /// Stores @p number with @p enabled as the result's flag; false when the
    /// task list cannot be written, with its reason in @p reason.
    static bool writeResult(const QString &taskName, bool enabled, int number, QString &reason);

    const std::unique_ptr<Ui::StreamServerCalulatorWidgetUI> m_form;
    CalculatorFlow *m_flow = nullptr;
    QString m_taskName;
};

} // namespace kiv
