#pragma once
// The pause search as the four texts of its form and of its kept setting: the threshold in
// dBFS (empty: automatic), the shortest pause and the shortest track in seconds, and the
// pause kept before each split in milliseconds (empty: the split in the pause's middle).

#include "tracks/pauses.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace trevisto::tracks {

QStringList PauseSearchTexts(const PauseSearch &search);

// The search the texts give; nullopt, and a reason naming the field, when one is no number
// in its range. A decimal comma counts as a point.
std::optional<PauseSearch> PauseSearchFromTexts(const QStringList &texts, QString *why = nullptr);

// The kept setting: the four texts, ";" between them.
QString PauseSearchSetting(const PauseSearch &search);
// The search a kept setting gives; the defaults where it is missing or damaged.
PauseSearch PauseSearchFromSetting(const QString &setting);

// The labels of the four fields, in the language of the program's messages.
QStringList PauseSearchLabels();

// Minutes for "every N minutes": a whole number from 1 to 1440; nullopt otherwise.
std::optional<int> SplitMinutesFromText(const QString &text);

} // namespace trevisto::tracks
