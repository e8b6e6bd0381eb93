#include "AddLensWidget.h"

#include <TaskDataBase.h>
#include <Widgets.h>

#include <QCoreApplication>

namespace kiv {

AddLensWidget::AddLensWidget(const QString &deviceType, QWidget *parent)
    : AccessoryTypeDialog(deviceType, QStringLiteral("AddLensWidget"),
                          QCoreApplication::translate("AddLensWidget", "Model:"),
                          QCoreApplication::translate("AddLensWidget", "Number:"), parent)
{
    QVector<QString> types;
    TaskDataBase::GetInstance()->getIPCLens(deviceType, types);
    addTypes(types);
    SetTitle(tr("Select Lens"));
    setFixedSize(400, 250);
    connect(typeBox(), &QComboBox::currentTextChanged, this, &AddLensWidget::lensTypeChanged);
}

AddLensWidget::~AddLensWidget() = default;

void AddLensWidget::lensTypeChanged(const QString &text)
{
    typeChanged(text);
}

} // namespace kiv
