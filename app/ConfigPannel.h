#pragma once

#include <QDialog>

namespace kiv {

/// The pop-over panel of a device's accessories (lens, bracket, shield),
/// shown beside a device row of the device list and drawn inside the main
/// window. Its attribute panels are not built yet.
class ConfigPannel : public QDialog
{
    Q_OBJECT
public:
    explicit ConfigPannel(QWidget *parent = nullptr);
    ~ConfigPannel() override;
    Q_DISABLE_COPY_MOVE(ConfigPannel)

    void setDeviceClass(int deviceClass) { m_deviceClass = deviceClass; }
    void showForDevice(const QString &taskName, const QString &deviceType, int deviceIndex);

private:
    QString m_taskName;
    int m_deviceIndex = 0;
    QString m_deviceType;
    int m_deviceClass = 0;
};

} // namespace kiv
