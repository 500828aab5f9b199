#include "platform/resample/converter.h"
#include "platform/io/textmark.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trevisto::resample {

namespace {

// Frames per call into the rate converter's output; bounds the working memory whatever
// the caller's block size.
constexpr size_t kChunkFrames = 8192;

enum class Kind { U8, S16, S24, S32, F32 };

Kind kindOf(const wav::Format &f)
{
    if (f.tag == wav::kTagFloat)
        return Kind::F32;
    switch (f.bitsPerSample) {
    case 8: return Kind::U8;
    case 16: return Kind::S16;
    case 24: return Kind::S24;
    default: return Kind::S32;
    }
}

// Integer samples map to [-1, 1) by a power of two, so widening and narrowing back again
// is exact.
void decodeSamples(Kind kind, const unsigned char *p, size_t count, double *out)
{
    switch (kind) {
    case Kind::U8:
        for (size_t i = 0; i < count; ++i)
            out[i] = (int(p[i]) - 128) * (1.0 / 128);
        break;
    case Kind::S16:
        for (size_t i = 0; i < count; ++i, p += 2)
            out[i] = int16_t(uint16_t(p[0] | p[1] << 8)) * (1.0 / 32768);
        break;
    case Kind::S24:
        for (size_t i = 0; i < count; ++i, p += 3)
            out[i] = (int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8) * (1.0 / 8388608);
        break;
    case Kind::S32:
        for (size_t i = 0; i < count; ++i, p += 4)
            out[i] = int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24) *
                     (1.0 / 2147483648.0);
        break;
    case Kind::F32:
        for (size_t i = 0; i < count; ++i, p += 4) {
            float f;
            std::memcpy(&f, p, 4);
            out[i] = f;
        }
        break;
    }
}

// Rounds to the nearest step and clips to the format's range; NaN becomes silence.
int64_t quantize(double v, int bits)
{
    const double scale = double(int64_t(1) << (bits - 1));
    const double x = std::nearbyint(v * scale);
    if (!(x == x))
        return 0;
    return int64_t(std::clamp(x, -scale, scale - 1));
}

void encodeSample(Kind kind, double v, unsigned char *p)
{
    switch (kind) {
    case Kind::U8: p[0] = uint8_t(quantize(v, 8) + 128); break;
    case Kind::S16: {
        const auto s = uint16_t(quantize(v, 16));
        p[0] = uint8_t(s);
        p[1] = uint8_t(s >> 8);
        break;
    }
    case Kind::S24: {
        const auto s = uint32_t(quantize(v, 24));
        p[0] = uint8_t(s);
        p[1] = uint8_t(s >> 8);
        p[2] = uint8_t(s >> 16);
        break;
    }
    case Kind::S32: {
        const auto s = uint32_t(quantize(v, 32));
        p[0] = uint8_t(s);
        p[1] = uint8_t(s >> 8);
        p[2] = uint8_t(s >> 16);
        p[3] = uint8_t(s >> 24);
        break;
    }
    case Kind::F32: {
        const float f = float(v);
        std::memcpy(p, &f, 4);
        break;
    }
    }
}

} // namespace

uint64_t convertedFrames(uint64_t frames, uint32_t fromRate, uint32_t toRate)
{
    if (fromRate == toRate || fromRate == 0)
        return frames;
    using u128 = unsigned __int128;
    return uint64_t((u128(frames) * toRate * 2 + fromRate) / (u128(fromRate) * 2));
}

Converter::Converter(const wav::Format &from, const wav::Format &to, unsigned channels)
    : from_(from), to_(to), channels_(channels)
{
}

Converter::~Converter()
{
    if (soxr_)
        soxr_delete(soxr_);
}

std::unique_ptr<Converter> Converter::create(const wav::Format &from, const wav::Format &to, std::string *why)
{
    auto refuse = [why](std::string reason) {
        if (why)
            *why = std::move(reason);
        return nullptr;
    };
    if (!from.supported())
        return refuse(QT_TRANSLATE_NOOP("Converter", "the sound's format is not one that can be converted"));
    if (!to.supported())
        return refuse(QT_TRANSLATE_NOOP("Converter", "the target format is not one that can be converted to"));
    if (from.channels != to.channels && !(from.channels <= 2 && to.channels <= 2))
        return refuse("sound with " + std::to_string(from.channels) + " channels cannot be converted to " +
                      std::to_string(to.channels));

    const unsigned channels = std::min(from.channels, to.channels);
    std::unique_ptr<Converter> c(new Converter(from, to, channels));
    if (from.sampleRate != to.sampleRate) {
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
        soxr_error_t error = nullptr;
        c->soxr_ = soxr_create(from.sampleRate, to.sampleRate, channels, &error, &io, &quality, &runtime);
        if (!c->soxr_ || error)
            return refuse(std::string("the rate converter cannot start: ") + soxr_strerror(error));
        c->chunk_.resize(kChunkFrames * channels);
    }
    if (why)
        why->clear();
    return c;
}

