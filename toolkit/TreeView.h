#pragma once

#include "ItemDataRole.h"
#include "KavrinGUIToolkitExport.h"
#include "ViewClickTracker.h"

#include <QTreeView>

namespace KavrinGUIToolkit {

class CHeaderView;

/// QTreeView with the toolkit's header (check boxes in sections, see
/// CHeaderView) and icon clicks: a left click on an item emits clicked()
/// first, then exactly one of SignalClicked(index, role), when it hit one of
/// the item's icons, or SignalClicked(index).
class KAVRIN_EXPORT CTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit CTreeView(QWidget *parent = nullptr);
    ~CTreeView() override;
    Q_DISABLE_COPY_MOVE(CTreeView)

    /// Whether the view keeps header check boxes and their columns in step
    /// (on by default). Off, it toggles no check box itself.
    void SetAutoChangeCheckbox(bool on);
    bool IsAutoChangeCheckbox() const;
    CHeaderView *GetHeaderView() const { return m_header; }
    /// Whether the current row is the item the view's owner has chosen (off
    /// by default). On, neither a press nor a drag moves the current row, so
    /// an icon click whose action is declined leaves the highlight where it
    /// was; the owner makes a clicked item current when it takes it. Keys
    /// that move the current row emit SignalClicked(index) for the new row,
    /// as a plain click on it would.
    void SetCurrentIsChosen(bool on);
    bool IsCurrentChosen() const { return m_currentIsChosen; }

signals:
    void SignalClicked(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role);
    void SignalClicked(const QModelIndex &index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    /// Puts the current row back where the owner chose it, when a press or
    /// a drag moved it.
    void keepChosenRow();

    CHeaderView *m_header;
    CViewClickTracker m_clicks;
    bool m_currentIsChosen = false;
    QPersistentModelIndex m_chosen;
};

} // namespace KavrinGUIToolkit
