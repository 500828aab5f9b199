// Marks snapped to zero crossings: where a mark goes on sounds whose crossings are known,
// and where it stays.
#include "editor/zerocrossing.h"

#include "platform/mci/timebase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using trevisto::FrameWindow;
using trevisto::SnappedToZeroCrossing;
using trevisto::ZeroCrossingWindow;

// Snaps `ms` on a sound of `frames` frames whose frame f holds signal(f).
int64_t snapped(int64_t ms, uint32_t rate, int64_t frames, const std::function<float(int64_t)> &signal)
{
    const FrameWindow window = ZeroCrossingWindow(ms, rate, frames);
    std::vector<float> mix;
    for (int64_t f = window.first; f < window.first + window.count; ++f)
        mix.push_back(signal(f));
    return SnappedToZeroCrossing(ms, mix, window, rate, frames);
}

TEST(ZeroCrossing, AMarkGoesToTheMillisecondNearestACrossingWithinReach)
{
    const uint32_t rate = 44100;
    const int64_t frames = 10 * 44100;
    // Crossings only at multiples of `period` frames (a square wave changing sign there).
    const auto square = [](int64_t period) {
        return [period](int64_t f) { return (f / period) % 2 ? -0.5f : 0.5f; };
    };
    const struct {
        const char *what;
        int64_t ms;
        std::function<float(int64_t)> signal;
        int64_t expected;
    } cases[] = {
        // 1000 ms is frame 44100 = 100 * 441: already on a crossing.
        {"on a crossing", 1000, square(441), 1000},
        // Crossings every 441 frames (10 ms): from 1003 ms the nearest whose first frame
        // is one is 1000 ms.
        {"3 ms late", 1003, square(441), 1000},
        {"4 ms early", 996, square(441), 1000},
        // Midway between crossings at 1000 and 1010 ms: the earlier of two as near.
        {"midway", 1005, square(441), 1000},
        // No crossing within 5 ms: a constant sound keeps the mark.
        {"none within reach", 2000, [](int64_t) { return 0.25f; }, 2000},
        // Crossings 20 ms apart, 8 ms away: out of reach.
        {"crossing too far", 1008, square(882), 1008},
        // Digital silence is zero everywhere: the mark is on a crossing already.
        {"silence", 1234, [](int64_t) { return 0.0f; }, 1234},
        // The start and the end of the sound are as good as a crossing.
        {"near the start", 3, [](int64_t) { return 0.25f; }, 0},
        {"near the end", 9998, [](int64_t) { return 0.25f; }, 10000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(snapped(c.ms, rate, frames, c.signal), c.expected) << c.what;
}

TEST(ZeroCrossing, OnASineNoMillisecondWithinReachBeginsCloserToACrossing)
{
    // 137 Hz from a phase of its own: crossings fall between frames, and between the
    // first frames of the milliseconds, in ever-changing places.
    const uint32_t rate = 44100;
    const int64_t frames = 5 * 44100;
    const auto sine = [](int64_t f) { return float(std::sin(2 * std::numbers::pi * 137 * (double(f) + 7.3) / 44100)); };
    // Frames from `f` to the nearest sign change between frames `lo` and `hi`, found by
    // walking out from it.
    const auto toCrossing = [&](int64_t f, int64_t lo, int64_t hi) {
        for (int64_t d = 0; d < frames; ++d)
            for (const int64_t g : {f - d, f + d})
                if (g > 0 && g >= lo && g <= hi && (sine(g - 1) < 0) != (sine(g) < 0))
                    return d;
        return frames;
    };
    for (const int64_t ms : {1000, 1001, 1002, 1003, 1004, 1005, 2222, 3333, 4321}) {
        const int64_t m = snapped(ms, rate, frames, sine);
        ASSERT_LE(std::llabs(m - ms), trevisto::ZeroCrossingReachMs) << ms;
        // Only crossings within the reach count.
        const int64_t lo = trevisto::mci::frameAt(ms - 5, rate, frames), hi = trevisto::mci::frameAt(ms + 5, rate, frames);
        const int64_t got = toCrossing(trevisto::mci::frameAt(m, rate, frames), lo, hi);
        for (int64_t other = ms - 5; other <= ms + 5; ++other)
            EXPECT_LE(got, toCrossing(trevisto::mci::frameAt(other, rate, frames), lo, hi))
                << ms << " went to " << m << ", not " << other;
        // A 137 Hz wave crosses every 161 frames, and the milliseconds begin 44 or 45 frames
        // apart: some begin within 22 frames of one.
        EXPECT_LE(got, 22) << ms;
    }
}

TEST(ZeroCrossing, TheWindowCoversTheReachAndStaysInTheSound)
{
    const FrameWindow mid = ZeroCrossingWindow(1000, 44100, 441000);
    EXPECT_EQ(mid.first, 43880 - 1);             // the frame of 995 ms, less one
    EXPECT_EQ(mid.first + mid.count, 44321 + 1); // the frame of 1005 ms, and one more
    const FrameWindow start = ZeroCrossingWindow(2, 44100, 441000);
    EXPECT_EQ(start.first, 0);
    const FrameWindow end = ZeroCrossingWindow(9999, 44100, 441000);
    EXPECT_EQ(end.first + end.count, 441000);
}

} // namespace
