// Crafted files of every kind the program reads, each through every reader that could be
// handed it: the decoding library's create calls and the WAV reader for sounds and paths,
// the settings-file parser and its store, the language-file splitter. Each must be refused
// with a fitting answer, or read within what it holds, and always within a time bound.

#include "platform/bass/bass_test_util.h"
#include "platform/registry/regfile.h"
#include "platform/registry/registry.h"
#include "platform/wav/wav.h"
#include "settings/language_file.h"

#include "fresh_prefix.h"
#include "support/riffbuilder.h"
#include "support/stopwatch.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

namespace trevisto::test {
namespace {

using wav::ReadError;

constexpr auto kTimeBound = std::chrono::milliseconds(1000);

// ---- building blocks

void putBe16(Bytes &b, uint32_t v)
{
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
}
void putBe32(Bytes &b, uint32_t v)
{
    putBe16(b, v >> 16);
    putBe16(b, v);
}
Bytes fmt(uint16_t channels, uint32_t rate = 44100, uint16_t bits = 16, std::optional<uint16_t> align = {})
{
    return fmtBody(wav::kTagPcm, channels, rate, bits, align);
}
Bytes toneBytes(int channels = 2, double seconds = 0.2)
{
    return makeTone(44100, channels, seconds, 440.0).bytes();
}

// An AIFF-C file of 16-bit mono at 44.1 kHz whose sound is stored with `compression`.
Bytes aifc(std::string_view compression, const Bytes &sound, uint32_t frames)
{
    Bytes comm;
    putBe16(comm, 1);
    putBe32(comm, frames);
    putBe16(comm, 16);
    const uint8_t rate44100[10] = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};
    comm.insert(comm.end(), std::begin(rate44100), std::end(rate44100));
    putText(comm, compression);
    comm.push_back(0); // empty compression name
    comm.push_back(0);
    Bytes body;
    putText(body, "AIFC");
    auto add = [&](std::string_view id, const Bytes &data) {
        putText(body, id);
        putBe32(body, uint32_t(data.size()));
        body = body + data;
    };
    Bytes version;
    putBe32(version, 0xA2805140);
    add("FVER", version);
    add("COMM", comm);
    Bytes ssnd(8, 0);
    add("SSND", ssnd + sound);
    Bytes form;
    putText(form, "FORM");
    putBe32(form, uint32_t(body.size()));
    return form + body;
}

// ID3v2.3 header for a tag body of `size` bytes (sync-safe size field).
Bytes id3v2(uint32_t size)
{
    Bytes b = {'I', 'D', '3', 3, 0, 0};
    for (int shift : {21, 14, 7, 0})
        b.push_back(uint8_t((size >> shift) & 0x7F));
    return b;
}

// MPEG-1 layer III frames at 44.1 kHz with their bit-rate index cleared: the free
// format, where the decoder has to find the frame length itself.
Bytes freeFormat(Bytes mp3)
{
    static const int kbps[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    size_t at = 0;
    int frames = 0;
    while (at + 4 < mp3.size()) {
        if (mp3[at] != 0xFF || (mp3[at + 1] & 0xFE) != 0xFA) {
            ++at;
            continue;
        }
        const int index = mp3[at + 2] >> 4;
        const size_t length = 144 * kbps[index] * 1000 / 44100 + ((mp3[at + 2] >> 1) & 1);
        if (index == 0 || index == 15 || length == 0)
            break;
        mp3[at + 2] &= 0x0F;
        at += length;
        ++frames;
    }
    if (frames < 10)
        throw std::runtime_error("no frames found to turn into free format");
    return mp3;
}

Bytes fileBytes(const std::function<void(const std::string &)> &write)
{
    TempDir dir;
    const std::string path = dir.file("made");
    write(path);
    return readBytes(path);
}

Bytes xorRange(Bytes b, size_t from, size_t count)
{
    for (size_t i = from; i < from + count && i < b.size(); ++i)
        b[i] ^= 0x5A;
    return b;
}

Bytes noise(size_t size, uint32_t seed)
{
    Bytes bytes(size);
    for (uint8_t &b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = uint8_t(seed >> 24);
    }
    return bytes;
}

// ---- the table

// What each reader answers for a sound file: BASS_OK (0) or the error code of each create
// call, and the WAV reader's verdict.
struct SoundOutcome {
    int stream = BASS_ERROR_FILEFORM;
    int music = BASS_ERROR_FILEFORM;
    ReadError wav = ReadError::NotWav;
};
constexpr SoundOutcome kNotAudio{};
constexpr SoundOutcome kStreamOnly{BASS_OK, BASS_ERROR_FILEFORM, ReadError::NotWav};
constexpr SoundOutcome kWav{BASS_OK, BASS_ERROR_FILEFORM, ReadError::None};
constexpr SoundOutcome kDamagedWav{BASS_ERROR_FILEFORM, BASS_ERROR_FILEFORM, ReadError::BadHeader};
constexpr SoundOutcome kCannotOpen{BASS_ERROR_FILEOPEN, BASS_ERROR_FILEOPEN, ReadError::Unreadable};

enum class Reader { Sound, Settings, Language };

struct Crafted {
    std::string name;
    Reader reader;
    Bytes bytes;
    SoundOutcome sound{};
    std::string fileName = "input"; // sounds: the name in a fresh folder; no bytes, no file
    std::string path{};             // sounds: a fixed path instead
};

std::vector<Crafted> craftedInputs()
{
    const Bytes tone = toneBytes();
    const Bytes goodWav = riffFile(riffChunk("fmt ", fmt(2)) + riffChunk("data", tone));
    const Pcm clip = makeTone(44100, 2, 1.0, 440.0, 0.4);
    const Bytes mp3 = fileBytes([&](const std::string &p) { writeMp3(p, clip); });
    const Bytes ogg = fileBytes([&](const std::string &p) { writeOgg(p, makeTone(44100, 2, 4.0, 440.0, 0.4)); });
    // The third page is the first with sound; the three headers come before it.
    size_t oggAudio = 0;
    for (int pages = 0; oggAudio + 4 < ogg.size(); ++oggAudio)
        if (std::equal(ogg.begin() + long(oggAudio), ogg.begin() + long(oggAudio) + 4, "OggS") && ++pages == 3)
            break;
    const Bytes flac = fileBytes([&](const std::string &p) { writeFlac(p, clip); });
    Bytes tags = id3v2(20);
    putText(tags, "TIT2");
    put32(tags, 0x0A000000); // ten bytes, big-endian
    tags.insert(tags.end(), {0, 0, 0});
    putText(tags, "a title");
    Bytes id3v1 = {'T', 'A', 'G'};
    id3v1.resize(128, 0);

    const std::string sectionSeparator("..\\\0", 4);
    std::ifstream englishFile(LANGUAGE_FILES_DIR "/english.lng", std::ios::binary);
    const std::string english{std::istreambuf_iterator<char>(englishFile), {}};
    std::string withoutNuls = english;
    std::erase(withoutNuls, '\0');
    const std::string regHeader = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Trevisto]\r\n";
    std::string hundredMb = regHeader;
    hundredMb.reserve(100u << 20);
    while (hundredMb.size() < (100u << 20))
        hundredMb += "\"Language\"=\"ger\"\r\n";
    auto text = [](std::string_view s) { return Bytes(s.begin(), s.end()); };
    std::u16string utf16 = u"\xFEFFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n";
    const Bytes utf16Bytes(reinterpret_cast<const uint8_t *>(utf16.data()),
                           reinterpret_cast<const uint8_t *>(utf16.data() + utf16.size()));

    ModSong endless = shortModSong();
    endless.rows = 64;
    endless.orders = 127;
    endless.notes.push_back({63, 3, 0, 0xE, 0x6F});
    // No song length, and every entry of the order table an end marker.
    Bytes noOrders = buildMod(shortModSong());
    noOrders[950] = 0;
    std::fill_n(noOrders.begin() + 952, 128, 0xFF);
    Bytes headerOnlyMod = buildMod(shortModSong());
    headerOnlyMod.resize(1084);
    Bytes junkMod = noise(4000, 11);
    std::copy_n("M.K.", 4, junkMod.begin() + 1080);

    const std::string longName(255, 'n');
    const std::string tooLongName(256, 'n');

    Bytes beyondRiff = goodWav;
    beyondRiff[4] = beyondRiff[5] = beyondRiff[6] = beyondRiff[7] = 0xFF;
    Bytes xingLies = mp3;
    const auto tag = std::search(xingLies.begin(), xingLies.end(), std::begin("Info"), std::end("Info") - 1);
    if (tag == xingLies.end())
        throw std::runtime_error("the encoder wrote no info tag");
    tag[7] |= 1;                // the frame count is present...
    std::fill_n(tag + 8, 4, 0xFF); // ...and says four billion
    // STREAMINFO (from byte 8) holds the total sample count in the low half of its byte 13
    // and its bytes 14 to 17: all ones is 2^36 - 1.
    Bytes flacLies = flac;
    flacLies[8 + 13] |= 0x0F;
    std::fill_n(flacLies.begin() + 8 + 14, 4, 0xFF);

    return {
        // WAV
        {"WAV: zero channels", Reader::Sound, riffFile(riffChunk("fmt ", fmt(0)) + riffChunk("data", tone)), kDamagedWav},
        // libsndfile works the block size out for itself.
        {"WAV: zero block align", Reader::Sound, riffFile(riffChunk("fmt ", fmt(2, 44100, 16, 0)) + riffChunk("data", tone)),
         {BASS_OK, BASS_ERROR_FILEFORM, ReadError::BadHeader}},
        {"WAV: zero sample rate", Reader::Sound, riffFile(riffChunk("fmt ", fmt(2, 0)) + riffChunk("data", tone)), kDamagedWav},
        // The player keeps the first two of so many channels.
        {"WAV: 65535 channels", Reader::Sound, riffFile(riffChunk("fmt ", fmt(65535, 8000, 8)) + riffChunk("data", tone)),
         {BASS_ERROR_FILEFORM, BASS_ERROR_FILEFORM, ReadError::None}},
        {"WAV: data size beyond the file", Reader::Sound,
         riffFile(riffChunk("fmt ", fmt(2)) + riffChunk("data", tone, 0x7FFFFFF0)), kWav},
        {"WAV: RIFF size beyond the file", Reader::Sound, beyondRiff, kWav},
        {"WAV: fmt after data", Reader::Sound, riffFile(riffChunk("data", tone) + riffChunk("fmt ", fmt(2))),
         {BASS_ERROR_FILEFORM, BASS_ERROR_FILEFORM, ReadError::None}},
        {"WAV: no data", Reader::Sound, riffFile(riffChunk("fmt ", fmt(2)) + riffChunk("LIST", Bytes(30, 'x'))), kDamagedWav},
        {"WAV: no fmt", Reader::Sound, riffFile(riffChunk("data", tone)), kDamagedWav},
        {"WAV: fmt of 4 GiB", Reader::Sound,
         riffFile(riffChunk("fmt ", fmt(2) + Bytes(24, 0), 0xFFFFFFF0) + riffChunk("data", tone)), kDamagedWav},
        {"WAV: chunk of 4 GiB before data", Reader::Sound,
         riffFile(riffChunk("fmt ", fmt(2)) + riffChunk("JUNK", Bytes(16, 0), 0xFFFFFFFF) + riffChunk("data", tone)),
         kDamagedWav},
        {"WAV: cut inside fmt", Reader::Sound, Bytes(goodWav.begin(), goodWav.begin() + 30), kDamagedWav},
        {"WAV: compressed (IMA ADPCM)", Reader::Sound,
         riffFile(riffChunk("fmt ", [] {
                      Bytes f = fmt(1, 8000, 4, 256);
                      f[0] = 0x11;
                      return f;
                  }()) +
                  riffChunk("data", noise(2048, 3))),
         {BASS_ERROR_FILEFORM, BASS_ERROR_FILEFORM, ReadError::UnsupportedFormat}},
        // MP3
        {"MP3: free format", Reader::Sound, freeFormat(mp3), kNotAudio},
        {"MP3: ID3v2 tag claiming more than the file", Reader::Sound, id3v2(0x0FFFFFFF) + mp3, kNotAudio},
        {"MP3: only tags", Reader::Sound, tags + id3v1, kNotAudio},
        {"MP3: info tag claiming four billion frames", Reader::Sound, xingLies, kStreamOnly},
        {"MP3: cut inside a frame", Reader::Sound, Bytes(mp3.begin(), mp3.begin() + long(mp3.size() / 2 + 7)),
         kStreamOnly},
        // Valid frames in form: noise is what they hold.
        {"MP3: frames of noise", Reader::Sound,
         [] {
             Bytes b = noise(50000, 5);
             for (size_t i = 0; i + 4 < b.size(); i += 417)
                 std::copy_n(std::begin({0xFF, 0xFB, 0x90, 0x64}), 4, b.begin() + long(i));
             return b;
         }(),
         kStreamOnly},
        // Ogg, FLAC, AIFF
        {"Ogg: damaged mid-file", Reader::Sound, xorRange(ogg, ogg.size() * 3 / 4, 16), kStreamOnly},
        {"Ogg: damaged headers", Reader::Sound, xorRange(ogg, 40, 64), kNotAudio},
        {"Ogg: cut after the headers", Reader::Sound, Bytes(ogg.begin(), ogg.begin() + long(oggAudio)), kNotAudio},
        {"FLAC: sample count claiming 2^36 - 1", Reader::Sound, flacLies, kStreamOnly},
        {"FLAC: cut after the header", Reader::Sound, Bytes(flac.begin(), flac.begin() + 42), kNotAudio},
        {"AIFF-C: unknown compression", Reader::Sound, aifc("XYZW", noise(4000, 7), 2000), kNotAudio},
        {"AIFF-C: IMA ADPCM", Reader::Sound, aifc("ima4", noise(34 * 40, 9), 64 * 40), kStreamOnly},
        // modules
        {"module: endless", Reader::Sound, buildMod(endless), kNotAudio},
        {"module: beyond four hours", Reader::Sound, buildMod(slowModSong(127)), kNotAudio},
        {"module: zero orders", Reader::Sound, noOrders, kNotAudio},
        // An empty pattern: a few seconds of silence.
        {"module: header alone", Reader::Sound, headerOnlyMod, {BASS_ERROR_FILEFORM, BASS_OK, ReadError::NotWav}},
        {"module: noise with a signature", Reader::Sound, junkMod, kNotAudio},
        // paths
        {"path: non-UTF-8 bytes", Reader::Sound, goodWav, kWav, "\xff\xfe\x80.wav"},
        {"path: a 255-byte name", Reader::Sound, goodWav, kWav, longName},
        {"path: a 256-byte name", Reader::Sound, {}, kCannotOpen, tooLongName},
        {"path: a newline in the name", Reader::Sound, goodWav, kWav, "two\nlines.wav"},
        {"path: a device without end", Reader::Sound, {}, kCannotOpen, "", "/dev/zero"},
        {"path: a folder", Reader::Sound, {}, kCannotOpen, "", "/"},
        // settings files
        {"settings: binary", Reader::Settings, noise(5000, 13)},
        {"settings: 100 MB", Reader::Settings, text(hundredMb)},
        {"settings: UTF-16, as the registry editor exports", Reader::Settings, utf16Bytes},
        {"settings: a NUL in the header", Reader::Settings, text(std::string("Windows Registry\0 Editor Version 5.00\n", 39))},
        {"settings: a hex value continued past the end", Reader::Settings, text(regHeader + "\"v\"=hex:01,\\")},
        // language files
        {"language: truncated", Reader::Language, text(english.substr(0, english.size() / 2))},
        {"language: without NULs", Reader::Language, text(withoutNuls)},
        {"language: 8 MB of one entry", Reader::Language, Bytes(8u << 20, 'x')},
        {"language: 8 million empty entries", Reader::Language,
         text(english) + text(sectionSeparator) + Bytes(8u << 20, 0)},
        {"language: invalid UTF-8", Reader::Language, noise(100000, 17)},
    };
}

// ---- the readers

class AdversarialInputs : public BassTest {
protected:
    // Runs `call`, failing the test when it takes longer than the bound.
    template <typename F>
    auto timed(const std::string &what, F &&call)
    {
        const Stopwatch watch;
        auto result = call();
        EXPECT_TRUE(watch.within(kTimeBound))
            << what << ": " << watch.cpu().count() / 1000000 << " ms of processor time, "
            << watch.wall().count() / 1000000 << " ms in all";
        return result;
    }

