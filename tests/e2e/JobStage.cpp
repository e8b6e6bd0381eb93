#include "JobStage.h"

#include "Camera.h"

#include <BandwidthCalulatorWidget.h>
#include <CalculateManagerWidget.h>
#include <ClientCalculatorWidget.h>
#include <ConfigPannel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <ExpandAttributePannel.h>
#include <RecordPlanConfig.h>
#include <StorageCalculatorWidget.h>
#include <StreamServerCalulatorWidget.h>
#include <TaskManagerWidget.h>
#include <TimeUnitButton.h>
#include <Varnel.h>

#include <TreeView.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using KavrinGUIToolkit::CWarningDlg;

namespace {

QString cellsOf(const QAbstractItemView *table, int columns)
{
    QStringList cells;
    for (int column = 0; column < columns; ++column)
        cells << table->model()->index(0, column).data().toString();
    return cells.join(QLatin1Char('|'));
}

} // namespace

JobStage::JobStage(int language, const char *stage, QObject *parent)
    : QObject(parent), m_language(language), m_texts(jobTexts(language)),
      m_pictures(language, QLatin1String(stage))
{
}

JobStage::~JobStage() = default;

void JobStage::initTestCase()
{
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    // Closing the program is a step of the job; no other window's closing
    // may end the process before it.
    QApplication::setQuitOnLastWindowClosed(false);
    m_window = std::make_unique<kiv::Varnel>();
    m_window->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void JobStage::cleanupTestCase()
{
    m_window.reset();
    CWarningDlg::SetResponder({});
    QVERIFY2(m_pictures.allTaken(), "a picture of a step could not be taken");
}

void JobStage::init()
{
    if (m_failed)
        QSKIP("an earlier step of the job failed");
}

void JobStage::cleanup()
{
    m_failed = m_failed || QTest::currentTestFailed();
}

QStringList JobStage::takeMessages()
{
    const QList<CWarningDlg::Shown> shown = CWarningDlg::History();
    QStringList out;
    for (int i = m_messagesSeen; i < shown.size(); ++i)
        out << shown.at(i).title + QLatin1Char('|') + shown.at(i).text;
    m_messagesSeen = int(shown.size());
    return out;
}

bool JobStage::chooseTask(const QString &name)
{
    QAbstractItemView *tasks = m_window->taskPane()->view();
    const int row = planner::rowOf(tasks->model(), name);
    return row >= 0 && gui::clickItem(tasks, tasks->model()->index(row, 0)) &&
           m_window->deviceList()->taskName() == name;
}

QStringList JobStage::listedTasks() const
{
    return planner::rowTexts(m_window->taskPane()->view()->model(), 0);
}

QAbstractItemView *JobStage::deviceTable() const
{
    return m_window->deviceList()->view();
}

QStringList JobStage::listedDevices() const
{
    return planner::rowTexts(deviceTable()->model(), 5);
}

bool JobStage::clickPanelIcon(int row, KavrinGUIToolkit::CItemDataRole role)
{
    // The icons of a row's panels stand in its configuration column.
    const QModelIndex cell = deviceTable()->model()->index(row, 6);
    const bool clicked = gui::clickIcon(deviceTable(), cell, role);
    Camera::parkPointer();
    return clicked;
}

QStringList JobStage::shownStreams() const
{
    using kiv::DeviceStreamModel;
    const DeviceStreamModel *model = m_window->streamPanel()->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto cell = [model, row](int column) { return model->index(row, column); };
        rows << QStringList{planner::tick(cell(DeviceStreamModel::PreviewColumn)) +
                                planner::tick(cell(DeviceStreamModel::RecordColumn)) +
                                planner::tick(cell(DeviceStreamModel::TransmissionColumn)),
                            cell(DeviceStreamModel::StreamCountColumn).data().toString(),
                            cell(DeviceStreamModel::ResolutionColumn).data().toString(),
                            cell(DeviceStreamModel::FrameRateColumn).data().toString(),
                            cell(DeviceStreamModel::BitRateColumn).data().toString()}
                    .join(QLatin1Char('|'));
    }
    return rows;
}

