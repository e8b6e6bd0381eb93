#include "SingleApplication.h"

#include "InstanceLock.h"

#include <TargetPath.h>
#include <TaskFolder.h>
#include <TaskFolderLock.h>

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
        // The instance key above keeps apart the starts of one user; the
        // folder's own lock also stops a start with another home or
        // temporary folder (another user of a shared program folder), which
        // would change the same tasks behind this one's back.
        if (!m_running) {
            m_folderLock = std::make_unique<TaskFolderLock>(TaskFolder::path());
            m_running = m_folderLock->acquire() == TaskFolderLock::State::HeldElsewhere;
        }
    }
    return m_running;
}

} // namespace kiv
