#include "platform/mp3frames/reservoir.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace trevisto::mp3frames {

namespace {

// `bits` bits of `data` from bit `at`, most significant first.
unsigned readBits(const unsigned char *data, size_t at, int bits)
{
    unsigned v = 0;
    for (int i = 0; i < bits; ++i, ++at)
        v = v << 1 | ((data[at / 8] >> (7 - at % 8)) & 1);
    return v;
}

void setMainDataBegin(const FrameHeader &h, unsigned char *side, int mdb)
{
    if (h.version == MpegVersion::Mpeg1) {
        side[0] = uint8_t(mdb >> 1);
        side[1] = uint8_t((side[1] & 0x7F) | (mdb & 1) << 7);
    } else {
        side[0] = uint8_t(mdb);
    }
}

struct Parsed {
    FrameHeader header;
    std::vector<unsigned char> side, data;
};

size_t areaBytes(const FrameHeader &h) { return h.frameBytes() - h.mainDataOffset(); }

// The stream positions of each frame's main data, packed back from the start; nothing when
// they and the carried bytes do not fit.
std::optional<std::vector<size_t>> layOut(const std::vector<Parsed> &frames, size_t carryBytes)
{
    std::vector<size_t> at(frames.size());
    size_t areaStart = 0, end = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        const size_t reach = size_t(frames[i].header.maxMainDataBegin());
        size_t p = i == 0 ? 0 : std::max(end, areaStart > reach ? areaStart - reach : 0);
        if (p > areaStart)
            return std::nullopt;
        at[i] = p;
        end = p + frames[i].data.size();
        areaStart += areaBytes(frames[i].header);
        if (end > areaStart)
            return std::nullopt; // cannot spill into the next frame's area
    }
    if (end + carryBytes > areaStart)
        return std::nullopt;
    return at;
}

} // namespace

size_t usedMainDataBytes(const FrameHeader &h, const unsigned char *frame)
{
    const unsigned char *side = frame + 4 + (h.protectedByCrc ? 2 : 0);
    const int channels = h.channels();
    size_t bits = 0;
    if (h.version == MpegVersion::Mpeg1) {
        size_t at = 9 + (channels == 1 ? 5 : 3) + 4 * size_t(channels);
        for (int g = 0; g < 2; ++g)
            for (int c = 0; c < channels; ++c, at += 59)
                bits += readBits(side, at, 12);
    } else {
        size_t at = 8 + (channels == 1 ? 1 : 2);
        for (int c = 0; c < channels; ++c, at += 63)
            bits += readBits(side, at, 12);
    }
    return (bits + 7) / 8;
}

std::optional<int> blockType(const FrameHeader &h, const unsigned char *frame, size_t bytes, int granule, int channel)
{
    const int channels = h.channels();
    if (granule < 0 || granule >= h.granules() || channel < 0 || channel >= channels || bytes < h.mainDataOffset())
        return std::nullopt;
    const unsigned char *side = frame + 4 + (h.protectedByCrc ? 2 : 0);
    // From the granule's part2_3_length to its window_switching_flag.
    size_t at;
    int toSwitch;
    if (h.version == MpegVersion::Mpeg1) {
        at = 9 + (channels == 1 ? 5 : 3) + 4 * size_t(channels) + size_t(granule * channels + channel) * 59;
        toSwitch = 12 + 9 + 8 + 4;
    } else {
        at = 8 + (channels == 1 ? 1 : 2) + size_t(channel) * 63;
        toSwitch = 12 + 9 + 8 + 9;
    }
    return readBits(side, at + size_t(toSwitch), 1) ? int(readBits(side, at + size_t(toSwitch) + 1, 2)) : 0;
}

bool repackReservoir(std::vector<Frame> &frames, const unsigned char *carry, size_t carryBytes)
{
    if (frames.empty())
        return carryBytes == 0;
    std::vector<Parsed> parsed;
    for (const Frame &f : frames) {
        const auto h = f.size() >= 4 ? FrameHeader::parse(f.data()) : std::nullopt;
        if (!h || h->frameBytes() != f.size() || h->bitRateIndex == 0)
            return false;
        const size_t offset = h->mainDataOffset();
        const unsigned char *side = f.data() + 4 + (h->protectedByCrc ? 2 : 0);
        const size_t used = usedMainDataBytes(*h, f.data());
        if (mainDataBegin(*h, side) != 0 || offset + used > f.size())
            return false;
        Parsed p;
        p.header = *h;
        p.header.protectedByCrc = false;
        p.side.assign(side, side + h->sideInfoBytes());
        p.data.assign(f.data() + offset, f.data() + offset + used);
        parsed.push_back(std::move(p));
    }
    if (carryBytes > size_t(parsed.back().header.maxMainDataBegin()))
        return false;
    std::optional<std::vector<size_t>> at = layOut(parsed, carryBytes);
    if (!at) {
        for (Parsed &p : parsed) {
            p.header.bitRateIndex = 14;
            p.header.padded = false;
        }
        at = layOut(parsed, carryBytes);
        if (!at)
            return false;
    }
    size_t total = 0;
    for (const Parsed &p : parsed)
        total += areaBytes(p.header);
    std::vector<unsigned char> stream(total, 0);
    // No copy from an empty source: it may have no address, which memcpy must not be given.
    for (size_t i = 0; i < parsed.size(); ++i)
        if (!parsed[i].data.empty())
            std::memcpy(stream.data() + (*at)[i], parsed[i].data.data(), parsed[i].data.size());
    if (carryBytes)
        std::memcpy(stream.data() + total - carryBytes, carry, carryBytes);

    size_t areaStart = 0;
    for (size_t i = 0; i < parsed.size(); ++i) {
        Parsed &p = parsed[i];
        Frame f(p.header.frameBytes(), 0);
        const auto head = p.header.bytes();
        std::memcpy(f.data(), head.data(), 4);
        setMainDataBegin(p.header, p.side.data(), int(areaStart - (*at)[i]));
        std::memcpy(f.data() + 4, p.side.data(), p.side.size());
        const size_t area = areaBytes(p.header);
        std::memcpy(f.data() + p.header.mainDataOffset(), stream.data() + areaStart, area);
        areaStart += area;
        frames[i] = std::move(f);
    }
    return true;
}

