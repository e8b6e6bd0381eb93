#include "ClassNames.h"

namespace kiv {

namespace {

// Each name as the English interface writes it and as the Chinese catalogue
// translates it. The catalogue must agree (the translation tests check it).
const ClassNameEntry kDeviceClasses[] = {
    {"IPC", "网络摄像机"},     {"DVR", "硬盘录像机"}, {"Dome", "球机"},
    {"NVR", "网络硬盘录像机"}, {"CVR", "CVR存储"},
};
const ClassNameEntry kStorageClasses[] = {
    {"NVR", "网络硬盘录像机"},
    {"CVR", "CVR存储"},
    {"Storage Server", "存储服务器"},
};
const ClassNameEntry kHddTypes[] = {
    {"Common", "普通"},
    {"raid", "RAID"},
};

const ClassNameEntry kAll[] = {
    {"IPC", "网络摄像机"},     {"DVR", "硬盘录像机"}, {"Dome", "球机"},
    {"NVR", "网络硬盘录像机"}, {"CVR", "CVR存储"},    {"Storage Server", "存储服务器"},
    {"Common", "普通"},        {"raid", "RAID"},
};

template <std::size_t N> int indexOf(const ClassNameEntry (&table)[N], const QString &text)
{
    const QString t = text.trimmed();
    for (std::size_t i = 0; i < N; ++i) {
        if (t == QLatin1String(table[i].english) || t == QString::fromUtf8(table[i].chinese))
            return int(i);
    }
    return -1;
}

template <std::size_t N> QString sourceOf(const ClassNameEntry (&table)[N], int index)
{
    return index >= 0 && index < int(N) ? QString::fromLatin1(table[index].english) : QString();
}

} // namespace

DeviceClass deviceClassOf(const QString &className)
{
    return DeviceClass(indexOf(kDeviceClasses, className));
}

QString deviceClassSource(DeviceClass deviceClass)
{
    return sourceOf(kDeviceClasses, deviceClass);
}

StorageClass storageClassOf(const QString &text)
{
    return StorageClass(indexOf(kStorageClasses, text));
}

QString storageClassSource(StorageClass storageClass)
{
    return sourceOf(kStorageClasses, storageClass);
}

HddType hddTypeOf(const QString &text)
{
    // "RAID" in capitals (the Chinese name) counts as RAID in either language.
    return HddType(indexOf(kHddTypes, text));
}

QString hddTypeSource(HddType type)
{
    return sourceOf(kHddTypes, type);
}

const ClassNameEntry *classNameTable(int *count)
{
    if (count)
        *count = int(sizeof(kAll) / sizeof(kAll[0]));
    return kAll;
}

} // namespace kiv
