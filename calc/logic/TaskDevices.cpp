#include "TaskDevices.h"

namespace kiv {

bool readTaskDevices(const QString &taskName, QVector<TaskDeviceEntry> &out, QString *error,
                     QString *reason)
{
    out.clear();
    TaskDeviceFile file(taskName);
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        if (reason)
            *reason = file.lastError();
        out.clear();
        return false;
    };
    if (!file.isOpen())
        return fail(file.lastError().isEmpty() ? QStringLiteral("cannot open the device file")
                                               : file.lastError());
    QVector<DeviceInfo> devices;
    if (!file.devices(devices))
        return fail(QStringLiteral("a device entry cannot be read"));
    out.reserve(devices.size());
    for (int i = 0; i < devices.size(); ++i) {
        TaskDeviceEntry entry;
        entry.info = devices.at(i);
        if (!file.streams(i, entry.streams) || !file.recordPlan(i, entry.recordPlan) ||
            !file.eventFren(i, entry.eventFrequency))
            return fail(QStringLiteral("device %1 cannot be read").arg(i + 1));
        out.append(entry);
    }
    return true;
}

bool hasUseCode(const DevStream &stream)
{
    return stream.useCode.size() == 3;
}

bool streamHasUse(const DevStream &stream, int flag)
{
    if (!hasUseCode(stream) || flag < 0 || flag > 2)
        return false;
    const QChar c = stream.useCode.at(flag);
    return c.isDigit() && c.digitValue() != 0;
}

} // namespace kiv
