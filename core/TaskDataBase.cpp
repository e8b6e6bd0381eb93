#include "TaskDataBase.h"

#include "CatalogueColumns.h"
#include "CoreLogging.h"
#include "LanaguageManager.h"

#include <TargetPath.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace kiv {

namespace {

void logLine(const char *method, const char *what, const QString &text)
{
    qCDebug(lcCore).noquote() << QLatin1String("qeb TaskDataBase::") + QLatin1String(method) +
                                     QLatin1String(what) + text;
}

} // namespace

TaskDataBase::TaskDataBase()
    : TaskDataBase(KavrinGUIToolkit::GetTargetPath() +
                       (LanaguageManager::GetInstance()->language() == 0
                            ? QStringLiteral("Task_EN.db")
                            : QStringLiteral("Task.db")),
                   QLatin1String(QSqlDatabase::defaultConnection),
                   LanaguageManager::GetInstance()->language())
{
}

TaskDataBase::TaskDataBase(const QString &dbPath, const QString &connectionName, int language)
    : m_dbPath(dbPath), m_connectionName(connectionName), m_language(language)
{
    for (int deviceClass = 0; deviceClass < kDeviceClassCount; ++deviceClass) {
        m_paramTables[deviceClass] = catalogue::paramTable(deviceClass);
        m_deviceTables[deviceClass] = catalogue::deviceTable(deviceClass);
    }
    init();
}

TaskDataBase::~TaskDataBase()
{
    closeDB();
    m_database = QSqlDatabase();
    // After the application object has gone, Qt's connection registry may be
    // gone too; the process is ending and dropping the handle is enough.
    if (QCoreApplication::instance() && QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

void TaskDataBase::init()
{
    loadDB();
}

bool TaskDataBase::loadDB()
{
    if (m_opened)
        return true;
    // Opening a file that does not exist would create an empty catalogue and
    // report success.
    const QFileInfo info(m_dbPath);
    if (!info.isFile() || !info.isReadable()) {
        logLine("loadDB", " is error: ", QStringLiteral("no catalogue file ") + m_dbPath);
        return false;
    }
    if (!m_database.isValid()) {
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        m_database.setHostName(QStringLiteral("localhost"));
        m_database.setDatabaseName(m_dbPath);
        m_database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    if (!m_database.open()) {
        logLine("loadDB", " is error: ", m_database.lastError().text());
        return false;
    }
    // SQLite reads the file lazily: only a first statement tells a database
    // from any other bytes. It asks one of the catalogue's own tables, so an
    // empty file or another program's database is refused as well.
    {
        QSqlQuery probe(m_database);
        if (!probe.exec(
                QStringLiteral("select 1 from %1 limit 1").arg(m_deviceTables[NetworkCamera]))) {
            logLine("loadDB", " is error: ", probe.lastError().text());
            probe.finish();
            m_database.close();
            return false;
        }
    }
    m_opened = true;
    return true;
}

bool TaskDataBase::findMissingColumn(QString &table, QString &column) const
{
    if (!m_opened)
        return false;
    for (const catalogue::Table &wanted : catalogue::tables()) {
        // One row per column of the table; none for a table that is not
        // there. SQLite takes names in any letter case.
        QSqlQuery info(m_database);
        QStringList present;
        if (info.exec(QStringLiteral("pragma table_info(%1)").arg(wanted.name))) {
            while (info.next())
                present << info.value(QStringLiteral("name")).toString();
        }
        if (present.isEmpty()) {
            table = wanted.name;
            column.clear();
            return true;
        }
        for (const QString &name : wanted.columns) {
            if (!present.contains(name, Qt::CaseInsensitive)) {
                table = wanted.name;
                column = name;
                return true;
            }
        }
    }
    return false;
}

void TaskDataBase::closeDB()
{
    if (!m_opened)
        return;
    m_opened = false;
    m_database.close();
}

bool TaskDataBase::validClass(int deviceClass, const char *method)
{
    if (deviceClass >= 0 && deviceClass < kDeviceClassCount)
        return true;
    logLine(method, " has no device class ", QString::number(deviceClass));
    return false;
}

QString TaskDataBase::sqlText(const QString &sql, const QStringList &values)
{
    QString text;
    text.reserve(sql.size() + 16 * values.size());
    int next = 0;
    for (const QChar c : sql) {
        if (c == QLatin1Char('?') && next < values.size()) {
            text += QLatin1Char('"') + values.at(next++) + QLatin1Char('"');
        } else {
            text += c;
        }
    }
    return text;
}

bool TaskDataBase::exec(QSqlQuery &query, const QString &sql, const QStringList &values,
                        const char *logName, const QString &shownSql) const
{
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    if (ok) {
        for (const QString &value : values)
            query.addBindValue(value);
        ok = query.exec();
    }
    if (!ok && logName) {
        logLine(logName, " is sql: ", sqlText(shownSql.isEmpty() ? sql : shownSql, values));
        // The connection's own last error stays empty after a failed
        // statement; the statement holds the reason.
        logLine(logName, " is error: ", query.lastError().text());
    }
    return ok;
}

} // namespace kiv
