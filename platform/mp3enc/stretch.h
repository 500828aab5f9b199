#pragma once
// A short stretch of sound encoded into frames that each hold their own main data (the bit
// reservoir off), for splicing between copied frames. No info frame is written: the
// frames come back in order, the first ones holding the encoder's delay.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trevisto::mp3enc {

// Encodes `frames` frames of 16-bit interleaved `pcm` at `rate` (an MP3 rate) and
// constant `kbps`. Input sample x decodes at index x + kStretchDelay of the frames'
// decoded stream. Empty when the encoder refuses.
std::vector<std::vector<unsigned char>> encodeStretch(const int16_t *pcm, size_t frames, int rate, int channels,
                                                      int kbps);

// The encoder's delay and the decoder's: where input sample 0 lands in the decoded frames.
inline constexpr int kStretchDelay = 576 + 529;

} // namespace trevisto::mp3enc
