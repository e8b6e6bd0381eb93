#pragma once

#include <RecordCell.h>

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class RecordPlanConfigUI;
}

class TaskDeviceFile;

namespace kiv {

/// The pop-over panel of a device's record plan, shown beside a device row
/// of the device list and drawn inside the main window over the panes: three
/// buttons choose what a drag over the 24-hour grid paints, a drop-down
/// holds the event frequency, and "Copy to..." copies the plan to other
/// devices of the task. There is no confirm button: what the planner changed
/// is stored whenever the panel goes away, and only what the planner changed
/// is written.
class RecordPlanConfig : public QDialog
{
    Q_OBJECT
public:
    explicit RecordPlanConfig(QWidget *parent = nullptr);
    ~RecordPlanConfig() override;
    Q_DISABLE_COPY_MOVE(RecordPlanConfig)

    /// Loads the device at @p deviceIndex of task @p taskName and shows the
    /// panel, painting scheduled hours. A plan still shown for another device
    /// is stored first; when it cannot be stored it stays shown instead.
    void showDevice(const QString &taskName, int deviceIndex);
    /// Stores what the planner changed, clears the grid and hides the panel;
    /// nothing while hidden. When the change cannot be stored the planner is
    /// told, the panel stays shown with it, and the result is false.
    bool saveAndHide();
    /// saveAndHide() for the program's close: when the change cannot be
    /// stored the planner decides whether to close without it. True when the
    /// program may close.
    bool saveBeforeExit();

    /// The grid's plan as 24 digits, hour 0 first.
    QString planString() const;
    /// Puts @p plan into the grid, one cell per character (-1 for a
    /// character that is not a digit); taken only when it has 24 characters.
    void setPlanString(const QString &plan);

    QString taskName() const { return m_taskName; }
    int deviceIndex() const { return m_deviceIndex; }

signals:
    void signalChanngedReslut();

public slots:
    /// Escape and every other end of the dialog store the change first; the
    /// panel stays when it cannot be stored.
    void done(int result) override;

private slots:
    void schedulePlan();
    void eventPlan();
    void noPlan();
    void copyTo();
    void onConfirm();

private:
    enum class Store { Stored, DeviceGone, Failed };

    bool load(QString &reason);
    Store save(QString &reason);
    /// save(), telling the planner what went wrong. False when the change
    /// could not be stored and must stay in the panel.
    bool storeOrTell();
    /// Forgets the device and clears the grid to no recording.
    void letGo();
    void setPaintType(int type);
    /// The plan text to store for @p cells: the hours the planner painted,
    /// and the stored characters of the hours left alone.
    QString paintedPlan(const std::vector<kivui::RecordCell> &cells) const;
    QString notStoredText(const QString &reason) const;
    static QString openProblemText(const TaskDeviceFile &file);

    const std::unique_ptr<Ui::RecordPlanConfigUI> m_form;
    QString m_taskName;
    int m_deviceIndex = -1;

    // The device is loaded and what the planner changes belongs to it.
    bool m_loaded = false;
    // A change could not be stored and is still shown.
    bool m_unsaved = false;
    // The stored plan and the grid as they were when the device was loaded
    // or last stored: what differs is the planner's change.
    QString m_storedPlan;
    std::vector<kivui::RecordCell> m_shownCells;
    // The planner chose an event frequency since then.
    bool m_frenChosen = false;
    // A failure was told during the current event.
    bool m_told = false;
};

} // namespace kiv
