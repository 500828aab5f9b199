#pragma once
// A walk over an MPEG audio file's frame headers, to judge whether its decoding may start
// anywhere a few frames early and come out as a decode from the start would, and to find
// where those starts lie.

#include "platform/bass/source_file.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trevisto::bass {

struct Layer3Map {
    // Frames between two kept offsets: a multiple of the count after which the decoder's
    // filters are back in the state that decides how their sums round (the synthesis
    // filter's ring of 16 blocks turns 36 blocks a frame in MPEG-1, 18 in MPEG-2 and 2.5).
    static constexpr uint64_t kStep = 16;

    // Byte offsets of audio frames phase, phase + kStep, phase + 2 kStep, ..., counted
    // after the encoder's info frame (which decoders skip rather than decode).
    std::vector<int64_t> offsets;
    uint64_t phase = 0;
    uint64_t frames = 0;           // audio frames in the file
    uint32_t samplesPerFrame = 0;  // 1152 for MPEG-1, 576 for MPEG-2 and 2.5
    uint32_t overheadBytes = 0;    // header, side information and checksum: bytes a frame
                                   // gives nothing to the bit reservoir with
    bool infoFrame = false;        // the file starts with an encoder's info frame
};

// The map of a file that is one unbroken chain of layer III frames of one MPEG version,
// sample rate and channel mode (mono or not), after an optional ID3v2 tag and before
// optional trailing tags (the last frame may be cut short). Nothing for damage, junk
// between frames, free format, mixed streams or a failed read.
std::optional<Layer3Map> mapUnbrokenLayer3Stream(const SourceFile &file, uint64_t phase);

} // namespace trevisto::bass
