#include "audio/sourcechannel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Which create call takes the file, and what each call was given.
struct Calls {
    int acceptedBy = -1; // 0 file, 1 address, 2 module, -1 none
    std::vector<std::string> made;
};
Calls calls;

void fillStandIn(BassLibrary &lib)
{
    lib.StreamCreateFile = [](BOOL mem, const void *file, DWORD offset, DWORD length, DWORD flags) -> HSTREAM {
        calls.made.push_back("file " + std::string(static_cast<const char *>(file)) + " " + std::to_string(mem) + " " +
                             std::to_string(offset) + " " + std::to_string(length) + " " + std::to_string(flags));
        return calls.acceptedBy == 0 ? 11 : 0;
    };
    lib.StreamCreateURL = [](const char *url, DWORD offset, DWORD flags, DOWNLOADPROC *, void *) -> HSTREAM {
        calls.made.push_back("url " + std::string(url) + " " + std::to_string(offset) + " " + std::to_string(flags));
        return calls.acceptedBy == 1 ? 22 : 0;
    };
    lib.MusicLoad = [](BOOL mem, const void *file, DWORD offset, DWORD length, DWORD flags, DWORD freq) -> HMUSIC {
        calls.made.push_back("music " + std::string(static_cast<const char *>(file)) + " " + std::to_string(mem) + " " +
                             std::to_string(offset) + " " + std::to_string(length) + " " + std::to_string(flags) +
                             " " + std::to_string(freq));
        return calls.acceptedBy == 2 ? 33 : 0;
    };
}

TEST(OpenSourceChannel, TriesFileThenAddressThenModuleAndStopsAtTheFirstTaker)
{
    const std::string file = "file /m/a b.mp3 0 0 0 " + std::to_string(BASS_STREAM_DECODE);
    const std::string url = "url /m/a b.mp3 0 " + std::to_string(BASS_STREAM_DECODE | BASS_STREAM_BLOCK);
    const std::string music =
        "music /m/a b.mp3 0 0 0 " + std::to_string(BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP) + " 0";
    const struct {
        int acceptedBy;
        DWORD handle;
        std::vector<std::string> made;
    } cases[] = {
        {0, 11, {file}},
        {1, 22, {file, url}},
        {2, 33, {file, url, music}},
        {-1, 0, {file, url, music}},
    };
    BassLibrary lib;
    fillStandIn(lib);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.acceptedBy);
        calls = {c.acceptedBy, {}};
        EXPECT_EQ(OpenSourceChannel(lib, "/m/a b.mp3"), c.handle);
        EXPECT_EQ(calls.made, c.made);
    }
}

} // namespace
