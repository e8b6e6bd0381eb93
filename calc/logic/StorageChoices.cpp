#include "StorageChoices.h"

#include <NvrCalculator.h>

namespace kiv {

namespace {

const QString kHotSpareType = QStringLiteral("HOT-Spare");

// Hot spares that three or more RAID groups per device need.
constexpr int kGroupsNeedingSpares = 3;
constexpr int kSparesForManyGroups = 2;

QStringList withoutRepeats(const QStringList &list)
{
    QStringList out;
    for (const QString &text : list) {
        if (!out.contains(text))
            out.append(text);
    }
    return out;
}

} // namespace

const std::vector<DiskSize> &diskSizes()
{
    static const std::vector<DiskSize> sizes{
        {"500G", 500}, {"1T", 1000}, {"2T", 2000}, {"3T", 3000}, {"4T", 4000},
    };
    return sizes;
}

StorageClass storageClassAt(int index)
{
    return index >= NvrStorage && index <= StorageServer ? StorageClass(index)
                                                         : UnknownStorageClass;
}

DeviceClass catalogueClassOf(StorageClass storageClass)
{
    return storageClass == NvrStorage ? Nvr : Cvr;
}

QStringList storageModelChoices(const QStringList &catalogueModels)
{
    return withoutRepeats(catalogueModels);
}

QStringList raidTypeChoices(const QStringList &catalogueTypes)
{
    QStringList types = withoutRepeats(catalogueTypes);
    types.removeAll(kHotSpareType);
    return types;
}

int storageServerIndexOf(const QString &name)
{
    // A table of the storage servers alone: their rows are 0 and 1.
    const NvrCalculator servers{QList<NvrModel>()};
    NvrModel row;
    return servers.findModelByName(name, row) ? row.id : -1;
}

bool tooFewHotSpares(int raidGroups, int hotSpares)
{
    return raidGroups >= kGroupsNeedingSpares && hotSpares < kSparesForManyGroups;
}

} // namespace kiv