    void checkSound(const Crafted &c)
    {
        std::string path = c.path;
        if (path.empty()) {
            path = dir.file(c.fileName);
            if (!c.bytes.empty())
                writeBytes(path, c.bytes);
        }
        const struct {
            const char *name;
            int expected;
            std::function<DWORD()> create;
        } calls[] = {
            {"StreamCreateFile", c.sound.stream, [&] { return openStream(path); }},
            {"MusicLoad", c.sound.music, [&] { return openMusic(path); }},
        };
        for (const auto &call : calls) {
            SCOPED_TRACE(call.name);
            const DWORD handle = timed(call.name, call.create);
            if (call.expected != BASS_OK) {
                EXPECT_EQ(handle, 0u);
                EXPECT_EQ(BASS_ErrorGetCode(), call.expected);
                continue;
            }
            ASSERT_NE(handle, 0u) << "refused with " << BASS_ErrorGetCode();
            // Whatever the header claimed, the channel delivers exactly what it says, soon.
            timed("drain", [&] { return drain(handle).bytes.size(); });
            EXPECT_TRUE(BASS_ChannelFree(handle));
        }

        wav::Info info;
        EXPECT_EQ(timed("WAV reader", [&] { return wav::readInfo(path, info); }), c.sound.wav)
            << wav::describe(wav::readInfo(path, info));
        if (c.sound.wav == ReadError::None) {
            EXPECT_LE(info.dataOffset + info.dataSize, int64_t(c.bytes.size()));
            EXPECT_EQ(info.dataSize, info.frames * info.format.blockAlign());
        }
    }

