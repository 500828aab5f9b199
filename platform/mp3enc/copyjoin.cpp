#include "platform/mp3enc/copyjoin.h"

#include "platform/mp3enc/joinplan.h"
#include "platform/mp3enc/joints.h"
#include "platform/mp3enc/joinwrite.h"

namespace trevisto::mp3enc {

CopyJoinOutcome joinByCopy(const std::vector<CopyJoinClip> &clips, const QString &nativeOutput,
                           const io::AtomicFile::Options &options, const std::vector<unsigned char> *tag,
                           const CopyJoinShape &shape, const CopyJoinTagOf &tagOf)
{
    PlannedJoin planned = planJoin(clips, shape);
    if (!planned.plan)
        return notCopyable(planned.why);
    std::vector<unsigned char> made;
    if (tagOf) {
        made = tagOf(planned.plan->clipOverlaps(), planned.plan->layout.sampleRate());
        tag = &made;
    }
    JointFrames joints = encodeJoints(*planned.plan);
    if (!joints.why.isEmpty())
        return notCopyable(joints.why);
    return writeJoin(*planned.plan, joints, nativeOutput, options, tag);
}

std::optional<std::vector<int64_t>> copyJoinOverlaps(const std::vector<CopyJoinClip> &clips,
                                                     const CopyJoinShape &shape)
{
    const PlannedJoin planned = planJoin(clips, shape);
    if (!planned.plan)
        return std::nullopt;
    return planned.plan->clipOverlaps();
}

} // namespace trevisto::mp3enc
