#include "platform/mp3frames/frameheader.h"

namespace trevisto::mp3frames {

namespace {

int versionRow(MpegVersion v) { return v == MpegVersion::Mpeg1 ? 0 : v == MpegVersion::Mpeg2 ? 1 : 2; }

} // namespace

std::optional<FrameHeader> FrameHeader::parse(const unsigned char *b)
{
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return std::nullopt;
    FrameHeader h;
    switch ((b[1] >> 3) & 3) {
    case 0: h.version = MpegVersion::Mpeg25; break;
    case 2: h.version = MpegVersion::Mpeg2; break;
    case 3: h.version = MpegVersion::Mpeg1; break;
    default: return std::nullopt;
    }
    if (((b[1] >> 1) & 3) != 1) // Layer III only
        return std::nullopt;
    h.protectedByCrc = (b[1] & 1) == 0;
    h.bitRateIndex = b[2] >> 4;
    h.sampleRateIndex = (b[2] >> 2) & 3;
    if (h.bitRateIndex == 15 || h.sampleRateIndex == 3)
        return std::nullopt;
    h.padded = (b[2] >> 1) & 1;
    h.channelMode = b[3] >> 6;
    h.modeExtension = (b[3] >> 4) & 3;
    h.copyright = (b[3] >> 3) & 1;
    h.original = (b[3] >> 2) & 1;
    h.emphasis = b[3] & 3;
    if (h.emphasis == 2)
        return std::nullopt;
    return h;
}

std::array<unsigned char, 4> FrameHeader::bytes() const
{
    const int v = version == MpegVersion::Mpeg1 ? 3 : version == MpegVersion::Mpeg2 ? 2 : 0;
    return {0xFF,
            static_cast<unsigned char>(0xE0 | v << 3 | 1 << 1 | (protectedByCrc ? 0 : 1)),
            static_cast<unsigned char>(bitRateIndex << 4 | sampleRateIndex << 2 | (padded ? 2 : 0)),
            static_cast<unsigned char>(channelMode << 6 | modeExtension << 4 | (copyright ? 8 : 0) |
                                       (original ? 4 : 0) | emphasis)};
}

int bitRateAt(MpegVersion version, int index)
{
    if (index < 0 || index > 14)
        return 0;
    return kBitRates[version == MpegVersion::Mpeg1 ? 0 : 1][index];
}

int sampleRateAt(MpegVersion version, int index)
{
    if (index < 0 || index > 2)
        return 0;
    return kSampleRates[versionRow(version)][index];
}

MpegVersion versionForRate(int sampleRate)
{
    return sampleRate >= 32000 ? MpegVersion::Mpeg1 : sampleRate >= 16000 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
}

int FrameHeader::bitRate() const { return bitRateAt(version, bitRateIndex); }

int FrameHeader::sampleRate() const { return sampleRateAt(version, sampleRateIndex); }

size_t FrameHeader::sideInfoBytes() const
{
    if (version == MpegVersion::Mpeg1)
        return mono() ? 17 : 32;
    return mono() ? 9 : 17;
}

size_t FrameHeader::frameBytes() const
{
    if (bitRateIndex == 0)
        return 0;
    const int coefficient = version == MpegVersion::Mpeg1 ? 144000 : 72000;
    return size_t(coefficient * bitRate() / sampleRate() + (padded ? 1 : 0));
}

int mainDataBegin(const FrameHeader &header, const unsigned char *s)
{
    if (header.version == MpegVersion::Mpeg1)
        return s[0] << 1 | s[1] >> 7;
    return s[0];
}

uint16_t crc16Arc(const unsigned char *data, size_t bytes, uint16_t crc)
{
    static const auto table = [] {
        std::array<uint16_t, 256> t{};
        for (unsigned i = 0; i < 256; ++i) {
            uint16_t c = uint16_t(i);
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? uint16_t(c >> 1 ^ 0xA001) : uint16_t(c >> 1);
            t[i] = c;
        }
        return t;
    }();
    for (size_t i = 0; i < bytes; ++i)
        crc = uint16_t(crc >> 8 ^ table[(crc ^ data[i]) & 0xFF]);
    return crc;
}

uint16_t frameCrc(const FrameHeader &header, const unsigned char *frame)
{
    uint16_t crc = 0xFFFF;
    auto feed = [&crc](unsigned char byte) {
        for (int k = 7; k >= 0; --k) {
            const bool top = ((crc >> 15) ^ (byte >> k)) & 1;
            crc = uint16_t(crc << 1);
            if (top)
                crc ^= 0x8005;
        }
    };
    feed(frame[2]);
    feed(frame[3]);
    const unsigned char *side = frame + 6;
    for (size_t i = 0; i < header.sideInfoBytes(); ++i)
        feed(side[i]);
    return crc;
}

} // namespace trevisto::mp3frames
