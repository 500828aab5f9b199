#pragma once
// Where each clip of a join lies in the joined sound, for what describes the join beside
// its sound: the chapters of a joined MP3 and the cue sheet written beside a join.

#include "clips/joinoptions.h"
#include "clips/outputjob.h"
#include "core/outcome.h"
#include "platform/tags/tags.h"

#include <QString>

#include <optional>
#include <vector>

namespace trevisto {

// The chapters of a join of `pieces`: each piece's span of the joined sound in ms, from
// where it starts to where the next one starts, named after it; with `levels`, the joints
// overlap as those say. Empty when a piece cannot be read.
std::vector<tags::Chapter> JoinChapters(const std::vector<OutputPiece> &pieces,
                                        const std::optional<JoinLevels> &levels = std::nullopt);

// Writes the cue sheet beside the joined file `output`: one track per piece, named after
// it, whose INDEX 01 is where it starts in the joined sound (overlapped as `levels` say).
// Says why when it could not.
Outcome WriteJoinCueSheet(const QString &output, const std::vector<OutputPiece> &pieces,
                          const std::optional<JoinLevels> &levels = std::nullopt);

// The levels that place each clip of a copied MP3 join: `planned` (none for a join that
// shapes nothing; then only the overlaps and the rate are set) with each joint's overlap as
// the copy makes it, `overlaps` at `sampleRate`.
JoinLevels CopiedTimeline(const std::optional<JoinLevels> &planned, const std::vector<int64_t> &overlaps,
                          int sampleRate);

// What places each clip of the finished join `done`: its levels, with a copied join's
// overlaps as written.
std::optional<JoinLevels> JoinTimelineOf(const OutputDone &done);

} // namespace trevisto
