#pragma once

// How a process started by the start benchmark tells, from the inside, when
// its window was first painted; shared by the program's start and the plain
// Qt Widgets program it is held against, which links Qt alone, so this
// header uses nothing but Qt and the C library.
//
// The signal is the same for both: the application object sees every event
// the process delivers. A window's first frame is painted while one event
// (the window's exposure) is handled, widget by widget; the frame counts as
// painted when the last of those paints has returned, measured once that
// outermost event is done. Whatever else the program does while handling
// the same event after painting (the program fills its first task's list
// there) is no part of the first frame.

#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <utility>

namespace bench {

/// The wall clock in nanoseconds, the same in every process.
inline qint64 wallNs()
{
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

/// The peak resident size of this process, in KiB.
inline qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

/// The application object @p Base of a timed start: notes when the first
/// frame was painted, and when a given view was first painted with what it
/// waits for (the usable window), and calls back after every outermost
/// event.
template <typename Base> class FrameClock : public Base
{
public:
    template <typename... Args>
    explicit FrameClock(Args &&...args) : Base(std::forward<Args>(args)...)
    {
    }

    /// Wall time at which the first frame was painted; 0 until then.
    qint64 firstFrameAt() const { return m_firstFrameAt; }
    /// Wall time at which @p view (see watchUsable()) was first painted
    /// with @p ready true; 0 until then.
    qint64 usableAt() const { return m_usableAt; }

    /// Notes the end of the first paint of @p view after @p ready holds.
    void watchUsable(QWidget *view, std::function<bool()> ready)
    {
        m_usableView = view;
        m_ready = std::move(ready);
    }
    /// Called after every outermost event: where the process says what it
    /// measured once it has it.
    void afterEachEvent(std::function<void()> check) { m_check = std::move(check); }

    bool notify(QObject *receiver, QEvent *event) override
    {
        // The receiver may be gone once its event is handled: only its
        // address is compared then.
        const bool paint = event->type() == QEvent::Paint && receiver->isWidgetType();
        ++m_depth;
        const bool result = Base::notify(receiver, event);
        --m_depth;
        if (paint) {
            const qint64 now = wallNs();
            if (m_firstFrameAt == 0)
                m_lastPaintEnd = now;
            if (m_usableAt == 0 && receiver == m_usableView && m_ready && m_ready())
                m_usableAt = now;
        }
        if (m_depth == 0) {
            if (m_firstFrameAt == 0 && m_lastPaintEnd != 0)
                m_firstFrameAt = m_lastPaintEnd;
            if (m_check)
                m_check();
        }
        return result;
    }

private:
    int m_depth = 0;
    qint64 m_lastPaintEnd = 0;
    qint64 m_firstFrameAt = 0;
    qint64 m_usableAt = 0;
    const QObject *m_usableView = nullptr;
    std::function<bool()> m_ready;
    std::function<void()> m_check;
};

/// The answer of a timed process, one line on its output, and its end: what
/// it would do on its way out (freeing its windows) is no part of the
/// figures. Times are wall times in nanoseconds: the process's main()
/// reached, its application ready, its window made, its first frame
/// painted, its window usable (0 for a process without a usable state).
[[noreturn]] inline void tell(qint64 mainAt, qint64 readyAt, qint64 windowAt, qint64 paintedAt,
                              qint64 usableAt)
{
    QTextStream(stdout) << "main " << mainAt << " ready " << readyAt << " window " << windowAt
                        << " painted " << paintedAt << " usable " << usableAt << " peak "
                        << peakKiB() << Qt::endl;
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace bench
