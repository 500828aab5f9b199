#include "platform/mp3enc/info_frame.h"

#include "platform/mp3enc/mpeg_tables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace trevisto::mp3enc {

namespace {

// Xing header with frame count, byte count, seek table and quality; then the LAME
// extension up to and including its CRC.
constexpr size_t kXingBytes = 4 + 4 + 4 + 4 + 100 + 4;
constexpr size_t kLameBytes = 36;

size_t sideInfoBytes(const InfoFrameFacts &f)
{
    if (isMpeg1(f.sampleRate))
        return f.mono ? 17 : 32;
    return f.mono ? 9 : 17;
}

size_t frameBytes(const InfoFrameFacts &f, int kbps)
{
    return size_t((isMpeg1(f.sampleRate) ? 144000 : 72000) * kbps / f.sampleRate);
}

// Index into the bit-rate table of the smallest frame that holds the tag, 0 when none.
int tagBitRateIndex(const InfoFrameFacts &f)
{
    const size_t need = 4 + sideInfoBytes(f) + kXingBytes + kLameBytes;
    const int own = f.audioHeader[2] >> 4;
    if (f.atAudioBitRate && own >= 1 && own <= highestBitRateIndex(f.sampleRate) &&
        frameBytes(f, bitRateTable(f.sampleRate)[own]) >= need)
        return own;
    for (int i = 1; i <= highestBitRateIndex(f.sampleRate); ++i)
        if (frameBytes(f, bitRateTable(f.sampleRate)[i]) >= need)
            return i;
    return 0;
}

void put32(unsigned char *p, uint32_t v)
{
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

const std::array<uint16_t, 256> &crcTable()
{
    static const std::array<uint16_t, 256> table = [] {
        std::array<uint16_t, 256> t{};
        for (unsigned i = 0; i < 256; ++i) {
            uint16_t c = uint16_t(i);
            for (int b = 0; b < 8; ++b)
                c = (c & 1) ? uint16_t((c >> 1) ^ 0xA001) : uint16_t(c >> 1);
            t[i] = c;
        }
        return t;
    }();
    return table;
}

} // namespace

uint16_t crc16(const unsigned char *data, size_t bytes, uint16_t crc)
{
    const auto &table = crcTable();
    for (size_t i = 0; i < bytes; ++i)
        crc = uint16_t((crc >> 8) ^ table[(crc ^ data[i]) & 0xFF]);
    return crc;
}

size_t infoFrameSize(const InfoFrameFacts &facts)
{
    const int index = tagBitRateIndex(facts);
    return index ? frameBytes(facts, bitRateTable(facts.sampleRate)[index]) : 0;
}

std::vector<unsigned char> buildInfoFrame(const InfoFrameFacts &f)
{
    const int index = tagBitRateIndex(f);
    if (!index)
        return {};
    std::vector<unsigned char> frame(infoFrameSize(f), 0);
    unsigned char *p = frame.data();
    // The audio frames' header with our bit rate and no padding slot: same version,
    // rate and channel mode, so a decoder finds the tag where it looks for it.
    p[0] = f.audioHeader[0];
    p[1] = f.audioHeader[1];
    p[2] = uint8_t(index << 4 | (f.audioHeader[2] & 0x0D));
    p[3] = f.audioHeader[3];

    const uint64_t total = frame.size() + f.audioBytes;
    unsigned char *x = p + 4 + sideInfoBytes(f);
    std::memcpy(x, f.variableBitRate ? "Xing" : "Info", 4);
    put32(x + 4, 0x0F); // frames, bytes, seek table, quality
    put32(x + 8, f.frames);
    put32(x + 12, uint32_t(std::min<uint64_t>(total, UINT32_MAX)));
    // Constant bit rate: the seek table is a straight line over the audio bytes.
    for (int i = 0; i < 100; ++i) {
        const double at = double(frame.size()) + double(f.audioBytes) * i / 100.0;
        x[16 + i] = uint8_t(std::min(255.0, 256.0 * at / double(total)));
    }
    put32(x + 116, uint32_t(std::max(0, f.quality)));

    unsigned char *l = x + kXingBytes;
    char name[10] = {};
    std::snprintf(name, sizeof name, "LAME%s", f.version);
    std::memcpy(l, name, 9);
    l[9] = f.variableBitRate ? 0x00 : 0x01; // tag revision 0, method unknown or constant bit rate
    l[10] = uint8_t(std::clamp((f.lowpassHz + 50) / 100, 0, 255));
    // Peak and the two replay gains stay zero: not measured.
    l[19] = uint8_t(0x10 | (f.athType & 0x0F));
    l[20] = uint8_t(std::min(f.bitRate, 255));
    const int delay = std::clamp(f.encoderDelay, 0, 4095), padding = std::clamp(f.padding, 0, 4095);
    l[21] = uint8_t(delay >> 4);
    l[22] = uint8_t((delay & 0x0F) << 4 | padding >> 8);
    l[23] = uint8_t(padding);
    const int sourceBits = f.sourceRate <= 32000 ? 0 : f.sourceRate <= 44100 ? 1 : f.sourceRate <= 48000 ? 2 : 3;
    l[24] = uint8_t(sourceBits << 6 | (f.stereoMode & 7) << 2);
    l[26] = uint8_t((f.bitRate >> 8) & 0x07);
    l[27] = uint8_t(f.bitRate);
    put32(l + 28, uint32_t(std::min<uint64_t>(total, UINT32_MAX)));
    l[32] = uint8_t(f.musicCrc >> 8);
    l[33] = uint8_t(f.musicCrc);
    const size_t covered = size_t(l + 34 - p);
    const uint16_t tagCrc = crc16(p, covered);
    l[34] = uint8_t(tagCrc >> 8);
    l[35] = uint8_t(tagCrc);
    return frame;
}

} // namespace trevisto::mp3enc
