#pragma once
// Where each clip of a join lies in the joined sound, for what describes the join beside
// its sound: the chapters of a joined MP3 and the cue sheet written beside a join.

#include "clips/outputjob.h"
#include "core/outcome.h"
#include "platform/tags/tags.h"

#include <QString>

#include <vector>

namespace trevisto {

// The chapters of a join of `pieces`: each piece's span of the joined sound in ms, end to
// end, named after it. Empty when a piece cannot be read.
std::vector<tags::Chapter> JoinChapters(const std::vector<OutputPiece> &pieces);

// Writes the cue sheet beside the joined file `output`: one track per piece, named after
// it, whose INDEX 01 is where it starts in the joined sound. Says why when it could not.
Outcome WriteJoinCueSheet(const QString &output, const std::vector<OutputPiece> &pieces);

} // namespace trevisto
