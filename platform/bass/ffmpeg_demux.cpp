#include "platform/bass/ffmpeg_demux.h"

extern "C" {
#include <libavutil/avstring.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libavcodec/avcodec.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <new>

#include <dlfcn.h>

namespace trevisto::bass {
namespace {

constexpr int kIoBuffer = 64 * 1024;

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

// "mov,mp4,m4a,3gp,3g2,mj2" says "mov"; the codec tells the rest.
std::string shortName(const char *name)
{
    const std::string s(name ? name : "");
    return s.substr(0, s.find(','));
}

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

Packet newPacket()
{
    Packet p(av_packet_alloc());
    if (!p)
        throw std::bad_alloc();
    return p;
}

void Demux::IoFree::operator()(AVIOContext *io) const
{
    av_freep(&io->buffer);
    avio_context_free(&io);
}

Demux::Demux(std::shared_ptr<SourceFile> file) : file_(std::move(file))
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
    if (par->sample_rate < 1 || par->sample_rate > kMaxAvRate || par->ch_layout.nb_channels < 1 ||
        par->ch_layout.nb_channels > kMaxAvSourceChannels)
        throw Failure(BASS_ERROR_FORMAT, BASS_REASON_BAD_FORMAT, found_);
}

bool Demux::next(AVPacket *pkt)
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

Failure Demux::ioOr(DWORD reason) const
{
    if (file_->failed())
        return Failure(BASS_ERROR_FILEOPEN, BASS_REASON_UNREADABLE, found_);
    return Failure(BASS_ERROR_FILEFORM, reason, found_.empty() ? shortName(container_.c_str()) : found_);
}

int Demux::readPacket(void *opaque, uint8_t *buf, int size)
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

int64_t Demux::seekTo(void *opaque, int64_t offset, int whence)
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

} // namespace trevisto::bass
