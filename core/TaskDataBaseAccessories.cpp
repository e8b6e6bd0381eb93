// Accessory types (stands, shields, lenses) of a model and device-code tests.

#include "CatalogueColumns.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include <QSqlQuery>
#include <QVariant>

namespace kiv {

bool TaskDataBase::accessoryTypes(AccessoryKind kind, const QString &deviceType,
                                  QVector<QString> &types)
{
    if (!isOpen())
        return false;

    DeviceClass deviceClass = NetworkCamera;
    const char *fallbackPattern = "";
    bool (ParamCode::*getter)(ParamCodeItem &) = nullptr;
    switch (kind) {
    case IpcStand:
        fallbackPattern = "0102%";
        getter = &ParamCode::getIPCStand;
        break;
    case DomeStand:
        deviceClass = SpeedDome;
        fallbackPattern = "0103%";
        getter = &ParamCode::getDomeStand;
        break;
    case IpcShield:
        fallbackPattern = "0104%";
        getter = &ParamCode::getIPCShield;
        break;
    case IpcLens:
        fallbackPattern = "0103%";
        getter = &ParamCode::getIPCLens;
        break;
    }

    QString pattern = QLatin1String(fallbackPattern);
    ParamCodeItem item;
    if ((ParamCode::GetInstance()->*getter)(item))
        pattern = item.likeCode;

    QSqlQuery rows(m_database);
    const QString rowSql =
        QStringLiteral("select* from %1 where %2 = ? and %3 like ?")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(rows, rowSql, {deviceType, pattern}, "getResolution"))
        return false;

    const QString paramSql = QStringLiteral("select* from %1 where  %2 = ?")
                                 .arg(m_paramTables[deviceClass], catalogue::kCode);
    QSqlQuery param(m_database);
    while (rows.next()) {
        if (!exec(param, paramSql, {rows.value(catalogue::kCode).toString()}, nullptr))
            return false;
        if (param.next())
            types.append(param.value(catalogue::kName).toString());
    }
    return true;
}

bool TaskDataBase::getIPCStand(const QString &deviceType, QVector<QString> &types)
{
    return accessoryTypes(IpcStand, deviceType, types);
}

bool TaskDataBase::getDomeStand(const QString &deviceType, QVector<QString> &types)
{
    return accessoryTypes(DomeStand, deviceType, types);
}

bool TaskDataBase::getIPCShield(const QString &deviceType, QVector<QString> &types)
{
    return accessoryTypes(IpcShield, deviceType, types);
}

bool TaskDataBase::getIPCLens(const QString &deviceType, QVector<QString> &types)
{
    return accessoryTypes(IpcLens, deviceType, types);
}

bool TaskDataBase::isDeviceCode(int deviceClass, const QString &deviceType, const QString &code)
{
    if (!isOpen() || !validClass(deviceClass, "isDeviceCode"))
        return false;
    QSqlQuery query(m_database);
    const QString sql =
        QStringLiteral("select* from %1 where %2 = ? and %3 = ?")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(query, sql, {deviceType, code}, "isDeviceCode"))
        return false;
    return query.next();
}

bool TaskDataBase::getDeviceByCodesOrdered(int deviceClass, const QVector<QString> &codes,
                                           QVector<QString> &deviceTypes)
{
    if (!isOpen() || !validClass(deviceClass, "getDeviceByCodesOrdered"))
        return false;
    const QString sql = QStringLiteral("select* from %1 where %2 = ?")
                            .arg(m_deviceTables[deviceClass], catalogue::kCode);
    for (const QString &code : codes) {
        QSqlQuery query(m_database);
        if (!exec(query, sql, {code}, "getSub2Param"))
            return false;
        while (query.next()) {
            const QString deviceType = query.value(catalogue::kDeviceType).toString();
            if (!deviceTypes.contains(deviceType))
                deviceTypes.append(deviceType);
        }
    }
    return true;
}

bool TaskDataBase::hasCodeGroup(int deviceClass, const QString &deviceType)
{
    if (!isOpen() || !validClass(deviceClass, "hasCodeGroup"))
        return false;
    QString pattern;
    if (deviceClass == NetworkCamera)
        pattern = QStringLiteral("0410%");
    else if (deviceClass == SpeedDome)
        pattern = QStringLiteral("0604%");
    QSqlQuery query(m_database);
    const QString sql =
        QStringLiteral("select* from %1 where %2 = ? and %3 like ?")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(query, sql, {deviceType, pattern}, "isDeviceCode"))
        return false;
    return query.next();
}

} // namespace kiv
