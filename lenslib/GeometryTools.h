#pragma once

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

class QModelIndex;
class QWidget;

namespace pendrik {

/// (a.x - b.x, a.y - b.y).
QPoint pointDifference(const QPoint &a, const QPoint &b);

/// One screen as the window-dragging code sees it: its full area and the
/// part of it that task bars leave free.
struct ScreenArea
{
    QRect full;
    QRect available;
};

/// The screens of the running application, primary first.
QList<ScreenArea> currentScreens();

/// @p globalPos moved back onto the free desktop when it lies on a task bar,
/// so a window dragged by its title bar never disappears behind one. A point
/// over a task bar that borders another screen stays where it is.
QPoint constrainToAvailable(const QPoint &globalPos);
/// The same over a given set of screens (the first one is the primary).
QPoint constrainToAvailable(const QPoint &globalPos, const QList<ScreenArea> &screens);

/// @p rect moved left and up so that it does not reach past the right and
/// bottom edges of @p widget's screen; its size is kept.
QRect keepRectOnScreen(const QRect &rect, const QWidget *widget);

/// Fits a w x h picture into a W x H box, keeping its aspect ratio (integer
/// arithmetic). A picture without positive size gets the box size.
void fitSize(int w, int h, int boxWidth, int boxHeight, int &outWidth, int &outHeight);

bool rowLess(const QModelIndex &a, const QModelIndex &b);
bool rectXLess(const QRect &a, const QRect &b);
bool rectYLess(const QRect &a, const QRect &b);

/// The picture at @p path through Qt's pixmap cache; an empty pixmap when it
/// cannot be read.
QPixmap cachedPixmap(const QString &path);

/// A rectangle with corners rounded by @p radius: all four, the left, the
/// right or the top two only.
QRegion roundedRegion(const QRect &rect, int radius);
QRegion leftRoundedRegion(const QRect &rect, int radius);
QRegion rightRoundedRegion(const QRect &rect, int radius);
QRegion topRoundedRegion(const QRect &rect, int radius);

} // namespace pendrik
