#include "support/test_audio.h"

#include <sndfile.h>

#include <stdexcept>

namespace trevisto::test {
namespace {

void writeWithSndfile(const std::string &path, const Pcm &pcm, int format, double vorbisQuality = -1)
{
    SF_INFO info{};
    info.samplerate = pcm.rate;
    info.channels = pcm.channels;
    info.format = format;
    SNDFILE *sf = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!sf)
        throw std::runtime_error("cannot create " + path + ": " + sf_strerror(nullptr));
    if (vorbisQuality >= 0)
        sf_command(sf, SFC_SET_VBR_ENCODING_QUALITY, &vorbisQuality, sizeof vorbisQuality);
    const auto frames = static_cast<sf_count_t>(pcm.frames());
    const sf_count_t written = sf_writef_short(sf, pcm.samples.data(), frames);
    const int closed = sf_close(sf);
    if (written != frames || closed != 0)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

void writeAiff(const std::string &path, const Pcm &pcm)
{
    writeWithSndfile(path, pcm, SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
}

void writeFlac(const std::string &path, const Pcm &pcm)
{
    writeWithSndfile(path, pcm, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
}

void writeOgg(const std::string &path, const Pcm &pcm, double quality)
{
    writeWithSndfile(path, pcm, SF_FORMAT_OGG | SF_FORMAT_VORBIS, quality);
}

} // namespace trevisto::test
