// The close view's time ruler: the step it picks at each zoom, its labels, and that labels
// never overlap while the step stays as fine as they allow.
#include "ui/ruler.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A font of six pixels a character.
double textWidth(const QString &text) { return 6.0 * text.size(); }
constexpr double kGap = 10;

ViewSpan shown(int64_t frames, int width, double fromMs, double toMs)
{
    ViewSpan v;
    v.setSound(frames, 44100);
    v.setWidth(width);
    v.showMs(int64_t(fromMs), int64_t(toMs), 0);
    return v;
}

TEST(Ruler, LabelsKeepMinutesSecondsAndHoursAsTheStepAndLengthNeed)
{
    const struct {
        int64_t ms, step, length;
        const char *label;
    } cases[] = {
        {0, 10000, 180000, "0:00"},           {65250, 1000, 180000, "1:05"},
        {65250, 50, 180000, "1:05.250"},      {65250, 1, 180000, "1:05.250"},
        {3723004, 600000, 7200000, "1:02:03"}, {3723004, 5, 7200000, "1:02:03.004"},
        {59999, 500, 60000, "0:59.999"},      {100 * 3600000LL, 3600000, 101 * 3600000LL, "100:00:00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RulerLabel(c.ms, c.step, c.length), QString::fromLatin1(c.label)) << c.ms << " by " << c.step;
}

TEST(Ruler, PicksTheFinestRoundStepWhoseLabelsStandApart)
{
    const int64_t song = int64_t(180) * 44100, twoHours = int64_t(7200) * 44100;
    const struct {
        const char *what;
        ViewSpan span;
        int64_t step;
        bool decimals;
    } cases[] = {
        // 3 minutes on 1000 px: "3:00" needs 34 px, 5 s has 28, 10 s has 56.
        {"a whole song", shown(song, 1000, 0, 180000), 10000, false},
        // 0.58 s: "0:10.500" needs 58 px; 20 ms has 34, 50 ms has 86.
        {"half a second with its margin", shown(song, 1000, 9960, 10540), 50, true},
        // Two hours: "2:00:00" needs 52 px; 5 min has 42, 10 min 83.
        {"two hours", shown(twoHours, 1000, 0, 7200000), 600000, false},
        // Ten seconds: "0:10" needs 34 px; 0.5 s has 50 px, but then labels carry
        // decimals and need 58; 1 s has 100.
        {"ten seconds", shown(song, 1000, 0, 10000), 1000, false},
        {"the finest zoom", shown(song, 1000, 5000, 5000), 1, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const RulerLayout r = LayOutRuler(c.span, textWidth, kGap);
        EXPECT_EQ(r.stepMs, c.step);
        const auto labelled = std::count_if(r.ticks.begin(), r.ticks.end(), [](const RulerTick &t) { return !t.label.isEmpty(); });
        EXPECT_GE(labelled, 1);
        for (const RulerTick &t : r.ticks)
            if (!t.label.isEmpty()) {
                EXPECT_EQ(t.label.contains('.'), c.decimals) << t.label.toStdString();
            }
    }
}

TEST(Ruler, AtEveryZoomLabelsNeverOverlapAndTicksStayInView)
{
    for (const int64_t frames : {int64_t(3) * 44100 / 2, int64_t(180) * 44100, int64_t(3 * 3600 + 17) * 44100}) {
        for (const int width : {530, 1400}) {
            ViewSpan v;
            v.setSound(frames, 44100);
            v.setWidth(width);
            // From the whole sound to the finest zoom, halving each time, off centre.
            for (int i = 0; i < 40; ++i, v.zoom(2, width * 0.3)) {
                SCOPED_TRACE(testing::Message() << frames << " frames, " << width << " px, " << v.framesPerPixel()
                                                << " frames a pixel");
                const RulerLayout r = LayOutRuler(v, textWidth, kGap);
                ASSERT_GT(r.stepMs, 0);
                const RulerTick *previous = nullptr;
                double lastX = -1;
                for (const RulerTick &t : r.ticks) {
                    EXPECT_GE(t.x, 0);
                    EXPECT_LE(t.x, width);
                    EXPECT_GE(t.x, lastX) << "in order";
                    lastX = t.x;
                    if (t.label.isEmpty())
                        continue;
                    EXPECT_EQ(t.ms % r.stepMs, 0);
                    EXPECT_LE(t.ms, v.lengthMs());
                    EXPECT_EQ(t.label, RulerLabel(t.ms, r.stepMs, v.lengthMs()));
                    if (previous) {
                        EXPECT_GE(t.x - previous->x, textWidth(previous->label)) << previous->label.toStdString();
                    }
                    previous = &t;
                }
                // As fine as the labels allow: no step in use is more than two and a half
                // times what the labels need, at this step or with the decimals of a finer one.
                const double spacing = double(r.stepMs) * 44.1 / v.framesPerPixel();
                const double needed = std::max(textWidth(RulerLabel(v.lengthMs(), r.stepMs, v.lengthMs())),
                                               textWidth(RulerLabel(v.lengthMs(), 1, v.lengthMs())));
                if (r.stepMs > 1 && r.stepMs < 10 * 3600000) {
                    EXPECT_LE(spacing, 2.5 * (needed + kGap));
                }
                // Ticks between labels stand apart, and at the closest zooms mark samples.
                if (r.minorFrames > 0) {
                    EXPECT_GE(r.minorFrames / v.framesPerPixel(), 5 - 1e-9);
                }
                if (v.framesPerPixel() <= 1.0 / 8) {
                    EXPECT_EQ(r.minorFrames, 1) << "every sample";
                }
            }
        }
    }
}

} // namespace
