#include "DeviceFilter.h"

#include "ParamCode.h"
#include "TaskDataBase.h"

#include <QMap>
#include <QSet>

#include <algorithm>

namespace kiv {

namespace {

/// The code that marks the NVR models among the DVRs.
QString nvrTypeCode()
{
    ParamCodeItem item;
    if (ParamCode::GetInstance()->getNVRType(item) && !item.code.isEmpty())
        return item.code;
    return QLatin1String(kNvrTypeFallback);
}

/// @p types with every model once, in the order first met: a model the
/// catalogue names twice must count once when the lists are intersected.
QVector<QString> once(const QVector<QString> &types)
{
    QVector<QString> list;
    QSet<QString> seen;
    for (const QString &type : types) {
        if (!seen.contains(type)) {
            seen.insert(type);
            list.append(type);
        }
    }
    return list;
}

} // namespace

DeviceFilter::DeviceFilter(TaskDataBase &catalogue) : m_catalogue(catalogue)
{
}

QStringList DeviceFilter::classList(int deviceClass) const
{
    QStringList types;
    (void)m_catalogue.getDeviceList(deviceClass, types);
    // The DVR list joins two type codes and can name a model twice.
    const QVector<QString> unique = once(QVector<QString>(types.cbegin(), types.cend()));
    const QString nvrCode = deviceClass == Dvr ? nvrTypeCode() : QString();
    QStringList listed;
    for (const QString &type : unique) {
        if (deviceClass == Dvr && m_catalogue.isDeviceCode(Dvr, type, nvrCode))
            continue;
        listed.append(type);
    }
    return listed;
}

QVector<QString> DeviceFilter::groupTypes(int deviceClass, const FilterGroupTicks &group) const
{
    QVector<QString> types;
    if (!group.allOf) {
        (void)m_catalogue.getDeviceByCodesOrdered(deviceClass, group.codes, types);
        return types;
    }
    // Every ticked value: the models carrying each code, however many rows of
    // one code the catalogue holds for a model.
    QSet<QString> common;
    for (int c = 0; c < group.codes.size(); ++c) {
        QSet<QString> carrying;
        (void)m_catalogue.getDeviceTypesOfCode(deviceClass, group.codes.at(c), carrying);
        if (c == 0)
            common = carrying;
        else
            common.intersect(carrying);
    }
    types = QVector<QString>(common.cbegin(), common.cend());
    std::sort(types.begin(), types.end());
    return types;
}

QStringList DeviceFilter::filter(int deviceClass, const QVector<FilterGroupTicks> &groups,
                                 const QString &keyword) const
{
    QVector<QVector<QString>> lists;
    for (const FilterGroupTicks &group : groups) {
        if (group.codes.isEmpty())
            continue;
        if (lists.size() >= kWorkingLists)
            break;
        lists.append(once(groupTypes(deviceClass, group)));
    }
    if (lists.size() < kWorkingLists) {
        QStringList all;
        (void)m_catalogue.getDeviceList(deviceClass, all);
        lists.append(once(QVector<QString>(all.cbegin(), all.cend())));
    }

    // A model passes when every list names it; a list that came back empty
    // leaves no model that does.
    QMap<QString, int> occurrences;
    for (const QVector<QString> &list : std::as_const(lists)) {
        if (list.isEmpty())
            return QStringList();
        for (const QString &type : list)
            ++occurrences[type];
    }
    const QRegularExpression pattern = keywordPattern(keyword);
    QStringList result;
    for (auto it = occurrences.cbegin(); it != occurrences.cend(); ++it) {
        if (it.value() == lists.size() && pattern.match(it.key()).hasMatch())
            result.append(it.key());
    }
    return result;
}

QRegularExpression DeviceFilter::keywordPattern(const QString &keyword)
{
    return QRegularExpression(QRegularExpression::escape(keyword));
}

} // namespace kiv
