#include "clips/loudness.h"

#include "platform/wav/wav.h"

#include <ebur128.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

namespace trevisto {

namespace {

// Frames read and measured per step; also how late a stop is seen at most.
constexpr int64_t kBlockFrames = 1 << 16;
// A stretch shorter than this is not worth a thread: its boundary blocks would weigh more.
constexpr int64_t kShortestStretchSeconds = 30;

struct StateDeleter {
    void operator()(ebur128_state *state) const { ebur128_destroy(&state); }
};
using State = std::unique_ptr<ebur128_state, StateDeleter>;

State newState(int channels, int sampleRate)
{
    return State(ebur128_init(unsigned(channels), static_cast<unsigned long>(sampleRate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
}

double truePeak(ebur128_state *state, int channels)
{
    double peak = 0;
    for (int c = 0; c < channels; ++c) {
        double p = 0;
        if (ebur128_true_peak(state, unsigned(c), &p) == EBUR128_SUCCESS)
            peak = std::max(peak, p);
    }
    return peak;
}

struct Stretch {
    int64_t first = 0, count = 0;
    State state;
    bool ok = false;
};

void measureStretch(const std::string &path, Stretch &stretch, const std::atomic_bool *stop)
{
    auto file = wav::File::open(path);
    if (!file || !stretch.state)
        return;
    const wav::Format &format = file->format();
    std::vector<unsigned char> raw(size_t(kBlockFrames) * format.blockAlign());
    std::vector<float> samples(size_t(kBlockFrames) * format.channels);
    for (int64_t done = 0; done < stretch.count;) {
        if (stop && stop->load(std::memory_order_relaxed))
            return;
        const int64_t want = std::min(kBlockFrames, stretch.count - done);
        const int64_t got = file->readFrames(stretch.first + done, want, raw.data());
        if (got != want)
            return;
        wav::toFloat(format, raw.data(), got, 0, format.channels, samples.data());
        if (ebur128_add_frames_float(stretch.state.get(), samples.data(), size_t(got)) != EBUR128_SUCCESS)
            return;
        done += got;
    }
    stretch.ok = true;
}

} // namespace

double peakToDb(double peak) { return peak > 0 ? 20 * std::log10(peak) : -HUGE_VAL; }

Loudness measureLoudness(const std::string &path, const LoudnessOptions &options)
{
    Loudness result;
    wav::Info info;
    if (wav::readInfo(path, info) != wav::ReadError::None) {
        result.why = "the file cannot be read as WAV";
        return result;
    }
    const int64_t first = std::clamp<int64_t>(options.first, 0, info.frames);
    const int64_t count = options.count < 0 ? info.frames - first : std::min(options.count, info.frames - first);
    const int channels = info.format.channels;
    const int rate = int(info.format.sampleRate);

    int threads = options.threads > 0 ? options.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    threads = int(std::clamp<int64_t>(count / (kShortestStretchSeconds * rate), 1, threads));
    std::vector<Stretch> stretches(static_cast<size_t>(threads));
    for (int i = 0; i < threads; ++i) {
        Stretch &s = stretches[size_t(i)];
        s.first = first + count * i / threads;
        s.count = first + count * (i + 1) / threads - s.first;
        s.state = newState(channels, rate);
    }
    if (threads == 1) {
        measureStretch(path, stretches.front(), options.stop);
    } else {
        std::vector<std::jthread> workers;
        for (Stretch &s : stretches)
            workers.emplace_back([&path, &s, &options] { measureStretch(path, s, options.stop); });
    }
    if (options.stop && options.stop->load()) {
        result.why = "stopped";
        return result;
    }
    std::vector<ebur128_state *> states;
    double peak = 0;
    for (Stretch &s : stretches) {
        if (!s.ok) {
            result.why = "the file could not be read to its end";
            return result;
        }
        states.push_back(s.state.get());
        peak = std::max(peak, truePeak(s.state.get(), channels));
    }
    double lufs = -HUGE_VAL;
    if (ebur128_loudness_global_multiple(states.data(), states.size(), &lufs) != EBUR128_SUCCESS)
        lufs = -HUGE_VAL;
    result.measured = true;
    result.lufs = lufs;
    result.truePeakDb = peakToDb(peak);
    return result;
}

LoudnessMeter::LoudnessMeter(int channels, int sampleRate)
    : state_(newState(channels, sampleRate).release()), channels_(channels), failed_(state_ == nullptr)
{
}

LoudnessMeter::~LoudnessMeter()
{
    if (state_)
        State(static_cast<ebur128_state *>(state_));
}

bool LoudnessMeter::add(const float *samples, int64_t frames)
{
    if (!failed_ && frames > 0)
        failed_ = ebur128_add_frames_float(static_cast<ebur128_state *>(state_), samples, size_t(frames)) != EBUR128_SUCCESS;
    return !failed_;
}

Loudness LoudnessMeter::result() const
{
    Loudness result;
    if (failed_) {
        result.why = "the sound cannot be measured";
        return result;
    }
    double lufs = -HUGE_VAL;
    auto *state = static_cast<ebur128_state *>(state_);
    if (ebur128_loudness_global(state, &lufs) != EBUR128_SUCCESS)
        lufs = -HUGE_VAL;
    result.measured = true;
    result.lufs = lufs;
    result.truePeakDb = peakToDb(truePeak(state, channels_));
    return result;
}

Loudness measureLoudness(const float *samples, int64_t frames, int channels, int sampleRate)
{
    LoudnessMeter meter(channels, sampleRate);
    meter.add(samples, frames);
    return meter.result();
}

} // namespace trevisto
