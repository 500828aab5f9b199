#pragma once
// The time ruler along the top of the close view: ticks at a round step that suits the
// zoom, from hours down to single milliseconds, with unlabelled ticks between them down to
// single samples. The step is the finest whose labels, each as wide as the caller measures
// it, still stand apart; so labels never overlap at any zoom or font.

#include "ui/viewspan.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

struct RulerTick {
    double x = 0;       // pixel column in the view
    int64_t ms = 0;     // the time of a labelled tick
    QString label;      // empty for the ticks between labels
};

struct RulerLayout {
    int64_t stepMs = 0;          // between labelled ticks
    double minorFrames = 0;      // between all ticks, in frames
    std::vector<RulerTick> ticks; // in order of x
};

// The text of a labelled tick at `ms`: minutes and seconds, hours too when the sound is an
// hour or longer, and three decimals when the step is below a second.
QString RulerLabel(int64_t ms, int64_t stepMs, int64_t lengthMs);

// The ruler for what `span` shows. `textWidth` measures a label in pixels; `gap` is the
// least room between two labels. Ticks between labels are at least `minorSpacing` apart.
RulerLayout LayOutRuler(const ViewSpan &span, const std::function<double(const QString &)> &textWidth,
                        double gap = 10, double minorSpacing = 5);
