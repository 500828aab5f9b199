#pragma once
// Milliseconds and frames. Positions given in milliseconds go to the nearest frame
// (halves away from zero, i.e. up) and are clamped to [0, frames]. Lengths in
// milliseconds round up, so the length always reaches the last frame; a position reads
// back rounded to the nearest millisecond, and the end reads back as the length.

#include <cstdint>

namespace trevisto::mci {

inline int64_t frameAt(int64_t ms, uint32_t rate, int64_t frames)
{
    if (ms <= 0 || rate == 0)
        return 0;
    const unsigned __int128 f = ((unsigned __int128)ms * rate + 500) / 1000;
    return f >= (unsigned __int128)frames ? frames : int64_t(f);
}

inline int64_t lengthMs(int64_t frames, uint32_t rate)
{
    if (frames <= 0 || rate == 0)
        return 0;
    return int64_t(((unsigned __int128)frames * 1000 + rate - 1) / rate);
}

inline int64_t positionMs(int64_t frame, int64_t frames, uint32_t rate)
{
    if (frame >= frames)
        return lengthMs(frames, rate);
    if (frame <= 0 || rate == 0)
        return 0;
    return int64_t(((unsigned __int128)frame * 2000 + rate) / (2 * (unsigned __int128)rate));
}

} // namespace trevisto::mci
