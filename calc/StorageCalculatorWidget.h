#pragma once

#include <StorageCalculation.h>

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QStandardItem;
class QStandardItemModel;

namespace Ui {
class StorageCalculatorWidgetUI;
}

namespace KavrinGUIToolkit {
class CIntValidator;
}

namespace kiv {

/// The "Storage" tab of the calculator pane. The planner chooses the
/// recorder (an NVR or CVR model of the catalogue, or in the Chinese
/// interface one of two storage servers), its disks, the record time and the
/// RAID layout; Calculate works out the capacity the task's recording needs,
/// the recorders of that model that take its cameras (the NVR count on a
/// worker thread behind a busy dialog) and their disks, shows them and
/// stores them as the task's storage result.
class StorageCalculatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit StorageCalculatorWidget(QWidget *parent = nullptr);
    ~StorageCalculatorWidget() override;
    Q_DISABLE_COPY_MOVE(StorageCalculatorWidget)

    void setTaskName(const QString &name) { m_taskName = name; }
    QString taskName() const { return m_taskName; }

    /// Shows the task's stored storage result with the choices it was made
    /// with; blanks the figures when the task has no enabled result.
    void loadResult();
    /// Blanks the three figures (texts and the data behind them); touches no
    /// file.
    void clearResult();

private slots:
    void slotDeviceTypeChanged(const QString &model);
    void slotHDDTypeChanged(int index);
    void slotDeviceClassChanged(int index);
    void slotRaidTypeChanged(const QString &raidType);
    void onCalculate();
    void slotChangedTime();
    void slotRaidGroupChanged(const QString &text);

private:
    enum Column { DeviceCountColumn = 0, CapacityColumn = 1, DiskCountColumn = 2 };

    void init();
    /// The result row: its model, headers, look and three empty cells.
    void initResultRow();
    void fillDeviceTypes();
    void fillRaidTypes(int deviceClass, const QString &model);
    void updateHddBay(int deviceClass, const QString &model);
    void showRaidControls(bool show);
    void resetRaidCounts();
    /// Connects (or disconnects) the slots of the class, model and HDD-type
    /// combos, and with @p raidToo the RAID-type combo's, while a combo is
    /// refilled.
    void setSelectorsConnected(bool connected, bool raidToo);
    /// The catalogue's device class of the class combo: 3 NVR, otherwise 4.
    int catalogueClass() const;
    bool raidMode() const;

    StorageInputs inputs() const;
    int countNvrs(const QString &model, const std::vector<IpcTypeCount> &cameras);
    void showFigures(const StorageFigures &figures);
    QString failureText(StorageFailure failure) const;
    void saveResult(bool enabled);
    QStandardItem *cell(int column) const;
    void showTip(QWidget *field, const QString &text);

    const std::unique_ptr<Ui::StorageCalculatorWidgetUI> m_form;
    QStandardItemModel *m_resultModel = nullptr;
    KavrinGUIToolkit::CIntValidator *m_timeValidator = nullptr;
    QString m_taskName;
    int m_lastTimeUnit = 0;
};

} // namespace kiv
