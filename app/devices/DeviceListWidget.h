#pragma once

#include "SceneGroupMap.h"

#include <ItemDataRole.h>

#include <QModelIndex>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace KavrinGUIToolkit {
class CTreeView;
}

namespace kiv {

class ConfigPannel;
class DeviceListModel;
class DeviceStreamWidget;
class RecordPlanConfig;

/// The device list in the centre of the main window: the current task's name
/// over the table of its devices. From a row the planner opens the stream,
/// record-plan or accessory panel beside it, edits the remark, count and bit
/// rates in place, or deletes the device. Changes that alter what the
/// calculators compute are announced with signalChanngedReslut().
class DeviceListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceListWidget(QWidget *parent = nullptr);
    ~DeviceListWidget() override;
    Q_DISABLE_COPY_MOVE(DeviceListWidget)

    /// The pop-over panels of a device row.
    enum Panel { RecordPlanPanel, StreamPanel, AccessoryPanel };

    /// The panels it shows beside a device row, owned by the main window; a
    /// panel not made yet is null. Told again whenever the window makes one.
    void setSidePanels(RecordPlanConfig *recordPlan, DeviceStreamWidget *streams,
                       ConfigPannel *accessories);
    /// Asked for a panel that a row is to show and that is not made yet: it
    /// makes the panel and hands it over with setSidePanels().
    void setPanelMaker(std::function<void(Panel)> make);
    /// Told by the main window whether its task pane is hidden; moves the
    /// open panel.
    void setPinned(bool taskPaneHidden);

    QString taskName() const;
    bool taskPaneHidden() const { return m_taskPaneHidden; }
    DeviceListModel *model() const { return m_model; }
    KavrinGUIToolkit::CTreeView *view() const { return m_view; }
    int rowHeight() const { return m_rowHeight; }
    int currentRow() const { return m_currentRow; }

    /// The row, counted from the top of the view, under the global position
    /// @p globalPos.
    int rowUnderCursor(const QPoint &globalPos) const;

signals:
    void signalChanngedReslut();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void clickCurrentTask(const QString &name);
    void slotAddDevice(const SceneGroupMap &scenes);
    void setCurrentTask(const QString &name);
    void slotNoTask();
    /// Stores and closes whatever panel is open (a task is about to be
    /// renamed or deleted, or the program closes).
    void closePanels();

private slots:
    void report();
    void addDevice();
    void clickDevice(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role);
    void slotSliderMoved(int value);
    void slotClicked(const QModelIndex &index);
    void slotDoubleClickedDevice(const QModelIndex &index);

private:
    void init();
    void measureRowHeight();
    bool loadRows(const QString &name);
    void deleteRow(int row);
    void togglePanel(Panel panel);
    void closePanel(Panel panel);
    QWidget *panelWidget(Panel panel) const;
    void placePanel(QWidget *panel, bool bounded);
    void onCellStored(int row, int column);
    /// Tells the planner why an edited cell went back to its stored text.
    void showEditRefusal(const QString &message);
    void showOpenPanelIcon(const QModelIndex &config);

    QFrame *m_frameTitle = nullptr;
    QLabel *m_labelTaskName = nullptr;
    QPushButton *m_btnAddDevice = nullptr;
    QPushButton *m_btnOutput = nullptr;
    KavrinGUIToolkit::CTreeView *m_view = nullptr;
    DeviceListModel *m_model = nullptr;
    int m_rowHeight = 0;
    RecordPlanConfig *m_recordPlan = nullptr;
    DeviceStreamWidget *m_streams = nullptr;
    ConfigPannel *m_accessories = nullptr;
    std::function<void(Panel)> m_makePanel;
    int m_currentRow = -1;
    int m_currentColumn = -1;
    bool m_taskPaneHidden = false;
    int m_visualRow = -1;
    QScrollBar *m_scrollBar = nullptr;
};

} // namespace kiv
