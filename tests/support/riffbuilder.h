#pragma once
// RIFF files byte by byte, for tests that need a WAV file no writer makes: chunks in any
// order, sizes that lie, odd bodies with and without their pad byte, any format tag.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trevisto::test {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes a, const Bytes &b);
Bytes &operator+=(Bytes &a, const Bytes &b);

// Little-endian numbers and plain text.
void put16(Bytes &b, uint32_t v);
void put32(Bytes &b, uint32_t v);
void putText(Bytes &b, std::string_view text);

// A chunk: its id, its size (the body's, unless `size` says otherwise), the body, and a pad
// byte after an odd body unless `pad` is false.
Bytes riffChunk(std::string_view id, const Bytes &body, std::optional<uint32_t> size = {}, bool pad = true);
// A RIFF file of `form` holding `chunks`, its size field filled in.
Bytes riffFile(const Bytes &chunks, std::string_view form = "WAVE");

// The body of a "fmt " chunk: the block align is the frame's size unless given.
Bytes fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, std::optional<uint16_t> blockAlign = {});
// The body of an extensible "fmt " chunk whose sub-format GUID starts with `subTag` and ends
// in the standard tail (or one byte off it).
Bytes extensibleBody(uint32_t subTag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t validBits,
                     uint32_t channelMask = 3, bool standardGuid = true);

} // namespace trevisto::test
