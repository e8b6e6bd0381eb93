#pragma once

#include "Camera.h"

#include <ItemDataRole.h>

#include <QModelIndex>
#include <QObject>
#include <QString>

class ModalWatch;
class QAbstractItemView;
class QWidget;

/// Walks through the planning program as a planner would, from its shown
/// main window on the gallery's tasks, and has the camera take every window
/// and dialog on the way: the main window, the title bar's menu and the
/// About box, the task dialogs, the add-device dialog, the device parameter
/// sheet, the panels of a device row and their dialogs, the calculators, the
/// report and its path dialog, a message and a question box, the tips of a
/// refused stand count and of too few hot spares, and the window maximised.
/// Widgets are found by object name, class or what they show.
class ProgramTour
{
public:
    ProgramTour(QWidget *mainWindow, int language, Camera &camera, ModalWatch &watch);
    ProgramTour(const ProgramTour &) = delete;
    ProgramTour &operator=(const ProgramTour &) = delete;

    void run();

private:
    void mainWindowAndMenu();
    void taskDialogs();
    void importDialog(QWidget *newTask);
    void addDeviceDialog();
    void parameterSheet();
    void streamPanel();
    void recordPlanPanel();
    void accessoryPanels();
    /// Opens the type dialog of the accessory @p tile and takes it; with
    /// @p refusedPicture, then confirms an empty count and takes the tip.
    void accessoryDialog(const char *tile, const QString &what, const QString &picture,
                         const QString &refusedPicture = QString());
    void messageBoxes();
    void calculators();
    void calculate(QWidget *pane, const QString &picture);
    void report();
    void hiddenTaskPane();
    void maximisedWindow();

    /// The child of @p root with that object name and class; noted as a
    /// problem when there is none.
    template <typename T> T *child(QObject *root, const char *name);
    /// The device list's table and the index of @p row in the column of the
    /// row's panel icons (@p panels) or of its delete icon.
    QAbstractItemView *deviceTable();
    QModelIndex iconCell(int row, bool panels);
    /// Clicks an icon of a device row.
    bool clickRowIcon(int row, bool panels, KavrinGUIToolkit::CItemDataRole role);

    QWidget *m_window;
    int m_language;
    Camera &m_camera;
    ModalWatch &m_watch;
};

template <typename T> T *ProgramTour::child(QObject *root, const char *name)
{
    T *found = root ? root->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found)
        m_camera.problem(
            QStringLiteral("no %1 named %2")
                .arg(QLatin1String(T::staticMetaObject.className()), QLatin1String(name)));
    return found;
}
