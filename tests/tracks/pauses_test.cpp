// Where a long sound splits: its level step by step, read from files of every sample layout
// and on any number of threads, and the points proposed at pauses or every so many minutes.
#include "tracks/levels.h"
#include "tracks/pauses.h"

#include "platform/wav/wav.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

using namespace trevisto::tracks;
using trevisto::test::TempDir;

// Mono or stereo float sound built piece by piece, with noise from a fixed seed.
struct Sound {
    uint32_t rate = 44100;
    int channels = 2;
    std::vector<float> samples;
    uint32_t seed = 12345;

    int64_t frames() const { return int64_t(samples.size()) / channels; }
    float noise()
    {
        seed = seed * 1664525u + 1013904223u;
        return float(int32_t(seed) / 2147483648.0);
    }
    // Music enough: two tones and noise, loud throughout (about -10 dBFS).
    void music(double seconds)
    {
        const int64_t start = frames();
        for (int64_t f = 0; f < int64_t(seconds * rate); ++f) {
            const double t = double(start + f) / rate;
            for (int c = 0; c < channels; ++c)
                samples.push_back(float(0.3 * std::sin(2 * std::numbers::pi * (220 + 55 * c) * t) +
                                        0.2 * std::sin(2 * std::numbers::pi * 1250 * t) + 0.05 * noise()));
        }
    }
    // Noise whose level is `db` dBFS (uniform noise of peak a has a mean square of a²/3).
    void hush(double seconds, double db)
    {
        const float peak = float(std::pow(10.0, db / 20.0) * std::sqrt(3.0));
        for (int64_t i = 0; i < int64_t(seconds * rate) * channels; ++i)
            samples.push_back(peak * noise());
    }
    void silence(double seconds) { samples.resize(samples.size() + size_t(seconds * rate) * size_t(channels), 0.0f); }
    Levels levels() const { return LevelsOf(samples.data(), channels, rate, frames()); }
    int64_t at(double seconds) const { return int64_t(std::llround(seconds * rate)); }
};

// Five pieces of 15 s with 2 s of noise at -60 dBFS between them, the second with a 0.4 s
// quiet passage inside: gaps from 15-17, 32-34, 49-51 and 66-68 s.
Sound fivePieces()
{
    Sound sound;
    for (int piece = 0; piece < 5; ++piece) {
        if (piece > 0)
            sound.hush(2.0, -60);
        if (piece == 1) {
            sound.music(7.0);
            sound.hush(0.4, -60);
            sound.music(7.6);
        } else {
            sound.music(15.0);
        }
    }
    return sound;
}

PauseSearch threshold(double db)
{
    PauseSearch search;
    search.thresholdDbfs = db;
    return search;
}

PauseSearch shortest(int64_t pauseMs, int64_t trackMs)
{
    PauseSearch search;
    search.minPauseMs = pauseMs;
    search.minTrackMs = trackMs;
    return search;
}

PauseSearch keeping(int64_t ms)
{
    PauseSearch search;
    search.keepPauseMs = ms;
    return search;
}

