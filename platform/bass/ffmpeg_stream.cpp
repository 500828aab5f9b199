#include "platform/bass/ffmpeg_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace trevisto::bass {
namespace {

// Decoding errors in a row after which a stream is taken to have ended.
constexpr int kMaxErrorsInARow = 64;

} // namespace

AvStream::AvStream(std::shared_ptr<SourceFile> file) : demux_(std::move(file)), packet_(newPacket()), frame_(av_frame_alloc())
{
    if (!frame_)
        throw std::bad_alloc();
    const AVCodecParameters *par = demux_.stream()->codecpar;
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    if (!codec)
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NO_DECODER, demux_.found());
    codec_.reset(avcodec_alloc_context3(codec));
    if (!codec_)
        throw std::bad_alloc();
    if (avcodec_parameters_to_context(codec_.get(), par) < 0)
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_DAMAGED, demux_.found());
    codec_->pkt_timebase = demux_.stream()->time_base;
    codec_->thread_count = 1; // frame threads would delay the output, not speed up audio
    if (avcodec_open2(codec_.get(), codec, nullptr) < 0)
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NO_DECODER, demux_.found());
    sourceChannels_ = static_cast<uint32_t>(par->ch_layout.nb_channels);
    format_.rate = static_cast<uint32_t>(par->sample_rate);
    format_.channels = std::min<uint32_t>(sourceChannels_, 2);
    format_.ctype = BASS_CTYPE_STREAM_AV;
}

AvStream::~AvStream()
{
    av_channel_layout_uninit(&swrLayout_);
}

size_t AvStream::read(int16_t *out, size_t frames)
{
    const uint32_t channels = format_.channels;
    size_t done = 0;
    while (done < frames) {
        if (pendingAt_ < pending_.size()) {
            const size_t n = std::min(frames - done, (pending_.size() - pendingAt_) / channels);
            std::memcpy(out + done * channels, pending_.data() + pendingAt_, n * channels * sizeof(int16_t));
            pendingAt_ += n * channels;
            done += n;
            continue;
        }
        if (!decodeMore())
            break;
    }
    return done;
}

bool AvStream::decodeMore()
{
    for (;;) {
        if (ended_)
            return false;
        const int r = avcodec_receive_frame(codec_.get(), frame_.get());
        if (r == 0) {
            errors_ = 0;
            convert();
            av_frame_unref(frame_.get());
            if (pending_.empty())
                continue;
            return true;
        }
        if (r == AVERROR_EOF) {
            ended_ = true;
            return false;
        }
        if (r != AVERROR(EAGAIN)) {
            // A damaged frame is dropped and decoding goes on, as the command line
            // tool does; a decoder that only fails any more has ended.
            if (++errors_ > kMaxErrorsInARow) {
                ended_ = true;
                return false;
            }
            continue;
        }
        if (draining_) {
            ended_ = true;
            return false;
        }
        if (demux_.next(packet_.get())) {
            // A damaged packet is dropped and decoding goes on, as the command line
            // tool does; its length was never counted.
            avcodec_send_packet(codec_.get(), packet_.get());
            av_packet_unref(packet_.get());
        } else {
            draining_ = true;
            avcodec_send_packet(codec_.get(), nullptr);
        }
    }
}

void AvStream::convert()
{
    pending_.clear();
    pendingAt_ = 0;
    const AVFrame *f = frame_.get();
    if (f->nb_samples <= 0)
        return;
    if (!swr_ || av_channel_layout_compare(&f->ch_layout, &swrLayout_) != 0 || f->sample_rate != swrRate_ ||
        f->format != swrFormat_)
        configure(*f);
    const int room = swr_get_out_samples(swr_.get(), f->nb_samples);
    if (room < 0)
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_DAMAGED, found());
    pending_.resize(static_cast<size_t>(room) * format_.channels);
    uint8_t *dst = reinterpret_cast<uint8_t *>(pending_.data());
    const int n = swr_convert(swr_.get(), &dst, room, const_cast<const uint8_t **>(f->extended_data),
                              f->nb_samples);
    pending_.resize(n > 0 ? static_cast<size_t>(n) * format_.channels : 0);
}

void AvStream::configure(const AVFrame &f)
{
    av_channel_layout_uninit(&swrLayout_);
    if (av_channel_layout_copy(&swrLayout_, &f.ch_layout) < 0)
        throw std::bad_alloc();
    if (swrLayout_.order == AV_CHANNEL_ORDER_UNSPEC) // a bare count: the standard order
        av_channel_layout_default(&swrLayout_, f.ch_layout.nb_channels);
    swrRate_ = f.sample_rate;
    swrFormat_ = f.format;
    if (swrLayout_.nb_channels < 1 || swrLayout_.nb_channels > kMaxAvSourceChannels || swrRate_ < 1 ||
        swrRate_ > kMaxAvRate)
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_DAMAGED, found());
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, static_cast<int>(format_.channels));
    SwrContext *s = nullptr;
    if (swr_alloc_set_opts2(&s, &outLayout, AV_SAMPLE_FMT_S16, static_cast<int>(format_.rate), &swrLayout_,
                            static_cast<AVSampleFormat>(swrFormat_), swrRate_, 0, nullptr) < 0 ||
        swr_init(s) < 0) {
        swr_free(&s);
        throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_DAMAGED, found());
    }
    swr_.reset(s);
}

} // namespace trevisto::bass
