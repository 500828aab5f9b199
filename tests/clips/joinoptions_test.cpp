#include "clips/joinoptions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace trevisto;

namespace {

Loudness loud(double lufs, double peak)
{
    Loudness l;
    l.measured = true;
    l.lufs = lufs;
    l.truePeakDb = peak;
    return l;
}

JoinClipFacts clip(int64_t frames, Loudness l = {}) { return {frames, l}; }

TEST(JoinLevelsPlan, GainsMeetTheTargetOrStopBelowTheCeiling)
{
    struct Case {
        const char *what;
        Loudness loudness;
        double target, gain, heldBack;
        int steps;
    };
    const Case cases[] = {
        {"quiet speech brought up", loud(-30, -16), -16, 14, 0, 9},
        {"loud song brought down", loud(-9, -0.2), -16, -7, 0, -5},
        {"peak stops the gain", loud(-30, -6), -16, 5, 9, 3},
        {"already at the target", loud(-16, -3), -16, 0, 0, 0},
        {"silence keeps its level", loud(-HUGE_VAL, -HUGE_VAL), -16, 0, 0, 0},
        {"an unmeasured clip keeps its level", Loudness{}, -23, 0, 0, 0},
        {"the nearest step over the ceiling steps back", loud(-20, -4.5), -16, 3.5, 0.5, 2},
    };
    for (const Case &c : cases) {
        JoinOptions options;
        options.targetLufs = c.target;
        const JoinLevels plan = planJoinLevels({clip(44100, c.loudness)}, options, 44100);
        EXPECT_NEAR(plan.gainDb[0], c.gain, 1e-9) << c.what;
        EXPECT_NEAR(plan.heldBackDb[0], c.heldBack, 1e-9) << c.what;
        EXPECT_EQ(plan.steps[0], c.steps) << c.what;
        if (c.loudness.hasLoudness()) {
            EXPECT_LE(c.loudness.truePeakDb + plan.gainDb[0], JoinOptions::kPeakCeilingDb + 1e-9) << c.what;
            EXPECT_LE(c.loudness.truePeakDb + plan.steps[0] * kGainStepDb, JoinOptions::kPeakCeilingDb + 1e-9) << c.what;
        }
    }
}

TEST(JoinLevelsPlan, WithoutMatchingEveryGainIsNought)
{
    const JoinLevels plan = planJoinLevels({clip(1000, loud(-30, -10)), clip(1000, loud(-5, 0))}, {}, 44100);
    EXPECT_EQ(plan.gainDb, (std::vector<double>{0, 0}));
    EXPECT_EQ(plan.steps, (std::vector<int>{0, 0}));
}

TEST(JoinLevelsPlan, LengthIsTheClipsSumLessTheOverlaps)
{
    struct Case {
        const char *what;
        std::vector<int64_t> frames;
        int crossfadeMs, rate;
        std::vector<int64_t> overlap;
        int64_t output;
    };
    const Case cases[] = {
        {"plain splice", {441000, 441000, 441000}, 0, 44100, {0, 0}, 1323000},
        {"no clicks", {441000, 441000, 441000}, 10, 44100, {441, 441}, 1323000 - 882},
        {"10 ms at 48 kHz", {48000, 48000}, 10, 48000, {480}, 96000 - 480},
        {"a crossfade under 5 ms is none", {48000, 48000}, 4, 48000, {0}, 96000},
        {"at most half the shorter clip", {1000, 300, 1000}, 5000, 44100, {150, 150}, 2000},
        {"one clip has no joint", {500}, 100, 44100, {}, 500},
        {"5 s at most", {10000000, 10000000}, 9000, 44100, {220500}, 20000000 - 220500},
    };
    for (const Case &c : cases) {
        std::vector<JoinClipFacts> clips;
        for (int64_t f : c.frames)
            clips.push_back(clip(f));
        JoinOptions options;
        options.crossfadeMs = c.crossfadeMs;
        const JoinLevels plan = planJoinLevels(clips, options, c.rate);
        EXPECT_EQ(plan.overlap, c.overlap) << c.what;
        EXPECT_EQ(plan.outputFrames, c.output) << c.what;
        if (clips.size() > 1) {
            EXPECT_EQ(plan.startOf(clips.size() - 1, clips) + c.frames.back(), c.output) << c.what;
        }
    }
}

TEST(JoinLevelsPlan, FadesStayWithinTheOutput)
{
    JoinOptions options;
    options.fadeInMs = 2000;
    options.fadeOutMs = 20000; // past the longest: 10 s
    JoinLevels plan = planJoinLevels({clip(44100 * 60)}, options, 44100);
    EXPECT_EQ(plan.fadeIn, 88200);
    EXPECT_EQ(plan.fadeOut, 441000);
    plan = planJoinLevels({clip(1000)}, options, 44100);
    EXPECT_EQ(plan.fadeIn, 1000);
    EXPECT_EQ(plan.fadeOut, 1000);
}

TEST(JoinCurves, CrossfadeKeepsThePowerAndFadesRunFromSilence)
{
    for (int64_t n : {1, 2, 441, 220500}) {
        for (int64_t k : {int64_t(0), n / 2, n - 1}) {
            const CrossfadeWeights w = crossfadeAt(k, n);
            EXPECT_NEAR(w.out * w.out + w.in * w.in, 1.0, 1e-12);
        }
        if (n > 1) {
            EXPECT_GT(crossfadeAt(0, n).out, crossfadeAt(n - 1, n).out);
            EXPECT_LT(fadeInAt(0, n), fadeInAt(n - 1, n));
        }
    }
    EXPECT_LT(fadeInAt(0, 441), 1e-4);
    EXPECT_GT(fadeInAt(440, 441), 1 - 1e-4);
    EXPECT_LT(crossfadeAt(0, 441).in, 0.01);
    EXPECT_LT(crossfadeAt(440, 441).out, 0.01);
}

} // namespace

