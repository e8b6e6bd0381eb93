// Resolution and frame-rate caches, each filled once when first asked, and
// the look-ups answered from them.

#include "CatalogueColumns.h"
#include "CoreLogging.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace kiv {

bool TaskDataBase::parseResolutionText(const QString &text, int &slot, QString &resolution,
                                       QString &frameRate)
{
    // "50Hz:25fps(1920x1080)": standard, frame rate with a three-character
    // unit, resolution in parentheses.
    const QStringList parts = text.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return false;
    const QStringList rest = parts.at(1).split(QLatin1Char('('), Qt::KeepEmptyParts);
    if (rest.size() != 2)
        return false;
    const QString rate = rest.at(0).trimmed();
    if (rate.size() < 3)
        return false;
    QString name = rest.at(1).trimmed();
    name.chop(1); // the closing parenthesis
    if (name.isEmpty())
        return false;
    slot = parts.at(0).trimmed() == QLatin1String("50Hz") ? 0 : 1;
    frameRate = rate.chopped(3);
    resolution = name;
    return true;
}

void TaskDataBase::ensureCache(CacheKind kind)
{
    if (m_cacheFilled[kind])
        return;
    m_cacheFilled[kind] = true;
    (void)loadCache(kind);
}

bool TaskDataBase::loadCache(CacheKind kind)
{
    if (!isOpen())
        return false;

    DeviceClass deviceClass = NetworkCamera;
    const char *fallbackPattern = "";
    const char *fallbackHeading = "";
    bool (ParamCode::*getter)(ParamCodeItem &) = nullptr;
    switch (kind) {
    case IpcResolutions:
        deviceClass = NetworkCamera;
        fallbackPattern = "0415%";
        fallbackHeading = "041500";
        getter = &ParamCode::getIPCResolution;
        break;
    case DomeResolutions:
        deviceClass = SpeedDome;
        fallbackPattern = "0602%";
        fallbackHeading = "060200";
        getter = &ParamCode::getDomeResolution;
        break;
    case DvrResolutions:
        deviceClass = Dvr;
        fallbackPattern = "0402%";
        fallbackHeading = "040200";
        getter = &ParamCode::getDVRResolution;
        break;
    case DvrFrameRates:
        deviceClass = Dvr;
        fallbackPattern = "0403%";
        fallbackHeading = "040300";
        getter = &ParamCode::getDVRFrameRate;
        break;
    case CacheKinds:
        return false;
    }

    QString pattern = QLatin1String(fallbackPattern);
    QString heading = QLatin1String(fallbackHeading);
    ParamCodeItem item;
    if ((ParamCode::GetInstance()->*getter)(item)) {
        pattern = item.likeCode;
        heading = item.code;
    }

    QSqlQuery rows(m_database);
    const QString rowSql = QStringLiteral("select* from %1 where %2 like ? and %2 !=  ?")
                               .arg(m_deviceTables[deviceClass], catalogue::kCode);
    if (!exec(rows, rowSql, {pattern, heading}, "getResolution"))
        return false;

    // Every model of a class shares the same few codes: each code's text is
    // looked up, and read, once, by one statement compiled once, not once per
    // row.
    const QString paramSql = QStringLiteral("select* from %1 where  %2 = ?")
                                 .arg(m_paramTables[deviceClass], catalogue::kCode);
    QSqlQuery param(m_database);
    param.setForwardOnly(true);
    if (!param.prepare(paramSql))
        return false;
    struct CodeText
    {
        bool found = false;
        QString text;
        // A resolution text, split.
        bool parsed = false;
        int slot = 0;
        QString resolution;
        QString frameRate;
    };
    QHash<QString, CodeText> texts;
    const int typeColumn = rows.record().indexOf(catalogue::kDeviceType);
    const int codeColumn = rows.record().indexOf(catalogue::kCode);
    while (rows.next()) {
        const QString deviceType = rows.value(typeColumn).toString();
        const QString code = rows.value(codeColumn).toString();
        auto known = texts.constFind(code);
        if (known == texts.cend()) {
            param.bindValue(0, code);
            if (!param.exec())
                return false;
            CodeText read;
            read.found = param.next();
            if (read.found)
                read.text = param.value(catalogue::kName).toString();
            if (read.found && (kind == IpcResolutions || kind == DomeResolutions))
                read.parsed =
                    parseResolutionText(read.text, read.slot, read.resolution, read.frameRate);
            param.finish();
            known = texts.insert(code, read);
        }
        if (!known->found)
            continue;
        const QString &text = known->text;

        switch (kind) {
        case IpcResolutions:
        case DomeResolutions: {
            if (!known->parsed) {
                // An unset slot or an empty resolution would become the
                // stream editor's default choice.
                qCDebug(lcCore).noquote()
                    << QStringLiteral("qeb TaskDataBase::getResolution drops ") + deviceType +
                           QStringLiteral(" ") + code + QStringLiteral(" \"") + text +
                           QStringLiteral("\"");
                break;
            }
            auto &cache = kind == IpcResolutions ? m_ipcResolutions : m_domeResolutions;
            cache[known->slot][deviceType].insert(known->resolution, known->frameRate);
            break;
        }
        case DvrResolutions: {
            QStringList &list = m_dvrResolutions[deviceType];
            if (!list.contains(text))
                list.append(text);
            break;
        }
        case DvrFrameRates: {
            const int slot = text.contains(QLatin1String("30")) ? 1 : 0;
            QStringList &list = m_dvrFrameRates[slot][deviceType];
            if (!list.contains(text))
                list.append(text);
            break;
        }
        case CacheKinds:
            break;
        }
    }
    return true;
}

bool TaskDataBase::getIPCResolution(const QString &deviceType, int standard,
                                    QList<QMap<QString, QString>> &maps)
{
    if (!isOpen())
        return false;
    ensureCache(IpcResolutions);
    const auto &cache = m_ipcResolutions[standardSlot(standard)];
    const auto it = cache.constFind(deviceType);
    if (it == cache.cend())
        return false;
    maps = {it.value()};
    return true;
}

bool TaskDataBase::getDomeResolution(const QString &deviceType, int standard,
                                     QList<QMap<QString, QString>> &maps)
{
    if (!isOpen())
        return false;
    ensureCache(DomeResolutions);
    const auto &cache = m_domeResolutions[standardSlot(standard)];
    const auto it = cache.constFind(deviceType);
    if (it == cache.cend())
        return false;
    maps = {it.value()};
    return true;
}

bool TaskDataBase::getDVRResolution(const QString &deviceType, QStringList &resolutions)
{
    if (!isOpen())
        return false;
    ensureCache(DvrResolutions);
    const auto it = m_dvrResolutions.constFind(deviceType);
    if (it == m_dvrResolutions.cend())
        return false;
    resolutions = it.value();
    return true;
}

bool TaskDataBase::getDVRFrameRate(const QString &deviceType, int standard, QStringList &frameRates)
{
    if (!isOpen())
        return false;
    ensureCache(DvrFrameRates);
    const auto &cache = m_dvrFrameRates[standardSlot(standard)];
    const auto it = cache.constFind(deviceType);
    if (it == cache.cend())
        return false;
    frameRates = it.value();
    return true;
}

} // namespace kiv
