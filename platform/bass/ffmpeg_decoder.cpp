#include "platform/bass/ffmpeg_decoder.h"

#include "platform/bass/failure.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <atomic>

#include <dlfcn.h>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

namespace trevisto::bass {
namespace {

constexpr int kMaxRate = 768000;
// Channels a source may have before it is mixed down; beyond that it is damaged.
constexpr int kMaxSourceChannels = 64;
constexpr int kIoBuffer = 64 * 1024;
// Decoding errors in a row after which a stream is taken to have ended.
constexpr int kMaxErrorsInARow = 64;

// The demuxers used. A list of what is taken rather than of what is refused: a demuxer
// added to a later FFmpeg (or one that follows references, as hls, dash and concat do)
// stays unused until it is named here. WAV, AIFF, FLAC, MP3 and modules are left to the
// other decoders, whose refusals stay as they were.
constexpr const char *kDemuxers[] = {"mov", "mp4", "m4a", "3gp", "3g2", "matroska", "webm", "ogg", "asf",
                                     "ac3", "eac3", "amr", "amrnb", "amrwb", "wv", "ape", "tta", "avi",
                                     "flv", "mpegts", "aac", "caf", "mj2"};

// Demuxers whose files are lists of other files or addresses.
constexpr const char *kReferringDemuxers[] = {"hls", "applehttp", "concat", "dash", "mpd", "sdp", "rtsp",
                                              "rtp", "imf", "ffmetadata", "image2", "tedcaptions"};

std::atomic<uint64_t> refusedOpens{0};

bool nameListed(const char *name, const char *const *list, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (av_match_name(list[i], name))
            return true;
    }
    return false;
}

std::string joinedList()
{
    std::string s;
    for (const char *d : kDemuxers)
        s += (s.empty() ? "" : ",") + std::string(d);
    return s;
}

// FFmpeg's libraries, and the libraries they load, stay once this library has loaded them.
// Theirs are start-up allocations that their own globals hold: unloaded with this library
// at every BASS_Free, each load would lose them for good, and not every one of them expects
// to be started twice in a process.
const struct KeepLibrariesLoaded {
    KeepLibrariesLoaded()
    {
        for (void *symbol : {reinterpret_cast<void *>(&avformat_version), reinterpret_cast<void *>(&avcodec_version),
                             reinterpret_cast<void *>(&swresample_version), reinterpret_cast<void *>(&avutil_version)}) {
            Dl_info info{};
            if (dladdr(symbol, &info) && info.dli_fname)
                dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
        }
    }
} keepLibrariesLoaded;

void quietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

// A demuxer that tries to open anything beside the file it was given is refused.
int refuseOpen(AVFormatContext *, AVIOContext **, const char *, int, AVDictionary **)
{
    refusedOpens.fetch_add(1);
    return AVERROR(EPERM);
}

// Samples of one Opus packet, from its table of contents.
int64_t opusPacketFrames(const uint8_t *data, int size)
{
    if (size < 1)
        return 0;
    const int config = data[0] >> 3;
    static constexpr int kSilk[4] = {480, 960, 1920, 2880};
    int perFrame;
    if (config < 12)
        perFrame = kSilk[config & 3];
    else if (config < 16)
        perFrame = (config & 1) ? 960 : 480;
    else
        perFrame = 120 << (config & 3);
    int frames;
    switch (data[0] & 3) {
    case 0:
        frames = 1;
        break;
    case 1:
    case 2:
        frames = 2;
        break;
    default:
        if (size < 2)
            return 0;
        frames = data[1] & 0x3F;
        break;
    }
    const int64_t n = int64_t(frames) * perFrame;
    return n > 5760 ? 0 : n; // more than 120 ms is invalid and decodes to nothing
}

struct IoFree {
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};
struct FormatClose {
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};

// One opened file: the file's own reader, the demuxer over it, and the chosen stream.
class Demux {
public:
    explicit Demux(std::shared_ptr<SourceFile> file) : file_(std::move(file))
    {
        quietLibraries();
        auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBuffer));
        if (!buffer)
            throw std::bad_alloc();
        io_.reset(avio_alloc_context(buffer, kIoBuffer, 0, this, &Demux::readPacket, nullptr, &Demux::seekTo));
        if (!io_) {
            av_free(buffer);
            throw std::bad_alloc();
        }
        // Probing through our own reader: no protocol is ever involved.
        // By content alone: the name's extension would let a text called "x.mp3" pass
        // for an MP3 with the weakest of scores.
        const AVInputFormat *probed = nullptr;
        const int score = av_probe_input_buffer2(io_.get(), &probed, "", nullptr, 0, 0);
        if (file_->failed())
            throw Failure(BASS_ERROR_FILEOPEN, BASS_REASON_UNREADABLE);
        if (score < 0 || !probed)
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NOT_SOUND);
        container_ = probed->name;
        if (!isAcceptedDemuxer(probed->name)) {
            const bool refers = nameListed(probed->name, kReferringDemuxers, std::size(kReferringDemuxers));
            // A guess from a few matching bytes names nothing.
            const bool sure = refers || score >= AVPROBE_SCORE_RETRY;
            throw Failure(BASS_ERROR_FILEFORM, refers ? BASS_REASON_REFERS_OUT : BASS_REASON_NOT_SOUND,
                          sure ? shortName(probed->name) : std::string());
        }

        AVFormatContext *ctx = avformat_alloc_context();
        if (!ctx)
            throw std::bad_alloc();
        ctx->pb = io_.get();
        ctx->flags |= AVFMT_FLAG_CUSTOM_IO;
        ctx->io_open = &refuseOpen;
        AVDictionary *options = nullptr;
        av_dict_set(&options, "protocol_whitelist", "file", 0);
        av_dict_set(&options, "format_whitelist", joinedList().c_str(), 0);
        av_dict_set(&options, "max_streams", "256", 0);
        const int opened = avformat_open_input(&ctx, nullptr, probed, &options); // frees ctx on failure
        av_dict_free(&options);
        if (opened < 0)
            throw ioOr(BASS_REASON_DAMAGED);
        ctx_.reset(ctx);
        if (!isAcceptedDemuxer(ctx_->iformat->name)) // cannot differ from the probe; checked all the same
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NOT_SOUND, shortName(ctx_->iformat->name));
        if (avformat_find_stream_info(ctx_.get(), nullptr) < 0)
            throw ioOr(BASS_REASON_DAMAGED);

        for (unsigned i = 0; i < ctx_->nb_streams; ++i) {
            if (ctx_->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
                stream_ = ctx_->streams[i];
                break;
            }
        }
        if (!stream_)
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NO_AUDIO, shortName(ctx_->iformat->name));
        for (unsigned i = 0; i < ctx_->nb_streams; ++i) {
            if (ctx_->streams[i] != stream_)
                ctx_->streams[i]->discard = AVDISCARD_ALL;
        }
        const AVCodecParameters *par = stream_->codecpar;
        const char *codec = avcodec_get_name(par->codec_id);
        found_ = shortName(ctx_->iformat->name) + " / " + (codec ? codec : "?");
        if (av_stream_get_side_data(stream_, AV_PKT_DATA_ENCRYPTION_INIT_INFO, nullptr))
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_ENCRYPTED, found_);
        if (par->codec_id == AV_CODEC_ID_NONE)
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_NO_DECODER, found_);
        if (par->sample_rate < 1 || par->sample_rate > kMaxRate || par->ch_layout.nb_channels < 1 ||
            par->ch_layout.nb_channels > kMaxSourceChannels)
            throw Failure(BASS_ERROR_FORMAT, BASS_REASON_BAD_FORMAT, found_);
    }

    Demux(const Demux &) = delete;
    Demux &operator=(const Demux &) = delete;

    AVStream *stream() const { return stream_; }
    const std::string &found() const { return found_; }

    // The next packet of the chosen stream; false at the end.
    bool next(AVPacket *pkt)
    {
        for (;;) {
            const int r = av_read_frame(ctx_.get(), pkt);
            if (r < 0) {
                if (file_->failed())
                    throw Failure(BASS_ERROR_FILEOPEN, BASS_REASON_UNREADABLE, found_);
                return false;
            }
            if (pkt->stream_index == stream_->index)
                return true;
            av_packet_unref(pkt);
        }
    }

    Failure ioOr(DWORD reason) const
    {
        if (file_->failed())
            return Failure(BASS_ERROR_FILEOPEN, BASS_REASON_UNREADABLE, found_);
        return Failure(BASS_ERROR_FILEFORM, reason, found_.empty() ? shortName(container_.c_str()) : found_);
    }

