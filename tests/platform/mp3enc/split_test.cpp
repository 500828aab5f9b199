#include "platform/mp3enc/split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

using namespace trevisto::mp3enc;

TEST(PlanStretches, CutsLongInputsOnTheFrameGridAndLeavesShortOnesWhole)
{
    struct Case {
        const char *name;
        int64_t samples;
        int rate, spf;
        unsigned threads;
        double minSeconds;
        size_t stretches;
    };
    const Case cases[] = {
        {"one thread", 44100LL * 3600, 44100, 1152, 1, 30, 0},
        {"just under two minimum stretches", 44100LL * 60, 44100, 1152, 2, 30, 0},
        {"just over", 44100LL * 61, 44100, 1152, 2, 30, 2},
        {"an hour on two cores", 44100LL * 3600, 44100, 1152, 2, 30, 2},
        {"more cores than stretches", 44100LL * 100, 44100, 1152, 16, 30, 3},
        {"an hour on 16 cores", 44100LL * 3600, 44100, 1152, 16, 30, 16},
        {"MPEG-2 frames", 22050LL * 300, 22050, 576, 4, 30, 4},
        {"MPEG-2.5 frames", 8000LL * 95, 8000, 576, 8, 30, 3},
        // Whatever the rules, a stretch holds its warm-up and its splice frames.
        {"no minimum length", 1152LL * 87, 44100, 1152, 64, 0, 1},
        {"the shortest split", 1152LL * 88, 44100, 1152, 64, 0, 2},
        {"empty", 0, 44100, 1152, 4, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const SplitRules rules{c.threads, c.minSeconds};
        const std::vector<Stretch> plan = planStretches(c.samples, c.rate, c.spf, rules);
        EXPECT_EQ(plan.size(), c.stretches < 2 ? 0 : c.stretches);
        EXPECT_TRUE(plan == planStretches(c.samples, c.rate, c.spf, rules)) << "not the same plan twice";
        if (plan.empty())
            continue;
        EXPECT_EQ(plan.front().firstFrame, 0);
        EXPECT_EQ(plan.front().feedFrom, 0);
        EXPECT_EQ(plan.front().warmUpFrames, 0);
        EXPECT_EQ(plan.back().endFrame, -1);
        EXPECT_EQ(plan.back().feedTo, c.samples);
        int64_t shortest = INT64_MAX, longest = 0;
        for (size_t k = 0; k < plan.size(); ++k) {
            SCOPED_TRACE("stretch " + std::to_string(k));
            const Stretch &s = plan[k];
            if (k > 0) {
                EXPECT_EQ(s.firstFrame, plan[k - 1].endFrame) << "a gap or an overlap between stretches";
                EXPECT_EQ(s.warmUpFrames, kWarmUpFrames);
            }
            // Its encoder's frame grid is the output's: it starts on a frame boundary,
            // warm-up frames before the first it keeps.
            EXPECT_EQ(s.feedFrom, (s.firstFrame - s.warmUpFrames) * c.spf);
            EXPECT_GE(s.feedFrom, 0);
            const int64_t end = s.endFrame < 0 ? c.samples / c.spf : s.endFrame;
            if (s.endFrame >= 0) {
                EXPECT_EQ(s.feedTo, std::min(c.samples, (s.endFrame + kLookAheadFrames) * c.spf));
            }
            EXPECT_GE(end - s.firstFrame, kWarmUpFrames + kSpliceFrames);
            shortest = std::min(shortest, end - s.firstFrame);
            longest = std::max(longest, end - s.firstFrame);
        }
        EXPECT_LE(longest - shortest, 1) << "stretches of unequal length";
    }
}

TEST(PlanStretches, NoThreadCountMeansEveryCore)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto plan = planStretches(44100LL * 3600, 44100, 1152, SplitRules{0, 30});
    EXPECT_EQ(plan.size(), cores < 2 ? 0u : size_t(cores));
}
