// FLAC, Ogg Vorbis and Opus written from WAV files: each decodes (with the `ffmpeg`
// command) to exactly the length it should, FLAC to exactly the samples, and a failed or
// stopped encoding leaves nothing under the output's name.

#include "platform/encode/soundencoder.h"
#include "support/ffmpeg_tool.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <filesystem>

namespace trevisto::test {
namespace {

using encode::Kind;

// Frames libsndfile (and so the program's own decoding) reads from `path`, to the end.
size_t framesReadBack(const std::string &path)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f)
        return 0;
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    size_t frames = 0;
    while (const sf_count_t n = sf_readf_float(f, block.data(), 4096))
        frames += static_cast<size_t>(n);
    sf_close(f);
    return frames;
}

TEST(EncodeNames, TheExtensionSaysTheKind)
{
    const struct {
        const char *name;
        std::optional<Kind> kind;
    } rows[] = {
        {"/a/b.flac", Kind::Flac}, {"B.FLAC", Kind::Flac}, {"x.ogg", Kind::Vorbis}, {"x.oga", Kind::Vorbis},
        {"x.Opus", Kind::Opus},    {"x.mp3", std::nullopt}, {"x.wav", std::nullopt}, {"flac", std::nullopt},
        {"/a.flac/b", std::nullopt}, {"x.flac.wav", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(encode::kindOfName(row.name), row.kind) << row.name;
}

TEST(EncodeRates, QualityRisesWithTheChosenBitRate)
{
    double quality = -1;
    int opus = 0;
    for (const int kbps : {56, 80, 96, 128, 256, 320}) {
        EXPECT_GT(encode::vorbisQuality(kbps), quality) << kbps;
        EXPECT_GT(encode::opusBitRate(kbps, 2), opus) << kbps;
        quality = encode::vorbisQuality(kbps);
        opus = encode::opusBitRate(kbps, 2);
        EXPECT_GE(quality, 0.0);
        EXPECT_LE(quality, 1.0);
    }
    EXPECT_EQ(encode::opusBitRate(1, 1), 6000) << "Opus's lowest rate";
    EXPECT_EQ(encode::opusBitRate(5000, 2), 512000) << "Opus's highest rate";
}

struct EncodeCase {
    const char *name;
    Kind kind;
    int rate;
    int channels;
};

void PrintTo(const EncodeCase &c, std::ostream *os)
{
    *os << c.name;
}

class EncodeTest : public ::testing::TestWithParam<EncodeCase> {
protected:
    TempDir dir;
};

TEST_P(EncodeTest, DecodesToTheSourcesLength)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "the ffmpeg command is not installed";
    const EncodeCase &c = GetParam();
    // An odd length, so that a frame-sized rounding shows.
    const Pcm tone = makeTone(c.rate, c.channels, 1.2345, 440.0);
    const std::string source = dir.file("in.wav");
    writeWav(source, tone);
    const std::string output = dir.file(std::string("out.") + encode::extensionOf(c.kind));

    const encode::Result r = encode::encodeWav(source, output, c.kind, 128);
    ASSERT_TRUE(r.ok) << r.why;
    const auto decoded = ffmpegDecode(output);
    ASSERT_TRUE(decoded.has_value());
    // The ffmpeg command drops 128 frames from the start of libsndfile's Vorbis streams
    // that libvorbisfile and libsndfile keep; the program reads Vorbis with libsndfile.
    const size_t frames = c.kind == Kind::Vorbis ? framesReadBack(output)
                                                 : decoded->size() / static_cast<size_t>(c.channels);
    if (c.kind == Kind::Opus) {
        const uint64_t expected = (uint64_t(tone.frames()) * 48000 * 2 + c.rate) / (2 * uint64_t(c.rate));
        EXPECT_EQ(frames, expected);
        EXPECT_EQ(r.rate, 48000u);
    } else {
        EXPECT_EQ(frames, tone.frames());
        EXPECT_EQ(r.rate, uint32_t(c.rate));
    }
    EXPECT_EQ(r.frames, frames);
    if (c.kind == Kind::Flac) {
        EXPECT_TRUE(*decoded == tone.samples) << "FLAC must hold the WAV's samples";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EncodeTest,
                         ::testing::Values(EncodeCase{"FlacStereo", Kind::Flac, 44100, 2},
                                           EncodeCase{"FlacMono", Kind::Flac, 22050, 1},
                                           EncodeCase{"VorbisStereo", Kind::Vorbis, 44100, 2},
                                           EncodeCase{"VorbisMono", Kind::Vorbis, 32000, 1},
                                           EncodeCase{"OpusFrom44k", Kind::Opus, 44100, 2},
                                           EncodeCase{"OpusAt48k", Kind::Opus, 48000, 1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(EncodeFailures, NothingIsLeftUnderTheNameOfAFailedOrStoppedEncoding)
{
    TempDir dir;
    const std::string source = dir.file("in.wav");
    writeWav(source, makeTone(44100, 2, 2.0, 440.0));

    const encode::Result missing = encode::encodeWav(dir.file("none.wav"), dir.file("a.flac"), Kind::Flac, 128);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.why.empty());

    const encode::Result nowhere = encode::encodeWav(source, dir.file("no/such/folder/a.ogg"), Kind::Vorbis, 128);
    EXPECT_FALSE(nowhere.ok);
    EXPECT_FALSE(nowhere.why.empty());

    // An earlier file of the name stays as it was when the encoding is stopped.
    const std::string kept = dir.file("kept.opus");
    writeBytes(kept, {1, 2, 3});
    int calls = 0;
    const encode::Result stopped =
        encode::encodeWav(source, kept, Kind::Opus, 128, [&](uint64_t, uint64_t) { return ++calls < 2; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(readBytes(kept), (std::vector<uint8_t>{1, 2, 3}));
    size_t files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2u) << "a temporary file was left";
}

} // namespace
} // namespace trevisto::test
