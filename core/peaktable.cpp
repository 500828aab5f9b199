#include "core/peaktable.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

static_assert(std::endian::native == std::endian::little, "WAV samples are read in place as little-endian");

using trevisto::wav::Format;

// The extremes of `count` samples as integers, which the loops below keep in registers
// and the compiler can vectorise; scaling to -1..1 happens once per run.
template <typename Sample>
void extremes(const unsigned char *data, size_t count, int64_t &low, int64_t &high)
{
    Sample lo = std::numeric_limits<Sample>::max(), hi = std::numeric_limits<Sample>::lowest();
    for (size_t i = 0; i < count; ++i) {
        Sample s;
        std::memcpy(&s, data + i * sizeof(Sample), sizeof(Sample));
        lo = std::min(lo, s);
        hi = std::max(hi, s);
    }
    low = lo;
    high = hi;
}

void extremes24(const unsigned char *data, size_t count, int64_t &low, int64_t &high)
{
    int32_t lo = std::numeric_limits<int32_t>::max(), hi = std::numeric_limits<int32_t>::lowest();
    for (size_t i = 0; i < count; ++i) {
        const unsigned char *p = data + i * 3;
        const int32_t s = int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8;
        lo = std::min(lo, s);
        hi = std::max(hi, s);
    }
    low = lo;
    high = hi;
}

PeakTable::Peak extremesFloat(const unsigned char *data, size_t count)
{
    float lo = 1, hi = -1;
    bool any = false;
    for (size_t i = 0; i < count; ++i) {
        float s;
        std::memcpy(&s, data + i * 4, 4);
        // A NaN would poison every comparison after it; it carries no level to show.
        if (std::isnan(s))
            continue;
        any = true;
        lo = std::min(lo, s);
        hi = std::max(hi, s);
    }
    if (!any)
        return {0, 0};
    // Float sound may exceed full scale; the envelope shows it at the edge.
    return {std::clamp(lo, -1.0f, 1.0f), std::clamp(hi, -1.0f, 1.0f)};
}

PeakTable::Peak reduce(const Format &format, const unsigned char *data, size_t samples)
{
    int64_t low = 0, high = 0;
    double scale = 1;
    switch (format.bitsPerSample) {
    case 8:
        extremes<uint8_t>(data, samples, low, high);
        low -= 128;
        high -= 128;
        scale = 128;
        break;
    case 16:
        extremes<int16_t>(data, samples, low, high);
        scale = 32768;
        break;
    case 24:
        extremes24(data, samples, low, high);
        scale = 8388608;
        break;
    default:
        if (format.tag == trevisto::wav::kTagFloat)
            return extremesFloat(data, samples);
        extremes<int32_t>(data, samples, low, high);
        scale = 2147483648.0;
        break;
    }
    return {float(double(low) / scale), float(double(high) / scale)};
}

// floor(frames * part / whole) without forming the product, which overflows on long sounds
// refined to wide views.
int64_t share(int64_t frames, int64_t part, int64_t whole)
{
    return frames / whole * part + frames % whole * part / whole;
}

PeakTable::Peak merged(const PeakTable::Peak &a, const PeakTable::Peak &b)
{
    return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

} // namespace

bool PeakTable::start(const Format &format, int capacity)
{
    clear();
    if (!format.supported() || capacity < 2 || !std::has_single_bit(unsigned(capacity)))
        return false;
    format_ = format;
    frameBytes_ = format.blockAlign();
    capacity_ = capacity;
    peaks_.assign(size_t(capacity), Peak{});
    partial_.resize(frameBytes_);
    return true;
}

void PeakTable::clear()
{
    *this = PeakTable();
}

void PeakTable::add(const void *data, size_t size)
{
    if (frameBytes_ == 0 || size == 0)
        return;
    auto *bytes = static_cast<const unsigned char *>(data);
    if (partialBytes_ > 0) {
        const size_t take = std::min(size, frameBytes_ - partialBytes_);
        std::memcpy(partial_.data() + partialBytes_, bytes, take);
        partialBytes_ += take;
        bytes += take;
        size -= take;
        if (partialBytes_ < frameBytes_)
            return;
        addFrames(partial_.data(), 1);
        partialBytes_ = 0;
    }
    const size_t whole = size / frameBytes_;
    addFrames(bytes, int64_t(whole));
    partialBytes_ = size - whole * frameBytes_;
    std::memcpy(partial_.data(), bytes + whole * frameBytes_, partialBytes_);
}

void PeakTable::addFrames(const unsigned char *data, int64_t count)
{
    while (count > 0) {
        if (used_ == 0 || inLast_ == framesPerPeak_) {
            if (used_ == capacity_)
                halve();
            ++used_;
            inLast_ = 0;
        }
        const int64_t take = std::min(count, framesPerPeak_ - inLast_);
        const Peak run = reduce(format_, data, size_t(take) * format_.channels);
        Peak &last = peaks_[size_t(used_ - 1)];
        last = inLast_ == 0 ? run : merged(last, run);
        inLast_ += take;
        frames_ += take;
        count -= take;
        data += size_t(take) * frameBytes_;
    }
}

void PeakTable::halve()
{
    // Only ever called with every entry full, so the merged ones are full too.
    for (int i = 0; i < capacity_ / 2; ++i)
        peaks_[size_t(i)] = merged(peaks_[size_t(2 * i)], peaks_[size_t(2 * i + 1)]);
    used_ = capacity_ / 2;
    framesPerPeak_ *= 2;
    inLast_ = framesPerPeak_;
}

std::vector<PeakTable::Peak> PeakTable::columns(int width) const
{
    std::vector<Peak> out;
    if (empty() || width < 1)
        return out;
    out.reserve(size_t(width));
    for (int64_t c = 0; c < width; ++c) {
        const int64_t first = share(frames_, c, width);
        const int64_t end = std::max(first + 1, share(frames_, c + 1, width));
        const int64_t from = first / framesPerPeak_;
        const int64_t to = std::min<int64_t>((end - 1) / framesPerPeak_, used_ - 1);
        Peak peak = peaks_[size_t(from)];
        for (int64_t i = from + 1; i <= to; ++i)
            peak = merged(peak, peaks_[size_t(i)]);
        out.push_back(peak);
    }
    return out;
}

PeakTable PeakTable::coarsened(int capacity) const
{
    PeakTable out = *this;
    if (capacity < 2 || !std::has_single_bit(unsigned(capacity)) || capacity >= capacity_) {
        return out;
    }
    // Reducing into the smaller table would have merged neighbours until the sound fitted:
    // the same as merging groups of `factor` entries here.
    int64_t factor = 1;
    while ((used_ + factor - 1) / factor > capacity)
        factor *= 2;
    out.capacity_ = capacity;
    out.peaks_.assign(size_t(capacity), Peak{});
    out.used_ = int((used_ + factor - 1) / factor);
    for (int i = 0; i < used_; ++i) {
        Peak &to = out.peaks_[size_t(i / factor)];
        to = i % factor == 0 ? peaks_[size_t(i)] : merged(to, peaks_[size_t(i)]);
    }
    out.framesPerPeak_ = framesPerPeak_ * factor;
    out.inLast_ = used_ == 0 ? 0 : frames_ - int64_t(out.used_ - 1) * out.framesPerPeak_;
    return out;
}
