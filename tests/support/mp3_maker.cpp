#include "support/test_audio.h"

#include <lame/lame.h>

#include <cstdarg>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace trevisto::test {
namespace {

void quiet(const char *, va_list) {}

} // namespace

void writeMp3(const std::string &path, const Pcm &pcm, int kbps)
{
    writeMp3(path, pcm, Mp3Options{kbps});
}

void writeMp3(const std::string &path, const Pcm &pcm, const Mp3Options &options)
{
    const int kbps = options.kbps;
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags *)> lame(lame_init(), lame_close);
    if (!lame)
        throw std::runtime_error("cannot start the MP3 encoder");
    lame_t gf = lame.get();
    lame_set_errorf(gf, quiet);
    lame_set_msgf(gf, quiet);
    lame_set_debugf(gf, quiet);
    lame_set_num_channels(gf, pcm.channels);
    lame_set_in_samplerate(gf, pcm.rate);
    lame_set_out_samplerate(gf, pcm.rate); // otherwise some bitrates resample
    if (options.vbrQuality >= 0) {
        lame_set_VBR(gf, vbr_default);
        lame_set_VBR_q(gf, options.vbrQuality);
    } else {
        lame_set_brate(gf, kbps);
    }
    lame_set_error_protection(gf, options.crc ? 1 : 0);
    lame_set_mode(gf, pcm.channels == 1 ? MONO : options.jointStereo ? JOINT_STEREO : STEREO);
    lame_set_bWriteVbrTag(gf, options.infoTag ? 1 : 0);
    lame_set_quality(gf, 7);
    if (lame_init_params(gf) < 0)
        throw std::runtime_error("MP3 encoder refused the settings");

    std::vector<short> samples(pcm.samples.begin(), pcm.samples.end());
    const int frames = static_cast<int>(pcm.frames());
    std::vector<unsigned char> out(static_cast<size_t>(frames) * 5 / 4 + 7200);
    int n = pcm.channels == 2
                ? lame_encode_buffer_interleaved(gf, samples.data(), frames, out.data(), static_cast<int>(out.size()))
                : lame_encode_buffer(gf, samples.data(), samples.data(), frames, out.data(), static_cast<int>(out.size()));
    if (n < 0)
        throw std::runtime_error("MP3 encoding failed");
    std::vector<unsigned char> mp3(out.begin(), out.begin() + n);
    n = lame_encode_flush(gf, out.data(), static_cast<int>(out.size()));
    if (n < 0)
        throw std::runtime_error("MP3 encoding failed");
    mp3.insert(mp3.end(), out.begin(), out.begin() + n);

    // The info tag is only complete after the flush; it replaces the placeholder
    // frame at the very start of the stream.
    if (options.infoTag) {
        unsigned char tag[2880];
        const size_t tagBytes = lame_get_lametag_frame(gf, tag, sizeof tag);
        if (tagBytes == 0 || tagBytes > sizeof tag || tagBytes > mp3.size())
            throw std::runtime_error("MP3 encoder gave no info tag");
        std::copy(tag, tag + tagBytes, mp3.begin());
    }
    writeBytes(path, std::vector<uint8_t>(mp3.begin(), mp3.end()));
}

} // namespace trevisto::test
