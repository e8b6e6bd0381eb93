#pragma once

#include <ClassNames.h>

#include <QString>
#include <QStringList>

#include <vector>

namespace kiv {

/// A disk size the storage form offers: its text, not translated, and the
/// size in GB as disks are sold (1000 for "1T").
struct DiskSize
{
    const char *text;
    int gigabytes;
};

/// The disk sizes offered, smallest first: 500G, 1T, 2T, 3T and 4T.
const std::vector<DiskSize> &diskSizes();

/// The storage class of the storage form's class list at @p index (NVR,
/// CVR, storage server in that order); UnknownStorageClass for any other
/// index.
StorageClass storageClassAt(int index);

/// The catalogue's device class that lists the models of @p storageClass:
/// Nvr for the NVR class, Cvr for every other. A storage server is so looked
/// up as a CVR, which finds nothing for its fixed names.
DeviceClass catalogueClassOf(StorageClass storageClass);

/// The recorder models to offer from the catalogue's list, in its order and
/// each once: the NVR list joins two type codes, so a model with both stands
/// in it twice.
QStringList storageModelChoices(const QStringList &catalogueModels);

/// The RAID types to offer from the catalogue's list of a model, in its
/// order and each once, without "HOT-Spare": hot spares are a count of their
/// own, never a RAID type.
QStringList raidTypeChoices(const QStringList &catalogueTypes);

/// The position (0 or 1) of the fixed storage server named @p name, by its
/// untranslated name or its name in any language the interface shows it in;
/// -1 for any other name. A result stored in the other language names its
/// storage server so.
int storageServerIndexOf(const QString &name);

/// True when @p raidGroups RAID groups per device are too many for
/// @p hotSpares hot spares: three groups or more need at least two.
bool tooFewHotSpares(int raidGroups, int hotSpares);

} // namespace kiv
