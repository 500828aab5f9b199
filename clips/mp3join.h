#pragma once
// Joining clips cut from MP3 files into one MP3 by copying their frames. Clips that go on
// exactly where the one before ended in the same file are copied straight through. At
// every other joint a few frames around it are encoded again from the clips' sound, with
// the bit reservoir off and repacked, so that the copied frames after it decode as in
// their own file; such a joint moves by at most half a frame. When every clip comes from
// one file, its ID3v2 tag goes in front, as with a copied save. Every clip's source must
// share the first clip's MPEG version, sample rate and channel count.

#include "core/mp3origin.h"
#include "platform/io/atomicfile.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace trevisto {

struct Mp3JoinClip {
    std::optional<Mp3Origin> origin;
    QString wavPath; // the clip's sound, native path
};

struct Mp3JoinOutcome {
    enum Kind { Copied, NotCopyable, Failed };
    Kind kind = NotCopyable;
    QString why;             // NotCopyable: why the joined sound must be encoded; Failed: why nothing was written
    int encodedJoints = 0;   // with Copied
    // With Copied: for each joint encoded again, the audio frames of the output that hold
    // it, [first, end), counted from the first frame after the info frame.
    std::vector<std::pair<uint32_t, uint32_t>> encodedFrames;
    // With Copied: the audio frames encoded again at the start, in front of the first
    // copied one, where the first clip begins in frames that take bit-reservoir bytes from
    // before their file.
    uint32_t leadInFrames = 0;
};

Mp3JoinOutcome JoinMp3ByCopy(const std::vector<Mp3JoinClip> &clips, const QString &nativeOutput,
                             const io::AtomicFile::Options &options = {});

} // namespace trevisto
