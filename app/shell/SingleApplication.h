#pragma once

#include <QApplication>

#include <memory>

namespace kiv {

class InstanceLock;

/// A QApplication that knows whether another instance of the same program
/// (its id, for this user and program folder) is running already.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(const QString &id, int &argc, char **argv);
    ~SingleApplication() override;
    Q_DISABLE_COPY_MOVE(SingleApplication)

    QString id() const { return m_id; }
    /// True when another instance runs. The first call decides and, when
    /// none runs, makes this process the running instance.
    bool isRunning();

private:
    QString m_id;
    std::unique_ptr<InstanceLock> m_lock;
    bool m_running = false;
};

} // namespace kiv
