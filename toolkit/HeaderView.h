#pragma once

#include "ItemDataRole.h"
#include "KavrinGUIToolkitExport.h"

#include <QHeaderView>

namespace KavrinGUIToolkit {

/// The header of the toolkit's views. A section whose header data holds true
/// under HeaderCheckBoxRole (162) draws a check box showing the section's
/// Qt::CheckStateRole header data.
///
/// With automatic check boxes on (the default) the header keeps such a
/// section and its column in step: a click on the section ticks or unticks
/// every enabled, checkable cell of the column, and a change of a cell
/// recounts the section (all ticked, none, or partly). With it off the header
/// only reports sectionClicked() and the model decides.
class KAVRIN_EXPORT CHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit CHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~CHeaderView() override;
    Q_DISABLE_COPY_MOVE(CHeaderView)

    void SetAutoChangeCheckbox(bool on) { m_autoCheck = on; }
    bool IsAutoChangeCheckbox() const { return m_autoCheck; }

    bool HasCheckBox(int logicalIndex) const;
    Qt::CheckState CheckState(int logicalIndex) const;

    void setModel(QAbstractItemModel *model) override;

    /// Makes the section @p logicalIndex take the room the header has
    /// beyond its other sections, never less than @p minimumWidth; -1 gives
    /// every section its own width again. Unlike a stretched section, it
    /// never goes below that width, so a narrow view scrolls instead.
    void SetFillSection(int logicalIndex, int minimumWidth);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    void onSectionClicked(int logicalIndex);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                       const QList<int> &roles);
    void recount(int logicalIndex);
    /// Calls @p fn on every enabled, checkable cell of the column, the
    /// children of tree rows included.
    template <typename Fn> void forEachCheckable(int logicalIndex, Fn fn) const;
    int checkBoxWidth() const;
    void fitFillSection();

    int m_fillSection = -1;
    int m_fillMinimum = 0;
    bool m_fitting = false;
    bool m_autoCheck = true;
    bool m_updating = false;
    QMetaObject::Connection m_dataChanged;
};

} // namespace KavrinGUIToolkit
