#pragma once
// The chosen stream of one opened file, decoded and converted to 16-bit interleaved PCM of
// at most two channels at the stream's own rate. A damaged packet or frame is dropped and
// decoding goes on; a decoder that only fails any more has ended.

#include "platform/bass/decoder.h"
#include "platform/bass/ffmpeg_demux.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trevisto::bass {

class AvStream {
public:
    // Opens `file` and its decoder; throws Failure for a file it refuses.
    explicit AvStream(std::shared_ptr<SourceFile> file);
    ~AvStream();
    AvStream(const AvStream &) = delete;
    AvStream &operator=(const AvStream &) = delete;

    const PcmFormat &format() const { return format_; }
    uint32_t sourceChannels() const { return sourceChannels_; }
    const std::string &found() const { return demux_.found(); }
    Demux &demux() { return demux_; }

    // Up to `frames` frames from where the last read ended; fewer only at the end.
    size_t read(int16_t *out, size_t frames);

private:
    struct FrameFree {
        void operator()(AVFrame *f) const { av_frame_free(&f); }
    };
    struct CodecFree {
        void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
    };
    struct SwrFree {
        void operator()(SwrContext *s) const { swr_free(&s); }
    };

    // Fills pending_ with the next decoded frame; false at the end of the stream.
    bool decodeMore();
    void convert();
    // A converter for frames shaped as `f`, which may differ from the stream's header.
    void configure(const AVFrame &f);

    Demux demux_;
    Packet packet_;
    std::unique_ptr<AVFrame, FrameFree> frame_;
    std::unique_ptr<AVCodecContext, CodecFree> codec_;
    std::unique_ptr<SwrContext, SwrFree> swr_;
    AVChannelLayout swrLayout_{};
    int swrRate_ = 0;
    int swrFormat_ = -1;
    PcmFormat format_;
    uint32_t sourceChannels_ = 0;
    std::vector<int16_t> pending_;
    size_t pendingAt_ = 0;
    int errors_ = 0; // decoding errors since the last frame
    bool draining_ = false;
    bool ended_ = false;
};

} // namespace trevisto::bass
