#pragma once
// Where a mark goes when marks snap to zero crossings. Marks count whole milliseconds and a
// millisecond rarely begins exactly on a crossing, so the mark goes to the millisecond,
// within the reach, whose first frame lies closest to a crossing in the reach (the nearer
// millisecond of two as close); the start and the end of the sound count as crossings. A
// mark with no crossing within reach stays.

#include <cstdint>
#include <vector>

namespace trevisto {

constexpr int64_t ZeroCrossingReachMs = 5;

// The frames to read around a mark at `ms`: `first` and `count`, the frame before the
// reach included so a crossing on its first frame shows.
struct FrameWindow {
    int64_t first = 0, count = 0;
};
FrameWindow ZeroCrossingWindow(int64_t ms, uint32_t rate, int64_t frames);

// `mix` holds the frames of that window, the channels averaged.
int64_t SnappedToZeroCrossing(int64_t ms, const std::vector<float> &mix, const FrameWindow &window, uint32_t rate,
                              int64_t frames);

} // namespace trevisto
