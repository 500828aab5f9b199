// Long work beside the window's thread: the caller's events run until the result is in,
// and a caller that gives up gets nothing and is not held by the work.

#include "core/yieldingcall.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Waits up to 20 s for `flag`; true when it came.
bool awaited(const std::atomic<bool> &flag)
{
    for (auto waited = 0ms; waited < 20s; waited += 1ms) {
        if (flag.load())
            return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

TEST(CallYielding, TheCallersEventsRunUntilTheResultIsIn)
{
    // The work can only finish once an event of the caller's thread has run.
    const auto released = std::make_shared<std::atomic<bool>>(false);
    int ticks = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++ticks;
        released->store(true);
    });
    tick.start();
    const std::optional<int> result =
        trevisto::CallYielding<int>([released] { return awaited(*released) ? 7 : -1; }, [] { return false; });
    EXPECT_EQ(result, 7);
    EXPECT_GE(ticks, 1);
}

TEST(CallYielding, ACallerThatGivesUpGetsNothingAndGoesOn)
{
    const auto released = std::make_shared<std::atomic<bool>>(false);
    const auto finished = std::make_shared<std::atomic<bool>>(false);
    bool givenUp = false;
    QTimer::singleShot(0, [&givenUp] { givenUp = true; });
    const std::optional<int> result = trevisto::CallYielding<int>(
        [released, finished] {
            awaited(*released);
            finished->store(true);
            return 7;
        },
        [&givenUp] { return givenUp; });
    EXPECT_EQ(result, std::nullopt);
    EXPECT_FALSE(finished->load()) << "the caller did not wait for the work";
    // The work runs on to its end on what it owns.
    released->store(true);
    EXPECT_TRUE(awaited(*finished));
}

} // namespace
