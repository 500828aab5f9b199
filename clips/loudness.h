#pragma once
// The integrated loudness (EBU R128, in LUFS) and the true peak (in dBTP) of a WAV file or
// a stretch of it. Long sounds are measured on every core: each core measures a stretch of
// its own and the stretches' gating blocks are pooled for the integrated figure, which then
// differs from one measure of the whole only by the few 400 ms blocks that would straddle
// a stretch boundary. Knows nothing of widgets.

#include <atomic>
#include <cmath>
#include <cstdint>
#include <string>

namespace trevisto {

struct Loudness {
    bool measured = false;   // false: `why` says what stopped the measure
    double lufs = -HUGE_VAL; // -inf for silence or a sound shorter than one gating block
    double truePeakDb = -HUGE_VAL;
    std::string why;

    // Silence and sounds too short to gate have no loudness to match.
    bool hasLoudness() const { return measured && std::isfinite(lufs); }
};

struct LoudnessOptions {
    int64_t first = 0;  // the first frame measured
    int64_t count = -1; // frames measured; -1: to the end
    int threads = 0;    // 0: one per core
    const std::atomic_bool *stop = nullptr; // set to end the measure early, unmeasured
};

// Measures the sound of the WAV file at `path` (native).
Loudness measureLoudness(const std::string &path, const LoudnessOptions &options = {});

// Measures interleaved float samples held in memory, in one pass.
Loudness measureLoudness(const float *samples, int64_t frames, int channels, int sampleRate);

// Measures float frames fed to it in order, in one pass.
class LoudnessMeter {
public:
    LoudnessMeter(int channels, int sampleRate);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter &) = delete;
    LoudnessMeter &operator=(const LoudnessMeter &) = delete;
    bool add(const float *samples, int64_t frames);
    Loudness result() const;

private:
    void *state_; // the library's state, whose type its header alone names
    int channels_;
    bool failed_ = false;
};

// A true peak as a level: 20·log10(peak), -inf for 0.
double peakToDb(double peak);

} // namespace trevisto
