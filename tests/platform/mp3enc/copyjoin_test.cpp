// Joining clips of MP3 files by copying frames: straight through where a clip goes on where
// the last one ended, encoded again around every other joint.
#include "platform/mp3enc/copyjoin.h"
#include "platform/bass/bass_test_util.h"
#include "platform/mp3frames/globalgain.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/reservoir.h"
#include "platform/mp3frames/frameheader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace {

using namespace trevisto;
using namespace trevisto::test;
using mp3enc::CopyJoinClip;
using mp3enc::CopyJoinOutcome;
using mp3enc::joinByCopy;

// The identity of an MP3 whose frames decode to `frames` samples, as the loader takes it.
std::optional<mp3frames::FileIdentity> identify(const std::string &path, int64_t frames)
{
    const auto r = mp3frames::indexMp3(path);
    if (!r.index || r.index->freeFormat || r.index->frames.empty() || r.index->samples() != frames)
        return std::nullopt;
    return r.index->identity;
}

Pcm busySound(int rate, int channels, double seconds, uint32_t seed)
{
    return makeBusySound(rate, channels, seconds, seed);
}

// What a joint of two clips should sound like: the first clip, the overlap that whole frames
// impose crossfaded at equal power, the second clip; no sample of either is dropped.
std::vector<int16_t> crossfaded(const std::vector<int16_t> &first, int64_t from1, int64_t len1,
                                const std::vector<int16_t> &second, int64_t from2, int64_t len2, int64_t overlap,
                                int ch)
{
    std::vector<int16_t> want(first.begin() + from1 * ch, first.begin() + (from1 + len1 - overlap) * ch);
    for (int64_t k = 0; k < overlap; ++k) {
        const double t = (double(k) + 0.5) / double(overlap) * M_PI / 2;
        for (int c = 0; c < ch; ++c) {
            const double v = first[size_t((from1 + len1 - overlap + k) * ch + c)] * std::cos(t) +
                             second[size_t((from2 + k) * ch + c)] * std::sin(t);
            want.push_back(int16_t(std::clamp(std::lround(v), -32768L, 32767L)));
        }
    }
    want.insert(want.end(), second.begin() + (from2 + overlap) * ch, second.begin() + (from2 + len2) * ch);
    return want;
}

// What a shaped copy join should sound like, in floating point: the clips overlapped by
// `overlaps` at their joints and crossfaded there at equal power, the whole faded in and
// out over `fadeIn` and `fadeOut` samples (the square of a quarter sine).
std::vector<double> shapedJoin(const std::vector<std::vector<int16_t>> &clips, const std::vector<int64_t> &overlaps,
                               int64_t fadeIn, int64_t fadeOut, int ch)
{
    int64_t length = 0;
    for (size_t i = 0; i < clips.size(); ++i)
        length += int64_t(clips[i].size()) / ch - (i > 0 ? overlaps[i - 1] : 0);
    std::vector<double> out(size_t(length * ch), 0.0);
    int64_t start = 0;
    for (size_t i = 0; i < clips.size(); ++i) {
        const int64_t n = int64_t(clips[i].size()) / ch;
        const int64_t in = i > 0 ? overlaps[i - 1] : 0, outgoing = i + 1 < clips.size() ? overlaps[i] : 0;
        for (int64_t k = 0; k < n; ++k) {
            double w = 1;
            if (k < in)
                w *= std::sin((double(k) + 0.5) / double(in) * M_PI / 2);
            if (k >= n - outgoing)
                w *= std::cos((double(k - (n - outgoing)) + 0.5) / double(outgoing) * M_PI / 2);
            for (int c = 0; c < ch; ++c)
                out[size_t((start + k) * ch + c)] += w * clips[i][size_t(k * ch + c)];
        }
        start += n - outgoing;
    }
    const auto rise = [](int64_t k, int64_t n) { return std::pow(std::sin((double(k) + 0.5) / double(n) * M_PI / 2), 2); };
    for (int64_t f = 0; f < length; ++f) {
        double w = 1;
        if (f < fadeIn)
            w *= rise(f, fadeIn);
        if (f >= length - fadeOut)
            w *= rise(length - 1 - f, fadeOut);
        for (int c = 0; c < ch; ++c)
            out[size_t(f * ch + c)] *= w;
    }
    return out;
}

// Every frame of the MP3 files at `paths`, byte for byte.
std::set<std::vector<uint8_t>> framesOf(const std::vector<std::string> &paths)
{
    std::set<std::vector<uint8_t>> frames;
    for (const std::string &path : paths) {
        const std::vector<uint8_t> bytes = readBytes(path);
        const auto r = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
        EXPECT_TRUE(r.index);
        if (r.index)
            for (const auto &e : r.index->frames)
                frames.emplace(bytes.begin() + long(e.offset), bytes.begin() + long(e.offset + e.bytes));
    }
    return frames;
}

