#pragma once

#include "DeviceClass.h"

#include <QString>
#include <QStringList>

namespace kiv {

class TaskDataBase;

/// The class the catalogue gives a device model, told by the model lists of
/// the network cameras, DVRs and speed domes, read once when the object is
/// made. A model on the DVR list is a DVR whatever else lists it, then come
/// the network cameras, then the speed domes.
class DeviceTypeClasses
{
public:
    explicit DeviceTypeClasses(TaskDataBase &catalogue);

    /// Dvr, NetworkCamera or SpeedDome; UnknownDeviceClass for a model none
    /// of the three lists names (an NVR, a CVR, or a model the catalogue
    /// does not have).
    DeviceClass classOf(const QString &deviceType) const;

private:
    QStringList m_cameraTypes;
    QStringList m_dvrTypes;
    QStringList m_domeTypes;
};

} // namespace kiv
