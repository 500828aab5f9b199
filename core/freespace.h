#pragma once
// Room on the disk before a long write: what a file will take is compared with what its
// file system has free, so a write that cannot fit is refused before its first byte
// rather than failing at 90 % with a full disk.

#include "platform/wav/wav.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace trevisto {

// Bytes a WAVE file of `dataBytes` bytes of sound takes: its header (plain, or RF64 past
// the plain header's limit) and the sound.
uint64_t wavFileBytes(uint64_t dataBytes);

// Bytes an MP3 file of `seconds` of sound at `kbps` takes at most: the frames at that rate,
// with room for the frames at its edges, the info frame and the tags (1 % and 16 KB).
uint64_t mp3FileBytes(double seconds, int kbps);

// Bytes a file system offers a writer without privileges, where `nativePath` (a file to
// be written, or a folder) would go; nothing when the system cannot tell.
std::optional<uint64_t> freeBytesWhere(const QString &nativePath);

// A byte count for people, in decimal units: "512 bytes", "1.5 kB", "15.1 GB".
QString sizeText(uint64_t bytes);

// The refusal when `needed` bytes do not fit into `free` bytes plus `reclaimed` (those of
// a file the write removes first); nothing when they fit.
std::optional<QString> spaceRefusal(const QString &nativePath, uint64_t needed, uint64_t free, uint64_t reclaimed = 0);

// spaceRefusal() with the free space of the file system that holds `nativePath`; a file
// system that cannot tell lets the write go ahead.
std::optional<QString> checkSpace(const QString &nativePath, uint64_t needed, uint64_t reclaimed = 0);

} // namespace trevisto
