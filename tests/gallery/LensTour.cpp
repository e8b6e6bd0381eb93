#include "LensTour.h"

#include "Camera.h"
#include "GuiSteps.h"
#include "ModalWatch.h"

#include <QAction>
#include <QMenu>
#include <QSpinBox>

LensTour::LensTour(QWidget *window, Camera &camera, ModalWatch &watch)
    : m_window(window), m_camera(camera), m_watch(watch)
{
}

void LensTour::run()
{
    m_camera.window(m_window, QStringLiteral("lens-calculator"));
    // 1 m away and 499 m wide asks for less than 4 mm: the tip warns.
    auto *distance = m_window->findChild<QSpinBox *>(QStringLiteral("spinObjectDistance"));
    auto *width = m_window->findChild<QSpinBox *>(QStringLiteral("spinObjectWidth"));
    if (distance && width) {
        const int distanceBefore = distance->value();
        const int widthBefore = width->value();
        distance->setValue(1);
        width->setValue(499);
        m_camera.screen(m_window, QStringLiteral("lens-calculator-focal-tip"));
        distance->setValue(distanceBefore);
        width->setValue(widthBefore);
    } else {
        m_camera.problem(QStringLiteral("the lens calculator has no distance or width"));
    }
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
