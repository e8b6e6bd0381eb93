#include "AddStandWidget.h"

#include <TaskDataBase.h>
#include <Widgets.h>

#include <QCoreApplication>

namespace kiv {

AddStandWidget::AddStandWidget(const QString &deviceType, int deviceClass, QWidget *parent)
    : AccessoryTypeDialog(deviceType, QStringLiteral("AddStandWidget"),
                          QCoreApplication::translate("AddStandWidget", "Model:"),
                          QCoreApplication::translate("AddStandWidget", "Number:"), parent),
      m_deviceClass(deviceClass)
{
    SetTitle(tr("Select Stand"));
    SetCloseBtnVisible(true);
    setFixedSize(400, 250);
    loadTypes();
    connect(typeBox(), &QComboBox::currentTextChanged, this, &AddStandWidget::standTypeChanged);
}

AddStandWidget::~AddStandWidget() = default;

void AddStandWidget::loadTypes()
{
    QVector<QString> types;
    if (m_deviceClass == NetworkCamera)
        TaskDataBase::GetInstance()->getIPCStand(deviceType(), types);
    else if (m_deviceClass == SpeedDome)
        TaskDataBase::GetInstance()->getDomeStand(deviceType(), types);
    addTypes(types);
}

void AddStandWidget::standTypeChanged(const QString &text)
{
    typeChanged(text);
}

} // namespace kiv
