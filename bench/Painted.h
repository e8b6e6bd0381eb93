#pragma once

// When a step's result has been painted: the end of the clock of every
// figure that shows widgets, in the benchmarks and in the plain Qt programs
// they are held against, which link Qt alone, so this header uses nothing
// but Qt and the standard library.
//
// The application object sees every event the process delivers. A widget
// changed by a step is painted later, once the event loop has laid its view
// out and handled the update that follows; the frame it belongs to is
// painted while one event (the window's update or exposure) is handled,
// widget by widget. The clock stops when that outermost event is done.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QObject>

#include <chrono>
#include <functional>
#include <utility>

namespace bench {

/// A steady clock in nanoseconds.
inline qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// What the application object notes of the paints of one watched widget.
class PaintTimes
{
public:
    /// The process's one application object that notes paints.
    static PaintTimes *&current()
    {
        static PaintTimes *times = nullptr;
        return times;
    }

    /// Forgets what was noted and watches @p widget from now on: the next
    /// paint of it counts (only once @p ready holds, when given).
    void watch(const QObject *widget, std::function<bool()> ready = {})
    {
        m_watched = widget;
        m_ready = std::move(ready);
        m_seen = false;
        m_paintedAt = 0;
        m_watchDepth = m_depth;
    }
    /// When the frame holding the watched widget's paint was done; 0 until
    /// then.
    qint64 paintedAt() const { return m_paintedAt; }

protected:
    void before(QObject *receiver, QEvent *event)
    {
        ++m_depth;
        if (!m_seen && receiver == m_watched && event->type() == QEvent::Paint &&
            (!m_ready || m_ready()))
            m_seen = true;
    }
    void after()
    {
        if (--m_depth == m_watchDepth && m_seen && m_paintedAt == 0)
            m_paintedAt = steadyNs();
    }

private:
    int m_depth = 0;
    // The depth of the events being handled when the watch began: the
    // outermost event of a frame is one level inside it.
    int m_watchDepth = 0;
    const QObject *m_watched = nullptr;
    std::function<bool()> m_ready;
    bool m_seen = false;
    qint64 m_paintedAt = 0;
};

/// The application object @p Base of a process whose figures end with a
/// paint.
template <typename Base> class PaintClock : public Base, public PaintTimes
{
public:
    template <typename... Args>
    explicit PaintClock(Args &&...args) : Base(std::forward<Args>(args)...)
    {
        current() = this;
    }
    ~PaintClock() override { current() = nullptr; }
    PaintClock(const PaintClock &) = delete;
    PaintClock &operator=(const PaintClock &) = delete;

    bool notify(QObject *receiver, QEvent *event) override
    {
        before(receiver, event);
        const bool result = Base::notify(receiver, event);
        after();
        return result;
    }
};

/// Handles events until @p widget has been painted (once @p ready holds,
/// when given), and returns when that frame was done (steadyNs()); 0 when
/// no such paint came within ten seconds.
inline qint64 nextPaint(const QObject *widget, std::function<bool()> ready = {})
{
    PaintTimes *times = PaintTimes::current();
    if (!times)
        return 0;
    times->watch(widget, std::move(ready));
    const QDeadlineTimer deadline(10000);
    while (times->paintedAt() == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 at = times->paintedAt();
    times->watch(nullptr);
    return at;
}

/// The milliseconds from the start of @p step to the end of the frame in
/// which @p widget (given by @p view once the step is done: the step may
/// make it) is next painted; @p painted is cleared when no paint came.
inline double untilPainted(const std::function<void()> &step,
                           const std::function<const QObject *()> &view, bool *painted = nullptr)
{
    const qint64 start = steadyNs();
    step();
    const qint64 end = nextPaint(view());
    if (end == 0) {
        if (painted)
            *painted = false;
        return double(steadyNs() - start) / 1e6;
    }
    return double(end - start) / 1e6;
}

} // namespace bench
