// Clip names for tracks: titles kept where the rules take them, a pattern where they do not,
// and never a name the list, the same run or a clip file already has.
#include "app/window/tracknames.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackClipNames, TitlesWhereTheRulesTakeThemAPatternElsewhere)
{
    const struct {
        const char *what;
        std::vector<QString> asked;
        QStringList listed;
        QStringList files;
        std::vector<QString> expected;
        std::vector<bool> replaced;
    } cases[] = {
        {"no titles", {"", "", ""}, {}, {}, {"Track_01", "Track_02", "Track_03"}, {false, false, false}},
        {"titles with blanks", {"Overture", "A Guest - Song"}, {}, {}, {"Overture", "A_Guest_-_Song"}, {false, false}},
        {"a title the rules refuse", {"Caf\u00e9", "Air"}, {}, {}, {"Track_01", "Air"}, {true, false}},
        {"a title listed already, in any case", {"air"}, {"AIR"}, {}, {"Track_01"}, {true}},
        {"one title twice", {"Air", "Air"}, {}, {}, {"Air", "Track_02"}, {false, true}},
        {"a pattern name listed", {"", ""}, {"Track_01"}, {}, {"Track_01_2", "Track_02"}, {false, false}},
        {"a clip file of that name", {"Song", ""}, {}, {"Song", "Track_02"}, {"Track_01", "Track_02_2"},
         {true, false}},
        {"the join's own work file", {"concat"}, {}, {}, {"Track_01"}, {true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto names = NameTrackClips(c.asked, "Track_", c.listed,
                                          [&](const QString &name) { return c.files.contains(name); });
        ASSERT_EQ(names.size(), c.expected.size());
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(names[i].name, c.expected[i]) << i;
            EXPECT_EQ(names[i].replaced, c.replaced[i]) << i;
            EXPECT_EQ(names[i].asked, c.asked[i]);
        }
    }
}

TEST(TrackClipNames, APrefixMustMakeNamesTheRulesTake)
{
    EXPECT_TRUE(TrackPrefixAccepted("Track_"));
    EXPECT_TRUE(TrackPrefixAccepted("Side-A"));
    EXPECT_TRUE(TrackPrefixAccepted(""));
    EXPECT_FALSE(TrackPrefixAccepted("Track "));
    EXPECT_FALSE(TrackPrefixAccepted("Piste\u00e9"));
    // A refused prefix given anyway falls back to the default, so naming always ends.
    const auto names = NameTrackClips({""}, "bad prefix", {}, [](const QString &) { return false; });
    EXPECT_EQ(names.front().name, "Track_01");
    // More than 99 tracks number on in three digits.
    const auto many = NameTrackClips(std::vector<QString>(100), "T", {}, [](const QString &) { return false; });
    EXPECT_EQ(many.back().name, "T100");
}

} // namespace
