#include "platform/resample/converter.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace trevisto::resample {

namespace {

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

template <Kind K>
double load(const unsigned char *p)
{
    if constexpr (K == Kind::U8) {
        return (int(p[0]) - 128) / 128.0;
    } else if constexpr (K == Kind::S16) {
        return int16_t(uint16_t(p[0] | p[1] << 8)) / 32768.0;
    } else if constexpr (K == Kind::S24) {
        // Built in the top bytes of 32 bits so the sign comes for free.
        return int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) / 2147483648.0;
    } else if constexpr (K == Kind::S32) {
        return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24) /
               2147483648.0;
    } else {
        float v;
        std::memcpy(&v, p, 4);
        return v;
    }
}

// Rounds v × scale to the nearest integer within the sample's range.
inline int64_t quantise(double v, double scale, int64_t low, int64_t high)
{
    const double x = std::nearbyint(v * scale);
    if (!(x > double(low))) // NaN lands at the low end rather than anywhere
        return low;
    if (x >= double(high))
        return high;
    return int64_t(x);
}

template <Kind K>
void store(unsigned char *p, double v)
{
    if constexpr (K == Kind::U8) {
        p[0] = uint8_t(quantise(v, 128.0, -128, 127) + 128);
    } else if constexpr (K == Kind::S16) {
        const auto x = uint16_t(int16_t(quantise(v, 32768.0, -32768, 32767)));
        p[0] = uint8_t(x);
        p[1] = uint8_t(x >> 8);
    } else if constexpr (K == Kind::S24) {
        const auto x = uint32_t(int32_t(quantise(v, 8388608.0, -8388608, 8388607)));
        p[0] = uint8_t(x);
        p[1] = uint8_t(x >> 8);
        p[2] = uint8_t(x >> 16);
    } else if constexpr (K == Kind::S32) {
        const auto x = uint32_t(int32_t(quantise(v, 2147483648.0, INT32_MIN, INT32_MAX)));
        p[0] = uint8_t(x);
        p[1] = uint8_t(x >> 8);
        p[2] = uint8_t(x >> 16);
        p[3] = uint8_t(x >> 24);
    } else {
        const float f = float(v);
        std::memcpy(p, &f, 4);
    }
}

// Source frames to doubles, averaging stereo down to mono when `outChannels` is 1 and
// the source has two.
template <Kind K>
void decodeAs(const unsigned char *in, size_t frames, unsigned channels, unsigned outChannels, double *out)
{
    constexpr size_t bytes = K == Kind::U8 ? 1 : K == Kind::S16 ? 2 : K == Kind::S24 ? 3 : 4;
    if (channels == 2 && outChannels == 1) {
        for (size_t i = 0; i < frames; ++i, in += 2 * bytes)
            out[i] = (load<K>(in) + load<K>(in + bytes)) * 0.5;
        return;
    }
    const size_t n = frames * channels;
    for (size_t i = 0; i < n; ++i, in += bytes)
        out[i] = load<K>(in);
}

// Doubles to target frames, copying mono into both channels when the target has two.
template <Kind K>
void encodeAs(const double *in, size_t frames, unsigned channels, unsigned outChannels, unsigned char *out)
{
    constexpr size_t bytes = K == Kind::U8 ? 1 : K == Kind::S16 ? 2 : K == Kind::S24 ? 3 : 4;
    if (channels == 1 && outChannels == 2) {
        for (size_t i = 0; i < frames; ++i, out += 2 * bytes) {
            store<K>(out, in[i]);
            std::memcpy(out + bytes, out, bytes);
        }
        return;
    }
    const size_t n = frames * channels;
    for (size_t i = 0; i < n; ++i, out += bytes)
        store<K>(out, in[i]);
}

void decode(const wav::Format &f, const void *in, size_t frames, unsigned outChannels, double *out)
{
    const auto *p = static_cast<const unsigned char *>(in);
    switch (kindOf(f)) {
    case Kind::U8: decodeAs<Kind::U8>(p, frames, f.channels, outChannels, out); break;
    case Kind::S16: decodeAs<Kind::S16>(p, frames, f.channels, outChannels, out); break;
    case Kind::S24: decodeAs<Kind::S24>(p, frames, f.channels, outChannels, out); break;
    case Kind::S32: decodeAs<Kind::S32>(p, frames, f.channels, outChannels, out); break;
    case Kind::F32: decodeAs<Kind::F32>(p, frames, f.channels, outChannels, out); break;
    }
}

void encode(const double *in, size_t frames, unsigned channels, const wav::Format &f, unsigned char *out)
{
    switch (kindOf(f)) {
    case Kind::U8: encodeAs<Kind::U8>(in, frames, channels, f.channels, out); break;
    case Kind::S16: encodeAs<Kind::S16>(in, frames, channels, f.channels, out); break;
    case Kind::S24: encodeAs<Kind::S24>(in, frames, channels, f.channels, out); break;
    case Kind::S32: encodeAs<Kind::S32>(in, frames, channels, f.channels, out); break;
    case Kind::F32: encodeAs<Kind::F32>(in, frames, channels, f.channels, out); break;
    }
}

