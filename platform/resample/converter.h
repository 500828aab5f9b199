#pragma once
// Conversion of interleaved sound between two WAVE sample layouts, for joining clips of
// different formats and for feeding the MP3 encoder rates it can carry.

#include "platform/wav/wav.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct soxr;

namespace trevisto::resample {

// Converts interleaved sound from one wav::Format to another: sample format (8-bit
// unsigned, 16/24/32-bit signed, 32-bit float), channel count (1<->2: mono is copied to
// both, stereo is averaged) and rate (libsoxr, high quality). Stateful: feed blocks in
// order, then finish().
//
// Integer samples map to [-1, 1) by their full scale (8-bit around 128). Integer outputs
// are rounded to the nearest step and clipped; float outputs are passed unclipped. The
// same format on both sides is an exact byte copy. A rate change gives
// round(total input frames × to / from) frames in all, the last few arriving from finish().
class Converter {
public:
    // nullptr when the conversion is not possible; *why says why.
    static std::unique_ptr<Converter> create(const wav::Format &from, const wav::Format &to,
                                             std::string *why = nullptr);
    ~Converter();
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `frames` whole frames at `in` (from-format bytes) and appends the output
    // bytes (to-format, whole frames) to `out`. False on an internal error.
    bool process(const void *in, size_t frames, std::vector<unsigned char> &out);
    // Flushes what the rate converter still holds; appends to `out`. Nothing can be fed
    // after it.
    bool finish(std::vector<unsigned char> &out);

private:
    Converter(const wav::Format &from, const wav::Format &to);
    void append(const double *samples, size_t frames, std::vector<unsigned char> &out);
    bool drain(const double *in, size_t frames, std::vector<unsigned char> &out);

    wav::Format from_, to_;
    unsigned mixChannels_; // channel count while the sound is in double form
    soxr *resampler_ = nullptr;
    bool failed_ = false;
    bool finished_ = false;
    unsigned long long framesIn_ = 0;  // fed to the rate converter
    unsigned long long framesOut_ = 0; // taken from it
    std::vector<double> mixed_, resampled_;
};

} // namespace trevisto::resample
