#pragma once

#include <QStandardItemModel>

class FilterConfig;

namespace kiv {

/// The parameter tree of one device class in the add-device filter: the
/// catalogue's headings, their groups and each group's values with a check
/// box, less what FilterConfig.xml hides for the class. Row 0 under each
/// group says how its ticks combine: "Any One" (ticked and disabled: any
/// ticked value will do) or a "Whether to satisfy" box (ticked: every ticked
/// value is needed), for the groups in the class's check list. The model
/// filters nothing itself; the dialog reads the ticks.
class ParamModel : public QStandardItemModel
{
    Q_OBJECT
public:
    /// The parameter code of heading and value items.
    static constexpr int CodeRole = Qt::UserRole + 1;
    /// Group items and their mode item: 1 when the group offers "Whether to
    /// satisfy", 0 for an "Any One" group.
    static constexpr int SatisfyRole = Qt::UserRole + 2;
    /// 1 on the group items of "Any One" groups and on their mode items.
    static constexpr int AnyOneRole = Qt::UserRole + 5;

    ParamModel();
    ~ParamModel() override;
    Q_DISABLE_COPY_MOVE(ParamModel)

    /// Builds the tree of @p deviceClass from the catalogue and the filter
    /// configuration. Called once, right after construction.
    void loadParams(int deviceClass);
    /// The same with the filter configuration read already (one reading
    /// serves the trees of every class).
    void loadParams(int deviceClass, const FilterConfig &config);
    /// Unticks every value and "Whether to satisfy" box; the disabled "Any
    /// One" items stay ticked. Each change is an itemChanged().
    void setChildrenCheckState();
};

} // namespace kiv
