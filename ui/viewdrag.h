#pragma once
// What the pointer does on the close view, apart from any widget: which handle a press
// catches (a mark's, a split point's, or the background), and what a drag from there
// changes as it goes. A click picks a play position; a drag of the background scrolls; a
// mark's handle moves that mark, never past the other; a split point moves between its
// neighbours; and a drag across the ruler, or with Shift, selects a range for both marks.
// Marks and split points follow the pointer while it is held, and a selection or a split
// point goes back to where it stood on release, for the window to set what it takes.

#include "ui/viewspan.h"

#include <QPointF>
#include <Qt>
#include <QtGlobal>

#include <vector>

// The marks and split points as the view shows them.
struct ShownMarks {
    qint64 markIn = 0, markOut = 0;
    std::vector<qint64> splits;
};

// The rows of the view from the top, in pixels: the readouts above `rulerTop`, the ruler
// down to `waveTop`, and the waveform down to `waveEnd`.
struct ViewRows {
    double rulerTop = 0;
    double waveTop = 0;
    double waveEnd = 0;
};

// A drag's end, for the window to act on.
struct DragEnd {
    enum class What { Nothing, Position, MarkIn, MarkOut, Split, Range };
    What what = What::Nothing;
    qint64 ms = 0;       // the play position picked, the mark, the split point, or the range's start
    qint64 toMs = 0;     // the range's end
    int index = -1;      // the split point's
    bool redraw = false; // a mark or split point went back to where it stood
};

class ViewDrag {
public:
    // A handle is caught this near its line.
    static constexpr double HandleReach = 5;

    // A press of the button at `at`; nothing begins outside the ruler and the waveform.
    void press(QPointF at, bool shift, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows);
    // The pointer held down at column `x`: true when `marks` or `span` changed (`scrolled`
    // when it was the span).
    bool move(double x, ViewSpan &span, ShownMarks &marks, bool &scrolled);
    // The button let go at column `x`.
    DragEnd release(double x, const ViewSpan &span, ShownMarks &marks);
    bool active() const { return drag_ != Drag::None; }
    // The split points changed beneath a drag of one: the drag ends where it is.
    void dropSplit();

    // The pointer's shape over `at` while no button is held.
    static Qt::CursorShape hoverShape(QPointF at, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows);

private:
    enum class Drag { None, Background, MarkIn, MarkOut, Select, Split };
    static Drag handleAt(QPointF at, const ViewSpan &span, const ShownMarks &marks);
    // The split point within reach of `at` on the waveform, or -1.
    static int splitAt(QPointF at, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows);

    Drag drag_ = Drag::None;
    QPointF pressAt_;
    double pressFirst_ = 0;
    bool dragged_ = false;
    qint64 selectFrom_ = 0;
    qint64 markInBefore_ = 0, markOutBefore_ = 0; // the marks a selection drag started from
    int splitDragged_ = -1;
    qint64 splitBefore_ = 0;
};
