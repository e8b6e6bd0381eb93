#pragma once

#include <QMutex>

// Runtime services used by the lens library: a plain (non-recursive) mutex,
// the scoped guard that locks it, and the runtime's start-up call.

class KTL_Mutex
{
public:
    KTL_Mutex() = default;
    KTL_Mutex(const KTL_Mutex &) = delete;
    KTL_Mutex &operator=(const KTL_Mutex &) = delete;

    void Lock() { m_mutex.lock(); }
    void Unlock() { m_mutex.unlock(); }
    bool TryLock() { return m_mutex.tryLock(); }

private:
    QMutex m_mutex;
};

/// Locks a KTL_Mutex for the lifetime of the guard.
class KTL_Guard
{
public:
    explicit KTL_Guard(KTL_Mutex &mutex) : m_mutex(mutex) { m_mutex.Lock(); }
    ~KTL_Guard() { m_mutex.Unlock(); }
    KTL_Guard(const KTL_Guard &) = delete;
    KTL_Guard &operator=(const KTL_Guard &) = delete;

private:
    KTL_Mutex &m_mutex;
};

/// Start-up call of the runtime. Nothing needs initialising on this platform;
/// callers do not depend on the result.
inline int KTL_Init()
{
    return 0;
}
