#include "ProgramTour.h"

#include "GuiSteps.h"
#include "ModalWatch.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace {

// The first value of a filter tree that can be ticked: a checkable,
// enabled item under a group under a heading.
QModelIndex firstTickableValue(const QAbstractItemModel *model)
{
    for (int h = 0; h < model->rowCount(); ++h) {
        const QModelIndex heading = model->index(h, 0);
        for (int g = 0; g < model->rowCount(heading); ++g) {
            const QModelIndex group = model->index(g, 0, heading);
            for (int v = 0; v < model->rowCount(group); ++v) {
                const QModelIndex value = model->index(v, 0, group);
                const Qt::ItemFlags flags = value.flags();
                if ((flags & Qt::ItemIsUserCheckable) && (flags & Qt::ItemIsEnabled))
                    return value;
            }
        }
    }
    return QModelIndex();
}

} // namespace

ProgramTour::ProgramTour(QWidget *mainWindow, int language, Camera &camera, ModalWatch &watch)
    : m_window(mainWindow), m_language(language), m_camera(camera), m_watch(watch)
{
}

void ProgramTour::run()
{
    mainWindowAndMenu();
    taskDialogs();
    addDeviceDialog();
    parameterSheet();
    streamPanel();
    recordPlanPanel();
    accessoryPanels();
    messageBoxes();
    calculators();
    report();
    hiddenTaskPane();
    maximisedWindow();
}

void ProgramTour::mainWindowAndMenu()
{
    m_camera.window(m_window, QStringLiteral("main-window"));
    auto *menuButton = child<QWidget>(m_window, "m_btnSystemMenu");
    m_watch.run(
        QStringLiteral("title bar menu"), ModalWatch::Popup, [&] { gui::click(menuButton); },
        [&](QWidget *shown) {
            m_camera.window(shown, QStringLiteral("title-bar-menu"));
            auto *menu = qobject_cast<QMenu *>(shown);
            QList<QAction *> items;
            for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
                if (!action->isSeparator() && action->isVisible())
                    items << action;
            }
            // The manual first, then the About box.
            if (items.size() < 2) {
                m_camera.problem(QStringLiteral("the title bar menu has no About item"));
                return;
            }
            const QPoint about = menu->actionGeometry(items.at(1)).center();
            m_watch.run(
                QStringLiteral("About box"), ModalWatch::Dialog, [&] { gui::click(menu, about); },
                [&](QWidget *box) { m_camera.window(box, QStringLiteral("about-box")); });
        });
}

void ProgramTour::taskDialogs()
{
    auto *add = child<QWidget>(m_window, "btnAddTask");
    m_watch.run(
        QStringLiteral("new-task dialog"), ModalWatch::Dialog, [&] { gui::click(add); },
        [&](QWidget *dialog) {
            m_camera.window(dialog, QStringLiteral("new-task"));
            gui::type(child<QWidget>(dialog, "editTaskName"),
                      m_language == 1 ? QStringLiteral("港口仓库")
                                      : QStringLiteral("Harbour Depot"));
            // The first solution type turns the dialog into the first page of
            // a solution task.
            if (!gui::choose(child<QComboBox>(dialog, "combTaskType"), 1))
                m_camera.problem(QStringLiteral("no solution type to choose"));
            m_camera.window(dialog, QStringLiteral("new-task-solution"));
            importDialog(dialog);
        });
}

void ProgramTour::importDialog(QWidget *newTask)
{
    auto *next = child<QWidget>(newTask, "CBaseDialogConfirmBtn");
    m_watch.run(
        QStringLiteral("import-solution dialog"), ModalWatch::Dialog, [&] { gui::click(next); },
        [&](QWidget *dialog) {
            m_camera.window(dialog, QStringLiteral("import-solution"));
            if (!gui::choose(child<QComboBox>(dialog, "combIndustry"), 1))
                m_camera.problem(QStringLiteral("no second industry to choose"));
            auto *scenes = child<QAbstractItemView>(dialog, "treeScene");
            if (scenes && !gui::clickItem(scenes, scenes->model()->index(1, 0)))
                m_camera.problem(QStringLiteral("no second scene to click"));
            m_camera.window(dialog, QStringLiteral("import-solution-industry"));
            // Cancel ends the whole request: no task is added.
            gui::click(child<QWidget>(dialog, "btnCancel"));
        });
}

