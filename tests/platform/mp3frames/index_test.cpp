// The index of an MP3's frames against inputs that once hung it or misled it: tags at the
// end with impossible sizes, a frame whose last bytes spell "TAG", junk that looks like a
// free-format header, junk before the first frame, and info frames whose frame count is not
// the count of frames there are. Where the index says how long the sound is, the decoder
// must agree.
#include "platform/mp3frames/index.h"
#include "platform/bass/bass_test_util.h"
#include "support/stopwatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <thread>

using namespace trevisto::mp3frames;
using namespace trevisto::test;

namespace {

using Bytes = std::vector<uint8_t>;

Pcm busySound(int rate, int channels, double seconds, uint32_t seed)
{
    return makeBusySound(rate, channels, seconds, seed, BusyMix{0.4, 220, 60, 0.3});
}

// Indexes `bytes` on a thread of its own, so that an index that never returns fails at once
// rather than holding the whole run until its time limit.
IndexResult indexWithin(const Bytes &bytes)
{
    auto promise = std::make_shared<std::promise<IndexResult>>();
    std::future<IndexResult> result = promise->get_future();
    auto copy = std::make_shared<Bytes>(bytes);
    std::thread([promise, copy] { promise->set_value(indexMp3Bytes(copy->data(), copy->size())); }).detach();
    if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        std::fprintf(stderr, "the index of a %zu-byte input did not return\n", bytes.size());
        std::abort(); // the looping thread cannot be stopped
    }
    return result.get();
}

void append(Bytes &to, const Bytes &what) { to.insert(to.end(), what.begin(), what.end()); }
void append(Bytes &to, const std::string &what) { to.insert(to.end(), what.begin(), what.end()); }

Bytes apeFooter(uint32_t size, bool withHeader)
{
    Bytes f = {'A', 'P', 'E', 'T', 'A', 'G', 'E', 'X', 0xD0, 0x07, 0, 0};
    for (int i = 0; i < 4; ++i)
        f.push_back(uint8_t(size >> (8 * i)));
    f.insert(f.end(), {0, 0, 0, 0, 0, 0, 0, uint8_t(withHeader ? 0x80 : 0)});
    f.resize(32, 0);
    return f;
}

Bytes id3v1() // a real tag, after the last frame
{
    Bytes t(128, 0);
    std::memcpy(t.data(), "TAGTitle", 8);
    return t;
}

class IndexTest : public BassTest {
protected:
    // A small MP3 made by the encoder, its frames indexed as the decoder counts them.
    Bytes mp3(double seconds = 1.0, int rate = 44100, int channels = 2, int kbps = 128)
    {
        writeMp3(dir.file("made.mp3"), busySound(rate, channels, seconds, 1), kbps);
        return readBytes(dir.file("made.mp3"));
    }
    int64_t decodedFrames(const Bytes &bytes)
    {
        writeBytes(dir.file("decode.mp3"), bytes);
        const HSTREAM h = openStream(dir.file("decode.mp3"));
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        if (!h)
            return -1;
        const Decoded d = drain(h);
        BASS_ChannelFree(h);
        return int64_t(d.frames());
    }
};

} // namespace

// Each size at the end is checked: a size of zero once looped for ever, and sizes that
// point past the start, below a footer's own length or at no header end the search, the
// bytes left to the frames (where they are junk after the last frame).
TEST_F(IndexTest, TagsAtTheEndWithImpossibleSizesEndTheSearch)
{
    const Bytes sound = mp3();
    const IndexResult plain = indexWithin(sound);
    ASSERT_TRUE(plain.index);
    const size_t frames = plain.index->frames.size();
    auto lyrics = [](const std::string &size, const std::string &body) {
        Bytes b;
        append(b, body);
        append(b, size + "LYRICS200");
        return b;
    };
    struct Case {
        const char *name;
        Bytes tail;
        size_t tagBytes; // at the end, not audio
    };
    const Case cases[] = {
        {"APEv2 footer of size 0", apeFooter(0, false), 0},
        {"APEv2 footer of size 0 with a header", apeFooter(0, true), 0},
        {"APEv2 footer of size 31", apeFooter(31, false), 0},
        {"APEv2 footer larger than the file", apeFooter(0x7FFFFFF0, false), 0},
        {"APEv2 header promised but missing", [] { Bytes b(40, 'x'); append(b, apeFooter(40, true)); return b; }(), 0},
        {"APEv2 of 32 bytes: its footer alone", apeFooter(32, false), 32},
        {"Lyrics3 of size 0", lyrics("000000", ""), 0},
        {"Lyrics3 without its start", lyrics("000020", std::string(20, 'y')), 0},
        {"Lyrics3 size that is no number", lyrics("00x020", "LYRICSBEGIN" + std::string(9, 'y')), 0},
        {"Lyrics3, then APEv2 of size 0, then ID3v1",
         [&] {
             Bytes b = lyrics("000020", "LYRICSBEGIN" + std::string(9, 'y'));
             append(b, apeFooter(0, false));
             append(b, id3v1());
             return b;
         }(),
         128},
        {"ID3v1 before an APEv2 tag is not the file's end", [] {
             Bytes b = id3v1();
             append(b, apeFooter(32, false));
             return b;
         }(), 32},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Bytes file = sound;
        append(file, c.tail);
        const IndexResult r = indexWithin(file);
        ASSERT_TRUE(r.index) << int(r.refusal);
        EXPECT_EQ(r.index->audioEnd, file.size() - c.tagBytes);
        EXPECT_EQ(r.index->frames.size(), frames);
    }
}

