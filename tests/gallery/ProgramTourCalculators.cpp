// The calculator pane: each calculator's tab, its choices and Calculate.

#include "ProgramTour.h"

#include "GuiSteps.h"

#include <BandwidthCalulatorWidget.h>
#include <CalculateManagerWidget.h>
#include <ClientCalculatorWidget.h>
#include <StorageCalculatorWidget.h>
#include <StreamServerCalulatorWidget.h>
#include <ToolTip.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

void ProgramTour::calculate(QWidget *pane, const QString &picture)
{
    auto *tabs = child<QTabWidget>(m_window, "tabCalculate");
    if (!tabs || !pane || !gui::clickTab(tabs->tabBar(), tabs->indexOf(pane))) {
        m_camera.problem(QStringLiteral("%1: the calculator's tab cannot be chosen").arg(picture));
        return;
    }
    // The NVR count runs behind a busy dialog: the click returns once it is
    // done.
    if (!gui::click(child<QWidget>(pane, "btnCalculate")))
        m_camera.problem(QStringLiteral("%1: Calculate cannot be clicked").arg(picture));
    if (!QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 10000))
        m_camera.problem(QStringLiteral("%1: the calculation did not end").arg(picture));
    m_camera.window(m_window, picture);
}

void ProgramTour::calculators()
{
    // Through the pane: a calculator whose tab was never chosen is made when
    // it is first asked for.
    auto *calculators = m_window->findChild<kiv::CalculateManagerWidget *>();
    if (!calculators) {
        m_camera.problem(QStringLiteral("the window has no calculator pane"));
        return;
    }
    QWidget *storage = calculators->storageCalculator();
    auto *classes = child<QComboBox>(storage, "combStorageDeviceClass");
    auto *disks = child<QComboBox>(storage, "combHDDType");
    if (!gui::choose(classes, 0))
        m_camera.problem(QStringLiteral("the NVR class cannot be chosen"));
    calculate(storage, QStringLiteral("storage-nvr"));
    if (!gui::choose(classes, 1))
        m_camera.problem(QStringLiteral("the CVR class cannot be chosen"));
    calculate(storage, QStringLiteral("storage-cvr"));
    if (!gui::choose(disks, 1))
        m_camera.problem(QStringLiteral("RAID disks cannot be chosen"));
    calculate(storage, QStringLiteral("storage-raid"));
    // Three RAID groups want two hot spares: the tip names the spares.
    auto *spares = child<QLineEdit>(storage, "edtHotspare");
    auto *groups = child<QLineEdit>(storage, "edtRaidGroup");
    if (spares && groups) {
        const QString sparesBefore = spares->text();
        const QString groupsBefore = groups->text();
        spares->setText(QStringLiteral("1"));
        groups->selectAll();
        gui::type(groups, QStringLiteral("3"));
        m_camera.screen(m_window, QStringLiteral("storage-hot-spare-tip"));
        KavrinGUIToolkit::CToolTip::HideTipImmediately();
        spares->setText(sparesBefore);
        groups->setText(groupsBefore);
    }

    calculate(calculators->bandwidthCalculator(), QStringLiteral("bandwidth"));
    // Stream servers and clients are calculated in the Chinese interface
    // only.
    if (m_language == 1) {
        calculate(calculators->streamServerCalculator(), QStringLiteral("stream-server"));
        calculate(calculators->clientCalculator(), QStringLiteral("client"));
    }
}
