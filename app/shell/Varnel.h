#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class VarnelClass;
}

namespace kivui {
class PinButton;
class WindowTitle;
} // namespace kivui

namespace kiv {

class CalculateManagerWidget;
class ConfigPannel;
class DeviceListWidget;
class DeviceStreamWidget;
class RecordPlanConfig;
class TaskManagerWidget;

/// The program's one top-level window, frameless with its own title bar:
/// the task pane at the left (hidden and shown by a pin tab), the device
/// list in the centre, the calculator pane at the bottom, and the pop-over
/// panels of a device row. It builds and wires the panes at construction,
/// the pop-over panels when they are first wanted.
class Varnel : public QMainWindow
{
    Q_OBJECT
public:
    explicit Varnel(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Varnel() override;
    Q_DISABLE_COPY_MOVE(Varnel)

    /// Shows the window at 1024 x 768, centred on the primary screen's free
    /// area; on a smaller screen it fills that area, its title bar on the
    /// screen.
    void showCentred();

    kivui::WindowTitle *titleBar() const { return m_title; }
    TaskManagerWidget *taskPane() const { return m_taskPane; }
    DeviceListWidget *deviceList() const { return m_deviceList; }
    CalculateManagerWidget *calculatorPane() const { return m_calculator; }
    kivui::PinButton *pinButton() const { return m_pinButton; }
    /// The pop-over panels of a device row. Each is made, hidden, the first
    /// time it is asked for (by the device list when the planner opens it)
    /// and lives as long as the window.
    RecordPlanConfig *recordPlanPanel();
    DeviceStreamWidget *streamPanel();
    ConfigPannel *accessoryPanel();

public slots:
    void movePinButtion();
    /// Runs the About box (the title bar's menu asks for it).
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void initWidgets();
    /// Tells the device list of the panels made so far.
    void handPanelsToList();
    void showTaskDevices(const QString &name);
    void fillFirstTask();
    bool openManual();

    const std::unique_ptr<Ui::VarnelClass> m_form;
    TaskManagerWidget *m_taskPane = nullptr;
    DeviceListWidget *m_deviceList = nullptr;
    CalculateManagerWidget *m_calculator = nullptr;
    kivui::PinButton *m_pinButton = nullptr;
    RecordPlanConfig *m_recordPlan = nullptr;
    DeviceStreamWidget *m_streams = nullptr;
    ConfigPannel *m_accessories = nullptr;
    kivui::WindowTitle *m_title = nullptr;
    // The first task's rows wait for the window's first paint; until then
    // the device list has only the task's name.
    bool m_firstTaskWaits = true;
    QString m_firstTask;
};

} // namespace kiv
