#pragma once

#include "platform/bass/decoder.h"
#include "platform/bass/source_file.h"

#include <memory>

namespace trevisto::bass {

struct MpegOptions {
    // Threads that decode a long stream read from its start, a stretch each at a time:
    // 0 for one per core, 1 for the stream decoded whole on the reading thread.
    unsigned threads = 0;
    // Sample frames per stretch; a stream shorter than two stretches decodes whole.
    uint64_t stretchFrames = 1 << 20;
};

// MPEG audio (layers I-III) through libmpg123, gapless and with an exact length. A read
// from the start of a long, unbroken layer III stream decodes on several threads and
// delivers the very bytes a decode on one thread would.
std::unique_ptr<Decoder> openMpegDecoder(std::shared_ptr<SourceFile> file, const MpegOptions &options = {});

} // namespace trevisto::bass
