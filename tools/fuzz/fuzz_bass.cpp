// The decoding library through its C interface, as the program uses it: each create call
// on the input, then every channel read, repositioned, rewound and freed. The channel's
// promises are checked on the way: whole frames, a position that follows the data, never
// more than the length, and a rewind that replays the same sound.

#include "platform/bass/bass.h"
#include "scratch_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Decoded sound is read up to this much per channel (about 12 s of CD audio): enough to
// pass several blocks of every decoder, short enough that one input never takes long.
constexpr DWORD kReadLimit = 2 * 1024 * 1024;
constexpr DWORD kBlock = 20000; // the program's read size
constexpr DWORD kFailed = DWORD(-1);

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "%s (error code %d)\n", what, BASS_ErrorGetCode());
        std::abort();
    }
}

// A rewind replays the start of the channel. One step of rounding is let through, as
// a decoder's arithmetic may differ after a seek; anything more is a channel that lost
// its place.
bool sameSound(const uint8_t *a, const uint8_t *b, DWORD bytes)
{
    for (DWORD i = 0; i + 1 < bytes; i += 2) {
        const int x = int16_t(a[i] | a[i + 1] << 8);
        const int y = int16_t(b[i] | b[i + 1] << 8);
        if (std::abs(x - y) > 1)
            return false;
    }
    return true;
}

void exercise(DWORD handle)
{
    BASS_CHANNELINFO info{};
    check(BASS_ChannelGetInfo(handle, &info), "no information for a channel just made");
    check(info.chans >= 1 && info.chans <= 32 && info.freq > 0, "a channel with an impossible format");
    const DWORD frameBytes = info.chans * 2;
    const DWORD length = BASS_ChannelGetLength(handle);
    check(length != kFailed && length % frameBytes == 0, "a length in part frames");

    std::vector<uint8_t> first, block(kBlock);
    DWORD position = 0;
    while (position < std::min(length, kReadLimit)) {
        const DWORD n = BASS_ChannelGetData(handle, block.data(), kBlock);
        if (n == kFailed)
            return; // the source could not be read; the channel has stopped
        check(n > 0 && n % frameBytes == 0, "a read while active gave no whole frames");
        if (first.empty())
            first.assign(block.begin(), block.begin() + n);
        position += n;
        check(BASS_ChannelGetPosition(handle) == position, "the position does not follow the data");
    }
    if (length <= kReadLimit) {
        check(BASS_ChannelGetData(handle, block.data(), kBlock) == 0, "data past the length");
        check(BASS_ChannelIsActive(handle) == BASS_ACTIVE_STOPPED, "active past the length");
    }

    const DWORD middle = std::min(length, kReadLimit) / 2 / frameBytes * frameBytes;
    if (!BASS_ChannelSetPosition(handle, middle))
        return;
    check(BASS_ChannelGetPosition(handle) == middle, "a seek landed elsewhere");
    if (BASS_ChannelGetData(handle, block.data(), kBlock) == kFailed)
        return;
    if (!BASS_ChannelSetPosition(handle, 0) || first.empty())
        return;
    const DWORD n = BASS_ChannelGetData(handle, block.data(), DWORD(first.size()));
    if (n == kFailed)
        return;
    check(n == first.size() && sameSound(block.data(), first.data(), n), "a rewound channel does not repeat its start");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ScratchFile scratch;
    static const bool initialised = BASS_Init(0, 44100, 0, nullptr, nullptr) != 0;
    check(initialised, "the library does not start");

    const std::string &path = scratch.hold(data, size);
    for (const DWORD handle : {BASS_StreamCreateFile(0, path.c_str(), 0, 0, BASS_STREAM_DECODE),
                               BASS_MusicLoad(0, path.c_str(), 0, 0,
                                              BASS_STREAM_DECODE | BASS_MUSIC_PRESCAN | BASS_MUSIC_RAMP, 0)}) {
        if (handle == 0)
            continue;
        exercise(handle);
        check(BASS_ChannelFree(handle), "a channel cannot be freed");
    }
    return 0;
}
