// The library's life cycle, handles and error codes, as seen through the C interface.

#include "bass_test_util.h"

#include <dlfcn.h>

#include <thread>

namespace trevisto::test {
namespace {

class LifecycleTest : public ::testing::Test {
protected:
    void TearDown() override { BASS_Free(); }
    TempDir dir;
};

TEST_F(LifecycleTest, InitialisesOnceForTheNoOutputDevices)
{
    EXPECT_EQ(BASS_GetVersion(), 0x00020002u);
    EXPECT_TRUE(BASS_SetConfig(BASS_CONFIG_UPDATEPERIOD, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
    EXPECT_FALSE(BASS_SetConfig(12345, 1));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);

    EXPECT_FALSE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);

    EXPECT_FALSE(BASS_Init(2, 44100, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_DRIVER);
    EXPECT_FALSE(BASS_Init(0, 0, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);

    for (int device : {0, -1, 1}) {
        EXPECT_TRUE(BASS_Init(device, 44100, 0, nullptr, nullptr)) << device;
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_OK);
        EXPECT_FALSE(BASS_Init(device, 44100, 0, nullptr, nullptr));
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ALREADY);
        EXPECT_TRUE(BASS_Free());
    }
}

TEST_F(LifecycleTest, CreateCallsNeedInit)
{
    const std::string wav = dir.file("a.wav");
    writeWav(wav, makeTone(44100, 1, 0.1, 440.0));
    const std::string url = "file://" + wav;

    const auto refuseAll = [&] {
        EXPECT_EQ(BASS_StreamCreateFile(0, wav.c_str(), 0, 0, kDecode), 0u);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
        EXPECT_EQ(BASS_StreamCreateURL(url.c_str(), 0, kUrlFlags, nullptr, nullptr), 0u);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
        EXPECT_EQ(BASS_MusicLoad(0, wav.c_str(), 0, 0, kMusicFlags, 0), 0u);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_INIT);
    };
    refuseAll();
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    EXPECT_NE(BASS_StreamCreateFile(0, wav.c_str(), 0, 0, kDecode), 0u);
    ASSERT_TRUE(BASS_Free());
    refuseAll(); // after Free, as before the first Init
}

TEST_F(LifecycleTest, HandlesAreNeverReusedAndDieWithFree)
{
    const std::string wav = dir.file("a.wav");
    writeWav(wav, makeTone(44100, 2, 0.1, 440.0));
    const std::string mod = dir.file("a.mod");
    writeBytes(mod, buildMod(shortModSong()));

    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    const HSTREAM a = BASS_StreamCreateFile(0, wav.c_str(), 0, 0, kDecode);
    const HMUSIC m = BASS_MusicLoad(0, mod.c_str(), 0, 0, kMusicFlags, 0);
    ASSERT_NE(a, 0u);
    ASSERT_NE(m, 0u);
    EXPECT_NE(a, m);
    EXPECT_TRUE(BASS_ChannelFree(a));
    EXPECT_FALSE(BASS_ChannelFree(a));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    const HSTREAM b = BASS_StreamCreateFile(0, wav.c_str(), 0, 0, kDecode);
    EXPECT_NE(b, 0u);
    EXPECT_NE(b, a);
    EXPECT_NE(b, m);

    // Free ends every channel; a new Init starts no channel over.
    ASSERT_TRUE(BASS_Free());
    ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr, nullptr));
    const HSTREAM c = BASS_StreamCreateFile(0, wav.c_str(), 0, 0, kDecode);
    EXPECT_NE(c, 0u);
    for (DWORD old : {a, m, b}) {
        EXPECT_NE(c, old);
        SCOPED_TRACE(old);
        std::vector<uint8_t> buffer(64);
        BASS_CHANNELINFO info{};
        DWORD freq = 0;
        EXPECT_EQ(BASS_ChannelGetLength(old), kFailed);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
        EXPECT_EQ(BASS_ChannelGetData(old, buffer.data(), 64), kFailed);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
        EXPECT_EQ(BASS_ChannelIsActive(old), BASS_ACTIVE_STOPPED);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
        EXPECT_FALSE(BASS_ChannelGetInfo(old, &info));
        EXPECT_FALSE(BASS_ChannelGetAttributes(old, &freq, nullptr, nullptr));
        EXPECT_FALSE(BASS_ChannelSetPosition(old, 0));
        EXPECT_EQ(BASS_ChannelGetPosition(old), kFailed);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_HANDLE);
    }
    EXPECT_EQ(BASS_ChannelGetLength(0), kFailed);
}

