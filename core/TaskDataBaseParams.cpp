// Parameter trees, models by code and a model's full parameter sheet.

#include "TaskDataBase.h"

#include "CatalogueColumns.h"
#include "CoreLogging.h"

#include <QSqlQuery>
#include <QVariant>

namespace kiv {

namespace {

ParamItem paramItemFromRow(const QSqlQuery &query)
{
    ParamItem item;
    item.text = query.value(catalogue::kName).toString();
    item.code = query.value(catalogue::kCode).toString();
    item.kind = query.value(catalogue::kType).toString().toInt(nullptr, 10);
    item.unit = query.value(catalogue::kUnit).toString();
    item.upperUnit = query.value(catalogue::kUpperUnit).toString();
    return item;
}

// The rows under a heading or a group, that row itself left out. The debug
// lines show the statement without a blank before "and", as it always read.
QString groupStatement(const QString &table)
{
    return QStringLiteral("select* from %1 where %2 like ? and %2 != ?")
        .arg(table, catalogue::kCode);
}

QString groupStatementShown(const QString &table)
{
    return QStringLiteral("select* from %1 where %2 like ?and %2 != ?")
        .arg(table, catalogue::kCode);
}

} // namespace

bool TaskDataBase::getMainParam(int deviceClass, QMap<QString, QString> &codeToText)
{
    if (!m_opened || !validClass(deviceClass, "getMainParam"))
        return false;
    QSqlQuery query(m_database);
    // The pattern, with its '%', is added after arg(), out of reach of its
    // place markers.
    const QString sql = QStringLiteral("select* from %1 where %2")
                            .arg(m_paramTables[deviceClass], catalogue::kCode) +
                        QStringLiteral(" like '%0000'");
    if (!exec(query, sql, {}, "getMainParam"))
        return false;
    while (query.next())
        codeToText.insert(query.value(catalogue::kCode).toString(),
                          query.value(catalogue::kName).toString());
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
    if (!exec(query, groupStatement(table), {pattern, headingCode}, "getSub1Param",
              groupStatementShown(table)))
        return false;
    while (query.next())
        codeToText.insert(query.value(catalogue::kCode).toString(),
                          query.value(catalogue::kName).toString());
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
    if (!exec(query, groupStatement(table), {pattern, groupCode}, "getSub2Param",
              groupStatementShown(table)))
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
    const QString sql = QStringLiteral("select* from %1 where %2 = ?")
                            .arg(m_deviceTables[deviceClass], catalogue::kCode);
    for (const QString &code : codes) {
        qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb test sql: ") + sqlText(sql, {code});
        QSqlQuery query(m_database);
        if (!exec(query, sql, {code}, "getSub2Param"))
            return false;
        while (query.next())
            ++counts[query.value(catalogue::kDeviceType).toString()];
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
    const QString sql = QStringLiteral("select* from %1 where %2 = ?")
                            .arg(m_deviceTables[deviceClass], catalogue::kCode);
    qCDebug(lcCatalogue).noquote() << QStringLiteral("qeb test sql: ") + sqlText(sql, {code});
    QSqlQuery query(m_database);
    if (!exec(query, sql, {code}, "getSub2Param"))
        return false;
    while (query.next())
        deviceTypes.insert(query.value(catalogue::kDeviceType).toString());
    return true;
}

bool TaskDataBase::getDeviceAllParam(int deviceClass, const QString &deviceType, ParamSheet &sheet,
                                     QVector<QString> &headingOrder)
{
    if (!m_opened || !validClass(deviceClass, "getDeviceAllParam"))
        return false;

    QSqlQuery devices(m_database);
    const QString deviceSql =
        QStringLiteral("select* from %1 where %2 = ? order by %3")
            .arg(m_deviceTables[deviceClass], catalogue::kDeviceType, catalogue::kCode);
    if (!exec(devices, deviceSql, {deviceType}, "getDeviceAllParam"))
        return false;

    const QString paramSql = QStringLiteral("select* from %1 where  %2 = ? order by %2")
                                 .arg(m_paramTables[deviceClass], catalogue::kCode);
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
        const QString code = devices.value(catalogue::kCode).toString();
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
        const QString groupText = param.value(catalogue::kName).toString();
        const QString groupRowCode = param.value(catalogue::kCode).toString();

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
        const QString headingText = param.value(catalogue::kName).toString();

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
