#include "platform/mp3enc/joinplan.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace trevisto::mp3enc {

using namespace mp3frames;

namespace {

PlannedJoin refused(const QString &why) { return {std::nullopt, why}; }

QString tooShort() { return Mp3Join::tr("a clip is too short to be joined without encoding it again"); }

QString layoutText(const FrameHeader &h)
{
    const QString version = h.version == MpegVersion::Mpeg1 ? QStringLiteral("1")
                            : h.version == MpegVersion::Mpeg2 ? QStringLiteral("2")
                                                               : QStringLiteral("2.5");
    return QStringLiteral("MPEG-%1, %2 Hz, %3")
        .arg(version)
        .arg(h.sampleRate())
        .arg(h.mono() ? Mp3Join::tr("mono") : Mp3Join::tr("stereo"));
}

// The clip's source, indexed once for all its clips; why not, when it cannot be used.
const JoinSource *sourceOf(JoinPlan &plan, const ClipOrigin &origin, QString &why)
{
    auto found = plan.sources.find(origin.path);
    if (found == plan.sources.end()) {
        const std::string path = QFile::encodeName(origin.path).toStdString();
        IndexResult r = indexMp3(path);
        if (!r.index) {
            why = describe(r.refusal == Refusal::CannotRead ? Refusal::CannotRead : Refusal::SourceChanged);
            return nullptr;
        }
        found = plan.sources.emplace(origin.path, JoinSource{path, std::move(*r.index)}).first;
    }
    const JoinSource &source = found->second;
    if (source.index.identity != origin.identity)
        why = describe(Refusal::SourceChanged);
    else if (source.index.freeFormat)
        why = describe(Refusal::FreeFormat);
    return why.isEmpty() ? &source : nullptr;
}

// Every clip checked and gathered into pieces; why not, when one cannot be copied.
QString gatherPieces(const std::vector<CopyJoinClip> &clips, const CopyJoinShape &shape, JoinPlan &plan)
{
    const JoinSource *firstSource = nullptr; // the first clip's
    for (size_t i = 0; i < clips.size(); ++i) {
        const CopyJoinClip &clip = clips[i];
        const int64_t crossfade = i > 0 && i - 1 < shape.crossfade.size() ? std::max<int64_t>(shape.crossfade[i - 1], 0) : 0;
        if (!clip.origin)
            return Mp3Join::tr("a clip does not come from an MP3 file");
        QString why;
        const JoinSource *source = sourceOf(plan, *clip.origin, why);
        if (!source)
            return why;
        if (!firstSource)
            firstSource = source;
        // Every clip is read, encoded and copied in the first clip's layout: one of another
        // would be read with the wrong channel count and mix rates in one file.
        if (!source->index.layout.sameLayout(firstSource->index.layout))
            return Mp3Join::tr("\"%1\" (%2) and \"%3\" (%4) differ in MPEG version, sample rate or channels")
                .arg(clips.front().origin->path, layoutText(firstSource->index.layout), clip.origin->path,
                     layoutText(source->index.layout));
        auto wav = wav::File::open(QFile::encodeName(clip.wavPath).toStdString());
        const FrameHeader &layout = source->index.layout;
        if (!wav || wav->format().tag != wav::kTagPcm || wav->format().bitsPerSample != 16 ||
            int(wav->format().channels) != layout.channels() || int(wav->format().sampleRate) != layout.sampleRate() ||
            wav->info().frames != clip.origin->last - clip.origin->first)
            return Mp3Join::tr("a clip file does not hold the sound it was cut as");
        // Where two streams were put end to end, clips on either side of the meeting point
        // are not one run of frames: a joint is encoded there; so it is where the clips
        // crossfade.
        std::vector<Piece> &pieces = plan.pieces;
        if (!pieces.empty() && pieces.back().source == source && pieces.back().last == clip.origin->first &&
            pieces.back().gainSteps == clip.gainSteps && source->index.joinedAt() != clip.origin->first &&
            crossfade == 0) {
            pieces.back().last = clip.origin->last;
        } else {
            Piece p;
            p.source = source;
            p.first = clip.origin->first;
            p.last = clip.origin->last;
            p.gainSteps = clip.gainSteps;
            p.crossfadeIn = crossfade;
            pieces.push_back(std::move(p));
        }
        pieces.back().clips.push_back(std::move(wav));
    }
    return {};
}

// Each piece's kept samples and copied frames; why not, when they cannot be placed.
QString placePieces(JoinPlan &plan)
{
    const int spf = plan.layout.samplesPerFrame();
    for (Piece &p : plan.pieces) {
        const Mp3Index &index = p.source->index;
        if (!index.delivered().known)
            return describe(Refusal::InfoFrameContradicts);
        if (const std::optional<int64_t> joined = index.joinedAt(); joined && p.first < *joined && *joined < p.last)
            return describe(Refusal::AcrossJoinedStreams);
        p.keepTo = p.last - p.first;
        p.copyTo = size_t(index.decodedAt(p.last - 1) / spf) + 1;
    }
    Piece &head = plan.pieces.front();
    head.offset = (int64_t(plan.start.silentFrames) + plan.start.encodedFrames - int64_t(plan.start.firstFrame)) * spf;
    head.copyFrom = plan.start.firstFrame;

    // Each joint: the later piece goes to the frame grid at the nearest point not after
    // the earlier piece's end less the crossfade. Where the two overlap, the joint's encoded
    // frames crossfade them; the seam, the middle of the overlap, centres those frames on it.
    for (size_t j = 1; j < plan.pieces.size(); ++j) {
        Piece &before = plan.pieces[j - 1], &after = plan.pieces[j];
        const int64_t end = before.outputStart() + before.keepTo;
        after.offset = floorDiv(end - after.crossfadeIn - after.source->index.decodedAt(after.first), spf) * spf;
        const int64_t overlap = end - after.outputStart();
        after.overlapIn = overlap;
        before.keepTo -= (overlap + 1) / 2;
        after.keepFrom = overlap / 2;
        if (after.keepFrom >= after.keepTo)
            return tooShort();
    }
    for (const Piece &p : plan.pieces)
        if (p.copyTo > p.source->index.frames.size())
            return describe(Refusal::DamagedFrame);
    return {};
}

} // namespace