std::string describeFormat(const wav::Format &f)
{
    return std::to_string(f.channels) + " channel(s), " + std::to_string(f.sampleRate) + " Hz, " +
           std::to_string(f.bitsPerSample) + "-bit " + (f.tag == wav::kTagFloat ? "float" : "integer");
}

} // namespace

std::unique_ptr<Converter> Converter::create(const wav::Format &from, const wav::Format &to, std::string *why)
{
    auto refuse = [&](std::string reason) {
        if (why)
            *why = std::move(reason);
        return nullptr;
    };
    if (!from.supported())
        return refuse("the source sound format is not supported (" + describeFormat(from) + ")");
    if (!to.supported())
        return refuse("the target sound format is not supported (" + describeFormat(to) + ")");
    const bool mixable = from.channels == to.channels || (from.channels <= 2 && to.channels <= 2);
    if (!mixable)
        return refuse("cannot convert " + std::to_string(from.channels) + " channels to " +
                      std::to_string(to.channels));

    std::unique_ptr<Converter> c(new Converter(from, to));
    if (from.sampleRate != to.sampleRate) {
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_error_t error = nullptr;
        c->resampler_ = soxr_create(from.sampleRate, to.sampleRate, c->mixChannels_, &error, &io, &quality, nullptr);
        if (!c->resampler_ || error)
            return refuse(std::string("the rate converter cannot start: ") + soxr_strerror(error));
    }
    if (why)
        why->clear();
    return c;
}

Converter::Converter(const wav::Format &from, const wav::Format &to)
    : from_(from), to_(to), mixChannels_(std::min(from.channels, to.channels))
{
}

Converter::~Converter()
{
    if (resampler_)
        soxr_delete(resampler_);
}

void Converter::append(const double *samples, size_t frames, std::vector<unsigned char> &out)
{
    if (frames == 0)
        return;
    const size_t at = out.size();
    out.resize(at + frames * to_.blockAlign());
    encode(samples, frames, mixChannels_, to_, out.data() + at);
}

// Runs the rate converter over `frames` frames at `in`, or flushes it when `in` is null,
// handing everything it gives back to append(). A flush stops at the length the rate
// ratio promises, padding with silence if the converter gave less.
bool Converter::drain(const double *in, size_t frames, std::vector<unsigned char> &out)
{
    const double ratio = double(to_.sampleRate) / from_.sampleRate;
    const size_t room = std::max<size_t>(4096, size_t(double(frames) * ratio) + 64);
    resampled_.resize(room * mixChannels_);
    const unsigned long long target =
        (framesIn_ * 2 * to_.sampleRate + from_.sampleRate) / (2ull * from_.sampleRate);
    size_t used = 0;
    for (;;) {
        size_t taken = 0, given = 0;
        const soxr_error_t error = soxr_process(resampler_, in ? in + used * mixChannels_ : nullptr,
                                                in ? frames - used : 0, &taken, resampled_.data(), room, &given);
        if (error)
            return false;
        used += taken;
        size_t keep = given;
        if (!in)
            keep = size_t(std::min<unsigned long long>(given, target - std::min(target, framesOut_)));
        append(resampled_.data(), keep, out);
        framesOut_ += keep;
        if (in) {
            if (used >= frames && given < room)
                break;
            if (taken == 0 && given == 0)
                return false; // no progress: would spin for ever
        } else if (given == 0) {
            break;
        }
    }
    if (!in && framesOut_ < target) {
        const size_t missing = size_t(target - framesOut_);
        std::fill(resampled_.begin(), resampled_.end(), 0.0);
        for (size_t done = 0; done < missing;) {
            const size_t n = std::min(missing - done, room);
            append(resampled_.data(), n, out);
            done += n;
        }
        framesOut_ = target;
    }
    return true;
}

bool Converter::process(const void *in, size_t frames, std::vector<unsigned char> &out)
{
    if (failed_ || finished_)
        return false;
    if (frames == 0)
        return true;
    if (from_ == to_) {
        const auto *p = static_cast<const unsigned char *>(in);
        out.insert(out.end(), p, p + frames * from_.blockAlign());
        return true;
    }
    mixed_.resize(frames * mixChannels_);
    decode(from_, in, frames, mixChannels_, mixed_.data());
    if (!resampler_) {
        append(mixed_.data(), frames, out);
        return true;
    }
    framesIn_ += frames;
    if (!drain(mixed_.data(), frames, out))
        failed_ = true;
    return !failed_;
}

bool Converter::finish(std::vector<unsigned char> &out)
{
    if (failed_)
        return false;
    if (finished_ || !resampler_) {
        finished_ = true;
        return true;
    }
    finished_ = true;
    if (!drain(nullptr, 0, out))
        failed_ = true;
    return !failed_;
}

} // namespace trevisto::resample
