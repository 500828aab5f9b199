// Joining clips of MP3 files by copying frames: straight through where a clip goes on where
// the last one ended, encoded again around every other joint.
#include "clips/mp3join.h"
#include "platform/bass/bass_test_util.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/reservoir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace trevisto;
using namespace trevisto::test;

Pcm busySound(int rate, int channels, double seconds, uint32_t seed)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    for (size_t i = 0; i < size_t(seconds * rate); ++i)
        for (int c = 0; c < channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double t = double(i) / rate;
            const double v = 0.5 * std::sin(2 * M_PI * (300 + 50 * c) * t) + (double(seed >> 16) / 65536.0 - 0.5) * 0.1;
            pcm.samples.push_back(int16_t(std::lround(v * 30000)));
        }
    return pcm;
}

class Mp3JoinTest : public BassTest {
protected:
    std::vector<int16_t> decode(const std::string &mp3)
    {
        const HSTREAM h = openStream(mp3);
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        if (!h)
            return {};
        const Decoded d = drain(h);
        BASS_ChannelFree(h);
        return d.samples();
    }

    struct Source {
        std::string path;
        int channels;
        std::vector<int16_t> decoded;
        Mp3Source identity;
    };
    // An MP3 of `pcm` with `tag` in front of its frames.
    Source source(const std::string &name, const Pcm &pcm, int kbps, const std::vector<uint8_t> &tag = {})
    {
        Source s{dir.file(name), pcm.channels, {}, {}};
        writeMp3(s.path, pcm, kbps);
        if (!tag.empty()) {
            std::vector<uint8_t> bytes = tag;
            const std::vector<uint8_t> frames = readBytes(s.path);
            bytes.insert(bytes.end(), frames.begin(), frames.end());
            writeBytes(s.path, bytes);
        }
        s.decoded = decode(s.path);
        const auto origin = IdentifyMp3Source(QString::fromStdString(s.path), int64_t(s.decoded.size()) / pcm.channels);
        EXPECT_TRUE(origin);
        if (origin)
            s.identity = *origin;
        return s;
    }
    // The clip [a, b) of `s`: its sound as the cut wrote it, and its origin.
    Mp3JoinClip clip(const Source &s, int64_t a, int64_t b, int rate)
    {
        const std::string wav = dir.file("clip" + std::to_string(clips_++) + ".wav");
        Pcm pcm;
        pcm.rate = rate;
        pcm.channels = s.channels;
        pcm.samples.assign(s.decoded.begin() + a * s.channels, s.decoded.begin() + b * s.channels);
        writeWav(wav, pcm);
        return {Mp3Origin{s.identity, a, b}, QString::fromStdString(wav)};
    }
    int clips_ = 0;
};

TEST_F(Mp3JoinTest, ContiguousClipsAreCopiedStraightThroughAndExact)
{
    const Source s = source("a.mp3", busySound(44100, 2, 3.0, 1), 128);
    const std::vector<Mp3JoinClip> clips = {clip(s, 5000, 40001, 44100), clip(s, 40001, 70000, 44100),
                                            clip(s, 70000, 100000, 44100)};
    const std::string out = dir.file("joined.mp3");
    const Mp3JoinOutcome joined = JoinMp3ByCopy(clips, QString::fromStdString(out));
    ASSERT_EQ(joined.kind, Mp3JoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 0);
    EXPECT_EQ(decode(out), std::vector<int16_t>(s.decoded.begin() + 5000 * 2, s.decoded.begin() + 100000 * 2));
}

