#pragma once

#include "ItemDataRole.h"
#include "KavrinGUIToolkitExport.h"
#include "ViewClickTracker.h"

#include <QTableView>

namespace KavrinGUIToolkit {

class CHeaderView;

/// QTableView with the toolkit's header (check boxes in sections, see
/// CHeaderView) and icon clicks: a left click on an item emits clicked()
/// first, then exactly one of SignalClicked(index, role), when it hit one of
/// the item's icons, or SignalClicked(index).
class KAVRIN_EXPORT CTableView : public QTableView
{
    Q_OBJECT
public:
    explicit CTableView(QWidget *parent = nullptr);
    ~CTableView() override;
    Q_DISABLE_COPY_MOVE(CTableView)

    /// Whether the view keeps header check boxes and their columns in step
    /// (on by default). Off, it toggles no check box itself.
    void SetAutoChangeCheckbox(bool on);
    bool IsAutoChangeCheckbox() const;
    CHeaderView *GetHeaderView() const { return m_header; }

signals:
    void SignalClicked(const QModelIndex &index, KavrinGUIToolkit::CItemDataRole role);
    void SignalClicked(const QModelIndex &index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    CHeaderView *m_header;
    CViewClickTracker m_clicks;
};

} // namespace KavrinGUIToolkit
