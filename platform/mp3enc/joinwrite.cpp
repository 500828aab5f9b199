#include "platform/mp3enc/joinwrite.h"

#include "platform/io/systemreason.h"
#include "platform/mp3frames/bytesource.h"
#include "platform/mp3frames/framewriter.h"

#include <QFile>

#include <algorithm>

namespace trevisto::mp3enc {

using namespace mp3frames;

namespace {

class JoinWriter {
public:
    JoinWriter(const JoinPlan &plan, const QString &nativeOutput, const io::AtomicFile::Options &options,
               const std::vector<unsigned char> *tag)
        : plan_(plan), head_(plan.pieces.front()), nativeOutput_(nativeOutput),
          out_(QFile::encodeName(nativeOutput).toStdString(), options), tag_(tag)
    {
    }

    CopyJoinOutcome write(const JointFrames &joints);

private:
    CopyJoinOutcome failed(int error)
    {
        out_.discard();
        CopyJoinOutcome failure;
        failure.kind = CopyJoinOutcome::Failed;
        failure.why = Mp3Join::tr("Cannot write \"%1\": %2").arg(nativeOutput_, io::systemReason(error));
        return failure;
    }
    std::optional<CopyJoinOutcome> writeSourceTag();
    std::optional<CopyJoinOutcome> writeStart(const JointFrames &joints);
    std::optional<CopyJoinOutcome> copyPiece(const Piece &piece);

    const JoinPlan &plan_;
    const Piece &head_;
    const QString &nativeOutput_;
    FrameWriter out_;
    const std::vector<unsigned char> *tag_;
};

// The source's tag in front, as a copied save has it, when every clip comes from that one
// file: a title, artist or picture of one song would mislabel a mix of several.
std::optional<CopyJoinOutcome> JoinWriter::writeSourceTag()
{
    if (tag_) {
        if (!tag_->empty() && !out_.writePrefix(tag_->data(), tag_->size()))
            return failed(out_.error());
        return std::nullopt;
    }
    const Mp3Index &first = head_.source->index;
    const bool oneSource = std::all_of(plan_.pieces.begin(), plan_.pieces.end(),
                                       [&](const Piece &p) { return p.source == head_.source; });
    if (!oneSource || first.id3v2Bytes == 0)
        return std::nullopt;
    std::vector<unsigned char> tag(size_t(first.id3v2Bytes));
    ByteSource src(head_.source->path);
    if (!src.ok() || !src.read(0, tag.size(), tag.data()))
        return notCopyable(describe(Refusal::CannotRead));
    if (!out_.writePrefix(tag.data(), tag.size()))
        return failed(out_.error());
    return std::nullopt;
}

// The silent frames, the last carrying the first copied frame's reservoir, or the lead-in.
std::optional<CopyJoinOutcome> JoinWriter::writeStart(const JointFrames &joints)
{
    const RangePlan &start = plan_.start;
    std::vector<unsigned char> reservoir;
    if (start.silentFrames > 0 && start.reservoirBytes > 0 &&
        !readReservoirBefore(head_.source->path, head_.source->index, start.firstFrame, size_t(start.reservoirBytes),
                             reservoir))
        return notCopyable(describe(Refusal::CannotRead));
    for (int i = 0; i < start.silentFrames; ++i) {
        const bool last = i + 1 == start.silentFrames;
        const Frame frame = silentFrame(start.silentHeader, last ? reservoir.data() : nullptr, last ? reservoir.size() : 0);
        if (frame.empty() || !out_.appendFrames(frame.data(), frame.size()))
            return failed(out_.error());
    }
    for (const Frame &f : joints.leadIn)
        if (!out_.appendFrames(f.data(), f.size()))
            return failed(out_.error());
    return std::nullopt;
}

std::optional<CopyJoinOutcome> JoinWriter::copyPiece(const Piece &p)
{
    ByteSource src(p.source->path);
    if (!src.ok())
        return notCopyable(describe(Refusal::CannotRead));
    if (src.size() != p.source->index.identity.size || src.modifiedNs() != p.source->index.identity.modifiedNs)
        return notCopyable(describe(Refusal::SourceChanged));
    if (!appendSourceFrames(src, p.source->index, p.copyFrom, p.copyTo, out_, p.gainSteps)) {
        if (src.error())
            return notCopyable(describe(Refusal::CannotRead));
        return failed(out_.error());
    }
    // A file rewritten while its frames were read gave some other file's bytes.
    if (!src.unchangedSinceOpen())
        return notCopyable(describe(Refusal::SourceChanged));
    return std::nullopt;
}

CopyJoinOutcome JoinWriter::write(const JointFrames &joints)
{
    if (!out_.isOpen())
        return failed(out_.error());
    if (auto stop = writeSourceTag())
        return *stop;
    const Mp3Index &first = head_.source->index;
    TagFrameFacts facts;
    facts.header = first.info ? FrameEntry{0, first.info->header}.parsedHeader() : plan_.start.silentHeader;
    if (first.lameTagged())
        facts.lameFrom = first.info->lame;
    if (!out_.begin(facts))
        return failed(out_.error());
    if (auto stop = writeStart(joints))
        return *stop;
    std::vector<std::pair<uint32_t, uint32_t>> spans;
    for (size_t j = 0; j < plan_.pieces.size(); ++j) {
        if (auto stop = copyPiece(plan_.pieces[j]))
            return *stop;
        if (j < joints.joints.size()) {
            spans.emplace_back(out_.frames(), out_.frames() + uint32_t(joints.joints[j].size()));
            for (const Frame &f : joints.joints[j])
                if (!out_.appendFrames(f.data(), f.size()))
                    return failed(out_.error());
        }
    }
    for (const Frame &f : joints.leadOut)
        if (!out_.appendFrames(f.data(), f.size()))
            return failed(out_.error());
    const Piece &tail = plan_.pieces.back();
    const int64_t end = tail.outputStart() + tail.keepTo;
    facts.delay = plan_.start.delay;
    facts.padding = int(int64_t(out_.frames()) * plan_.layout.samplesPerFrame() - end + 529);
    if (!out_.finish(facts))
        return failed(out_.error());
    CopyJoinOutcome done;
    done.kind = CopyJoinOutcome::Copied;
    done.encodedJoints = int(joints.joints.size());
    done.encodedFrames = std::move(spans);
    done.leadInFrames = uint32_t(joints.leadIn.size());
    done.leadOutFrames = uint32_t(joints.leadOut.size());
    done.samples = end - head_.outputStart();
    done.sampleRate = plan_.layout.sampleRate();
    done.overlaps = plan_.clipOverlaps();
    for (const Piece &p : plan_.pieces)
        done.clipSamples += p.last - p.first;
    return done;
}

} // namespace

CopyJoinOutcome writeJoin(const JoinPlan &plan, const JointFrames &joints, const QString &nativeOutput,
                          const io::AtomicFile::Options &options, const std::vector<unsigned char> *tag)
{
    for (const Piece &p : plan.pieces)
        if (anyDamagedFrame(p.source->index, p.copyFrom, p.copyTo))
            return notCopyable(describe(Refusal::DamagedFrame));
    return JoinWriter(plan, nativeOutput, options, tag).write(joints);
}

} // namespace trevisto::mp3enc
