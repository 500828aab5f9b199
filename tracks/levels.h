#pragma once
// A sound's loudness step by step: the mean square of its samples, all channels together,
// over each step of a hundredth of a second. Finding pauses and quiet places reads these rather than the
// sound, so a day-long sound costs one pass over its file and a few megabytes.

#include <atomic>
#include <cstdint>
#include <vector>

namespace trevisto::wav {
class File;
}

namespace trevisto::tracks {

// Frames in one step: a hundredth of a second, rounded down (220 at 22050 Hz).
int64_t StepFrames(uint32_t rate);

struct Levels {
    uint32_t rate = 0;
    int64_t firstFrame = 0; // where the first step starts in the sound
    int64_t frames = 0;     // frames measured; the last step may be shorter than the others
    int64_t stepFrames = 1;
    std::vector<float> meanSquare; // full scale is 1

    int64_t steps() const { return int64_t(meanSquare.size()); }
    int64_t stepStart(int64_t step) const { return firstFrame + step * stepFrames; }
    int64_t stepEnd(int64_t step) const;
    int64_t endFrame() const { return firstFrame + frames; }
    // The step holding `frame`, clamped to the steps there are.
    int64_t stepAt(int64_t frame) const;
    // A step's level in dBFS; silence counts as kSilenceDb.
    double db(int64_t step) const;
    int64_t msToFrames(int64_t ms) const { return ms * int64_t(rate) / 1000; }
};

constexpr double kSilenceDb = -120.0;

// Levels of `frames` interleaved float frames (full scale 1) starting at sound frame
// `firstFrame`: for sounds already in memory and for tests.
Levels LevelsOf(const float *interleaved, int channels, uint32_t rate, int64_t frames, int64_t firstFrame = 0);

struct MeasureResult {
    bool ok = false;
    bool stopped = false; // `stop` was set; the levels are incomplete
    int systemError = 0;  // the errno of a refused read
};

// Measures frames [first, first + count) of `file`, one stretch per thread (0: one per
// core). `stop`, when given, is polled between blocks.
MeasureResult MeasureLevels(const wav::File &file, int64_t first, int64_t count, Levels &levels,
                            const std::atomic<bool> *stop = nullptr, unsigned threads = 0);

} // namespace trevisto::tracks
