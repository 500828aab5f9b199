#pragma once
// The decoding library as the program sees it: libbass.so opened from the program folder
// with dlopen, and its operations as a table of function pointers.

#include "platform/bass/bass.h"

#include <QString>

class BassLibrary {
public:
    BassLibrary() = default;
    ~BassLibrary();
    BassLibrary(const BassLibrary &) = delete;
    BassLibrary &operator=(const BassLibrary &) = delete;

    enum class LoadResult { Loaded, NotLoadable, MissingVersion };

    // Opens the library and resolves BASS_GetVersion. The other operations are resolved by
    // resolveAll(), once the version has been accepted.
    LoadResult load(const QString &path);
    // True when every operation the program calls is present.
    bool resolveAll();
    bool isLoaded() const { return handle_ != nullptr; }
    const QString &lastError() const { return error_; }
    void unload();

    DWORD (*GetVersion)(void) = nullptr;
    BOOL (*SetConfig)(DWORD, DWORD) = nullptr;
    BOOL (*Init)(int, DWORD, DWORD, void *, const void *) = nullptr;
    int (*ErrorGetCode)(void) = nullptr;
    BOOL (*Free)(void) = nullptr;
    HSTREAM (*StreamCreateFile)(BOOL, const void *, DWORD, DWORD, DWORD) = nullptr;
    HSTREAM (*StreamCreateURL)(const char *, DWORD, DWORD, DOWNLOADPROC *, void *) = nullptr;
    HMUSIC (*MusicLoad)(BOOL, const void *, DWORD, DWORD, DWORD, DWORD) = nullptr;
    BOOL (*ChannelFree)(DWORD) = nullptr;
    DWORD (*ChannelGetLength)(DWORD) = nullptr;
    BOOL (*ChannelGetInfo)(DWORD, BASS_CHANNELINFO *) = nullptr;
    BOOL (*ChannelGetAttributes)(DWORD, DWORD *, DWORD *, int *) = nullptr;
    DWORD (*ChannelIsActive)(DWORD) = nullptr;
    DWORD (*ChannelGetData)(DWORD, void *, DWORD) = nullptr;
    DWORD (*ChannelGetPosition)(DWORD) = nullptr;
    BOOL (*ChannelSetPosition)(DWORD, DWORD) = nullptr;
    // Optional: why an open was refused, and what a source was found to be.
    DWORD (*ErrorGetDetail)(char *, DWORD) = nullptr;
    BOOL (*ChannelGetDetail)(DWORD, char *, DWORD, DWORD *, DWORD *) = nullptr;
    // Optional: a library without them has no sound past 4 GiB of PCM.
    QWORD (*ChannelGetLength64)(DWORD) = nullptr;
    BOOL (*ChannelSetPosition64)(DWORD, QWORD) = nullptr;

    // The channel's length in bytes through the widest call there is; -1 when unknown.
    int64_t channelLength(DWORD chan) const;
    // Moves the channel to byte `pos`, through the widest call there is.
    bool channelSetPosition(DWORD chan, int64_t pos) const;

private:
    void clear();
    void *handle_ = nullptr;
    QString error_;
};
