#include "platform/mp3frames/rangecopy.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include <sys/stat.h>

using namespace trevisto::mp3frames;
using namespace trevisto::test;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

// Tones and noise: the encoder needs the bit reservoir on nearly every frame.
Pcm busySound(int rate, int channels, double seconds)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    const size_t frames = size_t(seconds * rate);
    uint32_t seed = 12345;
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = (double(seed >> 16) / 65536.0 - 0.5) * 0.3;
            const double t = double(i) / rate;
            const double v = 0.4 * std::sin(2 * M_PI * (220 + 60 * c) * t) + 0.2 * std::sin(2 * M_PI * 3170 * t) + noise;
            pcm.samples.push_back(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 30000)));
        }
    return pcm;
}

Bytes id3v2Tag()
{
    // One text frame (TIT2) in an ID3v2.3 tag.
    Bytes frame = {'T', 'I', 'T', '2', 0, 0, 0, 6, 0, 0, 0, 'T', 'i', 't', 'l', 'e'};
    Bytes tag = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, uint8_t(frame.size() + 20)};
    tag.insert(tag.end(), frame.begin(), frame.end());
    tag.resize(tag.size() + 20, 0); // padding
    return tag;
}

Bytes id3v1Tag()
{
    Bytes tag(128, 0);
    std::memcpy(tag.data(), "TAGSome title", 13);
    return tag;
}

class RangeCopyTest : public BassTest {
protected:
    std::vector<int16_t> decode(const std::string &mp3, int *channels = nullptr)
    {
        const HSTREAM h = openStream(mp3);
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        if (!h)
            return {};
        const Decoded d = drain(h);
        BASS_ChannelFree(h);
        if (channels)
            *channels = int(d.info.chans);
        return d.samples();
    }

    Mp3Index index(const std::string &path)
    {
        IndexResult r = indexMp3(path);
        EXPECT_TRUE(r.index) << int(r.refusal);
        return r.index ? std::move(*r.index) : Mp3Index{};
    }

    // The source's samples [a, b) against the copy's, within `tolerance` steps.
    void expectCopyDecodesAsRange(const std::string &source, int64_t a, int64_t b, int tolerance)
    {
        SCOPED_TRACE("range " + std::to_string(a) + ".." + std::to_string(b));
        const Mp3Index idx = index(source);
        const PlanResult plan = planRange(idx, a, b);
        ASSERT_TRUE(plan.plan) << int(plan.refusal);
        const std::string out = dir.file("copy.mp3");
        const CopyResult copied = writeRange(source, idx, *plan.plan, out);
        ASSERT_TRUE(copied.ok()) << int(copied.refusal) << " " << copied.systemError;
        EXPECT_EQ(copied.bytes, fs::file_size(out));

        int channels = 0;
        const std::vector<int16_t> whole = decode(source, &channels), part = decode(out);
        ASSERT_EQ(int64_t(part.size()), (b - a) * channels);
        int worst = 0;
        int64_t off = 0;
        for (size_t i = 0; i < part.size(); ++i) {
            const int d = std::abs(int(part[i]) - whole[size_t(a * channels) + i]);
            if (d > worst) {
                worst = d;
                off = int64_t(i);
            }
        }
        EXPECT_LE(worst, tolerance) << "at output sample " << off / channels;

        const Mp3Index back = index(out);
        EXPECT_EQ(back.samples(), b - a);
        EXPECT_TRUE(back.lameTagged());
        EXPECT_EQ(back.id3v2Bytes, idx.id3v2Bytes);
    }
};

struct Source {
    const char *name;
    int rate, channels;
    Mp3Options options;
    // Turns the encoder's file into the source.
    std::function<Bytes(Bytes)> edit;
    int tolerance; // the decoder is exact for MPEG-1 stereo, within a step otherwise
};

Bytes withoutInfoFrame(Bytes mp3)
{
    const auto h = FrameHeader::parse(mp3.data());
    mp3.erase(mp3.begin(), mp3.begin() + long(h->frameBytes()));
    return mp3;
}

Bytes wrappedInTags(Bytes mp3)
{
    Bytes out = id3v2Tag();
    out.insert(out.end(), mp3.begin(), mp3.end());
    const Bytes v1 = id3v1Tag();
    out.insert(out.end(), v1.begin(), v1.end());
    return out;
}

} // namespace

