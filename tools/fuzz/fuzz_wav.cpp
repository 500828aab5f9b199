// The WAV reader: parse a header, then read every frame it promises, in blocks of
// varying size, checking that the promise holds.

#include "platform/wav/wav.h"
#include "scratch_file.h"

#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ScratchFile scratch;
    const std::string &path = scratch.hold(data, size);

    trevisto::wav::ReadError error;
    const auto file = trevisto::wav::File::open(path, &error);
    if (!file)
        return 0;
    const trevisto::wav::Info &info = file->info();
    const int64_t block = info.format.blockAlign();
    if (!info.format.supported() || info.dataOffset + info.dataSize > info.fileSize ||
        info.frames * block != info.dataSize) {
        std::fprintf(stderr, "header accepted with an impossible layout\n");
        std::abort();
    }

    // Block sizes follow the input so that reads end at every kind of boundary.
    const int64_t step = 1 + (size > 0 ? data[size - 1] : 0);
    std::vector<unsigned char> buffer(static_cast<size_t>(step * block));
    int64_t frame = 0;
    while (frame < info.frames) {
        const int64_t n = file->readFrames(frame, step, buffer.data());
        if (n <= 0 || n > step) {
            std::fprintf(stderr, "read of frame %lld gave %lld of %lld frames\n", static_cast<long long>(frame),
                         static_cast<long long>(n), static_cast<long long>(info.frames));
            std::abort();
        }
        frame += n;
    }
    if (file->readFrames(frame, step, buffer.data()) != 0)
        std::abort();
    return 0;
}
