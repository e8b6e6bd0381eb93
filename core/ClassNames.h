#pragma once

#include "DeviceClass.h"

#include <QString>

/// Class names as task files and stored results keep them. A device entry
/// stores its class as the class name of the interface language in force when
/// it was added ("IPC" in English, its Chinese name in Chinese), and the
/// storage result its storage class and disk type likewise. These functions
/// read such a text in either language, so a task made in one interface works
/// in the other.
namespace kiv {

/// The class a stored class name names, in English or Chinese;
/// UnknownDeviceClass for any other text.
DeviceClass deviceClassOf(const QString &className);
/// The English class name of @p deviceClass ("IPC", "DVR", "Dome", "NVR",
/// "CVR"), the source text the interface translates; empty for no class.
QString deviceClassSource(DeviceClass deviceClass);

/// Storage device classes of the storage calculator.
enum StorageClass {
    UnknownStorageClass = -1,
    NvrStorage = 0,
    CvrStorage = 1,
    StorageServer = 2,
};
StorageClass storageClassOf(const QString &text);
QString storageClassSource(StorageClass storageClass);

/// Disk types of the storage calculator: plain disks or RAID groups.
enum HddType {
    UnknownHddType = -1,
    CommonHdd = 0,
    RaidHdd = 1,
};
HddType hddTypeOf(const QString &text);
QString hddTypeSource(HddType type);

/// One name in both languages, for the check that the shipped Chinese
/// catalogue translates each English name as this table reads it.
struct ClassNameEntry
{
    const char *english;
    const char *chinese;
};
/// Every name of the three tables above.
const ClassNameEntry *classNameTable(int *count);

} // namespace kiv