class Mp3JoinTest : public BassTest {
protected:
    struct Source {
        std::string path;
        int channels;
        std::vector<int16_t> decoded;
        mp3frames::FileIdentity identity;
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
        decodeAndIdentify(s);
        return s;
    }
    // Fills in `s`'s decoded sound and the identity a cut of it would carry.
    void decodeAndIdentify(Source &s)
    {
        s.decoded = decodeSamples(s.path);
        const auto origin = identify(s.path, int64_t(s.decoded.size()) / s.channels);
        EXPECT_TRUE(origin);
        if (origin)
            s.identity = *origin;
    }
    // An MP3 of `pcm` cut at its frame `dropped`, without an info frame: its first frames
    // reach back for main data before the file.
    Source cutSource(const std::string &name, const Pcm &pcm, int kbps, size_t dropped)
    {
        Source s{dir.file(name), pcm.channels, {}, {}};
        writeMp3(s.path, pcm, kbps);
        const std::vector<uint8_t> whole = readBytes(s.path);
        const auto r = mp3frames::indexMp3Bytes(whole.data(), whole.size());
        EXPECT_TRUE(r.index && r.index->frames[dropped].mainDataBegin > 0);
        writeBytes(s.path, std::vector<uint8_t>(whole.begin() + long(r.index->frames[dropped].offset), whole.end()));
        decodeAndIdentify(s);
        return s;
    }
    // The clip [a, b) of `s`: its sound as the cut wrote it, and its origin.
    CopyJoinClip clip(const Source &s, int64_t a, int64_t b, int rate)
    {
        const std::string wav = dir.file("clip" + std::to_string(clips_++) + ".wav");
        Pcm pcm;
        pcm.rate = rate;
        pcm.channels = s.channels;
        pcm.samples.assign(s.decoded.begin() + a * s.channels, s.decoded.begin() + b * s.channels);
        writeWav(wav, pcm);
        return {mp3enc::ClipOrigin{QString::fromStdString(s.path), s.identity, a, b}, QString::fromStdString(wav)};
    }
    int clips_ = 0;
};