QStringList JobStage::streamsOf(int row)
{
    if (!clickPanelIcon(row, KavrinGUIToolkit::FirstIconRole) ||
        !m_window->streamPanel()->isVisible())
        return {QStringLiteral("no stream panel")};
    const QStringList rows = shownStreams();
    clickPanelIcon(row, KavrinGUIToolkit::FirstIconRole);
    return rows;
}

QString JobStage::planOf(int row)
{
    kiv::RecordPlanConfig *panel = m_window->recordPlanPanel();
    if (!clickPanelIcon(row, KavrinGUIToolkit::SecondIconRole) || !panel->isVisible())
        return QStringLiteral("no record-plan panel");
    const QString plan = panel->planString() + QLatin1Char('|') +
                         planner::named<QComboBox>(panel, "combFrenquency")->currentText();
    clickPanelIcon(row, KavrinGUIToolkit::SecondIconRole);
    return plan;
}

QString JobStage::accessoriesOf(int row)
{
    kiv::ConfigPannel *panel = m_window->accessoryPanel();
    if (!clickPanelIcon(row, KavrinGUIToolkit::ThirdIconRole) || !panel->isVisible())
        return QStringLiteral("no accessory panel");
    QStringList tiles;
    for (const kivui::ExpandAttributePannel *tile :
         {panel->lensPanel(), panel->standPanel(), panel->shieldPanel()}) {
        const auto *label = planner::named<QLabel>(tile, "m_attributeLabel");
        tiles << (tile->hasAttribute() && label ? label->text() : QString());
    }
    clickPanelIcon(row, KavrinGUIToolkit::ThirdIconRole);
    return tiles.join(QLatin1Char('|'));
}

bool JobStage::chooseCalculator(QWidget *calculator)
{
    auto *tabs = planner::named<QTabWidget>(m_window.get(), "tabCalculate");
    return tabs && calculator && gui::clickTab(tabs->tabBar(), tabs->indexOf(calculator));
}

// Through the pane: a calculator whose tab was never chosen is made when it
// is first asked for.
QWidget *JobStage::storageCalculator() const
{
    return m_window->calculatorPane()->storageCalculator();
}

QWidget *JobStage::bandwidthCalculator() const
{
    return m_window->calculatorPane()->bandwidthCalculator();
}

QWidget *JobStage::streamServerCalculator() const
{
    return m_window->calculatorPane()->streamServerCalculator();
}

QWidget *JobStage::clientCalculator() const
{
    return m_window->calculatorPane()->clientCalculator();
}

bool JobStage::calculate(QWidget *calculator)
{
    return chooseCalculator(calculator) &&
           gui::click(planner::named<QWidget>(calculator, "btnCalculate")) &&
           QTest::qWaitFor([] { return !QApplication::activeModalWidget(); });
}

QString JobStage::storageFigures() const
{
    return cellsOf(planner::named<QAbstractItemView>(storageCalculator(), "tableResult"), 3);
}

QString JobStage::storageChoices() const
{
    const QWidget *form = storageCalculator();
    const auto combo = [form](const char *name) {
        return planner::named<QComboBox>(form, name)->currentText();
    };
    const auto edit = [form](const char *name) {
        return planner::named<QLineEdit>(form, name)->text();
    };
    const char *const units[] = {"D", "W", "M"};
    const int unit = planner::named<kivui::TimeUnitButton>(form, "btnRecordTime")->currentButton();
    QStringList choices{combo("combStorageDeviceClass"),
                        combo("combDeviceType"),
                        edit("edtDiskPos"),
                        combo("combHDDCapcity"),
                        edit("edtTime"),
                        QLatin1String(units[qBound(0, unit, 2)]),
                        combo("combHDDType")};
    if (!planner::named<QWidget>(form, "combRaidType")->isHidden())
        choices << combo("combRaidType") << edit("edtRaidGroup") << edit("edtHotspare");
    return choices.join(QLatin1Char('|'));
}

QString JobStage::bandwidthFigures() const
{
    return cellsOf(planner::named<QAbstractItemView>(bandwidthCalculator(), "tableBandWidth"), 4);
}

QString JobStage::streamServerCount() const
{
    return planner::named<QLineEdit>(streamServerCalculator(), "edtServerCount")->text();
}

QString JobStage::clientCount() const
{
    return planner::named<QLineEdit>(clientCalculator(), "edtClientCount")->text();
}
