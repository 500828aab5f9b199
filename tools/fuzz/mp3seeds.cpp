// Writes the seed inputs of fuzz_mp3copy and fuzz_mp3join into corpus/<target>/ of the folder
// given: small MP3 files made by the encoder library from a fixed sound, of every MPEG
// version and channel layout, with and without CRCs, at constant and variable bit rates,
// with and without an info frame, in free format, with tags at both ends, cut at a frame,
// put end to end, and the inputs that once hung or misled the frame layer. The same library
// version makes the same bytes every time:
//
//   cmake --build build-fuzz --target fuzz_mp3seeds && build-fuzz/fuzz/fuzz_mp3seeds tools/fuzz

#include <lame/lame.h>

#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_mp3seeds: %s\n", what);
    std::exit(1);
}

void quiet(const char *, va_list) {}

struct Encoding {
    int rate = 44100, channels = 2;
    int kbps = 128;        // constant bit rate, or the free-format rate
    int vbrQuality = -1;   // 0..9: variable bit rate
    bool crc = false;
    bool infoFrame = true; // the encoder's info frame with its LAME extension
    bool freeFormat = false;
    double seconds = 0.25;
    uint32_t seed = 1;
};

// A tone with noise, so that the encoder fills and drains its bit reservoir.
std::vector<short> sound(const Encoding &e)
{
    std::vector<short> pcm;
    uint32_t seed = e.seed;
    for (int i = 0; i < int(e.seconds * e.rate); ++i)
        for (int c = 0; c < e.channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double t = double(i) / e.rate;
            const double v = 0.4 * std::sin(2 * M_PI * (300 + 70 * c) * t) + (double(seed >> 16) / 65536.0 - 0.5) * 0.4;
            pcm.push_back(short(std::lround(v * 30000)));
        }
    return pcm;
}

Bytes encode(const Encoding &e)
{
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags *)> lame(lame_init(), lame_close);
    lame_t gf = lame.get();
    if (!gf)
        fail("the encoder does not start");
    lame_set_errorf(gf, quiet);
    lame_set_msgf(gf, quiet);
    lame_set_debugf(gf, quiet);
    lame_set_num_channels(gf, e.channels);
    lame_set_in_samplerate(gf, e.rate);
    lame_set_out_samplerate(gf, e.rate);
    if (e.vbrQuality >= 0) {
        lame_set_VBR(gf, vbr_default);
        lame_set_VBR_q(gf, e.vbrQuality);
    } else {
        lame_set_brate(gf, e.kbps);
    }
    lame_set_free_format(gf, e.freeFormat ? 1 : 0);
    lame_set_error_protection(gf, e.crc ? 1 : 0);
    lame_set_mode(gf, e.channels == 1 ? MONO : JOINT_STEREO);
    lame_set_bWriteVbrTag(gf, e.infoFrame ? 1 : 0);
    lame_set_quality(gf, 7);
    if (lame_init_params(gf) < 0)
        fail("the encoder refuses the settings");
    std::vector<short> pcm = sound(e);
    const int frames = int(pcm.size()) / e.channels;
    Bytes out(size_t(frames) * 5 / 4 + 7200);
    int n = e.channels == 2 ? lame_encode_buffer_interleaved(gf, pcm.data(), frames, out.data(), int(out.size()))
                            : lame_encode_buffer(gf, pcm.data(), pcm.data(), frames, out.data(), int(out.size()));
    if (n < 0)
        fail("encoding failed");
    Bytes mp3(out.begin(), out.begin() + n);
    n = lame_encode_flush(gf, out.data(), int(out.size()));
    if (n < 0)
        fail("encoding failed");
    mp3.insert(mp3.end(), out.begin(), out.begin() + n);
    if (e.infoFrame) {
        unsigned char tag[2880];
        const size_t tagBytes = lame_get_lametag_frame(gf, tag, sizeof tag);
        if (tagBytes > 0 && tagBytes <= mp3.size())
            std::memcpy(mp3.data(), tag, tagBytes);
    }
    return mp3;
}

