#include "editor/preview.h"

#include <gtest/gtest.h>

namespace {

using trevisto::Preview;
using trevisto::PreviewRange;
using trevisto::SteppedPosition;

TEST(PreviewTest, EachPreviewPlaysItsStretchOrNothing)
{
    using Range = std::optional<std::pair<int64_t, int64_t>>;
    const struct {
        Preview preview;
        int64_t in, out;
        Range expected;
    } cases[] = {
        {Preview::Marked, 1000, 5000, Range({1000, 5000})},
        {Preview::Marked, 0, 1, Range({0, 1})},
        // Marks in the wrong order or on one point mark nothing to hear.
        {Preview::Marked, 5000, 5000, std::nullopt},
        {Preview::Marked, 5000, 1000, std::nullopt},
        {Preview::FromMarkIn, 1000, 5000, Range({1000, 3000})},
        // From Mark In the two seconds run on past Mark Out.
        {Preview::FromMarkIn, 1000, 1500, Range({1000, 3000})},
        {Preview::ToMarkOut, 1000, 5000, Range({3000, 5000})},
        // Up to a Mark Out nearer the start than two seconds: from the start.
        {Preview::ToMarkOut, 0, 1500, Range({0, 1500})},
        {Preview::ToMarkOut, 0, 0, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PreviewRange(c.preview, c.in, c.out), c.expected)
            << int(c.preview) << " in " << c.in << " out " << c.out;
}

TEST(PreviewTest, StepsStayWithinTheSound)
{
    const struct {
        int64_t position, delta, length, expected;
    } cases[] = {
        {5000, 10, 10000, 5010},   {5000, -10, 10000, 4990}, {5000, 1000, 10000, 6000},
        {5, -10, 10000, 0},        {9995, 10, 10000, 10000}, {0, -1000, 10000, 0},
        {10000, 1000, 10000, 10000}, {0, 10, 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SteppedPosition(c.position, c.delta, c.length), c.expected)
            << c.position << " + " << c.delta << " of " << c.length;
}

} // namespace
