// The join with its options on: loudness matched, crossfaded, faded; measured on the
// written file as a listener would hear it.
#include "clips/joiner.h"
#include "clips/loudness.h"

#include "platform/wav/wav.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace trevisto;

namespace {

QString q(const std::string &s) { return QFile::decodeName(s.c_str()); }

std::vector<int16_t> samplesOf(const std::string &path, wav::Format *format = nullptr)
{
    auto file = wav::File::open(path);
    if (!file)
        return {};
    if (format)
        *format = file->format();
    std::vector<int16_t> out(size_t(file->info().frames) * file->format().channels);
    file->readFrames(0, file->info().frames, out.data());
    return out;
}

Loudness spanLoudness(const std::vector<int16_t> &samples, int channels, int rate, int64_t from, int64_t to)
{
    std::vector<float> f;
    for (int64_t i = from * channels; i < to * channels; ++i)
        f.push_back(float(samples[size_t(i)]) / 32768.f);
    return measureLoudness(f.data(), to - from, channels, rate);
}

class ShapedJoin : public ::testing::Test {
protected:
    std::string write(const std::string &name, const test::Pcm &pcm)
    {
        const std::string path = dir.file(name);
        test::writeWav(path, pcm);
        return path;
    }
    test::TempDir dir;
};

// Speech-like (quiet, gappy), a loud busy song and a 48 kHz mono recording: each clip's
// span of the joined file reads the target.
TEST_F(ShapedJoin, EachClipsSpanMeasuresTheTarget)
{
    test::BusyMix speech;
    speech.tone = 0.03;
    speech.noise = 0.02;
    test::BusyMix song;
    song.tone = 0.45;
    song.noise = 0.2;
    test::Pcm mono = test::makeBusySound(48000, 1, 8, 7);
    const QStringList clips{q(write("speech.wav", test::makeBusySound(44100, 2, 8, 3, speech))),
                            q(write("song.wav", test::makeBusySound(44100, 2, 8, 5, song))),
                            q(write("mono.wav", mono))};
    for (double target : JoinOptions::kTargets) {
        JoinShaping shaping;
        shaping.options.targetLufs = target;
        shaping.options.crossfadeMs = 10;
        JoinLevels levels;
        const std::string out = dir.file("joined.wav");
        ASSERT_TRUE(JoinClips(clips, q(out), {}, wav::kMaxFileDataBytes, &shaping, &levels));
        wav::Format format;
        const std::vector<int16_t> joined = samplesOf(out, &format);
        ASSERT_EQ(int64_t(joined.size()) / 2, levels.outputFrames);
        std::vector<JoinClipFacts> facts;
        for (int64_t frames : {44100 * 8, 44100 * 8, 44100 * 8})
            facts.push_back({frames, {}});
        for (size_t i = 0; i < 3; ++i) {
            const int64_t from = levels.startOf(i, facts) + (i > 0 ? levels.overlap[i - 1] : 0);
            const int64_t to = levels.startOf(i, facts) + facts[i].frames - (i < 2 ? levels.overlap[i] : 0);
            const Loudness l = spanLoudness(joined, 2, 44100, from, to);
            EXPECT_NEAR(l.lufs + levels.heldBackDb[i], target, 0.3) << "clip " << i << " at " << target;
            EXPECT_LE(l.truePeakDb, JoinOptions::kPeakCeilingDb + 0.3) << "clip " << i << " at " << target;
        }
    }
}

// Largest |x[n] - x[n-1]| of the first channel over frames [from, to).
int largestStep(const std::vector<int16_t> &s, int channels, int64_t from, int64_t to)
{
    int most = 0;
    for (int64_t n = std::max<int64_t>(from, 1); n < to; ++n)
        most = std::max(most, std::abs(int(s[size_t(n * channels)]) - int(s[size_t((n - 1) * channels)])));
    return most;
}

TEST_F(ShapedJoin, TenMillisecondsTakeTheClickOutOfAMidWaveformSplice)
{
    // The second clip opens at full swing, against the first's end near zero.
    const QStringList clips{q(write("a.wav", test::makeTone(44100, 2, 1, 220, 0.3))),
                            q(write("b.wav", test::makeTone(44100, 2, 1, 330, 0.3, M_PI / 2)))};
    const std::string out = dir.file("joined.wav");
    const int64_t seam = 44100;
    ASSERT_TRUE(JoinClips(clips, q(out)));
    std::vector<int16_t> plain = samplesOf(out);
    const int before = largestStep(plain, 2, seam, seam + 1);
    const int around = std::max(largestStep(plain, 2, seam - 441, seam), largestStep(plain, 2, seam + 1, seam + 441));
    EXPECT_GT(before, 3 * around) << "the plain splice clicks";

    JoinShaping shaping;
    shaping.options.crossfadeMs = JoinOptions::kNoClicksCrossfadeMs;
    JoinLevels levels;
    ASSERT_TRUE(JoinClips(clips, q(out), {}, wav::kMaxFileDataBytes, &shaping, &levels));
    const std::vector<int16_t> faded = samplesOf(out);
    ASSERT_EQ(int64_t(faded.size()) / 2, 2 * seam - 441);
    const int64_t start = seam - 441; // where the overlap begins
    const int inside = largestStep(faded, 2, start, start + 441 + 1);
    const int outside = std::max(largestStep(faded, 2, start - 441, start), largestStep(faded, 2, start + 442, start + 882));
    EXPECT_LE(inside, 3 * outside) << "plain " << before << " vs crossfaded " << inside;
}

TEST_F(ShapedJoin, AWindowIsTheSameFramesAsTheWholeJoin)
{
    const QStringList clips{q(write("a.wav", test::makeBusySound(44100, 2, 3, 1))),
                            q(write("b.wav", test::makeBusySound(44100, 2, 3, 2))),
                            q(write("c.wav", test::makeTone(48000, 1, 2, 500)))};
    JoinShaping shaping;
    shaping.options.targetLufs = -18;
    shaping.options.crossfadeMs = 500;
    shaping.options.fadeInMs = 300;
    shaping.options.fadeOutMs = 1000;
    JoinLevels levels;
    ASSERT_TRUE(JoinClips(clips, q(dir.file("whole.wav")), {}, wav::kMaxFileDataBytes, &shaping, &levels));
    const std::vector<int16_t> whole = samplesOf(dir.file("whole.wav"));
    EXPECT_EQ(levels.outputFrames, 3 * 44100 + 3 * 44100 + 2 * 44100 - 2 * 22050);
    EXPECT_EQ(int64_t(whole.size()) / 2, levels.outputFrames);
    for (auto [from, to] : {std::pair<int64_t, int64_t>{100000, 188200}, {0, 5000}, {200000, 400000}}) {
        shaping.window = {from, to};
        ASSERT_TRUE(JoinClips(clips, q(dir.file("part.wav")), {}, wav::kMaxFileDataBytes, &shaping));
        const std::vector<int16_t> part = samplesOf(dir.file("part.wav"));
        const int64_t end = std::min(to, levels.outputFrames);
        ASSERT_EQ(int64_t(part.size()) / 2, end - from);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + from * 2)) << from;
    }
    // The fades: silence at both ends.
    EXPECT_LT(std::abs(whole[0]), 50);
    EXPECT_LT(std::abs(whole[whole.size() - 2]), 50);
}

} // namespace

