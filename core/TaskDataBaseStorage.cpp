// RAID types, disk bays and the NVR model table.

#include "CatalogueColumns.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include <QSqlQuery>
#include <QVariant>

#include <limits>

namespace kiv {

namespace {

/// The LIKE pattern of a tag, or @p fallback when the table lacks the tag.
QString tagPattern(bool (ParamCode::*getter)(ParamCodeItem &), const char *fallback)
{
    ParamCodeItem item;
    if ((ParamCode::GetInstance()->*getter)(item))
        return item.likeCode;
    return QLatin1String(fallback);
}

QString raidPattern(int deviceClass)
{
    if (deviceClass == Cvr)
        return tagPattern(&ParamCode::getCVRRAID, "0206%");
    if (deviceClass == Nvr)
        return tagPattern(&ParamCode::getNVRRAID, "1001%");
    return QString();
}

QString bayPattern(int deviceClass)
{
    if (deviceClass == Cvr)
        return tagPattern(&ParamCode::getCVRHDDBay, "0201%");
    if (deviceClass == Nvr)
        return tagPattern(&ParamCode::getNVRHDDBay, "0501%");
    return QString();
}

/// The catalogue's bandwidth figure (Mbps) in Kbps. The figure is read in
/// 64 bits and clamped, so no catalogue text can overflow the product; a
/// negative figure counts as none.
qint64 bandwidthKbps(const QString &figure)
{
    bool ok = false;
    const qint64 mbps = figure.toLongLong(&ok, 10);
    if (!ok || mbps <= 0)
        return 0;
    constexpr qint64 largest = std::numeric_limits<qint64>::max() >> 10;
    return qMin(mbps, largest) << 10;
}

} // namespace

bool TaskDataBase::firstParamText(int deviceClass, const QString &deviceType,
                                  const QString &pattern, const char *logName, QString &text,
                                  bool &found)
{
    found = false;
    QSqlQuery rows(m_database);
    const QString rowSql =
        QStringLiteral("select* from %1 where %2 = ? and %3 like ?")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(rows, rowSql, {deviceType, pattern}, logName))
        return false;
    if (!rows.next())
        return true;

    QSqlQuery param(m_database);
    const QString paramSql = QStringLiteral("select* from %1 where  %2 = ?")
                                 .arg(m_paramTables[deviceClass], catalogue::kCode);
    if (!exec(param, paramSql, {rows.value(catalogue::kCode).toString()}, nullptr))
        return false;
    if (param.next()) {
        text = param.value(catalogue::kName).toString();
        found = true;
    }
    return true;
}

bool TaskDataBase::getRAIDType(int deviceClass, const QString &deviceType, QStringList &types)
{
    if (!isOpen() || !validClass(deviceClass, "getRAIDType"))
        return false;
    QSqlQuery rows(m_database);
    const QString rowSql =
        QStringLiteral("select* from %1 where %2 = ? and %3 like ?")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(rows, rowSql, {deviceType, raidPattern(deviceClass)}, "getResolution"))
        return false;

    QSqlQuery param(m_database);
    const QString paramSql = QStringLiteral("select* from %1 where  %2 = ?")
                                 .arg(m_paramTables[deviceClass], catalogue::kCode);
    while (rows.next()) {
        if (!exec(param, paramSql, {rows.value(catalogue::kCode).toString()}, nullptr))
            return false;
        if (param.next())
            types.append(param.value(catalogue::kName).toString());
    }
    return true;
}

bool TaskDataBase::getHDDBayNumber(int deviceClass, const QString &deviceType, int &bays)
{
    if (!isOpen() || !validClass(deviceClass, "getHDDBayNumber"))
        return false;
    QString text;
    bool found = false;
    if (!firstParamText(deviceClass, deviceType, bayPattern(deviceClass), "getSub2Param", text,
                        found))
        return false;
    if (found)
        bays = text.toInt(nullptr, 10);
    return true;
}

bool TaskDataBase::getNVRInfo(QList<NvrModel> &models)
{
    if (!isOpen())
        return false;
    QStringList names;
    if (!getDeviceList(Nvr, names))
        return false;

    const QString analogPattern = tagPattern(&ParamCode::getNVRAnalogInputNumber, "0201%");
    const QString bandwidthPattern = tagPattern(&ParamCode::getNVRBandWidth, "0204%");
    const QString netPattern = tagPattern(&ParamCode::getNVRNetInputNumber, "0203%");

    for (int i = 0; i < names.size(); ++i) {
        NvrModel model;
        model.id = i;
        model.name = names.at(i);

        QString text;
        bool found = false;
        if (!firstParamText(Nvr, model.name, analogPattern, "getResolution", text, found))
            return false;
        if (found)
            model.analogInputNumber = text.toInt(nullptr, 10);

        if (!firstParamText(Nvr, model.name, bandwidthPattern, "getResolution", text, found))
            return false;
        if (found)
            model.bandwidth = bandwidthKbps(text);

        if (!firstParamText(Nvr, model.name, netPattern, "getResolution", text, found))
            return false;
        if (found)
            model.netInputNumber = text.toInt(nullptr, 10);

        models.append(model);
    }
    return true;
}

} // namespace kiv
