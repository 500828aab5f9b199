#pragma once
// Where a sound came from when it was decoded from an MP3 file: the file, what it was
// when it was opened, and, for a cut or a clip, the samples of it that the sound holds.
// With it an MP3 can be saved by copying the source's frames, once the file is found
// unchanged.

#include "platform/mp3frames/index.h"

#include <QString>

#include <cstdint>
#include <optional>

struct Mp3Source {
    QString path; // native
    trevisto::mp3frames::FileIdentity identity;
    bool operator==(const Mp3Source &) const = default;
};

struct Mp3Origin {
    Mp3Source source;
    int64_t first = 0, last = 0; // the source's samples [first, last)
    bool operator==(const Mp3Origin &) const = default;
};

// The source behind a working file of `decodedFrames` frames decoded from `nativePath`:
// only an MP3 whose frames give exactly those samples has one.
std::optional<Mp3Source> IdentifyMp3Source(const QString &nativePath, int64_t decodedFrames);
