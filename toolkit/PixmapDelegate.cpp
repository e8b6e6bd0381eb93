#include "PixmapDelegate.h"

#include "Widgets.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace KavrinGUIToolkit {

namespace {

const CItemDataRole kIconRoles[] = {FirstIconRole, SecondIconRole, ThirdIconRole};

// Draws whatever image form the role holds, scaled into the slot.
void drawIcon(QPainter *painter, const QRect &slot, const QVariant &value)
{
    QPixmap pixmap;
    switch (value.metaType().id()) {
    case QMetaType::QIcon:
        value.value<QIcon>().paint(painter, slot);
        return;
    case QMetaType::QPixmap:
        pixmap = value.value<QPixmap>();
        break;
    case QMetaType::QImage:
        pixmap = QPixmap::fromImage(value.value<QImage>());
        break;
    case QMetaType::QString:
        pixmap = QPixmap(value.toString());
        break;
    default:
        return;
    }
    if (pixmap.isNull())
        return;
    const QPixmap scaled =
        pixmap.size() == slot.size()
            ? pixmap
            : pixmap.scaled(slot.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at(slot.x() + (slot.width() - scaled.width()) / 2,
                    slot.y() + (slot.height() - scaled.height()) / 2);
    painter->drawPixmap(at, scaled);
}

bool isChoiceCell(const QModelIndex &index)
{
    return index.data(ComboBoxItemsRole).metaType().id() == QMetaType::QStringList;
}

} // namespace

CPixmapDelegate::CPixmapDelegate(IconPlacement placement, QObject *parent)
    : QStyledItemDelegate(parent), m_placement(placement)
{
}

CPixmapDelegate::~CPixmapDelegate() = default;

QVector<CPixmapDelegate::IconSlot> CPixmapDelegate::IconSlots(const QRect &cell,
                                                              const QModelIndex &index) const
{
    QVector<IconSlot> iconSlots;
    if (!index.isValid())
        return iconSlots;
    for (const CItemDataRole role : kIconRoles) {
        if (index.data(role).isValid())
            iconSlots.append(IconSlot{role, QRect()});
    }
    if (iconSlots.isEmpty())
        return iconSlots;
    const QSize size = IconSize();
    const int n = int(iconSlots.size());
    const int total = n * size.width() + (n - 1) * IconSpacing();
    int x = m_placement == IconsCentred ? cell.x() + (cell.width() - total) / 2
                                        : cell.right() - IconSpacing() - total + 1;
    const int y = cell.y() + (cell.height() - size.height()) / 2;
    for (IconSlot &slot : iconSlots) {
        slot.rect = QRect(QPoint(x, y), size);
        x += size.width() + IconSpacing();
    }
    return iconSlots;
}

CItemDataRole CPixmapDelegate::IconAt(const QRect &cell, const QModelIndex &index,
                                      const QPoint &pos) const
{
    for (const IconSlot &slot : IconSlots(cell, index)) {
        if (slot.rect.contains(pos))
            return slot.role;
    }
    return NoIconRole;
}

CItemDataRole CPixmapDelegate::IconHit(const QAbstractItemView *view, const QModelIndex &index,
                                       const QPoint &viewportPos)
{
    if (!view || !index.isValid())
        return NoIconRole;
    const auto *delegate = qobject_cast<const CPixmapDelegate *>(view->itemDelegateForIndex(index));
    if (!delegate)
        return NoIconRole;
    return delegate->IconAt(view->visualRect(index), index, viewportPos);
}

void CPixmapDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QVector<IconSlot> iconSlots = IconSlots(option.rect, index);
    if (iconSlots.isEmpty())
        return;
    painter->save();
    painter->setClipRect(option.rect);
    for (const IconSlot &slot : iconSlots)
        drawIcon(painter, slot.rect, index.data(slot.role));
    painter->restore();
}

QSize CPixmapDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    const QVector<IconSlot> iconSlots = IconSlots(QRect(QPoint(0, 0), hint), index);
    if (!iconSlots.isEmpty()) {
        const int n = int(iconSlots.size());
        hint.setWidth(qMax(hint.width(), n * IconSize().width() + (n + 1) * IconSpacing()));
        hint.setHeight(qMax(hint.height(), IconSize().height() + 6));
    }
    return hint;
}

QWidget *CPixmapDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    if (isChoiceCell(index)) {
        auto *combo = new CComboBox(parent);
        combo->setObjectName(QStringLiteral("CPixmapDelegateComboEditor"));
        combo->addItems(index.data(ComboBoxItemsRole).toStringList());
        // Choosing an entry is the whole edit: store it and close at once.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto *self = const_cast<CPixmapDelegate *>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        // Open the list straight away; the planner came here to choose.
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible())
                combo->showPopup();
        });
        return combo;
    }
    const QVariant length = index.data(EditMaxLengthRole);
    if (length.isValid() && length.toInt() > 0) {
        auto *edit = new CLineEdit(parent);
        edit->setObjectName(QStringLiteral("CPixmapDelegateLineEditor"));
        edit->setMaxLength(length.toInt());
        edit->setFrame(false);
        return edit;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void CPixmapDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && isChoiceCell(index)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::DisplayRole).toString()));
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CPixmapDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const
{
    QString text;
    if (auto *combo = qobject_cast<QComboBox *>(editor); combo && isChoiceCell(index)) {
        // Nothing chosen (the stored text is not among the choices): keep it.
        if (combo->currentIndex() < 0)
            return;
        text = combo->currentText();
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        text = edit->text();
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    // Models treat every write as an edit to store; an unchanged text is none.
    if (text != index.data(Qt::EditRole).toString())
        model->setData(index, text, Qt::EditRole);
}

} // namespace KavrinGUIToolkit
