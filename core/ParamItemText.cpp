#include "ParamItemText.h"

#include "TaskDataBase.h"

#include <QStringList>

namespace kiv {

QString paramItemText(const ParamItem &item)
{
    if (item.kind != 3)
        return item.text + item.unit;
    const QStringList bounds = item.text.split(QLatin1Char('~'), Qt::KeepEmptyParts);
    if (bounds.size() != 2)
        return item.text;
    return bounds.at(0) + item.unit + QLatin1Char('~') + bounds.at(1) + item.upperUnit;
}

} // namespace kiv
