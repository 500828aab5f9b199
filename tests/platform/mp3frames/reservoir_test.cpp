#include "platform/mp3frames/reservoir.h"
#include "platform/mp3enc/standalone.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

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
        return decodeSamples(dir.file("d.mp3"));
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

namespace {

void putBits(unsigned char *data, size_t at, int bits, unsigned value)
{
    for (int i = bits - 1; i >= 0; --i, ++at) {
        const unsigned char mask = uint8_t(0x80 >> (at % 8));
        data[at / 8] = uint8_t((value >> i) & 1 ? data[at / 8] | mask : data[at / 8] & ~mask);
    }
}

// Where granule g, channel c's part2_3_length starts in the side info.
size_t granuleAt(const FrameHeader &h, int g, int c)
{
    const int ch = h.channels();
    return h.version == MpegVersion::Mpeg1 ? 9 + (ch == 1 ? 5 : 3) + 4 * size_t(ch) + size_t(g * ch + c) * 59
                                           : 8 + (ch == 1 ? 1 : 2) + size_t(c) * 63;
}

// A frame with main_data_begin 0 whose granules use `used` bytes, filled with `fill`,
// `fill` + 1, ...
Bytes reservoirFreeFrame(const unsigned char head[4], size_t used, uint8_t fill)
{
    const FrameHeader h = *FrameHeader::parse(head);
    Bytes f(h.frameBytes(), 0);
    std::memcpy(f.data(), head, 4);
    unsigned char *side = f.data() + 4 + (h.protectedByCrc ? 2 : 0);
    const int granules = h.version == MpegVersion::Mpeg1 ? 2 : 1;
    size_t bits = used * 8;
    for (int g = 0; g < granules; ++g)
        for (int c = 0; c < h.channels(); ++c) {
            const size_t here = std::min<size_t>(bits, 4095);
            putBits(side, granuleAt(h, g, c), 12, unsigned(here));
            bits -= here;
        }
    for (size_t i = 0; i < used; ++i)
        f[h.mainDataOffset() + i] = uint8_t(fill + i);
    return f;
}

// The main data each frame reads through its main_data_begin, and the bytes at the end of
// the stream, for `carry` of them; checks that no frame's data runs into the next one's.
struct Stream {
    std::vector<Bytes> data;
    Bytes tail;
};
Stream readBack(const std::vector<Frame> &frames, size_t carry)
{
    Stream s;
    Bytes stream;
    size_t previousEnd = 0;
    for (const Frame &f : frames) {
        const FrameHeader h = *FrameHeader::parse(f.data());
        EXPECT_EQ(f.size(), h.frameBytes());
        const int mdb = mainDataBegin(h, f.data() + 4 + (h.protectedByCrc ? 2 : 0));
        EXPECT_LE(mdb, h.maxMainDataBegin());
        EXPECT_LE(size_t(mdb), stream.size());
        const size_t start = stream.size() - size_t(mdb), used = usedMainDataBytes(h, f.data());
        EXPECT_GE(start, previousEnd) << "overlaps the frame before";
        stream.insert(stream.end(), f.begin() + long(h.mainDataOffset()), f.end());
        EXPECT_LE(start + used, stream.size()) << "runs into the next frame's area";
        s.data.emplace_back(stream.begin() + long(start), stream.begin() + long(std::min(start + used, stream.size())));
        previousEnd = start + used;
    }
    EXPECT_LE(previousEnd + carry, stream.size()) << "the carried bytes overwrite main data";
    s.tail.assign(stream.end() - long(std::min(carry, stream.size())), stream.end());
    return s;
}

} // namespace

