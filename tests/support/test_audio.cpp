#include "support/test_audio.h"

#include "support/riffbuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace trevisto::test {

std::vector<uint8_t> Pcm::bytes() const
{
    std::vector<uint8_t> out;
    out.reserve(samples.size() * 2);
    for (int16_t s : samples) {
        const auto u = static_cast<uint16_t>(s);
        out.push_back(static_cast<uint8_t>(u & 0xFF));
        out.push_back(static_cast<uint8_t>(u >> 8));
    }
    return out;
}

Pcm makeTone(int rate, int channels, double seconds, double hz, double amplitude, double phase)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    const auto frames = static_cast<size_t>(std::llround(seconds * rate));
    pcm.samples.reserve(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2.0 * M_PI * hz * static_cast<double>(i) / rate + phase);
        const auto s = static_cast<int16_t>(std::lround(v * 32767.0));
        for (int c = 0; c < channels; ++c)
            pcm.samples.push_back(s);
    }
    return pcm;
}

Pcm makeBusySound(int rate, int channels, double seconds, uint32_t seed, const BusyMix &mix)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    for (size_t i = 0; i < size_t(seconds * rate); ++i)
        for (int c = 0; c < channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double t = double(i) / rate;
            const double v = mix.tone * std::sin(2 * M_PI * (mix.hz + mix.hzStep * c) * t) +
                             (double(seed >> 16) / 65536.0 - 0.5) * mix.noise;
            pcm.samples.push_back(int16_t(std::lround(v * 30000)));
        }
    return pcm;
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "trevisto-audio-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temp folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t id3v2Bytes(const uint8_t *data, size_t size)
{
    if (size < 10 || data[0] != 'I' || data[1] != 'D' || data[2] != '3')
        return 0;
    const size_t body = size_t(data[6] & 0x7F) << 21 | size_t(data[7] & 0x7F) << 14 | size_t(data[8] & 0x7F) << 7 |
                        size_t(data[9] & 0x7F);
    const bool footer = data[5] & 0x10;
    return std::min(size, 10 + body + (footer ? 10 : 0));
}

void truncateFile(const std::string &path, uint64_t size)
{
    if (::truncate(path.c_str(), static_cast<off_t>(size)) != 0)
        throw std::runtime_error("cannot resize " + path);
}

std::vector<uint8_t> wavHeader(int rate, int channels, int bits, uint32_t dataBytes)
{
    const uint32_t blockAlign = static_cast<uint32_t>(channels * ((bits + 7) / 8));
    const Bytes format = fmtBody(1, uint16_t(channels), uint32_t(rate), uint16_t(bits), uint16_t(blockAlign));
    // The data chunk's header alone: the sound follows it, and the RIFF size counts it, as
    // far as the field reaches.
    Bytes h = riffFile(riffChunk("fmt ", format) + riffChunk("data", {}, dataBytes));
    const uint32_t riffSize = dataBytes > UINT32_MAX - 36 ? UINT32_MAX : 36 + dataBytes;
    for (int i = 0; i < 4; ++i)
        h[4 + i] = uint8_t(riffSize >> (8 * i));
    return h;
}

void writeWav(const std::string &path, int rate, int channels, int bits, const std::vector<uint8_t> &data)
{
    std::vector<uint8_t> file = wavHeader(rate, channels, bits, static_cast<uint32_t>(data.size()));
    file.insert(file.end(), data.begin(), data.end());
    writeBytes(path, file);
}

void writeWav(const std::string &path, const Pcm &pcm)
{
    writeWav(path, pcm.rate, pcm.channels, 16, pcm.bytes());
}

} // namespace trevisto::test
