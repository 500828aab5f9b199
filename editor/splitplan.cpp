#include "editor/splitplan.h"

#include "editor/timetext.h"

#include <QCoreApplication>

#include <algorithm>

namespace trevisto {

namespace {

struct SplitSteps {
    Q_DECLARE_TR_FUNCTIONS(SplitSteps)
};

} // namespace

SplitPlan PlanOf(int64_t first, int64_t end, std::vector<int64_t> points)
{
    SplitPlan plan{first, end, {}, {}};
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    for (const int64_t frame : points)
        if (frame > first && frame < end)
            plan.points.push_back({frame, {}});
    return plan;
}

std::vector<PlannedTrack> TracksOf(const SplitPlan &plan)
{
    std::vector<PlannedTrack> tracks;
    if (plan.end <= plan.first)
        return tracks;
    int64_t start = plan.first;
    QString name = plan.firstName;
    for (const SplitPoint &point : plan.points) {
        tracks.push_back({start, point.frame, name});
        start = point.frame;
        name = point.name;
    }
    tracks.push_back({start, plan.end, name});
    return tracks;
}

std::optional<SplitPlan> WithPointAdded(const SplitPlan &plan, int64_t frame)
{
    if (frame <= plan.first || frame >= plan.end)
        return std::nullopt;
    const auto at = std::lower_bound(plan.points.begin(), plan.points.end(), frame,
                                     [](const SplitPoint &p, int64_t f) { return p.frame < f; });
    if (at != plan.points.end() && at->frame == frame)
        return std::nullopt;
    SplitPlan changed = plan;
    changed.points.insert(changed.points.begin() + (at - plan.points.begin()), SplitPoint{frame, {}});
    return changed;
}

SplitPlan WithPointRemoved(const SplitPlan &plan, size_t index)
{
    SplitPlan changed = plan;
    if (index < changed.points.size())
        changed.points.erase(changed.points.begin() + ptrdiff_t(index));
    return changed;
}

SplitPlan WithPointMoved(const SplitPlan &plan, size_t index, int64_t frame)
{
    SplitPlan changed = plan;
    if (index >= changed.points.size())
        return changed;
    const int64_t low = (index == 0 ? plan.first : plan.points[index - 1].frame) + 1;
    const int64_t high = (index + 1 == plan.points.size() ? plan.end : plan.points[index + 1].frame) - 1;
    if (low <= high)
        changed.points[index].frame = std::clamp(frame, low, high);
    return changed;
}

std::optional<size_t> NearestPoint(const SplitPlan &plan, int64_t frame)
{
    std::optional<size_t> nearest;
    for (size_t i = 0; i < plan.points.size(); ++i)
        if (!nearest || std::llabs(plan.points[i].frame - frame) < std::llabs(plan.points[*nearest].frame - frame))
            nearest = i;
    return nearest;
}

SplitPlanStep::SplitPlanStep(const QString &text, SplitPlan before, SplitPlan after, Show show)
    : SourceStep(text), before_(std::move(before)), after_(std::move(after)), show_(std::move(show))
{
}

void SplitPlanStep::redo()
{
    if (!isObsolete())
        show_(after_);
}

void SplitPlanStep::undo()
{
    if (!isObsolete())
        show_(before_);
}

QString FoundPausesText(size_t points)
{
    return SplitSteps::tr("Split points at %n pause(s)", nullptr, int(points));
}

QString SplitEveryText(int64_t minutes)
{
    return SplitSteps::tr("Split points every %n minute(s)", nullptr, int(minutes));
}

QString CueSheetText(const QString &sheet)
{
    return SplitSteps::tr("Split points of %1").arg(sheet);
}

QString AddSplitText(qint64 ms)
{
    return SplitSteps::tr("Split point at %1").arg(MillisecondText(ms));
}

QString RemoveSplitText(qint64 ms)
{
    return SplitSteps::tr("Split point at %1 removed").arg(MillisecondText(ms));
}

QString MoveSplitText(qint64 fromMs, qint64 toMs)
{
    return SplitSteps::tr("Split point moved from %1 to %2").arg(MillisecondText(fromMs), MillisecondText(toMs));
}

QString ClearSplitsText()
{
    return SplitSteps::tr("Split points cleared");
}

} // namespace trevisto
