#include "platform/mp3frames/reservoir.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace trevisto::mp3frames;
using namespace trevisto::test;

namespace {

using Bytes = std::vector<uint8_t>;

// Tones with bursts of noise every tenth of a second, so that the reservoir fills and
// drains.
Pcm burstySound(int rate, int channels, double seconds)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    uint32_t seed = 777;
    for (size_t i = 0; i < size_t(seconds * rate); ++i) {
        const double t = double(i) / rate, inBurst = std::fmod(t, 0.1);
        for (int c = 0; c < channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = inBurst < 0.02 ? (double(seed >> 16) / 65536.0 - 0.5) * 0.8 : 0;
            const double v = 0.3 * std::sin(2 * M_PI * (330 + 50 * c) * t) + noise;
            pcm.samples.push_back(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 30000)));
        }
    }
    return pcm;
}

// The audio frames of an MP3 (the info frame left out).
std::vector<Frame> framesOf(const Bytes &mp3)
{
    std::vector<Frame> frames;
    for (size_t at = 0; at + 4 <= mp3.size();) {
        const auto h = FrameHeader::parse(mp3.data() + at);
        if (!h || h->frameBytes() == 0 || at + h->frameBytes() > mp3.size())
            break;
        frames.emplace_back(mp3.begin() + long(at), mp3.begin() + long(at + h->frameBytes()));
        at += h->frameBytes();
    }
    if (!frames.empty())
        frames.erase(frames.begin());
    return frames;
}

// Each frame's main data, read through main_data_begin from the stream of all areas.
std::vector<Bytes> mainDataOf(const std::vector<Frame> &frames)
{
    Bytes stream;
    std::vector<Bytes> data;
    for (const Frame &f : frames) {
        const FrameHeader h = *FrameHeader::parse(f.data());
        const size_t start = stream.size();
        stream.insert(stream.end(), f.begin() + long(h.mainDataOffset()), f.end());
        const size_t from = start - size_t(mainDataBegin(h, f.data() + 4));
        data.emplace_back(stream.begin() + long(from), stream.begin() + long(from + usedMainDataBytes(h, f.data())));
    }
    return data;
}

// The `bytes` bytes of areas right before frame `frame`'s.
Bytes areasBefore(const std::vector<Frame> &frames, size_t frame, size_t bytes)
{
    Bytes stream;
    for (size_t i = 0; i < frame; ++i) {
        const FrameHeader h = *FrameHeader::parse(frames[i].data());
        stream.insert(stream.end(), frames[i].begin() + long(h.mainDataOffset()), frames[i].end());
    }
    return Bytes(stream.end() - long(bytes), stream.end());
}

Bytes joined(const std::vector<Frame> &frames)
{
    Bytes all;
    for (const Frame &f : frames)
        all.insert(all.end(), f.begin(), f.end());
    return all;
}

class SpliceReservoirTest : public BassTest {
protected:
    std::vector<int16_t> decode(const Bytes &mp3)
    {
        writeBytes(dir.file("d.mp3"), mp3);
        const HSTREAM h = openStream(dir.file("d.mp3"));
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        if (!h)
            return {};
        const Decoded d = drain(h);
        BASS_ChannelFree(h);
        return d.samples();
    }
};

} // namespace

