#include "core/peaktable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace {

using trevisto::wav::Format;
using trevisto::wav::kTagFloat;
using trevisto::wav::kTagPcm;
using Peak = PeakTable::Peak;

template <typename T>
std::vector<unsigned char> bytesOf(const std::vector<T> &samples)
{
    std::vector<unsigned char> b(samples.size() * sizeof(T));
    if (!b.empty())
        std::memcpy(b.data(), samples.data(), b.size());
    return b;
}

std::vector<unsigned char> bytes24(const std::vector<int32_t> &samples)
{
    std::vector<unsigned char> b;
    for (int32_t s : samples)
        for (int i = 0; i < 3; ++i)
            b.push_back(uint8_t(uint32_t(s) >> (8 * i)));
    return b;
}

Peak overall(const PeakTable &t)
{
    Peak p = t.at(0);
    for (int i = 1; i < t.size(); ++i)
        p = {std::min(p.low, t.at(i).low), std::max(p.high, t.at(i).high)};
    return p;
}

TEST(PeakTable, ExtremesOfEachSampleLayoutOverAllChannels)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char *name;
        Format format;
        std::vector<unsigned char> data;
        Peak expected;
    } cases[] = {
        {"16-bit silence", {kTagPcm, 2, 44100, 16}, bytesOf(std::vector<int16_t>(200, 0)), {0, 0}},
        {"8-bit silence sits at 128", {kTagPcm, 1, 8000, 8}, std::vector<unsigned char>(50, 128), {0, 0}},
        {"16-bit full scale", {kTagPcm, 1, 8000, 16}, bytesOf(std::vector<int16_t>{0, -32768, 32767, 5}),
         {-1.0f, 32767 / 32768.0f}},
        {"8-bit full scale", {kTagPcm, 2, 8000, 8}, {128, 0, 255, 128}, {-1.0f, 127 / 128.0f}},
        {"24-bit full scale", {kTagPcm, 1, 48000, 24}, bytes24({0, -8388608, 8388607}),
         {-1.0f, 8388607 / 8388608.0f}},
        {"32-bit integer", {kTagPcm, 1, 48000, 32}, bytesOf(std::vector<int32_t>{INT32_MIN / 2, INT32_MAX / 4}),
         {-0.5f, 0.25f}},
        {"float beyond full scale is held at the edge; NaN is no level", {kTagFloat, 2, 48000, 32},
         bytesOf(std::vector<float>{-2.5f, 0.25f, nan, -0.125f}), {-1.0f, 0.25f}},
        {"float of NaN only", {kTagFloat, 1, 48000, 32}, bytesOf(std::vector<float>{nan, nan}), {0, 0}},
        {"a loud right channel counts as much as the left", {kTagPcm, 2, 8000, 16},
         bytesOf(std::vector<int16_t>{100, -16384, -100, 16384}), {-0.5f, 0.5f}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PeakTable t;
        ASSERT_TRUE(t.start(c.format));
        t.add(c.data.data(), c.data.size());
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.frames(), int64_t(c.data.size() / c.format.blockAlign()));
        EXPECT_EQ(overall(t), c.expected);
    }
}

TEST(PeakTable, RefusesLayoutsItCannotReadAndTakesNoInputThen)
{
    for (const Format &f : {Format{kTagPcm, 0, 8000, 16}, Format{kTagPcm, 1, 8000, 12}, Format{kTagFloat, 1, 8000, 16},
                            Format{0x55, 2, 44100, 16}}) {
        PeakTable t;
        EXPECT_FALSE(t.start(f));
        const int16_t s[4] = {1, 2, 3, 4};
        t.add(s, sizeof s);
        EXPECT_TRUE(t.empty());
        EXPECT_EQ(t.frames(), 0);
        EXPECT_TRUE(t.columns(10).empty());
    }
}

