#pragma once

#include <QDialog>

namespace kiv {

/// The pop-over panel of a device's streams, shown beside a device row of
/// the device list and drawn inside the main window. The stream table is not
/// built yet.
class DeviceStreamWidget : public QDialog
{
    Q_OBJECT
public:
    explicit DeviceStreamWidget(QWidget *parent = nullptr);
    ~DeviceStreamWidget() override;
    Q_DISABLE_COPY_MOVE(DeviceStreamWidget)

    void showDevice(const QString &taskName, const QString &deviceType, int deviceIndex);

signals:
    void signalChanngedReslut();

private:
    QString m_taskName;
    QString m_deviceType;
    int m_deviceIndex = 0;
};

} // namespace kiv
