#include "platform/mp3frames/tagframe.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace trevisto::mp3frames {

namespace {

void put32(unsigned char *p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

// A plain extension: the encoder string decoders look for, nothing measured.
std::array<unsigned char, 36> plainExtension(bool vbr)
{
    std::array<unsigned char, 36> ext{};
    std::memcpy(ext.data(), "LAME3.100", 9);
    ext[9] = vbr ? 0x00 : 0x01; // revision 0; method unknown, or constant bit rate
    return ext;
}

// An extension that tells how the encoder was set; peak and replay gains stay zero, not
// measured.
std::array<unsigned char, 36> encoderExtension(const EncoderSettings &e, bool vbr)
{
    std::array<unsigned char, 36> ext{};
    char name[10] = {};
    std::snprintf(name, sizeof name, "LAME%s", e.version);
    std::memcpy(ext.data(), name, 9);
    ext[9] = vbr ? 0x00 : 0x01;
    ext[10] = uint8_t(std::clamp((e.lowpassHz + 50) / 100, 0, 255));
    ext[19] = uint8_t(0x10 | (e.athType & 0x0F));
    ext[20] = uint8_t(std::min(e.bitRate, 255));
    const int sourceBits = e.sourceRate <= 32000 ? 0 : e.sourceRate <= 44100 ? 1 : e.sourceRate <= 48000 ? 2 : 3;
    ext[24] = uint8_t(sourceBits << 6 | (e.stereoMode & 7) << 2);
    ext[26] = uint8_t((e.bitRate >> 8) & 0x07);
    ext[27] = uint8_t(e.bitRate);
    return ext;
}

} // namespace

FrameHeader tagFrameHeader(const TagFrameFacts &facts)
{
    FrameHeader h = facts.header;
    h.protectedByCrc = false;
    h.padded = false;
    const size_t need = 4 + h.sideInfoBytes() + kXingBytes + kLameBytes;
    if (h.bitRateIndex != 0 && h.frameBytes() >= need)
        return h;
    for (h.bitRateIndex = 1; h.bitRateIndex <= 14; ++h.bitRateIndex)
        if (h.frameBytes() >= need)
            return h;
    h.bitRateIndex = 0;
    return h;
}

std::vector<unsigned char> buildTagFrame(const TagFrameFacts &f)
{
    const FrameHeader h = tagFrameHeader(f);
    if (h.bitRateIndex == 0 || f.delay < 0 || f.delay > 4095 || f.padding < 0 || f.padding > 4095)
        return {};
    std::vector<unsigned char> frame(h.frameBytes(), 0);
    unsigned char *p = frame.data();
    const auto head = h.bytes();
    std::memcpy(p, head.data(), 4);

    const uint64_t total = frame.size() + f.audioBytes;
    const uint32_t total32 = uint32_t(std::min<uint64_t>(total, UINT32_MAX));
    unsigned char *x = p + 4 + h.sideInfoBytes();
    std::memcpy(x, f.variableBitRate ? "Xing" : "Info", 4);
    put32(x + 4, 0x0F); // frames, bytes, seek table, quality
    put32(x + 8, f.frames);
    put32(x + 12, total32);
    const bool listed = f.frameOffsets && f.frameOffsets->size() == f.frames && f.frames > 0;
    for (int i = 0; i < 100; ++i) {
        const double at = listed ? double(frame.size() + (*f.frameOffsets)[size_t(uint64_t(i) * f.frames / 100)])
                                 : double(frame.size()) + double(f.audioBytes) * i / 100.0;
        x[16 + i] = uint8_t(std::min(255.0, 256.0 * at / double(total)));
    }
    put32(x + 116, uint32_t(std::max(0, f.quality)));

    unsigned char *l = x + kXingBytes;
    std::array<unsigned char, 36> ext = f.lameFrom      ? *f.lameFrom
                                        : f.encoder ? encoderExtension(*f.encoder, f.variableBitRate)
                                                    : plainExtension(f.variableBitRate);
    // The copy plays on its own: no replay gain measured on it, no gapless neighbours.
    std::fill(ext.begin() + 11, ext.begin() + 19, 0);
    ext[19] &= 0x3F;
    ext[21] = uint8_t(f.delay >> 4);
    ext[22] = uint8_t((f.delay & 0x0F) << 4 | f.padding >> 8);
    ext[23] = uint8_t(f.padding);
    put32(ext.data() + 28, total32);
    ext[32] = uint8_t(f.musicCrc >> 8);
    ext[33] = uint8_t(f.musicCrc);
    std::memcpy(l, ext.data(), 34);
    const uint16_t tagCrc = crc16Arc(p, size_t(l + 34 - p));
    l[34] = uint8_t(tagCrc >> 8);
    l[35] = uint8_t(tagCrc);
    return frame;
}

} // namespace trevisto::mp3frames