TEST(PeakTable, AToneFillsEveryColumnToItsAmplitude)
{
    // One second of 440 Hz at half scale: more frames than the table has entries.
    const int rate = 44100;
    std::vector<int16_t> pcm;
    for (int i = 0; i < rate; ++i) {
        const auto s = int16_t(std::lround(16384 * std::sin(2 * std::numbers::pi * 440 * i / rate)));
        pcm.insert(pcm.end(), {s, s});
    }
    PeakTable t;
    ASSERT_TRUE(t.start({kTagPcm, 2, uint32_t(rate), 16}));
    const auto b = bytesOf(pcm);
    // Odd block sizes split frames and samples between calls, as decoded blocks may.
    for (size_t at = 0; at < b.size(); at += 20001)
        t.add(b.data() + at, std::min<size_t>(20001, b.size() - at));
    EXPECT_EQ(t.frames(), rate);
    EXPECT_LE(t.size(), PeakTable::Capacity);
    EXPECT_GT(t.size(), PeakTable::Capacity / 2);
    EXPECT_EQ(t.framesPerPeak(), 16);

    const std::vector<Peak> cols = t.columns(500); // 88 frames, about 0.9 of a period each
    ASSERT_EQ(cols.size(), 500u);
    for (size_t c = 0; c < cols.size(); ++c) {
        SCOPED_TRACE(c);
        EXPECT_NEAR(cols[c].high, 0.5, 0.02);
        EXPECT_NEAR(cols[c].low, -0.5, 0.02);
    }
}

TEST(PeakTable, EntriesMergeInPairsAndEachCoversItsOwnFrames)
{
    // A ramp makes every frame's value its own, so a frame counted in the wrong entry shows.
    const int count = 3 * PeakTable::Capacity + 5;
    std::vector<int16_t> ramp(count);
    for (int i = 0; i < count; ++i)
        ramp[size_t(i)] = int16_t(i % 20000 - 10000);
    PeakTable whole, byBytes;
    ASSERT_TRUE(whole.start({kTagPcm, 1, 8000, 16}));
    ASSERT_TRUE(byBytes.start({kTagPcm, 1, 8000, 16}));
    const auto b = bytesOf(ramp);
    whole.add(b.data(), b.size());
    for (unsigned char byte : b)
        byBytes.add(&byte, 1);

    for (const PeakTable *t : {&whole, &byBytes}) {
        ASSERT_EQ(t->framesPerPeak(), 4);
        ASSERT_EQ(t->size(), (count + 3) / 4);
        for (int k = 0; k < t->size(); ++k) {
            const int first = 4 * k, last = std::min(count, first + 4) - 1;
            int16_t lo = ramp[size_t(first)], hi = lo;
            for (int i = first; i <= last; ++i) {
                lo = std::min(lo, ramp[size_t(i)]);
                hi = std::max(hi, ramp[size_t(i)]);
            }
            ASSERT_EQ(t->at(k), (Peak{lo / 32768.0f, hi / 32768.0f})) << "entry " << k;
        }
    }
}

TEST(PeakTable, ASoundShorterThanTheTableKeepsAnEntryPerFrame)
{
    const std::vector<int16_t> frames = {0, 3276, -3277, 6553, -6554, 9830, -9831, 13107, -13108, 16384};
    PeakTable t;
    ASSERT_TRUE(t.start({kTagPcm, 1, 8000, 16}));
    t.add(bytesOf(frames).data(), frames.size() * 2);
    ASSERT_EQ(t.size(), 10);
    EXPECT_EQ(t.framesPerPeak(), 1);
    EXPECT_EQ(t.at(9), (Peak{0.5f, 0.5f}));

    // Wider than the sound: each column shows the frame under it.
    const std::vector<Peak> cols = t.columns(25);
    ASSERT_EQ(cols.size(), 25u);
    for (int c = 0; c < 25; ++c)
        EXPECT_EQ(cols[size_t(c)], t.at(c * 10 / 25)) << "column " << c;
    // Narrower: a column takes the extremes of the frames it covers.
    const std::vector<Peak> two = t.columns(2);
    EXPECT_EQ(two[0], (Peak{-6554 / 32768.0f, 6553 / 32768.0f}));
    EXPECT_EQ(two[1], (Peak{-13108 / 32768.0f, 0.5f}));
}