private:
    // "mov,mp4,m4a,3gp,3g2,mj2" says "mov"; the codec tells the rest.
    static std::string shortName(const char *name)
    {
        const std::string s(name ? name : "");
        return s.substr(0, s.find(','));
    }

    static int readPacket(void *opaque, uint8_t *buf, int size)
    {
        auto *d = static_cast<Demux *>(opaque);
        const int64_t n = d->file_->readAt(d->position_, buf, static_cast<size_t>(size));
        if (n < 0)
            return AVERROR(EIO);
        if (n == 0)
            return AVERROR_EOF;
        d->position_ += n;
        return static_cast<int>(n);
    }

    static int64_t seekTo(void *opaque, int64_t offset, int whence)
    {
        auto *d = static_cast<Demux *>(opaque);
        const int64_t size = d->file_->size();
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE:
            return size;
        case SEEK_SET:
            break;
        case SEEK_CUR:
            offset += d->position_;
            break;
        case SEEK_END:
            offset += size;
            break;
        default:
            return AVERROR(EINVAL);
        }
        if (offset < 0)
            return AVERROR(EINVAL);
        d->position_ = offset;
        return offset;
    }

    std::shared_ptr<SourceFile> file_;
    int64_t position_ = 0;
    std::unique_ptr<AVIOContext, IoFree> io_;
    std::unique_ptr<AVFormatContext, FormatClose> ctx_; // closed before io_, which it reads through
    AVStream *stream_ = nullptr;
    std::string container_;
    std::string found_;
};

