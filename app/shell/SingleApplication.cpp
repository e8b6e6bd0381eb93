#include "SingleApplication.h"

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
    if (!m_folderLock) {
        m_folderLock = std::make_unique<TaskFolderLock>(TaskFolder::path());
        m_running = m_folderLock->acquire() == TaskFolderLock::State::HeldElsewhere;
    }
    return m_running;
}

QString SingleApplication::runningOn() const
{
    return m_running ? m_folderLock->otherMachine() : QString();
}

bool SingleApplication::holdsProgramFolder() const
{
    return m_folderLock && m_folderLock->isHeld();
}

} // namespace kiv
