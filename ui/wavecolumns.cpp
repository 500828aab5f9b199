#include "ui/wavecolumns.h"

#include "editor/zerocrossing.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

using Peak = PeakTable::Peak;

// Without an envelope, at most this many frames are read for one drawing.
constexpr double kMostFramesRead = 1 << 22;

// Drawn samples stay inside the view; NaN draws as silence.
float drawable(float v) { return std::isnan(v) ? 0.0f : std::clamp(v, -1.0f, 1.0f); }

Peak merged(const Peak &a, const Peak &b) { return {std::min(a.low, b.low), std::max(a.high, b.high)}; }

} // namespace

WaveColumns::WaveColumns() = default;
WaveColumns::~WaveColumns() = default;

void WaveColumns::setSound(const QString &file, PeakTable peaks)
{
    file_ = trevisto::wav::File::open(QFile::encodeName(file).toStdString());
    peaks_ = std::move(peaks);
    columnsWidth_ = 0;
}

void WaveColumns::clear()
{
    file_.reset();
    peaks_.clear();
    columns_.clear();
    columnsWidth_ = 0;
}

int64_t WaveColumns::frames() const
{
    return file_ ? file_->info().frames : peaks_.frames();
}

int WaveColumns::rate() const
{
    return file_ ? int(file_->format().sampleRate) : int(peaks_.format().sampleRate);
}

int64_t WaveColumns::zeroCrossingNear(int64_t ms, const ViewSpan &span) const
{
    if (!file_ || span.frames() == 0)
        return ms;
    const uint32_t rate = uint32_t(span.rate());
    const trevisto::FrameWindow window = trevisto::ZeroCrossingWindow(ms, rate, span.frames());
    const std::vector<std::vector<float>> channels = samples(window.first, window.count);
    std::vector<float> mix(channels.empty() ? 0 : channels.front().size(), 0.0f);
    for (const std::vector<float> &channel : channels)
        for (size_t i = 0; i < mix.size() && i < channel.size(); ++i)
            mix[i] += channel[i] / float(channels.size());
    return trevisto::SnappedToZeroCrossing(ms, mix, window, rate, span.frames());
}

std::vector<std::vector<float>> WaveColumns::samples(int64_t first, int64_t count) const
{
    std::vector<std::vector<float>> out;
    if (!file_ || count <= 0)
        return out;
    const trevisto::wav::Format &f = file_->format();
    std::vector<unsigned char> raw(size_t(count) * f.blockAlign());
    const int64_t got = std::max<int64_t>(file_->readFrames(first, count, raw.data()), 0);
    out.assign(size_t(f.channels), std::vector<float>(size_t(got)));
    for (int c = 0; c < f.channels; ++c) {
        std::vector<float> &samples = out[size_t(c)];
        trevisto::wav::toFloat(f, raw.data(), got, c, 1, samples.data());
        std::transform(samples.begin(), samples.end(), samples.begin(), drawable);
    }
    return out;
}

void WaveColumns::readColumns(const ViewSpan &span, int64_t first, int64_t last)
{
    // The extremes over every channel, as the envelope table keeps them.
    const trevisto::wav::Format &f = file_->format();
    const int64_t count = std::max<int64_t>(last - first, 0);
    std::vector<unsigned char> raw(size_t(count) * f.blockAlign());
    const int64_t got = count > 0 ? std::max<int64_t>(file_->readFrames(first, count, raw.data()), 0) : 0;
    std::vector<float> samples(size_t(got) * f.channels);
    trevisto::wav::toFloat(f, raw.data(), got, 0, f.channels, samples.data());
    std::transform(samples.begin(), samples.end(), samples.begin(), drawable);
    for (int x = 0; x < int(columns_.size()); ++x) {
        const int64_t from = std::max<int64_t>(int64_t(std::floor(span.frameAt(x))) - first, 0);
        const int64_t to = std::min<int64_t>(int64_t(std::floor(span.frameAt(x + 1))) - first, got);
        if (from >= to)
            continue;
        const auto [lo, hi] = std::minmax_element(samples.begin() + from * f.channels, samples.begin() + to * f.channels);
        columns_[size_t(x)] = {*lo, *hi};
    }
}

const std::vector<Peak> &WaveColumns::columns(const ViewSpan &span, int w)
{
    if (columnsWidth_ == w && columnsFirst_ == span.first() && columnsScale_ == span.framesPerPixel())
        return columns_;
    columnsWidth_ = w;
    columnsFirst_ = span.first();
    columnsScale_ = span.framesPerPixel();
    columns_.assign(size_t(std::max(w, 0)), Peak{});
    const int64_t frames = span.frames();
    const double fpp = span.framesPerPixel();
    if (frames == 0)
        return columns_;
    // Closer than the envelope's own entries, the visible part of the file is read.
    const bool fromFile = file_ && (peaks_.empty() ? fpp * w <= kMostFramesRead : fpp < double(peaks_.framesPerPeak()));
    if (fromFile && fpp >= 1) {
        const int64_t first = std::clamp<int64_t>(int64_t(std::floor(span.frameAt(0))), 0, frames);
        const int64_t last = std::clamp<int64_t>(int64_t(std::ceil(span.frameAt(w))), first, frames);
        readColumns(span, first, last);
        return columns_;
    }
    if (peaks_.empty())
        return columns_;
    const int64_t per = peaks_.framesPerPeak();
    for (int x = 0; x < w; ++x) {
        const int64_t from = std::clamp<int64_t>(int64_t(std::floor(span.frameAt(x))), 0, frames - 1);
        const int64_t to = std::clamp<int64_t>(int64_t(std::ceil(span.frameAt(x + 1))) - 1, from, frames - 1);
        const int64_t a = std::min<int64_t>(from / per, peaks_.size() - 1);
        const int64_t b = std::min<int64_t>(to / per, peaks_.size() - 1);
        Peak p = peaks_.at(int(a));
        for (int64_t i = a + 1; i <= b; ++i)
            p = merged(p, peaks_.at(int(i)));
        columns_[size_t(x)] = p;
    }
    return columns_;
}
