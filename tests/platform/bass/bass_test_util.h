#pragma once
// Shared pieces of the decoding library's tests.

#include "platform/bass/bass.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace trevisto::test {

constexpr DWORD kDecode = BASS_STREAM_DECODE;
constexpr DWORD kUrlFlags = BASS_STREAM_DECODE | BASS_STREAM_BLOCK;
constexpr DWORD kMusicFlags = BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP;
constexpr DWORD kBlock = 20000; // the program's read size
constexpr DWORD kFailed = static_cast<DWORD>(-1);

// Every test starts with the library initialised as the program does it, and a
// folder for its files.
class BassTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr)) << BASS_ErrorGetCode(); }
    void TearDown() override { BASS_Free(); }

    HSTREAM openStream(const std::string &path) { return BASS_StreamCreateFile(0, path.c_str(), 0, 0, kDecode); }
    HMUSIC openMusic(const std::string &path) { return BASS_MusicLoad(0, path.c_str(), 0, 0, kMusicFlags, 0); }
    // Every sample the library decodes from `path`; none, after a failure, when it opens none.
    std::vector<int16_t> decodeSamples(const std::string &path);

    TempDir dir;
};

struct Decoded {
    DWORD reported = 0;
    BASS_CHANNELINFO info{};
    std::vector<uint8_t> bytes;

    std::vector<int16_t> samples() const
    {
        std::vector<int16_t> s(bytes.size() / 2);
        std::memcpy(s.data(), bytes.data(), s.size() * 2);
        return s;
    }
    size_t frames() const { return info.chans ? bytes.size() / (2 * info.chans) : 0; }
};

// Pulls a channel dry the way the program does, checking on the way what the
// program relies on: whole frames per read, a position that follows the data, an
// active channel until exactly the reported length has arrived.
inline Decoded drain(DWORD handle)
{
    Decoded d;
    EXPECT_TRUE(BASS_ChannelGetInfo(handle, &d.info));
    d.reported = BASS_ChannelGetLength(handle);
    const DWORD start = BASS_ChannelGetPosition(handle);
    const DWORD expected = d.reported - start;
    const DWORD frameBytes = d.info.chans * 2;
    std::vector<uint8_t> block(kBlock);
    while (BASS_ChannelIsActive(handle) != BASS_ACTIVE_STOPPED) {
        const DWORD n = BASS_ChannelGetData(handle, block.data(), kBlock);
        if (n == kFailed || n == 0) {
            ADD_FAILURE() << "read gave " << n << " while active, error " << BASS_ErrorGetCode();
            break;
        }
        EXPECT_EQ(n % frameBytes, 0u);
        d.bytes.insert(d.bytes.end(), block.begin(), block.begin() + n);
        EXPECT_EQ(BASS_ChannelGetPosition(handle), start + d.bytes.size());
        if (d.bytes.size() > expected) {
            ADD_FAILURE() << "delivered past the reported length " << d.reported;
            break;
        }
    }
    EXPECT_EQ(d.bytes.size(), expected);
    EXPECT_EQ(BASS_ChannelGetData(handle, block.data(), kBlock), 0u) << "a read after the end";
    EXPECT_EQ(BASS_ChannelIsActive(handle), BASS_ACTIVE_STOPPED);
    return d;
}

inline std::vector<int16_t> BassTest::decodeSamples(const std::string &path)
{
    const HSTREAM h = openStream(path);
    EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
    if (!h)
        return {};
    const Decoded d = drain(h);
    BASS_ChannelFree(h);
    return d.samples();
}

// Sign changes of the first channel.
inline size_t zeroCrossings(const std::vector<int16_t> &samples, int channels)
{
    size_t count = 0;
    for (size_t i = static_cast<size_t>(channels); i < samples.size(); i += static_cast<size_t>(channels))
        count += (samples[i - static_cast<size_t>(channels)] < 0) != (samples[i] < 0);
    return count;
}

// Largest magnitude among `count` frames starting at frame `first` (all channels).
inline int peak(const std::vector<int16_t> &samples, int channels, size_t first, size_t count)
{
    int p = 0;
    for (size_t i = first * channels; i < (first + count) * channels && i < samples.size(); ++i)
        p = std::max(p, std::abs(static_cast<int>(samples[i])));
    return p;
}

} // namespace trevisto::test