void ProgramTour::addDeviceDialog()
{
    auto *add = child<QWidget>(m_window, "btnAddDevice");
    m_watch.run(
        QStringLiteral("add-device dialog"), ModalWatch::Dialog, [&] { gui::click(add); },
        [&](QWidget *dialog) {
            auto *tabs = child<QTabWidget>(dialog, "pararmTabWidget");
            if (!tabs)
                return;
            const char *const pictures[] = {"add-device-camera", "add-device-dome",
                                            "add-device-dvr"};
            for (int tab = 0; tab < 3; ++tab) {
                const QString picture = QLatin1String(pictures[tab]);
                if (!gui::clickTab(tabs->tabBar(), tab)) {
                    m_camera.problem(QStringLiteral("%1: no such tab").arg(picture));
                    continue;
                }
                QWidget *page = tabs->widget(tab);
                auto *tree = page ? page->findChild<QTreeView *>() : nullptr;
                const QModelIndex value = tree ? firstTickableValue(tree->model()) : QModelIndex();
                if (value.isValid()) {
                    tree->expand(value.parent().parent());
                    tree->expand(value.parent());
                }
                if (!value.isValid() || !gui::tickItem(tree, value) ||
                    value.data(Qt::CheckStateRole).toInt() != Qt::Checked)
                    m_camera.problem(QStringLiteral("%1: no filter value ticked").arg(picture));
                m_camera.window(dialog, picture);
            }
        });
}

void ProgramTour::parameterSheet()
{
    QAbstractItemView *table = deviceTable();
    m_watch.run(
        QStringLiteral("device parameter sheet"), ModalWatch::Dialog,
        [&] {
            if (table)
                gui::doubleClickItem(table, table->model()->index(0, 0));
        },
        [&](QWidget *sheet) { m_camera.window(sheet, QStringLiteral("device-parameters")); });
}

void ProgramTour::messageBoxes()
{
    // The program folder holds no manual.
    m_watch.run(
        QStringLiteral("message box"), ModalWatch::Dialog,
        [&] { gui::press(m_window, Qt::Key_F1); },
        [&](QWidget *box) { m_camera.window(box, QStringLiteral("message-warning")); });
    // Left unanswered, the question is declined: the device stays.
    m_watch.run(
        QStringLiteral("question box"), ModalWatch::Dialog,
        [&] {
            if (!clickRowIcon(0, false, KavrinGUIToolkit::SecondIconRole))
                m_camera.problem(QStringLiteral("no delete icon on the first device row"));
        },
        [&](QWidget *box) { m_camera.window(box, QStringLiteral("message-question")); });
}

void ProgramTour::report()
{
    auto *button = child<QWidget>(m_window, "btnOutput");
    m_watch.run(
        QStringLiteral("report window"), ModalWatch::Dialog, [&] { gui::click(button); },
        [&](QWidget *report) {
            m_camera.window(report, QStringLiteral("report"));
            auto *pdf = child<QWidget>(report, "btnSavePdf");
            m_watch.run(
                QStringLiteral("path dialog"), ModalWatch::Dialog, [&] { gui::click(pdf); },
                [&](QWidget *path) { m_camera.window(path, QStringLiteral("report-path")); });
        });
}

void ProgramTour::hiddenTaskPane()
{
    QWidget *pin = gui::findByClass(m_window, "kivui::PinButton");
    if (!gui::click(pin)) {
        m_camera.problem(QStringLiteral("no pin button to click"));
        return;
    }
    m_camera.window(m_window, QStringLiteral("main-window-task-pane-hidden"));
    gui::click(pin);
}

void ProgramTour::maximisedWindow()
{
    QWidget *maximise = child<QWidget>(m_window, "m_btnMaximize");
    const QSize before = m_window->size();
    if (!gui::click(maximise) ||
        !QTest::qWaitFor([&] { return m_window->size() != before; }, 5000)) {
        m_camera.problem(QStringLiteral("the main window did not maximise"));
        return;
    }
    m_camera.window(m_window, QStringLiteral("main-window-maximised"));
    gui::click(child<QWidget>(m_window, "m_btnResore"));
}
