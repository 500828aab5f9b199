#pragma once
// A short run of sound encoded into standalone frames: each holds its own main data (the
// bit reservoir off), so that they can be put between copied frames and their reservoir
// laid out again. No info frame is written: the frames come back in order, the first ones
// holding the encoder's delay.

#include "platform/mp3frames/reservoir.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trevisto::mp3enc {

// Encodes `frames` frames of 16-bit interleaved `pcm` at `rate` (an MP3 rate) and
// constant `kbps`. Input sample x decodes at index x + kStandaloneDelay of the frames'
// decoded stream. Empty when the encoder refuses.
std::vector<mp3frames::Frame> encodeStandalone(const int16_t *pcm, size_t frames, int rate, int channels, int kbps);

// The encoder's delay and the decoder's: where input sample 0 lands in the decoded frames.
inline constexpr int kStandaloneDelay = 576 + 529;

} // namespace trevisto::mp3enc
