#include "editor/loadedsound.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadedSoundTest, ACutOfAnMp3KeepsItsSamplesAsItsOrigin)
{
    const Mp3Source mp3{QStringLiteral("/music/song.mp3"), {}};
    const struct {
        const char *name;
        std::optional<Mp3Source> source;
        int64_t first, last;
        std::optional<Mp3Origin> expected;
    } cases[] = {
        {"a cut of an MP3", mp3, 1152, 44100, Mp3Origin{mp3, 1152, 44100}},
        {"from the first sample", mp3, 0, 1, Mp3Origin{mp3, 0, 1}},
        {"a cut that holds nothing", mp3, 500, 500, std::nullopt},
        {"a cut the wrong way round", mp3, 600, 500, std::nullopt},
        {"a sound not decoded from an MP3", std::nullopt, 0, 44100, std::nullopt},
    };
    for (const auto &c : cases) {
        LoadedSound sound;
        sound.mp3 = c.source;
        EXPECT_EQ(sound.originOf(c.first, c.last), c.expected) << c.name;
    }
}

} // namespace
