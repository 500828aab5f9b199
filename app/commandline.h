#pragma once
// Sounds handed to the program from outside: the one named on its command line, opened once
// the window is up, and the one dropped on the window.

#include <QString>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <optional>

// How a sound named by path is opened: played in place as a WAV, or decoded by the
// decoding library into the working file.
enum class OpenRoute { Wav, Decoded };

// The route by the file's first bytes: a RIFF (or RF64) WAVE header goes the WAV way, anything else
// is decoded. A file whose start cannot be read is judged by its name, so that it meets
// the refusal of the item a user would have picked for it.
OpenRoute openRouteFor(const QString &path);

// A cue sheet, by its name's extension: it opens the sound it names, with its tracks.
bool IsCueSheet(const QString &path);

// The file named by `arguments` (those after the program name, once Qt has taken its own
// options out), made absolute against `currentFolder`; nothing when none is named. Other
// options are ignored, "--" ends them, and only the first file counts.
std::optional<QString> fileToOpen(const QStringList &arguments, const QString &currentFolder);

// The file a drop names: exactly one local file that is not a folder. Otherwise nothing,
// and `why` says what is wrong with the drop.
std::optional<QString> droppedFile(const QList<QUrl> &urls, QString *why);
