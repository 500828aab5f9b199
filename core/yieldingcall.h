#pragma once
// Work too long for the window's thread, run on a thread of its own while the caller's
// events go on, as they do between the blocks of a conversion: the window repaints and a
// signal to end is answered. The caller holds back meanwhile whatever must not happen
// before the result is in (the lock on editing while a source opens).

#include <QCoreApplication>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace trevisto {

// The result of `work`, or nothing once `givenUp` says the caller no longer wants it. The
// work then runs on to its end with no one to hear it; it must own everything it uses.
template <typename T>
std::optional<T> CallYielding(std::function<T()> work, const std::function<bool()> &givenUp)
{
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<T> result;
    };
    const auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        T result = work();
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->done.notify_all();
    }).detach();
    std::unique_lock lock(shared->mutex);
    while (!shared->result) {
        lock.unlock();
        QCoreApplication::processEvents();
        if (givenUp())
            return std::nullopt;
        lock.lock();
        // Events that come meanwhile wait this long at most.
        shared->done.wait_for(lock, std::chrono::milliseconds(10), [&shared] { return shared->result.has_value(); });
    }
    return std::move(shared->result);
}

} // namespace trevisto
