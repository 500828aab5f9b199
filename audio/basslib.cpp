#include "audio/basslib.h"

#include <dlfcn.h>

BassLibrary::~BassLibrary() { unload(); }

BassLibrary::LoadResult BassLibrary::load(const QString &path)
{
    unload();
    dlerror();
    // RTLD_LOCAL keeps the library's symbols out of the program's namespace, so a second
    // copy loaded from another folder never resolves into the first.
    handle_ = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char *why = dlerror();
        error_ = why ? QString::fromLocal8Bit(why) : QStringLiteral("cannot be loaded");
        return LoadResult::NotLoadable;
    }
    GetVersion = reinterpret_cast<DWORD (*)(void)>(dlsym(handle_, "BASS_GetVersion"));
    if (!GetVersion) {
        error_ = QStringLiteral("BASS_GetVersion is missing");
        return LoadResult::MissingVersion;
    }
    return LoadResult::Loaded;
}

template <typename F>
static bool resolve(void *handle, F &slot, const char *name)
{
    slot = reinterpret_cast<F>(dlsym(handle, name));
    return slot != nullptr;
}

bool BassLibrary::resolveAll()
{
    if (!handle_)
        return false;
    bool ok = true;
    ok &= resolve(handle_, SetConfig, "BASS_SetConfig");
    ok &= resolve(handle_, Init, "BASS_Init");
    ok &= resolve(handle_, ErrorGetCode, "BASS_ErrorGetCode");
    ok &= resolve(handle_, Free, "BASS_Free");
    ok &= resolve(handle_, StreamCreateFile, "BASS_StreamCreateFile");
    ok &= resolve(handle_, StreamCreateURL, "BASS_StreamCreateURL");
    ok &= resolve(handle_, MusicLoad, "BASS_MusicLoad");
    ok &= resolve(handle_, ChannelGetLength, "BASS_ChannelGetLength");
    ok &= resolve(handle_, ChannelGetInfo, "BASS_ChannelGetInfo");
    ok &= resolve(handle_, ChannelGetAttributes, "BASS_ChannelGetAttributes");
    ok &= resolve(handle_, ChannelIsActive, "BASS_ChannelIsActive");
    ok &= resolve(handle_, ChannelGetData, "BASS_ChannelGetData");
    ok &= resolve(handle_, ChannelGetPosition, "BASS_ChannelGetPosition");
    ok &= resolve(handle_, ChannelSetPosition, "BASS_ChannelSetPosition");
    // Releasing a single channel is optional: without it channels live until BASS_Free.
    resolve(handle_, ChannelFree, "BASS_ChannelFree");
    // So are the details of a refusal: without them the message gives the code alone.
    resolve(handle_, ErrorGetDetail, "BASS_ErrorGetDetail");
    resolve(handle_, ChannelGetDetail, "BASS_ChannelGetDetail");
    resolve(handle_, ChannelGetLength64, "BASS_ChannelGetLength64");
    resolve(handle_, ChannelSetPosition64, "BASS_ChannelSetPosition64");
    if (!ok)
        error_ = QStringLiteral("the library lacks operations the program needs");
    return ok;
}

void BassLibrary::clear()
{
    GetVersion = nullptr;
    SetConfig = nullptr;
    Init = nullptr;
    ErrorGetCode = nullptr;
    Free = nullptr;
    StreamCreateFile = nullptr;
    StreamCreateURL = nullptr;
    MusicLoad = nullptr;
    ChannelFree = nullptr;
    ChannelGetLength = nullptr;
    ChannelGetInfo = nullptr;
    ChannelGetAttributes = nullptr;
    ChannelIsActive = nullptr;
    ChannelGetData = nullptr;
    ChannelGetPosition = nullptr;
    ChannelSetPosition = nullptr;
    ErrorGetDetail = nullptr;
    ChannelGetDetail = nullptr;
    ChannelGetLength64 = nullptr;
    ChannelSetPosition64 = nullptr;
}

int64_t BassLibrary::channelLength(DWORD chan) const
{
    if (ChannelGetLength64) {
        const QWORD length = ChannelGetLength64(chan);
        return length > QWORD(INT64_MAX) ? -1 : int64_t(length);
    }
    if (!ChannelGetLength)
        return -1;
    const DWORD length = ChannelGetLength(chan);
    return length == DWORD(-1) ? -1 : int64_t(length);
}

bool BassLibrary::channelSetPosition(DWORD chan, int64_t pos) const
{
    if (pos < 0)
        return false;
    if (ChannelSetPosition64)
        return ChannelSetPosition64(chan, QWORD(pos)) != 0;
    if (!ChannelSetPosition || pos >= int64_t(UINT32_MAX))
        return false;
    return ChannelSetPosition(chan, DWORD(pos)) != 0;
}

void BassLibrary::unload()
{
    clear();
    if (handle_)
        dlclose(handle_);
    handle_ = nullptr;
}
