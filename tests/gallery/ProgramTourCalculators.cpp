// The calculator pane: each calculator's tab, its choices and Calculate.

#include "ProgramTour.h"

#include "GuiSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

namespace {

const char kStorage[] = "kiv::StorageCalculatorWidget";
const char kBandwidth[] = "kiv::BandwidthCalulatorWidget";
const char kStreamServer[] = "kiv::StreamServerCalulatorWidget";
const char kClient[] = "kiv::ClientCalculatorWidget";

} // namespace

void ProgramTour::calculate(const char *calculator, const QString &picture)
{
    auto *tabs = child<QTabWidget>(m_window, "tabCalculate");
    QWidget *pane = gui::findByClass(m_window, calculator);
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
    QWidget *storage = gui::findByClass(m_window, kStorage);
    auto *classes = child<QComboBox>(storage, "combStorageDeviceClass");
    auto *disks = child<QComboBox>(storage, "combHDDType");
    if (!gui::choose(classes, 0))
        m_camera.problem(QStringLiteral("the NVR class cannot be chosen"));
    calculate(kStorage, QStringLiteral("storage-nvr"));
    if (!gui::choose(classes, 1))
        m_camera.problem(QStringLiteral("the CVR class cannot be chosen"));
    calculate(kStorage, QStringLiteral("storage-cvr"));
    if (!gui::choose(disks, 1))
        m_camera.problem(QStringLiteral("RAID disks cannot be chosen"));
    calculate(kStorage, QStringLiteral("storage-raid"));

    calculate(kBandwidth, QStringLiteral("bandwidth"));
    // Stream servers and clients are calculated in the Chinese interface
    // only.
    if (m_language == 1) {
        calculate(kStreamServer, QStringLiteral("stream-server"));
        calculate(kClient, QStringLiteral("client"));
    }
}
