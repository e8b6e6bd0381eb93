#include "AddShieldWidget.h"

#include <TaskDataBase.h>
#include <Widgets.h>

#include <QCoreApplication>

namespace kiv {

AddShieldWidget::AddShieldWidget(const QString &deviceType, QWidget *parent)
    : AccessoryTypeDialog(deviceType, QStringLiteral("AddShieldWidget"),
                          QCoreApplication::translate("AddShieldWidget", "Model:"),
                          QCoreApplication::translate("AddShieldWidget", "Number:"), parent)
{
    SetTitle(tr("Select Shield"));
    SetCloseBtnVisible(true);
    setFixedSize(400, 250);
    loadTypes();
    connect(typeBox(), &QComboBox::currentTextChanged, this, &AddShieldWidget::shieldTypeChanged);
}

AddShieldWidget::~AddShieldWidget() = default;

void AddShieldWidget::loadTypes()
{
    QVector<QString> types;
    TaskDataBase::GetInstance()->getIPCShield(deviceType(), types);
    addTypes(types);
}

void AddShieldWidget::shieldTypeChanged(const QString &text)
{
    typeChanged(text);
}

} // namespace kiv
