#pragma once
// A decoder turns one source into 16-bit signed interleaved PCM. The channel on top
// of it (channel.h) owns the byte accounting the caller sees.

#include <cstddef>
#include <cstdint>
#include <string>

namespace trevisto::bass {

struct PcmFormat {
    uint32_t rate = 0;
    uint32_t channels = 0;
    uint32_t ctype = 0; // BASS_CTYPE_*
    uint32_t frameBytes() const { return channels * 2; }
};

// Channel counts above this are refused: a frame must stay far smaller than any
// sensible read request, or a read could deliver nothing while data remains.
constexpr uint32_t kMaxChannels = 32;

class Decoder {
public:
    virtual ~Decoder() = default;

    virtual const PcmFormat &format() const = 0;

    // Frames a read from the start delivers before the end. Known before the first
    // read; decoders measure rather than trust header values where those can lie.
    virtual uint64_t totalFrames() const = 0;

    // Decodes up to `frames` whole frames into `out` (aligned for int16_t). Returns
    // the count delivered; 0 means the data has ended. Throws Failure when the file
    // can no longer be read.
    virtual size_t read(int16_t *out, size_t frames) = 0;

    // Continues decoding at `frame` (counted from the start). Throws Failure if the
    // position cannot be reached.
    virtual void seek(uint64_t frame) = 0;

    // What the source was found to be ("container / codec"), for messages; empty where
    // the channel type says it all.
    virtual std::string found() const { return {}; }
    // Channels in the source; more than format().channels when they were mixed down.
    virtual uint32_t sourceChannels() const { return format().channels; }
};

} // namespace trevisto::bass
