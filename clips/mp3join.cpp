#include "clips/mp3join.h"

#include "platform/io/systemreason.h"
#include "platform/mp3enc/stretch.h"
#include "platform/mp3frames/bytesource.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/mp3frames/rangecopy.h"
#include "platform/mp3frames/reservoir.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>
#include <QFile>

#include <map>
#include <memory>

namespace trevisto {

namespace {

using namespace mp3frames;

// The texts this file shows, under one translation context.
struct Mp3Join {
    Q_DECLARE_TR_FUNCTIONS(Mp3Join)
};

// Frames encoded again on each side of the frame that holds a joint.
constexpr int kJointHalf = 1;

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

struct Source {
    std::string path;
    Mp3Index index;
};

// Consecutive clips of one source that follow each other without a gap.
struct Piece {
    const Source *source = nullptr;
    int64_t first = 0, last = 0; // source samples
    std::vector<std::unique_ptr<wav::File>> clips; // their sound, end to end
    int64_t offset = 0; // output decoded index = source decoded index + offset
    int64_t keepFrom = 0, keepTo = 0; // the piece's samples that are kept
    size_t copyFrom = 0, copyTo = 0;  // source frames copied

    int64_t outputStart() const { return first + source->index.skip() + offset; }

    // The piece's samples [from, from + count) into `out` (interleaved), zeros outside what
    // is kept.
    bool read(int64_t from, int64_t count, int channels, int16_t *out) const
    {
        std::fill(out, out + count * channels, int16_t(0));
        int64_t base = 0;
        for (const auto &clip : clips) {
            const int64_t n = clip->info().frames;
            const int64_t lo = std::max({from, base, keepFrom}), hi = std::min({from + count, base + n, keepTo});
            if (lo < hi && clip->readFrames(lo - base, hi - lo, out + (lo - from) * channels) != hi - lo)
                return false;
            base += n;
        }
        return true;
    }
};

Mp3JoinOutcome notCopyable(const QString &why) { return {Mp3JoinOutcome::NotCopyable, why}; }

} // namespace

Mp3JoinOutcome JoinMp3ByCopy(const std::vector<Mp3JoinClip> &clips, const QString &nativeOutput,
                             const io::AtomicFile::Options &options)
{
    if (clips.empty())
        return notCopyable(Mp3Join::tr("a clip does not come from an MP3 file"));
    std::map<QString, Source> sources;
    std::vector<Piece> pieces;
    for (const Mp3JoinClip &clip : clips) {
        if (!clip.origin)
            return notCopyable(Mp3Join::tr("a clip does not come from an MP3 file"));
        auto found = sources.find(clip.origin->source.path);
        if (found == sources.end()) {
            const std::string path = QFile::encodeName(clip.origin->source.path).toStdString();
            IndexResult r = indexMp3(path);
            if (!r.index)
                return notCopyable(describe(r.refusal == Refusal::CannotRead ? Refusal::CannotRead : Refusal::SourceChanged));
            found = sources.emplace(clip.origin->source.path, Source{path, std::move(*r.index)}).first;
        }
        const Source &source = found->second;
        if (source.index.identity != clip.origin->source.identity)
            return notCopyable(describe(Refusal::SourceChanged));
        if (source.index.freeFormat)
            return notCopyable(describe(Refusal::FreeFormat));
        if (!source.index.layout.sameLayout(sources.begin()->second.index.layout))
            return notCopyable(describe(Refusal::LayoutsDiffer));
        auto wav = wav::File::open(QFile::encodeName(clip.wavPath).toStdString());
        const FrameHeader &layout = source.index.layout;
        if (!wav || wav->format().tag != wav::kTagPcm || wav->format().bitsPerSample != 16 ||
            int(wav->format().channels) != layout.channels() || int(wav->format().sampleRate) != layout.sampleRate() ||
            wav->info().frames != clip.origin->last - clip.origin->first)
            return notCopyable(Mp3Join::tr("a clip file does not hold the sound it was cut as"));
        if (!pieces.empty() && pieces.back().source == &source && pieces.back().last == clip.origin->first) {
            pieces.back().last = clip.origin->last;
        } else {
            Piece p;
            p.source = &source;
            p.first = clip.origin->first;
            p.last = clip.origin->last;
            pieces.push_back(std::move(p));
        }
        pieces.back().clips.push_back(std::move(wav));
    }

    const FrameHeader layout = pieces.front().source->index.layout;
    const int spf = layout.samplesPerFrame(), channels = layout.channels();
    const PlanResult start = planRange(pieces.front().source->index, pieces.front().first, pieces.front().last);
    if (!start.plan)
        return notCopyable(describe(start.refusal));
    const RangePlan &plan = *start.plan;
    for (Piece &p : pieces) {
        p.keepTo = p.last - p.first;
        p.copyTo = size_t((p.last + p.source->index.skip() - 1) / spf) + 1;
    }
    Piece &head = pieces.front();
    head.offset = (int64_t(plan.silentFrames) - int64_t(plan.firstFrame)) * spf;
    head.copyFrom = plan.firstFrame;

    // Each joint: the later piece goes to the frame grid at the nearest point not after
    // the earlier piece's end; the overlap is taken half from each side.
    struct Joint {
        int64_t firstFrame; // output frames [firstFrame, firstFrame + 2 * kJointHalf + 1)
    };
    std::vector<Joint> joints;
    for (size_t j = 1; j < pieces.size(); ++j) {
        Piece &before = pieces[j - 1], &after = pieces[j];
        const int64_t end = before.outputStart() + before.keepTo;
        after.offset = floorDiv(end - (after.first + after.source->index.skip()), spf) * spf;
        const int64_t overlap = end - after.outputStart();
        before.keepTo -= (overlap + 1) / 2;
        after.keepFrom = overlap / 2;
        const int64_t seam = before.outputStart() + before.keepTo;
        const int64_t jointFirst = floorDiv(seam, spf) - kJointHalf, jointEnd = jointFirst + 2 * kJointHalf + 1;
        const int64_t beforeTo = jointFirst - before.offset / spf, afterFrom = jointEnd - after.offset / spf;
        if (beforeTo <= int64_t(before.copyFrom) || afterFrom < 0 || afterFrom >= int64_t(after.copyTo) ||
            after.keepFrom >= after.keepTo)
            return notCopyable(Mp3Join::tr("a clip is too short to be joined without encoding it again"));
        before.copyTo = size_t(beforeTo);
        after.copyFrom = size_t(afterFrom);
        joints.push_back({jointFirst});
    }
    for (const Piece &p : pieces)
        if (p.copyTo > p.source->index.frames.size() || anyDamagedFrame(p.source->index, p.copyFrom, p.copyTo))
            return notCopyable(describe(Refusal::DamagedFrame));

    // The joints' frames, encoded from the clips' sound around each and repacked.
    const int kbps = layout.version == MpegVersion::Mpeg1 ? 256 : 128;
    std::vector<std::vector<Frame>> encoded;
    for (size_t j = 0; j < joints.size(); ++j) {
        const Piece &before = pieces[j], &after = pieces[j + 1];
        // Input sample 0 lands at the start of the encoder's third frame, the first kept.
        const int64_t from = joints[j].firstFrame * spf - 2 * spf + mp3enc::kStretchDelay;
        const int64_t count = int64_t(2 * kJointHalf + 1 + 4) * spf;
        std::vector<int16_t> pcm(size_t(count * channels)), part(size_t(count * channels));
        const int64_t seam = before.outputStart() + before.keepTo;
        for (const Piece *p : {&before, &after}) {
            if (!p->read(from - p->outputStart(), count, channels, part.data()))
                return notCopyable(describe(Refusal::CannotRead));
            for (int64_t i = 0; i < count; ++i)
                if ((from + i < seam) == (p == &before))
                    for (int c = 0; c < channels; ++c)
                        pcm[size_t(i * channels + c)] = part[size_t(i * channels + c)];
        }
        std::vector<Frame> frames = mp3enc::encodeStretch(pcm.data(), size_t(count), layout.sampleRate(), channels, kbps);
        if (frames.size() < size_t(2 + 2 * kJointHalf + 1))
            return notCopyable(Mp3Join::tr("the MP3 encoder refused the sound at a joint"));
        frames = std::vector<Frame>(frames.begin() + 2, frames.begin() + 2 + 2 * kJointHalf + 1);
        const size_t reach = after.source->index.frames[after.copyFrom].mainDataBegin;
        std::vector<unsigned char> carry;
        if (after.copyFrom > 0 && reach > 0 &&
            !readReservoirBefore(after.source->path, after.source->index, after.copyFrom, reach, carry))
            return notCopyable(describe(Refusal::CannotRead));
        if (!repackReservoir(frames, carry.data(), carry.size()))
            return notCopyable(Mp3Join::tr("the frames at a joint cannot carry the bit reservoir"));
        encoded.push_back(std::move(frames));
    }

    FrameWriter out(QFile::encodeName(nativeOutput).toStdString(), options);
    auto failed = [&out, &nativeOutput](int error) {
        out.discard();
        return Mp3JoinOutcome{Mp3JoinOutcome::Failed,
                              Mp3Join::tr("Cannot write \"%1\": %2").arg(nativeOutput, io::systemReason(error))};
    };
    if (!out.isOpen())
        return failed(out.error());
    const Mp3Index &first = head.source->index;
    TagFrameFacts facts;
    facts.header = first.info ? FrameEntry{0, first.info->header}.parsedHeader() : plan.silentHeader;
    if (first.lameTagged())
        facts.lameFrom = first.info->lame;
    if (!out.begin(facts))
        return failed(out.error());
    std::vector<unsigned char> reservoir;
    if (plan.reservoirBytes > 0 &&
        !readReservoirBefore(head.source->path, first, plan.firstFrame, size_t(plan.reservoirBytes), reservoir))
        return notCopyable(describe(Refusal::CannotRead));
    for (int i = 0; i < plan.silentFrames; ++i) {
        const bool last = i + 1 == plan.silentFrames;
        const Frame frame = silentFrame(plan.silentHeader, last ? reservoir.data() : nullptr, last ? reservoir.size() : 0);
        if (frame.empty() || !out.appendFrames(frame.data(), frame.size()))
            return failed(out.error());
    }
    for (size_t j = 0; j < pieces.size(); ++j) {
        const Piece &p = pieces[j];
        ByteSource src(p.source->path);
        if (!src.ok() || !src.unchangedSinceOpen() || src.size() != p.source->index.identity.size)
            return notCopyable(describe(Refusal::SourceChanged));
        if (!appendSourceFrames(src, p.source->index, p.copyFrom, p.copyTo, out)) {
            if (src.error())
                return notCopyable(describe(Refusal::CannotRead));
            return failed(out.error());
        }
        if (j < encoded.size())
            for (const Frame &f : encoded[j])
                if (!out.appendFrames(f.data(), f.size()))
                    return failed(out.error());
    }
    const Piece &tail = pieces.back();
    const int64_t end = tail.outputStart() + tail.keepTo;
    facts.delay = plan.delay;
    facts.padding = int(int64_t(out.frames()) * spf - end + 529);
    if (!out.finish(facts))
        return failed(out.error());
    return {Mp3JoinOutcome::Copied, {}, int(joints.size())};
}

} // namespace trevisto
