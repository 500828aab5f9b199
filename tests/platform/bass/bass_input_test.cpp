// Which create call takes which file, and how every one of them refuses input that
// is not audio: promptly, quietly and with a fitting error code.

#include "bass_test_util.h"
#include "support/stopwatch.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::test {
namespace {

// Collects what is written to stdout and stderr while it lives.
class OutputCapture {
public:
    OutputCapture() : file_(std::tmpfile())
    {
        std::fflush(stdout);
        std::fflush(stderr);
        for (int fd : {1, 2}) {
            saved_[fd - 1] = ::dup(fd);
            ::dup2(::fileno(file_), fd);
        }
    }
    ~OutputCapture()
    {
        restore();
        std::fclose(file_);
    }
    std::string text()
    {
        restore();
        std::string out;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            out.push_back(static_cast<char>(c));
        return out;
    }

private:
    void restore()
    {
        std::fflush(stdout);
        std::fflush(stderr);
        for (int fd : {1, 2}) {
            if (saved_[fd - 1] >= 0) {
                ::dup2(saved_[fd - 1], fd);
                ::close(saved_[fd - 1]);
                saved_[fd - 1] = -1;
            }
        }
    }
    FILE *file_;
    int saved_[2] = {-1, -1};
};

std::vector<uint8_t> noise(size_t size, uint32_t seed)
{
    std::vector<uint8_t> bytes(size);
    for (uint8_t &b : bytes) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(seed >> 24);
    }
    return bytes;
}

std::string fileUrl(const std::string &path)
{
    static const char *hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
            url.push_back(static_cast<char>(c));
        } else {
            url.push_back('%');
            url.push_back(hex[c >> 4]);
            url.push_back(hex[c & 15]);
        }
    }
    return url;
}

struct BadInput {
    std::string name;
    std::string path; // empty: a null pointer
    int code;
};

class BadInputTest : public BassTest {
protected:
    std::vector<BadInput> makeBadInputs()
    {
        writeBytes(dir.file("empty.mp3"), {});
        const std::string text = "Not audio at all, just a few words of text.\n";
        std::vector<uint8_t> words;
        for (int i = 0; i < 200; ++i)
            words.insert(words.end(), text.begin(), text.end());
        writeBytes(dir.file("notes.mp3"), words);
        // A JPEG start (with application markers that resemble frame headers) and
        // then junk.
        std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0,
                                     0xFF, 0xE2, 0x0C, 0x58};
        const std::vector<uint8_t> junk = noise(200000, 7);
        jpeg.insert(jpeg.end(), junk.begin(), junk.end());
        writeBytes(dir.file("photo.mp3"), jpeg);
        writeBytes(dir.file("random.mod"), noise(300000, 42));
        // Junk sprinkled with single frame headers (MPEG-1 layer III, 128 kbit/s).
        std::vector<uint8_t> sprinkled = noise(300000, 9);
        for (size_t i = 0; i + 4 < sprinkled.size(); i += 1000) {
            const uint8_t header[] = {0xFF, 0xFB, 0x90, 0x64};
            std::copy(header, header + 4, sprinkled.begin() + static_cast<long>(i));
        }
        writeBytes(dir.file("sprinkled.mp3"), sprinkled);
        std::filesystem::create_directory(dir.file("folder.mp3"));
        EXPECT_EQ(::mkfifo(dir.file("pipe.mp3").c_str(), 0600), 0);

        return {
            {"empty file", dir.file("empty.mp3"), BASS_ERROR_FILEFORM},
            {"text", dir.file("notes.mp3"), BASS_ERROR_FILEFORM},
            {"JPEG", dir.file("photo.mp3"), BASS_ERROR_FILEFORM},
            {"random bytes", dir.file("random.mod"), BASS_ERROR_FILEFORM},
            {"junk with frame headers", dir.file("sprinkled.mp3"), BASS_ERROR_FILEFORM},
            {"directory", dir.file("folder.mp3"), BASS_ERROR_FILEOPEN},
            {"missing file", dir.file("gone.mp3"), BASS_ERROR_FILEOPEN},
            {"FIFO", dir.file("pipe.mp3"), BASS_ERROR_FILEOPEN},
            {"null path", "", BASS_ERROR_FILEOPEN},
        };
    }
};

