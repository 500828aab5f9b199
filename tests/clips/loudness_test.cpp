#include "clips/loudness.h"

#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trevisto;

namespace {

std::vector<float> floats(const test::Pcm &pcm)
{
    std::vector<float> out;
    for (int16_t s : pcm.samples)
        out.push_back(float(s) / 32768.f);
    return out;
}

// A varied sound: tone and noise whose level changes every few seconds, so the gating
// and the blocks at stretch boundaries matter.
test::Pcm varied(int rate, int channels, int seconds)
{
    test::Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    for (int s = 0; s < seconds; s += 5) {
        test::BusyMix mix;
        mix.tone = 0.05 + 0.4 * ((s / 5) % 4) / 3.0;
        mix.noise = 0.02 + 0.05 * ((s / 5) % 3);
        const test::Pcm part = test::makeBusySound(rate, channels, 5, uint32_t(s + 1), mix);
        pcm.samples.insert(pcm.samples.end(), part.samples.begin(), part.samples.end());
    }
    return pcm;
}

TEST(Loudness, StretchesOnEveryCoreMeasureAsOneStateDoes)
{
    test::TempDir dir;
    struct Case {
        int rate, channels, seconds, threads;
    };
    for (const Case &c : {Case{44100, 2, 130, 4}, Case{48000, 1, 95, 3}, Case{44100, 2, 61, 2}}) {
        const test::Pcm pcm = varied(c.rate, c.channels, c.seconds);
        const std::string path = dir.file("varied.wav");
        test::writeWav(path, pcm);
        const std::vector<float> samples = floats(pcm);
        const Loudness whole = measureLoudness(samples.data(), int64_t(pcm.frames()), c.channels, c.rate);
        LoudnessOptions options;
        options.threads = c.threads;
        const Loudness split = measureLoudness(path, options);
        ASSERT_TRUE(split.measured) << split.why;
        ASSERT_TRUE(whole.hasLoudness());
        EXPECT_NEAR(split.lufs, whole.lufs, 0.1) << c.rate << " Hz, " << c.threads << " stretches";
        EXPECT_NEAR(split.truePeakDb, whole.truePeakDb, 1e-6);
    }
}

TEST(Loudness, KnownLevelsAndRanges)
{
    test::TempDir dir;
    // A full-scale 1 kHz sine in one channel reads -3.01 LUFS, in both 0 LUFS; at half
    // amplitude, 6 dB less, its true peak near -6 dBTP.
    const test::Pcm tone = test::makeTone(48000, 2, 10, 1000, 0.5);
    const std::string path = dir.file("tone.wav");
    test::writeWav(path, tone);
    const Loudness l = measureLoudness(path);
    ASSERT_TRUE(l.hasLoudness());
    EXPECT_NEAR(l.lufs, -6.02, 0.1);
    EXPECT_NEAR(l.truePeakDb, -6.02, 0.2);

    // A range: the silent half of a file measures as silence, the other half as the tone.
    test::Pcm halves = tone;
    halves.samples.resize(halves.samples.size() * 2, 0);
    test::writeWav(path, halves);
    LoudnessOptions first, second;
    first.count = 48000 * 10;
    second.first = 48000 * 10;
    EXPECT_NEAR(measureLoudness(path, first).lufs, l.lufs, 0.01);
    const Loudness quiet = measureLoudness(path, second);
    EXPECT_TRUE(quiet.measured);
    EXPECT_FALSE(quiet.hasLoudness());
}

TEST(Loudness, AStopOrAMissingFileLeavesItUnmeasured)
{
    test::TempDir dir;
    EXPECT_FALSE(measureLoudness(dir.file("missing.wav")).measured);
    const std::string path = dir.file("tone.wav");
    test::writeWav(path, test::makeTone(44100, 2, 5, 440));
    std::atomic_bool stop{true};
    LoudnessOptions options;
    options.stop = &stop;
    EXPECT_FALSE(measureLoudness(path, options).measured);
}

} // namespace
