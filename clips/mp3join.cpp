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

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace trevisto {

namespace {

using namespace mp3frames;

// The texts this file shows, under one translation context.
struct Mp3Join {
    Q_DECLARE_TR_FUNCTIONS(Mp3Join)
};

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

    int64_t outputStart() const { return source->index.decodedAt(first) + offset; }

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

Mp3JoinOutcome notCopyable(const QString &why) { return {Mp3JoinOutcome::NotCopyable, why, 0, {}}; }

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

// The frames encoded again at a joint, before and after the frame that holds it, tried in
// this order until the encoded frames meet the copied ones cleanly.
constexpr std::pair<int, int> kJointSpans[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 1}, {1, 3}, {3, 2}, {2, 3}, {3, 3}};

// The header and side info of frame `frame` of a source.
bool readSideInfo(const Source &source, size_t frame, std::vector<unsigned char> &out)
{
    const FrameEntry &entry = source.index.frames[frame];
    const FrameHeader h = entry.parsedHeader();
    out.resize(h.mainDataOffset());
    ByteSource src(source.path);
    return src.ok() && entry.bytes >= out.size() && src.read(entry.offset, out.size(), out.data());
}

struct Joint {
    enum Refused { None, EncoderRefused, CannotCarry };
    std::vector<Frame> frames; // empty: the clips are too short for the span
    size_t beforeTo = 0, afterFrom = 0; // the source frames copied up to and from
    bool meets = false; // the window halves match on both sides
    Refused refused = None;
};

// Whether the last granule of `a` and the first of `b` overlap cleanly in every channel;
// false when either frame's side info cannot be read.
bool framesMeet(const FrameHeader &ha, const unsigned char *a, size_t aBytes, const FrameHeader &hb,
                const unsigned char *b, size_t bBytes, int channels)
{
    for (int c = 0; c < channels; ++c) {
        const std::optional<int> before = blockType(ha, a, aBytes, ha.granules() - 1, c);
        const std::optional<int> after = blockType(hb, b, bBytes, 0, c);
        if (!before || !after || !windowsMeet(*before, *after))
            return false;
    }
    return true;
}

// Output frames [first, first + count) encoded again from the clips' sound: `before`'s up
// to output sample `seam` and `after`'s from there, or, with no `before`, `after`'s alone
// (frames that lead into the first piece), with the reservoir repacked so that `after`'s
// next copied frame finds its bytes. That frame must reach back for none from before its
// file: the stretch grows over `after`'s frames until one does. Nothing when a source
// cannot be read.
std::optional<Joint> encodeFrames(const Piece *before, const Piece &after, int64_t seam, int64_t first, int64_t count,
                                  int spf, int channels, int kbps)
{
    Joint joint;
    if (before) {
        const int64_t beforeTo = first - before->offset / spf;
        if (beforeTo <= int64_t(before->copyFrom))
            return joint;
        joint.beforeTo = size_t(beforeTo);
    }
    int64_t afterFrom = first + count - after.offset / spf;
    if (afterFrom < 0)
        return joint;
    const Mp3Index &next = after.source->index;
    std::optional<size_t> reach;
    while (afterFrom < int64_t(after.copyTo) && !(reach = reservoirReach(next, size_t(afterFrom)))) {
        ++afterFrom;
        ++count;
    }
    if (afterFrom >= int64_t(after.copyTo))
        return joint;
    joint.afterFrom = size_t(afterFrom);

    // The encoder starts from silence and begins with short blocks at the sound's onset:
    // two MPEG-1 frames' worth of its output (four MPEG-2 frames) is dropped, and as much
    // sound follows the frames kept. The first kept frame starts at input sample
    // lead * spf - kStretchDelay.
    const int lead = 2 * 1152 / spf;
    const int64_t from = first * spf - lead * spf + mp3enc::kStretchDelay;
    const int64_t samples = (count + 2 * lead) * spf;
    std::vector<int16_t> pcm(size_t(samples * channels)), part(size_t(samples * channels));
    for (const Piece *p : {before, &after}) {
        if (!p)
            continue;
        if (!p->read(from - p->outputStart(), samples, channels, part.data()))
            return std::nullopt;
        for (int64_t i = 0; i < samples; ++i)
            if (!before || (from + i < seam) == (p == before))
                std::copy_n(part.begin() + i * channels, channels, pcm.begin() + i * channels);
    }
    const FrameHeader &layout = after.source->index.layout;
    std::vector<Frame> frames = mp3enc::encodeStretch(pcm.data(), size_t(samples), layout.sampleRate(), channels, kbps);
    if (frames.size() < size_t(lead + count)) {
        joint.frames = {Frame{}};
        joint.refused = Joint::EncoderRefused;
        return joint;
    }
    frames = std::vector<Frame>(frames.begin() + lead, frames.begin() + lead + count);

    std::vector<unsigned char> last, nextSide;
    if ((before && !readSideInfo(*before->source, joint.beforeTo - 1, last)) ||
        !readSideInfo(*after.source, joint.afterFrom, nextSide))
        return std::nullopt;
    const FrameHeader nextHeader = next.frames[joint.afterFrom].parsedHeader();
    const FrameHeader firstEncoded = *FrameHeader::parse(frames.front().data()),
                      lastEncoded = *FrameHeader::parse(frames.back().data());
    joint.meets = framesMeet(lastEncoded, frames.back().data(), frames.back().size(), nextHeader, nextSide.data(),
                             nextSide.size(), channels);
    if (before) {
        const FrameHeader lastHeader = before->source->index.frames[joint.beforeTo - 1].parsedHeader();
        joint.meets = joint.meets && framesMeet(lastHeader, last.data(), last.size(), firstEncoded,
                                                frames.front().data(), frames.front().size(), channels);
    }

    std::vector<unsigned char> carry;
    if (*reach > 0 && !readReservoirBefore(after.source->path, next, joint.afterFrom, *reach, carry))
        return std::nullopt;
    if (!repackReservoir(frames, carry.data(), carry.size()))
        joint.refused = Joint::CannotCarry;
    joint.frames = std::move(frames);
    return joint;
}

// A clean meeting first, then any frames that carry the reservoir.
int rank(const Joint &x) { return x.refused ? 0 : x.meets ? 2 : 1; }

} // namespace

