#pragma once
// Opening a file with FFmpeg's demuxers, and the rules that keep it to that one file: the
// content is probed through the file's own reader (no protocol is ever involved), only the
// demuxers listed are used, and a demuxer's attempt to open anything beside the file is
// refused. The first sound stream is chosen and its packets are handed out one by one;
// a file that cannot be decoded is refused here, with what it was found to be.

#include "platform/bass/failure.h"
#include "platform/bass/source_file.h"

extern "C" {
#include <libavcodec/packet.h>
#include <libavformat/avformat.h>
}

#include <cstdint>
#include <memory>
#include <string>

namespace trevisto::bass {

// Sample rates and channel counts beyond these are damage, not a sound; more than two
// channels are mixed down later.
constexpr int kMaxAvRate = 768000;
constexpr int kMaxAvSourceChannels = 64;

// Whether a demuxer (by FFmpeg's name for it, e.g. "mov,mp4,m4a,3gp,3g2,mj2") is one
// the decoder uses.
bool isAcceptedDemuxer(const char *name);

// Opens of further files or addresses that a demuxer attempted and was refused, over
// the whole run; none ever succeeds.
uint64_t refusedNestedOpens();

struct PacketFree {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
using Packet = std::unique_ptr<AVPacket, PacketFree>;
Packet newPacket();

// One opened file: the file's own reader, the demuxer over it, and the chosen stream.
// Throws Failure for a file it refuses.
class Demux {
public:
    explicit Demux(std::shared_ptr<SourceFile> file);
    Demux(const Demux &) = delete;
    Demux &operator=(const Demux &) = delete;

    AVStream *stream() const { return stream_; }
    // "container / codec", for messages.
    const std::string &found() const { return found_; }

    // The next packet of the chosen stream; false at the end.
    bool next(AVPacket *pkt);

    // The failure for a library call that failed: the file's own when a read failed,
    // else `reason`.
    Failure ioOr(DWORD reason) const;

private:
    struct IoFree {
        void operator()(AVIOContext *io) const;
    };
    struct FormatClose {
        void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
    };

    static int readPacket(void *opaque, uint8_t *buf, int size);
    static int64_t seekTo(void *opaque, int64_t offset, int whence);

    std::shared_ptr<SourceFile> file_;
    int64_t position_ = 0;
    std::unique_ptr<AVIOContext, IoFree> io_;
    std::unique_ptr<AVFormatContext, FormatClose> ctx_; // closed before io_, which it reads through
    AVStream *stream_ = nullptr;
    std::string container_;
    std::string found_;
};

} // namespace trevisto::bass