TEST(PauseSplitPoints, ProposesOnePointPerPauseAsTheSearchAsks)
{
    const Sound sound = fivePieces();
    const Levels levels = sound.levels();
    const auto s = [&](double seconds) { return sound.at(seconds); };
    const struct {
        const char *what;
        PauseSearch search;
        std::vector<int64_t> expected;
    } cases[] = {
        {"defaults: the middle of each gap, not the short passage", {}, {s(16), s(33), s(50), s(67)}},
        {"a threshold below the noise finds none", threshold(-70.0), {}},
        {"a threshold above it finds the same", threshold(-45.0), {s(16), s(33), s(50), s(67)}},
        {"pauses shorter than asked are none", shortest(2500, 10000), {}},
        {"a short shortest pause takes the quiet passage too", shortest(300, 5000),
         {s(16), s(24.2), s(33), s(50), s(67)}},
        {"tracks of 30 s at least: every other point, the last yielding to the end",
         shortest(1000, 30000), {s(33)}},
        {"half a second of pause kept before each split", keeping(500),
         {s(15.5), s(32.5), s(49.5), s(66.5)}},
        {"more than the pause kept: the split at its end", keeping(5000),
         {s(17), s(34), s(51), s(68)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PauseSplitPoints(levels, c.search), c.expected);
    }
}

TEST(PauseSplitPoints, FindsNothingWhereThereIsNoPause)
{
    Sound music;
    music.music(60);
    EXPECT_EQ(PauseSplitPoints(music.levels(), {}), std::vector<int64_t>{});

    // Silence before the first note and after the last is no split.
    Sound framed;
    framed.silence(3);
    framed.music(20);
    framed.silence(1.5);
    framed.music(20);
    framed.silence(4);
    EXPECT_EQ(PauseSplitPoints(framed.levels(), {}), std::vector<int64_t>{framed.at(23.75)});
}

TEST(AutomaticThreshold, SitsBetweenTheNoiseFloorAndTheMusic)
{
    const struct {
        const char *what;
        double floorDb;
        double lowest, highest;
    } cases[] = {
        {"hiss at -60", -60, -56, -40},
        {"hiss at -75", -75, -71, -55},
        {"room noise at -45", -45, -41, -28},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Sound sound;
        sound.music(10);
        sound.hush(3, c.floorDb);
        sound.music(10);
        const double threshold = AutomaticThreshold(sound.levels());
        EXPECT_GT(threshold, c.lowest);
        EXPECT_LT(threshold, c.highest);
    }
}

TEST(EverySplitPoints, MovesEachPointToTheQuietestPlaceWithinReach)
{
    // Mono at 8 kHz: three minutes, a point asked every minute, reaching 10 s either way.
    Sound sound;
    sound.rate = 8000;
    sound.channels = 1;
    sound.music(55);   // a dip 5 s before the first minute: taken
    sound.hush(0.3, -50);
    sound.music(4.7);
    sound.music(75);   // the second minute's nearest quiet place is 15 s away: out of reach
    sound.hush(0.3, -50);
    sound.music(39.7);
    const std::vector<int64_t> points = EverySplitPoints(sound.levels(), 60000, 10000);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_GE(points[0], sound.at(55.0));
    EXPECT_LE(points[0], sound.at(55.3));
    // No quiet place near 120 s: the quietest of equally loud music lands within reach.
    EXPECT_GE(points[1], sound.at(110));
    EXPECT_LE(points[1], sound.at(130));

    // Where everything is as quiet, each point stays where it was asked.
    Sound still;
    still.rate = 8000;
    still.channels = 1;
    still.silence(150);
    EXPECT_EQ(EverySplitPoints(still.levels(), 60000, 10000), (std::vector<int64_t>{still.at(60), still.at(120)}));
}

TEST(KeepTracksLongEnough, KeepsTheEarliestPointsThatFit)
{
    const struct {
        const char *what;
        std::vector<int64_t> points;
        std::vector<int64_t> expected;
    } cases[] = {
        {"all far enough apart", {10, 20, 30}, {10, 20, 30}},
        {"one too close to the one before", {10, 15, 30}, {10, 30}},
        {"too close to the start", {5, 20}, {20}},
        {"too close to the end: the last yields", {10, 20, 35}, {10, 20}},
        {"on the ends themselves", {0, 20, 40}, {20}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(KeepTracksLongEnough(c.points, 0, 40, 10), c.expected);
    }
}

// The levels read from a file equal those of its samples in memory, whatever the layout,
// the range and the number of threads.
TEST(MeasureLevels, ReadsEveryLayoutAlikeOnAnyNumberOfThreads)
{
    using trevisto::wav::Format;
    TempDir dir;
    Sound sound;
    sound.rate = 22050; // 220 frames a step: steps do not divide a second evenly
    sound.music(130);
    sound.hush(2, -60);
    sound.music(5);
    const int64_t frames = sound.frames();
    const struct {
        const char *what;
        Format format;
    } layouts[] = {
        {"16-bit", {trevisto::wav::kTagPcm, 2, 22050, 16}},
        {"8-bit", {trevisto::wav::kTagPcm, 2, 22050, 8}},
        {"24-bit", {trevisto::wav::kTagPcm, 2, 22050, 24}},
        {"float", {trevisto::wav::kTagFloat, 2, 22050, 32}},
    };
    for (const auto &layout : layouts) {
        SCOPED_TRACE(layout.what);
        // The samples as the file stores them, and as floats back from those bytes.
        std::vector<unsigned char> bytes(size_t(frames) * layout.format.blockAlign());
        const int width = layout.format.bitsPerSample / 8;
        for (size_t i = 0; i < sound.samples.size(); ++i) {
            const float v = sound.samples[i];
            unsigned char *p = bytes.data() + i * size_t(width);
            if (layout.format.tag == trevisto::wav::kTagFloat) {
                std::memcpy(p, &v, 4);
            } else if (width == 1) {
                p[0] = uint8_t(std::lround(v * 127) + 128);
            } else {
                const int32_t s = int32_t(std::lround(double(v) * ((1 << (8 * width - 1)) - 1)));
                for (int b = 0; b < width; ++b)
                    p[b] = uint8_t(uint32_t(s) >> (8 * b));
            }
        }
        std::vector<float> stored(sound.samples.size());
        trevisto::wav::toFloat(layout.format, bytes.data(), frames, 0, 2, stored.data());
        const std::string path = dir.file(std::string(layout.what) + ".wav");
        ASSERT_EQ(trevisto::wav::writeFile(path, layout.format, bytes.data(), bytes.size()),
                  trevisto::wav::WriteError::None);
        auto file = trevisto::wav::File::open(path);
        ASSERT_TRUE(file);

        const int64_t first = 12345, count = frames - 2 * first;
        const Levels expected = LevelsOf(stored.data() + first * 2, 2, sound.rate, count, first);
        for (unsigned threads : {1u, 2u, 3u}) {
            SCOPED_TRACE(threads);
            Levels levels;
            ASSERT_TRUE(MeasureLevels(*file, first, count, levels, nullptr, threads).ok);
            EXPECT_EQ(levels.firstFrame, first);
            EXPECT_EQ(levels.frames, count);
            ASSERT_EQ(levels.steps(), expected.steps());
            for (int64_t s = 0; s < levels.steps(); ++s)
                ASSERT_NEAR(levels.meanSquare[size_t(s)], expected.meanSquare[size_t(s)],
                            1e-6 + 1e-5 * expected.meanSquare[size_t(s)])
                    << "step " << s;
        }
    }
}

TEST(MeasureLevels, StopsWhenAsked)
{
    TempDir dir;
    const trevisto::wav::Format format{trevisto::wav::kTagPcm, 1, 8000, 16};
    std::vector<unsigned char> bytes(8000 * 2 * 200, 0);
    const std::string path = dir.file("long.wav");
    ASSERT_EQ(trevisto::wav::writeFile(path, format, bytes.data(), bytes.size()), trevisto::wav::WriteError::None);
    auto file = trevisto::wav::File::open(path);
    ASSERT_TRUE(file);
    std::atomic<bool> stop{true};
    Levels levels;
    const MeasureResult result = MeasureLevels(*file, 0, file->info().frames, levels, &stop, 2);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.stopped);
}

} // namespace
