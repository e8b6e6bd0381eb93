#pragma once

// The results of the four calculators as a planned task has them stored in
// the task list: the records the report tests and the benchmarks write for a
// task. Uses the core alone, so that the benchmarks can include it.

#include <TaskListFile.h>

namespace storedresults {

inline StorageResult storageResult(const QString &task, const QString &hddModel)
{
    StorageResult r;
    r.taskName = task;
    r.storageEnable = 1;
    r.mainType = QStringLiteral("NVR");
    r.devType = QStringLiteral("KN-7716");
    r.devNumber = 2;
    r.hddBay = 16;
    r.hddCap = QStringLiteral("4T");
    r.hddModel = hddModel;
    r.raidType = QStringLiteral("RAID5");
    r.raidNumber = 3;
    r.hddNumber = 30;
    r.totalCap = QStringLiteral("101.5");
    return r;
}

inline BandWidthResult bandWidthResult(const QString &task)
{
    BandWidthResult r;
    r.taskName = task;
    r.bandWidthEnable = 1;
    r.preView = QStringLiteral("12.5Mbps");
    r.record = QStringLiteral("58.6Mbps");
    r.transmission = QStringLiteral("6.3Mbps");
    r.total = QStringLiteral("77.4Mbps");
    return r;
}

inline StreamServerResult streamServerResult(const QString &task)
{
    StreamServerResult r;
    r.taskName = task;
    r.streamServerEnable = 1;
    r.streamServer = QStringLiteral("KS-2000");
    r.streamServerNumber = 3;
    return r;
}

inline ClientResult clientResult(const QString &task)
{
    ClientResult r;
    r.taskName = task;
    r.clientEnable = 1;
    r.client = QStringLiteral("Video Wall Client");
    r.clientNumber = 4;
    return r;
}

/// Stores all four results of @p task (its storage on RAID disks) through
/// @p list; false at the first one refused.
inline bool storeAllResults(TaskListFile &list, const QString &task)
{
    return list.setStorageResult(storageResult(task, QStringLiteral("raid"))) &&
           list.setBandWidthResult(bandWidthResult(task)) &&
           list.setStreamServerResult(streamServerResult(task)) &&
           list.setClientResult(clientResult(task));
}

} // namespace storedresults