namespace {

TEST_F(ShapedJoin, AJointsTwoSecondsAreThoseOfTheWholeJoin)
{
    const QStringList clips{q(write("a.wav", test::makeBusySound(44100, 2, 3, 1))),
                            q(write("b.wav", test::makeBusySound(44100, 2, 0.5, 2))),
                            q(write("c.wav", test::makeBusySound(44100, 2, 3, 3)))};
    JoinShaping shaping;
    shaping.options.targetLufs = -16;
    shaping.options.crossfadeMs = 200;
    JoinLevels levels;
    ASSERT_TRUE(JoinClips(clips, q(dir.file("whole.wav")), {}, wav::kMaxFileDataBytes, &shaping, &levels));
    const std::vector<int16_t> whole = samplesOf(dir.file("whole.wav"));
    const std::vector<JoinClipFacts> facts{{3 * 44100, {}}, {22050, {}}, {3 * 44100, {}}};
    for (size_t joint : {0, 1}) {
        shaping.joint = joint;
        ASSERT_TRUE(JoinClips(clips, q(dir.file("joint.wav")), {}, wav::kMaxFileDataBytes, &shaping));
        const std::vector<int16_t> part = samplesOf(dir.file("joint.wav"));
        const int64_t middle = levels.startOf(joint + 1, facts) + levels.overlap[joint] / 2;
        ASSERT_EQ(int64_t(part.size()) / 2, 2 * 44100) << joint;
        EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + (middle - 44100) * 2)) << joint;
    }
}

} // namespace
