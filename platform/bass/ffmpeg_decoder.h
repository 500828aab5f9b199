#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <cstdint>
#include <memory>
#include <string>

namespace trevisto::bass {

// Every further sound format, and the first sound stream of videos, through FFmpeg's
// libraries: tried after the other decoders. Gapless as the libraries' own decoding
// is (encoder delay and padding removed); more than two channels are mixed down to
// stereo. Only the one file is ever read: no protocol, no nested open, and no
// demuxer that follows references to other files or addresses. Throws Failure with
// BASS_ERROR_FILEFORM and a BASS_REASON_* for anything it refuses.
std::unique_ptr<Decoder> openAvDecoder(std::shared_ptr<SourceFile> file);

// Whether a demuxer (by FFmpeg's name for it, e.g. "mov,mp4,m4a,3gp,3g2,mj2") is one
// the decoder uses.
bool isAcceptedDemuxer(const char *name);

// Opens of further files or addresses that a demuxer attempted and was refused, over
// the whole run; none ever succeeds.
uint64_t refusedNestedOpens();

} // namespace trevisto::bass
