#include "platform/mp3enc/stretch.h"

#include <lame/lame.h>

#include <cstdarg>
#include <memory>

namespace trevisto::mp3enc {

namespace {

void quiet(const char *, va_list) {}

// The frame lengths in `bytes`, whole frames only.
bool splitFrames(const std::vector<unsigned char> &bytes, std::vector<std::vector<unsigned char>> &out)
{
    static const int mpeg1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int mpeg2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
    for (size_t at = 0; at < bytes.size();) {
        if (bytes.size() - at < 4 || bytes[at] != 0xFF || (bytes[at + 1] & 0xE6) != 0xE2)
            return false;
        const int version = (bytes[at + 1] >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
        const int index = bytes[at + 2] >> 4, rateIndex = (bytes[at + 2] >> 2) & 3;
        if (version == 1 || index == 0 || index == 15 || rateIndex == 3)
            return false;
        const int row = version == 3 ? 0 : version == 2 ? 1 : 2;
        const int kbps = version == 3 ? mpeg1[index] : mpeg2[index];
        const size_t size = size_t((version == 3 ? 144000 : 72000) * kbps / rates[row][rateIndex]) +
                            ((bytes[at + 2] >> 1) & 1);
        if (size > bytes.size() - at)
            return false;
        out.emplace_back(bytes.begin() + long(at), bytes.begin() + long(at + size));
        at += size;
    }
    return true;
}

} // namespace

std::vector<std::vector<unsigned char>> encodeStretch(const int16_t *pcm, size_t frames, int rate, int channels,
                                                      int kbps)
{
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags *)> lame(lame_init(), lame_close);
    if (!lame || (channels != 1 && channels != 2))
        return {};
    lame_t gf = lame.get();
    lame_set_errorf(gf, quiet);
    lame_set_msgf(gf, quiet);
    lame_set_debugf(gf, quiet);
    lame_set_num_channels(gf, channels);
    lame_set_in_samplerate(gf, rate);
    lame_set_out_samplerate(gf, rate);
    lame_set_mode(gf, channels == 1 ? MONO : JOINT_STEREO);
    lame_set_VBR(gf, vbr_off);
    lame_set_brate(gf, kbps);
    lame_set_disable_reservoir(gf, 1);
    lame_set_bWriteVbrTag(gf, 0);
    if (lame_init_params(gf) < 0 || lame_get_out_samplerate(gf) != rate)
        return {};
    std::vector<short> samples(pcm, pcm + frames * size_t(channels));
    std::vector<unsigned char> out(frames * 5 / 4 + 7200), mp3;
    const int n = channels == 2
                      ? lame_encode_buffer_interleaved(gf, samples.data(), int(frames), out.data(), int(out.size()))
                      : lame_encode_buffer(gf, samples.data(), samples.data(), int(frames), out.data(), int(out.size()));
    if (n < 0)
        return {};
    mp3.assign(out.begin(), out.begin() + n);
    const int tail = lame_encode_flush(gf, out.data(), int(out.size()));
    if (tail < 0)
        return {};
    mp3.insert(mp3.end(), out.begin(), out.begin() + tail);
    std::vector<std::vector<unsigned char>> split;
    if (!splitFrames(mp3, split))
        return {};
    return split;
}

} // namespace trevisto::mp3enc
