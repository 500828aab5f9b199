#pragma once
// The window's file choosers, each one complete request built where it is used: nothing
// carries over from one chooser to the next but the previous choice, which only the
// choosers that offer it are given.

#include "app/dialogs.h"

#include <QString>

namespace trevisto {

// The filters, in the "description|pattern" form. The decoding Open items have theirs by
// kind (SourceFilter).
inline const QString WavFilter = QStringLiteral("Wav File(*.wav)|*.wav");
inline const QString Mp3SaveFilter = QStringLiteral("MP3(*.mp3)|*.mp3");
// The save and join choosers offer further encodings after their own; the output's type
// follows the name's extension, which the chosen filter supplies when none is typed.
inline const QString WavSaveFilter = QStringLiteral("Wav File(*.wav)|*.wav|FLAC(*.flac)|*.flac");
inline const QString Mp3OutFilter =
    QStringLiteral("MP3(*.mp3)|*.mp3|Ogg Vorbis(*.ogg)|*.ogg|Opus(*.opus)|*.opus");

inline const QString JoinWavTitle = QStringLiteral("Select a file to Save");

// Opens a source of the kind `filter` lists; `previous` is the last file chosen or given,
// offered again where the filter lists it.
FileRequest openSourceRequest(const QString &filter, const QString &previous);
// Saves the cut result or the joined clips as MP3.
FileRequest saveMp3Request();
// Saves the cut result as WAV.
FileRequest saveWavRequest();
// Joins the clips into a WAV file, offering `previous` again where it is a WAV file.
FileRequest joinWavRequest(const QString &previous);

// `request` starting in `folder`, the folder its kind of chooser was last used in, where
// there is one. A file offered by its full path names its own folder and keeps it.
FileRequest inKeptFolder(FileRequest request, const QString &folder);

} // namespace trevisto
