#pragma once

#include "TaskDataBase.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>

/// Small catalogues for tests, built at test start from the committed SQL
/// text under tests/data/catalogue (schema.sql first, then the fixtures).
namespace CatalogueFixture {

/// A connection name no other catalogue of the process uses.
inline QString uniqueConnectionName(const char *purpose = "catalogue")
{
    static QAtomicInt counter;
    return QStringLiteral("%1-%2").arg(QLatin1String(purpose)).arg(counter.fetchAndAddRelaxed(1));
}

/// The statements of an SQL text, split at ';' outside quotes and comments.
inline QStringList splitStatements(const QString &sql)
{
    QStringList statements;
    QString current;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (quote.isNull() && c == QLatin1Char('-') && i + 1 < sql.size() &&
            sql.at(i + 1) == QLatin1Char('-')) {
            while (i < sql.size() && sql.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

inline QString fixturePath(const QString &name)
{
    return QStringLiteral(VARNEL_TEST_DATA_DIR "/catalogue/") + name;
}

/// Runs every statement of the SQL files @p files (relative to
/// tests/data/catalogue, or absolute) into a new database at @p dbPath.
inline bool buildFromFiles(const QString &dbPath, const QStringList &files)
{
    QFile::remove(dbPath);
    const QString name = uniqueConnectionName("fixture-writer");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dbPath);
        ok = db.open();
        if (!ok)
            qWarning() << "cannot create" << dbPath << db.lastError().text();
        for (const QString &file : files) {
            if (!ok)
                break;
            QFile in(file.startsWith(QLatin1Char('/')) ? file : fixturePath(file));
            if (!in.open(QIODevice::ReadOnly)) {
                qWarning() << "cannot read fixture" << in.fileName();
                ok = false;
                break;
            }
            const QStringList statements = splitStatements(QString::fromUtf8(in.readAll()));
            for (const QString &statement : statements) {
                QSqlQuery query(db);
                if (!query.exec(statement)) {
                    qWarning() << "fixture statement failed:" << statement
                               << query.lastError().text();
                    ok = false;
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

/// A fixture catalogue: the empty tables of schema.sql plus @p fixtures.
inline bool build(const QString &dbPath, const QStringList &fixtures)
{
    return buildFromFiles(dbPath, QStringList{QStringLiteral("schema.sql")} + fixtures);
}

/// Another program's database at @p dbPath: well-formed, without the
/// catalogue's tables.
inline bool buildForeign(const QString &dbPath)
{
    return buildFromFiles(dbPath, {QStringLiteral("foreign.sql")});
}

/// Copies a parameter-code table from tests/data/paramcode into @p folder as
/// ParamCode.xml.
inline bool useParamCode(const QString &folder, const QString &fixture)
{
    const QString target = folder + QStringLiteral("ParamCode.xml");
    QFile::remove(target);
    return QFile::copy(QStringLiteral(VARNEL_TEST_DATA_DIR "/paramcode/") + fixture, target);
}

/// A catalogue object, under a connection of its own, on a fixture
/// catalogue built as @p dbName in the program folder @p folder. The caller
/// checks isOpen().
inline std::unique_ptr<kiv::TaskDataBase> open(const QString &folder, const QStringList &fixtures,
                                               int language = 0,
                                               const QString &dbName = QStringLiteral("Task_EN.db"))
{
    if (!build(folder + dbName, fixtures))
        return nullptr;
    return std::make_unique<kiv::TaskDataBase>(folder + dbName, uniqueConnectionName(), language);
}

} // namespace CatalogueFixture
