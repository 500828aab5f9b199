#pragma once
// The names of the clips made from tracks: a cue sheet's title where the clip-name rules
// take it (its blanks written as "_"), else the typed prefix and the track's two-digit
// number, never a name already listed, given earlier in the same run, or held by a clip file.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct TrackClipName {
    QString name;
    QString asked;         // the title the track came with; empty with none
    bool replaced = false; // `asked` was refused and `name` took its place
};

// `asked` holds each track's title (empty: none). `fileTaken(name)` says whether a clip
// file of that name is already there.
std::vector<TrackClipName> NameTrackClips(const std::vector<QString> &asked, const QString &prefix,
                                          const QStringList &listed,
                                          const std::function<bool(const QString &)> &fileTaken);

// True when the clip-name rules take `prefix` followed by digits.
bool TrackPrefixAccepted(const QString &prefix);