// An ID3v1 tag follows the last frame; 128 bytes inside the last frame that start with
// "TAG" are the frame's, as the decoder reads them.
TEST_F(IndexTest, AFrameWhoseLastBytesSpellTagKeepsThem)
{
    const Bytes sound = mp3();
    const IndexResult plain = indexWithin(sound);
    ASSERT_TRUE(plain.index);
    Bytes spelled = sound;
    std::memcpy(spelled.data() + spelled.size() - 128, "TAG", 3);
    Bytes tagged = spelled;
    append(tagged, id3v1());
    for (const auto &[name, file, tagBytes] :
         {std::tuple{"the last frame's bytes", spelled, size_t(0)}, std::tuple{"and a real tag after it", tagged, size_t(128)}}) {
        SCOPED_TRACE(name);
        const IndexResult r = indexWithin(file);
        ASSERT_TRUE(r.index);
        EXPECT_EQ(r.index->frames.size(), plain.index->frames.size());
        EXPECT_FALSE(r.index->truncatedTail);
        EXPECT_EQ(r.index->audioEnd, file.size() - tagBytes);
        EXPECT_EQ(r.index->samples(), decodedFrames(file));
    }
}

// Bytes that parse as a free-format header are junk inside a stream of sized frames, and
// before its first frame: a free-format stream has two more such headers a frame apart.
TEST_F(IndexTest, AFreeFormatHeaderInJunkIsJunk)
{
    const Bytes sound = mp3();
    const IndexResult plain = indexWithin(sound);
    ASSERT_TRUE(plain.index);
    Bytes junk(37, 0x55);
    junk[0] = 0xFF, junk[1] = 0xFB, junk[2] = 0x00, junk[3] = 0x44;
    const size_t at20 = plain.index->frames[20].offset;
    Bytes inside = sound;
    inside.insert(inside.begin() + long(at20), junk.begin(), junk.end());
    Bytes before = junk;
    append(before, sound);

    const IndexResult mid = indexWithin(inside);
    ASSERT_TRUE(mid.index);
    EXPECT_FALSE(mid.index->freeFormat);
    ASSERT_EQ(mid.index->frames.size(), plain.index->frames.size());
    EXPECT_TRUE(mid.index->frames[20].damaged) << "junk lies right before it";
    EXPECT_FALSE(mid.index->frames[21].damaged);
    EXPECT_EQ(mid.index->samples(), decodedFrames(inside));

    const IndexResult start = indexWithin(before);
    ASSERT_TRUE(start.index);
    EXPECT_FALSE(start.index->freeFormat);
    EXPECT_EQ(start.index->frames.size(), plain.index->frames.size());
    EXPECT_EQ(start.index->frames.front().offset, junk.size() + plain.index->frames.front().offset);

    // A megabyte of free-format headers at no steady spacing: each is looked into at most a
    // frame's length on, and only so many of them, so the search stays short. (Three of
    // them a frame apart make a free-format stream, as the decoder would take them.)
    Bytes headers;
    uint32_t seed = 5;
    while (headers.size() < 1000000) {
        seed = seed * 1664525u + 1013904223u;
        headers.insert(headers.end(), {0xFF, 0xFB, 0x00, 0x44});
        headers.resize(headers.size() + 5 + (seed >> 24) % 60, 0x11);
    }
    const Stopwatch watch;
    const IndexResult busy = indexWithin(headers);
    EXPECT_TRUE(watch.within(std::chrono::seconds(2))) << "the search took long";
    EXPECT_TRUE(busy.index || busy.refusal == Refusal::NotMp3 || busy.refusal == Refusal::NoFrameNearStart);

    // A stream of free-format frames is one.
    Bytes free;
    for (int i = 0; i < 6; ++i) {
        Bytes f(300, 0);
        f[0] = 0xFF, f[1] = 0xFB, f[2] = 0x00, f[3] = 0x44;
        append(free, f);
    }
    const IndexResult ff = indexWithin(free);
    ASSERT_TRUE(ff.index);
    EXPECT_TRUE(ff.index->freeFormat);
}

