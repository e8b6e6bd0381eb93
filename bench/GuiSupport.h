#pragma once

// What the benchmarks that show widgets share: a window shown until its
// first frame is painted, and a click on an item of a view as the planner
// makes it.

#include "BenchSupport.h"

#include <ToolsApplication.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QTest>
#include <QWidget>

namespace bench {

/// The program's own application object, brought up on the benchmark's
/// program folder as the program starts: its fonts, skin, style, style
/// sheets and language, so that every window is timed as the planner sees
/// it, not as bare Qt would draw it.
template <> struct Bringing<kiv::ToolsApplication>
{
    static kiv::ToolsApplication make(int &argc, char **argv)
    {
        return kiv::ToolsApplication(QStringLiteral("Varnel"), argc, argv);
    }
    static bool up(kiv::ToolsApplication &app, const QString &folder)
    {
        // The skins and the style live beside the built program, as its
        // translations do.
        const QString built = QStringLiteral(VARNEL_PROGRAM_DIR);
        for (const char *name : {"plugins", "translations"}) {
            if (!QFile::link(built + QLatin1Char('/') + QLatin1String(name),
                             folder + QLatin1Char('/') + QLatin1String(name)))
                return false;
        }
        QCoreApplication::addLibraryPath(built + QStringLiteral("/plugins"));
        return app.init();
    }
};

/// The application object of a benchmark that shows the program's widgets.
using ProgramStart = Start<kiv::ToolsApplication>;

/// Tells whether a widget of one window was painted since it was made.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch &) = delete;
    PaintWatch &operator=(const PaintWatch &) = delete;

    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};

/// Shows @p window and handles events until its first frame is painted: a
/// paint starts only once the window is exposed, and the whole frame is
/// painted while that exposure is handled. False when no paint came within
/// ten seconds.
inline bool showAndPaint(QWidget *window)
{
    const PaintWatch watch(window);
    window->show();
    const QDeadlineTimer deadline(10000);
    while (!watch.painted() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return watch.painted();
}

/// Handles what a step left to the event loop, repaints included, as the
/// planner waits for them.
inline void settle()
{
    QCoreApplication::processEvents();
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
