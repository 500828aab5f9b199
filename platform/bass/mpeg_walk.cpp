#include "platform/bass/mpeg_walk.h"

#include <algorithm>
#include <cstring>

namespace trevisto::bass {
namespace {

// Reads the file through a large window, for a walk that looks at a few bytes of every
// frame.
class Window {
public:
    explicit Window(const SourceFile &file) : file_(file), bytes_(1 << 20) {}

    // The `count` bytes at `offset`, or null when the file holds fewer there (or a read
    // failed).
    const unsigned char *at(int64_t offset, size_t count)
    {
        if (offset < start_ || offset + int64_t(count) > start_ + filled_) {
            const int64_t n = file_.readAt(offset, bytes_.data(), bytes_.size());
            if (n < 0)
                return nullptr;
            start_ = offset;
            filled_ = n;
        }
        if (offset + int64_t(count) > start_ + filled_)
            return nullptr;
        return bytes_.data() + (offset - start_);
    }

private:
    const SourceFile &file_;
    std::vector<unsigned char> bytes_;
    int64_t start_ = 0;
    int64_t filled_ = 0;
};

struct Header {
    int version = 0; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    int rateIndex = 0;
    bool mono = false;
    bool crc = false;
    int length = 0;
};

// A layer III header with a bitrate and rate, or nothing.
bool parse(const unsigned char *p, Header &h)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    h.version = (p[1] >> 3) & 3;
    const int layer = (p[1] >> 1) & 3;
    const int bitrateIndex = p[2] >> 4;
    h.rateIndex = (p[2] >> 2) & 3;
    if (h.version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || h.rateIndex == 3)
        return false;
    static const int kbpsMpeg1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int kbpsMpeg2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates[] = {44100, 48000, 32000};
    const bool mpeg1 = h.version == 3;
    const int kbps = (mpeg1 ? kbpsMpeg1 : kbpsMpeg2)[bitrateIndex];
    const int rate = rates[h.rateIndex] >> (mpeg1 ? 0 : h.version == 2 ? 1 : 2);
    const int padding = (p[2] >> 1) & 1;
    h.length = (mpeg1 ? 144 : 72) * kbps * 1000 / rate + padding;
    h.mono = (p[3] >> 6) == 3;
    h.crc = (p[1] & 1) == 0;
    return true;
}

int sideInfoBytes(const Header &h)
{
    return h.version == 3 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
}

// An encoder's info frame: empty side information, then "Xing" or "Info".
bool isInfoFrame(const unsigned char *frame, const Header &h)
{
    const int side = sideInfoBytes(h);
    const unsigned char *body = frame + 4 + (h.crc ? 2 : 0);
    if (h.length < 4 + (h.crc ? 2 : 0) + side + 4)
        return false;
    for (int i = 0; i < side; ++i)
        if (body[i] != 0)
            return false;
    return std::memcmp(body + side, "Xing", 4) == 0 || std::memcmp(body + side, "Info", 4) == 0;
}

bool isTrailer(const unsigned char *p, size_t n)
{
    const auto starts = [&](const char *id) {
        const size_t len = std::strlen(id);
        return n >= len && std::memcmp(p, id, len) == 0;
    };
    return starts("TAG") || starts("APETAGEX") || starts("LYRICSBEGIN") || starts("ID3");
}

} // namespace

std::optional<Layer3Map> mapUnbrokenLayer3Stream(const SourceFile &file, uint64_t phase)
{
    Window window(file);
    const int64_t size = file.size();
    int64_t pos = 0;
    if (const unsigned char *id3 = window.at(0, 10); id3 && std::memcmp(id3, "ID3", 3) == 0) {
        if ((id3[6] | id3[7] | id3[8] | id3[9]) & 0x80)
            return std::nullopt;
        const int64_t body = int64_t(id3[6]) << 21 | int64_t(id3[7]) << 14 | int64_t(id3[8]) << 7 | id3[9];
        pos = 10 + body + ((id3[5] & 0x10) ? 10 : 0);
    }
    Header first;
    const unsigned char *p = window.at(pos, 4);
    if (!p || !parse(p, first))
        return std::nullopt;
    Layer3Map map;
    map.phase = phase;
    map.samplesPerFrame = first.version == 3 ? 1152 : 576;
    bool crc = false;
    if (const unsigned char *frame = window.at(pos, size_t(first.length)); frame && isInfoFrame(frame, first)) {
        map.infoFrame = true;
        pos += first.length;
    }
    while (pos < size) {
        p = window.at(pos, 4);
        Header h;
        if (!p || !parse(p, h)) {
            const size_t left = size_t(std::min<int64_t>(size - pos, 16));
            const unsigned char *rest = window.at(pos, left);
            if (!rest || !isTrailer(rest, left))
                return std::nullopt;
            break;
        }
        if (h.version != first.version || h.rateIndex != first.rateIndex || h.mono != first.mono)
            return std::nullopt;
        if (map.frames >= phase && (map.frames - phase) % Layer3Map::kStep == 0)
            map.offsets.push_back(pos);
        crc = crc || h.crc;
        ++map.frames;
        pos += h.length;
    }
    if (file.failed() || map.frames == 0)
        return std::nullopt;
    map.overheadBytes = uint32_t(4 + sideInfoBytes(first) + (crc ? 2 : 0));
    return map;
}

} // namespace trevisto::bass