bool Piece::read(int64_t from, int64_t count, int channels, int16_t *out, int64_t keepLo, int64_t keepHi) const
{
    std::fill(out, out + count * channels, int16_t(0));
    int64_t base = 0;
    for (const auto &clip : clips) {
        const int64_t n = clip->info().frames;
        const int64_t lo = std::max({from, base, keepLo}), hi = std::min({from + count, base + n, keepHi});
        if (lo < hi && clip->readFrames(lo - base, hi - lo, out + (lo - from) * channels) != hi - lo)
            return false;
        base += n;
    }
    // The same gain the copied frames get, so that the encoded frames meet them at one level.
    if (gainSteps != 0) {
        const double gain = std::pow(2.0, gainSteps / 4.0);
        for (int16_t *s = out; s != out + count * channels; ++s)
            *s = int16_t(std::clamp(std::lround(*s * gain), -32768L, 32767L));
    }
    return true;
}

std::vector<int64_t> JoinPlan::clipOverlaps() const
{
    std::vector<int64_t> overlaps;
    for (const Piece &p : pieces) {
        if (&p != &pieces.front())
            overlaps.push_back(p.overlapIn);
        overlaps.insert(overlaps.end(), p.clips.size() - 1, 0);
    }
    return overlaps;
}

PlannedJoin planJoin(const std::vector<CopyJoinClip> &clips, const CopyJoinShape &shape)
{
    if (clips.empty())
        return refused(Mp3Join::tr("a clip does not come from an MP3 file"));
    JoinPlan plan;
    plan.fadeIn = std::max<int64_t>(shape.fadeIn, 0);
    plan.fadeOut = std::max<int64_t>(shape.fadeOut, 0);
    if (const QString why = gatherPieces(clips, shape, plan); !why.isEmpty())
        return refused(why);
    const Piece &head = plan.pieces.front();
    plan.layout = head.source->index.layout;
    const PlanResult start = planRange(head.source->index, head.first, head.last);
    if (!start.plan)
        return refused(describe(start.refusal));
    plan.start = *start.plan;
    if (const QString why = placePieces(plan); !why.isEmpty())
        return refused(why);
    return {std::move(plan), {}};
}

} // namespace trevisto::mp3enc