struct PacketFree {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameFree {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct CodecFree {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct SwrFree {
    void operator()(SwrContext *s) const { swr_free(&s); }
};
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;

Packet newPacket()
{
    Packet p(av_packet_alloc());
    if (!p)
        throw std::bad_alloc();
    return p;
}

// The skip and discard counts a packet carries for the decoder: samples to drop from
// the start of what follows, and from the end of this packet's output.
bool skipSideData(const AVPacket *pkt, int64_t &skip, int64_t &discard)
{
    size_t size = 0;
    const uint8_t *side = av_packet_get_side_data(pkt, AV_PKT_DATA_SKIP_SAMPLES, &size);
    if (!side || size < 10)
        return false;
    skip = std::max<int64_t>(0, static_cast<int32_t>(AV_RL32(side)));
    discard = AV_RL32(side + 4);
    return true;
}

// Decodes one Demux's stream into 16-bit interleaved PCM of at most two channels.
class Stream {
public:
    explicit Stream(std::shared_ptr<SourceFile> file)
        : demux_(std::move(file)), packet_(newPacket()), frame_(av_frame_alloc())
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

    ~Stream() { av_channel_layout_uninit(&swrLayout_); }
    Stream(const Stream &) = delete;
    Stream &operator=(const Stream &) = delete;

    const PcmFormat &format() const { return format_; }
    uint32_t sourceChannels() const { return sourceChannels_; }
    const std::string &found() const { return demux_.found(); }
    Demux &demux() { return demux_; }

    size_t read(int16_t *out, size_t frames)
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

private:
    // Fills pending_ with the next decoded frame; false at the end of the stream.
    bool decodeMore()
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

    void convert()
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

