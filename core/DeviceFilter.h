#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kiv {

class TaskDataBase;

/// The ticks of one group of a parameter filter tree.
struct FilterGroupTicks
{
    /// The codes of the values ticked in the group, in tree order.
    QVector<QString> codes;
    /// True when a model must carry every ticked value (the group offers
    /// "Whether to satisfy" and it is ticked); otherwise any one will do.
    bool allOf = false;
};

/// Picks device models of one class out of the catalogue by the parameter
/// values the planner ticked and by a keyword: the add-device dialog's filter,
/// without the dialog.
///
/// A model passes when the class's list names it and it passes every group
/// with ticks. A group that no model passes empties the result, so does a
/// class list that cannot be read. At most kWorkingLists lists take part in
/// one run, the class list included: groups beyond that take no part, and
/// when the groups fill every list the class list takes none.
class DeviceFilter
{
public:
    /// The most lists, the class list included, that take part in one run.
    static constexpr int kWorkingLists = 250;

    /// A filter over @p catalogue, which must outlive it.
    explicit DeviceFilter(TaskDataBase &catalogue);

    /// The models the dialog lists before any tick: the class's list in the
    /// catalogue's order, each model once, for DVRs without the NVR models
    /// that share their tables.
    QStringList classList(int deviceClass) const;

    /// The models of @p deviceClass that pass every group of @p groups (a
    /// group without codes takes no part) and contain @p keyword, in
    /// ascending text order. Without ticked codes this is the class's whole
    /// list, NVR models among the DVRs included.
    QStringList filter(int deviceClass, const QVector<FilterGroupTicks> &groups,
                       const QString &keyword = QString()) const;

    /// What a keyword matches: its text anywhere in a model's name, case
    /// sensitive, taken as plain text (a name such as "KC-B21(W)" finds
    /// itself). An empty keyword matches every name.
    static QRegularExpression keywordPattern(const QString &keyword);

private:
    /// The models carrying the group's codes: all of them for an all-of
    /// group, in ascending order, else any, in the order first found.
    QVector<QString> groupTypes(int deviceClass, const FilterGroupTicks &group) const;

    TaskDataBase &m_catalogue;
};

} // namespace kiv
