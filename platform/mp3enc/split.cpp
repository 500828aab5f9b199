#include "platform/mp3enc/split.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace trevisto::mp3enc {

std::vector<Stretch> planStretches(int64_t samples, int sampleRate, int samplesPerFrame, const SplitRules &rules)
{
    if (samples <= 0 || sampleRate <= 0 || samplesPerFrame <= 0)
        return {};
    const int64_t threads = rules.threads ? rules.threads : std::max(1u, std::thread::hardware_concurrency());
    // A stretch must hold its own warm-up and the frames repacked at its end, whatever
    // the rules say, so that every splice has frames on both sides to work with.
    const int64_t floorFrames = 2 * (kWarmUpFrames + kSpliceFrames + kLookAheadFrames);
    const int64_t minFrames =
        std::max<int64_t>(floorFrames, int64_t(std::ceil(rules.minStretchSeconds * sampleRate / samplesPerFrame)));
    const int64_t wholeFrames = samples / samplesPerFrame;
    const int64_t count = std::min(threads, wholeFrames / minFrames);
    if (count < 2)
        return {};
    std::vector<Stretch> plan(static_cast<size_t>(count));
    for (int64_t k = 0; k < count; ++k) {
        Stretch &s = plan[size_t(k)];
        s.firstFrame = k * wholeFrames / count;
        s.warmUpFrames = k == 0 ? 0 : kWarmUpFrames;
        s.feedFrom = (s.firstFrame - s.warmUpFrames) * samplesPerFrame;
        if (k + 1 < count) {
            s.endFrame = (k + 1) * wholeFrames / count;
            s.feedTo = std::min(samples, (s.endFrame + kLookAheadFrames) * samplesPerFrame);
        } else {
            s.feedTo = samples;
        }
    }
    return plan;
}

} // namespace trevisto::mp3enc
