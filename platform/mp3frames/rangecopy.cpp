#include "platform/mp3frames/rangecopy.h"

#include "platform/mp3frames/bytesource.h"
#include "platform/mp3frames/globalgain.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/mp3frames/tagframe.h"

#include <algorithm>
#include <cstring>

namespace trevisto::mp3frames {

namespace {

// Decoders add this many samples of delay of their own.
constexpr int64_t kDecoderDelay = 529;

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The main-data area of frame `k`.
size_t areaOf(const Mp3Index &index, size_t k)
{
    const FrameEntry &e = index.frames[k];
    const size_t offset = e.parsedHeader().mainDataOffset();
    return e.bytes > offset ? e.bytes - offset : 0;
}

// The first decoded sample the frames from the first one on decode as a gapless decoder
// does: the synthesis looks 15 slots back and the overlap one granule more, so before it
// the sound depends on frames before the first.
constexpr int64_t kFirstWholeSample = 32 * (15 + 18);

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

bool appendSourceFrames(ByteSource &src, const Mp3Index &index, size_t from, size_t to, FrameWriter &out,
                        int gainSteps)
{
    // The copied frames lie end to end in the source (no damage between them), and go
    // over in blocks of whole frames; a block whose level changes is changed in a copy,
    // the source's bytes are only read.
    std::vector<unsigned char> changed;
    for (size_t k = from; k < to;) {
        const size_t blockFrom = k;
        const uint64_t at = index.frames[k].offset;
        size_t bytes = 0;
        while (k < to && bytes + index.frames[k].bytes <= ByteSource::kBlock)
            bytes += index.frames[k++].bytes;
        const unsigned char *block = src.at(at, bytes);
        if (!block)
            return false;
        if (gainSteps != 0) {
            changed.assign(block, block + bytes);
            for (size_t f = blockFrom; f < k; ++f)
                addGlobalGain(changed.data() + (index.frames[f].offset - at), index.frames[f].bytes, gainSteps);
            block = changed.data();
        }
        if (!out.appendFrames(block, bytes))
            return false;
    }
    return true;
}

std::optional<size_t> reservoirReach(const Mp3Index &index, size_t frame)
{
    size_t reach = 0, areas = 0;
    for (size_t k = frame; k < index.frames.size() && areas < 512; ++k) {
        const size_t begin = index.frames[k].mainDataBegin;
        if (begin > areas)
            reach = std::max(reach, begin - areas);
        areas += areaOf(index, k);
    }
    size_t before = 0;
    for (size_t k = frame; k-- > 0 && before < reach;)
        before += areaOf(index, k);
    if (before < reach)
        return std::nullopt;
    return reach;
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
    if (!index.delivered().known)
        return {std::nullopt, Refusal::InfoFrameContradicts};
    const int spf = index.samplesPerFrame();
    if (first < 0 || last > index.samples() || first >= last)
        return {std::nullopt, Refusal::RangeOutside};
    if (last - first < spf)
        return {std::nullopt, Refusal::RangeTooShort};
    if (const std::optional<int64_t> joined = index.joinedAt(); joined && first < *joined && *joined < last)
        return {std::nullopt, Refusal::AcrossJoinedStreams};

    RangePlan plan;
    plan.first = first;
    plan.last = last;
    const int64_t decodedFirst = index.decodedAt(first), decodedLast = index.decodedAt(last - 1) + 1;
    plan.firstFrame = firstNeededFrame(decodedFirst, spf);
    plan.endFrame = size_t((decodedLast - 1) / spf) + 1;
    if (plan.endFrame > index.frames.size())
        return {std::nullopt, Refusal::RangeOutside};

    int64_t delay = 0;
    std::optional<size_t> reach = reservoirReach(index, plan.firstFrame);
    if (reach) {
        delay = decodedFirst - kDecoderDelay - int64_t(plan.firstFrame) * spf;
        // A source without delay cut near its start: silent frames make room for the
        // decoder's own delay.
        const int64_t room = delay < 0 ? (-delay + spf - 1) / spf : 0;
        plan.silentFrames = int(room) + (*reach > 0 ? 1 : 0);
        delay += int64_t(plan.silentFrames) * spf;
    } else {
        // The source's decoder found nothing to read for those bytes, and what the frames
        // reach for in a copy would be the silent frame's zeros, decoded as data: a burst
        // of noise. The copied frames start where no frame reaches before the file; frames
        // encoded from the range's sound go before them, starting early enough that the
        // range's first sample is decoded from them alone, as it was encoded.
        size_t from = plan.firstFrame + 1;
        while (from < plan.endFrame && !(reach = reservoirReach(index, from)))
            ++from;
        if (!reach)
            return {std::nullopt, Refusal::ReservoirBeforeFile};
        plan.firstFrame = from;
        int64_t encoded = int64_t(from) + (kFirstWholeSample - decodedFirst + spf - 1) / spf;
        if (kFirstWholeSample <= decodedFirst)
            encoded = int64_t(from) - (decodedFirst - kFirstWholeSample) / spf;
        encoded = std::max<int64_t>(encoded, 1);
        plan.encodedFrames = int(encoded);
        delay = decodedFirst + (encoded - int64_t(from)) * spf - kDecoderDelay;
    }
    if (anyDamaged(index, plan.firstFrame, plan.endFrame))
        return {std::nullopt, Refusal::DamagedFrame};

    const FrameEntry &start = index.frames[plan.firstFrame];
    plan.reservoirBytes = int(*reach);
    const std::optional<FrameHeader> silent =
        silentFrameHeader(start.parsedHeader(), plan.encodedFrames > 0 ? 0 : size_t(plan.reservoirBytes));
    if (!silent)
        return {std::nullopt, Refusal::DamagedFrame};
    plan.silentHeader = *silent;
    plan.delay = int(delay);
    plan.padding = int(int64_t(plan.outputFrames()) * spf - delay - (last - first));
    if (plan.delay < 0 || plan.delay > 4095 || plan.padding > 4095)
        return {std::nullopt, Refusal::RangeOutside};
    return {plan, Refusal::None};
}

CopyResult writeRange(const std::string &sourcePath, const Mp3Index &index, const RangePlan &plan,
                      const std::string &destination, const CopyOptions &options)
{
    if (plan.encodedFrames > 0)
        return {Refusal::ReservoirBeforeFile};
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

    if (options.tag) {
        if (!options.tag->empty() && !out.writePrefix(options.tag->data(), options.tag->size()))
            return cannotWrite();
    } else if (options.copyId3v2 && index.id3v2Bytes > 0) {
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
    if (!reservoir.empty() && !reservoirBefore(src, index, plan.firstFrame, reservoir.size(), reservoir.data())) {
        if (src.error())
            return cannotRead();
        out.discard();
        return {Refusal::ReservoirBeforeFile};
    }
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
