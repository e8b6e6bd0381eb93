#pragma once

#include <QString>
#include <QVector>

namespace kiv {

/// What copying one device's record plan to other devices came to.
struct RecordPlanCopy
{
    enum Outcome {
        /// Saved; targets in @c gone and values the source lacks were left out.
        Copied,
        /// The task's device file could not be read; nothing changed.
        SourceUnreadable,
        /// The device file could not be saved; nothing reached the disk.
        NotSaved,
    };
    Outcome outcome = Copied;
    /// The device file's reason for a save that failed.
    QString reason;
    /// Targets that are no longer in the task, so nothing was copied to them.
    QVector<int> gone;
    /// The source has no stored record plan: the targets keep theirs.
    bool planMissing = false;
    /// The source has no stored event frequency: the targets keep theirs.
    bool frenMissing = false;

    /// Copies the record plan and event frequency stored for device
    /// @p source of task @p taskName to the devices @p targets, in one save
    /// of the task's device file. A value the source does not have is not
    /// copied: it would wipe each target's own.
    static RecordPlanCopy copy(const QString &taskName, int source, const QVector<int> &targets);
};

} // namespace kiv
