#pragma once

#include "ItemDataRole.h"
#include "KavrinGUIToolkitExport.h"

#include <QRect>
#include <QStyledItemDelegate>
#include <QVector>

class QAbstractItemView;

namespace KavrinGUIToolkit {

/// Base of the toolkit's item delegates. Besides the usual text and check
/// box it draws up to three icons in a cell (roles 212 to 214) and edits a
/// cell by the item data that describes its editor: a QStringList under role
/// 142 gives a list to choose from, an int under role 153 a line edit of at
/// most that many characters.
///
/// Icons sit in fixed slots: each icon role that holds any value gets a slot
/// of IconSize(), in role order, whether or not its image could be loaded,
/// so a click area never depends on an image file.
class KAVRIN_EXPORT CPixmapDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    enum IconPlacement { IconsCentred, IconsAtRight };

    explicit CPixmapDelegate(IconPlacement placement, QObject *parent = nullptr);
    ~CPixmapDelegate() override;
    Q_DISABLE_COPY_MOVE(CPixmapDelegate)

    struct IconSlot
    {
        CItemDataRole role = NoIconRole;
        QRect rect;
    };

    static QSize IconSize() { return QSize(16, 16); }
    static int IconSpacing() { return 6; }

    /// The icon slots of @p index drawn in @p cell, in role order.
    QVector<IconSlot> IconSlots(const QRect &cell, const QModelIndex &index) const;
    /// The role of the icon at @p pos (same coordinates as @p cell), or
    /// NoIconRole.
    CItemDataRole IconAt(const QRect &cell, const QModelIndex &index, const QPoint &pos) const;

    /// The icon of @p view at a viewport position, asking the delegate that
    /// paints @p index; NoIconRole when that delegate draws no icons.
    static CItemDataRole IconHit(const QAbstractItemView *view, const QModelIndex &index,
                                 const QPoint &viewportPos);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    IconPlacement m_placement;
};

} // namespace KavrinGUIToolkit
