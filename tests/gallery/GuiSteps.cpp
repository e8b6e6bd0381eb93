#include "GuiSteps.h"

#include <PixmapDelegate.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTest>

namespace gui {

namespace {

bool usable(const QWidget *widget)
{
    return widget && widget->isVisible() && widget->isEnabled();
}

// The item's cell in the viewport, scrolled into view; empty when it is not
// there.
QRect cellOf(QAbstractItemView *view, const QModelIndex &index)
{
    if (!usable(view) || !index.isValid())
        return QRect();
    view->scrollTo(index);
    return view->visualRect(index);
}

} // namespace

QWidget *findByClass(const QWidget *root, const char *className, bool shownOnly)
{
    const QList<QWidget *> widgets = root ? root->findChildren<QWidget *>() : QList<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->inherits(className) && (!shownOnly || widget->isVisible()))
            return widget;
    }
    return nullptr;
}

bool click(QWidget *widget, QPoint at)
{
    if (!usable(widget))
        return false;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                      at.isNull() ? widget->rect().center() : at);
    return true;
}

bool clickItem(QAbstractItemView *view, const QModelIndex &index)
{
    const QRect cell = cellOf(view, index);
    if (cell.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    return true;
}

bool doubleClickItem(QAbstractItemView *view, const QModelIndex &index)
{
    const QRect cell = cellOf(view, index);
    if (cell.isEmpty())
        return false;
    // A double click is a click and then the second press.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    return true;
}

bool tickItem(QAbstractItemView *view, const QModelIndex &index)
{
    const QRect cell = cellOf(view, index);
    if (cell.isEmpty())
        return false;
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = cell;
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    return true;
}

bool clickIcon(QAbstractItemView *view, const QModelIndex &index,
               KavrinGUIToolkit::CItemDataRole role)
{
    const QRect cell = cellOf(view, index);
    auto *delegate =
        qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(view->itemDelegateForIndex(index));
    if (cell.isEmpty() || !delegate)
        return false;
    const auto iconSlots = delegate->IconSlots(cell, index);
    for (const auto &slot : iconSlots) {
        if (slot.role != role)
            continue;
        const QPoint at = slot.rect.center();
        QCursor::setPos(view->viewport()->mapToGlobal(at));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return true;
    }
    return false;
}

bool clickTab(QTabBar *tabs, int index)
{
    if (!usable(tabs) || index < 0 || index >= tabs->count())
        return false;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
    return tabs->currentIndex() == index;
}

bool choose(QComboBox *combo, int index)
{
    if (!usable(combo) || index < 0 || index >= combo->count())
        return false;
    for (int step = 0; step < combo->count() && combo->currentIndex() != index; ++step)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    return combo->currentIndex() == index;
}

void type(QWidget *widget, const QString &text)
{
    if (!usable(widget))
        return;
    // A character no key of the keyboard gives comes as the text of a key
    // press, the way an input method hands it over.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void press(QWidget *widget, int key)
{
    if (widget)
        QTest::keyClick(widget, Qt::Key(key));
}

} // namespace gui
