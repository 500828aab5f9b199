#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <cstdint>
#include <memory>

namespace trevisto::bass {

// Tracker modules through libopenmpt, rendered as 16-bit stereo at `rate`. Throws
// Failure with BASS_ERROR_FILEFORM for files that are not modules.
std::unique_ptr<Decoder> openModuleDecoder(std::shared_ptr<SourceFile> file, uint32_t rate, bool ramping);

} // namespace trevisto::bass
