#include "platform/mp3frames/rangecopy.h"

#include "platform/mp3frames/bytesource.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/mp3frames/tagframe.h"

#include <algorithm>
#include <cstring>

namespace trevisto::mp3frames {

namespace {

// Decoders add this many samples of delay of their own.
constexpr int64_t kDecoderDelay = 529;

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

bool anyDamaged(const Mp3Index &index, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (index.frames[i].damaged)
            return true;
    return false;
}

// The `bytes` of main data right before frame `frame`'s own area, gathered back through
// the areas of the frames before it.
bool reservoirBefore(ByteSource &src, const Mp3Index &index, size_t frame, size_t bytes, unsigned char *out)
{
    size_t need = bytes;
    for (size_t k = frame; need > 0 && k-- > 0;) {
        const FrameEntry &e = index.frames[k];
        const size_t areaStart = e.parsedHeader().mainDataOffset();
        const size_t area = e.bytes > areaStart ? e.bytes - areaStart : 0;
        const size_t take = std::min(area, need);
        if (!src.read(e.offset + e.bytes - take, take, out + need - take))
            return false;
        need -= take;
    }
    return need == 0;
}

} // namespace

bool readReservoirBefore(const std::string &sourcePath, const Mp3Index &index, size_t frame, size_t bytes,
                         std::vector<unsigned char> &out)
{
    ByteSource src(sourcePath);
    out.assign(bytes, 0);
    return src.ok() && frame <= index.frames.size() && reservoirBefore(src, index, frame, bytes, out.data());
}

bool anyDamagedFrame(const Mp3Index &index, size_t from, size_t to) { return anyDamaged(index, from, to); }

bool appendSourceFrames(ByteSource &src, const Mp3Index &index, size_t from, size_t to, FrameWriter &out)
{
    // The copied frames lie end to end in the source (no damage between them), and go
    // over in blocks of whole frames.
    for (size_t k = from; k < to;) {
        const uint64_t at = index.frames[k].offset;
        size_t bytes = 0;
        while (k < to && bytes + index.frames[k].bytes <= ByteSource::kBlock)
            bytes += index.frames[k++].bytes;
        const unsigned char *block = src.at(at, bytes);
        if (!block || !out.appendFrames(block, bytes))
            return false;
    }
    return true;
}

size_t firstNeededFrame(int64_t decoded, int samplesPerFrame)
{
    const int64_t granule = floorDiv(floorDiv(decoded, 32) - 15, 18) - 1;
    if (granule < 0)
        return 0;
    return size_t(576 * granule / samplesPerFrame);
}

std::optional<FrameHeader> silentFrameHeader(const FrameHeader &like, size_t reservoirBytes)
{
    FrameHeader h = like;
    h.protectedByCrc = false;
    h.padded = false;
    auto holds = [&h, reservoirBytes] { return h.frameBytes() >= h.mainDataOffset() + reservoirBytes; };
    if (h.bitRateIndex != 0 && holds())
        return h;
    for (h.bitRateIndex = 1; h.bitRateIndex <= 14; ++h.bitRateIndex)
        if (holds())
            return h;
    return std::nullopt;
}

std::vector<unsigned char> silentFrame(const FrameHeader &like, const unsigned char *reservoir, size_t bytes)
{
    const std::optional<FrameHeader> h = silentFrameHeader(like, bytes);
    if (!h || bytes > size_t(like.maxMainDataBegin()))
        return {};
    // Side information all zero: no granule has any bits, so it decodes to silence.
    std::vector<unsigned char> frame(h->frameBytes(), 0);
    const auto head = h->bytes();
    std::memcpy(frame.data(), head.data(), 4);
    if (bytes)
        std::memcpy(frame.data() + frame.size() - bytes, reservoir, bytes);
    return frame;
}

PlanResult planRange(const Mp3Index &index, int64_t first, int64_t last)
{
    if (index.freeFormat)
        return {std::nullopt, Refusal::FreeFormat};
    if (index.frames.empty())
        return {std::nullopt, Refusal::NotMp3};
    const int spf = index.samplesPerFrame();
    if (first < 0 || last > index.samples() || first >= last)
        return {std::nullopt, Refusal::RangeOutside};
    if (last - first < spf)
        return {std::nullopt, Refusal::RangeTooShort};

    RangePlan plan;
    plan.first = first;
    plan.last = last;
    const int64_t decodedFirst = first + index.skip(), decodedLast = last + index.skip();
    plan.firstFrame = firstNeededFrame(decodedFirst, spf);
    plan.endFrame = size_t((decodedLast - 1) / spf) + 1;
    if (plan.endFrame > index.frames.size())
        return {std::nullopt, Refusal::RangeOutside};
    if (anyDamaged(index, plan.firstFrame, plan.endFrame))
        return {std::nullopt, Refusal::DamagedFrame};

    const FrameEntry &start = index.frames[plan.firstFrame];
    // Frame 0's reservoir was never there for the source's decoder either.
    plan.reservoirBytes = plan.firstFrame > 0 ? start.mainDataBegin : 0;
    int64_t delay = decodedFirst - kDecoderDelay - int64_t(plan.firstFrame) * spf;
    // A source without delay cut near its start: silent frames make room for the
    // decoder's own delay.
    const int64_t room = delay < 0 ? (-delay + spf - 1) / spf : 0;
    plan.silentFrames = int(room) + (plan.reservoirBytes > 0 ? 1 : 0);
    delay += int64_t(plan.silentFrames) * spf;
    const std::optional<FrameHeader> silent = silentFrameHeader(start.parsedHeader(), size_t(plan.reservoirBytes));
    if (!silent)
        return {std::nullopt, Refusal::DamagedFrame};
    plan.silentHeader = *silent;
    plan.delay = int(delay);
    plan.padding = int(int64_t(plan.outputFrames()) * spf - delay - (last - first));
    if (plan.delay > 4095 || plan.padding > 4095)
        return {std::nullopt, Refusal::RangeOutside};
    return {plan, Refusal::None};
}

CopyResult writeRange(const std::string &sourcePath, const Mp3Index &index, const RangePlan &plan,
                      const std::string &destination, const CopyOptions &options)
{
    ByteSource src(sourcePath);
    if (!src.ok())
        return {Refusal::CannotRead, src.error()};
    if (src.size() != index.identity.size || src.modifiedNs() != index.identity.modifiedNs ||
        plan.endFrame > index.frames.size())
        return {Refusal::SourceChanged};

    FrameWriter out(destination, options.file);
    if (!out.isOpen())
        return {Refusal::CannotWrite, out.error()};
    auto cannotWrite = [&out] {
        out.discard();
        return CopyResult{out.malformed() ? Refusal::DamagedFrame : Refusal::CannotWrite, out.error()};
    };
    auto cannotRead = [&out, &src] {
        out.discard();
        return CopyResult{Refusal::CannotRead, src.error()};
    };

    if (options.copyId3v2 && index.id3v2Bytes > 0) {
        std::vector<unsigned char> tag(size_t(index.id3v2Bytes));
        if (!src.read(0, tag.size(), tag.data()))
            return cannotRead();
        if (!out.writePrefix(tag.data(), tag.size()))
            return cannotWrite();
    }
    TagFrameFacts facts;
    facts.header = index.info ? FrameEntry{0, index.info->header}.parsedHeader() : plan.silentHeader;
    if (index.lameTagged())
        facts.lameFrom = index.info->lame;
    facts.delay = plan.delay;
    facts.padding = plan.padding;
    if (!out.begin(facts))
        return cannotWrite();

    std::vector<unsigned char> reservoir(size_t(plan.reservoirBytes));
    if (!reservoir.empty() && !reservoirBefore(src, index, plan.firstFrame, reservoir.size(), reservoir.data()))
        return cannotRead();
    for (int i = 0; i < plan.silentFrames; ++i) {
        const bool last = i + 1 == plan.silentFrames;
        const std::vector<unsigned char> frame =
            silentFrame(plan.silentHeader, last ? reservoir.data() : nullptr, last ? reservoir.size() : 0);
        if (frame.empty() || !out.appendFrames(frame.data(), frame.size()))
            return cannotWrite();
    }

    if (!appendSourceFrames(src, index, plan.firstFrame, plan.endFrame, out))
        return src.error() ? cannotRead() : cannotWrite();
    if (!src.unchangedSinceOpen()) {
        out.discard();
        return {Refusal::SourceChanged};
    }
    if (!out.finish(facts))
        return cannotWrite();
    return {Refusal::None, 0, out.bytesWritten()};
}

} // namespace trevisto::mp3frames
