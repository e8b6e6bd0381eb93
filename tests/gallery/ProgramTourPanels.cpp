// The panels of a device row and the dialogs they open.

#include "ProgramTour.h"

#include "GalleryTasks.h"
#include "GuiSteps.h"
#include "ModalWatch.h"

#include <ToolTip.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QWidget>

namespace {

const char kStreamPanel[] = "kiv::DeviceStreamWidget";
const char kRecordPlanPanel[] = "kiv::RecordPlanConfig";
const char kAccessoryPanel[] = "kiv::ConfigPannel";

} // namespace

QAbstractItemView *ProgramTour::deviceTable()
{
    return child<QAbstractItemView>(m_window, "treeDeviceList");
}

QModelIndex ProgramTour::iconCell(int row, bool panels)
{
    QAbstractItemView *table = deviceTable();
    const QAbstractItemModel *model = table ? table->model() : nullptr;
    if (!model)
        return QModelIndex();
    // The panel icons stand in the one cell that has a first icon; the
    // delete icon alone in its cell.
    for (int column = 0; column < model->columnCount(); ++column) {
        const QModelIndex cell = model->index(row, column);
        const bool first = cell.data(KavrinGUIToolkit::FirstIconRole).isValid();
        const bool second = cell.data(KavrinGUIToolkit::SecondIconRole).isValid();
        if (panels ? first : (second && !first))
            return cell;
    }
    return QModelIndex();
}

bool ProgramTour::clickRowIcon(int row, bool panels, KavrinGUIToolkit::CItemDataRole role)
{
    QAbstractItemView *table = deviceTable();
    const QModelIndex cell = iconCell(row, panels);
    if (!table || !cell.isValid())
        return false;
    const bool clicked = gui::clickIcon(table, cell, role);
    Camera::parkPointer();
    return clicked;
}

void ProgramTour::streamPanel()
{
    if (!clickRowIcon(gallerytasks::LensHostCameraRow, true, KavrinGUIToolkit::FirstIconRole) ||
        !gui::findByClass(m_window, kStreamPanel, true)) {
        m_camera.problem(QStringLiteral("the stream panel did not show"));
        return;
    }
    m_camera.screen(m_window, QStringLiteral("stream-panel"));
    clickRowIcon(gallerytasks::LensHostCameraRow, true, KavrinGUIToolkit::FirstIconRole);
}

void ProgramTour::recordPlanPanel()
{
    const int row = gallerytasks::LensHostCameraRow;
    QWidget *panel = nullptr;
    if (clickRowIcon(row, true, KavrinGUIToolkit::SecondIconRole))
        panel = gui::findByClass(m_window, kRecordPlanPanel, true);
    if (!panel) {
        m_camera.problem(QStringLiteral("the record-plan panel did not show"));
        return;
    }
    m_camera.screen(m_window, QStringLiteral("record-plan-panel"));
    auto *copy = child<QWidget>(panel, "btnCopyTo");
    m_watch.run(
        QStringLiteral("record-plan copy dialog"), ModalWatch::Dialog, [&] { gui::click(copy); },
        [&](QWidget *dialog) { m_camera.window(dialog, QStringLiteral("record-plan-copy")); });
    clickRowIcon(row, true, KavrinGUIToolkit::SecondIconRole);
}

void ProgramTour::accessoryDialog(const char *tile, const QString &what, const QString &picture,
                                  const QString &refusedPicture)
{
    QWidget *panel = gui::findByClass(m_window, kAccessoryPanel, true);
    auto *edit = child<QWidget>(child<QWidget>(panel, tile), "m_editButton");
    m_watch.run(
        what, ModalWatch::Dialog, [&] { gui::click(edit); },
        [&](QWidget *dialog) {
            m_camera.window(dialog, picture);
            if (refusedPicture.isEmpty())
                return;
            // An empty count is refused with a tip beside the field.
            auto *count = child<QLineEdit>(dialog, "edtCount");
            if (count)
                count->clear();
            gui::click(child<QWidget>(dialog, "CBaseDialogConfirmBtn"));
            m_camera.screen(dialog, refusedPicture);
            KavrinGUIToolkit::CToolTip::HideTipImmediately();
        });
}

void ProgramTour::accessoryPanels()
{
    // A camera whose lens comes from the catalogue, with a stand and a
    // shield.
    const int box = gallerytasks::BoxCameraRow;
    if (!clickRowIcon(box, true, KavrinGUIToolkit::ThirdIconRole) ||
        !gui::findByClass(m_window, kAccessoryPanel, true)) {
        m_camera.problem(QStringLiteral("the accessory panel did not show"));
        return;
    }
    m_camera.screen(m_window, QStringLiteral("accessory-panel"));
    accessoryDialog("lensPanel", QStringLiteral("lens type dialog"), QStringLiteral("lens-type"));
    accessoryDialog("standPanel", QStringLiteral("stand type dialog"), QStringLiteral("stand-type"),
                    QStringLiteral("stand-type-count-refused"));
    accessoryDialog("shieldPanel", QStringLiteral("shield type dialog"),
                    QStringLiteral("shield-type"));
    clickRowIcon(box, true, KavrinGUIToolkit::ThirdIconRole);

    // A camera the lens calculator knows: its lens is chosen in the
    // calculator.
    const int camera = gallerytasks::LensHostCameraRow;
    if (!clickRowIcon(camera, true, KavrinGUIToolkit::ThirdIconRole) ||
        !gui::findByClass(m_window, kAccessoryPanel, true)) {
        m_camera.problem(QStringLiteral("the accessory panel of the first camera did not show"));
        return;
    }
    accessoryDialog("lensPanel", QStringLiteral("lens host dialog"), QStringLiteral("lens-host"));
    clickRowIcon(camera, true, KavrinGUIToolkit::ThirdIconRole);
}
