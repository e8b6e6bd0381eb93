#include "GeometryTools.h"

#include <QGuiApplication>
#include <QImage>
#include <QModelIndex>
#include <QPixmapCache>
#include <QScreen>
#include <QWidget>

namespace pendrik {

QPoint pointDifference(const QPoint &a, const QPoint &b)
{
    return QPoint(a.x() - b.x(), a.y() - b.y());
}

QList<ScreenArea> currentScreens()
{
    QList<ScreenArea> screens;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        screens.append({primary->geometry(), primary->availableGeometry()});
    const QList<QScreen *> all = QGuiApplication::screens();
    for (const QScreen *screen : all) {
        if (screen != primary)
            screens.append({screen->geometry(), screen->availableGeometry()});
    }
    return screens;
}

QPoint constrainToAvailable(const QPoint &globalPos)
{
    return constrainToAvailable(globalPos, currentScreens());
}

namespace {

bool someAvailableCoversRow(const QList<ScreenArea> &screens, int y)
{
    for (const ScreenArea &s : screens) {
        if (y >= s.available.top() && y <= s.available.bottom())
            return true;
    }
    return false;
}

bool someAvailableCoversColumn(const QList<ScreenArea> &screens, int x)
{
    for (const ScreenArea &s : screens) {
        if (x >= s.available.left() && x <= s.available.right())
            return true;
    }
    return false;
}

} // namespace

QPoint constrainToAvailable(const QPoint &p, const QList<ScreenArea> &screens)
{
    if (screens.isEmpty())
        return p;
    for (const ScreenArea &s : screens) {
        if (s.available.contains(p))
            return p;
    }
    // The screen under the point, or the primary one when the point is off
    // every screen.
    ScreenArea at = screens.first();
    for (const ScreenArea &s : screens) {
        if (s.full.contains(p)) {
            at = s;
            break;
        }
    }
    const QRect &A = at.available;
    const QRect &S = at.full;
    if (A.contains(S.topLeft()) && A.contains(S.topRight())) {
        // Task bar at the bottom.
        if (someAvailableCoversRow(screens, S.bottom() + 1))
            return p;
        return QPoint(p.x(), A.bottom());
    }
    if (A.contains(S.topLeft()) && A.contains(S.bottomLeft())) {
        // Task bar on the right.
        if (someAvailableCoversColumn(screens, S.right() + 1))
            return p;
        return QPoint(A.right(), p.y());
    }
    if (A.contains(S.topRight()) && A.contains(S.bottomRight())) {
        // Task bar on the left.
        if (someAvailableCoversColumn(screens, S.left() - 1))
            return p;
        return QPoint(A.left(), p.y());
    }
    // Task bar at the top.
    if (someAvailableCoversRow(screens, S.top() - 1))
        return p;
    return QPoint(p.x(), A.top());
}

QRect keepRectOnScreen(const QRect &rect, const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return rect;
    const QRect area = screen->geometry();
    QRect moved = rect;
    if (moved.right() > area.right())
        moved.moveLeft(area.right() - moved.width());
    if (moved.bottom() > area.bottom())
        moved.moveTop(area.bottom() - moved.height());
    return moved;
}

void fitSize(int w, int h, int boxWidth, int boxHeight, int &outWidth, int &outHeight)
{
    if (w <= 0 || h <= 0) {
        outWidth = boxWidth;
        outHeight = boxHeight;
        return;
    }
    // 64-bit products: a large picture in a large box must not overflow.
    const qint64 widthAtBoxHeight = qint64(w) * boxHeight / h;
    if (boxWidth > widthAtBoxHeight) {
        outWidth = int(widthAtBoxHeight);
        outHeight = boxHeight;
    } else {
        outWidth = boxWidth;
        outHeight = int(qint64(h) * boxWidth / w);
    }
}

bool rowLess(const QModelIndex &a, const QModelIndex &b)
{
    return a.row() < b.row();
}

bool rectXLess(const QRect &a, const QRect &b)
{
    return a.x() < b.x();
}

bool rectYLess(const QRect &a, const QRect &b)
{
    return a.y() < b.y();
}

QPixmap cachedPixmap(const QString &path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    const QImage image(path);
    if (image.isNull())
        return QPixmap();
    pixmap = QPixmap::fromImage(image, Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (!pixmap.isNull())
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

namespace {

QRegion corner(int x, int y, int radius)
{
    return QRegion(x, y, 2 * radius, 2 * radius, QRegion::Ellipse);
}

int cornerRight(const QRect &rect, int radius)
{
    return rect.x() + rect.width() - 2 * radius;
}

int cornerBottom(const QRect &rect, int radius)
{
    return rect.y() + rect.height() - 2 * radius;
}

} // namespace

QRegion roundedRegion(const QRect &rect, int r)
{
    QRegion region(rect.adjusted(r, 0, -r, 0));
    region += QRegion(rect.adjusted(0, r, 0, -r));
    region += corner(rect.x(), rect.y(), r);
    region += corner(cornerRight(rect, r), rect.y(), r);
    region += corner(rect.x(), cornerBottom(rect, r), r);
    region += corner(cornerRight(rect, r), cornerBottom(rect, r), r);
    return region;
}

QRegion leftRoundedRegion(const QRect &rect, int r)
{
    QRegion region(rect.adjusted(r, 0, 0, 0));
    region += QRegion(rect.adjusted(0, r, 0, -r));
    region += corner(rect.x(), rect.y(), r);
    region += corner(rect.x(), cornerBottom(rect, r), r);
    return region;
}

QRegion rightRoundedRegion(const QRect &rect, int r)
{
    QRegion region(rect.adjusted(0, 0, -r, 0));
    region += QRegion(rect.adjusted(0, r, 0, -r));
    region += corner(cornerRight(rect, r), rect.y(), r);
    region += corner(cornerRight(rect, r), cornerBottom(rect, r), r);
    return region;
}

QRegion topRoundedRegion(const QRect &rect, int r)
{
    QRegion region(rect.adjusted(0, r, 0, 0));
    region += QRegion(rect.adjusted(r, 0, -r, 0));
    region += corner(rect.x(), rect.y(), r);
    region += corner(cornerRight(rect, r), rect.y(), r);
    return region;
}

} // namespace pendrik
