#include "DeviceStreamWidget.h"

namespace kiv {

DeviceStreamWidget::DeviceStreamWidget(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DeviceStreamWidget"));
    setStyleSheet(QStringLiteral("QDialog\n{\n   border-image:url(:/Torvel/Tree/Images/Public/"
                                 "Control/Tree/TableBg.png) 1;\n   border-width:1px;\n}"));
    setWindowFlags(Qt::WindowStaysOnTopHint);
    setFixedSize(720, 220);
}

DeviceStreamWidget::~DeviceStreamWidget() = default;

void DeviceStreamWidget::showDevice(const QString &taskName, const QString &deviceType,
                                    int deviceIndex)
{
    m_taskName = taskName;
    m_deviceType = deviceType;
    m_deviceIndex = deviceIndex;
    show();
}

} // namespace kiv
