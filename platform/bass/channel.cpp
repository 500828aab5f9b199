#include "platform/bass/channel.h"

#include "platform/bass/failure.h"

#include <algorithm>
#include <cstring>

namespace trevisto::bass {

Channel::Channel(std::unique_ptr<Decoder> decoder) : decoder_(std::move(decoder))
{
    // Byte counts must fit a signed 64-bit offset on the caller's side.
    const uint64_t maxFrames = uint64_t(INT64_MAX) / format().frameBytes();
    frames_ = std::min(decoder_->totalFrames(), maxFrames);
}

size_t Channel::decode(int16_t *out, size_t frames)
{
    size_t done = 0;
    while (done < frames && !decoderEnded_) {
        const size_t got = decoder_->read(out + done * format().channels, frames - done);
        if (got == 0)
            decoderEnded_ = true;
        done += got;
    }
    // The length was promised up front; should the decoder fall short of its own
    // measurement, the promise is kept with silence rather than a shorter stream.
    if (done < frames)
        std::memset(out + done * format().channels, 0, (frames - done) * format().frameBytes());
    return frames;
}

uint32_t Channel::read(void *buffer, uint32_t bytes)
{
    if (!active())
        return 0;
    const uint32_t frameBytes = format().frameBytes();
    const size_t frames = static_cast<size_t>(std::min<uint64_t>(bytes / frameBytes, frames_ - position_));
    if (frames == 0)
        return 0;

    try {
        if (reinterpret_cast<uintptr_t>(buffer) % alignof(int16_t) == 0) {
            decode(static_cast<int16_t *>(buffer), frames);
        } else {
            bounce_.resize(frames * format().channels);
            decode(bounce_.data(), frames);
            std::memcpy(buffer, bounce_.data(), frames * frameBytes);
        }
    } catch (const Failure &) {
        failed_ = true;
        throw;
    }
    position_ += frames;
    return static_cast<uint32_t>(frames * frameBytes);
}

void Channel::seek(uint64_t bytes)
{
    const uint64_t frame = bytes / format().frameBytes();
    if (frame > frames_)
        throw Failure(BASS_ERROR_ILLPARAM);
    failed_ = true; // until the decoder is known to be at the new place
    decoder_->seek(frame);
    position_ = frame;
    decoderEnded_ = false;
    failed_ = false;
}

} // namespace trevisto::bass
