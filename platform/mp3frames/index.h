#pragma once
// The frames of an MP3 file: where each lies, its header and its main_data_begin, the
// info frame's delay and padding, and the tags before and after the frames. Built in one
// sequential read; the frames themselves are not kept.
//
// Sample coordinates are those of a gapless decoder: the decoded stream of the audio
// frames minus skip() leading samples, samples() long.

#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/refusal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::mp3frames {

struct FrameEntry {
    uint64_t offset = 0;
    uint32_t header = 0; // the four header bytes, big-endian
    uint16_t bytes = 0;
    uint16_t mainDataBegin = 0;
    bool damaged = false; // its CRC is wrong, or junk lies right before it

    FrameHeader parsedHeader() const;
};

// The info frame (Xing or Info) at the start of the frames, when there is one.
struct InfoFrame {
    uint64_t offset = 0;
    uint16_t bytes = 0;
    uint32_t header = 0;
    bool xing = false; // "Xing" (variable bit rate) rather than "Info"
    std::optional<uint32_t> frames;
    // The LAME extension, when its first byte is not 0 (decoders ignore it otherwise).
    std::optional<std::array<unsigned char, 36>> lame;
    int delay = 0, padding = 0; // from the LAME extension, else 0
};

struct FileIdentity {
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    uint64_t framesHash = 0; // of every frame's place, header and main_data_begin
    bool operator==(const FileIdentity &) const = default;
};

// The part of the decoded stream of the audio frames that the program's decoder delivers.
// It follows the info frame only where its frame count agrees: a count above the frames
// there are turns the trimming off, and a count below them (two files put end to end) ends
// the first stream's samples where its padding begins and goes on with the frames after
// it untrimmed.
struct DeliveredSpan {
    int64_t begin = 0, end = 0;       // [begin, end) of the decoded stream
    int64_t holeFrom = 0, holeTo = 0; // dropped from inside it; empty when equal
    // False when the info frame contradicts the frames in a way the decoder resolves
    // unpredictably (padding shorter than the decoder's own delay inside a longer stream):
    // no sample of such a file can be placed.
    bool known = true;
};

struct Mp3Index {
    FileIdentity identity;
    uint64_t id3v2Bytes = 0; // the ID3v2 tags at the start
    uint64_t audioEnd = 0;   // where the tags at the end (ID3v1, APEv2, Lyrics3) begin
    std::optional<InfoFrame> info;
    FrameHeader layout; // the first audio frame's
    bool freeFormat = false;
    bool truncatedTail = false; // the last frame is cut short; it is not listed
    std::vector<FrameEntry> frames; // the audio frames, the info frame not among them

    bool lameTagged() const { return info && info->lame; }
    int samplesPerFrame() const { return layout.samplesPerFrame(); }
    DeliveredSpan delivered() const;
    // Decoded samples the decoder drops at the start.
    int64_t skip() const { return delivered().begin; }
    // The samples the decoder delivers; 0 when they cannot be known.
    int64_t samples() const;
    // Where sample `sample` of the delivered sound lies in the decoded stream.
    int64_t decodedAt(int64_t sample) const;
    // The first sample after the dropped samples, when there are some: a range that crosses
    // it is not one run of the decoded stream.
    std::optional<int64_t> joinedAt() const;
    bool constantBitRate() const;
    // The bit rate of the audio frames, their average when it varies, in kbit/s.
    int averageBitRate() const;
};

struct IndexResult {
    std::optional<Mp3Index> index;
    Refusal refusal = Refusal::None;
    int systemError = 0;
};

IndexResult indexMp3(const std::string &nativePath);
// Indexes bytes already in memory (the identity then has no size or time of a file).
IndexResult indexMp3Bytes(const unsigned char *data, size_t bytes);

// The identity of the file now: its size and time, and the frames' hash from a new index.
std::optional<FileIdentity> currentIdentity(const std::string &nativePath);

} // namespace trevisto::mp3frames
