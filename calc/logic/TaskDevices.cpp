#include "TaskDevices.h"

namespace kiv {

bool readTaskDevices(const QString &taskName, QVector<TaskDeviceEntry> &out, QString *error,
                     QString *reason)
{
    out.clear();
    QVector<DeviceRecord> records;
    QString why;
    if (!TaskDeviceFile::readRecords(taskName, DevicePart::Streams | DevicePart::PlanAndFrequency,
                                     records, &why)) {
        if (error)
            *error = why.isEmpty() ? QStringLiteral("cannot open the device file") : why;
        if (reason)
            *reason = why;
        return false;
    }
    out.reserve(records.size());
    for (DeviceRecord &record : records)
        out.append({record.info, std::move(record.streams), std::move(record.recordPlan),
                    std::move(record.eventFren)});
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
