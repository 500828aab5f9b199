#include "editor/sourcesteps.h"

#include "editor/timetext.h"

#include <QCoreApplication>
#include <QFile>
#include <QUndoStack>

namespace trevisto {

namespace {

// The texts this file shows, under one translation context.
struct SourceSteps {
    Q_DECLARE_TR_FUNCTIONS(SourceSteps)
};

} // namespace

QString MarkText(MarkStep::Mark mark, qint64 ms)
{
    return (mark == MarkStep::Mark::In ? SourceSteps::tr("Mark In at %1") : SourceSteps::tr("Mark out at %1"))
        .arg(MillisecondText(ms));
}

QString MarkRangeText(qint64 markIn, qint64 markOut)
{
    return SourceSteps::tr("Marks at %1 to %2").arg(MillisecondText(markIn), MillisecondText(markOut));
}

QString CutText(qint64 from, qint64 to)
{
    return SourceSteps::tr("Cut from %1 to %2").arg(MillisecondText(from), MillisecondText(to));
}

bool RetireSourceSteps(QUndoStack &stack)
{
    bool any = false;
    for (int i = 0; i < stack.count(); ++i) {
        // The stack hands out its steps read-only; they are its own, and not const.
        auto *step = dynamic_cast<SourceStep *>(const_cast<QUndoCommand *>(stack.command(i)));
        if (step && !step->isObsolete()) {
            step->retire();
            any = true;
        }
    }
    return any;
}

MarkStep::MarkStep(Mark mark, Place before, Place after, Show show)
    : SourceStep(MarkText(mark, after.ms)), mark_(mark), before_(std::move(before)), after_(std::move(after)),
      show_(std::move(show))
{
}

void MarkStep::redo()
{
    if (!isObsolete())
        show_(mark_, after_);
}

void MarkStep::undo()
{
    if (!isObsolete())
        show_(mark_, before_);
}

MarkRangeStep::MarkRangeStep(MarkStep::Place inBefore, MarkStep::Place inAfter, MarkStep::Place outBefore,
                             MarkStep::Place outAfter, MarkStep::Show show)
    : SourceStep(MarkRangeText(inAfter.ms, outAfter.ms)), inBefore_(std::move(inBefore)), inAfter_(std::move(inAfter)),
      outBefore_(std::move(outBefore)), outAfter_(std::move(outAfter)), show_(std::move(show))
{
}

void MarkRangeStep::redo()
{
    if (isObsolete())
        return;
    show_(MarkStep::Mark::In, inAfter_);
    show_(MarkStep::Mark::Out, outAfter_);
}

void MarkRangeStep::undo()
{
    if (isObsolete())
        return;
    show_(MarkStep::Mark::Out, outBefore_);
    show_(MarkStep::Mark::In, inBefore_);
}

CutStep::CutStep(const QString &text, QString resultFile, QString holdingFolder, std::optional<Result> before,
                 HeldFile previous, std::optional<Result> after, Release release, Show show)
    : SourceStep(text), resultFile_(std::move(resultFile)),
      holdingFolder_(std::move(holdingFolder)), before_(std::move(before)), after_(std::move(after)),
      held_(std::move(previous)), release_(std::move(release)), show_(std::move(show))
{
    // A result whose file was not held cannot come back.
    if (!held_)
        before_.reset();
}

void CutStep::redo()
{
    if (isObsolete())
        return;
    if (!made_) {
        made_ = true;
        return;
    }
    exchange(before_, after_);
}

void CutStep::undo()
{
    if (!isObsolete())
        exchange(after_, before_);
}

void CutStep::retire()
{
    SourceStep::retire();
    held_.discard();
}

void CutStep::exchange(const std::optional<Result> &from, const std::optional<Result> &to)
{
    release_();
    HeldFile shown;
    if (from) {
        shown = HeldFile::take(resultFile_, holdingFolder_);
        // What cannot be held goes, so that the other result can take its place.
        if (!shown)
            QFile::remove(resultFile_);
    }
    const bool back = to && held_.putBack(resultFile_);
    held_ = std::move(shown);
    show_(back ? to : std::nullopt);
}

} // namespace trevisto
