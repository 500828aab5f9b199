#include "ui/viewdrag.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A drag begins once the pointer moved this far.
constexpr double kDragSlop = 3;

} // namespace

ViewDrag::Drag ViewDrag::handleAt(QPointF at, const ViewSpan &span, const ShownMarks &marks)
{
    const double inX = span.xOfMs(marks.markIn), outX = span.xOfMs(marks.markOut);
    const double in = std::abs(at.x() - inX), out = std::abs(at.x() - outX);
    if (std::min(in, out) > HandleReach)
        return Drag::Background;
    // Marks on one pixel: Mark In is dragged to the left of Mark Out, Mark Out to the right.
    if (in == out)
        return at.x() <= inX ? Drag::MarkIn : Drag::MarkOut;
    return in < out ? Drag::MarkIn : Drag::MarkOut;
}

int ViewDrag::splitAt(QPointF at, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows)
{
    if (at.y() < rows.waveTop)
        return -1;
    int nearest = -1;
    double distance = HandleReach;
    for (size_t i = 0; i < marks.splits.size(); ++i) {
        const double d = std::abs(at.x() - span.xOfMs(marks.splits[i]));
        if (d <= distance) {
            distance = d;
            nearest = int(i);
        }
    }
    return nearest;
}

Qt::CursorShape ViewDrag::hoverShape(QPointF at, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows)
{
    Drag over = span.frames() && at.y() >= rows.rulerTop ? handleAt(at, span, marks) : Drag::Background;
    if (over == Drag::Background && span.frames() && splitAt(at, span, marks, rows) >= 0)
        over = Drag::Split;
    if (over != Drag::Background)
        return Qt::SizeHorCursor;
    return at.y() >= rows.rulerTop && at.y() < rows.waveTop ? Qt::IBeamCursor : Qt::ArrowCursor;
}

void ViewDrag::press(QPointF at, bool shift, const ViewSpan &span, const ShownMarks &marks, const ViewRows &rows)
{
    if (span.frames() == 0 || at.y() < rows.rulerTop || at.y() >= rows.waveEnd)
        return;
    const bool inRuler = at.y() < rows.waveTop;
    drag_ = handleAt(at, span, marks);
    // A mark's handle wins over a split point on the same pixel: marks move more often.
    splitDragged_ = drag_ == Drag::Background && !shift ? splitAt(at, span, marks, rows) : -1;
    if (splitDragged_ >= 0) {
        drag_ = Drag::Split;
        splitBefore_ = marks.splits[size_t(splitDragged_)];
    }
    if (shift || (inRuler && drag_ == Drag::Background))
        drag_ = Drag::Select;
    pressAt_ = at;
    pressFirst_ = span.first();
    dragged_ = false;
    selectFrom_ = span.msAt(at.x());
    markInBefore_ = marks.markIn;
    markOutBefore_ = marks.markOut;
}

bool ViewDrag::move(double x, ViewSpan &span, ShownMarks &marks, bool &scrolled)
{
    scrolled = false;
    if (drag_ == Drag::None)
        return false;
    const double moved = x - pressAt_.x();
    if (!dragged_ && std::abs(moved) < kDragSlop)
        return false;
    dragged_ = true;
    const qint64 ms = span.msAt(x);
    if (drag_ == Drag::Background) {
        span.scroll((pressFirst_ - span.first()) / span.framesPerPixel() - moved);
        scrolled = true;
    } else if (drag_ == Drag::MarkIn) {
        marks.markIn = DraggedMarkIn(ms, marks.markOut);
    } else if (drag_ == Drag::MarkOut) {
        marks.markOut = DraggedMarkOut(ms, marks.markIn, span.lengthMs());
    } else if (drag_ == Drag::Split) {
        std::vector<qint64> &splits = marks.splits;
        const size_t i = size_t(splitDragged_);
        const qint64 low = i == 0 ? 1 : splits[i - 1] + 1;
        const qint64 high = i + 1 == splits.size() ? span.lengthMs() - 1 : splits[i + 1] - 1;
        if (low <= high)
            splits[i] = std::clamp(ms, low, high);
    } else {
        marks.markIn = std::min(selectFrom_, ms);
        marks.markOut = std::max(selectFrom_, ms);
    }
    return true;
}

DragEnd ViewDrag::release(double x, const ViewSpan &span, ShownMarks &marks)
{
    DragEnd end;
    const Drag drag = std::exchange(drag_, Drag::None);
    if (drag == Drag::None)
        return end;
    if (!dragged_) {
        end.what = DragEnd::What::Position;
        end.ms = span.msAt(x);
        return end;
    }
    if (drag == Drag::Split) {
        const int index = std::exchange(splitDragged_, -1);
        const qint64 ms = marks.splits[size_t(index)];
        // The window puts the point where it takes it; until then it stays where it was.
        marks.splits[size_t(index)] = splitBefore_;
        end.redraw = true;
        if (ms != splitBefore_) {
            end.what = DragEnd::What::Split;
            end.index = index;
            end.ms = ms;
        }
    } else if (drag == Drag::MarkIn) {
        end.what = DragEnd::What::MarkIn;
        end.ms = marks.markIn;
    } else if (drag == Drag::MarkOut) {
        end.what = DragEnd::What::MarkOut;
        end.ms = marks.markOut;
    } else if (drag == Drag::Select) {
        end.what = DragEnd::What::Range;
        end.ms = marks.markIn;
        end.toMs = marks.markOut;
        // The window sets the marks it takes; until then the ones before stand.
        marks.markIn = markInBefore_;
        marks.markOut = markOutBefore_;
        end.redraw = true;
    }
    return end;
}

void ViewDrag::dropSplit()
{
    splitDragged_ = -1;
    if (drag_ == Drag::Split)
        drag_ = Drag::None;
}
