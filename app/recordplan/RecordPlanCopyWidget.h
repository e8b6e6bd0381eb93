#pragma once

#include <BaseDialogWithBottom.h>

#include <QVector>

#include <memory>

namespace Ui {
class RecordPlanCopyWidget;
}

namespace kiv {

class RecordPlanCopyModel;

/// The "Copy to..." dialog of the record-plan editor: the task's devices
/// with tick boxes. Confirming writes the record plan and event frequency
/// stored for the source device to every other ticked device.
class RecordPlanCopyWidget : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    RecordPlanCopyWidget(const QString &taskName, int sourceIndex, QWidget *parent = nullptr);
    ~RecordPlanCopyWidget() override;
    Q_DISABLE_COPY_MOVE(RecordPlanCopyWidget)

    /// False when the task's devices could not be read: the list is empty.
    bool devicesLoaded() const { return m_loaded; }
    RecordPlanCopyModel *model() const { return m_model; }

private slots:
    void onConfirm();

private:
    void init();
    void tell(const QString &title, const QString &text);

    const std::unique_ptr<Ui::RecordPlanCopyWidget> m_form;
    RecordPlanCopyModel *m_model = nullptr;
    QString m_taskName;
    int m_sourceIndex = -1;
    QVector<int> m_tickedRows;
    bool m_loaded = false;
};

} // namespace kiv