TEST_F(RangeCopyTest, EveryKindOfSourceCopiesToExactlyTheRangesSamples)
{
    auto same = [](Bytes b) { return b; };
    const Source sources[] = {
        {"CBR 128", 44100, 2, {128}, same, 0},
        {"CBR 320", 44100, 2, {320}, same, 0},
        {"VBR", 44100, 2, {128, 2}, same, 0},
        {"MPEG-2 mono 22.05 kHz", 22050, 1, {64}, same, 1},
        {"no info frame", 44100, 2, {128}, withoutInfoFrame, 0},
        {"ID3v2 and ID3v1", 44100, 2, {128}, wrappedInTags, 0},
        {"CRC", 44100, 2, {128, -1, true}, same, 0},
    };
    for (const Source &s : sources) {
        SCOPED_TRACE(s.name);
        const std::string src = dir.file("source.mp3"), raw = dir.file("raw.mp3");
        writeMp3(raw, busySound(s.rate, s.channels, 2.5), s.options);
        writeBytes(src, s.edit(readBytes(raw)));

        const Mp3Index idx = index(src);
        for (const FrameEntry &e : idx.frames)
            ASSERT_FALSE(e.damaged) << "frame at " << e.offset << ": the encoder's CRC is the frames' CRC";
        const int64_t n = idx.samples(), spf = idx.samplesPerFrame();
        // A frame boundary of the decoded stream, in the source's samples.
        const int64_t boundary = 40 * spf - idx.skip();
        const std::pair<int64_t, int64_t> ranges[] = {
            {0, n / 2}, {n / 3, 2 * n / 3}, {boundary, boundary + 7 * spf}, {boundary + 1, n}, {n - spf - 5, n},
            {1, spf + 1},
        };
        for (auto [a, b] : ranges)
            expectCopyDecodesAsRange(src, a, b, s.tolerance);
    }
}

TEST_F(RangeCopyTest, TheIndexSkipsTagsAndFindsTheInfoFrame)
{
    const std::string raw = dir.file("raw.mp3"), src = dir.file("tagged.mp3");
    writeMp3(raw, busySound(44100, 2, 1.0), Mp3Options{128});
    const Bytes mp3 = readBytes(raw);
    Bytes ape = {'A', 'P', 'E', 'T', 'A', 'G', 'E', 'X', 0xD0, 0x07, 0, 0, 32 + 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80};
    ape.resize(32, 0);
    Bytes apeHeader = ape;
    Bytes tagged = wrappedInTags(mp3);
    const Bytes v1(tagged.end() - 128, tagged.end());
    tagged.resize(tagged.size() - 128);
    // APEv2 with its header and one 8-byte item area, then Lyrics3 v2, then ID3v1.
    tagged.insert(tagged.end(), apeHeader.begin(), apeHeader.end());
    tagged.insert(tagged.end(), 8, 'x');
    tagged.insert(tagged.end(), ape.begin(), ape.end());
    const std::string lyrics = "LYRICSBEGININD00002" "10";
    tagged.insert(tagged.end(), lyrics.begin(), lyrics.end());
    const std::string size = std::to_string(lyrics.size());
    const std::string tail = std::string(6 - size.size(), '0') + size + "LYRICS200";
    tagged.insert(tagged.end(), tail.begin(), tail.end());
    tagged.insert(tagged.end(), v1.begin(), v1.end());
    writeBytes(src, tagged);

    const Mp3Index plain = index(raw), idx = index(src);
    EXPECT_EQ(idx.id3v2Bytes, id3v2Tag().size());
    EXPECT_EQ(idx.audioEnd, id3v2Tag().size() + mp3.size());
    EXPECT_EQ(idx.frames.size(), plain.frames.size());
    EXPECT_FALSE(idx.truncatedTail);
    ASSERT_TRUE(idx.lameTagged());
    EXPECT_EQ(idx.info->delay, 576); // LAME's own delay
    EXPECT_EQ(idx.samples(), 44100);
    EXPECT_EQ(idx.identity.framesHash, idx.identity.framesHash);
    EXPECT_NE(idx.identity.framesHash, 0u);
    int channels = 0;
    EXPECT_EQ(int64_t(decode(src, &channels).size()), idx.samples() * 2) << "the decoder agrees on the length";
}

