#pragma once

#include <BaseDialog.h>
#include <TaskDataBase.h>

#include <QVector>

namespace KavrinGUIToolkit {
class CTextEdit;
}

namespace kiv {

/// The read-only "Parameter list" of one device type: every catalogue
/// parameter of the type as a two-column table, a grey row per heading and a
/// row per group with its values. Opened by a double click on a device type
/// in the device list, the add-device dialog and the import-solution dialog.
class DeviceParamWidget : public KavrinGUIToolkit::CBaseDialog
{
    Q_OBJECT
public:
    explicit DeviceParamWidget(QWidget *parent = nullptr);
    ~DeviceParamWidget() override;
    Q_DISABLE_COPY_MOVE(DeviceParamWidget)

    /// Fills the sheet with the parameters of @p deviceType of the device
    /// class. False, with nothing shown, when the catalogue gives nothing
    /// usable for the type.
    bool showDeviceParams(int deviceClass, const QString &deviceType);

    /// What every caller does on a double click: a sheet without parent,
    /// run modally when it could be filled, then discarded. True when it was
    /// shown.
    static bool showModal(int deviceClass, const QString &deviceType);

    /// The value text of one group: each value followed by its unit and ";",
    /// a range "low~high" as low + unit + "~" + high + second unit + ";".
    static QString valueText(const QVector<ParamItem> &items);

private:
    void writeDeviceTypeLine(const QString &deviceType);

    KavrinGUIToolkit::CTextEdit *m_textEdit = nullptr;
    TaskDataBase::ParamSheet m_paramGroups;
};

} // namespace kiv
