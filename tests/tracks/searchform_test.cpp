// The pause search's form and kept setting: what each field takes and refuses, and the
// setting read back as it was written, or the defaults where it was damaged.
#include "tracks/searchform.h"

#include <gtest/gtest.h>

namespace {

using namespace trevisto::tracks;

TEST(PauseSearchForm, ReadsEachFieldWithinItsRange)
{
    const struct {
        const char *what;
        QStringList texts;
        std::optional<double> threshold;
        int64_t pause, track;
        std::optional<int64_t> keep;
        const char *refusal; // a part of the reason; null when taken
    } cases[] = {
        {"the defaults", {"", "1", "10", ""}, std::nullopt, 1000, 10000, std::nullopt, nullptr},
        {"everything given", {"-45.5", "0.75", "90", "250"}, -45.5, 750, 90000, 250, nullptr},
        {"decimal commas and blanks", {" -40,0 ", "1,5", " 12 ", "0"}, -40.0, 1500, 12000, 0, nullptr},
        {"a threshold above 0", {"3", "1", "10", ""}, {}, 0, 0, {}, "threshold"},
        {"a threshold that is no number", {"loud", "1", "10", ""}, {}, 0, 0, {}, "threshold"},
        {"no shortest pause", {"", "", "10", ""}, {}, 0, 0, {}, "shortest pause"},
        {"too short a pause", {"", "0.01", "10", ""}, {}, 0, 0, {}, "shortest pause"},
        {"a negative track", {"", "1", "-1", ""}, {}, 0, 0, {}, "shortest track"},
        {"a kept pause too long", {"", "1", "10", "700000"}, {}, 0, 0, {}, "pause kept"},
        {"three answers", {"", "1", "10"}, {}, 0, 0, {}, "four answers"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QString why;
        const std::optional<PauseSearch> search = PauseSearchFromTexts(c.texts, &why);
        if (c.refusal) {
            ASSERT_FALSE(search);
            EXPECT_TRUE(why.contains(c.refusal)) << why.toStdString();
            continue;
        }
        ASSERT_TRUE(search) << why.toStdString();
        EXPECT_EQ(search->thresholdDbfs, c.threshold);
        EXPECT_EQ(search->minPauseMs, c.pause);
        EXPECT_EQ(search->minTrackMs, c.track);
        EXPECT_EQ(search->keepPauseMs, c.keep);
    }
}

TEST(PauseSearchForm, TheKeptSettingReadsBackOrFallsBackToTheDefaults)
{
    PauseSearch search;
    search.thresholdDbfs = -52.5;
    search.minPauseMs = 2250;
    search.minTrackMs = 30000;
    search.keepPauseMs = 400;
    const PauseSearch back = PauseSearchFromSetting(PauseSearchSetting(search));
    EXPECT_EQ(back.thresholdDbfs, search.thresholdDbfs);
    EXPECT_EQ(back.minPauseMs, search.minPauseMs);
    EXPECT_EQ(back.minTrackMs, search.minTrackMs);
    EXPECT_EQ(back.keepPauseMs, search.keepPauseMs);
    for (const QString &damaged : {QString(), QStringLiteral("x;y"), QStringLiteral(";;;;;")}) {
        const PauseSearch fallback = PauseSearchFromSetting(damaged);
        EXPECT_FALSE(fallback.thresholdDbfs);
        EXPECT_EQ(fallback.minPauseMs, 1000);
        EXPECT_EQ(fallback.minTrackMs, 10000);
        EXPECT_FALSE(fallback.keepPauseMs);
    }
    EXPECT_EQ(SplitMinutesFromText(" 15 "), 15);
    EXPECT_FALSE(SplitMinutesFromText("0"));
    EXPECT_FALSE(SplitMinutesFromText("1441"));
    EXPECT_FALSE(SplitMinutesFromText("2.5"));
}

} // namespace
