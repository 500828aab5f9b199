#include "platform/mp3enc/standalone.h"

#include "platform/mp3enc/lamesetup.h"
#include "platform/mp3frames/framecutter.h"

namespace trevisto::mp3enc {

std::vector<mp3frames::Frame> encodeStandalone(const int16_t *pcm, size_t frames, int rate, int channels, int kbps)
{
    const Lame lame = newLame();
    if (!lame || (channels != 1 && channels != 2))
        return {};
    lame_t gf = lame.get();
    if (!setUpLame(gf, {channels, rate, kbps, false, false}))
        return {};
    std::vector<short> samples(pcm, pcm + frames * size_t(channels));
    std::vector<unsigned char> out(frames * 5 / 4 + 7200);
    std::vector<mp3frames::Frame> split;
    mp3frames::FrameCutter cutter;
    auto keep = [&split](const unsigned char *frame, const mp3frames::FrameHeader &h) {
        split.emplace_back(frame, frame + h.frameBytes());
        return true;
    };
    const int n = channels == 2
                      ? lame_encode_buffer_interleaved(gf, samples.data(), int(frames), out.data(), int(out.size()))
                      : lame_encode_buffer(gf, samples.data(), samples.data(), int(frames), out.data(), int(out.size()));
    if (n < 0 || !cutter.feed(out.data(), size_t(n), keep))
        return {};
    const int tail = lame_encode_flush(gf, out.data(), int(out.size()));
    if (tail < 0 || !cutter.feed(out.data(), size_t(tail), keep) || cutter.pending() > 0)
        return {};
    return split;
}

} // namespace trevisto::mp3enc
