#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <memory>

namespace trevisto::bass {

// Every further sound format, and the first sound stream of videos, through FFmpeg's
// libraries: tried after the other decoders. Gapless as the libraries' own decoding
// is (encoder delay and padding removed); more than two channels are mixed down to
// stereo. Only the one file is ever read: no protocol, no nested open, and no
// demuxer that follows references to other files or addresses. Throws Failure with
// BASS_ERROR_FILEFORM and a BASS_REASON_* for anything it refuses.
std::unique_ptr<Decoder> openAvDecoder(std::shared_ptr<SourceFile> file);

} // namespace trevisto::bass
