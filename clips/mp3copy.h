#pragma once
// Saving a cut as MP3 by copying the frames of the MP3 it was cut from: exactly the cut's
// samples, in the source's own coding, without encoding again. When that cannot be done
// the caller encodes the cut instead, and says why.

#include "core/mp3origin.h"
#include "platform/io/atomicfile.h"

#include <QString>

#include <optional>
#include <vector>

namespace trevisto {

struct Mp3CopyOutcome {
    enum Kind {
        Copied,      // the file is in place
        NotCopyable, // nothing written; `why` says why the cut must be encoded
        Failed,      // nothing written; `why` says why the file could not be written
    };
    Kind kind = NotCopyable;
    QString why;
    // The source's sample rate and (average) bit rate, when it could be read; for an
    // encoding that comes closest to it.
    int sourceRate = 0, sourceKbps = 0;
};

// Writes the samples `origin` names, copied from its source, to `nativeOutput`. No origin
// (a cut of a sound that was not an MP3), a source changed since it was opened, a cut
// shorter than one frame, free format or damage in the range: NotCopyable. `nativeSound`
// is the cut's sound as a WAV file: where the cut starts in frames that take bit-reservoir
// bytes from before the source's start, the frames in front of the first that takes none
// are encoded again from it, as at a joint.
// `tag`, when given, is the ID3v2 tag in front (none when empty) in place of the source's.
Mp3CopyOutcome CopyMp3Cut(const std::optional<Mp3Origin> &origin, const QString &nativeSound,
                          const QString &nativeOutput, const io::AtomicFile::Options &options = {},
                          const std::vector<unsigned char> *tag = nullptr);

} // namespace trevisto
