#pragma once

#include "TaskDevices.h"

#include <CalculationEngine.h>
#include <ClassNames.h>
#include <DiskCalculator.h>
#include <NvrCalculator.h>

#include <QString>
#include <QVector>

#include <functional>
#include <vector>

namespace kiv {

/// What the storage form holds when Calculate is pressed.
struct StorageInputs
{
    /// NVR, CVR or storage server; an unknown class calculates nothing.
    StorageClass storageClass = NvrStorage;
    /// The recorder model (for a storage server its name as listed).
    QString model;
    /// Disk bays of one device of the model.
    int bays = 0;
    /// Size of one disk in GB as sold (500 for "500G", 1000 for "1T").
    int diskSizeGb = 500;
    /// Record time in units of @c timeUnit: 0 days, 1 weeks, 2 months.
    int recordTime = 1;
    int timeUnit = 0;
    /// Plain disks or RAID groups. The RAID type, groups and hot spares are
    /// used only for RAID disks; plain disks are counted without RAID.
    HddType hddType = CommonHdd;
    /// RAID type text as the catalogue lists it ("RAID5" or "Raid5").
    QString raidType;
    /// RAID groups and hot-spare disks per device.
    int raidGroups = 0;
    int hotSpares = 0;
    /// RAID1 and RAID5 counts, stored with the result; no figure uses them.
    int raid1Count = 0;
    int raid5Count = 0;
};

/// Why a storage calculation gave no device or disk count.
enum class StorageFailure {
    None,
    /// The NVR count: more than a million cameras (or a negative count).
    TooManyCameras,
    /// The NVR count: a camera's bit rate is above the model's bandwidth.
    UnsupportedBitRate,
    /// The NVR count: no model of that name.
    UnknownModel,
    /// The RAID groups and hot spares leave a device no bay for data.
    RaidLayout,
    /// The model's disk bays are not known, so its devices cannot be counted.
    NoBays,
    /// A figure is beyond what can be computed (a hand-edited file's rates or
    /// counts, a negative figure).
    Uncomputable,
};

/// The three figures of the result row. A figure that was not computed is
/// empty (capacity) or -1 (counts); failure says why.
struct StorageFigures
{
    StorageFailure failure = StorageFailure::None;
    bool ok() const { return failure == StorageFailure::None; }

    /// The capacity in TB and as the result row shows it ("1363.04G",
    /// "12.50T"); the text is empty when the capacity was not computed.
    double totalTb = 0;
    QString capacityText;
    /// Recorders of the model needed.
    int devices = -1;
    /// Disks of all those recorders: data, mirror, parity and hot-spare disks.
    int disks = -1;
    /// The data disks alone (CVR path only).
    int dataDisks = -1;
};

/// The NVR count for a model and the task's camera list: a number of NVRs, 0
/// for no cameras, or an NvrCalculator::Failure code. The storage calculator
/// runs it on its worker thread; tests call NvrCalculator directly.
using NvrCounter =
    std::function<int(const QString &model, const std::vector<IpcTypeCount> &cameras)>;

/// RAID type text to DiskCalculator::RaidType ("RAID5" and "Raid5" alike);
/// 0 (RAID0) for an empty or unknown text.
int raidCodeOf(const QString &raidType);

/// The disk layout the RAID arithmetic reads for @p dataDisks data disks.
/// Plain disks give RAID0 with no groups and no hot spares.
RaidParam raidParamOf(const StorageInputs &inputs, int dataDisks);

/// One storage line per recording stream of every device, for the NVR path:
/// the stream's bit rate times its stream count, @p days days of the hours
/// its device's plan records. @p ok is false (and the list incomplete) when a
/// line's rate does not fit an int.
std::vector<StreamStorageItem> nvrStorageItems(const QVector<TaskDeviceEntry> &devices, int days,
                                               bool *ok = nullptr);

/// The cameras an NVR takes: one entry {main plus sub stream, device count}
/// per device that is not a DVR, in file order. The class is read in either
/// language.
std::vector<IpcTypeCount> nvrCameraList(const QVector<TaskDeviceEntry> &devices);

/// The capacity as the NVR path shows it: TB with two decimals and "T" from
/// 10 TB up, GB with two decimals and "G" below.
QString nvrCapacityText(double tb, double gb);
/// The capacity as the CVR path shows it: six significant digits, in "G"
/// below 1 TB and in "T" from there.
QString cvrCapacityText(double tb);

/// The storage figures of a task's @p devices for the form's @p inputs. The
/// NVR and storage-server classes size the storage with an 8 % disk reserve
/// and count recorders with @p countNvrs; the CVR class uses its own formula,
/// a 5 % reserve and counts devices by their bays and RAID layout.
StorageFigures calculateStorage(const QVector<TaskDeviceEntry> &devices,
                                const StorageInputs &inputs, const NvrCounter &countNvrs);

} // namespace kiv
