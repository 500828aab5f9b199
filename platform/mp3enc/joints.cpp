#include "platform/mp3enc/joints.h"

#include "platform/mp3enc/lamesetup.h"
#include "platform/mp3enc/standalone.h"
#include "platform/mp3frames/bytesource.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <iterator>
#include <utility>

namespace trevisto::mp3enc {

using namespace mp3frames;

namespace {

// The frames encoded again at a joint, before and after the frame that holds it, tried in
// this order until the encoded frames meet the copied ones cleanly.
constexpr std::pair<int, int> kJointSpans[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 1}, {1, 3}, {3, 2}, {2, 3}, {3, 3}};

// The header and side info of frame `frame` of a source.
bool readSideInfo(const JoinSource &source, size_t frame, std::vector<unsigned char> &out)
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

// The bit rate the joints are encoded at: high, so that their frames have room to carry
// the reservoir of the copied frames after them; within what the encoder makes at the rate.
int jointBitRate(MpegVersion version)
{
    const int wanted = version == MpegVersion::Mpeg1 ? 256 : 128;
    return std::min(wanted, bitRateAt(version, highestBitRateIndex(version)));
}

// Encodes output frames [first, first + count) around one joint, or at either end.
class JointEncoder {
public:
    explicit JointEncoder(const JoinPlan &plan)
        : spf_(plan.layout.samplesPerFrame()), channels_(plan.layout.channels()),
          kbps_(jointBitRate(plan.layout.version)), first_(plan.firstSample()), end_(plan.endSample()),
          fadeIn_(plan.fadeIn), fadeOut_(plan.fadeOut)
    {
    }

    // The frames from the clips' sound: `before`'s, then both crossfaded where `after`
    // overlaps it, then `after`'s. With no `before`, `after`'s alone (frames that lead into
    // the first piece), with the reservoir repacked so that `after`'s next copied frame
    // finds its bytes. That frame must reach back for none from before its file: the run
    // grows over `after`'s frames until one does. With no `after`, `before`'s alone to the
    // end of the output. Nothing when a source cannot be read.
    std::optional<Joint> encode(const Piece *before, const Piece *after, int64_t first, int64_t count) const;

private:
    bool mix(const Piece *before, const Piece *after, int64_t from, int64_t samples, std::vector<int16_t> &pcm) const;
    void fade(int64_t from, int64_t samples, std::vector<int16_t> &pcm) const;
    bool judge(const Piece *before, const Piece *after, Joint &joint) const;

