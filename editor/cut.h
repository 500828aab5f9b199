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

// Runs the cut. An earlier `result` is removed first and a failed cut leaves none, so a
// failure can never leave an older result looking like this one.
CommandOutcome CutSource(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                         int64_t lengthMs);