// Junk before the first frame is searched through well past the decoder's own limit; past
// the search the reason says so, and a file with no frame at all says that.
TEST_F(IndexTest, JunkBeforeTheFirstFrame)
{
    const Bytes sound = mp3(0.3);
    const IndexResult plain = indexWithin(sound);
    ASSERT_TRUE(plain.index);
    auto junk = [](size_t bytes) {
        Bytes j(bytes);
        uint32_t seed = 99;
        for (uint8_t &b : j) {
            seed = seed * 1664525u + 1013904223u;
            b = uint8_t(seed >> 24);
        }
        return j;
    };
    struct Case {
        size_t junk;
        Refusal refusal;
    };
    for (const Case &c : {Case{65536, Refusal::None}, Case{300000, Refusal::None}, Case{1100000, Refusal::NoFrameNearStart}}) {
        SCOPED_TRACE(c.junk);
        Bytes file = junk(c.junk);
        append(file, sound);
        const IndexResult r = indexWithin(file);
        EXPECT_EQ(r.refusal, c.refusal);
        if (c.refusal == Refusal::None) {
            ASSERT_TRUE(r.index);
            EXPECT_EQ(r.index->frames.size(), plain.index->frames.size());
            EXPECT_EQ(r.index->samples(), plain.index->samples());
        }
    }
    EXPECT_EQ(indexWithin(junk(5000)).refusal, Refusal::NotMp3);
    EXPECT_NE(describe(Refusal::NoFrameNearStart), describe(Refusal::NotMp3));
}

// What the decoder delivers when the info frame's count is not the frames': two files put
// end to end lose the first one's padding where it ends; a count past the frames, or none,
// turns the trimming off. The index's length is the decoder's in each case.
TEST_F(IndexTest, TheSoundsLengthFollowsTheDecoderWhateverTheInfoFrameCounts)
{
    const Bytes a = mp3(1.0), b = mp3(0.7, 44100, 2, 128);
    const IndexResult ia = indexWithin(a);
    ASSERT_TRUE(ia.index && ia.index->lameTagged());
    const size_t infoBytes = ia.index->info->bytes;
    const int spf = 1152;

    Bytes joined = a;
    append(joined, b);
    const Bytes cut(a.begin(), a.begin() + long(ia.index->frames[30].offset));
    Bytes uncounted = a; // the same info frame without its frame count
    const size_t x = 4 + ia.index->layout.sideInfoBytes();
    uncounted[x + 7] &= ~1;
    std::memmove(uncounted.data() + x + 8, uncounted.data() + x + 12, infoBytes - (x + 12));
    const Bytes bare(a.begin() + long(infoBytes), a.end());

    struct Case {
        const char *name;
        Bytes file;
        int64_t skip;
        bool joinedStreams;
    };
    const Case cases[] = {
        {"as encoded", a, 576 + 529, false},
        {"two files end to end", joined, 576 + 529, true},
        {"cut short after 30 frames", cut, 0, false},
        {"an info frame without a count", uncounted, 0, false},
        {"no info frame", bare, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IndexResult r = indexWithin(c.file);
        ASSERT_TRUE(r.index);
        EXPECT_EQ(r.index->samples(), decodedFrames(c.file));
        EXPECT_EQ(r.index->skip(), c.skip);
        EXPECT_EQ(r.index->joinedAt().has_value(), c.joinedStreams);
    }
    // Where the second file's sound starts: after the first one's frames, less the samples
    // the decoder drops at the start and the first one's padding.
    const IndexResult r = indexWithin(joined);
    ASSERT_TRUE(r.index && r.index->joinedAt());
    const int64_t firstLength = ia.index->samples();
    EXPECT_EQ(*r.index->joinedAt(), firstLength);
    EXPECT_EQ(r.index->decodedAt(firstLength - 1), firstLength - 1 + 576 + 529);
    EXPECT_EQ(r.index->decodedAt(firstLength), int64_t(ia.index->frames.size()) * spf);
}
