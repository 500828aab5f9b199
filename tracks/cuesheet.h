#pragma once
// Cue sheets: the text files that name one sound file and where each of its tracks starts,
// in frames of 1/75 s. Reading one gives the sound to open and its tracks' starts as split
// points; writing one beside a joined file gives a track per clip.

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace trevisto::tracks {

constexpr int64_t kCueFramesPerSecond = 75;
// A sheet is a few kilobytes; anything this large is not one.
constexpr int64_t kMaxCueSheetBytes = 1 << 20;

struct CueTrack {
    int number = 0;
    QString title, performer;
    int64_t start = 0; // INDEX 01, in cue frames
    int line = 0;      // of its INDEX 01, for messages
};

struct CueSheet {
    QString file;     // as written in the sheet
    int fileLine = 0;
    QString title, performer;
    std::vector<CueTrack> tracks;
};

struct CueRead {
    CueSheet sheet;
    Outcome outcome;
};

// Parses a sheet's bytes: UTF-8 or UTF-16 with or without a byte order mark, else Latin-1;
// lines end in LF or CRLF. A refusal names the line at fault.
CueRead ParseCueSheet(const QByteArray &bytes);

// Reads the sheet at `path` (at most kMaxCueSheetBytes) and parses it; `file` comes back
// as an absolute path, a relative one taken from the sheet's folder, and must exist.
CueRead ReadCueSheet(const QString &path);

// The sound frame where a cue frame falls at `rate`, to the nearest (exact at the rates
// that 75 divides, 44100 and 48000 among them).
int64_t CueToSoundFrame(int64_t cueFrames, uint32_t rate);
int64_t SoundToCueFrame(int64_t soundFrame, uint32_t rate);

// Refuses a sheet one of whose tracks starts at or past the end of a sound of `frames`
// frames, naming that track's line.
Outcome CheckCueAgainstSound(const CueSheet &sheet, int64_t frames, uint32_t rate);

// A track's name for a clip: its title, after its performer when the sheet gives one that
// differs from the whole sheet's.
QString CueTrackName(const CueSheet &sheet, const CueTrack &track);

// mm:ss:ff, the minutes as many digits as they need (two at least).
QString CueTime(int64_t cueFrames);

struct CueOutTrack {
    QString title;
    int64_t start = 0; // sound frames in the joined file
};
// The sheet of a joined file `fileName` (a name beside the sheet) of `rate`: one track
// per clip, UTF-8, CRLF line ends as most players expect.
QByteArray WriteCueSheet(const QString &fileName, bool mp3, uint32_t rate, const std::vector<CueOutTrack> &tracks);

// Where each of the clips of `frames` frames at `rates` starts in their join at `rate`,
// each clip's time kept: the clips' names go with them.
std::vector<CueOutTrack> JoinedTracks(const std::vector<QString> &names, const std::vector<int64_t> &frames,
                                      const std::vector<uint32_t> &rates, uint32_t rate);

// The sheet beside a joined file: its name with ".cue" for its extension.
QString CueSheetBeside(const QString &output);

// Writes `bytes` as the file `path`, whole or not at all; the reason when it fails.
Outcome WriteCueSheetFile(const QString &path, const QByteArray &bytes);

} // namespace trevisto::tracks
