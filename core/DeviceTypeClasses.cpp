#include "DeviceTypeClasses.h"

#include "TaskDataBase.h"

namespace kiv {

DeviceTypeClasses::DeviceTypeClasses(TaskDataBase &catalogue)
{
    // A list that cannot be read names no model.
    if (!catalogue.getDeviceList(NetworkCamera, m_cameraTypes))
        m_cameraTypes.clear();
    if (!catalogue.getDeviceList(Dvr, m_dvrTypes))
        m_dvrTypes.clear();
    if (!catalogue.getDeviceList(SpeedDome, m_domeTypes))
        m_domeTypes.clear();
}

DeviceClass DeviceTypeClasses::classOf(const QString &deviceType) const
{
    if (m_dvrTypes.contains(deviceType))
        return Dvr;
    if (m_cameraTypes.contains(deviceType))
        return NetworkCamera;
    if (m_domeTypes.contains(deviceType))
        return SpeedDome;
    return UnknownDeviceClass;
}

} // namespace kiv