    const int spf_, channels_, kbps_;
    const int64_t first_, end_, fadeIn_, fadeOut_; // output samples
};

// The sound from output sample `from`: each sample from the piece it belongs to.
bool JointEncoder::mix(const Piece *before, const Piece *after, int64_t from, int64_t samples,
                       std::vector<int16_t> &pcm) const
{
    if (!before || !after) {
        const Piece &alone = before ? *before : *after;
        return alone.read(from - alone.outputStart(), samples, channels_, pcm.data());
    }
    // Each piece as far as its sound goes on that side of the joint: the earlier one to its
    // end, the later one from its start, so the overlap has both.
    std::vector<int16_t> earlier(pcm.size()), later(pcm.size());
    if (!before->read(from - before->outputStart(), samples, channels_, earlier.data(), before->keepFrom,
                      before->last - before->first) ||
        !after->read(from - after->outputStart(), samples, channels_, later.data(), 0, after->keepTo))
        return false;
    const int64_t overlapFrom = after->outputStart(), n = after->overlapIn;
    for (int64_t i = 0; i < samples; ++i) {
        const int64_t at = from + i;
        for (int c = 0; c < channels_; ++c) {
            const size_t k = size_t(i * channels_ + c);
            if (at < overlapFrom) {
                pcm[k] = earlier[k];
            } else if (at >= overlapFrom + n) {
                pcm[k] = later[k];
            } else {
                // Equal power: the squares of the two weights add up to one.
                const double t = (double(at - overlapFrom) + 0.5) / double(n) * 1.5707963267948966;
                const double v = earlier[k] * std::cos(t) + later[k] * std::sin(t);
                pcm[k] = int16_t(std::clamp(std::lround(v), -32768L, 32767L));
            }
        }
    }
    return true;
}

// The fade-in and the fade-out on the samples from output sample `from`, shaped as the WAV
// join shapes them: the square of a quarter sine, rising from silence or falling to it.
void JointEncoder::fade(int64_t from, int64_t samples, std::vector<int16_t> &pcm) const
{
    const auto rise = [](int64_t k, int64_t n) {
        const double s = std::sin((double(k) + 0.5) / double(n) * 1.5707963267948966);
        return s * s;
    };
    for (int64_t i = 0; i < samples; ++i) {
        const int64_t at = from + i;
        double w = 1;
        if (at >= first_ && at < first_ + fadeIn_)
            w *= rise(at - first_, fadeIn_);
        if (at >= end_ - fadeOut_ && at < end_)
            w *= rise(end_ - 1 - at, fadeOut_);
        if (w == 1)
            continue;
        for (int16_t *s = &pcm[size_t(i * channels_)]; s != &pcm[size_t(i * channels_)] + channels_; ++s)
            *s = int16_t(std::lround(*s * w));
    }
}

// Whether the encoded frames meet the copied ones, and whether they carry the reservoir
// `after`'s first copied frame reaches back for; false when a source cannot be read.
bool JointEncoder::judge(const Piece *before, const Piece *after, Joint &joint) const
{
    std::vector<unsigned char> last, nextSide;
    if ((before && !readSideInfo(*before->source, joint.beforeTo - 1, last)) ||
        (after && !readSideInfo(*after->source, joint.afterFrom, nextSide)))
        return false;
    std::vector<Frame> &frames = joint.frames;
    const FrameHeader firstEncoded = *FrameHeader::parse(frames.front().data()),
                      lastEncoded = *FrameHeader::parse(frames.back().data());
    joint.meets = true;
    if (after) {
        const FrameHeader nextHeader = after->source->index.frames[joint.afterFrom].parsedHeader();
        joint.meets = framesMeet(lastEncoded, frames.back().data(), frames.back().size(), nextHeader, nextSide.data(),
                                 nextSide.size(), channels_);
    }
    if (before) {
        const FrameHeader lastHeader = before->source->index.frames[joint.beforeTo - 1].parsedHeader();
        joint.meets = joint.meets && framesMeet(lastHeader, last.data(), last.size(), firstEncoded,
                                                frames.front().data(), frames.front().size(), channels_);
    }
    if (!after)
        return true; // the output ends with them: no frame after them reaches back
    const Mp3Index &next = after->source->index;
    const size_t reach = *reservoirReach(next, joint.afterFrom);
    std::vector<unsigned char> carry;
    if (reach > 0 && !readReservoirBefore(after->source->path, next, joint.afterFrom, reach, carry))
        return false;
    if (!repackReservoir(frames, carry.data(), carry.size()))
        joint.refused = Joint::CannotCarry;
    return true;
}

std::optional<Joint> JointEncoder::encode(const Piece *before, const Piece *after, int64_t first, int64_t count) const
{
    Joint joint;
    if (before) {
        const int64_t beforeTo = first - before->offset / spf_;
        if (beforeTo <= int64_t(before->copyFrom))
            return joint;
        joint.beforeTo = size_t(beforeTo);
    }
    if (after) {
        int64_t afterFrom = first + count - after->offset / spf_;
        if (afterFrom < 0)
            return joint;
        while (afterFrom < int64_t(after->copyTo) && !reservoirReach(after->source->index, size_t(afterFrom))) {
            ++afterFrom;
            ++count;
        }
        if (afterFrom >= int64_t(after->copyTo))
            return joint;
        joint.afterFrom = size_t(afterFrom);
    }

    // The encoder starts from silence and begins with short blocks at the sound's onset:
    // two MPEG-1 frames' worth of its output (four MPEG-2 frames) is dropped, and as much
    // sound follows the frames kept. The first kept frame starts at input sample
    // lead * spf - kStandaloneDelay.
    const int lead = 2 * 1152 / spf_;
    const int64_t from = first * spf_ - lead * spf_ + kStandaloneDelay;
    const int64_t samples = (count + 2 * lead) * spf_;
    std::vector<int16_t> pcm(size_t(samples * channels_));
    if (!mix(before, after, from, samples, pcm))
        return std::nullopt;
    fade(from, samples, pcm);
    const Piece &layoutOf = after ? *after : *before;
    std::vector<Frame> frames =
        encodeStandalone(pcm.data(), size_t(samples), layoutOf.source->index.layout.sampleRate(), channels_, kbps_);
    if (frames.size() < size_t(lead + count)) {
        joint.frames = {Frame{}};
        joint.refused = Joint::EncoderRefused;
        return joint;
    }
    joint.frames = std::vector<Frame>(frames.begin() + lead, frames.begin() + lead + count);
    if (!judge(before, after, joint))
        return std::nullopt;
    return joint;
}

// A clean meeting first, then any frames that carry the reservoir.
int rank(const Joint &x) { return x.refused ? 0 : x.meets ? 2 : 1; }

// Keeps the better of `chosen` and `joint`; true once it is as good as it gets.
bool keepBetter(std::optional<Joint> &chosen, std::optional<Joint> &&joint)
{
    if (!chosen || rank(*joint) > rank(*chosen))
        chosen = std::move(joint);
    return rank(*chosen) == 2;
}

// The best of the runs `attempt(0)`, `attempt(1)`, ... `attempt(tries - 1)` makes, stopping
// at the first that meets cleanly. A try that finds the clips too short for it is passed
// over, or ends the tries where later ones only reach further (`stopAtEmpty`). `unreadable`
// is set, and nothing chosen, when a source cannot be read.
template <class Attempt>
std::optional<Joint> bestOf(int tries, bool stopAtEmpty, bool &unreadable, const Attempt &attempt)
{
    std::optional<Joint> chosen;
    for (int k = 0; k < tries; ++k) {
        std::optional<Joint> joint = attempt(k);
        if (!joint) {
            unreadable = true;
            return std::nullopt;
        }
        if (joint->frames.empty()) {
            if (stopAtEmpty)
                break;
            continue;
        }
        if (keepBetter(chosen, std::move(joint)))
            break;
    }
    return chosen;
}

// Where a run of encoded frames is.
enum class Place { Start, Joint, End };

QString refusal(Joint::Refused refused, Place place)
{
    if (refused == Joint::EncoderRefused)
        return place == Place::Start ? Mp3Join::tr("the MP3 encoder refused the sound at the start")
               : place == Place::End ? Mp3Join::tr("the MP3 encoder refused the sound at the end")
                                     : Mp3Join::tr("the MP3 encoder refused the sound at a joint");
    return place == Place::Start ? Mp3Join::tr("the frames at the start cannot carry the bit reservoir")
                                 : Mp3Join::tr("the frames at a joint cannot carry the bit reservoir");
}

QString fadesTooLong() { return Mp3Join::tr("a fade reaches the frames encoded again at a joint or for the other fade"); }

// The frames of the joint after piece `j`; the run grows by a frame on a side where the
// encoder chose other blocks than the copied frame there. Without a crossfade the run is
// centred on the seam; with one it holds the whole overlap.
QString encodeJoint(const JointEncoder &encoder, JoinPlan &plan, size_t j, std::vector<Frame> &out)
{
    const int spf = plan.layout.samplesPerFrame();
    Piece &before = plan.pieces[j], &after = plan.pieces[j + 1];
    int64_t lo = floorDiv(before.outputStart() + before.keepTo, spf), hi = lo;
    if (after.crossfadeIn > 0) {
        lo = floorDiv(after.outputStart(), spf);
        hi = floorDiv(after.outputStart() + after.overlapIn - 1, spf);
    }
    bool unreadable = false;
    std::optional<Joint> chosen = bestOf(int(std::size(kJointSpans)), false, unreadable, [&](int k) {
        const auto [left, right] = kJointSpans[k];
        return encoder.encode(&before, &after, lo - left, hi - lo + left + 1 + right);
    });
    if (unreadable)
        return describe(Refusal::CannotRead);
    if (!chosen)
        return Mp3Join::tr("a clip is too short to be joined without encoding it again");
    if (chosen->refused)
        return refusal(chosen->refused, Place::Joint);
    before.copyTo = chosen->beforeTo;
    after.copyFrom = chosen->afterFrom;
    out = std::move(chosen->frames);
    return {};
}

// Frames encoded in front of the first copied one: where the first piece starts in frames
// that reach back before their file, and over the whole fade-in, with a frame to spare, in
// place of the silent frames. One more of them moves the first copied frame one on, the
// delay staying the same; tried until they meet it cleanly.
QString encodeLeadIn(const JointEncoder &encoder, JoinPlan &plan, std::vector<Frame> &out)
{
    Piece &head = plan.pieces.front();
    int64_t count = plan.start.encodedFrames;
    if (plan.fadeIn > 0)
        count = std::max<int64_t>(plan.start.silentFrames + plan.start.encodedFrames,
                                  floorDiv(plan.firstSample() + plan.fadeIn - 1, plan.layout.samplesPerFrame()) + 2);
    bool unreadable = false;
    std::optional<Joint> chosen =
        bestOf(4, true, unreadable, [&](int more) { return encoder.encode(nullptr, &head, 0, count + more); });
    if (unreadable)
        return describe(Refusal::CannotRead);
    if (!chosen)
        return plan.fadeIn > 0 ? fadesTooLong() : describe(Refusal::ReservoirBeforeFile);
    if (chosen->refused)
        return refusal(chosen->refused, Place::Start);
    head.copyFrom = chosen->afterFrom;
    if (plan.fadeIn > 0)
        plan.start.silentFrames = 0; // the encoded frames hold their place
    out = std::move(chosen->frames);
    return {};
}

// Frames encoded in place of the last piece's last copied ones, over the whole fade-out
// with a frame to spare before it; one more of them in front when they do not meet the
// copied frame before them cleanly.
QString encodeLeadOut(const JointEncoder &encoder, JoinPlan &plan, std::vector<Frame> &out)
{
    const int spf = plan.layout.samplesPerFrame();
    Piece &tail = plan.pieces.back();
    const int64_t end = tail.offset / spf + int64_t(tail.copyTo); // the output's audio frames
    const int64_t fadeFrom = floorDiv(plan.endSample() - plan.fadeOut, spf);
    bool unreadable = false;
    std::optional<Joint> chosen = bestOf(3, true, unreadable, [&](int k) {
        const int64_t left = k + 1;
        return encoder.encode(&tail, nullptr, fadeFrom - left, end - fadeFrom + left);
    });
    if (unreadable)
        return describe(Refusal::CannotRead);
    if (!chosen)
        return fadesTooLong();
    if (chosen->refused)
        return refusal(chosen->refused, Place::End);
    tail.copyTo = chosen->beforeTo;
    out = std::move(chosen->frames);
    return {};
}

} // namespace

JointFrames encodeJoints(JoinPlan &plan)
{
    const JointEncoder encoder(plan);
    JointFrames result;
    result.joints.resize(plan.pieces.size() - 1);
    for (size_t j = 0; j + 1 < plan.pieces.size() && result.why.isEmpty(); ++j)
        result.why = encodeJoint(encoder, plan, j, result.joints[j]);
    if (result.why.isEmpty() && (plan.start.encodedFrames > 0 || plan.fadeIn > 0))
        result.why = encodeLeadIn(encoder, plan, result.leadIn);
    if (result.why.isEmpty() && plan.fadeOut > 0)
        result.why = encodeLeadOut(encoder, plan, result.leadOut);
    return result;
}

} // namespace trevisto::mp3enc