TEST(PeakTable, FrameCountsBeyond2To31StayExact)
{
    // 8-bit mono, so 2^31 frames are 2 GiB of reduction without a file. The extremes sit on
    // either side of frame 2^31, where a 32-bit count would wrap.
    const int64_t block = int64_t(1) << 20;
    const int64_t total = (int64_t(1) << 31) + block;
    std::vector<unsigned char> silence(size_t(block), 128), last = silence, beforeLast = silence;
    beforeLast.back() = 0;       // frame 2^31 - 1
    last[size_t(3 << 18)] = 255; // frame 2^31 + 3 * 2^18
    PeakTable t;
    ASSERT_TRUE(t.start({kTagPcm, 1, 44100, 8}));
    for (int64_t at = 0; at < total; at += block) {
        const auto &data = at + block == total ? last : at + 2 * block == total ? beforeLast : silence;
        t.add(data.data(), data.size());
    }
    EXPECT_EQ(t.frames(), total);
    EXPECT_EQ(t.framesPerPeak(), block);
    ASSERT_EQ(t.size(), 2049);
    EXPECT_EQ(t.at(2047), (Peak{-1.0f, 0}));
    EXPECT_EQ(t.at(2048), (Peak{0, 127 / 128.0f}));
    EXPECT_EQ(t.at(1000), (Peak{0, 0}));

    const std::vector<Peak> cols = t.columns(2049);
    EXPECT_EQ(cols[2047], t.at(2047));
    EXPECT_EQ(cols[2048], t.at(2048));
    // A view far wider than the table: the columns on either side of frame 2^31 take the
    // entries on either side of it.
    const int64_t wide = 1 << 22, boundary = int64_t(1) << 31;
    const std::vector<Peak> fine = t.columns(int(wide));
    const auto first = size_t((boundary * wide + total - 1) / total);
    EXPECT_EQ(fine[first], t.at(2048));
    EXPECT_EQ(fine[first - 2], t.at(2047));
    EXPECT_EQ(fine.back(), t.at(2048));
}

// A fine table coarsened is the very table a coarse reduction of the same sound gives, at
// lengths below, at and around the points where entries merge.
TEST(PeakTable, ACoarsenedTableIsTheCoarseReductionOfTheSameSound)
{
    const Format f{kTagPcm, 1, 8000, 16};
    constexpr int fine = 64, coarse = 8;
    for (const int frames : {0, 1, 7, 8, 9, 63, 64, 65, 127, 128, 129, 500, 511, 512, 513, 1000, 4097}) {
        SCOPED_TRACE(frames);
        std::vector<int16_t> samples(static_cast<size_t>(frames));
        for (int i = 0; i < frames; ++i)
            samples[size_t(i)] = int16_t((i * 7919) % 65536 - 32768);
        const auto bytes = bytesOf(samples);
        PeakTable a, b;
        ASSERT_TRUE(a.start(f, fine));
        ASSERT_TRUE(b.start(f, coarse));
        // Blocks of odd sizes, split frames among them.
        for (size_t at = 0; at < bytes.size(); at += 37) {
            a.add(bytes.data() + at, std::min<size_t>(37, bytes.size() - at));
            b.add(bytes.data() + at, std::min<size_t>(37, bytes.size() - at));
        }
        const PeakTable c = a.coarsened(coarse);
        ASSERT_EQ(c.size(), b.size());
        EXPECT_EQ(c.framesPerPeak(), b.framesPerPeak());
        EXPECT_EQ(c.frames(), b.frames());
        for (int i = 0; i < c.size(); ++i)
            EXPECT_EQ(c.at(i), b.at(i)) << i;
        EXPECT_EQ(c.columns(5), b.columns(5));
        // Both go on taking sound alike.
        PeakTable more = c;
        more.add(bytes.data(), std::min<size_t>(bytes.size(), 200));
        b.add(bytes.data(), std::min<size_t>(bytes.size(), 200));
        ASSERT_EQ(more.size(), b.size());
        for (int i = 0; i < b.size(); ++i)
            EXPECT_EQ(more.at(i), b.at(i)) << "after more sound, " << i;
    }
    PeakTable bad;
    EXPECT_FALSE(bad.start(f, 12)) << "not a power of two";
}

} // namespace
