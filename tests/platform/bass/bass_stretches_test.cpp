// A long MPEG layer III stream read from its start decodes in stretches on several threads;
// what arrives must be, byte for byte, what a decode on one thread delivers.

#include "bass_test_util.h"

#include <dirent.h>

#include <algorithm>
#include <functional>

namespace trevisto::test {
namespace {

// The threads this process runs now.
int threadCount()
{
    int n = 0;
    if (DIR *d = opendir("/proc/self/task")) {
        while (const dirent *e = readdir(d))
            n += e->d_name[0] != '.';
        closedir(d);
    }
    return n;
}

struct Decoding {
    Decoded decoded;
    int extraThreads = 0; // threads beyond the test's own after the first read
};

class StretchTest : public BassTest {
protected:
    void TearDown() override
    {
        BASS_SetConfig(BASS_CONFIG_DECODE_THREADS, 0);
        BASS_SetConfig(BASS_CONFIG_DECODE_STRETCH, 1 << 20);
        BassTest::TearDown();
    }

    // Decodes `path` whole with `threads` threads and stretches of `stretch` frames. The
    // first block is read, then the channel rewound and read whole: the rewind drops the
    // stretches under way, and a read from the start takes them up again.
    static Decoding decode(const std::string &path, DWORD threads, DWORD stretch)
    {
        EXPECT_TRUE(BASS_SetConfig(BASS_CONFIG_DECODE_THREADS, threads));
        EXPECT_TRUE(BASS_SetConfig(BASS_CONFIG_DECODE_STRETCH, stretch));
        Decoding run;
        const int before = threadCount();
        const HSTREAM h = BASS_StreamCreateFile(0, path.c_str(), 0, 0, kDecode);
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        if (!h)
            return run;
        std::vector<uint8_t> first(kBlock);
        const DWORD n = BASS_ChannelGetData(h, first.data(), kBlock);
        run.extraThreads = threadCount() - before;
        EXPECT_TRUE(BASS_ChannelSetPosition(h, 0));
        run.decoded = drain(h);
        EXPECT_TRUE(n != kFailed && std::equal(first.begin(), first.begin() + n, run.decoded.bytes.begin()));
        BASS_ChannelFree(h);
        return run;
    }
};

// Where two decodings part, for a message that says more than "differ".
std::string firstDifference(const Decoded &a, const Decoded &b)
{
    const auto x = a.samples(), y = b.samples();
    if (x.size() != y.size())
        return "lengths " + std::to_string(x.size()) + " and " + std::to_string(y.size());
    for (size_t i = 0; i < x.size(); ++i)
        if (x[i] != y[i])
            return "sample " + std::to_string(i) + ": " + std::to_string(x[i]) + " against " + std::to_string(y[i]);
    return "none";
}

TEST_F(StretchTest, EveryMpegVersionAndModeDecodesInStretchesAsOnOneThread)
{
    const struct {
        const char *name;
        int rate, channels;
        Mp3Options options;
        bool threads = true; // false: the stream is left to one thread, and still the same
    } cases[] = {
        {"MPEG-1 joint stereo CBR", 44100, 2, {128, -1, false}},
        {"MPEG-1 stereo CBR at its lowest bitrate", 32000, 2, {32, -1, false, false, false}},
        {"MPEG-1 mono VBR", 48000, 1, {128, 2, false}},
        {"MPEG-1 joint stereo VBR with CRC", 44100, 2, {128, 5, true}, false},
        {"MPEG-1 stereo without an info frame", 44100, 2, {96, -1, false, false, false}},
        {"MPEG-2 joint stereo CBR", 22050, 2, {64, -1, false}},
        {"MPEG-2 stereo VBR", 24000, 2, {64, 4, false, false}},
        {"MPEG-2 joint stereo at 8 kbit/s, its smallest frames", 24000, 2, {8, -1, false, true, false}},
        {"MPEG-2 stereo without an info frame", 16000, 2, {32, -1, false, false, false}},
        {"MPEG-2.5 joint stereo CBR", 8000, 2, {24, -1, false}},
        {"MPEG-2.5 stereo VBR", 11025, 2, {32, 6, false, false}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("long.mp3");
        try {
            writeMp3(path, makeBusySound(c.rate, c.channels, 6.0, 7), c.options);
        } catch (const std::exception &e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        const Decoding whole = decode(path, 1, 1 << 20);
        // Stretches of an odd size, so their edges fall inside MPEG frames, and of many
        // frames, so that they start past the first step of frames.
        const Decoding odd = decode(path, 3, 4999);
        const Decoding wide = decode(path, 2, 60000);
        ASSERT_GT(whole.decoded.bytes.size(), 0u);
        EXPECT_EQ(whole.extraThreads, 0);
        EXPECT_EQ(odd.extraThreads, c.threads ? 3 : 0) << "the stretches run on threads of their own";
        EXPECT_EQ(odd.decoded.reported, whole.decoded.reported);
        EXPECT_TRUE(odd.decoded.bytes == whole.decoded.bytes) << firstDifference(whole.decoded, odd.decoded);
        EXPECT_TRUE(wide.decoded.bytes == whole.decoded.bytes) << firstDifference(whole.decoded, wide.decoded);
    }
}

TEST_F(StretchTest, DamagedOrShortStreamsDecodeOnOneThread)
{
    const std::string good = dir.file("good.mp3");
    writeMp3(good, makeBusySound(44100, 2, 4.0, 11), Mp3Options{});
    const std::vector<uint8_t> bytes = readBytes(good);
    const std::string mono2 = dir.file("mono2.mp3"), mono25 = dir.file("mono25.mp3");
    writeMp3(mono2, makeBusySound(24000, 1, 3.0, 2), Mp3Options{64, 4});
    writeMp3(mono25, makeBusySound(8000, 1, 3.0, 2), Mp3Options{24});
    const auto variant = [&](const char *name, const std::function<void(std::vector<uint8_t> &)> &change) {
        std::vector<uint8_t> b = bytes;
        change(b);
        const std::string path = dir.file(name);
        writeBytes(path, b);
        return path;
    };
    // The first frame header at or after `from`, stepping from frame to frame (44.1 kHz,
    // 128 kbit/s: 417 bytes, and one more with the padding bit).
    const auto headerAfter = [](const std::vector<uint8_t> &b, size_t from) {
        size_t at = 0;
        while (at < from && at + 2 < b.size())
            at += 417 + ((b[at + 2] >> 1) & 1);
        return at;
    };
    const struct {
        std::string path;
        DWORD stretch;
    } cases[] = {
        // Junk in the middle, where a frame header should be.
        {variant("junk.mp3", [](std::vector<uint8_t> &b) { std::fill_n(b.begin() + b.size() / 2, 700, uint8_t(0x55)); }),
         4999},
        // A frame header in the middle claims another MPEG version.
        {variant("version.mp3", [&](std::vector<uint8_t> &b) { b[headerAfter(b, b.size() / 3) + 1] ^= 0x08; }), 4999},
        // A free-format header: its frames have no length a walk could step by.
        {variant("free.mp3", [&](std::vector<uint8_t> &b) { b[headerAfter(b, b.size() / 2) + 2] &= 0x0F; }), 4999},
        // Shorter than two stretches.
        {good, 1 << 20},
        // Single-channel MPEG-2 and 2.5.
        {mono2, 4999},
        {mono25, 4999},
        {std::string(TREVISTO_BASS_SEEDS "/mpeg25-rewind-other-sound.mp3"), 100},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        const Decoding whole = decode(c.path, 1, c.stretch);
        const Decoding stretched = decode(c.path, 3, c.stretch);
        EXPECT_EQ(stretched.extraThreads, 0);
        EXPECT_TRUE(stretched.decoded.bytes == whole.decoded.bytes) << firstDifference(whole.decoded, stretched.decoded);
    }
}

TEST_F(StretchTest, ACutShortStreamKeepsItsLengthAndSound)
{
    // The last frame ends past the file's end: the walk takes it, the decoder may not.
    const std::string good = dir.file("good.mp3");
    writeMp3(good, makeBusySound(22050, 2, 4.0, 5), Mp3Options{64, -1, false});
    std::vector<uint8_t> bytes = readBytes(good);
    bytes.resize(bytes.size() - 40);
    const std::string cut = dir.file("cut.mp3");
    writeBytes(cut, bytes);
    const Decoding whole = decode(cut, 1, 1 << 20);
    const Decoding stretched = decode(cut, 2, 7001);
    EXPECT_EQ(stretched.decoded.reported, whole.decoded.reported);
    EXPECT_TRUE(stretched.decoded.bytes == whole.decoded.bytes) << firstDifference(whole.decoded, stretched.decoded);
}

TEST_F(StretchTest, FreeingAChannelStopsItsStretches)
{
    const std::string path = dir.file("long.mp3");
    writeMp3(path, makeBusySound(44100, 2, 8.0, 3), Mp3Options{});
    ASSERT_TRUE(BASS_SetConfig(BASS_CONFIG_DECODE_THREADS, 4));
    ASSERT_TRUE(BASS_SetConfig(BASS_CONFIG_DECODE_STRETCH, 3000));
    const int before = threadCount();
    for (int i = 0; i < 5; ++i) {
        const HSTREAM h = openStream(path);
        ASSERT_NE(h, 0u);
        std::vector<uint8_t> block(kBlock);
        EXPECT_EQ(BASS_ChannelGetData(h, block.data(), kBlock), kBlock);
        EXPECT_TRUE(BASS_ChannelFree(h));
    }
    EXPECT_EQ(threadCount(), before) << "no worker outlives its channel";
    EXPECT_FALSE(BASS_SetConfig(BASS_CONFIG_DECODE_STRETCH, 0)) << "a stretch of no frames";
}

} // namespace
} // namespace trevisto::test
