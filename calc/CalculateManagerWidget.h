#pragma once

#include <QWidget>

#include <memory>

class QFrame;

namespace KavrinGUIToolkit {
class CTabWidget;
}

namespace kiv {

class BandwidthCalulatorWidget;
class ClientCalculatorWidget;
class StorageCalculatorWidget;
class StreamServerCalulatorWidget;

/// The calculator pane at the bottom of the main window. It hands the
/// current task to every calculator, has each show the result stored for the
/// task, and, when the task's devices, streams or record plans change, marks
/// the task's stored results out of date and blanks every figure shown.
class CalculateManagerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CalculateManagerWidget(QWidget *parent = nullptr);
    ~CalculateManagerWidget() override;
    Q_DISABLE_COPY_MOVE(CalculateManagerWidget)

    QString taskName() const { return m_taskName; }
    KavrinGUIToolkit::CTabWidget *tabs() const { return m_tabCalculate; }

    StorageCalculatorWidget *storageCalculator() const { return m_storage; }
    BandwidthCalulatorWidget *bandwidthCalculator() const { return m_bandwidth; }
    StreamServerCalulatorWidget *streamServerCalculator() const { return m_streamServer; }
    ClientCalculatorWidget *clientCalculator() const { return m_client; }

    /// Has every calculator show its stored result for the current task.
    void loadResults();

public slots:
    void clickCurrentTask(const QString &name);
    void setCurrentTask(const QString &name);
    void slotChanngedResult();

private:
    QFrame *m_frame = nullptr;
    KavrinGUIToolkit::CTabWidget *m_tabCalculate = nullptr;
    StorageCalculatorWidget *m_storage = nullptr;
    BandwidthCalulatorWidget *m_bandwidth = nullptr;
    StreamServerCalulatorWidget *m_streamServer = nullptr;
    ClientCalculatorWidget *m_client = nullptr;
    // The calculators that got no tab (English interface): they have no
    // parent, so the pane frees them.
    std::unique_ptr<QWidget> m_untabbed[2];
    QString m_taskName;
};

} // namespace kiv
