#pragma once

#include <ktl.h>

#include <atomic>
#include <memory>

namespace pendrik {

/// The one instance of one of the library's process-wide managers, created
/// on first use: test, lock, test again, create. It lives until the process
/// exits. @p T befriends this function when its constructor is private.
template <typename T> T *libraryInstance()
{
    static std::unique_ptr<T> holder;
    static std::atomic<T *> current{nullptr};
    static KTL_Mutex mutex;

    T *existing = current.load(std::memory_order_acquire);
    if (!existing) {
        KTL_Guard guard(mutex);
        existing = current.load(std::memory_order_relaxed);
        if (!existing) {
            holder.reset(new T);
            existing = holder.get();
            current.store(existing, std::memory_order_release);
        }
    }
    return existing;
}

} // namespace pendrik
