#pragma once

#include "DeviceClass.h"

#include <QString>
#include <QStringList>
#include <QVector>

/// The tables of the device catalogue and the columns its statements name or
/// read, in one place: every statement of TaskDataBase takes its table and
/// column names from here and reads its values by these names, and the
/// start-up check of a catalogue (TaskDataBase::findMissingColumn()) asks for
/// each of them. A column that no statement reads is left out.
namespace kiv::catalogue {

// The parameter tables: one row a heading, a group or a value.
inline const QString kName = QStringLiteral("Name");
inline const QString kCode = QStringLiteral("code");
inline const QString kType = QStringLiteral("Type");
inline const QString kUnit = QStringLiteral("Unit");
inline const QString kUpperUnit = QStringLiteral("Unit2");

// The device tables: one row a model and a code it carries (kCode).
inline const QString kDeviceType = QStringLiteral("DeviceType");

// The industry solutions: one row a device type (kDeviceType) and its count
// in a scene.
inline const QString kIndustryTable = QStringLiteral("IndustryParam");
inline const QString kIndustry = QStringLiteral("Industry");
inline const QString kScene = QStringLiteral("Scene");
inline const QString kCount = QStringLiteral("Count");
inline const QString kSolutionType = QStringLiteral("SolutionType");

/// The parameter table of a device class; NVRs share the DVRs' tables.
inline QString paramTable(int deviceClass)
{
    static const char *const names[kDeviceClassCount] = {"DevParam1", "DevParam2", "DevParam3",
                                                         "DevParam2", "DevParam5"};
    return QLatin1String(names[deviceClass]);
}

/// The device table of a device class.
inline QString deviceTable(int deviceClass)
{
    static const char *const names[kDeviceClassCount] = {"Device1", "Device2", "Device3", "Device2",
                                                         "Device5"};
    return QLatin1String(names[deviceClass]);
}

/// One table and the columns the statements name or read in it.
struct Table
{
    QString name;
    QStringList columns;
};

/// Every table the statements read, each once.
inline QVector<Table> tables()
{
    const QStringList paramColumns{kName, kCode, kType, kUnit, kUpperUnit};
    const QStringList deviceColumns{kDeviceType, kCode};
    QVector<Table> out;
    for (int deviceClass = 0; deviceClass < kDeviceClassCount; ++deviceClass) {
        if (deviceClass == Nvr)
            continue;
        out.append({paramTable(deviceClass), paramColumns});
        out.append({deviceTable(deviceClass), deviceColumns});
    }
    out.append({kIndustryTable, {kIndustry, kScene, kDeviceType, kCount, kSolutionType}});
    return out;
}

} // namespace kiv::catalogue
