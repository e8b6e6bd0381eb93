#pragma once

#include "SceneGroupMap.h"

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QStandardItemModel;

namespace KavrinGUIToolkit {
class CTreeView;
}

namespace kiv {

class ConfigPannel;
class DeviceStreamWidget;
class RecordPlanConfig;

/// The device list in the centre of the main window: the current task's
/// name over the table of its devices, and the three pop-over panels of a
/// device row. The device table and its editing are not built yet: the
/// table shows its columns only and the two buttons stay disabled.
class DeviceListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceListWidget(QWidget *parent = nullptr);
    ~DeviceListWidget() override;
    Q_DISABLE_COPY_MOVE(DeviceListWidget)

    /// The panels it shows beside a device row; owned by the main window.
    void setSidePanels(RecordPlanConfig *recordPlan, DeviceStreamWidget *streams,
                       ConfigPannel *accessories);
    /// Told by the main window whether its task pane is hidden.
    void setPinned(bool taskPaneHidden);

    QString taskName() const;
    bool taskPaneHidden() const { return m_taskPaneHidden; }

signals:
    void signalChanngedReslut();

public slots:
    void clickCurrentTask(const QString &name);
    void slotAddDevice(const SceneGroupMap &scenes);
    void setCurrentTask(const QString &name);
    void slotNoTask();

private:
    void closePanels();

    QFrame *m_frameTitle = nullptr;
    QLabel *m_labelTaskName = nullptr;
    QPushButton *m_btnAddDevice = nullptr;
    QPushButton *m_btnOutput = nullptr;
    KavrinGUIToolkit::CTreeView *m_view = nullptr;
    QStandardItemModel *m_model = nullptr;
    RecordPlanConfig *m_recordPlan = nullptr;
    DeviceStreamWidget *m_streams = nullptr;
    ConfigPannel *m_accessories = nullptr;
    bool m_taskPaneHidden = false;
};

} // namespace kiv
