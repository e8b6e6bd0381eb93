#include "RecordPlanCopy.h"

#include "TaskDeviceFile.h"

namespace kiv {

RecordPlanCopy RecordPlanCopy::copy(const QString &taskName, int source,
                                    const QVector<int> &targets)
{
    RecordPlanCopy result;
    TaskDeviceFile file(taskName);
    QString plan;
    QString fren;
    if (!file.isOpen()) {
        result.outcome = SourceUnreadable;
        return result;
    }
    // A source that is no longer in the task has nothing to copy.
    if (!file.recordPlan(source, plan))
        plan.clear();
    if (!file.eventFren(source, fren))
        fren.clear();
    result.planMissing = plan.isEmpty();
    result.frenMissing = fren.isEmpty();
    for (int target : targets) {
        bool written = true;
        if (!plan.isEmpty())
            written = file.setRecordPlan(plan, target) && written;
        if (!fren.isEmpty())
            written = file.setEventFren(target, fren) && written;
        if (!written)
            result.gone << target;
    }
    if (!file.close()) {
        result.outcome = NotSaved;
        result.reason = file.lastError();
        result.gone.clear();
    }
    return result;
}

} // namespace kiv
