#include "platform/resample/converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using namespace trevisto;
using resample::Converter;
using wav::Format;

namespace {

using Bytes = std::vector<unsigned char>;

// The five sample formats, at a given channel count and rate.
std::vector<Format> sampleFormats(uint16_t channels, uint32_t rate)
{
    return {{wav::kTagPcm, channels, rate, 8},
            {wav::kTagPcm, channels, rate, 16},
            {wav::kTagPcm, channels, rate, 24},
            {wav::kTagPcm, channels, rate, 32},
            {wav::kTagFloat, channels, rate, 32}};
}

std::string name(const Format &f)
{
    return std::to_string(f.channels) + "ch " + (f.tag == wav::kTagFloat ? "float" : std::to_string(f.bitsPerSample)) +
           "bit " + std::to_string(f.sampleRate) + "Hz";
}

// Samples as fractions of full scale, written and read the way a WAVE file lays them out.
void putSample(const Format &f, double v, unsigned char *p)
{
    if (f.tag == wav::kTagFloat) {
        const float x = float(v);
        std::memcpy(p, &x, 4);
        return;
    }
    int64_t s = std::llround(v * double(int64_t(1) << (f.bitsPerSample - 1)));
    if (f.bitsPerSample == 8)
        s += 128;
    for (int i = 0; i < f.bitsPerSample / 8; ++i)
        p[i] = uint8_t(uint64_t(s) >> (8 * i));
}

double getSample(const Format &f, const unsigned char *p)
{
    if (f.tag == wav::kTagFloat) {
        float x;
        std::memcpy(&x, p, 4);
        return x;
    }
    uint64_t u = 0;
    for (int i = 0; i < f.bitsPerSample / 8; ++i)
        u |= uint64_t(p[i]) << (8 * i);
    const int shift = 64 - f.bitsPerSample;
    int64_t s = f.bitsPerSample == 8 ? int64_t(u) - 128 : int64_t(u << shift) >> shift;
    return double(s) / double(int64_t(1) << (f.bitsPerSample - 1));
}

Bytes encode(const Format &f, const std::vector<double> &samples)
{
    Bytes out(samples.size() * f.bitsPerSample / 8);
    for (size_t i = 0; i < samples.size(); ++i)
        putSample(f, samples[i], &out[i * f.bitsPerSample / 8]);
    return out;
}

std::vector<double> decode(const Format &f, const Bytes &bytes)
{
    std::vector<double> out(bytes.size() / (f.bitsPerSample / 8));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = getSample(f, &bytes[i * f.bitsPerSample / 8]);
    return out;
}

// Feeds `in` in uneven blocks, as a caller reading a file would, then finishes.
Bytes convert(const Format &from, const Format &to, const Bytes &in)
{
    auto c = Converter::create(from, to);
    EXPECT_TRUE(c) << name(from) << " -> " << name(to);
    if (!c)
        return {};
    Bytes out;
    const size_t frames = in.size() / from.blockAlign();
    for (size_t at = 0, step = 1; at < frames; at += step, step = step * 3 + 7) {
        step = std::min(step, frames - at);
        EXPECT_TRUE(c->process(&in[at * from.blockAlign()], step, out));
    }
    EXPECT_TRUE(c->finish(out));
    return out;
}

} // namespace

// Values on the 8-bit grid exist in every format, so between any two formats at one rate
// the conversion must be exact: a wrong scale, sign, byte order or offset shows at once.
TEST(Converter, EveryFormatAndChannelPairAtOneRateIsExactOnTheCoarsestGrid)
{
    constexpr size_t kFrames = 600;
    std::vector<double> left(kFrames), right(kFrames);
    for (size_t i = 0; i < kFrames; ++i) {
        const int l = int(i * 37 % 256) - 128;
        left[i] = l / 128.0;
        right[i] = (2 * int(i * 53 % 128) - 128 + (l & 1)) / 128.0; // same parity: the average stays on the grid
    }
    for (uint16_t fromChannels : {1, 2}) {
        for (uint16_t toChannels : {1, 2}) {
            for (const Format &from : sampleFormats(fromChannels, 44100)) {
                for (const Format &to : sampleFormats(toChannels, 44100)) {
                    std::vector<double> in, expected;
                    for (size_t i = 0; i < kFrames; ++i) {
                        const double r = fromChannels == 2 ? right[i] : left[i];
                        in.push_back(left[i]);
                        if (fromChannels == 2)
                            in.push_back(r);
                        expected.push_back(toChannels == 1 ? (left[i] + r) / 2 : left[i]);
                        if (toChannels == 2)
                            expected.push_back(r);
                    }
                    const Bytes out = convert(from, to, encode(from, in));
                    ASSERT_EQ(out.size(), kFrames * to.blockAlign()) << name(from) << " -> " << name(to);
                    EXPECT_EQ(decode(to, out), expected) << name(from) << " -> " << name(to);
                }
            }
        }
    }
}

