#include "tracks/levels.h"

#include "platform/wav/wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <thread>

namespace trevisto::tracks {

int64_t StepFrames(uint32_t rate) { return std::max<int64_t>(1, rate / 100); }

int64_t Levels::stepEnd(int64_t step) const { return std::min(endFrame(), stepStart(step + 1)); }

int64_t Levels::stepAt(int64_t frame) const
{
    if (meanSquare.empty())
        return 0;
    return std::clamp<int64_t>((frame - firstFrame) / stepFrames, 0, steps() - 1);
}

double Levels::db(int64_t step) const
{
    const float ms = meanSquare[size_t(step)];
    return ms > 0 ? std::max(kSilenceDb, 10.0 * std::log10(double(ms))) : kSilenceDb;
}

Levels LevelsOf(const float *interleaved, int channels, uint32_t rate, int64_t frames, int64_t firstFrame)
{
    Levels levels;
    levels.rate = rate;
    levels.firstFrame = firstFrame;
    levels.frames = frames;
    levels.stepFrames = StepFrames(rate);
    for (int64_t start = 0; start < frames; start += levels.stepFrames) {
        const int64_t n = std::min(levels.stepFrames, frames - start);
        double sum = 0;
        for (int64_t i = start * channels; i < (start + n) * channels; ++i)
            sum += double(interleaved[i]) * interleaved[i];
        levels.meanSquare.push_back(float(sum / (double(n) * channels)));
    }
    return levels;
}

namespace {

constexpr int kMaxChannels = 32;

// Exact in 64 bits for any step; written so that the compiler turns it into vector
// multiply-adds.
int64_t sumOfSquares(const int16_t *p, int64_t count)
{
    int64_t total = 0;
    for (int64_t i = 0; i < count; ++i)
        total += int32_t(p[i]) * int32_t(p[i]);
    return total;
}

// Steps [firstStep, endStep) of `levels`, read from `file` in blocks of whole steps.
MeasureResult measureStretch(const wav::File &file, Levels &levels, int64_t firstStep, int64_t endStep,
                             const std::atomic<bool> *stop)
{
    const wav::Format &format = file.format();
    const int channels = format.channels;
    const size_t frameBytes = format.blockAlign();
    const int64_t stepsPerBlock = std::max<int64_t>(1, (int64_t(1) << 20) / (levels.stepFrames * int64_t(frameBytes)));
    const int64_t blockFrames = stepsPerBlock * levels.stepFrames;
    // 16-bit samples are read into int16_t storage so they can be read as such; other layouts
    // go through floats.
    std::vector<int16_t> samples((size_t(blockFrames) * frameBytes + 1) / 2);
    auto *bytes = reinterpret_cast<unsigned char *>(samples.data());
    const bool plain16 = format.tag == wav::kTagPcm && format.bitsPerSample == 16;
    std::vector<float> floats(plain16 ? 0 : size_t(blockFrames) * size_t(channels));

    for (int64_t step = firstStep; step < endStep; step += stepsPerBlock) {
        if (stop && stop->load(std::memory_order_relaxed))
            return {false, true, 0};
        const int64_t first = levels.stepStart(step);
        const int64_t want = levels.stepEnd(std::min(endStep, step + stepsPerBlock) - 1) - first;
        int error = 0;
        const int64_t got = file.readFrames(first, want, bytes, &error);
        if (got < 0)
            return {false, false, error};
        if (got < want) // the file shrank underneath: what is missing counts as silence
            std::memset(bytes + got * int64_t(frameBytes), 0, size_t(want - got) * frameBytes);
        if (!plain16)
            wav::toFloat(format, bytes, want, 0, channels, floats.data());
        for (int64_t s = step, offset = 0; offset < want; ++s, offset += levels.stepFrames) {
            const int64_t n = std::min(levels.stepFrames, want - offset);
            double meanSquare = 0;
            if (plain16) {
                const int16_t *p = samples.data() + offset * channels;
                meanSquare = double(sumOfSquares(p, n * channels)) / (double(n) * channels * 32768.0 * 32768.0);
            } else {
                const float *p = floats.data() + offset * channels;
                double sum = 0;
                for (int64_t i = 0; i < n * channels; ++i)
                    sum += double(p[i]) * p[i];
                meanSquare = sum / (double(n) * channels);
            }
            levels.meanSquare[size_t(s)] = float(meanSquare);
        }
    }
    return {true, false, 0};
}

} // namespace

MeasureResult MeasureLevels(const wav::File &file, int64_t first, int64_t count, Levels &levels,
                            const std::atomic<bool> *stop, unsigned threads)
{
    const wav::Format &format = file.format();
    levels = {};
    levels.rate = format.sampleRate;
    levels.stepFrames = StepFrames(format.sampleRate);
    levels.firstFrame = std::clamp<int64_t>(first, 0, file.info().frames);
    levels.frames = std::clamp<int64_t>(count, 0, file.info().frames - levels.firstFrame);
    if (format.channels < 1 || format.channels > kMaxChannels)
        return {false, false, 0};
    levels.meanSquare.assign(size_t((levels.frames + levels.stepFrames - 1) / levels.stepFrames), 0.0f);
    const int64_t steps = levels.steps();
    // Below a minute a second thread costs more than it saves.
    if (threads == 0)
        threads = unsigned(std::clamp<int64_t>(steps / 6000, 1, std::max(1u, std::thread::hardware_concurrency())));
    threads = unsigned(std::clamp<int64_t>(threads, 1, std::max<int64_t>(1, steps)));

    std::vector<MeasureResult> results(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back([&, t] {
            results[t] = measureStretch(file, levels, steps * t / threads, steps * (t + 1) / threads, stop);
        });
    results[0] = measureStretch(file, levels, 0, steps / threads, stop);
    for (auto &worker : workers)
        worker.join();
    for (const MeasureResult &result : results)
        if (!result.ok)
            return result;
    return {true, false, 0};
}

} // namespace trevisto::tracks
