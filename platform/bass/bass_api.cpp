// The exported C interface. Every entry point takes the library lock, catches every
// exception and turns it into the code BASS_ErrorGetCode reports.
//
// Behaviour worth knowing for callers:
// - Channels only decode; nothing is ever played. Devices -1 (default), 0 (no sound)
//   and 1 are all accepted and mean "no output"; other device numbers fail with
//   BASS_ERROR_DRIVER.
// - BASS_ChannelGetData returns 0 (error code BASS_OK) once a channel has ended, so
//   loops on BASS_ChannelIsActive and loops on the returned count both stop. When the
//   source can no longer be read (an I/O error, or the file was cut short after the
//   channel was made) it returns (DWORD)-1 with BASS_ERROR_FILEOPEN and the channel
//   stops: missing data is never passed off as silence.
// - BASS_ChannelSetPosition moves to any byte position up to the length, rounded
//   down to a whole frame.
// - Lengths are exact: BASS_ChannelGetLength bytes are delivered before the end. A length
//   or position past 32 bits is given only by the 64-bit calls.

#pragma GCC visibility push(default)
#include "platform/bass/bass.h"
#pragma GCC visibility pop

#include "platform/bass/channel.h"
#include "platform/bass/failure.h"
#include "platform/bass/ffmpeg_decoder.h"
#include "platform/bass/module_decoder.h"
#include "platform/bass/mp3_decoder.h"
#include "platform/bass/sndfile_decoder.h"
#include "platform/bass/source_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <string>

