#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>

#include <chrono>
#include <memory>

class QLockFile;
class QTimer;

namespace KavrinGUIToolkit {

/// How a held lock shows that its program still runs, and how long a lock
/// whose owner cannot be asked is honoured without that sign.
struct LockTiming
{
    /// A holder marks its lock file as alive this often. A minute costs one
    /// change of a file time a minute, on a share too.
    std::chrono::milliseconds refreshInterval = std::chrono::minutes(1);
    /// A lock of another machine that was not marked for this long is taken
    /// over. Five missed marks: a program busy for a while, a slow share or
    /// clocks a few minutes apart never lose their lock, and a folder left
    /// by a machine that was switched off is free again within minutes.
    std::chrono::milliseconds staleAge = std::chrono::minutes(5);
};

/// A lock file that one running program holds for as long as it runs, so
/// that a resource (a folder, a program) has one user at a time. The file
/// names its owner (process, program, machine). A lock whose owner on this
/// machine has ended is taken over at once; this machine cannot see whether
/// a program on another machine runs, so a holder marks its file as alive
/// at an interval, and a lock of another machine left unmarked for several
/// intervals is taken over and logged.
class KAVRIN_CORE_EXPORT CLockFile
{
public:
    enum class State {
        /// This object holds the lock until it is destroyed.
        Held,
        /// A program that is still running holds it.
        HeldElsewhere,
        /// No lock can be made there (no folder, or it cannot be written).
        Unavailable,
    };

    explicit CLockFile(const QString &path, const LockTiming &timing = {});
    ~CLockFile();
    CLockFile(const CLockFile &) = delete;
    CLockFile &operator=(const CLockFile &) = delete;

    /// Tries once to take the lock; asked again by its holder, Held.
    State acquire();
    bool isHeld() const;
    QString filePath() const { return m_path; }
    /// After acquire() gave HeldElsewhere: the name of the machine whose
    /// program holds the lock when that is another machine; empty when it
    /// is this one, or when the lock names nobody.
    QString otherMachine() const { return m_otherMachine; }
    LockTiming timing() const { return m_timing; }

private:
    State hold();
    void refresh();

    QString m_path;
    LockTiming m_timing;
    QString m_otherMachine;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QTimer> m_refresh;
    bool m_refreshFailed = false;
};

} // namespace KavrinGUIToolkit
