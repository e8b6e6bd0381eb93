// The planning job up to the calculations: tasks, devices, streams, record
// plans and accessories, entered through the main window's widgets.

#include "PlanningJob.h"

#include <AddDeviceWidget.h>
#include <AddShieldWidget.h>
#include <AddStandWidget.h>
#include <ConfigPannel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <ExpandAttributePannel.h>
#include <ImportSolutionWidget.h>
#include <NewTaskWidget.h>
#include <ParamModel.h>
#include <PendrikWidget.h>
#include <RecordPlanConfig.h>
#include <RecordPlanCopyWidget.h>
#include <RecordWidget.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include <TreeView.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using kiv::DeviceStreamModel;

namespace {

// A value of a filter tree by its parameter code: heading, group, value.
QModelIndex valueOfCode(const QAbstractItemModel *tree, const QString &code)
{
    for (int h = 0; h < tree->rowCount(); ++h) {
        const QModelIndex heading = tree->index(h, 0);
        for (int g = 0; g < tree->rowCount(heading); ++g) {
            const QModelIndex group = tree->index(g, 0, heading);
            for (int v = 0; v < tree->rowCount(group); ++v) {
                const QModelIndex value = tree->index(v, 0, group);
                if (value.data(kiv::ParamModel::CodeRole).toString() == code)
                    return value;
            }
        }
    }
    return QModelIndex();
}

QWidget *confirmButton(const KavrinGUIToolkit::CBaseDialogWithBottom *dialog)
{
    return dialog->GetConfirmBtn();
}

// Picks @p device in an open add-device dialog and confirms it.
void pick(kiv::AddDeviceWidget *dialog, const PickedDevice &device, const QString &remark,
          planner::StepPictures &pictures)
{
    auto *tabs = planner::named<QTabWidget>(dialog, "pararmTabWidget");
    QVERIFY(tabs);
    QVERIFY(gui::clickTab(tabs->tabBar(), device.tab));
    auto *tree = tabs->widget(device.tab)->findChild<QTreeView *>();
    QVERIFY(tree);
    const QModelIndex value = valueOfCode(tree->model(), QLatin1String(device.code));
    QVERIFY2(value.isValid(), device.code);
    tree->expand(value.parent().parent());
    tree->expand(value.parent());
    QVERIFY(gui::tickItem(tree, value));
    QCOMPARE(planner::tick(value), QStringLiteral("1"));

    auto *models = planner::named<QAbstractItemView>(dialog, "devTreeView");
    QCOMPARE(planner::rowTexts(models->model(), 0), device.offered);
    gui::type(planner::named<QLineEdit>(dialog, "edtKeyword"), device.keyword);
    QCOMPARE(planner::rowTexts(models->model(), 0), QStringList{device.model});
    QVERIFY(gui::clickItem(models, models->model()->index(0, 0)));
    QCOMPARE(planner::named<QLineEdit>(dialog, "edtDevType")->text(), device.model);

    gui::type(planner::named<QLineEdit>(dialog, "edtRemark"), remark);
    planner::retype(planner::named<QLineEdit>(dialog, "edtDevCount"),
                    QString::number(device.count));
    if (device.tab != kiv::AddDeviceWidget::DvrTab) {
        QVERIFY(planner::chooseText(planner::named<QComboBox>(dialog, "combMainStream"),
                                    QString::number(device.mainStream)));
        QVERIFY(planner::chooseText(planner::named<QComboBox>(dialog, "combSubStream"),
                                    QString::number(device.subStream)));
    }
    pictures.take(dialog, QStringLiteral("add-device-") + device.model);
    gui::click(confirmButton(dialog));
    QVERIFY(!dialog->isVisible());
}

} // namespace

PlanningJob::PlanningJob(int language, const QString &outFolder, QObject *parent)
    : JobStage(language, "1-made", parent), m_outFolder(outFolder)
{
}

PlanningJob::~PlanningJob() = default;

