#pragma once
// Converts interleaved sound from one wav::Format to another: sample format (8-bit
// unsigned, 16/24/32-bit signed, 32-bit float), channel count (1<->2: mono is copied to
// both, stereo is averaged) and rate (libsoxr, high quality). Stateful: feed blocks in
// order, then finish().

#include "platform/wav/wav.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct soxr;

namespace trevisto::resample {

// The frames that `frames` input frames at `fromRate` become at `toRate`, in total:
// round(frames × toRate / fromRate), an exact half rounded up.
uint64_t convertedFrames(uint64_t frames, uint32_t fromRate, uint32_t toRate);

// Same format in and out is an exact copy. Integer outputs are rounded and clipped; float
// output is not clipped. A rate change gives round(frames in × to / from) frames in total,
// exactly: the tail is padded with silence or trimmed to that count by finish().
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
    // Flushes what the rate converter still holds; appends to `out`.
    bool finish(std::vector<unsigned char> &out);

private:
    Converter(const wav::Format &from, const wav::Format &to, unsigned channels);
    void decode(const void *in, size_t frames);
    void encode(const double *samples, size_t frames, std::vector<unsigned char> &out) const;
    bool resample(const double *samples, size_t frames, bool last);
    void release(uint64_t upTo, std::vector<unsigned char> &out);

    wav::Format from_, to_;
    unsigned channels_; // channels between decoding and encoding: the fewer of the two
    ::soxr *soxr_ = nullptr;
    uint64_t framesIn_ = 0, framesOut_ = 0;
    std::vector<double> decoded_, chunk_;
    std::vector<double> held_; // resampled frames not yet handed out
    bool finished_ = false, failed_ = false;
};

} // namespace trevisto::resample
