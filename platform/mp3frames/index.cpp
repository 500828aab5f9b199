#include "platform/mp3frames/index.h"

#include "platform/mp3frames/bytesource.h"

#include <algorithm>
#include <cstring>

namespace trevisto::mp3frames {

namespace {

// Junk tolerated between the tags at the start and the first frame: far more than the
// decoder skips (16 KiB), and no more than the first block read of any file, so that a
// file of another kind costs no further reading.
constexpr uint64_t kFirstFrameSearch = 1024 * 1024;
// A free-format frame holds at most 640 kbit/s at 32 kHz.
constexpr size_t kLargestFreeFrame = 144000 * 640 / 32000 + 1;
// Free-format headers looked into before the first frame: each costs a search of a frame's
// length, and junk made of them must not keep the index busy.
constexpr int kFreeFormatTries = 64;

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

// The tags at the end of the file, after `start`: where each begins, the last one first.
// An ID3v1 tag only ends the file; APEv2 and Lyrics3 tags may come in any order before it.
// Every size is checked against the bytes there are and against the tag's own least size,
// so each step moves back at least a footer's length and the search ends.
std::vector<uint64_t> tagsAtEnd(ByteSource &src, uint64_t start)
{
    std::vector<uint64_t> starts;
    uint64_t end = src.size();
    if (end - start >= 128) {
        if (const unsigned char *p = src.at(end - 128, 3); p && std::memcmp(p, "TAG", 3) == 0)
            starts.push_back(end -= 128);
    }
    for (;;) {
        if (end - start >= 32) {
            const unsigned char *p = src.at(end - 32, 32);
            if (p && std::memcmp(p, "APETAGEX", 8) == 0) {
                // The size counts the items and this footer, not the header.
                const uint64_t counted = le32(p + 12);
                const bool header = le32(p + 20) & 0x80000000u;
                const uint64_t size = counted + (header ? 32 : 0);
                if (counted < 32 || size > end - start)
                    break;
                if (header) {
                    const unsigned char *h = src.at(end - size, 8);
                    if (!h || std::memcmp(h, "APETAGEX", 8) != 0)
                        break;
                }
                starts.push_back(end -= size);
                continue;
            }
        }
        if (end - start >= 15) {
            // The size counts from "LYRICSBEGIN" up to the size field itself.
            const unsigned char *p = src.at(end - 15, 15);
            if (p && std::memcmp(p + 6, "LYRICS200", 9) == 0) {
                uint64_t size = 0;
                for (int i = 0; i < 6; ++i) {
                    if (p[i] < '0' || p[i] > '9')
                        return starts;
                    size = size * 10 + uint64_t(p[i] - '0');
                }
                if (size < 11 || size + 15 > end - start)
                    break;
                const unsigned char *b = src.at(end - 15 - size, 11);
                if (!b || std::memcmp(b, "LYRICSBEGIN", 11) != 0)
                    break;
                starts.push_back(end -= size + 15);
                continue;
            }
        }
        break;
    }
    return starts;
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

// A free-format header counts as a frame's when two more follow it a frame apart (the
// size the first two give, give or take the padding slot), or the stream ends there.
bool confirmedFreeFormat(ByteSource &src, uint64_t at, uint64_t end, const FrameHeader &h)
{
    for (size_t n = h.mainDataOffset(); n <= kLargestFreeFrame && at + n <= end; ++n) {
        if (at + n == end)
            return false; // one frame on its own says nothing
        const std::optional<FrameHeader> next = frameAt(src, at + n, end, &h);
        if (!next || next->bitRateIndex != 0)
            continue;
        const uint64_t third = at + n + (n - (h.padded ? 1 : 0)) + (next->padded ? 1 : 0);
        if (third == end)
            return true;
        const std::optional<FrameHeader> after = frameAt(src, third, end, &h);
        if (after && after->bitRateIndex == 0)
            return true;
    }
    return false;
}

// A header at `at` counts as a frame's when the frame after it starts with a header of
// the same layout, or the stream ends right after it.
bool confirmed(ByteSource &src, uint64_t at, uint64_t end, const FrameHeader &h)
{
    if (h.bitRateIndex == 0)
        return confirmedFreeFormat(src, at, end, h);
    const uint64_t next = at + h.frameBytes();
    if (next == end)
        return true;
    const std::optional<FrameHeader> n = frameAt(src, next, end, &h);
    return n && n->bitRateIndex != 0;
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
    const std::vector<uint64_t> tagStarts = tagsAtEnd(src, index.id3v2Bytes);
    index.audioEnd = tagStarts.empty() ? src.size() : std::max(index.id3v2Bytes, tagStarts.back());
    uint64_t end = index.audioEnd;

    // The first frame: the first header whose successor confirms it, close behind the
    // tags (a file of another kind is not searched through to its end).
    uint64_t at = index.id3v2Bytes;
    const uint64_t searchEnd = std::min(end, at + kFirstFrameSearch);
    std::optional<FrameHeader> first;
    int freeFormatTries = 0;
    while (at + 4 <= searchEnd) {
        const size_t span = size_t(std::min<uint64_t>(ByteSource::kBlock, searchEnd - at));
        const unsigned char *p = src.at(at, span);
        if (!p)
            break;
        const void *sync = std::memchr(p, 0xFF, span);
        if (!sync) {
            at += span;
            continue;
        }
        at += uint64_t(static_cast<const unsigned char *>(sync) - p);
        first = frameAt(src, at, end, nullptr);
        if (first && (first->bitRateIndex != 0 || ++freeFormatTries <= kFreeFormatTries) &&
            confirmed(src, at, end, *first))
            break;
        first.reset();
        ++at;
    }
    if (!first) {
        if (src.error())
            return {std::nullopt, Refusal::CannotRead, src.error()};
        return {std::nullopt, searchEnd < end ? Refusal::NoFrameNearStart : Refusal::NotMp3, 0};
    }
    index.layout = *first;
    if (first->bitRateIndex == 0) {
        index.freeFormat = true;
        return {std::move(index), Refusal::None, 0};
    }
    index.info = readInfoFrame(src, at, *first);
    if (index.info)
        at += index.info->bytes;

    // What looked like tags at the end may be the last frames' own bytes (an ID3v1 tag
    // only follows the last frame, and the decoder reads a frame whole): frames from `at`
    // that run exactly up to where a later tag begins, or to the file's end, are frames.
    // One walk, however many tags there are: it stops at the first frame end that is a
    // tag's start or the file's end.
    std::vector<uint64_t> boundaries(tagStarts.rbegin(), tagStarts.rend());
    auto framesReachOver = [&](uint64_t from) {
        if (boundaries.empty())
            return false;
        for (uint64_t next = from; next < src.size();) {
            const std::optional<FrameHeader> h = frameAt(src, next, src.size(), &index.layout);
            if (!h || h->bitRateIndex == 0)
                return false;
            next += h->frameBytes();
            if (next == src.size() || std::binary_search(boundaries.begin(), boundaries.end(), next)) {
                end = index.audioEnd = next;
                return true;
            }
        }
        return false;
    };

    uint64_t hash = 0xCBF29CE484222325ull;
    bool junk = false;
    for (;;) {
        if (at + 4 > end && !(at == end && !junk && framesReachOver(at)))
            break;
        // A free-format header inside a stream of sized frames is junk that looks like one.
        std::optional<FrameHeader> h = frameAt(src, at, end, &index.layout);
        if (!h || h->bitRateIndex == 0 || (junk && !confirmed(src, at, end, *h))) {
            junk = true;
            ++at;
            continue;
        }
        const size_t size = h->frameBytes();
        if (at + size > end && (junk || !framesReachOver(at))) {
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
    if (at < end && !index.truncatedTail && junk)
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

DeliveredSpan Mp3Index::delivered() const
{
    const int64_t spf = samplesPerFrame(), total = int64_t(frames.size()) * spf;
    DeliveredSpan span;
    span.end = total;
    // Without a frame count, or with one the frames do not reach, nothing is trimmed.
    if (!info || !info->frames || int64_t(*info->frames) > int64_t(frames.size()))
        return span;
    const int64_t counted = int64_t(*info->frames) * spf;
    const int64_t delay = lameTagged() ? info->delay : 0, padding = lameTagged() ? info->padding : 0;
    span.begin = delay + 529;
    const int64_t trimmedEnd = counted - padding + 529;
    if (counted == total) {
        span.end = std::min(trimmedEnd, total);
    } else if (trimmedEnd <= counted) {
        span.holeFrom = trimmedEnd;
        span.holeTo = counted;
    } else {
        span.known = false;
    }
    if (span.begin >= std::min(span.end, span.holeTo > span.holeFrom ? span.holeFrom : span.end))
        span.known = false;
    return span;
}

int64_t Mp3Index::samples() const
{
    const DeliveredSpan d = delivered();
    return d.known ? d.end - d.begin - (d.holeTo - d.holeFrom) : 0;
}

int64_t Mp3Index::decodedAt(int64_t sample) const
{
    const DeliveredSpan d = delivered();
    const int64_t at = d.begin + sample;
    return at >= d.holeFrom && d.holeTo > d.holeFrom ? at + (d.holeTo - d.holeFrom) : at;
}

std::optional<int64_t> Mp3Index::joinedAt() const
{
    const DeliveredSpan d = delivered();
    if (d.holeTo <= d.holeFrom)
        return std::nullopt;
    return d.holeFrom - d.begin;
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
