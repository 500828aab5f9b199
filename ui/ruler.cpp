#include "ui/ruler.h"

#include "platform/mci/timebase.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int64_t Second = 1000, Minute = 60 * Second, Hour = 60 * Minute;

// Steps a reader counts in: 1-2-5 below a second, then the clock's own divisions.
constexpr std::array<int64_t, 27> kSteps = {
    1,          2,          5,          10,          20,          50,          100,         200,         500,
    Second,     2 * Second, 5 * Second, 10 * Second, 15 * Second, 30 * Second, Minute,      2 * Minute,  5 * Minute,
    10 * Minute, 15 * Minute, 30 * Minute, Hour,     2 * Hour,    5 * Hour,    10 * Hour,   24 * Hour,   100 * Hour,
};

// How many smaller ticks divide a step: five for steps of 1 and 5, two for steps of 2,
// three for the quarters and halves of the clock.
int divisionsOf(int64_t step)
{
    if (step == 15 * Second || step == 15 * Minute)
        return 3;
    if (step == 30 * Second || step == 30 * Minute)
        return 6;
    if (step == 24 * Hour)
        return 4;
    // The step's leading digit in its own unit: 1, 2 or 5.
    int64_t lead = step >= Hour ? step / Hour : step >= Minute ? step / Minute : step >= Second ? step / Second : step;
    while (lead >= 10 && lead % 10 == 0)
        lead /= 10;
    return lead == 2 ? 2 : 5;
}

} // namespace

QString RulerLabel(int64_t ms, int64_t stepMs, int64_t lengthMs)
{
    const int64_t n = std::max<int64_t>(ms, 0);
    QString text = lengthMs >= Hour ? QStringLiteral("%1:%2:%3")
                                          .arg(n / Hour)
                                          .arg(n / Minute % 60, 2, 10, QChar('0'))
                                          .arg(n / Second % 60, 2, 10, QChar('0'))
                                    : QStringLiteral("%1:%2").arg(n / Minute).arg(n / Second % 60, 2, 10, QChar('0'));
    if (stepMs < Second)
        text += QStringLiteral(".%1").arg(n % Second, 3, 10, QChar('0'));
    return text;
}

RulerLayout LayOutRuler(const ViewSpan &span, const std::function<double(const QString &)> &textWidth, double gap,
                        double minorSpacing)
{
    RulerLayout layout;
    const int64_t lengthMs = span.lengthMs();
    if (span.frames() <= 0 || span.width() <= 0)
        return layout;
    const double pxPerMs = span.rate() / 1000.0 / span.framesPerPixel();

    // The widest label of a step is that of the latest time it can show.
    layout.stepMs = kSteps.back();
    for (const int64_t step : kSteps) {
        const int64_t widest = lengthMs / step * step;
        if (step * pxPerMs >= textWidth(RulerLabel(widest, step, lengthMs)) + gap) {
            layout.stepMs = step;
            break;
        }
    }

    // The ticks between labels: a division of the step, or, below a millisecond, whole
    // samples at a 1-2-5 count.
    const double msFrames = span.rate() / 1000.0;
    const double stepFrames = double(layout.stepMs) * msFrames;
    layout.minorFrames = stepFrames / divisionsOf(layout.stepMs);
    if (layout.stepMs == 1) {
        for (const double samples : {1.0, 2.0, 5.0, 10.0}) {
            if (samples < msFrames && samples / span.framesPerPixel() >= minorSpacing) {
                layout.minorFrames = samples;
                break;
            }
        }
    }
    if (layout.minorFrames / span.framesPerPixel() < minorSpacing)
        layout.minorFrames = 0;

    const int64_t firstMs = std::max<int64_t>(span.msAt(0) / layout.stepMs * layout.stepMs - layout.stepMs, 0);
    const int64_t lastMs = std::min(span.msAt(span.width()) + layout.stepMs, lengthMs);
    const auto inView = [&](double x) { return x >= 0 && x <= span.width(); };
    for (int64_t ms = firstMs; ms <= lastMs; ms += layout.stepMs) {
        const double x = span.xOfMs(ms);
        if (inView(x))
            layout.ticks.push_back({x, ms, RulerLabel(ms, layout.stepMs, lengthMs)});
        if (layout.minorFrames <= 0)
            continue;
        // The smaller ticks up to the next label, counted from this one's frame.
        const double from = double(trevisto::mci::frameAt(ms, uint32_t(span.rate()), span.frames()));
        const double next = double(trevisto::mci::frameAt(ms + layout.stepMs, uint32_t(span.rate()), span.frames()));
        for (double f = from + layout.minorFrames; f < next - layout.minorFrames / 2 && f <= double(span.frames());
             f += layout.minorFrames) {
            const double minorX = span.xOf(layout.stepMs == 1 ? std::round(f) : f);
            if (inView(minorX))
                layout.ticks.push_back({minorX, 0, QString()});
        }
    }
    return layout;
}
