#include "tracks/pauses.h"

#include <algorithm>
#include <cmath>

namespace trevisto::tracks {

namespace {

double percentile(std::vector<double> values, double fraction)
{
    const size_t at = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    std::nth_element(values.begin(), values.begin() + ptrdiff_t(at), values.end());
    return values[at];
}

} // namespace

double AutomaticThreshold(const Levels &levels)
{
    if (levels.meanSquare.empty())
        return kSilenceDb;
    std::vector<double> db(levels.meanSquare.size());
    for (int64_t s = 0; s < levels.steps(); ++s)
        db[size_t(s)] = levels.db(s);
    // The floor is what the quietest few percent of the sound sit at: room noise, hiss, the
    // dither of a digital silence. A pause is up to 12 dB above it; the typical level minus
    // 18 dB caps that, so quiet music is not taken for a pause when there is none.
    const double floor = percentile(db, 0.02);
    const double typical = percentile(db, 0.5);
    return std::clamp(std::min(floor + 12.0, typical - 18.0), -90.0, -20.0);
}

std::vector<Pause> FindPauses(const Levels &levels, double thresholdDbfs, int64_t minPauseMs)
{
    // Compared as mean squares, so no logarithm per step.
    const double below = std::pow(10.0, thresholdDbfs / 10.0);
    const int64_t minFrames = levels.msToFrames(minPauseMs);
    std::vector<Pause> pauses;
    int64_t runStart = -1;
    for (int64_t s = 0; s <= levels.steps(); ++s) {
        const bool quiet = s < levels.steps() && double(levels.meanSquare[size_t(s)]) < below;
        if (quiet && runStart < 0)
            runStart = s;
        if (!quiet && runStart >= 0) {
            const Pause pause{levels.stepStart(runStart), s < levels.steps() ? levels.stepStart(s) : levels.endFrame()};
            if (pause.end - pause.first >= minFrames)
                pauses.push_back(pause);
            runStart = -1;
        }
    }
    return pauses;
}

std::vector<int64_t> KeepTracksLongEnough(const std::vector<int64_t> &points, int64_t first, int64_t end,
                                          int64_t minFrames)
{
    std::vector<int64_t> kept;
    int64_t previous = first;
    for (const int64_t point : points)
        if (point - previous >= minFrames && point > first && point < end) {
            kept.push_back(point);
            previous = point;
        }
    while (!kept.empty() && end - kept.back() < minFrames)
        kept.pop_back();
    return kept;
}

std::vector<int64_t> PauseSplitPoints(const Levels &levels, const PauseSearch &search)
{
    const double threshold = search.thresholdDbfs ? *search.thresholdDbfs : AutomaticThreshold(levels);
    std::vector<int64_t> points;
    for (const Pause &pause : FindPauses(levels, threshold, search.minPauseMs)) {
        // Silence before the first sound or after the last belongs to the track it borders.
        if (pause.first <= levels.firstFrame || pause.end >= levels.endFrame())
            continue;
        if (search.keepPauseMs)
            points.push_back(pause.first + std::min(pause.end - pause.first, levels.msToFrames(*search.keepPauseMs)));
        else
            points.push_back(pause.first + (pause.end - pause.first) / 2);
    }
    return KeepTracksLongEnough(points, levels.firstFrame, levels.endFrame(), levels.msToFrames(search.minTrackMs));
}

std::vector<int64_t> EverySplitPoints(const Levels &levels, int64_t everyMs, int64_t reachMs)
{
    std::vector<int64_t> points;
    const int64_t every = levels.msToFrames(everyMs);
    if (every <= 0 || levels.steps() == 0)
        return points;
    // Quiet over a tenth of a second, so one quiet step inside a loud passage does not win.
    constexpr int64_t kSpan = 10;
    std::vector<double> span(size_t(levels.steps()), 0.0);
    for (int64_t s = 0; s < levels.steps(); ++s)
        for (int64_t k = std::max<int64_t>(0, s - kSpan + 1); k <= s; ++k)
            span[size_t(s)] += levels.meanSquare[size_t(k)]; // the span ending with step s
    const int64_t reach = levels.msToFrames(reachMs);
    for (int64_t nominal = levels.firstFrame + every; nominal < levels.endFrame(); nominal += every) {
        const int64_t nominalStep = levels.stepAt(nominal);
        const int64_t lo = std::max<int64_t>(kSpan - 1, levels.stepAt(nominal - reach));
        const int64_t hi = levels.stepAt(nominal + reach);
        int64_t best = -1;
        for (int64_t s = lo; s <= hi; ++s) {
            // The span's middle is where the point would go.
            const int64_t middle = s - kSpan / 2 + 1;
            if (best < 0 || span[size_t(s)] < span[size_t(best)] ||
                (span[size_t(s)] == span[size_t(best)] &&
                 std::llabs(middle - nominalStep) < std::llabs(best - kSpan / 2 + 1 - nominalStep)))
                best = s;
        }
        int64_t point = best < 0 ? nominal : levels.stepStart(best - kSpan / 2 + 1);
        if (point <= levels.firstFrame || point >= levels.endFrame() || (!points.empty() && point <= points.back()))
            continue;
        points.push_back(point);
    }
    return points;
}

} // namespace trevisto::tracks
