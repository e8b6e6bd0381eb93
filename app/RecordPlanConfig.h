#pragma once

#include <QDialog>

namespace kiv {

/// The pop-over panel of a device's record plan, shown beside a device row
/// of the device list. Drawn inside the main window over the panes. The plan
/// grid is not built yet: the panel shows and hides, and it has nothing to
/// store when it closes.
class RecordPlanConfig : public QDialog
{
    Q_OBJECT
public:
    explicit RecordPlanConfig(QWidget *parent = nullptr);
    ~RecordPlanConfig() override;
    Q_DISABLE_COPY_MOVE(RecordPlanConfig)

    void showDevice(const QString &taskName, int deviceIndex);
    /// Stores what the panel shows, then hides it; nothing while hidden.
    void saveAndHide();

    QString taskName() const { return m_taskName; }
    int deviceIndex() const { return m_deviceIndex; }

signals:
    void signalChanngedReslut();

private:
    QString m_taskName;
    int m_deviceIndex = -1;
};

} // namespace kiv
