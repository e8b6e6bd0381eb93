#pragma once

#include "NvrCalculator.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <vector>

namespace kiv {

/// Runs one NVR calculation on a worker thread while the storage calculator
/// waits behind its busy dialog. Set the parameters, start(), and read
/// result() after the thread has finished; CalSuc() is emitted once per run,
/// on the worker thread, after the result is set.
class CalNVRThread : public QThread
{
    Q_OBJECT

public:
    /// Loads its own model table from the process-wide catalogue. @p parent
    /// is not made the thread's Qt parent: the owner destroys the thread
    /// (the storage calculator keeps it on its stack).
    explicit CalNVRThread(QObject *parent = nullptr);
    /// Calculates with a copy of @p calculator and its model table.
    explicit CalNVRThread(const NvrCalculator &calculator, QObject *parent = nullptr);
    /// Waits for a run that is still going.
    ~CalNVRThread() override;
    Q_DISABLE_COPY_MOVE(CalNVRThread)

    /// Copies the camera list and the model name for the next run. Ignored
    /// while the thread runs.
    void setParam(const QString &nvrModelName, const std::vector<IpcTypeCount> &cameras);
    /// NvrCalculator::calculate() of the last run; 0 before the first.
    int result() const { return m_result.load(); }

signals:
    void CalSuc();

protected:
    void run() override;

private:
    NvrCalculator m_calculator;
    std::vector<IpcTypeCount> m_cameras;
    QString m_modelName;
    std::atomic<int> m_result{0};
};

} // namespace kiv
