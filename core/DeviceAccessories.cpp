#include "DeviceAccessories.h"

#include "TaskDeviceFile.h"

namespace kiv {

namespace {

DeviceAccessories::Outcome saved(TaskDeviceFile &file, bool changed, QString *reason)
{
    DeviceAccessories::Outcome outcome = DeviceAccessories::Refused;
    if (changed)
        outcome = file.close() ? DeviceAccessories::Stored : DeviceAccessories::NotSaved;
    if (outcome != DeviceAccessories::Stored && reason)
        *reason = file.lastError();
    return outcome;
}

} // namespace

DeviceAccessories::DeviceAccessories(const QString &taskName, int deviceIndex)
    : m_taskName(taskName), m_deviceIndex(deviceIndex)
{
}

bool DeviceAccessories::read(Kind kind, QString &type, int &count, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool found = false;
    switch (kind) {
    case Lens:
        found = file.lens(m_deviceIndex, type, count);
        break;
    case Stand:
        found = file.stand(m_deviceIndex, type, count);
        break;
    case Shield:
        found = file.shield(m_deviceIndex, type, count);
        break;
    }
    if (!found && reason)
        *reason = file.lastError();
    return found;
}

DeviceAccessories::Outcome DeviceAccessories::store(Kind kind, const QString &type, int count,
                                                    QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool changed = false;
    switch (kind) {
    case Lens:
        changed = file.setLens(m_deviceIndex, type, count);
        break;
    case Stand:
        changed = file.setStand(m_deviceIndex, type, count);
        break;
    case Shield:
        changed = file.setShield(m_deviceIndex, type, count);
        break;
    }
    return saved(file, changed, reason);
}

DeviceAccessories::Outcome DeviceAccessories::remove(Kind kind, QString *reason) const
{
    TaskDeviceFile file(m_taskName);
    bool changed = false;
    switch (kind) {
    case Lens:
        changed = file.removeLens(m_deviceIndex);
        break;
    case Stand:
        changed = file.removeStand(m_deviceIndex);
        break;
    case Shield:
        changed = file.removeShield(m_deviceIndex);
        break;
    }
    return saved(file, changed, reason);
}

} // namespace kiv
