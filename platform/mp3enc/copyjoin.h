#pragma once
// Joining clips cut from MP3 files into one MP3 by copying their frames. Clips that go on
// exactly where the one before ended in the same file are copied straight through. At
// every other joint a few frames around it are encoded again from the clips' sound, with
// the bit reservoir off and repacked, so that the copied frames after it decode as in
// their own file. Whole frames start the later clip up to a frame early: the two clips
// overlap there, crossfaded in the encoded frames, and the joined sound is that much
// shorter than the clips' sum. When every clip comes from
// one file, its ID3v2 tag goes in front, as with a copied save. Every clip's source must
// share the first clip's MPEG version, sample rate and channel count.
//
// The work is done in three steps: the plan (joinplan.h) checks the clips and places each
// run of them on the output's frame grid, the joints (joints.h) are encoded, and the write
// (joinwrite.h) puts copied and encoded frames behind one info frame.

#include "platform/io/atomicfile.h"
#include "platform/mp3frames/index.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace trevisto::mp3enc {

// The MP3 a clip was cut from, as it was when it was opened, and the clip's samples of it.
struct ClipOrigin {
    QString path; // native
    mp3frames::FileIdentity identity;
    int64_t first = 0, last = 0; // the source's samples [first, last)
};

struct CopyJoinClip {
    std::optional<ClipOrigin> origin; // none: the clip was not cut from an MP3
    QString wavPath;                  // the clip's sound, native path
    // Whole steps of 2^(1/4) in amplitude (1.5 dB) the clip's copied frames get through
    // their global_gain, and its sound in the frames encoded again.
    int gainSteps = 0;
};

// What the join does to the sound beyond copying it, in samples: the overlap asked for at
// each joint (one fewer than the clips; missing or 0: a plain splice), and the fades at the
// start and the end.
struct CopyJoinShape {
    std::vector<int64_t> crossfade;
    int64_t fadeIn = 0, fadeOut = 0;
};

struct CopyJoinOutcome {
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
    // With Copied: the audio frames encoded again at the end for the fade-out.
    uint32_t leadOutFrames = 0;
    // With Copied: the samples the output decodes to and those the clips hold together.
    // Whole frames at each joint encoded again make the output shorter by less than a
    // frame there.
    int64_t samples = 0, clipSamples = 0;
    int sampleRate = 0;
    // With Copied: the samples each joint overlaps (one fewer than the clips): the
    // crossfade asked for and what whole frames add to it, less than a frame.
    std::vector<int64_t> overlaps;
};

// The ID3v2 tag in front of a join whose clips overlap by `overlaps` at their joints (one
// fewer than the clips, at `sampleRate`): for chapters that start where the clips do.
using CopyJoinTagOf = std::function<std::vector<unsigned char>(const std::vector<int64_t> &overlaps, int sampleRate)>;

// `tag`, when given, is the ID3v2 tag in front (none when empty), in place of the source's;
// `tagOf`, when set, makes it instead once the overlaps are known.
CopyJoinOutcome joinByCopy(const std::vector<CopyJoinClip> &clips, const QString &nativeOutput,
                           const io::AtomicFile::Options &options = {},
                           const std::vector<unsigned char> *tag = nullptr, const CopyJoinShape &shape = {},
                           const CopyJoinTagOf &tagOf = {});

// The overlap at each joint (one fewer than the clips) that joinByCopy() makes of `clips`
// and `shape`, worked out without encoding or writing anything; nothing where the clips
// cannot be joined by copying.
std::optional<std::vector<int64_t>> copyJoinOverlaps(const std::vector<CopyJoinClip> &clips,
                                                     const CopyJoinShape &shape);

} // namespace trevisto::mp3enc
