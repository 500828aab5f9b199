#include "editor/zerocrossing.h"

#include "platform/mci/timebase.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace trevisto {

namespace {

int64_t reachFrom(int64_t ms) { return std::max<int64_t>(ms - ZeroCrossingReachMs, 0); }
int64_t reachTo(int64_t ms, int64_t lengthMs) { return std::min(ms + ZeroCrossingReachMs, lengthMs); }

} // namespace

FrameWindow ZeroCrossingWindow(int64_t ms, uint32_t rate, int64_t frames)
{
    const int64_t lengthMs = mci::lengthMs(frames, rate);
    const int64_t first = std::max<int64_t>(mci::frameAt(reachFrom(ms), rate, frames) - 1, 0);
    const int64_t last = std::min(mci::frameAt(reachTo(ms, lengthMs), rate, frames) + 1, frames);
    return {first, std::max<int64_t>(last - first, 0)};
}

int64_t SnappedToZeroCrossing(int64_t ms, const std::vector<float> &mix, const FrameWindow &window, uint32_t rate,
                              int64_t frames)
{
    const int64_t lengthMs = mci::lengthMs(frames, rate);
    if (rate == 0 || frames <= 0 || ms < 0 || ms > lengthMs)
        return ms;
    // A crossing lies at the frame where the sign changes, or on a frame that is zero.
    std::vector<int64_t> crossings;
    const int64_t got = std::min<int64_t>(window.count, int64_t(mix.size()));
    for (int64_t i = 0; i < got; ++i) {
        const float s = mix[size_t(i)];
        if (s == 0 || (i > 0 && (mix[size_t(i - 1)] < 0) != (s < 0)))
            crossings.push_back(window.first + i);
    }
    const int64_t from = reachFrom(ms), to = reachTo(ms, lengthMs);
    if (from == 0)
        crossings.insert(crossings.begin(), 0);
    if (to == lengthMs)
        crossings.push_back(frames);
    if (crossings.empty())
        return ms;

    int64_t best = ms, bestDistance = std::numeric_limits<int64_t>::max();
    for (int64_t m = from; m <= to; ++m) {
        const int64_t f = mci::frameAt(m, rate, frames);
        const auto after = std::lower_bound(crossings.begin(), crossings.end(), f);
        int64_t distance = std::numeric_limits<int64_t>::max();
        if (after != crossings.end())
            distance = *after - f;
        if (after != crossings.begin())
            distance = std::min(distance, f - *std::prev(after));
        if (distance < bestDistance || (distance == bestDistance && std::llabs(m - ms) < std::llabs(best - ms))) {
            best = m;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace trevisto
