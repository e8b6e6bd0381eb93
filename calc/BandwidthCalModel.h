#pragma once

#include <BandwidthCalculation.h>

#include <QStandardItemModel>

namespace kiv {

/// The bandwidth calculator's result row: Preview, Record, Transmission and
/// Total, each a figure with its unit. It computes, shows, loads and stores
/// the four figures of a task.
class BandwidthCalModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit BandwidthCalModel(QObject *parent = nullptr);
    ~BandwidthCalModel() override;
    Q_DISABLE_COPY_MOVE(BandwidthCalModel)

    /// What a calculation came to.
    enum Outcome {
        Calculated,
        /// The task's device file or a device's streams cannot be read.
        Unreadable,
        /// A rate or count of a stream cannot be counted.
        Uncomputable,
    };

    /// Computes the task's figures and shows them; blanks the row when they
    /// cannot be computed. For Unreadable, @p reason (when given) is the
    /// device file's own reason, empty when it gave none.
    Outcome calculate(const QString &taskName, QString *reason = nullptr);
    /// Blanks the four figures.
    void clearResult();
    /// Shows the task's stored figures, or blanks the row when the task has
    /// no enabled bandwidth result.
    void loadResult(const QString &taskName);
    /// Stores the four figures shown as the task's bandwidth result, with
    /// @p enabled as its flag. False when the task list cannot be written;
    /// @p reason (when given) then holds the task list's reason.
    bool saveResult(const QString &taskName, bool enabled, QString *reason = nullptr);

    /// The text of cell @p column (0 Preview to 3 Total).
    QString cellText(int column) const;

private:
    void init();
    void show(const BandwidthFigures &figures);
};

} // namespace kiv