void PlanningJob::createTheTask()
{
    pictures().take(window(), QStringLiteral("empty-program"));
    QWidget *add = window()->taskPane()->addButton();
    const bool shown = planner::onDialog<kiv::NewTaskWidget>(
        this, [add] { gui::click(add); },
        [this](kiv::NewTaskWidget *dialog) {
            gui::type(planner::named<QWidget>(dialog, "editTaskName"), texts().depot);
            gui::type(planner::named<QWidget>(dialog, "textDescription"), texts().depotDescription);
            pictures().take(dialog, QStringLiteral("new-task"));
            gui::click(confirmButton(dialog));
        });
    QVERIFY(shown);
    QCOMPARE(listedTasks(), QStringList{texts().depot});
    QCOMPARE(window()->deviceList()->taskName(), texts().depot);
    QCOMPARE(listedDevices(), QStringList());
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::addTwoCamerasADomeAndADvr()
{
    const QVector<PickedDevice> devices = pickedDevices();
    QWidget *add = planner::named<QWidget>(window()->deviceList(), "btnAddDevice");
    for (int i = 0; i < devices.size(); ++i) {
        const bool shown = planner::onDialog<kiv::AddDeviceWidget>(
            this, [add] { gui::click(add); },
            [&](kiv::AddDeviceWidget *dialog) {
                pick(dialog, devices.at(i), texts().remarks.at(i), pictures());
            });
        QVERIFY(shown);
        QCOMPARE(listedDevices().size(), i + 1);
    }
    const JobTexts &t = texts();
    QCOMPARE(listedDevices(),
             (QStringList{
                 QStringLiteral("KC-B41|%1|%2|4|4096|1024").arg(t.remarks[0], t.ipc),
                 QStringLiteral("KC-D21|%1|%2|8|2048|512").arg(t.remarks[1], t.ipc),
                 QStringLiteral("KS-P230|%1|%2|2|2048|1024").arg(t.remarks[2], t.dome),
                 QStringLiteral("KD-08|%1|%2|1||").arg(t.remarks[3], t.dvr),
             }));
    pictures().take(window(), QStringLiteral("devices-added"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::createATaskFromASolution()
{
    QWidget *add = window()->taskPane()->addButton();
    bool imported = false;
    const bool shown = planner::onDialog<kiv::NewTaskWidget>(
        this, [add] { gui::click(add); },
        [&](kiv::NewTaskWidget *dialog) {
            gui::type(planner::named<QWidget>(dialog, "editTaskName"), texts().outlet);
            QVERIFY(planner::chooseText(planner::named<QComboBox>(dialog, "combTaskType"),
                                        texts().solutionType));
            imported = planner::onDialog<kiv::ImportSolutionWidget>(
                this, [dialog] { gui::click(confirmButton(dialog)); },
                [this](kiv::ImportSolutionWidget *import) {
                    QVERIFY(planner::chooseText(planner::named<QComboBox>(import, "combIndustry"),
                                                texts().industry));
                    auto *scenes = planner::named<QAbstractItemView>(import, "treeScene");
                    const QAbstractItemModel *list = scenes->model();
                    QCOMPARE(planner::rowTexts(list, 0), texts().scenes);
                    const QModelIndex dropped =
                        list->index(planner::rowOf(list, texts().droppedScene), 0);
                    QVERIFY(gui::tickItem(scenes, dropped));
                    QCOMPARE(planner::tick(dropped), QStringLiteral("0"));
                    QVERIFY(gui::clickItem(
                        scenes, list->index(planner::rowOf(list, texts().editedScene), 0)));
                    auto *devices = planner::named<QAbstractItemView>(import, "treeDeviceType");
                    QCOMPARE(
                        planner::rowTexts(devices->model(), 1),
                        (QStringList{QStringLiteral("KC-B21|6"), QStringLiteral("KS-P220|1")}));
                    QVERIFY(planner::editCell(devices, devices->model()->index(0, 1),
                                              QStringLiteral("9")));
                    QCOMPARE(
                        planner::rowTexts(devices->model(), 1),
                        (QStringList{QStringLiteral("KC-B21|9"), QStringLiteral("KS-P220|1")}));
                    pictures().take(import, QStringLiteral("import-solution"));
                    gui::click(planner::named<QWidget>(import, "btnFinish"));
                });
        });
    QVERIFY(shown);
    QVERIFY(imported);
    QCOMPARE(listedTasks(), (QStringList{texts().depot, texts().outlet}));
    QCOMPARE(window()->deviceList()->taskName(), texts().outlet);
    QCOMPARE(listedDevices(), texts().outletDevices);
    pictures().take(window(), QStringLiteral("solution-task"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::changeACountInTheList()
{
    QVERIFY(chooseTask(texts().depot));
    QCOMPARE(listedDevices().size(), 4);
    QVERIFY(planner::editCell(deviceTable(), deviceTable()->model()->index(1, 3),
                              QStringLiteral("300")));
    QCOMPARE(listedDevices().value(1),
             QStringLiteral("KC-D21|%1|%2|300|2048|512").arg(texts().remarks[1], texts().ipc));
    pictures().take(window(), QStringLiteral("count-changed"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::editTheStreams()
{
    kiv::DeviceStreamWidget *panel = window()->streamPanel();
    const QAbstractItemModel *streams = panel->model();
    const auto cell = [streams](int row, int column) { return streams->index(row, column); };

    // The gate cameras: a stream added, then its resolution and its frame
    // rate changed; a second stream added, one flag of each stream cleared.
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::FirstIconRole));
    QVERIFY(panel->isVisible());
    QCOMPARE(shownStreams(), QStringList());
    QVERIFY(gui::click(panel->addButton()));
    QCOMPARE(shownStreams(), QStringList{QStringLiteral("111|1|1280x720|25|3072")});
    QVERIFY(planner::chooseInCell(panel->view(), cell(0, DeviceStreamModel::ResolutionColumn),
                                  QStringLiteral("2560x1920")));
    QCOMPARE(shownStreams(), QStringList{QStringLiteral("111|1|2560x1920|25|12288")});
    QVERIFY(planner::chooseInCell(panel->view(), cell(0, DeviceStreamModel::FrameRateColumn),
                                  QStringLiteral("15")));
    QCOMPARE(shownStreams(), QStringList{QStringLiteral("111|1|2560x1920|15|7372")});
    QVERIFY(gui::click(panel->addButton()));
    QVERIFY(gui::tickItem(panel->view(), cell(0, DeviceStreamModel::RecordColumn)));
    QVERIFY(gui::tickItem(panel->view(), cell(1, DeviceStreamModel::TransmissionColumn)));
    QCOMPARE(shownStreams(), figures::gateStreams());
    pictures().take(window(), QStringLiteral("streams"));
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::FirstIconRole));
    QVERIFY(!panel->isVisible());

    // The yard's speed domes record what the catalogue offers first.
    QVERIFY(clickPanelIcon(2, KavrinGUIToolkit::FirstIconRole));
    QVERIFY(gui::click(panel->addButton()));
    QCOMPARE(shownStreams(), figures::yardStreams());
    QVERIFY(clickPanelIcon(2, KavrinGUIToolkit::FirstIconRole));

    // The office's DVR records at 2CIF instead of its first offer, WD1.
    QVERIFY(clickPanelIcon(3, KavrinGUIToolkit::FirstIconRole));
    QVERIFY(gui::click(panel->addButton()));
    QCOMPARE(shownStreams(), QStringList{QStringLiteral("111|1|WD1|25|2240")});
    QVERIFY(planner::chooseInCell(panel->view(), cell(0, DeviceStreamModel::ResolutionColumn),
                                  QStringLiteral("2CIF")));
    QCOMPARE(shownStreams(), figures::officeStreams());
    QVERIFY(clickPanelIcon(3, KavrinGUIToolkit::FirstIconRole));

    QCOMPARE(streamsOf(0), figures::gateStreams());
    QCOMPARE(streamsOf(1), QStringList());
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::paintAndCopyTheRecordPlan()
{
    const QString allDay(24, QLatin1Char('1'));
    QCOMPARE(planOf(1), allDay + QStringLiteral("|100%"));

    kiv::RecordPlanConfig *panel = window()->recordPlanPanel();
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::SecondIconRole));
    QVERIFY(panel->isVisible());
    QVERIFY(gui::click(planner::named<QWidget>(panel, "btnEvent")));
    // A drag along the plan's row from the first hour to the sixth.
    auto *grid = planner::named<kivui::RecordWidget>(panel, "widgetPlan");
    const int c = grid->cellSize();
    const int y = c + c / 2;
    QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, QPoint(c / 2, y));
    QTest::mouseMove(grid, QPoint(3 * c + c / 2, y));
    QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, QPoint(5 * c + c / 2, y));
    const QString eventMornings = QStringLiteral("222222") + QString(18, QLatin1Char('1'));
    QCOMPARE(panel->planString(), eventMornings);
    QVERIFY(planner::chooseText(planner::named<QComboBox>(panel, "combFrenquency"),
                                QStringLiteral("50%")));
    pictures().take(window(), QStringLiteral("record-plan"));

    const bool copied = planner::onDialog<kiv::RecordPlanCopyWidget>(
        this, [panel] { gui::click(planner::named<QWidget>(panel, "btnCopyTo")); },
        [this](kiv::RecordPlanCopyWidget *dialog) {
            auto *devices = planner::named<QAbstractItemView>(dialog, "treeView");
            const JobTexts &t = texts();
            QCOMPARE(planner::rowTexts(devices->model(), 3),
                     (QStringList{QStringLiteral("|1|KC-B41|") + t.remarks[0],
                                  QStringLiteral("|2|KC-D21|") + t.remarks[1],
                                  QStringLiteral("|3|KS-P230|") + t.remarks[2],
                                  QStringLiteral("|4|KD-08|") + t.remarks[3]}));
            const QModelIndex dome = devices->model()->index(2, 0);
            QVERIFY(gui::tickItem(devices, dome));
            QCOMPARE(planner::tick(dome), QStringLiteral("1"));
            pictures().take(dialog, QStringLiteral("record-plan-copy"));
            gui::click(confirmButton(dialog));
        });
    QVERIFY(copied);
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::SecondIconRole));
    QVERIFY(!panel->isVisible());

    QCOMPARE(planOf(0), eventMornings + QStringLiteral("|50%"));
    QCOMPARE(planOf(1), allDay + QStringLiteral("|100%"));
    QCOMPARE(planOf(2), eventMornings + QStringLiteral("|50%"));
    QCOMPARE(planOf(3), allDay + QStringLiteral("|100%"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::addABracketAShieldAndALens()
{
    kiv::ConfigPannel *panel = window()->accessoryPanel();
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::ThirdIconRole));
    QVERIFY(panel->isVisible());
    const auto addButton = [](const kivui::ExpandAttributePannel *tile) {
        return planner::named<QWidget>(tile, "m_addButton");
    };

    QWidget *addStand = addButton(panel->standPanel());
    QVERIFY(planner::onDialog<kiv::AddStandWidget>(
        this, [addStand] { gui::click(addStand); },
        [this](kiv::AddStandWidget *dialog) {
            auto *types = planner::named<QComboBox>(dialog, "combType");
            QCOMPARE(planner::rowTexts(types->model(), 0), texts().brackets);
            QCOMPARE(types->currentText(), texts().brackets.value(0));
            planner::retype(planner::named<QLineEdit>(dialog, "edtCount"), QStringLiteral("4"));
            pictures().take(dialog, QStringLiteral("bracket"));
            gui::click(confirmButton(dialog));
        }));

    QWidget *addShield = addButton(panel->shieldPanel());
    QVERIFY(planner::onDialog<kiv::AddShieldWidget>(
        this, [addShield] { gui::click(addShield); },
        [this](kiv::AddShieldWidget *dialog) {
            auto *types = planner::named<QComboBox>(dialog, "combType");
            QCOMPARE(planner::rowTexts(types->model(), 0), QStringList{texts().shield});
            planner::retype(planner::named<QLineEdit>(dialog, "edtCount"), QStringLiteral("4"));
            pictures().take(dialog, QStringLiteral("shield"));
            gui::click(confirmButton(dialog));
        }));

    QWidget *addLens = addButton(panel->lensPanel());
    QVERIFY(planner::onDialog<kiv::PendrikWidget>(
        this, [addLens] { gui::click(addLens); },
        [this](kiv::PendrikWidget *dialog) {
            auto *lenses = planner::named<QAbstractItemView>(dialog, "m_pCameraLen");
            QVERIFY(lenses);
            // Each lens is listed with its maker and its figures.
            const QStringList offered = planner::rowTexts(lenses->model(), 0);
            QCOMPARE(offered.size(), 2);
            QVERIFY2(offered.at(1).startsWith(QLatin1String("KL-0600, KL Optics, f6mm/F1.4")),
                     qPrintable(offered.at(1)));
            QVERIFY(gui::clickItem(lenses, lenses->model()->index(1, 0)));
            planner::retype(planner::named<QLineEdit>(dialog, "m_pEdtLensNumber"),
                            QStringLiteral("4"));
            pictures().take(dialog, QStringLiteral("lens-calculator"));
            gui::click(confirmButton(dialog));
        }));
    pictures().take(window(), QStringLiteral("accessories"));
    QVERIFY(clickPanelIcon(0, KavrinGUIToolkit::ThirdIconRole));
    QVERIFY(!panel->isVisible());

    QCOMPARE(accessoriesOf(0), figures::gateAccessories(texts()));
    QCOMPARE(accessoriesOf(1), QStringLiteral("||"));
    QCOMPARE(takeMessages(), QStringList());
}
