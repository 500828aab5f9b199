#pragma once
// A sample range of an MP3 written as MP3 without decoding: the frames that hold it and
// the ones its first samples need, a silent frame that carries the bit reservoir of the
// first one, and an info frame whose delay and padding trim the decoded stream to exactly
// the range.

#include "platform/io/atomicfile.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/refusal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::mp3frames {

struct RangePlan {
    int64_t first = 0, last = 0;       // the source's samples [first, last)
    size_t firstFrame = 0, endFrame = 0; // the audio frames copied, [firstFrame, endFrame)
    int silentFrames = 0;              // written before them
    // Or, where the frames the range's start needs take bit-reservoir bytes from before the
    // file, frames encoded again from the range's sound (by the caller, as at a joint)
    // before firstFrame, the first frame that needs no such bytes. They hold the range's
    // start and end with `reservoirBytes`. The same copy may start any number of frames
    // later with as many more encoded frames: the delay and padding stay.
    int encodedFrames = 0;
    int reservoirBytes = 0;            // the main data the last silent or encoded frame carries
    FrameHeader silentHeader;
    int delay = 0, padding = 0;        // of the new info frame

    uint32_t outputFrames() const { return uint32_t(silentFrames + encodedFrames + (endFrame - firstFrame)); }
};

struct PlanResult {
    std::optional<RangePlan> plan;
    Refusal refusal = Refusal::None;
};

// The first audio frame a gapless decoder needs for decoded sample `decoded`: the
// synthesis looks 15 slots back and the overlap one granule more.
size_t firstNeededFrame(int64_t decoded, int samplesPerFrame);

PlanResult planRange(const Mp3Index &index, int64_t first, int64_t last);

// The main-data bytes before frame `frame`'s own area that it and the frames after it reach
// back for; nothing when some of them lie before the first frame of the file (a stream cut
// at some frame, or a rip), where the source's decoder had nothing to read.
std::optional<size_t> reservoirReach(const Mp3Index &index, size_t frame);

// A frame that decodes to silence and leaves the decoder as it starts, like `like` (its
// version, rate and channel mode) but unprotected, at the smallest bit rate from
// `like`'s up whose main-data area ends with `reservoir`; empty when none holds it.
std::vector<unsigned char> silentFrame(const FrameHeader &like, const unsigned char *reservoir, size_t bytes);
// The header silentFrame() uses.
std::optional<FrameHeader> silentFrameHeader(const FrameHeader &like, size_t reservoirBytes);

// The `bytes` of main data right before frame `frame`'s own area in the source's main-data
// stream (what the frame's main_data_begin reaches back for); false when they cannot be
// read.
bool readReservoirBefore(const std::string &sourcePath, const Mp3Index &index, size_t frame, size_t bytes,
                         std::vector<unsigned char> &out);

class ByteSource;
class FrameWriter;
// Appends the source's audio frames [from, to) to `out` in blocks, as they are or with
// every global_gain moved by `gainSteps` (addGlobalGain()); false when reading or writing
// fails (the source's or the writer's error says why).
bool appendSourceFrames(ByteSource &src, const Mp3Index &index, size_t from, size_t to, FrameWriter &out,
                        int gainSteps = 0);
// True when a frame in [from, to) is damaged.
bool anyDamagedFrame(const Mp3Index &index, size_t from, size_t to);

struct CopyOptions {
    bool copyId3v2 = true; // the source's ID3v2 tags in front of the frames
    // A tag of the caller's in their place (none when empty), when given.
    const std::vector<unsigned char> *tag = nullptr;
    io::AtomicFile::Options file;
};

struct CopyResult {
    Refusal refusal = Refusal::None;
    int systemError = 0; // with CannotRead and CannotWrite
    uint64_t bytes = 0;  // written
    bool ok() const { return refusal == Refusal::None; }
};

// Writes `plan` of the source `index` describes to `destination`. Refuses SourceChanged
// when the file's size or time is no longer the index's, and ReservoirBeforeFile for a plan
// with encoded frames, which it cannot make.
CopyResult writeRange(const std::string &sourcePath, const Mp3Index &index, const RangePlan &plan,
                      const std::string &destination, const CopyOptions &options = {});

} // namespace trevisto::mp3frames
