#include "platform/bass/ffmpeg_decoder.h"

#include "platform/bass/failure.h"
#include "platform/bass/ffmpeg_length.h"
#include "platform/bass/ffmpeg_stream.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace trevisto::bass {
namespace {

class AvDecoder final : public Decoder {
public:
    explicit AvDecoder(std::shared_ptr<SourceFile> file) : file_(file), stream_(std::make_unique<AvStream>(file))
    {
        // The length is measured on a second reader, so that the first is still at
        // the start: packets only, unless their lengths cannot be told.
        AvStream counter(file_);
        std::optional<uint64_t> counted = countFromPackets(counter.demux());
        if (!counted) {
            AvStream decoding(file_);
            std::vector<int16_t> scratch(4096 * 2);
            uint64_t n = 0;
            while (const size_t got = decoding.read(scratch.data(), 4096))
                n += got;
            counted = n;
        }
        total_ = *counted;
        if (total_ == 0)
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_DAMAGED, stream_->found());
    }

    const PcmFormat &format() const override { return stream_->format(); }
    uint64_t totalFrames() const override { return total_; }
    std::string found() const override { return stream_->found(); }
    uint32_t sourceChannels() const override { return stream_->sourceChannels(); }

    size_t read(int16_t *out, size_t frames) override { return stream_->read(out, frames); }

    // Decoding again from the start is the one way to land exactly where a read from
    // the start would be, whatever the codec's delay and the container's index.
    void seek(uint64_t frame) override
    {
        auto fresh = std::make_unique<AvStream>(file_);
        std::vector<int16_t> scratch(4096 * 2);
        uint64_t at = 0;
        while (at < frame) {
            const size_t got = fresh->read(scratch.data(), static_cast<size_t>(std::min<uint64_t>(4096, frame - at)));
            if (got == 0)
                break; // short of its count: the channel fills the rest with silence
            at += got;
        }
        stream_ = std::move(fresh);
    }

private:
    std::shared_ptr<SourceFile> file_;
    std::unique_ptr<AvStream> stream_;
    uint64_t total_ = 0;
};

} // namespace

std::unique_ptr<Decoder> openAvDecoder(std::shared_ptr<SourceFile> file)
{
    return std::make_unique<AvDecoder>(std::move(file));
}

} // namespace trevisto::bass