    void configure(const AVFrame &f)
    {
        av_channel_layout_uninit(&swrLayout_);
        if (av_channel_layout_copy(&swrLayout_, &f.ch_layout) < 0)
            throw std::bad_alloc();
        if (swrLayout_.order == AV_CHANNEL_ORDER_UNSPEC) // a bare count: the standard order
            av_channel_layout_default(&swrLayout_, f.ch_layout.nb_channels);
        swrRate_ = f.sample_rate;
        swrFormat_ = f.format;
        if (swrLayout_.nb_channels < 1 || swrLayout_.nb_channels > kMaxSourceChannels || swrRate_ < 1 ||
            swrRate_ > kMaxRate)
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

    Demux demux_;
    Packet packet_;
    Frame frame_;
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

// Codecs whose packets all decode to the codec's fixed frame length, so that the
// length of a packet can be told from the codec alone.
bool framedByCodec(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_AAC:
    case AV_CODEC_ID_AC3:
    case AV_CODEC_ID_EAC3:
    case AV_CODEC_ID_MP1:
    case AV_CODEC_ID_MP2:
    case AV_CODEC_ID_MP3:
        return true;
    default:
        return false;
    }
}

// The samples an Opus decoder drops from the start on its own, from the stream header
// it is opened with; a skip the container gives with the first packet replaces it.
int64_t opusPreSkip(const AVCodecParameters *par)
{
    if (par->codec_id != AV_CODEC_ID_OPUS || par->extradata_size < 19 ||
        std::memcmp(par->extradata, "OpusHead", 8) != 0)
        return 0;
    return AV_RL16(par->extradata + 10);
}

// Samples the decoder will deliver, from the packets alone: each packet's length (from
// Opus's table of contents, a codec of fixed frames, or the container's duration in
// samples), less what the decoding library drops: the skip at the start and the padding
// at the end that side data and the stream header give, and packets marked for discard,
// applied in the library's order. Nothing when a packet's length cannot be told so; the
// caller then decodes to count. Checked against the ffmpeg command for every container
// and codec in the decoder's tests.
std::optional<uint64_t> countFromPackets(Demux &demux)
{
    const AVStream *st = demux.stream();
    const AVCodecParameters *par = st->codecpar;
    const bool samplesTimeBase = st->time_base.num == 1 && st->time_base.den == par->sample_rate;
    Packet pkt = newPacket();
    uint64_t total = 0;
    int64_t pendingSkip = opusPreSkip(par);
    while (demux.next(pkt.get())) {
        if (av_packet_get_side_data(pkt.get(), AV_PKT_DATA_ENCRYPTION_INFO, nullptr))
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_ENCRYPTED, demux.found());
        int64_t n = 0;
        // A fixed-frame decoder delivers whole frames even where the container's
        // duration of the last packet is shorter; the padding stays, as in the ffmpeg
        // command's decode.
        if (par->codec_id == AV_CODEC_ID_OPUS)
            n = opusPacketFrames(pkt->data, pkt->size);
        else if (framedByCodec(par->codec_id))
            n = av_get_audio_frame_duration2(const_cast<AVCodecParameters *>(par), pkt->size);
        else if (samplesTimeBase && pkt->duration > 0)
            n = pkt->duration;
        if (n <= 0)
            return std::nullopt;
        int64_t skip = 0;
        int64_t discard = 0;
        if (skipSideData(pkt.get(), skip, discard))
            pendingSkip = skip;
        const bool dropped = (pkt->flags & AV_PKT_FLAG_DISCARD) != 0;
        av_packet_unref(pkt.get());
        if (pendingSkip > 0) {
            const int64_t s = std::min(pendingSkip, n);
            n -= s;
            pendingSkip -= s;
        }
        if (dropped || n == 0)
            continue;
        if (discard > 0 && discard <= n)
            n -= discard;
        total += static_cast<uint64_t>(n);
    }
    return total;
}

class AvDecoder final : public Decoder {
public:
    explicit AvDecoder(std::shared_ptr<SourceFile> file) : file_(file), stream_(std::make_unique<Stream>(file))
    {
        // The length is measured on a second reader, so that the first is still at
        // the start: packets only, unless their lengths cannot be told.
        Stream counter(file_);
        std::optional<uint64_t> counted = countFromPackets(counter.demux());
        if (!counted) {
            Stream decoding(file_);
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
        auto fresh = std::make_unique<Stream>(file_);
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
    std::unique_ptr<Stream> stream_;
    uint64_t total_ = 0;
};

} // namespace

bool isAcceptedDemuxer(const char *name)
{
    if (!name)
        return false;
    // Every name the demuxer goes by must be one taken, so that "mov,mp4,..." is, and a
    // demuxer that merely shares one name with a taken one is not.
    const std::string all(name);
    size_t start = 0;
    while (start <= all.size()) {
        const size_t end = std::min(all.find(',', start), all.size());
        const std::string one = all.substr(start, end - start);
        if (!nameListed(one.c_str(), kDemuxers, std::size(kDemuxers)))
            return false;
        start = end + 1;
    }
    return true;
}

uint64_t refusedNestedOpens()
{
    return refusedOpens.load();
}

std::unique_ptr<Decoder> openAvDecoder(std::shared_ptr<SourceFile> file)
{
    return std::make_unique<AvDecoder>(std::move(file));
}

} // namespace trevisto::bass
