#include "ModalWatch.h"

#include "Camera.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>

namespace {

// How long a watch waits for its window, and how long a window no watch
// waits for may stay up before it counts as a stray.
constexpr int kWaitMs = 20000;
constexpr int kStrayMs = 3000;
constexpr int kPollMs = 10;
constexpr int kStrayPollMs = 100;

QWidget *activeOf(ModalWatch::Kind kind)
{
    return kind == ModalWatch::Popup ? QApplication::activePopupWidget()
                                     : QApplication::activeModalWidget();
}

QString textsOf(const QWidget *window)
{
    QStringList texts;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(QStringLiteral(" | "));
}

} // namespace

struct ModalWatch::Watch
{
    Kind kind = Dialog;
    Action act;
    QPointer<QWidget> before;
    bool fired = false;
    bool waiting = true;
    QTimer timer;
    QElapsedTimer age;
};

ModalWatch::ModalWatch(Camera &camera, QObject *parent) : QObject(parent), m_camera(camera)
{
    m_strayTimer.setInterval(kStrayPollMs);
    connect(&m_strayTimer, &QTimer::timeout, this, &ModalWatch::lookForStrays);
    m_strayTimer.start();
}

ModalWatch::~ModalWatch() = default;

void ModalWatch::close(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->reject();
    else
        window->close();
}

bool ModalWatch::run(const QString &what, Kind kind, const std::function<void()> &open,
                     const Action &act)
{
    Watch watch;
    watch.kind = kind;
    watch.act = act;
    watch.before = activeOf(kind);
    watch.timer.setInterval(kPollMs);
    connect(&watch.timer, &QTimer::timeout, this, [this, &watch] { poll(watch); });
    ++m_waiting;
    watch.age.start();
    watch.timer.start();
    open();
    watch.timer.stop();
    if (watch.waiting)
        --m_waiting;
    if (!watch.fired) {
        m_camera.problem(QStringLiteral("%1: no window came up").arg(what));
        return false;
    }
    return true;
}

void ModalWatch::poll(Watch &watch)
{
    QWidget *window = activeOf(watch.kind);
    if (!window || window == watch.before || !window->isVisible()) {
        if (watch.age.elapsed() > kWaitMs) {
            watch.timer.stop();
            watch.waiting = false;
            --m_waiting;
        }
        return;
    }
    watch.timer.stop();
    watch.fired = true;
    watch.waiting = false;
    --m_waiting;
    QPointer<QWidget> shown(window);
    Camera::settle(shown);
    if (shown)
        watch.act(shown);
    close(shown);
}

void ModalWatch::lookForStrays()
{
    QWidget *window = QApplication::activeModalWidget();
    if (m_waiting > 0 || !window) {
        m_stray = nullptr;
        m_strayTicks = 0;
        return;
    }
    if (window != m_stray) {
        m_stray = window;
        m_strayTicks = 0;
        return;
    }
    if (++m_strayTicks * kStrayPollMs < kStrayMs)
        return;
    const QString name = QStringLiteral("unexpected-%1").arg(++m_strays);
    m_camera.problem(
        QStringLiteral("%1 came up unasked (%2): %3")
            .arg(QLatin1String(window->metaObject()->className()), name, textsOf(window)));
    m_camera.window(window, name);
    m_stray = nullptr;
    m_strayTicks = 0;
    close(window);
}