namespace trevisto::bass {
namespace {

constexpr uint32_t kMinRate = 8000;
constexpr uint32_t kMaxRate = 192000;
// Requests this large are taken for flag words of a richer interface, not lengths.
constexpr DWORD kMaxRequest = 0x3FFFFFFF;

struct Library {
    std::mutex mutex;
    bool initialised = false;
    DWORD rate = 44100;
    DWORD updatePeriod = 100;
    MpegOptions mpeg;
    DWORD lastHandle = 0; // handles count up for the whole run and are never reused
    std::map<DWORD, std::unique_ptr<Channel>> channels;
};

Library &library()
{
    static Library lib;
    return lib;
}

thread_local int lastError = BASS_OK;
// Why the last open on this thread was refused, and what the file was found to be.
// Kept across a later refusal that knows no better, so that the module loader tried
// after the stream decoders does not hide what those found.
// Plain storage: a thread_local with a destructor would keep the library loaded after
// the program's dlclose, and a later start would find it still initialised.
thread_local DWORD lastReason = BASS_REASON_NONE;
thread_local char lastFound[128];

void keepFound(const std::string &found)
{
    const size_t n = std::min(found.size(), sizeof lastFound - 1);
    std::memcpy(lastFound, found.data(), n);
    lastFound[n] = '\0';
}

void copyOut(const std::string &text, char *out, DWORD size)
{
    if (!out || size == 0)
        return;
    const size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

// Runs `body` under the library lock; on an exception records its code and returns
// `failed`, otherwise records success.
template <typename R, typename F>
R guarded(R failed, F &&body)
{
    try {
        Library &lib = library();
        std::lock_guard lock(lib.mutex);
        R result = body(lib);
        lastError = BASS_OK;
        return result;
    } catch (const Failure &f) {
        lastError = f.code();
        if (f.reason() != BASS_REASON_NONE) {
            lastReason = f.reason();
            keepFound(f.found());
        }
    } catch (const std::bad_alloc &) {
        lastError = BASS_ERROR_MEM;
    } catch (...) {
        lastError = BASS_ERROR_UNKNOWN;
    }
    return failed;
}

// A byte count for the 32-bit calls; one past them would read as a wrong, shorter sound.
DWORD narrow(uint64_t bytes)
{
    if (bytes >= UINT32_MAX)
        throw Failure(BASS_ERROR_NOTAVAIL);
    return DWORD(bytes);
}

Channel &channelOf(Library &lib, DWORD handle)
{
    const auto it = lib.channels.find(handle);
    if (it == lib.channels.end())
        throw Failure(BASS_ERROR_HANDLE);
    return *it->second;
}

DWORD addChannel(Library &lib, std::unique_ptr<Decoder> decoder)
{
    if (lib.lastHandle == UINT32_MAX - 1)
        throw Failure(BASS_ERROR_UNKNOWN); // out of handles for this run
    auto channel = std::make_unique<Channel>(std::move(decoder));
    const DWORD handle = lib.lastHandle + 1;
    lib.channels.emplace(handle, std::move(channel));
    lib.lastHandle = handle;
    return handle;
}

void requireInit(const Library &lib)
{
    if (!lib.initialised)
        throw Failure(BASS_ERROR_INIT);
}

// Only whole local files are read: no memory sources, no sections.
void requireWholeFile(BOOL mem, DWORD offset, DWORD length)
{
    if (mem || offset != 0 || length != 0)
        throw Failure(BASS_ERROR_ILLPARAM);
}

// The reason a decoder's bare error code stands for.
Failure explained(const Failure &f, const char *found)
{
    if (f.reason() != BASS_REASON_NONE)
        return f;
    switch (f.code()) {
    case BASS_ERROR_FILEOPEN:
        return Failure(f.code(), BASS_REASON_UNREADABLE, found);
    case BASS_ERROR_FORMAT:
        return Failure(f.code(), BASS_REASON_BAD_FORMAT, found);
    default:
        return Failure(f.code(), BASS_REASON_DAMAGED, found);
    }
}

std::unique_ptr<Decoder> openStream(const char *path, const MpegOptions &mpeg)
{
    lastReason = BASS_REASON_NONE;
    lastFound[0] = '\0';
    std::shared_ptr<SourceFile> file;
    try {
        file = SourceFile::open(path);
    } catch (const Failure &f) {
        throw explained(f, "");
    }
    switch (sniffStream(*file)) {
    case StreamKind::Sndfile:
        try {
            return openSndfileDecoder(file);
        } catch (const Failure &f) {
            // An Ogg file that is not Vorbis (Opus) or a WAV whose codec libsndfile
            // lacks may still be a sound the other decoder knows.
            if (f.code() != BASS_ERROR_FILEFORM)
                throw explained(f, "");
            try {
                return openAvDecoder(file);
            } catch (const Failure &other) {
                if (other.reason() == BASS_REASON_NOT_SOUND)
                    throw explained(f, "");
                throw;
            }
        }
    case StreamKind::Mpeg:
        try {
            return openMpegDecoder(std::move(file), mpeg);
        } catch (const Failure &f) {
            throw explained(f, "mp3");
        }
    case StreamKind::Unknown:
        break;
    }
    // Modules are refused here too: those go through BASS_MusicLoad.
    return openAvDecoder(std::move(file));
}

} // namespace
} // namespace trevisto::bass

using namespace trevisto::bass;

extern "C" {

DWORD BASS_GetVersion(void)
{
    return BASSVERSION;
}

BOOL BASS_SetConfig(DWORD option, DWORD value)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        switch (option) {
        case BASS_CONFIG_UPDATEPERIOD:
            lib.updatePeriod = value; // kept for completeness: nothing plays, nothing updates
            return 1;
        case BASS_CONFIG_DECODE_THREADS:
            lib.mpeg.threads = value;
            return 1;
        case BASS_CONFIG_DECODE_STRETCH:
            if (value == 0)
                throw Failure(BASS_ERROR_ILLPARAM);
            lib.mpeg.stretchFrames = value;
            return 1;
        }
        throw Failure(BASS_ERROR_ILLPARAM);
    });
}

BOOL BASS_Init(int device, DWORD freq, DWORD, void *, const void *)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        if (lib.initialised)
            throw Failure(BASS_ERROR_ALREADY);
        if (device < -1 || device > 1)
            throw Failure(BASS_ERROR_DRIVER);
        if (freq < kMinRate || freq > kMaxRate)
            throw Failure(BASS_ERROR_ILLPARAM);
        lib.rate = freq;
        lib.initialised = true;
        return 1;
    });
}

int BASS_ErrorGetCode(void)
{
    return lastError;
}

BOOL BASS_Free(void)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        requireInit(lib);
        lib.channels.clear();
        lib.initialised = false;
        return 1;
    });
}

HSTREAM BASS_StreamCreateFile(BOOL mem, const void *file, DWORD offset, DWORD length, DWORD)
{
    return guarded<HSTREAM>(0, [&](Library &lib) {
        requireInit(lib);
        requireWholeFile(mem, offset, length);
        return addChannel(lib, openStream(static_cast<const char *>(file), lib.mpeg));
    });
}

HSTREAM BASS_StreamCreateURL(const char *url, DWORD offset, DWORD, DOWNLOADPROC *, void *)
{
    return guarded<HSTREAM>(0, [&](Library &lib) {
        requireInit(lib);
        // Never the network: only file:// URLs naming local files.
        const auto path = pathFromFileUrl(url);
        if (!path)
            throw Failure(BASS_ERROR_FILEOPEN);
        requireWholeFile(0, offset, 0);
        return addChannel(lib, openStream(path->c_str(), lib.mpeg));
    });
}

