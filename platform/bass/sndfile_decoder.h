#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <memory>

namespace trevisto::bass {

// WAV, AIFF, Ogg Vorbis and FLAC through libsndfile. Throws Failure with
// BASS_ERROR_FILEFORM for anything else it might read.
std::unique_ptr<Decoder> openSndfileDecoder(std::shared_ptr<SourceFile> file);

} // namespace trevisto::bass
