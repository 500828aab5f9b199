#pragma once
// The info frame at the start of an MP3 that gapless decoders read: "Xing" or "Info",
// frame and byte counts, the seek table, and the LAME extension with the encoder delay,
// the padding and the CRCs. Frames written by copying, by splicing or by encoding in
// pieces all end with one of these.

#include "platform/mp3frames/frameheader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace trevisto::mp3frames {

// The Xing part (tag, flags, frames, bytes, seek table, quality) and the LAME extension.
inline constexpr size_t kXingBytes = 120;
inline constexpr size_t kLameBytes = 36;

// What an encoder says of its settings, for an extension of its own.
struct EncoderSettings {
    const char *version = ""; // the encoder's short version, "3.100"
    int lowpassHz = 0;
    int athType = 0;
    int bitRate = 0;          // kbit/s of the audio frames
    int sourceRate = 0;       // Hz of the sound handed to the encoder
    int stereoMode = 0;       // 0 mono, 1 stereo, 3 joint stereo (the extension's coding)
};

struct TagFrameFacts {
    // A header of the stream (version, sample rate, channel mode). Its bit rate is kept
    // when the frame holds the tag at that rate; otherwise the smallest that does is used.
    FrameHeader header;
    bool variableBitRate = false; // "Xing" rather than "Info"
    uint32_t frames = 0;          // audio frames after the info frame
    uint64_t audioBytes = 0;      // their bytes
    // Byte offset of each audio frame from the first one; its size is `frames`, or empty
    // for a straight seek table.
    const std::vector<uint64_t> *frameOffsets = nullptr;
    // The extension to start from (a source's); its replay gain and gapless-neighbour bits
    // are cleared. Without one, it is made from `encoder`, or else a plain one.
    std::optional<std::array<unsigned char, 36>> lameFrom;
    std::optional<EncoderSettings> encoder;
    int quality = 0; // the Xing quality indicator
    int delay = 0;
    int padding = 0;
    uint16_t musicCrc = 0; // crc16Arc() of the audio frames
};

// The header the info frame gets for `facts`: protection off, no padding slot.
FrameHeader tagFrameHeader(const TagFrameFacts &facts);
// Whole frame; empty when no bit rate of the version holds the tag, or delay or padding
// do not fit the tag's 12-bit fields.
std::vector<unsigned char> buildTagFrame(const TagFrameFacts &facts);

} // namespace trevisto::mp3frames
