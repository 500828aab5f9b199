#pragma once
// libbass.so opened with dlopen from the folder of the running executable, as the
// program opens it.

#include "platform/bass/bass.h"

#include <string>

namespace trevisto::bench {

struct BassApi {
    decltype(&BASS_Init) Init = nullptr;
    decltype(&BASS_Free) Free = nullptr;
    decltype(&BASS_ErrorGetCode) ErrorGetCode = nullptr;
    decltype(&BASS_StreamCreateFile) StreamCreateFile = nullptr;
    decltype(&BASS_StreamCreateURL) StreamCreateURL = nullptr;
    decltype(&BASS_MusicLoad) MusicLoad = nullptr;
    decltype(&BASS_ChannelFree) ChannelFree = nullptr;
    decltype(&BASS_ChannelGetLength) ChannelGetLength = nullptr;
    decltype(&BASS_ChannelIsActive) ChannelIsActive = nullptr;
    decltype(&BASS_ChannelGetData) ChannelGetData = nullptr;
};

// Fills `api`; on failure returns false and describes the problem in `error`.
bool loadBass(BassApi &api, std::string &error);

} // namespace trevisto::bench
