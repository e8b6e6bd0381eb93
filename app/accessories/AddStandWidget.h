#pragma once

#include "AccessoryTypeDialog.h"

#include <DeviceClass.h>

namespace kiv {

/// Chooses a bracket stand type of a device model from the catalogue, with
/// a count. Only network cameras and speed domes have
/// stand lists; for any other class the list stays empty.
class AddStandWidget : public AccessoryTypeDialog
{
    Q_OBJECT
public:
    AddStandWidget(const QString &deviceType, int deviceClass, QWidget *parent = nullptr);
    ~AddStandWidget() override;
    Q_DISABLE_COPY_MOVE(AddStandWidget)

    int deviceClass() const { return m_deviceClass; }

public slots:
    void standTypeChanged(const QString &text);

private:
    void loadTypes();

    int m_deviceClass = NetworkCamera;
};

} // namespace kiv
