#pragma once

/// The disk layout handed to the RAID operations.
struct RaidParam
{
    /// Disks the recorded data needs (CalculationEngine::hddCount()).
    int dataDisks = 0;
    /// Disk bays of one storage device: the disks one device holds.
    int disksPerGroup = 0;
    /// RaidType code.
    int raidType = 0;
    /// RAID groups configured on one device; each takes one parity disk (two
    /// in RAID6). 0 when the pane hides the field.
    int parity = 0;
    /// Hot-spare disks of one device; 0 when the pane hides the field.
    int hotSpare = 0;
    /// RAID1 and RAID5 counts as entered; no operation reads them.
    int raid1Count = 0;
    int raid5Count = 0;
};

/// The CVR storage formula and the RAID arithmetic that turns data disks into
/// storage devices and total disks. No state; construct one per computation.
///
/// As in CalculationEngine, every operation takes an optional @p ok, false
/// when no figure can be given: a negative input (a hand-edited file), a
/// divisor of zero, a count beyond int, or a RAID type code it does not know.
class DiskCalculator
{
public:
    enum RaidType {
        Raid0 = 0,
        Raid1 = 1,
        Raid3 = 2,
        Raid5 = 3,
        Raid6 = 4,
        Raid10 = 5,
        Raid50 = 6,
        Jbod = 7
    };

    DiskCalculator() = default;
    ~DiskCalculator() = default;

    /// Storage in TB of @p streamCount streams of @p bitRate Kbps recorded for
    /// @p hours hours. 0 with @p ok false for a negative input.
    double storageSize(int streamCount, int bitRate, int hours, bool *ok = nullptr) const;

    /// Same rule as CalculationEngine::hddCount().
    int hddCount(double diskSize, int reservePercent, double total, bool *ok = nullptr) const;

    /// Storage devices needed for the data disks of @p p. -1 when a device
    /// keeps no bay for data under its groups and hot spares (RAID1 and RAID10:
    /// no bays), for a negative field, a null @p p or a count beyond int; the
    /// caller shows its RAID configuration message. 0 with @p ok false for a
    /// type code outside 0 to 7.
    int raidGroupCount(const RaidParam *p, bool *ok = nullptr) const;

    /// Data disks plus the mirror, parity and hot-spare disks of @p devices
    /// devices. -1 with @p ok false for a negative field or device count, a
    /// null @p p or a total beyond int; 0 with @p ok false for a type code
    /// outside 0 to 7.
    int totalDiskCount(const RaidParam *p, int devices, bool *ok = nullptr) const;
};