TEST_F(BadInputTest, EveryCreateCallRefusesQuicklyAndQuietly)
{
    for (const BadInput &input : makeBadInputs()) {
        const char *path = input.path.empty() ? nullptr : input.path.c_str();
        const std::string url = path ? fileUrl(path) : std::string();
        const struct {
            const char *call;
            std::function<DWORD()> create;
        } calls[] = {
            {"StreamCreateFile", [&] { return BASS_StreamCreateFile(0, path, 0, 0, kDecode); }},
            {"StreamCreateURL", [&] { return BASS_StreamCreateURL(path ? url.c_str() : nullptr, 0, kUrlFlags, nullptr, nullptr); }},
            {"MusicLoad", [&] { return BASS_MusicLoad(0, path, 0, 0, kMusicFlags, 0); }},
        };
        for (const auto &c : calls) {
            SCOPED_TRACE(input.name + " through " + c.call);
            OutputCapture output;
            const Stopwatch watch;
            const DWORD handle = c.create();
            const int code = BASS_ErrorGetCode();
            EXPECT_EQ(output.text(), "");
            EXPECT_EQ(handle, 0u);
            EXPECT_EQ(code, input.code);
            EXPECT_TRUE(watch.within(std::chrono::milliseconds(500))) << watch.cpu().count() / 1000000 << " ms";
        }
    }
}

// Damage in the middle of a file costs a moment of its audio, not the rest of it,
// and libraries below report nothing on the terminal.
class DamagedStreamTest : public BassTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(DamagedStreamTest, KeepsTheAudioAfterTheDamage)
{
    const std::string kind = GetParam();
    const std::string path = dir.file("damaged." + kind);
    Pcm pcm = makeTone(44100, 2, 2.0, 440.0, 0.4);
    const std::vector<uint8_t> hiss = noise(pcm.samples.size(), 3);
    for (size_t i = 0; i < pcm.samples.size(); ++i)
        pcm.samples[i] = static_cast<int16_t>(pcm.samples[i] + (hiss[i] - 128) * 8);
    if (kind == "mp3")
        writeMp3(path, pcm);
    else if (kind == "ogg")
        writeOgg(path, pcm);
    else
        writeFlac(path, pcm);

    std::vector<uint8_t> bytes = readBytes(path);
    if (kind == "mp3") {
        // A frame header past the middle claims another sample rate (44.1 -> 48 kHz).
        size_t at = bytes.size() / 2;
        while (at + 420 < bytes.size() &&
               !(bytes[at] == 0xFF && bytes[at + 1] == 0xFB && (bytes[at + 2] & 0xFC) == 0x90 &&
                 ((bytes[at + 417] == 0xFF && bytes[at + 418] == 0xFB) ||
                  (bytes[at + 418] == 0xFF && bytes[at + 419] == 0xFB))))
            ++at;
        ASSERT_LT(at + 420, bytes.size()) << "no frame header found";
        bytes[at + 2] = static_cast<uint8_t>(bytes[at + 2] | 0x04);
    } else {
        for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 16; ++i)
            bytes[i] ^= 0x5A;
    }
    writeBytes(path, bytes);

    OutputCapture output;
    const HSTREAM h = openStream(path);
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_EQ(output.text(), "");
    EXPECT_NEAR(static_cast<double>(d.frames()), static_cast<double>(pcm.frames()), 0.02 * 44100);
    EXPECT_GT(peak(d.samples(), 2, d.frames() - 64, 64), 2000) << "the audio after the damage is lost";
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedStreamTest, ::testing::Values("mp3", "ogg", "flac"));