TEST_F(BassTest, ReadsOnlyWholeFramesIntoAnyBuffer)
{
    const Pcm tone = makeTone(44100, 2, 0.1, 440.0);
    writeWav(dir.file("a.wav"), tone);
    const std::vector<uint8_t> expected = tone.bytes();
    const HSTREAM h = openStream(dir.file("a.wav"));
    ASSERT_NE(h, 0u);

    std::vector<uint8_t> buffer(kBlock + 1);
    EXPECT_EQ(BASS_ChannelGetData(h, buffer.data(), 3), 0u); // less than one frame
    EXPECT_EQ(BASS_ChannelGetData(h, buffer.data(), 7), 4u);
    EXPECT_EQ(BASS_ChannelGetPosition(h), 4u);
    // A buffer at an odd address gets the same bytes.
    EXPECT_EQ(BASS_ChannelGetData(h, buffer.data() + 1, 1001), 1000u);
    EXPECT_TRUE(std::equal(buffer.begin() + 1, buffer.begin() + 1001, expected.begin() + 4));

    EXPECT_EQ(BASS_ChannelGetData(h, nullptr, 100), kFailed);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    // Flag words of richer interfaces are not taken for huge lengths.
    EXPECT_EQ(BASS_ChannelGetData(h, buffer.data(), 0x80000000u), kFailed);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_ChannelGetPosition(h), 1004u);
}

TEST_F(BassTest, ReportsInfoAndAttributes)
{
    writeWav(dir.file("a.wav"), makeTone(32000, 1, 0.1, 440.0));
    const HSTREAM h = openStream(dir.file("a.wav"));
    ASSERT_NE(h, 0u);
    DWORD freq = 0;
    DWORD volume = 0;
    int pan = 7;
    EXPECT_TRUE(BASS_ChannelGetAttributes(h, &freq, &volume, &pan));
    EXPECT_EQ(freq, 32000u);
    EXPECT_EQ(volume, 100u);
    EXPECT_EQ(pan, 0);
    EXPECT_TRUE(BASS_ChannelGetAttributes(h, nullptr, nullptr, nullptr));
    EXPECT_FALSE(BASS_ChannelGetInfo(h, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(BassTest, RefusesMemorySourcesAndFileSections)
{
    writeWav(dir.file("a.wav"), makeTone(44100, 1, 0.1, 440.0));
    const std::string p = dir.file("a.wav");
    EXPECT_EQ(BASS_StreamCreateFile(1, p.c_str(), 0, 0, kDecode), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_StreamCreateFile(0, p.c_str(), 44, 0, kDecode), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
    EXPECT_EQ(BASS_MusicLoad(0, p.c_str(), 0, 100, kMusicFlags, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_ILLPARAM);
}

TEST_F(BassTest, ChannelsDecodeSideBySideFromSeveralThreads)
{
    const Pcm tone = makeTone(44100, 2, 0.5, 440.0);
    writeWav(dir.file("a.wav"), tone);
    const std::vector<uint8_t> expected = tone.bytes();

    std::vector<std::thread> threads;
    std::vector<int> ok(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {
                const HSTREAM h = BASS_StreamCreateFile(0, dir.file("a.wav").c_str(), 0, 0, kDecode);
                std::vector<uint8_t> got;
                std::vector<uint8_t> block(4000);
                while (h && BASS_ChannelIsActive(h)) {
                    const DWORD n = BASS_ChannelGetData(h, block.data(), 4000);
                    if (n == kFailed)
                        break;
                    got.insert(got.end(), block.begin(), block.begin() + n);
                }
                ok[t] += got == expected && BASS_ChannelFree(h);
            }
        });
    }
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(ok, std::vector<int>(4, 5));
}

TEST(BassExports, TheLibraryLoadsByNameWithEveryEntryPoint)
{
    void *lib = dlopen(TREVISTO_BASS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    for (const char *name :
         {"BASS_GetVersion", "BASS_SetConfig", "BASS_Init", "BASS_ErrorGetCode", "BASS_Free", "BASS_StreamCreateFile",
          "BASS_StreamCreateURL", "BASS_MusicLoad", "BASS_ChannelFree", "BASS_ChannelGetLength", "BASS_ChannelGetInfo",
          "BASS_ChannelGetAttributes", "BASS_ChannelIsActive", "BASS_ChannelGetData", "BASS_ChannelGetPosition",
          "BASS_ChannelSetPosition", "BASS_ChannelGetLength64", "BASS_ChannelGetPosition64", "BASS_ChannelSetPosition64"})
        EXPECT_NE(dlsym(lib, name), nullptr) << name;
    const auto version = reinterpret_cast<DWORD (*)()>(dlsym(lib, "BASS_GetVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), BASSVERSION);
    dlclose(lib);
}

} // namespace
} // namespace trevisto::test
