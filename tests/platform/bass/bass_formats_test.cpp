// What each kind of source decodes to: format fields, exact lengths, sample values.

#include "bass_test_util.h"
#include "support/stopwatch.h"

#include <chrono>
#include <cmath>
#include <functional>

namespace trevisto::test {
namespace {

using Writer = std::function<void(const std::string &, const Pcm &)>;

struct LosslessCase {
    const char *name;
    const char *file;
    Writer write;
    DWORD ctype;
};

void PrintTo(const LosslessCase &c, std::ostream *os)
{
    *os << c.name;
}

class LosslessTest : public BassTest, public ::testing::WithParamInterface<LosslessCase> {};

// 16-bit sources come out exactly as they went in, with their own rate and channels.
TEST_P(LosslessTest, DeliversTheSamplesUnchanged)
{
    const LosslessCase &c = GetParam();
    for (const auto &[rate, channels] : {std::pair{44100, 2}, std::pair{22050, 1}}) {
        const Pcm tone = makeTone(rate, channels, 0.5, 1000.0);
        const std::string path = dir.file(c.file);
        c.write(path, tone);

        const HSTREAM h = openStream(path);
        ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
        const Decoded d = drain(h);
        EXPECT_EQ(d.info.freq, static_cast<DWORD>(rate));
        EXPECT_EQ(d.info.chans, static_cast<DWORD>(channels));
        EXPECT_EQ(d.info.flags & BASS_SAMPLE_8BITS, 0u);
        EXPECT_EQ(d.info.ctype, c.ctype);
        EXPECT_TRUE(d.bytes == tone.bytes()) << "decoded PCM differs from the source";
        BASS_ChannelFree(h);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LosslessTest,
    ::testing::Values(LosslessCase{"Wav", "a.wav", [](auto &p, auto &pcm) { writeWav(p, pcm); }, BASS_CTYPE_STREAM_WAV},
                      LosslessCase{"Aiff", "a.aiff", writeAiff, BASS_CTYPE_STREAM_AIFF},
                      LosslessCase{"Flac", "a.flac", writeFlac, BASS_CTYPE_STREAM_FLAC}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BassTest, WidensOtherWavSampleSizesTo16Bits)
{
    // 8-bit WAV is unsigned; 24-bit keeps its top 16 bits.
    const std::vector<uint8_t> eight = {0, 1, 127, 128, 129, 255};
    writeWav(dir.file("8.wav"), 8000, 1, 8, eight);
    const std::vector<int32_t> values = {-8388608, -65536, -257, -1, 0, 255, 256, 8388607};
    std::vector<uint8_t> wide;
    for (int32_t v : values)
        for (int b = 0; b < 3; ++b)
            wide.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
    writeWav(dir.file("24.wav"), 96000, 2, 24, wide);

    HSTREAM h = openStream(dir.file("8.wav"));
    ASSERT_NE(h, 0u);
    Decoded d = drain(h);
    EXPECT_EQ(d.info.flags & BASS_SAMPLE_8BITS, 0u);
    EXPECT_EQ(d.samples(), (std::vector<int16_t>{-32768, -32512, -256, 0, 256, 32512}));

    h = openStream(dir.file("24.wav"));
    ASSERT_NE(h, 0u);
    d = drain(h);
    EXPECT_EQ(d.info.freq, 96000u);
    EXPECT_EQ(d.info.chans, 2u);
    EXPECT_EQ(d.samples(), (std::vector<int16_t>{-32768, -256, -2, -1, 0, 0, 1, 32767}));
}

struct ToneCase {
    int rate;
    int channels;
};

void PrintTo(const ToneCase &c, std::ostream *os)
{
    *os << c.rate << " Hz, " << c.channels << " channel(s)";
}

class Mp3Test : public BassTest, public ::testing::WithParamInterface<ToneCase> {};

// The encoder's info tag lets the decoder drop the encoder delay and padding: the
// tone comes back at its original length and starts at once.
TEST_P(Mp3Test, DecodesGaplessToTheOriginalTone)
{
    const auto [rate, channels] = GetParam();
    const double seconds = 1.0;
    const double hz = 440.0;
    const Pcm tone = makeTone(rate, channels, seconds, hz, 0.5, M_PI / 2); // opens at full swing
    writeMp3(dir.file("tone.mp3"), tone, rate >= 32000 ? 128 : 64);

    const HSTREAM h = openStream(dir.file("tone.mp3"));
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_EQ(d.info.freq, static_cast<DWORD>(rate));
    EXPECT_EQ(d.info.chans, static_cast<DWORD>(channels));
    EXPECT_EQ(d.info.ctype, BASS_CTYPE_STREAM_MP3);
    EXPECT_EQ(d.frames(), tone.frames());

    const std::vector<int16_t> s = d.samples();
    EXPECT_GT(peak(s, channels, 0, 8), 8000) << "leading silence: encoder delay not removed";
    EXPECT_NEAR(static_cast<double>(zeroCrossings(s, channels)), 2 * hz * seconds, 10.0);
}

INSTANTIATE_TEST_SUITE_P(Rates, Mp3Test, ::testing::Values(ToneCase{44100, 2}, ToneCase{48000, 1}, ToneCase{22050, 2}),
                         [](const auto &info) {
                             return std::to_string(info.param.rate) + "Hz" + std::to_string(info.param.channels) + "ch";
                         });

TEST_F(BassTest, DecodesOggVorbisAtItsExactLength)
{
    const Pcm tone = makeTone(48000, 2, 1.0, 440.0);
    writeOgg(dir.file("tone.ogg"), tone);

    const HSTREAM h = openStream(dir.file("tone.ogg"));
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_EQ(d.info.freq, 48000u);
    EXPECT_EQ(d.info.chans, 2u);
    EXPECT_EQ(d.info.ctype, BASS_CTYPE_STREAM_OGG);
    EXPECT_EQ(d.frames(), tone.frames());
    EXPECT_NEAR(static_cast<double>(zeroCrossings(d.samples(), 2)), 880.0, 10.0);
}

TEST_F(BassTest, RendersABuiltModuleThroughMusicLoadOnly)
{
    writeBytes(dir.file("song.mod"), buildMod(shortModSong()));

    EXPECT_EQ(openStream(dir.file("song.mod")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);

    const HMUSIC h = openMusic(dir.file("song.mod"));
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_EQ(d.info.freq, 44100u);
    EXPECT_EQ(d.info.chans, 2u);
    EXPECT_EQ(d.info.ctype, BASS_CTYPE_MUSIC_MOD);
    // 16 rows at 6 ticks of 20 ms, plus a short fade after the song's end.
    EXPECT_GE(d.frames(), static_cast<size_t>(1.92 * 44100));
    EXPECT_LE(d.frames(), static_cast<size_t>(2.5 * 44100));
    EXPECT_GT(peak(d.samples(), 2, 0, d.frames()), 1000);

    // A rate given to the load call overrides the one from BASS_Init.
    const HMUSIC slow = BASS_MusicLoad(0, dir.file("song.mod").c_str(), 0, 0, kMusicFlags, 22050);
    ASSERT_NE(slow, 0u);
    DWORD freq = 0;
    EXPECT_TRUE(BASS_ChannelGetAttributes(slow, &freq, nullptr, nullptr));
    EXPECT_EQ(freq, 22050u);
    EXPECT_NEAR(drain(slow).frames(), d.frames() / 2.0, 0.06 * 22050);
}

// A module's length comes from rendering it, which for a song of hours takes far longer
// than a window may wait, and for a looping one never ends.
TEST_F(BassTest, MusicLoadTakesAboutASecondAtMostAndRefusesEndlessSongs)
{
    // A pattern loop on the last row that, replayed over 127 orders, never comes to an
    // end: libopenmpt's duration estimate for it is infinite.
    ModSong endless = shortModSong();
    endless.rows = 64;
    endless.orders = 127;
    endless.notes.push_back({63, 3, 0, 0xE, 0x6F});

    const struct {
        const char *name;
        ModSong song;
        double seconds; // 0: refused
    } cases[] = {
        {"endless", endless, 0},
        {"five and a half hours", slowModSong(127), 0},
        {"just under four hours", slowModSong(90), 90 * 155.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(std::string(c.name) + ".mod");
        writeBytes(path, buildMod(c.song));
        const Stopwatch watch;
        const HMUSIC h = openMusic(path);
        EXPECT_TRUE(watch.within(std::chrono::milliseconds(1500))) << watch.cpu().count() / 1000000 << " ms";
        if (c.seconds == 0) {
            EXPECT_EQ(h, 0u);
            EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
            continue;
        }
        ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
        EXPECT_NEAR(BASS_ChannelGetLength(h) / 4 / 44100.0, c.seconds, 1.0);
        std::vector<int16_t> start16(kBlock / 2);
        ASSERT_EQ(BASS_ChannelGetData(h, start16.data(), kBlock), kBlock);
        EXPECT_GT(peak(start16, 2, 0, kBlock / 4), 1000) << "the song's first notes are missing";
    }
}

// Rewinding and seeking replay exactly what the first pass delivered.
class RepositionTest : public BassTest, public ::testing::WithParamInterface<const char *> {
protected:
    HSTREAM open(const std::string &kind)
    {
        const Pcm tone = makeTone(44100, 2, 1.0, 330.0);
        const std::string path = dir.file("clip." + kind);
        if (kind == "mp3")
            writeMp3(path, tone);
        else if (kind == "ogg")
            writeOgg(path, tone);
        else if (kind == "flac")
            writeFlac(path, tone);
        else if (kind == "mod")
            writeBytes(path, buildMod(shortModSong()));
        return kind == "mod" ? openMusic(path) : openStream(path);
    }
};

TEST_P(RepositionTest, ReplaysTheSameBytes)
{
    const HSTREAM h = open(GetParam());
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded first = drain(h);

    ASSERT_TRUE(BASS_ChannelSetPosition(h, 0));
    EXPECT_EQ(BASS_ChannelGetPosition(h), 0u);
    EXPECT_EQ(BASS_ChannelIsActive(h), BASS_ACTIVE_PLAYING);
    EXPECT_TRUE(drain(h).bytes == first.bytes);

    // Into the middle, off a frame boundary: rounded down to the frame.
    const DWORD middle = first.reported / 3 * 2 / 4 * 4;
    ASSERT_TRUE(BASS_ChannelSetPosition(h, middle + 3));
    EXPECT_EQ(BASS_ChannelGetPosition(h), middle);
    const std::vector<uint8_t> tail = drain(h).bytes;
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), first.bytes.begin() + middle, first.bytes.end()));

    EXPECT_TRUE(BASS_ChannelSetPosition(h, first.reported)); // the end itself is a position
    EXPECT_EQ(BASS_ChannelIsActive(h), BASS_ACTIVE_STOPPED);
    EXPECT_FALSE(BASS_ChannelSetPosition(h, first.reported + 4));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RepositionTest, ::testing::Values("mp3", "ogg", "flac", "mod"));

// Damaged MPEG 2.5 streams whose later headers claim another MPEG version: after a pass
// to the end, libmpg123 put a rewind 384 frames in while reporting that, or landed at the
// start and still decoded another sound there, from what it had decoded before.
TEST_F(BassTest, ADamagedMpegStreamRewindsToItsOwnStart)
{
    for (const char *name :
         {"mpeg25-info-seek-lands-elsewhere.mp3", "mpeg25-rewind-other-sound.mp3", "mpeg25-rewind-rounding.mp3"}) {
        SCOPED_TRACE(name);
        const HSTREAM h = openStream(std::string(TREVISTO_BASS_SEEDS "/") + name);
        ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
        const Decoded first = drain(h);
        ASSERT_GT(first.bytes.size(), 0u);

        // Into the middle and on to the end first, as a player that seeks does.
        const DWORD middle = first.reported / 2 / 4 * 4;
        ASSERT_TRUE(BASS_ChannelSetPosition(h, middle));
        EXPECT_EQ(drain(h).bytes.size(), first.reported - middle);

        ASSERT_TRUE(BASS_ChannelSetPosition(h, 0));
        EXPECT_EQ(BASS_ChannelGetPosition(h), 0u);
        EXPECT_TRUE(drain(h).bytes == first.bytes) << "the rewound channel replays its start exactly";
        BASS_ChannelFree(h);
    }
}

// A file cut off mid-stream is not damaged beyond use: its whole frames decode, and
// the length promised up front is what arrives.
class TruncatedTest : public BassTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(TruncatedTest, DeliversItsWholeFramesAtTheReportedLength)
{
    const std::string kind = GetParam();
    // Noise keeps the lossy encoders busy, so the cut lands among many pages.
    Pcm pcm = makeTone(44100, 2, 2.0, 440.0, 0.4);
    uint32_t x = 1;
    for (int16_t &s : pcm.samples) {
        x = x * 1103515245u + 12345u;
        s = static_cast<int16_t>(s + static_cast<int>((x >> 16) % 2001) - 1000);
    }
    const std::string path = dir.file("cut." + kind);
    if (kind == "mp3")
        writeMp3(path, pcm);
    else if (kind == "ogg")
        writeOgg(path, pcm);
    else if (kind == "flac")
        writeFlac(path, pcm);
    else
        writeWav(path, pcm);
    const uint64_t fullSize = readBytes(path).size();
    truncateFile(path, fullSize * 6 / 10 + 37);

    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_GT(d.frames(), pcm.frames() * 35 / 100); // less the headers and the cut page
    EXPECT_LT(d.frames(), pcm.frames() * 70 / 100);
    // The end is real audio, not silence added to reach a promised length.
    EXPECT_GT(peak(d.samples(), 2, d.frames() - 64, 64), 2000);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TruncatedTest, ::testing::Values("mp3", "ogg", "flac", "wav"));

// A file cut short by someone else while its channel is being read: the missing
// part is a failure, not silence.
class ShrunkSourceTest : public BassTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(ShrunkSourceTest, FailsTheReadAndStopsTheChannel)
{
    const std::string kind = GetParam();
    const std::string path = dir.file("shrinking." + kind);
    const Pcm tone = makeTone(44100, 2, 10.0, 440.0);
    if (kind == "mp3")
        writeMp3(path, tone);
    else
        writeWav(path, tone);

    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    std::vector<uint8_t> block(kBlock);
    ASSERT_EQ(BASS_ChannelGetData(h, block.data(), kBlock), kBlock);
    truncateFile(path, readBytes(path).size() / 4);

    uint64_t delivered = kBlock;
    DWORD n = 0;
    while (BASS_ChannelIsActive(h) && (n = BASS_ChannelGetData(h, block.data(), kBlock)) != kFailed)
        delivered += n;
    EXPECT_EQ(n, kFailed);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN);
    EXPECT_EQ(BASS_ChannelIsActive(h), BASS_ACTIVE_STOPPED);
    EXPECT_LT(delivered, BASS_ChannelGetLength(h) / 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShrunkSourceTest, ::testing::Values("wav", "mp3"));

TEST_F(BassTest, LengthsPast32BitsComeWholeThroughThe64BitCalls)
{
    // 8-bit mono data just under 4 GiB widens to almost 8 GiB of 16-bit output. The
    // file is sparse, so it costs no disk space.
    const uint32_t dataBytes = 0xFFFFFFF0u;
    const std::string path = dir.file("huge.wav");
    writeBytes(path, wavHeader(8000, 1, 8, dataBytes));
    truncateFile(path, 44 + static_cast<uint64_t>(dataBytes));

    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const QWORD length = BASS_ChannelGetLength64(h);
    EXPECT_EQ(length, 2 * QWORD(dataBytes));
    // The 32-bit calls cannot tell it: they fail rather than give a shorter sound.
    EXPECT_EQ(BASS_ChannelGetLength(h), kFailed);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_NOTAVAIL);

    // Before the 32-bit line both kinds of call agree; past it only the 64-bit ones work.
    ASSERT_TRUE(BASS_ChannelSetPosition(h, 0xFFFFFF00u));
    EXPECT_EQ(BASS_ChannelGetPosition(h), 0xFFFFFF00u);
    EXPECT_EQ(BASS_ChannelGetPosition64(h), 0xFFFFFF00u);
    ASSERT_TRUE(BASS_ChannelSetPosition64(h, length - 6001));
    EXPECT_EQ(BASS_ChannelGetPosition(h), kFailed);
    EXPECT_EQ(BASS_ChannelGetPosition64(h), length - 6002) << "a whole frame";
    std::vector<uint8_t> block(kBlock);
    QWORD delivered = 0;
    DWORD n = 0;
    while ((n = BASS_ChannelGetData(h, block.data(), kBlock)) != 0 && n != kFailed)
        delivered += n;
    EXPECT_EQ(delivered, 6002u);
    EXPECT_EQ(BASS_ChannelGetPosition64(h), length);
    EXPECT_FALSE(BASS_ChannelSetPosition64(h, length + 2)) << "past the end";
}

} // namespace
} // namespace trevisto::test
