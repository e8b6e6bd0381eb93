#pragma once

#include "ItemDataRole.h"
#include "KavrinGUIToolkitExport.h"

#include <QPersistentModelIndex>

class QAbstractItemView;
class QMouseEvent;

namespace KavrinGUIToolkit {

/// Turns a press and release of the left button on one item of a view into
/// one click: on an icon (the role of the icon hit at both ends) or plain.
/// Shared by CTreeView and CTableView.
class KAVRIN_EXPORT CViewClickTracker
{
public:
    struct Click
    {
        QModelIndex index;
        CItemDataRole role = NoIconRole;
    };

    void Press(const QAbstractItemView *view, const QMouseEvent *event);
    /// Call after the view has handled the release (and emitted clicked()).
    /// False when the release completes no click: another button, another
    /// item, another icon, or an item that went away meanwhile.
    bool Release(const QAbstractItemView *view, const QMouseEvent *event, Click &click);

private:
    QPersistentModelIndex m_pressed;
    CItemDataRole m_role = NoIconRole;
};

} // namespace KavrinGUIToolkit