namespace {

// One frame of a spliced run: its main data and where it lay in the run's stream, whose
// position 0 is the start of the first frame's area.
struct Spliced {
    FrameHeader header;
    std::vector<unsigned char> side;
    long long at = 0; // negative: before the run, where it stays
    size_t used = 0;
};

// Where each frame's main data goes, or nothing when the frames and the carried bytes do
// not fit their areas at the headers they have now.
std::optional<std::vector<long long>> layOutSplice(const std::vector<Spliced> &frames, size_t carryBytes)
{
    std::vector<long long> at(frames.size());
    long long areaStart = 0, end = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        const Spliced &f = frames[i];
        const long long reach = f.header.maxMainDataBegin();
        long long p = f.at < 0 ? f.at : std::max({end, 0LL, areaStart - reach});
        if (p > areaStart || areaStart - p > reach)
            return std::nullopt;
        at[i] = p;
        end = std::max(end, p + (long long)f.used);
        areaStart += (long long)areaBytes(f.header);
        if (end > areaStart)
            return std::nullopt;
    }
    if (end + (long long)carryBytes > areaStart)
        return std::nullopt;
    return at;
}

} // namespace

bool spliceReservoir(std::vector<Frame> &frames, const unsigned char *carry, size_t carryBytes)
{
    if (frames.empty())
        return carryBytes == 0;
    std::vector<Spliced> parsed;
    std::vector<unsigned char> stream; // the frames' areas as they are
    for (const Frame &f : frames) {
        const auto h = f.size() >= 4 ? FrameHeader::parse(f.data()) : std::nullopt;
        if (!h || h->protectedByCrc || h->frameBytes() != f.size() || h->bitRateIndex == 0)
            return false;
        const unsigned char *side = f.data() + 4;
        Spliced s;
        s.header = *h;
        s.side.assign(side, side + h->sideInfoBytes());
        s.at = (long long)stream.size() - mainDataBegin(*h, side);
        s.used = usedMainDataBytes(*h, f.data());
        stream.insert(stream.end(), f.data() + h->mainDataOffset(), f.data() + f.size());
        if (s.at + (long long)s.used > (long long)stream.size())
            return false;
        parsed.push_back(std::move(s));
    }
    if (carryBytes > size_t(parsed.back().header.maxMainDataBegin()))
        return false;
    std::optional<std::vector<long long>> at = layOutSplice(parsed, carryBytes);
    for (size_t i = parsed.size(); !at && i-- > 0;) {
        FrameHeader &h = parsed[i].header;
        while (!at && h.bitRateIndex < 14) {
            ++h.bitRateIndex;
            h.padded = false;
            at = layOutSplice(parsed, carryBytes);
        }
    }
    if (!at)
        return false;

    size_t total = 0;
    for (const Spliced &s : parsed)
        total += areaBytes(s.header);
    std::vector<unsigned char> out(total, 0);
    for (size_t i = 0; i < parsed.size(); ++i) {
        const Spliced &s = parsed[i];
        // Data that starts before the run keeps its place; only its part inside is copied.
        const long long from = std::max(0LL, s.at), to = s.at + (long long)s.used;
        const long long shift = (*at)[i] - s.at;
        if (to > from)
            std::memcpy(out.data() + (from + shift), stream.data() + from, size_t(to - from));
    }
    if (carryBytes)
        std::memcpy(out.data() + total - carryBytes, carry, carryBytes);

    size_t areaStart = 0;
    for (size_t i = 0; i < parsed.size(); ++i) {
        Spliced &s = parsed[i];
        Frame f(s.header.frameBytes(), 0);
        const auto head = s.header.bytes();
        std::memcpy(f.data(), head.data(), 4);
        setMainDataBegin(s.header, s.side.data(), int((long long)areaStart - (*at)[i]));
        std::memcpy(f.data() + 4, s.side.data(), s.side.size());
        const size_t area = areaBytes(s.header);
        std::memcpy(f.data() + s.header.mainDataOffset(), out.data() + areaStart, area);
        areaStart += area;
        frames[i] = std::move(f);
    }
    return true;
}

} // namespace trevisto::mp3frames
