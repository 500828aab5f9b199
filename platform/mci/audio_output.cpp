#include "platform/mci/audio_output.h"

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

namespace trevisto::mci::audio {

namespace {

std::mutex mutex;
bool initialised = false;
bool silent = false;
int openDevices = 0;

void warnOnce(const std::string &reason)
{
    static bool warned = false;
    if (warned)
        return;
    warned = true;
    std::fprintf(stderr, "trevisto: warning: no sound output could be opened (%s); playing silently\n", reason.c_str());
    std::fflush(stderr);
}

bool isSilentDriver()
{
    const char *name = SDL_GetCurrentAudioDriver();
    return name && std::strcmp(name, "dummy") == 0;
}

// The library does not fall back by itself: the audio part is started again with the
// silent driver. That closes every open device, so it is done only while none is open.
bool switchToSilent(std::string reason)
{
    for (char &c : reason)
        if (c == '\n' || c == '\r')
            c = ' ';
    if (initialised)
        SDL_AudioQuit();
    initialised = SDL_AudioInit("dummy") == 0;
    silent = initialised;
    if (initialised)
        warnOnce(reason.empty() ? "unknown reason" : reason);
    return initialised;
}

bool ensureInitialised()
{
    if (initialised)
        return true;
    // SDL would otherwise catch SIGINT and SIGTERM from here on and only queue a quit
    // event nobody reads: the program could no longer be ended from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        initialised = true;
        silent = isSilentDriver();
        return true;
    }
    return switchToSilent(SDL_GetError());
}

} // namespace

SDL_AudioDeviceID open(const SDL_AudioSpec &want, SDL_AudioSpec *have)
{
    std::lock_guard lock(mutex);
    if (!ensureInitialised())
        return 0;
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, have, 0);
    // The library converts any format it accepts to the hardware's, so a failure here is
    // a missing or busy output.
    if (id == 0 && !silent && openDevices == 0 && switchToSilent(SDL_GetError()))
        id = SDL_OpenAudioDevice(nullptr, 0, &want, have, 0);
    if (id != 0)
        ++openDevices;
    return id;
}

void close(SDL_AudioDeviceID device)
{
    if (device == 0)
        return;
    SDL_CloseAudioDevice(device);
    std::lock_guard lock(mutex);
    --openDevices;
}

const char *driverName()
{
    std::lock_guard lock(mutex);
    const char *name = initialised ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? name : "";
}

} // namespace trevisto::mci::audio
