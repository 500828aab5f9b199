// The close view's mapping between pixels, frames and milliseconds, at every zoom.

#include "ui/viewspan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ViewSpan, PixelsAndMillisecondsMapBothWaysAtEveryZoom)
{
    const int64_t hour = int64_t(3600) * 44100;
    const struct {
        int64_t frames;
        int width;
        double zoom; // applied at the middle of the view
    } cases[] = {
        {hour, 1400, 1},          {hour, 1400, 100},       {hour, 1400, 1e4}, {hour, 1400, 1e9},
        {44100 * 3 / 2, 530, 1},  {44100 * 3 / 2, 530, 20}, {10, 1400, 1},    {10, 1400, 1e9},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames, " << c.width << " px, zoom " << c.zoom);
        ViewSpan v;
        v.setSound(c.frames, 44100);
        v.setWidth(c.width);
        EXPECT_TRUE(v.showsWhole());
        EXPECT_EQ(v.msAt(0), 0);
        v.zoom(c.zoom, c.width / 2.0);
        EXPECT_GE(v.framesPerPixel(), ViewSpan::FinestFramesPerPixel);
        EXPECT_GE(v.first(), 0);
        EXPECT_LE(v.frameAt(c.width), std::max<double>(double(c.frames), c.width * v.framesPerPixel()) + 1e-6);
        for (const double x : {0.0, 1.0, c.width / 3.0, c.width - 1.0}) {
            if (v.frameAt(x) > double(c.frames))
                continue; // past the end of a short sound
            const int64_t ms = v.msAt(x);
            EXPECT_GE(ms, 0);
            EXPECT_LE(ms, v.lengthMs());
            // Back to a pixel within half a millisecond and half a frame (or the pixel itself).
            const double pxPerMs = 44.1 / v.framesPerPixel();
            EXPECT_NEAR(v.xOfMs(ms), x, std::max(1.0, (pxPerMs + 1 / v.framesPerPixel()) / 2 + 1e-6)) << "at " << x;
        }
    }
}

TEST(ViewSpan, ZoomKeepsTheFrameUnderThePointerAndScrollStaysInTheSound)
{
    ViewSpan v;
    v.setSound(int64_t(180) * 44100, 44100);
    v.setWidth(1000);
    const double under = v.frameAt(700);
    v.zoom(8, 700);
    EXPECT_NEAR(v.frameAt(700), under, 1e-6);
    EXPECT_NEAR(v.framesPerPixel(), 180.0 * 44100 / 1000 / 8, 1e-9);
    v.zoom(1e12, 700);
    EXPECT_EQ(v.framesPerPixel(), ViewSpan::FinestFramesPerPixel) << "no closer than the finest zoom";
    EXPECT_NEAR(v.frameAt(700), under, 1e-6);
    v.scroll(-1e12);
    EXPECT_EQ(v.first(), 0);
    v.scroll(1e12);
    EXPECT_NEAR(v.frameAt(1000), 180.0 * 44100, 1e-6) << "the end at the right edge";
    v.zoom(1e-12, 0);
    EXPECT_TRUE(v.showsWhole());
    EXPECT_EQ(v.first(), 0);

    // Keeping a time in view moves the least.
    v.zoom(100, 0);
    v.keepInView(90000);
    const double x = v.xOfMs(90000);
    EXPECT_GE(x, 99.9);
    EXPECT_LE(x, 900.1);
    const double before = v.first();
    v.keepInView(v.msAt(500));
    EXPECT_EQ(v.first(), before) << "already in view";

    // A wider view keeps the whole sound whole.
    v.showWhole();
    v.setWidth(1600);
    EXPECT_TRUE(v.showsWhole());
}

TEST(ViewSpan, AMarkDraggedStopsAtTheOtherMarkAndTheSoundsEnds)
{
    const struct {
        int64_t ms, other, length;
        int64_t in, out; // where Mark In and Mark Out land
    } cases[] = {
        {500, 1000, 3000, 500, 1000},  {1500, 1000, 3000, 1000, 1500}, {-20, 1000, 3000, 0, 1000},
        {5000, 1000, 3000, 1000, 3000}, {1000, 1000, 3000, 1000, 1000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ms);
        EXPECT_EQ(DraggedMarkIn(c.ms, c.other), c.in);
        EXPECT_EQ(DraggedMarkOut(c.ms, c.other, c.length), c.out);
    }
}

TEST(ViewSpan, ShowingARangeAndZoomingAroundAFrame)
{
    ViewSpan v;
    v.setSound(int64_t(180) * 44100, 44100);
    v.setWidth(1000);
    // Marks at 10.000 and 10.500 s with a tenth on either side: 0.6 s, the marks inside.
    v.showMs(10000, 10500, 0.1);
    EXPECT_NEAR(v.lastMs() - v.firstMs(), 600, 1);
    EXPECT_NEAR(v.xOfMs(10000), 1000 / 1.2 * 0.1, 0.5);
    EXPECT_NEAR(v.xOfMs(10500), 1000 - 1000 / 1.2 * 0.1, 0.5);
    // Marks in reverse order show the same.
    const double first = v.first();
    v.showMs(10500, 10000, 0.1);
    EXPECT_EQ(v.first(), first);
    // One point: as close as the view goes, in the middle.
    v.showMs(90000, 90000, 0.1);
    EXPECT_EQ(v.framesPerPixel(), ViewSpan::FinestFramesPerPixel);
    EXPECT_NEAR(v.xOfMs(90000), 500, 1);
    // The whole sound and past its ends: no further than the whole, from the start.
    v.showMs(0, 180000, 0.1);
    EXPECT_TRUE(v.showsWhole());
    EXPECT_EQ(v.first(), 0);
    // A range at the very end stays inside the sound.
    v.showMs(179900, 180000, 0.5);
    EXPECT_NEAR(v.frameAt(1000), 180.0 * 44100, 1e-6);

    // Zooming around a frame in view keeps it at its pixel; one out of view comes to the
    // middle.
    v.showMs(60000, 70000, 0);
    const double frame = 65000 * 44.1;
    const double x = v.xOf(frame);
    v.zoomAround(2, frame);
    EXPECT_NEAR(v.xOf(frame), x, 1e-6);
    EXPECT_NEAR(v.lastMs() - v.firstMs(), 5000, 1);
    v.zoomAround(2, 150000 * 44.1);
    EXPECT_NEAR(v.xOf(150000 * 44.1), 500, 1e-6);
    EXPECT_NEAR(v.lastMs() - v.firstMs(), 2500, 1);
    v.zoomAround(0.5, 150000 * 44.1);
    EXPECT_NEAR(v.lastMs() - v.firstMs(), 5000, 1);
}

} // namespace
