#pragma once

#include <QString>
#include <QtGlobal>

namespace kiv {

/// Hours of a day that @p plan records: each "1" (scheduled recording) is a
/// whole hour, each "2" (event recording) @p eventFrequency percent of an
/// hour, and the sum is rounded up to whole hours. The sum is kept in whole
/// percent, so 10 event hours at 70 % give 7 hours, never 8. Only the first
/// 24 characters (one day) count; a frequency outside 0 to 100 counts as the
/// nearer bound.
int recordHoursOfPlan(const QString &plan, int eventFrequency);

/// A stored event frequency ("70", the percentage without "%") as a number;
/// 0 for an empty text or one that is not a whole number.
int eventFrequencyOf(const QString &text);

/// Record time in days: @p recordTime days for unit 0, weeks (7 days) for
/// unit 1, months (30 days) for unit 2; any other unit counts as days.
qint64 recordDays(int recordTime, int timeUnit);

/// The longest record time the planner may enter in @p timeUnit: 365 days,
/// 52 weeks or 12 months; any other unit counts as days.
int recordTimeLimit(int timeUnit);

/// A stored time unit as the form shows it: 0 days, 1 weeks, 2 months; any
/// other stored value is read as days.
int recordTimeUnitOf(int stored);

} // namespace kiv
