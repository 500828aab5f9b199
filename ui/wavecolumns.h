#pragma once
// What the close view draws of the sound, apart from any widget: the extremes under each
// pixel column of a span, from the envelope table at coarse zooms and from the working file
// where the view is closer than the table's entries, and the samples themselves for the
// closest zooms. The columns are kept until the span or the width changes, so a repaint
// that moves nothing reads nothing.

#include "core/peaktable.h"
#include "ui/viewspan.h"
#include "platform/wav/wav.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class WaveColumns {
public:
    WaveColumns();
    ~WaveColumns();

    // The sound in the native WAV file `file`, with its envelope. A file that cannot be
    // opened leaves the envelope alone to draw from.
    void setSound(const QString &file, PeakTable peaks);
    void clear();
    bool hasFile() const { return file_ != nullptr; }
    // The sound's length and rate: the file's, else the envelope's.
    int64_t frames() const;
    int rate() const;

    // The extremes under each of `width` pixel columns of `span`.
    const std::vector<PeakTable::Peak> &columns(const ViewSpan &span, int width);
    // The samples of `count` frames from `first`, channel after channel, within -1..1.
    std::vector<std::vector<float>> samples(int64_t first, int64_t count) const;
    // The millisecond nearest `ms` that begins closest to a zero crossing of the sound; `ms`
    // itself without the file.
    int64_t zeroCrossingNear(int64_t ms, const ViewSpan &span) const;

private:
    void readColumns(const ViewSpan &span, int64_t first, int64_t last);

    std::unique_ptr<trevisto::wav::File> file_;
    PeakTable peaks_;

    // The columns for the span they were made for.
    std::vector<PeakTable::Peak> columns_;
    double columnsFirst_ = -1, columnsScale_ = 0;
    int columnsWidth_ = 0;
};
