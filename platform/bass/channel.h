#pragma once
// A decoding channel: one decoder plus the byte accounting the caller relies on.
// The length is fixed when the channel is made, and exactly that many bytes are
// delivered before the channel ends, whatever the decoder does.

#include "platform/bass/decoder.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trevisto::bass {

class Channel {
public:
    explicit Channel(std::unique_ptr<Decoder> decoder);

    const PcmFormat &format() const { return decoder_->format(); }
    std::string found() const { return decoder_->found(); }
    uint32_t sourceChannels() const { return decoder_->sourceChannels(); }
    uint64_t lengthBytes() const { return frames_ * format().frameBytes(); }
    uint64_t positionBytes() const { return position_ * format().frameBytes(); }
    bool active() const { return !failed_ && position_ < frames_; }

    // Copies up to `bytes` (rounded down to whole frames) into `buffer`; returns the
    // count, 0 once the channel has ended. Throws Failure if the source can no
    // longer be read; the channel is then stopped.
    uint32_t read(void *buffer, uint32_t bytes);

    // Moves to byte position `bytes` (rounded down to a whole frame, at most the
    // length). Throws Failure(BASS_ERROR_ILLPARAM) beyond the end.
    void seek(uint64_t bytes);

private:
    size_t decode(int16_t *out, size_t frames);

    std::unique_ptr<Decoder> decoder_;
    uint64_t frames_ = 0;   // length in frames
    uint64_t position_ = 0; // frames delivered
    bool decoderEnded_ = false;
    bool failed_ = false;
    std::vector<int16_t> bounce_; // for callers' buffers not aligned for 16-bit words
};

} // namespace trevisto::bass