TEST_F(Mp3JoinTest, ContiguousClipsAreCopiedStraightThroughAndExact)
{
    const Source s = source("a.mp3", busySound(44100, 2, 3.0, 1), 128);
    const std::vector<CopyJoinClip> clips = {clip(s, 5000, 40001, 44100), clip(s, 40001, 70000, 44100),
                                            clip(s, 70000, 100000, 44100)};
    const std::string out = dir.file("joined.mp3");
    const CopyJoinOutcome joined = joinByCopy(clips, QString::fromStdString(out));
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 0);
    EXPECT_EQ(decodeSamples(out), std::vector<int16_t>(s.decoded.begin() + 5000 * 2, s.decoded.begin() + 100000 * 2));
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
        const std::vector<CopyJoinClip> clips = {clip(a, 3000, 3000 + len1, c.rate), clip(b, 7777, 7777 + len2, c.rate)};
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined = joinByCopy(clips, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
        EXPECT_EQ(joined.encodedJoints, 1);

        const std::vector<int16_t> got = decodeSamples(out);
        const int ch = c.channels, spf = c.rate >= 32000 ? 1152 : 576;
        const int64_t length = int64_t(got.size()) / ch, overlap = len1 + len2 - length;
        ASSERT_GE(overlap, 0);
        ASSERT_LT(overlap, spf) << "the clips overlap by less than a frame";
        ASSERT_EQ(joined.samples, length);
        ASSERT_EQ(joined.clipSamples, len1 + len2);
        const int64_t seam = len1 - (overlap + 1) / 2;
        const std::vector<int16_t> want = crossfaded(a.decoded, 3000, len1, b.decoded, 7777, len2, overlap, ch);
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

// Away from its joints a join is the sources' own frames, byte for byte: the frames a
// join encoded instead would decode close to the clips, but not as the sources do.
TEST_F(Mp3JoinTest, EveryFrameAwayFromTheJointsIsASourceFrame)
{
    const Source a = source("a.mp3", busySound(44100, 2, 3.0, 21), 128);
    const Source b = source("b.mp3", busySound(44100, 2, 3.0, 22), 128);
    const std::string out = dir.file("joined.mp3");
    const CopyJoinOutcome joined = joinByCopy(
        {clip(a, 4000, 60000, 44100), clip(b, 10000, 70000, 44100), clip(a, 80000, 120000, 44100)},
        QString::fromStdString(out));
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    ASSERT_EQ(joined.encodedFrames.size(), 2u);

    std::set<std::vector<uint8_t>> sourceFrames;
    for (const Source *s : {&a, &b}) {
        const std::vector<uint8_t> bytes = readBytes(s->path);
        const auto r = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
        ASSERT_TRUE(r.index);
        for (const auto &e : r.index->frames)
            sourceFrames.emplace(bytes.begin() + long(e.offset), bytes.begin() + long(e.offset + e.bytes));
    }
    const std::vector<uint8_t> bytes = readBytes(out);
    const auto r = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
    ASSERT_TRUE(r.index);
    const auto &frames = r.index->frames;
    size_t copied = 0, foreign = 0;
    for (size_t k = 0; k < frames.size(); ++k) {
        const bool encoded = std::any_of(joined.encodedFrames.begin(), joined.encodedFrames.end(),
                                         [k](const auto &span) { return k >= span.first && k < span.second; });
        const std::vector<uint8_t> frame(bytes.begin() + long(frames[k].offset),
                                         bytes.begin() + long(frames[k].offset + frames[k].bytes));
        if (encoded)
            continue;
        if (sourceFrames.count(frame))
            ++copied;
        else if (k > 0) // the first may be a silent frame that carries the reservoir
            ++foreign;
    }
    EXPECT_EQ(foreign, 0u);
    EXPECT_GT(copied, frames.size() * 9 / 10);
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
        std::vector<CopyJoinClip> clips;
        for (int64_t i = 0; i < 6; ++i) // seams at many places in the frame grid
            clips.push_back(clip(i % 2 ? b : a, 2000 + 3457 * i, 2000 + 3457 * i + 9000 + 111 * i, c.rate));
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined = joinByCopy(clips, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
        ASSERT_EQ(joined.encodedJoints, 5);
        ASSERT_EQ(joined.encodedFrames.size(), 5u);
        const auto indexed = mp3frames::indexMp3(out);
        ASSERT_TRUE(indexed.index);
        const std::vector<uint8_t> bytes = readBytes(out);
        const auto &frames = indexed.index->frames;
        auto type = [&](size_t frame, int granule, int channel) {
            return mp3frames::blockType(frames[frame].parsedHeader(), bytes.data() + frames[frame].offset,
                                        frames[frame].bytes, granule, channel)
                .value_or(-1);
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
    ASSERT_EQ(joinByCopy({clip(plain, 3000, 30000, 44100), clip(plain, 50000, 80000, 44100)},
                            QString::fromStdString(fromPlain))
                  .kind,
              CopyJoinOutcome::Copied);
    const CopyJoinOutcome joined = joinByCopy({clip(tagged, 3000, 30000, 44100), clip(tagged, 50000, 80000, 44100)},
                                                QString::fromStdString(fromTagged));
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 1);
    std::vector<uint8_t> want = tag;
    const std::vector<uint8_t> untagged = readBytes(fromPlain);
    want.insert(want.end(), untagged.begin(), untagged.end());
    EXPECT_EQ(readBytes(fromTagged), want);
    EXPECT_EQ(decodeSamples(fromTagged), decodeSamples(fromPlain));

    const std::string mix = dir.file("mix.mp3");
    ASSERT_EQ(joinByCopy({clip(tagged, 3000, 30000, 44100), clip(other, 50000, 80000, 44100)},
                            QString::fromStdString(mix))
                  .kind,
              CopyJoinOutcome::Copied);
    const std::vector<uint8_t> mixed = readBytes(mix);
    ASSERT_GE(mixed.size(), 2u);
    EXPECT_EQ(mixed[0], 0xFF) << "a frame, not a tag, comes first";
}

TEST_F(Mp3JoinTest, ClipsThatCannotBeCopiedSayWhy)
{
    const Source a = source("a.mp3", busySound(44100, 2, 1.0, 1), 128);
    const Source m = source("m.mp3", busySound(22050, 1, 1.0, 1), 64);
    CopyJoinClip plain = clip(a, 0, 20000, 44100);
    plain.origin.reset();
    const struct {
        const char *name;
        std::vector<CopyJoinClip> clips;
    } cases[] = {
        {"a clip without an MP3", {clip(a, 0, 20000, 44100), plain}},
        {"another layout", {clip(a, 0, 20000, 44100), clip(m, 0, 10000, 22050)}},
        {"a clip too short for its joints", {clip(a, 0, 20000, 44100), clip(a, 30000, 30500, 44100)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.file("no.mp3");
        const CopyJoinOutcome joined = joinByCopy(c.clips, QString::fromStdString(out));
        EXPECT_EQ(joined.kind, CopyJoinOutcome::NotCopyable);
        EXPECT_FALSE(joined.why.isEmpty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// Every source is compared with the first clip's. Its path once sorted after the second
// source's, which was then compared with itself: a mono clip followed by a stereo one was
// read into a buffer half the size, and clips of two rates made one file of both.
TEST_F(Mp3JoinTest, EverySourceSharesTheFirstClipsLayout)
{
    struct Case {
        const char *name;
        int rate1, channels1, kbps1;
        int rate2, channels2, kbps2;
    };
    const Case cases[] = {
        {"mono, then stereo", 44100, 1, 64, 44100, 2, 128},
        {"48 kHz, then 44.1 kHz", 48000, 2, 128, 44100, 2, 128},
        {"MPEG-1 at 32 kHz, then MPEG-2 at 16 kHz", 32000, 2, 128, 16000, 2, 64},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // The first clip's source sorts last.
        const Source first = source("z-first.mp3", busySound(c.rate1, c.channels1, 1.5, 1), c.kbps1);
        const Source second = source("a-second.mp3", busySound(c.rate2, c.channels2, 1.5, 2), c.kbps2);
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined =
            joinByCopy({clip(first, 1000, 20000, c.rate1), clip(second, 2000, 20000, c.rate2)}, QString::fromStdString(out));
        EXPECT_EQ(joined.kind, CopyJoinOutcome::NotCopyable);
        EXPECT_TRUE(joined.why.contains(QString::fromStdString(first.path))) << joined.why.toStdString();
        EXPECT_TRUE(joined.why.contains(QString::fromStdString(second.path))) << joined.why.toStdString();
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

// Clips that start at the start of a stream cut at a frame: where the join begins with one,
// frames encoded from its sound lead into its first copied frame; where one follows a
// joint, the joint's encoded frames reach on to the first frame whose data lies in the
// file. No burst anywhere, and exact away from the encoded frames.
TEST_F(Mp3JoinTest, ClipsFromTheStartOfAStreamCutAtAFrame)
{
    // At 64 kbit/s the reservoir reaches back over more frames than a joint encodes.
    const Source cut = cutSource("cut.mp3", busySound(44100, 2, 1.5, 3), 128, 10);
    const Source low = cutSource("low.mp3", busySound(44100, 2, 1.5, 4), 64, 10);
    const Source other = source("other.mp3", busySound(44100, 2, 1.5, 8), 128);
    struct Case {
        const char *name;
        const Source &stream;
        bool cutFirst; // else the other clip comes first
        int64_t cutFrom;
        bool leadIn;
    };
    const Case cases[] = {
        {"the cut stream first, from its start", cut, true, 0, true},
        {"the cut stream first, from its second frame", cut, true, 1500, true},
        {"the cut stream second, from its start", low, false, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const int64_t len1 = 20011, len2 = 18000;
        const Source &s1 = c.cutFirst ? c.stream : other, &s2 = c.cutFirst ? other : c.stream;
        const int64_t a1 = c.cutFirst ? c.cutFrom : 3000, a2 = c.cutFirst ? 5000 : c.cutFrom;
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined =
            joinByCopy({clip(s1, a1, a1 + len1, 44100), clip(s2, a2, a2 + len2, 44100)}, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
        EXPECT_EQ(joined.encodedJoints, 1);
        EXPECT_EQ(joined.leadInFrames > 0, c.leadIn);

        const std::vector<int16_t> got = decodeSamples(out);
        const int64_t length = int64_t(got.size()) / 2, overlap = len1 + len2 - length;
        ASSERT_GE(overlap, 0);
        ASSERT_LT(overlap, 1152);
        const int64_t seam = len1 - (overlap + 1) / 2;
        const std::vector<int16_t> want = crossfaded(s1.decoded, a1, len1, s2.decoded, a2, len2, overlap, 2);
        ASSERT_EQ(want.size(), got.size());
        const int64_t reach = 5 * 1152; // the encoded frames, at the start and around the joint
        int worst = 0;
        int64_t inexact = 0;
        for (int64_t i = 0; i < length * 2; ++i) {
            const int64_t at = i / 2;
            const int d = std::abs(int(got[size_t(i)]) - want[size_t(i)]);
            worst = std::max(worst, d);
            if (!(at < reach || (at >= seam - reach && at < seam + reach)) && d > 0)
                ++inexact;
        }
        EXPECT_EQ(inexact, 0) << "samples off away from the encoded frames";
        EXPECT_LT(worst, 8000) << "a burst";
    }
}

// Two files put end to end: the decoder drops the first one's padding where it ends. Clips
// on either side of that point are joined with a joint encoded there; a clip across it is
// refused, saying why.
TEST_F(Mp3JoinTest, ClipsOfTwoFilesPutEndToEnd)
{
    const Source a = source("a.mp3", busySound(44100, 2, 1.0, 11), 128), b = source("b.mp3", busySound(44100, 2, 0.8, 12), 128);
    std::vector<uint8_t> both = readBytes(a.path);
    const std::vector<uint8_t> second = readBytes(b.path);
    both.insert(both.end(), second.begin(), second.end());
    writeBytes(dir.file("both.mp3"), both);
    Source s{dir.file("both.mp3"), 2, decodeSamples(dir.file("both.mp3")), {}};
    const auto origin = identify(s.path, int64_t(s.decoded.size()) / 2);
    ASSERT_TRUE(origin);
    s.identity = *origin;
    const int64_t seam = int64_t(a.decoded.size()) / 2;

    const std::string out = dir.file("joined.mp3");
    const CopyJoinOutcome across = joinByCopy({clip(s, seam - 9000, seam + 9000, 44100)}, QString::fromStdString(out));
    EXPECT_EQ(across.kind, CopyJoinOutcome::NotCopyable);
    EXPECT_EQ(across.why, mp3frames::describe(mp3frames::Refusal::AcrossJoinedStreams));

    const CopyJoinOutcome joined = joinByCopy({clip(s, seam - 15000, seam, 44100), clip(s, seam, seam + 15000, 44100)},
                                                QString::fromStdString(out));
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 1);
    const std::vector<int16_t> got = decodeSamples(out);
    const int64_t length = int64_t(got.size()) / 2, overlap = 30000 - length;
    ASSERT_GE(overlap, 0);
    ASSERT_LT(overlap, 1152);
    const int64_t cut = 15000 - (overlap + 1) / 2;
    std::vector<int16_t> want(s.decoded.begin() + (seam - 15000) * 2, s.decoded.begin() + (seam - 15000 + cut) * 2);
    want.insert(want.end(), s.decoded.begin() + (seam + overlap / 2) * 2, s.decoded.begin() + (seam + 15000) * 2);
    ASSERT_EQ(want.size(), got.size());
    int64_t inexact = 0;
    for (int64_t i = 0; i < length * 2; ++i)
        if (std::abs(i / 2 - cut) >= 4 * 1152 && got[size_t(i)] != want[size_t(i)])
            ++inexact;
    EXPECT_EQ(inexact, 0) << "samples off away from the joint";
}

// Clips at levels of their own: each copied frame is its source's frame with only its
// global_gain moved by the clip's steps (and the CRC, where there is one), decoding to the
// source's samples scaled by 2^(steps/4); the joints are encoded at the same levels, and
// the info frame's music CRC covers the frames as written.
TEST_F(Mp3JoinTest, ClipsCopiedAtTheirOwnLevelsByGlobalGainSteps)
{
    struct Case {
        const char *name;
        int rate, channels, kbps;
        int stepsA, stepsB;
    };
    const Case cases[] = {{"MPEG-1 stereo", 44100, 2, 128, 1, -3}, {"MPEG-2 mono", 22050, 1, 64, -2, 2}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Source a = source("a.mp3", busySound(c.rate, c.channels, 2.0, 31), c.kbps);
        const Source b = source("b.mp3", busySound(c.rate, c.channels, 2.0, 32), c.kbps);
        const int64_t len1 = 30011, len2 = 25000;
        CopyJoinClip first = clip(a, 3000, 3000 + len1, c.rate), second = clip(b, 7777, 7777 + len2, c.rate);
        first.gainSteps = c.stepsA;
        second.gainSteps = c.stepsB;
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined = joinByCopy({first, second}, QString::fromStdString(out));
        ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
        ASSERT_EQ(joined.encodedFrames.size(), 1u);

        // The frames: each one outside the joint is a source frame at its clip's level.
        std::set<std::vector<uint8_t>> plain, gained;
        for (const auto &[s, steps] : {std::pair{&a, c.stepsA}, std::pair{&b, c.stepsB}}) {
            const std::vector<uint8_t> bytes = readBytes(s->path);
            const auto r = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
            ASSERT_TRUE(r.index);
            for (const auto &e : r.index->frames) {
                std::vector<uint8_t> f(bytes.begin() + long(e.offset), bytes.begin() + long(e.offset + e.bytes));
                plain.insert(f);
                ASSERT_TRUE(mp3frames::addGlobalGain(f.data(), f.size(), steps));
                gained.insert(f);
            }
        }
        const std::vector<uint8_t> bytes = readBytes(out);
        const auto r = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
        ASSERT_TRUE(r.index && r.index->info && r.index->info->lame);
        const auto &frames = r.index->frames;
        size_t atLevel = 0, unchanged = 0;
        for (size_t k = 1; k < frames.size(); ++k) { // the first may be a silent frame
            const auto &span = joined.encodedFrames.front();
            if (k >= span.first && k < span.second)
                continue;
            const std::vector<uint8_t> frame(bytes.begin() + long(frames[k].offset),
                                             bytes.begin() + long(frames[k].offset + frames[k].bytes));
            atLevel += gained.count(frame);
            unchanged += plain.count(frame) && !gained.count(frame);
        }
        EXPECT_EQ(unchanged, 0u);
        EXPECT_GT(atLevel, frames.size() * 8 / 10);
        const uint16_t music = mp3frames::crc16Arc(bytes.data() + frames.front().offset,
                                                   size_t(r.index->audioEnd - frames.front().offset));
        EXPECT_EQ(music, uint16_t((*r.index->info->lame)[32] << 8 | (*r.index->info->lame)[33]));

        // The sound: each clip's scaled by its steps, within a step of rounding away from the
        // joint; at the joint close to the scaled crossfade.
        const std::vector<int16_t> got = decodeSamples(out);
        const int ch = c.channels, spf = c.rate >= 32000 ? 1152 : 576;
        const int64_t length = int64_t(got.size()) / ch, overlap = len1 + len2 - length;
        ASSERT_EQ(joined.samples, length);
        const int64_t seam = len1 - (overlap + 1) / 2;
        std::vector<int16_t> scaledA = a.decoded, scaledB = b.decoded;
        const double gainA = std::pow(2.0, c.stepsA / 4.0), gainB = std::pow(2.0, c.stepsB / 4.0);
        for (int16_t &v : scaledA)
            v = int16_t(std::clamp(std::lround(v * gainA), -32768L, 32767L));
        for (int16_t &v : scaledB)
            v = int16_t(std::clamp(std::lround(v * gainB), -32768L, 32767L));
        const std::vector<int16_t> want = crossfaded(scaledA, 3000, len1, scaledB, 7777, len2, overlap, ch);
        ASSERT_EQ(want.size(), got.size());
        const int64_t reach = 4 * spf;
        int64_t inexact = 0, compared = 0;
        double signal = 0, noise = 0;
        for (int64_t i = 0; i < length * ch; ++i) {
            const int64_t at = i / ch;
            const double d = double(got[size_t(i)]) - want[size_t(i)];
            if (at >= seam - reach && at < seam + reach) {
                signal += double(want[size_t(i)]) * want[size_t(i)];
                noise += d * d;
                continue;
            }
            if (std::abs(want[size_t(i)]) > 32000)
                continue; // clipped in the decoder as in the scaling
            const double gain = at < seam ? gainA : gainB;
            ++compared;
            inexact += std::abs(d) > gain / 2 + 1;
        }
        EXPECT_GT(compared, length * ch * 3 / 4);
        EXPECT_EQ(inexact, 0) << "samples off away from the joint";
        EXPECT_GE(10 * std::log10(signal / std::max(noise, 1.0)), 12);
        // The encoded frames at the seam carry each clip at its level: a frame's worth on
        // either side has the scaled sound's energy.
        for (const auto &[from, to] : {std::pair{seam - spf, seam}, std::pair{seam, seam + spf}}) {
            double heard = 0, meant = 0;
            for (int64_t i = from * ch; i < to * ch; ++i) {
                heard += double(got[size_t(i)]) * got[size_t(i)];
                meant += double(want[size_t(i)]) * want[size_t(i)];
            }
            EXPECT_NEAR(10 * std::log10(heard / meant), 0, 0.75) << "the level at the seam, from " << from;
        }
    }
}

// Two clips that go on one from the other in one file but at different levels are no
// longer one run of frames: a joint is encoded between them.
TEST_F(Mp3JoinTest, ContiguousClipsAtDifferentLevelsMeetAtAnEncodedJoint)
{
    const Source s = source("a.mp3", busySound(44100, 2, 3.0, 33), 128);
    CopyJoinClip first = clip(s, 5000, 50000, 44100), second = clip(s, 50000, 100000, 44100);
    first.gainSteps = second.gainSteps = -1;
    const std::string out = dir.file("joined.mp3");
    EXPECT_EQ(joinByCopy({first, second}, QString::fromStdString(out)).encodedJoints, 0);
    second.gainSteps = 1;
    const CopyJoinOutcome joined = joinByCopy({first, second}, QString::fromStdString(out));
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    EXPECT_EQ(joined.encodedJoints, 1);
}

// A crossfade or a fade is encoded again in the frames it touches, and only there: the
// overlap is the crossfade widened by less than a frame, the length is the clips' sum less
// the overlaps, every other frame is a source frame, and the sound is the clips shaped as
// the WAV join shapes them: exact away from the encoded frames, close inside them.
TEST_F(Mp3JoinTest, CrossfadesAndFadesAreEncodedInTheFramesTheyTouchOnly)
{
    struct Span {
        int source; // 0 or 1
        int64_t first, last;
    };
    struct Case {
        const char *name;
        int rate, channels, kbps;
        std::vector<Span> spans;
        int64_t crossfade, fadeIn, fadeOut; // samples
        double minSnr;
        int tolerance;
        bool cutAtFrame = false; // the first source starts mid-stream: its first frames reach before it
    };
    const Case cases[] = {
        {"a fade-in over frames that reach before their file", 44100, 2, 128, {{0, 0, 60000}, {1, 10000, 70000}}, 441,
         20000, 0, 20, 0, true},
        {"10 ms crossfades, no fades", 44100, 2, 128, {{0, 4000, 60000}, {1, 10000, 70000}, {0, 80000, 120000}}, 441, 0, 0,
         20, 0},
        {"long crossfades and fades", 44100, 2, 128, {{0, 4000, 100000}, {1, 10000, 110000}}, 44100, 30000, 44100, 20, 0},
        {"contiguous clips of one file crossfade too", 44100, 2, 128, {{0, 4000, 50000}, {0, 50000, 110000}}, 8820, 0,
         0, 20, 0},
        {"MPEG-2 mono", 22050, 1, 64, {{0, 3000, 40000}, {1, 5000, 50000}}, 2205, 6615, 11025, 12, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Source sources[] = {c.cutAtFrame ? cutSource("a.mp3", busySound(c.rate, c.channels, 3.0, 51), c.kbps, 10)
                                               : source("a.mp3", busySound(c.rate, c.channels, 3.0, 51), c.kbps),
                                  source("b.mp3", busySound(c.rate, c.channels, 3.0, 52), c.kbps)};
        std::vector<CopyJoinClip> clips;
        std::vector<std::vector<int16_t>> sounds;
        int64_t clipSamples = 0;
        for (const Span &span : c.spans) {
            const Source &s = sources[span.source];
            clips.push_back(clip(s, span.first, span.last, c.rate));
            sounds.emplace_back(s.decoded.begin() + span.first * c.channels, s.decoded.begin() + span.last * c.channels);
            clipSamples += span.last - span.first;
        }
        mp3enc::CopyJoinShape shape;
        shape.crossfade.assign(clips.size() - 1, c.crossfade);
        shape.fadeIn = c.fadeIn;
        shape.fadeOut = c.fadeOut;
        const std::string out = dir.file("joined.mp3");
        const CopyJoinOutcome joined = joinByCopy(clips, QString::fromStdString(out), {}, nullptr, shape);
        ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();

        const int ch = c.channels, spf = c.rate >= 32000 ? 1152 : 576;
        ASSERT_EQ(joined.overlaps.size(), clips.size() - 1);
        int64_t overlaps = 0;
        for (int64_t o : joined.overlaps) {
            EXPECT_GE(o, c.crossfade);
            EXPECT_LT(o, c.crossfade + spf);
            overlaps += o;
        }
        EXPECT_EQ(joined.clipSamples, clipSamples);
        EXPECT_EQ(joined.samples, clipSamples - overlaps);
        const std::vector<int16_t> got = decodeSamples(out);
        ASSERT_EQ(int64_t(got.size()) / ch, joined.samples);

        // Only the frames the shaping touches, and a few to meet the copied ones.
        ASSERT_EQ(joined.encodedFrames.size(), clips.size() - 1);
        for (const auto &[first, end] : joined.encodedFrames)
            EXPECT_LE(int64_t(end - first), c.crossfade / spf + 8);
        EXPECT_LE(int64_t(joined.leadInFrames), c.fadeIn > 0 ? c.fadeIn / spf + 6 : 2);
        EXPECT_LE(int64_t(joined.leadOutFrames), c.fadeOut / spf + 6);
        EXPECT_EQ(joined.leadOutFrames > 0, c.fadeOut > 0);

        const std::vector<uint8_t> bytes = readBytes(out);
        const auto index = mp3frames::indexMp3Bytes(bytes.data(), bytes.size());
        ASSERT_TRUE(index.index);
        const auto &frames = index.index->frames;
        std::vector<std::pair<uint32_t, uint32_t>> encoded = joined.encodedFrames;
        encoded.emplace_back(0, joined.leadInFrames);
        encoded.emplace_back(uint32_t(frames.size()) - joined.leadOutFrames, uint32_t(frames.size()));
        const auto isEncoded = [&](int64_t frame, int64_t margin) {
            return std::any_of(encoded.begin(), encoded.end(), [&](const auto &span) {
                return span.first < span.second && frame >= int64_t(span.first) - margin &&
                       frame < int64_t(span.second) + margin;
            });
        };
        const std::set<std::vector<uint8_t>> sourceFrames = framesOf({sources[0].path, sources[1].path});
        size_t foreign = 0;
        for (size_t k = 1; k < frames.size(); ++k) // the first may be a silent frame carrying the reservoir
            if (!isEncoded(int64_t(k), 0) &&
                !sourceFrames.count(std::vector<uint8_t>(bytes.begin() + long(frames[k].offset),
                                                         bytes.begin() + long(frames[k].offset + frames[k].bytes))))
                ++foreign;
        EXPECT_EQ(foreign, 0u);

        const std::vector<double> want = shapedJoin(sounds, joined.overlaps, c.fadeIn, c.fadeOut, ch);
        ASSERT_EQ(want.size(), got.size());
        const int64_t skip = index.index->skip();
        double signal = 0, noise = 0;
        int64_t inexact = 0;
        for (int64_t i = 0; i < int64_t(got.size()); ++i) {
            const double d = got[size_t(i)] - want[size_t(i)];
            // The samples after an encoded run still hold some of its last granule and of
            // the synthesis filter's memory: 576 + 512 of them.
            if (isEncoded((i / ch + skip) / spf, (1088 + spf - 1) / spf)) {
                signal += want[size_t(i)] * want[size_t(i)];
                noise += d * d;
            } else if (std::abs(d) > c.tolerance + 0.5) {
                ++inexact;
            }
        }
        EXPECT_EQ(inexact, 0) << "samples off away from the encoded frames";
        EXPECT_GE(10 * std::log10(signal / std::max(noise, 1.0)), c.minSnr);
    }
}

// A 10 ms crossfade takes the click out of a splice in mid-waveform: no step across the
// joint is more than three times the largest one in the 10 ms on either side of it.
TEST_F(Mp3JoinTest, ATenMillisecondCrossfadeTakesTheClickOutOfASplice)
{
    const auto tone = [](double hz) {
        Pcm pcm;
        pcm.rate = 44100;
        pcm.channels = 1;
        for (int i = 0; i < 44100 * 2; ++i)
            pcm.samples.push_back(int16_t(std::lround(12000 * std::sin(2 * M_PI * hz * i / 44100))));
        return pcm;
    };
    const Source a = source("a.mp3", tone(440), 128), b = source("b.mp3", tone(330), 128);
    // The first clip ends on a crest of its tone, the second starts in a trough of its own.
    const auto crest = [](const std::vector<int16_t> &s, int64_t from, int sign) {
        int64_t at = from;
        for (int64_t i = from; i < from + 200; ++i)
            if (sign * s[size_t(i)] > sign * s[size_t(at)])
                at = i;
        return at;
    };
    const int64_t end1 = crest(a.decoded, 50000, 1) + 1, start2 = crest(b.decoded, 20000, -1);
    ASSERT_GT(a.decoded[size_t(end1 - 1)] - b.decoded[size_t(start2)], 20000) << "a splice in mid-waveform";
    const int64_t len1 = end1 - 20000;
    mp3enc::CopyJoinShape shape;
    shape.crossfade = {441};
    const std::string out = dir.file("joined.mp3");
    const CopyJoinOutcome joined = joinByCopy({clip(a, 20000, end1, 44100), clip(b, start2, start2 + 30000, 44100)},
                                              QString::fromStdString(out), {}, nullptr, shape);
    ASSERT_EQ(joined.kind, CopyJoinOutcome::Copied) << joined.why.toStdString();
    const std::vector<int16_t> got = decodeSamples(out);
    const int64_t from = len1 - joined.overlaps[0], to = len1;
    const auto largestStep = [&](int64_t lo, int64_t hi) {
        int worst = 0;
        for (int64_t i = std::max<int64_t>(lo, 1); i < std::min<int64_t>(hi, int64_t(got.size())); ++i)
            worst = std::max(worst, std::abs(got[size_t(i)] - got[size_t(i - 1)]));
        return worst;
    };
    const int around = std::max(largestStep(from - 441, from), largestStep(to, to + 441));
    EXPECT_LE(largestStep(from, to + 1), 3 * around) << "steps up to " << around << " around the joint";
}

// A fade that reaches the frames of a joint, or the other fade, is not copied around: the
// join is refused, saying why, and encoded whole by its caller.
TEST_F(Mp3JoinTest, AFadeThatReachesAJointOrTheOtherFadeIsRefused)
{
    const Source a = source("a.mp3", busySound(44100, 2, 3.0, 61), 128);
    const Source b = source("b.mp3", busySound(44100, 2, 3.0, 62), 128);
    struct Case {
        const char *name;
        bool twoClips;
        int64_t fadeIn, fadeOut;
    };
    for (const Case &c : {Case{"fade-in past the joint", true, 50000, 0}, Case{"fade-out past the joint", true, 0, 50000},
                          Case{"the fades meet", false, 30000, 30000}}) {
        SCOPED_TRACE(c.name);
        std::vector<CopyJoinClip> clips = {clip(a, 4000, 44000, 44100)};
        if (c.twoClips)
            clips.push_back(clip(b, 10000, 50000, 44100));
        mp3enc::CopyJoinShape shape;
        shape.fadeIn = c.fadeIn;
        shape.fadeOut = c.fadeOut;
        const std::string out = dir.file("faded.mp3");
        const CopyJoinOutcome joined = joinByCopy(clips, QString::fromStdString(out), {}, nullptr, shape);
        EXPECT_EQ(joined.kind, CopyJoinOutcome::NotCopyable);
        EXPECT_FALSE(joined.why.isEmpty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
