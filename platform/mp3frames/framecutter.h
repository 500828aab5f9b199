#pragma once
// Cuts the bytes an encoder hands over, in pieces of any length, into whole frames: each
// frame's header says how long it is, and a frame cut off at the end of a piece waits for
// the rest.

#include "platform/mp3frames/frameheader.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace trevisto::mp3frames {

class FrameCutter {
public:
    // Gets each whole frame, its header parsed; false stops the cutting.
    using Sink = std::function<bool(const unsigned char *frame, const FrameHeader &header)>;

    // Adds `bytes` and hands every frame they complete to `sink`. False when they are no
    // frames (no header, or a free-format one whose length no header tells), or when
    // `sink` said false; what was left over is then dropped.
    bool feed(const unsigned char *data, size_t bytes, const Sink &sink);
    // Bytes of a frame not yet complete.
    size_t pending() const { return pending_.size(); }

private:
    std::vector<unsigned char> pending_;
};

} // namespace trevisto::mp3frames
