#include "TipPlacement.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace KavrinGUIToolkit {

namespace {

constexpr int kGap = 2;

/// What the planner types into or clicks. A header only sorts or sizes its
/// columns, so a tip may stand over it.
bool isInput(const QWidget *w)
{
    if (qobject_cast<const QHeaderView *>(w))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

QRect toGlobal(const QWidget *w, const QRect &local)
{
    return local.translated(w->mapToGlobal(QPoint(0, 0)));
}

/// The part of @p w its window shows, in global coordinates: a field
/// scrolled half out of its area counts only with what is in sight.
QRect shownRect(const QWidget *w)
{
    if (!w->isVisible())
        return {};
    QRect shown = toGlobal(w, w->rect());
    for (const QWidget *p = w->parentWidget(); p && !shown.isEmpty(); p = p->parentWidget()) {
        shown &= toGlobal(p, p->rect());
        if (p->isWindow())
            break;
    }
    return shown;
}

/// What the planner sees of @p w: its shown rectangle less the widgets that
/// stand over it, such as a panel drawn over a list.
QRegion seenRegion(const QWidget *w)
{
    QRegion seen(shownRect(w));
    for (const QWidget *c = w; c && !c->isWindow() && !seen.isEmpty(); c = c->parentWidget()) {
        const QObjectList &siblings = c->parentWidget()->children();
        // Later siblings stand over earlier ones.
        for (qsizetype i = siblings.indexOf(c) + 1; i < siblings.size(); ++i) {
            const auto *over = qobject_cast<const QWidget *>(siblings.at(i));
            if (over && over->isVisible() && !over->isWindow())
                seen -= toGlobal(over, over->rect());
        }
    }
    return seen;
}

/// The field a point names: a widget, or a cell of an item view.
struct Field
{
    const QWidget *widget = nullptr;
    const QAbstractItemView *view = nullptr; // set for a cell
    QModelIndex cell;
    QRect rect; // global, the part in sight
};

/// The field of @p window whose top-left corner is @p pos, the outermost
/// one when several share the corner (a spin box and its line edit).
Field fieldIn(const QWidget *window, const QPoint &pos)
{
    const QWidget *w = window->childAt(window->mapFromGlobal(pos));
    if (!w)
        w = window;
    Field found;
    for (; w; w = w->parentWidget()) {
        // A cell's editor is the cell; a view whose first cell is in its
        // corner is that cell too.
        const auto *view = qobject_cast<const QAbstractItemView *>(w->parentWidget());
        if (view && w == view->viewport()) {
            const QPoint local = w->mapFromGlobal(pos);
            const QModelIndex cell = view->indexAt(local);
            if (cell.isValid() && view->visualRect(cell).topLeft() == local)
                found = {view, view, cell, toGlobal(w, view->visualRect(cell)) & shownRect(w)};
        } else if (isInput(w) && w != found.view && w->mapToGlobal(QPoint(0, 0)) == pos) {
            found = {w, nullptr, QModelIndex(), shownRect(w)};
        }
        if (w == window)
            break;
    }
    return found;
}

Field fieldAt(const QPoint &pos, const QWidget *tip)
{
    // The windows the planner works in first: where they overlap another
    // window, the field is theirs.
    QList<const QWidget *> windows;
    const auto consider = [&](const QWidget *w) {
        if (w && w != tip && w->isVisible() && !windows.contains(w))
            windows.append(w);
    };
    consider(QApplication::activePopupWidget());
    consider(QApplication::activeModalWidget());
    consider(QApplication::activeWindow());
    for (const QWidget *w : QApplication::topLevelWidgets())
        consider(w);
    for (const QWidget *window : std::as_const(windows)) {
        if (!toGlobal(window, window->rect()).contains(pos))
            continue;
        const Field field = fieldIn(window, pos);
        if (field.widget && !field.rect.isEmpty())
            return field;
    }
    return {};
}

bool insideAnotherInput(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (isInput(p))
            return true;
    }
    return false;
}

/// The inputs of the field's window that the tip must leave in sight.
QVector<QRect> otherInputs(const Field &field)
{
    const QWidget *window = field.widget->window();
    QVector<QRect> inputs;
    const auto add = [&](const QRect &r) {
        if (!r.isEmpty())
            inputs.append(r);
    };
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (const QWidget *w : children) {
        if (!isInput(w) || !w->isVisible() || !w->isEnabled() || w->isWindow())
            continue;
        // The field and what it is made of are kept clear anyway; a cell's
        // view counts by its cells, below.
        if (w == field.widget || field.widget->isAncestorOf(w) || w->isAncestorOf(field.widget))
            continue;
        if (insideAnotherInput(w, window))
            continue;
        for (const QRect &r : seenRegion(w))
            add(r);
    }
    if (!field.view)
        return inputs;

    const QAbstractItemView *view = field.view;
    for (const QScrollBar *bar : view->findChildren<QScrollBar *>()) {
        if (bar->isVisible() && bar->isEnabled())
            add(shownRect(bar));
    }
    const QAbstractItemModel *model = view->model();
    const QModelIndex root = view->rootIndex();
    const QRect viewport = shownRect(view->viewport());
    for (int row = 0; row < model->rowCount(root); ++row) {
        for (int column = 0; column < model->columnCount(root); ++column) {
            const QModelIndex index = model->index(row, column, root);
            const Qt::ItemFlags flags = index.flags();
            if (index == field.cell || !(flags & Qt::ItemIsEnabled) ||
                !(flags & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
                continue;
            add(toGlobal(view->viewport(), view->visualRect(index)) & viewport);
        }
    }
    return inputs;
}

/// Beside @p field, inside @p area, over none of @p blocked: the free place
/// nearest the field, above it before below, right and left of it, and
/// nearest its top-left corner among equals. Null when there is none.
QRect besideField(const QRect &field, const QSize &size, const QRect &area,
                  const QVector<QRect> &blocked)
{
    const int w = size.width();
    const int h = size.height();
    // Every place worth trying lies against an edge of the field, of an
    // input or of the area.
    QVector<int> xs{field.left(), field.right() + 1 - w, field.right() + 1 + kGap};
    xs << field.left() - kGap - w << area.left() << area.right() + 1 - w;
    QVector<int> ys{field.top() - kGap - h, field.bottom() + 1 + kGap, field.top()};
    ys << field.bottom() + 1 - h << area.top() << area.bottom() + 1 - h;
    for (const QRect &b : blocked) {
        xs << b.right() + 1 + kGap << b.left() - kGap - w;
        ys << b.bottom() + 1 + kGap << b.top() - kGap - h;
    }

    QRect best;
    std::tuple<qint64, int, int> bestRank;
    for (const int x : std::as_const(xs)) {
        for (const int y : std::as_const(ys)) {
            const QRect tip(QPoint(x, y), size);
            if (!area.contains(tip) || tip.intersects(field))
                continue;
            if (std::any_of(blocked.cbegin(), blocked.cend(),
                            [&](const QRect &b) { return tip.intersects(b); }))
                continue;
            const int dx =
                qMax(0, qMax(field.left() - tip.right() - 1, tip.left() - field.right() - 1));
            const int dy =
                qMax(0, qMax(field.top() - tip.bottom() - 1, tip.top() - field.bottom() - 1));
            const int side = tip.bottom() < field.top()   ? 0
                             : tip.top() > field.bottom() ? 1
                             : tip.left() > field.right() ? 2
                                                          : 3;
            const std::tuple<qint64, int, int> rank{qint64(dx) * dx + qint64(dy) * dy, side,
                                                    qAbs(tip.left() - field.left()) +
                                                        qAbs(tip.top() - field.top())};
            if (best.isNull() || rank < bestRank) {
                best = tip;
                bestRank = rank;
            }
        }
    }
    return best;
}

// Where no place in the window is free: just above the field, its left
// edge on the field's; with no room above, just left of it. Either way the
// field, below and right of the point, stays in sight while the planner
// reads. Only a field in the screen's top-left corner leaves no such
// place: there the tip goes below and right of the point, as Qt's own tips
// do.
QPoint besideOnScreen(const QPoint &pos, const QSize &size, const QRect &screen)
{
    const int rightmost = qMax(screen.left(), screen.right() + 1 - size.width());
    const int lowest = qMax(screen.top(), screen.bottom() + 1 - size.height());
    const int above = pos.y() - kGap - size.height();
    if (above >= screen.top())
        return {qBound(screen.left(), pos.x(), rightmost), above};
    const int left = pos.x() - kGap - size.width();
    if (left >= screen.left())
        return {left, qBound(screen.top(), pos.y(), lowest)};
    return {qBound(screen.left(), pos.x() + 2, rightmost),
            qBound(screen.top(), pos.y() + 16, lowest)};
}

} // namespace

QPoint placeTip(const QPoint &pos, const QSize &size, const QWidget *tip)
{
    const QScreen *screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return pos;
    const QRect free = screen->availableGeometry();

    const Field field = fieldAt(pos, tip);
    if (!field.widget) {
        // A point chosen by the caller: the tip stands there, on the screen.
        return {qBound(free.left(), pos.x(), qMax(free.left(), free.right() + 1 - size.width())),
                qBound(free.top(), pos.y(), qMax(free.top(), free.bottom() + 1 - size.height()))};
    }
    const QWidget *window = field.widget->window();
    const QRect area = toGlobal(window, window->rect()) & free;
    const QRect beside = besideField(field.rect, size, area, otherInputs(field));
    if (!beside.isNull())
        return beside.topLeft();
    return besideOnScreen(pos, size, free);
}

} // namespace KavrinGUIToolkit
