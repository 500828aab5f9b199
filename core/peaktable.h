#pragma once
// The envelope of a whole sound in a bounded table of min/max pairs, reduced block by block
// while the sound is written, so no second pass over the file is needed and a sound of any
// length keeps the same few tens of KiB. Each entry covers the same power-of-two number of
// frames; when the table fills up, neighbours merge and the span per entry doubles. The
// values are the extremes over all channels, scaled to -1..1.

#include "platform/wav/wav.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class PeakTable {
public:
    static constexpr int Capacity = 4096;

    struct Peak {
        float low = 0;
        float high = 0;
        bool operator==(const Peak &) const = default;
    };

    // A table fine enough for a close view of an hour of sound: 256 frames an entry at
    // 44.1 kHz, 8 MiB.
    static constexpr int DetailCapacity = 1 << 20;

    // Starts an empty envelope of sound in `format`, of at most `capacity` entries (a power
    // of two). False, leaving a table that takes no input, when the layout is not one of
    // the supported WAV layouts.
    bool start(const trevisto::wav::Format &format, int capacity = Capacity);
    void clear();

    // Reduces `size` bytes of interleaved samples in the started format. Blocks need not
    // end on a frame: a split frame is completed by the next call.
    void add(const void *data, size_t size);

    bool empty() const { return used_ == 0; }
    int size() const { return used_; }
    const Peak &at(int index) const { return peaks_[size_t(index)]; }
    int64_t frames() const { return frames_; }
    int64_t framesPerPeak() const { return framesPerPeak_; }
    const trevisto::wav::Format &format() const { return format_; }

    // The envelope refined to `width` columns of equal duration: each column holds the
    // extremes of the entries its frames fall into. A sound of fewer frames than columns
    // repeats its entries. Empty for an empty table or a width below 1.
    std::vector<Peak> columns(int width) const;

    // The same envelope in at most `capacity` entries (a power of two): exactly the table
    // that reducing the same sound into that capacity would have given.
    PeakTable coarsened(int capacity = Capacity) const;
    int capacity() const { return capacity_; }

private:
    void addFrames(const unsigned char *data, int64_t count);
    void halve();
    trevisto::wav::Format format_;
    size_t frameBytes_ = 0;
    std::vector<Peak> peaks_;
    int capacity_ = Capacity;
    int used_ = 0;
    int64_t framesPerPeak_ = 1;
    int64_t inLast_ = 0; // frames already in the last entry
    int64_t frames_ = 0;
    std::vector<unsigned char> partial_; // a frame split between two blocks
    size_t partialBytes_ = 0;
};
