#include "clips/mp3copy.h"

#include "clips/mp3join.h"
#include "platform/io/systemreason.h"
#include "platform/mp3frames/rangecopy.h"

#include <QCoreApplication>
#include <QFile>

namespace trevisto {

namespace {

// The texts this file shows, under one translation context.
struct Mp3Copy {
    Q_DECLARE_TR_FUNCTIONS(Mp3Copy)
};

Mp3CopyOutcome notCopyable(const QString &why, const mp3frames::Mp3Index *index = nullptr)
{
    Mp3CopyOutcome o{Mp3CopyOutcome::NotCopyable, why};
    if (index && !index->frames.empty()) {
        o.sourceRate = index->layout.sampleRate();
        o.sourceKbps = index->averageBitRate();
    }
    return o;
}

} // namespace

Mp3CopyOutcome CopyMp3Cut(const std::optional<Mp3Origin> &origin, const QString &nativeSound,
                          const QString &nativeOutput, const io::AtomicFile::Options &options,
                          const std::vector<unsigned char> *tag)
{
    using namespace mp3frames;
    if (!origin)
        return notCopyable(Mp3Copy::tr("the cut does not come from an MP3 file"));
    const std::string source = QFile::encodeName(origin->source.path).toStdString();
    const IndexResult indexed = indexMp3(source);
    if (!indexed.index) {
        if (indexed.refusal != Refusal::CannotRead)
            return notCopyable(describe(Refusal::SourceChanged));
        // Only a failure the system reported has a reason of its own to add.
        return notCopyable(indexed.systemError ? describe(Refusal::CannotRead) +
                                                     QStringLiteral(" (%1)").arg(io::systemReason(indexed.systemError))
                                               : describe(Refusal::CannotRead));
    }
    const Mp3Index &index = *indexed.index;
    if (index.identity != origin->source.identity)
        return notCopyable(describe(Refusal::SourceChanged), &index);
    const PlanResult plan = planRange(index, origin->first, origin->last);
    if (!plan.plan)
        return notCopyable(describe(plan.refusal), &index);
    if (plan.plan->encodedFrames > 0) {
        // The frames in front are encoded from the cut's sound, as a join of this one clip
        // encodes them.
        const Mp3JoinOutcome joined = JoinMp3ByCopy({{origin, nativeSound}}, nativeOutput, options, tag);
        if (joined.kind == Mp3JoinOutcome::Copied)
            return {Mp3CopyOutcome::Copied, {}};
        if (joined.kind == Mp3JoinOutcome::Failed)
            return {Mp3CopyOutcome::Failed, joined.why};
        return notCopyable(joined.why, &index);
    }
    CopyOptions copy;
    copy.file = options;
    copy.tag = tag;
    const CopyResult written = writeRange(source, index, *plan.plan, QFile::encodeName(nativeOutput).toStdString(), copy);
    if (written.ok())
        return {Mp3CopyOutcome::Copied, {}};
    if (written.refusal == Refusal::CannotWrite)
        return {Mp3CopyOutcome::Failed, Mp3Copy::tr("Cannot write \"%1\": %2")
                                            .arg(nativeOutput, io::systemReason(written.systemError))};
    if (written.refusal == Refusal::CannotRead && written.systemError)
        return notCopyable(describe(Refusal::CannotRead) + QStringLiteral(" (%1)").arg(io::systemReason(written.systemError)),
                           &index);
    return notCopyable(describe(written.refusal), &index);
}

} // namespace trevisto
