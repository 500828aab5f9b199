#pragma once
// One MPEG audio Layer III frame header: what it says about the frame's size, its
// samples and where its side information and main data lie.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace trevisto::mp3frames {

enum class MpegVersion : uint8_t { Mpeg1, Mpeg2, Mpeg25 };

// The bit rates (kbit/s) of the header's table by index 1..14: MPEG-1's, and the one
// MPEG-2 and MPEG-2.5 share. Index 0 is free format.
inline constexpr int kBitRates[2][15] = {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
                                         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
// The sample rates (Hz) by version (MPEG-1, MPEG-2, MPEG-2.5) and the header's index 0..2.
inline constexpr int kSampleRates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

// The bit rates (kbit/s) of the header's table, by index 1..14; 0 outside.
int bitRateAt(MpegVersion version, int index);
// Hz by the header's index 0..2; 0 outside.
int sampleRateAt(MpegVersion version, int index);
// The version that carries `sampleRate`: MPEG-1 from 32000 Hz, MPEG-2 from 16000 Hz,
// MPEG-2.5 below.
MpegVersion versionForRate(int sampleRate);
inline int samplesPerFrame(MpegVersion version) { return version == MpegVersion::Mpeg1 ? 1152 : 576; }

struct FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    bool protectedByCrc = false; // a 16-bit CRC follows the header
    int bitRateIndex = 0;        // 0 is free format
    int sampleRateIndex = 0;
    bool padded = false;
    int channelMode = 0; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    int modeExtension = 0;
    bool copyright = false, original = false;
    int emphasis = 0;

    // Refuses what is no Layer III header: no sync, layer I or II, a reserved version,
    // sample rate or emphasis, the "bad" bit-rate index 15.
    static std::optional<FrameHeader> parse(const unsigned char *bytes);
    std::array<unsigned char, 4> bytes() const;

    int bitRate() const;    // kbit/s; 0 for free format
    int sampleRate() const; // Hz
    bool mono() const { return channelMode == 3; }
    int channels() const { return mono() ? 1 : 2; }
    int samplesPerFrame() const { return mp3frames::samplesPerFrame(version); }
    int granules() const { return version == MpegVersion::Mpeg1 ? 2 : 1; }
    size_t sideInfoBytes() const;
    // Whole frame with its padding slot; 0 for free format.
    size_t frameBytes() const;
    // Header, CRC and side information: where the main-data area starts.
    size_t mainDataOffset() const { return 4 + (protectedByCrc ? 2 : 0) + sideInfoBytes(); }
    // The largest main_data_begin the side information can express.
    int maxMainDataBegin() const { return version == MpegVersion::Mpeg1 ? 511 : 255; }

    // Version, sample rate and channel count: what every frame of a stream that can be
    // copied shares.
    bool sameLayout(const FrameHeader &other) const
    {
        return version == other.version && sampleRateIndex == other.sampleRateIndex && mono() == other.mono();
    }
};

// main_data_begin from the side information (which starts after header and CRC).
int mainDataBegin(const FrameHeader &header, const unsigned char *sideInfo);

// CRC-16/ARC (polynomial 0xA001 reflected, starting at 0), continued from `crc`: the
// LAME tag's music and tag CRCs.
uint16_t crc16Arc(const unsigned char *data, size_t bytes, uint16_t crc = 0);
// The frame CRC of a protected frame (polynomial 0x8005, starting at 0xFFFF) over header
// bytes 2 and 3 and the side information. `frame` starts at the header.
uint16_t frameCrc(const FrameHeader &header, const unsigned char *frame);

} // namespace trevisto::mp3frames
