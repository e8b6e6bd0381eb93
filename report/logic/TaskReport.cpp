#include "TaskReport.h"

#include "ReportLogging.h"

#include <LanaguageManager.h>
#include <TaskDeviceFile.h>

#include <QDate>

namespace kiv {

bool readReportDevices(const QString &taskName, QVector<ReportDevice> &out)
{
    out.clear();
    QVector<DeviceRecord> records;
    if (!TaskDeviceFile::readRecords(taskName, DevicePart::Accessories, records))
        return false;
    out.reserve(records.size());
    for (const DeviceRecord &record : std::as_const(records)) {
        ReportDevice row;
        row.type = record.info.deviceType;
        row.count = record.info.count;
        for (const DeviceAccessory *accessory : {&record.lens, &record.stand, &record.shield}) {
            if (accessory->present)
                row.accessories.append({accessory->type, accessory->count});
        }
        out.append(row);
    }
    return true;
}

ReportResults readReportResults(const QString &taskName)
{
    ReportResults results;
    TaskListFile file;
    if (!file.storageResult(taskName, results.storage)) {
        qCDebug(lcReport) << "qeb getStorageResult error";
        results.storage = StorageResult();
    }
    if (!file.bandWidthResult(taskName, results.bandWidth)) {
        qCDebug(lcReport) << "qeb getBandWidthResult error";
        results.bandWidth = BandWidthResult();
    }
    if (!file.streamServerResult(taskName, results.streamServer)) {
        qCDebug(lcReport) << "qeb getStreamServerResult error";
        results.streamServer = StreamServerResult();
    }
    if (!file.clientResult(taskName, results.client)) {
        qCDebug(lcReport) << "qeb getClientResult error";
        results.client = ClientResult();
    }
    return results;
}

QString reportDateText(const QDate &date, const QLocale &locale)
{
    // English keeps the text date its planners have always seen. Another
    // language's names in that English order would read as neither.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return locale.toString(date, QStringLiteral("ddd MMM d yyyy"));
    return locale.toString(date, QLocale::LongFormat);
}

TaskReport readTaskReport(const QString &taskName)
{
    TaskReport report;
    report.taskName = taskName;
    const LanaguageManager *language = LanaguageManager::GetInstance();
    report.language = language->language();
    report.date = reportDateText(QDate::currentDate(), language->locale());
    report.devicesRead = readReportDevices(taskName, report.devices);
    // An empty report shows no results; they are not read for it.
    if (!report.isEmpty())
        report.results = readReportResults(taskName);
    return report;
}

} // namespace kiv
