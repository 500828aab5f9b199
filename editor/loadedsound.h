#pragma once
// What is loaded, what is being loaded, and where each came from: the decoding channel of
// the file being converted, the file the loaded sound came from with the MP3 frames it was
// decoded from, and the source samples the cut result holds. A cut or a clip of an MP3
// keeps its origin so that "Copy" can copy its frames instead of encoding them again. The
// split points proposed on it, and a cue sheet waiting for its sound, go with it.

#include "core/mp3origin.h"
#include "editor/splitplan.h"
#include "tracks/cuesheet.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

struct LoadedSound {
    // The source samples [first, last) of a cut hold, when the loaded sound was decoded
    // from an MP3 and the cut holds any.
    std::optional<Mp3Origin> originOf(int64_t first, int64_t last) const;

    quint32 Chan = 0;      // the decoding channel of the file being converted
    int64_t DataLength = 0; // bytes of the sound written from it
    QString channelSource; // the file Chan reads
    QString file;          // the file the loaded sound came from; empty with none loaded
    std::optional<Mp3Source> mp3;          // the MP3 file the loaded sound was decoded from
    std::optional<Mp3Origin> resultOrigin; // the source samples the cut result holds
    trevisto::SplitPlan splits;            // the split points proposed on the loaded sound
    // A cue sheet whose sound is being opened: its tracks become the split points once it is.
    struct Cue {
        trevisto::tracks::CueSheet sheet;
        QString path;
    };
    std::optional<Cue> cue;
};
