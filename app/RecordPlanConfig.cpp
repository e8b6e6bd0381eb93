#include "RecordPlanConfig.h"

namespace kiv {

RecordPlanConfig::RecordPlanConfig(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RecordPlanConfigUI"));
    setFixedSize(720, 140);
    setStyleSheet(QStringLiteral("QDialog\n{\n   border-image:url(:/Torvel/Tree/Images/Public/"
                                 "Control/Tree/TableBg.png) 1;\n   border-width:1px;\n}"));
    // No window type: as a child of the main window the panel is drawn
    // inside it.
    setWindowFlags(Qt::WindowStaysOnTopHint);
}

RecordPlanConfig::~RecordPlanConfig() = default;

void RecordPlanConfig::showDevice(const QString &taskName, int deviceIndex)
{
    m_taskName = taskName;
    m_deviceIndex = deviceIndex;
    show();
}

void RecordPlanConfig::saveAndHide()
{
    // "Hidden" means hidden on purpose: a panel that merely has not been
    // shown yet (its window not up) would otherwise appear with the window.
    if (isHidden())
        return;
    hide();
}

} // namespace kiv
