#pragma once

#include <BaseDialogWithBottom.h>

#include <QString>

#include <memory>

namespace Ui {
class PendrikWidget;
}

namespace kiv {

/// The lens dialog of a camera: a host for the lens calculator of
/// libPendrik, whose window openPendrik() puts into this dialog's form and
/// fixes on the camera. After exec() returned QDialog::Accepted, getLens()
/// and getLensValue() give the lens chosen there and its count.
class PendrikWidget : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    explicit PendrikWidget(QWidget *parent = nullptr);
    ~PendrikWidget() override;
    Q_DISABLE_COPY_MOVE(PendrikWidget)

    /// Binds the library's window to this dialog and selects the camera of
    /// @p model in it. False when the library could not open its window or
    /// knows no camera in @p model: the caller then chooses the lens another
    /// way.
    bool openPendrik(const QString &model);
    QString getLens() const { return m_lens; }
    int getLensValue() const { return m_lensCount; }
    QString cameraModel() const { return m_cameraModel; }

public slots:
    /// Takes the lens chosen in the library's window and accepts; with no
    /// lens chosen, or no count, asks for one and stays open.
    void onConfirm();

private:
    const std::unique_ptr<Ui::PendrikWidget> m_form;
    QString m_cameraModel;
    QString m_lens;
    int m_lensCount = 0;
};

} // namespace kiv