    void checkSettings(const Crafted &c)
    {
        const std::string_view text(reinterpret_cast<const char *>(c.bytes.data()), c.bytes.size());
        EXPECT_FALSE(timed("parser", [&] { return registry::parseRegText(text); }).ok());

        // Through the store: the file is kept aside untouched and the settings start empty.
        FreshPrefix prefix;
        const std::filesystem::path file = registry::storePath();
        std::filesystem::create_directories(file.parent_path());
        writeBytes(file.string(), c.bytes);
        testing::internal::CaptureStderr();
        registry::HKEY key = 0;
        EXPECT_EQ(timed("store", [&] {
                      return registry::RegOpenKeyExA(registry::HKEY_LOCAL_MACHINE, "SOFTWARE\\Trevisto", 0,
                                                     registry::KEY_QUERY_VALUE, &key);
                  }),
                  registry::ERROR_FILE_NOT_FOUND);
        const std::string warning = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
        EXPECT_FALSE(std::filesystem::exists(file));
        EXPECT_EQ(std::filesystem::file_size(file.string() + ".bad"), c.bytes.size());
    }

    void checkLanguage(const Crafted &c)
    {
        const QByteArray bytes(reinterpret_cast<const char *>(c.bytes.data()), qsizetype(c.bytes.size()));
        QString why;
        EXPECT_FALSE(timed("splitter", [&] { return languageTables(BytesToText(bytes, CP_UTF8), programNeeds(), &why); }));
        EXPECT_FALSE(why.isEmpty());
    }
};

TEST_F(AdversarialInputs, EachIsRefusedOrReadWithinItsBoundsAndInTime)
{
    for (const Crafted &c : craftedInputs()) {
        SCOPED_TRACE(c.name);
        switch (c.reader) {
        case Reader::Sound: checkSound(c); break;
        case Reader::Settings: checkSettings(c); break;
        case Reader::Language: checkLanguage(c); break;
        }
    }
}

} // namespace
} // namespace trevisto::test
