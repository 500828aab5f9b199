#pragma once
// A decoding channel played by the test: a fixed number of bytes of a counting pattern,
// through the library's function table, with every request and answer kept.

#include "audio/basslib.h"

#include <algorithm>
#include <vector>

struct StandIn {
    uint32_t total = 0;
    uint32_t delivered = 0;
    DWORD chans = 2, rate = 44100, flags = 0;
    std::vector<DWORD> requests, answers;
    // From this many bytes on, the source cannot be read on.
    uint32_t failAfter = uint32_t(-1);
};
inline StandIn channel;

inline void fillStandIn(BassLibrary &lib)
{
    lib.ChannelGetInfo = [](DWORD, BASS_CHANNELINFO *info) -> BOOL {
        *info = {channel.rate, channel.chans, channel.flags, BASS_CTYPE_STREAM_WAV};
        return 1;
    };
    lib.ChannelGetAttributes = [](DWORD, DWORD *freq, DWORD *, int *) -> BOOL {
        *freq = channel.rate;
        return 1;
    };
    lib.ChannelGetLength = [](DWORD) -> DWORD { return channel.total; };
    lib.ChannelIsActive = [](DWORD) -> DWORD { return channel.delivered < channel.total ? 1 : 0; };
    lib.ChannelGetPosition = [](DWORD) -> DWORD { return channel.delivered; };
    lib.ChannelGetData = [](DWORD, void *buffer, DWORD length) -> DWORD {
        channel.requests.push_back(length);
        if (channel.delivered >= channel.failAfter)
            return DWORD(-1);
        const DWORD n = std::min(length, channel.total - channel.delivered);
        auto *out = static_cast<unsigned char *>(buffer);
        for (DWORD i = 0; i < n; ++i)
            out[i] = static_cast<unsigned char>((channel.delivered + i) * 7);
        channel.delivered += n;
        channel.answers.push_back(n);
        return n;
    };
    lib.ErrorGetCode = []() -> int { return BASS_ERROR_FILEFORM; };
}
