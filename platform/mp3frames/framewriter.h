#pragma once
// Writes an MP3 as whole frames behind an info frame: an optional prefix (an ID3v2 tag),
// room for the info frame, then the audio frames; the info frame is filled in at the end
// from what was written (frame count, bytes, seek table, music CRC). Every MP3 the program
// makes, copied, spliced or encoded, is written through one of these.
//
// Through a temporary file renamed after a checked close, so an MP3 that fails half-way
// leaves the destination as it was: the writer's own, or one its caller opened and commits.

#include "platform/io/atomicfile.h"
#include "platform/mp3frames/tagframe.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trevisto::mp3frames {

class FrameWriter {
public:
    // How the info frame's seek table is drawn: through each frame's own offset, or as a
    // straight line over the bytes, as an encoder of constant bit rate draws it.
    enum class SeekTable { ByFrame, Straight };

    // Opens the temporary file beside `destination`; isOpen() and error() tell how it went.
    FrameWriter(const std::string &destination, const io::AtomicFile::Options &options,
                SeekTable seek = SeekTable::ByFrame);
    // Writes into `file` from its current position; the caller commits it.
    explicit FrameWriter(io::AtomicFile &file, SeekTable seek = SeekTable::ByFrame);
    FrameWriter(const FrameWriter &) = delete;
    FrameWriter &operator=(const FrameWriter &) = delete;

    bool isOpen() const { return file_->isOpen(); }
    int error() const { return file_->error(); }

    // Before begin(): bytes that come before the frames.
    bool writePrefix(const unsigned char *data, size_t bytes);
    // Reserves the info frame that `shape.header` calls for.
    bool begin(const TagFrameFacts &shape);
    // Reserves `bytes` for an info frame made elsewhere (by an encoder that makes its own).
    bool begin(size_t bytes);
    // Frames, one after another, in pieces of any length: a frame may go on in the next
    // piece. False when the bytes are not frames.
    bool appendFrames(const unsigned char *data, size_t bytes);

    uint32_t frames() const { return frames_; }
    uint64_t audioBytes() const { return audioBytes_; }
    bool variableBitRate() const { return mixedRates_; }
    // Prefix, info frame and audio frames.
    uint64_t bytesWritten() const { return tagAt_ + tagBytes_ + audioBytes_; }

    // Writes the info frame of `facts`, whose counts, offsets, CRC and rate kind are
    // replaced by what was written, into the room begin() reserved. False, with the file
    // discarded when it is the writer's own, when the frames ended inside one or the frame
    // cannot be built.
    bool writeTagFrame(TagFrameFacts facts);
    // An info frame made elsewhere, of the size reserved.
    bool writeTagFrame(const unsigned char *frame, size_t bytes);
    // writeTagFrame(), then the file is put in place. False leaves no file.
    bool finish(TagFrameFacts facts) { return writeTagFrame(std::move(facts)) && file_->commit(); }
    void discard() { file_->discard(); }
    // Set when a step failed for a reason other than the system's (a tag that cannot be
    // built, data that is no frames).
    bool malformed() const { return malformed_; }

private:
    bool scan(const unsigned char *data, size_t bytes);
    bool refuse();

    io::AtomicFile own_;
    io::AtomicFile *file_;
    const SeekTable seek_;
    uint64_t tagAt_ = 0;
    size_t tagBytes_ = 0;
    std::vector<uint64_t> offsets_; // with SeekTable::ByFrame
    uint32_t frames_ = 0;
    uint64_t framesEnd_ = 0; // where the frame being written ends
    unsigned char head_[4] = {};
    size_t headBytes_ = 0;   // of a header cut between two pieces
    uint64_t audioBytes_ = 0;
    uint16_t crc_ = 0;
    int firstRateIndex_ = -1;
    bool mixedRates_ = false;
    bool malformed_ = false;
};

} // namespace trevisto::mp3frames
