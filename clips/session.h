#pragma once
// The clip list kept between runs: one UTF-8 file, its first line naming the format, then
// one clip name a line in list order. Written whole after every change of the list, read
// at start-up and reconciled with the clip files actually in the clip folder.
//
// A clip cut from an MP3 file also keeps where it came from: in the second format its
// name is followed, after a tab, by the source's path (percent-encoded), size, time,
// frames' hash and the first and last sample. A list without such clips is written in
// the first format, as before.

#include "core/mp3origin.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace trevisto {

// The first line of a session file without clip origins, and of one with them.
inline constexpr const char *SessionFormatLine = "trevisto clip list 1";
inline constexpr const char *SessionFormatLineWithOrigins = "trevisto clip list 2";

// The origins of the clips that have one, by clip name.
using ClipOrigins = QHash<QString, Mp3Origin>;
// A longer file is no session the program wrote, and is refused unread.
inline constexpr qsizetype MaxSessionBytes = 1 << 20;

// Origins of names not in `names` are left out.
QByteArray FormatSession(const QStringList &names, const ClipOrigins &origins = {});

// The names in `text`, or nothing when it is damaged: another first line, a line the name
// rule refuses, a name twice in any letter case, an origin that does not read, or more
// than MaxSessionBytes. A final line break is optional, and a line may end in "\r\n".
// `origins`, when given, receives the clips' origins.
std::optional<QStringList> ParseSession(const QByteArray &text, ClipOrigins *origins = nullptr);

// What the list shows, given the names of the files in the clip folder: the `listed`
// names whose file is there, in their order, then each clip file no entry names (a clip
// saved but never recorded), by file name. Files whose names the name rule refuses are
// no clips. Names on the drive match in any letter case.
QStringList ReconcileSession(const QStringList &listed, const QStringList &files);

// The names of the regular files directly in the native folder `folder`.
QStringList FilesIn(const QString &folder);

struct SessionFile {
    bool found = false;   // a file was there
    bool damaged = false; // and it could not be read as a session, or not read at all
    QStringList names;
    ClipOrigins origins;
};
SessionFile ReadSessionFile(const QString &file);

// Replaces `file` with `names`, whole or not at all, synced to the disk. 0, or the errno
// of the call that failed.
int WriteSessionFile(const QString &file, const QStringList &names, const ClipOrigins &origins = {});

} // namespace trevisto
