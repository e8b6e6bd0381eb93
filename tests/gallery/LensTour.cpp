#include "LensTour.h"

#include "Camera.h"
#include "GuiSteps.h"
#include "ModalWatch.h"

#include <QAction>
#include <QMenu>

LensTour::LensTour(QWidget *window, Camera &camera, ModalWatch &watch)
    : m_window(window), m_camera(camera), m_watch(watch)
{
}

void LensTour::run()
{
    m_camera.window(m_window, QStringLiteral("lens-calculator"));
    auto *about = m_window->findChild<QWidget *>(QStringLiteral("pBtnAbout"));
    if (!about) {
        m_camera.problem(QStringLiteral("the lens calculator has no help tab"));
        return;
    }
    // The menu opens at the pointer, which the camera keeps in a corner.
    Camera::parkPointer();
    m_watch.run(
        QStringLiteral("lens calculator's help menu"), ModalWatch::Popup,
        [&] { gui::click(about); },
        [&](QWidget *shown) {
            auto *menu = qobject_cast<QMenu *>(shown);
            auto *version =
                menu ? menu->findChild<QAction *>(QStringLiteral("actionVersion")) : nullptr;
            if (!version) {
                m_camera.problem(QStringLiteral("the help menu has no version item"));
                return;
            }
            const QPoint at = menu->actionGeometry(version).center();
            m_watch.run(
                QStringLiteral("lens calculator's About box"), ModalWatch::Dialog,
                [&] { gui::click(menu, at); },
                [&](QWidget *box) {
                    m_camera.window(box, QStringLiteral("lens-calculator-about"));
                });
        });
}
