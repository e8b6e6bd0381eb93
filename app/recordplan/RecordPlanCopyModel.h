#pragma once

#include <QStandardItemModel>
#include <QVector>

namespace kiv {

/// The devices of a task, one row each, to tick the ones a record plan is
/// copied to. The device whose plan is copied is ticked and locked.
/// Columns: tick box (with a header tick box), index from 1, device type,
/// remark.
class RecordPlanCopyModel : public QStandardItemModel
{
    Q_OBJECT
public:
    RecordPlanCopyModel();
    ~RecordPlanCopyModel() override;
    Q_DISABLE_COPY_MOVE(RecordPlanCopyModel)

    /// Lists the devices of @p taskName, the one at @p sourceIndex locked.
    /// False, with no rows, when the devices cannot be read.
    bool loadDevices(const QString &taskName, int sourceIndex);
    /// Appends, in row order, every ticked row (the source row included).
    void checkedRows(QVector<int> &rows) const;
    int sourceIndex() const { return m_sourceIndex; }

private:
    void initHeader();

    int m_sourceIndex = -1;
};

} // namespace kiv
