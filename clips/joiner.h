#pragma once
// Joining the clip files of the list into one WAV file, for both join commands. Knows
// nothing of widgets.

#include "clips/joinoptions.h"
#include "core/outcome.h"
#include "platform/wav/wav.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Bytes done and total, after each block; return false to cancel.
using JoinProgress = std::function<bool(uint64_t done, uint64_t total)>;

// Joins the clip WAV files (native paths, in list order) into one WAV at `output`:
// the first clip's format, every clip's sound data end to end (clips in another format
// are converted to the first one's), and correct size fields. Written to a temporary
// file beside `output` and renamed into place after a checked close (and a sync to the
// disk, unless `output` is the join working file, gone when the program ends); on any failure
// nothing is left under `output` (an existing file there is kept) and no temp file
// remains. `maxDataBytes` is lowered by tests to reach the size-field limit.
//
// Every clip is checked, and the joined size worked out, before anything is written: a
// missing or unreadable clip, a clip whose file holds less sound than its header says, a
// clip that cannot be converted, or a total beyond the size fields refuses the join with a
// message naming the file and the reason.
//
// With `shaping` whose options shape the sound, the clips are matched in loudness,
// crossfaded and faded as planJoinLevels() plans, in floating point, and written in the
// first clip's format; `planned`, when given, receives that plan.
struct JoinShaping {
    trevisto::JoinOptions options;
    // Each clip's, in order; a clip left unmeasured (or all, with the vector empty) is
    // measured by the join when its loudness is to be matched.
    std::vector<trevisto::Loudness> loudness;
    // Output frames [first, end) alone are written: a few seconds of the joined sound,
    // made exactly as the whole join makes them.
    std::optional<std::pair<int64_t, int64_t>> window;
    // Instead of `window`: the two seconds around the joint after clip `joint`, the middle
    // of its overlap in their middle. Only the clips heard there are measured.
    std::optional<size_t> joint;
    // The plan, made elsewhere, in place of the options' own: the levels and overlaps a
    // copied MP3 join makes (CopiedJoinLevels()), so that its joints are heard as it makes
    // them. Nothing is measured. Taken only when it has a gain for every clip.
    std::optional<trevisto::JoinLevels> levels;
};

Outcome JoinClips(const QStringList &clips, const QString &output, const JoinProgress &progress = {},
                  uint64_t maxDataBytes = trevisto::wav::kMaxFileDataBytes, const JoinShaping *shaping = nullptr,
                  trevisto::JoinLevels *planned = nullptr);
