#pragma once
// Writes an MP3 as whole frames behind an info frame: an optional prefix (an ID3v2 tag),
// room for the info frame, then the audio frames; finish() fills in the info frame from
// what was written (frame count, bytes, seek table, music CRC) and puts the file in place.
// Through a temporary file renamed after a checked close, so an MP3 that fails half-way
// leaves the destination as it was.

#include "platform/io/atomicfile.h"
#include "platform/mp3frames/tagframe.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trevisto::mp3frames {

class FrameWriter {
public:
    // Opens the temporary file beside `destination`; isOpen() and error() tell how it went.
    FrameWriter(const std::string &destination, const io::AtomicFile::Options &options);

    bool isOpen() const { return file_.isOpen(); }
    int error() const { return file_.error(); }

    // Before begin(): bytes that come before the frames.
    bool writePrefix(const unsigned char *data, size_t bytes);
    // Reserves the info frame that `shape.header` calls for.
    bool begin(const TagFrameFacts &shape);
    // Whole frames, one after another; false when `data` is not whole frames.
    bool appendFrames(const unsigned char *data, size_t bytes);

    uint32_t frames() const { return uint32_t(offsets_.size()); }
    uint64_t audioBytes() const { return audioBytes_; }
    bool variableBitRate() const { return mixedRates_; }
    // Prefix, info frame and audio frames.
    uint64_t bytesWritten() const { return tagAt_ + tagBytes_ + audioBytes_; }

    // Writes the info frame of `facts`, whose counts, offsets, CRC and rate kind are
    // replaced by what was written, then commits the file. False leaves no file.
    bool finish(TagFrameFacts facts);
    void discard() { file_.discard(); }
    // Set when a step failed for a reason other than the system's (a tag that cannot be
    // built, data that is no frames).
    bool malformed() const { return malformed_; }

private:
    io::AtomicFile file_;
    uint64_t tagAt_ = 0;
    size_t tagBytes_ = 0;
    std::vector<uint64_t> offsets_;
    uint64_t audioBytes_ = 0;
    uint16_t crc_ = 0;
    int firstRateIndex_ = -1;
    bool mixedRates_ = false;
    bool malformed_ = false;
};

} // namespace trevisto::mp3frames
