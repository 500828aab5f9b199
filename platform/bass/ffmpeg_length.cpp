#include "platform/bass/ffmpeg_length.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/intreadwrite.h>
}

#include <algorithm>
#include <cstring>

namespace trevisto::bass {
namespace {

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

} // namespace

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

void TrimmedLength::add(const PacketLength &packet)
{
    int64_t n = packet.samples;
    if (packet.carriesSkip)
        pendingSkip_ = packet.skip;
    if (pendingSkip_ > 0) {
        const int64_t s = std::min(pendingSkip_, n);
        n -= s;
        pendingSkip_ -= s;
    }
    if (packet.discarded || n == 0)
        return;
    if (packet.discard > 0 && packet.discard <= n)
        n -= packet.discard;
    total_ += static_cast<uint64_t>(n);
}

// Each packet's length comes from Opus's table of contents, a codec of fixed frames, or
// the container's duration in samples. Checked against the ffmpeg command for every
// container and codec in the decoder's tests.
std::optional<uint64_t> countFromPackets(Demux &demux)
{
    const AVStream *st = demux.stream();
    const AVCodecParameters *par = st->codecpar;
    const bool samplesTimeBase = st->time_base.num == 1 && st->time_base.den == par->sample_rate;
    Packet pkt = newPacket();
    TrimmedLength length(opusPreSkip(par));
    while (demux.next(pkt.get())) {
        if (av_packet_get_side_data(pkt.get(), AV_PKT_DATA_ENCRYPTION_INFO, nullptr))
            throw Failure(BASS_ERROR_FILEFORM, BASS_REASON_ENCRYPTED, demux.found());
        PacketLength packet;
        // A fixed-frame decoder delivers whole frames even where the container's
        // duration of the last packet is shorter; the padding stays, as in the ffmpeg
        // command's decode.
        if (par->codec_id == AV_CODEC_ID_OPUS)
            packet.samples = opusPacketFrames(pkt->data, pkt->size);
        else if (framedByCodec(par->codec_id))
            packet.samples = av_get_audio_frame_duration2(const_cast<AVCodecParameters *>(par), pkt->size);
        else if (samplesTimeBase && pkt->duration > 0)
            packet.samples = pkt->duration;
        if (packet.samples <= 0)
            return std::nullopt;
        packet.carriesSkip = skipSideData(pkt.get(), packet.skip, packet.discard);
        packet.discarded = (pkt->flags & AV_PKT_FLAG_DISCARD) != 0;
        av_packet_unref(pkt.get());
        length.add(packet);
    }
    return length.total();
}

} // namespace trevisto::bass
