#include "platform/mp3frames/globalgain.h"
#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/index.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace trevisto::mp3frames;
using namespace trevisto::test;

namespace {

using Bytes = std::vector<uint8_t>;

// Writes side-information fields one after another, most significant bit first.
class BitWriter {
public:
    explicit BitWriter(Bytes &out, size_t at) : out_(out), bit_(at * 8) {}
    void put(unsigned value, int bits)
    {
        for (int k = bits - 1; k >= 0; --k, ++bit_)
            if (value >> k & 1)
                out_[bit_ / 8] |= uint8_t(0x80 >> bit_ % 8);
    }
    size_t bit() const { return bit_; }

private:
    Bytes &out_;
    size_t bit_;
};

struct Layout {
    const char *name;
    unsigned char header[4];
};

// A frame whose side information is written field by field as the layout has it, every
// field but global_gain filled with a fixed pattern (so that a write that strays changes
// a neighbour), global_gain of granule g, channel c set to gains[g * channels + c].
Bytes makeFrame(const unsigned char header[4], const std::vector<int> &gains)
{
    const FrameHeader h = *FrameHeader::parse(header);
    Bytes f(h.frameBytes(), 0);
    std::copy(header, header + 4, f.begin());
    const bool mpeg1 = h.version == MpegVersion::Mpeg1;
    uint32_t seed = 4242;
    auto filler = [&seed](int bits) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) & ((1u << bits) - 1);
    };
    BitWriter w(f, h.protectedByCrc ? 6 : 4);
    w.put(filler(mpeg1 ? 9 : 8), mpeg1 ? 9 : 8);                               // main_data_begin
    w.put(filler(4), mpeg1 ? (h.mono() ? 5 : 3) : (h.mono() ? 1 : 2));          // private bits
    if (mpeg1)
        for (int c = 0; c < h.channels(); ++c)
            w.put(filler(4), 4); // scfsi
    for (int g = 0; g < h.granules(); ++g)
        for (int c = 0; c < h.channels(); ++c) {
            w.put(filler(12), 12);                              // part2_3_length
            w.put(filler(9), 9);                                // big_values
            w.put(unsigned(gains[size_t(g * h.channels() + c)]), 8); // global_gain
            w.put(filler(9), mpeg1 ? 4 : 9);                    // scalefac_compress
            w.put(filler(1), 1);                                // window_switching_flag
            w.put(filler(22), 22);                              // the block's tables
            w.put(filler(3), mpeg1 ? 3 : 2); // (preflag,) scalefac_scale, count1table_select
        }
    EXPECT_EQ(w.bit(), (h.protectedByCrc ? 6 : 4) * 8 + h.sideInfoBytes() * 8);
    // The main data: anything, it must stay as it is.
    for (size_t i = h.mainDataOffset(); i < f.size(); ++i)
        f[i] = uint8_t(filler(8));
    if (h.protectedByCrc) {
        const uint16_t crc = frameCrc(h, f.data());
        f[4] = uint8_t(crc >> 8);
        f[5] = uint8_t(crc);
    }
    return f;
}

} // namespace

