// What the catalogue offers a device's streams: the model's class by the
// catalogue's lists and the choices of the task's video standard.

#include "DeviceStreamModel.h"

#include <TaskDataBase.h>
#include <TaskListFile.h>

namespace kiv {

DeviceClass DeviceStreamModel::deviceCategory(const QString &deviceType) const
{
    return m_classes.classOf(deviceType);
}

int DeviceStreamModel::videoStandard() const
{
    TaskListFile tasks;
    TaskInfo info;
    tasks.task(m_taskName, info);
    return info.videoStandard;
}

bool DeviceStreamModel::catalogueDvrFrameRates(const QString &deviceType, int videoStandard,
                                               QStringList &frameRates) const
{
    return TaskDataBase::GetInstance()->getDVRFrameRate(deviceType, videoStandard, frameRates);
}

StreamChoices DeviceStreamModel::choicesFor(const QString &deviceType, int videoStandard) const
{
    const DeviceClass deviceClass = deviceCategory(deviceType);
    if (deviceClass != Dvr)
        return StreamChoices::read(*TaskDataBase::GetInstance(), deviceClass, deviceType,
                                   videoStandard);
    QStringList resolutions;
    QStringList frameRates;
    TaskDataBase::GetInstance()->getDVRResolution(deviceType, resolutions);
    catalogueDvrFrameRates(deviceType, videoStandard, frameRates);
    return StreamChoices::ofDvr(videoStandard, resolutions, frameRates);
}

} // namespace kiv
