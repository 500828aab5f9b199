// The AVI reader behind the wait window's animation, without a window: a clip it accepts
// must be one the player can show frame by frame.

#include "ui/aviclip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    AviClip clip;
    QString error;
    if (!decodeAvi(bytes, &clip, &error)) {
        if (error.isEmpty() || !clip.frames.isEmpty()) {
            std::fprintf(stderr, "a refusal without a reason, or with pictures left behind\n");
            std::abort();
        }
        return 0;
    }
    bool ok = !clip.frames.isEmpty() && clip.frameIntervalMs >= AviLimits::MinIntervalMs &&
              clip.frameIntervalMs <= AviLimits::MaxIntervalMs;
    for (const QImage &frame : clip.frames)
        ok = ok && frame.size() == clip.frameSize && frame.format() == QImage::Format_RGB32;
    if (!ok) {
        std::fprintf(stderr, "an accepted clip the player cannot show\n");
        std::abort();
    }
    return 0;
}
