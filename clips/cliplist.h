#pragma once
// The rules of the clip list that need no window: which names a clip may have, which list
// buttons a list allows, where a moved entry goes, and saving the cut result as a file.

#include "core/devicecommands.h"

#include <QString>
#include <QStringList>

class QItemSelectionModel;

// What the name rule makes of a typed answer.
enum class ClipName {
    Invalid,   // a character outside the clip-name set
    Empty,     // nothing typed, or the box was cancelled
    Duplicate, // an entry of that name, in any letter case, is listed (or its clip file exists)
    Accepted,
};

// The characters of a clip name, compared after upper-casing: every letter, the digits,
// "-" and "_".
inline constexpr const char *ClipNameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_";

// Checks every character first, then emptiness, then the entries from the first to the
// last. Upper-casing maps only a-z, whatever the locale: "ı" or "ß" are simply invalid.
// The joining work file lies in the clip folder, so its name counts as taken: a clip of
// that name would be written over by the next join, and swept away at the next start.
ClipName CheckClipName(const QString &answer, const QStringList &entries);

// True when the native path `clipFile` names anything but a folder (a file, a link, even
// one to nothing): a new clip would be written over it, so its name counts as taken. A
// folder of that name is no clip; saving onto it fails and says why.
bool ClipFileTaken(const QString &clipFile);
// The entry the list shows as selected: its current row while that row is highlighted,
// else -1. A blank click, a Ctrl+click on the highlighted entry or tabbing into the list
// leave a current row that nothing shows as picked.
int SelectedRow(const QItemSelectionModel &selection);

// The enabled state of the list buttons for `count` entries with entry `selected`
// selected (-1 for none).
struct ListButtons {
    bool joinAndDeleteAll = false; // CmdCreate, Command2, Command4
    bool playAndDeleteOne = false; // CmdPlayList, Command5
    bool up = false;               // CmdUp
    bool down = false;             // CmdDown
    bool operator==(const ListButtons &) const = default;
};
ListButtons ListButtonStates(int count, int selected);

// Where the selected entry goes when moved one place up (`step` -1) or down (+1), or -1
// when it cannot move.
int MoveTarget(int count, int selected, int step);

// Saves the cut result `result` as `file` (a clip, or a WAV the user chose) through the
// sound device. A failed save leaves no file of its own and keeps an earlier one.
CommandOutcome SaveResult(const QString &result, const QString &file);
