#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class Camera;
class QWidget;

/// Drives the windows that block: a dialog run with exec() or a popup menu.
/// run() arms a watch, does what opens the window (a click, which returns
/// only once the window is gone again), and the watch, polling
/// QApplication::activeModalWidget() (or the active popup), hands the new
/// window to an action once it shows; whatever the action leaves open is
/// closed after it. A window that comes up with no watch armed for it is
/// saved as "unexpected-N" and closed, so that the gallery never hangs on
/// it.
class ModalWatch : public QObject
{
    Q_OBJECT
public:
    enum Kind { Dialog, Popup };

    explicit ModalWatch(Camera &camera, QObject *parent = nullptr);
    ~ModalWatch() override;
    Q_DISABLE_COPY_MOVE(ModalWatch)

    using Action = std::function<void(QWidget *)>;
    /// Runs @p open, and @p act on the window of @p kind that @p open brings
    /// up. False, noted as a problem named @p what, when no such window came
    /// up.
    bool run(const QString &what, Kind kind, const std::function<void()> &open, const Action &act);

    /// Closes @p window the way its kind is closed: a dialog is rejected,
    /// any other window closed.
    static void close(QWidget *window);

private:
    struct Watch;
    void poll(Watch &watch);
    void lookForStrays();

    Camera &m_camera;
    // Watches armed whose window has not come up yet.
    int m_waiting = 0;
    int m_strays = 0;
    QTimer m_strayTimer;
    QPointer<QWidget> m_stray;
    int m_strayTicks = 0;
};
