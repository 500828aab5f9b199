#pragma once
// Where a long sound splits into tracks: in its pauses, or every so many minutes at the
// quietest place near each. Points are sound frames, in order, strictly inside the
// measured range; a track is the sound between two neighbouring points (or a point and an
// end of the range).

#include "tracks/levels.h"

#include <optional>

namespace trevisto::tracks {

struct PauseSearch {
    std::optional<double> thresholdDbfs; // none: from the sound's own noise floor
    int64_t minPauseMs = 1000;
    int64_t minTrackMs = 10000;
    // Where the split falls in its pause: none for its middle, else this many ms of the
    // pause stay at the end of the track before it (all of a shorter pause).
    std::optional<int64_t> keepPauseMs;
};

// The level below which a step counts as pause when none is given: a little above the
// quietest level the sound keeps returning to, but well below its typical level, so a
// sound without pauses finds none.
double AutomaticThreshold(const Levels &levels);

struct Pause {
    int64_t first = 0, end = 0; // frames, end exclusive
};
// Runs of steps below `thresholdDbfs` lasting at least `minPauseMs`, those that touch an end
// of the range included.
std::vector<Pause> FindPauses(const Levels &levels, double thresholdDbfs, int64_t minPauseMs);

// The split points a pause search proposes: one per pause inside the range, then as few
// dropped as keep every track at least minTrackMs long.
std::vector<int64_t> PauseSplitPoints(const Levels &levels, const PauseSearch &search);

// A point every `everyMs`, each moved to the quietest tenth of a second within `reachMs`
// of it (the nearest of equally quiet places).
std::vector<int64_t> EverySplitPoints(const Levels &levels, int64_t everyMs, int64_t reachMs = 30000);

// `points` (sorted) less those that would leave a track shorter than `minFrames` between
// `first` and `end`: the earliest that fits is kept, and the last point yields to the end.
std::vector<int64_t> KeepTracksLongEnough(const std::vector<int64_t> &points, int64_t first, int64_t end,
                                          int64_t minFrames);

} // namespace trevisto::tracks
