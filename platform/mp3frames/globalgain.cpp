#include "platform/mp3frames/globalgain.h"

#include "platform/mp3frames/frameheader.h"

#include <algorithm>
#include <optional>

namespace trevisto::mp3frames {

namespace {

// Where the side information puts each granule's and channel's global_gain: after the
// part before the granules, every granule/channel block has one size, and the gain lies
// 21 bits in (after part2_3_length and big_values).
struct GainLayout {
    size_t sideInfoAt = 0; // bytes from the header
    int firstBlockBit = 0;
    int blockBits = 0;
    int granules = 0, channels = 0;

    size_t bitOf(int granule, int channel) const
    {
        return size_t(firstBlockBit + (granule * channels + channel) * blockBits + 21);
    }
};

std::optional<GainLayout> layoutOf(const unsigned char *frame, size_t bytes)
{
    if (bytes < 4)
        return std::nullopt;
    const std::optional<FrameHeader> h = FrameHeader::parse(frame);
    if (!h || bytes < h->mainDataOffset())
        return std::nullopt;
    GainLayout g;
    g.sideInfoAt = h->protectedByCrc ? 6 : 4;
    g.granules = h->granules();
    g.channels = h->channels();
    if (h->version == MpegVersion::Mpeg1) {
        // main_data_begin 9, private bits 5 or 3, scfsi 4 for each channel.
        g.firstBlockBit = 9 + (h->mono() ? 5 : 3) + 4 * g.channels;
        g.blockBits = 59;
    } else {
        // main_data_begin 8, private bits 1 or 2; no scfsi, a 9-bit scalefac_compress and
        // no preflag.
        g.firstBlockBit = 8 + (h->mono() ? 1 : 2);
        g.blockBits = 63;
    }
    return g;
}

int readByteAt(const unsigned char *side, size_t bit)
{
    const size_t at = bit / 8, shift = bit % 8;
    const unsigned word = unsigned(side[at]) << 8 | side[at + 1];
    return int(word >> (8 - shift) & 0xFF);
}

void writeByteAt(unsigned char *side, size_t bit, int value)
{
    const size_t at = bit / 8, shift = bit % 8;
    unsigned word = unsigned(side[at]) << 8 | side[at + 1];
    word = (word & ~(0xFFu << (8 - shift))) | unsigned(value) << (8 - shift);
    side[at] = static_cast<unsigned char>(word >> 8);
    side[at + 1] = static_cast<unsigned char>(word);
}

} // namespace

bool addGlobalGain(unsigned char *frame, size_t bytes, int steps)
{
    const std::optional<GainLayout> g = layoutOf(frame, bytes);
    if (!g)
        return false;
    if (steps == 0)
        return true;
    unsigned char *side = frame + g->sideInfoAt;
    for (int gr = 0; gr < g->granules; ++gr)
        for (int ch = 0; ch < g->channels; ++ch) {
            const size_t bit = g->bitOf(gr, ch);
            writeByteAt(side, bit, std::clamp(readByteAt(side, bit) + steps, 0, 255));
        }
    if (frame[1] & 1)
        return true;
    // A protected frame's CRC covers the side information just changed.
    const uint16_t crc = frameCrc(*FrameHeader::parse(frame), frame);
    frame[4] = static_cast<unsigned char>(crc >> 8);
    frame[5] = static_cast<unsigned char>(crc);
    return true;
}

int globalGainAt(const unsigned char *frame, size_t bytes, int granule, int channel)
{
    const std::optional<GainLayout> g = layoutOf(frame, bytes);
    if (!g || granule < 0 || granule >= g->granules || channel < 0 || channel >= g->channels)
        return -1;
    return readByteAt(frame + g->sideInfoAt, g->bitOf(granule, channel));
}

} // namespace trevisto::mp3frames
