// The columns the close view draws: from the envelope table while the view is no closer
// than its entries, from the working file beyond that, and nothing invented where neither
// is there; samples kept inside the view.

#include "ui/wavecolumns.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using Peak = PeakTable::Peak;

// 8192 frames of 16-bit mono in which every 64-frame block climbs from its own level, so
// the extremes of a few frames differ from those of their block.
constexpr int64_t kFrames = 8192;
constexpr int kBlock = 64;
int16_t sampleAt(int64_t i)
{
    return int16_t((i / kBlock % 8) * 2000 + (i % kBlock) * 10 - 8000);
}
float scaled(int64_t i)
{
    return float(sampleAt(i)) / 32768.0f;
}

// The extremes of frames [from, to).
Peak extremes(int64_t from, int64_t to)
{
    Peak p{scaled(from), scaled(from)};
    for (int64_t i = from; i < to; ++i)
        p = {std::min(p.low, scaled(i)), std::max(p.high, scaled(i))};
    return p;
}

// The extremes of the whole blocks that frames [from, to) touch.
Peak blockExtremes(int64_t from, int64_t to)
{
    return extremes(from / kBlock * kBlock, std::min((to - 1) / kBlock * kBlock + kBlock, kFrames));
}

class WaveColumnsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        format_ = {trevisto::wav::kTagPcm, 1, 8000, 16};
        std::vector<int16_t> samples(kFrames);
        for (int64_t i = 0; i < kFrames; ++i)
            samples[size_t(i)] = sampleAt(i);
        path_ = dir_.filePath(QStringLiteral("work.wav"));
        ASSERT_EQ(trevisto::wav::writeFile(path_.toStdString(), format_, samples.data(), samples.size() * 2),
                  trevisto::wav::WriteError::None);
        ASSERT_TRUE(peaks_.start(format_, kFrames / kBlock));
        peaks_.add(samples.data(), samples.size() * 2);
        ASSERT_EQ(peaks_.framesPerPeak(), kBlock);
    }

    QTemporaryDir dir_;
    trevisto::wav::Format format_;
    QString path_;
    PeakTable peaks_;
};

TEST_F(WaveColumnsTest, CoarseZoomsDrawTheEnvelopeAndCloseOnesTheFile)
{
    enum class From { Envelope, File, Nothing };
    const struct {
        const char *what;
        bool file, envelope;
        double zoom; // from the whole sound, 128 frames a pixel
        From from;
    } rows[] = {
        {"the whole sound, two entries a column", true, true, 1, From::Envelope},
        {"one entry a column", true, true, 2, From::Envelope},
        {"closer than an entry, with the file", true, true, 32, From::File},
        {"closer than an entry, without the file", false, true, 32, From::Envelope},
        {"closer than a frame: the envelope, as samples are drawn there", true, true, 256, From::Envelope},
        {"the whole sound without an envelope", true, false, 1, From::File},
        {"neither file nor envelope", false, false, 1, From::Nothing},
    };
    const int width = 64;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        WaveColumns wave;
        wave.setSound(row.file ? path_ : dir_.filePath(QStringLiteral("gone.wav")), row.envelope ? peaks_ : PeakTable());
        EXPECT_EQ(wave.hasFile(), row.file);
        if (row.file || row.envelope) {
            EXPECT_EQ(wave.frames(), kFrames);
            EXPECT_EQ(wave.rate(), 8000);
        }
        ViewSpan span;
        span.setSound(wave.frames(), wave.rate());
        span.setWidth(width);
        span.zoom(row.zoom, 0);
        const std::vector<Peak> &columns = wave.columns(span, width);
        ASSERT_EQ(columns.size(), size_t(width));
        for (int x = 0; x < width; ++x) {
            const int64_t from = int64_t(std::floor(span.frameAt(x)));
            const int64_t to = std::max<int64_t>(int64_t(std::ceil(span.frameAt(x + 1))), from + 1);
            const Peak want = row.from == From::File       ? extremes(from, to)
                              : row.from == From::Envelope ? blockExtremes(from, to)
                                                           : Peak{};
            EXPECT_FLOAT_EQ(columns[size_t(x)].low, want.low) << "column " << x;
            EXPECT_FLOAT_EQ(columns[size_t(x)].high, want.high) << "column " << x;
        }
    }
}

TEST_F(WaveColumnsTest, ColumnsFollowTheSpan)
{
    WaveColumns wave;
    wave.setSound(path_, peaks_);
    ViewSpan span;
    span.setSound(kFrames, 8000);
    span.setWidth(64);
    span.zoom(32, 0);
    EXPECT_FLOAT_EQ(wave.columns(span, 64)[0].high, extremes(0, 4).high);
    span.scroll(1000);
    const int64_t first = int64_t(span.first());
    EXPECT_FLOAT_EQ(wave.columns(span, 64)[0].high, extremes(first, first + 4).high) << "scrolled";
    wave.clear();
    EXPECT_FALSE(wave.hasFile());
    EXPECT_EQ(wave.columns(span, 64)[0], Peak{}) << "cleared";
}

// A float file may hold anything: samples past full scale are drawn at its edge, and NaN
// as silence, so no line leaves the view or vanishes.
TEST(WaveColumns, SamplesStayInsideTheView)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const trevisto::wav::Format format{trevisto::wav::kTagFloat, 2, 8000, 32};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> frames = {0.5f, nan, 1.5f, -0.25f, -3.0f, 2.0f, nan, nan};
    const QString path = dir.filePath(QStringLiteral("float.wav"));
    ASSERT_EQ(trevisto::wav::writeFile(path.toStdString(), format, frames.data(), frames.size() * 4),
              trevisto::wav::WriteError::None);
    WaveColumns wave;
    wave.setSound(path, PeakTable());
    ASSERT_TRUE(wave.hasFile());

    const std::vector<std::vector<float>> samples = wave.samples(0, 4);
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[0], (std::vector<float>{0.5f, 1.0f, -1.0f, 0.0f}));
    EXPECT_EQ(samples[1], (std::vector<float>{0.0f, -0.25f, 1.0f, 0.0f}));
    EXPECT_EQ(wave.samples(2, 10)[0].size(), 2u) << "no further than the end";
    EXPECT_TRUE(wave.samples(0, 0).empty());

    ViewSpan span;
    span.setSound(4, 8000);
    span.setWidth(1);
    const std::vector<Peak> &columns = wave.columns(span, 1);
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0], (Peak{-1.0f, 1.0f}));
}

TEST(WaveColumns, WithoutTheFileAZeroCrossingIsNotLookedFor)
{
    WaveColumns wave;
    ViewSpan span;
    span.setSound(8000, 8000);
    EXPECT_EQ(wave.zeroCrossingNear(345, span), 345);
}

} // namespace
