#include "platform/mp3frames/index.h"

#include "platform/mp3frames/bytesource.h"

#include <cstring>

namespace trevisto::mp3frames {

namespace {

// Junk tolerated between the tags at the start and the first frame.
constexpr uint64_t kFirstFrameSearch = 64 * 1024;

uint32_t be32(const unsigned char *p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
uint32_t le32(const unsigned char *p) { return uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0]; }

// ID3v2 tags, one after another, at `from`: their whole size.
uint64_t id3v2Span(ByteSource &src, uint64_t from)
{
    uint64_t at = from;
    while (const unsigned char *p = src.at(at, 10)) {
        if (std::memcmp(p, "ID3", 3) != 0 || p[3] == 0xFF || p[4] == 0xFF || (p[6] | p[7] | p[8] | p[9]) & 0x80)
            break;
        const uint64_t body = uint64_t(p[6]) << 21 | p[7] << 14 | p[8] << 7 | p[9];
        at += 10 + body + ((p[5] & 0x10) ? 10 : 0);
    }
    return std::min(at, src.size());
}

// Where the tags at the end of the file begin: ID3v1, APEv2 and Lyrics3 in any order.
uint64_t tagsAtEnd(ByteSource &src, uint64_t start)
{
    uint64_t end = src.size();
    for (bool found = true; found && end > start;) {
        found = false;
        if (end - start >= 128) {
            if (const unsigned char *p = src.at(end - 128, 3); p && std::memcmp(p, "TAG", 3) == 0) {
                end -= 128;
                found = true;
                continue;
            }
        }
        if (end - start >= 32) {
            if (const unsigned char *p = src.at(end - 32, 32); p && std::memcmp(p, "APETAGEX", 8) == 0) {
                const uint64_t size = le32(p + 12) + ((le32(p + 20) & 0x80000000u) ? 32 : 0);
                if (size <= end - start) {
                    end -= size;
                    found = true;
                    continue;
                }
            }
        }
        if (end - start >= 15) {
            if (const unsigned char *p = src.at(end - 15, 15); p && std::memcmp(p + 6, "LYRICS200", 9) == 0) {
                uint64_t size = 0;
                bool digits = true;
                for (int i = 0; i < 6; ++i) {
                    digits = digits && p[i] >= '0' && p[i] <= '9';
                    size = size * 10 + uint64_t(p[i] - '0');
                }
                if (digits && size + 15 <= end - start) {
                    end -= size + 15;
                    found = true;
                }
            }
        }
    }
    return end;
}

// A frame of the stream's layout at `at`, when its header parses and it fits before `end`.
std::optional<FrameHeader> frameAt(ByteSource &src, uint64_t at, uint64_t end, const FrameHeader *layout)
{
    if (at + 4 > end)
        return std::nullopt;
    const unsigned char *p = src.at(at, 4);
    if (!p)
        return std::nullopt;
    auto h = FrameHeader::parse(p);
    if (!h || (layout && !h->sameLayout(*layout)))
        return std::nullopt;
    return h;
}

// A header at `at` counts as a frame's when the frame after it starts with a header of
// the same layout, or the stream ends right after it.
bool confirmed(ByteSource &src, uint64_t at, uint64_t end, const FrameHeader &h)
{
    if (h.bitRateIndex == 0)
        return true; // free format: the caller refuses it anyway
    const uint64_t next = at + h.frameBytes();
    return next == end || frameAt(src, next, end, &h).has_value();
}

std::optional<InfoFrame> readInfoFrame(ByteSource &src, uint64_t at, const FrameHeader &h)
{
    const size_t size = h.frameBytes();
    const unsigned char *f = src.at(at, size);
    const size_t x = 4 + h.sideInfoBytes();
    if (!f || size < x + 8 || (std::memcmp(f + x, "Xing", 4) != 0 && std::memcmp(f + x, "Info", 4) != 0))
        return std::nullopt;
    InfoFrame info;
    info.offset = at;
    info.bytes = uint16_t(size);
    info.header = be32(f);
    info.xing = f[x] == 'X';
    const uint32_t flags = be32(f + x + 4);
    size_t lame = x + 8;
    if (flags & 1) {
        if (lame + 4 <= size)
            info.frames = be32(f + lame);
        lame += 4;
    }
    lame += (flags & 2 ? 4 : 0) + (flags & 4 ? 100 : 0) + (flags & 8 ? 4 : 0);
    if (lame + 36 <= size && f[lame] != 0) {
        std::array<unsigned char, 36> ext;
        std::memcpy(ext.data(), f + lame, 36);
        info.lame = ext;
        info.delay = ext[21] << 4 | ext[22] >> 4;
        info.padding = (ext[22] & 0x0F) << 8 | ext[23];
    }
    return info;
}

uint64_t fnv(uint64_t hash, uint64_t value)
{
    for (int i = 0; i < 8; ++i) {
        hash ^= (value >> (8 * i)) & 0xFF;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

IndexResult build(ByteSource &src)
{
    if (!src.ok())
        return {std::nullopt, Refusal::CannotRead, src.error()};
    Mp3Index index;
    index.identity.size = src.size();
    index.identity.modifiedNs = src.modifiedNs();
    index.id3v2Bytes = id3v2Span(src, 0);
    index.audioEnd = std::max(index.id3v2Bytes, tagsAtEnd(src, index.id3v2Bytes));
    const uint64_t end = index.audioEnd;

    // The first frame: the first header whose successor confirms it, close behind the
    // tags (a file of another kind is not searched through to its end).
    uint64_t at = index.id3v2Bytes;
    const uint64_t searchEnd = std::min(end, at + kFirstFrameSearch);
    std::optional<FrameHeader> first;
    for (; at + 4 <= searchEnd; ++at) {
        first = frameAt(src, at, end, nullptr);
        if (first && confirmed(src, at, end, *first))
            break;
        first.reset();
    }
    if (!first)
        return {std::nullopt, src.error() ? Refusal::CannotRead : Refusal::NotMp3, src.error()};
    index.layout = *first;
    if (first->bitRateIndex == 0) {
        index.freeFormat = true;
        return {std::move(index), Refusal::None, 0};
    }
    index.info = readInfoFrame(src, at, *first);
    if (index.info)
        at += index.info->bytes;

    uint64_t hash = 0xCBF29CE484222325ull;
    bool junk = false;
    while (at + 4 <= end) {
        std::optional<FrameHeader> h = frameAt(src, at, end, &index.layout);
        if (h && h->bitRateIndex == 0) {
            index.freeFormat = true;
            break;
        }
        if (!h || (junk && !confirmed(src, at, end, *h))) {
            junk = true;
            ++at;
            continue;
        }
        const size_t size = h->frameBytes();
        if (at + size > end) {
            index.truncatedTail = true;
            break;
        }
        const unsigned char *f = src.at(at, size);
        if (!f)
            return {std::nullopt, Refusal::CannotRead, src.error()};
        FrameEntry e;
        e.offset = at;
        e.header = be32(f);
        e.bytes = uint16_t(size);
        e.mainDataBegin = uint16_t(mainDataBegin(*h, f + 4 + (h->protectedByCrc ? 2 : 0)));
        e.damaged = junk || (h->protectedByCrc && frameCrc(*h, f) != (f[4] << 8 | f[5]));
        junk = false;
        index.frames.push_back(e);
        hash = fnv(fnv(fnv(hash, e.offset), e.header), e.mainDataBegin);
        at += size;
    }
    if (at < end && !index.truncatedTail && !index.freeFormat && junk)
        index.truncatedTail = true; // junk up to the end: as good as a broken last frame
    if (src.error())
        return {std::nullopt, Refusal::CannotRead, src.error()};
    index.identity.framesHash = hash;
    return {std::move(index), Refusal::None, 0};
}

} // namespace

FrameHeader FrameEntry::parsedHeader() const
{
    const unsigned char b[4] = {uint8_t(header >> 24), uint8_t(header >> 16), uint8_t(header >> 8), uint8_t(header)};
    return *FrameHeader::parse(b);
}

int64_t Mp3Index::samples() const
{
    const int64_t decoded = int64_t(frames.size()) * samplesPerFrame();
    if (!lameTagged())
        return decoded;
    return std::max<int64_t>(0, decoded - info->delay - info->padding);
}

bool Mp3Index::constantBitRate() const
{
    for (const FrameEntry &e : frames)
        if ((e.header & 0xF000) != (frames.front().header & 0xF000))
            return false;
    return true;
}

int Mp3Index::averageBitRate() const
{
    if (frames.empty())
        return 0;
    uint64_t bytes = 0;
    for (const FrameEntry &e : frames)
        bytes += e.bytes;
    const double seconds = double(frames.size()) * samplesPerFrame() / layout.sampleRate();
    return int(double(bytes) * 8 / 1000 / seconds + 0.5);
}

IndexResult indexMp3(const std::string &nativePath)
{
    ByteSource src(nativePath);
    return build(src);
}

IndexResult indexMp3Bytes(const unsigned char *data, size_t bytes)
{
    ByteSource src(data, bytes);
    return build(src);
}

std::optional<FileIdentity> currentIdentity(const std::string &nativePath)
{
    IndexResult r = indexMp3(nativePath);
    if (!r.index)
        return std::nullopt;
    return r.index->identity;
}

} // namespace trevisto::mp3frames
