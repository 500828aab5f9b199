#include "platform/resample/converter.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using trevisto::resample::Converter;
using trevisto::wav::Format;
using trevisto::wav::kTagFloat;
using trevisto::wav::kTagPcm;

namespace {

using Bytes = std::vector<unsigned char>;

Format pcm(int bits, int channels = 1, uint32_t rate = 44100)
{
    return Format{kTagPcm, uint16_t(channels), rate, uint16_t(bits)};
}
Format flt(int channels = 1, uint32_t rate = 44100)
{
    return Format{kTagFloat, uint16_t(channels), rate, 32};
}

Bytes floatBytes(std::initializer_list<float> values)
{
    Bytes b(values.size() * 4);
    std::memcpy(b.data(), values.begin(), b.size());
    return b;
}

// Converts `in` in two uneven blocks and flushes, as a caller streaming a file does.
Bytes convert(const Format &from, const Format &to, const Bytes &in)
{
    std::string why;
    auto c = Converter::create(from, to, &why);
    EXPECT_TRUE(c) << why;
    if (!c)
        return {};
    Bytes out;
    const size_t frames = in.size() / from.blockAlign();
    const size_t first = frames / 3;
    EXPECT_TRUE(c->process(in.data(), first, out));
    EXPECT_TRUE(c->process(in.data() + first * from.blockAlign(), frames - first, out));
    EXPECT_TRUE(c->finish(out));
    EXPECT_EQ(out.size() % to.blockAlign(), 0u);
    return out;
}

std::vector<int16_t> toSamples(const Bytes &b)
{
    std::vector<int16_t> s(b.size() / 2);
    std::memcpy(s.data(), b.data(), s.size() * 2);
    return s;
}

} // namespace

TEST(Converter, SameFormatIsAnExactCopy)
{
    std::mt19937 rng(7);
    for (const Format &f : {pcm(8), pcm(24, 2, 22050), flt(2, 48000)}) {
        Bytes in(f.blockAlign() * 1001);
        for (auto &b : in)
            b = uint8_t(rng()); // float NaNs and denormals included: a copy must not touch them
        EXPECT_EQ(convert(f, f, in), in) << f.bitsPerSample << "-bit";
    }
}

TEST(Converter, RoundTripsThroughWiderFormatsAreLossless)
{
    struct Case {
        Format base;
        Bytes samples;
    };
    Bytes every8(256), every16;
    for (int i = 0; i < 256; ++i)
        every8[i] = uint8_t(i);
    for (int v : {-32768, -32767, -12345, -2, -1, 0, 1, 255, 256, 12345, 32766, 32767}) {
        every16.push_back(uint8_t(v));
        every16.push_back(uint8_t(v >> 8));
    }
    const Bytes extremes24 = {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x56, 0x34, 0x12};
    const Case cases[] = {{pcm(8), every8}, {pcm(16, 2), every16}, {pcm(24), extremes24}};
    for (const Case &c : cases) {
        for (const Format &via : {pcm(16, c.base.channels), pcm(24, c.base.channels), pcm(32, c.base.channels),
                                  flt(c.base.channels)}) {
            if (via.bitsPerSample < c.base.bitsPerSample)
                continue;
            EXPECT_EQ(convert(via, c.base, convert(c.base, via, c.samples)), c.samples)
                << c.base.bitsPerSample << "-bit through " << via.bitsPerSample << (via.tag == kTagFloat ? " float" : "");
        }
    }
}

