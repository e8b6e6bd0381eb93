#pragma once

#include "SceneGroupMap.h"

#include <DeviceTypeClasses.h>
#include <TaskDeviceFile.h>

#include <QStandardItemModel>
#include <QStringList>

namespace kiv {

/// The rows of the device list: one per device entry of the current task, in
/// file order, so a row number is also the entry's position in the task's
/// device file. Eight columns: device type, remark, class name, count, main
/// and sub stream bit rate, the configuration icons and the delete icon.
/// Every accepted cell edit is written to the device file at once; a refused
/// or failed one restores the cell and is reported with editRefused(). The
/// model shows no messages itself: the pane that owns it tells the planner.
class DeviceListModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Column {
        DeviceTypeColumn = 0,
        RemarkColumn = 1,
        MainTypeColumn = 2,
        CountColumn = 3,
        MainStreamColumn = 4,
        SubStreamColumn = 5,
        ConfigColumn = 6,
        DeleteColumn = 7,
    };

    /// Item data on column 0: the device class (DeviceClass). On column 6:
    /// the selected state of the stream, record and accessory icons.
    static constexpr int ClassCodeRole = Qt::UserRole + 1;
    static constexpr int StreamIconStateRole = Qt::UserRole + 1;
    static constexpr int RecordIconStateRole = Qt::UserRole + 2;
    static constexpr int AccessoryIconStateRole = Qt::UserRole + 3;

    DeviceListModel();
    ~DeviceListModel() override;
    Q_DISABLE_COPY_MOVE(DeviceListModel)

    void setTaskName(const QString &taskName);
    QString taskName() const { return m_taskName; }

    /// Rebuilds every row from the task's device file. False, with no rows
    /// left, when the file cannot be read.
    bool loadTask(const QString &taskName);
    /// Removes all rows and appends one entry per scene and device type. A
    /// scene stops at its first entry that cannot be stored; the next scene
    /// is still added. False when any entry was not stored; @p reason, when
    /// given, then holds the device file's reason for the first such entry
    /// (empty when the file gave none, as for the task total).
    bool addDevices(const SceneGroupMap &scenes, QString *reason = nullptr);
    /// Stores the entry at the end of the device file, then shows it. False
    /// when the file cannot take it or the entry would take the task past
    /// its device total; @p reason, when given, then holds the file's reason.
    bool appendDevice(const DeviceInfo &info, QString *reason = nullptr);
    /// Removes entry @p row from the file, then its row. False, with the
    /// file's reason in @p reason when given, when the file refused.
    bool removeDevice(int row, QString *reason = nullptr);

    /// The class name of a catalogue device type: "DVR" when the catalogue
    /// lists it as a DVR, "IPC" as a network camera, else "Dome".
    QString mainTypeOf(const QString &deviceType) const;
    /// The class code of a stored class name in either language; 0 for any
    /// other text.
    int mainTypeCode(const QString &className) const;

    void setIconState(const QModelIndex &index, int role, bool selected);
    void resetAllIcons();

    /// Why a cell may not take @p text; empty when it may. @p oldCount is the
    /// count the row held before (for the task total).
    QString validateCell(const QString &text, int column, int oldCount);

signals:
    /// An edited cell (remark, count or bit rate) was accepted and stored in
    /// the device file.
    void cellStored(int row, int column);
    /// An edited cell was refused (a value out of range, the task total) or
    /// could not be stored; the cell shows its stored text again. @p message
    /// says why as the planner reads it.
    void editRefused(const QString &message);

public slots:
    void onItemChanged(const QModelIndex &current, const QModelIndex &previous);
    void onCurrentIndex(const QModelIndex &index);
    void onItemTextChanged(QStandardItem *item);

private:
    void initHeader();
    void appendRowFor(const DeviceInfo &info, const QString &className);
    bool writeCell(int row, int column, const QString &text, QString &reason);
    bool exceedsTaskLimit(qint64 value, qint64 old);
    void restore(QStandardItem *item);
    void setIcon(QStandardItem *item, int role, bool selected);
    void connectItemChanged(bool on);

    DeviceTypeClasses m_classes;
    QString m_taskName;
    QString m_currentText;
};

} // namespace kiv
