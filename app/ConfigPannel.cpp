#include "ConfigPannel.h"

namespace kiv {

ConfigPannel::ConfigPannel(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConfigPannel"));
    setStyleSheet(QStringLiteral("QDialog{ border-image:url(:/Torvel/Tree/Images/Public/Control/"
                                 "Tree/TableBg.png) 1;border-width:1px;}"));
    setFixedSize(720, 170);
    setWindowFlags(Qt::WindowStaysOnTopHint);
}

ConfigPannel::~ConfigPannel() = default;

void ConfigPannel::showForDevice(const QString &taskName, const QString &deviceType,
                                 int deviceIndex)
{
    m_taskName = taskName;
    m_deviceType = deviceType;
    m_deviceIndex = deviceIndex;
    show();
}

} // namespace kiv
