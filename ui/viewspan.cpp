#include "ui/viewspan.h"

#include "platform/mci/timebase.h"

#include <algorithm>
#include <cmath>

void ViewSpan::setSound(int64_t frames, int rate)
{
    frames_ = std::max<int64_t>(frames, 0);
    rate_ = rate > 0 ? rate : 44100;
    showWhole();
}

void ViewSpan::setWidth(int pixels)
{
    const bool whole = showsWhole();
    width_ = std::max(pixels, 1);
    if (whole)
        showWhole();
    else
        clamp();
}

double ViewSpan::wholeFramesPerPixel() const
{
    return std::max(double(frames_) / width_, FinestFramesPerPixel);
}

int64_t ViewSpan::lengthMs() const
{
    return trevisto::mci::lengthMs(frames_, uint32_t(rate_));
}

int64_t ViewSpan::msAt(double x) const
{
    const double ms = std::floor(frameAt(x) * 1000.0 / rate_ + 0.5);
    return std::clamp<int64_t>(int64_t(ms), 0, lengthMs());
}

double ViewSpan::xOfMs(int64_t ms) const
{
    // The frame the players and the cut take for that millisecond.
    return xOf(double(trevisto::mci::frameAt(ms, uint32_t(rate_), frames_)));
}

void ViewSpan::zoom(double factor, double x)
{
    if (!(factor > 0))
        return;
    const double anchor = frameAt(x);
    framesPerPixel_ = std::clamp(framesPerPixel_ / factor, FinestFramesPerPixel, wholeFramesPerPixel());
    first_ = anchor - x * framesPerPixel_;
    clamp();
}

void ViewSpan::showWhole()
{
    framesPerPixel_ = wholeFramesPerPixel();
    first_ = 0;
}

void ViewSpan::zoomAround(double factor, double frame)
{
    const double x = xOf(frame);
    if (x >= 0 && x <= width_) {
        zoom(factor, x);
        return;
    }
    if (!(factor > 0))
        return;
    framesPerPixel_ = std::clamp(framesPerPixel_ / factor, FinestFramesPerPixel, wholeFramesPerPixel());
    first_ = frame - width_ / 2.0 * framesPerPixel_;
    clamp();
}

void ViewSpan::showMs(int64_t fromMs, int64_t toMs, double margin)
{
    const auto frameOf = [this](int64_t ms) { return double(trevisto::mci::frameAt(ms, uint32_t(rate_), frames_)); };
    const double from = frameOf(std::min(fromMs, toMs)), to = frameOf(std::max(fromMs, toMs));
    const double room = (to - from) * (1 + 2 * std::max(margin, 0.0));
    framesPerPixel_ = std::clamp(room / width_, FinestFramesPerPixel, wholeFramesPerPixel());
    // Centred, so a range narrower than the finest zoom stands in the middle.
    first_ = (from + to) / 2 - width_ / 2.0 * framesPerPixel_;
    clamp();
}

void ViewSpan::scroll(double pixels)
{
    first_ += pixels * framesPerPixel_;
    clamp();
}

void ViewSpan::keepInView(int64_t ms)
{
    const double x = xOfMs(ms);
    const double margin = width_ / 10.0;
    if (x < margin)
        scroll(x - margin);
    else if (x > width_ - margin)
        scroll(x - (width_ - margin));
}

void ViewSpan::clamp()
{
    framesPerPixel_ = std::clamp(framesPerPixel_, FinestFramesPerPixel, wholeFramesPerPixel());
    const double last = std::max(0.0, double(frames_) - width_ * framesPerPixel_);
    first_ = std::clamp(first_, 0.0, last);
}

int64_t DraggedMarkIn(int64_t ms, int64_t markOut)
{
    return std::clamp<int64_t>(ms, 0, std::max<int64_t>(markOut, 0));
}

int64_t DraggedMarkOut(int64_t ms, int64_t markIn, int64_t lengthMs)
{
    return std::clamp<int64_t>(ms, std::max<int64_t>(markIn, 0), std::max(lengthMs, markIn));
}
