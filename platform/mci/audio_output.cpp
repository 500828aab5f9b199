#include "platform/mci/audio_output.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>

namespace trevisto::mci::audio {

namespace {

// The library's calls this file makes, found once it is loaded.
struct Library {
    decltype(&SDL_GetCurrentAudioDriver) GetCurrentAudioDriver = nullptr;
    decltype(&SDL_AudioInit) AudioInit = nullptr;
    decltype(&SDL_AudioQuit) AudioQuit = nullptr;
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
};

std::mutex mutex;
Library sdl;
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

// Loads the library and finds its calls; empty on success, else why not. Kept loaded for the
// rest of the process: devices and their callback threads belong to it.
std::string loadLibrary()
{
    if (sdl.PauseAudioDevice)
        return {};
    void *handle = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = ::dlerror();
        return why ? why : "libSDL2-2.0.so.0 cannot be loaded";
    }
    Library found;
    bool complete = true;
    auto find = [&](auto &call, const char *name) {
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(::dlsym(handle, name));
        complete = complete && call;
    };
    find(found.GetCurrentAudioDriver, "SDL_GetCurrentAudioDriver");
    find(found.AudioInit, "SDL_AudioInit");
    find(found.AudioQuit, "SDL_AudioQuit");
    find(found.SetHint, "SDL_SetHint");
    find(found.InitSubSystem, "SDL_InitSubSystem");
    find(found.GetError, "SDL_GetError");
    find(found.OpenAudioDevice, "SDL_OpenAudioDevice");
    find(found.CloseAudioDevice, "SDL_CloseAudioDevice");
    find(found.PauseAudioDevice, "SDL_PauseAudioDevice");
    if (!complete) {
        ::dlclose(handle);
        return "libSDL2-2.0.so.0 lacks a call the program needs";
    }
    sdl = found;
    return {};
}

bool isSilentDriver()
{
    const char *name = sdl.GetCurrentAudioDriver();
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
        sdl.AudioQuit();
    initialised = sdl.AudioInit("dummy") == 0;
    silent = initialised;
    if (initialised)
        warnOnce(reason.empty() ? "unknown reason" : reason);
    return initialised;
}

bool ensureInitialised()
{
    if (initialised)
        return true;
    if (const std::string why = loadLibrary(); !why.empty()) {
        static bool warned = false;
        if (!warned)
            std::fprintf(stderr, "trevisto: warning: the sound library cannot be loaded (%s); nothing can be played\n",
                         why.c_str());
        warned = true;
        return false;
    }
    // SDL would otherwise catch SIGINT and SIGTERM from here on and only queue a quit
    // event nobody reads: the program could no longer be ended from outside.
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) == 0) {
        initialised = true;
        silent = isSilentDriver();
        return true;
    }
    return switchToSilent(sdl.GetError());
}

} // namespace

SDL_AudioDeviceID open(const SDL_AudioSpec &want, SDL_AudioSpec *have)
{
    std::lock_guard lock(mutex);
    if (!ensureInitialised())
        return 0;
    SDL_AudioDeviceID id = sdl.OpenAudioDevice(nullptr, 0, &want, have, 0);
    // The library converts any format it accepts to the hardware's, so a failure here is
    // a missing or busy output.
    if (id == 0 && !silent && openDevices == 0 && switchToSilent(sdl.GetError()))
        id = sdl.OpenAudioDevice(nullptr, 0, &want, have, 0);
    if (id != 0)
        ++openDevices;
    return id;
}

void close(SDL_AudioDeviceID device)
{
    if (device == 0)
        return;
    sdl.CloseAudioDevice(device);
    std::lock_guard lock(mutex);
    --openDevices;
}

void pause(SDL_AudioDeviceID device, bool paused)
{
    if (device != 0)
        sdl.PauseAudioDevice(device, paused ? 1 : 0);
}

const char *driverName()
{
    std::lock_guard lock(mutex);
    const char *name = initialised ? sdl.GetCurrentAudioDriver() : nullptr;
    return name ? name : "";
}

} // namespace trevisto::mci::audio
