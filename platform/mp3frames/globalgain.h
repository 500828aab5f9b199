#pragma once
// A Layer III frame made louder or quieter without decoding it: every granule's and
// channel's global_gain moved by whole steps of 2^(1/4) in amplitude (1.5 dB), its CRC
// written anew when it has one. The frame's size, main data and every other bit stay.

#include <cstddef>

namespace trevisto::mp3frames {

// Adds `steps` to each global_gain of the frame at `frame` (which starts at its header),
// each value clamped to 0..255 on its own. False, with the frame untouched, when the bytes
// are no Layer III header or too few to hold its side information.
bool addGlobalGain(unsigned char *frame, size_t bytes, int steps);

// The global_gain of granule `granule`, channel `channel` (for tests and checks); -1 when
// the bytes are no Layer III frame or the granule or channel is not in it.
int globalGainAt(const unsigned char *frame, size_t bytes, int granule, int channel);

} // namespace trevisto::mp3frames
