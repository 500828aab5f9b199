#include "editor/timetext.h"

#include <gtest/gtest.h>

namespace {

TEST(ClockTextTest, RoundsHalfToEvenAndCountsHoursPastADay)
{
    EXPECT_EQ(ClockText(0), "00:00:00");
    EXPECT_EQ(ClockText(59.5), "00:01:00");
    EXPECT_EQ(ClockText(58.5), "00:00:58");
    EXPECT_EQ(ClockText(2.5), "00:00:02");
    EXPECT_EQ(ClockText(3.5), "00:00:04");
    EXPECT_EQ(ClockText(3599.6), "01:00:00");
    EXPECT_EQ(ClockText(3599.4), "00:59:59");
    EXPECT_EQ(ClockText(61.5), "00:01:02");
    EXPECT_EQ(ClockText(24 * 3600), "24:00:00");
    EXPECT_EQ(ClockText(25 * 3600 + 61), "25:01:01");
    EXPECT_EQ(ClockText(100 * 3600 + 1), "100:00:01");
    EXPECT_EQ(ClockText(23 * 3600 + 59 * 60 + 59), "23:59:59");
    EXPECT_EQ(ClockText(-3), "00:00:00");
}

TEST(ClockTextTest, WholeSecondsFollowTheSameRule)
{
    EXPECT_EQ(WholeSeconds(0), 0);
    EXPECT_EQ(WholeSeconds(499), 0);
    EXPECT_EQ(WholeSeconds(500), 0);
    EXPECT_EQ(WholeSeconds(1500), 2);
    EXPECT_EQ(WholeSeconds(2500), 2);
    EXPECT_EQ(WholeSeconds(61500), 62);
    EXPECT_EQ(WholeSeconds(60499), 60);
    EXPECT_EQ(WholeSeconds(2147483647), 2147484);
}

TEST(ClockTextTest, PositionTextShowsPositionAndLengthByTheSameRule)
{
    const struct {
        int64_t position, length;
        const char *text;
    } cases[] = {
        {0, 0, "00:00:00 / 00:00:00"},
        {1499, 61500, "00:00:01 / 00:01:02"},
        {2500, 3599600, "00:00:02 / 01:00:00"},
        {-40, 999, "00:00:00 / 00:00:01"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PositionText(c.position, c.length), c.text) << c.position << " of " << c.length;
}

TEST(ClockTextTest, MillisecondTextKeepsEveryMillisecond)
{
    const struct {
        int64_t ms;
        const char *text;
    } cases[] = {
        {0, "00:00:00.000"},        {1, "00:00:00.001"},           {999, "00:00:00.999"},
        {95186, "00:01:35.186"},    {3599999, "00:59:59.999"},     {3600000, "01:00:00.000"},
        {-5, "00:00:00.000"},       {int64_t(100) * 3600000 + 7, "100:00:00.007"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MillisecondText(c.ms), c.text) << c.ms;
}

TEST(GotoTextTest, ReadsTheNumberATextBeginsWith)
{
    EXPECT_EQ(LeadingNumber("00"), 0);
    EXPECT_EQ(LeadingNumber("  12abc"), 12);
    EXPECT_EQ(LeadingNumber("1.5"), 1.5);
    EXPECT_EQ(LeadingNumber("-2"), -2);
    EXPECT_EQ(LeadingNumber("+3.25.7"), 3.25);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("1e3"), 1) << "no exponents";
    EXPECT_EQ(LeadingNumber("1,5"), 1);
}

TEST(GotoTextTest, TargetsInMillisecondsAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(GotoTarget("00", "01", "01"), 61000);
    EXPECT_EQ(GotoTarget("00", "1.5", "00"), 90000);
    EXPECT_EQ(GotoTarget("00", "xx", "07"), 7000);
    EXPECT_EQ(GotoTarget("1", "0", "0"), 3600000);
    EXPECT_EQ(GotoTarget("0", "0", "-5"), -5000);
    EXPECT_EQ(GotoTarget("596", "0", "0"), 596 * 3600000);
    EXPECT_EQ(GotoTarget("597", "0", "0"), std::nullopt);
    EXPECT_EQ(GotoTarget("596", "30", "0"), 596 * 3600000 + 1800000);
    EXPECT_EQ(GotoTarget("596", "34", "0"), std::nullopt) << "the sum passes the 32-bit range";
    EXPECT_EQ(GotoTarget("0", "0", "99999999999"), std::nullopt);
}

} // namespace
