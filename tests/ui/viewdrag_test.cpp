// What the pointer does on the close view: which handle a press catches, where the marks and
// split points go while it is held, and what the window is told on release.

#include "ui/viewdrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Ten seconds across 1000 pixels: 10 ms a pixel, so x 200 is 2.000 s.
ViewSpan tenSeconds()
{
    ViewSpan span;
    span.setSound(int64_t(10) * 44100, 44100);
    span.setWidth(1000);
    return span;
}

const ViewRows kRows{.rulerTop = 13, .waveTop = 27, .waveEnd = 200};
constexpr double kWave = 100; // a height on the waveform
constexpr double kRuler = 20;

using What = DragEnd::What;

TEST(ViewDrag, APressCatchesAHandleAndTheDragMovesIt)
{
    struct Row {
        const char *what;
        ShownMarks marks;
        QPointF press;
        bool shift;
        std::vector<double> moves; // released at the last
        ShownMarks held;           // while the button is down
        DragEnd end;
    };
    const ShownMarks marks{2000, 5000, {3000, 4000}};
    const Row rows[] = {
        {"a click picks the play position", marks, {250, kWave}, false, {251}, marks, {What::Position, 2510}},
        {"under the slop a drag is a click", marks, {200, kWave}, false, {202}, marks, {What::Position, 2020}},
        {"Mark In's handle follows the pointer", marks, {202, kWave}, false, {230, 260}, {2600, 5000, {3000, 4000}},
         {What::MarkIn, 2600}},
        {"Mark In stops at Mark Out", marks, {198, kWave}, false, {700}, {5000, 5000, {3000, 4000}}, {What::MarkIn, 5000}},
        {"Mark Out stops at the end", marks, {500, kWave}, false, {1200}, {2000, 10000, {3000, 4000}},
         {What::MarkOut, 10000}},
        {"Mark Out stops at Mark In", marks, {500, kWave}, false, {100}, {2000, 2000, {3000, 4000}},
         {What::MarkOut, 2000}},
        {"a mark's handle in the ruler is dragged, not a selection", marks, {500, kRuler}, false, {600},
         {2000, 6000, {3000, 4000}}, {What::MarkOut, 6000}},
        {"a mark wins over a split point on its pixel", {2000, 5000, {2000}}, {200, kWave}, false, {150},
         {1500, 5000, {2000}}, {What::MarkIn, 1500}},
        {"marks on one pixel: Mark In is dragged from the left", {5000, 5000, {}}, {499, kWave}, false, {300},
         {3000, 5000, {}}, {What::MarkIn, 3000}},
        {"marks on one pixel: Mark Out is dragged from the right", {5000, 5000, {}}, {501, kWave}, false, {700},
         {5000, 7000, {}}, {What::MarkOut, 7000}},
        {"a split point follows the pointer", marks, {301, kWave}, false, {350}, {2000, 5000, {3500, 4000}},
         {What::Split, 3500, 0, 0, true}},
        {"a split point stops short of the next", marks, {300, kWave}, false, {450}, {2000, 5000, {3999, 4000}},
         {What::Split, 3999, 0, 0, true}},
        {"the last split point stops short of the end", marks, {400, kWave}, false, {1100},
         {2000, 5000, {3000, 9999}}, {What::Split, 9999, 0, 1, true}},
        {"the first split point stays after the start", marks, {300, kWave}, false, {-50}, {2000, 5000, {1, 4000}},
         {What::Split, 1, 0, 0, true}},
        {"a split point dragged back where it was changes nothing", marks, {300, kWave}, false, {350, 300}, marks,
         {What::Nothing, 0, 0, -1, true}},
        {"Shift over a split point selects a range", marks, {300, kWave}, true, {100}, {1000, 3000, {3000, 4000}},
         {What::Range, 1000, 3000, -1, true}},
        {"Shift over a mark's handle selects a range", marks, {200, kWave}, true, {250}, {2000, 2500, {3000, 4000}},
         {What::Range, 2000, 2500, -1, true}},
        {"a drag across the ruler selects", marks, {600, kRuler}, false, {800}, {6000, 8000, {3000, 4000}},
         {What::Range, 6000, 8000, -1, true}},
        {"a selection dragged to the left keeps In before Out", marks, {800, kRuler}, false, {600},
         {6000, 8000, {3000, 4000}}, {What::Range, 6000, 8000, -1, true}},
        {"a press among the readouts does nothing", marks, {200, 5}, false, {300}, marks, {}},
        {"a press on the bar under the waveform does nothing", marks, {200, 200}, false, {300}, marks, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        ViewSpan span = tenSeconds();
        ShownMarks shown = row.marks;
        ViewDrag drag;
        drag.press(row.press, row.shift, span, shown, kRows);
        for (const double x : row.moves) {
            bool scrolled = true;
            drag.move(x, span, shown, scrolled);
            EXPECT_FALSE(scrolled);
        }
        EXPECT_EQ(shown.markIn, row.held.markIn);
        EXPECT_EQ(shown.markOut, row.held.markOut);
        EXPECT_EQ(shown.splits, row.held.splits);

        const DragEnd end = drag.release(row.moves.back(), span, shown);
        EXPECT_EQ(end.what, row.end.what);
        EXPECT_EQ(end.ms, row.end.ms);
        EXPECT_EQ(end.toMs, row.end.toMs);
        EXPECT_EQ(end.index, row.end.index);
        EXPECT_EQ(end.redraw, row.end.redraw);
        EXPECT_FALSE(drag.active());
        // A selection and a split point wait for the window; a mark's handle stays dropped.
        const bool waits = row.end.what == What::Range || row.end.what == What::Split;
        EXPECT_EQ(shown.markIn, waits ? row.marks.markIn : row.held.markIn);
        EXPECT_EQ(shown.markOut, waits ? row.marks.markOut : row.held.markOut);
        EXPECT_EQ(shown.splits, row.marks.splits);
    }
}

TEST(ViewDrag, TheBackgroundScrollsWithThePointer)
{
    ViewSpan span = tenSeconds();
    span.zoom(10, 0); // 1 ms a pixel
    ShownMarks shown{2000, 5000, {}};
    ViewDrag drag;
    drag.press({500, kWave}, false, span, shown, kRows);
    bool scrolled = false;
    EXPECT_FALSE(drag.move(502, span, shown, scrolled)) << "within the slop";
    EXPECT_EQ(span.first(), 0);
    EXPECT_TRUE(drag.move(400, span, shown, scrolled));
    EXPECT_TRUE(scrolled);
    EXPECT_NEAR(span.first(), 100 * 44.1, 1e-6);
    // Back toward the press: the sound under the pointer stays with it.
    EXPECT_TRUE(drag.move(450, span, shown, scrolled));
    EXPECT_NEAR(span.first(), 50 * 44.1, 1e-6);
    const DragEnd end = drag.release(450, span, shown);
    EXPECT_EQ(end.what, What::Nothing);
    EXPECT_FALSE(end.redraw);
    EXPECT_EQ(shown.markIn, 2000);
    EXPECT_EQ(shown.markOut, 5000);
}

// New split points, or a new sound, under a drag of one end that drag where it is: the
// index it held may no longer exist.
TEST(ViewDrag, NewSplitPointsEndADragOfOne)
{
    ViewSpan span = tenSeconds();
    ShownMarks shown{2000, 5000, {3000}};
    ViewDrag drag;
    drag.press({300, kWave}, false, span, shown, kRows);
    bool scrolled = false;
    EXPECT_TRUE(drag.move(350, span, shown, scrolled));
    shown.splits.clear();
    drag.dropSplit();
    EXPECT_FALSE(drag.active());
    EXPECT_FALSE(drag.move(360, span, shown, scrolled));
    EXPECT_EQ(drag.release(360, span, shown).what, What::Nothing);

    // A mark's drag goes on.
    drag.press({200, kWave}, false, span, shown, kRows);
    drag.dropSplit();
    EXPECT_TRUE(drag.active());
    EXPECT_TRUE(drag.move(250, span, shown, scrolled));
    EXPECT_EQ(drag.release(250, span, shown).what, What::MarkIn);
}

TEST(ViewDrag, ThePointerShowsWhatAPressWouldCatch)
{
    const ViewSpan span = tenSeconds();
    const ShownMarks marks{2000, 5000, {3000}};
    const struct {
        const char *what;
        QPointF at;
        Qt::CursorShape shape;
    } rows[] = {
        {"the readouts", {100, 5}, Qt::ArrowCursor},
        {"a mark among the readouts", {200, 5}, Qt::ArrowCursor},
        {"the ruler, to select", {100, kRuler}, Qt::IBeamCursor},
        {"a mark's handle in the ruler", {203, kRuler}, Qt::SizeHorCursor},
        {"a split point, caught on the waveform only", {300, kRuler}, Qt::IBeamCursor},
        {"a split point on the waveform", {304, kWave}, Qt::SizeHorCursor},
        {"just out of a split point's reach", {306, kWave}, Qt::ArrowCursor},
        {"the waveform", {100, kWave}, Qt::ArrowCursor},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ViewDrag::hoverShape(row.at, span, marks, kRows), row.shape) << row.what;
    EXPECT_EQ(ViewDrag::hoverShape({200, kWave}, ViewSpan(), marks, kRows), Qt::ArrowCursor) << "no sound";
}

} // namespace