namespace {

TEST(JoinOptionsTexts, FormTextsAreCheckedAndTheSettingReadsBack)
{
    struct Case {
        QStringList texts;
        bool accepted;
        std::optional<double> target;
        int crossfade, fadeIn, fadeOut;
    };
    const Case cases[] = {
        {{"", "0", "0", "0"}, true, std::nullopt, 0, 0, 0},
        {{" -16 ", "10", "500", "2000"}, true, -16.0, 10, 500, 2000},
        {{"-23", "5000", "10000", ""}, true, -23.0, 5000, 10000, 0},
        {{"-20", "0", "0", "0"}, false, {}, 0, 0, 0},  // no offered target
        {{"loud", "0", "0", "0"}, false, {}, 0, 0, 0},
        {{"", "4", "0", "0"}, false, {}, 0, 0, 0},     // under the shortest crossfade
        {{"", "5001", "0", "0"}, false, {}, 0, 0, 0},
        {{"", "0", "-1", "0"}, false, {}, 0, 0, 0},
        {{"", "0", "0", "10001"}, false, {}, 0, 0, 0},
        {{"", "ten", "0", "0"}, false, {}, 0, 0, 0},
    };
    for (const Case &c : cases) {
        QString why;
        const std::optional<JoinOptions> read = JoinOptionsFromTexts(c.texts, &why);
        ASSERT_EQ(read.has_value(), c.accepted) << c.texts.join('|').toStdString();
        if (!read) {
            EXPECT_FALSE(why.isEmpty());
            continue;
        }
        EXPECT_EQ(read->targetLufs, c.target);
        EXPECT_EQ(read->crossfadeMs, c.crossfade);
        EXPECT_EQ(read->fadeInMs, c.fadeIn);
        EXPECT_EQ(read->fadeOutMs, c.fadeOut);
        EXPECT_EQ(JoinOptionsFromSetting(JoinOptionsSetting(*read)), *read);
        EXPECT_EQ(JoinOptionsFromTexts(JoinOptionsTexts(*read), &why), read);
    }
    EXPECT_EQ(JoinOptionsFromSetting(QString()), JoinOptions{});
    EXPECT_EQ(JoinOptionsFromSetting(QStringLiteral("-99;3;x")), JoinOptions{});
}

} // namespace
