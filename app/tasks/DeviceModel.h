#pragma once

#include <QMap>
#include <QMetaObject>
#include <QStandardItemModel>

namespace kiv {

/// The device table of the import-solution dialog: the device types of the
/// scene shown with their counts, which the planner edits. A count must be
/// a whole number from 0 to 1024; anything else puts the cell's last valid
/// count back. The model shows no messages: the dialog that owns it tells
/// the planner of a refused count.
class DeviceModel : public QStandardItemModel
{
    Q_OBJECT
public:
    DeviceModel();
    ~DeviceModel() override;
    Q_DISABLE_COPY_MOVE(DeviceModel)

    /// Replaces the rows with one row per device type, in map order.
    void setDevices(const QMap<QString, int> &devices);
    /// Removes every row; the header stays.
    void reset();
    /// True when @p text is a count from 0 to 1024; otherwise emits
    /// countRefused() and gives false.
    bool checkDeviceCount(const QString &text);
    /// The text of the cell last clicked.
    QString currentText() const { return m_currentText; }

signals:
    /// A count out of range was refused; @p message gives the range as the
    /// planner reads it.
    void countRefused(const QString &message);

public slots:
    /// Checks an edited count and restores the cell's last valid count when
    /// it is refused.
    void onItemTextChanged(QStandardItem *item);
    void onCurrentIndex(const QModelIndex &index);

private:
    void restoreHeader();
    void watchEdits();
    void stopWatchingEdits();

    QString m_currentText;
    QMetaObject::Connection m_editConnection;
};

} // namespace kiv