TEST(Converter, SameFormatIsAByteExactCopy)
{
    std::mt19937 rng(7);
    std::vector<Format> formats = sampleFormats(1, 22050);
    for (const Format &f : sampleFormats(2, 96000))
        formats.push_back(f);
    formats.push_back({wav::kTagPcm, 6, 48000, 24});
    for (const Format &f : formats) {
        Bytes in(1001 * f.blockAlign()); // float NaN patterns included: nothing is decoded
        for (auto &b : in)
            b = uint8_t(rng());
        EXPECT_EQ(convert(f, f, in), in) << name(f);
    }
}

TEST(Converter, IntegerOutputIsRoundedAndClipped)
{
    const Format from{wav::kTagFloat, 1, 44100, 32};
    struct Case {
        float in;
        uint16_t bits;
        double expected; // as a fraction of full scale
    } cases[] = {
        {1.0f, 16, 32767 / 32768.0},   {-1.0f, 16, -1.0},          {3.5f, 16, 32767 / 32768.0},
        {-7.0f, 8, -1.0},              {1.0f, 8, 127 / 128.0},     {1.0f, 24, 8388607 / 8388608.0},
        {1.0f, 32, 2147483647 / 2147483648.0},                     {NAN, 16, 0.0},
        {0.3f / 32768, 16, 0.0},       {0.7f / 32768, 16, 1 / 32768.0}, {-0.7f / 32768, 16, -1 / 32768.0},
    };
    for (const Case &c : cases) {
        const Format to{wav::kTagPcm, 1, 44100, c.bits};
        Bytes in(4);
        std::memcpy(in.data(), &c.in, 4);
        EXPECT_EQ(decode(to, convert(from, to, in)), std::vector<double>{c.expected}) << c.in << " to " << c.bits;
    }
}

// Against the ideal tone at the new rate: a wrong pitch, a lost or doubled channel, a
// changed level or a delay all move the middle of the sound away from it.
TEST(Converter, RateChangesKeepTheToneAndGiveTheExactLength)
{
    struct Case {
        Format from, to;
        size_t frames;
    } cases[] = {
        {{wav::kTagPcm, 1, 22050, 8}, {wav::kTagPcm, 2, 44100, 16}, 22050},
        {{wav::kTagPcm, 2, 44100, 16}, {wav::kTagPcm, 2, 22050, 16}, 44101},
        {{wav::kTagPcm, 2, 44100, 16}, {wav::kTagPcm, 1, 22050, 24}, 44100},
        {{wav::kTagFloat, 1, 48000, 32}, {wav::kTagPcm, 1, 44100, 16}, 12347},
        {{wav::kTagPcm, 2, 44100, 24}, {wav::kTagFloat, 2, 48000, 32}, 9999},
    };
    const double hz = 997, amplitude = 0.5;
    for (const Case &c : cases) {
        std::vector<double> in;
        for (size_t i = 0; i < c.frames; ++i)
            in.insert(in.end(), c.from.channels, amplitude * std::sin(2 * M_PI * hz * double(i) / c.from.sampleRate));
        const std::vector<double> out = decode(c.to, convert(c.from, c.to, encode(c.from, in)));
        const size_t frames = out.size() / c.to.channels;
        EXPECT_EQ(frames, size_t(std::floor(double(c.frames) * c.to.sampleRate / c.from.sampleRate + 0.5)))
            << name(c.from) << " -> " << name(c.to);
        double worst = 0;
        for (size_t i = frames / 10; i < frames * 9 / 10; ++i) {
            const double ideal = amplitude * std::sin(2 * M_PI * hz * double(i) / c.to.sampleRate);
            for (int ch = 0; ch < c.to.channels; ++ch)
                worst = std::max(worst, std::abs(out[i * c.to.channels + ch] - ideal));
        }
        EXPECT_LT(worst, c.from.bitsPerSample == 8 ? 0.01 : 0.001) << name(c.from) << " -> " << name(c.to);
    }
}

TEST(Converter, ImpossibleConversionsAreRefusedWithAReason)
{
    const Format stereo{wav::kTagPcm, 2, 44100, 16};
    const Format refused[][2] = {
        {{wav::kTagPcm, 6, 44100, 16}, stereo},
        {stereo, {wav::kTagPcm, 4, 44100, 16}},
        {{wav::kTagPcm, 2, 44100, 12}, stereo},
        {stereo, {wav::kTagFloat, 2, 44100, 64}},
        {{wav::kTagPcm, 2, 0, 16}, stereo},
    };
    for (const auto &pair : refused) {
        std::string why;
        EXPECT_FALSE(Converter::create(pair[0], pair[1], &why)) << name(pair[0]) << " -> " << name(pair[1]);
        EXPECT_FALSE(why.empty());
    }
}