TEST_F(BassTest, RecognisesFilesByContentNotName)
{
    const Pcm tone = makeTone(44100, 2, 0.5, 440.0);
    writeWav(dir.file("really-a-wav.mp3"), tone);
    writeMp3(dir.file("really-an-mp3.wav"), tone);
    writeOgg(dir.file("really-an-ogg.flac"), tone);
    writeBytes(dir.file("really-a-mod.mp3"), buildMod(shortModSong()));

    const struct {
        const char *file;
        DWORD ctype;
    } streams[] = {{"really-a-wav.mp3", BASS_CTYPE_STREAM_WAV},
                   {"really-an-mp3.wav", BASS_CTYPE_STREAM_MP3},
                   {"really-an-ogg.flac", BASS_CTYPE_STREAM_OGG}};
    for (const auto &s : streams) {
        SCOPED_TRACE(s.file);
        const HSTREAM h = openStream(dir.file(s.file));
        ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
        BASS_CHANNELINFO info{};
        ASSERT_TRUE(BASS_ChannelGetInfo(h, &info));
        EXPECT_EQ(info.ctype, s.ctype);
        // What the stream calls take, the module loader leaves alone.
        EXPECT_EQ(openMusic(dir.file(s.file)), 0u);
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
    }

    EXPECT_EQ(openStream(dir.file("really-a-mod.mp3")), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEFORM);
    EXPECT_NE(openMusic(dir.file("really-a-mod.mp3")), 0u) << BASS_ErrorGetCode();
}

TEST_F(BassTest, FindsMp3AudioBehindALargeTag)
{
    const Pcm tone = makeTone(44100, 1, 0.5, 440.0, 0.5, M_PI / 2);
    writeMp3(dir.file("plain.mp3"), tone);
    // An ID3v2.3 tag of 100 000 bytes (a cover picture, say), all padding here.
    const uint32_t tagSize = 100000;
    std::vector<uint8_t> tagged = {'I', 'D', '3', 3, 0, 0};
    for (int shift : {21, 14, 7, 0})
        tagged.push_back(static_cast<uint8_t>((tagSize >> shift) & 0x7F));
    tagged.resize(tagged.size() + tagSize, 0);
    const std::vector<uint8_t> audio = readBytes(dir.file("plain.mp3"));
    tagged.insert(tagged.end(), audio.begin(), audio.end());
    writeBytes(dir.file("tagged.mp3"), tagged);

    const HSTREAM h = openStream(dir.file("tagged.mp3"));
    ASSERT_NE(h, 0u) << BASS_ErrorGetCode();
    const Decoded d = drain(h);
    EXPECT_EQ(d.frames(), tone.frames());
    EXPECT_GT(peak(d.samples(), 1, 0, 8), 8000);
}

TEST_F(BassTest, UrlCallOpensLocalFileUrlsOnly)
{
    const Pcm tone = makeTone(44100, 2, 0.25, 440.0);
    const std::string path = dir.file("odd name #1 %.wav");
    writeWav(path, tone);
    const std::string url = fileUrl(path);

    HSTREAM h = BASS_StreamCreateURL(url.c_str(), 0, kUrlFlags, nullptr, nullptr);
    ASSERT_NE(h, 0u) << url << " error " << BASS_ErrorGetCode();
    EXPECT_TRUE(drain(h).bytes == tone.bytes());

    const std::string localhost = "file://localhost" + url.substr(7);
    h = BASS_StreamCreateURL(localhost.c_str(), 0, kUrlFlags, nullptr, nullptr);
    EXPECT_NE(h, 0u) << localhost;

    const std::string refused[] = {
        "http://example.com/song.mp3",
        "https://example.com/song.mp3",
        "ftp://example.com/song.mp3",
        path,                                   // a path is not a URL
        "file://otherhost" + url.substr(7),     // another machine
        url + "%00",                            // NUL smuggled into the path
        url.substr(0, url.size() - 4) + "%G1", // broken escape
        "",
    };
    for (const std::string &text : refused) {
        EXPECT_EQ(BASS_StreamCreateURL(text.c_str(), 0, kUrlFlags, nullptr, nullptr), 0u) << text;
        EXPECT_EQ(BASS_ErrorGetCode(), BASS_ERROR_FILEOPEN) << text;
    }
}

} // namespace
} // namespace trevisto::test
