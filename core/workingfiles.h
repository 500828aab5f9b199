#pragma once
// The program's working files on drive C: and the flags of its file choosers. Each is
// written once, here; letter case in drive paths does not matter.

#include <QString>

namespace WorkingFiles {

// The source as PCM WAV: written by each conversion or Open Wav copy, played by the
// source player and cut by Set.
inline const QString Source = QStringLiteral("C:\\temp.wav");
// A new source on its way: it replaces Source only once it is complete, so a failed or
// cancelled open leaves the loaded sound as it was.
inline const QString SourceInProgress = QStringLiteral("C:\\temp.new.wav");
// The current cut result, played by the result player and saved as a clip.
inline const QString Result = QStringLiteral("c:\\temp2.wav");
// The working folder, made at start-up; it is also the clip folder.
inline const QString Folder = QStringLiteral("C:\\Temp");
inline const QString ClipFolder = QStringLiteral("C:\\temp\\");
// Held locked by the running copy of the program, so that a second one on the same drive
// keeps its hands off the working files.
inline const QString Lock = QStringLiteral("C:\\trevisto.lock");
// The clip list, in order, kept for the next start.
inline const QString Session = QStringLiteral("C:\\trevisto.clips");
// The joined clips on their way to the encoder.
inline const QString Concat = QStringLiteral("C:\\temp\\concat.wav");
// The two seconds around a joint, as the join will make them, while they play; outside the
// clip folder, where they would be taken for a clip.
inline const QString JointPreview = QStringLiteral("C:\\temp.joint.wav");

// The file of the clip named `name`.
inline QString ClipFile(const QString &name) { return ClipFolder + name + QStringLiteral(".wav"); }

} // namespace WorkingFiles

namespace ChooserFlags {

// Explorer style (0x80000), the file must exist (0x1000), no read-only box (0x4).
constexpr int OpenSource = 0x80000 | 0x1000 | 0x4;
// Explorer style, no read-only box.
constexpr int SaveWav = 0x80000 | 0x4;

} // namespace ChooserFlags