// Frames built by hand whose main-data areas hold a counting pattern, so that the bytes
// the silent frame carries can be checked against where they came from.
TEST(RangeCopy, TheSilentFrameCarriesTheReservoirFromSeveralFramesBack)
{
    struct Case {
        const char *name;
        unsigned char head[4];
        int reservoir;
    };
    const Case cases[] = {
        {"MPEG-1 32 kbit/s, 511 bytes over 8 frames", {0xFF, 0xFB, 0x10, 0xC4}, 511},
        {"MPEG-2 8 kbit/s, 255 bytes", {0xFF, 0xF3, 0x10, 0xC4}, 255},
        {"MPEG-1 128 kbit/s, 3 bytes", {0xFF, 0xFB, 0x90, 0x44}, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const FrameHeader h = *FrameHeader::parse(c.head);
        Bytes file;
        const int frames = 60;
        uint8_t counter = 1;
        for (int i = 0; i < frames; ++i) {
            Bytes f(h.frameBytes(), 0);
            std::memcpy(f.data(), c.head, 4);
            const int mdb = i == 30 ? c.reservoir : 0;
            if (h.version == MpegVersion::Mpeg1) {
                f[4] = uint8_t(mdb >> 1);
                f[5] = uint8_t((mdb & 1) << 7);
            } else {
                f[4] = uint8_t(mdb);
            }
            for (size_t k = h.mainDataOffset(); k < f.size(); ++k)
                f[k] = counter++;
            file.insert(file.end(), f.begin(), f.end());
        }
        TempDir dir;
        writeBytes(dir.file("in.mp3"), file);
        const IndexResult r = indexMp3(dir.file("in.mp3"));
        ASSERT_TRUE(r.index);
        ASSERT_FALSE(r.index->info);
        EXPECT_EQ(r.index->frames[30].mainDataBegin, c.reservoir);
        const int spf = h.samplesPerFrame();
        // An untagged source: decoded sample d is source sample d. Find a start whose
        // first frame is 30.
        int64_t a = 0;
        while (firstNeededFrame(a, spf) < 30)
            a += 32;
        ASSERT_EQ(firstNeededFrame(a, spf), 30u);
        const PlanResult plan = planRange(*r.index, a, a + 5 * spf);
        ASSERT_TRUE(plan.plan);
        EXPECT_EQ(plan.plan->firstFrame, 30u);
        EXPECT_EQ(plan.plan->silentFrames, 1);
        EXPECT_EQ(plan.plan->reservoirBytes, c.reservoir);
        EXPECT_GE(plan.plan->padding, 529);
        EXPECT_LE(plan.plan->padding, 529 + spf);

        const std::string out = dir.file("out.mp3");
        ASSERT_TRUE(writeRange(dir.file("in.mp3"), *r.index, *plan.plan, out).ok());
        const Bytes copy = readBytes(out);
        const IndexResult o = indexMp3(out);
        ASSERT_TRUE(o.index && o.index->info);
        ASSERT_EQ(o.index->frames.size(), 1u + plan.plan->endFrame - 30);
        const FrameEntry &silent = o.index->frames[0];
        EXPECT_EQ(silent.mainDataBegin, 0);
        EXPECT_FALSE(silent.parsedHeader().protectedByCrc);
        // The reservoir: the bytes right before frame 30's area in the source.
        const uint64_t area30 = r.index->frames[30].offset + h.mainDataOffset();
        Bytes expected;
        for (uint64_t at = area30; expected.size() < size_t(c.reservoir);) {
            --at;
            const size_t inFrame = size_t((at - 0) % h.frameBytes());
            if (inFrame >= h.mainDataOffset())
                expected.insert(expected.begin(), file[at]);
        }
        const Bytes carried(copy.begin() + long(silent.offset + silent.bytes) - c.reservoir,
                            copy.begin() + long(silent.offset + silent.bytes));
        EXPECT_EQ(carried, expected);
        // The copied frames are the source's, byte for byte.
        const FrameEntry &first = o.index->frames[1];
        EXPECT_TRUE(std::equal(copy.begin() + long(first.offset), copy.end(),
                               file.begin() + long(r.index->frames[30].offset)));
        EXPECT_EQ(o.index->samples(), 5 * spf);
    }
}

TEST(RangeCopy, RefusesWhatCannotBeCopiedAndWritesNothing)
{
    const unsigned char head[4] = {0xFF, 0xFB, 0x90, 0x64};
    const FrameHeader h = *FrameHeader::parse(head);
    auto stream = [&](int frames) {
        Bytes file;
        for (int i = 0; i < frames; ++i) {
            Bytes f(h.frameBytes(), 0);
            std::memcpy(f.data(), head, 4);
            file.insert(file.end(), f.begin(), f.end());
        }
        return file;
    };
    Bytes damaged = stream(100);
    damaged.insert(damaged.begin() + 50 * long(h.frameBytes()), {0x12, 0x34, 0x56}); // junk before frame 50
    Bytes freeFormat = stream(10);
    for (size_t at = 0; at < freeFormat.size(); at += h.frameBytes())
        freeFormat[at + 2] &= 0x0F;

    struct Case {
        const char *name;
        Bytes file;
        int64_t a, b;
        Refusal refusal;
    };
    const Case cases[] = {
        {"free format", freeFormat, 0, 5000, Refusal::FreeFormat},
        {"shorter than a frame", stream(100), 1000, 1000 + 1151, Refusal::RangeTooShort},
        {"past the end", stream(100), 1000, 100 * 1152 + 1, Refusal::RangeOutside},
        {"empty", stream(100), 1000, 1000, Refusal::RangeOutside},
        {"damage inside", damaged, 45 * 1152, 55 * 1152, Refusal::DamagedFrame},
        {"damage outside", damaged, 60 * 1152, 70 * 1152, Refusal::None},
        {"not MP3", Bytes(5000, 0x42), 0, 2000, Refusal::NotMp3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IndexResult r = indexMp3Bytes(c.file.data(), c.file.size());
        const Refusal got = !r.index ? r.refusal : planRange(*r.index, c.a, c.b).refusal;
        EXPECT_EQ(got, c.refusal);
        EXPECT_FALSE(describe(got).isEmpty() && got != Refusal::None);
    }

    // A source that changed after it was indexed is not copied, and nothing is written.
    TempDir dir;
    const std::string src = dir.file("in.mp3"), out = dir.file("out.mp3");
    writeBytes(src, stream(100));
    const IndexResult r = indexMp3(src);
    ASSERT_TRUE(r.index);
    const PlanResult plan = planRange(*r.index, 5000, 50000);
    ASSERT_TRUE(plan.plan);
    writeBytes(out, {'o', 'l', 'd'});
    writeBytes(src, stream(101));
    EXPECT_EQ(writeRange(src, *r.index, *plan.plan, out).refusal, Refusal::SourceChanged);
    EXPECT_EQ(readBytes(out), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "no temporary file left";
    // A destination in a missing folder: the system's reason comes back.
    const IndexResult again = indexMp3(src);
    const CopyResult failed = writeRange(src, *again.index, *planRange(*again.index, 5000, 50000).plan,
                                         dir.file("missing/out.mp3"));
    EXPECT_EQ(failed.refusal, Refusal::CannotWrite);
    EXPECT_EQ(failed.systemError, ENOENT);
}

namespace {

// The source's bytes without its first `frames` audio frames and without an info frame: a
// stream cut at a frame, whose new first frames reach back for main data before it.
Bytes cutAtFrame(const Bytes &mp3, size_t frames)
{
    const IndexResult r = indexMp3Bytes(mp3.data(), mp3.size());
    if (!r.index || r.index->frames.size() <= frames)
        throw std::runtime_error("no such frame");
    return Bytes(mp3.begin() + long(r.index->frames[frames].offset), mp3.end());
}

} // namespace

// Two files put end to end: the decoder drops the first one's padding where it ends and
// trims nothing after the second. Copies on either side decode as the source's range; one
// across the meeting point is refused for that reason.
TEST_F(RangeCopyTest, CopiesFromTwoFilesPutEndToEndFollowTheDecoder)
{
    const std::string a = dir.file("a.mp3"), b = dir.file("b.mp3"), joined = dir.file("joined.mp3");
    writeMp3(a, busySound(44100, 2, 1.0), Mp3Options{128});
    Pcm second = busySound(44100, 2, 0.8);
    std::reverse(second.samples.begin(), second.samples.end());
    writeMp3(b, second, Mp3Options{128});
    Bytes both = readBytes(a);
    const Bytes tail = readBytes(b);
    both.insert(both.end(), tail.begin(), tail.end());
    writeBytes(joined, both);

    const Mp3Index idx = index(joined);
    ASSERT_TRUE(idx.joinedAt());
    const int64_t seam = *idx.joinedAt(), n = idx.samples();
    ASSERT_EQ(seam, index(a).samples());
    const std::pair<int64_t, int64_t> ranges[] = {
        {1000, 30000}, {seam - 20000, seam}, {seam, seam + 15000}, {seam + 2000, n - 3000}, {seam + 1, n},
    };
    for (auto [from, to] : ranges)
        expectCopyDecodesAsRange(joined, from, to, 0);
    EXPECT_EQ(planRange(idx, seam - 5000, seam + 5000).refusal, Refusal::AcrossJoinedStreams);
    EXPECT_EQ(planRange(idx, 0, n).refusal, Refusal::AcrossJoinedStreams);
}

// A stream cut at a frame starts with frames whose main data begins before the file. A
// copy never reaches for those bytes: its copied frames start at the first frame that
// needs none, and the plan asks for frames encoded from the sound in front of it, which
// the frame layer alone cannot write.
TEST_F(RangeCopyTest, ACopyNeverReachesForReservoirBytesFromBeforeTheFile)
{
    const std::string raw = dir.file("raw.mp3"), src = dir.file("cut.mp3");
    writeMp3(raw, busySound(44100, 2, 1.5), Mp3Options{128});
    writeBytes(src, cutAtFrame(withoutInfoFrame(readBytes(raw)), 10));
    const Mp3Index idx = index(src);
    ASSERT_FALSE(idx.info);
    ASSERT_GT(idx.frames[0].mainDataBegin, 0) << "the encoder's frames use the reservoir";
    EXPECT_FALSE(reservoirReach(idx, 0));
    size_t firstWhole = 1;
    while (!reservoirReach(idx, firstWhole))
        ++firstWhole;
    ASSERT_LT(firstWhole, 5u);
    EXPECT_EQ(*reservoirReach(idx, firstWhole), idx.frames[firstWhole].mainDataBegin);

    const int64_t spf = 1152, n = idx.samples();
    for (const int64_t from : {int64_t(0), int64_t(1), int64_t(500)}) {
        SCOPED_TRACE(from);
        const PlanResult plan = planRange(idx, from, n / 2);
        ASSERT_TRUE(plan.plan) << int(plan.refusal);
        const RangePlan &p = *plan.plan;
        EXPECT_EQ(p.firstFrame, firstWhole);
        EXPECT_EQ(p.silentFrames, 0);
        EXPECT_GE(p.encodedFrames, 1);
        EXPECT_EQ(p.reservoirBytes, int(*reservoirReach(idx, firstWhole)));
        // The range's first sample lies in the encoded frames, after the decoder's delay,
        // and its whole length fits.
        EXPECT_GE(p.delay, 0);
        EXPECT_LT(p.delay + 529, int64_t(p.encodedFrames) * spf);
        EXPECT_EQ(int64_t(p.outputFrames()) * spf, p.delay + (n / 2 - from) + p.padding);
        EXPECT_GE(p.padding, 529);
        const std::string out = dir.file("out.mp3");
        EXPECT_EQ(writeRange(src, idx, p, out).refusal, Refusal::ReservoirBeforeFile);
        EXPECT_FALSE(fs::exists(out));
    }
    // A range that ends before the first frame that reaches for nothing cannot be copied.
    EXPECT_EQ(planRange(idx, 0, spf + 100).refusal, Refusal::ReservoirBeforeFile);
    // Further on, copies are plain and exact.
    expectCopyDecodesAsRange(src, 20 * spf + 7, n - 5, 0);
}