// The size of the frame at `at` (Layer III, not free format), 0 when none is there.
size_t frameSize(const Bytes &mp3, size_t at)
{
    static const int rates[2][15] = {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
                                     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
    static const int hz[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
    if (at + 4 > mp3.size() || mp3[at] != 0xFF || (mp3[at + 1] & 0xE6) != 0xE2)
        return 0;
    const int version = (mp3[at + 1] >> 3) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int rate = mp3[at + 2] >> 4, sr = (mp3[at + 2] >> 2) & 3;
    if (version == 1 || rate == 0 || rate == 15 || sr == 3)
        return 0;
    const int row = version == 3 ? 0 : version == 2 ? 1 : 2;
    return size_t((version == 3 ? 144000 : 72000) * rates[row == 0 ? 0 : 1][rate] / hz[row][sr] + ((mp3[at + 2] >> 1) & 1));
}

// The offset of each frame, the info frame among them.
std::vector<size_t> frames(const Bytes &mp3)
{
    std::vector<size_t> at;
    for (size_t p = 0, n; (n = frameSize(mp3, p)) > 0; p += n)
        at.push_back(p);
    return at;
}

Bytes cat(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes text(const std::string &s) { return Bytes(s.begin(), s.end()); }

Bytes id3v2()
{
    Bytes frame = cat(text("TIT2"), {0, 0, 0, 6, 0, 0, 0});
    frame = cat(frame, text("Seeds"));
    Bytes tag = cat(text("ID3"), {3, 0, 0, 0, 0, 0, uint8_t(frame.size() + 10)});
    tag = cat(tag, frame);
    tag.resize(tag.size() + 10, 0);
    return tag;
}

Bytes apeFooter(uint32_t size, bool header)
{
    Bytes f = cat(text("APETAGEX"), {0xD0, 0x07, 0, 0});
    for (int i = 0; i < 4; ++i)
        f.push_back(uint8_t(size >> (8 * i)));
    f.insert(f.end(), {1, 0, 0, 0, 0, 0, 0, uint8_t(header ? 0xA0 : 0x80)});
    f.resize(32, 0);
    return f;
}

Bytes apeTag()
{
    Bytes item = {5, 0, 0, 0, 0, 0, 0, 0};
    item = cat(item, text("Title"));
    item.push_back(0);
    item = cat(item, text("Seeds"));
    Bytes header = apeFooter(uint32_t(item.size() + 32), true);
    header[23] = 0xA0 | 0x20; // the header's own flag
    return cat(cat(header, item), apeFooter(uint32_t(item.size() + 32), true));
}

Bytes lyrics3()
{
    const Bytes body = cat(text("LYRICSBEGIN"), text("IND00002" "10"));
    char size[7];
    std::snprintf(size, sizeof size, "%06zu", body.size());
    return cat(cat(body, text(size)), text("LYRICS200"));
}

Bytes id3v1()
{
    Bytes tag = text("TAGSeeds");
    tag.resize(128, 0);
    return tag;
}

// Without the info frame and the first `dropped` frames: a stream cut at a frame.
Bytes cutAtFrame(const Bytes &mp3, size_t dropped)
{
    const std::vector<size_t> at = frames(mp3);
    if (at.size() <= dropped + 1)
        fail("too few frames to cut");
    return Bytes(mp3.begin() + long(at[dropped + 1]), mp3.end());
}

void write(const std::filesystem::path &path, const Bytes &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        fail("cannot write a seed");
}

Bytes be16(unsigned v) { return {uint8_t(v >> 8), uint8_t(v)}; }

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        fail("usage: fuzz_mp3seeds FOLDER (the folder that holds corpus/)");
    const std::filesystem::path copyDir = std::filesystem::path(argv[1]) / "corpus" / "fuzz_mp3copy";
    const std::filesystem::path joinDir = std::filesystem::path(argv[1]) / "corpus" / "fuzz_mp3join";
    std::filesystem::create_directories(copyDir);
    std::filesystem::create_directories(joinDir);

    const Bytes cbr = encode({});
    const Bytes mono48crc = encode({48000, 1, 64, -1, true});
    const Bytes vbr32 = encode({32000, 2, 0, 4});
    const Bytes vbrBare = encode({44100, 2, 0, 2, false, false});
    const Bytes mpeg2Mono = encode({22050, 1, 64});
    const Bytes mpeg2Vbr = encode({24000, 2, 0, 5});
    const Bytes mpeg2Crc = encode({16000, 2, 32, -1, true, false});
    const Bytes mpeg25Mono = encode({8000, 1, 16, -1, false, false});
    const Bytes mpeg25Stereo = encode({11025, 2, 32, -1, false, true, false, 0.4});
    const Bytes freeFormat = encode({44100, 2, 400, -1, false, false, true});
    const Bytes other = encode({44100, 2, 128, -1, false, true, false, 0.2, 7});
    const Bytes cut = cutAtFrame(encode({44100, 2, 128, -1, false, true, false, 0.6, 3}), 6);

    // The tail of the last frame spelling an ID3v1 tag, and junk that looks like a
    // free-format header, both once taken for what they are not.
    Bytes spelled = cbr;
    std::memcpy(spelled.data() + spelled.size() - 128, "TAG", 3);
    Bytes freeJunk(37, 0x55);
    freeJunk[0] = 0xFF, freeJunk[1] = 0xFB, freeJunk[2] = 0x00, freeJunk[3] = 0x44;
    const std::vector<size_t> cbrFrames = frames(cbr);
    Bytes junkInside(cbr.begin(), cbr.begin() + long(cbrFrames[5]));
    junkInside = cat(cat(junkInside, freeJunk), Bytes(cbr.begin() + long(cbrFrames[5]), cbr.end()));

    struct Seed {
        const char *name;
        Bytes mp3;
    };
    const Seed sources[] = {
        {"mpeg1-44k-stereo-cbr", cbr},
        {"mpeg1-48k-mono-crc", mono48crc},
        {"mpeg1-32k-stereo-vbr", vbr32},
        {"mpeg1-vbr-no-info-frame", vbrBare},
        {"mpeg2-22k-mono", mpeg2Mono},
        {"mpeg2-24k-stereo-vbr", mpeg2Vbr},
        {"mpeg2-16k-crc-no-info-frame", mpeg2Crc},
        {"mpeg25-8k-mono-no-info-frame", mpeg25Mono},
        {"mpeg25-11k-stereo", mpeg25Stereo},
        {"free-format", freeFormat},
        {"tags-at-both-ends", cat(cat(cat(cat(id3v2(), cbr), apeTag()), lyrics3()), id3v1())},
        {"cut-at-a-frame", cut},
        {"two-files-end-to-end", cat(cbr, other)},
        {"ape-footer-of-size-0", cat(cbr, apeFooter(0, false))},
        {"last-frame-spells-tag", spelled},
        {"free-format-header-in-junk", junkInside},
    };
    // Each source from its start, where the reservoir may reach before the file, from a
    // third of the way to two thirds, and its last quarter.
    for (const Seed &s : sources) {
        write(copyDir / (std::string(s.name) + "-from-start.bin"), cat(cat(be16(0), be16(0x9000)), s.mp3));
        write(copyDir / (std::string(s.name) + "-middle.bin"), cat(cat(be16(0x5555), be16(0x8000)), s.mp3));
        write(copyDir / (std::string(s.name) + "-end.bin"), cat(cat(be16(0xC000), be16(0xFFFF)), s.mp3));
    }

    // Two sources and one to three clips: a clip is its source (0 or 1) and its range.
    struct Join {
        const char *name;
        Bytes first, second;
        std::vector<std::array<unsigned, 3>> clips;
    };
    const Join joins[] = {
        {"one-clip", cbr, other, {{0, 0, 0xC000}}},
        {"two-files-two-clips", cbr, other, {{0, 0x2000, 0x8000}, {1, 0x1000, 0x8000}}},
        {"contiguous-clips", cbr, other, {{0, 100, 200}, {0, 3300, 100}, {1, 0x3000, 0x8000}}},
        // The first clip's file is the second source, whose path sorts after the first's.
        {"mono-then-stereo", cbr, mono48crc, {{1, 0x1000, 0x8000}, {0, 0x1000, 0x8000}}},
        {"stereo-then-mono", mono48crc, cbr, {{1, 0x1000, 0x8000}, {0, 0x1000, 0x8000}}},
        {"cut-at-a-frame-second", other, cut, {{0, 0x1000, 0xA000}, {1, 0, 0xA000}}},
        {"cut-at-a-frame-first", cut, other, {{0, 0, 0x6000}, {1, 0x1000, 0xA000}, {0, 0x9000, 0x4000}}},
        {"vbr-and-end-to-end", vbr32, cat(cbr, other), {{1, 0xC000, 0x8000}, {1, 0x100, 0x200}}},
        {"mpeg2-mono", mpeg2Mono, mpeg2Mono, {{0, 0x800, 0x6000}, {1, 0x7000, 0x8000}}},
        {"mpeg25-no-info-frame", mpeg25Mono, mpeg25Mono, {{0, 0x100, 0x200}, {1, 0x6000, 0x8000}}},
        {"tags-and-crc", cat(cat(id3v2(), cbr), id3v1()), mono48crc, {{0, 0x2000, 0x8000}, {0, 0x100, 0x100}}},
    };
    for (const Join &j : joins) {
        Bytes input = {uint8_t(j.clips.size() - 1)};
        for (const auto &c : j.clips)
            input = cat(cat(cat(input, {uint8_t(c[0])}), be16(c[1])), be16(c[2]));
        input = cat(cat(cat(input, be16(unsigned(j.first.size()))), j.first), j.second);
        write(joinDir / (std::string(j.name) + ".bin"), input);
    }
    return 0;
}
