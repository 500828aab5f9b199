#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <memory>

namespace trevisto::bass {

// MPEG audio (layers I-III) through libmpg123, gapless and with an exact length.
std::unique_ptr<Decoder> openMpegDecoder(std::shared_ptr<SourceFile> file);

} // namespace trevisto::bass
