#include "SingleApplication.h"

#include "InstanceLock.h"

#include <TargetPath.h>

namespace kiv {

SingleApplication::SingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv), m_id(id)
{
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning()
{
    if (!m_lock) {
        m_lock = std::make_unique<InstanceLock>(
            InstanceLock::keyFor(m_id, KavrinGUIToolkit::GetTargetPath()));
        m_running = !m_lock->acquire();
    }
    return m_running;
}

} // namespace kiv
