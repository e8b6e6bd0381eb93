#pragma once

// What the benchmarks that show widgets share: the program's application
// object, noting when a view is painted; a window shown until its first
// frame is painted, a step timed until the view it changes is painted anew,
// and a click on an item of a view as the planner makes it.

#include "BenchSupport.h"
#include "Painted.h"

#include <ToolsApplication.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace bench {

/// The program's own application object, brought up on the benchmark's
/// program folder as the program starts: its fonts, skin, style, style
/// sheets and language, so that every window is timed as the planner sees
/// it, not as bare Qt would draw it; it notes when a watched view is
/// painted (Painted.h).
template <> struct Bringing<PaintClock<kiv::ToolsApplication>>
{
    static PaintClock<kiv::ToolsApplication> make(int &argc, char **argv)
    {
        return PaintClock<kiv::ToolsApplication>(QStringLiteral("Varnel"), argc, argv);
    }
    static bool up(kiv::ToolsApplication &app, const QString &folder)
    {
        // The skins and the style live beside the built program, as its
        // translations do.
        if (!linkProgramParts(folder))
            return false;
        QCoreApplication::addLibraryPath(QStringLiteral(VARNEL_PROGRAM_DIR "/plugins"));
        return app.init();
    }
};

/// The application object of a benchmark that shows the program's widgets.
using ProgramStart = Start<PaintClock<kiv::ToolsApplication>>;

/// Shows @p window and handles events until its first frame is painted.
/// False when no paint came within ten seconds.
inline bool showAndPaint(QWidget *window)
{
    window->show();
    return nextPaint(window) != 0;
}

/// Handles what a step left to the event loop, as far as one pass goes.
inline void settle()
{
    QCoreApplication::processEvents();
}

/// The milliseconds from the start of @p step to the end of the frame in
/// which @p view's viewport is painted after it; @p painted is cleared when
/// it never is.
inline double untilViewPainted(QAbstractItemView *view, const std::function<void()> &step,
                               bool &painted)
{
    return untilPainted(
        step, [view] { return view->viewport(); }, &painted);
}

/// A left click in the middle of the item's cell, as the planner clicks it.
inline bool clickItem(QAbstractItemView *view, const QModelIndex &index)
{
    view->scrollTo(index);
    const QRect cell = view->visualRect(index);
    if (cell.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    return true;
}

} // namespace bench
