#pragma once

#include <DeviceAccessories.h>
#include <DeviceClass.h>

#include <QDialog>
#include <QString>

#include <memory>

class QGridLayout;

namespace kivui {
class ExpandAttributePannel;
}

namespace kiv {

class PendrikWidget;

/// The pop-over panel of a device's accessories, shown beside a device row
/// of the device list and drawn inside the main window: three tiles, lens,
/// bracket stand and shield, each with its type and count or an add button.
/// Every choice and every clear is written to the task's device file at
/// once; a tile always shows what the file holds.
class ConfigPannel : public QDialog
{
    Q_OBJECT
public:
    explicit ConfigPannel(QWidget *parent = nullptr);
    ~ConfigPannel() override;
    Q_DISABLE_COPY_MOVE(ConfigPannel)

    /// The device class (DeviceClass) of the entry shown next; it chooses
    /// the stand list.
    void setDeviceClass(int deviceClass) { m_deviceClass = deviceClass; }
    /// Fills the tiles with the accessories of entry @p deviceIndex of the
    /// task's device file and shows the panel. Writes nothing.
    void showForDevice(const QString &taskName, const QString &deviceType, int deviceIndex);

    QString taskName() const { return m_taskName; }
    QString deviceType() const { return m_deviceType; }
    int deviceIndex() const { return m_deviceIndex; }
    int deviceClass() const { return m_deviceClass; }
    kivui::ExpandAttributePannel *lensPanel() const { return m_lensPanel; }
    kivui::ExpandAttributePannel *standPanel() const { return m_standPanel; }
    kivui::ExpandAttributePannel *shieldPanel() const { return m_shieldPanel; }
    PendrikWidget *lensHost() const { return m_lensHost.get(); }

private slots:
    void slotEditLens();
    void slotAddLens();
    void slotDelLens();
    void slotEditStand();
    void slotAddStand();
    void slotDelStand();
    void slotEditShield();
    void slotAddShield();
    void slotDelShield();

private:
    using Accessory = DeviceAccessories::Kind;

    void setUpForm();
    kivui::ExpandAttributePannel *panelOf(Accessory kind) const;
    /// The accessory of the current entry as the file holds it; false when
    /// the file cannot be read or the entry has none, with the file's reason
    /// in @p reason when given.
    bool readAccessory(Accessory kind, QString &type, int &count, QString *reason = nullptr) const;
    /// Shows on the tile what the file holds, without a clear signal.
    void loadTile(Accessory kind);
    /// Writes the accessory and saves the file; a failure is told to the
    /// planner. The tile then shows what the file holds.
    void storeAccessory(Accessory kind, const QString &type, int count);
    /// The same for removing it.
    void removeAccessory(Accessory kind);
    /// "Failed." with the file's reason when the file refused the change (no
    /// such device, file unreadable), the reason when the change could not
    /// be saved; nothing when it was stored.
    void tellFailure(DeviceAccessories::Outcome outcome, const QString &reason) const;
    void editAccessory(Accessory which);
    void chooseLens(bool edit, const QString &storedType, int storedCount);
    void chooseStand(bool edit, const QString &storedType, int storedCount);
    void chooseShield(bool edit, const QString &storedType, int storedCount);

    QGridLayout *m_gridLayout = nullptr;
    QWidget *m_pannelWidget = nullptr;
    kivui::ExpandAttributePannel *m_lensPanel = nullptr;
    kivui::ExpandAttributePannel *m_standPanel = nullptr;
    kivui::ExpandAttributePannel *m_shieldPanel = nullptr;
    QString m_taskName;
    int m_deviceIndex = 0;
    QString m_deviceType;
    int m_deviceClass = NetworkCamera;
    // A window of its own, without a parent: the panel deletes it.
    std::unique_ptr<PendrikWidget> m_lensHost;
};

} // namespace kiv
