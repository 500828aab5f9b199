#pragma once
// The part of a sound a close view shows: which frames lie under which pixels, at a zoom
// from the whole sound down to many pixels a frame, kept inside the sound as it zooms and
// scrolls. Positions are fractional frames; times are whole milliseconds, as the marks and
// the players count them.

#include <cstdint>

class ViewSpan {
public:
    // The deepest zoom: sixteen pixels a frame, so single samples stand apart.
    static constexpr double FinestFramesPerPixel = 1.0 / 16;

    // A sound of `frames` frames at `rate` frames a second, shown whole.
    void setSound(int64_t frames, int rate);
    // The view's width in pixels; the time under its left edge stays where it was.
    void setWidth(int pixels);

    int64_t frames() const { return frames_; }
    int rate() const { return rate_; }
    int width() const { return width_; }
    double framesPerPixel() const { return framesPerPixel_; }
    // The frame under the left edge.
    double first() const { return first_; }
    // The coarsest zoom: the whole sound across the width.
    double wholeFramesPerPixel() const;
    bool showsWhole() const { return framesPerPixel_ >= wholeFramesPerPixel(); }

    double frameAt(double x) const { return first_ + x * framesPerPixel_; }
    double xOf(double frame) const { return (frame - first_) / framesPerPixel_; }

    // The millisecond under `x`, within the sound.
    int64_t msAt(double x) const;
    // The pixel of millisecond `ms`.
    double xOfMs(int64_t ms) const;
    // The sound's length in whole milliseconds, as the players give it.
    int64_t lengthMs() const;

    // Zooms by `factor` (above 1 closer) keeping the frame under `x` where it is.
    void zoom(double factor, double x);
    void showWhole();
    // Zooms by `factor` around `frame`: it stays at its pixel when in view, else it comes
    // to the middle.
    void zoomAround(double factor, double frame);
    // Shows milliseconds `fromMs` to `toMs` across the width with `margin` of their length
    // on either side, as close as the finest zoom allows.
    void showMs(int64_t fromMs, int64_t toMs, double margin);
    // The milliseconds under the left and the right edge.
    int64_t firstMs() const { return msAt(0); }
    int64_t lastMs() const { return msAt(width_); }
    // Moves the view by `pixels` (positive: later in the sound).
    void scroll(double pixels);
    // Scrolls the least that shows millisecond `ms`, a tenth of the width in from the edge.
    void keepInView(int64_t ms);

private:
    void clamp();
    int64_t frames_ = 0;
    int rate_ = 44100;
    int width_ = 1;
    double framesPerPixel_ = 1;
    double first_ = 0;
};

// Where a mark dragged to `ms` lands: within the sound and never past the other mark.
int64_t DraggedMarkIn(int64_t ms, int64_t markOut);
int64_t DraggedMarkOut(int64_t ms, int64_t markIn, int64_t lengthMs);
