#pragma once
// The split points proposed on the loaded sound, and the tracks between them: found at its
// pauses, every so many minutes, or read from a cue sheet, then changed point by point by
// the user, each change a step Undo takes back. "Add as clips" makes a clip of every track.
//
// Points are frames of the working file, so a cue sheet's tracks are exact to the sample;
// the window shows and moves them by the millisecond.

#include "editor/sourcesteps.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace trevisto {

struct SplitPoint {
    int64_t frame = 0;
    QString name; // of the track it starts; empty: named by the pattern
    bool operator==(const SplitPoint &) const = default;
};

struct SplitPlan {
    // The tracks lie in [first, end): the whole sound, the marked range, or a cue sheet's
    // first track to the end.
    int64_t first = 0, end = 0;
    QString firstName; // of the track at `first`
    std::vector<SplitPoint> points; // in order, strictly inside (first, end)

    bool empty() const { return points.empty() && end <= first; }
    bool operator==(const SplitPlan &) const = default;
};

struct PlannedTrack {
    int64_t first = 0, end = 0; // frames
    QString name;
    bool operator==(const PlannedTrack &) const = default;
};

// The plan of `points` (any order; those outside the range and repeats are dropped).
SplitPlan PlanOf(int64_t first, int64_t end, std::vector<int64_t> points);

// The tracks of `plan`, in order.
std::vector<PlannedTrack> TracksOf(const SplitPlan &plan);

// `plan` with a point at `frame`, unnamed; nullopt when it would be on the range's ends,
// outside, or on a point already there.
std::optional<SplitPlan> WithPointAdded(const SplitPlan &plan, int64_t frame);
// `plan` without point `index`; the tracks it divided become one with the first's name.
SplitPlan WithPointRemoved(const SplitPlan &plan, size_t index);
// `plan` with point `index` moved to `frame`, kept one frame inside its neighbours.
SplitPlan WithPointMoved(const SplitPlan &plan, size_t index, int64_t frame);
// The point nearest `frame`, or nullopt with none.
std::optional<size_t> NearestPoint(const SplitPlan &plan, int64_t frame);

// The plan changed as one step: `show` puts a plan on screen.
class SplitPlanStep : public SourceStep {
public:
    using Show = std::function<void(const SplitPlan &)>;
    SplitPlanStep(const QString &text, SplitPlan before, SplitPlan after, Show show);
    void redo() override;
    void undo() override;

private:
    SplitPlan before_, after_;
    Show show_;
};

// The texts of the steps, in the language of the program's messages.
QString FoundPausesText(size_t points);
QString SplitEveryText(int64_t minutes);
QString CueSheetText(const QString &sheet);
QString AddSplitText(qint64 ms);
QString RemoveSplitText(qint64 ms);
QString MoveSplitText(qint64 fromMs, qint64 toMs);
QString ClearSplitsText();

} // namespace trevisto
