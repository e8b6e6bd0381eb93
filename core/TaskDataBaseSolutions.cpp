// Industry solutions and the device-type lists of each device class.

#include "CatalogueColumns.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <utility>

namespace kiv {

namespace {

/// The distinct texts of one column, in the order the rows come. A task
/// stores its type as an index into such a list, so the order must not
/// depend on a hash seed.
QStringList distinctColumn(QSqlQuery &query, const QString &column)
{
    QStringList values;
    QSet<QString> seen;
    while (query.next()) {
        const QString value = query.value(column).toString();
        if (!seen.contains(value)) {
            seen.insert(value);
            values.append(value);
        }
    }
    return values;
}

/// The code of a parameter-code tag, or @p fallback when the table lacks it.
QString tagCode(bool (ParamCode::*getter)(ParamCodeItem &), const char *fallback)
{
    ParamCodeItem item;
    if ((ParamCode::GetInstance()->*getter)(item))
        return item.code;
    return QLatin1String(fallback);
}

} // namespace

bool TaskDataBase::getAllSolutionType(QStringList &solutionTypes)
{
    if (!m_opened)
        return false;
    QSqlQuery query(m_database);
    if (!exec(query,
              QStringLiteral("select* from %1 order by %2")
                  .arg(catalogue::kIndustryTable, catalogue::kIndustry),
              {}, "getAllIndustry"))
        return false;
    solutionTypes = distinctColumn(query, catalogue::kSolutionType);
    return true;
}

bool TaskDataBase::getAllIndustry(const QString &solutionType, QStringList &industries)
{
    if (!m_opened)
        return false;
    QSqlQuery query(m_database);
    if (!exec(query,
              QStringLiteral("select* from %1 where %2 = ? order by %3")
                  .arg(catalogue::kIndustryTable, catalogue::kSolutionType, catalogue::kIndustry),
              {solutionType}, "getAllIndustry"))
        return false;
    industries = distinctColumn(query, catalogue::kIndustry);
    return true;
}

bool TaskDataBase::getScene(const QString &industry, QStringList &scenes)
{
    if (!m_opened)
        return false;
    QSqlQuery query(m_database);
    if (!exec(query,
              QStringLiteral("select* from %1 where %2 = ?")
                  .arg(catalogue::kIndustryTable, catalogue::kIndustry),
              {industry}, "getScene"))
        return false;
    scenes = distinctColumn(query, catalogue::kScene);
    return true;
}

bool TaskDataBase::getDevice(const QString &industry, const QString &scene,
                             const QString &solutionType, QMap<QString, int> &typeCounts)
{
    if (!m_opened)
        return false;
    QSqlQuery query(m_database);
    if (!exec(query,
              QStringLiteral("select* from %1 where %2 = ? and %3 = ? and %4 = ?")
                  .arg(catalogue::kIndustryTable, catalogue::kIndustry, catalogue::kScene,
                       catalogue::kSolutionType),
              {industry, scene, solutionType}, "getDevice"))
        return false;
    while (query.next())
        typeCounts.insert(query.value(catalogue::kDeviceType).toString(),
                          query.value(catalogue::kCount).toString().toInt(nullptr, 10));
    return true;
}

bool TaskDataBase::getDeviceList(int deviceClass, QStringList &deviceTypes)
{
    return m_language == 0 ? getDeviceListEN(deviceClass, deviceTypes)
                           : getDeviceListCN(deviceClass, deviceTypes);
}

bool TaskDataBase::getDeviceListCN(int deviceClass, QStringList &deviceTypes)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceListCN"))
        return false;

    if (deviceClass == Dvr || deviceClass == Nvr) {
        const QString first = deviceClass == Nvr ? tagCode(&ParamCode::getNVRType, kNvrTypeFallback)
                                                 : tagCode(&ParamCode::getDVRType, "010402");
        const QString second = tagCode(&ParamCode::getHNVRType, "010401");
        QVector<QString> found;
        if (!getDeviceByCodes(deviceClass, {first}, found) ||
            !getDeviceByCodes(deviceClass, {second}, found))
            return false;
        deviceTypes = QStringList(found.cbegin(), found.cend());
        return true;
    }

    QSqlQuery query(m_database);
    if (!exec(query, QStringLiteral("select* from %1").arg(m_deviceTables[deviceClass]), {},
              "getDevice"))
        return false;
    deviceTypes = distinctColumn(query, catalogue::kDeviceType);
    return true;
}

bool TaskDataBase::getDeviceListEN(int deviceClass, QStringList &deviceTypes)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceListEN"))
        return false;

    QVector<QVector<QString>> codeLists;
    switch (deviceClass) {
    case Dvr:
    case Nvr: {
        const QString english = tagCode(&ParamCode::getEnglistDVRDevice, "010501");
        const QString first = deviceClass == Nvr ? tagCode(&ParamCode::getNVRType, kNvrTypeFallback)
                                                 : tagCode(&ParamCode::getDVRType, "010402");
        const QString hybrid = tagCode(&ParamCode::getHNVRType, "010401");
        codeLists = {{first, english}, {hybrid, english}};
        break;
    }
    case Cvr:
        codeLists = {{tagCode(&ParamCode::getEnglistCVRDevice, "010201")}};
        break;
    case NetworkCamera:
        codeLists = {{tagCode(&ParamCode::getIPCType, "011001")}};
        break;
    case SpeedDome:
        codeLists = {{tagCode(&ParamCode::getEnglistDomeDevice, "010701")}};
        break;
    }

    QVector<QString> found;
    for (const QVector<QString> &codes : std::as_const(codeLists)) {
        if (!getDeviceByCodes(deviceClass, codes, found))
            return false;
    }
    deviceTypes = QStringList(found.cbegin(), found.cend());
    return true;
}

} // namespace kiv
