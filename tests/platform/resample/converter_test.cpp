#include "platform/resample/converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

using namespace trevisto;
using resample::Converter;
using wav::Format;

namespace {

using Bytes = std::vector<unsigned char>;

std::vector<Format> sampleFormats(uint16_t channels)
{
    return {{wav::kTagPcm, channels, 44100, 8},  {wav::kTagPcm, channels, 44100, 16}, {wav::kTagPcm, channels, 44100, 24},
            {wav::kTagPcm, channels, 44100, 32}, {wav::kTagFloat, channels, 44100, 32}};
}

std::string name(const Format &f)
{
    return std::to_string(f.channels) + "ch/" + (f.tag == wav::kTagFloat ? "float" : std::to_string(f.bitsPerSample)) +
           "/" + std::to_string(f.sampleRate);
}

// Samples as fractions of full scale, laid out as a WAVE file holds them.
Bytes encode(const Format &f, const std::vector<double> &samples)
{
    const int width = f.bitsPerSample / 8;
    Bytes out(samples.size() * width);
    for (size_t i = 0; i < samples.size(); ++i) {
        const float x = float(samples[i]);
        int64_t s = f.tag == wav::kTagFloat ? 0 : std::llround(samples[i] * double(int64_t(1) << (f.bitsPerSample - 1)));
        s += f.bitsPerSample == 8 ? 128 : 0;
        for (int b = 0; b < width; ++b)
            out[i * width + b] = f.tag == wav::kTagFloat ? reinterpret_cast<const uint8_t *>(&x)[b] : uint8_t(s >> 8 * b);
    }
    return out;
}

std::vector<double> decode(const Format &f, const Bytes &bytes)
{
    const int width = f.bitsPerSample / 8;
    std::vector<double> out(bytes.size() / width);
    for (size_t i = 0; i < out.size(); ++i) {
        uint64_t u = 0;
        for (int b = 0; b < width; ++b)
            u |= uint64_t(bytes[i * width + b]) << 8 * b;
        float x;
        std::memcpy(&x, &u, 4);
        const int64_t s = f.bitsPerSample == 8 ? int64_t(u) - 128 : int64_t(u << (64 - f.bitsPerSample)) >> (64 - f.bitsPerSample);
        out[i] = f.tag == wav::kTagFloat ? x : double(s) / double(int64_t(1) << (f.bitsPerSample - 1));
    }
    return out;
}

// Feeds `in` in uneven blocks, as a caller reading a file would, then finishes.
Bytes convert(const Format &from, const Format &to, const Bytes &in)
{
    auto c = Converter::create(from, to);
    EXPECT_TRUE(c) << name(from) << " -> " << name(to);
    Bytes out;
    const size_t frames = in.size() / from.blockAlign();
    for (size_t at = 0, step = 1; c && at < frames; at += step, step = step * 3 + 7) {
        step = std::min(step, frames - at);
        EXPECT_TRUE(c->process(&in[at * from.blockAlign()], step, out));
    }
    EXPECT_TRUE(c && c->finish(out));
    return out;
}

} // namespace

// Values on the 8-bit grid exist in every format, so between any two formats at one rate
// the conversion must be exact: a wrong scale, sign, byte order, offset or mix shows.
TEST(Converter, EveryFormatAndChannelPairAtOneRateIsExactOnTheCoarsestGrid)
{
    std::vector<double> left, right;
    for (int i = 0; i < 600; ++i) {
        const int l = i * 37 % 256 - 128;
        left.push_back(l / 128.0);
        right.push_back((2 * (i * 53 % 128) - 128 + (l & 1)) / 128.0); // same parity: the average stays on the grid
    }
    for (uint16_t fromChannels : {1, 2}) {
        for (uint16_t toChannels : {1, 2}) {
            std::vector<double> in, expected;
            for (size_t i = 0; i < left.size(); ++i) {
                const double r = fromChannels == 2 ? right[i] : left[i];
                in.insert(in.end(), {left[i], r});
                in.resize(in.size() - (2 - fromChannels));
                expected.insert(expected.end(), {toChannels == 1 ? (left[i] + r) / 2 : left[i], r});
                expected.resize(expected.size() - (2 - toChannels));
            }
            for (const Format &from : sampleFormats(fromChannels)) {
                for (const Format &to : sampleFormats(toChannels))
                    EXPECT_EQ(decode(to, convert(from, to, encode(from, in))), expected) << name(from) << " -> " << name(to);
            }
        }
    }
}

TEST(Converter, SameFormatIsAByteExactCopy)
{
    std::mt19937 rng(7);
    for (const Format &f : {Format{wav::kTagFloat, 2, 96000, 32}, Format{wav::kTagPcm, 6, 48000, 24}}) {
        Bytes in(1001 * f.blockAlign()); // NaN patterns too: nothing may be decoded
        std::generate(in.begin(), in.end(), [&] { return uint8_t(rng()); });
        EXPECT_EQ(convert(f, f, in), in) << name(f);
    }
}

TEST(Converter, IntegerOutputIsRoundedAndClipped)
{
    const struct {
        float in;
        uint16_t bits;
        double expected; // as a fraction of full scale
    } cases[] = {{1.0f, 16, 32767 / 32768.0}, {-1.0f, 16, -1.0},       {3.5f, 24, 8388607 / 8388608.0},
                 {-7.0f, 8, -1.0},            {1.0f, 8, 127 / 128.0},  {1.0f, 32, 2147483647 / 2147483648.0},
                 {NAN, 16, 0.0},              {0.3f / 32768, 16, 0.0}, {-0.7f / 32768, 16, -1 / 32768.0}};
    for (const auto &c : cases) {
        const Format from{wav::kTagFloat, 1, 44100, 32}, to{wav::kTagPcm, 1, 44100, c.bits};
        EXPECT_EQ(decode(to, convert(from, to, encode(from, {c.in}))), std::vector<double>{c.expected})
            << c.in << " to " << c.bits;
    }
}

// Against the ideal tone at the new rate: a wrong pitch, a lost or doubled channel, a
// changed level or a delay all move the middle of the sound away from it.
TEST(Converter, RateChangesKeepTheToneAndGiveTheExactLength)
{
    const struct {
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
    for (const auto &c : cases) {
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
