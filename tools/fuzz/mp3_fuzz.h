#pragma once
// What the MP3 copy and join targets share: how an input names a sample range, a folder for
// the files they write, a clip's sound as a WAV file, and checks of what the frame layer
// promises about a file it wrote.

#include "platform/mp3frames/index.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace mp3fuzz {

[[noreturn]] inline void fail(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

// With TREVISTO_FUZZ_VERBOSE set, what became of each input, for reading a replayed one.
inline void note(const char *format, ...)
{
    static const bool verbose = std::getenv("TREVISTO_FUZZ_VERBOSE") != nullptr;
    if (!verbose)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}

// A range of `samples` from two 16-bit numbers of the input. Small numbers are taken as they
// are, so that starts at and near the first sample, where the bit reservoir reaches before
// the file, come up often; larger ones are fractions of the sound.
inline std::pair<int64_t, int64_t> rangeOf(uint16_t a, uint16_t b, int64_t samples)
{
    const int64_t first = a < 4096 ? a : samples * a / 65536;
    const int64_t length = b < 4096 ? int64_t(b) * 16 : (samples - first) * b / 65536;
    return {first, first + length};
}

inline uint16_t be16(const uint8_t *p) { return uint16_t(p[0] << 8 | p[1]); }

// A folder of this process's own under the system temp folder, for the files written; each
// input overwrites the last one's.
class WorkFolder {
public:
    WorkFolder()
    {
        char name[] = "/tmp/trevisto-fuzz-XXXXXX";
        if (!::mkdtemp(name))
            std::abort();
        path_ = name;
    }
    ~WorkFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A 16-bit PCM WAV file of `frames` frames: a quiet tone, which the encoder codes in frames
// of every kind as it rises and falls.
inline void writeSound(const std::string &path, int rate, int channels, int64_t frames, uint32_t seed)
{
    std::vector<uint8_t> bytes(44 + size_t(frames) * size_t(channels) * 2);
    auto put32 = [&bytes](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    const uint32_t data = uint32_t(bytes.size() - 44);
    std::copy_n("RIFF", 4, bytes.begin());
    put32(4, data + 36);
    std::copy_n("WAVEfmt ", 8, bytes.begin() + 8);
    put32(16, 16);
    put32(20, 1 | uint32_t(channels) << 16);
    put32(24, uint32_t(rate));
    put32(28, uint32_t(rate * channels * 2));
    put32(32, uint32_t(channels * 2) | 16u << 16);
    std::copy_n("data", 4, bytes.begin() + 36);
    put32(40, data);
    uint32_t phase = seed;
    for (size_t i = 44; i + 1 < bytes.size(); i += 2) {
        phase += 1000 + (seed & 0xFFF);
        const int16_t v = int16_t(int32_t(phase >> 16) - 32768) / 8;
        bytes[i] = uint8_t(v);
        bytes[i + 1] = uint8_t(uint16_t(v) >> 8);
    }
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        fail("cannot write the clip's sound %s", path.c_str());
}

inline std::vector<uint8_t> readAll(const std::string &path)
{
    std::vector<uint8_t> bytes;
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        fail("cannot read back %s", path.c_str());
    uint8_t block[65536];
    for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
        bytes.insert(bytes.end(), block, block + n);
    std::fclose(f);
    return bytes;
}

// What the index promises of any file: its frames lie in order between the tags, each of
// the stream's layout and of the size its header gives.
inline void checkIndex(const trevisto::mp3frames::Mp3Index &index, uint64_t fileSize)
{
    using namespace trevisto::mp3frames;
    if (index.audioEnd > fileSize || index.id3v2Bytes > index.audioEnd)
        fail("the index places the audio outside the file");
    if (index.info && index.info->offset + index.info->bytes > index.audioEnd)
        fail("the info frame runs past the audio");
    uint64_t end = index.info ? index.info->offset + index.info->bytes : index.id3v2Bytes;
    for (size_t i = 0; i < index.frames.size(); ++i) {
        const FrameEntry &e = index.frames[i];
        const FrameHeader h = e.parsedHeader();
        if (e.offset < end || e.offset + e.bytes > index.audioEnd)
            fail("frame %zu at %llu overlaps another or the tags", i, (unsigned long long)e.offset);
        if (!h.sameLayout(index.layout) || h.bitRateIndex == 0 || h.frameBytes() != e.bytes)
            fail("frame %zu does not have the stream's layout or its size", i);
        if (e.mainDataBegin > h.maxMainDataBegin())
            fail("frame %zu reaches back further than its header allows", i);
        end = e.offset + e.bytes;
    }
    if (index.samples() < 0)
        fail("a negative length");
}

// What a file the frame layer wrote promises: an info frame the decoder trims by, exactly
// `samples` samples, and every frame in `layout`.
inline trevisto::mp3frames::Mp3Index checkWritten(const std::string &path, const trevisto::mp3frames::FrameHeader &layout,
                                                  int64_t samples, uint64_t bytes)
{
    using namespace trevisto::mp3frames;
    const IndexResult r = indexMp3(path);
    if (!r.index)
        fail("the written file does not index (refusal %d)", int(r.refusal));
    const Mp3Index &out = *r.index;
    if (bytes && out.identity.size != bytes)
        fail("the written file holds %llu bytes, not the %llu reported", (unsigned long long)out.identity.size,
             (unsigned long long)bytes);
    checkIndex(out, out.identity.size);
    if (!out.lameTagged() || out.truncatedTail || out.freeFormat || !out.delivered().known || out.joinedAt())
        fail("the written file has no sound info frame or a broken end");
    if (!out.info->frames || *out.info->frames != out.frames.size())
        fail("the info frame counts %u frames of %zu", out.info->frames.value_or(0), out.frames.size());
    if (out.samples() != samples)
        fail("the written file holds %lld samples, not %lld", (long long)out.samples(), (long long)samples);
    for (const FrameEntry &e : out.frames)
        if (!e.parsedHeader().sameLayout(layout) || e.damaged)
            fail("a written frame at %llu is damaged or of another layout", (unsigned long long)e.offset);
    if (!FrameEntry{0, out.info->header}.parsedHeader().sameLayout(layout))
        fail("the info frame has another layout");
    return out;
}

} // namespace mp3fuzz
