#pragma once

#include <QApplication>

#include <memory>

class TaskFolderLock;

namespace kiv {

/// A QApplication that knows whether another instance of the program is
/// running already on its program folder: one that holds the lock of the
/// folder's Task folder, whoever started it and on whichever machine.
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
    /// When isRunning() is true and the running instance is on another
    /// machine (a program folder on a share), that machine's name; empty
    /// otherwise.
    QString runningOn() const;
    /// True once isRunning() made this process the one that holds the Task
    /// folder; false before, and when the folder takes no lock.
    bool holdsProgramFolder() const;

private:
    QString m_id;
    std::unique_ptr<TaskFolderLock> m_folderLock;
    bool m_running = false;
};

} // namespace kiv
