#pragma once

#include <ItemDataRole.h>

#include <QPoint>
#include <QString>

class QAbstractItemView;
class QComboBox;
class QModelIndex;
class QTabBar;
class QWidget;

/// What a planner does with the mouse and the keyboard, on real widgets.
namespace gui {

/// The first descendant of @p root of the class named @p className (or a
/// subclass), shown ones only when @p shownOnly; null when there is none.
QWidget *findByClass(const QWidget *root, const char *className, bool shownOnly = false);

/// A left click at @p at (the middle of @p widget when null). False when the
/// widget is missing, hidden or disabled; nothing is clicked then.
bool click(QWidget *widget, QPoint at = QPoint());
/// A left click on the middle of the item's cell.
bool clickItem(QAbstractItemView *view, const QModelIndex &index);
/// A double click on the middle of the item's cell.
bool doubleClickItem(QAbstractItemView *view, const QModelIndex &index);
/// Clicks the check box of a checkable item.
bool tickItem(QAbstractItemView *view, const QModelIndex &index);
/// Clicks the icon drawn for @p role in the item's cell by the toolkit's
/// icon delegate, with the pointer put where the click lands (panels are
/// placed by it).
bool clickIcon(QAbstractItemView *view, const QModelIndex &index,
               KavrinGUIToolkit::CItemDataRole role);
/// Clicks the tab @p index of a tab bar.
bool clickTab(QTabBar *tabs, int index);
/// Steps through a closed combo box with the arrow keys to item @p index.
bool choose(QComboBox *combo, int index);
/// Types @p text into the widget, one key at a time.
void type(QWidget *widget, const QString &text);
/// Presses @p key on the widget.
void press(QWidget *widget, int key);

} // namespace gui
