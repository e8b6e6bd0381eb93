#pragma once

// Where a shown validation tip stands against the window it speaks in: it
// must leave the refused field and every other input of that window in
// sight, and stay inside the window.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRect>
#include <QString>
#include <QTextEdit>
#include <QVector>
#include <QWidget>

namespace tipplace {

/// The tip window showing now; null when none shows.
inline const QWidget *shownTip()
{
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("CToolTip") && w->isVisible())
            return w;
    }
    return nullptr;
}

inline QRect onScreen(const QWidget *w, const QRect &local)
{
    return local.translated(w->mapToGlobal(QPoint(0, 0)));
}

inline QRect onScreen(const QWidget *w)
{
    return onScreen(w, w->rect());
}

inline QString describe(const QRect &r)
{
    return QStringLiteral("(%1, %2 %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

/// What is wrong with the place of the shown tip for the refused @p field
/// (global) of @p window: empty when it lies inside the window and over
/// neither the field, nor any enabled input widget of the window that does
/// not hold the field, nor any of @p moreInputs (global; the other cells of
/// a table, say).
inline QString misplaced(const QRect &field, const QWidget *window,
                         const QVector<QRect> &moreInputs = {})
{
    const QWidget *tip = shownTip();
    if (!tip)
        return QStringLiteral("no tip shows");
    const QRect shown = tip->frameGeometry();
    const QString at = QStringLiteral("tip at %1: ").arg(describe(shown));
    if (!onScreen(window).contains(shown))
        return at + QStringLiteral("outside its window %1").arg(describe(onScreen(window)));
    if (shown.intersects(field))
        return at + QStringLiteral("over its field %1").arg(describe(field));
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        const bool input =
            !qobject_cast<const QHeaderView *>(w) &&
            (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
             qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractButton *>(w) ||
             qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w));
        if (!input || !w->isVisible() || !w->isEnabled() || w->isWindow())
            continue;
        const QRect rect = onScreen(w);
        // What the field is made of, or what holds it.
        if (field.contains(rect) || rect.contains(field))
            continue;
        if (!shown.intersects(rect))
            continue;
        // Only where the planner sees it: a panel drawn over a list hides
        // that part of the list.
        const QRect over = shown & rect;
        for (int y = over.top(); y <= over.bottom(); ++y) {
            for (int x = over.left(); x <= over.right(); ++x) {
                const QWidget *seen = window->childAt(window->mapFromGlobal(QPoint(x, y)));
                if (seen == w || w->isAncestorOf(seen))
                    return at + QStringLiteral("over %1 %2").arg(w->objectName(), describe(rect));
            }
        }
    }
    for (const QRect &rect : moreInputs) {
        if (shown.intersects(rect))
            return at + QStringLiteral("over the input at %1").arg(describe(rect));
    }
    return QString();
}

} // namespace tipplace