// The last frames before a cut laid out again to carry the very bytes the frame after the
// cut reaches back for: every frame keeps its main data, so the stream decodes as before.
TEST_F(SpliceReservoirTest, AStreamSplicedWithItsOwnReservoirDecodesUnchanged)
{
    struct Case {
        int rate, channels, kbps;
    };
    const Case cases[] = {{44100, 2, 128}, {44100, 1, 64}, {22050, 1, 64}, {8000, 1, 32}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz " + std::to_string(c.kbps) + " kbit/s");
        writeMp3(dir.file("in.mp3"), burstySound(c.rate, c.channels, 6.0), c.kbps);
        const std::vector<Frame> original = framesOf(readBytes(dir.file("in.mp3")));
        ASSERT_GT(original.size(), 60u);
        const std::vector<Bytes> data = mainDataOf(original);
        const std::vector<int16_t> before = decode(joined(original));
        int reaching = 0;
        for (size_t cut = 12; cut + 10 < original.size(); cut += 7) {
            SCOPED_TRACE("cut at frame " + std::to_string(cut));
            const FrameHeader h = *FrameHeader::parse(original[cut].data());
            const size_t reach = size_t(mainDataBegin(h, original[cut].data() + 4));
            reaching += reach > 0;
            const Bytes carry = areasBefore(original, cut, reach);
            std::vector<Frame> run(original.begin() + long(cut - 4), original.begin() + long(cut));
            ASSERT_TRUE(spliceReservoir(run, carry.data(), carry.size()));
            std::vector<Frame> spliced(original.begin(), original.begin() + long(cut - 4));
            spliced.insert(spliced.end(), run.begin(), run.end());
            spliced.insert(spliced.end(), original.begin() + long(cut), original.end());
            EXPECT_EQ(mainDataOf(spliced), data);
            EXPECT_EQ(decode(joined(spliced)), before);
        }
        EXPECT_GT(reaching, 0) << "no cut tested the carried bytes";
    }
}

// A carry larger than the room the frames leave: the last frame's bit rate goes up until
// it fits, and nothing else changes.
TEST(SpliceReservoir, WhereRoomIsShortTheLastFrameGrows)
{
    TempDir dir;
    writeMp3(dir.file("in.mp3"), burstySound(44100, 2, 2.0), 128);
    const std::vector<Frame> original = framesOf(readBytes(dir.file("in.mp3")));
    ASSERT_GT(original.size(), 40u);
    Bytes carry(511);
    for (size_t i = 0; i < carry.size(); ++i)
        carry[i] = uint8_t(i * 7 + 1);
    std::vector<Frame> run(original.begin() + 20, original.begin() + 24);
    ASSERT_TRUE(spliceReservoir(run, carry.data(), carry.size()));
    const FrameHeader last = *FrameHeader::parse(run.back().data());
    EXPECT_GT(last.bitRate(), 128);
    for (size_t i = 0; i + 1 < run.size(); ++i)
        EXPECT_EQ(FrameHeader::parse(run[i].data())->bitRate(), 128) << "frame " << i;

    std::vector<Frame> head(original.begin(), original.begin() + 20), spliced = head;
    spliced.insert(spliced.end(), run.begin(), run.end());
    std::vector<Frame> expected = head;
    expected.insert(expected.end(), original.begin() + 20, original.begin() + 24);
    EXPECT_EQ(mainDataOf(spliced), mainDataOf(expected));
    EXPECT_EQ(areasBefore(spliced, spliced.size(), carry.size()), carry);
}

TEST(SpliceReservoir, RefusesWhatItCannotCarryAndLeavesTheFramesAlone)
{
    TempDir dir;
    writeMp3(dir.file("in.mp3"), burstySound(44100, 2, 1.0), 128);
    writeMp3(dir.file("crc.mp3"), burstySound(44100, 2, 1.0), Mp3Options{128, -1, true});
    const std::vector<Frame> plain = framesOf(readBytes(dir.file("in.mp3")));
    const std::vector<Frame> protectedFrames = framesOf(readBytes(dir.file("crc.mp3")));
    ASSERT_GT(plain.size(), 20u);
    ASSERT_GT(protectedFrames.size(), 20u);
    const Bytes tooMuch(512, 1);
    struct Case {
        const char *name;
        std::vector<Frame> run;
        size_t carry;
    };
    const Case cases[] = {
        {"more than main_data_begin reaches", {plain.begin() + 10, plain.begin() + 14}, 512},
        {"frames with a CRC", {protectedFrames.begin() + 10, protectedFrames.begin() + 14}, 10},
        {"a cut-short frame", {Frame(plain[10].begin(), plain[10].end() - 1)}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Frame> run = c.run;
        EXPECT_FALSE(spliceReservoir(run, tooMuch.data(), c.carry));
        EXPECT_EQ(run, c.run);
    }
}