void Converter::decode(const void *in, size_t frames)
{
    const size_t samples = frames * from_.channels;
    decoded_.resize(samples);
    decodeSamples(kindOf(from_), static_cast<const unsigned char *>(in), samples, decoded_.data());
    if (channels_ < from_.channels) {
        // Stereo to mono, in place: frame i's average lands before frame i+1 is read.
        for (size_t i = 0; i < frames; ++i)
            decoded_[i] = (decoded_[2 * i] + decoded_[2 * i + 1]) * 0.5;
        decoded_.resize(frames);
    }
}

void Converter::encode(const double *samples, size_t frames, std::vector<unsigned char> &out) const
{
    const Kind kind = kindOf(to_);
    const size_t width = to_.bitsPerSample / 8;
    const size_t start = out.size();
    out.resize(start + frames * to_.blockAlign());
    unsigned char *p = out.data() + start;
    if (channels_ < to_.channels) {
        for (size_t i = 0; i < frames; ++i) {
            for (unsigned c = 0; c < to_.channels; ++c, p += width)
                encodeSample(kind, samples[i], p);
        }
    } else {
        for (size_t i = 0, n = frames * channels_; i < n; ++i, p += width)
            encodeSample(kind, samples[i], p);
    }
}

// Runs the rate converter over `frames` frames (none and `last` to drain it) and keeps
// everything it gives in held_.
bool Converter::resample(const double *samples, size_t frames, bool last)
{
    size_t used = 0;
    for (;;) {
        size_t taken = 0, given = 0;
        const double *in = last ? nullptr : samples + used * channels_;
        const soxr_error_t error =
            soxr_process(soxr_, in, last ? 0 : frames - used, last ? nullptr : &taken, chunk_.data(), kChunkFrames, &given);
        if (error)
            return false;
        used += taken;
        held_.insert(held_.end(), chunk_.begin(), chunk_.begin() + ptrdiff_t(given * channels_));
        if (last ? given == 0 : (used == frames && given < kChunkFrames))
            return true;
        if (!last && taken == 0 && given == 0)
            return false; // no progress would loop for ever
    }
}

// Hands out held frames, never beyond a total of `upTo`.
void Converter::release(uint64_t upTo, std::vector<unsigned char> &out)
{
    const uint64_t heldFrames = held_.size() / channels_;
    const uint64_t n = std::min(heldFrames, upTo > framesOut_ ? upTo - framesOut_ : 0);
    encode(held_.data(), size_t(n), out);
    held_.erase(held_.begin(), held_.begin() + ptrdiff_t(n * channels_));
    framesOut_ += n;
}

bool Converter::process(const void *in, size_t frames, std::vector<unsigned char> &out)
{
    if (failed_ || finished_)
        return false;
    if (from_ == to_) {
        const auto *p = static_cast<const unsigned char *>(in);
        out.insert(out.end(), p, p + frames * from_.blockAlign());
        return true;
    }
    decode(in, frames);
    if (!soxr_) {
        encode(decoded_.data(), frames, out);
        return true;
    }
    framesIn_ += frames;
    if (!resample(decoded_.data(), frames, false)) {
        failed_ = true;
        return false;
    }
    release(convertedFrames(framesIn_, from_.sampleRate, to_.sampleRate), out);
    return true;
}

bool Converter::finish(std::vector<unsigned char> &out)
{
    if (failed_)
        return false;
    if (finished_ || !soxr_) {
        finished_ = true;
        return true;
    }
    finished_ = true;
    if (!resample(nullptr, 0, true)) {
        failed_ = true;
        return false;
    }
    const uint64_t total = convertedFrames(framesIn_, from_.sampleRate, to_.sampleRate);
    release(total, out);
    // The length is promised here rather than left to the rate converter's own rounding.
    if (framesOut_ < total) {
        const std::vector<double> silence(size_t(total - framesOut_) * channels_, 0.0);
        encode(silence.data(), size_t(total - framesOut_), out);
        framesOut_ = total;
    }
    held_.clear();
    return true;
}

} // namespace trevisto::resample
