#pragma once
// Time bounds that a loaded machine does not break. What a call costs is measured in the
// processor time of the calling thread, which other processes on the machine do not add
// to; the wall clock only catches a call that waits instead of working (a blocked open),
// with a margin wide enough for any load.

#include <chrono>
#include <ctime>

namespace trevisto::test {

class Stopwatch {
public:
    using Duration = std::chrono::nanoseconds;

    // The wall clock may run this many times the bound before a call counts as stuck.
    static constexpr int kWaitingMargin = 10;

    Stopwatch() : wallStart_(std::chrono::steady_clock::now()), cpuStart_(threadCpu()) {}

    Duration cpu() const { return threadCpu() - cpuStart_; }
    Duration wall() const { return std::chrono::steady_clock::now() - wallStart_; }

    // True when the work since the start stayed within `bound`.
    template <typename Rep, typename Period>
    bool within(std::chrono::duration<Rep, Period> bound) const
    {
        return cpu() < bound && wall() < bound * kWaitingMargin;
    }

private:
    static Duration threadCpu()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
    }

    std::chrono::steady_clock::time_point wallStart_;
    Duration cpuStart_;
};

} // namespace trevisto::test
