#include "RecordHours.h"

#include <algorithm>

namespace kiv {

namespace {

constexpr int kHoursPerDay = 24;

} // namespace

int recordHoursOfPlan(const QString &plan, int eventFrequency)
{
    const int frequency = std::clamp(eventFrequency, 0, 100);
    int percent = 0;
    const int hours = std::min<int>(int(plan.size()), kHoursPerDay);
    for (int i = 0; i < hours; ++i) {
        const QChar c = plan.at(i);
        if (c == QLatin1Char('1'))
            percent += 100;
        else if (c == QLatin1Char('2'))
            percent += frequency;
    }
    return (percent + 99) / 100;
}

int eventFrequencyOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

qint64 recordDays(int recordTime, int timeUnit)
{
    switch (timeUnit) {
    case 1:
        return qint64(recordTime) * 7;
    case 2:
        return qint64(recordTime) * 30;
    default:
        return recordTime;
    }
}

int recordTimeLimit(int timeUnit)
{
    switch (timeUnit) {
    case 1:
        return 52;
    case 2:
        return 12;
    default:
        return 365;
    }
}

int recordTimeUnitOf(int stored)
{
    return stored >= 0 && stored <= 2 ? stored : 0;
}

} // namespace kiv
