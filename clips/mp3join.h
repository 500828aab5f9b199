#pragma once
// Joining clips cut from MP3 files into one MP3 by copying their frames (see
// platform/mp3enc/copyjoin.h), for clips that carry the origin the clip list keeps.

#include "core/mp3origin.h"
#include "platform/io/atomicfile.h"
#include "platform/mp3enc/copyjoin.h"

#include <QString>

#include <optional>
#include <vector>

namespace trevisto {

struct Mp3JoinClip {
    std::optional<Mp3Origin> origin;
    QString wavPath; // the clip's sound, native path
    int gainSteps = 0; // as mp3enc::CopyJoinClip's
};

using Mp3JoinOutcome = mp3enc::CopyJoinOutcome;

// `tag`, `shape` and `tagOf` as for mp3enc::joinByCopy().
Mp3JoinOutcome JoinMp3ByCopy(const std::vector<Mp3JoinClip> &clips, const QString &nativeOutput,
                             const io::AtomicFile::Options &options = {},
                             const std::vector<unsigned char> *tag = nullptr,
                             const mp3enc::CopyJoinShape &shape = {}, const mp3enc::CopyJoinTagOf &tagOf = {});

// The overlaps JoinMp3ByCopy() makes at the joints, as mp3enc::copyJoinOverlaps() works
// them out.
std::optional<std::vector<int64_t>> CopyJoinOverlaps(const std::vector<Mp3JoinClip> &clips,
                                                     const mp3enc::CopyJoinShape &shape);

} // namespace trevisto
