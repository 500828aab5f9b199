#pragma once
// Repacking the bit reservoir of frames written by an encoder without it (each frame's
// main data in its own area, main_data_begin 0), so that the main-data stream they make
// ends with the bytes the frame after them reaches back for. A copied frame put behind
// encoded ones then decodes as it did in its own file.

#include "platform/mp3frames/frameheader.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace trevisto::mp3frames {

using Frame = std::vector<unsigned char>;

// The main-data bytes a frame's granules use, from its part2_3_length fields.
size_t usedMainDataBytes(const FrameHeader &header, const unsigned char *frame);

// The block type of granule `granule` (0 or, in MPEG-1, 1), channel `channel` of a frame
// whose header and side info the `bytes` at `frame` start with: 0 normal, 1 start, 2 short,
// 3 stop. Nothing when the frame has no such granule or channel, or its side info does not
// fit in `bytes`.
std::optional<int> blockType(const FrameHeader &header, const unsigned char *frame, size_t bytes, int granule,
                             int channel);
// Whether a granule of block type `before` overlaps cleanly with a granule of type `after`
// that follows it: the window halves that add up must both be long or both short, else
// the aliasing of the two does not cancel and the overlap is heard as a burst.
constexpr bool windowsMeet(int before, int after)
{
    return (before == 1 || before == 2) == (after == 2 || after == 3);
}

// Rewrites `frames` in place: each frame's main data moves back as far as the frames
// before it leave room and main_data_begin reaches, and the stream's last `carryBytes`
// bytes become `carry`. Frames come out unprotected; where the room is short all of them
// go to the highest bit rate. False, with `frames` unchanged, when that is not enough or
// a frame already uses the reservoir.
bool repackReservoir(std::vector<Frame> &frames, const unsigned char *carry, size_t carryBytes);

// The same for the last frames of a stream an encoder wrote with the reservoir on: the
// frames after them are dropped and others follow, whose first one reaches back for
// `carry`. Each frame's main data (what its part2_3_length fields count; stuffing is
// dropped) moves back as far as room and main_data_begin allow, except that data which
// starts before the first frame's area stays where it is, so the frames before them are
// left alone. Where the room is still short, the last frame's bit rate goes up a step at
// a time, then the one before it. False, with `frames` unchanged, when the frames are
// protected, malformed, or cannot carry `carry` even so.
bool spliceReservoir(std::vector<Frame> &frames, const unsigned char *carry, size_t carryBytes);

} // namespace trevisto::mp3frames