TEST(Converter, SampleValuesAreScaledRoundedAndClipped)
{
    struct Case {
        const char *what;
        Format from, to;
        Bytes in, out;
    };
    const Case cases[] = {
        {"8-bit full scale up", pcm(8), pcm(16), {0x00, 0x80, 0xFF}, {0x00, 0x80, 0x00, 0x00, 0x00, 0x7F}},
        {"16 to 24 keeps the value", pcm(16), pcm(24), {0x00, 0x40}, {0x00, 0x00, 0x40}},
        {"24 to 16 rounds, not truncates", pcm(24), pcm(16), {0xC0, 0x00, 0x00, 0x40, 0xFF, 0xFF},
         {0x01, 0x00, 0xFF, 0xFF}},
        {"float overs clip to 16-bit", flt(), pcm(16), floatBytes({1.5f, -2.0f, 0.5f}),
         {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x40}},
        {"float to 8-bit", flt(), pcm(8), floatBytes({1.0f, -1.0f, 0.0f}), {0xFF, 0x00, 0x80}},
        {"float to 32-bit clips at the top", flt(), pcm(32), floatBytes({1.0f, -1.0f}),
         {0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80}},
        {"float output is not clipped", pcm(16), flt(), {0x00, 0xC0}, floatBytes({-0.5f})},
    };
    for (const Case &c : cases)
        EXPECT_EQ(convert(c.from, c.to, c.in), c.out) << c.what;
}

TEST(Converter, MonoIsCopiedToBothChannelsAndStereoIsAveraged)
{
    // Stereo (1000, 3000), (-32768, -32768), (32767, 32765) to mono.
    const Bytes stereo = {0xE8, 0x03, 0xB8, 0x0B, 0x00, 0x80, 0x00, 0x80, 0xFF, 0x7F, 0xFD, 0x7F};
    EXPECT_EQ(toSamples(convert(pcm(16, 2), pcm(16, 1), stereo)), (std::vector<int16_t>{2000, -32768, 32766}));
    // With a format change on the way: 8-bit mono to 16-bit stereo.
    EXPECT_EQ(toSamples(convert(pcm(8, 1), pcm(16, 2), {0xC0, 0x40})),
              (std::vector<int16_t>{16384, 16384, -16384, -16384}));
    EXPECT_EQ(toSamples(convert(pcm(16, 1), pcm(16, 2), {0x34, 0x12})), (std::vector<int16_t>{0x1234, 0x1234}));
}

TEST(Converter, RateChangeKeepsPitchLengthAndTiming)
{
    struct Case {
        int from, to, channels;
        double hz;
    };
    const Case cases[] = {{22050, 44100, 1, 1000}, {96000, 48000, 2, 440}, {44100, 48000, 2, 3000}, {8000, 11025, 1, 300}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        const double seconds = 2.0;
        const auto tone = trevisto::test::makeTone(c.from, c.channels, seconds, c.hz, 0.5, M_PI / 2);
        const auto out = toSamples(convert(pcm(16, c.channels, c.from), pcm(16, c.channels, c.to), tone.bytes()));
        const size_t frames = out.size() / c.channels;
        EXPECT_EQ(frames, size_t(std::llround(double(tone.frames()) * c.to / c.from)));

        // Compare against the tone computed at the new rate, away from the ends where the
        // filter sees the sudden start and stop: a pitch or timing error shows at once.
        double error = 0;
        size_t crossings = 0;
        const size_t skip = size_t(c.to / 20);
        for (size_t i = skip; i + skip < frames; ++i) {
            const double expected = 0.5 * 32767 * std::sin(2 * M_PI * c.hz * double(i) / c.to + M_PI / 2);
            for (int ch = 0; ch < c.channels; ++ch)
                error = std::max(error, std::abs(out[i * c.channels + ch] - expected));
            crossings += (out[(i - 1) * c.channels] < 0) != (out[i * c.channels] < 0);
        }
        EXPECT_LT(error, 0.01 * 32767);
        const double expectedCrossings = 2 * c.hz * double(frames - 2 * skip) / c.to;
        EXPECT_NEAR(double(crossings), expectedCrossings, 2.0);
    }
}

TEST(Converter, ImpossibleConversionsAreRefusedWithAReason)
{
    const Format sixChannels = pcm(16, 6);
    const Format twelveBit = pcm(12);
    for (const auto &[from, to] : {std::pair{sixChannels, pcm(16, 2)}, std::pair{twelveBit, pcm(16)},
                                   std::pair{pcm(16), Format{kTagFloat, 1, 44100, 16}}}) {
        std::string why;
        EXPECT_EQ(Converter::create(from, to, &why), nullptr);
        EXPECT_FALSE(why.empty());
    }
    // Six channels stay six: the same layout is still a copy.
    EXPECT_NE(Converter::create(sixChannels, sixChannels), nullptr);
}
