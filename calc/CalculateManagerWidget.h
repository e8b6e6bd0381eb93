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
///
/// Only the calculator of the tab in front is made with the pane; each other
/// one is made when its tab is first chosen or it is first asked for, and
/// then catches up with the task and its stored result. The stream-server and
/// client calculators have tabs in the Chinese interface only.
class CalculateManagerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CalculateManagerWidget(QWidget *parent = nullptr);
    ~CalculateManagerWidget() override;
    Q_DISABLE_COPY_MOVE(CalculateManagerWidget)

    QString taskName() const { return m_taskName; }
    /// The tab widget, every tab holding its calculator (made now if need
    /// be).
    KavrinGUIToolkit::CTabWidget *tabs();

    StorageCalculatorWidget *storageCalculator();
    BandwidthCalulatorWidget *bandwidthCalculator();
    StreamServerCalulatorWidget *streamServerCalculator();
    ClientCalculatorWidget *clientCalculator();

    /// Has every calculator show its stored result for the current task.
    void loadResults();

public slots:
    void clickCurrentTask(const QString &name);
    void setCurrentTask(const QString &name);
    void slotChanngedResult();

private:
    enum Calculator { Storage, Bandwidth, StreamServer, Client, CalculatorCount };

    /// The calculator @p which, made now if need be.
    QWidget *calculator(Calculator which);
    /// Makes the calculator of a tab chosen for the first time.
    void tabShown(int index);
    /// Puts @p page in place of the empty page that held tab @p index.
    void fillTab(int index, QWidget *page);

    QFrame *m_frame = nullptr;
    KavrinGUIToolkit::CTabWidget *m_tabCalculate = nullptr;
    StorageCalculatorWidget *m_storage = nullptr;
    BandwidthCalulatorWidget *m_bandwidth = nullptr;
    StreamServerCalulatorWidget *m_streamServer = nullptr;
    ClientCalculatorWidget *m_client = nullptr;
    // The tab of each calculator, -1 for none.
    int m_tabOf[CalculatorCount] = {};
    // The calculators that got no tab (English interface): they have no
    // parent, so the pane frees them.
    std::unique_ptr<QWidget> m_untabbed[2];
    QString m_taskName;
    // True while the calculators show the current task's stored results (from
    // a load until a change of the task): a calculator made then loads them
    // too, one made before any load or after a change shows no figure.
    bool m_showsStored = false;
};

} // namespace kiv