// Frames encoded without the reservoir, moved back so that the stream ends with the bytes
// a copied frame after them reaches back for.
TEST(Reservoir, RepackingKeepsEachFramesDataAndEndsWithTheCarriedBytes)
{
    const unsigned char mpeg1[4] = {0xFF, 0xFB, 0x90, 0x44};      // 128 kbit/s, 381-byte areas
    const unsigned char mpeg1Crc[4] = {0xFF, 0xFA, 0x90, 0x44};   // the same, CRC-protected
    const unsigned char mpeg1Top[4] = {0xFF, 0xFB, 0xE0, 0x44};   // 320 kbit/s, the top rate
    const unsigned char mpeg2Mono[4] = {0xFF, 0xF3, 0x80, 0xC4};  // 64 kbit/s at 22.05 kHz, 200-byte areas
    struct Case {
        const char *name;
        const unsigned char *head;
        std::vector<size_t> used; // each frame's main data
        size_t carry;
        bool fits;
        int bitRateIndex; // of the repacked frames
    };
    const Case cases[] = {
        {"room at the source rate", mpeg1, {200, 200, 200}, 300, true, 9},
        {"no carried bytes", mpeg1, {381, 381, 381}, 0, true, 9},
        {"main_data_begin at its MPEG-1 top", mpeg1, {100, 100, 100}, 511, true, 9},
        {"too much for 128, raised to 320", mpeg1, {370, 370, 370}, 400, true, 14},
        {"CRC frames come out unprotected", mpeg1Crc, {200, 200}, 100, true, 9},
        {"full at the top rate", mpeg1Top, {1008, 1008, 1008}, 100, false, 0},
        {"more than main_data_begin reaches", mpeg1, {10, 10, 10}, 512, false, 0},
        {"main_data_begin at its MPEG-2 top", mpeg2Mono, {50, 50, 50}, 255, true, 8},
        {"more than MPEG-2 reaches", mpeg2Mono, {50, 50, 50}, 256, false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Frame> frames;
        for (size_t i = 0; i < c.used.size(); ++i)
            frames.push_back(reservoirFreeFrame(c.head, c.used[i], uint8_t(40 * i)));
        const std::vector<Frame> before = frames;
        Bytes carry(c.carry);
        for (size_t i = 0; i < carry.size(); ++i)
            carry[i] = uint8_t(200 - i);
        ASSERT_EQ(repackReservoir(frames, carry.data(), carry.size()), c.fits);
        if (!c.fits) {
            EXPECT_EQ(frames, before) << "a refusal leaves the frames as they were";
            continue;
        }
        const Stream s = readBack(frames, c.carry);
        for (size_t i = 0; i < frames.size(); ++i) {
            const FrameHeader h = *FrameHeader::parse(frames[i].data());
            EXPECT_EQ(h.bitRateIndex, c.bitRateIndex);
            EXPECT_FALSE(h.protectedByCrc);
            const FrameHeader was = *FrameHeader::parse(before[i].data());
            EXPECT_EQ(s.data[i], Bytes(before[i].begin() + long(was.mainDataOffset()),
                                       before[i].begin() + long(was.mainDataOffset() + c.used[i])));
        }
        EXPECT_EQ(s.tail, carry);
    }

    // What cannot be repacked at all.
    const Bytes plain = reservoirFreeFrame(mpeg1, 100, 1);
    Bytes reaching = plain;
    reaching[4] = 0x10; // main_data_begin 32: it already uses the reservoir
    Bytes cut(plain.begin(), plain.end() - 1);
    for (const auto &[name, frame] : {std::pair{"uses the reservoir", reaching}, std::pair{"cut short", cut}}) {
        SCOPED_TRACE(name);
        std::vector<Frame> frames = {plain, frame};
        EXPECT_FALSE(repackReservoir(frames, nullptr, 0));
        EXPECT_EQ(frames[1], frame);
    }
}

// The project's encoder with the reservoir off, as a joint is encoded: the most a copied
// frame can reach back for is carried at the joint's rate.
TEST(Reservoir, StandaloneFramesCarryTheLargestReservoir)
{
    for (const auto &[rate, channels, kbps, carryBytes] : {std::tuple{44100, 2, 256, 511}, std::tuple{22050, 1, 128, 255}}) {
        SCOPED_TRACE(std::to_string(rate) + " Hz");
        const Pcm pcm = burstySound(rate, channels, 0.3);
        std::vector<Frame> frames =
            trevisto::mp3enc::encodeStandalone(pcm.samples.data(), pcm.samples.size() / size_t(channels), rate, channels, kbps);
        ASSERT_GE(frames.size(), 5u);
        const std::vector<Frame> before = frames;
        Bytes carry(static_cast<size_t>(carryBytes));
        for (size_t i = 0; i < carry.size(); ++i)
            carry[i] = uint8_t(i * 7);
        ASSERT_TRUE(repackReservoir(frames, carry.data(), carry.size()));
        const Stream s = readBack(frames, carry.size());
        for (size_t i = 0; i < frames.size(); ++i) {
            const FrameHeader was = *FrameHeader::parse(before[i].data());
            const size_t used = usedMainDataBytes(was, before[i].data());
            EXPECT_EQ(s.data[i], Bytes(before[i].begin() + long(was.mainDataOffset()),
                                       before[i].begin() + long(was.mainDataOffset() + used)));
            // The side info past main_data_begin is the encoder's.
            EXPECT_EQ(blockType(*FrameHeader::parse(frames[i].data()), frames[i].data(), frames[i].size(), 0, 0),
                      blockType(was, before[i].data(), before[i].size(), 0, 0));
        }
        EXPECT_EQ(s.tail, carry);
    }
}

// Block types read from the side info, and which of them overlap cleanly.
TEST(Reservoir, BlockTypesAndWhichWindowsMeet)
{
    const unsigned char stereo[4] = {0xFF, 0xFB, 0x90, 0x44}, mono2[4] = {0xFF, 0xF3, 0x80, 0xC4};
    struct Case {
        const unsigned char *head;
        int granule, channel, type; // set on one granule; the others stay normal
    };
    for (const Case &c : {Case{stereo, 1, 1, 2}, Case{stereo, 0, 1, 3}, Case{stereo, 1, 0, 1}, Case{mono2, 0, 0, 3}}) {
        Bytes f = reservoirFreeFrame(c.head, 50, 0);
        const FrameHeader h = *FrameHeader::parse(f.data());
        const size_t toSwitch = h.version == MpegVersion::Mpeg1 ? 12 + 9 + 8 + 4 : 12 + 9 + 8 + 9;
        putBits(f.data() + 4, granuleAt(h, c.granule, c.channel) + toSwitch, 3, 4u | unsigned(c.type));
        const int granules = h.version == MpegVersion::Mpeg1 ? 2 : 1;
        for (int g = 0; g < granules; ++g)
            for (int ch = 0; ch < h.channels(); ++ch)
                EXPECT_EQ(blockType(h, f.data(), f.size(), g, ch), g == c.granule && ch == c.channel ? c.type : 0)
                    << "granule " << g << " channel " << ch;
        EXPECT_EQ(usedMainDataBytes(h, f.data()), 50u) << "the lengths are read past the flags";
    }
    // Normal, start, short, stop: a long half must meet a long half.
    const bool meets[4][4] = {{true, true, false, false},
                              {false, false, true, true},
                              {false, false, true, true},
                              {true, true, false, false}};
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 4; ++b)
            EXPECT_EQ(windowsMeet(a, b), meets[a][b]) << a << " then " << b;
}
