#pragma once

#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <memory>

namespace KavrinGUIToolkit {

/// Base of the program's process-wide objects. GetInstance() creates the one
/// instance on first use: test, lock, test again, create. The instance lives
/// until the process exits and is deleted then through the virtual destructor.
template <typename T> class CUiSingleton
{
public:
    virtual ~CUiSingleton() = default;

    static T *GetInstance()
    {
        static std::unique_ptr<T> holder;
        static std::atomic<T *> instance{nullptr};
        static QMutex mutex;

        T *existing = instance.load(std::memory_order_acquire);
        if (!existing) {
            QMutexLocker lock(&mutex);
            existing = instance.load(std::memory_order_relaxed);
            if (!existing) {
                holder.reset(new T);
                existing = holder.get();
                instance.store(existing, std::memory_order_release);
            }
        }
        return existing;
    }

protected:
    CUiSingleton() = default;
};

} // namespace KavrinGUIToolkit