TEST_F(Mp3JoinTest, OtherJointsAreEncodedAgainAndTheRestStaysExact)
{
    struct Case {
        const char *name;
        int rate, channels, kbps;
        double minSnr; // dB, inside the encoded frames
        int tolerance; // the decoder is exact for MPEG-1 stereo, within a step otherwise
    };
    const Case cases[] = {{"MPEG-1 stereo", 44100, 2, 128, 20, 0}, {"MPEG-2 mono", 22050, 1, 64, 12, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Source a = source("a.mp3", busySound(c.rate, c.channels, 2.0, 1), c.kbps);
        const Source b = source("b.mp3", busySound(c.rate, c.channels, 2.0, 7), c.kbps);
        const int64_t len1 = 30011, len2 = 25000;
        const std::vector<Mp3JoinClip> clips = {clip(a, 3000, 3000 + len1, c.rate), clip(b, 7777, 7777 + len2, c.rate)};
        const std::string out = dir.file("joined.mp3");
        const Mp3JoinOutcome joined = JoinMp3ByCopy(clips, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, Mp3JoinOutcome::Copied) << joined.why.toStdString();
        EXPECT_EQ(joined.encodedJoints, 1);

        const std::vector<int16_t> got = decode(out);
        const int ch = c.channels, spf = c.rate >= 32000 ? 1152 : 576;
        const int64_t length = int64_t(got.size()) / ch, overlap = len1 + len2 - length;
        ASSERT_GE(overlap, 0);
        ASSERT_LT(overlap, spf) << "the joint moves by at most half a frame on each side";
        // What it should be: the first clip less half the overlap, the second less the rest.
        const int64_t seam = len1 - (overlap + 1) / 2;
        std::vector<int16_t> want(a.decoded.begin() + 3000 * ch, a.decoded.begin() + (3000 + seam) * ch);
        want.insert(want.end(), b.decoded.begin() + (7777 + overlap / 2) * ch, b.decoded.begin() + (7777 + len2) * ch);
        ASSERT_EQ(want.size(), got.size());
        // Exact away from the joint; close inside it.
        const int64_t reach = 4 * spf;
        double signal = 0, noise = 0;
        int64_t inexact = 0, worst = 0;
        for (int64_t i = 0; i < length * ch; ++i) {
            const int64_t at = i / ch;
            const double d = double(got[size_t(i)]) - want[size_t(i)];
            if (at >= seam - reach && at < seam + reach) {
                signal += double(want[size_t(i)]) * want[size_t(i)];
                noise += d * d;
            } else if (std::abs(d) > c.tolerance) {
                ++inexact;
            }
            if (!(at >= seam - reach && at < seam + reach))
                worst = std::max<int64_t>(worst, int64_t(std::abs(d)));
        }
        EXPECT_EQ(inexact, 0) << "samples off away from the joint, by up to " << worst;
        EXPECT_GE(10 * std::log10(signal / std::max(noise, 1.0)), c.minSnr);
    }
}

// Where the encoded frames of a joint meet the copied ones, both have long window halves
// or both short ones; an encoder that began them with the wrong ones was heard as a burst.
TEST_F(Mp3JoinTest, EncodedJointsMeetTheCopiedFramesWithMatchingWindows)
{
    struct Case {
        const char *name;
        int rate, channels, kbps;
    };
    for (const Case &c : {Case{"MPEG-1 stereo", 44100, 2, 128}, Case{"MPEG-2 mono", 22050, 1, 64}}) {
        SCOPED_TRACE(c.name);
        const Source a = source("a.mp3", busySound(c.rate, c.channels, 3.0, 3), c.kbps);
        const Source b = source("b.mp3", busySound(c.rate, c.channels, 3.0, 9), c.kbps);
        std::vector<Mp3JoinClip> clips;
        for (int64_t i = 0; i < 6; ++i) // seams at many places in the frame grid
            clips.push_back(clip(i % 2 ? b : a, 2000 + 3457 * i, 2000 + 3457 * i + 9000 + 111 * i, c.rate));
        const std::string out = dir.file("joined.mp3");
        const Mp3JoinOutcome joined = JoinMp3ByCopy(clips, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, Mp3JoinOutcome::Copied) << joined.why.toStdString();
        ASSERT_EQ(joined.encodedJoints, 5);
        ASSERT_EQ(joined.encodedFrames.size(), 5u);
        const auto indexed = mp3frames::indexMp3(out);
        ASSERT_TRUE(indexed.index);
        const std::vector<uint8_t> bytes = readBytes(out);
        const auto &frames = indexed.index->frames;
        auto type = [&](size_t frame, int granule, int channel) {
            return mp3frames::blockType(frames[frame].parsedHeader(), bytes.data() + frames[frame].offset, granule,
                                        channel);
        };
        const int lastGranule = c.rate >= 32000 ? 1 : 0;
        for (const auto &[from, to] : joined.encodedFrames) {
            ASSERT_GE(to - from, 3u);
            ASSERT_GT(from, 0u);
            ASSERT_LT(to, frames.size());
            for (int ch = 0; ch < c.channels; ++ch) {
                EXPECT_TRUE(mp3frames::windowsMeet(type(from - 1, lastGranule, ch), type(from, 0, ch)))
                    << "into the joint at frame " << from;
                EXPECT_TRUE(mp3frames::windowsMeet(type(to - 1, lastGranule, ch), type(to, 0, ch)))
                    << "out of the joint at frame " << to;
            }
        }
    }
}

// The source's ID3v2 tag goes in front of a join of its own clips, and the frames behind it
// are those of the same join from an untagged file; clips of several files get no tag.
TEST_F(Mp3JoinTest, AJoinOfOneTaggedFileKeepsItsTag)
{
    const std::vector<uint8_t> tag = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20, 'T', 'I', 'T', '2', 0, 0, 0, 6,
                                      0, 0, 0, 'S', 'o', 'n', 'g', 0, 0, 0, 0, 0};
    const Pcm pcm = busySound(44100, 2, 2.0, 5);
    const Source plain = source("plain.mp3", pcm, 128), tagged = source("tagged.mp3", pcm, 128, tag),
                 other = source("other.mp3", busySound(44100, 2, 2.0, 6), 128);
    ASSERT_EQ(tagged.decoded, plain.decoded);
    const std::string fromPlain = dir.file("plain-join.mp3"), fromTagged = dir.file("tagged-join.mp3");
    ASSERT_EQ(JoinMp3ByCopy({clip(plain, 3000, 30000, 44100), clip(plain, 50000, 80000, 44100)},
                            QString::fromStdString(fromPlain))
                  .kind,
              Mp3JoinOutcome::Copied);
    const Mp3JoinOutcome joined = JoinMp3ByCopy({clip(tagged, 3000, 30000, 44100), clip(tagged, 50000, 80000, 44100)},
                                                QString::fromStdString(fromTagged));
    ASSERT_EQ(joined.kind, Mp3JoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 1);
    std::vector<uint8_t> want = tag;
    const std::vector<uint8_t> untagged = readBytes(fromPlain);
    want.insert(want.end(), untagged.begin(), untagged.end());
    EXPECT_EQ(readBytes(fromTagged), want);
    EXPECT_EQ(decode(fromTagged), decode(fromPlain));

    const std::string mix = dir.file("mix.mp3");
    ASSERT_EQ(JoinMp3ByCopy({clip(tagged, 3000, 30000, 44100), clip(other, 50000, 80000, 44100)},
                            QString::fromStdString(mix))
                  .kind,
              Mp3JoinOutcome::Copied);
    const std::vector<uint8_t> mixed = readBytes(mix);
    ASSERT_GE(mixed.size(), 2u);
    EXPECT_EQ(mixed[0], 0xFF) << "a frame, not a tag, comes first";
}

TEST_F(Mp3JoinTest, ClipsThatCannotBeCopiedSayWhy)
{
    const Source a = source("a.mp3", busySound(44100, 2, 1.0, 1), 128);
    const Source m = source("m.mp3", busySound(22050, 1, 1.0, 1), 64);
    Mp3JoinClip plain = clip(a, 0, 20000, 44100);
    plain.origin.reset();
    const struct {
        const char *name;
        std::vector<Mp3JoinClip> clips;
    } cases[] = {
        {"a clip without an MP3", {clip(a, 0, 20000, 44100), plain}},
        {"another layout", {clip(a, 0, 20000, 44100), clip(m, 0, 10000, 22050)}},
        {"a clip too short for its joints", {clip(a, 0, 20000, 44100), clip(a, 30000, 30500, 44100)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.file("no.mp3");
        const Mp3JoinOutcome joined = JoinMp3ByCopy(c.clips, QString::fromStdString(out));
        EXPECT_EQ(joined.kind, Mp3JoinOutcome::NotCopyable);
        EXPECT_FALSE(joined.why.isEmpty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