HMUSIC BASS_MusicLoad(BOOL mem, const void *file, DWORD offset, DWORD length, DWORD flags, DWORD freq)
{
    return guarded<HMUSIC>(0, [&](Library &lib) {
        requireInit(lib);
        requireWholeFile(mem, offset, length);
        if (freq != 0 && (freq < kMinRate || freq > kMaxRate))
            throw Failure(BASS_ERROR_ILLPARAM);
        auto source = SourceFile::open(static_cast<const char *>(file));
        // What the stream calls take is not a module, even if a module loader would
        // make something of it.
        if (sniffStream(*source) != StreamKind::Unknown)
            throw Failure(BASS_ERROR_FILEFORM);
        return addChannel(lib, openModuleDecoder(std::move(source), freq ? freq : lib.rate,
                                                 (flags & BASS_MUSIC_RAMP) != 0));
    });
}

BOOL BASS_ChannelFree(DWORD handle)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        channelOf(lib, handle);
        lib.channels.erase(handle);
        return 1;
    });
}

DWORD BASS_ChannelGetLength(DWORD handle)
{
    return guarded<DWORD>(UINT32_MAX, [&](Library &lib) { return narrow(channelOf(lib, handle).lengthBytes()); });
}

QWORD BASS_ChannelGetLength64(DWORD handle)
{
    return guarded<QWORD>(UINT64_MAX, [&](Library &lib) { return channelOf(lib, handle).lengthBytes(); });
}

BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO *info)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        const PcmFormat &format = channelOf(lib, handle).format();
        if (!info)
            throw Failure(BASS_ERROR_ILLPARAM);
        info->freq = format.rate;
        info->chans = format.channels;
        info->flags = 0; // always 16-bit
        info->ctype = format.ctype;
        return 1;
    });
}

BOOL BASS_ChannelGetAttributes(DWORD handle, DWORD *freq, DWORD *volume, int *pan)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        const PcmFormat &format = channelOf(lib, handle).format();
        if (freq)
            *freq = format.rate;
        if (volume)
            *volume = 100;
        if (pan)
            *pan = 0;
        return 1;
    });
}

DWORD BASS_ChannelIsActive(DWORD handle)
{
    return guarded<DWORD>(BASS_ACTIVE_STOPPED, [&](Library &lib) {
        return channelOf(lib, handle).active() ? BASS_ACTIVE_PLAYING : BASS_ACTIVE_STOPPED;
    });
}

DWORD BASS_ChannelGetData(DWORD handle, void *buffer, DWORD length)
{
    return guarded<DWORD>(UINT32_MAX, [&](Library &lib) {
        Channel &channel = channelOf(lib, handle);
        if (length > kMaxRequest || (!buffer && length != 0))
            throw Failure(BASS_ERROR_ILLPARAM);
        return channel.read(buffer, length);
    });
}

DWORD BASS_ChannelGetPosition(DWORD handle)
{
    return guarded<DWORD>(UINT32_MAX, [&](Library &lib) { return narrow(channelOf(lib, handle).positionBytes()); });
}

QWORD BASS_ChannelGetPosition64(DWORD handle)
{
    return guarded<QWORD>(UINT64_MAX, [&](Library &lib) { return channelOf(lib, handle).positionBytes(); });
}

BOOL BASS_ChannelSetPosition64(DWORD handle, QWORD pos)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        channelOf(lib, handle).seek(pos);
        return 1;
    });
}

BOOL BASS_ChannelSetPosition(DWORD handle, DWORD pos)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        channelOf(lib, handle).seek(pos);
        return 1;
    });
}

DWORD BASS_ErrorGetDetail(char *found, DWORD size)
{
    copyOut(lastReason == BASS_REASON_NONE ? std::string() : std::string(lastFound), found, size);
    return lastReason;
}

BOOL BASS_ChannelGetDetail(DWORD handle, char *found, DWORD size, DWORD *sourceChannels, DWORD *flags)
{
    return guarded<BOOL>(0, [&](Library &lib) {
        const Channel &channel = channelOf(lib, handle);
        copyOut(channel.found(), found, size);
        if (sourceChannels)
            *sourceChannels = channel.sourceChannels();
        if (flags)
            *flags = channel.sourceChannels() > channel.format().channels ? BASS_DETAIL_MIXED_DOWN : 0;
        return 1;
    });
}

} // extern "C"
