#pragma once

class Camera;
class ModalWatch;
class QWidget;

/// Has the camera take the stand-alone lens calculator's window, with the tip
/// of a focal length below 4 mm, and, through its help tab's menu, its About
/// box.
class LensTour
{
public:
    LensTour(QWidget *window, Camera &camera, ModalWatch &watch);
    LensTour(const LensTour &) = delete;
    LensTour &operator=(const LensTour &) = delete;

    void run();

private:
    QWidget *m_window;
    Camera &m_camera;
    ModalWatch &m_watch;
};
