#pragma once

#include <QApplication>

#include <memory>

class TaskFolderLock;

namespace kiv {

class InstanceLock;

/// A QApplication that knows whether another instance of the same program
/// is running already: one of its id for this user and program folder, or
/// any program that holds the program folder's Task folder, whoever started
/// it.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(const QString &id, int &argc, char **argv);
    ~SingleApplication() override;
    Q_DISABLE_COPY_MOVE(SingleApplication)

    QString id() const { return m_id; }
    /// True when another instance runs. The first call decides and, when
    /// none runs, makes this process the running instance, holding the Task
    /// folder of its program folder until it ends. A Task folder that takes
    /// no lock (it cannot be made or written) stops nothing here: the start's
    /// folder check tells the planner why.
    bool isRunning();

private:
    QString m_id;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<TaskFolderLock> m_folderLock;
    bool m_running = false;
};

} // namespace kiv