// Every layout, with and without CRC: each global_gain moves by the steps, clamped at 0
// and 255 on its own, the CRC follows, and no other bit changes.
TEST(GlobalGain, EachLayoutMovesEveryGainAndNothingElse)
{
    const Layout layouts[] = {
        {"MPEG-1 stereo", {0xFF, 0xFB, 0x90, 0x04}},     {"MPEG-1 mono", {0xFF, 0xFB, 0x90, 0xC4}},
        {"MPEG-1 stereo CRC", {0xFF, 0xFA, 0x90, 0x44}}, {"MPEG-1 mono CRC", {0xFF, 0xFA, 0xE4, 0xC4}},
        {"MPEG-2 stereo", {0xFF, 0xF3, 0x80, 0x04}},     {"MPEG-2 mono", {0xFF, 0xF3, 0x80, 0xC4}},
        {"MPEG-2 mono CRC", {0xFF, 0xF2, 0x80, 0xC4}},   {"MPEG-2.5 stereo", {0xFF, 0xE3, 0x18, 0x44}},
        {"MPEG-2.5 mono CRC", {0xFF, 0xE2, 0x80, 0xC4}},
    };
    struct Steps {
        int steps;
        std::vector<int> gains, expected; // granule by granule, channel by channel
    };
    const Steps table[] = {
        {+3, {100, 150, 200, 50}, {103, 153, 203, 53}},
        {-4, {100, 150, 200, 50}, {96, 146, 196, 46}},
        {+10, {250, 245, 100, 255}, {255, 255, 110, 255}}, // clamped at the top, each on its own
        {-10, {5, 10, 0, 200}, {0, 0, 0, 190}},            // and at the bottom
        {0, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const Layout &l : layouts)
        for (const Steps &s : table) {
            SCOPED_TRACE(std::string(l.name) + " steps " + std::to_string(s.steps));
            const FrameHeader h = *FrameHeader::parse(l.header);
            const size_t n = size_t(h.granules() * h.channels());
            const std::vector<int> gains(s.gains.begin(), s.gains.begin() + long(n));
            const std::vector<int> expected(s.expected.begin(), s.expected.begin() + long(n));
            const Bytes before = makeFrame(l.header, gains);
            Bytes after = before;
            ASSERT_TRUE(addGlobalGain(after.data(), after.size(), s.steps));
            // The same frame built with the expected gains: equal byte for byte, CRC included.
            EXPECT_EQ(after, makeFrame(l.header, expected));
            for (int g = 0; g < h.granules(); ++g)
                for (int c = 0; c < h.channels(); ++c)
                    EXPECT_EQ(globalGainAt(after.data(), after.size(), g, c), expected[size_t(g * h.channels() + c)]);
            if (h.protectedByCrc && gains != expected) {
                EXPECT_NE(std::vector<uint8_t>(after.begin() + 4, after.begin() + 6),
                          std::vector<uint8_t>(before.begin() + 4, before.begin() + 6));
            }
        }
}

TEST(GlobalGain, RefusesWhatIsNoLayerThreeFrame)
{
    const unsigned char stereo[4] = {0xFF, 0xFB, 0x90, 0x04};
    Bytes frame = makeFrame(stereo, {1, 2, 3, 4});
    const Bytes kept = frame;
    EXPECT_FALSE(addGlobalGain(frame.data(), 20, 1)); // shorter than its side information
    Bytes layer2 = frame;
    layer2[1] = 0xFD;
    EXPECT_FALSE(addGlobalGain(layer2.data(), layer2.size(), 1));
    EXPECT_EQ(std::vector<uint8_t>(layer2.begin() + 2, layer2.end()), std::vector<uint8_t>(kept.begin() + 2, kept.end()));
    EXPECT_EQ(frame, kept);
    EXPECT_EQ(globalGainAt(frame.data(), frame.size(), 2, 0), -1);
    EXPECT_EQ(globalGainAt(frame.data(), frame.size(), 0, 2), -1);
}

class GlobalGainDecode : public BassTest {};

// A whole file with every audio frame moved by k steps decodes to the original's samples
// scaled by 2^(k/4), within the rounding of either decode.
TEST_F(GlobalGainDecode, SamplesScaleByAQuarterPowerOfTwoAStep)
{
    struct Case {
        int rate, channels, steps;
        bool crc;
    };
    const Case cases[] = {{44100, 2, 2, false}, {44100, 1, -3, true}, {22050, 2, 1, false}, {11025, 1, -1, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, steps " + std::to_string(c.steps));
        const std::string original = dir.file("original.mp3"), gained = dir.file("gained.mp3");
        Mp3Options options;
        options.kbps = c.rate >= 32000 ? 128 : 32;
        options.crc = c.crc;
        options.infoTag = false; // the two files decode alike either way
        // Quiet enough that +2 steps cannot clip.
        writeMp3(original, makeTone(c.rate, c.channels, 0.6, 440, 0.25), options);
        Bytes bytes = readBytes(original);
        const auto index = indexMp3(original).index;
        ASSERT_TRUE(index);
        ASSERT_EQ(index->layout.protectedByCrc, c.crc);
        for (const FrameEntry &f : index->frames)
            ASSERT_TRUE(addGlobalGain(bytes.data() + f.offset, f.bytes, c.steps));
        writeBytes(gained, bytes);
        // The file still indexes as undamaged: every CRC is right.
        const auto again = indexMp3(gained).index;
        ASSERT_TRUE(again);
        for (const FrameEntry &f : again->frames)
            ASSERT_FALSE(f.damaged);

        const std::vector<int16_t> a = decodeSamples(original), b = decodeSamples(gained);
        ASSERT_EQ(a.size(), b.size());
        ASSERT_GT(a.size(), 1000u);
        const double scale = std::pow(2.0, c.steps / 4.0);
        double worst = 0;
        int loud = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            worst = std::max(worst, std::abs(b[i] - a[i] * scale));
            loud += std::abs(a[i]) > 4000;
        }
        EXPECT_GT(loud, 100); // the comparison has sound to compare
        EXPECT_LE(worst, scale / 2 + 1) << "worst difference";
    }
}
