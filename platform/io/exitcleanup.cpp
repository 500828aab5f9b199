#include "platform/io/exitcleanup.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <utility>

#include <sched.h>
#include <unistd.h>

namespace trevisto::io {

namespace {

enum State : int { Free, Filling, Ready, Removing };

struct Slot {
    std::atomic<int> state{Free};
    char file[PATH_MAX];
    char then[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may touch only lock-free atomics");

Slot slots[ExitCleanup::kSlots];

} // namespace

ExitCleanup::Remembered ExitCleanup::remember(const std::string &file, const std::string &then)
{
    if (file.empty() || file.size() >= PATH_MAX || then.size() >= PATH_MAX)
        return {};
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (!slots[i].state.compare_exchange_strong(expected, Filling, std::memory_order_acquire))
            continue;
        std::memcpy(slots[i].file, file.c_str(), file.size() + 1);
        std::memcpy(slots[i].then, then.c_str(), then.size() + 1);
        slots[i].state.store(Ready, std::memory_order_release);
        return Remembered(i);
    }
    return {};
}

void ExitCleanup::removeAllNow()
{
    for (Slot &slot : slots) {
        int expected = Ready;
        if (!slot.state.compare_exchange_strong(expected, Removing, std::memory_order_acquire))
            continue;
        ::unlink(slot.file);
        if (slot.then[0] != '\0')
            ::unlink(slot.then);
        slot.state.store(Ready, std::memory_order_release);
    }
}

ExitCleanup::Remembered::Remembered(Remembered &&other) noexcept : slot_(std::exchange(other.slot_, -1)) {}

ExitCleanup::Remembered &ExitCleanup::Remembered::operator=(Remembered &&other) noexcept
{
    if (this != &other) {
        forget();
        slot_ = std::exchange(other.slot_, -1);
    }
    return *this;
}

void ExitCleanup::Remembered::forget()
{
    if (slot_ < 0)
        return;
    std::atomic<int> &state = slots[std::exchange(slot_, -1)].state;
    // A removal under way on another thread reads the paths until it is done: the slot is
    // given back only after it.
    for (int expected = Ready; !state.compare_exchange_weak(expected, Free, std::memory_order_release);
         expected = Ready)
        if (expected == Removing)
            ::sched_yield();
}

} // namespace trevisto::io
