#include "CalNVRThread.h"

#include "CoreLogging.h"

namespace kiv {

CalNVRThread::CalNVRThread(QObject *parent)
{
    // The owner keeps the thread on its stack; a Qt parent would delete it a
    // second time.
    Q_UNUSED(parent);
}

CalNVRThread::CalNVRThread(const NvrCalculator &calculator, QObject *parent)
    : m_calculator(calculator)
{
    Q_UNUSED(parent);
}

CalNVRThread::~CalNVRThread()
{
    // Destroying a running QThread aborts the process.
    wait();
}

void CalNVRThread::setParam(const QString &nvrModelName, const std::vector<IpcTypeCount> &cameras)
{
    if (isRunning()) {
        qCDebug(lcCore) << "CalNVRThread::setParam ignored while a calculation runs";
        return;
    }
    m_cameras = cameras;
    m_modelName = nvrModelName;
}

void CalNVRThread::run()
{
    m_result.store(m_calculator.calculate(m_modelName, m_cameras));
    emit CalSuc();
}

} // namespace kiv
