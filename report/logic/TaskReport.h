#pragma once

#include <TaskListFile.h>

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

namespace kiv {

/// One accessory of a device as the report lists it.
struct ReportAccessory
{
    QString type;
    int count = 0;
};

/// One device entry as the report lists it: the accessories present, in the
/// order lens, stand, shield.
struct ReportDevice
{
    QString type;
    int count = 0;
    QVector<ReportAccessory> accessories;
};

/// The results the calculators stored for a task. A record that could not
/// be read keeps its defaults, so it is not enabled and not shown.
struct ReportResults
{
    StorageResult storage;
    BandWidthResult bandWidth;
    StreamServerResult streamServer;
    ClientResult client;
};

/// What the report of one task holds, as read from the task's files when the
/// report is opened.
struct TaskReport
{
    QString taskName;
    /// Today's date as the header writes it.
    QString date;
    /// The interface's language index: 1 (Chinese) adds the configuration
    /// tables to the report and the configuration rows to the workbook.
    int language = 0;
    /// False when the device file could not be read: there is no report then
    /// and no workbook.
    bool devicesRead = false;
    QVector<ReportDevice> devices;
    /// Read only for a report that lists devices.
    ReportResults results;

    /// True when the report shows nothing: no device could be listed.
    bool isEmpty() const { return devices.isEmpty(); }
};

/// Reads the device entries of @p taskName with their lens, stand and
/// shield, in file order; replaces @p out. False when the device file cannot
/// be opened or read.
bool readReportDevices(const QString &taskName, QVector<ReportDevice> &out);

/// Reads the results stored for @p taskName, each afresh from the task list
/// file.
ReportResults readReportResults(const QString &taskName);

/// @p date as the report's header writes it in the interface language of
/// @p locale: in that language's long date form, but in English (and the C
/// locale) as short day name, short month name, day and year.
QString reportDateText(const QDate &date, const QLocale &locale);

/// The report of @p taskName in the interface's language, dated today.
TaskReport readTaskReport(const QString &taskName);

} // namespace kiv
