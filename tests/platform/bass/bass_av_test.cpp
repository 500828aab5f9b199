// The formats beyond MP3, WAV, AIFF, FLAC, Vorbis and modules: each file is made by the
// `ffmpeg` command, and what the library decodes is held against the command's own
// decode, length and samples alike. Also what the decoder refuses, and that a file
// naming other files or addresses makes nothing else be read.

#include "bass_test_util.h"
#include "platform/bass/ffmpeg_demux.h"
#include "support/ffmpeg_tool.h"

#include <cstdlib>
#include <filesystem>

namespace trevisto::test {
namespace {

// Sources for the files: a tone with a sweep, so that a shift by a sample shows.
const std::vector<std::string> kStereo = {"-f", "lavfi", "-i",
                                          "aevalsrc=0.4*sin(2*PI*440*t)|0.3*sin(2*PI*(300+200*t)*t):s=44100:d=1.37"};
const std::vector<std::string> kMono48 = {"-f", "lavfi", "-i", "aevalsrc=0.5*sin(2*PI*523*t):s=48000:d=0.91"};
const std::vector<std::string> kSix = {
    "-f", "lavfi", "-i",
    "aevalsrc=0.3*sin(2*PI*200*t)|0.3*sin(2*PI*300*t)|0.3*sin(2*PI*400*t)|0.2*sin(2*PI*80*t)|0.3*sin(2*PI*500*t)|"
    "0.3*sin(2*PI*600*t):s=48000:d=1.1:c=5.1"};
const std::vector<std::string> kVideo = {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:d=1.37"};

struct AvCase {
    const char *name;
    const char *file;
    std::vector<std::string> source;
    std::vector<std::string> encode;
    bool lossless;
    uint32_t sourceChannels;
};

void PrintTo(const AvCase &c, std::ostream *os)
{
    *os << c.name;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class AvFormatTest : public BassTest, public ::testing::WithParamInterface<AvCase> {
protected:
    void SetUp() override
    {
        if (!haveFfmpeg())
            GTEST_SKIP() << "the ffmpeg command is not installed";
        BassTest::SetUp();
    }
};

// The length is known before the first read, equals the command's, and the samples are
// the command's: exactly for lossless codecs, within one step for lossy ones.
TEST_P(AvFormatTest, DecodesAsTheCommandDoes)
{
    const AvCase &c = GetParam();
    const std::string path = dir.file(c.file);
    ASSERT_TRUE(runFfmpeg(c.source + c.encode + std::vector<std::string>{path})) << "ffmpeg could not make " << c.file;
    const auto expected = ffmpegDecode(path, static_cast<int>(std::min<uint32_t>(c.sourceChannels, 2)));
    ASSERT_TRUE(expected.has_value());

    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    char found[64] = {};
    DWORD sourceChannels = 0;
    DWORD flags = 0;
    ASSERT_TRUE(BASS_ChannelGetDetail(h, found, sizeof found, &sourceChannels, &flags));
    EXPECT_EQ(sourceChannels, c.sourceChannels);
    EXPECT_EQ(flags, c.sourceChannels > 2 ? BASS_DETAIL_MIXED_DOWN : 0u);
    EXPECT_NE(std::string(found).find(" / "), std::string::npos) << found;

    const Decoded d = drain(h);
    EXPECT_EQ(d.info.ctype, BASS_CTYPE_STREAM_AV);
    EXPECT_EQ(d.info.chans, std::min<uint32_t>(c.sourceChannels, 2));
    const std::vector<int16_t> got = d.samples();
    ASSERT_EQ(got.size(), expected->size()) << "frames: " << d.frames() << " against "
                                            << expected->size() / d.info.chans << " (" << found << ")";
    size_t off = 0;
    int worst = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        const int diff = std::abs(int(got[i]) - int((*expected)[i]));
        worst = std::max(worst, diff);
        off += diff != 0;
    }
    EXPECT_LE(worst, c.lossless ? 0 : 1) << off << " samples differ";
    BASS_ChannelFree(h);
}

// A move back to the start, or into the middle, lands where a read from the start does.
TEST_P(AvFormatTest, SeeksToWhereAReadFromTheStartIs)
{
    const AvCase &c = GetParam();
    const std::string path = dir.file(c.file);
    ASSERT_TRUE(runFfmpeg(c.source + c.encode + std::vector<std::string>{path}));
    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded whole = drain(h);
    const DWORD frameBytes = whole.info.chans * 2;
    const DWORD middle = (whole.reported / 2) / frameBytes * frameBytes;
    ASSERT_TRUE(BASS_ChannelSetPosition(h, middle));
    const Decoded rest = drain(h);
    ASSERT_EQ(rest.bytes.size(), whole.bytes.size() - middle);
    EXPECT_TRUE(std::equal(rest.bytes.begin(), rest.bytes.end(), whole.bytes.begin() + middle));
    BASS_ChannelFree(h);
}

// A file cut short is refused with a reason, or delivers exactly the length it reported.
TEST_P(AvFormatTest, ACutShortFileIsRefusedOrKeepsItsWord)
{
    const AvCase &c = GetParam();
    const std::string path = dir.file(c.file);
    ASSERT_TRUE(runFfmpeg(c.source + c.encode + std::vector<std::string>{path}));
    const uint64_t size = std::filesystem::file_size(path);

    const std::string cut = dir.file(std::string("cut-") + c.file);
    std::filesystem::copy_file(path, cut);
    truncateFile(cut, size * 3 / 5);
    const HSTREAM h = openStream(cut);
    if (h == 0) {
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
        EXPECT_NE(BASS_ErrorGetDetail(nullptr, 0), BASS_REASON_NONE);
    } else {
        drain(h);
        BASS_ChannelFree(h);
    }
}

const std::vector<std::string> kAac = {"-c:a", "aac", "-b:a", "128k"};

INSTANTIATE_TEST_SUITE_P(
    Formats, AvFormatTest,
    ::testing::Values(AvCase{"M4aAac", "a.m4a", kStereo, kAac, false, 2},
                      AvCase{"M4aAlac", "b.m4a", kStereo, {"-c:a", "alac"}, true, 2},
                      AvCase{"OggOpus", "a.opus", kStereo, {"-c:a", "libopus", "-b:a", "96k"}, false, 2},
                      AvCase{"WebmOpus", "a.webm", kMono48, {"-c:a", "libopus"}, false, 1},
                      AvCase{"MkaOpus", "a.mka", kStereo, {"-c:a", "libopus"}, false, 2},
                      AvCase{"WmaV2", "a.wma", kStereo, {"-c:a", "wmav2"}, false, 2},
                      AvCase{"WmaV1", "b.wma", kMono48, {"-c:a", "wmav1"}, false, 1},
                      AvCase{"Ac3FivePointOne", "a.ac3", kSix, {"-c:a", "ac3"}, false, 6},
                      AvCase{"Eac3", "a.eac3", kStereo, {"-c:a", "eac3"}, false, 2},
                      AvCase{"WavPack", "a.wv", kStereo, {"-c:a", "wavpack"}, true, 2},
                      AvCase{"Tta", "a.tta", kStereo, {}, true, 2},
                      AvCase{"Adts", "a.aac", kMono48, kAac, false, 1},
                      AvCase{"ThreeGp", "a.3gp", kMono48, {"-c:a", "aac", "-b:a", "32k"}, false, 1},
                      AvCase{"Mp4Video", "v.mp4", kVideo + kStereo, std::vector<std::string>{"-c:v", "mpeg4"} + kAac,
                             false, 2},
                      AvCase{"MkvVideo", "v.mkv", kVideo + kSix, {"-c:v", "mpeg4", "-c:a", "ac3"}, false, 6},
                      AvCase{"WebmVideo", "v.webm", kVideo + kStereo, {"-c:v", "libvpx", "-c:a", "libopus"}, false, 2},
                      AvCase{"MovVideo", "v.mov", kVideo + kStereo, {"-c:v", "mpeg4", "-c:a", "alac"}, true, 2},
                      AvCase{"AviVideo", "v.avi", kVideo + kStereo, {"-c:v", "mpeg4", "-c:a", "ac3"}, false, 2},
                      AvCase{"FlvVideo", "v.flv", kVideo + kStereo, std::vector<std::string>{"-c:v", "flv"} + kAac,
                             false, 2},
                      AvCase{"MpegTsVideo", "v.ts", kVideo + kStereo, {"-c:v", "mpeg2video", "-c:a", "ac3"}, false, 2}),
    [](const auto &info) { return std::string(info.param.name); });

class AvRefusalTest : public BassTest {
protected:
    void SetUp() override
    {
        if (!haveFfmpeg())
            GTEST_SKIP() << "the ffmpeg command is not installed";
        BassTest::SetUp();
    }

    // Opens `path`, expecting a refusal; returns its reason and what was found.
    std::pair<DWORD, std::string> refusal(const std::string &path)
    {
        EXPECT_EQ(openStream(path), 0u);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
        char found[64] = {};
        const DWORD reason = BASS_ErrorGetDetail(found, sizeof found);
        return {reason, found};
    }
};

TEST_F(AvRefusalTest, AVideoWithoutSoundIsRefusedAsSuch)
{
    const std::string path = dir.file("mute.mp4");
    ASSERT_TRUE(runFfmpeg(kVideo + std::vector<std::string>{"-c:v", "mpeg4", path}));
    const auto [reason, found] = refusal(path);
    EXPECT_EQ(reason, BASS_REASON_NO_AUDIO);
    EXPECT_EQ(found, "mov");
}

TEST_F(AvRefusalTest, TextIsNotASoundFile)
{
    const std::string path = dir.file("notes.m4a");
    writeBytes(path, std::vector<uint8_t>(3000, 'x'));
    const auto [reason, found] = refusal(path);
    EXPECT_EQ(reason, BASS_REASON_NOT_SOUND);
}

// A playlist and a concatenation list naming a local file and an address are refused
// as lists, and no demuxer got as far as trying to open what they name.
TEST_F(AvRefusalTest, ListsOfOtherFilesAreRefusedUnread)
{
    const uint64_t before = bass::refusedNestedOpens();
    const std::string m3u8 = dir.file("list.m3u8");
    const std::string text = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:10\n#EXT-X-MEDIA-SEQUENCE:0\n"
                             "#EXTINF:10.0,\n/etc/passwd\n#EXTINF:10.0,\nhttp://192.0.2.1/a.ts\n#EXT-X-ENDLIST\n";
    writeBytes(m3u8, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string concat = dir.file("list.ffconcat");
    const std::string list = "ffconcat version 1.0\nfile /etc/passwd\nfile http://192.0.2.1/a.wav\n";
    writeBytes(concat, std::vector<uint8_t>(list.begin(), list.end()));

    for (const std::string &path : {m3u8, concat}) {
        const auto [reason, found] = refusal(path);
        EXPECT_EQ(reason, BASS_REASON_REFERS_OUT) << path << " found as " << found;
    }
    EXPECT_EQ(bass::refusedNestedOpens(), before) << "a demuxer tried to open another file";
}

TEST(AvDemuxerList, TakesSoundContainersAndNoListOfOtherFiles)
{
    struct Row {
        const char *name;
        bool taken;
    };
    for (const Row &row : {Row{"mov,mp4,m4a,3gp,3g2,mj2", true}, Row{"matroska,webm", true}, Row{"ogg", true},
                           Row{"mpegts", true}, Row{"hls", false}, Row{"concat", false}, Row{"dash", false},
                           Row{"libopenmpt", false}, Row{"image2", false}, Row{"mov,hls", false}, Row{"", false},
                           Row{"wav", false}, Row{"mp3", false}}) {
        EXPECT_EQ(bass::isAcceptedDemuxer(row.name), row.taken) << row.name;
    }
    EXPECT_FALSE(bass::isAcceptedDemuxer(nullptr));
}

} // namespace
} // namespace trevisto::test
