// Parameter trees, models by code and a model's full parameter sheet.

#include "TaskDataBase.h"

#include "CoreLogging.h"

#include <QSqlQuery>
#include <QVariant>

namespace kiv {

namespace {

ParamItem paramItemFromRow(const QSqlQuery &query)
{
    ParamItem item;
    item.text = query.value(0).toString();
    item.code = query.value(1).toString();
    item.kind = query.value(2).toString().toInt(nullptr, 10);
    item.unit = query.value(3).toString();
    item.upperUnit = query.value(4).toString();
    return item;
}

// The rows under a heading or a group, that row itself left out. The debug
// lines show the statement without a blank before "and", as it always read.
QString groupStatement()
{
    return QStringLiteral("select* from %1 where code like ? and code != ?");
}

QString groupStatementShown()
{
    return QStringLiteral("select* from %1 where code like ?and code != ?");
}

} // namespace

bool TaskDataBase::getMainParam(int deviceClass, QMap<QString, QString> &codeToText)
{
    if (!m_opened || !validClass(deviceClass, "getMainParam"))
        return false;
    QSqlQuery query(m_database);
    const QString sql = QStringLiteral("select* from %1").arg(m_paramTables[deviceClass]) +
                        QStringLiteral(" where code like '%0000'");
    if (!exec(query, sql, {}, "getMainParam"))
        return false;
    while (query.next())
        codeToText.insert(query.value(1).toString(), query.value(0).toString());
    return true;
}

bool TaskDataBase::getSub1Param(int deviceClass, const QString &headingCode,
                                QMap<QString, QString> &codeToText)
{
    if (!m_opened || !validClass(deviceClass, "getSub1Param"))
        return false;
    QSqlQuery query(m_database);
    const QString table = m_paramTables[deviceClass];
    const QString pattern = headingCode.left(2) + QStringLiteral("%00");
    if (!exec(query, groupStatement().arg(table), {pattern, headingCode}, "getSub1Param",
              groupStatementShown().arg(table)))
        return false;
    while (query.next())
        codeToText.insert(query.value(1).toString(), query.value(0).toString());
    return true;
}

bool TaskDataBase::getSub2Param(int deviceClass, const QString &groupCode,
                                QVector<ParamItem> &items)
{
    if (!m_opened || !validClass(deviceClass, "getSub2Param"))
        return false;
    QSqlQuery query(m_database);
    const QString table = m_paramTables[deviceClass];
    const QString pattern = groupCode.left(4) + QStringLiteral("%");
    if (!exec(query, groupStatement().arg(table), {pattern, groupCode}, "getSub2Param",
              groupStatementShown().arg(table)))
        return false;
    while (query.next())
        items.append(paramItemFromRow(query));
    return true;
}

bool TaskDataBase::getDeviceByCodes(int deviceClass, const QVector<QString> &codes,
                                    QVector<QString> &deviceTypes)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceByCodes"))
        return false;
    // QMap walks its keys in ascending order: the result comes sorted by name.
    QMap<QString, int> counts;
    const QString sql =
        QStringLiteral("select* from %1 where code = ?").arg(m_deviceTables[deviceClass]);
    for (const QString &code : codes) {
        qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb test sql: ") + sqlText(sql, {code});
        QSqlQuery query(m_database);
        if (!exec(query, sql, {code}, "getSub2Param"))
            return false;
        while (query.next())
            ++counts[query.value(0).toString()];
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() == codes.size())
            deviceTypes.append(it.key());
    }
    return true;
}

bool TaskDataBase::getDeviceTypesOfCode(int deviceClass, const QString &code,
                                        QSet<QString> &deviceTypes)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceTypesOfCode"))
        return false;
    const QString sql =
        QStringLiteral("select* from %1 where code = ?").arg(m_deviceTables[deviceClass]);
    qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb test sql: ") + sqlText(sql, {code});
    QSqlQuery query(m_database);
    if (!exec(query, sql, {code}, "getSub2Param"))
        return false;
    while (query.next())
        deviceTypes.insert(query.value(0).toString());
    return true;
}

bool TaskDataBase::getDeviceAllParam(int deviceClass, const QString &deviceType, ParamSheet &sheet,
                                     QVector<QString> &headingOrder)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceAllParam"))
        return false;

    QSqlQuery devices(m_database);
    const QString deviceSql = QStringLiteral("select* from %1 where DeviceType = ? order by code")
                                  .arg(m_deviceTables[deviceClass]);
    if (!exec(devices, deviceSql, {deviceType}, "getDeviceAllParam"))
        return false;

    const QString paramSql = QStringLiteral("select* from %1 where  code = ? order by code")
                                 .arg(m_paramTables[deviceClass]);
    QSqlQuery param(m_database);
    // The first parameter row of a code; false when the statement fails.
    auto lookUp = [&](const QString &code, bool &found) {
        found = false;
        if (!exec(param, paramSql, {code}, "getDeviceAllParam"))
            return false;
        found = param.next();
        return true;
    };

    while (devices.next()) {
        const QString code = devices.value(1).toString();
        bool found = false;

        if (!lookUp(code, found))
            return false;
        if (!found) {
            qCDebug(lcCore).noquote()
                << QStringLiteral("qeb TaskDataBase::getDeviceAllParam has no row for ") + code;
            continue;
        }
        const ParamItem item = paramItemFromRow(param);

        const QString groupCode = code.left(code.size() - 2) + QStringLiteral("00");
        if (!lookUp(groupCode, found))
            return false;
        if (!found) {
            qCDebug(lcCore).noquote()
                << QStringLiteral("qeb TaskDataBase::getDeviceAllParam has no row for ") +
                       groupCode;
            continue;
        }
        const QString groupText = param.value(0).toString();
        const QString groupRowCode = param.value(1).toString();

        const QString headingCode =
            groupRowCode.left(groupRowCode.size() - 4) + QStringLiteral("0000");
        if (!lookUp(headingCode, found))
            return false;
        if (!found) {
            qCDebug(lcCore).noquote()
                << QStringLiteral("qeb TaskDataBase::getDeviceAllParam has no row for ") +
                       headingCode;
            continue;
        }
        const QString headingText = param.value(0).toString();

        auto heading = sheet.find(headingText);
        if (heading == sheet.end()) {
            heading = sheet.insert(headingText, {});
            headingOrder.append(headingText);
        }
        (*heading)[groupText].append(item);
    }
    return true;
}

} // namespace kiv
