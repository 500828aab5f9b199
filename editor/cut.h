#pragma once
// The cut: the source working file cut down to the marks and saved as the cut result,
// through the sound device.

#include "core/devicecommands.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The device commands that cut `source` (a sound of `lengthMs`) to [markIn, markOut) and
// save what is left as `result`: the head goes first, so the tail's positions are counted
// from the new start.
QStringList CutCommands(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                        int64_t lengthMs);

// The samples of the source that the cut result holds, [first, last), as the device cut
// them; empty (first == last) when it holds none.
struct CutRange {
    int64_t first = 0, last = 0;
    bool operator==(const CutRange &) const = default;
};

// Runs the cut. An earlier `result` is removed first and a failed cut leaves none, so a
// failure can never leave an older result looking like this one. `result` is a working
// file: it is not synced to the disk, nor is any later device save to it. `range`, when given,
// receives the source samples the result holds.
CommandOutcome CutSource(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                         int64_t lengthMs, CutRange *range = nullptr);
