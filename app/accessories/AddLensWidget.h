#pragma once

#include "AccessoryTypeDialog.h"

namespace kiv {

/// Chooses a lens type of a camera model from the catalogue, with a count.
/// The lens calculator serves the cameras it knows; this dialog the rest.
class AddLensWidget : public AccessoryTypeDialog
{
    Q_OBJECT
public:
    AddLensWidget(const QString &deviceType, QWidget *parent = nullptr);
    ~AddLensWidget() override;
    Q_DISABLE_COPY_MOVE(AddLensWidget)

public slots:
    void lensTypeChanged(const QString &text);
};

} // namespace kiv
