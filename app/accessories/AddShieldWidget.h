#pragma once

#include "AccessoryTypeDialog.h"

namespace kiv {

/// Chooses a shield housing type of a device model from the catalogue,
/// with a count.
class AddShieldWidget : public AccessoryTypeDialog
{
    Q_OBJECT
public:
    AddShieldWidget(const QString &deviceType, QWidget *parent = nullptr);
    ~AddShieldWidget() override;
    Q_DISABLE_COPY_MOVE(AddShieldWidget)

public slots:
    void shieldTypeChanged(const QString &text);

private:
    void loadTypes();
};

} // namespace kiv