Mp3JoinOutcome JoinMp3ByCopy(const std::vector<Mp3JoinClip> &clips, const QString &nativeOutput,
                             const io::AtomicFile::Options &options)
{
    if (clips.empty())
        return notCopyable(Mp3Join::tr("a clip does not come from an MP3 file"));
    std::map<QString, Source> sources;
    const Source *firstSource = nullptr; // the first clip's
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
        if (!firstSource)
            firstSource = &source;
        // Every clip is read, encoded and copied in the first clip's layout: one of another
        // would be read with the wrong channel count and mix rates in one file.
        if (!source.index.layout.sameLayout(firstSource->index.layout))
            return notCopyable(Mp3Join::tr("\"%1\" (%2) and \"%3\" (%4) differ in MPEG version, sample rate or channels")
                                   .arg(clips.front().origin->source.path, layoutText(firstSource->index.layout),
                                        clip.origin->source.path, layoutText(source.index.layout)));
        auto wav = wav::File::open(QFile::encodeName(clip.wavPath).toStdString());
        const FrameHeader &layout = source.index.layout;
        if (!wav || wav->format().tag != wav::kTagPcm || wav->format().bitsPerSample != 16 ||
            int(wav->format().channels) != layout.channels() || int(wav->format().sampleRate) != layout.sampleRate() ||
            wav->info().frames != clip.origin->last - clip.origin->first)
            return notCopyable(Mp3Join::tr("a clip file does not hold the sound it was cut as"));
        // Where two streams were put end to end, clips on either side of the meeting point
        // are not one run of frames: a joint is encoded there.
        if (!pieces.empty() && pieces.back().source == &source && pieces.back().last == clip.origin->first &&
            source.index.joinedAt() != clip.origin->first) {
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
        const Mp3Index &index = p.source->index;
        if (!index.delivered().known)
            return notCopyable(describe(Refusal::InfoFrameContradicts));
        if (const std::optional<int64_t> joined = index.joinedAt(); joined && p.first < *joined && *joined < p.last)
            return notCopyable(describe(Refusal::AcrossJoinedStreams));
        p.keepTo = p.last - p.first;
        p.copyTo = size_t(index.decodedAt(p.last - 1) / spf) + 1;
    }
    Piece &head = pieces.front();
    head.offset = (int64_t(plan.silentFrames) + plan.encodedFrames - int64_t(plan.firstFrame)) * spf;
    head.copyFrom = plan.firstFrame;

    // Each joint: the later piece goes to the frame grid at the nearest point not after
    // the earlier piece's end; the overlap is taken half from each side.
    for (size_t j = 1; j < pieces.size(); ++j) {
        Piece &before = pieces[j - 1], &after = pieces[j];
        const int64_t end = before.outputStart() + before.keepTo;
        after.offset = floorDiv(end - after.source->index.decodedAt(after.first), spf) * spf;
        const int64_t overlap = end - after.outputStart();
        before.keepTo -= (overlap + 1) / 2;
        after.keepFrom = overlap / 2;
        if (after.keepFrom >= after.keepTo)
            return notCopyable(tooShort());
    }
    for (const Piece &p : pieces)
        if (p.copyTo > p.source->index.frames.size())
            return notCopyable(describe(Refusal::DamagedFrame));

    // The joints' frames, encoded from the clips' sound around each and repacked. The
    // encoded frames must meet the copied ones on each side with matching window halves;
    // where the encoder chose other blocks there, the stretch grows by a frame on that side.
    const int kbps = layout.version == MpegVersion::Mpeg1 ? 256 : 128;
    std::vector<std::vector<Frame>> encoded;
    for (size_t j = 0; j + 1 < pieces.size(); ++j) {
        Piece &before = pieces[j], &after = pieces[j + 1];
        const int64_t seam = before.outputStart() + before.keepTo;
        std::optional<Joint> chosen;
        for (const auto &[left, right] : kJointSpans) {
            std::optional<Joint> joint =
                encodeFrames(&before, after, seam, floorDiv(seam, spf) - left, left + 1 + right, spf, channels, kbps);
            if (!joint)
                return notCopyable(describe(Refusal::CannotRead));
            if (joint->frames.empty())
                continue; // a clip too short for this span
            if (!chosen || rank(*joint) > rank(*chosen))
                chosen = std::move(joint);
            if (rank(*chosen) == 2)
                break;
        }
        if (!chosen)
            return notCopyable(tooShort());
        if (chosen->refused)
            return notCopyable(chosen->refused == Joint::EncoderRefused
                                   ? Mp3Join::tr("the MP3 encoder refused the sound at a joint")
                                   : Mp3Join::tr("the frames at a joint cannot carry the bit reservoir"));
        before.copyTo = chosen->beforeTo;
        after.copyFrom = chosen->afterFrom;
        encoded.push_back(std::move(chosen->frames));
    }
    // Frames encoded in front of the first copied one, where the first piece starts in
    // frames that reach back before their file. One more of them moves the first copied
    // frame one on, the delay staying the same; tried until they meet it cleanly.
    std::vector<Frame> leadIn;
    if (plan.encodedFrames > 0) {
        std::optional<Joint> chosen;
        for (int more = 0; more < 4; ++more) {
            std::optional<Joint> joint = encodeFrames(nullptr, head, 0, 0, plan.encodedFrames + more, spf, channels, kbps);
            if (!joint)
                return notCopyable(describe(Refusal::CannotRead));
            if (joint->frames.empty())
                break; // the copied part of the piece is used up
            if (!chosen || rank(*joint) > rank(*chosen))
                chosen = std::move(joint);
            if (rank(*chosen) == 2)
                break;
        }
        if (!chosen)
            return notCopyable(describe(Refusal::ReservoirBeforeFile));
        if (chosen->refused)
            return notCopyable(chosen->refused == Joint::EncoderRefused
                                   ? Mp3Join::tr("the MP3 encoder refused the sound at the start")
                                   : Mp3Join::tr("the frames at the start cannot carry the bit reservoir"));
        head.copyFrom = chosen->afterFrom;
        leadIn = std::move(chosen->frames);
    }
    for (const Piece &p : pieces)
        if (anyDamagedFrame(p.source->index, p.copyFrom, p.copyTo))
            return notCopyable(describe(Refusal::DamagedFrame));

    FrameWriter out(QFile::encodeName(nativeOutput).toStdString(), options);
    auto failed = [&out, &nativeOutput](int error) {
        out.discard();
        return Mp3JoinOutcome{Mp3JoinOutcome::Failed,
                              Mp3Join::tr("Cannot write \"%1\": %2").arg(nativeOutput, io::systemReason(error)), 0, {}};
    };
    if (!out.isOpen())
        return failed(out.error());
    const Mp3Index &first = head.source->index;
    // The source's tag in front, as a copied save has it, when every clip comes from that
    // one file: a title, artist or picture of one song would mislabel a mix of several.
    const bool oneSource = std::all_of(pieces.begin(), pieces.end(), [&](const Piece &p) { return p.source == head.source; });
    if (oneSource && first.id3v2Bytes > 0) {
        std::vector<unsigned char> tag(size_t(first.id3v2Bytes));
        ByteSource src(head.source->path);
        if (!src.ok() || !src.read(0, tag.size(), tag.data()))
            return notCopyable(describe(Refusal::CannotRead));
        if (!out.writePrefix(tag.data(), tag.size()))
            return failed(out.error());
    }
    TagFrameFacts facts;
    facts.header = first.info ? FrameEntry{0, first.info->header}.parsedHeader() : plan.silentHeader;
    if (first.lameTagged())
        facts.lameFrom = first.info->lame;
    if (!out.begin(facts))
        return failed(out.error());
    std::vector<unsigned char> reservoir;
    if (plan.silentFrames > 0 && plan.reservoirBytes > 0 &&
        !readReservoirBefore(head.source->path, first, plan.firstFrame, size_t(plan.reservoirBytes), reservoir))
        return notCopyable(describe(Refusal::CannotRead));
    for (int i = 0; i < plan.silentFrames; ++i) {
        const bool last = i + 1 == plan.silentFrames;
        const Frame frame = silentFrame(plan.silentHeader, last ? reservoir.data() : nullptr, last ? reservoir.size() : 0);
        if (frame.empty() || !out.appendFrames(frame.data(), frame.size()))
            return failed(out.error());
    }
    for (const Frame &f : leadIn)
        if (!out.appendFrames(f.data(), f.size()))
            return failed(out.error());
    std::vector<std::pair<uint32_t, uint32_t>> spans;
    for (size_t j = 0; j < pieces.size(); ++j) {
        const Piece &p = pieces[j];
        ByteSource src(p.source->path);
        if (!src.ok())
            return notCopyable(describe(Refusal::CannotRead));
        if (src.size() != p.source->index.identity.size || src.modifiedNs() != p.source->index.identity.modifiedNs)
            return notCopyable(describe(Refusal::SourceChanged));
        if (!appendSourceFrames(src, p.source->index, p.copyFrom, p.copyTo, out)) {
            if (src.error())
                return notCopyable(describe(Refusal::CannotRead));
            return failed(out.error());
        }
        // A file rewritten while its frames were read gave some other file's bytes.
        if (!src.unchangedSinceOpen())
            return notCopyable(describe(Refusal::SourceChanged));
        if (j < encoded.size()) {
            spans.emplace_back(out.frames(), out.frames() + uint32_t(encoded[j].size()));
            for (const Frame &f : encoded[j])
                if (!out.appendFrames(f.data(), f.size()))
                    return failed(out.error());
        }
    }
    const Piece &tail = pieces.back();
    const int64_t end = tail.outputStart() + tail.keepTo;
    facts.delay = plan.delay;
    facts.padding = int(int64_t(out.frames()) * spf - end + 529);
    if (!out.finish(facts))
        return failed(out.error());
    return {Mp3JoinOutcome::Copied, {}, int(encoded.size()), std::move(spans), uint32_t(leadIn.size())};
}

} // namespace trevisto
