#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class BandwidthCalulatorWidgetUI;
}

namespace kiv {

class BandwidthCalModel;

/// The "Bandwidth" tab of the calculator pane: Calculate works out the
/// network bandwidth of the current task's streams for preview, recording,
/// transmission and in total, shows it and stores it as the task's
/// bandwidth result.
class BandwidthCalulatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BandwidthCalulatorWidget(QWidget *parent = nullptr);
    ~BandwidthCalulatorWidget() override;
    Q_DISABLE_COPY_MOVE(BandwidthCalulatorWidget)

    QString taskName() const { return m_taskName; }
    BandwidthCalModel *model() const { return m_model; }

    /// Blanks the figures; touches no file.
    void clearResult();
    /// Shows the task's stored figures (blank when it has none enabled).
    void loadResult();

public slots:
    void setTaskName(const QString &name);

private slots:
    void onCalculate();

private:
    const std::unique_ptr<Ui::BandwidthCalulatorWidgetUI> m_form;
    BandwidthCalModel *m_model = nullptr;
    QString m_taskName;
};

} // namespace kiv
